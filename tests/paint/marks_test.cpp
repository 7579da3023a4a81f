#include "paint/marks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "paint_fixture.h"
#include "platform/image_dc.h"
#include "platform/surface.h"

using namespace paint_test;

namespace {

int add_mark(Diagram& d, int type, std::initializer_list<int> args, int size = 2,
             const char* name = "a", int name_shown = 0, Colour colour = kBlue)
{
    const int i = add_object(d, type, 4, args, colour);
    d.table[i].size = size;
    d.table[i].set_name(name);
    d.table[i].name_shown = name_shown;
    return i;
}

}  // namespace

// ---------------------------------------------------------------- segment mark

TEST(SegmentMark, FeedbackModeMarksTheDimensionLineWithoutTicksOrName)
{
    Diagram d;
    const int a = add_point(d, 100, 100);
    const int b = add_point(d, 190, 100);
    RecordingDC dc;
    draw_segment_mark(d, &dc, -1, 0, a, b);
    const auto drawn = lines(dc);
    EXPECT_EQ(drawn.front(), "100,90-190,90");
    // Two crosses (two strokes each) follow the dimension line; no ticks.
    EXPECT_EQ(drawn.size(), 5u);
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), "100,94-100,86"), 0);
    // Crosses at both ends and circles at the trisection points.
    EXPECT_EQ(dc.count("arc"), 4u);
    EXPECT_EQ(dc.count("text_out"), 0u);
}

TEST(SegmentMark, PickIsNearTheDimensionLineBetweenItsEnds)
{
    Diagram d;
    const int a = add_point(d, 100, 100);
    const int b = add_point(d, 200, 100);
    const int up = add_point(d, 300, 100);
    const int down = add_point(d, 300, 200);  // vertical segment: mark at x 310
    const int horizontal = add_mark(d, kSegmentMark, {a, b});
    const int vertical = add_mark(d, kSegmentMark, {up, down});
    const struct {
        int mark, a, b;
        DevPoint mouse;
        bool picked;
    } cases[] = {
        {horizontal, a, b, {150, 93}, true},
        {horizontal, a, b, {150, 86}, true},
        {horizontal, a, b, {150, 96}, false},  // 6 from the line
        {horizontal, a, b, {150, 100}, false},  // on the segment itself
        {horizontal, a, b, {95, 90}, false},    // beyond an end
        {vertical, up, down, {312, 150}, true},
        {vertical, up, down, {312, 205}, false},
    };
    for (const auto& c : cases) {
        d.table.picked_index() = 0;
        draw_segment_mark(d, nullptr, kPickMode, c.mark, c.a, c.b, c.mouse);
        EXPECT_EQ(d.table.picked_index(), c.picked ? c.mark : 0)
            << "mouse " << c.mouse.x << "," << c.mouse.y;
    }
}

// ---------------------------------------------------------------------- arrows

TEST(Arrow, HeadLengthIsHalfTheWholeLengthUpToEight)
{
    const struct {
        double length;
        std::size_t lines;
        int barb_x;  // where the barbs end along the shaft
    } cases[] = {{30.0, 3, 122}, {9.9, 3, 106}, {16.0, 3, 108}, {1.5, 1, 0}};
    for (const auto& c : cases) {
        Diagram d;
        const int a = add_point(d, 100, 100);
        const int b = add_point(d, 100 + c.length, 100);
        RecordingDC dc;
        draw_length_mark(d, dc, 1, 0, a, b, kOneWayArrow, kBlack);
        const auto drawn = dc.calls_named("line_to");
        ASSERT_EQ(drawn.size(), c.lines) << c.length;
        if (c.lines == 3) {
            EXPECT_EQ(drawn[1].args[0], c.barb_x) << c.length;
        }
    }
}

TEST(Arrow, OnlyTheRadiusMarkWritesItsNameInTheFontColour)
{
    Diagram d;
    const int a = add_point(d, 100, 100);
    const int b = add_point(d, 160, 140);
    d.table.font_colour() = kGreen;
    const int radius = add_mark(d, kRadiusMark, {a, b}, 1, "r", 1, kRed);
    const int arrow = add_object(d, kOneWayArrow, 2, {a, b});
    d.table[arrow].name_shown = 1;
    RecordingDC dc;
    draw_length_mark(d, dc, 1, radius, a, b, kRadiusMark, kRed);
    draw_length_mark(d, dc, -1, arrow, a, b, kOneWayArrow, kBlack);
    const auto texts = dc.calls_named("text_out");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].canonical, "text_out(130,120,\"r\")");
    EXPECT_EQ(texts[0].state.text_colour, kGreen);
}

// ----------------------------------------------------------------- angle marks

TEST(AngleMark, RadiusIsFiveTimesSizePlusFiveAtMostTheShorterArm)
{
    const struct {
        double arm;
        int size;
        std::string arc;  // empty: nothing drawn
    } cases[] = {
        {100.0, 2, "arc(85,85,115,115,200,100,171,29)"},
        {9.7, 2, "arc(91,91,109,109,110,100,171,29)"},
        {100.0, 0, "arc(95,95,105,105,200,100,171,29)"},
        {1.5, 2, ""},
    };
    for (const auto& c : cases) {
        Diagram d;
        const int v = add_point(d, 100, 100);
        const int p = add_point(d, 100 + c.arm, 100);
        const int q = add_polar(d, 100, 100, 100, 45);
        const int mark = add_mark(d, kAngleMark, {p, v, q}, c.size);
        RecordingDC dc;
        draw_mark(d, &dc, 1, mark, v, q, p);
        if (c.arc.empty())
            EXPECT_TRUE(dc.drawing_log().empty()) << c.arm;
        else
            EXPECT_EQ(dc.drawing_log(), std::vector<std::string>{c.arc}) << c.arm;
    }
}

TEST(AngleMark, SweepsTheSmallerAngleAcrossZeroInEitherOrder)
{
    Diagram d;
    const int v = add_point(d, 100, 100);
    const int p = add_polar(d, 100, 100, 100, 350);
    const int q = add_polar(d, 100, 100, 100, 10);
    const int mark = add_mark(d, kAngleMark, {p, v, q});
    RecordingDC first, second;
    draw_mark(d, &first, 1, mark, v, p, q);
    draw_mark(d, &second, 1, mark, v, q, p);
    // From the arm at 350 degrees counter-clockwise to the one at 10.
    const std::vector<std::string> expected{"arc(85,85,115,115,198,117,198,83)"};
    EXPECT_EQ(first.drawing_log(), expected);
    EXPECT_EQ(second.drawing_log(), expected);
}

TEST(AngleMark, ArmsLessThanOneDegreeApartDrawNothing)
{
    const std::pair<double, double> arms[] = {{0.0, 0.5}, {359.75, 0.25}, {0.25, 359.75},
                                              {120.0, 120.5}};
    for (const auto& [first, second] : arms) {
        Diagram d;
        const int v = add_point(d, 100, 100);
        const int p = add_polar(d, 100, 100, 100, first);
        const int q = add_polar(d, 100, 100, 100, second);
        const int mark = add_mark(d, kAngleMark, {p, v, q});
        RecordingDC dc;
        draw_mark(d, &dc, 1, mark, v, p, q);
        draw_mark(d, &dc, -1, mark, v, p, q);
        EXPECT_TRUE(dc.drawing_log().empty()) << first << " " << second;
    }
}

TEST(AngleMark, RightAngleIsASquareCornerWithADot)
{
    Diagram d;
    const int v = add_point(d, 100, 100);
    const int p = add_point(d, 200, 100);
    const int q = add_point(d, 100, 0);
    const int mark = add_mark(d, kAngleMark, {p, v, q});
    RecordingDC dc;
    draw_mark(d, &dc, 1, mark, v, q, p);
    // The square v, (100, 92.5), (107.5, 92.5), (107.5, 100): its two outer sides.
    EXPECT_EQ(lines(dc), (std::vector<std::string>{"100,92-107,92", "107,100-107,92"}));
    EXPECT_EQ(dc.calls_named("ellipse").at(0).canonical, "ellipse(106,91,108,93)");
    EXPECT_EQ(dc.calls_named("line_to").at(0).state.pen, (Pen{kBlue, 2, PenStyle::Solid}));

    // One unit off (dot product 100) it is an arc again.
    place(d, q, 101, 0);
    RecordingDC nearly;
    draw_mark(d, &nearly, 1, mark, v, q, p);
    EXPECT_EQ(nearly.count("arc"), 1u);
    EXPECT_EQ(nearly.count("line_to"), 0u);
}

TEST(AngleMark, FilledMarkOverABlackLineLeavesTheLineBlack)
{
    Diagram d;
    const int v = add_point(d, 20, 80);
    const int p = add_point(d, 120, 80);
    const int q = add_polar(d, 20, 80, 100, 60);
    const int mark = add_mark(d, kFilledAngleMark, {p, v, q}, 10, "a", 0, kRed);  // radius 55
    Surface s(140, 100, kWhite);
    ImageDC dc(s);
    dc.fill_rect({0, 60, 140, 63}, solid_brush(kBlack));
    draw_mark(d, &dc, 1, mark, v, q, p);
    EXPECT_EQ(s.pixel(50, 61), kBlack);
    EXPECT_EQ(s.pixel(50, 70), kRed);
    EXPECT_EQ(s.pixel(50, 10), kWhite);  // outside the sector
}

TEST(AngleMark, FeedbackModeIsAPieWithTheCallersObjects)
{
    Diagram d;
    const int v = add_point(d, 100, 100);
    const int p = add_point(d, 200, 100);
    const int right = add_point(d, 100, 0);
    const int mark = add_mark(d, kAngleMark, {p, v, right});
    RecordingDC dc;
    const Brush cross = hatch_brush(HatchStyle::DiagonalCross, kGrey);
    dc.select_brush(cross);
    draw_mark(d, &dc, -1, mark, v, right, p);
    const auto drawn = dc.drawing_calls();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].canonical, "pie(85,85,115,115,200,100,100,0)");
    EXPECT_EQ(drawn[0].state.brush, cross);
    EXPECT_EQ(drawn[0].state.pen, kBlackPen);
}

TEST(AngleMark, StraightAngleNameStandsOnTheSweptSide)
{
    Diagram d;
    const int v = add_point(d, 100, 100);
    const int p = add_point(d, 200, 100);
    const int q = add_point(d, 0, 100);
    const int mark = add_mark(d, kAngleMark, {p, v, q}, 2, "a", 1);
    RecordingDC dc;
    draw_mark(d, &dc, 1, mark, v, q, p);
    const auto arcs = dc.calls_named("arc");
    ASSERT_EQ(arcs.size(), 1u);
    const auto texts = dc.calls_named("text_out");
    ASSERT_EQ(texts.size(), 1u);
    // The arc runs from the start radial counter-clockwise over the top when it
    // starts at the right-hand arm, under the bottom otherwise.
    const bool over_the_top = arcs[0].args[4] > 100;
    EXPECT_EQ(texts[0].args[1] < 100, over_the_top) << texts[0].canonical;
    EXPECT_NEAR(texts[0].args[0], 100, 3);
}

TEST(AngleMark, PickRules)
{
    Diagram d;
    const int v = add_point(d, 100, 100);
    const int p = add_point(d, 200, 100);
    const int q = add_polar(d, 100, 100, 100, 45);
    const int up = add_point(d, 100, 0);
    const int arc = add_mark(d, kAngleMark, {p, v, q});
    const int sector = add_mark(d, kFilledAngleMark, {p, v, q});
    const int corner = add_mark(d, kAngleMark, {p, v, up});
    const int square = add_mark(d, kFilledAngleMark, {p, v, up});
    const struct {
        int mark, arm;
        DevPoint mouse;
        bool picked;
    } cases[] = {
        {arc, q, {114, 94}, true},     // on the arc, inside the angle
        {arc, q, {105, 97}, false},    // well inside the arc
        {arc, q, {100, 85}, false},    // on the circle, outside the angle
        {sector, q, {105, 97}, true},  // anywhere inside the sector
        {sector, q, {120, 92}, false},
        {corner, up, {110, 96}, true},   // near the vertical outer side
        {corner, up, {104, 90}, true},   // near the horizontal outer side
        {corner, up, {104, 110}, false}, // beyond the side's ends
        {square, up, {104, 96}, true},   // inside the square
        {square, up, {110, 96}, false},
    };
    for (const auto& c : cases) {
        d.table.picked_index() = 0;
        draw_mark(d, nullptr, kPickMode, c.mark, v, p, c.arm, c.mouse);
        EXPECT_EQ(d.table.picked_index(), c.picked ? c.mark : 0)
            << "mark " << c.mark << " mouse " << c.mouse.x << "," << c.mouse.y;
    }
}

// A failed point (at the origin) draws and picks nothing, whichever mark needs it.
TEST(Marks, MissingPointDrawsAndPicksNothing)
{
    Diagram d;
    const int v = add_point(d, 100, 100);
    const int p = add_point(d, 200, 100);
    const int failed = add_point(d, 0, 0);
    const int near_origin = add_point(d, 0.3, 0.2);
    const int angle = add_mark(d, kFilledAngleMark, {p, v, failed});
    const int segment = add_mark(d, kSegmentMark, {v, failed}, 1, "m", 1);
    RecordingDC dc;
    draw_mark(d, &dc, 1, angle, v, failed, p);
    draw_mark(d, nullptr, kPickMode, angle, v, p, failed, {105, 97});
    draw_segment_mark(d, &dc, 1, segment, v, failed);
    draw_segment_mark(d, nullptr, kPickMode, segment, v, failed, {50, 50});
    draw_length_mark(d, dc, -1, 0, near_origin, v, kTwoWayArrow, kBlack);
    EXPECT_TRUE(dc.log().empty());
    EXPECT_EQ(d.table.picked_index(), 0);
}
