// Collinear points: adding, merging lines and following a merge in the
// records that name the old line.

#include <array>
#include <initializer_list>
#include <memory>

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_index.h"
#include "facts/gdd_lookup.h"
#include "facts/gdd_trace.h"
#include "prover/prover.h"

void ln_ins(Gdd_line* l, int p)
{
    if (insert_ascending(l->pts, l->last, p, "MAX_GEO of ln overflow"))
        index_note(l);
}

namespace {

// A new live line with l's points, rule 0, no reasons.
Gdd_line* cp_ln(const Gdd_line* l)
{
    Gdd_line* n = g_ln_list.append();
    n->state = kLive;
    n->last = l->last;
    n->pts = l->pts;
    return n;
}

// A copy of a parallel class (state and lines), no reasons.
Gdd_pline* cp_pls(const Gdd_pline* P) { return g_pn_list.append_copy(*P); }

void remove_line(Gdd_pline* Q, const Gdd_line* l)
{
    int i = 0;
    while (i <= Q->last && Q->lines[static_cast<std::size_t>(i)] != l)
        ++i;
    if (i > Q->last)
        return;
    for (int j = i; j < Q->last; ++j)
        Q->lines[static_cast<std::size_t>(j)] = Q->lines[static_cast<std::size_t>(j + 1)];
    Q->lines[static_cast<std::size_t>(Q->last)] = nullptr;
    --Q->last;
}

}  // namespace

// The walks below cover whole lists, and a merge in a large database can
// take long: each record is a time check.
void ln_merge_upd(Gdd_line* old, Gdd_line* neu)
{
    for (Gdd_pline* P : g_pn_list) {
        check_time();
        if (!P->live() || !in_pls(old, P))
            continue;
        Gdd_pline* Q = cp_pls(P);
        kill_rec(P);
        if (in_pls(neu, Q)) {
            remove_line(Q, old);
        } else {
            for (int i = 0; i <= Q->last; ++i)
                if (Q->lines[static_cast<std::size_t>(i)] == old)
                    Q->lines[static_cast<std::size_t>(i)] = neu;
            index_note(Q);
        }
        clear_merge_db();
        new_co(kCondPara, P);
        new_co(kCondColl, neu);
        Q->reasons = g_merge_db;
        if (Q->last >= 1)
            queue_pline(Q);
        else
            kill_rec(Q);
    }
    for (Gdd_tline* T : g_tn_list) {
        check_time();
        if (!T->live() || !in_tp(old, T))
            continue;
        Gdd_tline* U = new_tp(T->l1 == old ? neu : T->l1, T->l2 == old ? neu : T->l2);
        kill_rec(T);
        clear_merge_db();
        new_co(kCondPerp, T);
        new_co(kCondColl, neu);
        U->reasons = g_merge_db;
        queue_cond(kCondPerp, U);
        fix_queue_tail();
    }
    for (Gdd_ea* E : g_ea_list) {
        check_time();
        if (!E->live())
            continue;
        if (E->l1 != old && E->l2 != old && E->l3 != old && E->l4 != old)
            continue;
        if (!E->written) {
            charge_gdd_memory(sizeof(std::array<Gdd_line*, 4>));
            E->written = std::make_unique<const std::array<Gdd_line*, 4>>(
                std::array<Gdd_line*, 4>{E->l1, E->l2, E->l3, E->l4});
        }
        bool replaced = false;
        for (Gdd_line** l : {&E->l1, &E->l2, &E->l3, &E->l4}) {
            if (*l == old) {
                *l = neu;
                replaced = true;
            }
        }
        if (replaced) {
            index_note(E);
            queue_cond(kCondEqAngle, E);
        }
    }
}

void add_line(int lemma, int a, int b, int c)
{
    if (g_trace)
        trace_str(fmt("add_line %d (%d)%s (%d)%s (%d)%s\n", lemma, a, pname(a), b, pname(b), c, pname(c)));
    if (xcoll(a, b, c))
        return;
    Gdd_line* L = nullptr;
    if (!g_co_db) {
        // A hypothesis extends a hypothesis line through two of its points.
        L = fd_ln3(a, b, c);
        if (L && !L->reasons) {
            ln_ins(L, a);
            ln_ins(L, b);
            ln_ins(L, c);
        } else {
            L = nullptr;
        }
    }
    if (!L) {
        L = new_ln(a, b);
        ln_ins(L, c);
        L->reasons = g_co_db;
        L->lemma = static_cast<std::uint8_t>(lemma);
    }

    while (Gdd_line* M = fd_ln_meet2(L)) {
        check_time();
        if (ln_sub(L, M)) {
            kill_rec(L);
            ln_merge_upd(L, M);
            L = M;
        } else if (ln_sub(M, L)) {
            kill_rec(M);
            ln_merge_upd(M, L);
        } else {
            Gdd_line* N = cp_ln(L);
            kill_rec(L);
            kill_rec(M);
            for (int i = 0; i <= M->last; ++i)
                ln_ins(N, M->pts[static_cast<std::size_t>(i)]);
            if (L->reasons || M->reasons) {
                clear_merge_db();
                new_co(kCondColl, L);
                new_co(kCondColl, M);
                N->reasons = g_merge_db;
            }
            ln_merge_upd(L, N);
            ln_merge_upd(M, N);
            L = N;
        }
    }
    queue_cond(kCondColl, L);
}
