// The proof-time limit inside Wu's and the Groebner method.

#include <string>

#include "algebra/equations.h"
#include "prove_fixture.h"

namespace {

using ProveTimeTest = AlgebraProveTest;

TEST_F(ProveTimeTest, TimeLimitEndsTheProofAndTheNextProofStartsClean)
{
    for (int method : {kMethodWu, kMethodGroebner}) {
        SCOPED_TRACE(method);
        prover_reset();
        set_method_entry(kMethodWu, {prove_wu, {}});
        set_method_entry(kMethodGroebner, {prove_groebner, {}});
        load(319, method);  // Pappus
        // Every look at the clock finds a millisecond more.
        std::uint32_t now = 0;
        set_prover_clock([&] { return ++now; });
        g_timelimit = 1000;
        clear_output();
        EXPECT_EQ(cmd_prove(), ProveEnd::TimedOut);
        EXPECT_EQ(out(),
                  "\r\n\r\nThe program is terminated after running 1().\r\n"
                  "You may reset a maximal proof time for the prover\r\nwith the Prove menu\r\n");
        EXPECT_EQ(g_timing, 0u);
        EXPECT_EQ(g_outfile, nullptr);
        EXPECT_GT(now, 1000u);
        // The lists the time-out left behind are freed by the next Prove
        // (a node freed twice would stop it); nodes of the operations the
        // time-out interrupted stay abandoned until the pools are reset.
        set_prover_clock(nullptr);
        g_timelimit = 60000;
        EXPECT_EQ(cmd_prove(), ProveEnd::Ran);
        EXPECT_EQ(g_result, 1) << out();
    }
}

}  // namespace
