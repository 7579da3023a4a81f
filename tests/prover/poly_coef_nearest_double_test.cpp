// nearest_double against an exact reference: doubles are dyadic, so the
// distances from a big integer to a double and to its two neighbours compare
// exactly as rationals.

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <vector>

#include "prover/poly_coef.h"

namespace {

constexpr int kMantissaBits = std::numeric_limits<double>::digits;  // 53
constexpr int kMaxExponent = std::numeric_limits<double>::max_exponent;  // 1024
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A double as the exact number it stands for; infinity stands for 2^1024,
// where the doubles would go on were their exponent unbounded, so that what
// rounds to it is checked as any other rounding.
mpq_class exact(double d)
{
    if (!std::isinf(d))
        return mpq_class(d);
    mpz_class beyond;
    mpz_ui_pow_ui(beyond.get_mpz_t(), 2, kMaxExponent);
    return d < 0 ? mpq_class(-beyond) : mpq_class(beyond);
}

// Infinity's stand-in 2^1024 is even.
bool even(double d) { return std::isinf(d) || (std::bit_cast<std::uint64_t>(d) & 1) == 0; }

// d is a double nearest v, and the even one of two equally near.
::testing::AssertionResult is_nearest(const mpz_class& v, double d)
{
    const mpq_class distance = abs(mpq_class(v) - exact(d));
    for (const double neighbour : {std::nextafter(d, -kInfinity), std::nextafter(d, kInfinity)}) {
        if (neighbour == d)
            continue;
        const mpq_class other = abs(mpq_class(v) - exact(neighbour));
        if (distance > other || (distance == other && !even(d)))
            return ::testing::AssertionFailure()
                   << v.get_str(16) << " rounds to " << std::hexfloat << d << ", not to " << neighbour;
    }
    return ::testing::AssertionSuccess();
}

// Values around the rounding points: a kept part of 53 bits (of either
// parity, or all ones, which carries into the next power of two) followed by
// dropped bits that are exactly half, just above or below it, or random;
// random values of every length; all near the largest double and past it.
std::vector<mpz_class> rounding_cases()
{
    gmp_randclass random(gmp_randinit_mt);
    random.seed(20240611);
    std::vector<mpz_class> values;
    const auto with_signs = [&values](const mpz_class& v) {
        values.push_back(v);
        values.push_back(-v);
    };
    const mpz_class top = mpz_class(1) << (kMantissaBits - 1);
    for (int i = 0; i < 3000; ++i) {
        mpz_class kept = (top << 1) - 1;
        if (i % 3 != 0) {
            kept = top + (random.get_z_bits(kMantissaBits - 2) << 1);  // even
            kept += i % 3 == 1 ? 0 : 1;
        }
        const unsigned long dropped = 1 + mpz_class(random.get_z_range(kMaxExponent - kMantissaBits)).get_ui();
        const mpz_class half = mpz_class(1) << (dropped - 1), base = kept << dropped;
        for (const mpz_class& v : std::initializer_list<mpz_class>{base + half, base + half + 1, base + half - 1,
                                                                   base + random.get_z_bits(dropped)})
            with_signs(v);
    }
    for (int i = 0; i < 3000; ++i)
        with_signs(random.get_z_bits(1 + mpz_class(random.get_z_range(kMaxExponent + 80)).get_ui()));
    const mpz_class largest = ((mpz_class(1) << kMantissaBits) - 1) << (kMaxExponent - kMantissaBits);
    const mpz_class last_half = mpz_class(1) << (kMaxExponent - kMantissaBits - 1);
    for (const mpz_class& v : std::initializer_list<mpz_class>{largest, largest + last_half, largest + last_half - 1, largest + 2 * last_half - 1,
                               largest + 2 * last_half, mpz_class(0), mpz_class(1), top << 1, (top << 1) + 1})
        with_signs(v);
    return values;
}

TEST(NearestDoubleTest, RoundsEveryBigIntegerToItsNearestDoubleTiesToEven)
{
    const std::vector<mpz_class> values = rounding_cases();
    int wrong = 0;
    for (const mpz_class& v : values) {
        const ::testing::AssertionResult nearest = is_nearest(v, nearest_double(v));
        if (!nearest && ++wrong <= 5)
            ADD_FAILURE() << nearest.message();
    }
    EXPECT_EQ(wrong, 0) << "of " << values.size();
}

}  // namespace
