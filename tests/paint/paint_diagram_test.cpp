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
    add_object(d, otype::kCircle, 2, {m, a});
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
