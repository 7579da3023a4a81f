#include "paint/loci.h"

#include <gtest/gtest.h>

#include "paint_fixture.h"

using namespace paint_test;

namespace {

// A drawing with one driving point and one point locus whose animation step
// moves the driving point along x and records the locus point.
struct LocusDrawing {
    RecordingNeighbours n;
    Diagram d{&n};
    int driver = add_point(d, 100, 100);
    int traced = add_point(d, 200, 200);

    LocusDrawing()
    {
        d.table.last_driver() = 0;
        d.table.driver_point(0) = driver;
        d.table[driver].aux1.set_double(0.25);
        d.table[driver].aux2.set_double(0.75);
        d.table.last_locus() = 0;
        d.table.locus_kind(0) = kLocusPoint;
        d.table.locus_object(0) = traced;
        d.table.anim_steps() = 5;
        n.on_step = [this](Diagram& dd) {
            ObjectTable& t = dd.table;
            t.mouse_x() = 100 + t.anim_step();  // the step borrows the mouse position
            t.picked_index() = driver;
            t.dragged_index() = driver;
            t[driver].x = t.mouse_x();
            t[driver].aux1.set_double(t.anim_step());
            t[traced].x = 200 + 2 * t.anim_step();
            if (t.anim_recording())
                dd.locus_lists[0].push_front({t.get(traced).x, t.get(traced).y, 0, 0});
            trace_positions.push_back(dd.trace_cursor);
        };
    }
    std::vector<std::size_t> trace_positions;
};

}  // namespace

TEST(RecomputeLoci, NothingWithoutADrivingPointOrWithoutALocus)
{
    for (int which : {0, 1}) {
        LocusDrawing l;
        l.d.locus_lists[0].push_front({1, 2, 3, 4});
        if (which == 0)
            l.d.table.last_driver() = -1;
        else
            l.d.table.last_locus() = -1;
        recompute_loci(l.d);
        EXPECT_TRUE(l.n.calls.empty());
        EXPECT_EQ(l.d.locus_lists[0].size(), 1u);
    }
}

TEST(RecomputeLoci, ReplaysACycleAndPutsEverythingBack)
{
    LocusDrawing l;
    ObjectTable& t = l.d.table;
    t.picked_index() = 33;
    t.dragged_index() = 7;
    t.mouse_x() = 412;
    t.mouse_y() = 317;
    t.anim_recording() = 0;
    l.d.self_trace = {{1, 1}, {2, 2}, {3, 3}};
    l.d.trace_cursor = 2;
    l.d.locus_lists[0].push_front({9, 9, 0, 0});
    l.d.locus_lists[3].push_front({9, 9, 0, 0});

    recompute_loci(l.d);

    EXPECT_EQ(l.n.calls.size(), 5u);
    ASSERT_EQ(l.d.locus_lists[0].size(), 5u);
    EXPECT_EQ(l.d.locus_lists[0].front().x1, 210);  // newest first
    EXPECT_EQ(l.d.locus_lists[0].back().x1, 202);
    EXPECT_TRUE(l.d.locus_lists[3].empty());
    // The replay starts at the head of the self-drawn trace.
    EXPECT_EQ(l.trace_positions.front(), 0u);
    // Every object, the driving point's parameters, the indices and the mouse are back.
    EXPECT_EQ(t.get(l.driver).x, 100);
    EXPECT_EQ(t.get(l.traced).x, 200);
    EXPECT_EQ(t.get(l.driver).aux1.as_double(), 0.25);
    EXPECT_EQ(t.get(l.driver).aux2.as_double(), 0.75);
    EXPECT_EQ(t.picked_index(), 33);
    EXPECT_EQ(t.dragged_index(), 7);
    EXPECT_EQ(t.mouse_x(), 412);
    EXPECT_EQ(t.mouse_y(), 317);
    EXPECT_EQ(t.anim_step(), 5);
}

TEST(DrawLocusTraces, DotsSegmentsAndCircles)
{
    Diagram d;
    const int p = add_point(d, 10, 10);
    d.table[p].colour = kBlue;
    const int a = add_point(d, 20, 20);
    const int b = add_point(d, 30, 30);
    const int line = add_object(d, 135, 2, {a, b}, kGreen);
    d.table.last_locus() = 3;
    d.table.locus_kind(0) = kLocusPoint;
    d.table.locus_object(0) = p;
    d.table.locus_kind(1) = kLocusLine;
    d.table.locus_object(1) = line;
    d.table.locus_kind(2) = kLocusCircle;
    d.table.locus_object(2) = line;
    d.table.locus_kind(3) = kLocusFunction;
    d.table.locus_object(3) = line;
    for (int s = 1; s <= 400; ++s)
        d.locus_lists[0].push_front({100.0 + s, 50, 0, 0});
    d.locus_lists[0].push_front({0, 50, 0, 0});  // a failed construction
    for (int s = 1; s <= 40; ++s)
        d.locus_lists[1].push_front({100, 100.0 + s, 200, 100.0 + s});
    d.locus_lists[1].push_front({100, 100, 0, 100});
    d.locus_lists[2].push_front({300, 300, 330, 340});
    d.locus_lists[3].push_front({70, 80, 0, 0});

    RecordingDC dc;
    const Pen caller{kGrey, 3, PenStyle::Dot};
    dc.select_pen(caller);
    draw_locus_traces(d, dc);
    const auto ellipses = dc.calls_named("ellipse");
    ASSERT_EQ(ellipses.size(), 401u);
    EXPECT_EQ(ellipses[0].canonical, "ellipse(499,49,501,51)");
    EXPECT_EQ(ellipses[0].state.pen, (Pen{kBlue, 1, PenStyle::Solid}));
    EXPECT_EQ(ellipses[0].state.brush, solid_brush(kBlue));
    EXPECT_EQ(ellipses[400].state.pen.colour, kRed);  // function graph
    const auto segments = dc.calls_named("line_to");
    ASSERT_EQ(segments.size(), 40u);
    EXPECT_EQ(segments[0].state.pen.colour, kGreen);
    EXPECT_EQ(dc.calls_named("arc").at(0).canonical, "arc(250,250,350,350,250,300,250,300)");
    EXPECT_EQ(dc.pen(), caller);
    EXPECT_EQ(dc.brush(), kWhiteBrush);
}

TEST(DrawLocusTraces, NoLocusNoDrawing)
{
    Diagram d;
    d.locus_lists[0].push_front({50, 50, 0, 0});
    RecordingDC dc;
    draw_locus_traces(d, dc);
    EXPECT_TRUE(dc.log().empty());
}
