// Second intersection of a line with a circle: Y on the line through P
// parallel to UV and on the circle with centre O through P (= A).

#include "algebra/area_internal.h"
#include "algebra/area_pyth_rules.h"
#include "algebra/area_quot.h"
#include "algebra/area_terms.h"
#include "facts/fact_tests.h"
#include "prover/prover.h"

using namespace aterm;

namespace {

struct Ipc {
    int Y, P, U, V, O, A;

    // Y = (a2/d2) U + (a1/d1) V, for P = U.
    elim_step* two_points(var_rec* var) const
    {
        const PolyPtr a1(mul(num(2), aterm::P(U, U, O, V))), d(aterm::P(U, U, V, V)),
            a2(sub(aterm::P(U, O, O, U), aterm::P(V, O, O, V)));
        return lratio_md1(var, Y, U, V, a1.get(), d.get(), a2.get(), d.get());
    }
    // Y = P + (r1/r2)(V - U).
    elim_step* from_point(var_rec* var) const
    {
        const PolyPtr r1(mul(num(2), aterm::P(P, U, O, V))), r2(aterm::P(U, U, V, V));
        return lin2(var, Y, P, U, V, r1.get(), r2.get());
    }
    elim_step* affine(var_rec* var) const { return U != P ? from_point(var) : two_points(var); }
    // The circle must pass through the line's point.
    void check_circle(const char* who) const
    {
        if (A != P)
            gerror(who);
    }
};

elim_step* pe_r_icp(var_rec* var, int a, int b, int c, int d, const Ipc& l)
{
    if (g_trace)
        trace_str(fmt("\nr_icp: %d %d %d %d %d %d", l.Y, l.P, l.U, l.V, l.O, l.A));
    const int Y = l.Y;
    // 2 (p - Y).(V - U) for a point p on the line.
    const auto along = [&](int p) { return add(P(p, l.U, l.O, l.V), P(l.P, l.U, l.O, l.V)); };
    if (a == Y && c == Y) {
        if (!xcoll(b, l.P, Y))
            return make_elim_step(var, S(b, l.U, l.P, l.V), S(d, l.U, l.P, l.V));
        return make_elim_step(var, along(b), along(d));
    }
    if (a == Y) {
        if (xcoll(b, l.P, Y))
            return make_elim_step(var, along(b), P(d, l.U, c, l.V));
        return make_elim_step(var, S(b, l.U, l.P, l.V), S(d, l.U, c, l.V));
    }
    if (c == Y)
        return q_swap(pe_r_icp(var, c, d, a, b, l));
    prover_fatal("pe_r_icp: the point is not in the ratio");
}

// Area S(Y, b, c, d).
elim_step* pe_r_ipc(var_rec* var, const Ipc& l)
{
    const int Y = l.Y, b = var->a[1], c = var->a[2], d = var->a[3];
    if (xpara(b, d, l.U, l.V))
        return make_elim_step(var, S(l.P, b, c, d));
    int x = (c == d && l.P == b) ? b : c;
    if (l.P == x)
        return make_elim_step(var, mul(num(2), P(l.P, l.V, l.O, l.U), S(l.U, b, l.V, d)), P(l.U, l.U, l.V, l.V));
    if (x == d && xpara(Y, b, l.U, l.V))
        x = b;
    if (xpara(Y, x, l.U, l.V))
        return make_elim_step(var, mul(sub(P(x, l.O, l.O, x), P(l.P, l.O, l.O, l.P)), S(l.U, b, l.V, d)),
                              P(l.U, x, l.V, l.P));
    return l.affine(var);
}

elim_step* pe_g_ipc(var_rec* var, const Ipc& l)
{
    const int Y = l.Y;
    if (var->a == std::array<std::int32_t, 4>{l.O, Y, Y, l.O})
        return make_elim_step(var, P(l.O, l.A, l.A, l.O));
    PythTuple t(var);
    const LineTest perp_uv = [&](int p, int q) { return xperp(p, q, l.U, l.V); };
    pyth_perp_rule(t, Y, l.P, perp_uv, true);
    pyth_perp_rule(t, Y, l.P, perp_uv, false);
    if (t.b == Y && t.d == l.P) {
        std::swap(t.a, t.b);
        std::swap(t.c, t.d);
    }
    // P(Y, b, P, d) = -t P(b, U, d, V) with Y = P + t (V - U).
    for (int k = 0; k < 2; ++k) {
        if (t.a == Y && t.c == l.P) {
            t.n.reset(mul(t.n.release(), mul(num(2), P(l.P, l.V, l.O, l.U))));
            t.m.reset(mul(t.m.release(), P(l.U, l.U, l.V, l.V)));
            const int b = t.b, d = t.d;
            t.a = b;
            t.b = l.U;
            t.c = d;
            t.d = l.V;
        }
    }
    return pyth_finish(
        t, var, Y,
        [&](var_rec* v) {
            if (l.U == l.P) {
                const PolyPtr a1(mul(num(2), P(l.U, l.U, l.O, l.V))), d(P(l.U, l.U, l.V, l.V)),
                    a2(sub(P(l.U, l.O, l.O, l.U), P(l.V, l.O, l.O, l.V)));
                return pyt1(v, Y, l.U, l.V, a1.get(), d.get(), a2.get(), d.get());
            }
            const PolyPtr r1(mul(num(2), P(l.P, l.U, l.O, l.V))), r2(P(l.U, l.U, l.V, l.V));
            return pyt2(v, Y, l.P, l.U, l.V, r1.get(), r2.get());
        },
        [&](var_rec* v) { return l.affine(v); });
}

}  // namespace

elim_step* pe_v_ipc(var_rec* var, int Y, int P, int U, int V, int O, int A)
{
    if (g_trace)
        trace_str(fmt("\nCP %d %d %d %d %d %d", Y, P, U, V, O, A));
    const Ipc l{Y, P, U, V, O, A};
    switch (var->type) {
    case 1:
        l.check_circle("pe_r_ipc");
        return pe_r_icp(var, var->a[0], var->a[1], var->a[2], var->a[3], l);
    case 2:
        l.check_circle("pe_r_ipc");
        return pe_r_ipc(var, l);
    case 3:
        return pe_g_ipc(var, l);
    case 4:
        return l.affine(var);
    default:
        gerror("pe_v_ipc: is not a proper variable.\n");
        return nullptr;
    }
}
