// Congruent segments.

#include <algorithm>
#include <utility>

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_index.h"
#include "facts/gdd_lookup.h"
#include "facts/gdd_trace.h"
#include "prover/prover.h"

void add_cg_seg(Gdd_cg* G, int a, int b)
{
    if (in_cg(a, b, G))
        return;
    if (G->last + 1 >= kMaxGeo)
        member_overflow("MAX_GEO of cg overflow");
    if (a > b)
        std::swap(a, b);
    ++G->last;
    G->end1[static_cast<std::size_t>(G->last)] = static_cast<std::int8_t>(a);
    G->end2[static_cast<std::size_t>(G->last)] = static_cast<std::int8_t>(b);
    index_note(G);
}

namespace {

Gdd_cg* new_cg(int lemma, int a, int b, int c, int d, Gdd_cond* reasons)
{
    Gdd_cg* G = g_cg_list.append();
    G->state = kNew;
    G->lemma = static_cast<std::uint8_t>(lemma);
    G->reasons = reasons;
    G->last = 1;
    G->end1[0] = static_cast<std::int8_t>(std::min(a, b));
    G->end2[0] = static_cast<std::int8_t>(std::max(a, b));
    G->end1[1] = static_cast<std::int8_t>(std::min(c, d));
    G->end2[1] = static_cast<std::int8_t>(std::max(c, d));
    return G;
}

}  // namespace

void adj_cg(Gdd_cg* G)
{
    if (g_trace)
        trace_str("adj_cg\n");
    while (Gdd_cg* M = fd_cg_meet(G)) {
        if (cg_sub(M, G)) {
            kill_rec(M);
        } else if (cg_sub(G, M)) {
            kill_rec(G);
            G = M;
        } else {
            Gdd_cg* N = g_cg_list.append_copy(*G);
            N->state = kNew;
            for (int i = 0; i <= M->last; ++i)
                add_cg_seg(N, M->end1[static_cast<std::size_t>(i)], M->end2[static_cast<std::size_t>(i)]);
            kill_rec(G);
            kill_rec(M);
            if (G->reasons || M->reasons) {
                clear_merge_db();
                new_co(kCondCong, G);
                new_co(kCondCong, M);
                N->reasons = g_merge_db;
            } else {
                N->reasons = nullptr;
            }
            G = N;
        }
    }
    queue_cond(kCondCong, G);
}

void add_cong(int lemma, int first_reason_only, int a, int b, int c, int d)
{
    if (g_trace)
        trace_str(fmt("add_cong: %d %s%s %s%s\n", lemma, pname(a), pname(b), pname(c), pname(d)));
    if (xcong(a, b, c, d))
        return;
    Gdd_cond* reasons = g_co_db;
    if (first_reason_only && g_co_db) {
        // A chain of its own holding only the latest premise.
        reasons = alloc_cond();
        *reasons = *g_co_db;
        reasons->next = nullptr;
    }
    adj_cg(new_cg(lemma, a, b, c, d, reasons));
}

void add_cong1(int lemma, int a, int b, int c, int d, int e, int f, int g, int h)
{
    if (g_trace)
        trace_str(fmt("add_cong1: %d %s%s %s%s\n", lemma, pname(e), pname(f), pname(g), pname(h)));
    if (xcong(e, f, g, h))
        return;
    if (!same_pair(a, b, c, d))
        add_codb2(kCondCong, std::max(a, b), std::min(a, b), std::max(c, d), std::min(c, d));
    adj_cg(new_cg(lemma, e, f, g, h, g_merge_db));
}
