// Moving a figure onto the statement's hypothesis predicates and CONSTANT
// relations.

#include <algorithm>
#include <cmath>

#include "statement/numeric_builder.h"

namespace numeric_detail {

namespace {

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

}  // namespace

bool is_constraint(int no)
{
    const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
    return r.hyp_predicate || (r.kind == Builder::kConstantKind && !constant_names_a_value(r));
}

bool holds_properly(int no, const std::vector<P>& f)
{
    const Pro_point& r = g_pro_points[static_cast<std::size_t>(no)];
    if (!r.hyp_predicate || r.kind != 117)
        return true;
    const P a = f[r.pots[0]], b = f[r.pots[1]], c = f[r.pots[2]];
    // Named twice among the three, a point asks nothing of the others.
    if (Builder::same_point(a, b) || Builder::same_point(b, c) || Builder::same_point(a, c))
        return true;
    return std::abs(cross(b - a, c - a)) > 1e-6 * norm(b - a) * norm(c - a);
}

bool satisfy_constraints(Builder& b, int count, const std::vector<int>& constraints)
{
    constexpr int kSteps = 40;
    constexpr double kStep = 1e-7;
    constexpr double kHolds = 1e-12;
    constexpr double kShortest = 1e-9;
    constexpr int kPolish = 2;
    int polished = 0;
    bool met = false;
    for (int step = 0; step < kSteps; ++step) {
        const auto r = residues(b, count, constraints);
        if (!r)
            return false;
        double worst = 0;
        for (double x : *r)
            worst = std::max(worst, std::abs(x));
        // Met: two more steps take it to rounding, so that a point the
        // constraint puts on an earlier one lands there and not beside it.
        met = worst < kHolds;
        if (met && polished++ == kPolish)
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
                return met;
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
            return met;
        std::vector<double> move(n);
        for (std::size_t j = 0; j < n; ++j)
            for (std::size_t i = 0; i < m; ++i)
                move[j] += jac[i][j] * y[i];
        // A whole step can overshoot where a residue flattens out (a relation
        // scaled by its own size); it is halved until the worst residue falls.
        const std::vector<double> from = d;
        bool better = false;
        for (double t = 1; t > kShortest && !better; t /= 2) {
            for (std::size_t j = 0; j < n; ++j)
                d[j] = from[j] - t * move[j];
            const auto tried = residues(b, count, constraints);
            better = tried && std::all_of(tried->begin(), tried->end(), [&](double x) { return std::abs(x) < worst; });
        }
        if (!better) {
            d = from;
            return met;
        }
    }
    return met;
}

}  // namespace numeric_detail
