// The node pools and the return of whole polynomials to them.

#include <malloc.h>

#include <algorithm>

#include "prover/block_storage.h"
#include "prover/node_pool.h"
#include "prover/poly.h"
#include "prover/poly_coef.h"

constinit NodePool<xterm> xpool;
constinit NodePool<dterm> dpool;

namespace {

// The pools and the variable table start afresh at every prover reset: the
// core registers init_pools with its own resets (prover.cpp).

std::uint64_t epoch = 0;
std::size_t peak_bytes = 0;

std::size_t bytes_in_use()
{
    return (xpool.total() - xpool.free_count()) * xpool.bytes_per_node() +
           (dpool.total() - dpool.free_count()) * dpool.bytes_per_node() + big_coef_bytes();
}

std::size_t bytes_held() { return xpool.bytes() + dpool.bytes() + big_coef_bytes(); }

// A pool may take another block while everything the prover holds stays
// within its memory budget.
bool may_grow(std::size_t block_bytes)
{
    peak_bytes = std::max(peak_bytes, bytes_in_use());
    return prover_memory_allows(block_bytes);
}

const bool checks_installed = [] {
    xpool.set_growth_check(may_grow);
    dpool.set_growth_check(may_grow);
    add_prover_memory_holder("prover.pools", bytes_held);
    return true;
}();

// Both pools' blocks go back to the system in one hand-over. The pools grow
// side by side and the system places each new block below the last, so the
// blocks of one pool alternate in address with the other's: only together do
// they form the long runs that unmap_blocks gives back in few calls.
void give_back_blocks(std::vector<void*> xblocks, std::vector<void*> dblocks)
{
    constexpr std::size_t kBlockBytes = NodePool<xterm>::kBlockBytes;
    static_assert(NodePool<dterm>::kBlockBytes == kBlockBytes);
    try {
        xblocks.insert(xblocks.end(), dblocks.begin(), dblocks.end());
    } catch (const std::bad_alloc&) {
        unmap_blocks(std::move(dblocks), kBlockBytes);  // each on its own, then
    }
    unmap_blocks(std::move(xblocks), kBlockBytes);
}

}  // namespace

std::uint64_t pool_epoch() { return epoch; }

void init_pools()
{
    (void)checks_installed;
    // What the last run gave back is with the system before the next starts.
    wait_for_unmapped_blocks();
    ++epoch;
    reset_vars();
    // The memory of a large proof goes back to the system, not only to the
    // pools (the blocks while the caller goes on).
    give_back_blocks(xpool.take_all_blocks(), dpool.take_all_blocks());
    reclaim_big_coefs();
    malloc_trim(0);
    peak_bytes = 0;
}

void trim_pools()
{
    std::vector<void*> blocks;
    try {
        xpool.take_unused_blocks(blocks);
        dpool.take_unused_blocks(blocks);
    } catch (const std::bad_alloc&) {
        // What could not be listed stays with its pool until the next reset.
    }
    unmap_blocks(std::move(blocks), NodePool<xterm>::kBlockBytes);
    malloc_trim(0);
}

PoolStats pool_stats()
{
    PoolStats s;
    s.xterm_total = xpool.total();
    s.xterm_free = xpool.free_count();
    s.dterm_total = dpool.total();
    s.dterm_free = dpool.free_count();
    s.bytes_in_use = bytes_in_use();
    s.peak_bytes = std::max(peak_bytes, s.bytes_in_use);
    s.xterm_bytes = xpool.bytes_per_node();
    s.dterm_bytes = dpool.bytes_per_node();
    return s;
}

void set_pool_block_limit(std::size_t blocks)
{
    xpool.set_block_limit(blocks);
    dpool.set_block_limit(blocks);
}

std::size_t pool_block_limit() { return xpool.block_limit(); }

xterm* new_xterm() { return xpool.pop(); }

dterm* new_dterm() { return dpool.pop(); }

void put_x(xterm* x)
{
    if (!xpool.returned(x) && !x->var && x->big)
        release_big(x->big);
    xpool.push(x);
}

void put_d(dterm* d) { dpool.push(d); }

namespace {

// Giving back a polynomial of millions of terms takes a tenth of a second,
// and it may happen in a destructor, where nothing may be thrown: past the
// time limit the rest is left to the reset of the pools that ends the run.
bool run_ending_per_term() { return term_walk_looks() && prover_run_ending(); }

bool give_back_terms(dterm* list);

// False when it stopped at the time limit (and every caller stops with it).
bool give_back(xterm* p)
{
    if (!p)
        return true;
    dterm* t = p->var ? p->terms : nullptr;
    put_x(p);
    return give_back_terms(t);
}

bool give_back_terms(dterm* list)
{
    while (list) {
        if (run_ending_per_term())
            return false;
        dterm* next = list->next;
        xterm* coef = list->coef;
        put_d(list);
        if (!give_back(coef))
            return false;
        list = next;
    }
    return true;
}

}  // namespace

void put_p(xterm* p) { give_back(p); }

void put_dts(dterm* list) { give_back_terms(list); }
