// The eleven command enablers and the command-enable flag.

#include <gtest/gtest.h>

#include <QToolButton>

#include <algorithm>

#include "window/command_table.h"
#include "window_test_support.h"

namespace {

class Enablers : public WindowTest {};

using E = CommandEnabler;

// The ids the table binds to the given enablers; None: the framework default.
std::set<int> ids_of(std::initializer_list<CommandEnabler> enablers)
{
    std::set<int> ids;
    for (const DchildCommand& c : dchild_commands())
        if (std::find(enablers.begin(), enablers.end(), c.enabler) != enablers.end())
            ids.insert(c.id);
    return ids;
}

std::set<int> unguarded() { return ids_of({CommandEnabler::None}); }

std::set<int> enabled_ids(Dchild& win)
{
    std::set<int> ids;
    for (const DchildCommand& c : dchild_commands())
        if (win.command_enabled(c.id).value_or(false))
            ids.insert(c.id);
    return ids;
}

std::set<int> united(std::set<int> a, const std::set<int>& b)
{
    a.insert(b.begin(), b.end());
    return a;
}

void add_objects(Dchild& win, int n)
{
    for (int i = 0; i < n; ++i)
        add_free_point(win, 20 + 30 * i, 40, std::string(1, char('A' + i)).c_str());
}

TEST(EnablersTable, ObjectThresholdsZeroToFour)
{
    const std::set<int> base = united(ids_of({E::Enabled, E::NotStepping}), unguarded());
    const std::set<int> by_count[] = {
        base,
        united(base, ids_of({E::Objects1, E::DragModes})),
        united(base, ids_of({E::Objects1, E::Objects2, E::DragModes})),
        united(base, ids_of({E::Objects1, E::Objects2, E::Objects3, E::DragModes})),
        united(base, ids_of({E::Objects1, E::Objects2, E::Objects3, E::Objects4, E::DragModes})),
    };
    for (int n = 0; n <= 4; ++n) {
        WindowFixture f;
        add_objects(*f.win, n);
        EXPECT_EQ(enabled_ids(*f.win), by_count[n]) << n << " objects";
    }
    WindowFixture f;
    EXPECT_TRUE(f.win->command_enabled(287).value()) << "the segment tool works on an empty drawing";
    EXPECT_FALSE(f.win->command_enabled(135).value()) << "the menu's segment needs two objects";
    EXPECT_EQ(f.win->objects().record_count(), 20) << "the enablers refresh the record count";
}

TEST_F(Enablers, StepThroughDisablesAllButDrivingPointsAndPaste)
{
    add_objects(win, 4);
    t.last_driver() = 0;
    t.restore_top() = 15;
    win.block_cmd(452);
    g_prover_app = f.win.get();
    f.services.prover_points = 5;
    win.command(207);
    ASSERT_EQ(t.action_state(), 207);
    ASSERT_EQ(t.command_lock(), -1);
    EXPECT_EQ(enabled_ids(win), united(ids_of({E::DrivingPoint, E::Paste}), unguarded()));
    g_prover_app = nullptr;
}

TEST(EnablersTable, TheCommandEnableFlag)
{
    const std::set<int> all_objects = ids_of({E::Objects1, E::Objects2, E::Objects3, E::Objects4});
    struct Case {
        int objects;
        int flag;
        int restore_top;  // above 14: something to restore
        std::set<int> expected;
    };
    const Case cases[] = {
        // 1: every object command, but drag modes, restore and draw-script test their own conditions.
        {0, 1, 14,
         united(united(ids_of({E::Enabled, E::NotStepping, E::DrivingPoint, E::Paste}), all_objects), unguarded())},
        // -1: only the commands that do not honour the flag.
        {4, -1, 16, united(ids_of({E::DragModes, E::Restore}), unguarded())},
        // Any other value: the object counts decide.
        {2, 5, 14, united(ids_of({E::Enabled, E::NotStepping, E::Objects1, E::Objects2, E::DragModes}), unguarded())},
    };
    for (const Case& c : cases) {
        WindowFixture f;
        ObjectTable& t = f.win->objects();
        add_objects(*f.win, c.objects);
        t.command_lock() = c.flag;
        t.restore_top() = c.restore_top;
        EXPECT_EQ(enabled_ids(*f.win), c.expected) << "flag " << c.flag;
    }
}

TEST_F(Enablers, ConditionalEnablers)
{
    EXPECT_FALSE(win.enabler_rule(CommandEnabler::DrivingPoint));
    t.last_driver() = 0;
    EXPECT_TRUE(win.enabler_rule(CommandEnabler::DrivingPoint));

    EXPECT_FALSE(win.enabler_rule(CommandEnabler::Restore));
    t.restore_top() = 15;
    EXPECT_TRUE(win.enabler_rule(CommandEnabler::Restore));

    EXPECT_FALSE(win.enabler_rule(CommandEnabler::Paste));
    win.block_cmd(452);
    EXPECT_TRUE(win.enabler_rule(CommandEnabler::Paste));

    // Draw According to Script: the prover must be open and hold a statement.
    EXPECT_FALSE(win.enabler_rule(CommandEnabler::DrawScript));
    auto prover = std::make_unique<QWidget>();
    g_prover_app = prover.get();
    EXPECT_FALSE(win.enabler_rule(CommandEnabler::DrawScript)) << "empty point table";
    f.services.prover_points = 1;
    EXPECT_TRUE(win.enabler_rule(CommandEnabler::DrawScript));
    prover.reset();
    EXPECT_FALSE(win.enabler_rule(CommandEnabler::DrawScript)) << "prover closed";
}

TEST_F(Enablers, CommandsOfMissingSubsystemsStayDisabled)
{
    add_objects(win, 4);
    f.services.missing = {CommandHandler::ConsMode, CommandHandler::SetColor, CommandHandler::Animation};
    win.objects().last_driver() = 0;
    EXPECT_FALSE(win.command_enabled(103).value()) << "constructions";
    EXPECT_FALSE(win.command_enabled(287).value()) << "construction tools";
    EXPECT_FALSE(win.command_enabled(137).value()) << "a command without an enabler";
    EXPECT_FALSE(win.command_enabled(420).value()) << "animation";
    EXPECT_TRUE(win.command_enabled(101).value()) << "the window's own commands";
    EXPECT_TRUE(win.command_enabled(175).value());
    EXPECT_TRUE(win.command_enabled(24334).value()) << "an enabler without a handler";

    ensure_widgets_application();
    DrawingServices& none = no_drawing_services();
    for (const DchildCommand& c : dchild_commands()) {
        const bool own = c.handler == CommandHandler::DrawAction || c.handler == CommandHandler::DragMode ||
                         c.handler == CommandHandler::ToggleView || c.handler == CommandHandler::UpdAttrBuf ||
                         c.handler == CommandHandler::RestoreLast || c.handler == CommandHandler::None;
        EXPECT_EQ(none.provides(c.handler) || own, own) << c.id;
    }
}

TEST(EnablersInApp, StepThroughLeftByTheRightButtonGivesTheCommandsBack)
{
    AppFixture f;
    Dchild& win = f.active();
    add_objects(win, 3);
    f.app->update_toolbox();
    ASSERT_TRUE(f.app->toolbox_button(291)->isEnabled());
    ASSERT_TRUE(f.app->route_command(207));
    EXPECT_EQ(win.objects().command_lock(), -1);
    EXPECT_FALSE(f.app->toolbox_button(291)->isEnabled());
    EXPECT_FALSE(f.app->toolbox_button(280)->isEnabled());

    win.EvRButtonDown();
    win.EvRButtonUp();
    win.after_event();
    EXPECT_EQ(win.objects().action_state(), 0);
    EXPECT_EQ(win.objects().command_lock(), 0);
    EXPECT_TRUE(f.app->toolbox_button(291)->isEnabled());
    EXPECT_TRUE(f.app->toolbox_button(280)->isEnabled());
}

TEST(EnablersInApp, StepThroughLeftByAnotherCommandGivesTheCommandsBack)
{
    AppFixture f;
    Dchild& win = f.active();
    add_objects(win, 3);
    ASSERT_TRUE(f.app->route_command(207));
    // The clipboard rectangle has no enabler, so it can be chosen while stepping.
    ASSERT_TRUE(f.app->route_command(468));
    EXPECT_EQ(win.objects().action_state(), 468);
    EXPECT_EQ(win.objects().command_lock(), 0);
    EXPECT_TRUE(f.app->command_enabled(214));
}

TEST(EnablersInApp, ShowProverRefreshesTheToolboxAllEnabledThenOpens)
{
    AppFixture f;
    Dchild& win = f.active();
    // The prover finds every toolbox button enabled, even on an empty drawing.
    std::vector<bool> buttons_when_opened;
    f.services.on_run_prover = [&] {
        for (QToolButton* b : f.app->toolbox_buttons())
            buttons_when_opened.push_back(b->isEnabled());
    };
    win.command(193);
    EXPECT_EQ(buttons_when_opened, std::vector<bool>(20, true));
    EXPECT_EQ(win.objects().command_lock(), 0);
    EXPECT_EQ(f.services.count("CmShowProver"), 1);

    auto prover = std::make_unique<QWidget>();
    g_prover_app = prover.get();
    win.command(193);
    EXPECT_EQ(f.services.count("CmShowProver"), 1) << "an open prover is not opened again";
    prover.reset();
}

}  // namespace
