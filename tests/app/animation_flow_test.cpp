// Animation through the program: a driving point on a segment, the locus of
// a point built on it, the window's timer ticking, measurement on screen.

#include <gtest/gtest.h>

#include <cmath>

#include "animate/animator.h"
#include "app_fixture.h"

using namespace app_test;

namespace {

constexpr int kPoint = 101;
constexpr int kMidpoint = 103;

ScriptedTimerFactory::Timer* window_timer(RunningApp& r)
{
    return r.ui.timers.timers().empty() ? nullptr : r.ui.timers.timers().back();
}

TEST(AnimationFlow, DrivingPointRunsOnItsSegmentAndALocusRecords)
{
    RunningApp r;
    r.command(kPoint);
    r.click({100, 100});  // A
    r.click({300, 100});  // B
    r.click({150, 200});  // C, the driving point
    r.click({100, 300});  // D
    r.right_click();
    r.command(kMidpoint);
    r.click_on(r.find("C"));
    r.click_on(r.find("D"));
    r.right_click();
    const int c = r.find("C");
    const int e = r.find("E");
    ASSERT_NE(e, 0);

    ASSERT_FALSE(r.app->command_enabled(anim_id::kStart)) << "no driving point yet";
    ASSERT_TRUE(r.command(anim_id::kCreateDriver));
    r.click_on(c);
    ASSERT_TRUE(r.command(anim_id::kTraceLine));
    r.click_on(r.find("A"));
    r.click_on(r.find("B"));
    ASSERT_EQ(r.table().last_driver(), 0);
    EXPECT_TRUE(r.app->command_enabled(anim_id::kStart));

    ASSERT_TRUE(r.command(anim_id::kLocusPoint));
    r.click_on(e);
    ASSERT_EQ(r.table().last_locus(), 0);
    r.ui.input.push_answer(std::string("20"));
    ASSERT_TRUE(r.command(anim_id::kSteps));
    ASSERT_EQ(r.table().anim_steps(), 20);

    ASSERT_TRUE(r.command(anim_id::kStart));
    ScriptedTimerFactory::Timer* timer = window_timer(r);
    ASSERT_NE(timer, nullptr);
    ASSERT_TRUE(timer->running(kAnimationTimer));
    const int ticks = 5;
    for (int i = 0; i < ticks; ++i)
        ASSERT_TRUE(timer->fire(kAnimationTimer));
    settle();

    const ObjectTable& t = r.table();
    // C runs on the segment AB; E stays the midpoint of C and D.
    EXPECT_DOUBLE_EQ(t.get(c).y, 100.0);
    EXPECT_GT(t.get(c).x, 100.0);
    EXPECT_LT(t.get(c).x, 300.0);
    EXPECT_DOUBLE_EQ(t.get(e).x, (t.get(c).x + 100.0) / 2);
    EXPECT_DOUBLE_EQ(t.get(e).y, (t.get(c).y + 300.0) / 2);
    const auto& locus = r.drawing().diagram.locus_lists[0];
    ASSERT_EQ(locus.size(), static_cast<std::size_t>(ticks));
    // Newest sample first.
    EXPECT_NEAR(locus.front().x1, t.get(e).x, 1e-9);
    EXPECT_NEAR(locus.front().y1, t.get(e).y, 1e-9);
    // The window shows the frame: C's disc where C now is.
    EXPECT_NE(r.drawing().surface().pixel(static_cast<int>(std::lround(t.get(c).x)), 100), kWhite);

    // The right button stops it.
    r.right_click();
    EXPECT_FALSE(timer->running(kAnimationTimer));
    EXPECT_EQ(r.table().action_state(), 0);
}

TEST(AnimationFlow, AClosedWindowStopsItsTimerAndIsForgotten)
{
    RunningApp r;
    r.command(kPoint);
    r.click({100, 100});
    r.click({300, 100});
    r.click({150, 200});
    r.right_click();
    r.command(anim_id::kCreateDriver);
    r.click_on(r.find("C"));
    r.command(anim_id::kTraceLine);
    r.click_on(r.find("A"));
    r.click_on(r.find("B"));
    ASSERT_TRUE(r.command(anim_id::kStart));
    ASSERT_NE(window_timer(r), nullptr);
    EXPECT_EQ(r.services.animation().drawing_count(), 1u);

    r.drawing().modified = 0;
    r.client().activeSubWindow()->close();
    settle();
    EXPECT_TRUE(r.ui.timers.timers().empty());
    EXPECT_EQ(r.services.animation().drawing_count(), 0u);
}

}  // namespace
