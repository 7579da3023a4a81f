// Real roots by their brackets: between two neighbouring real roots of the
// derivative a polynomial is monotonic, so it has a root there exactly when
// its sign changes, found by bisection; a multiple root is a root of the
// derivative where the polynomial vanishes.

#include "prover/real_roots.h"

#include <algorithm>
#include <cmath>

namespace {

// Relative to the size of its terms, the value at a root of the derivative
// below which the polynomial vanishes there (a double root).
constexpr double kTouches = 1e-10;

double value(const std::vector<double>& c, double x)
{
    double v = 0;
    for (auto it = c.rbegin(); it != c.rend(); ++it)
        v = v * x + *it;
    return v;
}

// The size of the terms of the value at x.
double size(const std::vector<double>& c, double x)
{
    double s = 0;
    for (auto it = c.rbegin(); it != c.rend(); ++it)
        s = s * std::abs(x) + std::abs(*it);
    return s;
}

// The root in [a, b] of a polynomial monotonic there with values of
// opposite signs at a and b.
double bisect(const std::vector<double>& c, double a, double b)
{
    const bool rising = value(c, a) < 0;
    for (;;) {
        const double m = 0.5 * (a + b);
        if (!(m > a && m < b))
            return m;
        ((value(c, m) < 0) == rising ? a : b) = m;
    }
}

// Roots of a polynomial of degree at least 1 whose leading coefficient is
// not 0.
std::vector<double> roots_of(const std::vector<double>& c)
{
    const std::size_t n = c.size() - 1;
    if (n == 1)
        return {-c[0] / c[1]};
    // Every root lies within this bound (Cauchy's).
    double bound = 0;
    for (std::size_t i = 0; i < n; ++i)
        bound = std::max(bound, std::abs(c[i] / c[n]));
    bound += 1;
    std::vector<double> derivative(n);
    for (std::size_t i = 1; i <= n; ++i)
        derivative[i - 1] = static_cast<double>(i) * c[i];
    std::vector<double> ends{-bound};
    for (double x : roots_of(derivative))
        if (x > -bound && x < bound)
            ends.push_back(x);
    ends.push_back(bound);
    auto vanishes = [&](double x) { return std::abs(value(c, x)) <= kTouches * size(c, x); };
    std::vector<double> roots;
    for (std::size_t i = 0; i + 1 < ends.size(); ++i) {
        const double a = ends[i], b = ends[i + 1];
        if (vanishes(a)) {
            roots.push_back(a);
            continue;
        }
        if (vanishes(b))
            continue;
        if ((value(c, a) < 0) != (value(c, b) < 0))
            roots.push_back(bisect(c, a, b));
    }
    return roots;
}

}  // namespace

std::optional<std::vector<double>> real_roots(std::vector<double> c)
{
    while (!c.empty() && c.back() == 0)
        c.pop_back();
    if (c.empty())
        return std::nullopt;
    if (c.size() == 1)
        return std::vector<double>{};
    return roots_of(c);
}
