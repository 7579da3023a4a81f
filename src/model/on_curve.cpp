#include "model/on_curve.h"

#include <cmath>

#include "model/intersections.h"
#include "model/numeric.h"
#include "model/primitives.h"

namespace {

constexpr int kAlineHelper = 8;  // scratch: a second point of the angle line
constexpr int kAlinePoint = 9;   // scratch: the computed point on the angle line

bool coincide(const Dpoint& p, const Dpoint& q) { return p.x == q.x && p.y == q.y; }

void put(ObjectTable& t, int k, double x, double y) { store_point(t[k], x, y); }

// The foot of ref on line (A; B, C) (horizontal through A for C = 0) into
// record 10; false, writing nothing, when the line has no direction.
bool project_on_line(ObjectTable& t, int A, int B, int C, int ref) {
    const Dpoint& a = t.get(A);
    const double rx = t.get(ref).x;
    const double ry = t.get(ref).y;
    if (C == 0) {
        put(t, rec::kCandidate0, rx, a.y);
        return true;
    }
    const Dpoint& b = t.get(B);
    const Dpoint& c = t.get(C);
    if (coincide(b, c)) return false;
    if (b.x == c.x) {
        put(t, rec::kCandidate0, a.x, ry);
        return true;
    }
    if (b.y == c.y) {
        put(t, rec::kCandidate0, rx, a.y);
        return true;
    }
    const LineCoef l = line_coef(t, A, B, C);
    const LineCoef n = tline_coef(t, ref, B, C);
    if (cal_inter_coef(t, l.a, l.b, l.c, n.a, n.b, n.c) < 0) return false;
    put(t, rec::kCandidate0, t.result_x(), t.result_y());
    return true;
}

// The foot of ref on tline (A; B, C) into record 10; false when the foot
// kernel finds no crossing. B and C at one place count as a vertical BC, so
// the point goes to the horizontal through A.
bool project_on_tline(ObjectTable& t, int A, int B, int C, int ref) {
    const Dpoint& a = t.get(A);
    const Dpoint& b = t.get(B);
    const Dpoint& c = t.get(C);
    const double rx = t.get(ref).x;
    const double ry = t.get(ref).y;
    if (c.x == b.x) {
        put(t, rec::kCandidate0, rx, a.y);
        return true;
    }
    if (c.y == b.y) {
        put(t, rec::kCandidate0, a.x, ry);
        return true;
    }
    const LineCoef l = line_coef(t, ref, B, C);
    const LineCoef n = tline_coef(t, A, B, C);
    if (cal_inter_coef(t, l.a, l.b, l.c, n.a, n.b, n.c) < 0) return false;
    put(t, rec::kCandidate0, t.result_x(), t.result_y());
    return true;
}

void store_parameter(Dpoint& p, double value) {
    p.aux1.set_double(value);
    p.aux2.set_double(value);
}

// Unit direction of the angle line through a (see on_aline_init).
struct Direction {
    double x;
    double y;
};

Direction aline_direction(const ObjectTable& t, int a, int b, int d, int e, int f) {
    const double tn = p_tan_angle(t, f, e, d);
    const double s = p_slope(t, a, b);
    const double q = 1.0 - tn * s;
    // tan(alpha + beta); a vanishing denominator is a (nearly) vertical line.
    const double k = (q >= 1e-8 || q <= -1e-8) ? (tn + s) / q : 1e9;
    const double len = std::hypot(1.0, k);
    if (!std::isfinite(len)) return {0.0, 1.0};
    return {1.0 / len, k / len};
}

// Record 8 := the point of the angle line at the helper distance from a.
Direction place_aline_helper(ObjectTable& t, int a, int b, int d, int e, int f) {
    const Direction u = aline_direction(t, a, b, d, e, f);
    const Dpoint& pa = t.get(a);
    put(t, kAlineHelper, pa.x + kAlineHelperDistance * u.x, pa.y + kAlineHelperDistance * u.y);
    return u;
}

// Of the two points at distance dist from A along the unit direction u (and
// against it), the one nearer ref (a tie takes the first), as the line-circle
// kernels leave them: both in records 10 and 11, the chosen one in the result
// register. The line passes through the centre, so they are taken directly; a
// root finder could lose a point at distance 0 to rounding.
WorldPoint point_at_distance(ObjectTable& t, int A, Direction u, double dist, int ref) {
    const double ax = t.get(A).x;
    const double ay = t.get(A).y;
    put(t, rec::kCandidate0, ax + dist * u.x, ay + dist * u.y);
    put(t, rec::kCandidate1, ax - dist * u.x, ay - dist * u.y);
    const bool second = p_dist2(t, ref, rec::kCandidate1) < p_dist2(t, ref, rec::kCandidate0);
    const Dpoint& chosen = t.get(second ? rec::kCandidate1 : rec::kCandidate0);
    const WorldPoint p{chosen.x, chosen.y};
    t.result_x() = p.x;
    t.result_y() = p.y;
    return p;
}

}  // namespace

void on_line_init(ObjectTable& t, int r, int A, int B, int C, int ref) {
    if (!project_on_line(t, A, B, C, ref)) return;
    const Dpoint& foot = t.get(rec::kCandidate0);
    const Dpoint& a = t.get(A);
    double param;
    if (C == 0) {
        param = foot.x - a.x;
    } else {
        const Dpoint& b = t.get(B);
        const Dpoint& c = t.get(C);
        // The steeper coordinate gives the better ratio.
        param = std::fabs(p_slope(t, B, C)) >= 1.0 ? (foot.y - a.y) / (b.y - c.y)
                                                  : (foot.x - a.x) / (b.x - c.x);
    }
    if (!std::isfinite(param)) return;
    const double fx = foot.x;
    const double fy = foot.y;
    Dpoint& p = t[r];
    put(t, r, fx, fy);
    store_parameter(p, param);
}

void on_line_cal(ObjectTable& t, int r, int A, int B, int C, int /*ref*/) {
    const double param = t.get(r).aux1.as_double();
    const Dpoint& a = t.get(A);
    if (C == 0) {
        put(t, r, a.x + param, a.y);
        return;
    }
    const Dpoint& b = t.get(B);
    const Dpoint& c = t.get(C);
    put(t, r, a.x + param * (b.x - c.x), a.y + param * (b.y - c.y));
}

void on_tline_init(ObjectTable& t, int r, int A, int B, int C, int ref) {
    if (!project_on_tline(t, A, B, C, ref)) return;
    const Dpoint& foot = t.get(rec::kCandidate0);
    const double dx = foot.x - t.get(A).x;
    const double dy = foot.y - t.get(A).y;
    const double param = dx * dx + dy * dy;
    if (!std::isfinite(param)) return;
    put(t, r, foot.x, foot.y);
    store_parameter(t[r], param);
}

void on_tline_cal(ObjectTable& t, int r, int A, int B, int C, int ref) {
    const LineCoef l = tline_coef(t, A, B, C);
    const double r2 = t.get(r).aux1.as_double();
    const double len = std::hypot(l.a, l.b);
    if ((std::fabs(l.a) < kCoefficientGuard && std::fabs(l.b) < kCoefficientGuard) ||
        !(r2 >= 0.0) || !std::isfinite(len)) {
        // No perpendicular: a failed point, as the line-circle kernels leave it.
        for (int k : {rec::kCandidate0, rec::kCandidate1}) put(t, k, 0.0, 0.0);
        t.result_x() = t.result_y() = 0.0;
        put(t, r, 0.0, 0.0);
        return;
    }
    const WorldPoint p = point_at_distance(t, A, {-l.b / len, l.a / len}, std::sqrt(r2), ref);
    put(t, r, p.x, p.y);
}

int on_circle_init(ObjectTable& t, int r, int O, int E, int F, int ref) {
    const double r2 = p_dist2(t, E, F);
    const Dpoint& o = t.get(O);
    const double ox = o.x;
    const double oy = o.y;
    const double rx = t.get(ref).x;
    const double ry = t.get(ref).y;
    // The line through the centre and ref.
    const double a = ry - oy;
    const double b = ox - rx;
    const double c = oy * rx - ox * ry;
    if (cal_inter_lc_near(t, a, b, c, ox, oy, r2, ref) < 0) return -1;
    put(t, r, t.result_x(), t.result_y());
    Dpoint& p = t[r];
    p.aux1.set_double(ry - oy);
    p.aux2.set_double(rx - ox);
    return 1;
}

int on_circle_cal(ObjectTable& t, int r, int O, int E, int F, int ref) {
    const double r2 = p_dist2(t, E, F);
    const double dy = t.get(r).aux1.as_double();
    const double dx = t.get(r).aux2.as_double();
    const double ox = t.get(O).x;
    const double oy = t.get(O).y;
    // The line through the centre with the stored direction.
    if (cal_inter_lc_near(t, -dy, dx, ox * dy - oy * dx, ox, oy, r2, ref) < 0) return -1;
    put(t, r, t.result_x(), t.result_y());
    return 1;
}

void on_aline_init(ObjectTable& t, int r, int a, int b, int d, int e, int f, int ref) {
    const Direction u = place_aline_helper(t, a, b, d, e, f);
    const double ax = t.get(a).x;
    const double ay = t.get(a).y;
    const double s = (t.get(ref).x - ax) * u.x + (t.get(ref).y - ay) * u.y;
    const double px = ax + s * u.x;
    const double py = ay + s * u.y;
    put(t, kAlinePoint, px, py);
    put(t, rec::kCandidate0, px, py);
    put(t, r, px, py);
    if (r >= rec::kFirstObject) t[r].aux2.set_double(p_dist(t, a, r));
}

void on_aline_cal(ObjectTable& t, int r, int a, int b, int d, int e, int f, int ref) {
    const Direction u = place_aline_helper(t, a, b, d, e, f);
    const WorldPoint p = point_at_distance(t, a, u, t.get(r).aux2.as_double(), ref);
    put(t, kAlinePoint, p.x, p.y);
    put(t, r, p.x, p.y);
}

void cal_tline_dist(ObjectTable& t, int r, int A, int B, int C, int O, double dist, int ref) {
    const LineCoef l = tline_coef(t, A, B, C);
    cal_inter_lc_near(t, l.a, l.b, l.c, t.get(O).x, t.get(O).y, dist * dist, ref);
    put(t, r, t.result_x(), t.result_y());
}

void geo_error(const char* /*text*/) {}
