#include "paint/conics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "paint_fixture.h"

using namespace paint_test;

namespace {

int add_conic(Diagram& d, int type, int a, int b, int c)
{
    return add_object(d, type, 2, {a, b, c});
}

}  // namespace

TEST(ConicSampleCount, FollowsTheSizeOfTheConic)
{
    const struct {
        int type;
        double d1, d2;
        int count;
    } cases[] = {
        {kEllipse, 51.0, 30.0, 194},   // 194.4
        {kEllipse, 10.3, 0.0, 24},     // 24.72
        {kHyperbola, 10.0, 5.0, 44},   // 45, made even
        {kParabola, 20.5, 20.5, 82},
        {kEllipse, 0.4, 0.4, 0},       // below 5/6
        {kEllipse, 0.5, 0.4, 2},       // 2.16
        {kHyperbola, 0.3, 0.3, 0},     // below 2/3
        {kParabola, 0.45, 0.5, 0},     // below 1
        {kHyperbola, 10.0, 0.0, 0},    // no conjugate axis
        {kHyperbola, 10.0, 1e-12, 0},
        {kEllipse, 1e7, 1e7, kMaxConicSamples},
        {kParabola, 1e300, 1e300, kMaxConicSamples},
    };
    for (const auto& c : cases)
        EXPECT_EQ(conic_sample_count(c.type, c.d1, c.d2), c.count)
            << c.type << " " << c.d1 << " " << c.d2;
}

TEST(ConicPoints, EllipseRunsOnceAroundItsAxes)
{
    Diagram d;
    const int a = add_point(d, 100, 100);
    const int b = add_point(d, 151, 100);
    const int c = add_point(d, 100, 130);
    const int e = add_conic(d, kEllipse, a, b, c);
    conic_points(d, e);
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

TEST(ConicPoints, FlatEllipseLiesOnItsFirstAxis)
{
    Diagram d;
    const int a = add_point(d, 100, 100);
    const int b = add_point(d, 110.3, 100);
    const int e = add_conic(d, kEllipse, a, b, a);
    conic_points(d, e);
    const auto& samples = d.table.get(e).samples;
    ASSERT_EQ(samples.size(), 24u);
    for (const WorldPoint& s : samples) {
        EXPECT_EQ(s.y, 100);
        EXPECT_LE(std::fabs(s.x - 100), 11.0);  // 89.7 truncates to 89
    }
}

TEST(ConicPoints, VerticalFirstAxisIsDrawnVertically)
{
    Diagram d;
    const int a = add_point(d, 100, 100);
    const int b = add_point(d, 100, 151);
    const int c = add_point(d, 130, 100);
    const int e = add_conic(d, kEllipse, a, b, c);
    conic_points(d, e);
    double max_dx = 0, max_dy = 0;
    for (const WorldPoint& s : d.table.get(e).samples) {
        max_dx = std::max(max_dx, std::fabs(s.x - 100));
        max_dy = std::max(max_dy, std::fabs(s.y - 100));
    }
    EXPECT_NEAR(max_dy, 51, 1);
    EXPECT_NEAR(max_dx, 30, 1);
}

TEST(ConicPoints, HyperbolaPairsAreSymmetricAboutTheConjugateAxis)
{
    Diagram d;
    const int a = add_point(d, 100, 100);
    const int b = add_point(d, 110, 100);
    const int c = add_point(d, 100, 105);
    const int h = add_conic(d, kHyperbola, a, b, c);
    conic_points(d, h);
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
    const int a = add_point(d, 100, 100);
    const int b = add_point(d, 150, 100);
    const int h = add_conic(d, kHyperbola, a, b, a);
    conic_points(d, h);
    EXPECT_TRUE(d.table.get(h).samples.empty());
    EXPECT_EQ(d.table.get(h).aux1.as_int(), 0);
}

TEST(ConicPoints, ParabolaPointsAreEquidistantFromFocusAndDirectrix)
{
    Diagram d;
    const int focus = add_point(d, 100, 95.5);
    const int b = add_point(d, 120, 100);
    const int c = add_point(d, 80, 100);
    const int p = add_conic(d, kParabola, focus, b, c);
    conic_points(d, p);
    const auto& samples = d.table.get(p).samples;
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
}

TEST(ConicPoints, ParabolaSamplesStayInWorldUnitsWhilePrinting)
{
    Diagram d;
    const int focus = add_point(d, 100, 95.5);
    const int b = add_point(d, 120, 100);
    const int c = add_point(d, 80, 100);
    const int p = add_conic(d, kParabola, focus, b, c);
    conic_points(d, p);
    const auto screen = d.table.get(p).samples;
    print_mode(d);
    conic_points(d, p);
    EXPECT_EQ(d.table.get(p).samples, screen);
}

TEST(ConicPoints, NewSamplesReplaceTheOldOnes)
{
    Diagram d;
    const int a = add_point(d, 100, 100);
    const int b = add_point(d, 151, 100);
    const int c = add_point(d, 100, 130);
    const int e = add_conic(d, kEllipse, a, b, c);
    conic_points(d, e);
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
