// Arcs, chords and pies: bounding box plus radial end points, drawn
// counter-clockwise on screen, equal ends giving the whole figure.

#include "pixel_probe.h"
#include "platform/image_dc.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

constexpr double kCx = 50.0, kCy = 50.0, kR = 39.5;  // box (10, 10, 90, 90) traced through pixel centres

struct Quadrants {
    bool upper_right, upper_left, lower_left, lower_right;
};

Quadrants inked_quadrants(const Surface& s)
{
    auto at = [&](double deg) {
        Spot p = on_circle(kCx, kCy, kR, deg);
        return inked_near(s, p.x, p.y);
    };
    return {at(45), at(135), at(225), at(315)};
}

Surface arc_of(int x1, int y1, int x2, int y2)
{
    Surface s(100, 100);
    ImageDC dc(s);
    dc.arc(10, 10, 90, 90, x1, y1, x2, y2);
    return s;
}

TEST(ArcConformance, RunsCounterClockwiseFromStartToEndAndEqualEndsCloseIt)
{
    struct Case {
        const char* what;
        int x1, y1, x2, y2;
        Quadrants expected;
    };
    const Case cases[] = {
        {"3 o'clock to 12 o'clock", 90, 50, 50, 10, {true, false, false, false}},
        {"12 o'clock to 3 o'clock", 50, 10, 90, 50, {false, true, true, true}},
        {"9 o'clock to 3 o'clock", 10, 50, 90, 50, {false, false, true, true}},
        {"3 o'clock to 9 o'clock", 90, 50, 10, 50, {true, true, false, false}},
        {"6 o'clock to 12 o'clock", 50, 90, 50, 10, {true, false, false, true}},
        {"equal ends at 3 o'clock", 90, 50, 90, 50, {true, true, true, true}},
        {"equal ends inside", 23, 77, 23, 77, {true, true, true, true}},
        {"equal ends at the centre", 50, 50, 50, 50, {true, true, true, true}},
    };
    for (const Case& c : cases) {
        Surface s = arc_of(c.x1, c.y1, c.x2, c.y2);
        Quadrants q = inked_quadrants(s);
        EXPECT_EQ(q.upper_right, c.expected.upper_right) << c.what;
        EXPECT_EQ(q.upper_left, c.expected.upper_left) << c.what;
        EXPECT_EQ(q.lower_left, c.expected.lower_left) << c.what;
        EXPECT_EQ(q.lower_right, c.expected.lower_right) << c.what;
    }
    // The quarter stops at its radial end points.
    const Surface quarter = arc_of(90, 50, 50, 10);
    for (double deg : {-12.0, 2.0, 45.0, 88.0, 102.0}) {
        Spot p = on_circle(kCx, kCy, kR, deg);
        EXPECT_EQ(inked_near(quarter, p.x, p.y), deg > 0 && deg < 90) << deg;
    }
}

TEST(ArcConformance, EndPointsOnlyGiveDirections)
{
    // Points far outside on the same rays draw the same arc.
    const Surface near = arc_of(90, 50, 50, 10);
    const Surface far = arc_of(400, 50, 50, -300);
    EXPECT_EQ(near.image(), far.image());
}

TEST(ArcConformance, RaysMeetAFlatEllipseWhereTheyPointNotAtTheirAngle)
{
    // Ellipse 80 x 40; the ray at 45 degrees meets it at about (68, 32), while
    // the ellipse point of parameter 45 degrees lies near (78, 36).
    Surface s(100, 100);
    ImageDC dc(s);
    dc.arc(10, 30, 90, 70, 90, 10, 10, 10);  // rays at 45 and 135 degrees
    EXPECT_TRUE(inked_near(s, 50, 30));
    EXPECT_TRUE(inked_near(s, 66, 32));
    EXPECT_TRUE(inked_near(s, 33, 32));
    EXPECT_FALSE(inked_near(s, 78, 36));
    EXPECT_FALSE(inked_near(s, 22, 36));
    EXPECT_FALSE(inked_near(s, 89, 50));
}

// Chords and pies on the box (10, 10, 90, 90), filled blue over white.
TEST(ArcConformance, ChordsAndPiesFillTheirSegmentOrSector)
{
    using Figure = void (ImageDC::*)(int, int, int, int, int, int, int, int);
    using Pixels = std::vector<std::pair<int, int>>;
    const struct {
        const char* what;
        Figure figure;
        int x1, y1, x2, y2;
        Pixels blue, white;
    } cases[] = {
        // Quarter from 3 to 12 o'clock: between arc and chord line only.
        {"chord", &ImageDC::chord, 90, 50, 50, 10, {{76, 24}}, {{55, 45}, {30, 70}}},
        {"chord the other way: the large segment", &ImageDC::chord, 50, 10, 90, 50,
         {{55, 45}, {30, 70}}, {{76, 24}}},
        {"pie", &ImageDC::pie, 90, 50, 50, 10, {{60, 40}, {76, 24}}, {{40, 60}, {40, 40}, {60, 60}}},
        {"pie with equal ends", &ImageDC::pie, 90, 50, 90, 50, {{60, 40}, {40, 40}, {40, 60}, {60, 60}},
         {}},
    };
    for (const auto& c : cases) {
        Surface s(100, 100);
        ImageDC dc(s);
        dc.select_brush(solid_brush(kBlue));
        dc.select_pen(Pen{kBlack, 1, PenStyle::Solid});
        (dc.*c.figure)(10, 10, 90, 90, c.x1, c.y1, c.x2, c.y2);
        for (auto [x, y] : c.blue)
            EXPECT_EQ(s.pixel(x, y), kBlue) << c.what << " " << x << "," << y;
        for (auto [x, y] : c.white)
            EXPECT_EQ(s.pixel(x, y), kWhite) << c.what << " " << x << "," << y;
        if (c.figure == &ImageDC::chord && c.x1 == 90) {
            EXPECT_TRUE(inked_near(s, 70, 30, 0));  // the chord line itself (x - y = 40)
        }
        if (c.figure == &ImageDC::pie && c.x1 != c.x2) {
            // The two radii: along y = 50 to the right and x = 50 upwards.
            EXPECT_TRUE(inked_near(s, 70, 50, 0) || inked_near(s, 70, 49, 0));
            EXPECT_TRUE(inked_near(s, 50, 30, 0) || inked_near(s, 49, 30, 0));
        }
    }
}

TEST(ArcConformance, HollowBrushLeavesThePieOpen)
{
    Surface s(100, 100);
    ImageDC dc(s);
    dc.select_brush(kHollowBrush);
    dc.pie(10, 10, 90, 90, 90, 50, 50, 10);
    EXPECT_EQ(s.pixel(60, 40), kWhite);
    EXPECT_TRUE(inked_near(s, 78, 22));
}

}  // namespace
