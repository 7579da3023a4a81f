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

}  // namespace
