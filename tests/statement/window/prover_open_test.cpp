// Opening and closing the prover window: fresh tables at each opening, the
// time limit and the detailed-proof switch kept, the question about changed
// text, and where the prover's output goes.

#include <gtest/gtest.h>

#include "facts/gdd.h"
#include "facts/gdd_conds.h"
#include "prover_fixture.h"
#include "statement/examples.h"
#include "statement/window/prover_commands.h"

namespace {

TEST(ProverOpen, OpeningSelectsTheDatabaseMethodAndEmptiesTheStatement)
{
    // Whatever an earlier opening or reading left.
    g_method = kMethodWu;
    g_npoints = 5;
    g_concl.type = 150;
    ProverWindow w;
    EXPECT_EQ(running_prover(), w.app);
    EXPECT_TRUE(prover_tables_built());
    EXPECT_EQ(g_method, kMethodDatabase);
    EXPECT_EQ(g_npoints, 0);
    EXPECT_EQ(g_concl.type, concl_kind::kNone);
    EXPECT_EQ(w.pane(0), "GDD method");
    EXPECT_EQ(w.pane(1), "");
    EXPECT_EQ(w.pane(2), "");
    EXPECT_EQ(w.pane(3), "");
    EXPECT_EQ(w.app->frame()->windowTitle().toStdString(), "Prover");
    EXPECT_TRUE(w.app->frame()->isVisible());
}

TEST(ProverOpen, TimeLimitAndDetailedProofSurviveClosingAndReopening)
{
    const int saved_limit = g_timelimit;
    const auto saved_detailed = g_detailed;
    g_detailed = 0;
    {
        ProverWindow w;
        w.ui.input.push_answer("7");
        w.command(pcmd::kTimeLimit);
        w.command(pcmd::kDetailed);
        ASSERT_EQ(g_timelimit, 7000);
        ASSERT_EQ(g_detailed, 1);
        ASSERT_TRUE(w.close());
        EXPECT_EQ(w.closed_count, 1);
        EXPECT_EQ(running_prover(), nullptr);
    }
    ProverWindow again;
    EXPECT_EQ(g_timelimit, 7000);
    EXPECT_EQ(g_detailed, 1);
    again.command(pcmd::kTimeLimit);  // cancelled: the queue is empty
    ASSERT_EQ(again.ui.input.asked().size(), 1u);
    EXPECT_EQ(again.ui.input.asked()[0].initial, "7");
    EXPECT_EQ(g_timelimit, 7000);
    EXPECT_TRUE(again.app->action(pcmd::kDetailed)->isChecked());
    again.command(pcmd::kDetailed);  // and off again
    EXPECT_EQ(g_detailed, 0);
    EXPECT_FALSE(again.app->action(pcmd::kDetailed)->isChecked());
    g_timelimit = saved_limit;
    g_detailed = saved_detailed;
}

TEST(ProverOpen, ChangedTextIsAskedAboutBeforeClosing)
{
    {
        ProverWindow empty;
        EXPECT_TRUE(empty.close());
        EXPECT_TRUE(empty.ui.boxes.asked().empty()) << "an empty window closes without a question";
    }
    ProverWindow w;
    w.app->edit()->insertPlainText(QStringLiteral("EXAMPLE mine\n"));
    w.ui.boxes.push_answer(MessageResult::Cancel);
    EXPECT_FALSE(w.close());
    EXPECT_EQ(running_prover(), w.app);
    EXPECT_EQ(w.closed_count, 0);
    ASSERT_EQ(w.ui.boxes.asked().size(), 1u);
    EXPECT_EQ(w.ui.boxes.asked()[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(w.ui.boxes.asked()[0].caption, "Prover");

    w.ui.boxes.push_answer(MessageResult::No);
    EXPECT_TRUE(w.close());
    EXPECT_EQ(running_prover(), nullptr);
    EXPECT_EQ(w.closed_count, 1);
}

// The database the last proof left for the window's commands goes when the
// window closes.
TEST(ProverOpen, ClosingGivesBackWhatTheLastProofLeft)
{
    ProverWindow w;
    w.command(317);  // Simson
    w.command(pcmd::kProve);
    ASSERT_EQ(w.pane(1), "Problem Is True");
    EXPECT_FALSE(g_ln_list.empty());
    EXPECT_GT(cond_pool_size(), 0u);
    w.ui.boxes.push_answer(MessageResult::No);  // the proof text is not saved
    ASSERT_TRUE(w.close());
    EXPECT_TRUE(g_ln_list.empty());
    EXPECT_EQ(cond_pool_size(), 0u);
}

TEST(ProverOpen, OutputGoesToTheWindowOnlyWhileItIsOpen)
{
    {
        ProverWindow w;
        gprint("one\r\ntwo % three\r\n");
        EXPECT_EQ(w.text(), "one\ntwo % three\n");
        clear_prover_window();
        EXPECT_EQ(w.text(), "");
        gprint("shown later");
        // Prints made outside a command appear when the event loop runs.
        QCoreApplication::processEvents();
        EXPECT_EQ(w.app->edit()->toPlainText().toStdString(), "shown later");
        w.force_close();
    }
    prover_output().clear();
    gprint("after closing");
    EXPECT_EQ(prover_output(), "after closing");
    prover_output().clear();
}

TEST(ProverOpen, StatusPanesFollowTheFigures)
{
    ProverWindow w;
    struct Case {
        int method;
        int result;
        int time;
        int maxterm;
        std::array<const char*, 4> panes;
    };
    const Case cases[] = {
        {325, 1, 250, 12, {"Area method", "Problem Is True", "Time :0.250000", "maxterm: 12"}},
        {327, -1, 0, 0, {"Wu's method", "Problem Is False", "Time :0.000000", ""}},
        {328, 2, -1, -1, {"G-basis method", "Not Solved", "", ""}},
        {329, 0, 1500, 1, {"Angle method", "", "Time :1.500000", "maxterm: 1"}},
        {330, 7, 3, 0, {"Vector method", "Not Solved", "Time :0.003000", ""}},
        {999, 0, -1, 0, {"", "", "", ""}},
    };
    for (const Case& c : cases) {
        g_method = c.method;
        g_result = c.result;
        g_time = c.time;
        g_maxterm = c.maxterm;
        show_status();
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(w.pane(i), c.panes[static_cast<std::size_t>(i)]) << c.method << " pane " << i;
    }
}

}  // namespace
