// The prover window while a proof runs on its own thread: the window shows
// the proof as it comes and repaints, the cursor shows the program busy, the
// commands that would read or change the statement wait, and closing the
// window, the program's end and the time limit each end the proof.

#include <gtest/gtest.h>

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QTextCursor>
#include <QToolBar>

#include "prover_fixture.h"
#include "statement/prove_run.h"
#include "statement/window/prover_commands.h"
#include "support/gated_method.h"
#include "support/held_prover_clock.h"

namespace {

bool contains_text(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Counts the paintings of a widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

// Commands that read or change the prover's tables or the window's text.
const std::vector<int>& waiting_commands()
{
    static const std::vector<int> ids{
        pcmd::kProve, pcmd::kProveButton, pcmd::kBuildGdd, pcmd::kFromText, pcmd::kFromTextButton,
        pcmd::kFromDrawing, pcmd::kFromDrawingButton, pcmd::kLoadFile, 315, 337, 325, 326, 327, 328, 329, 330,
        pcmd::kTimeLimit, pcmd::kDetailed, pcmd::kExplain, pcmd::kShowStatement, pcmd::kPredicateForm,
        pcmd::kClearWindow, pcmd::kShowSize, pcmd::kShowGdd, pcmd::kProveFact, pcmd::kSearchFact, 302, 331,
        pcmd::kNew, pcmd::kOpen, pcmd::kUndo, pcmd::kPaste, pcmd::kClearAll, pcmd::kReplace};
    return ids;
}

// What stays: the text can be kept, printed and searched, help read, the
// window closed.
const std::vector<int>& lasting_commands()
{
    static const std::vector<int> ids{pcmd::kSave, pcmd::kSaveAs, pcmd::kFind, pcmd::kExit,
                                      pcmd::kHelpConstructions, pcmd::kHelpMethods};
    return ids;
}

// The enabler and the menu item or tool-bar button agree.
bool shown_enabled(toskApp& app, int id)
{
    const bool enabled = app.command_enabled(id);
    if (QAction* a = app.action(id)) {
        EXPECT_EQ(a->isEnabled(), enabled) << id;
    }
    if (QAction* a = app.toolbar_action(id)) {
        EXPECT_EQ(a->isEnabled(), enabled) << id;
    }
    return enabled;
}

const QCursor* override_cursor() { return QGuiApplication::overrideCursor(); }

// The parallelogram example, to be proved by Wu's method (the gate).
void start_gated_proof(ProverWindow& w, GatedMethod& gate)
{
    w.command(315);
    w.command(kMethodWu);
    ASSERT_TRUE(w.app->command(pcmd::kProve));
    gate.wait_until_entered();
    ASSERT_TRUE(w.app->proving());
}

TEST(ProvingWindow, TheWindowLivesAndTheStatementWaitsWhileItProves)
{
    ProverWindow w;
    HeldProverClock clock;
    GatedMethod gate(kMethodWu);
    w.command(315);
    const std::string statement = w.text();
    start_gated_proof(w, gate);
    EXPECT_TRUE(proof_running());

    ASSERT_NE(override_cursor(), nullptr);
    EXPECT_EQ(override_cursor()->shape(), Qt::BusyCursor);
    EXPECT_EQ(w.pane(0), "Wu's method");
    EXPECT_EQ(w.pane(1), "") << "no verdict while it runs";
    EXPECT_EQ(w.pane(2), "");

    // What the method printed reaches the window, which paints it, while the
    // method still waits.
    PaintCounter paints(w.app->edit()->viewport());
    QCoreApplication::processEvents();
    EXPECT_EQ(w.app->edit()->toPlainText().toStdString(), "first step\n");
    w.app->edit()->viewport()->update();
    QCoreApplication::processEvents();
    EXPECT_GT(paints.count, 0);
    EXPECT_FALSE(gate.left());

    for (int id : waiting_commands())
        EXPECT_FALSE(shown_enabled(*w.app, id)) << id;
    for (int id : lasting_commands())
        EXPECT_TRUE(shown_enabled(*w.app, id)) << id;
    EXPECT_TRUE(w.app->edit()->isReadOnly());
    // Waiting commands do nothing, a second Prove included.
    EXPECT_FALSE(w.app->command(pcmd::kProve));
    EXPECT_FALSE(w.app->command(kMethodDatabase));
    EXPECT_FALSE(w.app->command(316));
    EXPECT_EQ(g_method, kMethodWu);

    // A caret put elsewhere meanwhile does not take the proof's output.
    QTextCursor at_start = w.app->edit()->textCursor();
    at_start.movePosition(QTextCursor::Start);
    w.app->edit()->setTextCursor(at_start);

    gate.release();
    wait_for_proof(*w.app);
    EXPECT_TRUE(gate.finished());
    EXPECT_FALSE(proof_running());
    EXPECT_EQ(w.text(), "first step\nlast step\n");
    EXPECT_EQ(w.pane(0), "Wu's method");
    EXPECT_EQ(w.pane(1), "Problem Is True");
    EXPECT_EQ(mask_time(w.pane(2)), "Time :x.xxxxxx");
    EXPECT_EQ(override_cursor(), nullptr);
    for (int id : waiting_commands())
        EXPECT_TRUE(shown_enabled(*w.app, id)) << id;
    EXPECT_TRUE(w.app->action(kMethodWu)->isChecked());
    EXPECT_FALSE(w.app->edit()->isReadOnly());

    // The proof, printed in pieces, is one step for Undo with the clearing.
    w.command(pcmd::kUndo);
    EXPECT_EQ(w.text(), statement);
}

TEST(ProvingWindow, ClosingTheWindowStopsTheProofFirst)
{
    ProverWindow w;
    HeldProverClock clock;
    GatedMethod gate(kMethodWu);
    start_gated_proof(w, gate);

    // The question about the changed text comes first: Cancel keeps the
    // window and its proof.
    QCoreApplication::processEvents();
    w.ui.boxes.push_answer(MessageResult::Cancel);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.app->proving());
    EXPECT_FALSE(gate.left());

    // The proof has ended when the close is done, before the window goes.
    w.ui.boxes.push_answer(MessageResult::No);
    w.app->frame()->close();
    ASSERT_EQ(running_prover(), nullptr);
    EXPECT_TRUE(gate.left());
    EXPECT_FALSE(gate.finished()) << "stopped, not run to its end";
    EXPECT_EQ(w.closed_count, 1);
    process_deferred_deletes();
    w.app = nullptr;
    EXPECT_FALSE(proof_running());
    EXPECT_EQ(override_cursor(), nullptr);

    // The stop was for that proof alone.
    const ProveRun next = prove_example(315, kMethodDatabase, 60);
    EXPECT_EQ(next.result, "true") << next.message;
}

TEST(ProvingWindow, TheProgramsEndStopsTheProof)
{
    ProverWindow w;
    HeldProverClock clock;
    GatedMethod gate(kMethodWu);
    start_gated_proof(w, gate);
    // The program's event loop ends: the proof stops, the window stays until
    // the program takes it down.
    ASSERT_TRUE(QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit", Qt::DirectConnection));
    EXPECT_TRUE(gate.left());
    // The proof's own news of its end comes late and changes nothing.
    QCoreApplication::processEvents();
    EXPECT_FALSE(w.app->proving());
    EXPECT_EQ(w.pane(1), "Not Solved");
    EXPECT_TRUE(contains_text(w.text(), "The proof was stopped.")) << w.text();
    EXPECT_EQ(override_cursor(), nullptr);
}

TEST(ProvingWindow, AWindowDeletedWithoutACloseWaitsForItsProof)
{
    HeldProverClock clock;
    GatedMethod gate(kMethodWu);
    {
        ProverWindow w;
        start_gated_proof(w, gate);
        delete w.app->frame();
        w.app = nullptr;
        EXPECT_EQ(running_prover(), nullptr);
    }
    EXPECT_TRUE(gate.left());
    EXPECT_EQ(override_cursor(), nullptr);
}

TEST(ProvingWindow, TheTimeLimitStillEndsIt)
{
    ProverWindow w;
    HeldProverClock clock;
    GatedMethod gate(kMethodWu);
    g_timelimit = 1000;
    start_gated_proof(w, gate);
    clock.now = 5000;
    wait_for_proof(*w.app);
    EXPECT_TRUE(gate.left());
    EXPECT_FALSE(gate.finished());
    EXPECT_EQ(w.text(),
              "\n\nThe program is terminated after running 1().\n"
              "You may reset a maximal proof time for the prover\nwith the Prove menu\n");
    EXPECT_EQ(w.pane(1), "Not Solved");
}

}  // namespace
