#include "model/intersections.h"

#include <algorithm>
#include <cmath>

#include "model/derived_points.h"
#include "model/numeric.h"
#include "model/object_types.h"
#include "model/primitives.h"

namespace {

void copy_result(ObjectTable& t, int r) { store_point(t[r], t.result_x(), t.result_y()); }

// Line-line meet; r is left alone when the lines do not cross.
void meet(ObjectTable& t, int r, const LineCoef& l1, const LineCoef& l2) {
    if (cal_inter_coef(t, l1.a, l1.b, l1.c, l2.a, l2.b, l2.c) > 0) copy_result(t, r);
}

// The first earlier point (index 20 to r - 1) lying on both line (A; B, C)
// and the circle of centre O and radius R; 0 when none. Every constructed
// point of a line-circle intersection searches all earlier points at every
// re-solve, so the loop first rejects points off the circle's ring, by
// squared distances and without a root; the ring is widened well beyond
// rounding, so the exact line and circle tests still decide every point near
// enough to matter.
int known_point_by_position(const ObjectTable& t, int r, int A, int B, int C, int O, double R) {
    const double s0 = area3(t, A, B, C);
    const int end = std::min(r, t.count());
    const Dpoint& centre = t.get(O);
    constexpr double kRoundingSlack = 1e-9;
    const double outer = (R + kKnownPointTolerance) * (1.0 + kRoundingSlack) + kRoundingSlack;
    const double inner = std::max(0.0, (R - kKnownPointTolerance) * (1.0 - kRoundingSlack) - kRoundingSlack);
    const double outer2 = outer * outer;
    const double inner2 = inner * inner;
    for (int k = rec::kFirstObject; k < end; ++k) {
        const Dpoint& p = t.get(k);
        if (p.cls != oclass::kPoint) continue;
        const double dx = p.x - centre.x;
        const double dy = p.y - centre.y;
        const double d2 = dx * dx + dy * dy;
        if (d2 > outer2 || d2 < inner2) continue;
        if (std::fabs(area3(t, k, B, C) - s0) < kKnownPointTolerance &&
            std::fabs(p_dist(t, k, O) - R) < kKnownPointTolerance)
            return k;
    }
    return 0;
}

}  // namespace

LineCoef line_coef(const ObjectTable& t, int A, int B, int C) {
    const Dpoint& a = t.get(A);
    const Dpoint& b = t.get(B);
    const Dpoint& c = t.get(C);
    return {c.y - b.y, b.x - c.x, (c.x - b.x) * a.y - (c.y - b.y) * a.x};
}

LineCoef tline_coef(const ObjectTable& t, int A, int B, int C) {
    const Dpoint& a = t.get(A);
    const Dpoint& b = t.get(B);
    const Dpoint& c = t.get(C);
    return {c.x - b.x, c.y - b.y, (b.x - c.x) * a.x + (b.y - c.y) * a.y};
}

bool named_alike(const ObjectTable& t, int i, int j) {
    if (i < rec::kFirstObject || j < rec::kFirstObject || !t.contains(i) || !t.contains(j))
        return false;
    if (i == j) return true;
    const std::string_view name = t.get(i).name_view();
    return !name.empty() && name == t.get(j).name_view();
}

void cal_inter_ll(ObjectTable& t, int r, int A, int B, int C, int D, int E, int F) {
    meet(t, r, line_coef(t, A, B, C), line_coef(t, D, E, F));
}

void cal_inter_lt(ObjectTable& t, int r, int A, int B, int C, int D, int E, int F) {
    meet(t, r, line_coef(t, A, B, C), tline_coef(t, D, E, F));
}

void cal_inter_tt(ObjectTable& t, int r, int A, int B, int C, int D, int E, int F) {
    meet(t, r, tline_coef(t, A, B, C), tline_coef(t, D, E, F));
}

void cal_circumcenter(ObjectTable& t, int r, int P, int Q, int S, int T) {
    cal_midpoint(t, rec::kCandidate0, P, Q);
    cal_midpoint(t, rec::kCandidate1, S, T);
    cal_inter_tt(t, r, rec::kCandidate0, P, Q, rec::kCandidate1, S, T);
}

int cal_inter_lc(ObjectTable& t, int r, int A, int B, int C, int O, int E, int F, int ref) {
    const LineCoef l = line_coef(t, A, B, C);
    const double r2 = p_dist2(t, E, F);
    const double cx = t.get(O).x;
    const double cy = t.get(O).y;
    int n;
    if (O == E && named_alike(t, A, F)) {
        n = cal_inter_lc_far(t, l.a, l.b, l.c, cx, cy, r2, A);
    } else if (const int k = known_point_by_position(t, r, A, B, C, O, std::sqrt(r2)); k > 0) {
        n = cal_inter_lc_far(t, l.a, l.b, l.c, cx, cy, r2, k);
    } else {
        n = cal_inter_lc_near(t, l.a, l.b, l.c, cx, cy, r2, ref);
    }
    copy_result(t, r);
    return n;
}

int cal_inter_tc(ObjectTable& t, int r, int A, int B, int C, int O, int E, int F, int ref) {
    const LineCoef l = tline_coef(t, A, B, C);
    const double r2 = p_dist2(t, E, F);
    const double cx = t.get(O).x;
    const double cy = t.get(O).y;
    const int n = (O == E && named_alike(t, A, F))
                      ? cal_inter_lc_far(t, l.a, l.b, l.c, cx, cy, r2, A)
                      : cal_inter_lc_near(t, l.a, l.b, l.c, cx, cy, r2, ref);
    copy_result(t, r);
    return n;
}

int cal_pline_dist(ObjectTable& t, int r, int A, int B, int C, int O, double d, int ref) {
    const LineCoef l = line_coef(t, A, B, C);
    const int n = cal_inter_lc_near(t, l.a, l.b, l.c, t.get(O).x, t.get(O).y, d * d, ref);
    copy_result(t, r);
    return n;
}

int cal_inter_cc(ObjectTable& t, int r, int A, int B, int C, int D, int E, int F, int ref) {
    const double r1sq = p_dist2(t, B, C);
    const double r2sq = p_dist2(t, E, F);
    const Dpoint& a = t.get(A);
    const Dpoint& d = t.get(D);
    // The radical line: both circles' equations subtracted.
    const double la = 2.0f * (d.x - a.x);
    const double lb = 2.0f * (d.y - a.y);
    const double lc = a.x * a.x + a.y * a.y - d.x * d.x - d.y * d.y - r1sq + r2sq;
    const double ax = a.x;
    const double ay = a.y;
    const int n = cal_inter_lc_near(t, la, lb, lc, ax, ay, r1sq, ref);
    if (t.placing() != 0) {
        copy_result(t, r);
    } else {
        const double side = area3(t, rec::kCandidate0, A, D) * t.get(r).aux1.as_double();
        const Dpoint& chosen = t.get(side > 0.0f ? rec::kCandidate0 : rec::kCandidate1);
        store_point(t[r], chosen.x, chosen.y);
    }
    return n;
}
