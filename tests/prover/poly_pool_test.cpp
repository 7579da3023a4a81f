#include "poly_test_util.h"
#include "prover/block_storage.h"
#include "prover/memory_budget.h"
#include "prover/node_pool.h"
#include "support/mapped_memory.h"

using namespace polytest;

namespace {

class PoolTest : public PolyTest {};

TEST_F(PoolTest, NodesComeFromWholeBlocksAndGoBack)
{
    xterm* p = P("(x1+1)^3*(x2-x1)");
    const PoolStats used = pool_stats();
    EXPECT_GT(used.xterm_in_use(), 0u);
    EXPECT_GT(used.dterm_in_use(), 0u);
    EXPECT_EQ(used.xterm_total % NodePool<xterm>::kBlockSize, 0u);
    EXPECT_EQ(used.dterm_total % NodePool<dterm>::kBlockSize, 0u);
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

// Blocks without a node in use go back; the nodes in use keep their values
// and the blocks that stay serve every later node before a new one is taken.
TEST_F(PoolTest, TrimmingGivesBackTheBlocksWithoutNodesInUse)
{
    init_pools();
    constexpr std::size_t kBlock = NodePool<xterm>::kBlockSize;
    std::vector<xterm*> nodes;
    for (std::size_t i = 0; i < 5 * kBlock; ++i)
        nodes.push_back(get_n(static_cast<coef_t>(i)));
    ASSERT_EQ(pool_stats().xterm_total, 5 * kBlock);
    // One node stays in each of the first, third and fifth block.
    std::vector<xterm*> kept;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (i % (2 * kBlock) == 7)
            kept.push_back(nodes[i]);
        else
            put_x(nodes[i]);
    }
    trim_pools();
    EXPECT_EQ(pool_stats().xterm_total, 3 * kBlock);
    EXPECT_EQ(pool_stats().xterm_in_use(), 3u);
    for (std::size_t k = 0; k < kept.size(); ++k)
        EXPECT_EQ(kept[k]->value, static_cast<coef_t>(2 * kBlock * k + 7));
    std::vector<xterm*> refill;
    for (std::size_t i = 0; i < 3 * kBlock - 3; ++i)
        refill.push_back(get_n(1));
    EXPECT_EQ(pool_stats().xterm_total, 3 * kBlock);
    refill.push_back(get_n(1));
    EXPECT_EQ(pool_stats().xterm_total, 4 * kBlock);
    for (xterm* x : refill)
        put_x(x);
    for (xterm* x : kept)
        put_x(x);
    trim_pools();
    EXPECT_EQ(pool_stats().xterm_total, 0u);
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

// The blocks go back to the system while the caller goes on; the next reset
// of the pools, and the memory budget read for the next run, find them back.
// The thread that unmaps is held until a caller waits, so that a caller that
// does not wait finds them mapped whatever the timing.
TEST_F(PoolTest, TheNextRunFindsTheBlocksBackWithTheSystem)
{
    // Tens of megabytes, which go back on the thread that unmaps them.
    constexpr std::size_t kBlocks = 400;
    for (const auto next_run : {+[] { init_pools(); }, +[] { refresh_prover_memory_budget(); }}) {
        std::vector<std::uintptr_t> blocks;
        for (std::size_t i = 0; i < kBlocks * NodePool<xterm>::kBlockSize; ++i) {
            const auto node = reinterpret_cast<std::uintptr_t>(new_xterm());
            if (i % NodePool<xterm>::kBlockSize == 0)
                blocks.push_back(node);
        }
        hold_unmapping_until_waited();
        init_pools();
        EXPECT_TRUE(page_mapped(blocks.front()));
        next_run();
        std::size_t still_mapped = 0;
        for (const std::uintptr_t block : blocks)
            still_mapped += page_mapped(block);
        EXPECT_EQ(still_mapped, 0u);
        wait_for_unmapped_blocks();  // the hold ends with the test
    }
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
