#include "paint/feedback.h"

#include <gtest/gtest.h>

#include "paint_fixture.h"

using namespace paint_test;

TEST(DrawArcCpq, FullCircleOnScreenHollowEllipseOnPaper)
{
    for (bool printing : {false, true}) {
        Diagram d;
        const int c = add_point(d, 100, 100);
        const int p = add_point(d, 130, 140);
        if (printing)
            print_mode(d, 1.0);
        RecordingDC dc;
        draw_arc_cpq(d, dc, c, p, p);
        const auto drawn = dc.drawing_calls();
        ASSERT_EQ(drawn.size(), 1u);
        if (printing) {
            EXPECT_EQ(drawn[0].canonical, "ellipse(70,70,170,170)");
            EXPECT_EQ(drawn[0].state.brush, kHollowBrush);
        } else {
            EXPECT_EQ(drawn[0].canonical, "arc(50,50,150,150,130,140,130,140)");
        }
        EXPECT_EQ(drawn[0].state.bk_mode, BkMode::Transparent);
        EXPECT_EQ(dc.brush(), kWhiteBrush);
    }
}

TEST(DrawArcCpq, ArcFromPCounterClockwiseToQAndNothingForAMissingPoint)
{
    Diagram d;
    const int c = add_point(d, 100, 100);
    const int p = add_point(d, 150, 100);
    const int q = add_point(d, 100, 50);
    const int failed = add_point(d, 0, 0);
    const int left_edge = add_point(d, 0, 100);  // one coordinate 0 is a position
    RecordingDC dc;
    draw_arc_cpq(d, dc, c, p, q);
    draw_arc_cpq(d, dc, c, failed, q);
    draw_arc_cpq(d, dc, failed, p, q);
    draw_arc_cpq(d, dc, c, p, failed);
    draw_arc_cpq(d, dc, c, left_edge, left_edge);
    EXPECT_EQ(dc.drawing_log(), (std::vector<std::string>{"arc(50,50,150,150,150,100,100,50)",
                                                          "arc(0,0,200,200,0,100,0,100)"}));
}

TEST(Markers, CrossNeedsBothDeviceCoordinates)
{
    Diagram d;
    const int p = add_point(d, 50, 60);
    const int edge = add_point(d, 0, 60);
    RecordingDC dc;
    draw_cross(d, dc, edge);
    EXPECT_TRUE(dc.drawing_log().empty());
    draw_cross(d, dc, p);
    EXPECT_EQ(dc.drawing_log(), (std::vector<std::string>{"arc(45,55,55,65,45,60,45,60)",
                                                          "line_to(55,60)", "line_to(50,65)"}));
    EXPECT_EQ(dc.pen(), kMarkerPen);  // left selected for the caller
}

TEST(Markers, SegmentMarkerHasCrossesAndTrisectionCircles)
{
    Diagram d;
    const int a = add_point(d, 30, 60);
    const int b = add_point(d, 90, 60);
    const int edge = add_point(d, 0, 90);
    RecordingDC dc;
    draw_marker2(d, dc, a, b);
    const auto arcs = dc.calls_named("arc");
    ASSERT_EQ(arcs.size(), 4u);
    EXPECT_EQ(arcs[2].canonical, "arc(66,56,74,64,66,60,66,60)");  // a third from b
    EXPECT_EQ(arcs[3].canonical, "arc(46,56,54,64,46,60,46,60)");  // a third from a
    // An end at x 0 gets no cross but the circles are drawn.
    RecordingDC edge_dc;
    draw_marker2(d, edge_dc, edge, b);
    EXPECT_EQ(edge_dc.count("arc"), 3u);
    // A missing end suppresses the marker.
    RecordingDC none;
    draw_marker2(d, none, add_point(d, 0, 0), b);
    EXPECT_TRUE(none.log().empty());
}

TEST(Markers, CircleMarkerAtTheFourExtremes)
{
    Diagram d;
    const int c = add_point(d, 100, 100);
    const int p = add_point(d, 130, 140);  // radius 50
    RecordingDC dc;
    draw_marker4(d, dc, c, p);
    EXPECT_EQ(dc.drawing_log(), (std::vector<std::string>{
                                    "arc(146,96,154,104,146,100,146,100)",
                                    "arc(46,96,54,104,46,100,46,100)",
                                    "arc(96,146,104,154,96,150,96,150)",
                                    "arc(96,46,104,54,96,50,96,50)"}));
    EXPECT_EQ(dc.calls_named("arc")[0].state.pen, kMarkerPen);
}

TEST(RubberLines, ParallelLineAcrossTheSquare)
{
    Diagram d;
    const int a = add_point(d, 100, 200);
    const int c = add_point(d, 300, 300);
    const int up = add_point(d, 100.00005, 500);
    const int far_a = add_point(d, 1500, 1500);
    const int far_c = add_point(d, 1600, 1400);
    const struct {
        int a, b, c;
        std::string line;
    } cases[] = {
        {a, a, c, "0,150-1300,800"},        // the line through a and c
        {a, a, 0, "0,200-1300,200"},        // c 0: horizontal through a
        {a, up, a, "100,0-100,1300"},       // within 0.0001 of vertical
        {far_a, far_a, far_c, "0,0-1300,1300"},  // misses the square
    };
    for (const auto& k : cases) {
        RecordingDC dc;
        draw_rubber_line(d, dc, 1, k.a, k.b, k.c);
        EXPECT_EQ(lines(dc), std::vector<std::string>{k.line});
        EXPECT_EQ(dc.calls_named("line_to")[0].state.pen, kRubberPen);
        EXPECT_EQ(dc.pen(), kBlackPen);
    }
    RecordingDC wipe;
    draw_rubber_line(d, wipe, 0, a, a, c);
    EXPECT_EQ(wipe.calls_named("line_to")[0].state.pen, kWhitePen);
}

TEST(RubberLines, PerpendicularLineAcrossTheSquare)
{
    Diagram d;
    const int a = add_point(d, 500, 500);
    const int b = add_point(d, 600, 600);
    const int right = add_point(d, 600, 500);
    const int below = add_point(d, 500, 600);
    const struct {
        int b, c;
        std::string line;
    } cases[] = {
        {b, a, "0,1000-1000,0"},
        {right, a, "500,0-500,1000"},   // bc horizontal: vertical perpendicular
        {below, a, "0,500-1000,500"},   // bc vertical: horizontal perpendicular
    };
    for (const auto& k : cases) {
        RecordingDC dc;
        draw_rubber_line2(d, dc, 1, a, k.b, k.c);
        EXPECT_EQ(lines(dc), std::vector<std::string>{k.line});
    }
}

TEST(RubberLines, CircleOfRadiusPQAroundC)
{
    Diagram d;
    const int c = add_point(d, 100, 100);
    const int p = add_point(d, 10, 10);
    const int q = add_point(d, 40, 50);
    RecordingDC dc;
    draw_arc_cd(d, dc, 1, c, p, q);
    EXPECT_EQ(dc.drawing_log(), std::vector<std::string>{"arc(50,50,150,150,50,100,50,100)"});
    EXPECT_EQ(dc.calls_named("arc")[0].state.pen, kRubberPen);
    EXPECT_EQ(dc.pen(), kBlackPen);
}
