#include "paint/conics.h"

#include <cmath>
#include <vector>

#include "model/derived_points.h"
#include "model/intersections.h"
#include "model/numeric.h"
#include "model/primitives.h"

namespace {

constexpr double kEllipseFactor = 2.4;
constexpr float kHyperbolaFactor = 3.0f;
constexpr float kParabolaFactor = 2.0f;
// The sweep of the ellipse stops just short of a full turn.
constexpr double kFullAngle = 6.283;
// Below this the hyperbola's conjugate semi-axis counts as zero.
constexpr double kDegenerateAxis = 1e-9;

// A world value to a whole number: truncated toward zero, as samples are kept.
double whole(double v) { return static_cast<double>(trunc_to_int(v, kDeviceLimit)); }

// A world value rounded as the screen maps it (nearest, halves down; small
// magnitudes to 0), independent of print mode.
double screen_rounded(double v)
{
    if (!(std::fabs(v) >= 0.5))
        return 0.0;
    int n = trunc_to_int(v, kDeviceLimit);
    if (v - n > 0.5)
        ++n;
    return static_cast<double>(n);
}

// The conic's own axes: u along AB, v across it.
struct Axes {
    double ox, oy, c, s;
    WorldPoint at(double u, double v) const
    {
        return {whole(ox + c * u - s * v), whole(oy + c * v + s * u)};
    }
};

void ellipse_samples(const Axes& axes, double d1, double d2, int n, std::vector<WorldPoint>& out)
{
    for (int j = 1; j <= n; ++j) {
        const double t = kFullAngle * j / n;
        out.push_back(axes.at(d1 * std::cos(t), d2 * std::sin(t)));
    }
}

void hyperbola_samples(const Axes& axes, double d1, double d2, int n,
                       std::vector<WorldPoint>& out)
{
    for (int j = 0; j < n / 2; ++j) {
        const double v = (8.0f * static_cast<double>(j) / n - 2.0f) * d2;
        const double u = d1 * std::sqrt(v * v / (d2 * d2) + 1.0f);
        out.push_back(axes.at(u, v));
        out.push_back(axes.at(-u, v));
    }
}

// Points equidistant from the focus A and the directrix BC, one for each
// point P of the directrix from C toward B.
void parabola_samples(ObjectTable& t, int a, int b, int c, int n, std::vector<WorldPoint>& out)
{
    constexpr int kP = 2, kMid = 3, kSample = 4;
    for (int j = 0; j < n; ++j) {
        const double s = static_cast<double>(j) / n;
        t[kP].x = (1.0 - s) * t.get(c).x + s * t.get(b).x;
        t[kP].y = (1.0 - s) * t.get(c).y + s * t.get(b).y;
        cal_midpoint(t, kMid, a, kP);
        // The perpendicular bisector of AP meets the perpendicular to BC at P;
        // when they are parallel the sample repeats the last one.
        cal_inter_tt(t, kSample, kMid, a, kP, kP, b, c);
        out.push_back({screen_rounded(t.get(kSample).x), screen_rounded(t.get(kSample).y)});
    }
}

}  // namespace

int conic_sample_count(int type, double d1, double d2)
{
    if (type == otype::kHyperbola && !(d2 >= kDegenerateAxis))
        return 0;
    const double sum = d1 + d2;
    double wanted;
    if (type == otype::kEllipse)
        wanted = sum * kEllipseFactor;
    else if (type == otype::kHyperbola)
        wanted = sum * kHyperbolaFactor;
    else
        wanted = sum * kParabolaFactor;
    int n = trunc_to_int(wanted, kMaxConicSamples);
    if (n < 0)
        n = 0;
    return n - n % 2;
}

void conic_points(Diagram& d, int i)
{
    ObjectTable& t = d.table;
    if (!t.contains(i))
        return;
    const Dpoint& conic = t.get(i);
    const int type = conic.type;
    const int a = conic.arg[0], b = conic.arg[1], c = conic.arg[2];
    const double d1 = p_dist(t, a, b);
    const double d2 = p_dist(t, a, c);
    const int n = otype::is_conic(type) ? conic_sample_count(type, d1, d2) : 0;
    const double theta = std::atan(p_slope(t, a, b));
    const Axes axes{t.get(a).x, t.get(a).y, std::cos(theta), std::sin(theta)};

    std::vector<WorldPoint> samples;
    samples.reserve(static_cast<std::size_t>(n));
    if (type == otype::kEllipse)
        ellipse_samples(axes, d1, d2, n, samples);
    else if (type == otype::kHyperbola)
        hyperbola_samples(axes, d1, d2, n, samples);
    else if (type == otype::kParabola)
        parabola_samples(t, a, b, c, n, samples);

    Dpoint& target = t[i];
    target.aux1.set_int(static_cast<std::int32_t>(samples.size()));
    target.aux2.set_double(0.0);
    target.samples = std::move(samples);
}
