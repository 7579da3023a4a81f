// The auxiliary-point search: its driver and the orthocenter and midpoint
// families.

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "gdd/aux_internal.h"
#include "gdd/gdd_display.h"
#include "prover/prover.h"

void aux_trace(const std::string& line)
{
    if (g_trace)
        trace_str(line);
}

void aux_hyp_line(int x, const Gdd_line* l)
{
    if (!x || !l || l->last < 1)
        return;
    const Hypothesis_scope hyp;
    add_line(0, x, ln_pt(l, 0), ln_pt(l, 1));
}

void aux_search()
{
    clear_co_db();
    g_aux_pass_start = g_npoints;
    using Family = void (*)();
    static constexpr Family families[] = {aux_orthocenter, aux_midpoints, aux_tlines, aux_eqangles,
                                          aux_plines,      aux_circles,   aux_feet};
    for (Family family : families) {
        check_time();
        family();
        if (aux_pass_added())
            return;
    }
}

// ---- orthocenter -------------------------------------------------------------------------

// Two perpendicular pairs whose lines meet each other in four points but
// whose own lines have no recorded common point: the missing corners.
void aux_orthocenter()
{
    aux_trace("searching auxillary points: orthocenter\n");
    for (Gdd_tline* T : g_tn_list) {
        if (!T->live() || inter_lln(T->l1, T->l2))
            continue;
        for (Gdd_tline* T2 : g_tn_list) {
            if (T2 == T || !T2->live() || inter_lln(T2->l1, T2->l2))
                continue;
            const int P = inter_lln(T->l1, T2->l1);
            const int Q = inter_lln(T->l1, T2->l2);
            const int R = inter_lln(T->l2, T2->l1);
            const int U = inter_lln(T->l2, T2->l2);
            if (!P || !Q || !R || !U || P == Q || P == R || P == U || Q == R || Q == U || R == U)
                continue;
            if (aux_inter_ll(31, R, P, U, Q))
                queue_cond(kCondPerp, T2);
            if (aux_inter_ll(31, Q, P, U, R))
                queue_cond(kCondPerp, T);
            if (aux_pass_added()) {
                queue_cond(kCondPerp, T);
                return;
            }
        }
    }
}

// ---- midpoints ---------------------------------------------------------------------------

namespace {

// A class of three lines through m, a and b (m the midpoint of ab) cut by a
// fourth line: the intersection that makes the cut segments comparable.
bool mid_parallel_rule(int m, int a, int b)
{
    for (Gdd_pline* P : g_pn_list) {
        if (!P->live() || P->last < 2)
            continue;
        const Gdd_line* K1 = fd_pls_ln(P, m);
        const Gdd_line* K2 = fd_pls_ln(P, a);
        const Gdd_line* K3 = fd_pls_ln(P, b);
        if (!K1 || !K2 || !K3 || K1 == K2 || K1 == K3 || K2 == K3)
            continue;
        for (Gdd_line* N : g_ln_list) {
            if (!N->live() || N == K1 || N == K2 || N == K3)
                continue;
            const int X = inter_lln(N, K1);
            const int Y = inter_lln(N, K2);
            const int Z = inter_lln(N, K3);
            if (!X || X == m || !Y || Y == a || !Z || Z == b || xmid(X, Y, Z))
                continue;
            if (inter_lln(fd_ln(a, Z), K1) || inter_lln(fd_ln(b, Y), K1))
                continue;
            if (aux_inter_ll(1, m, X, a, Z)) {
                queue_cond(kCondPara, P);
                return true;
            }
        }
    }
    return false;
}

// Two midpoints on one line sharing an end c: the midpoints of c with the
// other points of the lines through c.
void mid_shared_end(int m, int m2, int c, const Gdd_line* K)
{
    if (!statement_point(m) || !statement_point(m2))
        return;
    show_lines(0);
    for (Gdd_line* L : g_ln_list) {
        if (!L->live() || L == K || !on_ln(c, L))
            continue;
        const int q = ln_other_pt(L, c);
        if (q && !fd_mid(c, q))
            aux_mid(2, c, q);
    }
}

// Midpoints m of ab and m2 of a2b2 with no common end: the trapezoid whose
// midline is mm2.
void mid_trapezoid(int m, int a, int b, int m2, int a2, int b2)
{
    int c1 = a2, c2 = b2;
    if (xpara(a, b2, b, a2)) {
        c1 = b2;
        c2 = a2;
    }
    const int before = g_npoints;
    if (!xpara(a, c1, m, m2) && xpara(a, c1, b, c2) && !fd_mid(c1, b)) {
        const Gdd_line* midline = fd_ln(m, m2);
        if (!inter_lln(midline, fd_ln(c1, b))) {
            aux_mid(3, c1, b);
        } else if (!fd_mid(c2, a)) {
            if (!inter_lln(midline, fd_ln(c2, a))) {
                aux_mid(4, c2, a);
            } else if (!inter_lln(fd_ln(b, c2), fd_ln(c1, m))) {
                // Only a point made gives the chaining something new.
                if (aux_inter_ll(5, b, c2, c1, m))
                    if (Gdd_pline* P = fd_pls_pt(a, c1))
                        queue_cond(kCondPara, P);
            }
        }
    }
    if (g_npoints == before && statement_point(m) && statement_point(m2) && !fd_mid(c1, b) && !fd_mid(c2, a))
        aux_mid(6, c1, b);
}

}  // namespace

void aux_midpoints()
{
    for (Gdd_mid* M : g_mid_list) {
        const int m = M->m, a = M->a, b = M->b;
        const Gdd_line* K = fd_ln(a, b);
        add_codb(kCondMid, m, a, b, 0);
        if (mid_parallel_rule(m, a, b)) {
            next_cond();
            return;
        }
        for (Gdd_mid* M2 = M->next; M2; M2 = M2->next) {
            const int m2 = M2->m, a2 = M2->a, b2 = M2->b;
            const int c = (a == a2 || a == b2) ? a : (b == a2 || b == b2) ? b : 0;
            if (K && on_ln(a2, K) && on_ln(b2, K) && c) {
                mid_shared_end(m, m2, c, K);
            } else if (m != m2 && a != a2 && a != b2 && b != a2 && b != b2) {
                add_codb(kCondMid, m2, a2, b2, 0);
                mid_trapezoid(m, a, b, m2, a2, b2);
                next_cond();
            }
        }
        next_cond();
    }
}
