// The program's services leave no command without its provider: every
// handler of the drawing window's table is served, and every menu item and
// toolbox button reaches a handler on the command road.

#include <gtest/gtest.h>

#include <QToolButton>

#include <set>

#include "app_fixture.h"
#include "window/command_table.h"
#include "window/menu_layout.h"
#include "window/qt_ui_services.h"

using namespace app_test;

namespace {

TEST(Wiring, EveryHandlerOfTheDrawingWindowIsProvided)
{
    RunningApp r;
    for (const DchildCommand& c : dchild_commands())
        EXPECT_TRUE(r.drawing().handler_available(c.handler))
            << c.id << " " << handler_name(c.handler) << " has no provider";
}

TEST(Wiring, EveryMenuItemAndButtonReachesAHandler)
{
    RunningApp r;
    const std::set<int> frame_ids = {frame_cmd::kExit, frame_cmd::kCascade, frame_cmd::kTile,
                                     frame_cmd::kCloseAll};
    std::vector<int> ids = menu_command_ids();
    for (const ToolboxButton& b : toolbox_buttons())
        ids.push_back(b.id);
    // "Mark a Radius" is a menu item without a handler: it stays disabled.
    constexpr int kMarkRadius = 184;
    EXPECT_FALSE(r.app->command_enabled(kMarkRadius));
    EXPECT_FALSE(r.command(kMarkRadius));
    for (const int id : ids) {
        if (id == kMarkRadius)
            continue;
        const bool handled = r.drawing().handles_command(id) || r.client().handles_command(id) ||
                             frame_ids.count(id) != 0 || toolbox_menu_twin(id) != 0;
        EXPECT_TRUE(handled) << id << " \"" << menu_item_text(id) << "\" reaches nobody";
    }
}

// The program exactly as main() builds it, on the toolkit's dialogs (none is
// opened): it starts, draws and closes.
TEST(Wiring, TheProgramOnTheToolkitsDialogs)
{
    ensure_widgets_application();
    QtUi ui;
    QtAppDialogs dialogs(ui.services());
    AppServices services(ui.services(), dialogs.dialogs());
    {
        TDrawApp app(ui.services(), services.drawing());
        app.InitMainWindow();
        ui.set_parent(app.frame());
        dialogs.set_parent(app.frame());
        app.InitInstance();
        settle();
        ASSERT_NE(g_active_draw, nullptr);
        ASSERT_NE(g_script_mgr, nullptr);
        EXPECT_TRUE(app.route_command(101));
        QTest::mouseClick(g_active_draw, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
        settle();
        EXPECT_EQ(g_active_draw->objects().count(), 21);
        EXPECT_TRUE(app.command_enabled(193));
        g_active_draw->modified = 0;
        EXPECT_TRUE(app.frame()->close());
    }
    settle();
    EXPECT_EQ(g_active_draw, nullptr);
}

}  // namespace
