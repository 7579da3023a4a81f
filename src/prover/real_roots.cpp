// Real roots of a polynomial: the equation is first made as small as it
// exactly can be (a factor x^m taken out, x^g written y), its roots found
// through those of its derivatives, and each root checked against the
// equation as given.

#include "prover/real_roots.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "prover/root_cascade.h"

namespace {

// The binary exponent the largest coefficient is scaled down to (by a power
// of two, exactly) where it is larger, so that no sum of the terms of the
// polynomial or its derivatives can overflow. A coefficient that this makes
// 0 was far below the rounding of the others.
constexpr int kLargestExponent = 960;

// c without its trailing zeros, scaled where its coefficients are huge.
std::vector<double> trimmed(std::vector<double> c)
{
    double largest = 0;
    for (double a : c)
        largest = std::max(largest, std::abs(a));
    if (largest > 0 && std::ilogb(largest) > kLargestExponent) {
        const int shift = kLargestExponent - std::ilogb(largest);
        for (double& a : c)
            a = std::ldexp(a, shift);
    }
    while (!c.empty() && c.back() == 0)
        c.pop_back();
    return c;
}

// c(x) = x^power q(x^step), q(0) not 0.
struct Reduced {
    std::size_t power = 0;
    std::size_t step = 1;
    std::vector<double> q;
};

// c has a coefficient other than 0.
Reduced reduced(const std::vector<double>& c)
{
    Reduced r;
    while (c[r.power] == 0)
        ++r.power;
    std::size_t g = 0;
    for (std::size_t i = r.power + 1; i < c.size(); ++i)
        if (c[i] != 0)
            g = std::gcd(g, i - r.power);
    r.step = std::max<std::size_t>(g, 1);
    for (std::size_t i = r.power; i < c.size(); i += r.step)
        r.q.push_back(c[i]);
    return r;
}

}  // namespace

std::optional<std::vector<double>> real_roots(std::vector<double> c)
{
    if (!std::all_of(c.begin(), c.end(), [](double a) { return std::isfinite(a); }))
        return std::nullopt;
    c = trimmed(std::move(c));
    if (c.empty())
        return std::nullopt;
    const Reduced r = reduced(c);
    std::vector<double> candidates;
    if (r.power > 0)
        candidates.push_back(0);
    if (r.q.size() > 1) {
        const double exponent = 1 / static_cast<double>(r.step);
        for (double y : root_detail::cascade_roots(r.q)) {
            const double x = std::pow(std::abs(y), exponent);
            if (r.step % 2 == 1)
                candidates.push_back(y < 0 ? -x : x);
            else if (y > 0)
                candidates.insert(candidates.end(), {-x, x});
        }
    }
    const std::size_t degree = c.size() - 1;
    std::vector<double> roots;
    for (double x : candidates)
        if (std::isfinite(x) && root_detail::within_rounding(root_detail::sample(c, x), degree))
            roots.push_back(x);
    std::sort(roots.begin(), roots.end());
    roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
    return roots;
}

std::size_t solved_degree(std::vector<double> c)
{
    c = trimmed(std::move(c));
    if (c.empty())
        return 0;
    return reduced(c).q.size() - 1;
}
