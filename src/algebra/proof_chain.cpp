// Storage of the proof chain's records.

#include "algebra/proof_chain.h"

#include <memory>
#include <vector>

#include "prover/prover.h"

quot_rec g_proof_head;
quot_rec* g_proof_tail = &g_proof_head;

namespace {

struct ChainStore {
    std::vector<std::unique_ptr<quot_rec>> records;
    std::vector<std::unique_ptr<elim_step>> steps;
    std::vector<ndg_entry> ndgs;
    bool stopped = false;
    std::uint64_t epoch = 0;
};

ChainStore& store()
{
    static ChainStore s;
    return s;
}

// A prover reset drops the chain of the last proof.
const bool registered = [] {
    add_prover_reset_hook(ResetStage::Equations, "algebra.proof_chain", clear_proof_chain);
    return true;
}();

void take_epoch()
{
    if (store().records.empty() && store().steps.empty() && store().ndgs.empty())
        store().epoch = pool_epoch();
}

void free_ndgs(std::vector<ndg_entry>& list)
{
    for (ndg_entry& e : list)
        put_p(e.den);
    list.clear();
}

// The words printed before the reason of a run that ends unproved.
constexpr const char* kNotProved = "\r\nThe statement is not proved: ";

}  // namespace

quot_rec* new_quot_rec()
{
    take_epoch();
    store().records.push_back(std::make_unique<quot_rec>());
    return store().records.back().get();
}

elim_step* new_elim_step(var_rec* var, xterm* num, xterm* den)
{
    take_epoch();
    store().steps.push_back(std::make_unique<elim_step>(elim_step{var, num, den}));
    return store().steps.back().get();
}

void append_quot(quot_rec* rec)
{
    // A record linked twice would make the chain cite itself.
    for (const quot_rec* r = g_proof_head.next; r; r = r->next)
        if (r == rec)
            prover_fatal("proof chain: a record appended twice");
    rec->next = nullptr;
    g_proof_tail->next = rec;
    g_proof_tail = rec;
}

void clear_proof_chain()
{
    (void)registered;
    ChainStore& s = store();
    // Polynomials of records made before the last reset of the pools are
    // free already.
    const bool live = s.epoch == pool_epoch();
    if (live) {
        for (auto& r : s.records) {
            put_p(r->nc);
            put_p(r->dc);
            put_dts(r->np);
            put_dts(r->dp);
            put_dts(r->cancelled);
        }
        for (auto& st : s.steps) {
            put_p(st->num);
            put_p(st->den);
        }
        free_ndgs(s.ndgs);
    }
    s.ndgs.clear();
    s.stopped = false;
    s.records.clear();
    s.steps.clear();
    g_proof_head = quot_rec{};
    g_proof_tail = &g_proof_head;
}

std::vector<ndg_entry>& ndg_entries()
{
    take_epoch();
    return store().ndgs;
}

std::vector<ndg_entry> ndg_snapshot()
{
    std::vector<ndg_entry> copy;
    for (const ndg_entry& e : ndg_entries())
        copy.push_back({cp_poly(e.den), e.origin});
    return copy;
}

void ndg_restore(std::vector<ndg_entry> saved)
{
    free_ndgs(ndg_entries());
    store().ndgs = std::move(saved);
}

void proof_not_proved(const std::string& reason)
{
    if (store().stopped)
        return;
    store().stopped = true;
    gprint(kNotProved + reason + ".\r\n");
}

bool proof_stopped() { return store().stopped; }
