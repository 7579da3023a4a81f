// The construction commands run in a real drawing window: chosen from the
// command table, driven by the window's own mouse handlers, with the window's
// panes, dialogs, right button and rotation.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "construct/object_dialogs.h"
#include "model/adding.h"
#include "window/construct_adapter.h"
#include "window_test_support.h"

namespace {

// The dialogs are a base of their own, made before the window's services
// that hold them and gone after the window.
struct WithObjectDialogs {
    ScriptedObjectDialogs object_dialogs;
};

struct ConstructWindow : WithObjectDialogs, LoneWindow<ConstructionServices> {
    ConstructWindow() : LoneWindow({700, 500}, &object_dialogs) {}
    ObjectTable& t() { return win->objects(); }
    void click(int x, int y)
    {
        win->EvLButtonDown({x, y});
        win->EvLButtonUp({x, y});
    }
    void click_on(int k) { click(static_cast<int>(t()[k].x), static_cast<int>(t()[k].y)); }
    void right_click()
    {
        win->EvRButtonDown();
        win->EvRButtonUp();
    }
};

class ConstructAdapter : public ::testing::Test {
protected:
    ConstructWindow w;
    int A = add_free_point(*w.win, 100, 100, "A");
    int B = add_free_point(*w.win, 300, 100, "B");
    int C = add_free_point(*w.win, 200, 250, "C");
    int D = add_free_point(*w.win, 400, 300, "D");
};

TEST_F(ConstructAdapter, MidpointFromTheMenuByClicks)
{
    ASSERT_TRUE(w.win->command(103));
    EXPECT_EQ(w.pane(3), "Midpoint # #");
    EXPECT_EQ(w.pane(1), "Select two points in the diagram");
    w.click_on(A);
    EXPECT_EQ(w.pane(3), "Midpoint A #");
    w.click_on(B);
    ASSERT_EQ(w.t().count(), 26);
    EXPECT_EQ(w.t()[24].type, 103);
    EXPECT_EQ(w.t()[24].x, 200.0);
    EXPECT_EQ(w.t()[25].type, 135);
    EXPECT_EQ(w.pane(3), "Midpoint # #");
    EXPECT_EQ(w.win->modified, 1);
    EXPECT_EQ(w.win->mouse_dc(), nullptr);  // the release gave the mouse back
}

TEST_F(ConstructAdapter, IntersectionChoiceByTheWindowsClicks)
{
    const int centre = add_free_point(*w.win, 200, 150, "E");
    const int on_circle = add_free_point(*w.win, 200, 250, "G");
    w.win->command(122);
    for (const int k : {A, B, centre, on_circle})
        w.click_on(k);
    EXPECT_EQ(w.pane(1), "There are two solutions. Please select one");
    w.click(130, 60);
    const int p = w.t().new_index();
    EXPECT_NEAR(w.t()[p].x, 200 - std::sqrt(7500.0), 1e-9);
    EXPECT_EQ(w.t().action_state(), 11);
    EXPECT_EQ(w.pane(3), "Inter_lc # # # #");
}

TEST_F(ConstructAdapter, TextThroughTheWindowsInputDialog)
{
    w.win->draw_action(180);
    w.ui.input.push_answer(std::string("Note"));
    w.click(250, 320);
    ASSERT_EQ(w.t().count(), 25);
    EXPECT_EQ(w.t()[24].text_view(), "Note");
    EXPECT_EQ(w.t().action_state(), 10);
    EXPECT_EQ(w.win->mouse_dc(), nullptr);
}

TEST_F(ConstructAdapter, RenameThroughTheWindowsInputDialog)
{
    w.win->command(134);
    w.ui.input.push_answer(std::string("Z"));
    w.click_on(C);
    EXPECT_EQ(w.t()[C].name_view(), "Z");
    ASSERT_EQ(w.ui.input.asked().size(), 1u);
    EXPECT_EQ(w.ui.input.asked()[0].title, "Change Point Name");
}

TEST_F(ConstructAdapter, ChangeLineRunsTheObjectDialog)
{
    Dpoint s(135, "x", A, B);
    s.cls = 2;
    const int k = w.t().append(s);
    w.object_dialogs.push_edit([](Dpoint& rec) {
        rec.colour = rgb(9, 8, 7);
        return true;
    });
    w.win->command(194);
    w.click_on(A);
    w.click_on(B);
    EXPECT_EQ(w.t()[k].colour, rgb(9, 8, 7));
    EXPECT_EQ(w.object_dialogs.edited().size(), 1u);
}

TEST_F(ConstructAdapter, TypedTurnMovesThePointsAndGivesTheMouseBack)
{
    w.win->command(243);
    EXPECT_EQ(w.pane(3), "Rotate #");
    w.ui.input.push_answer(std::string("90"));
    // The dialog opens inside the press; the release goes to the dialog.
    w.win->EvLButtonDown({100, 100});
    // B was 200 to the right of A; a quarter turn puts it 200 below.
    EXPECT_NEAR(w.t()[B].x, 100.0, 0.01);
    EXPECT_NEAR(w.t()[B].y, 300.0, 0.01);
    EXPECT_EQ(w.t().action_state(), 0);
    EXPECT_FALSE(w.win->mouse_captured());

    // The next drag moves a point again.
    w.win->command(175);
    w.win->EvLButtonDown({100, 300});
    w.win->EvMouseMove({150, 320});
    w.win->EvLButtonUp({150, 320});
    EXPECT_NEAR(w.t()[B].x, 150.0, 0.01);
    EXPECT_NEAR(w.t()[B].y, 320.0, 0.01);
}

}  // namespace
