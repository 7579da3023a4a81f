// The whole road with the real construction commands: clicks build, drags
// move, and what was built follows.

#include <gtest/gtest.h>

#include "mouse_fixture.h"
#include "window/construct_adapter.h"

namespace {

struct RoadFixture : LoneWindow<ConstructionServices> {
    RoadFixture() : LoneWindow({400, 300}) {}
    void click(DevPoint p)
    {
        win->EvLButtonDown(p);
        win->EvLButtonUp(p);
    }
};

TEST(InteractionRoad, MidpointBuiltByClicksFollowsItsDraggedEnd)
{
    RoadFixture f;
    Dchild& win = *f.win;
    ObjectTable& t = win.objects();
    win.command(101);
    f.click({100, 100});
    f.click({200, 150});
    win.command(103);  // Midpoint
    f.click({100, 100});
    f.click({200, 150});
    ASSERT_EQ(t.count(), 24) << "the midpoint and its segment";
    EXPECT_EQ(t[22].type, 103);
    EXPECT_EQ(t[23].type, 135);
    EXPECT_DOUBLE_EQ(t[22].x, 150.0);
    EXPECT_DOUBLE_EQ(t[22].y, 125.0);

    win.command(175);
    drag(win, {100, 100}, {60, 40});
    win.invalidate(true);
    win.flush();
    EXPECT_DOUBLE_EQ(t[22].x, 130.0);
    EXPECT_DOUBLE_EQ(t[22].y, 95.0);
}

TEST(InteractionRoad, SegmentDraggedOutOfANewPoint)
{
    RoadFixture f;
    Dchild& win = *f.win;
    ObjectTable& t = win.objects();
    win.command(135);
    win.EvLButtonDown({80, 80});  // a new free point, the segment's first end
    for (int x = 100; x <= 220; x += 40)
        win.EvMouseMove({x, 120});
    win.EvLButtonUp({220, 120});
    ASSERT_EQ(t.count(), 23);
    EXPECT_EQ(t[20].type, 101);
    EXPECT_EQ(t[21].type, 101);
    EXPECT_DOUBLE_EQ(t[21].x, 220.0);
    EXPECT_EQ(t[22].type, 135);
    EXPECT_EQ(t.action_state(), 11) << "ready for the next segment";
    EXPECT_EQ(t.pending_command(), 135);
    EXPECT_EQ(win.mouse_dc(), nullptr);
}

}  // namespace
