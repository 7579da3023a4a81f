// Real roots of polynomials whose roots are known: clusters, close pairs,
// multiple roots, tiny and huge coefficients, high sparse degrees. Every
// value returned must meet the equation within the rounding of its
// evaluation, judged here in long double, and the count must be right.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>
#include <vector>

#include "prover/prover.h"
#include "prover/real_roots.h"

namespace {

using Coefficients = std::vector<double>;

// The product, multiplied out in double as the figures' coefficients are.
Coefficients times(const Coefficients& p, const Coefficients& q)
{
    Coefficients out(p.size() + q.size() - 1);
    for (std::size_t i = 0; i < p.size(); ++i)
        for (std::size_t j = 0; j < q.size(); ++j)
            out[i + j] += p[i] * q[j];
    return out;
}

// lead times the product of (x - r)^k over the roots.
Coefficients from_roots(const std::vector<std::pair<double, int>>& roots, double lead = 1)
{
    Coefficients c{lead};
    for (const auto& [r, k] : roots)
        for (int i = 0; i < k; ++i)
            c = times(c, {-r, 1});
    return c;
}

// The sum of coef x^power over the terms.
Coefficients sparse(const std::vector<std::pair<std::size_t, double>>& terms)
{
    Coefficients c;
    for (const auto& [power, coef] : terms) {
        c.resize(std::max(c.size(), power + 1));
        c[power] += coef;
    }
    return c;
}

// |p(x)| is within what rounding the evaluation of p(x) in double can leave:
// a small multiple of n eps sum |c_i| |x|^i, the sums taken in long double.
bool is_root(const Coefficients& c, double x)
{
    constexpr long double kSlack = 8;
    long double value = 0, size = 0;
    for (auto it = c.rbegin(); it != c.rend(); ++it) {
        value = value * x + *it;
        size = size * std::abs(static_cast<long double>(x)) + std::abs(*it);
    }
    const long double eps = std::numeric_limits<double>::epsilon();
    return std::isfinite(x) && std::abs(value) <= kSlack * static_cast<long double>(c.size()) * eps * size;
}

void expect_roots(const Coefficients& c, const std::vector<double>& expected, double tolerance)
{
    const auto found = real_roots(c);
    ASSERT_TRUE(found.has_value());
    for (double x : *found)
        EXPECT_TRUE(is_root(c, x)) << x;
    ASSERT_EQ(found->size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR((*found)[i], expected[i], tolerance * std::max(1.0, std::abs(expected[i]))) << i;
}

TEST(RealRootsCases, KnownRoots)
{
    const double r299 = std::pow(2.0, 1.0 / 299), r10000 = std::pow(2.0, 1e-4), r64800 = std::pow(2.0, 1.0 / 64800);
    const struct {
        const char* what;
        Coefficients c;
        std::vector<double> roots;
        double tolerance;  // relative to the root where it is larger than 1
    } cases[] = {
        {"six simple roots 0.05 apart", from_roots({{2, 1}, {2.05, 1}, {2.1, 1}, {2.15, 1}, {2.2, 1}, {2.25, 1}}),
         {2, 2.05, 2.1, 2.15, 2.2, 2.25}, 1e-6},
        {"a pair 1e-6 apart", from_roots({{1, 1}, {1.000001, 1}}), {1, 1.000001}, 1e-8},
        {"a pair 1e-4 apart beside a double root", from_roots({{-0.5, 2}, {0.3, 1}, {0.3001, 1}}),
         {-0.5, 0.3, 0.3001}, 1e-7},
        {"a double root", from_roots({{1, 2}}), {1}, 1e-7},
        {"a triple root", from_roots({{1, 3}}), {1}, 1e-5},
        {"a triple and a double root", from_roots({{1, 2}, {-2, 3}}), {-2, 1}, 1e-4},
        {"the root 0 twice beside 1", from_roots({{0, 2}, {1, 1}}), {0, 1}, 0},
        {"a fourfold root from whole coefficients", from_roots({{-3, 4}}), {-3}, 1e-3},
        {"a quadratic without real roots, squared", {1, 0, 2, 0, 1}, {}, 0},
        {"tiny coefficients", from_roots({{1, 1}, {2, 1}}, 1e-200), {1, 2}, 1e-12},
        {"huge coefficients", from_roots({{-4, 1}, {3, 1}}, 1e300), {-4, 3}, 1e-12},
        {"coefficients near the largest double", {-1.5e308, 0, 1e308}, {-std::sqrt(1.5), std::sqrt(1.5)}, 1e-12},
        {"roots 1e-100 and 1e100", {1, -(1e100 + 1e-100), 1}, {1e-100, 1e100}, 1e-12},
        {"a root below the smallest normal double", {1e-320, 1}, {-1e-320}, 1e-12},
        // The roots are +-1e160, where the terms are below the precision of
        // doubles: none can be checked, so none is given.
        {"a leading coefficient 1e-320", {-1, 0, 1e-320}, {}, 0},
        {"a root beyond the largest double", {1e308, 1e-323}, {}, 0},
        {"(x - 1) (x^299 + 2)", sparse({{300, 1}, {299, -1}, {1, 2}, {0, -2}}), {-r299, 1}, 1e-14},
        {"x^10000 - 2", sparse({{10000, 1}, {0, -2}}), {-r10000, r10000}, 1e-15},
        {"x^64800 - 2", sparse({{64800, 1}, {0, -2}}), {-r64800, r64800}, 1e-15},
        {"x^3 (x^5001 + 1)", sparse({{5004, 1}, {3, 1}}), {-1, 0}, 1e-15},
        {"x^2 (x^4000 + 7), no root but 0", sparse({{4002, 1}, {2, 7}}), {0}, 0},
        {"x^2 (x^4 - 5 x^2 + 4) in x^2", sparse({{6, 1}, {4, -5}, {2, 4}}), {-2, -1, 0, 1, 2}, 1e-14},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        expect_roots(c.c, c.roots, c.tolerance);
    }
    EXPECT_FALSE(real_roots({1, NAN, 1}).has_value());
    EXPECT_EQ(solved_degree(sparse({{300, 1}, {299, -1}, {1, 2}, {0, -2}})), 300u);
    EXPECT_EQ(solved_degree(sparse({{64800, 1}, {0, -2}})), 1u);
    EXPECT_EQ(solved_degree(sparse({{5004, 1}, {3, 1}, {9, 2}})), 1667u);
}

// Polynomials made of random real roots, each once to three times, and
// quadratics without real roots: exactly those roots. Simple roots are at
// least 0.05 apart; a multiple root is kept 0.25 from the others, as
// between two multiple roots closer than that the polynomial multiplied out
// in double is 0 within rounding.
TEST(RealRootsCases, RandomRootsComeBack)
{
    constexpr double kSimpleGap = 0.05, kMultipleGap = 0.25;
    std::mt19937 rng(1234567);
    std::uniform_real_distribution<double> place(-3, 3), lead(0.2, 5);
    for (int n = 0; n < 3000; ++n) {
        std::vector<std::pair<double, int>> roots;
        for (unsigned i = 1 + rng() % 5; i > 0; --i) {
            const double r = place(rng);
            const int k = 1 + static_cast<int>(rng() % 3);
            const auto apart = [&](const std::pair<double, int>& q) {
                return std::abs(q.first - r) >= (k > 1 || q.second > 1 ? kMultipleGap : kSimpleGap);
            };
            if (std::all_of(roots.begin(), roots.end(), apart))
                roots.push_back({r, k});
        }
        Coefficients c = from_roots(roots, rng() % 2 ? lead(rng) : -lead(rng));
        // (x - a)^2 + b with b > 0 has no real root.
        for (unsigned k = rng() % 2; k > 0; --k) {
            const double a = place(rng), b = 0.1 + std::abs(place(rng));
            c = times(c, {a * a + b, -2 * a, 1});
        }
        std::sort(roots.begin(), roots.end());
        std::vector<double> distinct;
        for (const auto& r : roots)
            distinct.push_back(r.first);
        SCOPED_TRACE(n);
        expect_roots(c, distinct, 1e-4);
    }
}

// A search past the time limit of a timed proof ends there.
TEST(RealRootsCases, TheSearchLooksAtTheClock)
{
    int looks = 0;
    set_prover_clock([&]() -> std::uint32_t { return ++looks > 10 ? 100000 : 0; });
    g_tstart = 0;
    g_timelimit = 1000;
    g_timing = 1;
    EXPECT_THROW(real_roots(sparse({{2000, 1}, {1, 1}, {0, -1}})), TTIME);
    g_timing = 0;
    g_timelimit = 60000;
    set_prover_clock(nullptr);
    EXPECT_GT(looks, 10);
}

}  // namespace
