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

TEST_F(VariablesTest, IndexVariables)
{
    EXPECT_EQ(mk_ivar(0)->type, kVarU);
    EXPECT_EQ(var_text(mk_ivar(0), 0), "u0");
    EXPECT_EQ(var_text(mk_ivar(-3), 0), "u3");
    EXPECT_EQ(var_text(mk_ivar(3), 0), "x3");
    EXPECT_EQ(mk_ivar(3)->type, kVarCoord);
    EXPECT_EQ(var_text(mk_ivar(3), 1), "x3");
    EXPECT_NE(mk_ivar(3), mk_ivar(-3));
}

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

TEST_F(VariablesTest, KindsAreOrderedFromNamedToQuantities)
{
    // Lowest first: named, u, 'c', x, then quantities.
    var_rec* chain[] = {mk_var_name("a"), mk_var_name("b"), mk_ivar(0), mk_ivar(-4),
                        mk_cvar("p"),     mk_cvar("q"),     mk_ivar(1), mk_ivar(7),
                        mk_var(-kVarArea, E, D, C, B), mk_var(kVarRatio, A, B, A, C)};
    const std::size_t n = std::size(chain);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < n; ++j)
            EXPECT_EQ(vless(chain[i], chain[j]), i < j)
                << var_text(chain[i], 0) << " vs " << var_text(chain[j], 0);
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

TEST_F(VariablesTest, HighestPoint)
{
    EXPECT_EQ(var_maxpt(mk_var(kVarRatio, A, B, D, C)), D);
    EXPECT_EQ(var_maxpt(mk_var(kVarPyth, A, D, B, E)), D);
    EXPECT_EQ(var_maxpt(mk_var(kVarArea, B, E, D, C)), B);
}

TEST_F(VariablesTest, TextAndLatexForms)
{
    struct Case {
        var_rec* v;
        const char* text;
        const char* latex;
    } cases[] = {
        {mk_var_name("w"), "w", "w"},
        {mk_var(kVarRatio, A, B, C, D), "BA/DC", "\\oo{BA}{DC}"},
        {mk_var(-kVarRatio, A, B, C, D), "BA/DC", "\\oo{BA}{DC}"},
        {mk_var(kVarArea, A, B, C, C), "S(ABC)", "\\t{ABC}"},
        {mk_var(kVarArea, A, B, C, D), "S(ABCD)", "\\t{ABCD}"},
        {mk_var(kVarPyth, A, B, B, C), "P(ABC)", "\\g{ABC}"},
        {mk_var(kVarPyth, A, B, C, D), "P(ABCD)", "\\g{ABCD}"},
        {mk_var(kVarVector, A, B, 0, 0), "V(BA)", "\\vec{BA}"},
        {mk_var(kVarVector, A, 0, 0, 0), "V(A)", "\\vec{A}"},
        {mk_var(kVarSegment, A, B, 0, 0), "[AB]", "(\\o{AB})"},
        {mk_var(kVarSine2, A, B, 0, 0), "sin(AB)", "\\sin(AB)"},
        {mk_var(kVarCosine2, A, B, 0, 0), "cos(AB)", "\\cos(AB)"},
        {mk_var(kVarSine1, C, 0, 0, 0), "sin(C)", "\\sin(C)"},
        {mk_var(kVarCosine1, C, 0, 0, 0), "cos(C)", "\\cos(C)"},
        {mk_var(kVarFullAngle, A, B, C, D), "\u2220[AB,CD]", "\\fa{AB}{CD}"},
        {mk_var(42, A, B, C, D), "x", "x"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(var_text(c.v, 0), c.text);
        EXPECT_EQ(var_text(c.v, 1), c.latex);
    }
    print_var(mk_var(kVarArea, A, B, C, C), 0);
    EXPECT_EQ(out_.text(), "S(ABC)");
}

TEST_F(VariablesTest, VectorMethodForms)
{
    g_method = kMethodVector;
    EXPECT_EQ(var_text(mk_var(kVarArea, A, B, C, D), 0), "[AC,BD]");
    EXPECT_EQ(var_text(mk_var(kVarArea, A, B, C, D), 1), "\\vp{AC}{BD}");
    EXPECT_EQ(var_text(mk_var(-kVarPyth, A, B, C, D), 0), "[AC,BD]");
    EXPECT_EQ(var_text(mk_var(-kVarPyth, A, B, C, D), 1), "\\ip{AC}{BD}");
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

TEST_F(VariablesTest, PointNamesOutsideTheTableAreEmpty)
{
    EXPECT_EQ(var_text(mk_var(kVarSegment, 0, 200, 0, 0), 0), "[]");
    EXPECT_EQ(var_text(mk_var(kVarSegment, -5, A, 0, 0), 0), "[A]");
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

TEST_F(VariablesTest, MonomialOfANamedVariable)
{
    PolyPtr p(get_m_name("w"));
    EXPECT_EQ(p->var, mk_cvar("w"));
    EXPECT_EQ(poly_text(p.get(), 0), "w");
}

}  // namespace
