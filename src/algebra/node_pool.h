#pragma once
// A pool of small nodes kept on a free list. Storage comes in blocks owned by
// the pool, so nodes never go back to the heap one by one and everything is
// released with the pool. Under AddressSanitizer a node lying in the pool is
// poisoned: a polynomial used after it was returned is caught at once.

#include <cstddef>
#include <memory>
#include <new>
#include <vector>

#include "statement/prover.h"

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
        PLEXATOR_UNPOISON(&slot->node, sizeof(Node));
        free_ = slot->next_free;
        slot->next_free = nullptr;
        slot->in_pool = false;
        --free_count_;
        slot->node = Node{};
        return &slot->node;
    }

    void push(Node* node)
    {
        // The node is the first member of its slot.
        Slot* slot = reinterpret_cast<Slot*>(node);
        if (slot->in_pool)
            prover_fatal("node returned twice to its pool");
        slot->in_pool = true;
        slot->next_free = free_;
        free_ = slot;
        ++free_count_;
        PLEXATOR_POISON(&slot->node, sizeof(Node));
    }

    // Every node free again, blocks kept, linked in address order.
    void reclaim_all()
    {
        free_ = nullptr;
        free_count_ = 0;
        Slot** link = &free_;
        for (auto& block : blocks_) {
            for (std::size_t i = 0; i < kBlockSize; ++i) {
                Slot* slot = &block[i];
                PLEXATOR_UNPOISON(&slot->node, sizeof(Node));
                slot->node = Node{};
                PLEXATOR_POISON(&slot->node, sizeof(Node));
                slot->in_pool = true;
                *link = slot;
                link = &slot->next_free;
            }
            free_count_ += kBlockSize;
        }
        *link = nullptr;
    }

    std::size_t total() const { return blocks_.size() * kBlockSize; }
    std::size_t free_count() const { return free_count_; }
    std::size_t block_count() const { return blocks_.size(); }

    void set_block_limit(std::size_t blocks) { block_limit_ = blocks; }
    std::size_t block_limit() const { return block_limit_; }

private:
    struct Slot {
        Node node;
        Slot* next_free = nullptr;
        bool in_pool = false;
    };

    void refill()
    {
        std::unique_ptr<Slot[]> block;
        if (blocks_.size() < block_limit_) {
            try {
                block.reset(new Slot[kBlockSize]());
                blocks_.reserve(blocks_.size() + 1);
            } catch (const std::bad_alloc&) {
                block.reset();
            }
        }
        if (!block) {
            gprint("\n\n Syntax error:\n\n");
            gprint("run out of memory.");
            gprint("\n\n Please check your input.\n");
            throw ProverAbort("run out of memory.");
        }
        for (std::size_t i = 0; i < kBlockSize; ++i) {
            block[i].in_pool = true;
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
    std::size_t block_limit_ = 5000;  // ten million nodes
};
