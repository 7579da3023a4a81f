// The red highlight of the object selected in the Script Manager, by type.

#include <gtest/gtest.h>

#include <algorithm>

#include "construct/show_sel_obj.h"
#include "script_fixture.h"

using script_test::ScriptHost;

namespace {

// Centres of the circles (full arcs or ellipses) of the given radius drawn in red.
std::vector<DevPoint> red_circles(const RecordingDC& dc, int radius)
{
    std::vector<DevPoint> out;
    for (const RecordedCall& c : dc.drawing_calls()) {
        if ((c.op != "arc" && c.op != "ellipse") || c.state.pen.colour != kRed)
            continue;
        if (c.args[2] - c.args[0] == 2 * radius && c.args[3] - c.args[1] == 2 * radius)
            out.push_back({c.args[0] + radius, c.args[1] + radius});
    }
    std::sort(out.begin(), out.end(), [](DevPoint a, DevPoint b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    return out;
}

std::vector<DevPoint> sorted(std::vector<DevPoint> v)
{
    std::sort(v.begin(), v.end(), [](DevPoint a, DevPoint b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
    return v;
}

constexpr Brush kGreyCrossHatch{BrushKind::Hatched, kGrey, HatchStyle::DiagonalCross};

class HighlightTest : public ::testing::Test {
protected:
    HighlightTest()
    {
        a = host.point(100, 200, "A");
        b = host.point(300, 200, "B");
        c = host.point(200, 100, "C");
    }
    // Highlights object k and returns the drawing calls.
    void highlight(int k)
    {
        host.dc.clear();
        show_sel_obj(host, -1, k - 20);
    }
    ScriptHost host;
    int a = 0, b = 0, c = 0;
};

}  // namespace

TEST_F(HighlightTest, PointsGetACrossAndTheDrawingIsRepaintedFirst)
{
    highlight(b);
    EXPECT_EQ(host.repaints, 1);
    EXPECT_EQ(host.open_operations, 1);
    EXPECT_EQ(host.mouse_operations, 1);
    EXPECT_EQ(red_circles(host.dc, 5), (std::vector<DevPoint>{{300, 200}}));
    const auto strokes = host.dc.calls_named("line_to");
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[0].state.pen, (Pen{kRed, 1, PenStyle::Solid}));
    // The pen the context held before is back.
    EXPECT_EQ(host.dc.pen(), kBlackPen);

    // Any other type without a marker of its own is marked at its own position.
    Dpoint mid(103, "M");
    mid.cls = 1;
    mid.arg = {a, b};
    mid.x = 200;
    mid.y = 200;
    const int m = add_obj(host.d, mid);
    highlight(m);
    EXPECT_EQ(red_circles(host.dc, 5), (std::vector<DevPoint>{{200, 200}}));
}

TEST_F(HighlightTest, SegmentsAndArrowsGetEndCrossesAndTrisectionRings)
{
    for (int type : {135, 184, 186, 187}) {
        const int k = host.object(type, 2, {a, b});
        highlight(k);
        EXPECT_EQ(red_circles(host.dc, 5), (std::vector<DevPoint>{{100, 200}, {300, 200}})) << type;
        EXPECT_EQ(red_circles(host.dc, 4), (std::vector<DevPoint>{{166, 200}, {233, 200}})) << type;
    }
}

TEST_F(HighlightTest, CirclesGetFourRingsAndTheThreePointCircleItsCircumcircle)
{
    const int circle = host.object(136, 2, {c, a});
    highlight(circle);
    // Centre C (200, 100), radius |CA| = 141.42 cut to 141.
    EXPECT_EQ(red_circles(host.dc, 4), sorted({{341, 100}, {59, 100}, {200, 241}, {200, -41}}));

    const int three = host.object(222, 2, {a, b, c});
    highlight(three);
    // The circle through A, B, C has its centre at (200, 200) and radius 100.
    EXPECT_EQ(red_circles(host.dc, 4), sorted({{300, 200}, {100, 200}, {200, 300}, {200, 100}}));
}

TEST_F(HighlightTest, FillsAndAngleMarksAreCrossHatchedInGrey)
{
    const int fill = host.object(143, 3, {a, b, c});
    host.t()[fill].name_dx = 4;  // three corners and the closing one
    host.t()[fill].size = 2;     // a copy fill: the highlight still masks
    highlight(fill);
    const auto polygons = host.dc.calls_named("polygon");
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].state.brush, kGreyCrossHatch);
    EXPECT_EQ(polygons[0].state.rop, Rop2::Mask);
    EXPECT_EQ(host.dc.brush(), kWhiteBrush);
    EXPECT_EQ(host.dc.rop2(), Rop2::Copy);

    const int mark = host.object(182, 4, {a, c, b});
    host.t()[mark].size = 3;
    highlight(mark);
    const auto pies = host.dc.calls_named("pie");
    ASSERT_EQ(pies.size(), 1u);
    EXPECT_EQ(pies[0].state.brush, kGreyCrossHatch);
    EXPECT_EQ(pies[0].state.pen.colour, kRed);
    EXPECT_EQ(host.dc.brush(), kWhiteBrush);
}

TEST_F(HighlightTest, TextsAreWrittenAgainInRed)
{
    Dpoint text(180, "x");
    text.cls = 6;
    text.set_text("Given");
    text.x = 50;
    text.y = 60;
    const int k = add_obj(host.d, text);
    highlight(k);
    const auto texts = host.dc.calls_named("text_out");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Given");
    EXPECT_EQ(texts[0].state.text_colour, kRed);
}

TEST_F(HighlightTest, SegmentMarksGetMarkersOnTheirShaft)
{
    const int mark = host.object(181, 4, {a, b});
    highlight(mark);
    // Crosses at the two ends of the dimension line beside AB, not at A and B.
    const auto crosses = red_circles(host.dc, 5);
    ASSERT_EQ(crosses.size(), 2u);
    EXPECT_NE(crosses[0].y, 200);
    EXPECT_EQ(red_circles(host.dc, 4).size(), 2u);
}

TEST_F(HighlightTest, ArcsGetRingsAtTheirEndsAndMiddle)
{
    // Centre A' (200, 200), from B' (300, 200) counter-clockwise to C (200, 100).
    const int centre = host.point(200, 200, "O");
    const int arc = host.object(192, 2, {centre, b, c});
    highlight(arc);
    EXPECT_EQ(red_circles(host.dc, 4), sorted({{300, 200}, {200, 100}, {271, 129}}));
}

TEST_F(HighlightTest, AnArcStopsAtItsFirstUnplacedMarkerPoint)
{
    const int centre = host.point(200, 200, "O");
    const int failed = host.point(0, 0, "F");
    const int arc = host.object(192, 2, {centre, failed, c});
    highlight(arc);
    EXPECT_TRUE(red_circles(host.dc, 4).empty());
    // The capture and the context are released as on every path.
    EXPECT_EQ(host.open_operations, 1);
    EXPECT_EQ(host.mouse_operations, 1);
}

TEST_F(HighlightTest, NothingAtAllWhilePaintingIsSwitchedOff)
{
    host.t().repaint_switch() = 0;
    highlight(b);
    EXPECT_EQ(host.repaints, 0);
    EXPECT_EQ(host.open_operations, 0);
    EXPECT_TRUE(host.dc.drawing_calls().empty());
}

TEST_F(HighlightTest, UnplacedObjectsAndMissingLinesGetNoMarker)
{
    const int failed = host.point(0, 0, "F");
    highlight(failed);
    EXPECT_TRUE(red_circles(host.dc, 5).empty());
    // A line past the table repaints and marks nothing.
    highlight(80);
    EXPECT_TRUE(host.dc.drawing_calls().empty());
    EXPECT_EQ(host.mouse_operations, 2);
}
