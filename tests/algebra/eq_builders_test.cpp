// Wu's hypothesis list builders and the algebraic form of the constructions.

#include <string>
#include <tuple>

#include "algebra/eq_builders.h"
#include "algebra/equations.h"
#include "algebra/plist.h"
#include "algebra/relations.h"
#include "prove_fixture.h"
#include "prover/poly_test_util.h"
#include "statement/semantics.h"

namespace {

using EqBuildersTest = AlgebraProveTest;

std::string text_of(const xterm* p) { return poly_text(p, 0); }

void build_all()
{
    do_cons_from(cgeo::kFacts, 1);
    do_cons_from(cgeo::kPolys, 1);
}

TEST_F(EqBuildersTest, CoincidingOrParallelLinesAreReportedAndAddNothing)
{
    read_stm("POINT A B C D;\nMIDPOINT M A B;", "NO.", kMethodWu);
    build_all();
    do_cons_from(cgeo::kHypList, 1);
    const int before = plist_length(g_hyps);
    ASSERT_GT(before, 0);
    const int X = 5;  // M's coordinates, as if M were also on two lines
    // Through A parallel to CD, then the same line again or the parallel through B.
    for (int through : {1, 2}) {
        SCOPED_TRACE(through);
        g_abort = 0;
        clear_output();
        const PolyPtr p(poly_para(X, 1, 3, 4)), q(poly_para(X, through, 3, 4));
        eq_ll(p.get(), q.get());
        EXPECT_EQ(g_abort, 1);
        EXPECT_EQ(out(), "\r\n Sytax error: \r\neq_ll: two intersection lines are parallel\n\r\n\r\n");
        EXPECT_EQ(plist_length(g_hyps), before);
    }
}

TEST_F(EqBuildersTest, ParallelIntersectionProvesNothing)
{
    // Two parallels through different points do not meet: no method runs.
    for (int method : {kMethodWu, kMethodGroebner}) {
        SCOPED_TRACE(method);
        read_stm("POINT A B C D;\nINTERSECTION_PP X A B C D B C;", "COLLINEAR X A B.", method);
        EXPECT_EQ(prove(), ProveEnd::Refused);
        EXPECT_NE(proof_text().find("X has no proper solution in any figure"), std::string::npos) << proof_text();
        EXPECT_NE(g_result, 1);
    }
}

TEST_F(EqBuildersTest, CommonPointSearchedInTheDatabase)
{
    const struct {
        const char* hyps;
        const char* shown;
        int remainder_degree;
    } cases[] = {
        // D lies on the circle about A through B and on the line CD.
        {"POINT A B C;\nON_CIRCLE D A B;\nINTERSECTION_LC X C D A B;", "\r\n xn=D", 1},
        // No known point: the point's own name, and the full quadratic.
        {"POINT A B C D;\nINTERSECTION_LC X C D A B;", "\r\n xn=X", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hyps);
        prover_reset();
        read_stm(c.hyps, "NO.", kMethodWu);
        build_all();
        const int X = pt("X");
        for (int i = 1; i < X; ++i)
            do_cons(cgeo::kHypList, i);
        put_dts(g_hyps);
        g_hyps = nullptr;
        clear_output();
        do_cons(cgeo::kHypList, X);
        EXPECT_EQ(out(), c.shown);
        ASSERT_EQ(plist_length(g_hyps), 2);
        EXPECT_EQ(ldeg(g_hyps->next->coef), c.remainder_degree) << text_of(g_hyps->next->coef);
        free_eqs();
    }
}

TEST_F(EqBuildersTest, InitialVanishingOnTheHypotheses)
{
    read_stm("POINT A B C D;", "NO.", kMethodWu);
    // With y_C = 0 among the hypotheses, y_C x_D + ... has a vanishing initial.
    plist_push(g_hyps, polytest::P("x3"), 0);
    const PolyPtr p(polytest::P("x3x5+x4-x2"));
    eq_on_pt(p.get());
    ASSERT_EQ(plist_length(g_hyps), 2);
    EXPECT_EQ(text_of(g_hyps->coef), "x4-x2");
    // Where the initial does not vanish the polynomial itself goes in.
    const PolyPtr q(polytest::P("x2x5+x4"));
    eq_on_pt(q.get());
    EXPECT_EQ(text_of(g_hyps->coef), "x2x5+x4");
    EXPECT_EQ(g_hyps->deg, 0);
    // A polynomial that is 0 says nothing.
    const PolyPtr zero(get_num());
    eq_on_pt(zero.get());
    EXPECT_EQ(plist_length(g_hyps), 3);
}

}  // namespace
