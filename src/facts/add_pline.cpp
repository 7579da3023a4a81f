// Parallel classes and perpendicular pairs.

#include <utility>

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_index.h"
#include "facts/gdd_lookup.h"
#include "facts/gdd_trace.h"
#include "prover/prover.h"

namespace {

Gdd_pline* new_pls(int lemma, Gdd_line* l1, Gdd_line* l2, Gdd_cond* reasons)
{
    Gdd_pline* P = g_pn_list.append();
    P->state = kNew;
    P->lemma = static_cast<std::uint8_t>(lemma);
    P->reasons = reasons;
    P->last = 1;
    P->lines[0] = l1;
    P->lines[1] = l2;
    return P;
}

void add_pls_line(Gdd_pline* P, Gdd_line* l)
{
    if (in_pls(l, P))
        return;
    if (P->last + 1 >= kMaxGeo)
        member_overflow("MAX_GEO of pn overflow");
    ++P->last;
    P->lines[static_cast<std::size_t>(P->last)] = l;
    index_note(P);
}

// A copy of `into` that also holds the lines of `from`; both die. The copy's
// reasons name the two merged classes when either had reasons.
Gdd_pline* merge_pls(Gdd_pline* into, Gdd_pline* from)
{
    Gdd_pline* Q = g_pn_list.append_copy(*into);
    kill_rec(into);
    for (int i = 0; i <= from->last; ++i)
        add_pls_line(Q, from->lines[static_cast<std::size_t>(i)]);
    kill_rec(from);
    Q->lemma = 2;
    clear_merge_db();
    new_co(kCondPara, into);
    new_co(kCondPara, from);
    Q->reasons = into->reasons || from->reasons ? g_merge_db : nullptr;
    return Q;
}

}  // namespace

void adj_pls(Gdd_pline* P)
{
    if (P->last != 1)
        prover_fatal("11111111111111");
    Gdd_pline* A = fd_pls_other(P, P->lines[0]);
    Gdd_pline* B = fd_pls_other(P, P->lines[1]);
    if (!A && !B) {
        queue_pline(P);
        return;
    }
    if (!A)
        std::swap(A, B);
    Gdd_pline* Q = merge_pls(A, P);
    Q->state = kNew;
    if (B && B != A)
        Q = merge_pls(Q, B);
    queue_pline(Q);
}

void add_pline(int lemma, int a, int b, int c, int d)
{
    if (g_trace)
        trace_str(fmt("add_pline: %d %s,%s,%s,%s\n", lemma, pname(a), pname(b), pname(c), pname(d)));
    if (xpara(a, b, c, d))
        return;
    Gdd_line* l1 = fadd_ln(a, b);
    Gdd_line* l2 = fadd_ln(c, d);
    adj_pls(new_pls(lemma, l1, l2, g_co_db));
}

Gdd_pline* add_ppn(int lemma, Gdd_line* l1, Gdd_line* l2)
{
    if (g_trace)
        trace_str("add_ppn:\n");
    if (xpara_ln(l1, l2))
        return nullptr;
    Gdd_pline* P = new_pls(lemma, l1, l2, g_merge_db);
    adj_pls(P);
    return P;
}

Gdd_tline* new_tp(Gdd_line* l1, Gdd_line* l2)
{
    Gdd_tline* T = g_tn_list.append();
    T->state = kNew;
    T->l1 = l1;
    T->l2 = l2;
    return T;
}

void add_tline(int lemma, int a, int b, int c, int d)
{
    if (g_trace)
        trace_str(fmt("add_tline: %d %s,%s,%s,%s\n", lemma, pname(a), pname(b), pname(c), pname(d)));
    if (xperp(a, b, c, d))
        return;
    Gdd_line* l1 = fadd_ln(a, b);
    Gdd_line* l2 = fadd_ln(c, d);
    // No line is perpendicular to itself: such a pair only comes from a rule
    // fed two names of one line, and it would pair with every other pair.
    if (l1 == l2)
        return;
    Gdd_tline* T = new_tp(l1, l2);
    T->lemma = static_cast<std::uint8_t>(lemma);
    T->reasons = g_co_db;
    queue_cond(kCondPerp, T);
}

void add_tx(int lemma, Gdd_line* l1, Gdd_line* l2)
{
    if (g_trace)
        trace_str(fmt("add_tx %d\n", lemma));
    if (l1 == l2 || xperp_ln(l1, l2))
        return;
    Gdd_tline* T = new_tp(l1, l2);
    T->lemma = static_cast<std::uint8_t>(lemma);
    T->reasons = g_merge_db;
    queue_cond(kCondPerp, T);
}
