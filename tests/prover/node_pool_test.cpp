// The node pool against a model: random takes, returns and trims keep the
// values of the nodes in use, trimming gives back to the system exactly the
// blocks without a node in use, the counts agree, and the blocks that stay
// serve every later node before a new block is taken.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "prover/block_storage.h"
#include "prover/node_pool.h"
#include "support/mapped_memory.h"

namespace {

struct Cell {
    std::uint64_t value = 0;
};
using Pool = NodePool<Cell>;

std::uintptr_t block_of(const Cell* c) { return reinterpret_cast<std::uintptr_t>(c) & ~(Pool::kBlockBytes - 1); }

TEST(NodePool, RandomTakesReturnsAndTrimsAgreeWithAModel)
{
    std::mt19937 rng(20240611);
    Pool pool;
    std::vector<std::pair<Cell*, std::uint64_t>> live;  // with the value each holds
    std::set<std::uintptr_t> blocks;
    std::uint64_t serial = 0;
    std::size_t released = 0, kept = 0;  // by all trims: the test must see both

    const auto take = [&] {
        const std::size_t held = pool.block_count();
        const bool room = pool.free_count() > 0;
        Cell* c = pool.pop();
        EXPECT_EQ(c->value, 0u);
        // A new block only when the ones held have no free node.
        EXPECT_EQ(pool.block_count(), held + (room ? 0 : 1));
        EXPECT_EQ(room, blocks.count(block_of(c)) == 1);
        blocks.insert(block_of(c));
        c->value = ++serial;
        live.emplace_back(c, serial);
    };
    // Each node goes back unless one in `keep` (0: one node at random).
    const auto give_back = [&](unsigned keep) {
        if (keep == 0)
            std::swap(live[rng() % live.size()], live.back());
        for (std::size_t i = keep == 0 ? live.size() - 1 : 0; i < live.size();) {
            if (keep != 0 && rng() % keep == 0) {
                ++i;
                continue;
            }
            pool.push(live[i].first);
#ifndef NDEBUG
            EXPECT_TRUE(pool.returned(live[i].first));
#endif
            live[i] = live.back();
            live.pop_back();
        }
    };
    const auto check = [&] {
        EXPECT_EQ(pool.total(), pool.block_count() * Pool::kBlockSize);
        EXPECT_EQ(pool.free_count(), pool.total() - live.size());
        for (const auto& [c, v] : live)
            ASSERT_EQ(c->value, v);
    };
    const auto trim = [&] {
        std::set<std::uintptr_t> in_use;
        for (const auto& node : live)
            in_use.insert(block_of(node.first));
        std::vector<void*> unused{nullptr};  // taken blocks go after what is there
        EXPECT_EQ(pool.take_unused_blocks(unused), blocks.size() - in_use.size());
        EXPECT_EQ(unused.size(), 1 + blocks.size() - in_use.size());
        EXPECT_EQ(pool.block_count(), in_use.size());
        unmap_blocks({unused.begin() + 1, unused.end()}, Pool::kBlockBytes);
        wait_for_unmapped_blocks();
        for (std::uintptr_t b : blocks)
            EXPECT_EQ(page_mapped(b), in_use.count(b) == 1);
        released += blocks.size() - in_use.size();
        kept += in_use.size();
        blocks = in_use;
        check();
    };

    for (int round = 0; round < 60; ++round) {
        // Phases that grow and shrink, and drains that leave a node here and
        // there, so that blocks fill and empty wholly or partly.
        if (round % 4 == 3) {
            give_back(5000);
            trim();
        }
        const unsigned returns = round % 3 == 2 ? 80 : 30;  // percent of the steps
        for (auto steps = rng() % (3 * Pool::kBlockSize); steps > 0; --steps) {
            if (!live.empty() && rng() % 100 < returns)
                give_back(0);
            else
                take();
        }
        check();
        if (rng() % 2 == 0)
            trim();
    }
    EXPECT_GT(released, 10u);
    EXPECT_GT(kept, 10u);
}

}  // namespace
