#include "poly_test_util.h"

using namespace polytest;

namespace {

class PoolTest : public PolyTest {};

TEST_F(PoolTest, NodesComeFromBlocksOfTwoThousandAndGoBack)
{
    xterm* p = P("(x1+1)^3*(x2-x1)");
    const PoolStats used = pool_stats();
    EXPECT_GT(used.xterm_in_use(), 0u);
    EXPECT_GT(used.dterm_in_use(), 0u);
    EXPECT_EQ(used.xterm_total % 2000, 0u);
    EXPECT_EQ(used.dterm_total % 2000, 0u);
    put_p(p);
    EXPECT_EQ(pool_stats().xterm_in_use(), 0u);
    EXPECT_EQ(pool_stats().dterm_in_use(), 0u);
}

// The pools grow while the prover's memory budget allows; past it the run
// ends with the pool's report and the pools work again afterwards.
TEST_F(PoolTest, PoolsPastTheMemoryBudgetReportAndAbort)
{
    put_x(new_xterm());  // at least one block
    const std::size_t nodes = pool_stats().xterm_total;
    set_prover_memory_budget(1);  // no further block
    std::vector<xterm*> held;
    try {
        for (std::size_t i = 0; i <= nodes; ++i)
            held.push_back(new_xterm());
        ADD_FAILURE() << "no ProverAbort";
    } catch (const ProverAbort& e) {
        EXPECT_STREQ(e.what(), "run out of memory.");
    }
    EXPECT_EQ(held.size(), nodes);
    EXPECT_EQ(out_.text(), "\r\nrun out of memory.\r\n");
    for (xterm* x : held)
        put_x(x);
    set_prover_memory_budget(0);
    put_p(P("(x1+x2+x3)^60"));  // grows again under the default budget
}

TEST_F(PoolTest, NodeReturnedTwiceIsRefused)
{
#ifdef NDEBUG
    GTEST_SKIP() << "release pools keep no in-pool mark";
#endif
    xterm* x = get_n(3);
    put_x(x);
    EXPECT_THROW(put_x(x), ProverAbort);
}

TEST_F(PoolTest, InitPoolsReclaimsAbandonedNodesAndEmptiesVariables)
{
    xterm* abandoned = P("(x1+x2+x3)^4");
    (void)abandoned;
    EXPECT_GT(var_count(), 0u);
    const std::size_t total = pool_stats().xterm_total;
    init_pools();
    EXPECT_EQ(var_count(), 0u);
    EXPECT_EQ(pool_stats().xterm_in_use(), 0u);
    EXPECT_EQ(pool_stats().dterm_in_use(), 0u);
    EXPECT_GT(total, 0u);
    EXPECT_EQ(pool_stats().xterm_total, 0u);  // the storage went back to the system
}

TEST_F(PoolTest, ProverResetRefillsThePools)
{
    xterm* abandoned = P("x1*x2 + 7");
    (void)abandoned;
    prover_reset();
    g_trace = 0;
    EXPECT_EQ(var_count(), 0u);
    EXPECT_EQ(pool_stats().xterm_in_use(), 0u);
}

}  // namespace
