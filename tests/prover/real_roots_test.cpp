// The real roots of random polynomials built from known factors: simple and
// double real roots, and quadratics without real roots.

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "prover/real_roots.h"

namespace {

// The product of p and q, coefficients from x^0 up.
std::vector<double> times(const std::vector<double>& p, const std::vector<double>& q)
{
    std::vector<double> out(p.size() + q.size() - 1);
    for (std::size_t i = 0; i < p.size(); ++i)
        for (std::size_t j = 0; j < q.size(); ++j)
            out[i + j] += p[i] * q[j];
    return out;
}

TEST(RealRoots, RandomPolynomialsOfKnownFactors)
{
    std::mt19937 rng(20240607);
    std::uniform_real_distribution<double> any(-5, 5);
    for (int n = 0; n < 2000; ++n) {
        std::vector<double> p{any(rng)};
        // Roots half a unit apart at least, some of them double.
        std::vector<double> roots;
        std::vector<int> grid(20);
        std::iota(grid.begin(), grid.end(), -10);
        std::shuffle(grid.begin(), grid.end(), rng);
        for (int i = static_cast<int>(rng() % 4); i > 0; --i) {
            const double r = 0.5 * grid[static_cast<std::size_t>(i)] + 0.2 * std::abs(any(rng)) / 5;
            roots.push_back(r);
            for (unsigned k = 1 + rng() % 2; k > 0; --k)
                p = times(p, {-r, 1});
        }
        // (x - a)^2 + b with b > 0 has no real root.
        for (unsigned k = rng() % 3; k > 0; --k) {
            const double a = any(rng), b = 0.1 + std::abs(any(rng));
            p = times(p, {a * a + b, -2 * a, 1});
        }
        std::sort(roots.begin(), roots.end());
        const auto found = real_roots(p);
        ASSERT_TRUE(found.has_value());
        ASSERT_EQ(found->size(), roots.size()) << n;
        for (std::size_t i = 0; i < roots.size(); ++i)
            EXPECT_NEAR((*found)[i], roots[i], 1e-4 * (1 + std::abs(roots[i]))) << n;
    }
    EXPECT_FALSE(real_roots({0, 0, 0}).has_value());
    EXPECT_TRUE(real_roots({3}).value().empty());
}

}  // namespace
