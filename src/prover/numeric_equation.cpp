// Equations between geometric quantities evaluated in a numeric figure.

#include <cmath>
#include <complex>
#include <map>
#include <optional>

#include "prover/numeric_figure.h"
#include "prover/poly.h"
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

// A sum of full angles with whole coefficients (angles are known up to a
// straight angle, so no other polynomial of them has a value); nothing for
// any other polynomial.
std::optional<double> angle_sum(const xterm* p, const Num_figure& f)
{
    if (!p)
        return 0.0;
    if (!p->var)
        return lnum(p) == 0 ? std::optional<double>(0.0) : std::nullopt;
    if (p->var->type != kVarFullAngle)
        return std::nullopt;
    const auto theta = full_angle(p->var, f);
    if (!theta)
        return std::nullopt;
    double sum = 0;
    for (const dterm* t = p->terms; t; t = t->next) {
        if (t->deg == 1 && t->coef && !t->coef->var) {
            sum += static_cast<double>(lnum(t->coef)) * *theta;
        } else if (t->deg == 0) {
            const auto rest = angle_sum(t->coef, f);
            if (!rest)
                return std::nullopt;
            sum += *rest;
        } else {
            return std::nullopt;
        }
    }
    return sum;
}

// How far a sum of angles is from a whole number of straight angles.
double off_straight(double angle) { return std::abs(std::sin(angle)); }

// The terms of degree 1 and 0 of a polynomial of degree 1 in its main
// variable (either may be null); nothing for a higher degree.
std::optional<std::pair<const xterm*, const xterm*>> linear_terms(const xterm* p)
{
    const xterm* one = nullptr;
    const xterm* zero = nullptr;
    for (const dterm* t = p->terms; t; t = t->next) {
        if (t->deg > 1)
            return std::nullopt;
        (t->deg == 1 ? one : zero) = t->coef;
    }
    return std::pair{one, zero};
}

using Complex = std::complex<double>;

// A value with the size of the terms it was summed from, so that a residue
// can be judged relative to them. Vectors are complex numbers.
struct Value {
    Complex value = 0;
    double size = 0;
};

class Evaluator {
public:
    // With vectors, the vector method's names w (a turn by a third of a full
    // turn) and i (a quarter turn) are complex units.
    Evaluator(const Num_figure& f, bool vectors) : f_(f), vectors_(vectors) {}

    // The named values the CONSTANT lines define, in statement order.
    void define_named_values()
    {
        for (int i = 1; i <= g_npoints; ++i) {
            const Pro_point& r = g_pro_points[static_cast<std::size_t>(i)];
            if (r.kind != cons_kind::kConstant || !constant_names_a_value(r))
                continue;
            const auto [one, zero] = *linear_terms(r.ps[0]);
            const auto a = eval(one), b = eval(zero);
            if (a && b && std::abs(a->value) > kTolerance)
                values_[r.ps[0]->var] = -b->value / a->value;
        }
    }

    std::optional<Value> eval(const xterm* p) const
    {
        if (!p)
            return Value{};
        if (!p->var) {
            const double c = static_cast<double>(lnum(p));
            return Value{c, std::abs(c)};
        }
        const auto x = variable(p->var);
        if (!x)
            return std::nullopt;
        Value sum;
        for (const dterm* t = p->terms; t; t = t->next) {
            const auto c = eval(t->coef);
            if (!c)
                return std::nullopt;
            const Complex power = std::pow(*x, t->deg);
            sum.value += c->value * power;
            sum.size += c->size * std::abs(power);
        }
        return sum;
    }

private:
    const Num_figure& f_;
    bool vectors_ = false;
    std::map<const var_rec*, Complex> values_;

    std::optional<Num_point> at(int i) const
    {
        if (i <= 0 || static_cast<std::size_t>(i) >= f_.size())
            return std::nullopt;
        return f_[static_cast<std::size_t>(i)];
    }

    std::optional<Complex> variable(const var_rec* v) const
    {
        if (named(v)) {
            if (const auto it = values_.find(v); it != values_.end())
                return it->second;
            if (vectors_ && v->name == "w")
                return std::polar(1.0, 2 * M_PI / 3);
            if (vectors_ && v->name == "i")
                return Complex(0, 1);
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
                return Complex(p->x, p->y);
            return Complex(q->x - p->x, q->y - p->y);
        }
        const auto a = at(i1), b = at(i2), c = at(i3), d = at(i4);
        if (!a || !b || !c || !d)
            return std::nullopt;
        auto cross3 = [](Num_point o, Num_point p, Num_point q) {
            return (p.x - o.x) * (q.y - o.y) - (p.y - o.y) * (q.x - o.x);
        };
        auto dist2 = [](Num_point p, Num_point q) { return (p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y); };
        switch (v->type) {
        case kVarRatio: {
            // Directed segments a1a2 / a3a4: a value only on parallel lines.
            const double ux = b->x - a->x, uy = b->y - a->y, wx = d->x - c->x, wy = d->y - c->y;
            const double w2 = wx * wx + wy * wy, u2 = ux * ux + uy * uy;
            if (w2 <= kTolerance || std::abs(ux * wy - uy * wx) > kTolerance * std::sqrt(u2 * w2 + 1))
                return std::nullopt;
            return (ux * wx + uy * wy) / w2;
        }
        case kVarArea: return (cross3(*a, *b, *d) - cross3(*c, *b, *d)) / 2;
        case kVarPyth: return dist2(*a, *b) + dist2(*c, *d) - dist2(*b, *c) - dist2(*d, *a);
        default: return std::nullopt;
        }
    }
};

}  // namespace

bool constant_names_a_value(const Pro_point& r)
{
    const xterm* p = r.ps[0];
    if (!p || !p->var || !named(p->var))
        return false;
    const auto terms = linear_terms(p);
    return terms && terms->first;
}

int numeric_equation_holds(const xterm* lhs, const xterm* rhs, const Num_figure& f)
{
    if (has_var_of_type(lhs, kVarFullAngle) || has_var_of_type(rhs, kVarFullAngle)) {
        const auto l = angle_sum(lhs, f), r = angle_sum(rhs, f);
        if (!l || !r)
            return -1;
        return off_straight(*l - *r) <= kTolerance;
    }
    Evaluator e(f, has_var_of_type(lhs, kVarVector) || has_var_of_type(rhs, kVarVector));
    e.define_named_values();
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
    Evaluator e(f, false);
    e.define_named_values();
    const auto v = e.eval(p);
    if (!v)
        return std::nullopt;
    return v->value.real() / (1 + v->size);
}
