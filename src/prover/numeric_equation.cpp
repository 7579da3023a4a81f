// Equations between geometric quantities evaluated in a numeric figure.

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <optional>
#include <set>
#include <vector>

#include "prover/numeric_figure.h"
#include "prover/poly.h"
#include "prover/poly_coef.h"
#include "prover/prover.h"
#include "prover/variables.h"

namespace {

constexpr double kTolerance = 1e-6;

bool named(const var_rec* v) { return v->type == kVarNamed || v->type == kVarParam; }

// The full angle from line a1a2 to line a3a4, in radians.
std::optional<double> full_angle(const var_rec* v, const Num_figure& f)
{
    for (std::int32_t i : v->a)
        if (i <= 0 || static_cast<std::size_t>(i) >= f.size())
            return std::nullopt;
    auto dir = [&](int from, int to) {
        const Num_point a = f[static_cast<std::size_t>(from)], b = f[static_cast<std::size_t>(to)];
        return std::atan2(b.y - a.y, b.x - a.x);
    };
    return dir(v->a[2], v->a[3]) - dir(v->a[0], v->a[1]);
}

// A sum of full angles with whole coefficients, with the size of its terms
// (sum |coefficient| pi: each angle carries the rounding of directions up to
// a straight angle, however small it is).
struct Angle_sum {
    double sum = 0;
    double size = 0;
};

// p as a sum of full angles with whole coefficients (angles are known up to
// a straight angle, so no other polynomial of them has a value); nothing for
// any other polynomial, or for a coefficient beyond the doubles.
std::optional<Angle_sum> angle_terms(const xterm* p, const Num_figure& f)
{
    if (!p)
        return Angle_sum{};
    if (!p->var)
        return pzerop(p) ? std::optional<Angle_sum>(Angle_sum{}) : std::nullopt;
    if (p->var->type != kVarFullAngle)
        return std::nullopt;
    const auto theta = full_angle(p->var, f);
    if (!theta)
        return std::nullopt;
    Angle_sum out;
    for (const dterm* t = p->terms; t; t = t->next) {
        if (t->deg == 1 && t->coef && !t->coef->var) {
            const auto c = coef_nearest_double(t->coef);
            if (!c)
                return std::nullopt;
            out.sum += *c * *theta;
            out.size += std::abs(*c) * M_PI;
        } else if (t->deg == 0) {
            const auto rest = angle_terms(t->coef, f);
            if (!rest)
                return std::nullopt;
            out.sum += rest->sum;
            out.size += rest->size;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

// The value of a sum of full angles, as far as it is known up to a straight
// angle: nothing where the rounding of the angles, times coefficients this
// large, could move it by the tolerance.
std::optional<double> angle_sum(const xterm* p, const Num_figure& f)
{
    constexpr double kAngleRounding = 8 * std::numeric_limits<double>::epsilon();
    const auto terms = angle_terms(p, f);
    if (!terms || !std::isfinite(terms->sum) || terms->size * kAngleRounding > 0.1 * kTolerance)
        return std::nullopt;
    return terms->sum;
}

// How far a sum of angles is from a whole number of straight angles.
double off_straight(double angle) { return std::abs(std::sin(angle)); }

using Complex = std::complex<double>;

// A value with the size of the terms it was summed from, so that a residue
// can be judged relative to them. Vectors are complex numbers.
struct Value {
    Complex value = 0;
    double size = 0;
};

// A value that overflowed the doubles on the way tells nothing.
bool finite(const Value& v)
{
    return std::isfinite(v.value.real()) && std::isfinite(v.value.imag()) && std::isfinite(v.size);
}

// x to the power n, with its size. (std::pow of a complex 0 to the power
// 0 is not 1.)
Value power(const Value& x, unsigned n)
{
    Value out{1, 1};
    for (; n > 0; --n) {
        out.value *= x.value;
        out.size *= x.size;
    }
    return out;
}

// Coefficients of a polynomial in one variable, each with its size.
using Coefficients = std::vector<Value>;

void add_scaled(Coefficients& to, const Coefficients& from, const Value& factor, std::size_t shift)
{
    if (to.size() < from.size() + shift)
        to.resize(from.size() + shift);
    for (std::size_t i = 0; i < from.size(); ++i) {
        to[i + shift].value += factor.value * from[i].value;
        to[i + shift].size += factor.size * from[i].size;
    }
}

class Evaluator {
public:
    // With vectors, the vector method's names w (a turn by a third of a full
    // turn) and i (a quarter turn) are complex units.
    Evaluator(const Num_figure& f, bool vectors) : f_(f), vectors_(vectors) {}

    // p's value; nothing where it cannot be evaluated or overflows.
    std::optional<Value> eval(const xterm* p) const
    {
        const auto c = coefficients(p, nullptr);
        if (!c)
            return std::nullopt;
        const Value v = c->empty() ? Value{} : c->front();
        if (!finite(v))
            return std::nullopt;
        return v;
    }

    // p as a polynomial in v, every other variable evaluated (null v: p's
    // value, its only coefficient).
    std::optional<Coefficients> coefficients(const xterm* p, const var_rec* v) const
    {
        if (!p)
            return Coefficients{};
        if (!p->var) {
            const auto c = coef_nearest_double(p);
            if (!c)
                return std::nullopt;
            return Coefficients{Value{*c, std::abs(*c)}};
        }
        std::optional<Value> x;
        if (p->var != v && !(x = variable(p->var)))
            return std::nullopt;
        Coefficients sum;
        for (const dterm* t = p->terms; t; t = t->next) {
            const auto c = coefficients(t->coef, v);
            if (!c)
                return std::nullopt;
            if (x)
                add_scaled(sum, *c, power(*x, t->deg), 0);
            else
                add_scaled(sum, *c, Value{1, 1}, t->deg);
        }
        return sum;
    }

private:
    const Num_figure& f_;
    bool vectors_ = false;

    std::optional<Num_point> at(int i) const
    {
        if (i <= 0 || static_cast<std::size_t>(i) >= f_.size())
            return std::nullopt;
        return f_[static_cast<std::size_t>(i)];
    }

    // The value of a variable, with the size of the terms it is computed
    // from (at least its own).
    std::optional<Value> variable(const var_rec* v) const
    {
        const auto exact = [](Complex x) { return Value{x, std::abs(x)}; };
        if (named(v)) {
            if (const auto it = f_.values.find(v); it != f_.values.end())
                return exact(it->second);
            if (vectors_ && v->name == "w")
                return exact(std::polar(1.0, 2 * M_PI / 3));
            if (vectors_ && v->name == "i")
                return exact(Complex(0, 1));
            return std::nullopt;
        }
        const auto [i1, i2, i3, i4] = v->a;
        if (v->type == kVarVector) {
            // The vector from a1 to a2, or the position of a1.
            const auto p = at(i1);
            const auto q = i2 == 0 ? p : at(i2);
            if (!p || !q)
                return std::nullopt;
            if (i2 == 0)
                return exact(Complex(p->x, p->y));
            return exact(Complex(q->x - p->x, q->y - p->y));
        }
        const auto a = at(i1), b = at(i2), c = at(i3), d = at(i4);
        if (!a || !b || !c || !d)
            return std::nullopt;
        auto cross3 = [](Num_point o, Num_point p, Num_point q) {
            return (p.x - o.x) * (q.y - o.y) - (p.y - o.y) * (q.x - o.x);
        };
        auto dist2 = [](Num_point p, Num_point q) { return (p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y); };
        // The size of cross3(o, p, q): the product of the two lengths.
        auto cross3_size = [&](Num_point o, Num_point p, Num_point q) { return std::sqrt(dist2(o, p) * dist2(o, q)); };
        switch (v->type) {
        case kVarRatio: {
            // Directed segments a1a2 / a3a4: a value only on parallel lines.
            const double ux = b->x - a->x, uy = b->y - a->y, wx = d->x - c->x, wy = d->y - c->y;
            const double w2 = wx * wx + wy * wy, u2 = ux * ux + uy * uy;
            if (w2 <= kTolerance || std::abs(ux * wy - uy * wx) > kTolerance * std::sqrt(u2 * w2 + 1))
                return std::nullopt;
            return Value{(ux * wx + uy * wy) / w2, std::sqrt(u2 / w2)};
        }
        case kVarArea:
            return Value{(cross3(*a, *b, *d) - cross3(*c, *b, *d)) / 2,
                         (cross3_size(*a, *b, *d) + cross3_size(*c, *b, *d)) / 2};
        case kVarPyth:
            return Value{dist2(*a, *b) + dist2(*c, *d) - dist2(*b, *c) - dist2(*d, *a),
                         dist2(*a, *b) + dist2(*c, *d) + dist2(*b, *c) + dist2(*d, *a)};
        default: return std::nullopt;
        }
    }
};

}  // namespace

std::vector<Constant_line> constant_lines(int count)
{
    std::vector<Constant_line> lines(static_cast<std::size_t>(count) + 1);
    std::set<const var_rec*> given;
    for (int i = 1; i <= count; ++i) {
        const Pro_point& r = g_pro_points[static_cast<std::size_t>(i)];
        if (r.kind != cons_kind::kConstant || !r.ps[0])
            continue;
        std::vector<const var_rec*> unknowns;
        for (const var_rec* v : vars2(r.ps[0]))
            if (named(v) && !given.count(v))
                unknowns.push_back(v);
        Constant_line& line = lines[static_cast<std::size_t>(i)];
        if (unknowns.size() == 1) {
            line = {Constant_line::Role::Value, unknowns.front()};
            given.insert(unknowns.front());
        } else if (unknowns.size() > 1) {
            line.role = Constant_line::Role::Undetermined;
        }
    }
    return lines;
}

int numeric_equation_holds(const xterm* lhs, const xterm* rhs, const Num_figure& f)
{
    if (has_var_of_type(lhs, kVarFullAngle) || has_var_of_type(rhs, kVarFullAngle)) {
        const auto l = angle_sum(lhs, f), r = angle_sum(rhs, f);
        if (!l || !r)
            return -1;
        return off_straight(*l - *r) <= kTolerance;
    }
    const Evaluator e(f, has_var_of_type(lhs, kVarVector) || has_var_of_type(rhs, kVarVector));
    const auto l = e.eval(lhs), r = e.eval(rhs);
    if (!l || !r)
        return -1;
    return std::abs(l->value - r->value) <= kTolerance * (1 + l->size + r->size);
}

std::optional<double> numeric_relation_residue(const xterm* p, const Num_figure& f)
{
    if (has_var_of_type(p, kVarFullAngle)) {
        const auto sum = angle_sum(p, f);
        return sum ? std::optional<double>(std::sin(*sum)) : std::nullopt;
    }
    if (has_var_of_type(p, kVarVector))
        return std::nullopt;
    const auto v = Evaluator(f, false).eval(p);
    if (!v)
        return std::nullopt;
    return v->value.real() / (1 + v->size);
}

std::optional<double> numeric_value(const xterm* p, const Num_figure& f)
{
    if (has_var_of_type(p, kVarVector) || has_var_of_type(p, kVarFullAngle))
        return std::nullopt;
    const auto v = Evaluator(f, false).eval(p);
    return v ? std::optional<double>(v->value.real()) : std::nullopt;
}

std::optional<std::vector<double>> numeric_coefficients(const xterm* p, const var_rec* v, const Num_figure& f)
{
    // Relative to the size of its terms, a coefficient that is rounding
    // error of them.
    constexpr double kRoundingOnly = 1e-9;
    if (has_var_of_type(p, kVarVector) || has_var_of_type(p, kVarFullAngle))
        return std::nullopt;
    const auto c = Evaluator(f, false).coefficients(p, v);
    if (!c || !std::all_of(c->begin(), c->end(), [](const Value& term) { return finite(term); }))
        return std::nullopt;
    std::vector<double> out;
    for (const Value& term : *c)
        out.push_back(std::abs(term.value) <= kRoundingOnly * term.size ? 0.0 : term.value.real());
    return out;
}
