// Each record of the statement computed from its parents in a figure.

#include <algorithm>
#include <cstdlib>

#include "prover/constant_roots.h"
#include "prover/numeric_builder.h"
#include "prover/parse_facts.h"
#include "prover/poly.h"
#include "prover/real_roots.h"

namespace numeric_detail {

namespace {

// The highest degree of a CONSTANT's equation (once reduced, see
// solved_degree and exact_solved_degree) whose real roots the figures seek.
// The double search costs the square of the degree, and where the equation
// depends on the figure the figures of one Prove solve it some fifty times:
// measured on x^n + x - 1, a Prove spent 0.3 s on it at degree 2000, 1.7 s
// at 5000, 6.7 s at 10000 and some five minutes at 64800; with many real
// roots the cost grows faster still, up to the time limit. An equation of
// numbers is solved once per Prove, but its exact search grows faster with
// the degree. Past this a refusal says why at once.
constexpr std::size_t kMaxSolvedDegree = 5000;

}  // namespace

double Builder::size() const
{
    constexpr double kFloor = 1e-300;
    const P* first = nullptr;
    double out = kFloor;
    for (const P& p : fig_.points) {
        if (!finite(p))
            continue;
        if (!first)
            first = &p;
        out = std::max(out, dist(p, *first));
    }
    return out;
}

std::vector<int> Builder::coincident(int no) const
{
    // The figure's size, measured once: same_point and lands_on compare by it.
    const double figure = size();
    const double rounding = kRounding * figure;
    std::vector<int> hits;
    for (int i = 1; i < no; ++i) {
        const Pro_point& r = g_pro_points[static_cast<std::size_t>(i)];
        if (r.generated || places_no_point(r))
            continue;
        const P at = fig_.points[static_cast<std::size_t>(i)];
        const bool root = std::any_of(landed_.begin(), landed_.end(), [&](P x) { return dist(x, at) <= rounding; });
        if (root || lands_on(no, i, figure))
            hits.push_back(i);
    }
    return hits;
}

bool Builder::lands_on(int no, int i, double figure) const
{
    const P x = fig_.points[static_cast<std::size_t>(no)], p = fig_.points[static_cast<std::size_t>(i)];
    // The solver meets a double root (two circles that touch) only to the
    // square root of rounding.
    if (solved_)
        return dist(x, p) <= kSolverAccuracy * figure;
    const double suspect = kSuspect * figure;
    if (!(dist(x, p) <= suspect))
        return false;
    Builder frame(*this);
    frame.origin_ = origin_ + p;
    frame.restart();
    for (int r = 1; r <= no; ++r) {
        const Step s = frame.step(r);
        // Close, and no better figure to tell them apart in.
        if (s != Step::Point && s != Step::Skip)
            return true;
    }
    const auto& moved = frame.fig_.points;
    const P x2 = moved[static_cast<std::size_t>(no)], p2 = moved[static_cast<std::size_t>(i)];
    // Another root taken in the new frame: keep what the first one says.
    if (!(dist(x2 + p, x) <= suspect))
        return true;
    double local = std::max(norm(x2), norm(p2));
    for (std::uint32_t parent : g_pro_points[static_cast<std::size_t>(no)].pots)
        if (parent > 0 && static_cast<int>(parent) < no && finite(moved[parent]))
            local = std::max(local, norm(moved[parent]));
    return dist(x2, p2) <= kLocalRounding * local;
}

Step Builder::constant(int no)
{
    const Constant_line& line = constants_[static_cast<std::size_t>(no)];
    switch (line.role) {
    case Constant_line::Role::Relation: return ignore_constraints_ ? Step::Skip : Step::Unknown;
    case Constant_line::Role::Undetermined: return Step::Unknown;
    case Constant_line::Role::Value: break;
    }
    const xterm* equation = g_pro_points[static_cast<std::size_t>(no)].ps[0];
    std::vector<double> roots;
    if (const auto exact = integer_coefficients(equation, line.variable)) {
        // Numbers only: the roots are found exactly, and the same in every figure.
        if (exact_solved_degree(*exact) > kMaxSolvedDegree)
            return Step::TooHighDegree;
        const Exact_roots& found = constant_roots(*exact);
        if (found.roots.empty())
            return found.beyond_doubles ? Step::BeyondDoubles : Step::Missed;
        roots = found.roots;
    } else {
        const auto coefficients = numeric_coefficients(equation, line.variable, fig_);
        if (coefficients && solved_degree(*coefficients) > kMaxSolvedDegree)
            return Step::TooHighDegree;
        auto found = coefficients ? real_roots(*coefficients) : std::nullopt;
        // A polynomial 0 in the figure leaves the value free, and one the
        // doubles cannot hold says nothing of it: no figure tells it.
        if (!found)
            return Step::Unknown;
        if (found->empty())
            return Step::Missed;
        roots = std::move(*found);
    }
    std::size_t pick = 0;
    for (std::size_t bit = 0; (std::size_t{1} << bit) < roots.size(); ++bit)
        pick |= std::size_t{next_choice()} << bit;
    fig_.values[line.variable] = roots[pick % roots.size()];
    return Step::Skip;
}

// A kind-1 point of a CIRCLE line: free among the first three of its
// circle, on the circle through them after.
std::optional<P> Builder::circle_line_point(int no)
{
    for (const ParseFact& f : g_parse_facts) {
        if (f.kind != ParseFact::Kind::Circle)
            continue;
        const auto it = std::find(f.pts.begin(), f.pts.end(), no);
        if (it == f.pts.end())
            continue;
        if (it - f.pts.begin() < 3 || f.pts.size() < 3)
            return free_point();
        const auto at = [&](std::size_t i) { return fig_.points[static_cast<std::size_t>(f.pts[i])]; };
        const P a = at(0), b = at(1);
        const auto o = circumcentre(a, b, at(2));
        if (!o)
            return std::nullopt;
        return *o + dist(*o, a) * unit();
    }
    return free_point();
}

std::optional<P> Builder::point(int no)
{
    const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
    auto q = [&](int i) { return fig_.points[r.pots[static_cast<std::size_t>(i)]]; };
    auto radius = [&](int c, int d) { return dist(q(c), q(d)); };
    switch (equation_kind(no)) {
    case cons_kind::kFreePoint: return free_point();
    case cons_kind::kCirclePoint: return circle_line_point(no);
    case cons_kind::kOnBline: return 0.5 * (q(0) + q(1)) + param() * perp(q(1) - q(0));
    case cons_kind::kOnHline: return q(0) + P{10 * param() - 10, 0};
    case cons_kind::kFoot:
        if (!(norm(q(2) - q(1)) > 0))
            return std::nullopt;
        return foot(q(0), q(1), q(2));
    case cons_kind::kMidpoint: return 0.5 * (q(0) + q(1));
    case cons_kind::kCentroid: return (1.0 / 3) * (q(0) + q(1) + q(2));
    case cons_kind::kCircumcenter: return circumcentre(q(0), q(1), q(2));
    case cons_kind::kOrthocenter: return meet(q(0), perp(q(2) - q(1)), q(1), perp(q(2) - q(0)));
    case cons_kind::kIncenterVertex: {
        // The sides through A and B are AB mirrored in AI and BI.
        const P a = q(0), b = q(1), i = q(2);
        const P da = 2.0 * (foot(b, a, i) - a) - (b - a);
        const P db = 2.0 * (foot(a, b, i) - b) - (a - b);
        return meet(a, da, b, db);
    }
    case cons_kind::kIncenter: {
        const P a = q(0), b = q(1), c = q(2);
        const double la = dist(b, c), lb = dist(a, c), lc = dist(a, b);
        return (1.0 / (la + lb + lc)) * (la * a + lb * b + lc * c);
    }
    case cons_kind::kEquilateralVertex: return q(0) + rot(q(1) - q(0), M_PI / 3);
    case cons_kind::kOnLine: return q(0) + param() * (q(1) - q(0));
    case cons_kind::kOnPline: return q(0) + param() * (q(2) - q(1));
    case cons_kind::kOnTline: return q(0) + param() * perp(q(2) - q(1));
    case cons_kind::kOnCircle: return q(0) + radius(0, 1) * unit();
    case cons_kind::kOnAline: {
        // [XA, AB] = [CD, DE]: line AX turned from AB back by that angle; an
        // angle with a side of no length turns by nothing the text defines.
        if (Builder::same_point(q(0), q(1)) || Builder::same_point(q(2), q(3)) || Builder::same_point(q(3), q(4)))
            return std::nullopt;
        auto dir = [](P u) { return std::atan2(u.y, u.x); };
        const double t = dir(q(1) - q(0)) - (dir(q(4) - q(3)) - dir(q(3) - q(2)));
        return q(0) + param() * 5.0 * P{std::cos(t), std::sin(t)};
    }
    case cons_kind::kOnRcircle: return q(0) + radius(1, 2) * unit();
    case cons_kind::kInterLineLine: return meet(q(0), q(1) - q(0), q(2), q(3) - q(2));
    case cons_kind::kInterLinePline: return meet(q(0), q(1) - q(0), q(2), q(4) - q(3));
    case cons_kind::kInterLineTline: return meet(q(0), q(1) - q(0), q(2), perp(q(4) - q(3)));
    case cons_kind::kInterPlinePline: return meet(q(0), q(2) - q(1), q(3), q(5) - q(4));
    case cons_kind::kInterPlineTline: return meet(q(0), q(2) - q(1), q(3), perp(q(5) - q(4)));
    case cons_kind::kInterTlineTline: return meet(q(0), perp(q(2) - q(1)), q(3), perp(q(5) - q(4)));
    case cons_kind::kInterLineCircle: return on_line_circle(q(0), q(1) - q(0), q(2), radius(2, 3), no);
    case cons_kind::kInterPlineCircle: return on_line_circle(q(0), q(2) - q(1), q(3), radius(3, 4), no);
    case cons_kind::kInterTlineCircle: return on_line_circle(q(0), perp(q(2) - q(1)), q(3), radius(3, 4), no);
    case cons_kind::kInterCircleCircle: return on_circles(q(0), radius(0, 1), q(2), radius(2, 3), no);
    case cons_kind::kInterLineRcircle: return on_line_circle(q(0), q(1) - q(0), q(2), radius(3, 4), no);
    case cons_kind::kInterCircleRcircle: return on_circles(q(0), radius(0, 1), q(2), radius(3, 4), no);
    case cons_kind::kInterRcircleRcircle: return on_circles(q(0), radius(1, 2), q(3), radius(4, 5), no);
    case cons_kind::kSymmetricPoint: return 2.0 * q(0) - q(1);
    case cons_kind::kReflection:
        if (!(norm(q(2) - q(1)) > 0))
            return std::nullopt;
        return 2.0 * foot(q(0), q(1), q(2)) - q(0);
    case cons_kind::kInversion: {
        const P u = q(0) - q(1);
        return q(1) + (dot(q(2) - q(1), q(2) - q(1)) / dot(u, u)) * u;
    }
    case cons_kind::kPositiveSquare: return q(0) + perp(q(1) - q(0));
    case cons_kind::kNegativeSquare: return q(0) - perp(q(1) - q(0));
    case cons_kind::kInterLineCircle3: {
        const auto o = circumcentre(q(2), q(3), q(4));
        if (!o)
            return std::nullopt;
        return on_line_circle(q(0), q(1) - q(0), *o, dist(*o, q(2)), no);
    }
    case cons_kind::kInterCircle3Circle3: {
        const auto o1 = circumcentre(q(0), q(1), q(2));
        const auto o2 = circumcentre(q(3), q(4), q(5));
        if (!o1 || !o2)
            return std::nullopt;
        return on_circles(*o1, dist(*o1, q(0)), *o2, dist(*o2, q(3)), no);
    }
    case cons_kind::kLratio:
    case cons_kind::kMratio:
    case cons_kind::kPratio: {
        // Ratios of numbers and named values (a CONSTANT's root) alike.
        const auto p = r.ps[0] ? numeric_value(r.ps[0], fig_) : std::nullopt;
        const auto d = r.ps[1] ? numeric_value(r.ps[1], fig_) : std::nullopt;
        if (!p || !d || *d == 0) {
            known_ = false;
            return std::nullopt;
        }
        const double k = *p / *d;
        if (r.kind == cons_kind::kLratio)
            return q(0) + k * (q(1) - q(0));
        if (r.kind == cons_kind::kMratio)
            return q(0) + (k / (1 + k)) * (q(1) - q(0));
        return q(0) + k * (q(2) - q(1));
    }
    case cons_kind::kNrotate: {
        char* end = nullptr;
        const double degrees = std::strtod(r.rot.c_str(), &end);
        // Past 2^53 degrees a double no longer tells the angle's place in a
        // turn; below, the remainder of a turn is exact.
        constexpr double kLargestTold = 0x1p53;
        if (end == r.rot.c_str() || !(std::abs(degrees) < kLargestTold)) {
            known_ = false;
            return std::nullopt;
        }
        return q(0) + rot(q(1) - q(0), std::fmod(degrees, 360.0) * M_PI / 180.0);
    }
    case cons_kind::kHarmonic:
    case cons_kind::kSimTriangle:
        // Placed nowhere in particular: what holds of every place holds of
        // the one the construction would choose.
        return free_point();
    default: known_ = false; return std::nullopt;
    }
}

}  // namespace numeric_detail
