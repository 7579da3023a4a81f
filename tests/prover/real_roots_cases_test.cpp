// Real roots of polynomials whose roots are known: close and multiple roots,
// extreme coefficients, sparse powers.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <vector>

#include "prover/real_roots.h"

namespace {

using Coefficients = std::vector<double>;

// lead times the product of (x - r)^k over the roots, multiplied out in
// double as the figures' coefficients are.
Coefficients from_roots(const std::map<double, int>& roots, double lead = 1)
{
    Coefficients c{lead};
    for (const auto& [r, k] : roots)
        for (int i = 0; i < k; ++i) {
            c.push_back(0);
            for (std::size_t j = c.size() - 1; j > 0; --j)
                c[j] = c[j - 1] - r * c[j];
            c[0] *= -r;
        }
    return c;
}

// The roots found are the expected ones, and each meets the equation:
// |p(x)| is within a small multiple of n eps sum |c_i| |x|^i, the rounding
// its evaluation in double can leave (the sums taken in long double).
void expect_roots(const Coefficients& c, const std::vector<double>& expected)
{
    constexpr double kTolerance = 1e-4;  // relative to the root where it is larger than 1
    const std::vector<double> found = real_roots(c).value();
    for (const double x : found) {
        long double value = 0, size = 0;
        for (auto it = c.rbegin(); it != c.rend(); ++it) {
            value = value * x + *it;
            size = size * std::abs(static_cast<long double>(x)) + std::abs(*it);
        }
        constexpr long double kSlack = 8, kEps = std::numeric_limits<double>::epsilon();
        EXPECT_TRUE(std::isfinite(x) && std::abs(value) <= kSlack * c.size() * kEps * size) << x;
    }
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(found[i], expected[i], kTolerance * std::max(1.0, std::abs(expected[i]))) << i;
}

TEST(RealRootsCases, KnownRoots)
{
    const struct {
        const char* what;
        Coefficients c;
        std::vector<double> roots;
    } cases[] = {
        {"six simple roots 0.05 apart", from_roots({{2, 1}, {2.05, 1}, {2.1, 1}, {2.15, 1}, {2.2, 1}, {2.25, 1}}),
         {2, 2.05, 2.1, 2.15, 2.2, 2.25}},
        {"a pair 1e-6 apart", from_roots({{1, 1}, {1.000001, 1}}), {1, 1.000001}},
        {"a triple and a double root", from_roots({{-2, 3}, {1, 2}}), {-2, 1}},
        {"sums beyond the largest double", {-1.44e308, 1e308, 1e308}, {-1.8, 0.8}},
        {"powers beyond the largest double", {1, -1e200, 1e-100}, {1e-200, 1e300}},
        {"a leading coefficient 1e-320, no root checkable at +-1e160", {-1, 0, 1e-320}, {}},
        {"x^2 (x^4 - 1)", {0, 0, -1, 0, 0, 0, 1}, {-1, 0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        expect_roots(c.c, c.roots);
    }
    EXPECT_FALSE(real_roots({1, NAN, 1}).has_value());
    // A root beyond the largest double: coefficients that span more than
    // the doubles scale to one range are not told, rather than found rootless.
    EXPECT_FALSE(real_roots({1e308, 1e-323}).has_value());
}

// Up to six random real roots, each once to three times, come back. Simple
// roots are 0.05 apart at least, a multiple root 0.25 from the others:
// closer, the polynomial multiplied out in double is 0 within rounding there.
TEST(RealRootsCases, RandomRootsComeBack)
{
    constexpr double kSimpleGap = 0.05, kMultipleGap = 0.25;
    std::mt19937 rng(1234567);
    std::uniform_real_distribution<double> place(-3, 3), lead(0.2, 5);
    for (int n = 0; n < 2000; ++n) {
        std::map<double, int> roots;
        for (unsigned i = 1 + rng() % 6; i > 0; --i) {
            const double r = place(rng);
            const int k = 1 + static_cast<int>(rng() % 3);
            const auto apart = [&](const auto& q) {
                return std::abs(q.first - r) >= (k > 1 || q.second > 1 ? kMultipleGap : kSimpleGap);
            };
            if (std::all_of(roots.begin(), roots.end(), apart))
                roots.emplace(r, k);
        }
        std::vector<double> distinct(roots.size());
        std::transform(roots.begin(), roots.end(), distinct.begin(), [](const auto& q) { return q.first; });
        SCOPED_TRACE(n);
        expect_roots(from_roots(roots, rng() % 2 ? lead(rng) : -lead(rng)), distinct);
    }
}

}  // namespace
