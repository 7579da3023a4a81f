// Intersection of a line with a perpendicular: Y on the line through P
// parallel to UV and on the line through Q perpendicular to RT (FOOT,
// INTERSECTION_LT, INTERSECTION_PT).

#include "algebra/area_internal.h"
#include "algebra/area_pyth_rules.h"
#include "algebra/area_quot.h"
#include "algebra/area_terms.h"
#include "facts/fact_tests.h"
#include "prover/prover.h"

using namespace aterm;

namespace {

struct Ipt {
    int Y, P, U, V, Q, R, T;

    // Y = (a2/d2) U + (a1/d1) V.
    elim_step* two_points(var_rec* var) const
    {
        const PolyPtr a1(aterm::P(U, R, Q, T)), d(aterm::P(U, R, V, T)), a2(aterm::P(Q, R, V, T));
        return lratio_md1(var, Y, U, V, a1.get(), d.get(), a2.get(), d.get());
    }
    // Y = P + (r1/r2)(V - U).
    elim_step* from_point(var_rec* var) const
    {
        const PolyPtr r1(aterm::P(P, R, Q, T)), r2(aterm::P(U, R, V, T));
        return lin2(var, Y, P, U, V, r1.get(), r2.get());
    }
};

elim_step* pe_r_ipt(var_rec* var, int a, int b, int c, int d, const Ipt& l)
{
    const int Y = l.Y;
    if (a == Y && c == Y) {
        if (!xcoll(b, l.P, Y))
            return make_elim_step(var, S(b, l.U, l.P, l.V), S(d, l.U, l.P, l.V));
        return make_elim_step(var, P(b, l.R, l.Q, l.T), P(d, l.R, l.Q, l.T));
    }
    if (a == Y) {
        if (xcoll(b, l.P, Y))
            return make_elim_step(var, P(b, l.R, l.Q, l.T), P(d, l.R, c, l.T));
        if (xcoll(a, l.R, l.T) && xcoll(c, l.R, l.T))
            return make_elim_step(var, S(b, l.R, l.R, l.T), S(d, l.R, l.R, l.T));
        if (xcoll(a, l.R, l.T) && xcoll(d, l.R, l.T))
            return make_elim_step(var, S(b, l.R, l.R, l.T), S(c, l.T, l.T, l.R));
        return make_elim_step(var, S(b, l.U, l.P, l.V), S(d, l.U, c, l.V));
    }
    if (c == Y)
        return q_swap(pe_r_ipt(var, c, d, a, b, l));
    prover_fatal("pe_r_ipt: the point is not in the ratio");
}

elim_step* pe_a_ipt(var_rec* var, const Ipt& l)
{
    const int Y = l.Y, b = var->a[1], c = var->a[2], d = var->a[3];
    if (xpara(b, d, l.U, l.V))
        return make_elim_step(var, S(l.P, b, c, d));
    if (xperp(b, d, l.R, l.T))
        return make_elim_step(var, S(l.Q, b, c, d));
    const int x = (c == d && xpara(Y, b, l.U, l.V)) ? b : c;
    if (xpara(Y, x, l.U, l.V))
        return make_elim_step(var, mul(S(l.U, b, l.V, d), P(x, l.T, l.Q, l.R)), P(l.V, l.T, l.U, l.R));
    if (l.P != l.U && !(xcoll(Y, l.U, l.V) && (xpara(l.U, x, b, d) || xpara(l.V, x, b, d))))
        return l.from_point(var);
    return l.two_points(var);
}

elim_step* pe_g_ipt3(var_rec* var, const Ipt& l)
{
    const int Y = l.Y;
    if (xcoll(Y, l.R, l.T) && var->a == std::array<std::int32_t, 4>{l.Q, Y, Y, l.Q})
        return make_elim_step(var, mul(num(16), sq(S(l.Q, l.R, l.T, l.T))), P(l.R, l.T, l.T, l.R));
    PythTuple t(var);
    const LineTest perp_uv = [&](int p, int q) { return xperp(p, q, l.U, l.V); };
    const LineTest para_rt = [&](int p, int q) { return xpara(p, q, l.R, l.T); };
    pyth_perp_rule(t, Y, l.P, perp_uv, true);
    pyth_perp_rule(t, Y, l.P, perp_uv, true);
    pyth_perp_rule(t, Y, l.Q, para_rt, true);
    pyth_perp_rule(t, Y, l.Q, para_rt, true);
    pyth_exchange_rule(t, Y, l.U, l.V);
    const auto F = [&](int c) { return P(c, l.R, l.Q, l.T); };
    const auto G = [&](int) { return P(l.V, l.R, l.U, l.T); };
    pyth_parallel_rule(t, Y, l.U, l.V, F, G);
    pyth_parallel_rule(t, Y, l.U, l.V, F, G);
    const int a = t.a, b = t.b, c = t.c, d = t.d;
    return pyth_finish(
        t, var, Y,
        [&](var_rec* v) {
            if (xperp(a, Y, l.R, l.T) && xperp(Y, d, l.R, l.T))
                return make_elim_step(v,
                                      mul(num(-16), S(a, l.U, l.P, l.V), S(d, l.U, l.P, l.V), P(l.R, l.R, l.T, l.T)),
                                      sq(P(l.R, l.U, l.T, l.V)));
            const PolyPtr r1(P(l.P, l.R, l.Q, l.T)), r2(P(l.U, l.R, l.V, l.T));
            return pyt2(v, Y, l.P, l.U, l.V, r1.get(), r2.get());
        },
        [&](var_rec* v) {
            if (l.P != l.U && (!xcoll(Y, l.U, l.V) || !(xpara(l.U, c, b, d) || xpara(l.V, c, b, d))))
                return l.from_point(v);
            return l.two_points(v);
        });
}

}  // namespace

elim_step* pe_v_ipt(var_rec* var, int Y, int P, int U, int V, int Q, int R, int T)
{
    const Ipt l{Y, P, U, V, Q, R, T};
    switch (var->type) {
    case 1:
        return pe_r_ipt(var, var->a[0], var->a[1], var->a[2], var->a[3], l);
    case 2:
        return pe_a_ipt(var, l);
    case 3:
        return pe_g_ipt3(var, l);
    case 4:
        return P != U ? l.from_point(var) : l.two_points(var);
    default:
        gerror("pe_v_ipt: is not a proper variable.\n");
        return nullptr;
    }
}
