// Animation through the program: a driving point on a segment, the locus of
// a point built on it, the window's timer ticking, measurement on screen.

#include <gtest/gtest.h>


#include "animate/animator.h"
#include "app_fixture.h"

using namespace app_test;

namespace {

constexpr int kPoint = 101;

ScriptedTimerFactory::Timer* window_timer(RunningApp& r)
{
    return r.ui.timers.timers().empty() ? nullptr : r.ui.timers.timers().back();
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
