// Rewriting rules of the full-angle method from triangle centres and from
// equal-angle facts.

#include "facts/fact_tests.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "gdd/full_angle.h"
#include "gdd/full_angle_internal.h"
#include "prover/prover.h"

elim_step* fa_center(const FaAngle& a)
{
    fa_trace("center: %s %s %s %s\r\n", a);
    const Gdd_line* L1 = a.L1;
    for (int i = 0; i < L1->count(); ++i) {
        for (int j = 0; j < L1->count(); ++j) {
            const int u = L1->pts[static_cast<std::size_t>(i)], w = L1->pts[static_cast<std::size_t>(j)];
            if (u == w)
                continue;
            for (int x = 1; x <= g_npoints; ++x) {
                if (x == u || x == w)
                    continue;
                for (int y = x + 1; y <= g_npoints; ++y) {
                    if (y == u || y == w)
                        continue;
                    // x, y, u, w an orthocentric system: xy is perpendicular to uw.
                    // The configuration is named, and the facts that make it
                    // are premises too.
                    if (w > u && xperp(u, x, w, y) && xperp(w, x, u, y) && fa_precedes(x, y, L1)) {
                        add_codb(kCondOrthocenter, x, u, w, y);
                        add_codb(kCondPerp, u, x, w, y);
                        add_codb(kCondPerp, w, x, u, y);
                        return fa_value(a.var, pplus(fa_pts(x, y, a.C, a.D), get_n(1)));
                    }
                    // xy and yx bisect the angles uyw and uxw.
                    if (xacong(x, y, u, u, y, w) && xacong(y, x, u, u, x, w) && fa_precedes(x, w, L1) &&
                        fa_precedes(x, y, L1) && fa_precedes(u, x, L1) && fa_precedes(u, y, L1)) {
                        add_codb(kCondIncenter, u, w, x, y);
                        add_codb(kCondEqAngle, x, y, y, u, u, y, y, w);
                        add_codb(kCondEqAngle, y, x, x, u, u, x, x, w);
                        xterm* value = pplus(pplus(fa_pts(x, y, x, u), fa_pts(y, u, y, x)), fa_pts(w, x, a.C, a.D));
                        return fa_value(a.var, pplus(value, get_n(1)));
                    }
                }
            }
        }
    }
    return nullptr;
}

namespace {

const Gdd_line* live_line(const Gdd_line* l)
{
    return l && !l->live() ? fd_ln(l->pts[0], l->pts[1]) : l;
}

}  // namespace

elim_step* fa_eqangle(const FaAngle& a)
{
    const Gdd_line *L1 = a.L1, *L2 = a.L2;
    // Form 1: a fact [L1, L2] = [P, Q] in one of its eight arrangements.
    for (const Gdd_ea* E : g_ea_list) {
        if (!E->live())
            continue;
        const Gdd_line *A = E->l1, *B = E->l2, *C = E->l3, *D = E->l4;
        const Gdd_line* arrangements[8][4] = {{A, B, C, D}, {B, A, D, C}, {C, D, A, B}, {D, C, B, A},
                                              {A, C, B, D}, {C, A, D, B}, {B, D, A, C}, {D, B, C, A}};
        for (const auto& r : arrangements) {
            if (r[0] != L1 || r[1] != L2 || !ln_less(r[2], L1) || !ln_less(r[3], L1))
                continue;
            add_codb(kCondEqAngle, a.A, a.B, a.C, a.D, r[2]->pts[0], r[2]->pts[1], r[3]->pts[0], r[3]->pts[1]);
            return fa_value(a.var, trim_a1_ln(r[2], r[3]));
        }
    }
    // Form 2: a fact [E1, E2] = [E3, E4] with L1 among its lines.
    for (const Gdd_ea* E : g_ea_list) {
        const Gdd_line* e[4] = {live_line(E->l1), live_line(E->l2), live_line(E->l3), live_line(E->l4)};
        if (!e[0] || !e[1] || !e[2] || !e[3])
            continue;
        for (int k = 0; k < 4; ++k) {
            if (e[k] != L1)
                continue;
            bool earlier = true;
            for (int m = 0; m < 4; ++m)
                earlier = earlier && (m == k || ln_less(e[m], L1));
            if (!earlier)
                continue;
            int pts[8];
            for (int m = 0; m < 4; ++m) {
                pts[2 * m] = m == k ? a.A : e[m]->pts[0];
                pts[2 * m + 1] = m == k ? a.B : e[m]->pts[1];
            }
            add_codb(kCondEqAngle, pts[0], pts[1], pts[2], pts[3], pts[4], pts[5], pts[6], pts[7]);
            // [E1, L2] = [E1, E2] + [E2, L2] and its three mirror images.
            static constexpr int partner[4] = {1, 0, 3, 2};
            const Gdd_line* other = e[partner[k]];
            const Gdd_line* p = k < 2 ? e[2] : e[0];
            const Gdd_line* q = k < 2 ? e[3] : e[1];
            if (k == 1 || k == 3)
                std::swap(p, q);
            xterm* value = pplus(fa_ln_pts(other, a.C, a.D), trim_a1_ln(p, q));
            return fa_value(a.var, value);
        }
    }
    (void)L2;
    return nullptr;
}
