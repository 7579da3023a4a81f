// CONSTANT equations of high degree: the figures that judge a verdict give
// the constant its real roots at once where the equation reduces to a low
// degree, refuse by name one they cannot solve, and stop at the proof's time
// limit while they solve one.

#include <cmath>
#include <set>
#include <string>

#include "prover/numeric_figure.h"
#include "sem_fixture.h"
#include "statement/prove_run.h"

namespace {

using ConstantDegreeTest = SemanticsTest;

std::string statement(const std::string& equation)
{
    return "EXAMPLE t\nHYPOTHESES:\nPOINT A B;\nCONSTANT " + equation +
           ";\nLRATIO D A B k 1;\nSHOW: COLLINEAR A B D.\n";
}

TEST_F(ConstantDegreeTest, HighDegreesEndWithAVerdictOrARefusal)
{
    const struct {
        const char* equation;
        const char* result;
        double root;  // k is this or its negative in the figures (0: refused)
    } cases[] = {
        {"((k ^ 50) ^ 50) ^ 4 - 2", "true", std::pow(2.0, 1.0 / 10000)},
        {"((k ^ 60) ^ 60) ^ 18 - 2", "true", std::pow(2.0, 1.0 / 64800)},
        {"((k ^ 60) ^ 60) ^ 18 + k - 1", "error", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.equation);
        const ProveRun run = prove_statement_text(statement(c.equation), kMethodArea, 20);
        EXPECT_EQ(run.result, c.result) << run.window_text;
        if (c.root == 0) {
            EXPECT_EQ(run.message, "CONSTANT " + std::string(c.equation) +
                                       ": the equation of k is of too high a degree for the figures to solve. "
                                       "The statement is not proved.");
            continue;
        }
        // k is the ratio AD / AB, each root in some figure.
        std::set<double> taken;
        for (const Num_figure& f : generic_figures(g_npoints).figures) {
            const Num_point a = f[pt("A")], b = f[pt("B")], d = f[pt("D")];
            const double k = (d.x - a.x) / (b.x - a.x);
            EXPECT_NEAR(std::abs(k), c.root, 1e-9);
            taken.insert(k > 0 ? 1 : -1);
        }
        EXPECT_EQ(taken.size(), 2u);
    }
}

// An equation the figures solve slowly meets the proof's time limit there,
// before any method runs, and the run ends as a method's time-out does.
TEST_F(ConstantDegreeTest, TheFiguresStopAtTheTimeLimit)
{
    constexpr std::uint32_t kMsPerLook = 10;
    std::uint32_t now = 0;
    set_prover_clock([&] { return now += kMsPerLook; });
    const ProveRun run = prove_statement_text(statement("(k ^ 50) ^ 40 + k - 1"), kMethodArea, 1);
    set_prover_clock(nullptr);
    EXPECT_EQ(run.result, "timeout") << run.window_text;
    EXPECT_EQ(g_timing, 0u);
    // The next run, with time enough, proves it.
    const ProveRun again = prove_statement_text(statement("(k ^ 50) ^ 2 + k - 1"), kMethodArea, 20);
    EXPECT_EQ(again.result, "true") << again.window_text;
}

}  // namespace
