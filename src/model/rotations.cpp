#include "model/rotations.h"

#include <algorithm>
#include <cmath>

#include "model/aux_text.h"
#include "model/numeric.h"
#include "model/primitives.h"

namespace {

// Squared ray length below which an angle is undefined (a distance of 1e-4).
constexpr double kDegenerateRay2 = 1e-8;

// b turned about a, with the cosine and sine of the turn in world axes.
void rotate_into(ObjectTable& t, int r, int a, int b, double cos_t, double sin_t) {
    const double ax = t.get(a).x;
    const double ay = t.get(a).y;
    const double dx = t.get(b).x - ax;
    const double dy = t.get(b).y - ay;
    store_point(t[r], dx * cos_t + ax - dy * sin_t, dy * cos_t + ay + dx * sin_t);
}

}  // namespace

int cal_nrotate(ObjectTable& t, int r, int a, int b) {
    const double deg = angle_of(t.get(r).aux1);
    // y grows downward, so a turn counter-clockwise on the screen is negative.
    const double theta = -(deg * 3.14159) * (1.0 / 180.0);
    rotate_into(t, r, a, b, std::cos(theta), std::sin(theta));
    return 1;
}

int cal_protate(ObjectTable& t, int r, int a, int b, int c, int d, int e) {
    const double dc2 = p_dist2(t, d, c);
    const double de2 = p_dist2(t, d, e);
    if (!(dc2 >= kDegenerateRay2) || !(de2 >= kDegenerateRay2)) {
        store_point(t[r], 0.0, 0.0);
        return -1;
    }
    // Law of cosines at d; rounding may step past +-1.
    double cos_t = (dc2 + de2 - p_dist2(t, c, e)) / (p_dist(t, d, c) * 2.0f * p_dist(t, d, e));
    cos_t = std::clamp(cos_t, -1.0, 1.0);
    const double tn = p_tan_angle(t, e, d, c);
    double sin_t;
    if (std::fabs(tn) < 100.0f) {
        sin_t = tn * cos_t;
    } else {
        // Near a right angle the tangent is useless; the sign comes from the
        // cross product of the two rays.
        sin_t = std::sqrt(1.0f - cos_t * cos_t);
        const Dpoint& pc = t.get(c);
        const Dpoint& pd = t.get(d);
        const Dpoint& pe = t.get(e);
        if ((pc.x - pd.x) * (pe.y - pd.y) - (pc.y - pd.y) * (pe.x - pd.x) > 0.0f) sin_t = -sin_t;
    }
    rotate_into(t, r, a, b, cos_t, sin_t);
    return 1;
}
