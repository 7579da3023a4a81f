// The double root search at the ends of the doubles: coefficients of wildly
// different sizes, subnormal ones, equations in x^g of high g and roots near
// the largest double. Every root it gives must be a root, told by the exact
// sign of the polynomial around it, and a root that x^g hides must come back
// to the precision of the doubles.

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "prover/real_roots.h"

namespace {

// The exact sign of c at x (doubles are rationals).
int sign_at(const std::vector<double>& c, double x)
{
    const mpq_class at(x);
    mpq_class value;
    for (auto it = c.rbegin(); it != c.rend(); ++it)
        value = value * at + mpq_class(*it);
    return sgn(value);
}

// c has a root within a relative 1e-12 of x, or between x's neighbours.
bool near_a_root(const std::vector<double>& c, double x)
{
    constexpr double kNear = 1e-12;
    const double inf = std::numeric_limits<double>::infinity();
    const double lo = std::min(x - std::abs(x) * kNear, std::nextafter(x, -inf));
    const double hi = std::max(x + std::abs(x) * kNear, std::nextafter(x, inf));
    const int at = sign_at(c, x);
    return at == 0 || sign_at(c, lo) != at || sign_at(c, hi) != at;
}

class Extremes {
public:
    explicit Extremes(unsigned seed) : rng_(seed) {}

    double any(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }
    // A random mantissa at 2^e, e in [lo, hi).
    double at_scale(int lo, int hi) { return std::ldexp(any(-1, 1), lo + static_cast<int>(rng_() % (hi - lo))); }
    unsigned pick(unsigned n) { return static_cast<unsigned>(rng_() % n); }

    // One polynomial of the given class.
    std::vector<double> polynomial(unsigned kind)
    {
        const std::size_t n = 1 + pick(5);
        std::vector<double> c(n + 1);
        switch (kind) {
        case 0:  // sizes from 2^-1000 to 2^1000, some terms missing
            for (double& a : c)
                a = pick(3) ? at_scale(-1000, 1000) : 0;
            break;
        case 1:  // subnormal coefficients beside ordinary ones
            for (double& a : c)
                a = pick(2) ? at_scale(-1074, -1022) : at_scale(-10, 10);
            break;
        case 2: {  // an equation in x^g
            const std::size_t g = 2 + pick(60);
            c.assign(n * g + 1, 0.0);
            for (std::size_t i = 0; i <= n; ++i)
                c[i * g] = at_scale(-600, 600);
            break;
        }
        default:  // near the largest double, with tiny terms beside
            for (double& a : c)
                a = pick(2) ? at_scale(980, 1024) : at_scale(-1074, -980);
            break;
        }
        if (c.back() == 0)
            c.back() = 1;
        return c;
    }

private:
    std::mt19937_64 rng_;
};

// How many binary orders of magnitude c's coefficients other than 0 span.
int span(const std::vector<double>& c)
{
    int lo = INT_MAX, hi = INT_MIN;
    for (double a : c)
        if (a != 0) {
            lo = std::min(lo, std::ilogb(a));
            hi = std::max(hi, std::ilogb(a));
        }
    return hi - lo;
}

TEST(RealRootsExtremes, EveryRootGivenIsARoot)
{
    // Coefficients that span less than this are always solved.
    constexpr int kSolvedSpan = 1900;
    Extremes draw(1234567);
    for (int n = 0; n < 4000; ++n) {
        const std::vector<double> c = draw.polynomial(static_cast<unsigned>(n % 4));
        const auto roots = real_roots(c);
        if (!roots) {
            EXPECT_GT(span(c), kSolvedSpan) << n;
            continue;
        }
        for (double x : *roots)
            EXPECT_TRUE(near_a_root(c, x)) << "case " << n << " root " << x;
    }
    // 4.52e-250 - 1.49e252 x^3: x^3 underflows to 0, and 0 is no root.
    const std::vector<double> underflow{4.52e-250, 0, 0, -1.49e252};
    const auto underflow_roots = real_roots(underflow);
    ASSERT_TRUE(underflow_roots.has_value());
    for (double x : *underflow_roots)
        EXPECT_TRUE(near_a_root(underflow, x)) << x;
}

TEST(RealRootsExtremes, RootsOfPowersComeBackWhole)
{
    // a x^g - b: the root (b / a)^(1/g) a normal double, both signs for even g.
    Extremes draw(7654321);
    for (int n = 0; n < 2000; ++n) {
        const std::size_t g = 2 + draw.pick(200);
        const double root = std::ldexp(draw.any(0.5, 1), static_cast<int>(draw.pick(1600)) - 800);
        const double a = std::ldexp(draw.any(0.5, 1), static_cast<int>(draw.pick(40)) - 20);
        const double b = a * std::pow(root, static_cast<double>(g));
        if (!std::isnormal(b))
            continue;
        std::vector<double> c(g + 1);
        c[0] = -b;
        c[g] = a;
        const auto roots = real_roots(c).value();
        ASSERT_EQ(roots.size(), g % 2 == 0 ? 2U : 1U) << "case " << n << " g " << g << " root " << root;
        for (double x : roots)
            EXPECT_TRUE(near_a_root(c, x)) << "case " << n << " root " << x;
    }
    EXPECT_EQ(real_roots({-1e300, 0, 0, 1}).value(), std::vector<double>{1e100});
}

}  // namespace
