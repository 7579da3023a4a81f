#include "statement/statement_records.h"

#include "prover/parse_facts.h"
#include "prover/poly.h"
#include "prover/prover.h"
#include "statement/kept_statement.h"
#include "statement/parser.h"

void forget_reader_marks()
{
    forget_kept_statement();
    run_prover_reset_stage(ResetStage::FactDatabase);
    g_parse_facts.clear();
    for (auto& r : g_pro_points) {
        r.hyp_predicate = false;
        r.generated = false;
        r.written.clear();
    }
    g_concl_written.reset();
}

void forget_read_statement()
{
    forget_reader_marks();
    free_statement_polys();
}

void set_ratio_values(Pro_point& r, long numerator, long denominator)
{
    r.ps[0] = get_n(numerator);
    r.ps[1] = get_n(denominator);
}
