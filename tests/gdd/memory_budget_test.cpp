// The database and the full-angle method within the prover's memory budget:
// a run that outgrows it ends with "run out of memory." and the next run in
// the same process proves what it proves alone.

#include <gtest/gtest.h>

#include <string>

#include "prover/prover.h"
#include "statement/prove_run.h"

namespace {

constexpr int kMiquelCircle = 320;

class MemoryBudgetTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { prover_reset(); }
    void TearDown() override
    {
        set_prover_memory_budget(0);
        prover_reset();
    }
};

TEST_P(MemoryBudgetTest, OutgrownBudgetEndsTheRunAndTheNextRunProves)
{
    constexpr std::size_t kTinyBudget = 16 * 1024;
    set_prover_memory_budget(kTinyBudget);
    const ProveRun starved = prove_example(kMiquelCircle, GetParam(), 60);
    EXPECT_NE(starved.result, "true");
    EXPECT_NE(starved.window_text.find("run out of memory."), std::string::npos) << starved.window_text;

    set_prover_memory_budget(0);
    const ProveRun fed = prove_example(kMiquelCircle, GetParam(), 60);
    EXPECT_EQ(fed.result, "true") << fed.window_text;
}

INSTANTIATE_TEST_SUITE_P(Methods, MemoryBudgetTest, ::testing::Values(kMethodDatabase, kMethodFullAngle),
                         [](const auto& info) { return info.param == kMethodDatabase ? "Database" : "FullAngle"; });

}  // namespace
