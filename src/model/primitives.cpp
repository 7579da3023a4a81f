#include "model/primitives.h"

#include <cmath>

#include "model/numeric.h"

namespace {

void set_result(ObjectTable& t, double x, double y) {
    if (!is_finite_point(x, y)) x = y = 0.0;
    t.result_x() = x;
    t.result_y() = y;
}

int choose_root(ObjectTable& t, int n, int ref, bool farther) {
    if (n < 0) {
        set_result(t, 0.0, 0.0);
        for (int c : {rec::kCandidate0, rec::kCandidate1}) t[c].x = t[c].y = 0.0;
        return n;
    }
    const double d10 = p_dist2(t, ref, rec::kCandidate0);
    const double d11 = p_dist2(t, ref, rec::kCandidate1);
    const bool take11 = farther ? d11 > d10 : d11 < d10;
    const Dpoint& chosen = t.get(take11 ? rec::kCandidate1 : rec::kCandidate0);
    set_result(t, chosen.x, chosen.y);
    return n;
}

}  // namespace

double p_dist2(const ObjectTable& t, int i, int j) {
    const double dx = t.get(i).x - t.get(j).x;
    const double dy = t.get(i).y - t.get(j).y;
    return dx * dx + dy * dy;
}

double p_dist(const ObjectTable& t, int i, int j) { return std::sqrt(p_dist2(t, i, j)); }

double p_slope(const ObjectTable& t, int a, int b) {
    const double dx = t.get(b).x - t.get(a).x;
    const double dy = t.get(b).y - t.get(a).y;
    if (std::fabs(dx) >= kSlopeGuard) return dy / dx;
    return dy * dx >= 0.0 ? kSteepSlope : -kSteepSlope;
}

double p_angle(const ObjectTable& t, int a, int b) {
    const double angle = std::atan(-p_slope(t, a, b)) * kDegreesPerRadian;
    const Dpoint& pa = t.get(a);
    const Dpoint& pb = t.get(b);
    if (pa.x == pb.x) {
        if (pa.y == pb.y) return 0.0;
        return pb.y < pa.y ? 90.0 : 270.0;
    }
    if (pb.x < pa.x) return angle + 180.0;
    return pb.y > pa.y ? angle + 360.0 : angle;
}

double p_tan_angle(const ObjectTable& t, int a, int b, int c) {
    const Dpoint& pa = t.get(a);
    const Dpoint& pb = t.get(b);
    const Dpoint& pc = t.get(c);
    const double dot = (pb.x - pa.x) * (pb.x - pc.x) + (pb.y - pa.y) * (pb.y - pc.y);
    if (std::fabs(dot) < kRightAngleGuard) return kRightAngleTangent;
    return ((pb.y - pc.y) * (pb.x - pa.x) - (pb.y - pa.y) * (pb.x - pc.x)) / dot;
}

int cal_inter_coef(ObjectTable& t, double a1, double b1, double c1, double a2, double b2,
                   double c2) {
    const double det = a1 * b2 - a2 * b1;
    if (det >= kDeterminantGuard || det <= -kDeterminantGuard) {
        const double x = (b1 * c2 - c1 * b2) / det;
        const double y = (a2 * c1 - a1 * c2) / det;
        if (is_finite_point(x, y)) {
            set_result(t, x, y);
            return 1;
        }
    }
    set_result(t, 0.0, 0.0);
    return -1;
}

namespace {
// A discriminant d whose terms had the given magnitude: a negative value lost
// in rounding (a tangent line) counts as 0 instead of a miss.
double tangent_safe(double d, double magnitude) {
    if (d < 0.0 && d > -1e-10 * magnitude) return 0.0;
    return d;
}

// The two meeting points, in coordinates (u, v), of the line u = -m - k v with
// the circle about (cu, cv) of squared radius r2; false when they miss.
bool meet_solved_line(double k, double m, double cu, double cv, double r2, double& u0, double& v0,
                      double& u1, double& v1) {
    const double qa = k * k + 1.0;
    const double qb = 2.0 * k * (m + cu) - 2.0 * cv;
    const double qc = (m + cu) * (m + cu) + cv * cv - r2;
    const double disc = tangent_safe(qb * qb - 4.0 * qa * qc,
                                     qb * qb + 4.0 * qa * ((m + cu) * (m + cu) + cv * cv + r2));
    if (!(disc >= 0.0)) return false;
    const double s = std::sqrt(disc);
    v0 = (-qb + s) / (2.0 * qa);
    u0 = -m - k * v0;
    v1 = (-qb - s) / (2.0 * qa);
    u1 = -m - k * v1;
    return true;
}
}  // namespace

int lc_roots(ObjectTable& t, double A, double B, double C, double cx, double cy, double r2) {
    double x10 = 0.0, y10 = 0.0, x11 = 0.0, y11 = 0.0;
    if (std::fabs(B) < kCoefficientGuard) {
        // Taken as the vertical line x = -C/A.
        if (std::fabs(A) < kCoefficientGuard) return -1;
        const double m = C / A + cx;
        const double d = tangent_safe(r2 - m * m, r2 + m * m);
        if (!(d >= 0.0)) return -1;
        const double s = std::sqrt(d);
        x10 = x11 = -C / A;
        y10 = cy + s;
        y11 = cy - s;
    } else if (std::fabs(A) >= std::fabs(B)) {
        // x = -m - k y
        if (!meet_solved_line(B / A, C / A, cx, cy, r2, x10, y10, x11, y11)) return -1;
    } else {
        // y = -m - k x
        if (!meet_solved_line(A / B, C / B, cy, cx, r2, y10, x10, y11, x11)) return -1;
    }
    // Overflowing input counts as no intersection rather than storing inf or NaN.
    if (!is_finite_point(x10, y10) || !is_finite_point(x11, y11)) return -1;
    t[rec::kCandidate0].x = x10;
    t[rec::kCandidate0].y = y10;
    t[rec::kCandidate1].x = x11;
    t[rec::kCandidate1].y = y11;
    return 1;
}

int cal_inter_lc_far(ObjectTable& t, double A, double B, double C, double cx, double cy,
                     double r2, int ref) {
    return choose_root(t, lc_roots(t, A, B, C, cx, cy, r2), ref, true);
}

int cal_inter_lc_near(ObjectTable& t, double A, double B, double C, double cx, double cy,
                      double r2, int ref) {
    return choose_root(t, lc_roots(t, A, B, C, cx, cy, r2), ref, false);
}

double area3(const ObjectTable& t, int a, int b, int c) {
    const double u = t.safe_unit_length();
    const Dpoint& pa = t.get(a);
    const Dpoint& pb = t.get(b);
    const Dpoint& pc = t.get(c);
    return 0.5 * (((pb.x - pa.x) / u) * ((pc.y - pa.y) / u) -
                  ((pc.x - pa.x) / u) * ((pb.y - pa.y) / u));
}
