// Integer helpers of the quotient code: exact on constants of any size.

#include <climits>
#include <string>

#include "poly_test_util.h"
#include "prover/int_arith.h"

using namespace polytest;

namespace {

class IntArithTest : public PolyTest {};

std::string text_of(xterm* p)
{
    const PolyPtr owned(p);
    return poly_text(owned.get(), 0);
}

// 10^n as a constant.
xterm* ten_to(int n) { return ppower(get_n(10), n); }

TEST_F(IntArithTest, GreatestCommonDivisor)
{
    struct Case {
        coef_t a, b;
        const char* gcd;
    };
    const Case cases[] = {
        {-12, 18, "6"},          {5, 0, "5"},   {0, 5, "5"},   {0, 0, "0"},
        {0, -7, "7"},            {-9, -6, "3"}, {17, 5, "1"},  {INT32_MIN, 6, "2"},
        {INT64_MIN, 0, "9223372036854775808"},  {INT64_MIN, INT64_MIN, "9223372036854775808"},
        {INT64_MAX, INT64_MAX, "9223372036854775807"},          {48, 180, "12"},
    };
    for (const Case& c : cases) {
        const PolyPtr a(get_n(c.a)), b(get_n(c.b));
        EXPECT_EQ(text_of(igcd(a.get(), b.get())), c.gcd) << c.a << ", " << c.b;
    }
    // Beyond 64 bits on either side, and a gcd that falls back into range.
    const PolyPtr big(ten_to(30)), other(ptimes(ten_to(25), get_n(-3)));
    EXPECT_EQ(text_of(igcd(big.get(), other.get())), "10000000000000000000000000");
    const PolyPtr six(get_n(6));
    EXPECT_EQ(text_of(igcd(big.get(), six.get())), "2");
    EXPECT_FALSE(pbigp(PolyPtr(igcd(big.get(), six.get())).get()));
}

TEST_F(IntArithTest, PowerByRepeatedSquaring)
{
    struct Case {
        coef_t a;
        std::uint16_t n;
        const char* power;
    };
    const Case cases[] = {
        {3, 4, "81"},
        {7, 0, "1"},
        {0, 0, "1"},
        {0, 5, "0"},
        {-2, 3, "-8"},
        {-1, 65535, "-1"},
        {1, 65535, "1"},
        {2, 31, "2147483648"},
        {-2, 63, "-9223372036854775808"},
        {2, 64, "18446744073709551616"},
        {10, 20, "100000000000000000000"},
        {-3, 41, "-36472996377170786403"},
    };
    for (const Case& c : cases) {
        const PolyPtr a(get_n(c.a));
        EXPECT_EQ(text_of(ipower(a.get(), c.n)), c.power) << c.a << "^" << c.n;
    }
    // A base beyond 64 bits.
    const PolyPtr big(ten_to(20));
    EXPECT_EQ(text_of(ipower(big.get(), 2)), "1" + std::string(40, '0'));
}

TEST_F(IntArithTest, NeitherArgumentIsConsumedOrChanged)
{
    const PolyPtr a(ten_to(30)), b(get_n(-4));
    put_p(igcd(a.get(), b.get()));
    put_p(ipower(a.get(), 3));
    put_p(ipower(b.get(), 70));
    EXPECT_EQ(poly_text(a.get(), 0), "1" + std::string(30, '0'));
    EXPECT_EQ(poly_text(b.get(), 0), "-4");
    EXPECT_TRUE(out_.text().empty());
}

}  // namespace
