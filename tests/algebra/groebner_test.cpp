// The Groebner basis of the method: whatever pairs it skips, a basis; and
// a conclusion reduced by the whole of it, the linear part LGB included.

#include <string>

#include "algebra/equations.h"
#include "algebra/groebner.h"
#include "algebra/plist.h"
#include "prove_fixture.h"
#include "prover/poly_test_util.h"

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

// LGB is split off the basis, and each part can leave terms the other
// reduces: the remainder is taken until neither reduces it.
TEST_F(GroebnerTest, RemainderIsReducedByTheBasisAndItsLinearPart)
{
    g_gbmode = 1;
    struct Case {
        const char* name;
        std::initializer_list<const char*> basis, lin;
        const char* conclusion;
        bool zero;
    };
    const Case cases[] = {
        // the basis leaves x1x2, which LGB holds
        {"lgb after the basis", {"2x6-x2-x1"}, {"x1x2"}, "2x1x6-x1^2", true},
        // LGB leaves x2^2 - u2, which the basis holds
        {"basis after lgb", {"x2^2-u2"}, {"x3-x2"}, "x3^2-u2", true},
        {"three rounds", {"x2^2-u2"}, {"x3-x2"}, "x3^2x2^2-u2^2", true},
        {"nothing for lgb", {"2x6-x2-x1"}, {"x3-x2"}, "2x1x6-x1^2", false},
        {"a coefficient is left", {"x2^2-u2"}, {"x3-x2"}, "x3^2-u1", false},
        {"no lgb", {"x2^2-u2"}, {}, "x2^2-u2", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dterm* basis = list_of(c.basis);
        dterm* lin = list_of(c.lin);
        const PolyPtr r(gb_srem(P(c.conclusion), basis, lin));
        EXPECT_EQ(pzerop(r.get()), c.zero) << text_of(r.get());
        // A remainder left over is one neither part reduces.
        EXPECT_TRUE(gred_ps(r.get(), basis) && gred_ps(r.get(), lin)) << text_of(r.get());
        put_dts(basis);
        put_dts(lin);
    }
}

TEST_F(GroebnerTest, ConclusionThatLgbFinishesIsProved)
{
    // The perpendicular gives x1x2 = 0 (LGB); the midpoint's basis member
    // leaves x1x2 of the conclusion.
    read_stm("POINT A B C;\nPERPENDICULAR A B A C;\nMIDPOINT M B C;", "EQDISTANCE M A M B.", kMethodGroebner);
    EXPECT_EQ(prove(), ProveEnd::Ran) << proof_text();
    EXPECT_EQ(g_result, 1) << proof_text();
    const std::string text = proof_text();
    const auto successive = text.find("Successive pseudo remainder of CONC wrt to GB");
    ASSERT_NE(successive, std::string::npos) << text;
    EXPECT_NE(text.find("Index: (x2, 1, 1) \r\nIndex: (0,0,0) \r\n", successive), std::string::npos) << text;
    EXPECT_NE(text.find("Problem Is True"), std::string::npos) << text;
}

}  // namespace
