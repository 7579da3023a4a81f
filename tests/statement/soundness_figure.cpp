#include "soundness_figure.h"

#include "soundness_relations.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <set>

namespace soundness {
namespace {

// Thresholds on quantities made dimensionless by the figure's size.
constexpr double kCoincide = 1e-7;    // two points this close are one point
constexpr double kSingular = 1e-9;    // parallel lines, concentric circles
constexpr double kTooFar = 1e4;       // a point this far out: near-singular figure
constexpr int kMaxRootBits = 4;
constexpr int kMoreFigures = 18;      // tried when the first figures leave too few proper ones

struct StraightLine {
    P at, dir;
};
struct Round {
    P centre;
    double r2 = 0;
};

// Why a figure could not be built. A construction written as predicates
// that has no proper solution may still have a whole family of points
// meeting its predicates (two identical lines): such a figure is Unmodelled.
enum class Built { Ok, NoRealRoot, NoSolution, Unstable, Unmodelled };

struct Failure {
    Built kind = Built::Ok;
    std::string line;
};

// Random numbers of one figure, drawn per hypothesis line in advance so that
// every root choice sees the same figure.
using Draws = std::vector<std::vector<double>>;

class Builder {
public:
    Builder(const Statement& s, const Draws& draws, unsigned roots) : s_(s), draws_(draws), roots_(roots) {}

    std::optional<Failure> build()
    {
        for (std::size_t i = 0; i < s_.lines.size(); ++i) {
            line_ = i;
            draw_ = 0;
            const Built b = build_line(s_.lines[i]);
            if (b == Built::NoSolution && s_.lines[i].as_predicates)
                return Failure{Built::Unmodelled, s_.lines[i].keyword + " " + s_.lines[i].point};
            if (b != Built::Ok)
                return Failure{b, s_.lines[i].keyword + " " + s_.lines[i].point};
            for (const auto& [name, p] : pts_)
                if (!std::isfinite(p.x) || !std::isfinite(p.y) || std::abs(p.x) > kTooFar || std::abs(p.y) > kTooFar)
                    return Failure{Built::Unstable, name};
        }
        return std::nullopt;
    }
    const std::map<std::string, P>& points() const { return pts_; }
    const std::vector<std::string>& order() const { return order_; }
    bool free_modelled() const { return free_modelled_; }

private:
    double draw() { return draws_[line_][draw_++ % draws_[line_].size()]; }
    P at(const std::string& n) const
    {
        const auto it = pts_.find(n);
        return it == pts_.end() ? P{kNaN, kNaN} : it->second;
    }
    void put(const std::string& n, P p)
    {
        if (!pts_.count(n))
            order_.push_back(n);
        pts_[n] = p;
    }
    bool root() { return (roots_ >> std::min(root_bit_++, kMaxRootBits - 1)) & 1u; }

    static std::optional<P> meet(StraightLine a, StraightLine b)
    {
        const double det = cross(a.dir, b.dir);
        if (std::abs(det) <= kSingular * std::sqrt(norm2(a.dir) * norm2(b.dir)) || norm2(a.dir) == 0 || norm2(b.dir) == 0)
            return std::nullopt;
        return a.at + (cross(b.at - a.at, b.dir) / det) * a.dir;
    }
    Built meet_ll(const std::string& x, StraightLine a, StraightLine b)
    {
        const auto p = meet(a, b);
        if (!p)
            return Built::NoSolution;
        put(x, *p);
        return Built::Ok;
    }
    Built meet_lc(const std::string& x, StraightLine l, Round c)
    {
        const double a = norm2(l.dir);
        if (a == 0 || c.r2 <= 0)
            return Built::NoSolution;
        const P d = l.at - c.centre;
        const double b = 2 * dot(l.dir, d);
        const double disc = b * b - 4 * a * (norm2(d) - c.r2);
        if (disc < -kSingular * (b * b + 1))
            return Built::NoRealRoot;
        const double t = (-b + (root() ? 1 : -1) * std::sqrt(std::max(disc, 0.0))) / (2 * a);
        put(x, l.at + t * l.dir);
        return Built::Ok;
    }
    Built meet_cc(const std::string& x, Round c1, Round c2)
    {
        const P d = c2.centre - c1.centre;
        const double dd = norm2(d);
        if (dd <= kSingular || c1.r2 <= 0 || c2.r2 <= 0)
            return Built::NoSolution;
        const double a = (c1.r2 - c2.r2 + dd) / (2 * dd);
        const double h2 = c1.r2 / dd - a * a;
        if (h2 < -kSingular)
            return Built::NoRealRoot;
        const double h = (root() ? 1 : -1) * std::sqrt(std::max(h2, 0.0));
        put(x, c1.centre + a * d + h * turn(d));
        return Built::Ok;
    }
    static std::optional<P> circumcentre(P a, P b, P c)
    {
        const P ab = b - a, ac = c - a;
        const double det = 2 * cross(ab, ac);
        if (std::abs(det) <= kSingular * (norm2(ab) + norm2(ac)) || det == 0)
            return std::nullopt;
        return a + (1 / det) * P{ac.y * norm2(ab) - ab.y * norm2(ac), ab.x * norm2(ac) - ac.x * norm2(ab)};
    }
    std::optional<Round> through3(const std::string& a, const std::string& b, const std::string& c)
    {
        const auto o = circumcentre(at(a), at(b), at(c));
        if (!o)
            return std::nullopt;
        return Round{*o, norm2(at(a) - *o)};
    }
    Round centred(const std::string& o, const std::string& through) { return {at(o), norm2(at(through) - at(o))}; }
    Round radius(const std::string& o, const std::string& a, const std::string& b)
    {
        return {at(o), norm2(at(b) - at(a))};
    }
    StraightLine through(const std::string& a, const std::string& b) { return {at(a), at(b) - at(a)}; }
    bool same(const std::string& a, const std::string& b) const { return norm2(at(a) - at(b)) == 0; }
    StraightLine parallel(const std::string& a, const std::string& b, const std::string& c)
    {
        return {at(a), at(c) - at(b)};
    }
    StraightLine perpendicular(const std::string& a, const std::string& b, const std::string& c)
    {
        return {at(a), turn(at(c) - at(b))};
    }
    // The line through A making with line AB the full angle of lines CD, DE.
    StraightLine angled(const std::string& a, const std::string& b, const std::string& c, const std::string& d,
                        const std::string& e)
    {
        const P u = at(d) - at(c), v = at(e) - at(d);
        const double theta = std::atan2(cross(u, v), dot(u, v));
        return {at(a), rotate(at(b) - at(a), -theta)};
    }

    Built build_line(const Line& l);
    Built build_predicate(const Line& l);

    const Statement& s_;
    const Draws& draws_;
    unsigned roots_;
    int root_bit_ = 0;
    std::size_t line_ = 0, draw_ = 0;
    std::map<std::string, P> pts_;
    std::vector<std::string> order_;
    std::set<std::string> fresh_;  // free points no line has used yet
    bool free_modelled_ = false;
};

Built Builder::build_line(const Line& l)
{
    const auto& a = l.args;
    const std::string& x = l.point;
    auto arg = [&](std::size_t i) -> const std::string& { return a[i]; };
    const std::string& k = l.keyword;
    if (k == "POINT") {
        for (const auto& n : a) {
            const double px = draw(), py = draw();
            put(n, {px, py});
            fresh_.insert(n);
        }
        return Built::Ok;
    }
    if (k == "CIRCLE") {
        const P centre{draw(), draw()};
        const double r = 0.5 + std::abs(draw());
        for (const auto& n : a) {
            const double angle = 3 * draw();
            put(n, centre + r * P{std::cos(angle), std::sin(angle)});
        }
        return Built::Ok;
    }
    if (predicate_point_count(k) > 0)
        return build_predicate(l);
    for (const auto& n : a) {
        if (!pts_.count(n))
            return Built::NoSolution;
        fresh_.erase(n);
    }
    const double t = draw();
    if (k == "MIDPOINT") put(x, 0.5 * (at(arg(0)) + at(arg(1))));
    else if (k == "SYM") put(x, 2.0 * at(arg(0)) - at(arg(1)));
    else if (k == "LRATIO" || k == "MRATIO" || k == "PRATIO") {
        const double den = k == "MRATIO" ? l.ratio_num + l.ratio_den : l.ratio_den;
        if (den == 0)
            return Built::NoSolution;
        const double r = l.ratio_num / den;
        if (k == "PRATIO")
            put(x, at(arg(0)) + r * (at(arg(2)) - at(arg(1))));
        else
            put(x, at(arg(0)) + r * (at(arg(1)) - at(arg(0))));
    } else if (k == "ON_LINE") put(x, at(arg(0)) + t * (at(arg(1)) - at(arg(0))));
    else if (k == "ON_BLINE") put(x, 0.5 * (at(arg(0)) + at(arg(1))) + t * turn(at(arg(1)) - at(arg(0))));
    else if (k == "ON_TLINE") put(x, at(arg(0)) + t * turn(at(arg(2)) - at(arg(1))));
    else if (k == "ON_PLINE") put(x, at(arg(0)) + t * (at(arg(2)) - at(arg(1))));
    else if (k == "ON_CIRCLE") {
        const Round c = centred(arg(0), arg(1));
        put(x, c.centre + std::sqrt(c.r2) * P{std::cos(3 * t), std::sin(3 * t)});
    } else if (k == "ON_ALINE") {
        // An angle with a side of no length has no size: like two identical
        // lines, it leaves the point undetermined.
        if (same(arg(0), arg(1)) || same(arg(2), arg(3)) || same(arg(3), arg(4)))
            return Built::NoSolution;
        const StraightLine s = angled(arg(0), arg(1), arg(2), arg(3), arg(4));
        put(x, s.at + t * s.dir);
    } else if (k == "INTERSECTION_LL") return meet_ll(x, through(arg(0), arg(1)), through(arg(2), arg(3)));
    else if (k == "FOOT") return meet_ll(x, through(arg(1), arg(2)), perpendicular(arg(0), arg(1), arg(2)));
    else if (k == "INTERSECTION_TT")
        return meet_ll(x, perpendicular(arg(0), arg(1), arg(2)), perpendicular(arg(3), arg(4), arg(5)));
    else if (k == "INTERSECTION_LT") return meet_ll(x, through(arg(0), arg(1)), perpendicular(arg(2), arg(3), arg(4)));
    else if (k == "INTERSECTION_LP") return meet_ll(x, through(arg(0), arg(1)), parallel(arg(2), arg(3), arg(4)));
    else if (k == "INTERSECTION_PP")
        return meet_ll(x, parallel(arg(0), arg(1), arg(2)), parallel(arg(3), arg(4), arg(5)));
    else if (k == "INTERSECTION_PT")
        return meet_ll(x, parallel(arg(0), arg(1), arg(2)), perpendicular(arg(3), arg(4), arg(5)));
    else if (k == "INTERSECTION_LC") return meet_lc(x, through(arg(0), arg(1)), centred(arg(2), arg(3)));
    else if (k == "INTERSECTION_PC") return meet_lc(x, parallel(arg(0), arg(1), arg(2)), centred(arg(3), arg(4)));
    else if (k == "INTERSECTION_TC") return meet_lc(x, perpendicular(arg(0), arg(1), arg(2)), centred(arg(3), arg(4)));
    else if (k == "INTERSECTION_LS") {
        const auto c = through3(arg(2), arg(3), arg(4));
        return c ? meet_lc(x, through(arg(0), arg(1)), *c) : Built::NoSolution;
    } else if (k == "INTERSECTION_LR") return meet_lc(x, through(arg(0), arg(1)), radius(arg(2), arg(3), arg(4)));
    else if (k == "INTERSECTION_CC") return meet_cc(x, centred(arg(0), arg(1)), centred(arg(2), arg(3)));
    else if (k == "INTERSECTION_SS") {
        const auto c1 = through3(arg(0), arg(1), arg(2));
        const auto c2 = through3(arg(3), arg(4), arg(5));
        return c1 && c2 ? meet_cc(x, *c1, *c2) : Built::NoSolution;
    } else if (k == "INTERSECTION_CR") return meet_cc(x, centred(arg(0), arg(1)), radius(arg(2), arg(3), arg(4)));
    else if (k == "INTERSECTION_RR") return meet_cc(x, radius(arg(0), arg(1), arg(2)), radius(arg(3), arg(4), arg(5)));
    else if (k == "REFLECTION") {
        const auto foot = meet(through(arg(1), arg(2)), perpendicular(arg(0), arg(1), arg(2)));
        if (!foot)
            return Built::NoSolution;
        put(x, 2.0 * *foot - at(arg(0)));
    } else if (k == "CENTROID") put(x, (1.0 / 3) * (at(arg(0)) + at(arg(1)) + at(arg(2))));
    else if (k == "CIRCUMCENTER") {
        const auto o = circumcentre(at(arg(0)), at(arg(1)), at(arg(2)));
        if (!o)
            return Built::NoSolution;
        put(x, *o);
    } else if (k == "ORTHOCENTER")
        return meet_ll(x, perpendicular(arg(0), arg(1), arg(2)), perpendicular(arg(1), arg(0), arg(2)));
    else if (k == "INCENTER") {
        // The third vertex of the triangle A B X whose incentre is I: each side
        // through A or B is the mirror image of AB in the line to I.
        const P A = at(arg(0)), B = at(arg(1)), I = at(arg(2));
        auto mirror = [](P v, P axis) { return (2 * dot(v, axis) / norm2(axis)) * axis - v; };
        if (norm2(I - A) == 0 || norm2(I - B) == 0)
            return Built::NoSolution;
        return meet_ll(x, {A, mirror(B - A, I - A)}, {B, mirror(A - B, I - B)});
    } else if (k == "INVERSION") {
        const P A = at(arg(0)), O = at(arg(1));
        const double d2 = norm2(A - O);
        if (d2 == 0)
            return Built::NoSolution;
        put(x, O + (norm2(at(arg(2)) - O) / d2) * (A - O));
    } else if (k == "PSQUARE" || k == "NSQUARE" || k == "EQ_TRIANGLE") {
        // Written as predicates, the point may turn either way.
        const double way = (k == "NSQUARE" ? -1 : 1) * (l.as_predicates && root() ? -1 : 1);
        put(x, at(arg(0)) + rotate(at(arg(1)) - at(arg(0)), way * (k == "EQ_TRIANGLE" ? M_PI / 3 : M_PI / 2)));
    }
    else {
        // HARMONIC and SIM_TRIANGLE name no construction of the semantics:
        // the point is as free as a POINT.
        free_modelled_ = true;
        put(x, {t, draw()});
    }
    return Built::Ok;
}

// A hypothesis predicate whose last point is a free point no line has used
// yet puts that point where the predicate holds; any other predicate must
// already hold in the figure.
Built Builder::build_predicate(const Line& l)
{
    const auto& a = l.args;
    for (const auto& n : a)
        if (!pts_.count(n))
            return Built::NoSolution;
    const std::string& last = a.back();
    const bool placeable = fresh_.count(last) && std::count(a.begin(), a.end(), last) == 1;
    for (const auto& n : a)
        fresh_.erase(n);
    const double t = draw();
    auto A = [&](std::size_t i) { return at(a[i]); };
    const std::string& k = l.keyword;
    // A predicate over a line or angle of no length asks nothing of the point.
    const bool vacuous = (k == "COLLINEAR" && same(a[0], a[1])) ||
                         ((k == "PARALLEL" || k == "PERPENDICULAR") && same(a[0], a[1])) ||
                         (k == "EQANGEL" && (same(a[0], a[1]) || same(a[1], a[2]) || same(a[3], a[4]))) ||
                         (k == "COCIRCLE" && (same(a[0], a[1]) || same(a[1], a[2]) || same(a[0], a[2])));
    if (placeable && vacuous)
        return Built::Ok;
    if (placeable) {
        if (k == "COLLINEAR") put(last, A(0) + t * (A(1) - A(0)));
        else if (k == "PARALLEL") put(last, A(2) + t * (A(1) - A(0)));
        else if (k == "PERPENDICULAR") put(last, A(2) + t * turn(A(1) - A(0)));
        else if (k == "EQDISTANCE") put(last, A(2) + std::sqrt(norm2(A(1) - A(0))) * P{std::cos(3 * t), std::sin(3 * t)});
        else if (k == "EQANGEL") {
            // angle of lines AB, BC = angle of lines DE, EF: EF is DE turned by it.
            const P u = A(1) - A(0), v = A(2) - A(1);
            const double theta = std::atan2(cross(u, v), dot(u, v));
            put(last, A(4) + t * rotate(A(4) - A(3), theta));
        } else if (k == "COCIRCLE") {
            const auto o = circumcentre(A(0), A(1), A(2));
            if (!o)
                return Built::NoSolution;
            put(last, *o + std::sqrt(norm2(A(0) - *o)) * P{std::cos(3 * t), std::sin(3 * t)});
        }
        return Built::Ok;
    }
    return Built::Ok;  // tested with the conclusion's code below, in judge()
}

// Which pair of the statement's points coincide, if any.
std::optional<std::string> coincidence(const Builder& b, double size)
{
    const auto& order = b.order();
    for (std::size_t i = 0; i < order.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (std::sqrt(norm2(b.points().at(order[i]) - b.points().at(order[j]))) < kCoincide * size)
                return order[i] + " is the point " + order[j];
    return std::nullopt;
}

// Whether the conclusion holds of any points at all (repeated points, say).
bool holds_of_any_points(const Statement& s, std::mt19937_64& rng)
{
    constexpr int kTries = 3;
    std::normal_distribution<double> normal(0.0, 1.0);
    for (int i = 0; i < kTries; ++i) {
        std::map<std::string, P> pts;
        for (const auto& l : s.lines) {
            for (const auto& n : l.args)
                pts[n] = {normal(rng), normal(rng)};
            if (!l.point.empty())
                pts[l.point] = {normal(rng), normal(rng)};
        }
        if (test_conclusion(s.conclusion, pts, figure_size(pts)) != Verdict::Holds)
            return false;
    }
    return true;
}

Draws draw_figure(const Statement& s, std::mt19937_64& rng)
{
    std::normal_distribution<double> normal(0.0, 1.0);
    Draws d;
    for (const auto& l : s.lines) {
        std::vector<double> v(2 * l.args.size() + 4);
        for (double& x : v)
            x = normal(rng);
        d.push_back(std::move(v));
    }
    return d;
}

int root_bits(const Statement& s)
{
    int n = 0;
    for (const auto& l : s.lines)
        if ((l.keyword.starts_with("INTERSECTION_") &&
             (l.keyword.back() == 'C' || l.keyword.back() == 'S' || l.keyword.back() == 'R')) ||
            (l.as_predicates && (l.keyword == "PSQUARE" || l.keyword == "NSQUARE" || l.keyword == "EQ_TRIANGLE")))
            ++n;
    return std::min(n, kMaxRootBits);
}

}  // namespace

Judgement judge(const Statement& s, std::uint64_t seed, int figures)
{
    std::mt19937_64 rng(seed);
    Judgement j;
    int fails = 0, holds = 0, no_solution = 0, contradictions = 0, tried = 0;
    std::string degenerate_why, fail_why;
    const unsigned masks = 1u << root_bits(s);
    for (int f = 0; f < figures + kMoreFigures && (f < figures || j.proper_figures < 2); ++f) {
        const Draws draws = draw_figure(s, rng);
        for (unsigned mask = 0; mask < masks; ++mask) {
            ++tried;
            Builder b(s, draws, mask);
            const auto failure = b.build();
            j.free_modelled = j.free_modelled || b.free_modelled();
            if (failure) {
                if (failure->kind == Built::NoSolution) {
                    ++no_solution;
                    degenerate_why = failure->line + " has no proper solution";
                }
                continue;
            }
            const double size = figure_size(b.points());
            if (const auto same = coincidence(b, size)) {
                ++no_solution;
                degenerate_why = *same;
                // Does a verdict on it at least say what these figures show?
                const Verdict v = test_conclusion(s.conclusion, b.points(), size);
                j.fails_where_coincident = j.fails_where_coincident || v == Verdict::Fails;
                j.coincident_figures += 1;
                continue;
            }
            bool hypotheses_hold = true;
            for (const auto& l : s.lines)
                if (predicate_point_count(l.keyword) > 0 &&
                    test_predicate(l.keyword, l.args, b.points(), size) != Verdict::Holds)
                    hypotheses_hold = false;
            if (!hypotheses_hold) {
                ++no_solution;
                ++contradictions;
                degenerate_why = "the hypothesis predicates cannot all hold";
                continue;
            }
            ++j.proper_figures;
            const Verdict v = test_conclusion(s.conclusion, b.points(), size);
            if (v == Verdict::Holds)
                ++holds;
            if (v == Verdict::Fails && fails++ == 0)
                fail_why = "fails in a figure (root choice " + std::to_string(mask) + ")";
        }
    }
    j.trivial = holds_of_any_points(s, rng);
    if (j.proper_figures == 0) {
        // Every figure failed the same way: the statement itself is ill-posed.
        if (no_solution == tried) {
            j.truth = Truth::Degenerate;
            j.why = degenerate_why;
            j.contradictory = contradictions == tried;
        }
        return j;
    }
    if (fails > 0) {
        j.truth = Truth::Fails;
        j.why = fail_why;
    } else if (holds >= 2) {
        j.truth = Truth::Holds;
    }
    return j;
}

}  // namespace soundness
