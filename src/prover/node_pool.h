#pragma once
// A pool of small nodes kept on a free list. Storage comes in blocks owned by
// the pool, so nodes never go back to the heap one by one and everything is
// released with the pool. Under AddressSanitizer a node lying in the pool is
// poisoned: a polynomial used after it was returned is caught at once.
//
// A free node's storage holds the free-list link, so a node costs only its
// own size; builds with assertions add a flag per node that catches a node
// returned twice. The pool grows block by block while the caller's budget
// allows (the budget function decides; refusing ends the run).

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "prover/prover.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define PLEXATOR_POISON(addr, size) ASAN_POISON_MEMORY_REGION(addr, size)
#define PLEXATOR_UNPOISON(addr, size) ASAN_UNPOISON_MEMORY_REGION(addr, size)
#else
#define PLEXATOR_POISON(addr, size) ((void)(addr), (void)(size))
#define PLEXATOR_UNPOISON(addr, size) ((void)(addr), (void)(size))
#endif

template <class Node>
class NodePool {
public:
    static constexpr std::size_t kBlockSize = 2000;

    NodePool() = default;
    NodePool(const NodePool&) = delete;
    NodePool& operator=(const NodePool&) = delete;
    ~NodePool()
    {
        // Unpoison before the blocks go back to the heap.
        for (auto& block : blocks_)
            PLEXATOR_UNPOISON(block.get(), sizeof(Slot) * kBlockSize);
    }

    Node* pop()
    {
        if (!free_)
            refill();
        Slot* slot = free_;
        PLEXATOR_UNPOISON(slot, sizeof(Slot));
        free_ = slot->next_free;
        mark(slot, false);
        --free_count_;
        Node* node = new (&slot->node) Node{};
        return node;
    }

    // Whether node already lies in the pool (always false without the flag).
    bool returned(const Node* node) const { return marked(reinterpret_cast<const Slot*>(node)); }

    void push(Node* node)
    {
        // The node is the first member of its slot.
        Slot* slot = reinterpret_cast<Slot*>(node);
        if (marked(slot))
            prover_fatal("node returned twice to its pool");
        mark(slot, true);
        slot->next_free = free_;
        free_ = slot;
        ++free_count_;
        PLEXATOR_POISON(&slot->node, sizeof(Node));
    }

    // Every block back to the heap.
    void release_all()
    {
        for (auto& block : blocks_)
            PLEXATOR_UNPOISON(block.get(), sizeof(Slot) * kBlockSize);
        blocks_.clear();
        blocks_.shrink_to_fit();
        free_ = nullptr;
        free_count_ = 0;
    }

    // Blocks none of whose nodes is in use go back to the heap; the free
    // list keeps its order over the blocks that stay. Returns the blocks
    // released.
    std::size_t release_unused_blocks()
    {
        const std::size_t n = blocks_.size();
        std::vector<std::pair<const Slot*, std::size_t>> starts;  // by address
        starts.reserve(n);
        for (std::size_t i = 0; i < n; ++i)
            starts.emplace_back(blocks_[i].get(), i);
        std::sort(starts.begin(), starts.end());
        const auto block_of = [&](const Slot* s) {
            const auto after = std::upper_bound(starts.begin(), starts.end(), std::pair{s, n});
            return std::prev(after)->second;
        };
        std::vector<std::size_t> free_in(n, 0);
        for (Slot* s = free_; s; s = next_of(s))
            ++free_in[block_of(s)];
        std::vector<bool> unused(n);
        std::size_t released = 0;
        for (std::size_t i = 0; i < n; ++i) {
            unused[i] = free_in[i] == kBlockSize;
            released += unused[i] ? 1 : 0;
        }
        if (released == 0)
            return 0;
        Slot* kept = nullptr;
        Slot* last = nullptr;
        for (Slot* s = free_; s;) {
            Slot* next = next_of(s);
            if (!unused[block_of(s)]) {
                if (last)
                    set_next(last, s);
                else
                    kept = s;
                last = s;
            }
            s = next;
        }
        if (last)
            set_next(last, nullptr);
        free_ = kept;
        std::size_t to = 0;
        for (std::size_t i = 0; i < n; ++i) {
            if (unused[i])
                PLEXATOR_UNPOISON(blocks_[i].get(), sizeof(Slot) * kBlockSize);
            else
                blocks_[to++] = std::move(blocks_[i]);
        }
        blocks_.resize(to);
        blocks_.shrink_to_fit();
        free_count_ -= released * kBlockSize;
        return released;
    }

    std::size_t total() const { return blocks_.size() * kBlockSize; }
    static constexpr std::size_t bytes_per_node() { return sizeof(Slot); }
    std::size_t bytes() const { return total() * sizeof(Slot); }
    std::size_t free_count() const { return free_count_; }
    std::size_t block_count() const { return blocks_.size(); }

    void set_block_limit(std::size_t blocks) { block_limit_ = blocks; }
    std::size_t block_limit() const { return block_limit_; }
    // Asked before each new block with its size in bytes; false refuses it.
    using GrowthCheck = bool (*)(std::size_t);
    void set_growth_check(GrowthCheck check) { growth_check_ = check; }

private:
#ifdef NDEBUG
    union Slot {
        Node node;
        Slot* next_free;
        Slot() : next_free(nullptr) {}
    };
    static bool marked(const Slot*) { return false; }
    static void mark(Slot*, bool) {}
#else
    struct Slot {
        Node node;
        Slot* next_free = nullptr;
        bool in_pool = false;
    };
    static bool marked(const Slot* s) { return s->in_pool; }
    static void mark(Slot* s, bool in_pool) { s->in_pool = in_pool; }
#endif

    // The free slot after s (s's storage is unpoisoned for the read).
    static Slot* next_of(Slot* s)
    {
        PLEXATOR_UNPOISON(s, sizeof(Slot));
        Slot* next = s->next_free;
        PLEXATOR_POISON(&s->node, sizeof(Node));
        return next;
    }

    static void set_next(Slot* s, Slot* next)
    {
        PLEXATOR_UNPOISON(s, sizeof(Slot));
        s->next_free = next;
        PLEXATOR_POISON(&s->node, sizeof(Node));
    }

    void refill()
    {
        std::unique_ptr<Slot[]> block;
        const bool allowed = blocks_.size() < block_limit_ &&
                             (!growth_check_ || growth_check_(kBlockSize * sizeof(Slot)));
        if (allowed) {
            try {
                block.reset(new Slot[kBlockSize]());
                blocks_.reserve(blocks_.size() + 1);
            } catch (const std::bad_alloc&) {
                block.reset();
            }
        }
        if (!block)
            prover_out_of_memory();  // no syntax error: the run ends like every other one past the budget
        for (std::size_t i = 0; i < kBlockSize; ++i) {
            mark(&block[i], true);
            block[i].next_free = i + 1 < kBlockSize ? &block[i + 1] : nullptr;
            PLEXATOR_POISON(&block[i].node, sizeof(Node));
        }
        free_ = &block[0];
        free_count_ += kBlockSize;
        blocks_.push_back(std::move(block));
    }

    std::vector<std::unique_ptr<Slot[]>> blocks_;
    Slot* free_ = nullptr;
    std::size_t free_count_ = 0;
    std::size_t block_limit_ = static_cast<std::size_t>(-1);
    GrowthCheck growth_check_ = nullptr;
};
