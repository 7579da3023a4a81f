#include "model/derived_points.h"

#include <cmath>

#include "model/numeric.h"
#include "model/primitives.h"

namespace {

// Stores the point in the result register and in r (both (0, 0) when not finite).
void put_result(ObjectTable& t, int r, double x, double y) {
    if (!is_finite_point(x, y)) x = y = 0.0;
    t.result_x() = x;
    t.result_y() = y;
    store_point(t[r], x, y);
}

// Coefficients of the line through a with direction a-b, and of the line
// through p perpendicular to a-b (the forms line (a; a, b) and tline (p; a, b)).
struct Line {
    double a, b, c;
};

Line line_form(const Dpoint& A, const Dpoint& B, const Dpoint& C) {
    return {C.y - B.y, B.x - C.x, (C.x - B.x) * A.y - (C.y - B.y) * A.x};
}

Line tline_form(const Dpoint& A, const Dpoint& B, const Dpoint& C) {
    return {C.x - B.x, C.y - B.y, (B.x - C.x) * A.x + (B.y - C.y) * A.y};
}

}  // namespace

void cal_midpoint(ObjectTable& t, int r, int a, int b) {
    const double x = (t.get(b).x + t.get(a).x) * 0.5f;
    const double y = (t.get(b).y + t.get(a).y) * 0.5f;
    store_point(t[r], x, y);
}

void cal_reflection(ObjectTable& t, int r, int p, int a, int b) {
    const Dpoint& pa = t.get(a);
    const Dpoint& pb = t.get(b);
    const Line l = line_form(pa, pa, pb);
    const Line n = tline_form(t.get(p), pa, pb);
    // p's place as it is now: p may be the scratch record the foot goes to.
    const double px = t.get(p).x, py = t.get(p).y;
    Dpoint& foot = t[rec::kCandidate0];
    if (cal_inter_coef(t, l.a, l.b, l.c, n.a, n.b, n.c) <= 0) {
        // Two coinciding line points give no mirror: r stays where it is.
        return;
    }
    store_point(foot, t.result_x(), t.result_y());
    const double fx = t.get(rec::kCandidate0).x;
    const double fy = t.get(rec::kCandidate0).y;
    put_result(t, r, 2.0f * fx - px, 2.0f * fy - py);
}

void cal_inversion(ObjectTable& t, int r, int p, int c, int q) {
    const double r2 = p_dist2(t, c, q);
    const double d2 = p_dist2(t, c, p);
    const double k = (d2 >= 1e-8 || d2 <= -1e-8) ? r2 / d2 : 10000000000.0;
    const Dpoint& pc = t.get(c);
    const Dpoint& pp = t.get(p);
    const double A = pc.y - pp.y;
    const double B = pp.x - pc.x;
    const double C = pc.x * pp.y - pp.x * pc.y;
    // The point of line c-p at distance R2/|cp| from c on p's side.
    cal_inter_lc_near(t, A, B, C, pc.x, pc.y, k * r2, p);
    put_result(t, r, t.result_x(), t.result_y());
}

void cal_square_pos(ObjectTable& t, int r, int c, int d) {
    const Dpoint& pc = t.get(c);
    const Dpoint& pd = t.get(d);
    const double x = pd.y + (pc.x - pc.y);
    const double y = (pc.x + pc.y) - pd.x;
    put_result(t, r, x, y);
}

void cal_square_neg(ObjectTable& t, int r, int c, int d) {
    const Dpoint& pc = t.get(c);
    const Dpoint& pd = t.get(d);
    const double x = (pc.x + pc.y) - pd.y;
    const double y = pd.x + (pc.y - pc.x);
    put_result(t, r, x, y);
}

void cal_centroid(ObjectTable& t, int r, int a, int b, int c) {
    constexpr double kThird = 0.3333333333333333;
    const double sx = t.get(a).x + t.get(b).x;
    const double sy = t.get(a).y + t.get(b).y;
    const double x = (sx + t.get(c).x) * kThird;
    const double y = (sy + t.get(c).y) * kThird;
    store_point(t[r], x, y);
}

void cal_incenter_vertex(ObjectTable& t, int r, int a, int b, int i) {
    const double ta = p_tan_angle(t, b, a, i);
    const double tb = p_tan_angle(t, a, b, i);
    const double sa = p_slope(t, a, i);
    const double sb = p_slope(t, b, i);
    const Dpoint& pa = t.get(a);
    const Dpoint& pb = t.get(b);
    // Line through a with slope (sa + ta) / (1 - sa ta), without the division.
    const double a1 = sa + ta, b1 = sa * ta - 1.0, c1 = pa.y - sa * pa.x - ta * pa.x - sa * ta * pa.y;
    const double a2 = sb + tb, b2 = sb * tb - 1.0, c2 = pb.y - sb * pb.x - tb * pb.x - sb * tb * pb.y;
    cal_inter_coef(t, a2, b2, c2, a1, b1, c1);
    store_point(t[r], t.result_x(), t.result_y());
}
