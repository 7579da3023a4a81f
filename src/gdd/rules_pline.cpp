// Rules started by a parallel class: lines of one class that meet are one
// line, perpendiculars carry over to every line of a class, parallels make
// equal angles and trapezoid ratios, and midpoints meet parallels.

#include <utility>

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "facts/gdd_trace.h"
#include "gdd/forward.h"
#include "gdd/rules_internal.h"
#include "prover/prover.h"

namespace {

Gdd_line* pls_line(const Gdd_pline* P, int i) { return P->lines[static_cast<std::size_t>(i)]; }

// Two lines of one class that contain one another or meet are one line.
void pl_same_ln(Gdd_pline* P)
{
    clear_co_db();
    for (int i = 0; i < P->last; ++i) {
        for (int j = i + 1; j <= P->last; ++j) {
            Gdd_line* U = pls_line(P, i);
            Gdd_line* V = pls_line(P, j);
            if (ln_sub(U, V)) {
                kill_rec(U);
                ln_merge_upd(U, V);
                return;
            }
            if (ln_sub(V, U)) {
                kill_rec(V);
                ln_merge_upd(V, U);
                return;
            }
            const int p = first_common_pt(U, V);
            if (p != 0) {
                const int q = ln_other_pt(U, p);
                const int r = ln_other_pt2(V, p, q);
                add_codb(kCondPara, p, q, p, r);
                add_line(1, p, q, r);
                next_cond();
                return;
            }
        }
    }
}

// One line of P lies in the perpendicular pair T: every line of P is
// perpendicular to the other line of T.
void pl_tn1(Gdd_pline* P, Gdd_tline* T)
{
    Gdd_line* X;
    Gdd_line* Y;
    if (in_pls(T->l1, P)) {
        X = T->l1;
        Y = T->l2;
    } else if (in_pls(T->l2, P)) {
        X = T->l2;
        Y = T->l1;
    } else {
        return;
    }
    for (int i = 0; i <= P->last; ++i) {
        Gdd_line* L = pls_line(P, i);
        add_codb_ln(kCondPerp, Y, X);
        add_codb_ln(kCondPara, L, X);
        add_tline(3, L->pts[0], L->pts[1], Y->pts[0], Y->pts[1]);
        next_cond();
        next_cond();
    }
}

// ab parallel to cd (a, b on one line, c, d on the other): the ratios of
// the trapezoid for the meeting point of ac and bd, and of ad and bc.
void pl_ratio(int a, int b, int c, int d)
{
    // A ratio with a segment of length 0 would state anything.
    auto proper = [&](int o) { return o != 0 && o != a && o != b && o != c && o != d; };
    const int o = inter_lln(fd_ln(a, c), fd_ln(b, d));
    if (proper(o)) {
        add_codb(kCondPara, a, b, c, d);
        add_ratioo(o, a, b, c, d);
        next_cond();
    }
    const int o2 = inter_lln(fd_ln(a, d), fd_ln(b, c));
    if (proper(o2)) {
        add_codb(kCondPara, a, b, c, d);
        add_ratioo(o2, a, b, d, c);
        next_cond();
    }
}

// U parallel to V: a line meeting either makes equal angles with both; a
// transversal through a point of each is created; trapezoid ratios.
void pn_1(Gdd_line* U, Gdd_line* V)
{
    if (g_trace)
        trace_str("pn_1\n\n");
    add_codb_ln(kCondPara, U, V);
    for (Gdd_line* L : lines_meeting_either(U, V))
        add_ea_ln(5, U, L, V, L);
    next_cond();

    for (int i = 0; i <= U->last; ++i) {
        const int a = U->pts[static_cast<std::size_t>(i)];
        for (int k = 0; k <= V->last; ++k) {
            const int c = V->pts[static_cast<std::size_t>(k)];
            if (!fd_ln(a, c)) {
                Gdd_line* N = new_ln(a, c);
                add_codb(kCondPara, a, ln_other_pt(U, a), c, ln_other_pt(V, c));
                add_ea_ln(5, N, U, N, V);
                next_cond();
            }
            for (int j = i + 1; j <= U->last; ++j)
                for (int l = k + 1; l <= V->last; ++l)
                    pl_ratio(a, U->pts[static_cast<std::size_t>(j)], c, V->pts[static_cast<std::size_t>(l)]);
        }
    }
}

void pl_md(Gdd_line* U, Gdd_line* V)
{
    for (Gdd_mid* M : g_mid_list) {
        add_codb(kCondMid, M->m, M->a, M->b);
        md_pl1(M, U, V);
        md_pl2(M, U, V);
        next_cond();
    }
}

}  // namespace

void md_pl1(Gdd_mid* M, Gdd_line* U, Gdd_line* V)
{
    const int m = M->m;
    Gdd_line* Y = on_ln(m, U) ? U : V;
    Gdd_line* X = Y == U ? V : U;
    if (!on_ln(m, Y))
        return;
    int e, f;
    if (on_ln(M->a, X)) {
        e = M->a;
        f = M->b;
    } else if (on_ln(M->b, X)) {
        e = M->b;
        f = M->a;
    } else {
        return;
    }
    for (int i = 0; i <= Y->last; ++i) {
        const int x = Y->pts[static_cast<std::size_t>(i)];
        if (x == m)
            continue;
        const int y = inter_lln(X, fd_ln(x, f));
        if (y == 0 || y == x)
            continue;
        add_codb(kCondPara, y, e, x, m);
        add_mid(21, x, y, f);
        next_cond();
    }
}

void md_pl2(Gdd_mid* M, Gdd_line* U, Gdd_line* V)
{
    if (U == V)
        return;
    const int m = M->m, a = M->a, b = M->b;
    Gdd_line* S = U;
    Gdd_line* T = V;
    if (on_ln(a, V)) {
        S = V;
        T = U;
    }
    if (!on_ln(a, S) || !on_ln(b, T))
        return;
    const Gdd_line* L = fd_ln(a, b);
    for (Gdd_pline* Q : g_pn_list) {
        if (!is_active(Q) || Q->last < 1 || in_pls(S, Q) || in_pls(L, Q))
            continue;
        for (int i = 0; i < Q->last; ++i) {
            for (int j = i + 1; j <= Q->last; ++j) {
                Gdd_line* G = pls_line(Q, i);
                Gdd_line* H = pls_line(Q, j);
                if (on_ln(a, H))
                    std::swap(G, H);
                if (G == H || !on_ln(a, G) || !on_ln(b, H))
                    continue;
                const int x = inter_lln(T, G);
                if (x == 0 || x == a || x == b)
                    continue;
                const int y = inter_lln(S, H);
                if (y == 0 || y == a || y == b || y == x)
                    continue;
                add_codb(kCondPara, x, a, y, b);
                add_codb(kCondPara, x, b, y, a);
                add_line(37, m, x, y);
                add_mid(37, m, x, y);
                next_cond();
                next_cond();
            }
        }
    }
}

void pl_tn(Gdd_pline* P)
{
    for (Gdd_tline* T : g_tn_list)
        if (is_active(T))
            pl_tn1(P, T);
}

void tn_pl(Gdd_tline* T)
{
    for (Gdd_pline* P : g_pn_list)
        if (is_active(P))
            pl_tn1(P, T);
}

void search_pline(Gdd_pline* P)
{
    if (g_trace)
        trace_str("\nsearching pline\n");
    if (P->live() && P->last >= 1)
        pl_same_ln(P);
    if (P->live() && P->last >= 1) {
        clear_co_db();
        pl_tn(P);
    }
    // A class that died above was replaced by a merged class, which is
    // searched in its turn; its old lines may meet and must not be paired.
    if (!P->live())
        return;
    for (int i = 0; i < P->last; ++i) {
        for (int j = i + 1; j <= P->last; ++j) {
            Gdd_line* U = pls_line(P, i);
            Gdd_line* V = pls_line(P, j);
            pn_1(U, V);
            pl_md(U, V);
        }
    }
}
