// Every command id of the drawing window's response table reaches its
// handler; the toolbox tools start the same commands as their menu twins.

#include <gtest/gtest.h>

#include <QAction>
#include <QToolButton>

#include <map>

#include "model/deleting.h"
#include "platform/dialogs.h"
#include "window/command_table.h"
#include "window/menu_layout.h"
#include "window_test_support.h"

namespace {

class CommandRouting : public WindowTest {};

// The response table: command id and the handler it is bound to.
const std::map<int, std::string>& expected_handlers()
{
    static const std::map<int, std::string> table = [] {
        std::map<int, std::string> t;
        for (int id : {99,  102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118,
                       119, 120, 121, 122, 123, 124, 125, 126, 127, 128, 129, 130, 131, 132, 133, 134, 135, 136,
                       140, 143, 144, 145, 146, 147, 148, 149, 150, 151, 152, 153, 154, 155, 156, 157, 158, 159,
                       160, 161, 162, 163, 164, 165, 166, 169, 170, 171, 172, 173, 181, 182, 183, 186, 187, 189,
                       190, 191, 192, 194, 197, 198, 199, 222, 224, 236, 237, 242, 243, 281, 282, 283, 287, 288,
                       289, 290, 293, 295, 296, 297, 298, 384, 455, 456, 457, 458, 460, 462, 470, 471})
            t[id] = "cons_mode_cmd";
        for (int id : {101, 180, 195, 207, 214, 216, 245, 280, 291, 292, 300, 465, 466, 467, 468})
            t[id] = "draw_action";
        for (int id : {175, 176, 177, 178, 179, 226, 285, 286})
            t[id] = "drag_mode_cmd";
        for (int id : {220, 225, 238, 239, 420, 422, 423, 424, 425, 426, 427, 428, 429, 430, 431, 461})
            t[id] = "CmAnimation";
        for (int id : {203, 204, 205, 206, 299, 451, 452, 453})
            t[id] = "block_cmd";
        for (int id : {168, 223, 463})
            t[id] = "measure_cmd";
        for (int id : {137, 142, 167})
            t[id] = "CmSetColor";
        t[138] = "CmLineWidth";
        t[139] = "CmLineStyle";
        t[174] = "CmFontSize";
        t[188] = "CmScriptManager";
        t[193] = "CmShowProver";
        t[141] = "restore_last";
        t[221] = "CmDrawScript";
        t[210] = "CmPrint";
        t[211] = "save_ps";
        t[233] = "save_bitmap";
        t[229] = "CmPrinterSetup";
        t[230] = "CmPrintPreview";
        t[502] = "fig_save";
        t[503] = "fig_save_as";
        t[209] = "toggle_view_flag";
        t[464] = "upd_attr_buf";
        return t;
    }();
    return table;
}

// What a draw_action command visibly does, checked on a window with two objects.
bool draw_action_effect(WindowFixture& f, int id, const ObjectTable& before)
{
    ObjectTable& t = f.win->objects();
    switch (id) {
    case 101:
    case 280: return t.pending_command() == 101 && t.action_state() == 10;
    case 180:
    case 465:
    case 466: return t.pending_command() == id && t.action_state() == 10;
    case 195:
    case 292: return f.ui.boxes.asked().size() == 1 && f.ui.boxes.asked()[0].caption == "Delete the whole diagram";
    case 214:
    case 291: return t.count() == before.count() - 1;
    case 207: return t.action_state() == 207 && t.command_lock() == -1;
    case 216: return f.win->repaint_pending();
    case 245: return t.conclusion_type() == 1111;
    case 467: return t.leave_trace() == 1;
    case 468: return t.action_state() == 468;
    case 300: return t.action_state() == 0 && t.pending_command() == 0 && !f.win->repaint_pending();
    default: return false;
    }
}

// What a block command visibly does, on the same window.
bool block_effect(Dchild& win, int id, const ObjectTable& before)
{
    ObjectTable& t = win.objects();
    switch (id) {
    case 203: return t.block_count() == before.get(0).name[4] + 1 && t.current_block() == t.block_count();
    case 204: return t.action_state() == 204 && t.pending_command() == 204;
    case 205: return t.current_block() == 0;
    case 206: return t.count() < before.count();
    case 299: return t[20].block == 1 && t.block_count() == 1;
    case 451: return t.action_state() == 451 && t.current_block() == before.get(0).name[4] + 1;
    case 452: return g_block_owner == &win;
    case 453: return t.count() > before.count() && t.action_state() == 177;
    default: return false;
    }
}

// Runs the command on a fresh window and names the handler that visibly acted.
std::string observed_handler(int id)
{
    WindowFixture f;
    ObjectTable& t = f.win->objects();
    add_free_point(*f.win, 40, 40, "A");
    add_free_point(*f.win, 90, 40, "B");
    add_free_point(*f.win, 60, 90, "C");
    del_point(f.win->diagram, 22, 0, 0);  // something to restore
    t.conclusion_type() = 148;
    if (id == 299) {
        t[20].block = 2;
        t.block_count() = 2;
    }
    if (id == 453)
        f.win->block_cmd(452);  // something to paste
    const ObjectTable before = t;
    const int restore_before = t.restore_top();
    f.services.calls.clear();

    if (!f.win->command(id))
        return "none";

    for (const auto& call : f.services.calls) {
        if (call.what == "cons_step" && call.arg == 0)
            return t.action_state() == 11 && t.no_choice_pending() == 1 ? "cons_mode_cmd" : "cons_step?";
        // The model's renumbering of measurement operands after a deletion.
        if (call.what == "measure_cmd" && call.arg == -103)
            continue;
        if (call.what != "obj_text")
            return call.what;
    }
    if (id == 173 && t.new_points_show_names() == 0 && t[20].name_shown == 0)
        return "cons_mode_cmd";
    if (t.restore_top() == restore_before - 1)
        return "restore_last";
    if (f.win->view_flag == 1)
        return "toggle_view_flag";
    const int twin = id == 285 ? 175 : id == 286 ? 176 : id;
    const std::set<int> drag_modes{175, 176, 177, 178, 179, 226};
    if (drag_modes.count(twin) && t.action_state() == twin && t.pending_command() == twin)
        return "drag_mode_cmd";
    if (draw_action_effect(f, id, before))
        return "draw_action";
    if (block_effect(*f.win, id, before))
        return "block_cmd";
    return "nothing visible";
}

TEST(CommandRoutingTable, TableHoldsExactlyTheBoundIds)
{
    std::set<int> in_table;
    for (const DchildCommand& c : dchild_commands())
        if (c.handler != CommandHandler::None)
            in_table.insert(c.id);
    std::set<int> expected;
    for (const auto& [id, handler] : expected_handlers())
        expected.insert(id);
    EXPECT_EQ(in_table, expected);
    EXPECT_EQ(in_table.size(), 175u);

    auto only_enabler = find_dchild_command(24334);
    ASSERT_TRUE(only_enabler.has_value());
    EXPECT_EQ(only_enabler->handler, CommandHandler::None);
    EXPECT_EQ(only_enabler->enabler, CommandEnabler::Objects1);
}

TEST(CommandRoutingTable, EveryCommandReachesItsHandler)
{
    for (const auto& [id, handler] : expected_handlers())
        EXPECT_EQ(observed_handler(id), handler) << "command " << id;
}

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
    const Alias mode_tools[] = {{285, 175}, {286, 176}, {280, 101}};
    for (const Alias& a : mode_tools) {
        WindowFixture f;
        f.win->command(a.toolbox);
        EXPECT_EQ(f.win->objects().pending_command(), a.menu) << a.toolbox;
    }
}

TEST(CommandRoutingInApp, ToolboxHasTheTwentyButtonsInOrderWithTheirHints)
{
    AppFixture f;
    const std::pair<int, const char*> expected[] = {
        {501, "Open an existing drawing"},
        {502, "Saves the active drawing"},
        {280, "Add a new free point"},
        {281, "Change point name"},
        {287, "Add a line segment"},
        {289, "Delete a line segment"},
        {288, "Add a circle"},
        {290, "Delete a circle"},
        {297, "Take a point on a line"},
        {298, "Take a point on a circle"},
        {295, "Take a point on a PLINE"},
        {296, "Take a point on a TLINE"},
        {282, "Draw a middle point of a line segment"},
        {283, "Draw a foot from a point to line"},
        {384, "Draw the intersection of two lines"},
        {293, "Draw the intersection of a line and a circle"},
        {285, "Drag a point"},
        {286, "Moving a point name"},
        {292, "Clear the draw Window for a new drawing"},
        {291, "Delete the last construction"},
    };
    const auto& buttons = f.app->toolbox_buttons();
    ASSERT_EQ(buttons.size(), std::size(expected));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i]->property("command_id").toInt(), expected[i].first) << i;
        EXPECT_EQ(buttons[i]->toolTip().toStdString(), expected[i].second) << i;
        EXPECT_EQ(buttons[i]->statusTip().toStdString(), expected[i].second) << i;
        EXPECT_FALSE(buttons[i]->icon().isNull()) << i;
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
    win.command(116);
    EXPECT_EQ(win.scratch().type, 116);
    EXPECT_EQ(win.scratch().arg[0], 0);
    EXPECT_EQ(win.objects().action_state(), 11);
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
