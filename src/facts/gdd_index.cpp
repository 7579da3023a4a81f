// Indexes kept beside the fact lists: each key maps to its records in list
// order (by seq). Records appended to a list are taken in lazily, on the next
// lookup of that list's index.

#include "facts/gdd_index.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <iterator>
#include <deque>
#include <utility>

#include "facts/gdd_lookup.h"

namespace {

// Inserts rec into v (ordered by seq) unless it is there already.
template <class T>
void insert_ordered(std::vector<T*>& v, T* rec)
{
    if (v.empty() || v.back()->seq < rec->seq) {
        v.push_back(rec);
        return;
    }
    auto it = std::lower_bound(v.begin(), v.end(), rec->seq, [](const T* r, int seq) { return r->seq < seq; });
    if (it == v.end() || *it != rec)
        v.insert(it, rec);
}

// How far an index has taken in its list.
template <class T>
class Cursor {
public:
    // Calls take(r) for every record appended since the last call.
    template <class F>
    void catch_up(const Gdd_list<T>& list, F take)
    {
        if (last_ == list.last)
            return;
        T* r = last_ ? last_->next : list.first;
        for (; r; r = r->next) {
            take(r);
            last_ = r;
        }
    }
    void reset() { last_ = nullptr; }
    // True when rec has been taken in (later notes must index it again).
    bool taken(const T* rec) const { return last_ && rec->seq <= last_->seq; }

private:
    T* last_ = nullptr;
};

// Values keyed by a pair of lines (by their seq): for each first line, the
// second lines in ascending order, each with its value.
template <class V>
class Line_pair_map {
public:
    const V* find(int first, int second) const
    {
        if (static_cast<std::size_t>(first) >= rows_.size())
            return nullptr;
        const Row& row = rows_[static_cast<std::size_t>(first)];
        const auto it = std::lower_bound(row.begin(), row.end(), second,
                                         [](const Cell& c, int key) { return c.second < key; });
        return it != row.end() && it->second == second ? &it->value : nullptr;
    }
    V& at(int first, int second)
    {
        if (static_cast<std::size_t>(first) >= rows_.size())
            rows_.resize(static_cast<std::size_t>(first) + 1);
        Row& row = rows_[static_cast<std::size_t>(first)];
        auto it = std::lower_bound(row.begin(), row.end(), second,
                                   [](const Cell& c, int key) { return c.second < key; });
        if (it == row.end() || it->second != second)
            it = row.insert(it, Cell{second, {}});
        return it->value;
    }

private:
    struct Cell {
        int second;
        V value;
    };
    using Row = std::vector<Cell>;
    std::vector<Row> rows_;
};

// The key of an equal-angle record [l1, l2] = [l3, l4]: its end lines, then
// its middle lines in either order (the smaller seq first); by seq.
struct Ea_key {
    int l1, l4, lo, hi;

    bool operator==(const Ea_key&) const = default;
};

// The records under each key, in list order, in an open-addressing table
// that keeps a key's first record in the slot itself: the lookup of every
// transitivity step reads one slot and, mostly, one record.
class Ea_key_table {
public:
    template <class Accept>
    Gdd_ea* first(const Ea_key& key, Accept accept) const
    {
        const Slot* s = find(key);
        if (!s)
            return nullptr;
        if (accept(s->first))
            return s->first;
        if (s->more != 0)
            for (Gdd_ea* E : more_[s->more - 1])
                if (accept(E))
                    return E;
        return nullptr;
    }
    void insert(const Ea_key& key, Gdd_ea* E)
    {
        Slot& s = slot(key);
        if (!s.first) {
            s.first = E;
            return;
        }
        if (s.first == E)
            return;
        if (s.more == 0) {
            more_.emplace_back();
            s.more = static_cast<std::uint32_t>(more_.size());
        }
        if (E->seq < s.first->seq)
            std::swap(E, s.first);
        insert_ordered(more_[s.more - 1], E);
    }

private:
    struct Slot {
        Ea_key key{};
        Gdd_ea* first = nullptr;  // null: an empty slot
        std::uint32_t more = 0;   // 1 + index of the later records in more_; 0: none
    };
    std::vector<Slot> slots_;  // a power of two long
    std::deque<std::vector<Gdd_ea*>> more_;
    std::size_t used_ = 0;

    std::size_t mask() const { return slots_.size() - 1; }
    static std::size_t hash(const Ea_key& k)
    {
        std::uint64_t h = static_cast<std::uint32_t>(k.l1);
        for (int part : {k.l4, k.lo, k.hi})
            h = (h ^ static_cast<std::uint32_t>(part)) * 0x9E3779B97F4A7C15ull;
        return static_cast<std::size_t>(h ^ (h >> 32));
    }
    const Slot* find(const Ea_key& key) const
    {
        if (slots_.empty())
            return nullptr;
        for (std::size_t i = hash(key) & mask();; i = (i + 1) & mask()) {
            const Slot& s = slots_[i];
            if (!s.first)
                return nullptr;
            if (s.key == key)
                return &s;
        }
    }
    Slot& slot(const Ea_key& key)
    {
        if (2 * (used_ + 1) > slots_.size())
            grow();
        std::size_t i = hash(key) & mask();
        for (; slots_[i].first; i = (i + 1) & mask())
            if (slots_[i].key == key)
                return slots_[i];
        ++used_;
        slots_[i].key = key;
        return slots_[i];
    }
    void grow()
    {
        std::vector<Slot> old = std::move(slots_);
        slots_.assign(old.empty() ? 1024 : 2 * old.size(), Slot{});
        for (const Slot& s : old) {
            if (!s.first)
                continue;
            std::size_t i = hash(s.key) & mask();
            while (slots_[i].first)
                i = (i + 1) & mask();
            slots_[i] = s;
        }
    }
};

Ea_key ea_key_of(const Gdd_line* l1, const Gdd_line* l2, const Gdd_line* l3, const Gdd_line* l4)
{
    return {l1->seq, l4->seq, std::min(l2->seq, l3->seq), std::max(l2->seq, l3->seq)};
}

const std::vector<Gdd_ea*>& lookup(const Line_pair_map<std::vector<Gdd_ea*>>& map, int first, int second)
{
    static const std::vector<Gdd_ea*> none;
    const std::vector<Gdd_ea*>* v = map.find(first, second);
    return v ? *v : none;
}

template <class T>
std::vector<T*>& slot(std::vector<std::vector<T*>>& by_seq, int seq)
{
    if (static_cast<std::size_t>(seq) >= by_seq.size())
        by_seq.resize(static_cast<std::size_t>(seq) + 1);
    return by_seq[static_cast<std::size_t>(seq)];
}

// ---- the indexes ---------------------------------------------------------------------

struct Indexes {
    Cursor<Gdd_line> line_cursor;
    std::array<std::vector<Gdd_line*>, 128> point_lines;

    Cursor<Gdd_pline> pline_cursor;
    std::vector<std::vector<Gdd_pline*>> line_classes;  // by line seq

    Cursor<Gdd_tline> tline_cursor;
    std::vector<std::vector<Gdd_tline*>> line_pairs;  // by line seq

    Cursor<Gdd_cg> cg_cursor;
    std::vector<std::vector<Gdd_cg*>> segment_groups;  // by seg_key

    Cursor<Gdd_ra> ra_cursor;
    std::vector<std::vector<Gdd_ra*>> segment_ratios;  // by seg_key

    Cursor<Gdd_ea> ea_cursor;
    Ea_key_table ea_keys;  // by the whole key
    Line_pair_map<std::vector<Gdd_ea*>> ea_pairs;        // by two of the four lines, the earlier first
    std::vector<std::vector<Gdd_ea*>> ea_bisectors;     // [k1, m] = [m, k4] by m's seq

    // Back to empty, the storage given back.
    void reset() { *this = Indexes{}; }
};

Indexes g_indexes;

Indexes& ix() { return g_indexes; }

// Segments by their two ends, the smaller first.
std::size_t seg_key(int a, int b)
{
    if (a > b)
        std::swap(a, b);
    return static_cast<std::size_t>(a & 127) * 128 + static_cast<std::size_t>(b & 127);
}

template <class T>
std::vector<T*>& segment_slot(std::vector<std::vector<T*>>& by_segment, int a, int b)
{
    if (by_segment.empty())
        by_segment.resize(128 * 128);
    return by_segment[seg_key(a, b)];
}

void take_line(Gdd_line* l)
{
    for (int i = 0; i <= l->last; ++i) {
        const int p = l->pts[static_cast<std::size_t>(i)];
        if (p > 0 && p < 128)
            insert_ordered(ix().point_lines[static_cast<std::size_t>(p)], l);
    }
}

void take_pline(Gdd_pline* P)
{
    for (int i = 0; i <= P->last; ++i)
        if (const Gdd_line* l = P->lines[static_cast<std::size_t>(i)])
            insert_ordered(slot(ix().line_classes, l->seq), P);
}

void take_tline(Gdd_tline* T)
{
    if (T->l1)
        insert_ordered(slot(ix().line_pairs, T->l1->seq), T);
    if (T->l2)
        insert_ordered(slot(ix().line_pairs, T->l2->seq), T);
}

void take_cg(Gdd_cg* G)
{
    for (int i = 0; i <= G->last; ++i)
        insert_ordered(segment_slot(ix().segment_groups, G->end1[static_cast<std::size_t>(i)],
                                    G->end2[static_cast<std::size_t>(i)]),
                       G);
}

void take_ra(Gdd_ra* R)
{
    for (std::size_t i = 0; i < 8; i += 2)
        insert_ordered(segment_slot(ix().segment_ratios, R->pts[i], R->pts[i + 1]), R);
}

void take_ea(Gdd_ea* E)
{
    if (!E->l1 || !E->l2 || !E->l3 || !E->l4)
        return;
    // A record whose lines a merge replaced stays under its old key too.
    ix().ea_keys.insert(ea_key_of(E->l1, E->l2, E->l3, E->l4), E);
    const Gdd_line* l[4] = {E->l1, E->l2, E->l3, E->l4};
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j)
            if (l[i] != l[j])
                insert_ordered(ix().ea_pairs.at(std::min(l[i]->seq, l[j]->seq), std::max(l[i]->seq, l[j]->seq)), E);
    if (E->l2 == E->l3)
        insert_ordered(slot(ix().ea_bisectors, E->l2->seq), E);
}

// Takes in the records appended to the list since the last lookup. (The
// lists are emptied only by init_gdd, which resets the indexes.)
template <class T, class F>
void sync(Cursor<T>& cursor, const Gdd_list<T>& list, F take)
{
    cursor.catch_up(list, take);
}

void sync_lines() { sync(ix().line_cursor, g_ln_list, take_line); }
void sync_plines() { sync(ix().pline_cursor, g_pn_list, take_pline); }
void sync_tlines() { sync(ix().tline_cursor, g_tn_list, take_tline); }
void sync_cgs() { sync(ix().cg_cursor, g_cg_list, take_cg); }
void sync_ras() { sync(ix().ra_cursor, g_ra_list, take_ra); }
void sync_eas() { sync(ix().ea_cursor, g_ea_list, take_ea); }

}  // namespace

void gdd_index_reset() { ix().reset(); }

void index_note(const Gdd_line* l)
{
    if (ix().line_cursor.taken(l))
        take_line(const_cast<Gdd_line*>(l));
}

void index_note(const Gdd_pline* P)
{
    if (ix().pline_cursor.taken(P))
        take_pline(const_cast<Gdd_pline*>(P));
}

namespace {

std::uint64_t g_cg_notes = 0;  // members added to existing groups

}  // namespace

void index_note(const Gdd_cg* G)
{
    ++g_cg_notes;
    if (ix().cg_cursor.taken(G))
        take_cg(const_cast<Gdd_cg*>(G));
}

void index_note(const Gdd_ea* E)
{
    if (ix().ea_cursor.taken(E))
        take_ea(const_cast<Gdd_ea*>(E));
}

const std::vector<Gdd_line*>& lines_through(int p)
{
    static const std::vector<Gdd_line*> none;
    if (p <= 0 || p >= 128)
        return none;
    sync_lines();
    return ix().point_lines[static_cast<std::size_t>(p)];
}

const std::vector<Gdd_pline*>& classes_of(const Gdd_line* l)
{
    static const std::vector<Gdd_pline*> none;
    if (!l)
        return none;
    sync_plines();
    auto& v = ix().line_classes;
    return static_cast<std::size_t>(l->seq) < v.size() ? v[static_cast<std::size_t>(l->seq)] : none;
}

const std::vector<Gdd_tline*>& pairs_of(const Gdd_line* l)
{
    static const std::vector<Gdd_tline*> none;
    if (!l)
        return none;
    sync_tlines();
    auto& v = ix().line_pairs;
    return static_cast<std::size_t>(l->seq) < v.size() ? v[static_cast<std::size_t>(l->seq)] : none;
}

const std::vector<Gdd_cg*>& groups_of(int a, int b)
{
    sync_cgs();
    return segment_slot(ix().segment_groups, a, b);
}

const std::vector<Gdd_ra*>& ratios_with(int a, int b)
{
    sync_ras();
    return segment_slot(ix().segment_ratios, a, b);
}

Gdd_ea* first_ea_with_lines(const Gdd_line* l1, const Gdd_line* l2, const Gdd_line* l3, const Gdd_line* l4,
                            const std::function<bool(const Gdd_ea*)>& accept)
{
    if (!l1 || !l2 || !l3 || !l4)
        return nullptr;
    sync_eas();
    return ix().ea_keys.first(ea_key_of(l1, l2, l3, l4), accept);
}

const std::vector<Gdd_ea*>& ea_with_pair(const Gdd_line* l, const Gdd_line* m)
{
    static const std::vector<Gdd_ea*> none;
    if (!l || !m || l == m)
        return none;
    sync_eas();
    return lookup(ix().ea_pairs, std::min(l->seq, m->seq), std::max(l->seq, m->seq));
}

std::vector<Gdd_ea*> ea_partners(const Gdd_ea* E1)
{
    // The candidates of the six pairs of E1's lines, each list in list
    // order, merged.
    struct Run {
        const std::vector<Gdd_ea*>* records;
        std::size_t next;
        int seq;  // of records[next]; E1's own once past the earlier records
    };
    std::array<Run, 6> runs;
    std::size_t n = 0;
    sync_eas();
    const Gdd_line* l[4] = {E1->l1, E1->l2, E1->l3, E1->l4};
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j) {
            if (!l[i] || !l[j] || l[i] == l[j])
                continue;
            const auto& v = lookup(ix().ea_pairs, std::min(l[i]->seq, l[j]->seq), std::max(l[i]->seq, l[j]->seq));
            if (!v.empty())
                runs[n++] = Run{&v, 0, std::min(v.front()->seq, E1->seq)};
        }
    std::vector<Gdd_ea*> found;
    const Gdd_ea* last = nullptr;
    for (;;) {
        Run* best = nullptr;
        for (std::size_t k = 0; k < n; ++k)
            if (runs[k].seq < E1->seq && (!best || runs[k].seq < best->seq))
                best = &runs[k];
        if (!best)
            break;
        Gdd_ea* E2 = (*best->records)[best->next++];
        best->seq = best->next < best->records->size() ? std::min((*best->records)[best->next]->seq, E1->seq)
                                                       : E1->seq;
        // One record stands in several runs, under the same seq: it comes
        // out of them one after the other.
        if (E2 != last && E2->live())
            found.push_back(E2);
        last = E2;
    }
    return found;
}

std::vector<Gdd_ea*> bisected_by(const Gdd_line* m, const Gdd_line* n)
{
    sync_eas();
    static const std::vector<Gdd_ea*> none;
    auto of = [](const Gdd_line* l) -> const std::vector<Gdd_ea*>& {
        const auto& v = ix().ea_bisectors;
        return l && static_cast<std::size_t>(l->seq) < v.size() ? v[static_cast<std::size_t>(l->seq)] : none;
    };
    const auto& a = of(m);
    const auto& b = m == n ? none : of(n);
    std::vector<Gdd_ea*> found;
    found.reserve(a.size() + b.size());
    std::merge(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(found),
               [](const Gdd_ea* x, const Gdd_ea* y) { return x->seq < y->seq; });
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

std::uint64_t cg_generation() { return g_cg_notes + g_cg_list.size(); }

std::vector<Gdd_ra*> ra_partners(const Gdd_ra* R1, int after)
{
    std::vector<Gdd_ra*> found;
    auto take = [&](int a, int b) {
        for (Gdd_ra* R2 : ratios_with(a, b)) {
            if (R2->seq >= R1->seq)
                break;
            if (R2->seq > after)
                found.push_back(R2);
        }
    };
    for (std::size_t i = 0; i < 8; i += 2) {
        const int a = R1->pts[i], b = R1->pts[i + 1];
        take(a, b);
        for (const Gdd_cg* G : groups_of(a, b)) {
            if (!G->live() || !in_cg(a, b, G))
                continue;
            for (int k = 0; k <= G->last; ++k)
                take(G->end1[static_cast<std::size_t>(k)], G->end2[static_cast<std::size_t>(k)]);
        }
    }
    std::sort(found.begin(), found.end(), [](const Gdd_ra* x, const Gdd_ra* y) { return x->seq < y->seq; });
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}
