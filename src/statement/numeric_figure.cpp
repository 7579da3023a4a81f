// A numeric instance of the statement and the predicates tested in it.

#include "statement/numeric_figure.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <set>
#include <string>

#include "algebra/coords.h"
#include "algebra/poly.h"
#include "statement/parse_facts.h"
#include "statement/prover.h"

namespace {

using P = Num_point;

P operator+(P a, P b) { return {a.x + b.x, a.y + b.y}; }
P operator-(P a, P b) { return {a.x - b.x, a.y - b.y}; }
P operator*(double k, P a) { return {k * a.x, k * a.y}; }
double dot(P a, P b) { return a.x * b.x + a.y * b.y; }
double cross(P a, P b) { return a.x * b.y - a.y * b.x; }
double norm(P a) { return std::hypot(a.x, a.y); }
double dist(P a, P b) { return norm(a - b); }
P rot(P a, double t) { return {a.x * std::cos(t) - a.y * std::sin(t), a.x * std::sin(t) + a.y * std::cos(t)}; }
P perp(P a) { return {-a.y, a.x}; }

constexpr double kTol = 1e-7;

bool finite(P a) { return std::isfinite(a.x) && std::isfinite(a.y); }

// The line through p with direction u meets the one through q with
// direction v; nothing for parallel lines.
std::optional<P> meet(P p, P u, P q, P v)
{
    const double d = cross(u, v);
    if (std::abs(d) <= kTol * norm(u) * norm(v))
        return std::nullopt;
    return p + (cross(q - p, v) / d) * u;
}

P foot(P a, P b, P c)
{
    const P u = c - b;
    return b + (dot(a - b, u) / dot(u, u)) * u;
}

std::optional<P> circumcentre(P a, P b, P c) { return meet(0.5 * (a + b), perp(b - a), 0.5 * (a + c), perp(c - a)); }

// Both common points of a line and a circle, or of two circles.
std::vector<P> line_circle(P p, P u, P o, double r)
{
    const double a = dot(u, u), b = 2 * dot(u, p - o), c = dot(p - o, p - o) - r * r;
    const double disc = b * b - 4 * a * c;
    if (a == 0 || disc < -kTol * (1 + b * b))
        return {};
    const double s = std::sqrt(std::max(0.0, disc));
    return {p + ((-b + s) / (2 * a)) * u, p + ((-b - s) / (2 * a)) * u};
}

std::vector<P> circle_circle(P o1, double r1, P o2, double r2)
{
    const double d = dist(o1, o2);
    if (d <= kTol)
        return {};
    // The common chord: perpendicular to o1o2 at distance a from o1.
    const double a = (d * d + r1 * r1 - r2 * r2) / (2 * d);
    const P u = (1.0 / d) * (o2 - o1);
    return line_circle(o1 + a * u, perp(u), o1, r1);
}

// How one record came out in a figure.
enum class Step {
    Point,     // a point was placed
    Skip,      // the record places no point (a predicate, a CONSTANT line)
    Missed,    // this figure has no real solution (a line missing a circle)
    Unsolved,  // no proper solution: parallel lines, concentric circles
    Unknown,   // a kind without a numeric meaning
};

class Builder {
public:
    // choices: bit k picks the root of the k-th construction that meets a
    // circle (when both roots are new points). With ignore_constraints,
    // hypothesis predicates and CONSTANT lines are passed over instead of
    // ending the figure.
    Builder(unsigned seed, int count, unsigned choices = 0, bool ignore_constraints = false)
        : rng_(seed), pts_(static_cast<std::size_t>(count) + 1, P{NAN, NAN}), choices_(choices),
          ignore_constraints_(ignore_constraints)
    {
    }

    // The coordinates, when every record can be computed and no two of the
    // first `generic` points are in one place.
    std::optional<std::vector<Num_point>> build(int generic)
    {
        for (int no = 1; no < static_cast<int>(pts_.size()); ++no)
            if (step(no) != Step::Point)
                return std::nullopt;
        for (std::size_t i = 1; i <= static_cast<std::size_t>(generic); ++i)
            for (std::size_t j = 1; j < i; ++j)
                if (same_place(pts_[i], pts_[j]))
                    return std::nullopt;
        return pts_;
    }

    // Computes record no from the records before it.
    Step step(int no)
    {
        landed_.clear();
        missed_ = false;
        const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
        if (places_no_point(r)) {
            const bool free = ignore_constraints_ || r.kind == kPlaceholderKind ||
                              (r.kind == kConstantKind && constant_names_a_value(r));
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
        pts_[static_cast<std::size_t>(no)] = *x;
        return Step::Point;
    }

    // The named points before no that point no falls on (for a root
    // construction whose roots are all named points, every such root).
    std::vector<int> coincident(int no) const
    {
        std::vector<P> at = landed_;
        at.push_back(pts_[static_cast<std::size_t>(no)]);
        std::vector<int> hits;
        for (int i = 1; i < no; ++i) {
            const Pro_point& r = g_pro_points[static_cast<std::size_t>(i)];
            if (r.generated || places_no_point(r))
                continue;
            for (const P& x : at)
                if (same_place(x, pts_[static_cast<std::size_t>(i)])) {
                    hits.push_back(i);
                    break;
                }
        }
        return hits;
    }

    // Constructions met so far that chose between two roots.
    unsigned root_choices() const { return roots_; }

    // Starts the figure again from the same free values.
    void restart()
    {
        next_draw_ = 0;
        roots_ = 0;
        std::fill(pts_.begin(), pts_.end(), P{NAN, NAN});
    }
    std::vector<double>& draws() { return draws_; }

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

    const std::vector<P>& points() const { return pts_; }

    static bool same_place(P a, P b) { return dist(a, b) <= 1e-6 * (1 + norm(a)); }

    static constexpr std::uint32_t kConstantKind = 357;
    static constexpr std::uint32_t kPlaceholderKind = static_cast<std::uint32_t>(-100);

    static bool places_no_point(const Pro_point& r)
    {
        return r.hyp_predicate || r.kind == kConstantKind || r.kind == kPlaceholderKind;
    }

private:
    std::mt19937 rng_;
    std::vector<P> pts_;
    unsigned choices_ = 0;
    bool ignore_constraints_ = false;
    unsigned roots_ = 0;
    bool known_ = true;
    bool missed_ = false;
    std::vector<P> landed_;

    std::vector<double> draws_;  // the figure's free values, in the order drawn
    std::size_t next_draw_ = 0;

    // The next free value: drawn at random the first time, the same (or as
    // the constraint solver moved it) when the figure is computed again.
    double draw(double lo, double hi)
    {
        if (next_draw_ == draws_.size())
            draws_.push_back(std::uniform_real_distribution<double>(lo, hi)(rng_));
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
        return {x, draw(-10.0, 10.0)};
    }

    bool taken(P c, int no) const
    {
        for (int i = 1; i < no; ++i)
            if (dist(c, pts_[static_cast<std::size_t>(i)]) <= 1e-6 * (1 + norm(c)))
                return true;
        return false;
    }

    // Of the roots, one that is not a point already placed (the second
    // intersection with a line or circle through a known point); the choice
    // bit picks when both are new. When every root is a placed point the
    // first is returned and all are kept in landed_.
    std::optional<P> fresh(const std::vector<P>& candidates, int no)
    {
        if (candidates.empty()) {
            missed_ = true;
            return std::nullopt;
        }
        std::vector<P> open;
        for (const P& c : candidates)
            if (!taken(c, no))
                open.push_back(c);
        if (open.empty()) {
            landed_ = candidates;
            return candidates.front();
        }
        if (open.size() == 1 || same_place(open[0], open[1]))
            return open.front();
        const unsigned bit = roots_++;
        return open[bit < 32 ? (choices_ >> bit) & 1U : 0U];
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

    std::optional<P> on_line_circle(P p, P u, P o, double r, int no)
    {
        const auto roots = line_circle_roots(p, u, o, r);
        return roots && !missed_ ? fresh(*roots, no) : std::nullopt;
    }

    std::optional<P> on_circles(P o1, double r1, P o2, double r2, int no)
    {
        if (dist(o1, o2) <= kTol)
            return std::nullopt;  // concentric or one circle twice
        const std::vector<P> roots = circle_circle(o1, r1, o2, r2);
        if (roots.empty()) {
            missed_ = true;
            return std::nullopt;
        }
        return fresh(roots, no);
    }

    // A kind-1 point of a CIRCLE line: free among the first three of its
    // circle, on the circle through them after.
    std::optional<P> circle_line_point(int no)
    {
        for (const ParseFact& f : g_parse_facts) {
            if (f.kind != ParseFact::Kind::Circle)
                continue;
            const auto it = std::find(f.pts.begin(), f.pts.end(), no);
            if (it == f.pts.end())
                continue;
            if (it - f.pts.begin() < 3 || f.pts.size() < 3)
                return free_point();
            const P a = pts_[static_cast<std::size_t>(f.pts[0])], b = pts_[static_cast<std::size_t>(f.pts[1])];
            const auto o = circumcentre(a, b, pts_[static_cast<std::size_t>(f.pts[2])]);
            if (!o)
                return std::nullopt;
            return *o + dist(*o, a) * unit();
        }
        return free_point();
    }

    std::optional<P> point(int no)
    {
        const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
        auto q = [&](int i) { return pts_[r.pots[static_cast<std::size_t>(i)]]; };
        auto radius = [&](int c, int d) { return dist(q(c), q(d)); };
        switch (equation_kind(no)) {
        case 101: return free_point();
        case 1: return circle_line_point(no);
        case 11: return 0.5 * (q(0) + q(1)) + param() * perp(q(1) - q(0));
        case 99: return q(0) + P{10 * param() - 10, 0};
        case 102:
            if (!(norm(q(2) - q(1)) > 0))
                return std::nullopt;
            return foot(q(0), q(1), q(2));
        case 103: return 0.5 * (q(0) + q(1));
        case 104: return (1.0 / 3) * (q(0) + q(1) + q(2));
        case 105: return circumcentre(q(0), q(1), q(2));
        case 106: return meet(q(0), perp(q(2) - q(1)), q(1), perp(q(2) - q(0)));
        case 107: {
            // The sides through A and B are AB mirrored in AI and BI.
            const P a = q(0), b = q(1), i = q(2);
            const P da = 2.0 * (foot(b, a, i) - a) - (b - a);
            const P db = 2.0 * (foot(a, b, i) - b) - (a - b);
            return meet(a, da, b, db);
        }
        case 108: {
            const P a = q(0), b = q(1), c = q(2);
            const double la = dist(b, c), lb = dist(a, c), lc = dist(a, b);
            return (1.0 / (la + lb + lc)) * (la * a + lb * b + lc * c);
        }
        case 109: return q(0) + rot(q(1) - q(0), M_PI / 3);
        case 110: return q(0) + param() * (q(1) - q(0));
        case 111: return q(0) + param() * (q(2) - q(1));
        case 112: return q(0) + param() * perp(q(2) - q(1));
        case 113: return q(0) + radius(0, 1) * unit();
        case 114: {
            // [XA, AB] = [CD, DE]: line AX turned from AB back by that angle.
            auto dir = [](P u) { return std::atan2(u.y, u.x); };
            const double t = dir(q(1) - q(0)) - (dir(q(4) - q(3)) - dir(q(3) - q(2)));
            return q(0) + param() * 5.0 * P{std::cos(t), std::sin(t)};
        }
        case 115: return q(0) + radius(1, 2) * unit();
        case 116: return meet(q(0), q(1) - q(0), q(2), q(3) - q(2));
        case 117: return meet(q(0), q(1) - q(0), q(2), q(4) - q(3));
        case 118: return meet(q(0), q(1) - q(0), q(2), perp(q(4) - q(3)));
        case 119: return meet(q(0), q(2) - q(1), q(3), q(5) - q(4));
        case 120: return meet(q(0), q(2) - q(1), q(3), perp(q(5) - q(4)));
        case 121: return meet(q(0), perp(q(2) - q(1)), q(3), perp(q(5) - q(4)));
        case 122: return on_line_circle(q(0), q(1) - q(0), q(2), radius(2, 3), no);
        case 123: return on_line_circle(q(0), q(2) - q(1), q(3), radius(3, 4), no);
        case 124: return on_line_circle(q(0), perp(q(2) - q(1)), q(3), radius(3, 4), no);
        case 125: return on_circles(q(0), radius(0, 1), q(2), radius(2, 3), no);
        case 126: return on_line_circle(q(0), q(1) - q(0), q(2), radius(3, 4), no);
        case 127: return on_circles(q(0), radius(0, 1), q(2), radius(3, 4), no);
        case 128: return on_circles(q(0), radius(1, 2), q(3), radius(4, 5), no);
        case 129: return 2.0 * q(0) - q(1);
        case 130:
            if (!(norm(q(2) - q(1)) > 0))
                return std::nullopt;
            return 2.0 * foot(q(0), q(1), q(2)) - q(0);
        case 131: {
            const P u = q(0) - q(1);
            return q(1) + (dot(q(2) - q(1), q(2) - q(1)) / dot(u, u)) * u;
        }
        case 132: return q(0) + perp(q(1) - q(0));
        case 133: return q(0) - perp(q(1) - q(0));
        case 44: {
            const auto o = circumcentre(q(2), q(3), q(4));
            if (!o)
                return std::nullopt;
            return on_line_circle(q(0), q(1) - q(0), *o, dist(*o, q(2)), no);
        }
        case 52: {
            const auto o1 = circumcentre(q(0), q(1), q(2));
            const auto o2 = circumcentre(q(3), q(4), q(5));
            if (!o1 || !o2)
                return std::nullopt;
            return on_circles(*o1, dist(*o1, q(0)), *o2, dist(*o2, q(3)), no);
        }
        case 197:
        case 198:
        case 199: {
            // Ratios given by integer values only.
            if (!r.ps[0] || !r.ps[1] || !pconstp(r.ps[0]) || !pconstp(r.ps[1]) || lnum(r.ps[1]) == 0) {
                known_ = false;
                return std::nullopt;
            }
            const double k = static_cast<double>(lnum(r.ps[0])) / static_cast<double>(lnum(r.ps[1]));
            if (r.kind == 197)
                return q(0) + k * (q(1) - q(0));
            if (r.kind == 198)
                return q(0) + (k / (1 + k)) * (q(1) - q(0));
            return q(0) + k * (q(2) - q(1));
        }
        case 470: {
            char* end = nullptr;
            const double degrees = std::strtod(r.rot.c_str(), &end);
            if (end == r.rot.c_str()) {
                known_ = false;
                return std::nullopt;
            }
            return q(0) + rot(q(1) - q(0), degrees * M_PI / 180.0);
        }
        default: known_ = false; return std::nullopt;
        }
    }
};

// Checks on the instance; none of them can tell about a line of no length.
struct Tests {
    const std::vector<P>& v;

    P at(std::uint32_t i) const { return i < v.size() ? v[i] : P{NAN, NAN}; }
    static bool proper(P u) { return norm(u) > 1e-6; }
    static bool small(double x, double scale) { return std::abs(x) <= 1e-6 * (1 + scale); }

    // Full angle from line ab to line cd, modulo a straight angle.
    static double angle(P ab, P cd)
    {
        double t = std::atan2(cd.y, cd.x) - std::atan2(ab.y, ab.x);
        t = std::fmod(t, M_PI);
        return t < 0 ? t + M_PI : t;
    }
    static bool same_angle(double s, double t)
    {
        const double d = std::abs(s - t);
        return d <= 1e-6 || std::abs(d - M_PI) <= 1e-6;
    }
    // (b - a) / (c - a) as a complex number.
    static P shape(P a, P b, P c)
    {
        const P u = b - a, w = c - a;
        const double n = dot(w, w);
        return {dot(u, w) / n, cross(w, u) / n};
    }

    int holds(const Gdd_cond& f) const
    {
        const auto& p = f.p;
        const P a = at(p[0]), b = at(p[1]), c = at(p[2]), d = at(p[3]);
        const P e = at(p[4]), g = at(p[5]), h = at(p[6]), k = at(p[7]);
        switch (f.type) {
        case 148:
            if (!proper(b - a) || !proper(c - a))
                return -1;
            return small(cross(b - a, c - a), norm(b - a) * norm(c - a));
        case 149:
        case 150: {
            if (!proper(b - a) || !proper(d - c))
                return -1;
            const P u = (1 / norm(b - a)) * (b - a), w = (1 / norm(d - c)) * (d - c);
            return small(f.type == 149 ? cross(u, w) : dot(u, w), 0);
        }
        case 151: return dist(a, 0.5 * (b + c)) <= 1e-6 * (1 + norm(a));
        case 152: {
            // p1 the centre (0: none), p2 .. p5 the points.
            std::vector<P> on;
            for (std::size_t i = 1; i < 8; ++i)
                if (p[i])
                    on.push_back(at(p[i]));
            if (p[0]) {
                for (const P& x : on)
                    if (!small(dist(a, x) - dist(a, on[0]), dist(a, on[0])))
                        return 0;
                return 1;
            }
            if (on.size() < 4)
                return -1;
            const auto o = circumcentre(on[0], on[1], on[2]);
            if (!o)
                return -1;
            const double r = dist(*o, on[0]);
            for (std::size_t i = 3; i < on.size(); ++i)
                if (!small(dist(*o, on[i]) - r, r))
                    return 0;
            return 1;
        }
        case 153: return small(dist(a, b) - dist(c, d), dist(a, b));
        case 154: {
            if (!proper(b - a) || !proper(d - c) || !proper(g - e) || !proper(k - h))
                return -1;
            return same_angle(angle(b - a, d - c), angle(g - e, k - h));
        }
        case 155: {
            const double l = dist(a, b) * dist(h, k), r = dist(c, d) * dist(e, g);
            return small(l - r, l);
        }
        case 236:
        case 237: {
            if (!proper(b - a) || !proper(c - a) || !proper(e - d) || !proper(g - d))
                return -1;
            const P s1 = shape(a, b, c), s2 = shape(d, e, g);
            const bool same = dist(s1, s2) <= 1e-6 * (1 + norm(s1));
            const bool mirror = dist(s1, P{s2.x, -s2.y}) <= 1e-6 * (1 + norm(s1));
            if (!same && !mirror)
                return 0;
            return f.type == 237 || small(dist(a, b) - dist(d, e), dist(a, b));
        }
        default: return -1;
        }
    }
};

}  // namespace

std::optional<Num_figure> numeric_instance(unsigned seed, int count)
{
    if (count < 1 || count >= kProPointCount)
        return std::nullopt;
    return Builder(seed, count).build(count);
}

bool numeric_point_coincides(int p)
{
    if (p < 2 || p >= kProPointCount)
        return false;
    for (unsigned seed : {20231u, 4711u}) {
        const auto inst = Builder(seed, p).build(p - 1);
        if (!inst)
            return false;
        const Num_point x = (*inst)[static_cast<std::size_t>(p)];
        bool found = false;
        for (int i = 1; i < p && !found; ++i)
            found = Builder::same_place(x, (*inst)[static_cast<std::size_t>(i)]);
        if (!found)
            return false;
    }
    return true;
}

int numeric_fact_holds(const Gdd_cond& fact, const Num_figure& pts)
{
    for (std::uint32_t q : fact.p)
        if (q >= pts.size())
            return -1;
    return Tests{pts}.holds(fact);
}

bool numerically_false(const Gdd_cond& fact, int count)
{
    for (unsigned seed : {20231u, 4711u}) {
        const auto inst = numeric_instance(seed, count);
        if (!inst || numeric_fact_holds(fact, *inst) != 0)
            return false;
    }
    return true;
}

namespace {

constexpr unsigned kFigureSeeds[] = {20231u, 4711u, 977u, 31337u, 65537u, 8191u, 1009u, 424242u};
// Root choices tried per seed: every choice of the first four constructions
// that meet a circle (the later ones take their first new root).
constexpr unsigned kMaxRootChoices = 16;

// Calls figure(builder) for every seed and root choice; the builder has not
// computed anything yet. figure returns the root choices its figure met.
template <class Figure>
void for_each_choice(int count, bool ignore_constraints, Figure figure)
{
    for (unsigned seed : kFigureSeeds) {
        for (unsigned choices = 0; choices < kMaxRootChoices; ++choices) {
            Builder b(seed, count, choices, ignore_constraints);
            const unsigned met = figure(b);
            if (choices + 1 >= (1U << std::min(met, 4U)))
                break;
        }
    }
}

std::string point_list(const std::set<int>& points)
{
    std::string out;
    for (int p : points) {
        if (!out.empty())
            out += " or ";
        out += g_pro_points[static_cast<std::size_t>(p)].name;
    }
    return out;
}

// The first record after r that the statement names (a generated record
// stands for part of the construction of the next named one).
int named_record_from(int r, int count)
{
    for (int i = r; i <= count; ++i) {
        const Pro_point& p = g_pro_points[static_cast<std::size_t>(i)];
        if (!p.generated && !Builder::places_no_point(p))
            return i;
    }
    return r;
}

}  // namespace

namespace {

// A hypothesis predicate or a CONSTANT relation among points.
bool is_constraint(int no)
{
    const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
    return r.hyp_predicate || (r.kind == Builder::kConstantKind && !constant_names_a_value(r));
}

// How far a hypothesis predicate or CONSTANT relation is from holding in
// the figure, scaled to the figure's lengths; nothing when it cannot say.
std::optional<double> constraint_residue(int no, const std::vector<P>& f)
{
    const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
    if (r.kind == Builder::kConstantKind)
        return numeric_relation_residue(r.ps[0], f);
    auto q = [&](int i) { return f[r.pots[static_cast<std::size_t>(i)]]; };
    // Full angles from line BA to BC and from ED to EF are equal.
    auto equal_angles = [](P a, P b, P c, P d, P e, P g) {
        auto turn = [](P u, P v) { return P{dot(u, v), cross(u, v)}; };  // v times conj(u)
        const P z1 = turn(a - b, c - b), z2 = turn(d - e, g - e);
        return cross(z2, z1) / (norm(z1) * norm(z2) + 1e-12);
    };
    const P a = q(0), b = q(1), c = q(2), d = q(3);
    const double ab = norm(b - a), cd = norm(d - c);
    switch (r.kind) {
    case 110: return cross(b - a, c - a) / (ab * norm(c - a) + 1e-12);
    case 111: return cross(b - a, d - c) / (ab * cd + 1e-12);
    case 112: return dot(b - a, d - c) / (ab * cd + 1e-12);
    case 113: return (ab * ab - cd * cd) / (ab * ab + cd * cd + 1e-12);
    case 115: return equal_angles(a, b, c, d, q(4), q(5));
    case 117: return equal_angles(a, c, b, a, d, b);
    default: return std::nullopt;
    }
}

// A COCIRCLE predicate also holds on four points of one line; such a figure
// says nothing about the statement.
bool holds_properly(int no, const std::vector<P>& f)
{
    const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
    if (!r.hyp_predicate || r.kind != 117)
        return true;
    const P a = f[r.pots[0]], b = f[r.pots[1]], c = f[r.pots[2]];
    return std::abs(cross(b - a, c - a)) > 1e-6 * norm(b - a) * norm(c - a);
}

// The residues of all constraints, or nothing.
std::optional<std::vector<double>> residues(Builder& b, int count, const std::vector<int>& constraints)
{
    if (!b.place_all(count))
        return std::nullopt;
    std::vector<double> out;
    for (int no : constraints) {
        const auto r = constraint_residue(no, b.points());
        if (!r || !std::isfinite(*r))
            return std::nullopt;
        out.push_back(*r);
    }
    return out;
}

// Solves the m x m system a y = r in place (Gaussian elimination with
// partial pivoting); false when it is singular.
bool solve(std::vector<std::vector<double>>& a, std::vector<double>& r)
{
    const std::size_t m = r.size();
    for (std::size_t k = 0; k < m; ++k) {
        std::size_t pivot = k;
        for (std::size_t i = k + 1; i < m; ++i)
            if (std::abs(a[i][k]) > std::abs(a[pivot][k]))
                pivot = i;
        if (std::abs(a[pivot][k]) < 1e-300)
            return false;
        std::swap(a[k], a[pivot]);
        std::swap(r[k], r[pivot]);
        for (std::size_t i = k + 1; i < m; ++i) {
            const double f = a[i][k] / a[k][k];
            for (std::size_t j = k; j < m; ++j)
                a[i][j] -= f * a[k][j];
            r[i] -= f * r[k];
        }
    }
    for (std::size_t k = m; k-- > 0;) {
        for (std::size_t j = k + 1; j < m; ++j)
            r[k] -= a[k][j] * r[j];
        r[k] /= a[k][k];
    }
    return true;
}

// Moves the builder's free values to the nearest figure in which every
// constraint holds (Newton steps of least length); false when the steps do
// not get there.
bool satisfy_constraints(Builder& b, int count, const std::vector<int>& constraints)
{
    constexpr int kSteps = 40;
    constexpr double kStep = 1e-7;
    constexpr double kHolds = 1e-12;
    for (int step = 0; step < kSteps; ++step) {
        const auto r = residues(b, count, constraints);
        if (!r)
            return false;
        double worst = 0;
        for (double x : *r)
            worst = std::max(worst, std::abs(x));
        if (worst < kHolds)
            return true;
        std::vector<double>& d = b.draws();
        const std::size_t m = r->size(), n = d.size();
        std::vector<std::vector<double>> jac(m, std::vector<double>(n));
        for (std::size_t j = 0; j < n; ++j) {
            const double saved = d[j];
            d[j] += kStep;
            const auto moved = residues(b, count, constraints);
            d[j] = saved;
            if (!moved)
                return false;
            for (std::size_t i = 0; i < m; ++i)
                jac[i][j] = ((*moved)[i] - (*r)[i]) / kStep;
        }
        std::vector<std::vector<double>> normal(m, std::vector<double>(m));
        for (std::size_t i = 0; i < m; ++i)
            for (std::size_t k = 0; k < m; ++k) {
                for (std::size_t j = 0; j < n; ++j)
                    normal[i][k] += jac[i][j] * jac[k][j];
                if (i == k)
                    normal[i][k] += 1e-14;
            }
        std::vector<double> y = *r;
        if (!solve(normal, y))
            return false;
        for (std::size_t j = 0; j < n; ++j)
            for (std::size_t i = 0; i < m; ++i)
                d[j] -= jac[i][j] * y[i];
    }
    return false;
}

}  // namespace

std::optional<Degenerate_construction> degenerate_construction(int count)
{
    count = std::min(count, kMaxProPoints);
    std::vector<char> reached(static_cast<std::size_t>(count) + 1), proper(reached.size());
    std::vector<std::set<int>> lands_on(reached.size());
    int judged = count;
    for_each_choice(count, true, [&](Builder& b) {
        // The hypothesis predicates and CONSTANT relations stated so far;
        // each construction is judged in a figure that satisfies them.
        std::vector<int> stated;
        for (int no = 1; no <= judged; ++no) {
            if (is_constraint(no)) {
                // One that cannot be met numerically is left out: the figures
                // without it include those with it.
                const std::vector<double> before = b.draws();
                stated.push_back(no);
                if (!satisfy_constraints(b, no, stated)) {
                    stated.pop_back();
                    b.draws() = before;
                }
                continue;
            }
            if (!stated.empty() && !b.place_all(no - 1))
                break;
            const Step step = b.step(no);
            if (step == Step::Skip)
                continue;
            if (step == Step::Unknown) {
                judged = no - 1;
                break;
            }
            if (step == Step::Missed)
                break;
            const auto i = static_cast<std::size_t>(no);
            reached[i] = 1;
            if (step == Step::Unsolved)
                break;
            const std::vector<int> hits = g_pro_points[i].generated ? std::vector<int>{} : b.coincident(no);
            if (!hits.empty()) {
                lands_on[i].insert(hits.begin(), hits.end());
                break;
            }
            proper[i] = 1;
        }
        return b.root_choices();
    });
    for (int no = 1; no <= judged; ++no) {
        const auto i = static_cast<std::size_t>(no);
        if (!reached[i] || proper[i])
            continue;
        const int named = named_record_from(no, count);
        const std::string& name = g_pro_points[static_cast<std::size_t>(named)].name;
        if (named != no || lands_on[i].empty())
            return Degenerate_construction{named, name + " has no proper solution in any figure"};
        return Degenerate_construction{no, name + " is the point " + point_list(lands_on[i]) + " in every figure"};
    }
    return std::nullopt;
}

std::vector<Num_figure> generic_figures(int count)
{
    count = std::min(count, kMaxProPoints);
    std::vector<int> constraints;
    for (int no = 1; no <= count; ++no)
        if (is_constraint(no))
            constraints.push_back(no);
    std::vector<Num_figure> figures;
    bool usable = true;
    for_each_choice(count, true, [&](Builder& b) {
        if (!constraints.empty() && !satisfy_constraints(b, count, constraints))
            return b.root_choices();
        b.restart();
        bool proper = usable;
        for (int no = 1; no <= count && proper; ++no) {
            const Step step = b.step(no);
            if (step == Step::Unknown)
                usable = false;
            if (step == Step::Skip)
                continue;
            proper = step == Step::Point && (g_pro_points[static_cast<std::size_t>(no)].generated ||
                                             b.coincident(no).empty());
        }
        for (int no : constraints)
            proper = proper && holds_properly(no, b.points());
        if (proper)
            figures.push_back(b.points());
        return b.root_choices();
    });
    if (!usable)
        figures.clear();
    return figures;
}
