// Auxiliary points from equal angles.

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "gdd/aux_internal.h"
#include "prover/prover.h"

namespace {

// [k1, k2] = [k2, k4]: k2 bisects the angle of k1 and k4 at V. A point C of
// the bisector seeing A and B under equal angles: the point where the
// bisector crosses AB is the midpoint of AB.
void bisector_rule(const Gdd_ea* E)
{
    const Gdd_line* k1 = E->l1;
    const Gdd_line* k2 = E->l2;
    const Gdd_line* k4 = E->l4;
    const int V = inter_lln(k1, k4);
    if (!V || !on_ln(V, k2))
        return;
    for (int i = 0; i <= k1->last; ++i) {
        const int A = ln_pt(k1, i);
        if (A == V)
            continue;
        for (int j = 0; j <= k4->last; ++j) {
            const int B = ln_pt(k4, j);
            if (B == V || B == A || inter_lln(fd_ln(A, B), k2))
                continue;
            for (int k = 0; k <= k2->last; ++k) {
                const int C = ln_pt(k2, k);
                if (C == V || xmid(C, A, B))
                    continue;
                if (xacong(A, C, V, V, C, B)) {
                    const int n = aux_inter_ll(18, A, B, V, C);
                    if (!n)
                        continue;
                    add_codb(kCondEqAngle, A, V, V, C, C, V, V, B);
                    add_codb(kCondEqAngle, A, C, C, V, V, C, C, B);
                    add_cir2(33, V, A, B);
                    add_mid(33, n, A, B);
                    next_cond();
                    next_cond();
                    return;
                }
                // [VA, AC] = [CB, BV] (C seen from A and B under equal
                // angles the other way round) names no line through V to
                // cut AB with; it makes no point.
            }
            if (aux_pass_added())
                return;
        }
    }
}

bool chord_ok(int X, int Y, int Z, int W)
{
    return Z && W && xcir_2p(Y, X, Z) && Z != X && Z != Y && W != X && W != Y && Z != W;
}

// [a, b] = [c, d] with X = a∩b and Y = c∩d, Y the centre of a circle
// through X: the chord seen under the angle at X is bisected by the line of
// the angle at Y.
bool circle_rule(int X, int Y, const Gdd_line* a, const Gdd_line* b, const Gdd_line* c, const Gdd_line* d)
{
    const int before = g_npoints;
    const Gdd_cir* cy = fd_cir_cp(Y, X);
    {
        const int Z = inter_lln(a, c);
        const int W = inter_lc_new(b, cy, X);
        if (chord_ok(X, Y, Z, W)) {
            const int d1 = ln_other_pt(d, Y);
            add_codb(kCondEqAngle, Z, X, X, W, Z, Y, Y, d1);
            add_codb(kCondCyclic, Y, X, Z, W);
            int N = inter_lln(d, fd_ln(Z, W));
            if (!N)
                N = aux_inter_ll(20, Z, W, Y, d1);
            if (N && N != Z && N != W)
                add_mid(45, N, Z, W);
            next_cond();
            next_cond();
            if (g_npoints > before)
                return true;
        }
    }
    const int Z = inter_lln(b, d);
    const int W = inter_lc_new(a, cy, X);
    if (chord_ok(X, Y, Z, W)) {
        const int c1 = ln_other_pt(c, Y);
        add_codb(kCondEqAngle, W, X, X, Z, c1, Y, Y, Z);
        add_codb(kCondCyclic, Y, X, W, Z);
        int N = inter_lln(c, fd_ln(W, Z));
        if (!N)
            N = aux_inter_ll(21, W, Z, Y, c1);
        if (N && N != W && N != Z)
            add_mid(0, N, W, Z);
        next_cond();
        next_cond();
    }
    return g_npoints > before;
}

void circle_rules(const Gdd_ea* E)
{
    aux_trace("ax_as_2: \n");
    const Gdd_line *k1 = E->l1, *k2 = E->l2, *k3 = E->l3, *k4 = E->l4;
    const int X = inter_lln(k1, k2);
    const int Y = inter_lln(k3, k4);
    if (!X || !Y)
        return;
    if (circle_rule(X, Y, k1, k2, k3, k4) || circle_rule(Y, X, k3, k4, k1, k2))
        return;
    const int X2 = inter_lln(k1, k3);
    const int Y2 = inter_lln(k2, k4);
    if (!X2 || !Y2)
        return;
    if (circle_rule(X2, Y2, k1, k3, k2, k4))
        return;
    circle_rule(Y2, X2, k2, k4, k1, k3);
}

}  // namespace

void aux_eqangles()
{
    aux_trace("ax_as\n");
    for (Gdd_ea* E : g_ea_list) {
        if (!E->live())
            continue;
        if (E->l3 == E->l2)
            bisector_rule(E);
        else
            circle_rules(E);
        if (aux_pass_added())
            return;
    }
}
