// The prover window's Prove and Build GDD, again and again: each proof starts
// from the statement as taken from the drawing or read from the window's
// text, so that it shows what the first proof under its method showed.

#include <gtest/gtest.h>

#include <string>

#include "bridge_fixture.h"
#include "model/object_types.h"
#include "statement/kept_statement.h"
#include "statement/table_dump.h"
#include "statement/window/prover_commands.h"
#include "support/counted_prover_clock.h"

namespace {

constexpr int kMethods[] = {kMethodDatabase, kMethodFullAngle, kMethodArea,
                            kMethodVector,   kMethodWu,        kMethodGroebner};
// A thousand counted time checks each.
constexpr int kCheckLimit = 10;
constexpr int kProvesAfterTheFirst = 2;

struct Proof {
    int result = 0;
    std::string text;
    int records = 0;  // what the proof left in the tables
};

// Runs command (a Prove, Build GDD) to the end of its proof.
Proof run(toskApp& prover, int command)
{
    EXPECT_TRUE(prover.command(command));
    wait_for_proof(prover);
    prover.edit()->flush_output();
    return {g_result, prover.edit()->text(), g_npoints};
}

// Every later run of command under method shows what the first showed.
void expect_runs_alike(toskApp& prover, int method, int command)
{
    SCOPED_TRACE(std::string(method_name(method)) + ", command " + std::to_string(command));
    prover.command(method);
    const Proof first = run(prover, command);
    for (int n = 0; n < kProvesAfterTheFirst; ++n) {
        const Proof again = run(prover, command);
        EXPECT_EQ(again.result, first.result);
        EXPECT_EQ(again.text, first.text);
        EXPECT_EQ(again.records, first.records);
    }
}

class ProveAgainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        prover_reset();
        g_timelimit = kCheckLimit * 1000;
    }
    void TearDown() override { prover_reset(); }

    const CountedProverClock clock_;
};

// The drawing's statement taken into the prover and proved again and again
// under every method; Build GDD likewise. The tables keep what the last
// proof left (the window shows and searches them afterwards).
void expect_drawing_proves_alike(ProverDrawing& d, int points, bool proof_adds_points)
{
    toskApp* prover = d.open_prover();
    ASSERT_NE(prover, nullptr);
    prover->command(pcmd::kFromDrawing);
    ASSERT_EQ(g_npoints, points);
    ASSERT_FALSE(prover->edit()->edited_since_read());  // the Prove takes the records, not the text
    const std::string loaded = dump_statement();
    for (int method : kMethods)
        expect_runs_alike(*prover, method, pcmd::kProve);
    expect_runs_alike(*prover, kMethodDatabase, pcmd::kBuildGdd);
    // What the next proof starts from is the statement as it was taken.
    EXPECT_EQ(g_npoints > points, proof_adds_points);
    ASSERT_EQ(restart_kept_statement(), Restart::kRestarted);
    EXPECT_EQ(dump_statement(), loaded);
}

// Euler's line, with a free point after the constructed ones (the area and
// vector methods put it first). The database method adds auxiliary points.
TEST_F(ProveAgainWindow, TheDrawingsStatementProvesAlikeEveryTime)
{
    ProverDrawing d;
    const int A = d.point("A", 100, 300);
    const int B = d.point("B", 400, 300);
    const int C = d.point("C", 180, 80);
    const int G = d.add(otype::kCentroid, "G", oclass::kPoint, A, B, C);
    const int H = d.add(otype::kOrthocenter, "H", oclass::kPoint, A, B, C);
    const int O = d.add(otype::kCircumcenter, "O", oclass::kPoint, A, B, C);
    d.point("P", 250, 200);
    d.conclude(concl::kCollinear, {G, H, O, 0, 0, 0, 0, 0});
    expect_drawing_proves_alike(d, 7, true);
}

// Ratio points: their values are the statement's own polynomials, built
// again for every proof.
TEST_F(ProveAgainWindow, TheDrawingsRatiosProveAlikeEveryTime)
{
    ProverDrawing d;
    const int A = d.point("A", 100, 300);
    const int B = d.point("B", 400, 300);
    const int C = d.point("C", 180, 80);
    const int R = d.add(otype::kLratio, "R", oclass::kPoint, A, B);
    const int S = d.add(otype::kLratio, "S", oclass::kPoint, A, C);
    for (const int point : {R, S}) {
        d.t()[point].aux1.set_text("1");
        d.t()[point].aux2.set_text("3");
    }
    d.conclude(concl::kParallel, {R, S, B, C, 0, 0, 0, 0});
    expect_drawing_proves_alike(d, 5, false);
}

// The window's text, read by the first Prove since it was typed, and read
// again from the kept reading by every later one.
TEST_F(ProveAgainWindow, TheTextStatementProvesAlikeEveryTime)
{
    ProverWindow w;
    w.type_text(
        "EXAMPLE euler_line\nHYPOTHESES:\nPOINT A B C;\nCENTROID G A B C;\nORTHOCENTER H A B C;\n"
        "CIRCUMCENTER O A B C;\nSHOW: COLLINEAR G H O.\n");
    for (int method : kMethods)
        expect_runs_alike(*w.app, method, pcmd::kProve);
    expect_runs_alike(*w.app, kMethodDatabase, pcmd::kBuildGdd);
}

// A method that refuses the statement with an error empties the tables;
// the Prove stays at hand, and under another method proves the statement.
TEST_F(ProveAgainWindow, AProveAfterAMethodsErrorStartsFromTheStatement)
{
    ProverWindow w;
    w.type_text("EXAMPLE cc\nHYPOTHESES:\nPOINT A B C D;\nINTERSECTION_CC X A C B D;\nSHOW: EQDISTANCE A X A C.\n");
    w.command(kMethodArea);
    const Proof refused = run(*w.app, pcmd::kProve);
    ASSERT_EQ(refused.records, 0);
    EXPECT_NE(refused.text.find("Sytax error"), std::string::npos) << refused.text;
    EXPECT_TRUE(w.app->command_enabled(pcmd::kProve));
    w.command(kMethodWu);
    EXPECT_EQ(run(*w.app, pcmd::kProve).result, 1);
    // With no statement kept, there is none to prove.
    prover_reset();
    EXPECT_FALSE(w.app->command_enabled(pcmd::kProve));
}

}  // namespace
