// The prover from the program's drawing windows: a midline drawing with its
// conclusion, its statement taken into the prover window, proved by the
// database method; then the prover's statement drawn into a new drawing.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "app_fixture.h"
#include "prover/prover.h"
#include "statement/window/prover_commands.h"
#include "support/gated_method.h"
#include "support/proof_wait.h"

using namespace app_test;

namespace {

constexpr int kPoint = 101;
constexpr int kMidpoint = 103;
constexpr int kParallel = 149;
constexpr int kShowProver = 193;
constexpr int kDrawScript = 221;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The menu that holds a command's item.
QMenu* menu_of(QAction* action)
{
    for (QObject* owner : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(owner))
            return menu;
    return nullptr;
}

// Triangle ABC, D the midpoint of AB, E that of AC; conclusion DE parallel to BC.
void build_midline(RunningApp& r)
{
    r.command(kPoint);
    r.click({250, 60});
    r.click({80, 330});
    r.click({430, 320});
    r.right_click();
    r.command(kMidpoint);
    r.click_on(r.find("A"));
    r.click_on(r.find("B"));
    r.click_on(r.find("A"));
    r.click_on(r.find("C"));
    r.right_click();
    ASSERT_NE(r.find("D"), 0);
    ASSERT_NE(r.find("E"), 0);
    r.command(kParallel);
    for (const char* name : {"D", "E", "B", "C"})
        r.click_on(r.find(name));
    r.right_click();
}

TEST(ProverFlow, MidlineStatementFromTheDrawingIsProvedByTheDatabase)
{
    RunningApp r;
    build_midline(r);
    ASSERT_EQ(r.table().conclusion_type(), kParallel);

    // The drawing's command opens the prover; "Draw According to Script"
    // waits for a statement.
    ASSERT_TRUE(r.command(kShowProver));
    toskApp* prover = r.prover();
    ASSERT_NE(prover, nullptr);
    EXPECT_FALSE(r.app->command_enabled(kDrawScript));
    EXPECT_EQ(prover->pane_text(0), "GDD method");

    ASSERT_TRUE(prover->command(pcmd::kFromDrawing));
    EXPECT_EQ(prover->edit()->text(),
              "EXAMPLE thm \n"
              "HYPOTHESES:\n"
              "POINT A;\n"
              "POINT B;\n"
              "POINT C;\n"
              "MIDPOINT D A B;\n"
              "MIDPOINT E A C;\n"
              "SHOW: PARALLEL D E B C.\n");
    EXPECT_EQ(g_npoints, 5);
    EXPECT_TRUE(r.app->command_enabled(kDrawScript)) << "the drawing side sees the statement";

    ASSERT_TRUE(prover->command(pcmd::kProve));
    wait_for_proof(*prover);
    EXPECT_EQ(prover->pane_text(0), "GDD method");
    EXPECT_EQ(prover->pane_text(1), "Problem Is True");
    const std::string proof = prover->edit()->text();
    EXPECT_TRUE(contains(proof, "The Machine Proof")) << proof;
    EXPECT_TRUE(contains(proof, "DE")) << proof;
}

TEST(ProverFlow, ClosingTheProverWhileItsStatementIsDrawnLeavesADrawingThatWorks)
{
    RunningApp r;
    build_midline(r);
    r.command(kShowProver);
    ASSERT_NE(r.prover(), nullptr);
    r.prover()->command(pcmd::kFromDrawing);
    r.command(500);
    ASSERT_TRUE(r.command(kDrawScript));
    r.click({200, 80});
    r.close_prover();
    ASSERT_EQ(r.prover(), nullptr);
    EXPECT_FALSE(r.app->command_enabled(kDrawScript));
    // The clicks go on safely; the drawing can be ended and used again.
    r.click({60, 300});
    r.right_click();
    r.command(kPoint);
    const int before = r.table().count();
    r.click({300, 300});
    EXPECT_EQ(r.table().count(), before + 1);
    // Only the two changed drawings hold the frame: No to both and it closes.
    r.ui.boxes.push_answer(MessageResult::No);
    r.ui.boxes.push_answer(MessageResult::No);
    EXPECT_TRUE(r.app->frame()->close());
    EXPECT_EQ(r.ui.boxes.pending_answers(), 0u);
}

// While the prover proves, the drawing windows go on: their commands and
// clicks work, the program refuses to close while the prover is open, and
// "Draw According to Script" waits for the proof's end.
TEST(ProverFlow, TheDrawingsGoOnWhileTheProverProves)
{
    RunningApp r;
    build_midline(r);
    r.command(kShowProver);
    toskApp* prover = r.prover();
    ASSERT_NE(prover, nullptr);
    prover->command(pcmd::kFromDrawing);
    QAction* draw_script = r.app->menu_action(kDrawScript);
    ASSERT_NE(draw_script, nullptr);
    QMenu* menu = menu_of(draw_script);
    ASSERT_NE(menu, nullptr);

    GatedMethod gate(kMethodWu);
    prover->command(kMethodWu);
    ASSERT_TRUE(prover->command(pcmd::kProve));
    gate.wait_until_entered();
    // The main window's menu opens, with the command waiting.
    menu->popup(QPoint(10, 10));
    settle();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(draw_script->isEnabled());
    menu->hide();
    EXPECT_FALSE(r.command(kDrawScript));

    r.command(kPoint);
    const int before = r.table().count();
    r.click({300, 300});
    EXPECT_EQ(r.table().count(), before + 1);
    r.right_click();
    EXPECT_FALSE(r.app->frame()->close());
    EXPECT_EQ(r.ui.boxes.asked().back().text, "Please close the prover first.");
    EXPECT_TRUE(prover->proving());

    gate.release();
    wait_for_proof(*prover);
    menu->popup(QPoint(10, 10));
    settle();
    EXPECT_TRUE(draw_script->isEnabled());
    menu->hide();
    EXPECT_EQ(prover->pane_text(1), "Problem Is True");
}

}  // namespace
