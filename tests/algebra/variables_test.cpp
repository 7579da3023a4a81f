#include "poly_test_util.h"

using namespace polytest;

namespace {

class VariablesTest : public PolyTest {
protected:
    void SetUp() override
    {
        PolyTest::SetUp();
        prover_init();
        g_trace = 0;
        const char* names[] = {"", "A", "B", "C", "D", "E"};
        for (int i = 1; i <= 5; ++i)
            g_pro_points[static_cast<std::size_t>(i)].name = names[i];
        g_method = kMethodArea;
    }
    void TearDown() override
    {
        prover_init();
        PolyTest::TearDown();
    }
};

constexpr int A = 1, B = 2, C = 3, D = 4, E = 5;

TEST_F(VariablesTest, InterningSharesRecords)
{
    var_rec* w = mk_var_name("w");
    EXPECT_EQ(mk_cvar("w"), w);
    EXPECT_EQ(w->type, kVarNamed);  // the first one made stays
    var_rec* k = mk_cvar("k");
    EXPECT_EQ(mk_var_name("k"), k);
    EXPECT_EQ(k->type, kVarParam);
    EXPECT_NE(mk_var_name("w"), mk_var_name("w2"));
    EXPECT_EQ(mk_var(kVarArea, A, B, C, C), mk_var(kVarArea, A, B, C, C));
    EXPECT_NE(mk_var(kVarArea, A, B, C, C), mk_var(-kVarArea, A, B, C, C));
    EXPECT_NE(mk_var(kVarArea, A, B, C, C), mk_var(kVarArea, A, C, B, C));
    const std::size_t n = var_count();
    mk_var(kVarArea, A, B, C, C);
    EXPECT_EQ(var_count(), n);
    // Names longer than eight characters are kept whole.
    EXPECT_EQ(mk_var_name("longername12")->name, "longername12");
    EXPECT_NE(mk_var_name("longername12"), mk_var_name("longername13"));
}

TEST_F(VariablesTest, QuantitiesOrder)
{
    struct Case {
        var_rec* a;
        var_rec* b;
        bool below;
    } cases[] = {
        // A negative-type area is below every positive-type quantity.
        {mk_var(-kVarArea, E, D, C, B), mk_var(kVarVector, A, 0, 0, 0), true},
        {mk_var(kVarVector, A, 0, 0, 0), mk_var(-kVarArea, E, D, C, B), false},
        // Area below Pythagoras difference with the same highest point.
        {mk_var(kVarArea, D, A, B, B), mk_var(kVarPyth, D, A, B, B), true},
        {mk_var(kVarPyth, D, A, B, B), mk_var(kVarArea, D, A, B, B), false},
        // Highest point first.
        {mk_var(kVarPyth, C, A, B, B), mk_var(kVarArea, D, A, B, B), true},
        {mk_var(kVarPyth, A, D, B, B), mk_var(kVarArea, C, A, B, B), false},  // P's highest is a2
        // Equal types: highest point, then the arguments.
        {mk_var(kVarArea, C, A, B, B), mk_var(kVarArea, C, B, A, A), true},
        {mk_var(kVarArea, C, B, A, A), mk_var(kVarArea, C, A, B, B), false},
        {mk_var(kVarArea, C, B, A, A), mk_var(kVarArea, D, A, B, B), true},
        // Ratios: the higher segment first, then lexicographic.
        {mk_var(kVarRatio, A, B, C, D), mk_var(kVarRatio, D, C, A, B), true},
        {mk_var(kVarRatio, E, A, A, B), mk_var(kVarRatio, D, C, A, B), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vless(c.a, c.b), c.below) << var_text(c.a, 0) << " vs " << var_text(c.b, 0);
}

TEST_F(VariablesTest, ReversedRatiosAreNeitherBelowTheOther)
{
    var_rec* r1 = mk_var(kVarRatio, A, B, C, D);  // A < C
    var_rec* r2 = mk_var(kVarRatio, C, D, A, B);
    EXPECT_NE(r1, r2);
    EXPECT_FALSE(vless(r1, r2));
    EXPECT_FALSE(vless(r2, r1));
}

TEST_F(VariablesTest, FullAngleSharedPointFirst)
{
    struct Case {
        int a1, a2, a3, a4;
        const char* text;
    } cases[] = {
        {B, A, B, C, "\u2220[BA,BC]"},  // lines BA and BC
        {A, B, C, B, "\u2220[BA,BC]"},  // a4 = a2
        {A, B, B, C, "\u2220[BA,BC]"},  // a2 = a3
        {B, A, C, B, "\u2220[BA,BC]"},  // a4 = a1
        {A, B, C, D, "\u2220[AB,CD]"},  // nothing shared
    };
    for (const auto& c : cases)
        EXPECT_EQ(fangle_text(c.a1, c.a2, c.a3, c.a4), c.text);
    print_fangle(B, A, B, C);
    EXPECT_EQ(out_.text(), "\u2220[BA,BC]");
}

TEST_F(VariablesTest, VariablesOfAPolynomial)
{
    PolyPtr p(P("x3^2*(x2+x1) + x3*u1 + x1^2 + 5"));
    const std::vector<var_rec*> vars = vars2(p.get());
    ASSERT_EQ(vars.size(), 4u);
    EXPECT_EQ(vars[0], mk_ivar(3));
    EXPECT_EQ(vars[1], mk_ivar(2));
    EXPECT_EQ(vars[2], mk_ivar(1));
    EXPECT_EQ(vars[3], mk_ivar(-1));
    PolyPtr c(get_n(4));
    EXPECT_TRUE(vars2(c.get()).empty());
}

}  // namespace
