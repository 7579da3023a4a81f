// The animation, loci, computation list and calculator in a drawing window:
// menu commands, clicks, the window's timer and the point files' expression table.

#include <gtest/gtest.h>

#include <fstream>

#include "animate/animator.h"
#include "animate/computation.h"
#include "animation_fixture.h"
#include "export/fig_format.h"
#include "paint/loci.h"
#include "platform/print_dialogs.h"
#include "support/test_dirs.h"
#include "window/file_services.h"

using namespace anim_window;

namespace {

constexpr int kMidpoint = 103;

// Free points S (100, 100), T (300, 100), D (150, 160), Q (100, 240) and M,
// the midpoint of D and Q.
struct Figure : AnimationWindow {
    int S = add_free_point(*win, 100, 100, "S");
    int T = add_free_point(*win, 300, 100, "T");
    int D = add_free_point(*win, 150, 160, "D");
    int Q = add_free_point(*win, 100, 240, "Q");
    int M = 0;

    Figure()
    {
        Dpoint m(kMidpoint, "M", D, Q);
        m.cls = 1;
        M = t().append(m);
        solve(*win);
        win->invalidate(true);
        win->flush();
    }
    DevPoint at(int k) { return {static_cast<int>(t()[k].x), static_cast<int>(t()[k].y)}; }
    void click_on(int k) { click(at(k).x, at(k).y); }
};

TEST(AnimationWindow, ADrivingPointOnItsSegmentRunsOnTheWindowsTimer)
{
    Figure f;
    f.command(anim_id::kCreateDriver);
    EXPECT_EQ(f.t().action_state(), anim_mode::kDriverPick);
    f.click_on(f.M);  // a constructed point cannot drive
    EXPECT_EQ(f.t().last_driver(), -1);
    f.click_on(f.D);
    EXPECT_EQ(f.t().last_driver(), 0);
    EXPECT_EQ(f.t().driver_point(0), f.D);

    // Its trace: the segment S T, drawn with the segment command.
    f.command(anim_id::kTraceLine);
    EXPECT_EQ(f.t().pending_command(), 135);
    f.click_on(f.S);
    f.click_on(f.T);
    const int segment = f.t().driver_path(0);
    ASSERT_GT(segment, f.M);
    EXPECT_EQ(f.t()[segment].type, 135);
    EXPECT_EQ(f.t().action_state(), 0);

    // The locus of M.
    f.command(anim_id::kLocusPoint);
    f.click_on(f.M);
    EXPECT_EQ(f.t().last_locus(), 0);
    EXPECT_EQ(f.t()[f.M].colour, kRed);
    f.command(anim_id::kSteps);  // cancelled: the steps stay
    EXPECT_EQ(f.t().anim_steps(), kDefaultSteps);
    f.ui.input.push_answer(std::string("20"));
    f.command(anim_id::kSteps);
    ASSERT_EQ(f.t().anim_steps(), 20);

    f.command(anim_id::kStart);
    ASSERT_TRUE(f.timer_running());
    EXPECT_EQ(f.t().action_state(), anim_mode::kRunning);
    EXPECT_TRUE(f.win->diagram.locus_lists[0].empty());
    f.tick(5);
    // Speed 2 over 20 steps: a quarter of the cycle is half the segment.
    EXPECT_DOUBLE_EQ(f.t()[f.D].x, 200.0);
    EXPECT_DOUBLE_EQ(f.t()[f.D].y, 100.0);
    EXPECT_DOUBLE_EQ(f.t()[f.M].x, 150.0);
    EXPECT_EQ(f.win->diagram.locus_lists[0].size(), 5u);
    // The window shows the frame: D's disc is where D now is.
    EXPECT_NE(f.win->surface().pixel(200, 100), kWhite);

    // Presses do nothing while it runs; the right button stops it.
    f.click(10, 200);
    EXPECT_EQ(f.t().action_state(), anim_mode::kRunning);
    f.win->EvRButtonDown();
    f.win->EvRButtonUp();
    EXPECT_FALSE(f.timer_running());
    EXPECT_EQ(f.t().action_state(), 0);
    EXPECT_EQ(f.win->mem_dc(), nullptr);
    EXPECT_EQ(f.win->mouse_dc(), nullptr);
}

TEST(AnimationWindow, TheAnimationButtonStartsItAndClosingTheWindowStopsIt)
{
    Figure f;
    f.t().last_driver() = 0;
    f.t().driver_point(0) = f.D;
    f.t().driver_path(0) = add_object(*f.win, 135, 2, {f.S, f.T});
    f.t().driver_speed(0) = 2;
    f.t().current_driver() = 0;
    Dpoint button = Dpoint::at_position(465, "Go", 300, 250);
    button.cls = 7;
    f.t().append(button);
    f.win->invalidate(true);
    f.win->flush();

    f.click(310, 260);
    ASSERT_TRUE(f.timer_running());
    f.tick(3);
    EXPECT_EQ(f.t().anim_step(), 3);
    EXPECT_EQ(f.provider.drawing_count(), 1u);

    f.win.reset();
    EXPECT_TRUE(f.ui.timers.timers().empty());
    EXPECT_EQ(f.provider.drawing_count(), 0u);
}

TEST(AnimationWindow, LociArePickedByClicksAndTheNinthIsRefused)
{
    Figure f;
    f.command(anim_id::kLocusLine);
    f.click_on(f.D);
    EXPECT_EQ(f.t().action_state(), anim_mode::kLocusSecond);
    f.click_on(f.D);  // the first pick again: nothing
    EXPECT_EQ(f.t().action_state(), anim_mode::kLocusSecond);
    f.click_on(f.Q);
    EXPECT_EQ(f.t().action_state(), anim_mode::kLocusFirst);
    EXPECT_EQ(f.t()[f.t().locus_object(0)].type, 135);

    f.command(anim_id::kLocusPoint);
    for (int k = 1; k < kMaxLoci; ++k)
        f.click_on(f.M);
    EXPECT_EQ(f.t().last_locus(), kMaxLoci - 1);
    f.click_on(f.D);
    EXPECT_EQ(f.t().last_locus(), kMaxLoci - 1);
    EXPECT_EQ(f.pane(1), "You cannot select more than eight loci");
    EXPECT_EQ(f.t().action_state(), 0);

    f.command(anim_id::kDeleteAllLoci);
    EXPECT_EQ(f.t().last_locus(), -1);
}

TEST(AnimationWindow, MeasurementsAndTheCalculatorThroughTheWindow)
{
    Figure f;
    // Segment length of S T by the measure command's clicks.
    f.win->cons_mode_cmd(159);
    f.click_on(f.S);
    f.click_on(f.T);
    ASSERT_EQ(f.t().last_quantity(), 0);
    EXPECT_EQ(f.provider.of(*f.win).computation.list()[0].type, 159);

    f.command(measure_code::kCalculator);
    EXPECT_EQ(f.calculator.made, 1);
    EXPECT_EQ(f.provider.calculator_owner(), f.win.get());
    EXPECT_EQ(f.t().action_state(), kOperandMode);
    ASSERT_NE(f.calculator.keys, nullptr);

    // A click on the first row takes that quantity into the expression.
    f.click(40, kListTop + 5);
    EXPECT_EQ(f.t().action_state(), kAfterOperandMode);
    EXPECT_TRUE(f.calculator.keys->key(CalcKey::Divide));
    EXPECT_TRUE(f.calculator.keys->key(CalcKey::D4));
    EXPECT_EQ(f.calculator.expression, "ST/4");
    EXPECT_EQ(f.calculator.value, "=  2.50");
    EXPECT_TRUE(f.calculator.keys->finish());
    EXPECT_EQ(f.calculator.destroyed, 1);
    EXPECT_EQ(f.provider.calculator_owner(), nullptr);
    EXPECT_EQ(f.t().last_quantity(), 1);

    // A second drawing's calculator takes over; the first expression is dropped.
    f.command(measure_code::kCalculator);
    ASSERT_EQ(f.calculator.made, 2);
    Dchild other("Diagram 2", std::nullopt, f.services, f.ui_services);
    other.resize(400, 300);
    other.command(measure_code::kCalculator);
    EXPECT_EQ(f.calculator.made, 3);
    EXPECT_EQ(f.calculator.destroyed, 2);
    EXPECT_EQ(f.provider.calculator_owner(), &other);
    EXPECT_EQ(f.t().last_quantity(), 1);
    EXPECT_EQ(f.t().action_state(), 0);
    // Keys go to the drawing that owns the calculator.
    EXPECT_TRUE(f.calculator.keys->key(CalcKey::D7));
    EXPECT_EQ(f.calculator.expression, "7");
    f.calculator.keys->cancel();
    EXPECT_EQ(other.objects().last_quantity(), -1);
    EXPECT_EQ(f.calculator.destroyed, 3);
}

TEST(AnimationWindow, ClearingADrawingClosesItsCalculator)
{
    Figure f;
    f.command(measure_code::kCalculator);
    ASSERT_EQ(f.calculator.made, 1);
    f.win->draw_action(-10);
    EXPECT_EQ(f.calculator.destroyed, 1);
    EXPECT_EQ(f.provider.calculator_owner(), nullptr);
    EXPECT_EQ(f.t().last_quantity(), -1);
    EXPECT_FALSE(f.calculator.keys->key(CalcKey::D1));
}

TEST(AnimationWindow, ThePointFilesExpressionTableRoundTrips)
{
    Figure f;
    Computation& c = f.provider.of(*f.win).computation;
    f.win->diagram.pending = Dpoint::of_type(159, 1);
    f.win->diagram.pending.arg[0] = f.S;
    f.win->diagram.pending.arg[1] = f.D;
    c.measure_cmd(measure_code::kAppend);
    c.measure_cmd(measure_code::kCalculator);
    f.click(40, kListTop + 5);
    f.calculator.keys->key(CalcKey::Times);
    f.calculator.keys->key(CalcKey::Pi);
    ASSERT_TRUE(f.calculator.keys->finish());
    c.measure_cmd(measure_code::kCalculator);  // still open: not saved
    f.calculator.keys->key(CalcKey::D1);

    const std::vector<std::string> texts = f.provider.save_expressions(f.win->diagram);
    ASSERT_EQ(texts.size(), 2u);
    std::string why;
    EXPECT_TRUE(f.provider.expressions_valid(texts, f.t().count(), why)) << why;
    EXPECT_FALSE(f.provider.expressions_valid(texts, f.D, why));

    Dchild other("Diagram 2", std::nullopt, f.services, f.ui_services);
    other.objects() = f.t();
    f.provider.load_expressions(other.diagram, texts);
    EXPECT_EQ(other.objects().last_quantity(), 1);
    EXPECT_EQ(other.objects().expression_open(), 0);
    const Computation& read = f.provider.of(other).computation;
    EXPECT_EQ(read.list()[1].tokens, c.list()[1].tokens);
    EXPECT_NEAR(read.value(1).value, c.value(0).value * 3.141592653589793, 1e-9);
}

TEST(AnimationWindow, ASelfDrawnTraceIsDrawnWithTheMouseAndFollowed)
{
    Figure f;
    f.command(anim_id::kCreateDriver);
    f.click_on(f.D);
    f.command(anim_id::kTraceSelfDrawn);
    EXPECT_EQ(f.t().action_state(), anim_mode::kSelfTrace);
    EXPECT_EQ(f.t().driver_path(0), rec::kSelfTraceMarker);

    f.win->EvLButtonDown(f.at(f.D));
    for (int i = 1; i <= 12; ++i)
        f.win->EvMouseMove({150 + 8 * i, 160 - 4 * i});
    f.win->EvLButtonUp({246, 112});
    f.win->flush();
    ASSERT_EQ(f.win->diagram.self_trace.size(), 12u);
    EXPECT_DOUBLE_EQ(f.t()[f.D].x, 246.0);
    EXPECT_EQ(f.win->mem_dc(), nullptr);

    f.command(anim_id::kLocusPoint);
    f.click_on(f.M);
    f.command(anim_id::kStart);
    ASSERT_TRUE(f.timer_running());
    f.tick(3);
    EXPECT_DOUBLE_EQ(f.t()[f.D].x, f.win->diagram.self_trace[3].x);
    EXPECT_DOUBLE_EQ(f.t()[f.M].y, (f.win->diagram.self_trace[3].y + 240.0) / 2.0);
    f.tick(20);
    EXPECT_EQ(f.win->diagram.locus_lists[0].size(), 11u);  // until the trace starts over
    f.win->EvRButtonDown();
    EXPECT_FALSE(f.timer_running());
}

TEST(AnimationWindow, AFunctionGraphTakesItsQuantityFromARowOfTheList)
{
    Figure f;
    f.win->cons_mode_cmd(159);
    f.click_on(f.S);
    f.click_on(f.D);
    ASSERT_EQ(f.t().last_quantity(), 0);
    f.command(anim_id::kFunctionGraph);
    f.click_on(f.Q);
    f.click_on(f.T);
    EXPECT_EQ(f.t().action_state(), anim_mode::kGraphQuantity);
    EXPECT_EQ(f.pane(1), "Select an expression in the Left-Top corner");
    f.click(30, kListTop + kRowHeight + 3);  // no such row
    EXPECT_EQ(f.t().action_state(), anim_mode::kGraphQuantity);
    f.click(30, kListTop + 3);
    EXPECT_EQ(f.t().action_state(), 0);
    EXPECT_EQ(f.t().locus_second(0), 0);
    EXPECT_EQ(f.t().locus_kind(0), kLocusFunction);
}

TEST(AnimationWindow, OpeningAPointFileReplaysTheLociOutOfSightUnderTheBusyCursor)
{
    Figure f;
    ObjectTable& t = f.t();
    Dpoint n(kMidpoint, "N", f.D, f.S);  // follows D; no locus reads it
    n.cls = 1;
    const int N = t.append(n);
    solve(*f.win);
    const int segment = t.append(Dpoint(135, "s", f.S, f.T));
    t[segment].cls = 2;
    t.last_driver() = 0;
    t.driver_point(0) = f.D;
    t.driver_path(0) = segment;
    t.driver_speed(0) = 2;
    t.last_locus() = 0;
    t.locus_kind(0) = kLocusPoint;
    t.locus_object(0) = f.M;
    t.anim_steps() = 8;
    const std::string path = (per_test_dir(PLEXATOR_TEST_OUTPUT) / "loci.fig").string();
    const auto save = [&] {
        std::ofstream out(path, std::ios::binary);
        return fig_write(f.win->diagram, out);
    };
    ASSERT_TRUE(save());

    // Open: busy while the samples are taken, and the window shows nothing new meanwhile.
    ScriptedPrintDialogs print_dialogs;
    FileServices files(print_dialogs, &f.provider);
    std::vector<std::pair<bool, std::size_t>> cursor;  // busy, samples taken
    QImage shown;
    f.ui.busy.on_change = [&](bool busy) {
        cursor.emplace_back(busy, f.win->diagram.locus_lists[0].size());
        if (busy)
            shown = f.win->surface().image().copy();
        else
            EXPECT_EQ(f.win->surface().image(), shown);
    };
    ASSERT_TRUE(files.fig_read(*f.win, path));
    EXPECT_EQ(cursor, (std::vector<std::pair<bool, std::size_t>>{{true, 0}, {false, 8}}));
    EXPECT_DOUBLE_EQ(t[f.D].x, 150.0);  // put back after the replay
    EXPECT_TRUE(f.win->repaint_pending());

    // A step of the replay through the window re-solves what the locus reads alone.
    const WorldPoint n_at{t[N].x, t[N].y};
    f.win->begin_loci_replay(f.win->diagram);
    t.anim_step() = 2;  // half way: D at (200, 100)
    f.win->animation_step(f.win->diagram);
    EXPECT_DOUBLE_EQ(t[f.M].x, 150.0);
    EXPECT_EQ((WorldPoint{t[N].x, t[N].y}), n_at);
    f.win->end_loci_replay(f.win->diagram);

    // A drawing without loci opens without the busy cursor.
    t.last_locus() = -1;
    ASSERT_TRUE(save());
    ASSERT_TRUE(files.fig_read(*f.win, path));
    EXPECT_EQ(cursor.size(), 2u);
}

}  // namespace
