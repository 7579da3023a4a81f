// The Groebner basis method: its normal forms, factors, S-polynomials and
// basis, and points on lines written by a parameter.

#include <string>

#include "algebra/equations.h"
#include "algebra/groebner.h"
#include "algebra/plist.h"
#include "poly_test_util.h"
#include "prove_fixture.h"

namespace {

using GroebnerTest = AlgebraProveTest;
using polytest::P;

std::string text_of(const xterm* p) { return poly_text(p, 0); }

dterm* list_of(std::initializer_list<const char*> texts)
{
    dterm* list = nullptr;
    for (const char* t : texts)
        plist_append(list, P(t), 1);
    return list;
}

std::string texts_of(const dterm* list)
{
    std::string out;
    for (; list; list = list->next)
        out += (out.empty() ? "" : "; ") + text_of(list->coef);
    return out;
}

TEST_F(GroebnerTest, CoefficientsAreParametersAndNamedVariables)
{
    const PolyPtr u(P("u3*u2+1")), named(P("a+u1")), x(P("x2*u1"));
    EXPECT_TRUE(gconst_p(u.get()));
    EXPECT_TRUE(gconst_p(named.get()));
    EXPECT_FALSE(gconst_p(x.get()));
    // The head follows the initials down to a coefficient.
    const PolyPtr p(P("(3u1+1)x3^2x2 + x3 + 5"));
    EXPECT_EQ(text_of(PolyPtr(ghead_mono(p.get())).get()), text_of(PolyPtr(P("x3^2x2")).get()));
    EXPECT_EQ(text_of(PolyPtr(ghead_coef(p.get())).get()), text_of(PolyPtr(P("3u1+1")).get()));
}

TEST_F(GroebnerTest, NormalFormDividesOutCoefficientFactors)
{
    const struct {
        const char* in;
        const char* normal;
    } cases[] = {
        {"6x3-4", "3x3-2"},                         // content
        {"u1 x3 + u1 u2", "x3+u2"},                 // a parameter of the head coefficient
        {"(u1+1)x3 + (u1+1)u2", "x3+u2"},           // the head coefficient itself
        {"(u1+1)(u2-1)x3+(u1+1)x2", "(u2-1)x3+x2"},  // one factor of the head coefficient
        {"u1+7", "1"},                              // a coefficient
        {"0", "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        const PolyPtr n(gnormal(P(c.in)));
        EXPECT_EQ(text_of(n.get()), text_of(PolyPtr(P(c.normal)).get()));
    }
}

TEST_F(GroebnerTest, FactorsFoundByExactDivision)
{
    dterm* f = gfactors(P("(x2+1)(u1+2)x3 + (x2+1)(u1+2)u2"));
    // Each factor divides the polynomial, and their product recovers it up to a unit.
    PolyPtr product(get_n(1));
    for (const dterm* d = f; d; d = d->next)
        product.reset(ptimes(product.release(), cp_poly(d->coef)));
    const PolyPtr whole(P("(x2+1)(u1+2)x3 + (x2+1)(u1+2)u2"));
    EXPECT_TRUE(peq(product.get(), whole.get())) << texts_of(f);
    EXPECT_GE(plist_length(f), 2) << texts_of(f);
    put_dts(f);
    EXPECT_EQ(gfactors(P("7")), nullptr);
}

TEST_F(GroebnerTest, OrderDivisibilityAndQuotients)
{
    const PolyPtr a(P("x3x2+1")), b(P("x3^2")), c(P("x2^3+u1"));
    EXPECT_TRUE(gless(a.get(), b.get()));
    EXPECT_FALSE(gless(b.get(), a.get()));
    EXPECT_TRUE(gless(c.get(), a.get()));
    const PolyPtr g(P("x3+u1"));
    EXPECT_TRUE(gdivides(a.get(), g.get()));
    EXPECT_FALSE(gdivides(c.get(), g.get()));
    const PolyPtr q(gquot(P("u2 x3^2 x2 + x3 + x2"), g.get()));
    EXPECT_EQ(text_of(q.get()), text_of(PolyPtr(P("u2 x3 x2 + 1")).get()));
}

TEST_F(GroebnerTest, ReductionRemovesEveryDivisibleTerm)
{
    g_gbmode = 1;
    const PolyPtr g(P("x3-x2"));
    const PolyPtr r(gred1(P("x3^2 + x3 x2 + u1"), g.get()));
    EXPECT_EQ(text_of(r.get()), text_of(PolyPtr(P("2x2^2+u1")).get()));
    // A coefficient divisor leaves nothing; a coefficient remainder becomes 1.
    const PolyPtr unit(P("u1+1"));
    EXPECT_TRUE(pzerop(PolyPtr(gred1(P("x3+1"), unit.get())).get()));
    const PolyPtr h(P("x3"));
    EXPECT_TRUE(ponep(PolyPtr(gred1(P("x3+u2"), h.get())).get()));
}

TEST_F(GroebnerTest, CoprimeHeadsGiveNoSPolynomial)
{
    dterm* B = list_of({"x3-u2", "x2-u1"});
    EXPECT_TRUE(gshare_p(B->coef, B->next->coef));
    EXPECT_EQ(gspolys(B), nullptr);
    put_dts(B);
    const PolyPtr s(gspoly(P("x3x2-1"), P("x3^2-u1")));
    // x3 (x3x2 - 1) - x2 (x3^2 - u1) = -x3 + u1 x2
    EXPECT_EQ(text_of(s.get()), text_of(PolyPtr(P("-x3+u1x2")).get()));
}

TEST_F(GroebnerTest, BasisOfTwoCircles)
{
    g_gbmode = 1;
    // x^2 + y^2 - 1 and x - y: the basis holds a polynomial in x alone.
    dterm* basis = g_basis(list_of({"x3^2+x2^2-1", "x3-x2"}));
    bool eliminated = false;
    for (const dterm* g = basis; g; g = g->next)
        eliminated = eliminated || (g->coef->var == mk_ivar(2) && deg_in(g->coef, mk_ivar(3)) == 0);
    EXPECT_TRUE(eliminated) << texts_of(basis);
    put_dts(basis);
    // Hypotheses of parameters only normalise to 1.
    dterm* unit = g_basis(list_of({"u1u2-1"}));
    EXPECT_EQ(texts_of(unit), "1");
    put_dts(unit);
}

// Whatever pairs the basis loop skips, its result is a basis: every input
// and every member reduces to 0 and no S-polynomial is left over.
TEST_F(GroebnerTest, SkippedPairsStillGiveABasis)
{
    g_gbmode = 1;
    const std::initializer_list<const char*> systems[] = {
        {"x3^2+x2^2-1", "x3-x2"},
        {"x3x2-u1", "x3x1-u2", "x2x1-u3", "x3^2-x1"},  // chains through x3x2x1
        {"x3^2-x2x1", "x2^2-x1u1", "x3x2-u2", "x1^2-u1u2"},
        {"x2x1-1", "x2^2-x1"},
        {"x2x1-u1", "x2x1-u2"},  // the ideal holds a coefficient: the basis is 1
    };
    for (const auto& system : systems) {
        dterm* inputs = list_of(system);
        dterm* basis = g_basis(cp_dterms(inputs));
        for (const dterm* p = inputs; p; p = p->next)
            EXPECT_TRUE(pzerop(PolyPtr(gred(cp_poly(p->coef), basis)).get()))
                << text_of(p->coef) << " by " << texts_of(basis);
        dterm* left = gspolys(basis);
        EXPECT_EQ(left, nullptr) << texts_of(basis) << " leaves " << texts_of(left);
        put_dts(left);
        put_dts(basis);
        put_dts(inputs);
    }
}

TEST_F(GroebnerTest, OnLinePointsByTheirParameter)
{
    read_stm("POINT A B C;\nON_LINE D A C;\nMIDPOINT M A C;", "COLLINEAR M D C.", kMethodGroebner);
    prove();
    // Its equations are the algebraic form's (checked with the builders).
    EXPECT_EQ(g_result, 1) << proof_text();
}

}  // namespace
