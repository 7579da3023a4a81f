#pragma once
// A pool of small nodes in blocks of storage owned by the pool, so nodes
// never go back to the heap one by one and everything is released with the
// pool. Under AddressSanitizer a node lying in the pool is poisoned: a
// polynomial used after it was returned is caught at once.
//
// Each block is aligned to its size, so a node finds its block by masking
// its address, and keeps its own free list and count. The blocks that have a
// free node are on a list: a node is taken from the first of them, and a new
// block only when none is left. A returned node goes back to its own block,
// and trimming gives back the wholly free blocks by their counts, without a
// walk over free nodes.
//
// A free node's storage holds the free-list link, so a node costs only its
// own size; builds with assertions add a flag per node that catches a node
// returned twice. The pool grows block by block while the caller's budget
// allows (the budget function decides; refusing ends the run).

#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>
#include <vector>

#include "prover/block_storage.h"
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

    // The head of a block; its slots follow it. A block gives out the slots
    // returned to it first and its untouched ones in turn after, so that a
    // small run touches only the pages it uses.
    struct Block {
        Slot* free = nullptr;  // the slots returned to the block
        std::size_t carved = 0;  // untouched slots given out so far
        std::size_t free_count = 0;
        Block* prev = nullptr;  // on the list of blocks with a free slot
        Block* next = nullptr;
    };
    static constexpr std::size_t kSlotsAt = (sizeof(Block) + alignof(Slot) - 1) / alignof(Slot) * alignof(Slot);

public:
    // A power of two, so that masking a node's address gives its block.
    static constexpr std::size_t kBlockBytes = std::size_t{1} << 16;
    // Nodes per block.
    static constexpr std::size_t kBlockSize = (kBlockBytes - kSlotsAt) / sizeof(Slot);
    static_assert((kBlockBytes & (kBlockBytes - 1)) == 0 && kBlockSize > 0);

    NodePool() = default;
    NodePool(const NodePool&) = delete;
    NodePool& operator=(const NodePool&) = delete;
    ~NodePool()
    {
        // At the program's end the thread that unmaps may be gone already.
        unpoison_all();
        unmap_blocks_now(std::move(blocks_), kBlockBytes);
    }

    Node* pop()
    {
        if (!with_free_)
            refill();
        Block* block = with_free_;
        Slot* slot = block->free;
        if (slot) {
            PLEXATOR_UNPOISON(slot, sizeof(Slot));
            block->free = slot->next_free;
        } else {
            slot = &slots_of(block)[block->carved++];
            PLEXATOR_UNPOISON(slot, sizeof(Slot));
            new (slot) Slot();
        }
        if (--block->free_count == 0)
            unlink(block);
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
        Block* block = block_of(slot);
        slot->next_free = block->free;
        block->free = slot;
        if (block->free_count++ == 0)
            link_first(block);
        ++free_count_;
        PLEXATOR_POISON(&slot->node, sizeof(Node));
    }

    // Every block, to go back to the system (unmap_blocks) together with
    // the blocks of other pools; the pool starts afresh.
    std::vector<void*> take_all_blocks()
    {
        unpoison_all();
        with_free_ = nullptr;
        free_count_ = 0;
        return std::exchange(blocks_, {});
    }

    // Moves the blocks none of whose nodes is in use to the end of `out`;
    // the list of blocks with a free node keeps its order over the blocks
    // that stay. Returns how many it moved. Where `out` cannot grow, it
    // throws std::bad_alloc with the pool as it was.
    std::size_t take_unused_blocks(std::vector<void*>& out)
    {
        const std::size_t before = out.size();
        out.reserve(before + blocks_.size());
        std::size_t kept = 0;
        for (void* storage : blocks_) {
            Block* block = static_cast<Block*>(storage);
            if (block->free_count == kBlockSize) {
                unlink(block);
                PLEXATOR_UNPOISON(block, kBlockBytes);
                out.push_back(block);
            } else {
                blocks_[kept++] = block;
            }
        }
        blocks_.resize(kept);
        blocks_.shrink_to_fit();
        const std::size_t taken = out.size() - before;
        free_count_ -= taken * kBlockSize;
        return taken;
    }

    std::size_t total() const { return blocks_.size() * kBlockSize; }
    static constexpr std::size_t bytes_per_node() { return sizeof(Slot); }
    std::size_t bytes() const { return blocks_.size() * kBlockBytes; }
    std::size_t free_count() const { return free_count_; }
    std::size_t block_count() const { return blocks_.size(); }

    void set_block_limit(std::size_t blocks) { block_limit_ = blocks; }
    std::size_t block_limit() const { return block_limit_; }
    // Asked before each new block with its size in bytes; false refuses it.
    using GrowthCheck = bool (*)(std::size_t);
    void set_growth_check(GrowthCheck check) { growth_check_ = check; }

private:
    void unpoison_all()
    {
        for (void* block : blocks_)
            PLEXATOR_UNPOISON(block, kBlockBytes);
    }

    static Block* block_of(Slot* slot)
    {
        return reinterpret_cast<Block*>(reinterpret_cast<std::uintptr_t>(slot) & ~(kBlockBytes - 1));
    }

    static Slot* slots_of(Block* block) { return reinterpret_cast<Slot*>(reinterpret_cast<char*>(block) + kSlotsAt); }

    void link_first(Block* block)
    {
        block->prev = nullptr;
        block->next = with_free_;
        if (with_free_)
            with_free_->prev = block;
        with_free_ = block;
    }

    void unlink(Block* block)
    {
        if (block->prev)
            block->prev->next = block->next;
        else
            with_free_ = block->next;
        if (block->next)
            block->next->prev = block->prev;
        block->prev = block->next = nullptr;
    }

    void refill()
    {
        void* storage = nullptr;
        const bool allowed = blocks_.size() < block_limit_ && (!growth_check_ || growth_check_(kBlockBytes));
        if (allowed) {
            try {
                blocks_.reserve(blocks_.size() + 1);
                storage = map_aligned_block(kBlockBytes);
            } catch (const std::bad_alloc&) {
                storage = nullptr;
            }
        }
        if (!storage)
            prover_out_of_memory();  // no syntax error: the run ends like every other one past the budget
        Block* block = new (storage) Block{};
        PLEXATOR_POISON(slots_of(block), kBlockSize * sizeof(Slot));
        block->free_count = kBlockSize;
        free_count_ += kBlockSize;
        blocks_.push_back(block);
        link_first(block);
    }

    std::vector<void*> blocks_;  // each a Block and its slots
    Block* with_free_ = nullptr;  // the first block with a free slot
    std::size_t free_count_ = 0;
    std::size_t block_limit_ = static_cast<std::size_t>(-1);
    GrowthCheck growth_check_ = nullptr;
};
