// The reader's values are bounded: a value whose expansion would pass the
// bounds is refused before the arithmetic grows, naming its line; values
// within them read as the kernel computes them, in every place a value
// stands.

#include <functional>
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

TEST_F(BoundedArithmeticTest, DegreesAddUpToTheKernelsLimit)
{
    BoundedArithmetic arithmetic({1000, 1000});
    const auto k_to = [](int d) { return get_md(mk_var_name("k"), d, get_n(1)); };
    EXPECT_EQ(ldeg(PolyPtr(arithmetic.times(k_to(30000), k_to(35535))).get()), 65535);
    EXPECT_EQ(arithmetic.times(k_to(30000), k_to(35536)), nullptr);
    EXPECT_EQ(arithmetic.refusal(), "the value has a degree above 65535");
    EXPECT_NE(PolyPtr(arithmetic.times(k_to(40000), get_md(mk_var_name("j"), 40000, get_n(1)))), nullptr);
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
    std::string sum40 = "x0";
    for (int k = 1; k < 40; ++k)
        sum40 += " + x" + std::to_string(k);
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
        {"CONSTANT 99999999999999999999 ^ 64 ^ 64;", "NO.", "CONSTANT 99999999999999999999 ^ 64 ^ 64", kTooLarge},
        {"CONSTANT 2 (x + 1) " + std::string(1000, '3') + " ^ 64;", "NO.", "CONSTANT 2 (x + 1) 3333...", kTooLarge},
        {"MRATIO Q A B " + digits + " 1;", "NO.", "MRATIO Q A B 7777...", kTooLarge},
        {"CONSTANT (" + sum40 + ") ^ 64;", "NO.", "CONSTANT (x0 + x1 + x2...", kTooLarge},
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

// Values far larger than any statement needs, a sparse one of high degree
// among them, read as the kernel computes them, in every place a value
// stands.
TEST_F(ReaderBoundsTest, LargeValuesWithinTheBoundsRead)
{
    const auto k = [] { return mk_var_name("k"); };
    const std::pair<std::string, std::function<xterm*()>> cases[] = {
        {"(a + b + c + d + e + f) ^ 10", [] { return ppower(sum_of(6), 10); }},
        {"99999999999999999999 ^ 64 - x", [] { return pminus(ppower(pminus(ppower(get_n(10), 20), get_n(1)), 64), var("x")); }},
        {"((k ^ 50) ^ 50) ^ 4 - 2", [&] { return pminus(get_md(k(), 10000, get_n(1)), get_n(2)); }},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text);
        ASSERT_EQ(error_of("CONSTANT " + text + ";\nLRATIO P A B (" + text + ") 1;", text + " = 0."), "");
        const PolyPtr expected(value());
        EXPECT_TRUE(equals(rec(pt("x")).ps[0], expected.get()));
        EXPECT_TRUE(equals(rec(pt("P")).ps[0], expected.get()));
        EXPECT_TRUE(equals(g_concl_lhs, expected.get()));
    }
}

}  // namespace
