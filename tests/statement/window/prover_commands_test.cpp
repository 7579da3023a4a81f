// The prover window's commands: Prove and its status, method choice, the
// statement printers, the database listings, the fact search, help and the
// command enablers.

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QPixmap>
#include <QToolBar>

#include "prover_fixture.h"
#include "statement/kept_statement.h"
#include "statement/prove_run.h"
#include "statement/window/fact_choice.h"
#include "statement/window/prover_commands.h"

namespace {

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The prover's own text with its line breaks as the window keeps them.
std::string as_window_text(const std::string& prover_text)
{
    std::string out;
    for (char c : prover_text)
        if (c != '\r')
            out += c;
    return out;
}

TEST(ProverCommands, ProveShowsTheProofAndTheFourPanes)
{
    ProverWindow w;
    w.command(315);
    ASSERT_TRUE(w.command(pcmd::kProve));
    const std::string proof = w.text();
    EXPECT_TRUE(contains(proof, "The Machine Proof")) << proof;
    EXPECT_EQ(proof.find("EXAMPLE"), std::string::npos) << "the window is cleared first";
    EXPECT_EQ(w.pane(0), "GDD method");
    EXPECT_EQ(w.pane(1), "Problem Is True");
    EXPECT_EQ(mask_time(w.pane(2)), "Time :x.xxxxxx");
    // The database method records no polynomial sizes.
    EXPECT_EQ(w.pane(3), "");

    // The window shows exactly what the prover printed.
    const ProveRun run = prove_example(315, kMethodDatabase, 60);
    EXPECT_EQ(mask_time(proof), mask_time(as_window_text(run.window_text)));
}

// What Prove proves is what the window shows: text typed after the last
// reading is read again, and one Undo brings the typed text back.
TEST(ProverCommands, ProveReadsTheEditedTextAndUndoBringsItBack)
{
    const std::string read = "EXAMPLE para\nHYPOTHESES:\nPOINT A B C;\nINTERSECTION_PP D A B C C A B;\n"
                             "INTERSECTION_LL O A C B D;\nSHOW: MIDPOINT O A C.\n";
    std::string edited = read;
    edited.replace(edited.find("O A C."), 6, "O B D.");
    ProverWindow w;
    w.type_text(read);
    EXPECT_TRUE(w.app->toolbar_action(pcmd::kProveButton)->isEnabled()) << "typed text can be proved";
    w.command(pcmd::kFromText);
    w.type_text(edited);
    ASSERT_TRUE(w.command(pcmd::kProveButton));
    EXPECT_TRUE(contains(w.text(), "The Machine Proof")) << w.text();
    EXPECT_EQ(g_concl.p[1], 2u) << "B";
    EXPECT_EQ(g_concl.p[2], 4u) << "D";
    EXPECT_EQ(w.pane(1), "Problem Is True");
    w.command(pcmd::kUndo);
    EXPECT_EQ(w.text(), edited);

    // A text that does not read keeps its errors in view, with no proof.
    w.type_text("POINT A B C;\nFOO D;\n");
    w.command(pcmd::kProve);
    EXPECT_EQ(w.text().rfind("POINT A B C;\n", 0), 0u) << w.text();
    EXPECT_TRUE(contains(w.text(), "Sytax error")) << w.text();
    EXPECT_FALSE(contains(w.text(), "The Machine Proof"));
    EXPECT_EQ(g_npoints, 0);
}

TEST(ProverCommands, ATimedOutProofSaysSo)
{
    ProverWindow w;
    const int saved_limit = g_timelimit;
    std::uint32_t now = 0;
    // Every look at the clock is two seconds later.
    set_prover_clock([&now] { return now += 2000; });
    g_timelimit = 1000;
    w.command(316);
    w.command(pcmd::kProve);
    set_prover_clock({});
    g_timelimit = saved_limit;
    EXPECT_EQ(w.text(),
              "\n\nThe program is terminated after running 1().\n"
              "You may reset a maximal proof time for the prover\nwith the Prove menu\n");
    EXPECT_EQ(w.pane(0), "GDD method");
    EXPECT_EQ(w.pane(1), "Not Solved");
}

TEST(ProverCommands, ChoosingAMethodEmptiesTheFigures)
{
    ProverWindow w;
    w.command(315);
    w.command(pcmd::kProve);
    ASSERT_EQ(w.pane(1), "Problem Is True");
    w.command(kMethodWu);
    EXPECT_EQ(g_method, kMethodWu);
    EXPECT_EQ(w.pane(0), "Wu's method");
    EXPECT_EQ(w.pane(1), "");
    EXPECT_EQ(w.pane(2), "");
    EXPECT_EQ(w.pane(3), "");
    EXPECT_TRUE(w.app->action(kMethodWu)->isChecked());
    EXPECT_FALSE(w.app->action(kMethodDatabase)->isChecked());
    // Build GDD goes back to the database method.
    w.command(pcmd::kBuildGdd);
    EXPECT_EQ(g_method, kMethodDatabase);
    EXPECT_EQ(w.pane(0), "GDD method");
}

TEST(ProverCommands, AMethodThatNeedsAConclusionRefusesWithout)
{
    ProverWindow w;
    w.command(315);
    g_concl.type = concl_kind::kNone;
    keep_loaded_statement();  // a statement without conclusion, as a drawing gives one
    w.command(kMethodGroebner);
    w.command(pcmd::kProve);
    EXPECT_EQ(w.text(), "\nNothing to prove\n\nPlease add a conclusion");
}

TEST(ProverCommands, StatementCommandsNeedTwoRecords)
{
    ProverWindow w;
    const int needs_two[] = {pcmd::kProve, pcmd::kBuildGdd, pcmd::kProveButton, pcmd::kShowStatement,
                             pcmd::kPredicateForm};
    for (int id : needs_two) {
        EXPECT_FALSE(w.app->command_enabled(id)) << id;
        EXPECT_FALSE(w.command(id)) << id;
    }
    EXPECT_FALSE(w.app->toolbar_action(pcmd::kProveButton)->isEnabled());
    EXPECT_FALSE(w.app->action(pcmd::kProve)->isEnabled());
    EXPECT_EQ(w.text(), "");

    w.command(315);
    for (int id : needs_two)
        EXPECT_TRUE(w.app->command_enabled(id)) << id;
    EXPECT_TRUE(w.app->toolbar_action(pcmd::kProveButton)->isEnabled());
    EXPECT_TRUE(w.app->action(pcmd::kProve)->isEnabled());
}

TEST(ProverCommands, StatementPrintersAppendWhileExplainAndClearEmptyTheWindow)
{
    ProverWindow w;
    w.command(315);
    const std::string statement = w.text();
    w.command(pcmd::kShowStatement);
    EXPECT_EQ(w.text(), statement + statement);

    w.command(pcmd::kPredicateForm);
    const std::string with_form = w.text();
    EXPECT_EQ(with_form.rfind(statement + statement + "The Predicate Form", 0), 0u) << with_form;
    EXPECT_TRUE(contains(with_form, "POINTS  A B C D O.")) << with_form;

    w.command(pcmd::kExplain);
    EXPECT_FALSE(contains(w.text(), "EXAMPLE"));
    EXPECT_FALSE(w.text().empty());

    w.command(pcmd::kClearWindow);
    EXPECT_EQ(w.text(), "");
}

TEST(ProverCommands, DatabaseListingsBeforeAndAfterBuilding)
{
    ProverWindow w;
    w.command(315);
    w.command(pcmd::kClearWindow);
    // Nothing is built yet: every list is empty.
    w.command(312);
    EXPECT_EQ(w.text(), "\nThere is no midpoint relation in the GDB.\n");

    w.command(pcmd::kBuildGdd);
    w.command(pcmd::kClearWindow);
    w.command(302);
    const std::string lines = w.text();
    EXPECT_TRUE(contains(lines, "The configuration contains the following lines")) << lines;
    // The listings append.
    w.command(312);
    EXPECT_EQ(w.text().rfind(lines, 0), 0u);
    EXPECT_TRUE(contains(w.text(), "midpoints"));

    w.command(pcmd::kShowSize);
    EXPECT_EQ(w.text().rfind("\nSize of the GDD\n", 0), 0u) << w.text();
    w.command(pcmd::kShowGdd);
    EXPECT_EQ(w.text().rfind("\n***************************************\n", 0), 0u) << w.text();
}

FactChoice choice_of(int predicate, std::array<int, 8> points)
{
    FactChoice c;
    c.predicate = predicate;
    c.points = points;
    return c;
}

TEST(ProverCommands, FactSearchAnswersFromTheDatabase)
{
    ProverWindow w;
    w.command(315);  // A B C D O: O is the midpoint of A C
    w.command(pcmd::kBuildGdd);

    // MIDPOINT O A C: O is record 5, A 1, C 3.
    w.predicates.push_answer(choice_of(3, {4, 0, 2, 0, 0, 0, 0, 0}));
    w.command(pcmd::kClearWindow);
    w.command(pcmd::kSearchFact);
    EXPECT_EQ(w.predicates.asked(), (std::vector<std::string>{"Input A Fact"}));
    EXPECT_EQ(g_fact.type, 151);
    EXPECT_TRUE(contains(w.text(), "\n\nThe Input Fact Is: ")) << w.text();
    EXPECT_TRUE(contains(w.text(), "\nThis fact is in the Dababase.\n")) << w.text();
    EXPECT_FALSE(contains(w.text(), "The Machine Proof"));
    EXPECT_EQ(g_result, 1);
    EXPECT_EQ(w.pane(1), "Problem Is True");

    // The same with its proof.
    w.predicates.push_answer(choice_of(3, {4, 0, 2, 0, 0, 0, 0, 0}));
    w.command(pcmd::kClearWindow);
    w.command(pcmd::kProveFact);
    EXPECT_TRUE(contains(w.text(), "The Machine Proof")) << w.text();

    // PERPENDICULAR A B A C does not hold.
    w.predicates.push_answer(choice_of(2, {0, 1, 0, 0, 0, 2, 0, 0}));
    w.command(pcmd::kClearWindow);
    w.command(pcmd::kSearchFact);
    EXPECT_TRUE(contains(w.text(), "\nThis fact is not in the Dababase.\n")) << w.text();
    EXPECT_EQ(g_result, -1);
    EXPECT_EQ(w.pane(1), "Problem Is False");
}

TEST(ProverCommands, TrivialFactsAndCancel)
{
    ProverWindow w;
    w.command(315);
    w.command(pcmd::kBuildGdd);
    g_result = 0;
    show_status();

    // COLLINEAR A A B holds trivially; the status stays.
    w.predicates.push_answer(choice_of(0, {0, 0, 1, 0, 0, 0, 0, 0}));
    w.command(pcmd::kClearWindow);
    w.command(pcmd::kSearchFact);
    EXPECT_TRUE(contains(w.text(), "\nThis fact is trivially true.\n")) << w.text();
    EXPECT_FALSE(contains(w.text(), "Dababase"));
    EXPECT_EQ(g_result, 0);

    // Cancel: the fact and the window stay as they were.
    const Gdd_cond before = g_fact;
    w.command(pcmd::kClearWindow);
    w.command(pcmd::kSearchFact);
    EXPECT_EQ(w.text(), "");
    EXPECT_EQ(g_fact.type, before.type);
    EXPECT_EQ(g_fact.p, before.p);
}

TEST(ProverCommands, NoFactSearchWithoutAStatement)
{
    ProverWindow w;
    w.command(pcmd::kSearchFact);
    EXPECT_TRUE(w.predicates.asked().empty());
}

}  // namespace
