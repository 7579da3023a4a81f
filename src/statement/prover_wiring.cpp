// The resets of the polynomial pools and of the fact database register
// themselves when their code is linked in; registering them here as well
// (under the same keys, so nothing runs twice) keeps prover_reset complete in
// a program that happens not to reference them otherwise.

#include "algebra/poly.h"
#include "gdd/gdd_add.h"
#include "statement/parse_facts.h"
#include "statement/prover.h"

void register_default_reset_hooks()
{
    add_prover_reset_hook(ResetStage::Polynomials, "algebra.pools", init_pools);
    add_prover_reset_hook(ResetStage::FactDatabase, "gdd", init_gdd);
    add_prover_reset_hook(ResetStage::FactDatabase, "statement.parse_facts", [] { g_parse_facts.clear(); });
}

// The proving methods whose code is built: their entry points for gprove.
void register_default_methods() {}
