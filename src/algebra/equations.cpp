// The equation lists and their upkeep between proofs.

#include "algebra/equations.h"

#include "algebra/plist.h"
#include "prover/prover.h"

dterm* g_hyps = nullptr;
dterm* g_lin = nullptr;
dterm* g_concs = nullptr;
dterm* g_concs_print = nullptr;
dterm* g_gb_inits = nullptr;
std::vector<xterm*> g_ts_inits;
std::uint8_t g_vcomp = 1;

namespace {

// The pool epoch the lists belong to.
std::uint64_t lists_epoch = 0;

// The Prove command frees the lists through this stage before every proof;
// at a prover reset the pools were reclaimed just before, so it only forgets.
const bool registered = [] {
    add_prover_reset_hook(ResetStage::Equations, "algebra.equations", free_eqs);
    return true;
}();

}  // namespace

void reset_eqs()
{
    (void)registered;
    g_hyps = g_lin = g_concs = g_concs_print = g_gb_inits = nullptr;
    g_ts_inits.clear();
    for (int i = 1; i < kProPointCount; ++i)
        g_pairs[static_cast<std::size_t>(i)] = Coord_pair{};
    lists_epoch = pool_epoch();
}

void free_eqs()
{
    if (lists_epoch != pool_epoch()) {
        reset_eqs();
        return;
    }
    for (dterm** list : {&g_hyps, &g_lin, &g_concs, &g_concs_print, &g_gb_inits}) {
        dterm* cells = *list;
        *list = nullptr;
        put_dts(cells);
    }
    // Both methods' initials go, whichever method ran last.
    for (xterm*& slot : g_ts_inits) {
        xterm* p = slot;
        slot = nullptr;
        put_p(p);
    }
    g_ts_inits.clear();
    for (int i = 1; i < kProPointCount; ++i)
        free_pair(i);
}

void print_eqs()
{
    for (const dterm* d = g_concs_print; d; d = d->next)
        if (d->coef)
            pprint_eq0(d->coef);
}

void set_pair(int no, xterm* x, xterm* y)
{
    auto& pair = g_pairs[static_cast<std::size_t>(no)];
    pair.x = x;
    pair.y = y;
}

void free_pair(int no)
{
    auto& pair = g_pairs[static_cast<std::size_t>(no)];
    xterm* x = pair.x;
    xterm* y = pair.y;
    pair = Coord_pair{};
    put_p(x);
    put_p(y);
}
