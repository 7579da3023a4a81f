#include <climits>
#include <vector>

#include "poly_test_util.h"
#include "prover/poly_coef.h"

using namespace polytest;

namespace {

class ArithTest : public PolyTest {};

std::string text(const xterm* p) { return poly_text(p, 0); }

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
    EXPECT_EQ(poly_text(PolyPtr(pcontent_poly(PolyPtr(P("6*x1 + 4")).get())).get(), 0), "2");
    PolyPtr content(pcontent_poly(PolyPtr(ptimes(cp_poly(big.get()), P("-2*x1 + 4"))).get()));
    EXPECT_EQ(poly_text(content.get(), 0), "-2000000000000000000000000000000");
}

// A decimal text reads to its value in the one form that value has: inline
// when it fits 64 bits, however many digits it is written with.
TEST_F(OverflowTest, DecimalTextsReadToTheOneFormOfTheirValue)
{
    const PolyPtr two_to_63(pplus(get_n(LLONG_MAX), get_n(1))), answer(get_n(42));
    EXPECT_TRUE(peq(PolyPtr(coef_from_text("9223372036854775808")).get(), two_to_63.get()));
    EXPECT_TRUE(peq(PolyPtr(coef_from_text("0000000000000000000000042")).get(), answer.get()));
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

// A coefficient is charged to the prover's memory budget before GMP is asked
// for its limbs: past the budget the run ends like a full pool, and the next
// one has the memory again.
TEST_F(OverflowTest, CoefficientPastTheMemoryBudgetEndsTheRun)
{
    constexpr std::size_t kBudget = std::size_t{1} << 20;
    set_prover_memory_budget(kBudget);
    try {
        // About 1.5 MB of limbs.
        put_p(ppower(get_n(LLONG_MAX), 200000));
        ADD_FAILURE() << "no memory report";
    } catch (const ProverAbort& e) {
        EXPECT_STREQ(e.what(), "run out of memory.");
    }
    EXPECT_NE(out_.text().find("run out of memory."), std::string::npos);
    EXPECT_LE(pool_stats().bytes_in_use, kBudget);
    init_pools();
    // Within the budget the same kind of number is made.
    const PolyPtr fits(ppower(get_n(LLONG_MAX), 1000));
    EXPECT_TRUE(pbigp(fits.get()));
    set_prover_memory_budget(0);
}

// Coefficients and nodes share one budget: a number that would fit in the
// budget alone is refused while the pools hold most of it, and made once
// they have given their blocks back.
TEST_F(OverflowTest, CoefficientsShareTheBudgetWithThePools)
{
    constexpr std::size_t kHeldNodes = 40000;
    constexpr std::size_t kRoom = std::size_t{256} << 10;
    constexpr int kPower = 60000;  // about 470 KB of limbs
    init_pools();
    std::vector<xterm*> held;
    for (std::size_t i = 0; i < kHeldNodes; ++i)
        held.push_back(new_xterm());
    const PoolStats pools = pool_stats();
    set_prover_memory_budget(pools.xterm_total * pools.xterm_bytes + pools.dterm_total * pools.dterm_bytes + kRoom);
    try {
        put_p(ppower(get_n(LLONG_MAX), kPower));
        ADD_FAILURE() << "no memory report";
    } catch (const ProverAbort& e) {
        EXPECT_STREQ(e.what(), "run out of memory.");
    }
    init_pools();  // the cut run's nodes and the held ones go back whole
    const PolyPtr fits(ppower(get_n(LLONG_MAX), kPower));
    EXPECT_TRUE(pbigp(fits.get()));
    set_prover_memory_budget(0);
}

}  // namespace
