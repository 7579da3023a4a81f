#include "animate/animator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "anim_fixture.h"
#include "animate/driver_paths.h"
#include "paint/loci.h"

using namespace anim_test;

namespace {

constexpr int kMidpoint = 103;
constexpr int kOnLine = 110;

struct StepCase {
    int step;
    double x;
    int direction;
};

class SegmentSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(SegmentSteps, TheDriverMovesAlongItsSegmentAndItsDependantsFollow)
{
    SegmentDrive f;
    f.step(GetParam().step);
    EXPECT_DOUBLE_EQ(f.t[f.D].x, GetParam().x);
    EXPECT_DOUBLE_EQ(f.t[f.D].y, 100.0);
    EXPECT_DOUBLE_EQ(f.t[f.M].x, (GetParam().x + 100.0) / 2.0);
    EXPECT_DOUBLE_EQ(f.t[f.M].y, 150.0);
    EXPECT_EQ(f.t.anim_direction(), GetParam().direction);
    EXPECT_EQ(f.t.picked_index(), f.D);
    EXPECT_EQ(f.t.dragged_index(), f.D);
}

// Speed 2 over 4 steps: there and back once per cycle.
INSTANTIATE_TEST_SUITE_P(Table, SegmentSteps,
                         ::testing::Values(StepCase{1, 200, 1}, StepCase{2, 300, 0}, StepCase{3, 200, 0},
                                           StepCase{4, 100, 1}, StepCase{0, 100, 1}));

TEST(DriverPaths, CirclesTurnCounterClockwiseAndSpeedScalesTheLaps)
{
    Drawing f;
    const int c = f.point(200, 200, "C");
    const int p = f.point(260, 200, "P");
    const int circle = f.object(136, 2, {c, p});
    const int d = f.point(0, 0, "D");
    f.drive(d, circle, 2);
    f.t.anim_steps() = 4;
    const std::vector<WorldPoint> expected{{260, 200}, {200, 140}, {140, 200}, {200, 260}, {260, 200}};
    for (int s = 0; s <= 4; ++s) {
        const auto at = path_position(f.t, 0, s);
        ASSERT_TRUE(at.has_value());
        EXPECT_NEAR(at->x, expected[s].x, 1e-9) << s;
        EXPECT_NEAR(at->y, expected[s].y, 1e-9) << s;
    }
    // Speed 1: half a turn per cycle; speed -2 turns the other way.
    f.t.driver_speed(0) = 1;
    EXPECT_NEAR(path_position(f.t, 0, 4)->x, 140, 1e-9);
    f.t.driver_speed(0) = -2;
    EXPECT_NEAR(path_position(f.t, 0, 1)->y, 260, 1e-9);
    // Without a path, or with a path that is no segment or circle, nothing moves.
    f.t.driver_path(0) = 0;
    EXPECT_FALSE(path_position(f.t, 0, 1).has_value());
    f.t.driver_path(0) = c;
    EXPECT_FALSE(path_position(f.t, 0, 1).has_value());
    EXPECT_FALSE(path_position(f.t, 9, 1).has_value());
}

TEST(Animation, APointOnItsLineIsDrivenAlongIt)
{
    SegmentDrive f;
    const int on_line = f.object(kOnLine, 1, {f.S1, f.S2}, "L");
    f.t[on_line].x = 120;
    f.t[on_line].y = 100;
    semi_free_init(f.t, on_line, on_line);
    f.drive(on_line, f.seg, 1);
    f.step(2);
    EXPECT_NEAR(f.t[on_line].x, 200.0, 1e-9);  // speed 1: half way at half the cycle
    EXPECT_NEAR(f.t[on_line].y, 100.0, 1e-9);
    EXPECT_DOUBLE_EQ(f.t[f.D].x, 300.0);
}

TEST(Animation, TheTimerStepsTheAnimationAndThePointLocusRecordsOnlyTheFirstCycle)
{
    SegmentDrive f;
    f.t.anim_steps() = 8;
    f.locus(kLocusPoint, f.M);
    f.host.d.locus_lists[0].push_front({1, 1, 0, 0});  // samples of an earlier run

    f.animation.animator.cm_animation(anim_id::kStart);
    EXPECT_TRUE(f.host.timer_running);
    EXPECT_EQ(f.host.timer_interval, 1);
    EXPECT_EQ(f.t.action_state(), anim_mode::kRunning);
    EXPECT_TRUE(f.host.mem_dc() && f.host.mouse_dc());
    EXPECT_TRUE(f.host.d.locus_lists[0].empty());
    EXPECT_EQ(f.host.panes[1], "Use the RIGHT button to stop the animation");

    for (int i = 1; i <= 8; ++i) {
        f.tick();
        EXPECT_EQ(f.t.anim_step(), i);
        ASSERT_EQ(f.host.d.locus_lists[0].size(), static_cast<std::size_t>(i));
        // Newest first, in device values.
        EXPECT_EQ(f.host.d.locus_lists[0].front().x1, std::round(f.t[f.M].x));
    }
    EXPECT_EQ(f.host.shown, 8);
    f.tick();  // step 0 ends the first cycle
    EXPECT_EQ(f.t.anim_step(), 0);
    EXPECT_EQ(f.t.anim_recording(), 0);
    for (int i = 0; i < 12; ++i)
        f.tick();
    EXPECT_EQ(f.host.d.locus_lists[0].size(), 8u);
    EXPECT_EQ(f.t.anim_step(), 3);  // 1 to 8, 0, 1 to 3

    // The right button's stop: timer first, then the pictures go.
    f.animation.animator.cm_animation(anim_id::kStop);
    EXPECT_FALSE(f.host.timer_running);
    EXPECT_EQ(f.t.action_state(), 0);
    EXPECT_EQ(f.host.mem_dc(), nullptr);
    EXPECT_EQ(f.host.mouse_dc(), nullptr);
    // A tick already queued does nothing.
    const std::size_t shown = f.host.shown;
    f.tick();
    EXPECT_EQ(f.host.shown, shown);
    EXPECT_EQ(f.t.anim_step(), 3);
}

TEST(Animation, AnotherCommandEndsARunningAnimation)
{
    SegmentDrive f;
    f.animation.animator.cm_animation(anim_id::kStart);
    f.tick();
    // A command of another subsystem changed the mode: the next tick stops.
    f.t.action_state() = 11;
    f.tick();
    EXPECT_FALSE(f.host.timer_running);
    EXPECT_EQ(f.host.mem_dc(), nullptr);
    EXPECT_EQ(f.t.anim_step(), 1);
    // An animation command stops it at once.
    f.animation.animator.cm_animation(anim_id::kStart);
    ASSERT_TRUE(f.host.timer_running);
    f.animation.animator.cm_animation(anim_id::kLocusPoint);
    EXPECT_FALSE(f.host.timer_running);
    EXPECT_EQ(f.t.action_state(), anim_mode::kLocusFirst);
}

TEST(Animation, NothingStartsWithoutADriverThatCanMove)
{
    Drawing f;
    f.animation.animator.cm_animation(anim_id::kStart);
    EXPECT_FALSE(f.host.timer_running);
    const int d = f.point(100, 100, "D");
    f.drive(d, 0);
    f.animation.animator.cm_animation(anim_id::kStart);
    EXPECT_FALSE(f.host.timer_running);
    EXPECT_EQ(f.host.panes[1], "Give a driving point a trace first");
}

TEST(Loci, TheNinthLocusIsRefused)
{
    SegmentDrive f;
    f.t.pending_command() = anim_id::kLocusPoint;
    f.t.action_state() = anim_mode::kLocusFirst;
    for (int k = 0; k < kMaxLoci; ++k) {
        f.t.picked_index() = f.M;
        f.animation.animator.cm_animation(anim_id::kLocusFirstPick);
        EXPECT_EQ(f.t.last_locus(), k);
        EXPECT_EQ(f.t.action_state(), anim_mode::kLocusFirst);
    }
    EXPECT_EQ(f.host.panes[3], "Point: M");
    EXPECT_EQ(f.t[f.M].colour, kRed);

    f.t.picked_index() = f.D;
    f.animation.animator.cm_animation(anim_id::kLocusFirstPick);
    EXPECT_EQ(f.t.last_locus(), kMaxLoci - 1);
    EXPECT_EQ(f.t.action_state(), 0);
    EXPECT_EQ(f.host.panes[1], "You cannot select more than eight loci");
    for (int k = 0; k < kMaxLoci; ++k)
        EXPECT_EQ(f.t.locus_object(k), f.M);

    // All eight record a whole cycle; the painter draws them.
    f.t.anim_steps() = 6;
    recompute_loci(f.host.d);
    for (const auto& samples : f.host.d.locus_lists)
        EXPECT_EQ(samples.size(), 6u);
}

TEST(Loci, ALineLocusIsMadeFromTwoPicksAndSampledEveryTenthStep)
{
    SegmentDrive f;
    f.animation.animator.cm_animation(anim_id::kLocusLine);
    EXPECT_EQ(f.host.panes[1], "Select a locus line");
    f.t.picked_index() = f.Q;
    f.animation.animator.cm_animation(anim_id::kLocusFirstPick);
    EXPECT_EQ(f.t.action_state(), anim_mode::kLocusSecond);
    EXPECT_EQ(f.host.panes[3], "Line: Q #");
    f.t.picked_index() = f.M;
    const int count = f.t.count();
    f.animation.animator.cm_animation(anim_id::kLocusSecondPick);
    ASSERT_EQ(f.t.count(), count + 1);
    const int segment = count;
    EXPECT_EQ(f.t[segment].type, 135);
    EXPECT_EQ(f.t.locus_object(0), segment);
    EXPECT_EQ(f.t.action_state(), anim_mode::kLocusFirst);

    f.t.anim_steps() = 40;
    recompute_loci(f.host.d);
    const auto& samples = f.host.d.locus_lists[0];
    ASSERT_EQ(samples.size(), 4u);
    // The last sample is that of step 40: D back at S1, M at (100, 150).
    EXPECT_EQ(samples.front().x2, 100);
    EXPECT_EQ(samples.front().y2, 150);
    EXPECT_EQ(samples.front().x1, 100);
    EXPECT_EQ(samples.front().y1, 200);
    // Positions are given back after the replay.
    EXPECT_DOUBLE_EQ(f.t[f.D].x, 150);

    // A segment picked as itself is the locus at once.
    f.t.picked_index() = f.seg;
    f.animation.animator.cm_animation(anim_id::kLocusFirstPick);
    EXPECT_EQ(f.t.locus_object(1), f.seg);
    EXPECT_EQ(f.t.action_state(), anim_mode::kLocusFirst);
    // A circle locus from its centre and a point.
    f.animation.animator.cm_animation(anim_id::kLocusCircle);
    f.t.picked_index() = f.Q;
    f.animation.animator.cm_animation(anim_id::kLocusFirstPick);
    EXPECT_EQ(f.host.panes[1], "Select a point on the locus circle");
    EXPECT_EQ(f.host.panes[3], "Circle: Q #");
    f.t.picked_index() = f.M;
    f.animation.animator.cm_animation(anim_id::kLocusSecondPick);
    EXPECT_EQ(f.t[f.t.locus_object(2)].type, 136);
}

TEST(Loci, DeletingLociEmptiesTheirLists)
{
    SegmentDrive f;
    f.locus(kLocusPoint, f.M);
    f.locus(kLocusPoint, f.D);
    recompute_loci(f.host.d);
    ASSERT_EQ(f.host.d.locus_lists[1].size(), 4u);
    f.animation.animator.cm_animation(anim_id::kDeleteLastLocus);
    EXPECT_EQ(f.t.last_locus(), 0);
    EXPECT_TRUE(f.host.d.locus_lists[1].empty());
    EXPECT_EQ(f.host.d.locus_lists[0].size(), 4u);
    f.animation.animator.cm_animation(anim_id::kDeleteAllLoci);
    EXPECT_EQ(f.t.last_locus(), -1);
    EXPECT_TRUE(f.host.d.locus_lists[0].empty());
    f.animation.animator.cm_animation(anim_id::kDeleteLastLocus);
    EXPECT_EQ(f.t.last_locus(), -1);
}

TEST(FunctionGraph, PlotsAQuantityOverTheDriversFootOnItsAxis)
{
    SegmentDrive f;
    const int x1 = f.point(100, 250, "X");
    const int x2 = f.point(300, 250, "Y");

    // Without a quantity the graph has nothing to show.
    f.animation.animator.cm_animation(anim_id::kFunctionGraph);
    f.t.picked_index() = x1;
    f.animation.animator.cm_animation(anim_id::kLocusFirstPick);
    f.t.picked_index() = x1;
    f.animation.animator.cm_animation(anim_id::kLocusSecondPick);  // the same point again: nothing
    EXPECT_EQ(f.t.action_state(), anim_mode::kLocusSecond);
    f.t.picked_index() = x2;
    f.animation.animator.cm_animation(anim_id::kLocusSecondPick);
    EXPECT_EQ(f.t.action_state(), anim_mode::kGraphQuantity);
    EXPECT_EQ(f.host.panes[1], "Select an expression in the Left-Top corner");
    f.t.mouse_y() = 30;
    f.animation.animator.cm_animation(anim_id::kGraphQuantity);
    EXPECT_EQ(f.t.locus_second(0), -1);
    EXPECT_EQ(f.host.panes[1], "No expression to be selected");
    EXPECT_EQ(f.t.action_state(), 0);

    // |S1 D| in units of 20: the graph lies |S1 D| world units above the axis.
    f.measure(159, {f.S1, f.D});
    f.t.action_state() = anim_mode::kGraphQuantity;
    f.t.mouse_y() = kListTop + kRowHeight + 2;  // row 1: no such quantity
    f.animation.animator.cm_animation(anim_id::kGraphQuantity);
    EXPECT_EQ(f.t.action_state(), anim_mode::kGraphQuantity);
    f.t.mouse_y() = kListTop + 5;
    f.animation.animator.cm_animation(anim_id::kGraphQuantity);
    EXPECT_EQ(f.t.locus_second(0), 0);
    EXPECT_EQ(f.t.action_state(), 0);

    recompute_loci(f.host.d);
    const auto& samples = f.host.d.locus_lists[0];
    ASSERT_EQ(samples.size(), 4u);
    const std::vector<std::pair<double, double>> newest_first{{100, 250}, {200, 150}, {300, 50}, {200, 150}};
    for (std::size_t i = 0; i < samples.size(); ++i) {
        EXPECT_EQ(samples[i].x1, newest_first[i].first) << i;
        EXPECT_EQ(samples[i].y1, newest_first[i].second) << i;
    }
}

TEST(SelfDrawnTrace, IsDrawnByDraggingAPointAndDrivesTheAnimation)
{
    SegmentDrive f;
    f.t.current_driver() = 0;
    f.animation.animator.cm_animation(anim_id::kTraceSelfDrawn);
    EXPECT_EQ(f.t.driver_path(0), rec::kSelfTraceMarker);
    EXPECT_EQ(f.t.action_state(), anim_mode::kSelfTrace);

    // A fixed point cannot draw the trace.
    f.animation.animator.trace_mouse(1, {static_cast<int>(f.t[f.M].x), static_cast<int>(f.t[f.M].y)});
    EXPECT_EQ(f.host.panes[1], "M is not moveable");
    EXPECT_EQ(f.host.mem_dc(), nullptr);
    f.animation.animator.trace_mouse(2, {10, 10});  // nothing is picked: no trace
    EXPECT_TRUE(f.host.d.self_trace.empty());

    f.animation.animator.trace_mouse(1, {150, 150});
    EXPECT_EQ(f.host.panes[1], "Use the LEFT button to move an (semi)arbitary point.");
    ASSERT_NE(f.host.mem_dc(), nullptr);
    for (int i = 1; i <= 10; ++i)
        f.animation.animator.trace_mouse(2, {150 + 10 * i, 150});
    EXPECT_EQ(f.host.d.self_trace.size(), 10u);
    EXPECT_DOUBLE_EQ(f.t[f.D].x, 250.0);
    EXPECT_DOUBLE_EQ(f.t[f.M].x, 175.0);  // the dependants followed the drag
    f.animation.animator.trace_mouse(3, {250, 150});
    ASSERT_EQ(f.host.d.self_trace.size(), 10u);
    EXPECT_EQ(f.host.d.self_trace.front(), (WorldPoint{160, 150}));
    EXPECT_EQ(f.host.d.self_trace.back(), (WorldPoint{250, 150}));

    // The animation walks the trace node by node; the wrap ends the recording.
    f.host.draw_action(2);
    f.locus(kLocusPoint, f.M);
    f.t.anim_steps() = 100;  // the trace, not the cycle, ends the recording
    f.animation.animator.cm_animation(anim_id::kStart);
    ASSERT_TRUE(f.host.timer_running);
    for (int i = 1; i <= 9; ++i) {
        f.tick();
        EXPECT_DOUBLE_EQ(f.t[f.D].x, f.host.d.self_trace[i].x) << i;
    }
    EXPECT_EQ(f.host.d.locus_lists[0].size(), 9u);
    f.tick();  // back at the head
    EXPECT_EQ(f.host.d.trace_cursor, 0u);
    EXPECT_EQ(f.t.anim_recording(), 0);
    EXPECT_DOUBLE_EQ(f.t[f.D].x, 160.0);
    f.tick();
    EXPECT_EQ(f.host.d.locus_lists[0].size(), 9u);
}

TEST(Animation, SpeedAndStepsAreAskedForAndReplayTheLoci)
{
    SegmentDrive f;
    f.locus(kLocusPoint, f.M);
    f.host.input_dialog.push_answer(std::string("20"));
    f.animation.animator.cm_animation(anim_id::kSteps);
    EXPECT_EQ(f.t.anim_steps(), 20);
    EXPECT_EQ(f.host.d.locus_lists[0].size(), 20u);
    EXPECT_DOUBLE_EQ(f.t[f.D].x, 150.0);  // everything back in place

    for (const char* bad : {"abc", "500", "2 0", "", "-101"}) {
        f.host.input_dialog.push_answer(std::string(bad));
        f.animation.animator.cm_animation(anim_id::kDriverSpeed);
        EXPECT_EQ(f.t.driver_speed(0), 2) << bad;
    }
    EXPECT_EQ(f.host.boxes.asked().back().text, "Please input a whole number from -100 to 100");
    f.host.input_dialog.push_answer(std::string("-4"));
    f.animation.animator.cm_animation(anim_id::kDriverSpeed);
    EXPECT_EQ(f.t.driver_speed(0), -4);
    EXPECT_EQ(f.host.input_dialog.asked().back().initial, "2");

    f.host.input_dialog.push_answer(std::string("25"));
    f.animation.animator.cm_animation(anim_id::kInterval);
    EXPECT_EQ(f.t.anim_interval(), 25);
    f.animation.animator.cm_animation(anim_id::kStart);
    EXPECT_EQ(f.host.timer_interval, 25);
}

TEST(DrivingPoints, CommandsChooseDeleteAndPaintThem)
{
    SegmentDrive f;
    const int e = f.point(250, 250, "E");
    f.drive(e, 0);
    f.measure(159, {f.S1, f.D});

    f.animation.animator.cm_animation(anim_id::kSelectDriver);
    EXPECT_EQ(f.t.action_state(), anim_mode::kDriverSelect);
    EXPECT_EQ(f.t.current_driver(), 1);
    RecordingDC dc;
    paint_diagram(f.host.d, dc, 1);
    std::vector<RecordedCall> rows;
    for (const RecordedCall& c : dc.calls_named("text_out"))
        if (c.text.rfind("Driving point:", 0) == 0)
            rows.push_back(c);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].text, "Driving point:D");
    EXPECT_EQ(rows[0].args[1], kListTop + kRowHeight);  // below the one quantity
    EXPECT_EQ(rows[1].text, "Driving point:E");
    EXPECT_EQ(rows[1].args[1], kListTop + 2 * kRowHeight);
    EXPECT_EQ(rows[0].state.text_colour, kBlue);
    EXPECT_EQ(rows[1].state.text_colour, kRed);  // the current one

    // The trace commands start the segment or circle command for the current driver.
    f.animation.animator.cm_animation(anim_id::kTraceLine);
    EXPECT_EQ(f.host.commands, std::vector<int>{135});
    EXPECT_EQ(f.t.outer_mode(), anim_mode::kRunning);
    f.animation.animator.cm_animation(anim_id::kTraceCircle);
    EXPECT_EQ(f.host.commands.back(), 136);

    f.animation.animator.cm_animation(anim_id::kDeleteLastDriver);
    EXPECT_EQ(f.t.last_driver(), 0);
    EXPECT_EQ(f.t.current_driver(), 0);
    f.animation.animator.cm_animation(anim_id::kDeleteLastDriver);
    EXPECT_EQ(f.t.last_driver(), -1);
    EXPECT_EQ(f.t.current_driver(), -1);
    f.animation.animator.cm_animation(anim_id::kTraceLine);
    EXPECT_EQ(f.host.panes[1], "Select a driving point first");
    EXPECT_EQ(f.host.commands.size(), 2u);

    f.animation.animator.cm_animation(anim_id::kCreateDriver);
    EXPECT_EQ(f.t.action_state(), anim_mode::kDriverPick);
    EXPECT_EQ(f.t.pending_command(), anim_id::kCreateDriver);
}

TEST(Animation, ThePresetEmptiesEverything)
{
    SegmentDrive f;
    f.locus(kLocusPoint, f.M);
    recompute_loci(f.host.d);
    f.host.d.self_trace = {{1, 1}, {2, 2}};
    f.animation.animator.cm_animation(anim_id::kStart);
    f.animation.animator.cm_animation(anim_id::kPreset);
    EXPECT_FALSE(f.host.timer_running);
    EXPECT_EQ(f.t.last_driver(), -1);
    EXPECT_EQ(f.t.current_driver(), -1);
    EXPECT_EQ(f.t.last_locus(), -1);
    EXPECT_EQ(f.t.anim_steps(), kDefaultSteps);
    EXPECT_EQ(f.t.anim_interval(), 1);
    EXPECT_EQ(f.t.anim_step(), 0);
    EXPECT_TRUE(f.host.d.self_trace.empty());
    for (const auto& samples : f.host.d.locus_lists)
        EXPECT_TRUE(samples.empty());
}

TEST(Animation, PictureOfAnAnimatedDiagramWithLoci)
{
    // D runs round a circle; M, the midpoint of D and Q, traces a smaller
    // circle, and the segment DQ sweeps its envelope.
    Drawing f;
    const int c = f.point(200, 150, "C");
    const int p = f.point(300, 150, "P");
    const int circle = f.object(136, 2, {c, p});
    const int d = f.point(300, 150, "D");
    const int q = f.point(120, 150, "Q");
    const int m = f.object(kMidpoint, 1, {d, q}, "M");
    const int dq = f.object(135, 2, {d, q});
    f.t[m].colour = kRed;
    f.t[dq].colour = kBlue;
    f.drive(d, circle);
    f.locus(kLocusPoint, m);
    f.locus(kLocusLine, dq);
    f.t.anim_steps() = 200;
    f.measure(159, {d, q});

    f.animation.animator.cm_animation(anim_id::kStart);
    for (int i = 0; i < 230; ++i)
        f.animation.animator.ev_timer(kAnimationTimer);
    EXPECT_EQ(f.host.d.locus_lists[0].size(), 200u);
    EXPECT_EQ(f.host.d.locus_lists[1].size(), 20u);

    // Every sample of the point locus is painted, nearly all in the point's
    // red (the segments' blue crosses a few, smoothing blends the edges).
    const Surface& picture = f.host.window;
    int reddish = 0;
    for (const LocusNode& n : f.host.d.locus_lists[0]) {
        const Colour c = picture.pixel(static_cast<int>(n.x1), static_cast<int>(n.y1));
        EXPECT_NE(c, kWhite);
        if (red_of(c) > 200 && green_of(c) < 160)
            ++reddish;
    }
    EXPECT_GT(reddish, 160);
    std::filesystem::create_directories(PLEXATOR_TEST_OUTPUT);
    EXPECT_TRUE(picture.save_png(output_path("animation_loci.png")));
}

}  // namespace
