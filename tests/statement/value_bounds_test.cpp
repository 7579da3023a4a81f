// The reader's values are bounded: a value whose expansion would pass the
// bounds is refused before the arithmetic grows, naming its line; values
// within them read as the kernel computes them, in every place a value
// stands.

#include <random>
#include <string>

#include "prover/poly.h"
#include "statement/parser.h"
#include "statement/value_bounds.h"
#include "stm_fixture.h"

namespace {

constexpr const char* kTooLarge = "the value is too large to expand";

xterm* var(const char* name) { return get_m_name(name); }

// The sum of the first n of the variables a, b, c, ...
xterm* sum_of(int n)
{
    xterm* s = get_n(0);
    for (int k = 0; k < n; ++k)
        s = pplus(s, var(std::string(1, static_cast<char>('a' + k)).c_str()));
    return s;
}

bool equals(const xterm* read, const xterm* expected) { return read && peq(read, expected); }

using BoundedArithmeticTest = StatementTest;

TEST_F(BoundedArithmeticTest, SizeCountsTermsAndTheWordsOfTheirCoefficients)
{
    const PolyPtr big(ppower(get_n(2), 200));  // four 64-bit words
    EXPECT_EQ(value_words(big.get()), 4u);
    const PolyPtr p(pplus(ptimes(cp_poly(big.get()), var("x")), pplus(var("y"), get_n(3))));
    EXPECT_EQ(value_words(p.get()), 6u);
    EXPECT_EQ(value_words(PolyPtr(get_n(0)).get()), 0u);
}

TEST_F(BoundedArithmeticTest, ProductsAndValuesAreHeldToTheirBounds)
{
    BoundedArithmetic arithmetic({20, 20});
    // 4 * 5 words is the most work allowed; 4 * 6 is past it.
    const PolyPtr fits(arithmetic.times(sum_of(4), sum_of(5)));
    EXPECT_TRUE(equals(fits.get(), PolyPtr(ptimes(sum_of(4), sum_of(5))).get()));
    EXPECT_EQ(arithmetic.times(sum_of(4), sum_of(6)), nullptr);
    EXPECT_EQ(arithmetic.refusal(), kTooLarge);
    // A value of 20 words is kept, one of 21 refused, as a sum's result too.
    const PolyPtr twenty(arithmetic.admit(sum_of(20)));
    EXPECT_NE(twenty, nullptr);
    EXPECT_EQ(arithmetic.plus(sum_of(20), var("z")), nullptr);
    EXPECT_EQ(arithmetic.minus(sum_of(20), var("z")), nullptr);
    const PolyPtr cancelled(arithmetic.minus(sum_of(20), sum_of(19)));
    EXPECT_TRUE(equals(cancelled.get(), PolyPtr(var("t")).get()));
}

TEST_F(BoundedArithmeticTest, EveryProductOfAPowerIsMeasured)
{
    // (a + b)^8 takes the squares of 2, 3 and 5 words: work 4, 9 and 25, for
    // a result of 9 words.
    const PolyPtr expected(ppower(sum_of(2), 8));
    BoundedArithmetic roomy({1000, 25});
    EXPECT_TRUE(equals(PolyPtr(roomy.power(sum_of(2), 8)).get(), expected.get()));
    BoundedArithmetic tight({1000, 24});
    EXPECT_EQ(tight.power(sum_of(2), 8), nullptr);
    // Square and multiply gives the kernel's powers.
    BoundedArithmetic ample({1000, 1000});
    for (int n : {0, 1, 2, 3, 5, 7, 13}) {
        SCOPED_TRACE(n);
        EXPECT_TRUE(equals(PolyPtr(ample.power(sum_of(3), n)).get(), PolyPtr(ppower(sum_of(3), n)).get()));
    }
}

TEST_F(BoundedArithmeticTest, ADegreePastTheKernelsLimitIsRefusedBeforeTheProduct)
{
    BoundedArithmetic arithmetic({1000, 1000});
    const auto k_to = [](int d) { return get_md(mk_var_name("k"), d, get_n(1)); };
    EXPECT_EQ(arithmetic.times(k_to(40000), k_to(30000)), nullptr);
    EXPECT_EQ(arithmetic.refusal(), "the value has a degree above 65535");
    EXPECT_EQ(arithmetic.power(k_to(20000), 4), nullptr);
    // Up to the limit, and in different variables, degrees add freely.
    const PolyPtr at_limit(arithmetic.times(k_to(30000), k_to(35535)));
    EXPECT_EQ(ldeg(at_limit.get()), 65535);
    const PolyPtr apart(arithmetic.times(k_to(40000), get_md(mk_var_name("j"), 40000, get_n(1))));
    EXPECT_NE(apart, nullptr);
}

TEST_F(BoundedArithmeticTest, NumbersAreMeasuredByTheirDigitsBeforeTheyAreConverted)
{
    BoundedArithmetic arithmetic({100, 100});
    EXPECT_TRUE(equals(PolyPtr(arithmetic.number("+12")).get(), PolyPtr(get_n(12)).get()));
    EXPECT_TRUE(equals(PolyPtr(arithmetic.number("-")).get(), PolyPtr(get_n(0)).get()));
    const PolyPtr ten_to_100(ppower(get_n(10), 100));
    EXPECT_TRUE(equals(PolyPtr(arithmetic.number("1" + std::string(100, '0'))).get(), ten_to_100.get()));
    // 200 digits take 11 words at most: converting them is measured as 11 * 11.
    EXPECT_EQ(arithmetic.number(std::string(200, '9')), nullptr);
    EXPECT_EQ(arithmetic.refusal(), kTooLarge);
}

TEST_F(BoundedArithmeticTest, RefusedOperandsGoBackToThePools)
{
    {
        BoundedArithmetic arithmetic({10, 10});
        EXPECT_EQ(arithmetic.times(sum_of(4), sum_of(4)), nullptr);
        EXPECT_EQ(arithmetic.power(sum_of(3), 9), nullptr);
        EXPECT_EQ(arithmetic.plus(sum_of(10), var("z")), nullptr);
        EXPECT_EQ(arithmetic.times(get_md(mk_var_name("k"), 60000, get_n(1)), get_md(mk_var_name("k"), 6000, get_n(1))),
                  nullptr);
        EXPECT_EQ(arithmetic.admit(sum_of(11)), nullptr);
    }
    EXPECT_EQ(pool_stats().xterm_in_use(), 0u);
    EXPECT_EQ(pool_stats().dterm_in_use(), 0u);
}

class ReaderBoundsTest : public StatementTest {
protected:
    // The first error of reading the statement, or "" when it reads.
    std::string error_of(const std::string& hyps, const std::string& show)
    {
        read_stm("POINT A B C;\n" + hyps, show);
        if (!g_abort)
            return "";
        const std::string head = "\r\n Sytax error: \r\n";
        return out().substr(head.size(), out().find("\r\n\r\n", head.size()) - head.size());
    }
};

TEST_F(ReaderBoundsTest, ValuesTooLargeToExpandAreRefusedNamingTheirLine)
{
    const std::string sum8 = "(a + b + c + d + e + f + g + h)";
    const std::string digits(100'000, '7');
    // A named line ending in "..." is cut there.
    struct Case {
        std::string hyps, show, named, reason;
    };
    const Case cases[] = {
        {"CONSTANT " + sum8 + " ^ 30;", "NO.", "CONSTANT " + sum8 + " ^ 30", kTooLarge},
        {"CONSTANT (a + b + c + d + e + f) ^ 20;", "NO.", "CONSTANT (a + b + c + d + e + f) ^ 20", kTooLarge},
        {"", sum8 + " ^ 30 = 0.", "SHOW: " + sum8 + " ^ 30 = 0", kTooLarge},
        {"", "x = (a + b + c) ^ 64.", "SHOW: x = (a + b + c) ^ 64", kTooLarge},
        {"LRATIO Q A B (" + sum8 + " ^ 30) 1;", "NO.", "LRATIO Q A B (" + sum8 + " ^ 30) 1", kTooLarge},
        {"MRATIO Q A B 2 (x - " + sum8 + " ^ 30);", "NO.", "MRATIO Q A B 2 (x - " + sum8 + " ^ 30)", kTooLarge},
        {"PRATIO Q A B C (((a b + c d) ^ 8 (e + f) ^ 8) ^ 8) 1;", "NO.",
         "PRATIO Q A B C (((a b + c d) ^ 8 (e + f) ^ 8) ^ 8) 1", kTooLarge},
        {"LRATIO Q A B ((a b + c d + e) ^ 16 (f + g + h) ^ 32 + 1) 1;", "NO.",
         "LRATIO Q A B ((a b + c d + e) ^ 16 (f + g + h) ^ 32 + 1) 1", kTooLarge},
        {"CONSTANT (((a + b) ^ 4 (c + d)) ^ 4 (e + f)) ^ 4;", "NO.",
         "CONSTANT (((a + b) ^ 4 (c + d)) ^ 4 (e + f)) ^ 4", kTooLarge},
        {"CONSTANT 99999999999999999999 ^ 64 ^ 64;", "NO.", "CONSTANT 99999999999999999999 ^ 64 ^ 64", kTooLarge},
        {"CONSTANT 2 (x + 1) " + std::string(1000, '3') + " ^ 64;", "NO.", "CONSTANT 2 (x + 1) 3333...", kTooLarge},
        {"MRATIO Q A B " + digits + " 1;", "NO.", "MRATIO Q A B 7777...", kTooLarge},
        {"CONSTANT ((k ^ 64) ^ 64) ^ 64 - 2;", "NO.", "CONSTANT ((k ^ 64) ^ 64) ^ 64 - 2",
         "the value has a degree above 65535"},
        {"", "(k ^ 64) ^ 64 ^ 64 = 1.", "SHOW: (k ^ 64) ^ 64 ^ 64 = 1", "the value has a degree above 65535"},
    };
    // Any of these, expanded, would take far more than this.
    constexpr std::size_t kFewMegabytes = std::size_t{4} << 20;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hyps.substr(0, 100) + c.show);
        prover_reset();  // the pools' peak starts afresh
        const std::string error = error_of(c.hyps, c.show);
        if (c.named.ends_with("...")) {
            EXPECT_EQ(error.rfind(c.named.substr(0, c.named.size() - 3), 0), 0u) << error;
            EXPECT_TRUE(error.ends_with(" ...: " + c.reason)) << error;
            EXPECT_LT(error.size(), 130u);
        } else {
            EXPECT_EQ(error, c.named + ": " + c.reason);
        }
        EXPECT_LT(pool_stats().peak_bytes, kFewMegabytes);
        EXPECT_EQ(g_npoints, 0);
    }
}

TEST_F(ReaderBoundsTest, ALongLineIsNamedByItsBeginning)
{
    std::string sum = "x0";
    for (int k = 1; k < 40; ++k)
        sum += " + x" + std::to_string(k);
    const std::string error = error_of("CONSTANT (" + sum + ") ^ 64;", "NO.");
    EXPECT_EQ(error.rfind("CONSTANT (x0 + x1 + x2", 0), 0u) << error;
    EXPECT_NE(error.find(" ...: " + std::string(kTooLarge)), std::string::npos) << error;
    EXPECT_LT(error.size(), 130u) << error;
}

TEST_F(ReaderBoundsTest, SparseHighDegreesBelowTheKernelsLimitRead)
{
    EXPECT_EQ(error_of("CONSTANT ((k ^ 50) ^ 50) ^ 4 - 2;", "NO."), "");
    const PolyPtr expected(pminus(get_md(mk_var_name("k"), 10000, get_n(1)), get_n(2)));
    EXPECT_TRUE(equals(rec(pt("x")).ps[0], expected.get()));
}

// Random sums, differences, products and powers whose every step stays
// small; as a constant, a ratio value and an equation side they read to
// what the kernel computes.
class ExpressionMaker {
public:
    explicit ExpressionMaker(unsigned seed) : rng_(seed) {}

    // An expression text and its value (owned by the caller).
    std::pair<std::string, xterm*> make(int depth)
    {
        if (depth == 0 || pick(4) == 0)
            return leaf();
        auto [left, lv] = make(depth - 1);
        switch (pick(5)) {
        case 0: {
            const int n = static_cast<int>(pick(6));
            xterm* value = get_n(1);
            for (int k = 0; k < n && value; ++k)  // every power the reader's squares meet
                value = small(ptimes(value, cp_poly(lv)));
            put_p(lv);
            if (!value)
                return leaf();
            return {"(" + left + ") ^ " + std::to_string(n), value};
        }
        case 1:
            return {"(- (" + left + "))", neg_poly(lv)};
        default:
            break;
        }
        auto [right, rv] = make(depth - 1);
        const std::size_t kind = pick(4);
        const std::string text = kind == 0   ? left + " + " + right
                                 : kind == 1 ? "(" + left + ") - (" + right + ")"
                                 : kind == 2 ? "(" + left + ") (" + right + ")"
                                             : "(" + left + ") * (" + right + ")";
        xterm* value = small(kind == 0 ? pplus(lv, rv) : kind == 1 ? pminus(lv, rv) : ptimes(lv, rv));
        return value ? std::pair{text, value} : leaf();
    }

private:
    std::mt19937 rng_;

    std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }

    // Null for a value past 300 words: every value made is at most that, so
    // that a product of two stays well inside the reader's bounds.
    static xterm* small(xterm* p)
    {
        if (value_words(p) <= 300)
            return p;
        put_p(p);
        return nullptr;
    }

    std::pair<std::string, xterm*> leaf()
    {
        switch (pick(3)) {
        case 0: {
            const std::string name(1, static_cast<char>('a' + pick(4)));
            return {name, var(name.c_str())};
        }
        case 1: {
            const int n = static_cast<int>(pick(20));
            return {std::to_string(n), get_n(n)};
        }
        default:
            return {"123456789012345678901234567890", pplus(ptimes(get_n(123456789012345LL), ppower(get_n(10), 15)),
                                                             get_n(678901234567890LL))};
        }
    }
};

TEST_F(ReaderBoundsTest, ValuesWithinTheBoundsReadAsTheKernelComputesThem)
{
    ExpressionMaker maker(20250704);
    for (int n = 0; n < 60 && !HasFailure(); ++n) {
        auto [text, value] = maker.make(4);
        const PolyPtr expected(value);
        SCOPED_TRACE(text);
        ASSERT_EQ(error_of("CONSTANT " + text + ";\nLRATIO P A B (" + text + ") 1;", text + " = 0."), "");
        EXPECT_TRUE(equals(rec(pt("x")).ps[0], expected.get()));
        EXPECT_TRUE(equals(rec(pt("P")).ps[0], expected.get()));
        EXPECT_TRUE(equals(g_concl_lhs, expected.get()));
    }
}

}  // namespace
