// What the statement layer hands down to the layers below it, and the
// proving methods' entry points.

#include "statement/prover_wiring.h"

#include "algebra/area.h"
#include "gdd/full_angle.h"
#include "gdd/proof_latex.h"
#include "gdd/proof_text.h"
#include "prover/prover.h"
#include "prover/statement_lines.h"
#include "statement/algebraic_prove.h"
#include "statement/database_prove.h"
#include "statement/kept_statement.h"
#include "statement/prove.h"
#include "statement/semantics.h"

void wire_statement_layer()
{
    static const bool wired = [] {
        set_statement_lines({cons_statement_text, concl_statement_text,
                             [] { return concl_keyword_text() + ".\r\n"; }});
        // The proof shows its auxiliary points in statement syntax.
        set_cons_text_printer([](int point) { do_cons(cgeo::kStatement, point); });
        // prover_reset empties the tables and the pools the statement's
        // polynomials live in: the statement kept of it goes too.
        add_prover_reset_hook(ResetStage::Polynomials, "statement.kept_statement", forget_kept_statement);
        return true;
    }();
    (void)wired;
}

// The proving methods whose code is built: their entry points for gprove.
void register_default_methods()
{
    wire_statement_layer();
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
