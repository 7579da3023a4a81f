#pragma once
// A numeric model of a statement for the area and vector method tests: every
// point of the point table gets coordinates built from its construction
// (free points at random, point 1 at the origin and point 2 on the y axis, as
// the coordinates of the area method have them),
// and every quantity variable of the method gets its value there. A proof
// chain is then checked step by step: every elimination step must hold at
// the figure, and every record's quotient must keep the first one's value.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "algebra/proof_chain.h"
#include "prover/poly.h"
#include "prover/prover.h"

namespace area_numeric {

using Num = std::complex<long double>;
using Pt = std::complex<long double>;  // x + i y

inline long double cross(Pt a, Pt b) { return a.real() * b.imag() - a.imag() * b.real(); }
inline long double dot(Pt a, Pt b) { return a.real() * b.real() + a.imag() * b.imag(); }
inline Pt J(Pt a) { return Pt(-a.imag(), a.real()); }
inline Pt foot(Pt a, Pt b, Pt c) { return b + (dot(a - b, c - b) / std::norm(c - b)) * (c - b); }
// Intersection of the lines through p with direction u and through q with direction v.
inline Pt meet(Pt p, Pt u, Pt q, Pt v) { return p + (cross(q - p, v) / cross(u, v)) * u; }
inline Pt circumcentre(Pt a, Pt b, Pt c)
{
    return meet((a + b) / 2.0L, J(b - a), (a + c) / 2.0L, J(c - a));
}
inline Pt reflect(Pt a, Pt b, Pt c) { return 2.0L * foot(a, b, c) - a; }

class Model {
public:
    explicit Model(unsigned seed) : rng_(seed) {}

    // Builds every point 1..last of the point table; false when a kind has
    // no numeric model here.
    bool build(int last)
    {
        pts_.assign(static_cast<std::size_t>(last) + 1, Pt{});
        for (int i = 1; i <= last; ++i)
            if (!construct(i))
                return false;
        return true;
    }

    Pt& operator[](int i) { return pts_.at(static_cast<std::size_t>(i)); }
    void set_named(const std::string& name, Num v) { named_[name] = v; }

    // Value of a variable at the figure.
    Num value(const var_rec* v)
    {
        const auto p = [&](int k) {
            const int q = v->a[static_cast<std::size_t>(k)];
            return q == 0 ? Pt{} : (*this)[q];
        };
        switch (v->type) {
        case kVarNamed:
        case kVarParam:
            return named_value(v->name);
        case 1:
        case -1:
            return dot(p(1) - p(0), p(3) - p(2)) / std::norm(p(3) - p(2));
        case 2:
        case -2:
            return 0.5L * cross(p(0) - p(2), p(1) - p(3));
        case 3:
        case -3:
            return 2.0L * dot(p(0) - p(2), p(3) - p(1));
        case 4:
            return v->a[1] == 0 ? p(0) : p(0) - p(1);
        case 5:
            return diameter_ * std::sin(theta(v->a[1]) - theta(v->a[0]));
        case 6:
            return std::sin(theta(v->a[1]) - theta(v->a[0]));
        case 7:
            return std::cos(theta(v->a[1]) - theta(v->a[0]));
        case 16:
            return std::sin(theta(v->a[0]));
        case 17:
            return std::cos(theta(v->a[0]));
        default:
            ADD_FAILURE() << "no value for " << var_text(v, 0);
            return 0;
        }
    }

    Num eval(const xterm* p)
    {
        if (!p)
            return 1;
        if (pconstp(p))
            return pbigp(p) ? std::stold(poly_text(p, 0)) : static_cast<long double>(p->value);
        const Num x = value(p->var);
        Num sum = 0;
        for (const dterm* t = p->terms; t; t = t->next)
            sum += eval(t->coef) * std::pow(x, static_cast<int>(t->deg));
        return sum;
    }

    Num eval_list(const dterm* list)
    {
        Num r = 1;
        for (; list; list = list->next)
            if (list->coef)
                r *= std::pow(eval(list->coef), static_cast<int>(list->deg));
        return r;
    }

    // The circle of the circle passes: its centre, diameter and the half
    // central angles of its points counted from point 1.
    void set_circle(Pt centre) { set_circle(centre, pts_[1]); }
    // The same for a circle through the given point (point 1 may be its centre).
    void set_circle(Pt centre, Pt through)
    {
        centre_ = centre;
        diameter_ = 2.0L * std::abs(through - centre);
        named_["\\d"] = diameter_;
    }

private:
    Num named_value(const std::string& name)
    {
        if (const auto it = named_.find(name); it != named_.end())
            return it->second;
        if (name == "i")
            return Num(0, 1);
        if (name == "w")
            return std::exp(Num(0, 2.0L * std::acos(-1.0L) / 3.0L));
        if (name.size() > 2 && (name[0] == 'x' || name[0] == 'y') && name[1] == '_') {
            const Pt q = pts_.at(static_cast<std::size_t>(std::stoi(name.substr(2))));
            return name[0] == 'x' ? q.real() : q.imag();
        }
        ADD_FAILURE() << "no value for the named variable " << name;
        return 0;
    }

    long double theta(int p)
    {
        const long double a1 = std::arg(pts_[1] - centre_);
        long double phi = std::arg(pts_.at(static_cast<std::size_t>(p)) - centre_) - a1;
        const long double two_pi = 2.0L * std::acos(-1.0L);
        while (phi < 0)
            phi += two_pi;
        return -phi / 2.0L;  // clockwise: the orientation of the circle passes
    }

    long double random(long double lo, long double hi)
    {
        return std::uniform_real_distribution<long double>(lo, hi)(rng_);
    }
    Pt random_pt() { return {random(-10, 10), random(-10, 10)}; }

    long double poly_value(const xterm* p) { return eval(p).real(); }

    bool construct(int i)
    {
        const Pro_point& r = g_pro_points[static_cast<std::size_t>(i)];
        const auto q = [&](int k) { return pts_.at(r.pots[static_cast<std::size_t>(k - 1)]); };
        Pt& X = pts_[static_cast<std::size_t>(i)];
        const int kind = static_cast<int>(r.kind);
        switch (kind) {
        case 101:
            X = i == 1 ? Pt{} : i == 2 ? Pt{0, random(3, 10)} : random_pt();
            return true;
        case 1:  // a point of a CIRCLE line: on the circle of the first three
            if (i <= 3 || circle_points_ < 3) {
                X = i == 1 ? Pt{} : i == 2 ? Pt{0, random(3, 10)} : random_pt();
                ++circle_points_;
                if (circle_points_ == 3)
                    circle_ = circumcentre(pts_[1], pts_[2], pts_[3]);
                return true;
            }
            X = circle_ + std::polar(std::abs(pts_[1] - circle_), random(0, 6.28L));
            return true;
        case 102: X = foot(q(1), q(2), q(3)); return true;
        case 103: X = (q(1) + q(2)) / 2.0L; return true;
        case 104: X = (q(1) + q(2) + q(3)) / 3.0L; return true;
        case 105: X = circumcentre(q(1), q(2), q(3)); return true;
        case 106: X = meet(q(1), J(q(3) - q(2)), q(2), J(q(3) - q(1))); return true;
        case 107: {
            // A B I: the sides through A and B are AB reflected in AI and BI.
            const Pt A = q(1), B = q(2), I = q(3);
            X = meet(A, reflect(B, A, I) - A, B, reflect(A, B, I) - B);
            return true;
        }
        case 109: {
            const Num w = std::exp(Num(0, 2.0L * std::acos(-1.0L) / 3.0L));
            X = -w * q(1) - w * w * q(2);
            return true;
        }
        case 110: X = q(1) + random(-2, 2) * (q(2) - q(1)); return true;
        case 111: X = q(1) + random(-2, 2) * (q(3) - q(2)); return true;
        case 112: {
            const long double t = random(-2, 2);
            X = q(1) + t * J(q(3) - q(2));
            named_["t_{" + r.name + "}"] = t;
            return true;
        }
        case 113: X = q(1) + std::polar(std::abs(q(2) - q(1)), random(0, 6.28L)); return true;
        case 114: {
            const Pt A = q(1), B = q(2), C = q(3), D = q(4), E = q(5);
            const long double s = -4 * 0.5L * cross(C - E, D - E) / (2.0L * dot(C - D, E - D));
            X = B + s * J(A - B);
            return true;
        }
        case 116: X = meet(q(1), q(2) - q(1), q(3), q(4) - q(3)); return true;
        case 117: X = meet(q(1), q(2) - q(1), q(3), q(5) - q(4)); return true;
        case 118: X = meet(q(1), q(2) - q(1), q(3), J(q(5) - q(4))); return true;
        case 119: X = meet(q(1), q(3) - q(2), q(4), q(6) - q(5)); return true;
        case 120: X = meet(q(1), q(3) - q(2), q(4), J(q(6) - q(5))); return true;
        case 121: X = meet(q(1), J(q(3) - q(2)), q(4), J(q(6) - q(5))); return true;
        case 122: {
            // The second point of line AB on the circle of centre O through C (C is A or B).
            const Pt A = q(1), B = q(2), O = q(3), C = q(4);
            const Pt P = C, D = (C == A ? B : A) - P;
            X = P + (2.0L * dot(O - P, D) / std::norm(D)) * D;
            return true;
        }
        case 123: {
            const Pt P = q(1), D = q(3) - q(2), O = q(4);
            X = P + (2.0L * dot(O - P, D) / std::norm(D)) * D;
            return true;
        }
        case 125: X = reflect(q(2), q(1), q(3)); return true;
        case 129: X = 2.0L * q(1) - q(2); return true;
        case 130: X = reflect(q(1), q(2), q(3)); return true;
        case 131: {
            const Pt A = q(1), O = q(2), B = q(3);
            X = O + (std::norm(B - O) / std::norm(A - O)) * (A - O);
            return true;
        }
        case 132: X = q(1) + J(q(2) - q(1)); return true;
        case 133: X = q(1) - J(q(2) - q(1)); return true;
        case 197:
        case 198:
        case 199: {
            const long double a = poly_value(r.ps[0]), b = poly_value(r.ps[1]);
            const long double t = kind == 198 ? a / (a + b) : a / b;
            X = kind == 199 ? q(1) + t * (q(3) - q(2)) : q(1) + t * (q(2) - q(1));
            return true;
        }
        default:
            return false;
        }
    }

    std::mt19937 rng_;
    std::vector<Pt> pts_;
    std::map<std::string, Num> named_;
    Pt centre_{};
    Pt circle_{};
    int circle_points_ = 0;
    long double diameter_ = 1;
};

inline bool close(Num a, Num b, long double tol = 1e-6L)
{
    const long double scale = std::max({1.0L, std::abs(a), std::abs(b)});
    return std::abs(a - b) <= tol * scale;
}

// Checks every step and record of the proof chain at the figure; returns the
// number of failures (each reported).
inline int check_chain(Model& m)
{
    int failures = 0;
    const quot_rec* first = g_proof_head.next;
    if (!first)
        return 0;
    const Num n0 = m.eval(first->nc) * m.eval_list(first->np);
    const Num d0 = m.eval(first->dc) * m.eval_list(first->dp);
    int index = 0;
    for (const quot_rec* r = first; r; r = r->next, ++index) {
        if (r->type > 0 || r->type <= -10) {
            for (const elim_step* s = r->steps; s; s = s->next) {
                const Num x = m.value(s->var);
                if (s->num) {
                    const Num num = m.eval(s->num), den = m.eval(s->den);
                    if (!close(x * den, num)) {
                        ++failures;
                        ADD_FAILURE() << "record " << index << ": " << var_text(s->var, 0) << " = " << x.real()
                                      << " but the value is " << (num / den).real() << " ("
                                      << poly_text(s->num, 0) << ") / (" << poly_text(s->den, 0) << ")";
                    }
                } else if (!close(m.eval(s->den), 0)) {
                    ++failures;
                    ADD_FAILURE() << "record " << index << ": equation " << poly_text(s->den, 0) << " is "
                                  << m.eval(s->den).real();
                }
            }
        }
        if (r->type == kQuotCancel && !r->np && !r->dp && r->cancelled)
            continue;  // the verdict's record: the common product
        const Num n = m.eval(r->nc) * m.eval_list(r->np);
        const Num d = m.eval(r->dc) * m.eval_list(r->dp);
        if (!close(n * d0, n0 * d, 1e-5L)) {
            ++failures;
            ADD_FAILURE() << "record " << index << " (type " << int(r->type) << ") changes the quotient: "
                          << (n / d).real() << " against " << (n0 / d0).real();
        }
    }
    return failures;
}

}  // namespace area_numeric
