// Rules started by a trapezoid ratio: equal ratios on two lines through one
// point give parallels or concyclic points.

#include <utility>

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "gdd/forward.h"
#include "prover/prover.h"

namespace {

struct Side {
    int s1, s2, s3, s4;  // the side's two segments s1s2 and s3s4
};

// The two segments of one side of a ratio, turned so that their shared end
// comes first where they share one.
Side orient(int p1, int p2, int p3, int p4)
{
    if (p2 != p4 && p1 != p4)
        return {p1, p2, p3, p4};
    return {p2, p1, p4, p3};
}

}  // namespace

void search_ra(Gdd_ra* R)
{
    if (!R->live() || R->o == 0)
        return;
    const auto& p = R->pts;
    Side u = orient(p[0], p[1], p[2], p[3]);
    Side w = orient(p[4], p[5], p[6], p[7]);
    if (u.s2 == u.s3 && w.s2 == w.s3) {
        std::swap(u.s1, u.s2);
        std::swap(w.s1, w.s2);
    }
    add_codb(kCondRatio, u.s1, u.s2, u.s3, u.s4, w.s1, w.s2, w.s3, w.s4);
    const int a = u.s2, c = u.s4, b = w.s2, d = w.s4;
    // The collinearities the rules test are premises too.
    const auto on_lines = [](int p, int q, int r, int s, int t, int v) {
        if (!xcoll(p, q, r) || !xcoll(s, t, v))
            return false;
        add_codb(kCondColl, p, q, r);
        add_codb(kCondColl, s, t, v);
        return true;
    };
    const auto pop_lines = [] {
        next_cond();
        next_cond();
    };
    if (u.s1 == u.s3 && u.s3 == w.s1 && w.s1 == w.s3) {
        // oa / oc = ob / od, all from one point o (74).
        const int o = u.s1;
        if (on_lines(o, a, c, o, b, d)) {
            add_pline(74, a, b, c, d);
            pop_lines();
        } else if (on_lines(o, a, b, o, c, d)) {
            add_pline(74, a, c, b, d);
            pop_lines();
        } else if (on_lines(o, a, d, o, c, b)) {
            add_cir4(0, 0, a, c, b, d);
            pop_lines();
        }
    } else if (u.s1 == u.s3 && w.s1 == w.s3 && on_lines(u.s1, a, c, w.s1, b, d)) {
        add_pline(76, a, b, c, d);
        add_pline(76, a, b, u.s1, w.s1);
        pop_lines();
    }
    // The premise stays: forward empties the reason list before the next search.
}
