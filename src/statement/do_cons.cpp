// do_cons: the meaning of one construction record in one mode.

#include <cstdio>

#include "statement/cons_equations.h"
#include "statement/cons_internal.h"
#include "statement/semantics.h"

bool semantics_mode_built(int) { return true; }

SemResult do_cons(int cgeo_key, int no)
{
    if (no < 1 || no >= kProPointCount)
        return SemResult::Done;
    const auto& r = cons::record(no);
    if (g_trace) {
        std::printf("do_cons: cgeo_key: %d, no: %d type: %d name: %s pots:", cgeo_key, no,
                    static_cast<int>(r.kind), r.name.c_str());
        for (int k = 1; k <= 6; ++k)
            std::printf(" %d", cons::arg(no, k));
        std::printf("\n");
    }
    switch (cgeo_key) {
    case cgeo::kPolys:
        cons_coord_polys(no);
        break;
    case cgeo::kHypList:
        cons_hyp_list(no);
        break;
    case cgeo::kAlgebraic:
        print_cons_algebraic(no);
        break;
    case cgeo::kPredicate:
        gprint(cons_predicate_text(no));
        break;
    case cgeo::kNonDegenerate:
        gprint(nondegenerate_text(no));
        break;
    case cgeo::kFacts:
        state_cons_facts(no);
        break;
    case cgeo::kStatement:
        gprint(cons_statement_text(no));
        break;
    case cgeo::kDrawing:
        gprint(cons_drawing_text(no));
        break;
    default:  // the numeric model and unknown modes do nothing
        break;
    }
    return SemResult::Done;
}

int do_cons_from(int cgeo_key, int first)
{
    for (int i = first; i <= g_npoints; ++i)
        do_cons(cgeo_key, i);
    return 1;
}
