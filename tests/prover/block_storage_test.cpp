// Blocks go back to the system in runs of adjacent blocks, whatever order
// they come in: every block given back is unmapped, the blocks between them
// stay, and a run takes one call, or one per piece where it is longer than
// what goes back at once.

#include <gtest/gtest.h>
#include <sys/mman.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "prover/block_storage.h"
#include "support/mapped_memory.h"

namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 16;
constexpr std::size_t kBlocks = 640;  // 40 MiB: handed to the thread that unmaps, and in pieces
constexpr std::size_t kPage = 4096;

TEST(BlockStorage, BlocksGoBackInRunsAndNothingBesideThem)
{
    std::mt19937 rng(20261208);
    for (int round = 0; round < 24; ++round) {
        SCOPED_TRACE(round);
        char* const region = static_cast<char*>(map_aligned_block(kBlocks * kBlockBytes));
        ASSERT_NE(region, nullptr);
        // A random part goes back: scattered blocks, short runs, or all.
        const std::size_t keep_one_in = std::array<std::size_t, 3>{2, 12, kBlocks * 4}[round % 3];
        std::vector<bool> given(kBlocks);
        std::vector<void*> blocks;
        std::size_t calls = 0;
        for (std::size_t i = 0, run = 0; i < kBlocks; ++i) {
            given[i] = rng() % keep_one_in != 0;
            if (given[i]) {
                blocks.push_back(region + i * kBlockBytes);
                calls += run++ * kBlockBytes % kMostBytesUnmappedAtOnce == 0;
            } else {
                run = 0;
            }
        }
        std::shuffle(blocks.begin(), blocks.end(), rng);
        if (round % 2 == 0) {
            EXPECT_EQ(unmap_blocks_now(blocks, kBlockBytes), calls);
        } else {
            unmap_blocks(blocks, kBlockBytes);
            wait_for_unmapped_blocks();
        }
        for (std::size_t i = 0; i < kBlocks; ++i) {
            const auto block = reinterpret_cast<std::uintptr_t>(region + i * kBlockBytes);
            EXPECT_EQ(page_mapped(block), !given[i]) << i;
            EXPECT_EQ(page_mapped(block + kBlockBytes - kPage), !given[i]) << i;
        }
        munmap(region, kBlocks * kBlockBytes);  // what stayed
    }
}

}  // namespace
