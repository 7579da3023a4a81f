// Printers of the whole statement for the prover window's commands.

#include <string>

#include "prover/keywords.h"
#include "prover/prover.h"
#include "prover/prover_strings.h"
#include "statement/algebraic_prove.h"
#include "statement/prove.h"
#include "statement/semantics.h"
#include "statement/shown_statement.h"
#include "statement/statement_forms.h"

void show_statement()
{
    if (g_npoints >= 2)
        gprint(shown_statement_text());
}

void print_predicate_form()
{
    if (g_npoints < 2) {
        show_input_help();
        return;
    }
    gprint(stm_string(sid::kPredicateFormHead));
    gprint(stm_string(sid::kEquationalPredicates));
    gprint(stm_string(sid::kPointsWord));
    for (int i = 1; i <= g_npoints; ++i)
        gprint(" " + g_pro_points[static_cast<std::size_t>(i)].name);
    gprint(".\r\n");
    do_cons_from(cgeo::kPredicate, 1);
    gprint(stm_string(sid::kNonDegenerateHead));
    do_cons_from(cgeo::kNonDegenerate, 1);
    gprint(stm_string(sid::kConclusionHead));
    do_concl(cgeo::kPredicate);
    gprint("\r\n");
    if (g_method == kMethodWu || g_method == kMethodGroebner)
        print_statement_algebraic_form();
}

void explain_statement()
{
    clear_prover_window();
    do_cons_from(cgeo::kDrawing, 1);
    do_concl(cgeo::kDrawing);
}
