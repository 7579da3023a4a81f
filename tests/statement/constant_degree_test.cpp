// CONSTANT equations of high degree in the figures that judge a verdict:
// refused by name, stopped at the time limit, or solved once reduced.

#include <string>

#include "sem_fixture.h"
#include "statement/prove_run.h"

namespace {

using ConstantDegreeTest = SemanticsTest;

ProveRun prove_with_constant(const std::string& equation, int time_limit_s, int method = kMethodArea)
{
    return prove_statement_text("EXAMPLE t\nHYPOTHESES:\nPOINT A B;\nCONSTANT " + equation +
                                    ";\nLRATIO D A B k 1;\nSHOW: COLLINEAR A B D.\n",
                                method, time_limit_s);
}

TEST_F(ConstantDegreeTest, HighDegreesEndWithARefusalATimeOutOrAVerdict)
{
    EXPECT_EQ(prove_with_constant("((k ^ 60) ^ 60) ^ 18 + k - 1", 20).message,
              "CONSTANT ((k ^ 60) ^ 60) ^ 18 + k - 1: the equation of k is of too high a degree for the figures to "
              "solve. The statement is not proved.");
    // Solved slowly (its coefficients depend on the figure, so each figure
    // solves it anew), it meets the time limit in the figures and ends as a
    // method's time-out does.
    constexpr std::uint32_t kMsPerLook = 10;
    std::uint32_t now = 0;
    set_prover_clock([&] { return now += kMsPerLook; });
    const ProveRun timed_out = prove_with_constant("(k ^ 50) ^ 40 + SQ_DIS A B * k - 1", 1);
    set_prover_clock(nullptr);
    EXPECT_EQ(timed_out.result, "timeout") << timed_out.window_text;
    EXPECT_EQ(g_timing, 0u);
    // k = +-2^(1/64800), of degree 1 in k^64800: the next run proves it.
    EXPECT_EQ(prove_with_constant("((k ^ 60) ^ 60) ^ 18 - 2", 20).result, "true");
}

// The degree cap of the exact search met by powers written as such: a power
// as high as the cap is solved under every method that reads CONSTANT lines
// into its figures, one degree more is refused by the cap.
TEST_F(ConstantDegreeTest, PowersWrittenDirectlyMeetTheCapOfTheExactSearch)
{
    for (const int method : {kMethodArea, kMethodVector, kMethodWu}) {
        SCOPED_TRACE(method);
        EXPECT_EQ(prove_with_constant("k ^ 100 - 2", 20, method).result, "true");
        EXPECT_EQ(prove_with_constant("k ^ 5000 + k - 1", 20, method).result, "true");
        EXPECT_EQ(prove_with_constant("k ^ 5001 + k - 1", 20, method).message,
                  "CONSTANT k ^ 5001 + k - 1: the equation of k is of too high a degree for the figures to solve. The "
                  "statement is not proved.");
    }
}

}  // namespace
