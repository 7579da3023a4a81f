#include <climits>

#include "poly_test_util.h"

using namespace polytest;

namespace {

class ArithTest : public PolyTest {};

std::string text(const xterm* p) { return poly_text(p, 0); }

TEST_F(ArithTest, CancellationLeavesTheCanonicalForm)
{
    xterm* p = P("(x2+1)x3^2 - 4x3 + x1");
    xterm* r = pplus(p, neg_poly(cp_poly(p)));
    EXPECT_TRUE(pzerop(r));
    put_p(r);
    r = pplus(get_n(5), get_n(-5));
    EXPECT_TRUE(pzerop(r));
    EXPECT_EQ(r->terms, nullptr);
    put_p(r);
    // x^2 + 1 - x^2 is the constant 1, not a term list of one degree-0 term.
    r = pminus(P("x1^2+1"), P("x1^2"));
    EXPECT_TRUE(ponep(r));
    put_p(r);
    // A cancelled constant term leaves the higher terms.
    r = pplus(P("x1^2+3"), get_n(-3));
    EXPECT_EQ(text(r), "x1^{2}");
    EXPECT_EQ(canonical_fault(r), "");
    put_p(r);
}

TEST_F(ArithTest, ResultsMatchEvaluationAndStayCanonical)
{
    std::mt19937 rng(12345);
    std::vector<var_rec*> vars = {mk_ivar(4), mk_ivar(3), mk_ivar(1), mk_var_name("a")};
    std::uniform_int_distribution<std::uint64_t> value(0, kMod - 1);
    for (int round = 0; round < 150; ++round) {
        xterm* p = random_poly(rng, vars, static_cast<std::size_t>(round % 3));
        xterm* q = random_poly(rng, vars, static_cast<std::size_t>(round % 2));
        Point at;
        for (var_rec* v : vars)
            at[v] = value(rng);
        const std::uint64_t ep = eval(p, at), eq = eval(q, at);

        xterm* sum = pplus(cp_poly(p), cp_poly(q));
        xterm* diff = pminus(cp_poly(p), cp_poly(q));
        xterm* prod = ptimes(cp_poly(p), cp_poly(q));
        xterm* cube = ppower(cp_poly(p), 3);
        EXPECT_EQ(eval(sum, at), (ep + eq) % kMod);
        EXPECT_EQ(eval(diff, at), (ep + kMod - eq) % kMod);
        EXPECT_EQ(eval(prod, at), mulmod(ep, eq));
        EXPECT_EQ(eval(cube, at), mulmod(mulmod(ep, ep), ep));
        for (const xterm* r : {sum, diff, prod, cube})
            EXPECT_EQ(canonical_fault(r), "") << text(r);
        for (xterm* r : {p, q, sum, diff, prod, cube})
            put_p(r);
    }
}

TEST_F(ArithTest, ProductsAcrossMainVariables)
{
    const std::pair<const char*, const char*> factors[] = {{"x1+1", "x2-1"}, {"x2-1", "x1+1"}};
    for (const auto& [a, b] : factors) {
        xterm* r = ptimes(P(a), P(b));
        EXPECT_EQ(text(r), "(x1+1)x2-x1-1");
        put_p(r);
    }
    xterm* r = ptimes(P("x1-1"), P("x1+1"));
    EXPECT_EQ(text(r), "x1^{2}-1");
    put_p(r);
    r = ptimes(P("x1+1"), get_num());
    EXPECT_TRUE(pzerop(r));
    put_p(r);
}

TEST_F(ArithTest, TimesConstantMultipliesEveryCoefficient)
{
    xterm* r = ptimes_c(P("x1+2"), P("x2^2-3x2+1"));
    EXPECT_EQ(text(r), "(x1+2)x2^{2}+(-3x1-6)x2+x1+2");
    put_p(r);
}

TEST_F(ArithTest, PowerZeroIsOneAndPowerOneIsTheArgument)
{
    xterm* r = ppower(P("x1+x2"), 0);
    EXPECT_TRUE(ponep(r));
    put_p(r);
    xterm* p = P("x1+x2");
    r = ppower(p, 1);
    EXPECT_EQ(r, p);
    put_p(r);
    r = ppower(P("x1-1"), 4);
    EXPECT_EQ(text(r), "x1^{4}-4x1^{3}+6x1^{2}-4x1+1");
    put_p(r);
}

TEST_F(ArithTest, MonomialBuilders)
{
    xterm* r = get_md(mk_ivar(2), 3, get_n(5));
    EXPECT_EQ(text(r), "5x2^{3}");
    put_p(r);
    xterm* c = P("x1+1");
    r = get_md(mk_ivar(2), 0, c);
    EXPECT_EQ(r, c);
    put_p(r);
    c = get_n(4);
    r = get_md(nullptr, 2, c);
    EXPECT_TRUE(pzerop(r));
    put_p(r);
    put_p(c);  // a null variable leaves the coefficient to the caller
    r = get_m(nullptr);
    EXPECT_TRUE(pzerop(r));
    put_p(r);
    r = get_m_name("k");
    EXPECT_EQ(text(r), "k");
    put_p(r);
}

TEST_F(ArithTest, InspectionOfSizesAndDegrees)
{
    PolyPtr zero(get_num()), five(get_n(5)), p(P("x1^2*x2 + x1*x2 + 1"));
    EXPECT_EQ(nterms(zero.get()), 0);
    EXPECT_EQ(nterms(five.get()), 1);
    EXPECT_EQ(nterms(p.get()), 3);
    EXPECT_EQ(pndts(p.get()), 2);  // main variable x2: x2*(x1^2+x1) + 1
    EXPECT_EQ(ldeg(p.get()), 1);
    EXPECT_EQ(ldeg(five.get()), 0);

    PolyPtr q(P("x3^3*x1^2 + x3*(x2 + x1^4) - 2x1"));
    var_rec* x1 = mk_ivar(1);
    EXPECT_EQ(deg_in(q.get(), x1), 4);
    EXPECT_EQ(deg_in(q.get(), mk_ivar(3)), 3);
    EXPECT_EQ(deg_in(q.get(), mk_ivar(7)), 0);
    EXPECT_EQ(lowdeg_in(q.get(), x1), 0);
    PolyPtr r(P("x3^3*x1^2 + x3*x1^5"));
    EXPECT_EQ(lowdeg_in(r.get(), x1), 2);
    EXPECT_EQ(lowdeg_in(r.get(), mk_ivar(3)), 1);
    EXPECT_EQ(lnum(q.get()), 1);
    PolyPtr s(P("-3x2*x1 + 5"));
    EXPECT_EQ(lnum(s.get()), -3);
}

TEST_F(ArithTest, ContentIsSignedLikeTheLeadingNumber)
{
    struct Case {
        const char* poly;
        coef_t content;
    } cases[] = {{"6x1+4", 2}, {"-6x1+4", -2}, {"0", 0}, {"-7", -7}, {"6x2*x1 + 9x1 + 15", 3},
                 {"2x1 + 3", 1}};
    for (const auto& c : cases) {
        PolyPtr p(P(c.poly));
        EXPECT_EQ(pcontent(p.get()), c.content) << c.poly;
    }
}

TEST_F(ArithTest, InitialAndReductum)
{
    xterm* p = P("(x1+2)x2^2 + x2 - 5");
    EXPECT_EQ(text(pinit(p)), "x1+2");
    PolyPtr init(pinit_cp(p));
    EXPECT_NE(init.get(), pinit(p));
    EXPECT_TRUE(peq(init.get(), pinit(p)));
    p = preductum(p);
    EXPECT_EQ(text(p), "x2-5");
    p = preductum(p);
    EXPECT_EQ(text(p), "-5");
    p = preductum(p);
    EXPECT_TRUE(pzerop(p));
    put_p(p);
    PolyPtr c(get_n(3));
    EXPECT_EQ(pinit(static_cast<const xterm*>(c.get())), nullptr);
}

TEST_F(ArithTest, TopPartInAVariable)
{
    var_rec* x1 = mk_ivar(1);
    xterm* r = ptop_in(P("x3*(x1^3 + 2x1^2 + 1) + x2*x1^2 + x1"), x1, 2);
    EXPECT_EQ(text(r), "(x1+2)x3+x2");
    put_p(r);
    r = pdeg_in(P("x2*x1^2 + 3x1^2 + x1"), x1);
    EXPECT_EQ(text(r), "x2+3");
    put_p(r);
    r = ptop_in(P("x1+1"), x1, 3);
    EXPECT_TRUE(pzerop(r));
    put_p(r);
    r = ptop_in(P("x1+1"), mk_ivar(2), 1);  // variable not present
    EXPECT_TRUE(pzerop(r));
    put_p(r);
}

TEST_F(ArithTest, PolynomialOrder)
{
    struct Case {
        const char* p;
        const char* q;
        bool below;
    } cases[] = {
        {"3", "5", false},
        {"3", "x1", true},
        {"x1", "3", false},
        {"x2", "x1^5", false},              // main variables decide
        {"x1^5", "x2", true},
        {"x2 + 1", "x2^2", true},           // lower degree
        {"x2 + x1 + 1", "x2 + 1", false},   // fewer leaves below
        {"x2 + 1", "x2 + x1 + 1", true},
        {"x1*x2 + x1 + 1", "x1^2*x2 + x1 + 2", true},  // both with 3 leaves: initials
        {"x1*x2 + x1 + 1", "x1^2*x2 + 2", false},     // fewer leaves: not below
        {"x1^2*x2 + x1 + 1", "x1*x2 + x1 + 1", false},
    };
    for (const auto& c : cases) {
        PolyPtr p(P(c.p)), q(P(c.q));
        EXPECT_EQ(plessp(p.get(), q.get()), c.below) << c.p << " < " << c.q;
    }
}

TEST_F(ArithTest, StructuralEquality)
{
    PolyPtr a(P("x2*x1 + 1")), b(P("x1*x2 + 1")), c(P("x2*x1 + 2")), d(P("x2 + 1"));
    EXPECT_TRUE(peq(a.get(), b.get()));
    EXPECT_FALSE(peq(a.get(), c.get()));
    EXPECT_FALSE(peq(a.get(), d.get()));
    PolyPtr one(get_n(1)), mone(get_n(-1));
    EXPECT_TRUE(ponep(one.get()));
    EXPECT_TRUE(pmonep(mone.get()));
    EXPECT_FALSE(ponep(mone.get()));
}

TEST_F(ArithTest, MaxtermRecordedOnlyWhenSwitchedOn)
{
    PolyPtr p(P("x1^2 + x1 + x2 + 1"));
    g_maxterm = 0;
    g_maxterm_on = 0;
    note_maxterm(p.get());
    EXPECT_EQ(g_maxterm, 0);
    g_maxterm_on = 1;
    note_maxterm(p.get());
    EXPECT_EQ(g_maxterm, 4);
    PolyPtr small(P("x1"));
    note_maxterm(small.get());
    EXPECT_EQ(g_maxterm, 4);
}

// ---- overflow --------------------------------------------------------------

class OverflowTest : public PolyTest {};

// Results beyond 64 bits are exact, and a result that fits again is held
// inline, equal to the same value built directly.
TEST_F(OverflowTest, CoefficientsBeyondSixtyFourBitsAreExact)
{
    const std::string two63 = "9223372036854775808";
    struct Case {
        const char* name;
        std::function<xterm*()> run;
        std::string text;
    } cases[] = {
        {"sum", [] { return pplus(get_n(LLONG_MAX), get_n(1)); }, two63},
        {"difference", [] { return pminus(get_n(LLONG_MIN), get_n(1)); }, "-9223372036854775809"},
        {"product", [] { return ptimes(get_n(LLONG_MAX / 2 + 1), get_n(2)); }, two63},
        {"negation", [] { return neg_poly(get_n(LLONG_MIN)); }, two63},
        {"quotient", [] { return pdiv(get_n(LLONG_MIN), PolyPtr(get_n(-1)).get()); }, two63},
        {"power", [] { return ppower(get_md(mk_ivar(1), 1, get_n(1LL << 40)), 2); },
         "1208925819614629174706176" + var_text(mk_ivar(1), 0) + "^{2}"},
        {"nested sum", [] { return pplus(get_md(mk_ivar(1), 2, get_n(LLONG_MAX)), get_md(mk_ivar(1), 2, get_n(1))); },
         two63 + var_text(mk_ivar(1), 0) + "^{2}"},
    };
    for (const auto& c : cases) {
        PolyPtr r(c.run());
        EXPECT_EQ(poly_text(r.get(), 0), c.text) << c.name;
        // Back into 64 bits: (r - 1) + 1 - r is the inline zero, r * 3 / 3 is r.
        PolyPtr back(pminus(pplus(pminus(cp_poly(r.get()), get_n(1)), get_n(1)), cp_poly(r.get())));
        EXPECT_TRUE(pzerop(back.get())) << c.name;
        PolyPtr three(get_n(3));
        PolyPtr same(pdiv(ptimes(cp_poly(r.get()), get_n(3)), three.get()));
        ASSERT_TRUE(same) << c.name;
        EXPECT_TRUE(peq(same.get(), r.get())) << c.name;
    }
    PolyPtr big(ppower(get_n(10), 30));
    PolyPtr in_range(pdiv(cp_poly(big.get()), PolyPtr(ppower(get_n(10), 12)).get()));
    ASSERT_TRUE(in_range);
    EXPECT_FALSE(pbigp(in_range.get()));
    EXPECT_TRUE(peq(in_range.get(), PolyPtr(get_n(1000000000000000000LL)).get()));
    EXPECT_FALSE(PolyPtr(pdiv(cp_poly(big.get()), PolyPtr(get_n(7)).get())));
    EXPECT_EQ(pcontent(PolyPtr(P("6*x1 + 4")).get()), 2);
    PolyPtr content(pcontent_poly(PolyPtr(ptimes(cp_poly(big.get()), P("-2*x1 + 4"))).get()));
    EXPECT_EQ(poly_text(content.get(), 0), "-2000000000000000000000000000000");
}

TEST_F(OverflowTest, DegreeOverflowIsReported)
{
    try {
        put_p(ptimes(get_md(mk_ivar(1), 40000, get_n(1)), get_md(mk_ivar(1), 40000, get_n(1))));
        ADD_FAILURE() << "no overflow reported";
    } catch (const ProverAbort& e) {
        EXPECT_STREQ(e.what(), "degree overflow");
    }
    init_pools();
}

}  // namespace
