#include "paint/draw_objects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "paint/clip_copy.h"
#include "paint/conics.h"
#include "paint/fills.h"
#include "paint/marks.h"
#include "paint_fixture.h"

using namespace paint_test;

TEST(DrawLineObj, HiddenObjectDrawsNothingAndAnswersZero)
{
    Diagram d;
    const int a = add_point(d, 10, 10);
    const int b = add_point(d, 50, 50);
    const int seg = add_object(d, kSegmentType, 2, {a, b});
    const int odd = add_object(d, 999, 2, {a, b});
    d.table[seg].shown = 0;
    RecordingDC dc;
    EXPECT_EQ(draw_line_obj(d, dc, seg), 0);
    EXPECT_TRUE(dc.log().empty());
    EXPECT_EQ(draw_line_obj(d, dc, odd), 1);  // shown, though its type draws nothing
    // A circle through three collinear points has no circle to draw.
    const int circle3 = add_object(d, kCircle3Type, 2, {a, b, add_point(d, 30, 30)});
    EXPECT_EQ(draw_line_obj(d, dc, circle3), 1);
    EXPECT_TRUE(dc.drawing_log().empty());
}

TEST(DrawLineObj, BlockHighlightReddensLinesButNotMarks)
{
    Diagram d;
    const int c = add_point(d, 100, 100);
    const int p = add_point(d, 140, 100);
    const int q = add_point(d, 140, 60);
    const int circle = add_object(d, kCircleType, 2, {c, p}, kBlue);
    const int mark = add_object(d, kAngleMark, 4, {p, c, q}, kBlue);
    d.table[circle].block = 2;
    d.table[mark].block = 2;
    d.table.current_block() = 2;
    d.table.action_state() = 204;
    RecordingDC dc;
    draw_line_obj(d, dc, circle);
    draw_mark_obj(d, dc, mark);
    const auto arcs = dc.calls_named("arc");
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[0].state.pen.colour, kRed);
    EXPECT_EQ(arcs[1].state.pen.colour, kBlue);
}

TEST(DrawLineObj, ArcThroughThreePointsPassesTheMiddleOne)
{
    // Directions from the centre to a, b, c; the arc's start and end radials.
    const struct {
        double da, db, dc;
        bool from_a;  // counter-clockwise from a to c, else from c to a
    } cases[] = {
        {10, 50, 100, true},
        {100, 200, 10, true},   // from a past 200 to c
        {100, 50, 10, false},   // from c (10) past 50 to a (100)
        {10, 200, 100, false},  // from c (100) past 200 to a (10)
    };
    for (const auto& c : cases) {
        Diagram d;
        const int a = add_polar(d, 200, 200, 100, c.da);
        const int b = add_polar(d, 200, 200, 100, c.db);
        const int e = add_polar(d, 200, 200, 100, c.dc);
        const int arc3 = add_object(d, kArc3Type, 2, {a, b, e});
        RecordingDC dc;
        draw_line_obj(d, dc, arc3);
        const auto arcs = dc.calls_named("arc");
        ASSERT_EQ(arcs.size(), 1u);
        const Dpoint& start = d.table.get(c.from_a ? a : e);
        const Dpoint& end = d.table.get(c.from_a ? e : a);
        EXPECT_NEAR(arcs[0].args[4], start.x, 1) << c.da << " " << c.db << " " << c.dc;
        EXPECT_NEAR(arcs[0].args[5], start.y, 1);
        EXPECT_NEAR(arcs[0].args[6], end.x, 1);
        EXPECT_NEAR(arcs[0].args[7], end.y, 1);
        EXPECT_NEAR(arcs[0].args[0], 100, 1);  // radius 100 around (200, 200)
    }
    // Through three collinear points it is the two segments.
    Diagram d;
    const int a = add_point(d, 10, 10), b = add_point(d, 20, 20), c = add_point(d, 40, 40);
    RecordingDC dc;
    draw_line_obj(d, dc, add_object(d, kArc3Type, 2, {a, b, c}));
    EXPECT_EQ(lines(dc), (std::vector<std::string>{"10,10-20,20", "20,20-40,40"}));
}

TEST(DrawLineObj, ConicFollowsItsParentsOnlyWhenTheDiagramChanges)
{
    Diagram d;
    const int a = add_point(d, 100, 100);
    const int b = add_point(d, 110, 100);
    const int c = add_point(d, 100, 105);
    const int e = add_object(d, kEllipse, 2, {a, b, c});
    d.table.recompute() = 0;
    RecordingDC first;
    draw_line_obj(d, first, e);  // no samples yet: made now
    ASSERT_EQ(first.count("ellipse"), 36u);
    const auto sample = d.table.get(e).samples.front();
    EXPECT_EQ(first.calls_named("ellipse")[0].canonical,
              "ellipse(" + std::to_string(int(sample.x) - 1) + "," + std::to_string(int(sample.y) - 1) +
                  "," + std::to_string(int(sample.x) + 1) + "," + std::to_string(int(sample.y) + 1) + ")");

    place(d, b, 120, 100);
    RecordingDC repaint;
    draw_line_obj(d, repaint, e);
    EXPECT_EQ(repaint.count("ellipse"), 36u);  // the stored samples

    const struct {
        int recompute, action_state, clip;
    } changes[] = {{1, 0, 0}, {0, 177, 0}, {0, -178, 0}, {0, -179, 0},
                   {0, 226, 0}, {0, 242, 0}, {0, 243, 0}, {0, 0, 1}};
    for (const auto& change : changes) {
        conic_points(d, e);
        place(d, b, 110, 100);  // the samples now lag behind
        d.table.recompute() = change.recompute;
        d.table.action_state() = change.action_state;
        g_clip_copy = change.clip;
        RecordingDC dc;
        draw_line_obj(d, dc, e);
        g_clip_copy = 0;
        EXPECT_EQ(dc.count("ellipse"), 36u) << change.recompute << " " << change.action_state;
    }
}
