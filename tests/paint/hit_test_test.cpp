#include "paint/hit_test.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "paint/conics.h"
#include "paint/draw_objects.h"
#include "paint/fills.h"
#include "model/find_object.h"
#include "paint/marks.h"
#include "paint_fixture.h"

using namespace paint_test;

namespace {

DevPoint polar_mouse(double cx, double cy, double r, double degrees)
{
    const double a = degrees * std::numbers::pi / 180.0;
    return {static_cast<int>(std::lround(cx + r * std::cos(a))),
            static_cast<int>(std::lround(cy - r * std::sin(a)))};
}

}  // namespace

TEST(InArcRange, IsStrictlyInsideTheCounterClockwiseTurn)
{
    Diagram d;
    const int c = add_point(d, 100, 100);
    const int at300 = add_polar(d, 100, 100, 50, 300);
    const int at60 = add_polar(d, 100, 100, 50, 60);
    const struct {
        int from, to;
        double mouse_degrees;
        int inside;
    } cases[] = {
        {at300, at60, 10, 1},  {at300, at60, 330, 1}, {at300, at60, 180, 0},
        {at60, at300, 180, 1}, {at60, at300, 10, 0},  {at300, at60, 0, 1},
    };
    for (const auto& k : cases) {
        const DevPoint m = polar_mouse(100, 100, 40, k.mouse_degrees);
        EXPECT_EQ(in_arc_range(d, m.x, m.y, c, k.from, k.to), k.inside) << k.mouse_degrees;
        EXPECT_EQ(d.table.get(2).x, m.x);  // the mouse is left in record 2
    }
    // An empty range (start and end in one direction) holds nothing.
    EXPECT_EQ(in_arc_range(d, 140, 60, c, at60, at60), 0);
}

TEST(PickNearest, PointsWithinSixteenUnitsTheNearestAndTheLowerOnATie)
{
    Diagram d;
    const int left = add_point(d, 90, 100);
    const int right = add_point(d, 110, 100);
    EXPECT_EQ(pick_nearest(d, {100, 100}), left);
    EXPECT_EQ(d.table.picked_index(), left);
    EXPECT_EQ(pick_nearest(d, {101, 100}), right);
    EXPECT_EQ(d.table.record_count(), d.table.count());

    Diagram edge;
    add_point(edge, 116, 100);
    EXPECT_EQ(pick_nearest(edge, {100, 100}), 0);  // exactly 16 units
    const int inside = add_point(edge, 100, 115.9);
    EXPECT_EQ(pick_nearest(edge, {100, 100}), inside);

    // While a hide button is being filled the radius shrinks.
    Diagram hide;
    const int p = add_point(hide, 100, 100);
    hide.table.pending_command() = otype::kHideButton;
    EXPECT_EQ(pick_nearest(hide, {106, 100}), 0);
    EXPECT_EQ(pick_nearest(hide, {104, 100}), p);
}

TEST(PickNearest, FailedPointsAreNeverFoundHiddenOnesAre)
{
    Diagram d;
    add_point(d, 0, 0);
    const int left_edge = add_point(d, 0, 100);
    EXPECT_EQ(pick_nearest(d, {0, 0}), 0);
    EXPECT_EQ(pick_nearest(d, {2, 100}), left_edge);
    d.table[left_edge].shown = 0;
    d.table[left_edge].name_shown = 0;
    EXPECT_EQ(pick_nearest(d, {2, 100}), left_edge);
}

TEST(PickNearest, TextsAndButtonsOnlyWhileDraggingOrFillingAHideButton)
{
    Diagram d;
    const int text = add_object(d, 180, 6, {});
    place(d, text, 200, 200);
    d.table[text].name_dx = -3;
    d.table[text].name_dy = 3;  // drawn at (197, 203)
    const int button = add_object(d, 466, 7, {});
    place(d, button, 300, 300);
    EXPECT_EQ(pick_nearest(d, {197, 206}), 0);
    d.table.pending_command() = cmd::kDragPoint;
    EXPECT_EQ(pick_nearest(d, {197, 206}), text);
    EXPECT_EQ(pick_nearest(d, {302, 302}), button);
    // Points always win over texts and buttons.
    const int point = add_point(d, 197, 221);
    EXPECT_EQ(pick_nearest(d, {197, 206}), point);
}

TEST(PickNearest, LinesAndCurvesOnlyWhileFillingAHideButton)
{
    Diagram d;
    const int a = add_point(d, 100, 100);
    const int b = add_point(d, 300, 100);
    const int seg = add_object(d, otype::kSegment, 2, {a, b});
    EXPECT_EQ(pick_nearest(d, {200, 103}), 0);
    d.table.pending_command() = cmd::kDragPoint;
    EXPECT_EQ(pick_nearest(d, {200, 103}), 0);
    d.table.pending_command() = otype::kHideButton;
    EXPECT_EQ(pick_nearest(d, {200, 103}), seg);
}

namespace {

// A drawing in which a hide button is being filled.
struct HideButtonPick {
    Diagram d;
    HideButtonPick() { d.table.pending_command() = otype::kHideButton; }
    int pick(DevPoint m) { return pick_nearest(d, m); }
};

}  // namespace

TEST(PickNearestHideButton, SegmentRuleLooksAtBothCoordinatesAndIncludesTheEnds)
{
    HideButtonPick h;
    const int a = add_point(h.d, 100, 100);
    const int b = add_point(h.d, 200, 100);
    const int top = add_point(h.d, 300.3, 100.7);
    const int bottom = add_point(h.d, 300.3, 200.7);
    const int flat = add_object(h.d, otype::kSegment, 2, {a, b});
    const int upright = add_object(h.d, otype::kSegment, 2, {top, bottom});
    EXPECT_EQ(h.pick({150, 104}), flat);
    EXPECT_EQ(h.pick({150, 106}), 0);
    EXPECT_EQ(h.pick({200, 120}), 0);   // far from everything
    EXPECT_EQ(h.pick({303, 150}), upright);
    EXPECT_EQ(h.pick({97, 101}), a);  // points come first
}

TEST(PickNearestHideButton, FootAtAnEndHitsBeyondItDoesNot)
{
    HideButtonPick h;
    const int a = add_point(h.d, 100, 100);
    const int b = add_point(h.d, 200, 100);
    const int seg = add_object(h.d, otype::kSegment, 2, {a, b});
    // Move the ends out of the point pass's reach by hiding them in another block.
    h.d.table[a].block = 9;
    h.d.table[b].block = 9;
    h.d.table[seg].block = 1;
    h.d.table.current_block() = 1;
    EXPECT_EQ(pick_nearest(h.d, {200, 103}, 1), seg);
    EXPECT_EQ(pick_nearest(h.d, {202, 101}, 1), 0);
}

TEST(PickNearestHideButton, CurvesDisplaceSegmentsNotTheOtherWayRound)
{
    for (bool circle_first : {false, true}) {
        HideButtonPick h;
        const int a = add_point(h.d, 100, 200);
        const int b = add_point(h.d, 300, 200);
        const int c = add_point(h.d, 200, 300);
        const int r = add_point(h.d, 200, 202);  // circle of radius 98 around c
        if (!circle_first)
            add_object(h.d, otype::kSegment, 2, {a, b});
        const int circle = add_object(h.d, otype::kCircle, 2, {c, r});
        if (circle_first)
            add_object(h.d, otype::kSegment, 2, {a, b});
        EXPECT_EQ(h.pick({180, 201}), circle) << circle_first;
    }
}

TEST(PickNearestHideButton, OverlappingSegmentsPreferTheNearerMidpoint)
{
    HideButtonPick h;
    const int a = add_point(h.d, 100, 100);
    const int b = add_point(h.d, 200, 100);
    const int c = add_point(h.d, 150, 100);
    const int e = add_point(h.d, 400, 100);
    const int first = add_object(h.d, otype::kSegment, 2, {a, b});   // midpoint 150
    const int second = add_object(h.d, otype::kSegment, 2, {c, e});  // midpoint 275
    EXPECT_EQ(h.pick({170, 103}), first);
    EXPECT_EQ(h.pick({190, 103}), first);  // 40 vs 85 from the midpoints
    EXPECT_EQ(h.pick({195, 104}), first);
    // Where the first one ends only the second is hit.
    EXPECT_EQ(h.pick({260, 103}), second);
}

TEST(PickNearestHideButton, CirclesArcsAndFills)
{
    HideButtonPick h;
    const int c = add_point(h.d, 300, 300);
    const int p0 = add_polar(h.d, 300, 300, 100, 0);
    const int p90 = add_polar(h.d, 300, 300, 100, 90);
    const int arc = add_object(h.d, otype::kArc, 2, {c, p0, p90});
    EXPECT_EQ(h.pick(polar_mouse(300, 300, 102, 45)), arc);
    EXPECT_EQ(h.pick(polar_mouse(300, 300, 102, 200)), 0);  // on the rim, outside the arc

    HideButtonPick fills;
    const int fc = add_point(fills.d, 300, 300);
    const int f300 = add_polar(fills.d, 300, 300, 100, 300);
    const int f60 = add_polar(fills.d, 300, 300, 100, 60);
    const int pie = add_object(fills.d, otype::kFillPie, 3, {fc, f300, f60});
    EXPECT_EQ(fills.pick(polar_mouse(300, 300, 50, 10)), pie);
    EXPECT_EQ(fills.pick(polar_mouse(300, 300, 50, 330)), pie);
    EXPECT_EQ(fills.pick(polar_mouse(300, 300, 50, 180)), 0);
    EXPECT_EQ(fills.pick(polar_mouse(300, 300, 103, 10)), 0);  // outside the disc

    HideButtonPick discs;
    const int dc = add_point(discs.d, 300, 300);
    const int disc = add_object(discs.d, otype::kFillCircle, 3, {dc, add_point(discs.d, 340, 300)});
    EXPECT_EQ(discs.pick({330, 300}), disc);
    EXPECT_EQ(discs.pick({300, 339}), disc);
    EXPECT_EQ(discs.pick({300, 340}), 0);  // only strictly inside: not on the rim
    EXPECT_EQ(discs.pick({300, 343}), 0);

    // A chord is the side away from the centre.
    HideButtonPick chords;
    const int cc = add_point(chords.d, 300, 300);
    const int chord = add_object(chords.d, otype::kFillChord, 3,
                                 {cc, add_polar(chords.d, 300, 300, 100, 0), add_polar(chords.d, 300, 300, 100, 90)});
    EXPECT_EQ(chords.pick(polar_mouse(300, 300, 90, 45)), chord);
    EXPECT_EQ(chords.pick(polar_mouse(300, 300, 50, 45)), 0);  // between centre and chord
}

TEST(PickNearestHideButton, TriangleFillAndMarks)
{
    HideButtonPick h;
    const int a = add_point(h.d, 100, 100);
    const int b = add_point(h.d, 300, 100);
    const int c = add_point(h.d, 200, 250);
    const int tri = add_object(h.d, otype::kFillTriangle, 3, {a, b, c});
    EXPECT_EQ(h.pick({200, 150}), tri);
    EXPECT_EQ(h.pick({120, 200}), 0);

    HideButtonPick marks;
    const int v = add_point(marks.d, 100, 400);
    const int p = add_point(marks.d, 300, 400);
    const int q = add_polar(marks.d, 100, 400, 200, 45);
    const int angle = add_object(marks.d, otype::kAngleMark, 4, {p, v, q});
    marks.d.table[angle].size = 4;  // radius 25
    const int seg_mark = add_object(marks.d, otype::kSegmentMark, 4, {v, p});
    EXPECT_EQ(marks.pick(polar_mouse(100, 400, 25, 40)), angle);
    EXPECT_EQ(marks.pick({200, 390}), seg_mark);  // the dimension line 10 above
    add_object(marks.d, otype::kRadiusMark, 4, {v, p});
    EXPECT_EQ(marks.pick({200, 400}), 0);  // radius marks are never found
}

TEST(PickNearestHideButton, ConicThroughItsLastSamples)
{
    HideButtonPick h;
    const int a = add_point(h.d, 300, 300);
    const int b = add_point(h.d, 400, 300);
    const int c = add_point(h.d, 300, 350);
    const int e = add_object(h.d, otype::kEllipse, 2, {a, b, c});
    EXPECT_EQ(h.pick({371, 335}), 0);  // never painted: no samples
    conic_points(h.d, e);
    EXPECT_EQ(h.pick({371, 335}), e);
    EXPECT_EQ(h.pick({350, 300}), 0);
}

TEST(PickNearest, BlockOnlyKeepsToTheCurrentBlock)
{
    Diagram d;
    const int p0 = add_point(d, 100, 100);
    const int p1 = add_point(d, 103, 100);
    const int p2 = add_point(d, 110, 100);
    d.table[p0].block = 0;
    d.table[p1].block = 1;
    d.table[p2].block = 2;
    d.table.current_block() = 2;
    EXPECT_EQ(pick_nearest(d, {100, 100}, 1), p2);
    EXPECT_EQ(pick_nearest(d, {100, 100}, 0), p0);
    d.table.current_block() = 0;
    EXPECT_EQ(pick_nearest(d, {100, 100}, 1), p0);
}

TEST(PickNearest, EmptyDrawingFindsNothing)
{
    Diagram d;
    d.table.picked_index() = 33;
    EXPECT_EQ(pick_nearest(d, {0, 0}), 0);
    EXPECT_EQ(d.table.picked_index(), 0);
    EXPECT_EQ(d.table.record_count(), 20);
}
