// Rules started by a midpoint: equal halves, points seeing the segment at a
// right angle, points equidistant from its ends, two midpoints (midlines and
// parallelograms) and midpoints between parallels.

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "facts/gdd_trace.h"
#include "gdd/forward.h"
#include "gdd/rules_internal.h"
#include "prover/prover.h"

namespace {

// Two midpoints: equal halves of equal segments, midlines (20) and the
// diagonals of a parallelogram (36).
void md_md(Gdd_mid* M)
{
    if (g_trace)
        trace_str("midpoint2: \n");
    const int m = M->m, a = M->a, b = M->b;
    const Gdd_line* L = fd_ln(m, a);
    for (Gdd_mid* M2 : g_mid_list) {
        if (M2 == M)
            continue;
        const int m2 = M2->m, a2 = M2->a, b2 = M2->b;
        if (on_ln(a2, L) && on_ln(b2, L))
            continue;
        add_codb(kCondMid, m2, a2, b2);
        if (m != m2) {
            if (xcong(a, b, a2, b2))
                add_cong(0, 0, m, a, m2, a2);
            if (a == a2)
                add_pline(20, m, m2, b, b2);
            else if (a == b2)
                add_pline(20, m, m2, b, a2);
            else if (b == a2)
                add_pline(20, m, m2, a, b2);
            else if (b == b2)
                add_pline(20, m, m2, a, a2);
            else if (g_fa_stage != 0) {
                // The midline of a trapezoid: its parallel sides are a
                // premise too.
                if (xpara(a, a2, b, b2)) {
                    add_codb(kCondPara, a, a2, b, b2);
                    add_pline(20, m, m2, a, a2);
                    next_cond();
                } else if (xpara(a, b2, b, a2)) {
                    add_codb(kCondPara, a, b2, b, a2);
                    add_pline(20, m, m2, a, b2);
                    next_cond();
                }
            }
        } else {
            add_pline(36, a, a2, b, b2);
            add_pline(36, a, b2, b, a2);
        }
        next_cond();
    }
}

// The midpoint between every pair of lines of a parallel class.
void md_pl(Gdd_mid* M)
{
    const Gdd_line* ab = fd_ln(M->a, M->b);
    for (Gdd_pline* P : g_pn_list) {
        if (!is_active(P) || P->last < 1 || in_pls(ab, P))
            continue;
        for (int i = 0; i < P->last; ++i) {
            for (int j = i + 1; j <= P->last; ++j) {
                Gdd_line* U = P->lines[static_cast<std::size_t>(i)];
                Gdd_line* V = P->lines[static_cast<std::size_t>(j)];
                md_pl1(M, U, V);
                md_pl2(M, U, V);
            }
        }
    }
}

}  // namespace

void type1(int o, int a, int b, int m)
{
    if (g_trace)
        trace_str(fmt("type1: o=%s, m=(%s) %s %s\r\n", pname(o), pname(m), pname(a), pname(b)));
    const Gdd_line* K = fd_ln(m, o);
    add_tline(24, a, b, m, o);
    add_ae_pt(24, a, o, m, m, o, b);
    if (K) {
        for (int i = 0; i <= K->last; ++i) {
            const int x = K->pts[static_cast<std::size_t>(i)];
            if (x != m && x != o) {
                add_codb(kCondColl, x, m, o);
                add_ae_pt(0, a, x, m, m, x, b);
                add_cir2(24, x, a, b);
                next_cond();
            }
            if (x == m)
                continue;
            for (int j = i + 1; j <= K->last; ++j) {
                const int y = K->pts[static_cast<std::size_t>(j)];
                add_codb(kCondColl, m, x, y);
                add_ae_pt(24, x, a, y, y, b, x);
                next_cond();
            }
        }
    }
    if (const Gdd_cir* C = fd_cir_cp(o, a)) {
        const int z = cir_other_pt(C, a, b);
        if (z) {
            add_codb(kCondCyclic, o, a, b, z);
            add_ae_pt(30, a, o, m, a, z, b);
            next_cond();
        }
    }
}

void search_md(Gdd_mid* M)
{
    if (g_trace)
        trace_str("midpoint1: \n");
    clear_co_db();
    const int m = M->m, a = M->a, b = M->b;
    add_codb(kCondMid, m, a, b);
    add_cong(0, 0, m, a, m, b);
    md_md(M);
    md_pl(M);
    for (int x = 1; x <= g_npoints; ++x) {
        if (g_trace)
            trace_str(fmt("md_pt1: (%s)\n", pname(x)));
        if (xcoll(x, a, b))
            continue;
        if (xperp(x, a, x, b) && !xcir_3p(m, a, b, x)) {
            add_codb(kCondPerp, x, a, x, b);
            add_cir3(0, m, a, b, x);
            next_cond();
        }
        if (xcir_2p(x, a, b)) {
            add_codb(kCondCyclic, x, a, b);
            type1(x, a, b, m);
            next_cond();
        } else if (xperp(x, m, a, b)) {
            add_codb(kCondPerp, x, m, a, b);
            add_cir2(27, x, a, b);
            next_cond();
        } else if (xacong(a, x, m, m, x, b)) {
            add_codb(kCondEqAngle, a, x, x, m, m, x, x, b);
            add_cir2(28, x, a, b);
            next_cond();
        }
    }
    next_cond();
}
