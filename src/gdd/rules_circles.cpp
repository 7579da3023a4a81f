// Rules started by a circle: diameters, inscribed angles, isosceles
// triangles on the centre, parallel chords, tangents, two circles and equal
// radii.

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "facts/gdd_trace.h"
#include "gdd/forward.h"
#include "gdd/rules_internal.h"
#include "prover/prover.h"

namespace {

// On line ab (with at least three points) the first point x other than a and
// b from which o sees a and b under equal angles to ox.
int fd_bisect_pt(int o, int a, int b)
{
    const Gdd_line* L = fd_ln(a, b);
    if (!L || L->last < 2)
        return 0;
    for (int i = 0; i <= L->last; ++i) {
        const int x = L->pts[static_cast<std::size_t>(i)];
        if (x != a && x != b && xacong(a, o, x, x, o, b))
            return x;
    }
    return 0;
}

// o the midpoint of a1b1 on the parallel through the centre o to the chord
// ab: an isosceles trapezoid (64).
void md_trap(int o, int a1, int a, int b1, int b)
{
    add_codb(kCondPara, a1, b1, a, b);
    add_codb(kCondCyclic, o, a, b);
    add_codb(kCondMid, o, a1, b1);
    add_cir4(64, 0, a1, b1, a, b);
    add_ae_pt(64, a1, o, a, b, o, b1);
    add_ae_pt(64, a1, a, o, o, b, b1);
    add_ae_pt(64, b1, o, a, b, o, a1);
    add_ae_pt(64, b1, a, o, o, b, a1);
    next_cond();
    next_cond();
    next_cond();
}

// a, b on a circle with centre o, not collinear with it.
void search_cr_iso(Gdd_cir* C, int a, int b)
{
    const int o = C->centre;
    if (g_trace)
        trace_str(fmt("search_cr_iso (%s) %s %s\n", pname(o), pname(a), pname(b)));
    add_codb(kCondCyclic, o, a, b);
    add_ae_pt(22, o, a, b, a, b, o);
    const int m1 = fd_mid(o, a);
    const int m2 = fd_mid(o, b);
    if (m1 && m2)
        perp_radii(o, m1, a, m2, b);
    if (const Gdd_line* K = fd_pl_pt(o, a, b)) {
        if (const Gdd_mid* Md = fd_mid_ln(o, K))
            md_trap(o, Md->a, a, Md->b, b);
    }
    if (const int m = fd_mid(a, b)) {
        add_codb(kCondMid, m, a, b);
        type1(o, a, b, m);
        next_cond();
    } else {
        const Gdd_line* T = fd_tl_pt(o, a, b);
        const int x = T ? inter_lln(T, fd_ln(a, b)) : 0;
        if (x && x != a && x != b) {
            add_codb(kCondPerp, o, x, a, b);
            add_mid(25, x, a, b);
            next_cond();
        } else if (const int y = fd_bisect_pt(o, a, b)) {
            add_codb(kCondEqAngle, a, o, o, y, y, o, o, b);
            add_mid(26, y, a, b);
            next_cond();
        }
    }
    next_cond();
}

// Parallel chords ab and cd: an isosceles trapezoid (60).
void pl_cir(int a, int b, int c, int d)
{
    add_codb(kCondPara, a, b, c, d);
    add_codb(kCondCyclic, 0, a, b, c, d);
    add_ae_pt(60, a, c, d, c, d, b);
    add_ae_pt(60, b, c, d, c, d, a);
    add_cong(60, 0, a, c, b, d);
    add_cong(60, 0, a, d, b, c);
    next_cond();
    next_cond();
}

void cir_pl(Gdd_cir* C, int a, int b)
{
    const Gdd_line* ab = fd_ln(a, b);
    const Gdd_pline* P = fd_pls(ab);
    if (!P || P->last < 1)
        return;
    for (int i = 0; i <= P->last; ++i) {
        const Gdd_line* U = P->lines[static_cast<std::size_t>(i)];
        if (U == ab)
            continue;
        const int c = inter_lc(U, C);
        const int d = c ? inter_lc_new(U, C, c) : 0;
        if (c && d && c != a && c != b && d != a && d != b)
            pl_cir(a, b, c, d);
    }
}

// A line perpendicular to a radius at its end is the tangent there (42).
void tangent_ln(Gdd_cir* C)
{
    if (g_trace)
        trace_str(" tanegnt line \n");
    const int o = C->centre;
    if (o == 0 || C->last < 2)
        return;
    for (int i = 0; i <= C->last; ++i) {
        const int c = cir_pt(C, i);
        for (int x = 1; x <= g_npoints; ++x) {
            if (x == c || !xperp(x, c, c, o))
                continue;
            for (int k = 0; k <= C->last; ++k) {
                const int y = cir_pt(C, k);
                if (y == c)
                    continue;
                const int z = cir_other_pt(C, c, y);
                add_codb(kCondCyclic, o, c, y, z);
                add_ae_pt(42, x, c, y, c, z, y);
                next_cond();
            }
        }
    }
}

// C meets another circle: centres on each other's circle (55), the common
// chord perpendicular to the line of centres (30), and right angles at the
// common points when they and the centres are concyclic (35).
void two_cir(Gdd_cir* C)
{
    if (g_trace)
        trace_str(" two circles \n");
    for (Gdd_cir* C2 : g_cir_list) {
        if (C2 == C || !is_active(C2))
            continue;
        const int p = inter_cc(C, C2);
        if (!p)
            continue;
        const int o1 = C->centre, o2 = C2->centre;
        if (o1 && o2 && o1 != o2 && on_cir(o1, C2) && on_cir(o2, C)) {
            if (g_trace)
                trace_str("equilateral triangle \n");
            add_codb(kCondCyclic, o1, p, o2);
            add_codb(kCondCyclic, o2, p, o1);
            add_cir2(55, p, o1, o2);
            next_cond();
            next_cond();
        }
        if (g_trace)
            trace_str(" cir^cir \n");
        const int q = inter_cc_new(C, C2, p);
        if (q && o1 && o2) {
            add_codb(kCondCyclic, o1, p, q);
            add_codb(kCondCyclic, o2, p, q);
            add_tline(30, p, q, o1, o2);
            if (xcir_4p(0, p, q, o1, o2)) {
                add_codb(kCondCyclic, 0, p, q, o1, o2);
                add_tline(35, o1, p, p, o2);
                add_tline(35, o1, q, q, o2);
                next_cond();
            }
            next_cond();
            next_cond();
        }
    }
}

// Every radius of a circle with a known centre is congruent to the others.
void cir_cg(Gdd_cir* C)
{
    const int o = C->centre;
    if (o == 0)
        return;
    const int b = cir_pt(C, 0);
    bool all_known = true;
    for (int i = 1; i <= C->last && all_known; ++i)
        all_known = xcong(o, b, o, cir_pt(C, i));
    if (all_known)
        return;
    Gdd_cg* G = g_cg_list.append();
    G->state = kNew;
    G->lemma = 0;
    G->last = -1;
    for (int i = 0; i <= C->last; ++i)
        add_cg_seg(G, o, cir_pt(C, i));
    clear_merge_db();
    new_co(kCondCyclic, C);
    G->reasons = g_merge_db;
    adj_cg(G);
}

}  // namespace

void search_cir(Gdd_cir* C)
{
    if (g_trace)
        trace_str("Searhing circles\n");
    clear_co_db();
    for (int i = 0; i < C->last; ++i) {
        for (int j = i + 1; j <= C->last; ++j) {
            const int a = cir_pt(C, i), b = cir_pt(C, j);
            if (const int o = C->centre) {
                if (chk_coll(o, a, b)) {
                    // A diameter: o its midpoint (54), right angles on it (53).
                    add_codb(kCondCyclic, o, a, b);
                    add_mid(54, o, a, b);
                    next_cond();
                    for (int k = 0; k <= C->last; ++k) {
                        const int x = cir_pt(C, k);
                        if (x == a || x == b)
                            continue;
                        add_codb(kCondCyclic, o, a, b, x);
                        add_tline(53, a, x, b, x);
                        next_cond();
                    }
                    next_cond();
                } else {
                    search_cr_iso(C, a, b);
                }
            }
            cir_pl(C, a, b);
            if (C->last >= 3) {
                // Inscribed angles over ab (41).
                const int z = cir_other_pt(C, a, b);
                for (int k = 0; k <= C->last; ++k) {
                    const int x = cir_pt(C, k);
                    if (x == a || x == b || x == z)
                        continue;
                    add_codb(kCondCyclic, 0, a, b, z, x);
                    add_ae_pt(41, a, z, b, a, x, b);
                    next_cond();
                }
            }
        }
    }
    tangent_ln(C);
    two_cir(C);
    cir_cg(C);
}
