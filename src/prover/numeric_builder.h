#pragma once
// The builder of numeric figures shared by the figure checks and the
// constraint solver: plane vector helpers, the computation of each record
// from its parents, and the solver that moves a figure onto the hypothesis
// predicates and CONSTANT relations.

#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "prover/numeric_figure.h"
#include "prover/prover.h"

namespace numeric_detail {

using P = Num_point;

inline P operator+(P a, P b) { return {a.x + b.x, a.y + b.y}; }
inline P operator-(P a, P b) { return {a.x - b.x, a.y - b.y}; }
inline P operator*(double k, P a) { return {k * a.x, k * a.y}; }
inline double dot(P a, P b) { return a.x * b.x + a.y * b.y; }
inline double cross(P a, P b) { return a.x * b.y - a.y * b.x; }
inline double norm(P a) { return std::hypot(a.x, a.y); }
inline double dist(P a, P b) { return norm(a - b); }
inline P rot(P a, double t) { return {a.x * std::cos(t) - a.y * std::sin(t), a.x * std::sin(t) + a.y * std::cos(t)}; }
inline P perp(P a) { return {-a.y, a.x}; }

inline constexpr double kTol = 1e-7;

inline bool finite(P a) { return std::isfinite(a.x) && std::isfinite(a.y); }

// The line through p with direction u meets the one through q with
// direction v; nothing for parallel lines.
inline std::optional<P> meet(P p, P u, P q, P v)
{
    const double d = cross(u, v);
    if (std::abs(d) <= kTol * norm(u) * norm(v))
        return std::nullopt;
    return p + (cross(q - p, v) / d) * u;
}

inline P foot(P a, P b, P c)
{
    const P u = c - b;
    return b + (dot(a - b, u) / dot(u, u)) * u;
}

inline std::optional<P> circumcentre(P a, P b, P c) { return meet(0.5 * (a + b), perp(b - a), 0.5 * (a + c), perp(c - a)); }

// Both common points of a line and a circle, or of two circles.
inline std::vector<P> line_circle(P p, P u, P o, double r)
{
    const double a = dot(u, u), b = 2 * dot(u, p - o), c = dot(p - o, p - o) - r * r;
    const double disc = b * b - 4 * a * c;
    if (a == 0 || disc < -kTol * (1 + b * b))
        return {};
    const double s = std::sqrt(std::max(0.0, disc));
    return {p + ((-b + s) / (2 * a)) * u, p + ((-b - s) / (2 * a)) * u};
}

inline std::vector<P> circle_circle(P o1, double r1, P o2, double r2)
{
    const double d = dist(o1, o2);
    if (!(d > 0))
        return {};
    // The common chord: perpendicular to o1o2 at distance a from o1.
    const double a = (d * d + r1 * r1 - r2 * r2) / (2 * d);
    const P u = (1.0 / d) * (o2 - o1);
    return line_circle(o1 + a * u, perp(u), o1, r1);
}


enum class Step {
    Point,     // a point was placed
    Skip,      // the record places no point (a predicate, a CONSTANT line)
    Missed,    // this figure has no real solution (a line missing a circle)
    Unsolved,  // no proper solution: parallel lines, concentric circles
    Unknown,   // a kind without a numeric meaning
    // A CONSTANT whose equation is of too high a degree to solve in
    // reasonable time (kMaxSolvedDegree).
    TooHighDegree,
    // A CONSTANT whose real roots all lie beyond what a double can hold.
    BeyondDoubles,
};

class Builder {
public:
    // choices: bit k picks the root of the k-th construction that meets a
    // circle (when both roots are new points). With ignore_constraints,
    // hypothesis predicates and CONSTANT lines are passed over instead of
    // ending the figure.
    Builder(unsigned seed, int count, unsigned choices = 0, bool ignore_constraints = false)
        : rng_(seed), fig_{std::vector<P>(static_cast<std::size_t>(count) + 1, P{NAN, NAN}), {}},
          constants_(constant_lines(count)), choices_(choices), ignore_constraints_(ignore_constraints)
    {
    }

    // The figure, when every record can be computed and no two of the
    // first `generic` points are in one place.
    std::optional<Num_figure> build(int generic)
    {
        for (int no = 1; no < static_cast<int>(fig_.points.size()); ++no)
            if (step(no) != Step::Point)
                return std::nullopt;
        for (std::size_t i = 1; i <= static_cast<std::size_t>(generic); ++i)
            for (std::size_t j = 1; j < i; ++j)
                if (same_place(fig_.points[i], fig_.points[j]))
                    return std::nullopt;
        return fig_;
    }

    // Computes record no from the records before it.
    Step step(int no)
    {
        landed_.clear();
        missed_ = false;
        current_ = no;
        const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
        if (r.kind == cons_kind::kConstant)
            return constant(no);
        if (places_no_point(r)) {
            const bool free =
                ignore_constraints_ || r.kind == static_cast<std::uint32_t>(cons_kind::kPlaceholder);
            return free ? Step::Skip : Step::Unknown;
        }
        known_ = true;
        const std::optional<P> x = point(no);
        if (!known_)
            return Step::Unknown;
        if (missed_)
            return Step::Missed;
        if (!x || !finite(*x))
            return Step::Unsolved;
        fig_.points[static_cast<std::size_t>(no)] = *x;
        return Step::Point;
    }

    // The named points before no that point no falls on (for a root
    // construction whose roots are all named points, every such root).
    std::vector<int> coincident(int no) const;

    // Constructions met so far that chose between two roots.
    unsigned root_choices() const { return roots_; }

    // Starts the figure again from the same free values.
    void restart()
    {
        next_draw_ = 0;
        roots_ = 0;
        std::fill(fig_.points.begin(), fig_.points.end(), P{NAN, NAN});
        fig_.values.clear();
    }
    std::vector<double>& draws() { return draws_; }
    // The record each free value was drawn for, in the order drawn.
    const std::vector<int>& draw_records() const { return draw_records_; }
    // The free values were moved onto the constraints: a point the solver
    // placed is only as exact as its last step.
    void set_solved(bool solved) { solved_ = solved; }

    // Computes records 1 .. count; false when one has no point here.
    bool place_all(int count)
    {
        restart();
        for (int no = 1; no <= count; ++no) {
            const Step s = step(no);
            if (s != Step::Point && s != Step::Skip)
                return false;
        }
        return true;
    }

    // Computes records 1 .. count as far as each can be: every free value of
    // them is drawn.
    void draw_all(int count)
    {
        restart();
        for (int no = 1; no <= count; ++no)
            step(no);
    }

    const std::vector<P>& points() const { return fig_.points; }
    const Num_figure& figure() const { return fig_; }
    // CONSTANT line no gives a named variable its value.
    bool gives_value(int no) const
    {
        return constants_[static_cast<std::size_t>(no)].role == Constant_line::Role::Value;
    }

    static bool same_place(P a, P b) { return dist(a, b) <= 1e-6 * (1 + norm(a)); }
    // Closer than rounding alone can bring two points computed apart,
    // relative to the size of the figure.
    bool same_point(P a, P b) const { return dist(a, b) <= kRounding * size(); }

    // The largest distance of a placed point from the first one: the
    // figure's size, whatever its position (at least a tiny floor).
    double size() const;

    // Constructions the figures cannot compute; their point is taken free.
    static bool uncomputed(const Pro_point& r)
    {
        return r.kind == cons_kind::kHarmonic || r.kind == cons_kind::kSimTriangle;
    }

    static bool places_no_point(const Pro_point& r)
    {
        return r.hyp_predicate || r.kind == cons_kind::kConstant ||
               r.kind == static_cast<std::uint32_t>(cons_kind::kPlaceholder);
    }

private:
    std::mt19937 rng_;
    Num_figure fig_;
    std::vector<Constant_line> constants_;  // what each CONSTANT line is
    unsigned choices_ = 0;
    bool ignore_constraints_ = false;
    unsigned roots_ = 0;
    bool known_ = true;
    bool missed_ = false;
    std::vector<P> landed_;

    std::vector<double> draws_;  // the figure's free values, in the order drawn
    std::vector<int> draw_records_;
    std::size_t next_draw_ = 0;
    int current_ = 0;     // the record being computed
    P origin_{0, 0};      // free points are placed relative to it
    bool solved_ = false;

    // Relative to the figure's size, how far rounding can move a point, and
    // how far apart a point must be from another to be told apart without
    // computing again.
    static constexpr double kRounding = 1e-10;
    static constexpr double kSuspect = 1e-6;
    // Relative to the coordinates a construction is computed from, how far
    // rounding can move its point (conditioning included).
    static constexpr double kLocalRounding = 1e-9;
    // Relative to the figure's size, how close the solver may leave a point
    // to the one it converges to.
    static constexpr double kSolverAccuracy = 1e-6;

    // Point no falls on point i: when the two are close, the figure is
    // computed again with i at the origin, where points near it keep the
    // precision of their own distances, and the two are compared relative to
    // the coordinates point no was computed from. In a figure the solver
    // moved, the two are compared with the solver's accuracy. figure is the
    // figure's size().
    bool lands_on(int no, int i, double figure) const;

    // The next free value: drawn at random the first time, the same (or as
    // the constraint solver moved it) when the figure is computed again.
    double draw(double lo, double hi)
    {
        if (next_draw_ == draws_.size()) {
            draws_.push_back(std::uniform_real_distribution<double>(lo, hi)(rng_));
            draw_records_.push_back(current_);
        }
        return draws_[next_draw_++];
    }
    double param() { return draw(0.3, 1.7); }
    // A random direction.
    P unit()
    {
        const double t = draw(0.0, 2 * M_PI);
        return {std::cos(t), std::sin(t)};
    }
    P free_point()
    {
        const double x = draw(-10.0, 10.0);
        return P{x, draw(-10.0, 10.0)} - origin_;
    }

    bool taken(P c, int no) const
    {
        // same_point, with the figure's size measured once.
        const double rounding = kRounding * size();
        for (int i = 1; i < no; ++i)
            if (dist(c, fig_.points[static_cast<std::size_t>(i)]) <= rounding)
                return true;
        return false;
    }

    // The next choice between two roots.
    unsigned next_choice()
    {
        const unsigned bit = roots_++;
        return bit < 32 ? (choices_ >> bit) & 1U : 0U;
    }

    // A CONSTANT line: the value of its variable, one of the real roots by
    // the next choices (as many as tell them apart); Missed when it has
    // none. An equation of numbers alone is solved exactly (once per Prove);
    // one whose coefficients depend on the figure, in doubles. A relation
    // among points is left to the constraint solver. Finding the roots looks
    // at the proof's clock.
    Step constant(int no);

    // Of the roots, one that is not a point already placed (the second
    // intersection with a line or circle through a known point); the choice
    // bit picks when both are new. When every root is a placed point the
    // first is returned and all are kept in landed_.
    std::optional<P> fresh(std::vector<P> candidates, int no)
    {
        if (candidates.empty()) {
            missed_ = true;
            return std::nullopt;
        }
        // A double root (a tangent): the square root of a rounding error
        // parts the two; their midpoint is exact.
        if (candidates.size() == 2 && same_place(candidates[0], candidates[1]))
            candidates = {0.5 * (candidates[0] + candidates[1])};
        std::vector<P> open;
        for (const P& c : candidates)
            if (!taken(c, no))
                open.push_back(c);
        if (open.empty()) {
            landed_ = candidates;
            return candidates.front();
        }
        if (open.size() == 1)
            return open.front();
        return open[next_choice()];
    }

    // Both common points of a line and a circle; none (and missed_) when
    // they do not meet; nothing for a line of no direction.
    std::optional<std::vector<P>> line_circle_roots(P p, P u, P o, double r)
    {
        if (!(dot(u, u) > 0))
            return std::nullopt;
        std::vector<P> roots = line_circle(p, u, o, r);
        if (roots.empty())
            missed_ = true;
        return roots;
    }

    // A circle whose radius is the distance between two points in one
    // place: no point lies on it but its centre.
    bool no_size(double r) const { return !(r > kRounding * size()); }

    std::optional<P> on_line_circle(P p, P u, P o, double r, int no)
    {
        if (no_size(r))
            return std::nullopt;
        const auto roots = line_circle_roots(p, u, o, r);
        return roots && !missed_ ? fresh(*roots, no) : std::nullopt;
    }

    std::optional<P> on_circles(P o1, double r1, P o2, double r2, int no)
    {
        if (dist(o1, o2) <= kTol * size() || no_size(r1) || no_size(r2))
            return std::nullopt;  // concentric, one circle twice, or a circle of no size
        const std::vector<P> roots = circle_circle(o1, r1, o2, r2);
        if (roots.empty()) {
            missed_ = true;
            return std::nullopt;
        }
        return fresh(roots, no);
    }


    // A kind-1 point of a CIRCLE line: free among the first three of its
    // circle, on the circle through them after.
    std::optional<P> circle_line_point(int no);
    std::optional<P> point(int no);
};

// A hypothesis predicate or a CONSTANT relation among points.
bool is_constraint(int no);
// For each constraint, the record it places: the latest record with free
// values among its points and the records they are constructed from, where
// a free point (numbered first by the reader) counts where the statement
// first names it: when that is after the latest record, a point on a line or
// circle, the free point with values left declared last of those is placed
// and the other stays generic on its line or circle; 0 for a CONSTANT
// relation and for a predicate whose points have no free values.
// Every free value of records 1 .. count is drawn.
std::vector<int> placed_records(Builder& b, int count, const std::vector<int>& constraints);
// Some record is asked more by the constraints (placed as placed_records
// gives) than its free values can give, a constraint places no record, or
// a constraint depends on a record after the one it places that other
// constraints place: the values drawn before then move together with the
// placed ones.
bool moves_jointly(const Builder& b, const std::vector<int>& constraints, const std::vector<int>& placed);
// The hypothesis line of constraint no, which places record placed, that
// collapses in figure f where it does not in raw (the same figure before
// the constraints moved it): the two lines of a PARALLEL pair that are one
// line, the arms of an angle that are one line, three points of a COCIRCLE
// on one line. A collapse the statement forces is none: a point named twice,
// or the points placed before the placed point making the line one (its
// partner in a PARALLEL pair already on the other line, the other angle of
// an EQANGEL straight already); where the values moved jointly, the points
// before moved as well and force no PARALLEL or COCIRCLE collapse. The
// reason ("the lines AB and CD are one line"), or nothing.
std::optional<std::string> collapsed_line(int no, int placed, bool jointly, const std::vector<P>& f,
                                          const std::vector<P>& raw);
// Three points of a CIRCLE line on one line in figure f where they are not
// in raw: the circle is a line. The reason ("ABC of a circle are on one
// line"), or nothing.
std::optional<std::string> collapsed_circle(const std::vector<P>& f, const std::vector<P>& raw);
// A free point the constraints place that the solver left near another
// named point (not constructed from it) which meets the point's constraints
// as well: two roots meet there, and the steps stall short of it. The reason ("E is the point
// B"), or nothing. The builder's figure is computed again.
std::optional<std::string> stalled_on_a_point(Builder& b, int count, const std::vector<int>& constraints);
// Moves the builder's free values to a figure of records 1 .. count in which
// every constraint holds, on the statement's principal component: records
// in order, each placed by the constraints it is the latest record of (Newton
// steps of least length in its own values), the records before it staying
// where they were drawn, unless some record is asked more than its values can
// give, when the values before move too, as little as they must. False when
// the steps do not get there.
bool satisfy_constraints(Builder& b, int count, const std::vector<int>& constraints);

}  // namespace numeric_detail
