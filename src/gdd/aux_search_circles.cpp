// Auxiliary points from circles.

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "facts/predicates.h"
#include "gdd/aux_internal.h"
#include "gdd/gdd_display.h"
#include "prover/prover.h"

namespace {

// a. A point t off the circle on a perpendicular to tO: the chord through
// the circle point s parallel to that perpendicular.
void diameter_rule(Gdd_cir* C)
{
    aux_trace("searching auxillary points 1\n");
    const int O = C->centre;
    if (!O)
        return;
    for (int t = 1; t <= g_npoints; ++t) {
        if (t == O || on_cir(t, C))
            continue;
        const Gdd_line* T = fd_tl_pt(t, t, O);
        if (!T)
            continue;
        const int q = ln_other_pt(T, t);
        for (int i = 0; i <= C->last; ++i) {
            const int s = cir_pt(C, i);
            if (xcoll(t, s, q) || xcoll(t, s, O) || xperp(O, s, O, t))
                continue;
            if (!inter_lc_new(fd_ln(t, s), C, s))
                continue;
            int r = 0;
            if (const Gdd_line* K = fd_pl_pt(s, t, q)) {
                r = inter_lc_new(K, C, s);
                if (!r)
                    r = aux_inter_lc(22, s, ln_other_pt(K, s), C);
            } else {
                r = aux_inter_pc(22, s, t, q, C);
            }
            if (!r)
                return;
            clear_co_db();
            add_codb(kCondCyclic, O, s, r, 0);
            add_codb(kCondPerp, O, t, s, r);
            add_cir2(0, t, s, r);
            next_cond();
            next_cond();
            return;
        }
    }
}

// b. A radius with a recorded tangent: the other end of its diameter.
void tangent_rule(Gdd_cir* C)
{
    aux_trace("auxillary_cr2\n");
    const int O = C->centre;
    if (!O)
        return;
    for (int i = 0; i <= C->last; ++i) {
        const int s = cir_pt(C, i);
        if (inter_lc_new(fd_ln(O, s), C, s))
            continue;
        const Gdd_line* K = fd_tl_pt(O, O, s);
        if (!K || C->count() < 3)
            continue;
        if (inter_lc(K, C) && C->count() <= 3)
            continue;
        aux_inter_lc(23, s, O, C);
        if (aux_pass_added())
            return;
    }
}

// c. A circle without centre, a chord uv with its perpendicular bisector and
// a parallel chord: the centre.
void circumcentre_rule(Gdd_cir* C)
{
    if (C->centre)
        return;
    for (int i = 0; i <= C->last; ++i) {
        for (int j = i + 1; j <= C->last; ++j) {
            const int u = cir_pt(C, i);
            const int v = cir_pt(C, j);
            const int w = fd_mid(u, v);
            if (!w)
                continue;
            const Gdd_line* K = fd_tl_pt(w, u, v);
            const Gdd_pline* P = fd_pls_pt(u, v);
            if (!K || !P || P->last < 1)
                continue;
            for (int k = 0; k <= P->last; ++k) {
                const Gdd_line* M = P->lines[static_cast<std::size_t>(k)];
                if (on_ln(u, M))
                    continue;
                const int c1 = inter_lc(M, C);
                const int c2 = inter_lc_new(M, C, c1);
                if (!c1 || !c2 || fd_mid(c1, c2))
                    continue;
                aux_hyp_line(aux_circumcentre(25, C), K);
                return;
            }
        }
    }
}

// The first point of line pq other than p on circle B; none when the line
// is not recorded.
int other_on(int p, int q, const Gdd_cir* B) { return inter_lc_new(fd_ln(p, q), B, p); }

// Circle A meets circle B (with centre O) in p1 and p2: a line from p1 or p2
// through a point of A that has no second point on B while its partner line
// has one.
bool two_circle_rule(Gdd_cir* A, Gdd_cir* B, int p1, int p2)
{
    if (g_trace) {
        trace_str(fmt("ax_cr_cr1 p1=%s; p2=%s\n", g_pro_points[static_cast<std::size_t>(p1)].name.c_str(),
                      g_pro_points[static_cast<std::size_t>(p2)].name.c_str()));
        show_cir(A);
        trace_str("cr1\n");
        show_cir(B);
        trace_str("cr2\n");
    }
    const int O = B->centre;
    if (!O)
        return false;
    auto take = [&](int p, int q) { return !n_perp(p, O, p, q) && aux_inter_lc(30, p, q, B) != 0; };
    for (int i = 0; i <= A->last; ++i) {
        const int u = cir_pt(A, i);
        if (u == p1 || u == p2)
            continue;
        for (int j = 0; j <= A->last; ++j) {
            const int v = cir_pt(A, j);
            if (v == p1 || v == p2 || v == u)
                continue;
            if (!other_on(p1, u, B) && other_on(p2, v, B) && take(p1, u))
                return true;
            if (!other_on(p2, v, B) && other_on(p1, u, B) && take(p2, v))
                return true;
            if (!other_on(p1, v, B) && other_on(p2, u, B) && take(p1, v))
                return true;
            if (!other_on(p2, u, B) && other_on(p1, v, B) && take(p2, u))
                return true;
        }
    }
    return false;
}

void two_circles(Gdd_cir* C1)
{
    for (Gdd_cir* C2 : g_cir_list) {
        // A circle paired with itself could only rebuild one of its points.
        if (!C2->live() || C2 == C1)
            continue;
        const int p1 = inter_cc(C1, C2);
        const int p2 = inter_cc_new(C1, C2, p1);
        if (!p1 || !p2)
            continue;
        if (C1->count() > 3 && two_circle_rule(C1, C2, p1, p2))
            return;
        if (C2->count() > 3 && two_circle_rule(C2, C1, p2, p1))
            return;
    }
}

bool in_conclusion(int p)
{
    for (std::uint32_t q : g_concl.p)
        if (q != 0 && static_cast<int>(q) == p)
            return true;
    return false;
}

// e. The centre and a circle point of the conclusion: the tangent there.
void conclusion_rule(Gdd_cir* C)
{
    const int O = C->centre;
    if (!O || !in_conclusion(O) || C->count() < 3)
        return;
    for (int i = 0; i <= C->last; ++i) {
        const int s = cir_pt(C, i);
        if (!in_conclusion(s) || fd_tl_pt(s, s, O))
            continue;
        aux_on_tline(32, s, s, O);
    }
}

}  // namespace

void aux_circles()
{
    using Rule = void (*)(Gdd_cir*);
    static constexpr Rule rules[] = {diameter_rule, tangent_rule, circumcentre_rule, two_circles,
                                     conclusion_rule};
    for (Gdd_cir* C : g_cir_list) {
        if (!C->live())
            continue;
        for (Rule rule : rules) {
            rule(C);
            if (aux_pass_added())
                return;
        }
    }
}
