#pragma once
// The records of the deductive fact database and the lists that hold them.
//
// Every fact kind lives in one singly linked list in creation order. Records
// are never moved or unlinked while the database lives (pointers to lines in
// classes, pairs and angle records, and to facts in reason chains, must stay
// valid for the whole proof), so each list owns its records in a deque and
// links them through `next`. List order decides which rule fires first; `seq`
// is a record's position in its list, so that an index kept beside a list can
// return the first match in list order.
//
// Records change in few places only, which an index has to follow: they are
// created by Gdd_list::append / append_copy, die through kill_rec, gain points
// or members through ln_ins, cir_ins, add_cg_seg and the class and triangle
// merges, and equal-angle records have a merged line replaced in place
// (ln_merge_upd).

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>

#include "facts/cond_counts.h"
#include "prover/conclusion_kinds.h"
#include "prover/gdd_cond.h"

// Members a line, class, circle, congruence group or triangle group holds.
constexpr int kMaxGeo = 29;

// A record that would take a 30th member ends the run: the table's message
// (such as "MAX_GEO of ln overflow") on a line of its own, as the other
// limits that end a run print theirs, then ProverAbort.
[[noreturn]] void member_overflow(const char* message);

// Inserts p into the ascending points pts[0 .. last] of a line or circle;
// false when p is there already. A 30th point is a member_overflow.
bool insert_ascending(std::array<std::int8_t, kMaxGeo>& pts, std::int8_t& last, int p, const char* overflow);

// Record states.
constexpr std::uint8_t kDead = 0;       // merged away or degenerate; kept, skipped by searches
constexpr std::uint8_t kLive = 1;       // processed by the forward chaining
constexpr std::uint8_t kNew = 2;        // its condition not yet taken up

// Condition (fact) types: the predicates are numbered like the conclusion
// kinds that ask for them.
constexpr std::int32_t kCondTrivial = 0;                           // a trivial fact, not printed
constexpr std::int32_t kCondColl = concl_kind::kCollinear;
constexpr std::int32_t kCondPara = concl_kind::kParallel;
constexpr std::int32_t kCondPerp = concl_kind::kPerpendicular;
constexpr std::int32_t kCondMid = concl_kind::kMidpoint;
constexpr std::int32_t kCondCyclic = concl_kind::kCyclic;           // with or without centre
constexpr std::int32_t kCondCong = concl_kind::kEqualDistance;
constexpr std::int32_t kCondEqAngle = concl_kind::kEqualAngle;
constexpr std::int32_t kCondRatio = concl_kind::kEqualProduct;
constexpr std::int32_t kCondCongTri = concl_kind::kCongruent;
constexpr std::int32_t kCondSimTri = concl_kind::kSimilar;
// Premises only the full-angle method writes.
constexpr std::int32_t kCondEquilateral = 1904;                    // triangle p1 p2 p3 equilateral
constexpr std::int32_t kCondOrthocenter = 1905;                    // orthocentre configuration x u w y
constexpr std::int32_t kCondIncenter = 1906;                       // angle-bisector configuration u w x y

// A stamp for each new record, rising over every list: a fact's reasons were
// all pushed before its record was born, so a proof that cites for each
// premise the record that held it then only ever steps back in birth order.
namespace gdd_detail {
inline std::uint64_t& birth_counter()
{
    static std::uint64_t births = 0;
    return births;
}
}  // namespace gdd_detail
inline std::uint64_t next_birth() { return ++gdd_detail::birth_counter(); }
// The stamp of the latest record (0 before the first).
inline std::uint64_t births_so_far() { return gdd_detail::birth_counter(); }

// Common prefix of every fact record.
struct Gdd_fact {
    std::uint8_t state = kDead;
    std::uint8_t lemma = 0;          // rule that produced the fact, 0 for hypotheses
    Gdd_cond* reasons = nullptr;     // premise chain; null: needs no proof
    int seq = 0;                     // position in its list (0 = first)
    std::uint64_t born = 0;          // next_birth() when appended

    bool live() const { return state != kDead; }
};

// A record dies only through here (merged away or found degenerate), so that
// an index kept beside a list has one place to follow. Records never revive.
inline void kill_rec(Gdd_fact* rec) { rec->state = kDead; }

// Collinear points, ascending without repeats.
struct Gdd_line : Gdd_fact {
    std::int8_t last = 0;            // count - 1
    std::array<std::int8_t, kMaxGeo> pts{};
    Gdd_line* next = nullptr;

    int count() const { return last + 1; }
};

// A class of parallel lines.
struct Gdd_pline : Gdd_fact {
    std::int8_t last = 0;
    std::array<Gdd_line*, kMaxGeo> lines{};
    Gdd_pline* next = nullptr;

    int count() const { return last + 1; }
};

// Two perpendicular lines.
struct Gdd_tline : Gdd_fact {
    Gdd_line* l1 = nullptr;
    Gdd_line* l2 = nullptr;
    Gdd_tline* next = nullptr;
};

// Concyclic points, ascending without repeats; centre 0 when not known.
struct Gdd_cir : Gdd_fact {
    std::int8_t last = 0;
    std::int8_t centre = 0;
    std::array<std::int8_t, kMaxGeo> pts{};
    Gdd_cir* next = nullptr;

    int count() const { return last + 1; }
};

// m is the midpoint of ab.
struct Gdd_mid : Gdd_fact {
    std::int8_t m = 0;
    std::int8_t a = 0;
    std::int8_t b = 0;
    Gdd_mid* next = nullptr;
};

// Equal full angles [l1, l2] = [l3, l4], kept in canonical order.
//
// A line that merges into a larger one is replaced in place, so l1..l4 may
// hold lines the fact was never derived for. Before the first replacement the
// lines the record was made with are kept in `written`: its reasons prove the
// fact for those, and a proof that uses it for the larger line also cites
// the merge.
struct Gdd_ea : Gdd_fact {
    Gdd_line* l1 = nullptr;
    Gdd_line* l2 = nullptr;
    Gdd_line* l3 = nullptr;
    Gdd_line* l4 = nullptr;
    Gdd_ea* next = nullptr;
    std::unique_ptr<const std::array<Gdd_line*, 4>> written;  // null: l1..l4 as made

    // Line k (0 .. 3) as the record was made.
    Gdd_line* written_line(int k) const
    {
        if (written)
            return (*written)[static_cast<std::size_t>(k)];
        return k == 0 ? l1 : k == 1 ? l2 : k == 2 ? l3 : l4;
    }
};

// Congruent segments; member k is end1[k] end2[k] with end1[k] < end2[k].
struct Gdd_cg : Gdd_fact {
    std::int8_t last = 0;
    std::array<std::int8_t, kMaxGeo> end1{};
    std::array<std::int8_t, kMaxGeo> end2{};
    Gdd_cg* next = nullptr;

    int count() const { return last + 1; }
};

// Similar (or congruent) triangles; member k is va[k] vb[k] vc[k] with
// orientation sign num[k] (+1 or -1) relative to the group.
struct Gdd_tri : Gdd_fact {
    std::int8_t last = 0;
    std::array<std::int8_t, kMaxGeo> num{};
    std::array<std::int8_t, kMaxGeo> va{};
    std::array<std::int8_t, kMaxGeo> vb{};
    std::array<std::int8_t, kMaxGeo> vc{};
    Gdd_tri* next = nullptr;

    int count() const { return last + 1; }
};

// Equal ratios p1p2 / p3p4 = p5p6 / p7p8.
struct Gdd_ra : Gdd_fact {
    std::uint8_t o = 0;              // 1 for the trapezoid ratios of rule 73
    std::array<std::int8_t, 8> pts{};
    Gdd_ra* next = nullptr;
};

// Charges bytes of the database (records, conditions, indexes) to the
// prover's memory budget; past it the run ends with "run out of memory.".
// Charged before the memory is taken, so that every structure stays whole.
void charge_gdd_memory(std::size_t bytes);

// Index entries a record adds beside its list, charged with the record.
constexpr std::size_t kIndexBytesPerRecord = 160;

// A list of records in creation order. Iteration follows `next`, so a walk
// also visits records appended while it runs.
template <class T>
class Gdd_list {
public:
    class iterator {
    public:
        explicit iterator(T* cur) : cur_(cur) {}
        T* operator*() const { return cur_; }
        iterator& operator++()
        {
            cur_ = cur_->next;
            return *this;
        }
        bool operator!=(const iterator& o) const { return cur_ != o.cur_; }
        bool operator==(const iterator& o) const { return cur_ == o.cur_; }

    private:
        T* cur_;
    };

    T* first = nullptr;
    T* last = nullptr;

    // A zero-filled record linked at the end.
    T* append()
    {
        charge_gdd_memory(sizeof(T) + kIndexBytesPerRecord);
        T* rec = &store_.emplace_back();
        rec->seq = static_cast<int>(store_.size()) - 1;
        rec->born = next_birth();
        if (last)
            last->next = rec;
        else
            first = rec;
        last = rec;
        return rec;
    }
    // A copy of src (fields after the common prefix and the state and lemma;
    // no reasons) linked at the end.
    T* append_copy(const T& src)
    {
        T* rec = append();
        const int seq = rec->seq;
        const std::uint64_t born = rec->born;
        *rec = src;
        rec->seq = seq;
        rec->born = born;
        rec->reasons = nullptr;
        rec->next = nullptr;
        return rec;
    }

    bool empty() const { return first == nullptr; }
    std::size_t size() const { return store_.size(); }
    // Releases every record, the storage given back.
    void clear()
    {
        first = last = nullptr;
        store_ = std::deque<T>{};
    }

    iterator begin() const { return iterator(first); }
    iterator end() const { return iterator(nullptr); }

private:
    std::deque<T> store_;
};

// The new-condition queue: conditions are appended at the end or pushed at
// the front and taken from the front. Conditions linked after `last` were
// left behind when fix_queue_tail moved the end mark back: the first of them
// becomes the queue when `last` is taken, the next append drops them.
struct Gdd_cond_queue {
    Gdd_cond* first = nullptr;
    Gdd_cond* last = nullptr;
    // While last is not first: the condition linked before it, or null when
    // not known (the end mark moved back, nothing appended since).
    Gdd_cond* before_last = nullptr;
    // The conditions from first to last by type and object.
    Cond_counts counts;

    bool empty() const { return first == nullptr; }
};

// ---- the database -----------------------------------------------------------
extern Gdd_list<Gdd_line> g_ln_list;
extern Gdd_list<Gdd_pline> g_pn_list;
extern Gdd_list<Gdd_tline> g_tn_list;
extern Gdd_list<Gdd_cir> g_cir_list;
extern Gdd_list<Gdd_mid> g_mid_list;
extern Gdd_list<Gdd_ea> g_ea_list;
extern Gdd_list<Gdd_cg> g_cg_list;
extern Gdd_list<Gdd_tri> g_st_list;   // similar triangles (kCondSimTri)
extern Gdd_list<Gdd_tri> g_ct_list;   // congruent triangles (kCondCongTri)
extern Gdd_list<Gdd_ra> g_ra_list;

// Which triangle list the triangle routines work on: 0 similar, 1 congruent.
extern std::uint8_t g_tri_mode;
// 0 while the database method runs; 1 or 2 while the full-angle method builds
// facts (with 1 no equal-angle facts are stored).
extern std::uint8_t g_fa_stage;
// The last ratio record already combined by adj_ra; null when forward starts.
extern Gdd_ra* g_ra_cursor;

extern Gdd_cond_queue g_cond_queue;   // new-condition queue
extern Gdd_cond* g_co_db;             // current reason list (a stack; head first)
extern Gdd_cond* g_merge_db;          // merge reason list (a stack; head first)

// The triangle list chosen by g_tri_mode and its condition type.
Gdd_list<Gdd_tri>& tri_list();
std::int32_t tri_cond_type();

// Active records pair with the record a rule search was started for: state 1
// in the database method, any live state in the full-angle method.
inline bool is_active(const Gdd_fact* rec)
{
    return g_fa_stage == 0 ? rec->state == kLive : rec->state != kDead;
}

// A condition's object, read back as the record kind its type names
// (collinear: line, parallel: class, perpendicular: pair, midpoint,
// cyclic: circle, equal distance: congruence group, equal angles, ratio,
// congruent and similar: triangle group). Objects are
// always stored as a pointer to that record kind.
template <class T>
T* cond_obj(const Gdd_cond* c)
{
    return static_cast<T*>(c->obj);
}
// The common prefix of a condition's object; null for conditions written as
// points or of a type without a record.
Gdd_fact* cond_fact(const Gdd_cond* c);
