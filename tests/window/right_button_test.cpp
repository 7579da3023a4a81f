// The right button finishes what the mode does and cancels the command.

#include <gtest/gtest.h>

#include "mouse_fixture.h"

namespace {

class RightButton : public WindowTest {};

TEST_F(RightButton, CancelsAConstructionAndEmptiesThePanes)
{
    win.command(103);
    t.action_state() = 12;
    set_status1("Select two points");
    set_status2("A: a free point");
    set_status3("Midpoint A #");
    win.EvRButtonDown();
    win.EvRButtonUp();
    EXPECT_EQ(t.pending_command(), 0);
    EXPECT_EQ(t.action_state(), 0);
    EXPECT_EQ(t.outer_mode(), 0);
    for (int pane = 1; pane <= 3; ++pane)
        EXPECT_EQ(f.pane(pane), "") << pane;
    // A left click afterwards does nothing but empty pane 3.
    f.services.clicks.clear();
    win.EvLButtonDown({50, 50});
    win.EvLButtonUp({50, 50});
    EXPECT_TRUE(f.services.clicks.empty());
}

TEST(RightButtonTable, ClosesAPolygonAndKeepsTheFillCommand)
{
    struct Case {
        int mode;      // after the vertices were picked
        int vertices;  // the outline count stored: vertices plus the repeated first
        bool added;
    };
    const Case cases[] = {{14, 4, true}, {18, 8, true}, {31, 8, true}, {11, 0, false}, {12, 2, true}};
    for (const Case& c : cases) {
        WindowFixture f;
        Dchild& win = *f.win;
        ObjectTable& t = win.objects();
        for (int i = 0; i < 8; ++i)
            add_free_point(win, 40 + 30 * i, 100 + 20 * (i % 2), ("P" + std::to_string(i)).c_str());
        win.command(144);
        win.scratch().arg = {20, 21, 22, 23, 24, 25, 26, 27};
        t.action_state() = c.mode;
        f.services.calls.clear();
        win.EvRButtonDown();
        if (!c.added) {
            EXPECT_EQ(t.count(), 28) << c.mode << ": no vertex, no fill";
            win.EvRButtonUp();
            continue;
        }
        ASSERT_EQ(t.count(), 29) << c.mode;
        EXPECT_EQ(t[28].type, 144);
        EXPECT_EQ(t[28].cls, 3);
        EXPECT_EQ(t[28].name_dx, c.vertices) << c.mode;
        EXPECT_EQ(t.action_state(), 11);
        EXPECT_EQ(t.outer_mode(), 144);
        win.EvRButtonUp();
        EXPECT_EQ(t.pending_command(), 144) << "the fill command goes on";
        EXPECT_EQ(t.action_state(), 11);
        EXPECT_EQ(t.outer_mode(), 0);
        EXPECT_EQ(win.mouse_dc(), nullptr);
        EXPECT_TRUE(f.services.called("cons_step")) << "restarted for the next polygon";
    }
}

TEST_F(RightButton, EndsTheHideListButKeepsItsObjects)
{
    const int a = add_free_point(win, 40, 40, "A");
    const int button = add_object(win, 466, 7, {}, 100, 100, "Hide");
    t[button].aux1.set_int(-1);
    t.pending_command() = 466;
    t.action_state() = 466;
    win.EvLButtonDown({40, 40});
    win.EvLButtonUp({40, 40});
    win.EvRButtonDown();
    EXPECT_EQ(t.pending_command(), 0);
    EXPECT_EQ(t.action_state(), 0);
    win.EvRButtonUp();
    EXPECT_EQ(t[button].hide_entries(), 1u);
    EXPECT_EQ(t[button].hide_list[0], a);
}

TEST_F(RightButton, DuringADragItCancelsAndTheReleaseStillCleansUp)
{
    add_free_point(win, 100, 100, "A");
    win.command(175);
    win.EvLButtonDown({100, 100});
    win.EvMouseMove({120, 100});
    win.EvRButtonDown();
    win.EvRButtonUp();
    EXPECT_EQ(win.objects().action_state(), 0);
    win.EvLButtonUp({120, 100});
    EXPECT_EQ(win.mouse_dc(), nullptr);
    EXPECT_EQ(win.mem_dc(), nullptr);
}

}  // namespace
