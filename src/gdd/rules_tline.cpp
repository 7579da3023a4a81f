// Rules started by a perpendicular pair: chords and tangents of circles,
// bisectors, right angles over a midpoint, and two perpendicular pairs.

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "facts/gdd_trace.h"
#include "gdd/forward.h"
#include "gdd/rules_internal.h"
#include "prover/prover.h"

namespace {

// A perpendicular pair meeting at c and a circle with a known centre: the
// foot of the centre halves a chord (31), the tangent-chord angle (42), and
// two perpendicular radii with their midpoints.
void tn_cir(Gdd_line* L1, Gdd_line* L2, int c)
{
    if (g_trace)
        trace_str(fmt("tn_cir (%s)\n", pname(c)));
    for (Gdd_cir* C : g_cir_list) {
        if (!is_active(C) || C->centre == 0)
            continue;
        const int o = C->centre;
        // Rule 31: X is the line through the centre, Y the chord's line.
        Gdd_line* X = on_ln(o, L2) ? L2 : on_ln(o, L1) ? L1 : nullptr;
        if (X) {
            Gdd_line* Y = X == L1 ? L2 : L1;
            const int x = inter_lc(Y, C);
            const int y = x ? inter_lc_new(Y, C, x) : 0;
            if (x && y && x != y && !xmid(c, x, y)) {
                add_codb(kCondPerp, x, y, o, ln_other_pt(X, o));
                add_codb(kCondCyclic, o, x, y);
                add_mid(31, c, x, y);
                next_cond();
                next_cond();
            }
        }
        // Rule 42: the line not through the centre is the tangent at c.
        if (on_cir(c, C) && C->last >= 2 && X && c != o) {
            Gdd_line* tangent = on_ln(o, L1) ? L2 : L1;
            const int t = ln_other_pt(tangent, c);
            add_codb(kCondPerp, c, t, c, o);
            for (int i = 0; i <= C->last; ++i) {
                const int x = C->pts[static_cast<std::size_t>(i)];
                if (x == c)
                    continue;
                const int y = cir_other_pt(C, c, x);
                add_codb(kCondCyclic, o, c, y, x);
                add_ae_pt(42, t, c, x, c, y, x);
                next_cond();
            }
            next_cond();
        }
        if (c == o) {
            const int x = inter_lc(L1, C);
            const int y = inter_lc(L2, C);
            const int m1 = x ? fd_mid(c, x) : 0;
            const int m2 = y ? fd_mid(c, y) : 0;
            if (x && y && m1 && m2)
                perp_radii(c, m1, x, m2, y);
        }
    }
}

// A line of the pair bisects two lines meeting on it: the other line of the
// pair cuts off an isosceles triangle.
void tn_as(Gdd_line* L1, Gdd_line* L2, int c)
{
    if (g_trace)
        trace_str(fmt(" tn_as (%s)\n", pname(c)));
    for (Gdd_ea* E : g_ea_list) {
        if (!is_active(E) || E->l2 != E->l3 || (E->l2 != L1 && E->l2 != L2))
            continue;
        Gdd_line* X = E->l2;
        Gdd_line* Y = X == L1 ? L2 : L1;
        const int p = inter_lln(E->l1, E->l4);
        if (p == 0 || p == c || !on_ln(p, X))
            continue;
        const int x = inter_lln(Y, E->l1);
        const int y = inter_lln(Y, E->l4);
        if (!x || !y)
            continue;
        bisector_perp(0, p, c, x, y);
    }
}

// A perpendicular at a midpoint is its segment's perpendicular bisector; a
// right angle over a segment stands on the circle with the segment as
// diameter.
void tn_md(Gdd_line* L1, Gdd_line* L2, int c)
{
    if (g_trace)
        trace_str(fmt("tn_md (%s)\n", pname(c)));
    for (Gdd_mid* M : g_mid_list) {
        const int m = M->m, a = M->a, b = M->b;
        Gdd_line* X = on_ln(a, L2) ? L2 : L1;
        Gdd_line* Y = X == L1 ? L2 : L1;
        if (c == m) {
            if (!on_ln(a, X))
                continue;
            const int x = ln_other_pt(Y, c);
            if (x == 0 || xcir_2p(x, a, b))
                continue;
            add_codb(kCondPerp, c, x, a, b);
            add_codb(kCondMid, c, a, b);
            add_cir2(0, x, a, b);
            next_cond();
            next_cond();
        } else if (c != a && c != b && on_ln(a, X) && on_ln(b, Y)) {
            add_codb(kCondPerp, c, a, c, b);
            add_codb(kCondMid, m, a, b);
            add_cir3(0, m, c, a, b);
            next_cond();
            next_cond();
        }
    }
}

// Two perpendicular pairs: a shared line makes the other two parallel (4);
// otherwise four right angles on one circle, or equal angles.
void tn_tn(Gdd_tline* T, Gdd_line* L1, Gdd_line* L2, int c)
{
    for (Gdd_tline* T2 : g_tn_list) {
        if (T2 == T || !is_active(T2))
            continue;
        Gdd_line* A = T2->l1;
        Gdd_line* B = T2->l2;
        Gdd_line* x = nullptr;
        Gdd_line* y = nullptr;
        if (A == L1) {
            x = L2;
            y = B;
        } else if (B == L1) {
            x = L2;
            y = A;
        } else if (A == L2) {
            x = L1;
            y = B;
        } else if (B == L2) {
            x = L1;
            y = A;
        }
        if (x && !xpara_ln(x, y)) {
            // The new class's reasons are the two pairs.
            clear_merge_db();
            new_co(kCondPerp, T2);
            new_co(kCondPerp, T);
            add_ppn(4, x, y);
        }
        const int d = inter_lln(A, B);
        auto right_angles = [&](Gdd_line* K1, Gdd_line* K2) {
            const int e = inter_lln(L1, K1);
            const int f = inter_lln(L2, K2);
            if (fd_mid(e, f) != 0)
                return;
            if (c && d && e && f && c != d && e != c && e != d && f != c && f != d && f != e) {
                add_codb(kCondPerp, c, e, c, f);
                add_codb(kCondPerp, d, e, d, f);
                add_cir4(0, 0, c, d, e, f);
            } else {
                add_codb_ln(kCondPerp, L1, L2);
                add_codb_ln(kCondPerp, A, B);
                add_ea_ln(0, L1, K1, L2, K2);
            }
            next_cond();
            next_cond();
        };
        right_angles(A, B);
        right_angles(B, A);
    }
}

}  // namespace

void bisector_perp(int lemma, int v, int f, int a, int b)
{
    add_codb(kCondPerp, v, f, a, b);
    add_codb(kCondEqAngle, a, v, v, f, f, v, v, b);
    add_mid(lemma, f, a, b);
    add_cir2(lemma, v, a, b);
    next_cond();
    next_cond();
}

void perp_radii(int o, int m1, int a, int m2, int b)
{
    add_codb(kCondCyclic, o, a, b);
    add_codb(kCondMid, m1, o, a);
    add_codb(kCondMid, m2, o, b);
    add_cir4(61, 0, m1, m2, a, b);
    const int X = inter_lln(fd_pl_pt(a, o, b), fd_pl_pt(b, o, a));
    if (X) {
        add_ae_pt(62, a, X, m1, m2, X, b);
        add_ae_pt(62, a, m1, X, X, m2, b);
        if (chk_perp(o, a, o, b)) {
            add_ae_pt(63, o, a, m2, a, X, m1);
            add_ae_pt(63, a, m2, o, X, m1, a);
            next_cond();
        }
    }
    next_cond();
    next_cond();
    next_cond();
}

void search_tline(Gdd_tline* T)
{
    if (g_trace)
        trace_str("Searhing tlines\n");
    clear_co_db();
    Gdd_line* L1 = T->l1;
    Gdd_line* L2 = T->l2;
    const int c = inter_lln(L1, L2);
    if (c) {
        tn_cir(L1, L2, c);
        tn_as(L1, L2, c);
        tn_md(L1, L2, c);
    }
    tn_pl(T);
    tn_tn(T, L1, L2, c);
}
