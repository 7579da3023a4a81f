// A child of a fork has none of its parent's threads: its time limit still
// ends a run and the blocks it gives back still go back to the system.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <vector>

#include "prover/block_storage.h"
#include "prover/prover.h"

namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 16;
constexpr std::size_t kBlocks = 200;  // enough to be handed to the thread that unmaps

void give_back_blocks()
{
    std::vector<void*> blocks;
    for (std::size_t i = 0; i < kBlocks; ++i)
        blocks.push_back(map_aligned_block(kBlockBytes));
    unmap_blocks(blocks, kBlockBytes);
    wait_for_unmapped_blocks();
}

// A run with a limit of a millisecond on the steady clock: whether it ends.
bool run_ends()
{
    g_timelimit = 0;
    g_tstart = prover_clock_ms();
    g_timing = 1;
    for (int waits = 0; waits < 60000; ++waits) {
        try {
            check_time();
        } catch (const TTIME&) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

TEST(ForkedChild, TimeLimitAndGivingBackWorkWithoutTheParentsThreads)
{
    give_back_blocks();  // the parent's threads start
    ASSERT_TRUE(run_ends());
    g_timing = 0;
    const pid_t child = fork();
    if (child == 0) {
        alarm(120);  // a child that hangs is killed, and the test fails
        give_back_blocks();
        _exit(run_ends() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    g_timelimit = 60000;
}

}  // namespace
