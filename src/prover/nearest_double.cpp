// The bit patterns of the positive doubles, read as integers, are in their
// order: index i is the double with the bits i, kInfinity that of +inf.

#include "prover/nearest_double.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

namespace exact_detail {

namespace {

using Index = std::int64_t;

constexpr Index kInfinity = 0x7FF0000000000000;
constexpr int kFractionBits = 52;
constexpr Index kFractionMask = (Index{1} << kFractionBits) - 1;
// The exponent of the least subnormal's bit; a normal double's unit in the
// last place is 2^(biased exponent + kLeastExponent - 1).
constexpr long kLeastExponent = -1074;

double value_of(Index i) { return std::bit_cast<double>(static_cast<std::uint64_t>(i)); }

Index index_of(double d)
{
    if (!(d > 0))
        return 0;
    return std::min(static_cast<Index>(std::bit_cast<std::uint64_t>(d)), kInfinity - 1);
}

// Halfway between the doubles of indices i and i + 1: the double of i plus
// half its unit in the last place (for the largest double, the point from
// which on numbers round to infinity).
Dyadic midpoint_above(Index i)
{
    const Index biased = i >> kFractionBits, fraction = i & kFractionMask;
    const Index m = biased == 0 ? fraction : fraction | (Index{1} << kFractionBits);
    const long e = biased == 0 ? kLeastExponent : static_cast<long>(biased) + kLeastExponent - 1;
    return {mpz_class(static_cast<unsigned long>(2 * m + 1)), e - 1};
}

}  // namespace

double nearest_positive_double(const Side_of_number& side_of, double guess)
{
    // Between the midpoints above low and above high, low < high: the one
    // above low is below r, the one above high is above it (those above -1
    // and kInfinity stand for 0 and +inf).
    Index low = -1, high = kInfinity;
    // The side of the midpoint above i; r on a midpoint rounds to the even
    // of its two doubles.
    std::optional<Index> tie;
    const auto probe = [&](Index i) {
        const int side = side_of(midpoint_above(i));
        if (side == 0)
            tie = i % 2 == 0 ? i : i + 1;
        else
            (side < 0 ? low : high) = i;
        return side;
    };
    // From the guess outwards in steps that double, until the side changes.
    const int first = probe(index_of(guess));
    for (Index step = 1; !tie && high - low > 1;) {
        const bool inside = high - low > step;
        if (probe(first > 0 ? (inside ? high - step : low + 1) : (inside ? low + step : high - 1)) != first)
            break;
        if (step <= (high - low) / 2)
            step *= 2;
    }
    while (!tie && high - low > 1)
        probe(low + (high - low) / 2);
    return value_of(tie ? *tie : high);
}

}  // namespace exact_detail
