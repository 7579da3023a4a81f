// Between two neighbouring real roots of its derivative a polynomial is
// monotonic, so it has a root there exactly when its sign changes; a multiple
// root is a root of the derivative where the polynomial vanishes. Taken
// level by level from the derivative of degree 1 up to the polynomial, each
// level's roots bracket the next one's.

#include "prover/root_cascade.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "prover/prover.h"

namespace root_detail {

namespace {

constexpr double kEps = std::numeric_limits<double>::epsilon();
// Horner's rule errs by up to 2n eps of the size of the terms; the
// coefficients of a derivative level carry their own rounding, and those of
// a multiplied-out polynomial that of its products.
constexpr double kRoundingSlack = 4;
// Terms evaluated between two looks at the prover's clock: a look costs
// about as much as a few terms.
constexpr std::size_t kTermsPerLook = std::size_t{1} << 14;

class Work_counter {
public:
    void add(std::size_t terms)
    {
        terms_ += terms;
        if (terms_ >= kTermsPerLook) {
            terms_ = 0;
            check_time();
        }
    }

private:
    std::size_t terms_ = 0;
};

int ceil_div(int e, int j) { return e >= 0 ? (e + j - 1) / j : -(-e / j); }

// Every root lies strictly within this bound: Fujiwara's, 2 max over j of
// |c_{n-j} / c_n|^(1/j), taken by powers of two so that it cannot overflow.
// Nothing where it is beyond the largest double.
std::optional<double> root_bound(const std::vector<double>& c)
{
    const int n = static_cast<int>(c.size()) - 1;
    const int lead = std::ilogb(c.back());
    int most = INT_MIN;
    for (int j = 1; j <= n; ++j) {
        const double a = c[static_cast<std::size_t>(n - j)];
        if (a != 0)
            most = std::max(most, ceil_div(std::ilogb(a) + 1 - lead, j));
    }
    if (most == INT_MIN)
        return 1;  // c_n x^n: the root 0
    const int exponent = 1 + most;
    const int kLeast = std::numeric_limits<double>::min_exponent - std::numeric_limits<double>::digits;
    if (exponent >= std::numeric_limits<double>::max_exponent)
        return std::nullopt;
    return std::ldexp(1.0, std::max(exponent, kLeast));
}

// The derivative of order k = n - m of c, divided by k! C(n, k): the
// coefficients c_{j+k} C(j+k, k) / C(n, k), of degree m with c's leading
// coefficient, none of them larger than c's own. inverse[i] is 1 / i.
void derivative_level(const std::vector<double>& c, std::size_t m, const std::vector<double>& inverse,
                      std::vector<double>& out)
{
    const std::size_t k = c.size() - 1 - m;
    out.resize(m + 1);
    double ratio = 1;
    for (std::size_t j = m;; --j) {
        out[j] = c[j + k] * ratio;
        if (j == 0)
            break;
        ratio *= static_cast<double>(j) * inverse[j + k];
    }
}

// A point strictly between lo < hi that halves the bracket: 0 between
// signs; between magnitudes far apart, halfway in their bits (so that a
// bracket from a tiny to a huge value closes in some 64 steps); else
// halfway. lo or hi when no double lies between.
double split(double lo, double hi)
{
    if (lo < 0 && hi > 0)
        return 0;
    const double a = std::abs(lo), b = std::abs(hi);
    const double small = std::min(a, b), large = std::max(a, b);
    if (large <= 2 * small)
        return 0.5 * lo + 0.5 * hi;
    const auto bits = [](double x) { return std::bit_cast<std::uint64_t>(x); };
    const double mid = std::bit_cast<double>(bits(small) + (bits(large) - bits(small)) / 2);
    return hi > 0 ? mid : -mid;
}

double residue(const Sample& s) { return s.size > 0 ? std::abs(s.value) / s.size : 0; }

// The root of c in (lo, hi), where c is monotonic and its values at lo and
// hi have opposite signs: Newton steps while they shrink fast and stay in
// the bracket, halving it where they do not, down to neighbouring doubles;
// of those, the one whose value is nearer 0.
double refine(const std::vector<double>& c, double lo, double hi, Sample at_lo, Sample at_hi, Work_counter& work)
{
    const bool rising = at_lo.value < 0;
    double x = split(lo, hi);
    double last_step = std::numeric_limits<double>::infinity();
    while (x > lo && x < hi) {
        const Sample s = sample(c, x);
        work.add(c.size());
        if (s.value == 0)
            return x;
        if ((s.value < 0) == rising) {
            lo = x;
            at_lo = s;
        } else {
            hi = x;
            at_hi = s;
        }
        const double newton = x - s.value / s.slope;
        const double step = std::abs(newton - x);
        double next = split(lo, hi);
        if (step < 0.5 * last_step) {
            if (newton > lo && newton < hi)
                next = newton;
            else if (step <= 2 * kEps * std::abs(x))
                next = std::nextafter(x, x == lo ? hi : lo);  // converged: close the bracket
        }
        last_step = std::abs(next - x);
        x = next;
    }
    return residue(at_lo) <= residue(at_hi) ? lo : hi;
}

// The search's ends: beyond every root where a double can stand for the
// bound, the sign of the leading term there; else the largest doubles.
struct Ends {
    double bound;
    bool beyond_roots;

    explicit Ends(std::optional<double> b)
        : bound(b.value_or(std::numeric_limits<double>::max())), beyond_roots(b.has_value())
    {
    }

    Sample at(const std::vector<double>& c, double x) const
    {
        if (!beyond_roots)
            return sample(c, x);
        const bool odd = (c.size() - 1) % 2 == 1;
        return {(x < 0 && odd) == (c.back() < 0) ? 1.0 : -1.0, 0, 1};
    }
};

// The roots of c, ascending, from turns, the roots of its derivative
// (ascending).
std::vector<double> level_roots(const std::vector<double>& c, const std::vector<double>& turns, const Ends& outer,
                                Work_counter& work)
{
    const double bound = outer.bound;
    std::vector<double> ends{-bound};
    for (double t : turns)
        if (t > -bound && t < bound && t > ends.back())
            ends.push_back(t);
    ends.push_back(bound);
    std::vector<Sample> at;
    at.reserve(ends.size());
    at.push_back(outer.at(c, -bound));
    for (std::size_t i = 1; i + 1 < ends.size(); ++i) {
        at.push_back(sample(c, ends[i]));
        work.add(c.size());
    }
    at.push_back(outer.at(c, bound));
    const std::size_t degree = c.size() - 1;
    // The bound is no root; a turn where the value vanishes is a multiple root.
    const auto touches = [&](std::size_t i) { return i > 0 && i + 1 < ends.size() && within_rounding(at[i], degree); };
    std::vector<double> roots;
    const auto add = [&](double x) {
        if (roots.empty() || x > roots.back())
            roots.push_back(x);
    };
    for (std::size_t i = 0; i < ends.size(); ++i) {
        if (touches(i)) {
            add(ends[i]);
            continue;
        }
        if (i + 1 < ends.size() && !touches(i + 1) && (at[i].value < 0) != (at[i + 1].value < 0))
            add(refine(c, ends[i], ends[i + 1], at[i], at[i + 1], work));
    }
    return roots;
}

}  // namespace

Sample sample(const std::vector<double>& c, double x)
{
    Sample s;
    if (std::abs(x) <= 1) {
        const double size_x = std::abs(x);
        for (auto it = c.rbegin(); it != c.rend(); ++it) {
            s.slope = s.slope * x + s.value;
            s.value = s.value * x + *it;
            s.size = s.size * size_x + std::abs(*it);
        }
        return s;
    }
    // p(x) = x^n r(y) with y = 1/x and r the reversed polynomial, and
    // p'(x) = x^(n-1) (n r(y) - y r'(y)); both over |x|^n.
    const double y = 1 / x, size_y = std::abs(y);
    double r = 0, dr = 0;
    for (double a : c) {
        dr = dr * y + r;
        r = r * y + a;
        s.size = s.size * size_y + std::abs(a);
    }
    const auto n = static_cast<double>(c.size() - 1);
    const double sign = x < 0 && (c.size() - 1) % 2 == 1 ? -1 : 1;
    s.value = sign * r;
    s.slope = sign * y * (n * r - y * dr);
    return s;
}

bool within_rounding(const Sample& s, std::size_t degree)
{
    return std::abs(s.value) <= kRoundingSlack * static_cast<double>(degree + 1) * kEps * s.size;
}

std::vector<double> cascade_roots(const std::vector<double>& c)
{
    const std::size_t n = c.size() - 1;
    const Ends outer(root_bound(c));
    std::vector<double> inverse(n + 1);
    for (std::size_t i = 1; i <= n; ++i)
        inverse[i] = 1 / static_cast<double>(i);
    Work_counter work;
    std::vector<double> level, turns;
    for (std::size_t m = 1; m <= n; ++m) {
        derivative_level(c, m, inverse, level);
        work.add(level.size());
        turns = level_roots(level, turns, outer, work);
    }
    return turns;
}

}  // namespace root_detail
