#pragma once
// The rewriting scheme of Pythagoras differences P(a, b, c, d) through a
// point Y on a line: the tuple is rewritten by a fixed sequence of rules
// (each moving Y out of a place or turning the quantity into a multiple of
// one without Y there), then an interpolation lemma finishes it.

#include <functional>

#include "algebra/area_internal.h"
#include "algebra/area_terms.h"
#include "facts/fact_tests.h"

struct PythTuple {
    int a, b, c, d;
    PolyPtr n{get_n(1)};  // the value gets multiplied by n / m
    PolyPtr m{get_n(1)};

    explicit PythTuple(const var_rec* v) : a(v->a[0]), b(v->a[1]), c(v->a[2]), d(v->a[3]) {}
};

// Direction tests of the perpendicular rule.
using LineTest = std::function<bool(int, int)>;

// If a = Y and bd passes the test, (a, b, c, d) := (b, X, d, c); else (when
// whole), if b = Y and ac passes, b := X.
inline void pyth_perp_rule(PythTuple& t, int Y, int X, const LineTest& test, bool whole)
{
    if (t.a == Y && test(t.b, t.d)) {
        const int b = t.b, c = t.c, d = t.d;
        t.a = b;
        t.b = X;
        t.c = d;
        t.d = c;
    } else if (whole && t.b == Y && test(t.a, t.c)) {
        t.b = X;
    }
}

// If b = Y and Yd is parallel to UV, (a, b, c, d) := (b, a, d, c).
inline void pyth_exchange_rule(PythTuple& t, int Y, int U, int V)
{
    if (t.b == Y && xpara(Y, t.d, U, V)) {
        std::swap(t.a, t.b);
        std::swap(t.c, t.d);
    }
}

// If a = Y and Yc is parallel to UV: n := n F(c), m := m G(c) and
// (a, b, c, d) := (b, U, d, V).
inline void pyth_parallel_rule(PythTuple& t, int Y, int U, int V, const std::function<xterm*(int)>& F,
                               const std::function<xterm*(int)>& G)
{
    if (t.a == Y && xpara(Y, t.c, U, V)) {
        t.n.reset(ptimes(t.n.release(), F(t.c)));
        t.m.reset(ptimes(t.m.release(), G(t.c)));
        const int b = t.b, d = t.d;
        t.a = b;
        t.b = U;
        t.c = d;
        t.d = V;
    }
}

// The step from the rewritten tuple: the quadratic lemma when b = c = Y, the
// affine one when a = Y (both on a working variable of the tuple), else the
// tuple's quantity itself; the value multiplied by n / m and the step named
// after var.
inline elim_step* pyth_finish(PythTuple& t, var_rec* var, int Y,
                              const std::function<elim_step*(var_rec*)>& quadratic,
                              const std::function<elim_step*(var_rec*)>& affine)
{
    elim_step* step;
    if (t.b == Y && t.c == Y)
        step = quadratic(mk_var(3, t.a, t.b, t.c, t.d));
    else if (t.a == Y)
        step = affine(mk_var(3, t.a, t.b, t.c, t.d));
    else
        step = make_elim_step(var, mk_pdiff(t.a, t.b, t.c, t.d));
    if (!step)
        return nullptr;
    step->var = var;
    step->num = ptimes(step->num, t.n.release());
    step->den = ptimes(step->den, t.m.release());
    return step;
}
