#include "paint/conics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "paint_fixture.h"

using namespace paint_test;

namespace {

// A conic of the given type on three new points, sampled once.
int sampled_conic(Diagram& d, int type, WorldPoint a, WorldPoint b, WorldPoint c)
{
    const int ia = add_point(d, a.x, a.y), ib = add_point(d, b.x, b.y);
    const int ic = (c == a) ? ia : add_point(d, c.x, c.y);
    const int k = add_object(d, type, 2, {ia, ib, ic});
    conic_points(d, k);
    return k;
}

}  // namespace

TEST(ConicSampleCount, FollowsTheSizeOfTheConic)
{
    const struct {
        int type;
        double d1, d2;
        int count;
    } cases[] = {
        {otype::kEllipse, 51.0, 30.0, 194},   // 194.4
        {otype::kEllipse, 10.3, 0.0, 24},     // 24.72
        {otype::kHyperbola, 10.0, 5.0, 44},   // 45, made even
        {otype::kParabola, 20.5, 20.5, 82},
        {otype::kEllipse, 0.4, 0.4, 0},       // below 5/6
        {otype::kEllipse, 0.5, 0.4, 2},       // 2.16
        {otype::kHyperbola, 0.3, 0.3, 0},     // below 2/3
        {otype::kParabola, 0.45, 0.5, 0},     // below 1
        {otype::kHyperbola, 10.0, 0.0, 0},    // no conjugate axis
        {otype::kHyperbola, 10.0, 1e-12, 0},
        {otype::kEllipse, 1e7, 1e7, kMaxConicSamples},
        {otype::kParabola, 1e300, 1e300, kMaxConicSamples},
    };
    for (const auto& c : cases)
        EXPECT_EQ(conic_sample_count(c.type, c.d1, c.d2), c.count)
            << c.type << " " << c.d1 << " " << c.d2;
}

TEST(ConicPoints, EllipseRunsOnceAroundItsAxes)
{
    Diagram d;
    const int e = sampled_conic(d, otype::kEllipse, {100, 100}, {151, 100}, {100, 130});
    const Dpoint& conic = d.table.get(e);
    ASSERT_EQ(conic.samples.size(), 194u);
    EXPECT_EQ(conic.aux1.as_int(), 194);
    for (const WorldPoint& s : conic.samples) {
        EXPECT_EQ(s.x, std::trunc(s.x));  // whole numbers
        const double u = (s.x - 100) / 51, v = (s.y - 100) / 30;
        EXPECT_NEAR(u * u + v * v, 1.0, 0.08);
    }
    // One step past the axis end on the side of growing x, ending just short
    // of it (99.99 truncated).
    EXPECT_EQ(conic.samples.front(), (WorldPoint{150, 100}));
    EXPECT_EQ(conic.samples.back(), (WorldPoint{150, 99}));
}

// The extent of the samples around the centre follows the axes, whichever
// way they lie; a flat ellipse stays on its first axis.
TEST(ConicPoints, EllipseExtentFollowsItsAxes)
{
    const struct {
        WorldPoint b, c;
        double dx, dy;
        std::size_t count;
    } cases[] = {
        {{100, 151}, {130, 100}, 30, 51, 194},  // vertical first axis
        {{110.3, 100}, {100, 100}, 11, 0, 24},  // flat: 89.7 truncates to 89
    };
    for (const auto& c : cases) {
        Diagram d;
        const int e = sampled_conic(d, otype::kEllipse, {100, 100}, c.b, c.c);
        const auto& samples = d.table.get(e).samples;
        ASSERT_EQ(samples.size(), c.count);
        double max_dx = 0, max_dy = 0;
        for (const WorldPoint& s : samples) {
            max_dx = std::max(max_dx, std::fabs(s.x - 100));
            max_dy = std::max(max_dy, std::fabs(s.y - 100));
        }
        EXPECT_NEAR(max_dx, c.dx, 1) << c.b.x;
        EXPECT_NEAR(max_dy, c.dy, 1) << c.b.x;
    }
}

TEST(ConicPoints, HyperbolaPairsAreSymmetricAboutTheConjugateAxis)
{
    Diagram d;
    const int h = sampled_conic(d, otype::kHyperbola, {100, 100}, {110, 100}, {100, 105});
    const auto& samples = d.table.get(h).samples;
    ASSERT_EQ(samples.size(), 44u);
    for (std::size_t j = 0; j < samples.size(); j += 2) {
        const WorldPoint near = samples[j], far = samples[j + 1];
        EXPECT_EQ(near.y, far.y);
        EXPECT_GE(near.x, 110);  // the branch on the side of growing x first
        EXPECT_LE(far.x, 90);
        EXPECT_LE(std::fabs(near.x + far.x - 200), 1.0);  // truncation only
        const double v = (near.y - 100) / 5;
        EXPECT_NEAR(near.x, 100 + 10 * std::sqrt(1 + v * v), 3.0);
    }
    // v runs from -2b upward in steps of 8b/n.
    EXPECT_EQ(samples.front().y, 90);
}

TEST(ConicPoints, DegenerateHyperbolaHasNoSamples)
{
    Diagram d;
    const int h = sampled_conic(d, otype::kHyperbola, {100, 100}, {150, 100}, {100, 100});
    EXPECT_TRUE(d.table.get(h).samples.empty());
    EXPECT_EQ(d.table.get(h).aux1.as_int(), 0);
}

TEST(ConicPoints, ParabolaPointsAreEquidistantFromFocusAndDirectrix)
{
    Diagram d;
    const int p = sampled_conic(d, otype::kParabola, {100, 95.5}, {120, 100}, {80, 100});
    const auto samples = d.table.get(p).samples;
    ASSERT_EQ(samples.size(), 82u);
    // The first lies on the perpendicular to BC through C, at y = 53.3.
    EXPECT_EQ(samples.front(), (WorldPoint{80, 53}));
    for (const WorldPoint& s : samples) {
        const double to_focus = std::hypot(s.x - 100, s.y - 95.5);
        const double to_line = std::fabs(s.y - 100);
        EXPECT_NEAR(to_focus, to_line, 1.5);
    }
    // Along the directrix from C toward B.
    EXPECT_LT(samples.front().x, samples.back().x);
    // Samples stay in world units while printing.
    print_mode(d);
    conic_points(d, p);
    EXPECT_EQ(d.table.get(p).samples, samples);
}

TEST(ConicPoints, NewSamplesReplaceTheOldOnes)
{
    Diagram d;
    const int e = sampled_conic(d, otype::kEllipse, {100, 100}, {151, 100}, {100, 130});
    const int b = d.table.get(e).arg[1];
    place(d, b, 110, 100);
    conic_points(d, e);
    const Dpoint& conic = d.table.get(e);
    EXPECT_EQ(conic.samples.size(), 96u);  // (10 + 30) x 2.4
    EXPECT_EQ(conic.aux1.as_int(), 96);
    // A copy owns its own samples.
    Dpoint copy = conic;
    place(d, b, 151, 100);
    conic_points(d, e);
    EXPECT_EQ(copy.samples.size(), 96u);
}
