// The node pool against a model: random takes, returns and trims keep the
// values of the nodes in use, trimming gives back exactly the blocks without
// a node in use (to the system), the counts agree, and the blocks that stay
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
    std::uint64_t mirror = 0;
};
using Pool = NodePool<Cell>;

std::uintptr_t block_of(const Cell* c) { return reinterpret_cast<std::uintptr_t>(c) & ~(Pool::kBlockBytes - 1); }

class PoolModel {
public:
    void take()
    {
        const std::size_t blocks = pool_.block_count();
        const bool room = pool_.free_count() > 0;
        Cell* c = pool_.pop();
        EXPECT_FALSE(pool_.returned(c));
        EXPECT_EQ(c->value, 0u);
        // A new block only when the ones held have no free node.
        EXPECT_EQ(pool_.block_count(), blocks + (room ? 0 : 1));
        EXPECT_EQ(room, blocks_.count(block_of(c)) == 1);
        blocks_.insert(block_of(c));
        c->value = c->mirror = ++serial_;
        live_.emplace_back(c, serial_);
    }

    // The node taken last, or any other.
    void give_back(std::mt19937& rng, bool newest)
    {
        if (!newest)
            std::swap(live_[rng() % live_.size()], live_.back());
        Cell* c = live_.back().first;
        live_.pop_back();
        pool_.push(c);
#ifndef NDEBUG
        EXPECT_TRUE(pool_.returned(c));
#endif
    }

    // Every node but about one in `keep` goes back, from all over the blocks.
    void drain(std::mt19937& rng, unsigned keep)
    {
        std::vector<std::pair<Cell*, std::uint64_t>> kept;
        for (const auto& node : live_) {
            if (rng() % keep == 0)
                kept.push_back(node);
            else
                pool_.push(node.first);
        }
        live_ = kept;
    }

    void trim()
    {
        std::set<std::uintptr_t> in_use;
        for (const auto& [c, v] : live_)
            in_use.insert(block_of(c));
        std::vector<std::uintptr_t> unused;
        for (std::uintptr_t b : blocks_)
            if (!in_use.count(b))
                unused.push_back(b);
        EXPECT_EQ(pool_.release_unused_blocks(), unused.size());
        released_ += unused.size();
        kept_ += in_use.size();
        EXPECT_EQ(pool_.block_count(), in_use.size());
        blocks_ = in_use;
        wait_for_unmapped_blocks();
        for (std::uintptr_t b : unused)
            EXPECT_FALSE(page_mapped(b));
        for (std::uintptr_t b : in_use)
            EXPECT_TRUE(page_mapped(b));
    }

    void check() const
    {
        EXPECT_EQ(pool_.total(), pool_.block_count() * Pool::kBlockSize);
        EXPECT_EQ(pool_.free_count(), pool_.total() - live_.size());
        EXPECT_EQ(pool_.bytes(), pool_.block_count() * Pool::kBlockBytes);
        for (const auto& [c, v] : live_)
            ASSERT_TRUE(c->value == v && c->mirror == v) << "node " << v << " changed";
    }

    std::size_t live() const { return live_.size(); }
    // Blocks released and kept by all trims: the test must see both.
    std::size_t released_ = 0;
    std::size_t kept_ = 0;

private:
    Pool pool_;
    std::vector<std::pair<Cell*, std::uint64_t>> live_;
    std::set<std::uintptr_t> blocks_;
    std::uint64_t serial_ = 0;
};

TEST(NodePool, RandomTakesReturnsAndTrimsAgreeWithAModel)
{
    std::mt19937 rng(20240611);
    PoolModel model;
    for (int round = 0; round < 60; ++round) {
        // Phases that grow and shrink, so that blocks fill and empty wholly
        // or partly.
        if (round % 4 == 3) {
            model.drain(rng, 5000);
            model.trim();
            model.check();
        }
        const bool growing = round % 3 != 2;
        const int steps = static_cast<int>(rng() % (3 * Pool::kBlockSize));
        for (int i = 0; i < steps; ++i) {
            if (model.live() > 0 && rng() % 100 < (growing ? 30u : 80u))
                model.give_back(rng, rng() % 2 == 0);
            else
                model.take();
        }
        model.check();
        if (rng() % 2 == 0) {
            model.trim();
            model.check();
        }
    }
    EXPECT_GT(model.released_, 10u);
    EXPECT_GT(model.kept_, 10u);
}

}  // namespace
