#include "paint/paint_diagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "model/find_object.h"
#include "paint/buttons.h"
#include "paint/conics.h"
#include "paint/draw_objects.h"
#include "paint/fills.h"
#include "paint/loci.h"
#include "paint/marks.h"
#include "paint_fixture.h"
#include "platform/image_dc.h"
#include "platform/surface.h"

using namespace paint_test;

namespace {

constexpr int kMidpoint = 103;

bool has_line(const RecordingDC& dc, const std::string& line)
{
    const auto all = lines(dc);
    return std::find(all.begin(), all.end(), line) != all.end();
}

std::vector<std::string> texts(const RecordingDC& dc)
{
    std::vector<std::string> out;
    for (const auto& c : dc.calls_named("text_out"))
        out.push_back(c.canonical);
    return out;
}

}  // namespace

TEST(PaintDiagram, NewDrawingPaintsOnlyTheOverlays)
{
    RecordingNeighbours n;
    Diagram d(&n);
    RecordingDC dc;
    paint_diagram(d, dc, 1);
    EXPECT_TRUE(dc.drawing_log().empty());
    EXPECT_EQ(n.calls, (std::vector<std::string>{"draw_driving_points", "draw_loci"}));
    EXPECT_EQ(d.table.record_count(), 20);
}

TEST(PaintDiagram, ResolvingOnlyDrawsNothingYetMovesPointsAndQuantities)
{
    RecordingNeighbours n;
    Diagram d(&n);
    const int a = add_point(d, 100, 100);
    const int b = add_point(d, 200, 100);
    const int m = add_object(d, kMidpoint, 1, {a, b});
    d.table.last_quantity() = 1;
    d.table.recompute() = 1;  // as the animation step sets it
    RecordingDC dc;
    paint_diagram(d, dc, 0);
    EXPECT_TRUE(dc.log().empty());
    EXPECT_EQ(d.table.get(m).x, 150);
    EXPECT_EQ(n.calls, (std::vector<std::string>{"eval_qty(0,0)", "eval_qty(1,0)"}));
}

TEST(PaintDiagram, ARepaintDrawsStoredPositionsADragResolvesThem)
{
    Diagram d;
    const int a = add_point(d, 100, 100);
    const int b = add_point(d, 200, 100);
    const int m = add_object(d, kMidpoint, 1, {a, b});
    place(d, m, 150, 100);
    add_object(d, kCircleType, 2, {m, a});
    place(d, a, 120, 100);

    d.table.recompute() = 0;
    RecordingDC repaint;
    paint_diagram(d, repaint, 1);
    // The stale centre (150, 100) through the moved point: radius 30.
    EXPECT_EQ(repaint.calls_named("arc").at(0).canonical, "arc(120,70,180,130,120,100,120,100)");

    d.table.recompute() = 1;
    d.table.dragged_index() = a;
    RecordingDC drag;
    paint_diagram(d, drag, 1);
    EXPECT_EQ(drag.calls_named("arc").at(0).canonical, "arc(120,60,200,140,120,100,120,100)");
}

TEST(PaintDiagram, LayersPutCirclesUnderSegmentsAndPointsOnTop)
{
    Diagram d;
    const int a = add_point(d, 100, 100);
    const int b = add_point(d, 300, 100);
    add_object(d, kSegmentType, 2, {a, b});
    const int c = add_point(d, 200, 100);
    const int r = add_point(d, 200, 150);
    add_object(d, kCircleType, 2, {c, r});
    add_text(d, 10, 300, "hello", 4);
    for (int k : {a, b, c, r})
        d.table[k].name_shown = 0;
    d.table.recompute() = 0;
    RecordingDC dc;
    paint_diagram(d, dc, 1);
    std::vector<std::string> order;
    for (const auto& call : dc.drawing_calls())
        order.push_back(call.op);
    EXPECT_EQ(order, (std::vector<std::string>{"arc", "line_to", "text_out", "ellipse", "ellipse",
                                               "ellipse", "ellipse"}));
}

// The painter hands the print mode on: a point of size 3 and a text object
// of size 4 on screen and on paper (scale 6, origin shifted by 20).
TEST(PaintDiagram, PointEllipseAndTextFontHeightOnScreenAndPaper)
{
    for (bool printing : {false, true}) {
        Diagram d;
        const int p = add_point(d, 100, 50);
        d.table[p].size = 3;
        d.table[p].name_shown = 0;
        add_text(d, 50, 60, "Note", 4);
        d.table.recompute() = 0;
        if (printing)
            print_mode(d);
        RecordingDC dc;
        paint_diagram(d, dc, 1);
        const auto ellipses = dc.calls_named("ellipse");
        ASSERT_EQ(ellipses.size(), 1u);
        EXPECT_EQ(ellipses[0].canonical, printing ? "ellipse(702,402,738,438)" : "ellipse(97,47,103,53)");
        const auto text = dc.calls_named("text_out");
        ASSERT_EQ(text.size(), 1u);
        EXPECT_EQ(text[0].state.font.height, printing ? 72 : 18);
        EXPECT_EQ(text[0].text, "Note");
    }
}

TEST(PaintDiagram, UnitRulerAtTheDefaultUnit)
{
    RecordingNeighbours n;
    Diagram d(&n);
    d.table.last_quantity() = 0;
    RecordingDC dc;
    paint_diagram(d, dc, 1);
    EXPECT_EQ(n.calls, (std::vector<std::string>{"eval_qty(0,0)", "eval_qty(0,2)",
                                                 "draw_driving_points", "draw_loci"}));
    // The arrow from 45 to 95 with its head at 95, the ring at 45, ticks at 65 and 85.
    EXPECT_TRUE(has_line(dc, "95,17-45,17"));
    EXPECT_TRUE(has_line(dc, "95,17-87,14"));
    EXPECT_TRUE(has_line(dc, "95,17-87,20"));
    EXPECT_TRUE(has_line(dc, "65,15-65,19"));
    EXPECT_TRUE(has_line(dc, "85,15-85,19"));
    EXPECT_EQ(dc.calls_named("ellipse").at(0).canonical, "ellipse(43,15,47,19)");
    EXPECT_EQ(texts(dc), (std::vector<std::string>{"text_out(63,2,\"1\")", "text_out(83,2,\"2\")",
                                                   "text_out(1,2,\"unit\")"}));
    for (const auto& call : dc.drawing_calls()) {
        if (call.op == "text_out")
            EXPECT_EQ(call.state.text_colour, kGreen);
        else
            EXPECT_EQ(call.state.pen.colour, kGreen) << call.canonical;
    }
    // The ruler overwrote records 5 and 6 only.
    EXPECT_EQ(d.table.get(5).x, 45);
    EXPECT_EQ(d.table.get(6).x, 95);
}

TEST(PaintDiagram, UnitRulerWithAUnitSegment)
{
    const struct {
        int segment;  // 0: the static unit
        double unit;
        int first_tick;
        std::string first, second;
    } cases[] = {
        {21, 10.0, 75, "3", "6"},   // step 30
        {21, 7.5, 75, "4", "8"},
        {21, 45.0, 90, "1", "2"},   // step 45
        {0, 12.0, 57, "1", "2"},    // step 12
    };
    for (const auto& c : cases) {
        Diagram d;
        d.table.last_quantity() = 0;
        d.table.unit_segment_a() = c.segment;
        d.table.unit_length() = c.unit;
        RecordingDC dc;
        draw_unit(d, dc);
        const int step = c.first_tick - 45;
        const std::string tick = std::to_string(c.first_tick);
        EXPECT_TRUE(has_line(dc, tick + ",15-" + tick + ",19")) << c.unit;
        EXPECT_EQ(texts(dc).at(0), "text_out(" + std::to_string(43 + step) + ",2,\"" + c.first + "\")");
        EXPECT_EQ(texts(dc).at(1),
                  "text_out(" + std::to_string(43 + 2 * step) + ",2,\"" + c.second + "\")");
        EXPECT_EQ(d.table.unit_length(), c.unit);
    }
}

TEST(PaintDiagram, ClipboardCopyLeavesOutTheWindowOverlaysButNotTheTraces)
{
    RecordingNeighbours n;
    Diagram d(&n);
    const int p = add_point(d, 100, 100);
    d.table[p].name_shown = 0;
    d.table.last_quantity() = 0;
    d.table.last_locus() = 0;
    d.table.last_driver() = 0;
    d.table.locus_kind(0) = kLocusPoint;
    d.table.locus_object(0) = p;
    d.locus_lists[0].push_front({50, 60, 0, 0});
    d.table.recompute() = 1;
    g_clip_copy = 1;
    RecordingDC dc;
    paint_diagram(d, dc, 1);
    g_clip_copy = 0;
    EXPECT_TRUE(n.calls.empty());
    EXPECT_TRUE(texts(dc).empty());  // no ruler (the point shows no name)
    EXPECT_EQ(dc.calls_named("ellipse").back().canonical, "ellipse(49,59,51,61)");
}

TEST(PaintDiagram, RecomputingRebuildsTheLoci)
{
    RecordingNeighbours n;
    Diagram d(&n);
    const int p = add_point(d, 100, 100);
    d.table.last_locus() = 0;
    d.table.last_driver() = 0;
    d.table.driver_point(0) = p;
    d.table.anim_steps() = 3;
    d.table.recompute() = 1;
    RecordingDC dc;
    paint_diagram(d, dc, 1);
    EXPECT_EQ(std::count(n.calls.begin(), n.calls.end(), "animation_step"), 3);
    n.calls.clear();
    d.table.recompute() = 0;
    paint_diagram(d, dc, 1);
    EXPECT_EQ(std::count(n.calls.begin(), n.calls.end(), "animation_step"), 0);
}

TEST(DrawOne, PaintsByClassAndAnythingElseAsText)
{
    Diagram d;
    const int text = add_text(d, 10, 10, "odd", 4);
    d.table[text].cls = 9;
    const int a = add_point(d, 100, 100);
    const int b = add_point(d, 200, 100);
    const int m = add_object(d, kMidpoint, 1, {a, b});
    d.table[m].name_shown = 0;
    d.table.recompute() = 1;
    RecordingDC dc;
    EXPECT_EQ(draw_one(d, dc, text), 1);
    EXPECT_EQ(draw_one(d, dc, m), 1);
    EXPECT_EQ(dc.drawing_log(),
              (std::vector<std::string>{"text_out(10,10,\"odd\")", "ellipse(149,99,151,101)"}));
}

TEST(PaintDiagram, EveryObjectTypeOnOnePicture)
{
    RecordingNeighbours n;
    Diagram d(&n);
    const int a = add_point(d, 60, 80, "A");
    const int b = add_point(d, 200, 80, "B");
    const int c = add_point(d, 120, 200, "C1");
    const int m = add_object(d, kMidpoint, 1, {a, b});
    d.table[m].set_name("M");
    d.table[m].name_shown = 1;
    d.table[m].colour = kRed;
    d.table[m].size = 4;
    add_object(d, kSegmentType, 2, {a, b});
    add_object(d, kSegmentType, 2, {b, c}, kBlue);
    const int o = add_point(d, 330, 140, "O");
    const int r = add_point(d, 380, 140, "R");
    const int s = add_point(d, 330, 90, "S");
    add_object(d, kCircleType, 2, {o, r}, kBlue);
    add_object(d, kArcType, 2, {o, s, r}, kRed);
    add_object(d, kOneWayArrow, 2, {c, a}, kGreen);
    add_object(d, kTwoWayArrow, 2, {add_point(d, 30, 260), add_point(d, 200, 260)});
    add_object(d, kCircle3Type, 2, {add_point(d, 480, 60), add_point(d, 540, 120),
                                    add_point(d, 480, 180)});
    add_object(d, kArc3Type, 2, {add_point(d, 600, 60), add_point(d, 660, 110),
                                 add_point(d, 600, 170)}, kRed);
    const int e = add_point(d, 120, 360, "E");
    add_object(d, kEllipse, 2, {e, add_point(d, 190, 360), add_point(d, 120, 330)}, kBlue);
    const int h = add_point(d, 330, 360, "H");
    add_object(d, kHyperbola, 2, {h, add_point(d, 360, 360), add_point(d, 330, 340)});
    add_object(d, kParabola, 2, {add_point(d, 560, 330, "F"), add_point(d, 640, 400),
                                 add_point(d, 480, 400)}, kRed);
    add_object(d, kMarkedSegmentType, 2, {add_point(d, 30, 450), add_point(d, 250, 450)});
    const int tri = add_object(d, kFillTriangle, 3, {a, b, c}, kGreen);
    d.table[tri].name_dx = 4;
    d.table[tri].pen_style = kSolidFillStyle;
    d.table[tri].size = 1;
    const int disc = add_object(d, kFillCircle, 3, {add_point(d, 330, 500), add_point(d, 370, 500)},
                                rgb(255, 200, 0));
    d.table[disc].pen_style = 4;
    d.table[disc].size = 1;
    const int q = add_point(d, 480, 520);
    const int q1 = add_point(d, 540, 520);
    const int q2 = add_point(d, 480, 460);
    const int chord = add_object(d, kFillChord, 3, {q, q1, q2}, kBlue);
    d.table[chord].pen_style = kSolidFillStyle;
    d.table[chord].size = 2;
    const int pie = add_object(d, kFillPie, 3, {add_point(d, 650, 520), add_point(d, 700, 520),
                                                add_point(d, 650, 470)}, kRed);
    d.table[pie].pen_style = kSolidFillStyle;
    d.table[pie].size = 3;
    const int poly = add_object(d, kFillPolygon, 3,
                                {add_point(d, 700, 200), add_point(d, 760, 220),
                                 add_point(d, 740, 300), add_point(d, 690, 280)}, kGreen);
    d.table[poly].name_dx = 5;
    d.table[poly].pen_style = 1;
    d.table[poly].size = 2;
    const int seg_mark = add_object(d, kSegmentMark, 4, {a, b}, kRed);
    d.table[seg_mark].set_name("a");
    d.table[seg_mark].name_shown = 1;
    const int angle = add_object(d, kAngleMark, 4, {b, a, c}, kBlue);
    d.table[angle].set_name("x");
    d.table[angle].name_shown = 1;
    const int filled = add_object(d, kFilledAngleMark, 4, {a, b, c}, kGreen);
    d.table[filled].size = 3;
    const int radius = add_object(d, kRadiusMark, 4, {o, r}, kRed);
    d.table[radius].set_name("r");
    d.table[radius].name_shown = 1;
    add_text(d, 30, 520, "Every object type", 4);
    const int anim = add_object(d, kAnimationButton, 7, {});
    place(d, anim, 560, 560);
    const int hide = add_object(d, kHideButton, 7, {});
    place(d, hide, 680, 560);
    d.table[hide].set_name("Hide");
    d.table.last_quantity() = 0;
    d.table.recompute() = 1;
    for (int k = rec::kFirstObject; k < d.table.count(); ++k)
        if (d.table.get(k).cls == 1 && k != m)
            d.table[k].size = 2;  // as points are added

    Surface picture(800, 600, kWhite);
    ImageDC dc(picture);
    paint_diagram(d, dc, 1);

    std::filesystem::create_directories(PLEXATOR_TEST_OUTPUT);
    EXPECT_TRUE(picture.save_png(output_path("paint_every_object.png")));
    // Spot checks: the midpoint re-solved and drawn in red, the triangle
    // filled green, the buttons' faces, the ruler in green.
    EXPECT_EQ(d.table.get(m).x, 130);
    EXPECT_EQ(picture.pixel(130, 80), kRed);
    EXPECT_EQ(picture.pixel(130, 120), kGreen);
    EXPECT_EQ(picture.pixel(590, 580), kLightGrey);
    EXPECT_EQ(picture.pixel(95, 17) == kGreen || picture.pixel(94, 17) == kGreen, true);
}
