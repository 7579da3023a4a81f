// A numeric instance of the statement and the predicates tested in it.

#include "prover/numeric_figure.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <map>
#include <set>
#include <span>
#include <string>

#include "prover/numeric_builder.h"
#include "prover/prover.h"
#include "prover/variables.h"

using namespace numeric_detail;

namespace {

// The figures a quick check of one point or one fact asks: two, so that a
// figure that happens to be special cannot decide alone.
constexpr unsigned kCheckSeeds[] = {20231u, 4711u};

// Checks on the instance. Where a line or side has no length (a point
// named twice) the relation is read as the methods state it, a polynomial
// in the coordinates, which such a side makes 0.
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
    // Four points on one circle or line: the determinant of
    // (|q|^2, qx, qy, 1) over them, relative to the size of the figure.
    static bool concyclic(P a, P b, P c, P d)
    {
        const P u = b - a, w = c - a, z = d - a;
        const double size = std::max({norm(u), norm(w), norm(z)});
        const double det = dot(u, u) * cross(w, z) - dot(w, w) * cross(u, z) + dot(z, z) * cross(u, w);
        return small(det, size * size * size * size);
    }

    int holds(const Gdd_cond& f) const
    {
        const auto& p = f.p;
        const P a = at(p[0]), b = at(p[1]), c = at(p[2]), d = at(p[3]);
        const P e = at(p[4]), g = at(p[5]), h = at(p[6]), k = at(p[7]);
        switch (f.type) {
        case concl_kind::kCollinear: return small(cross(b - a, c - a), norm(b - a) * norm(c - a));
        case concl_kind::kParallel:
        case concl_kind::kPerpendicular: {
            if (!proper(b - a) || !proper(d - c))
                return 1;
            const P u = (1 / norm(b - a)) * (b - a), w = (1 / norm(d - c)) * (d - c);
            return small(f.type == concl_kind::kParallel ? cross(u, w) : dot(u, w), 0);
        }
        case concl_kind::kMidpoint: return dist(a, 0.5 * (b + c)) <= 1e-6 * (1 + norm(a));
        case concl_kind::kCyclic: {
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
            for (std::size_t i = 3; i < on.size(); ++i)
                if (!concyclic(on[0], on[1], on[2], on[i]))
                    return 0;
            return 1;
        }
        case concl_kind::kEqualDistance: return small(dist(a, b) - dist(c, d), dist(a, b));
        case concl_kind::kTangentCircles: {
            // The circle about A through B touches the one about C through D:
            // the distance of the centres is the sum or difference of the radii.
            const double r1 = dist(a, b), r2 = dist(c, d), oo = dist(a, c), size = oo + r1 + r2;
            return small(oo - (r1 + r2), size) || small(oo - std::abs(r1 - r2), size);
        }
        case concl_kind::kEqualAngle: {
            if (!proper(b - a) || !proper(d - c) || !proper(g - e) || !proper(k - h))
                return 1;
            return same_angle(angle(b - a, d - c), angle(g - e, k - h));
        }
        case concl_kind::kEqualProduct: {
            const double l = dist(a, b) * dist(h, k), r = dist(c, d) * dist(e, g);
            return small(l - r, l);
        }
        case concl_kind::kEquilateral: {
            // A + w B + w^2 C = 0, w a turn by a third of a full turn.
            using Complex = std::complex<double>;
            const Complex w = std::polar(1.0, 2 * M_PI / 3);
            const Complex sum = Complex(a.x, a.y) + w * Complex(b.x, b.y) + w * w * Complex(c.x, c.y);
            return small(std::abs(sum), norm(a) + norm(b) + norm(c));
        }
        case concl_kind::kCongruent:
        case concl_kind::kSimilar: {
            if (!proper(b - a) || !proper(c - a) || !proper(e - d) || !proper(g - d))
                return -1;
            const P s1 = shape(a, b, c), s2 = shape(d, e, g);
            const bool same = dist(s1, s2) <= 1e-6 * (1 + norm(s1));
            const bool mirror = dist(s1, P{s2.x, -s2.y}) <= 1e-6 * (1 + norm(s1));
            if (!same && !mirror)
                return 0;
            return f.type == concl_kind::kSimilar || small(dist(a, b) - dist(d, e), dist(a, b));
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
    for (unsigned seed : kCheckSeeds) {
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
    return Tests{pts.points}.holds(fact);
}

bool numerically_false(const Gdd_cond& fact, int count)
{
    for (unsigned seed : kCheckSeeds) {
        const auto inst = numeric_instance(seed, count);
        if (!inst || numeric_fact_holds(fact, *inst) != 0)
            return false;
    }
    return true;
}

namespace {

constexpr unsigned kFigureSeeds[] = {20231u, 4711u, 977u, 31337u, 65537u, 8191u, 1009u, 424242u};
// Tried when those give fewer than two figures to judge a verdict by (a
// circle their figures happen to miss, say).
constexpr unsigned kMoreFigureSeeds[] = {7u,     101u,   1999u,  2027u,  3571u,  5003u,   7919u,   10007u,
                                         12347u, 15013u, 17389u, 19997u, 24593u, 27449u, 30011u, 33331u};
// Root choices tried per seed: every choice of the first four constructions
// that meet a circle (the later ones take their first new root).
constexpr unsigned kMaxRootChoices = 16;

// Calls figure(builder) for every seed and root choice; the builder has not
// computed anything yet. figure returns the root choices its figure met.
template <class Figure>
void for_each_choice(int count, bool ignore_constraints, Figure figure,
                     std::span<const unsigned> seeds = kFigureSeeds)
{
    for (unsigned seed : seeds) {
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

// The CONSTANT line no gives a named variable its value: that variable.
const var_rec* given_variable(int no)
{
    const Constant_line line = constant_lines(no)[static_cast<std::size_t>(no)];
    return line.role == Constant_line::Role::Value ? line.variable : nullptr;
}

// The record to name when record no has no point or value in any figure,
// and why; unsolved: the step a CONSTANT ended with where the figures do not
// solve its equation (too high a degree, roots beyond the doubles).
Degenerate_construction no_solution(int no, int count, Step unsolved = Step::Missed)
{
    if (const var_rec* v = given_variable(no)) {
        switch (unsolved) {
        case Step::TooHighDegree:
            return {no, "the equation of " + v->name + " is of too high a degree for the figures to solve"};
        case Step::BeyondDoubles:
            return {no, "the real values of " + v->name + " are too large or too small for the figures to hold"};
        default: return {no, v->name + " has no real value in any figure"};
        }
    }
    const int named = named_record_from(no, count);
    return {named, g_pro_points[static_cast<std::size_t>(named)].name + " has no proper solution in any figure"};
}

// A hypothesis EQDISTANCE with a point named twice on one side puts the
// two points of the other side in one place.
std::optional<Degenerate_construction> forced_together(int no)
{
    const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
    if (!r.hyp_predicate || r.kind != cons_kind::kHypEqDistance)
        return std::nullopt;
    const auto& p = r.pots;
    for (std::size_t zero : {0U, 2U}) {
        const std::uint32_t a = p[2 - zero], b = p[3 - zero];
        if (p[zero] == p[zero + 1] && a != b)
            return Degenerate_construction{no, g_pro_points[std::max(a, b)].name + " is the point " +
                                                   g_pro_points[std::min(a, b)].name + " in every figure"};
    }
    return std::nullopt;
}

// No two named points among records 1 .. count of the figure are in one
// place.
bool points_apart(const Builder& b, int count)
{
    for (int no = 2; no <= count; ++no) {
        const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
        if (!r.generated && !Builder::places_no_point(r) && !b.coincident(no).empty())
            return false;
    }
    return true;
}

}  // namespace

std::optional<Degenerate_construction> degenerate_construction(int count)
{
    count = std::min(count, kMaxProPoints);
    std::vector<char> reached(static_cast<std::size_t>(count) + 1), proper(reached.size());
    // Per CONSTANT line, the step that says the figures do not solve it.
    std::vector<Step> unsolved(reached.size(), Step::Missed);
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
                    continue;
                }
                // A figure that meets them only with two points in one place
                // judges nothing after.
                b.set_solved(true);
                if (!b.place_all(no) || !points_apart(b, no))
                    break;
                continue;
            }
            if (!stated.empty() && !b.place_all(no - 1))
                break;
            const Step step = b.step(no);
            const auto i = static_cast<std::size_t>(no);
            if (step == Step::TooHighDegree || step == Step::BeyondDoubles)
                unsolved[i] = step;
            if (b.gives_value(no) && step != Step::Unknown) {
                // A value is reached like a point; a figure without one ends.
                reached[i] = 1;
                if (step != Step::Skip)
                    break;
                proper[i] = 1;
            }
            if (step == Step::Skip)
                continue;
            if (step == Step::Unknown) {
                judged = no - 1;
                break;
            }
            if (step == Step::Missed)
                break;
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
        if (auto together = forced_together(no))
            return together;
        const auto i = static_cast<std::size_t>(no);
        if (!reached[i] || proper[i])
            continue;
        if (named_record_from(no, count) != no || lands_on[i].empty())
            return no_solution(no, count, unsolved[i]);
        return Degenerate_construction{no, g_pro_points[i].name + " is the point " + point_list(lands_on[i]) +
                                               " in every figure"};
    }
    return std::nullopt;
}

bool has_uninterpreted_point(int count)
{
    count = std::min(count, kMaxProPoints);
    for (int no = 1; no <= count; ++no) {
        const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
        if (!Builder::places_no_point(r) && Builder::uncomputed(r))
            return true;
    }
    return false;
}

namespace {

// The constraints among records 1 .. count.
std::vector<int> constraints_upto(int count)
{
    std::vector<int> out;
    for (int no = 1; no <= count; ++no)
        if (is_constraint(no))
            out.push_back(no);
    return out;
}

// The proper figures of records 1 .. count that meet the given constraints.
Figure_search search_figures(int count, const std::vector<int>& constraints)
{
    Figure_search search;
    search.constrained = !constraints.empty();
    std::map<std::string, int> faults;
    // The record each constraint places, the same in every figure.
    Builder first(kFigureSeeds[0], count, 0, true);
    const std::vector<int> placed = placed_records(first, count, constraints);
    const bool jointly = moves_jointly(first, constraints, placed);
    const auto figure = [&](Builder& b) {
        // The figure before the solver moves it: what the constructions
        // alone make of the points.
        b.place_all(count);
        const std::vector<P> raw = b.points();
        // The constraints ask nothing of the records after the last of them,
        // and one of those that misses a circle on the way is no reason to
        // give up the figure.
        if (!constraints.empty() && !satisfy_constraints(b, constraints.back(), constraints))
            return b.root_choices();
        b.set_solved(!constraints.empty());
        ++search.met;
        // Why the figure is not proper, to go with "in every figure" or "in
        // any figure"; empty when it is.
        std::string fault;
        if (!constraints.empty())
            if (const auto stalled = stalled_on_a_point(b, constraints.back(), constraints))
                fault = *stalled + " in every figure";
        b.restart();
        for (int no = 1; no <= count && fault.empty(); ++no) {
            const Step step = b.step(no);
            if (step == Step::Unknown || step == Step::TooHighDegree || step == Step::BeyondDoubles) {
                search.judged = false;
                return b.root_choices();
            }
            if (step == Step::Skip)
                continue;
            const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
            if (step != Step::Point) {
                fault = no_solution(no, count).reason;
                continue;
            }
            if (r.generated)
                continue;
            const std::vector<int> hits = b.coincident(no);
            if (!hits.empty())
                fault = r.name + " is the point " + point_list({hits.begin(), hits.end()}) + " in every figure";
        }
        for (std::size_t i = 0; i < constraints.size() && fault.empty(); ++i)
            if (const auto collapsed = collapsed_line(constraints[i], placed[i], jointly, b.points(), raw))
                fault = *collapsed + " in every figure";
        if (const auto collapsed = collapsed_circle(b.points(), raw); collapsed && fault.empty())
            fault = *collapsed + " in every figure";
        if (fault.empty())
            search.figures.push_back(b.figure());
        else
            ++faults[fault];
        return b.root_choices();
    };
    for_each_choice(count, true, figure);
    if (search.judged && search.figures.size() < 2)
        for_each_choice(count, true, figure, kMoreFigureSeeds);
    if (!search.judged)
        search.figures.clear();
    int most = 0;
    for (const auto& [why, n] : faults)
        if (n > most) {
            most = n;
            search.fault = why;
        }
    return search;
}

}  // namespace

Figure_search generic_figures(int count)
{
    count = std::min(count, kMaxProPoints);
    return search_figures(count, constraints_upto(count));
}

std::optional<Unmet_hypotheses> unmet_hypotheses(int count)
{
    count = std::min(count, kMaxProPoints);
    const std::vector<int> all = constraints_upto(count);
    std::vector<int> stated;
    for (int no : all) {
        stated.push_back(no);
        const Figure_search search = search_figures(no, stated);
        if (!search.judged)
            return std::nullopt;
        if (!search.figures.empty())
            continue;
        // The constraints before that place a point this one names, or the
        // point it places.
        Builder b(kFigureSeeds[0], no, 0, true);
        const std::vector<int> placed = placed_records(b, no, stated);
        const auto& names = g_pro_points[static_cast<std::size_t>(no)].pots;
        Unmet_hypotheses unmet;
        for (std::size_t i = 0; i < stated.size(); ++i) {
            const bool named = std::find(names.begin(), names.end(), placed[i]) != names.end();
            if (stated[i] == no || (placed[i] > 0 && (named || placed[i] == placed.back())))
                unmet.records.push_back(stated[i]);
        }
        unmet.reason = search.met == 0 || search.fault.empty() ? "no figure meets these hypotheses"
                                                                : search.fault + " that meets these hypotheses";
        return unmet;
    }
    return std::nullopt;
}
