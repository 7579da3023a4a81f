// Safeguarded Newton iteration: a step is taken where it stays inside the
// bracket and at least halves the one before; else the bracket is halved,
// by its geometric mean where its ends are far apart in magnitude.

#include "prover/root_guess.h"

namespace exact_detail {

namespace {

// Newton converges in a few steps; halvings of a bracket from 2^-1100 to
// 2^1100 down to double precision take some 65.
constexpr int kMostSteps = 100;
// Where a step is this small relative to the point, the guess is as good as
// the doubles' rounding lets it be.
constexpr double kConverged = 0x1p-54;
// Ends further apart than this ratio are halved geometrically.
constexpr double kFarApart = 4;

Wide_double split(Wide_double lo, Wide_double hi)
{
    if (lo.sign() > 0 && Wide_double(kFarApart) * lo < hi)
        return (lo * hi).sqrt();
    return Wide_double(0.5) * (lo + hi);
}

// A polynomial in wide doubles, its terms other than 0 by descending powers.
class Wide_poly {
public:
    explicit Wide_poly(const Int_poly& p)
    {
        for (std::size_t i = p.size(); i-- > 0;)
            if (p[i] != 0) {
                powers_.push_back(i);
                coefs_.emplace_back(p[i]);
            }
    }

    struct Value {
        Wide_double value, slope;
    };

    Value at(Wide_double y) const
    {
        Value v{coefs_.front(), Wide_double()};
        const auto step = [&](std::size_t gap, Wide_double coef) {
            const Wide_double below = pow(y, gap - 1), power = below * y;
            v.slope = v.slope * power + v.value * Wide_double(static_cast<double>(gap)) * below;
            v.value = v.value * power + coef;
        };
        for (std::size_t i = 1; i < powers_.size(); ++i)
            step(powers_[i - 1] - powers_[i], coefs_[i]);
        if (powers_.back() > 0)
            step(powers_.back(), Wide_double());
        return v;
    }

private:
    std::vector<std::size_t> powers_;
    std::vector<Wide_double> coefs_;
};

}  // namespace

Wide_double guess_root(const Int_poly& p, Wide_double lo, Wide_double hi)
{
    const Wide_poly wide(p);
    const int sign_lo = sgn(p.front());
    // Halvings by the geometric mean need ends other than 0 or far out.
    const Wide_double floor(1, -positive_root_floor(p)), ceiling(1, positive_root_bound(p));
    if (lo < floor)
        lo = floor;
    if (ceiling < hi)
        hi = ceiling;
    Wide_double y = split(lo, hi), last_step = hi - lo;
    for (int i = 0; i < kMostSteps && lo < hi; ++i) {
        const Wide_poly::Value v = wide.at(y);
        if (v.value.sign() == 0)
            return y;
        (v.value.sign() == sign_lo ? lo : hi) = y;
        Wide_double next;
        bool newton = v.slope.sign() != 0;
        if (newton) {
            next = y - v.value / v.slope;
            newton = lo < next && next < hi && (next - y).abs() < Wide_double(0.5) * last_step;
        }
        if (!newton)
            next = split(lo, hi);
        last_step = (next - y).abs();
        y = next;
        if (last_step < Wide_double(kConverged) * y)
            break;
    }
    return y;
}

}  // namespace exact_detail
