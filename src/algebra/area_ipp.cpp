// Intersection of two lines, each through a point parallel to a direction:
// Y on the line through P parallel to UV and on the line through Q parallel
// to RT (INTERSECTION_LL, LP, PP).

#include <utility>

#include "algebra/area_internal.h"
#include "algebra/area_pyth_rules.h"
#include "algebra/area_terms.h"
#include "facts/fact_tests.h"
#include "prover/prover.h"

using namespace aterm;

namespace {

struct Line {
    int p, u, v;  // through p, direction uv
};

// A line whose point lies on its direction is written by its two points,
// the smaller one as its point.
Line by_points(Line l)
{
    if (l.p == l.v)
        l.p = l.u;
    if (l.p == l.u) {
        if (l.u > l.v)
            std::swap(l.u, l.v);
        l.p = l.u;
    }
    return l;
}

elim_step* pe_r_ipp(var_rec* var, int Y, const Line& l1, const Line& l2)
{
    const int a = var->a[0], b = var->a[1], c = var->a[2], d = var->a[3];
    if (g_trace)
        trace_str(fmt("pe_r_ipp: %d %d %d %d %d %d %d %d %d %d %d\n", a, b, c, d, Y, l1.p, l1.u, l1.v, l2.p, l2.u,
                      l2.v));
    const Line& l = xpara(a, b, l1.u, l1.v) ? l2 : l1;
    if (a == Y && c == Y)
        return make_elim_step(var, S(b, l.u, l.p, l.v), S(d, l.u, l.p, l.v));
    if (a == Y)
        return make_elim_step(var, S(b, l.u, l.p, l.v), S(d, l.u, c, l.v));
    if (c == Y)
        return make_elim_step(var, S(b, l.u, a, l.v), S(d, l.u, l.p, l.v));
    prover_fatal("pe_r_ipp: the point is not in the ratio");
}

// Y = (a2/d2) U1 + (a1/d1) V1 on the first line, cut by the second.
elim_step* on_first_line(var_rec* var, int Y, const Line& l1, const Line& l2)
{
    const PolyPtr a1(S(l1.u, l2.u, l2.p, l2.v)), d(S(l1.u, l2.u, l1.v, l2.v)), a2(S(l1.v, l2.v, l2.p, l2.u));
    return lratio_md1(var, Y, l1.u, l1.v, a1.get(), d.get(), a2.get(), d.get());
}

elim_step* pe_a_ipp(var_rec* var, int Y, Line l1, Line l2)
{
    const int b = var->a[1], c = var->a[2], d = var->a[3];
    if (l2.p == b || l2.p == c || l2.p == d)
        std::swap(l1, l2);
    if (xpara(b, d, l1.u, l1.v))
        return make_elim_step(var, S(l1.p, b, c, d));
    if (xpara(b, d, l2.u, l2.v))
        return make_elim_step(var, S(l2.p, b, c, d));
    int x = (c == d && xpara(Y, b, l1.u, l1.v)) ? b : c;
    if (xpara(Y, x, l1.u, l1.v))
        return make_elim_step(var, mul(S(l1.u, b, l1.v, d), S(x, l2.v, l2.p, l2.u)),
                              S(l1.v, l2.v, l1.u, l2.u));
    if (x == d && xpara(Y, b, l2.u, l2.v))
        x = b;
    if (xpara(Y, x, l2.u, l2.v))
        return make_elim_step(var, mul(S(l2.u, b, l2.v, d), S(x, l1.u, l1.p, l1.v)),
                              S(l2.v, l1.u, l2.u, l1.v));
    const auto ends_on_bd = [&](const Line& l) {
        return xcoll(l.p, l.u, l.v) && (xpara(l.u, x, b, d) || xpara(l.v, x, b, d));
    };
    if (ends_on_bd(l1))
        return on_first_line(var, Y, l1, l2);
    if (ends_on_bd(l2))
        return on_first_line(var, Y, l2, l1);
    if (l1.u != l1.p) {
        const PolyPtr r1(S(l1.p, l2.u, l2.p, l2.v)), r2(S(l1.u, l2.u, l1.v, l2.v));
        return lin2(var, Y, l1.p, l1.u, l1.v, r1.get(), r2.get());
    }
    return on_first_line(var, Y, l1, l2);
}

elim_step* pe_g_ipp(var_rec* var, int Y, const Line& l1, const Line& l2)
{
    PythTuple t(var);
    for (const Line* l : {&l1, &l2}) {
        const LineTest perp = [l](int p, int q) { return xperp(p, q, l->u, l->v); };
        pyth_perp_rule(t, Y, l->p, perp, true);
        pyth_perp_rule(t, Y, l->p, perp, false);
    }
    for (const auto& [la, lb] : {std::pair{&l1, &l2}, std::pair{&l2, &l1}}) {
        const Line& m = *la;
        const Line& o = *lb;
        pyth_exchange_rule(t, Y, m.u, m.v);
        const auto F = [&](int c) { return S(c, o.u, o.p, o.v); };
        const auto G = [&](int) { return S(m.v, o.u, m.u, o.v); };
        pyth_parallel_rule(t, Y, m.u, m.v, F, G);
        pyth_parallel_rule(t, Y, m.u, m.v, F, G);
    }
    const PolyPtr a1(S(l1.u, l2.u, l2.p, l2.v)), d(S(l1.u, l2.u, l1.v, l2.v)), a2(S(l1.v, l2.v, l2.p, l2.u));
    const PolyPtr r1(S(l1.p, l2.u, l2.p, l2.v));
    const bool two_points = l1.p == l1.u;
    return pyth_finish(
        t, var, Y,
        [&](var_rec* v) {
            return two_points ? pyt1(v, Y, l1.u, l1.v, a1.get(), d.get(), a2.get(), d.get())
                              : pyt2(v, Y, l1.p, l1.u, l1.v, r1.get(), d.get());
        },
        [&](var_rec* v) {
            return two_points ? lratio_md1(v, Y, l1.u, l1.v, a1.get(), d.get(), a2.get(), d.get())
                              : lin2(v, Y, l1.p, l1.u, l1.v, r1.get(), d.get());
        });
}

}  // namespace

elim_step* pe_v_ipp(var_rec* var, int Y, int P, int U, int V, int Q, int R, int T)
{
    Line l1 = by_points({P, U, V});
    Line l2 = by_points({Q, R, T});
    if (l2.p > l1.p)
        std::swap(l1, l2);
    switch (var->type) {
    case 1:
        return pe_r_ipp(var, Y, l1, l2);
    case 2:
        return pe_a_ipp(var, Y, l1, l2);
    case 3:
        return pe_g_ipp(var, Y, l1, l2);
    case 4:
        if (l1.p == l1.u) {
            const PolyPtr a1(S(l1.u, l2.u, l2.p, l2.v)), d(S(l1.u, l2.u, l1.v, l2.v)),
                a2(S(l1.v, l2.v, l2.p, l2.u));
            return lratio_md1(var, Y, l1.u, l1.v, a1.get(), d.get(), a2.get(), d.get());
        } else {
            const PolyPtr r1(S(l1.p, l2.u, l2.p, l2.v)), r2(S(l1.u, l2.u, l1.v, l2.v));
            return lin2(var, Y, l1.p, l1.u, l1.v, r1.get(), r2.get());
        }
    default:
        gerror(fmt("pe_v_ipp: (%d) is not a proper variable.", var->type));
        return nullptr;
    }
}
