// The red highlight of the object selected in the Script Manager, by type.

#include <gtest/gtest.h>

#include <algorithm>

#include "construct/show_sel_obj.h"
#include "script_fixture.h"
#include "support/call_log.h"
#include "support/golden_file.h"

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

// Every kind of marker, compared call by call with a golden log
// (construct/highlight.log).
TEST_F(HighlightTest, EveryKindMatchesTheGoldenLog)
{
    std::vector<int> objects{b};
    Dpoint mid(103, "M");  // a type without a marker of its own: marked at its position
    mid.cls = 1;
    mid.arg = {a, b};
    mid.x = 200;
    mid.y = 200;
    objects.push_back(add_obj(host.d, mid));
    for (int type : {135, 184, 186, 187})
        objects.push_back(host.object(type, 2, {a, b}));
    objects.push_back(host.object(136, 2, {c, a}));
    objects.push_back(host.object(222, 2, {a, b, c}));
    const int fill = host.object(143, 3, {a, b, c});
    host.t()[fill].name_dx = 4;  // three corners and the closing one
    host.t()[fill].size = 2;     // a copy fill: the highlight still masks
    objects.push_back(fill);
    const int angle = host.object(182, 4, {a, c, b});
    host.t()[angle].size = 3;
    objects.push_back(angle);
    Dpoint text(180, "x");
    text.cls = 6;
    text.set_text("Given");
    text.x = 50;
    text.y = 60;
    objects.push_back(add_obj(host.d, text));
    objects.push_back(host.object(181, 4, {a, b}));
    objects.push_back(host.object(192, 2, {host.point(200, 200, "O"), b, c}));

    std::string log;
    for (int k : objects) {
        highlight(k);
        log += "object " + std::to_string(k) + " type " + std::to_string(host.t().get(k).type) + "\n" +
               call_log(host.dc);
        // What the context held before is back.
        EXPECT_EQ(host.dc.pen(), kBlackPen) << k;
        EXPECT_EQ(host.dc.brush(), kWhiteBrush) << k;
        EXPECT_EQ(host.dc.rop2(), Rop2::Copy) << k;
    }
    EXPECT_EQ(host.repaints, static_cast<int>(objects.size()));
    EXPECT_EQ(host.open_operations, host.repaints);
    EXPECT_EQ(host.mouse_operations, host.repaints);
    expect_golden_file("construct", "highlight.log", log);
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
