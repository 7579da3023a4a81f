#include "statement/statement_records.h"

#include "prover/parse_facts.h"
#include "prover/poly.h"
#include "prover/prover.h"
#include "statement/parser.h"

void forget_read_statement()
{
    run_prover_reset_stage(ResetStage::FactDatabase);
    g_parse_facts.clear();
    free_statement_polys();
    for (auto& r : g_pro_points)
        r.hyp_predicate = false;
}

void set_ratio_values(Pro_point& r, long numerator, long denominator)
{
    r.ps[0] = get_n(numerator);
    r.ps[1] = get_n(denominator);
}
