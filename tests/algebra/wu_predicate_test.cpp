// Wu's method on hypothesis predicates over free points: the predicates'
// polynomials are brought into one triangular list, so that the successive
// division decides the statement on its proper figures.

#include <string>
#include <vector>

#include "algebra/plist.h"
#include "prover/variables.h"
#include "prove_fixture.h"
#include "statement/semantics.h"

namespace {

using WuPredicateTest = AlgebraProveTest;

constexpr const char* kParallelogram = "POINT A B C D;\nPARALLEL A B C D;\nPARALLEL A D B C;";

struct PredicateCase {
    const char* hypotheses;  // after the parallelogram's, when with_parallelogram
    const char* conclusion;
    bool holds;
    bool with_parallelogram = true;
};

const std::vector<PredicateCase>& cases()
{
    static const std::vector<PredicateCase> list = {
        // Rhombus, rectangle and their converses.
        {"EQDISTANCE A B A D;", "PERPENDICULAR A C B D.", true},
        {"EQDISTANCE A B A D;", "EQANGEL B A C C A D.", true},
        {"EQDISTANCE A B A D;", "EQDISTANCE A C B D.", false},
        {"PERPENDICULAR A C B D;", "EQDISTANCE A B A D.", true},
        {"PERPENDICULAR A B A D;", "EQDISTANCE A C B D.", true},
        {"PERPENDICULAR A B A D;", "PERPENDICULAR A C B D.", false},
        {"EQDISTANCE A C B D;", "PERPENDICULAR A B A D.", true},
        {"", "EQDISTANCE A D B C.", true},
        {"", "PERPENDICULAR A C B D.", false},
        // The rhombus with its vertices numbered in another order.
        {"POINT A B D C;\nPARALLEL A B C D;\nPARALLEL A D B C;\nEQDISTANCE A B A D;", "PERPENDICULAR A C B D.", true,
         false},
        // Two altitudes of a triangle meet on the third.
        {"POINT A B C H;\nPERPENDICULAR A H B C;\nPERPENDICULAR B H A C;", "PERPENDICULAR C H A B.", true, false},
        {"POINT A B C H;\nPERPENDICULAR A H B C;\nPERPENDICULAR B H A C;", "PERPENDICULAR C H A C.", false, false},
        // D on AB, E a quarter turn of D about A: the perpendicular's
        // initial vanishes once D is known on AB, whichever comes first.
        {"POINT A B D E;\nPARALLEL D B B A;\nPERPENDICULAR A E A D;\nEQDISTANCE A E A D;", "EQDISTANCE A E B E.",
         false, false},
        {"POINT A B D E;\nPARALLEL D B B A;\nPERPENDICULAR A E A D;\nEQDISTANCE A E A D;", "PERPENDICULAR A E A B.",
         true, false},
        {"POINT A B D E;\nPERPENDICULAR A E A D;\nEQDISTANCE A E A D;\nPARALLEL D B B A;", "EQDISTANCE A E B E.",
         false, false},
        {"POINT A B D E;\nPERPENDICULAR A E A D;\nEQDISTANCE A E A D;\nPARALLEL D B B A;", "PERPENDICULAR A E A B.",
         true, false},
        {"POINT A B D E;\nPARALLEL D B B A;\nEQDISTANCE A E A D;\nPERPENDICULAR A E A D;", "EQANGEL A D E D E A.",
         true, false},
        // The isosceles trapezoid by its legs and circle.
        {"POINT A B C D;\nPARALLEL A B C D;\nEQDISTANCE A D B C;\nCOCIRCLE A B C D;", "EQDISTANCE A C B D.", true,
         false},
    };
    return list;
}

std::string hypotheses(const PredicateCase& c)
{
    return c.with_parallelogram ? std::string(kParallelogram) + "\n" + c.hypotheses : c.hypotheses;
}

// Main variables strictly falling along the list: one hypothesis per variable.
bool triangular(const dterm* list)
{
    const var_rec* above = nullptr;
    for (; list; list = list->next) {
        if (pconstp(list->coef))
            return false;
        if (above && !vless(list->coef->var, above))
            return false;
        above = list->coef->var;
    }
    return true;
}

std::string list_text(const dterm* list)
{
    std::string text;
    for (; list; list = list->next)
        text += poly_text(list->coef, 0) + "\n";
    return text;
}

}  // namespace

TEST_F(WuPredicateTest, OneTriangularListGivesTheFiguresVerdict)
{
    for (const PredicateCase& c : cases()) {
        SCOPED_TRACE(hypotheses(c) + " SHOW: " + c.conclusion);
        read_stm(hypotheses(c), c.conclusion, kMethodWu);
        do_cons_from(cgeo::kFacts, 1);
        do_cons_from(cgeo::kPolys, 1);
        do_cons_from(cgeo::kHypList, 1);
        EXPECT_TRUE(triangular(g_hyps)) << list_text(g_hyps);
        free_eqs();
        EXPECT_EQ(prove(), ProveEnd::Ran) << proof_text();
        // The figures overrule a wrong verdict: only the method's own right
        // one is left standing.
        EXPECT_EQ(g_result, c.holds ? 1 : -1) << proof_text();
        EXPECT_TRUE(proof_text().ends_with(c.holds ? "Problem Is True" : "Problem Is False")) << proof_text();
    }
}
