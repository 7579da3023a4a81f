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

// The binary exponent the largest coefficient is scaled to (by a power of
// two, exactly): high enough that terms of coefficients near the smallest
// doubles do not sink into subnormals, where an evaluation keeps only a few
// bits and could take any point for a root; low enough that no sum of the
// terms of the polynomial or its derivatives can overflow.
constexpr int kLargestExponent = 960;

// c without its trailing zeros, scaled to its largest coefficient; nothing
// where its coefficients span more than the normal doubles hold at once (one
// of them would lose its bits, or become 0, and with it a root near 0 could
// come or go).
std::optional<std::vector<double>> scaled(std::vector<double> c)
{
    double largest = 0;
    for (double a : c)
        largest = std::max(largest, std::abs(a));
    if (largest > 0 && std::ilogb(largest) != kLargestExponent) {
        const int shift = kLargestExponent - std::ilogb(largest);
        for (double& a : c) {
            const double before = a;
            a = std::ldexp(a, shift);
            if (before != 0 && !std::isnormal(a))
                return std::nullopt;
        }
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

// Relative to the size of its terms, how far c is from 0 at x.
double residue(const root_detail::Sample& s) { return s.size > 0 ? std::abs(s.value) / s.size : 0; }

// Newton steps on c at most, from a value near its root.
constexpr int kPolishSteps = 8;

// x = |y|^(1/g) carries the rounding of y (g times over, and more where y
// is subnormal) and of the power's exponent: Newton steps on c itself bring
// it back onto its root while they bring c nearer 0.
double polished(const std::vector<double>& c, double x)
{
    const std::size_t degree = c.size() - 1;
    root_detail::Sample s = root_detail::sample(c, x);
    for (int i = 0; i < kPolishSteps && !root_detail::within_rounding(s, degree) && s.slope != 0; ++i) {
        const double next = x - s.value / s.slope;
        if (!std::isfinite(next))
            break;
        const root_detail::Sample at_next = root_detail::sample(c, next);
        if (!(residue(at_next) < residue(s)))
            break;
        x = next;
        s = at_next;
    }
    return x;
}

}  // namespace

std::optional<std::vector<double>> real_roots(std::vector<double> c)
{
    if (!std::all_of(c.begin(), c.end(), [](double a) { return std::isfinite(a); }))
        return std::nullopt;
    auto told = scaled(std::move(c));
    if (!told || told->empty())
        return std::nullopt;
    c = std::move(*told);
    const Reduced r = reduced(c);
    // c(x) = x^power s(x) with s(0) not 0: away from 0 its roots are those of
    // s, which keeps its constant term however small x is (the terms of c
    // there could all sink into subnormals, and 0 pass for a value).
    const std::vector<double> s(c.begin() + static_cast<std::ptrdiff_t>(r.power), c.end());
    std::vector<double> candidates;
    if (r.q.size() > 1) {
        const double exponent = 1 / static_cast<double>(r.step);
        for (double y : root_detail::cascade_roots(r.q)) {
            const double x = std::pow(std::abs(y), exponent);
            if (r.step % 2 == 1)
                candidates.push_back(polished(s, y < 0 ? -x : x));
            else if (y > 0)
                candidates.insert(candidates.end(), {polished(s, -x), polished(s, x)});
        }
    }
    // What keeps the contract: a candidate that is no root as far as doubles
    // tell (x^g underflowed to 0, a power Newton could not bring back onto
    // the root) is dropped.
    const std::size_t degree = s.size() - 1;
    std::vector<double> roots;
    if (r.power > 0)
        roots.push_back(0);
    for (double x : candidates)
        if (std::isfinite(x) && x != 0 && root_detail::within_rounding(root_detail::sample(s, x), degree))
            roots.push_back(x);
    std::sort(roots.begin(), roots.end());
    roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
    return roots;
}

std::size_t solved_degree(std::vector<double> c)
{
    while (!c.empty() && c.back() == 0)
        c.pop_back();
    if (c.empty())
        return 0;
    return reduced(c).q.size() - 1;
}
