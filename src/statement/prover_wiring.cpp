// The resets of the polynomial pools and of the fact database register
// themselves when their code is linked in; registering them here as well
// (under the same keys, so nothing runs twice) keeps prover_reset complete in
// a program that happens not to reference them otherwise.

#include "algebra/algebraic_prove.h"
#include "algebra/area.h"
#include "algebra/poly.h"
#include "gdd/gdd_add.h"
#include "gdd/forward.h"
#include "gdd/full_angle.h"
#include "gdd/proof_latex.h"
#include "gdd/proof_text.h"
#include "statement/parse_facts.h"
#include "statement/prove.h"
#include "statement/prover.h"
#include "statement/semantics.h"

void register_default_reset_hooks()
{
    add_prover_reset_hook(ResetStage::Polynomials, "algebra.pools", init_pools);
    add_prover_reset_hook(ResetStage::FactDatabase, "gdd", init_gdd);
    add_prover_reset_hook(ResetStage::FactDatabase, "statement.parse_facts", [] { g_parse_facts.clear(); });
    // The proof shows its auxiliary points in statement syntax.
    set_cons_text_printer([](int point) { do_cons(cgeo::kStatement, point); });
}

// The proving methods whose code is built: their entry points for gprove.
void register_default_methods()
{
    set_method_entry(kMethodDatabase, {do_gdd, [] {
                                           if (g_save_latex)
                                               save_proof_tex(1);
                                       }});
    // Wu's and the Groebner method build their coordinate polynomials and
    // print their algebraic form and proof themselves.
    set_method_entry(kMethodWu, {prove_wu, {}});
    set_method_entry(kMethodGroebner, {prove_groebner, {}});
    // The area and vector method: one driver, the quantities printed apart.
    set_method_entry(kMethodArea, {prove_area, area_proof_output});
    set_method_entry(kMethodVector, {prove_vector, area_proof_output});
    set_method_entry(kMethodFullAngle, {prove_full_angle, full_angle_proof_output});
}
