// Integer helpers of the polynomial code.

#include <gtest/gtest.h>

#include <climits>

#include "gdd/int_arith.h"
#include "statement/prover.h"

namespace {

TEST(IntArithTest, GreatestCommonDivisor)
{
    struct Case {
        std::int32_t a, b, gcd;
    };
    const Case cases[] = {
        {-12, 18, 6}, {5, 0, 5}, {0, 5, 5}, {0, 0, 0}, {0, -7, 7}, {-9, -6, 3},
        {17, 5, 1},   {INT32_MIN, 6, 2}, {INT32_MAX, INT32_MAX, INT32_MAX}, {48, 180, 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(igcd(c.a, c.b), c.gcd) << c.a << ", " << c.b;
}

TEST(IntArithTest, PowerByRepeatedSquaring)
{
    struct Case {
        std::int32_t a;
        std::uint16_t n;
        std::int32_t power;
    };
    const Case cases[] = {
        {3, 4, 81}, {7, 0, 1}, {0, 0, 1}, {0, 5, 0}, {-2, 3, -8}, {-1, 65535, -1},
        {1, 65535, 1}, {2, 30, 1 << 30}, {-2, 31, INT32_MIN}, {10, 9, 1000000000}, {-3, 2, 9},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ipower(c.a, c.n), c.power) << c.a << "^" << c.n;
}

TEST(IntArithTest, ResultsOutside32BitsAreReportedNotWrapped)
{
    GprintCapture out;
    EXPECT_THROW(ipower(2, 31), ProverAbort);
    EXPECT_THROW(ipower(10, 10), ProverAbort);
    EXPECT_THROW(ipower(-3, 40), ProverAbort);
    EXPECT_THROW(igcd(INT32_MIN, 0), ProverAbort);
    EXPECT_NE(out.text().find("overflow"), std::string::npos);
}

}  // namespace
