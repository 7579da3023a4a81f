// The operation dispatcher: device-context codes, the mode set-ups of the
// placing commands, clear, delete last, step-through and the small toggles.

#include <gtest/gtest.h>

#include "platform/dialogs.h"
#include "window_test_support.h"

namespace {

class DrawAction : public WindowTest {};

TEST_F(DrawAction, MouseContextIsTakenOnceAndReleased)
{
    win.draw_action(3);
    DeviceContext* first = win.mouse_dc();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(win.mouse_captured());
    EXPECT_EQ(first->bk_mode(), BkMode::Transparent);
    win.draw_action(3);
    EXPECT_EQ(win.mouse_dc(), first) << "a second code 3 keeps the first context";
    win.draw_action(4);
    EXPECT_EQ(win.mouse_dc(), nullptr);
    EXPECT_FALSE(win.mouse_captured());
    win.draw_action(4);  // without a context: only the capture goes
    EXPECT_EQ(win.mouse_dc(), nullptr);
}

TEST_F(DrawAction, OffScreenImageStartsWhiteAndIsFreedOnce)
{
    win.draw_action(2);  // nothing to free
    EXPECT_EQ(win.mem_dc(), nullptr);
    win.draw_action(1);
    DeviceContext* mem = win.mem_dc();
    ASSERT_NE(mem, nullptr);
    EXPECT_EQ(mem->size(), (DevSize{win.width(), win.height()}));
    EXPECT_EQ(mem->get_pixel(5, 5), kWhite);
    EXPECT_EQ(mem->get_pixel(win.width() - 1, win.height() - 1), kWhite);
    EXPECT_EQ(g_ncolors, 256);
    win.draw_action(2);
    EXPECT_EQ(win.mem_dc(), nullptr);
}

TEST(DrawActionTable, PlacingCommandsSetTheirModeAndTexts)
{
    struct Case {
        int command;
        int pending;
        const char* pane1;
        const char* pane3;
    };
    const Case cases[] = {
        {101, 101, "Use the LEFT button to select a postion", "Point"},
        {280, 101, "Use the LEFT button to select a postion", "Point"},
        {180, 180, "Select a position for the text", "Text"},
        {465, 465, "Select a position for the text", "Text"},
        {466, 466, "Select a position for the text", "Text"},
    };
    for (const Case& c : cases) {
        WindowFixture f;
        ObjectTable& t = f.win->objects();
        t.current_block() = 2;
        f.win->draw_action(c.command);
        EXPECT_EQ(t.pending_command(), c.pending) << c.command;
        EXPECT_EQ(t.action_state(), 10) << c.command;
        EXPECT_EQ(f.win->scratch().type, c.pending) << c.command;
        EXPECT_EQ(f.win->scratch().block, 2) << c.command;
        EXPECT_EQ(f.pane(1), c.pane1) << c.command;
        EXPECT_EQ(f.pane(3), c.pane3) << c.command;
    }
}

TEST_F(DrawAction, ClipboardRectangleAndToggles)
{
    win.draw_action(468);
    EXPECT_EQ(t.action_state(), 468);
    EXPECT_EQ(t.pending_command(), 468);
    EXPECT_EQ(f.pane(1), "Triangle");
    EXPECT_EQ(f.pane(3), "");

    win.draw_action(467);
    EXPECT_EQ(t.leave_trace(), 1);
    win.draw_action(467);
    EXPECT_EQ(t.leave_trace(), 0) << "two flips give the flag back";

    t.conclusion_type() = 149;
    t.conclusion_args() = {21, 22, 23, 24, 0, 0, 0, 0};
    win.draw_action(245);
    EXPECT_EQ(t.conclusion_type(), 1111);
    for (int a : t.conclusion_args())
        EXPECT_EQ(a, 0);

    const int before = t.action_state();
    win.draw_action(300);
    EXPECT_EQ(t.action_state(), before);
}

TEST_F(DrawAction, ClearAsksAndOnYesRemovesEveryObjectAndPresets)
{
    t.unit_length() = 40.0;
    f.ui.boxes.push_answer(MessageResult::No);
    win.draw_action(195);
    ASSERT_EQ(f.ui.boxes.asked().size(), 1u) << "asked even on an empty drawing";
    EXPECT_EQ(f.ui.boxes.asked()[0].text, "Are you sure?");
    EXPECT_EQ(f.ui.boxes.asked()[0].caption, "Delete the whole diagram");
    EXPECT_EQ(f.ui.boxes.asked()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(t.unit_length(), 40.0) << "No leaves the drawing unchanged";

    add_free_point(win, 50, 60, "A");
    add_free_point(win, 80, 60, "B");
    win.draw_action(101);
    f.services.script_open = true;
    f.ui.boxes.push_answer(MessageResult::Yes);
    win.draw_action(292);
    EXPECT_EQ(f.ui.boxes.asked().size(), 2u);
    EXPECT_EQ(t.unit_length(), 20.0) << "Yes presets the reserved records again";
    EXPECT_EQ(t.count(), 20);
    EXPECT_EQ(t.pending_command(), 0);
    EXPECT_EQ(t.action_state(), 0);
    EXPECT_EQ(f.pane(1), "");
    EXPECT_TRUE(f.services.called("script_refresh"));
}

TEST_F(DrawAction, DeleteLastRemovesOnlyTheLastObject)
{
    win.draw_action(214);  // nothing to delete
    EXPECT_EQ(t.count(), 20);
    EXPECT_TRUE(f.ui.boxes.asked().empty());

    add_free_point(win, 50, 60, "A");
    add_free_point(win, 80, 60, "B");
    win.draw_action(291);
    ASSERT_EQ(t.count(), 21);
    EXPECT_EQ(t[20].name_view(), "A");
    EXPECT_TRUE(f.ui.boxes.asked().empty()) << "deleting the last object asks nothing";
    EXPECT_EQ(t.restore_top(), 15) << "the deleted object can be restored";
    EXPECT_FALSE(win.repaint_pending()) << "the window is updated at once";
}

TEST_F(DrawAction, StepThroughStartsWithTheFirstObjectsText)
{
    add_free_point(win, 50, 60, "A");
    f.services.object_text = "A= free point";
    win.draw_action(207);
    EXPECT_EQ(t.action_state(), 207);
    EXPECT_EQ(t.pending_command(), 207);
    EXPECT_EQ(win.step_cursor, 20);
    EXPECT_EQ(t.command_lock(), -1);
    EXPECT_EQ(f.pane(1), "Click the left button to draw: A= free point");
    EXPECT_TRUE(win.repaint_pending()) << "the window clears";
}

TEST_F(DrawAction, CommandSetsRepaintAndTheIdleEventLoopRunsItOnce)
{
    EXPECT_FALSE(win.repaint_pending());
    win.draw_action(216);
    win.invalidate(true);
    EXPECT_TRUE(win.repaint_pending());
    QCoreApplication::processEvents();
    EXPECT_FALSE(win.repaint_pending());
    EXPECT_FALSE(win.flush()) << "one invalidation, one repaint";
}

}  // namespace
