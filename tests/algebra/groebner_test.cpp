// The Groebner basis of the method: whatever pairs it skips, a basis.

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
