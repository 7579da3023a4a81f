// The node pools and the return of whole polynomials to them.

#include "algebra/node_pool.h"
#include "algebra/poly.h"

constinit NodePool<xterm> xpool;
constinit NodePool<dterm> dpool;

namespace {

// The pools and the variable table start afresh at every prover reset.
const bool registered = [] {
    add_prover_reset_hook(ResetStage::Polynomials, "algebra.pools", init_pools);
    return true;
}();

std::uint64_t epoch = 0;

}  // namespace

std::uint64_t pool_epoch() { return epoch; }

void init_pools()
{
    (void)registered;
    ++epoch;
    reset_vars();
    xpool.reclaim_all();
    dpool.reclaim_all();
}

PoolStats pool_stats()
{
    PoolStats s;
    s.xterm_total = xpool.total();
    s.xterm_free = xpool.free_count();
    s.dterm_total = dpool.total();
    s.dterm_free = dpool.free_count();
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

void put_x(xterm* x) { xpool.push(x); }

void put_d(dterm* d) { dpool.push(d); }

void put_p(xterm* p)
{
    if (!p)
        return;
    dterm* t = p->var ? p->terms : nullptr;
    put_x(p);
    while (t) {
        dterm* next = t->next;
        put_p(t->coef);
        put_d(t);
        t = next;
    }
}

void put_dts(dterm* list)
{
    while (list) {
        dterm* next = list->next;
        put_p(list->coef);
        put_d(list);
        list = next;
    }
}
