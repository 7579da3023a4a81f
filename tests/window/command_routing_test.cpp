// Commands reach their handlers with their ids; the toolbox tools start the
// same commands as their menu twins; drag modes and toggles.

#include <gtest/gtest.h>

#include <QToolButton>

#include "window_test_support.h"

namespace {

class CommandRouting : public WindowTest {};

TEST(CommandRoutingTable, HandlersThatServeSeveralIdsReceiveTheId)
{
    for (int id : {137, 142, 167, 168, 220, 461, 463}) {
        WindowFixture f;
        f.services.calls.clear();
        f.win->command(id);
        ASSERT_FALSE(f.services.calls.empty()) << id;
        EXPECT_EQ(f.services.calls.back().arg, id) << id;
    }
}

TEST(CommandRoutingTable, ToolboxToolsStartTheirMenuTwins)
{
    struct Alias {
        int toolbox;
        int menu;
    };
    const Alias construction_tools[] = {
        {281, 134}, {282, 103}, {283, 102}, {287, 135}, {288, 136}, {289, 190}, {290, 191},
        {293, 122}, {295, 111}, {296, 112}, {297, 110}, {298, 113}, {384, 116},
    };
    for (const Alias& a : construction_tools) {
        WindowFixture f;
        f.win->command(a.toolbox);
        EXPECT_EQ(f.win->objects().pending_command(), a.menu) << a.toolbox;
        EXPECT_EQ(f.services.last_cons_type, a.menu) << a.toolbox << ": the pending record is the menu command's";
        EXPECT_EQ(f.win->scratch().type, a.menu) << a.toolbox;
    }
}

TEST(CommandRoutingInApp, ToolboxButtonsGoThroughTheRoad)
{
    AppFixture f;
    add_free_point(*g_active_draw, 30, 30, "A");
    f.app->update_toolbox();
    f.app->toolbox_button(285)->click();
    EXPECT_EQ(g_active_draw->objects().action_state(), 175);

    f.ui.files.push_answer(std::nullopt);
    f.app->toolbox_button(501)->click();
    EXPECT_EQ(f.ui.files.asked().size(), 1u) << "the open tool reaches the client";

    f.app->toolbox_button(502)->click();
    EXPECT_TRUE(f.services.called("fig_save")) << "the save tool reaches the drawing";
}

TEST(CommandRoutingInApp, DisabledCommandsDoNothing)
{
    AppFixture f;
    // An empty drawing: "Delete the Last Construction" is disabled.
    EXPECT_FALSE(f.app->command_enabled(214));
    EXPECT_FALSE(f.app->route_command(214));
    // No handler anywhere.
    EXPECT_FALSE(f.app->route_command(184));
    EXPECT_FALSE(f.app->route_command(24332));
}

TEST_F(CommandRouting, AllNamesAlternatesBetweenHidingAndShowing)
{
    win.command(173);
    EXPECT_EQ(t.new_points_show_names(), 0) << "an empty drawing only flips the flag";
    EXPECT_EQ(t.action_state(), 0);
    EXPECT_EQ(t.pending_command(), 173);
    EXPECT_TRUE(win.repaint_pending());

    add_free_point(win, 10, 10, "A");
    add_free_point(win, 20, 10, "B");
    t[21].name_shown = 0;  // hidden on its own before
    win.command(173);
    EXPECT_EQ(t.new_points_show_names(), 1);
    EXPECT_EQ(t[20].name_shown, 1);
    EXPECT_EQ(t[21].name_shown, 1) << "every name shows again";
    EXPECT_EQ(t.record_count(), 22);
    win.command(173);
    EXPECT_EQ(t[20].name_shown, 0);
    EXPECT_EQ(t[21].name_shown, 0);
}

TEST_F(CommandRouting, NewConstructionDropsTheHalfDoneOne)
{
    win.command(103);
    win.scratch().arg[0] = 21;
    win.objects().action_state() = 12;
    t.pen_colour() = kRed;
    t.pen_style_setting() = 2;
    t.pen_size_setting() = 3;
    win.command(116);
    EXPECT_EQ(win.scratch().type, 116);
    EXPECT_EQ(win.scratch().arg[0], 0);
    EXPECT_EQ(win.objects().action_state(), 11);
    EXPECT_EQ(win.scratch().colour, kRed) << "the new construction takes the pen settings";
    EXPECT_EQ(win.scratch().pen_style, 2);
    EXPECT_EQ(win.scratch().size, 3);
}

TEST(CommandRoutingTable, DragModesShowTheirPromptsAndTitles)
{
    struct Case {
        int id;
        int mode;
        const char* pane1;
        const char* pane3;  // nullptr: unchanged
    };
    const Case cases[] = {
        {175, 175, "Drag a free or semi-free point in the diagram", "Drag Point #"},
        {285, 175, "Drag a free or semi-free point in the diagram", "Drag Point #"},
        {176, 176, "Move the name of a point", "Drag Name #"},
        {286, 176, "Move the name of a point", "Drag Name #"},
        {177, 177, "Use LEFT button to move the diagram", "Translate"},
        {178, 178, "Use LEFT button to select the rotation center", "Rotate"},
        {179, 179, "Use the mouse to select a point from the diagram", nullptr},
        {226, 226, "Use the LEFT button to drag a line.", nullptr},
    };
    for (const Case& c : cases) {
        WindowFixture f;
        set_status3("before");
        f.win->objects().drag_moved() = 1;
        f.win->command(c.id);
        EXPECT_EQ(f.win->objects().action_state(), c.mode) << c.id;
        EXPECT_EQ(f.win->objects().pending_command(), c.mode) << c.id;
        EXPECT_EQ(f.win->objects().drag_moved(), 0) << c.id;
        EXPECT_EQ(f.pane(1), c.pane1) << c.id;
        EXPECT_EQ(f.pane(3), c.pane3 ? c.pane3 : "before") << c.id;
    }
}

TEST_F(CommandRouting, ViewFlagCommandOnlyRepaints)
{
    win.command(209);
    EXPECT_EQ(win.view_flag, 1);
    EXPECT_TRUE(win.repaint_pending());
    win.command(209);
    EXPECT_EQ(win.view_flag, 0);
}

}  // namespace
