// The drawing application and the prover window: "Show QPL Prover" from the
// menu and the frame that will not close while the prover is open.

#include <gtest/gtest.h>

#include "bridge_fixture.h"
#include "statement/window/prover_commands.h"
#include "window/draw_app.h"

namespace {

struct ProverApplication {
    ScriptedUi ui;
    ScriptedPredicateInput predicates;
    ProverDrawingServices services;
    std::unique_ptr<TDrawApp> app;

    ProverApplication()
    {
        ensure_widgets_application();
        route_latex_output();
        services.prover_predicates = &predicates;
        app = std::make_unique<TDrawApp>(ui.services(), services);
        app->InitMainWindow();
        app->InitInstance();
    }
    ~ProverApplication()
    {
        close_running_prover();
        app.reset();
        process_deferred_deletes();
    }
};

TEST(ShowProverApp, TheFrameWaitsForTheProverToClose)
{
    ProverApplication a;
    ASSERT_TRUE(a.app->command_enabled(193));
    ASSERT_TRUE(a.app->route_command(193));
    toskApp* prover = running_prover();
    ASSERT_NE(prover, nullptr);
    // The prover asks through the application's dialogs.
    prover->command(pcmd::kTimeLimit);
    EXPECT_EQ(a.ui.input.asked().size(), 1u);

    // A tool window of the frame, brought to the front by the menu and by
    // the refused Exit.
    EXPECT_EQ(prover->frame()->parentWidget(), a.app->frame());
    EXPECT_EQ(prover->frame()->windowType(), Qt::Tool);
    const auto active_after = [&a](auto&& step) {
        a.app->frame()->activateWindow();
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), a.app->frame());
        step();
        QCoreApplication::processEvents();
        return QApplication::activeWindow();
    };
    EXPECT_EQ(active_after([&a] { a.app->route_command(193); }), prover->frame());
    EXPECT_EQ(running_prover(), prover);
    EXPECT_EQ(active_after([&a] { EXPECT_FALSE(a.app->CanClose()); }), prover->frame());
    ASSERT_EQ(a.ui.boxes.asked().size(), 1u);
    EXPECT_EQ(a.ui.boxes.asked()[0].text, "Please close the prover first.");

    prover->frame()->close();
    process_deferred_deletes();
    EXPECT_EQ(running_prover(), nullptr);
    EXPECT_TRUE(prover_flag_clear());
    EXPECT_TRUE(a.app->CanClose());
}

}  // namespace
