// Conditions: the pool, the new-condition queue and the two reason lists.

#include "facts/gdd_conds.h"

#include <deque>
#include <vector>

#include "facts/fact_lookup.h"
#include "facts/fact_tests.h"
#include "facts/gdd_trace.h"
#include "prover/prover.h"

namespace {

// A condition with the birth stamp of the database when it was pushed as a
// premise (a record born later may have taken it into its reasons), and
// whether a holder that is not a record (a full-angle proof step) keeps it.
struct Pooled_cond {
    Gdd_cond cond;
    std::uint64_t births = 0;
    bool kept = false;
};

struct Cond_pool {
    std::deque<Pooled_cond> store;  // stable addresses
    std::vector<Gdd_cond*> spare;   // released conditions
};

Cond_pool& pool()
{
    static Cond_pool p;
    return p;
}

// Every condition comes from the pool, as the first member of its slot.
Pooled_cond* slot_of(Gdd_cond* c) { return reinterpret_cast<Pooled_cond*>(c); }

bool on_merge_list(const Gdd_cond* c)
{
    for (const Gdd_cond* m = g_merge_db; m; m = m->next)
        if (m == c)
            return true;
    return false;
}

// A premise that no record was born to take as a reason since it was pushed
// (and that neither a proof step nor the merge list holds) is read by nothing
// once it leaves the reason list: it goes back to the pool, so that the
// rules' failed attempts do not pile up.
void release_if_unclaimed(Gdd_cond* c)
{
    const Pooled_cond* slot = slot_of(c);
    if (!slot->kept && slot->births == births_so_far() && !on_merge_list(c))
        release_cond(c);
}

// The full-angle method never takes conditions off the queue.
bool queue_read() { return g_fa_stage == 0; }

Gdd_cond* make_cond(std::int32_t type, void* obj)
{
    Gdd_cond* c = alloc_cond();
    c->type = type;
    c->obj = obj;
    return c;
}

void push_merge(Gdd_cond* c)
{
    c->next = g_merge_db;
    g_merge_db = c;
}

}  // namespace

void release_all_conds()
{
    pool().spare.clear();
    pool().spare.shrink_to_fit();
    pool().store.clear();
    pool().store.shrink_to_fit();
}

std::size_t cond_pool_size() { return pool().store.size(); }

Gdd_cond* alloc_cond()
{
    auto& p = pool();
    if (!p.spare.empty()) {
        Gdd_cond* c = p.spare.back();
        p.spare.pop_back();
        *slot_of(c) = Pooled_cond{};
        return c;
    }
    charge_gdd_memory(sizeof(Pooled_cond));
    return &p.store.emplace_back().cond;
}

void release_cond(Gdd_cond* c)
{
    if (c)
        pool().spare.push_back(c);
}

// ---- the new-condition queue ---------------------------------------------------

Gdd_cond* new_cond(std::int32_t type, void* obj)
{
    Gdd_cond* c = make_cond(type, obj);
    Gdd_cond_queue& q = g_cond_queue;
    if (q.last) {
        q.last->next = c;
        q.before_last = q.last;
        q.last = c;
    } else {
        q.first = q.last = c;
    }
    q.counts.add(c);
    return c;
}

Gdd_cond* queue_cond(std::int32_t type, void* rec)
{
    if (!queue_read())
        return nullptr;
    return new_cond(type, rec);
}

void queue_pline(Gdd_pline* P)
{
    if (!queue_read())
        return;
    Gdd_cond* c = make_cond(kCondPara, P);
    Gdd_cond_queue& q = g_cond_queue;
    if (!q.last)
        q.last = c;
    else if (q.first == q.last)
        q.before_last = c;
    c->next = q.first;
    q.first = c;
    q.counts.add(c);
}

Gdd_cond* take_cond()
{
    Gdd_cond_queue& q = g_cond_queue;
    Gdd_cond* c = q.first;
    if (!c)
        return nullptr;
    q.counts.remove(c);
    if (c == q.last) {
        // A duplicate left behind the end mark by fix_queue_tail is still
        // queued until another condition is appended; it becomes the end.
        q.first = q.last = c->next;
        if (c->next)
            q.counts.add(c->next);
    } else {
        q.first = c->next;
    }
    c->next = nullptr;
    return c;
}

void clear_queue()
{
    while (Gdd_cond* c = take_cond())
        release_cond(c);
}

bool cond_eq(const Gdd_cond* c1, const Gdd_cond* c2)
{
    return c1->type == c2->type && c1->obj == c2->obj;
}

void fix_queue_tail()
{
    Gdd_cond_queue& q = g_cond_queue;
    Gdd_cond* tail = q.last;
    // The count holds the tail itself: more means an equal condition before it.
    if (!tail || tail == q.first || q.counts.count(tail) < 2)
        return;
    Gdd_cond* before = q.before_last;
    // Not known only after the mark moved back with nothing appended since,
    // which the full-angle stage does on the hypotheses' queue.
    if (!before)
        for (before = q.first; before->next != tail;)
            before = before->next;
    q.counts.remove(tail);
    q.last = before;
    q.before_last = nullptr;
}

// ---- the current reason list -------------------------------------------------

Gdd_cond* add_codb(std::int32_t type, int p1, int p2, int p3, int p4, int p5, int p6, int p7, int p8)
{
    check_time();
    if (g_trace)
        trace_str(fmt("add_codb %d %s %s %s %s %s %s %s %s\n", type, pname(p1), pname(p2), pname(p3),
                      pname(p4), pname(p5), pname(p6), pname(p7), pname(p8)));
    Gdd_cond* c = alloc_cond();
    c->type = type;
    const int pts[8] = {p1, p2, p3, p4, p5, p6, p7, p8};
    for (int i = 0; i < 8; ++i)
        c->p[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(pts[i]);

    if (c->type == kCondPara && xcoll4(p1, p2, p3, p4))
        c->type = kCondColl;
    if (c->type == kCondColl) {
        // Each point once, at its first occurrence; zeros dropped.
        std::array<std::uint32_t, 6> kept{};
        int n = 0;
        for (int i = 0; i < 6; ++i) {
            const std::uint32_t q = c->p[static_cast<std::size_t>(i)];
            if (q == 0)
                continue;
            bool seen = false;
            for (int j = 0; j < n; ++j)
                seen = seen || kept[static_cast<std::size_t>(j)] == q;
            if (!seen)
                kept[static_cast<std::size_t>(n++)] = q;
        }
        for (int i = 0; i < 6; ++i)
            c->p[static_cast<std::size_t>(i)] = kept[static_cast<std::size_t>(i)];
        if (n < 3)
            c->type = kCondTrivial;
    }
    // The record that holds the premise now is the one the proof cites: a
    // record found later may rest on the facts this premise helps to derive.
    note_fact_record(c);
    slot_of(c)->births = births_so_far();
    c->next = g_co_db;
    g_co_db = c;
    return c;
}

Gdd_cond* keep_co_db()
{
    for (Gdd_cond* c = g_co_db; c; c = c->next)
        slot_of(c)->kept = true;
    return g_co_db;
}

void next_cond()
{
    if (Gdd_cond* c = g_co_db) {
        g_co_db = c->next;
        release_if_unclaimed(c);
    }
}

void clear_co_db()
{
    while (g_co_db)
        next_cond();
}

// ---- the merge reason list ---------------------------------------------------

Gdd_cond* new_co(std::int32_t type)
{
    Gdd_cond* c = make_cond(type, nullptr);
    push_merge(c);
    return c;
}

Gdd_cond* new_co(std::int32_t type, void* rec)
{
    Gdd_cond* c = new_co(type);
    c->obj = rec;
    return c;
}

Gdd_cond* add_codb2(std::int32_t type, int p1, int p2, int p3, int p4, int p5, int p6, int p7, int p8)
{
    Gdd_cond* c = add_codb(type, p1, p2, p3, p4, p5, p6, p7, p8);
    g_co_db = c->next;
    push_merge(c);
    return c;
}

void clear_merge_db() { g_merge_db = nullptr; }

Gdd_cond* add_codb_ln(std::int32_t type, const Gdd_line* l1, const Gdd_line* l2)
{
    return add_codb(type, l1->pts[0], l1->pts[1], l2->pts[0], l2->pts[1]);
}

Gdd_cond* add_codb_ln(std::int32_t type, const Gdd_line* l1, const Gdd_line* l2, const Gdd_line* l3,
                      const Gdd_line* l4)
{
    return add_codb(type, l1->pts[0], l1->pts[1], l2->pts[0], l2->pts[1], l3->pts[0], l3->pts[1],
                    l4->pts[0], l4->pts[1]);
}

Gdd_cond* add_codb2_ln(std::int32_t type, const Gdd_line* l1, const Gdd_line* l2)
{
    return add_codb2(type, l1->pts[0], l1->pts[1], l2->pts[0], l2->pts[1]);
}

Gdd_cond* add_codb2_ln(std::int32_t type, const Gdd_line* l1, const Gdd_line* l2, const Gdd_line* l3,
                       const Gdd_line* l4)
{
    return add_codb2(type, l1->pts[0], l1->pts[1], l2->pts[0], l2->pts[1], l3->pts[0], l3->pts[1],
                     l4->pts[0], l4->pts[1]);
}
