// Auxiliary points from perpendicular pairs.

#include <utility>

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_index.h"
#include "facts/gdd_lookup.h"
#include "gdd/aux_internal.h"
#include "gdd/forward.h"
#include "prover/prover.h"

namespace {

struct Pair_state {
    Gdd_tline* T;
    Gdd_line* L1;
    Gdd_line* L2;
    int P;           // common point of the two lines, 0 when none is recorded
    bool added = false;
};

// a. A circle with a known centre on one of the lines: the midpoint of the
// chord the other line cuts.
void tline_circles(Pair_state& s)
{
    Gdd_line* order[2] = {s.L1, s.L2};
    for (Gdd_cir* C : g_cir_list) {
        if (!C->live() || !C->centre)
            continue;
        const int O = C->centre;
        if (!s.P) {
            Gdd_line* through_o = on_ln(O, s.L1) ? s.L1 : on_ln(O, s.L2) ? s.L2 : nullptr;
            if (!through_o)
                continue;
            Gdd_line* other = through_o == s.L1 ? s.L2 : s.L1;
            const int X = inter_lc(other, C);
            const int Y = inter_lc_new(other, C, X);
            if (!X || !Y || fd_mid(X, Y))
                continue;
            const int n = aux_inter_ll(7, X, Y, O, ln_other_pt(through_o, O));
            if (!n)
                continue;
            add_codb_ln(kCondPerp, through_o, other);
            add_codb(kCondCyclic, O, X, Y, 0);
            add_mid(31, n, X, Y);
            next_cond();
            next_cond();
            s.added = true;
        } else if (on_cir(s.P, C)) {
            int X = inter_lc_new(order[0], C, s.P);
            if (!X) {
                X = inter_lc_new(order[1], C, s.P);
                std::swap(order[0], order[1]);
            }
            if (!X)
                continue;
            const int Z = inter_lln(order[1], fd_ln(X, O));
            if (Z && !xmid(O, X, Z))
                aux_mid(34, X, s.P);
        }
    }
}

// b. The shared line of an angle bisected by one of the lines, the other
// line cutting the angle's sides: the missing one of the three points.
void tline_bisector(Pair_state& s)
{
    // Nothing changes before a point is made, and then the search ends: the
    // records are the list's own in its order.
    for (Gdd_ea* E : bisected_by(s.L1, s.L2)) {
        if (!E->live() || E->l3 != E->l2)
            continue;
        Gdd_line* k1 = E->l1;
        Gdd_line* k2 = E->l2;
        Gdd_line* k4 = E->l4;
        if (k2 != s.L1 && k2 != s.L2)
            continue;
        Gdd_line* other = k2 == s.L1 ? s.L2 : s.L1;
        const int V = inter_lln(k1, k4);
        if (!V || !on_ln(V, k2) || V == s.P)
            continue;
        int P = s.P;
        int A = inter_lln(other, k1);
        int B = inter_lln(other, k4);
        const int missing = (P == 0) + (A == 0) + (B == 0);
        if (missing == 0)
            return;
        if (missing > 1)
            continue;
        int made = 0;
        if (!P)
            made = P = aux_inter_ll(8, A, B, V, ln_other_pt(k2, V));
        else if (!B)
            made = B = aux_inter_ll(9, P, A, ln_pt(k4, 0), ln_pt(k4, 1));
        else
            made = A = aux_inter_ll(10, P, B, ln_pt(k1, 0), ln_pt(k1, 1));
        if (!made)
            continue;
        s.added = true;
        bisector_perp(32, V, P, A, B);
        return;
    }
}

// c. A midpoint on one line with an end on the other: the foot of the
// other end.
void tline_midpoints(Pair_state& s)
{
    if (!s.P)
        return;
    for (Gdd_mid* M : g_mid_list) {
        const int m = M->m;
        for (const auto& [X, Y] : {std::pair{s.L1, s.L2}, std::pair{s.L2, s.L1}}) {
            if (!on_ln(m, X))
                continue;
            int e = 0, f = 0;
            if (on_ln(M->a, Y)) {
                e = M->a;
                f = M->b;
            } else if (on_ln(M->b, Y)) {
                e = M->b;
                f = M->a;
            } else {
                continue;
            }
            if (s.P == m || s.P == e)
                continue;
            const Gdd_line* K = fd_tl_pt(f, s.P, m);
            if (K && inter_lln(K, X))
                continue;
            if (const int foot = aux_foot(11, f, s.P, m))
                add_mid(0, m, s.P, foot);
        }
    }
}

// d. Parallels to one line cut by a transversal.
void tline_parallels(Pair_state& s)
{
    if (!s.P)
        return;
    const int P = s.P;
    for (const auto& [X, Y] : {std::pair{s.L1, s.L2}, std::pair{s.L2, s.L1}}) {
        Gdd_pline* cls = fd_pls(X);
        if (!cls)
            continue;
        for (int j = 0; j <= cls->last; ++j) {
            Gdd_line* J = cls->lines[static_cast<std::size_t>(j)];
            if (J == X)
                continue;
            const int Q = inter_lln(J, Y);
            if (!Q)
                continue;
            for (Gdd_line* N : g_ln_list) {
                if (!N->live() || N == X || N == J)
                    continue;
                const int A = inter_lln(N, X);
                if (!A || A == P)
                    continue;
                const int B = inter_lln(N, J);
                if (!B || B == Q)
                    continue;
                const int F = fd_mid(A, B);
                if (F && !fd_mid(P, Q)) {
                    const Gdd_line* K = fd_tl_pt(F, P, Q);
                    if (!K || !inter_lln(K, Y)) {
                        if (const int foot = aux_foot(33, F, P, Q)) {
                            s.added = true;
                            add_mid(0, foot, P, Q);
                        }
                    }
                }
                if (xperp_ln(N, X))
                    continue;
                if (inter_lln(fd_tl_pt(A, ln_pt(X, 0), ln_pt(X, 1)), J) ||
                    inter_lln(fd_tl_pt(B, ln_pt(J, 0), ln_pt(J, 1)), X) || inter_lln(N, Y))
                    continue;
                if (inter_lln(fd_pl_pt(P, A, B), J))
                    continue;
                if (aux_inter_lp(13, Q, B, P, A, B)) {
                    s.added = true;
                    queue_cond(kCondPara, cls);
                }
            }
        }
    }
}

}  // namespace

void aux_tlines()
{
    aux_trace("searching auxillary points: tline\n");
    for (Gdd_tline* T : g_tn_list) {
        if (!T->live())
            continue;
        Pair_state s{T, T->l1, T->l2, inter_lln(T->l1, T->l2)};
        const int before = g_npoints;
        tline_circles(s);
        if (g_npoints == before)
            tline_bisector(s);
        if (g_npoints == before)
            tline_midpoints(s);
        if (g_npoints == before)
            tline_parallels(s);
        if (s.added) {
            queue_cond(kCondPerp, T);
            return;
        }
    }
}
