// Moving a figure onto the statement's hypothesis predicates and CONSTANT
// relations, on the statement's principal component: each predicate places
// the latest record with free values it depends on, the records before it
// stay where they were drawn unless the predicates ask more of a record than
// it can give; and telling the figures so found that are degenerate (a
// hypothesis line collapsed, a point left on another).

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "prover/numeric_builder.h"
#include "prover/parse_facts.h"

namespace numeric_detail {

namespace {

// Relative to the step the solver makes in the values it places, the step
// it may make in the values drawn before them when it must move them.
constexpr double kStiff = 1e-3;
// Three points are on one line when the sine of their angle is below this.
constexpr double kOneLine = 1e-6;
// A constraint holds when its residue is below this.
constexpr double kHolds = 1e-12;
// Relative to the figure's size, how near a named point the solver may stop
// when two roots meet there and its steps stall short of it.
constexpr double kNear = 1e-3;

// The full angle from line ab to line bc equals the one from de to eg: the
// tangents of the two, cross-multiplied (a polynomial of degree 4).
double angle_difference(P a, P b, P c, P d, P e, P g)
{
    const P u1 = b - a, v1 = c - b, u2 = e - d, v2 = g - e;
    return cross(u1, v1) * dot(u2, v2) - dot(u1, v1) * cross(u2, v2);
}

// How far a hypothesis predicate or CONSTANT relation is from holding in
// the figure: the polynomial the methods state, made dimensionless by the
// figure's size, so that the solver finds every root of it (the degenerate
// ones are told apart afterwards); nothing when it cannot say.
std::optional<double> constraint_residue(int no, const Num_figure& f, double size)
{
    const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
    if (r.kind == cons_kind::kConstant)
        return numeric_relation_residue(r.ps[0], f);
    auto q = [&](int i) { return f[r.pots[static_cast<std::size_t>(i)]]; };
    const double s2 = size * size, s4 = s2 * s2;
    const P a = q(0), b = q(1), c = q(2), d = q(3);
    switch (r.kind) {
    case cons_kind::kHypCollinear: return cross(b - a, c - a) / s2;
    case cons_kind::kHypParallel: return cross(b - a, d - c) / s2;
    case cons_kind::kHypPerpendicular: return dot(b - a, d - c) / s2;
    case cons_kind::kHypEqDistance: return (dot(b - a, b - a) - dot(d - c, d - c)) / s2;
    case cons_kind::kHypEqAngle: return angle_difference(a, b, c, d, q(4), q(5)) / s4;
    // Inscribed angles over the chord AB at C and at D.
    case cons_kind::kHypCocircle: return angle_difference(a, c, b, a, d, b) / s4;
    default: return std::nullopt;
    }
}

// Roots the solver is to stay away from: places of a record where it met a
// named point. The residues are divided by the record's distances from
// them, so that they have no root there (deflation).
struct Deflation {
    int record = 0;
    std::vector<P> avoid;
};

// The residues of all constraints, or nothing.
std::optional<std::vector<double>> residues(Builder& b, int count, const std::vector<int>& constraints, double size,
                                            const Deflation& deflation = {})
{
    if (!b.place_all(count))
        return std::nullopt;
    double factor = 1;
    for (const P& p : deflation.avoid)
        factor *= size / dist(b.points()[static_cast<std::size_t>(deflation.record)], p);
    std::vector<double> out;
    for (int no : constraints) {
        const auto r = constraint_residue(no, b.figure(), size);
        if (!r || !std::isfinite(*r * factor))
            return std::nullopt;
        out.push_back(*r * factor);
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

// Points a, b, c of the figure lie on one line (or two of them in one place).
bool on_one_line(P a, P b, P c) { return std::abs(cross(b - a, c - a)) <= kOneLine * norm(b - a) * norm(c - a); }

// Points i, j, k of the figure are on one line where the statement does not
// force it: the statement names one of them twice, or they are on one line
// before the constraints moved the figure (a construction puts them so).
bool collapses(std::uint32_t i, std::uint32_t j, std::uint32_t k, const std::vector<P>& f, const std::vector<P>& raw)
{
    if (i == j || j == k || i == k)
        return false;
    return on_one_line(f[i], f[j], f[k]) && !on_one_line(raw[i], raw[j], raw[k]);
}

// Record r and the records its point is computed from.
void add_ancestors(std::uint32_t r, std::set<std::uint32_t>& out)
{
    if (r == 0 || !out.insert(r).second)
        return;
    const Pro_point& p = g_pro_points[r];
    for (std::uint32_t parent : p.pots)
        if (parent < r)
            add_ancestors(parent, out);
    // A point of a CIRCLE line after its first three lies on their circle.
    for (const ParseFact& circle : g_parse_facts)
        if (circle.kind == ParseFact::Kind::Circle && circle.pts.size() > 3 &&
            std::find(circle.pts.begin() + 3, circle.pts.end(), static_cast<int>(r)) != circle.pts.end())
            for (int i = 0; i < 3; ++i)
                add_ancestors(static_cast<std::uint32_t>(circle.pts[static_cast<std::size_t>(i)]), out);
}

// The records with free values that constraint no depends on, in order: the
// points it names and those they are constructed from. None for a CONSTANT
// relation, which names its points in its terms.
std::vector<int> free_dependencies(int no, const std::set<int>& drawing)
{
    const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
    std::vector<int> out;
    if (!r.hyp_predicate)
        return out;
    std::set<std::uint32_t> depends;
    for (std::uint32_t p : r.pots)
        add_ancestors(p, depends);
    for (std::uint32_t d : depends)
        if (drawing.count(static_cast<int>(d)))
            out.push_back(static_cast<int>(d));
    return out;
}

bool is_free_point(int record)
{
    return g_pro_points[static_cast<std::size_t>(record)].kind == cons_kind::kFreePoint;
}

// The first record after record r that names it among its points.
int first_use(int r)
{
    for (int i = r + 1; i <= g_npoints; ++i) {
        const auto& pots = g_pro_points[static_cast<std::size_t>(i)].pots;
        if (std::find(pots.begin(), pots.end(), static_cast<std::uint32_t>(r)) != pots.end())
            return i;
    }
    return r;
}

}  // namespace

bool is_constraint(int no)
{
    const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
    return r.hyp_predicate ||
           (r.kind == cons_kind::kConstant && constant_lines(no)[static_cast<std::size_t>(no)].role ==
                                                  Constant_line::Role::Relation);
}

bool moves_jointly(const Builder& b, const std::vector<int>& constraints, const std::vector<int>& placed)
{
    const std::vector<int>& owners = b.draw_records();
    std::map<int, long> asked;
    for (int record : placed) {
        if (record == 0)
            return true;
        ++asked[record];
    }
    if (std::any_of(asked.begin(), asked.end(), [&](const auto& entry) {
            return entry.second > std::count(owners.begin(), owners.end(), entry.first);
        }))
        return true;
    // Records are placed in order: a constraint that depends on a later
    // record which constraints place would not hold once that one is placed.
    const std::set<int> drawing(owners.begin(), owners.end());
    for (std::size_t i = 0; i < constraints.size(); ++i)
        for (int d : free_dependencies(constraints[i], drawing))
            if (d > placed[i] && asked.count(d))
                return true;
    return false;
}

std::optional<std::string> collapsed_line(int no, int placed, bool jointly, const std::vector<P>& f,
                                          const std::vector<P>& raw)
{
    const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
    if (!r.hyp_predicate)
        return std::nullopt;
    const auto& p = r.pots;
    const std::size_t points = r.kind == cons_kind::kHypEqAngle ? 6 : 4;
    // Moved jointly, the points placed before may have left their places to
    // make the placed point's line one with the other (a rhombus flattened
    // onto one line): they force nothing.
    const bool names_placed = !jointly && std::find(p.begin(), p.begin() + points,
                                                    static_cast<std::uint32_t>(placed)) != p.begin() + points;
    auto name = [&](std::initializer_list<std::uint32_t> ids) {
        std::string out;
        for (std::uint32_t x : ids)
            out += g_pro_points[x].name;
        return out;
    };
    switch (r.kind) {
    case cons_kind::kHypParallel:
        // The pair's lines are one line where the points placed before put
        // the placed point's partner on the other line, or where a point is
        // named in both: forced either way.
        if (names_placed || p[0] == p[2] || p[0] == p[3] || p[1] == p[2] || p[1] == p[3])
            return std::nullopt;
        if (collapses(p[0], p[1], p[2], f, raw) && collapses(p[0], p[1], p[3], f, raw))
            return "the lines " + name({p[0], p[1]}) + " and " + name({p[2], p[3]}) + " are one line";
        return std::nullopt;
    case cons_kind::kHypEqAngle: {
        // An angle with a point named twice, straight by construction, or
        // straight and not moved by the placed point, makes the other one
        // straight as well. An angle and its arms both moved by the placed
        // point are straight only on a degenerate factor (C on line AB for
        // the angles at A and B of triangle ABC).
        const auto straight_anyway = [&](std::size_t first) {
            const std::uint32_t i = p[first], j = p[first + 1], k = p[first + 2];
            const bool fixed = placed != 0 && i != static_cast<std::uint32_t>(placed) &&
                               j != static_cast<std::uint32_t>(placed) && k != static_cast<std::uint32_t>(placed);
            return i == j || j == k || i == k || on_one_line(raw[i], raw[j], raw[k]) ||
                   (fixed && on_one_line(f[i], f[j], f[k]));
        };
        if (straight_anyway(0) || straight_anyway(3))
            return std::nullopt;
        for (std::size_t first : {0U, 3U})
            if (collapses(p[first], p[first + 1], p[first + 2], f, raw))
                return "the arms " + name({p[first], p[first + 1]}) + " and " + name({p[first + 1], p[first + 2]}) +
                       " of the angle are one line";
        return std::nullopt;
    }
    case cons_kind::kHypCocircle: {
        // Three of the four on one line: the circle is a line. The placed
        // point goes on the circle through the other three, which is a line
        // only where the points placed before make it one.
        if (names_placed)
            return std::nullopt;
        const std::uint32_t q[] = {p[0], p[1], p[2], p[3]};
        for (int skip = 3; skip >= 0; --skip) {
            std::vector<std::uint32_t> t;
            for (int i = 0; i < 4; ++i)
                if (i != skip)
                    t.push_back(q[i]);
            if (collapses(t[0], t[1], t[2], f, raw))
                return name({t[0], t[1], t[2]}) + " are on one line";
        }
        return std::nullopt;
    }
    default: return std::nullopt;
    }
}

std::optional<std::string> collapsed_circle(const std::vector<P>& f, const std::vector<P>& raw)
{
    for (const ParseFact& circle : g_parse_facts) {
        if (circle.kind != ParseFact::Kind::Circle)
            continue;
        std::vector<std::uint32_t> on;
        for (int p : circle.pts)
            if (p > 0 && static_cast<std::size_t>(p) < f.size() && finite(f[static_cast<std::size_t>(p)]))
                on.push_back(static_cast<std::uint32_t>(p));
        for (std::size_t i = 0; i < on.size(); ++i)
            for (std::size_t j = i + 1; j < on.size(); ++j)
                for (std::size_t k = j + 1; k < on.size(); ++k)
                    if (collapses(on[i], on[j], on[k], f, raw))
                        return g_pro_points[on[i]].name + g_pro_points[on[j]].name + g_pro_points[on[k]].name +
                               " of a circle are on one line";
    }
    return std::nullopt;
}

namespace {

// The derivatives of the residues in the free values of the columns.
std::optional<std::vector<std::vector<double>>> jacobian(Builder& b, int count, const std::vector<int>& constraints,
                                                         double size, const std::vector<std::size_t>& columns,
                                                         const std::vector<double>& at, const Deflation& deflation = {})
{
    constexpr double kStep = 1e-7;
    std::vector<double>& d = b.draws();
    std::vector<std::vector<double>> jac(at.size(), std::vector<double>(columns.size()));
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const std::size_t j = columns[k];
        const double saved = d[j];
        d[j] += kStep;
        const auto moved = residues(b, count, constraints, size, deflation);
        d[j] = saved;
        if (!moved)
            return std::nullopt;
        for (std::size_t i = 0; i < at.size(); ++i)
            jac[i][k] = ((*moved)[i] - at[i]) / kStep;
    }
    return jac;
}

// Newton steps of least weighted length on the free values with a weight
// (a value of weight 0 stays), while they bring the residues down: to
// rounding, so that a point the constraints put on an earlier one lands
// there and not beside it (slowly where two roots meet there). True when the
// constraints hold at the end.
bool newton(Builder& b, int count, const std::vector<int>& constraints, double size, const std::vector<double>& weight,
            const Deflation& deflation = {})
{
    constexpr int kSteps = 60;
    constexpr double kShortest = 1e-9;
    std::vector<std::size_t> moving;
    for (std::size_t j = 0; j < weight.size(); ++j)
        if (weight[j] > 0)
            moving.push_back(j);
    bool met = false;
    for (int step = 0; step < kSteps; ++step) {
        const auto r = residues(b, count, constraints, size, deflation);
        if (!r)
            return false;
        double worst = 0;
        for (double x : *r)
            worst = std::max(worst, std::abs(x));
        met = worst < kHolds;
        if (worst == 0)
            return true;
        auto jac = jacobian(b, count, constraints, size, moving, *r, deflation);
        if (!jac)
            return met;
        const std::size_t m = r->size(), n = moving.size();
        for (auto& row : *jac)
            for (std::size_t k = 0; k < n; ++k)
                row[k] *= weight[moving[k]];
        std::vector<std::vector<double>> normal(m, std::vector<double>(m));
        for (std::size_t i = 0; i < m; ++i)
            for (std::size_t k = 0; k < m; ++k) {
                for (std::size_t j = 0; j < n; ++j)
                    normal[i][k] += (*jac)[i][j] * (*jac)[k][j];
                if (i == k)
                    normal[i][k] += 1e-14;
            }
        std::vector<double> y = *r;
        if (!solve(normal, y))
            return met;
        std::vector<double> move(n);
        for (std::size_t k = 0; k < n; ++k)
            for (std::size_t i = 0; i < m; ++i)
                move[k] += weight[moving[k]] * (*jac)[i][k] * y[i];
        // A whole step can overshoot where a residue flattens out; it is
        // halved until the worst residue falls.
        std::vector<double>& d = b.draws();
        const std::vector<double> from = d;
        bool better = false;
        for (double t = 1; t > kShortest && !better; t /= 2) {
            for (std::size_t k = 0; k < n; ++k)
                d[moving[k]] = from[moving[k]] - t * move[k];
            const auto tried = residues(b, count, constraints, size, deflation);
            better = tried && std::all_of(tried->begin(), tried->end(), [&](double x) { return std::abs(x) < worst; });
        }
        if (!better) {
            d = from;
            return met;
        }
    }
    return met;
}

// The named point other than record that point p of the figure falls on
// or stalls near; nothing when there is none.
std::optional<P> named_point_near(const std::vector<P>& f, int record, double size)
{
    const P x = f[static_cast<std::size_t>(record)];
    for (std::size_t i = 1; i < f.size(); ++i) {
        const Pro_point& r = g_pro_points[i];
        if (static_cast<int>(i) != record && !r.generated && !Builder::places_no_point(r) && finite(f[i]) &&
            dist(x, f[i]) <= kNear * size)
            return f[i];
    }
    return std::nullopt;
}

// Places record by its own constraints, starting from where it was drawn.
// Where it falls on a named point, the solver starts again from there with
// that root deflated, so that a proper root is found where there is one
// (the second point where a line through a point of a circle meets it);
// with none, the record stays on the named point.
bool place_record(Builder& b, int count, const std::vector<int>& own, double size, const std::vector<double>& weight,
                  int record)
{
    constexpr int kDeflations = 2;
    const std::vector<double> start = b.draws();
    if (!newton(b, count, own, size, weight))
        return false;
    Deflation deflation{record, {}};
    for (int tries = 0; tries < kDeflations; ++tries) {
        if (!b.place_all(count))
            return true;
        const auto near = named_point_near(b.points(), record, size);
        if (!near)
            return true;
        const std::vector<double> on_the_point = b.draws();
        deflation.avoid.push_back(*near);
        b.draws() = start;
        if (!newton(b, count, own, size, weight, deflation)) {
            b.draws() = on_the_point;
            return true;
        }
    }
    return true;
}

}  // namespace

std::vector<int> placed_records(Builder& b, int count, const std::vector<int>& constraints)
{
    b.draw_all(count);
    const std::vector<int>& owners = b.draw_records();
    const std::set<int> drawing(owners.begin(), owners.end());
    std::map<int, long> asked;
    auto values_left = [&](int record) {
        const auto it = asked.find(record);
        return (it == asked.end() ? 0 : it->second) < std::count(owners.begin(), owners.end(), record);
    };
    std::vector<int> placed;
    for (int no : constraints) {
        const std::vector<int> free = free_dependencies(no, drawing);
        int record = free.empty() ? 0 : free.back();
        // The reader numbers the free points first: a free point the
        // statement first names after a point with freedom of its own (on a
        // line, on a circle) comes after that point in the statement, which
        // stays generic on its line or circle while the constraint places
        // the free point (of several, the one declared last).
        if (record != 0 && !is_free_point(record)) {
            const int latest = record;
            for (int d : free)
                if (is_free_point(d) && values_left(d) && first_use(d) > latest)
                    record = d;
        }
        if (record != 0)
            ++asked[record];
        placed.push_back(record);
    }
    return placed;
}

std::optional<std::string> stalled_on_a_point(Builder& b, int count, const std::vector<int>& constraints)
{
    const std::vector<int> placed = placed_records(b, count, constraints);
    if (!b.place_all(count))
        return std::nullopt;
    const double size = b.size();
    const std::vector<int>& owners = b.draw_records();
    std::vector<double>& d = b.draws();
    for (int x : std::set<int>(placed.begin(), placed.end())) {
        const Pro_point& r = g_pro_points[static_cast<std::size_t>(x)];
        if (x == 0 || r.kind != cons_kind::kFreePoint)
            continue;
        const auto first = std::find(owners.begin(), owners.end(), x);
        if (first == owners.end() || first + 1 == owners.end() || first[1] != x)
            continue;
        const std::size_t at = static_cast<std::size_t>(first - owners.begin());
        const std::vector<P> figure = b.points();
        for (int p = 1; p <= count; ++p) {
            const Pro_point& named = g_pro_points[static_cast<std::size_t>(p)];
            if (p == x || named.generated || Builder::places_no_point(named))
                continue;
            const P there = figure[static_cast<std::size_t>(p)];
            if (!(dist(figure[static_cast<std::size_t>(x)], there) <= kNear * size))
                continue;
            // A point constructed from x moves with it.
            std::set<std::uint32_t> from;
            add_ancestors(static_cast<std::uint32_t>(p), from);
            if (from.count(static_cast<std::uint32_t>(x)))
                continue;
            const double saved_x = d[at], saved_y = d[at + 1];
            d[at] = there.x;
            d[at + 1] = there.y;
            const auto r_there = residues(b, count, constraints, size);
            d[at] = saved_x;
            d[at + 1] = saved_y;
            if (r_there && std::all_of(r_there->begin(), r_there->end(), [&](double v) { return std::abs(v) < kHolds; }))
                return r.name + " is the point " + named.name;
        }
    }
    return std::nullopt;
}

bool satisfy_constraints(Builder& b, int count, const std::vector<int>& constraints)
{
    // The principal component: records in order, each placed by the
    // constraints whose latest record with free values it is, the records
    // before it staying where they are.
    const std::vector<int> placed = placed_records(b, count, constraints);
    const double size = b.size();
    const std::vector<int>& owners = b.draw_records();
    std::map<int, std::vector<int>> groups;
    for (std::size_t i = 0; i < constraints.size(); ++i)
        groups[placed[i]].push_back(constraints[i]);
    if (moves_jointly(b, constraints, placed)) {
        // More is asked of a point than its values can give, a relation
        // places no point, or a point is placed before one its constraints
        // depend on: the values drawn before move too, as little as they
        // must.
        std::vector<double> weight(owners.size(), kStiff);
        for (std::size_t j = 0; j < owners.size(); ++j)
            if (groups.count(owners[j]) && owners[j] != 0)
                weight[j] = 1;
        return newton(b, count, constraints, size, weight);
    }
    for (const auto& [record, own] : groups) {
        std::vector<double> weight(owners.size());
        for (std::size_t j = 0; j < owners.size(); ++j)
            weight[j] = owners[j] == record ? 1 : 0;
        // Only the records up to its last constraint are computed: a later
        // one may have no point until this one is placed.
        if (!place_record(b, own.back(), own, size, weight, record))
            return false;
    }
    return true;
}

}  // namespace numeric_detail
