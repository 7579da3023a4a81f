#pragma once
// Exact evaluation of prover polynomials at a concrete figure, modulo the
// prime 10^9 + 7 (in which 3 has a square root, for equilateral triangles).
// The figure gives every point of the statement its coordinates; point 1 sits
// at the origin and point 2 on the x axis, as the coordinate variables say.

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "prover/poly.h"

namespace figure {

constexpr std::uint64_t kP = 1000000007;

struct M {
    std::uint64_t v = 0;
    M() = default;
    M(long long x) : v(static_cast<std::uint64_t>(((x % static_cast<long long>(kP)) + static_cast<long long>(kP)) %
                                                  static_cast<long long>(kP))) {}
    friend M operator+(M a, M b) { return M::raw((a.v + b.v) % kP); }
    friend M operator-(M a, M b) { return M::raw((a.v + kP - b.v) % kP); }
    friend M operator*(M a, M b) { return M::raw(a.v * b.v % kP); }
    friend bool operator==(M a, M b) { return a.v == b.v; }
    M pow(std::uint64_t e) const
    {
        M r = 1, b = *this;
        for (; e; e >>= 1, b = b * b)
            if (e & 1)
                r = r * b;
        return r;
    }
    M inv() const { return pow(kP - 2); }
    friend M operator/(M a, M b) { return a * b.inv(); }
    // A square root (kP = 3 mod 4); only meaningful for squares.
    M sqrt() const { return pow((kP + 1) / 4); }
    static M raw(std::uint64_t x)
    {
        M m;
        m.v = x;
        return m;
    }
};

struct Pt {
    M x, y;
};
inline Pt operator+(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }
inline Pt operator-(Pt a, Pt b) { return {a.x - b.x, a.y - b.y}; }
inline Pt operator*(M k, Pt a) { return {k * a.x, k * a.y}; }
inline M dot(Pt a, Pt b) { return a.x * b.x + a.y * b.y; }
inline M cross(Pt a, Pt b) { return a.x * b.y - a.y * b.x; }
inline Pt turn90(Pt a) { return {M(0) - a.y, a.x}; }  // by +90 degrees
inline bool operator==(Pt a, Pt b) { return a.x == b.x && a.y == b.y; }

// Foot of the perpendicular from a to line bc.
inline Pt foot(Pt a, Pt b, Pt c)
{
    const Pt d = c - b;
    return b + (dot(a - b, d) / dot(d, d)) * d;
}
// Intersection of the lines through p with direction u and through q with direction v.
inline Pt meet(Pt p, Pt u, Pt q, Pt v) { return p + (cross(q - p, v) / cross(u, v)) * u; }

class Figure {
public:
    explicit Figure(unsigned seed) : rng_(seed) {}

    M random() { return M(static_cast<long long>(rng_() % 1000003) + 7); }
    Pt random_pt() { return {random(), random()}; }

    // Point i (1-based) of the statement.
    Pt& operator[](int i)
    {
        if (static_cast<std::size_t>(i) >= pts_.size())
            pts_.resize(static_cast<std::size_t>(i) + 1);
        return pts_[static_cast<std::size_t>(i)];
    }
    void set_named(const std::string& name, M value) { named_[name] = value; }

    // Coordinate x_k or parameter u_k: point k/2 + 2 (point 2 for k = 1).
    M coordinate(int k)
    {
        if (k == 1)
            return (*this)[2].x;
        const Pt& p = (*this)[k / 2 + 2];
        return k % 2 == 0 ? p.x : p.y;
    }

    M eval(const xterm* p)
    {
        if (!p->var)
            return M(static_cast<long long>(p->value));
        const M x = value_of(p->var);
        M sum = 0;
        for (const dterm* t = p->terms; t; t = t->next)
            sum = sum + eval(t->coef) * x.pow(t->deg);
        return sum;
    }
    bool vanishes(const xterm* p) { return eval(p) == M(0); }

private:
    M value_of(const var_rec* v)
    {
        switch (v->type) {
        case kVarCoord:
        case kVarU:
            return coordinate(v->a[0]);
        case kVarNamed:
        case kVarParam:
            return named_.at(v->name);
        default:
            ADD_FAILURE() << "quantity variable left in a coordinate polynomial";
            return 0;
        }
    }

    std::mt19937 rng_;
    std::vector<Pt> pts_;
    std::map<std::string, M> named_;
};

}  // namespace figure
