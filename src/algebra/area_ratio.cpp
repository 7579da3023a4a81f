// Points on a line given by a ratio: Y = W + (r1/r2)(V - U) (midpoints,
// reflections in a point, points on lines and parallels, inversions and the
// ratio constructions).

#include "algebra/area_internal.h"
#include "algebra/area_pyth_rules.h"
#include "algebra/area_quot.h"
#include "algebra/area_terms.h"
#include "facts/fact_tests.h"
#include "prover/prover.h"

using namespace aterm;

namespace {

// Ratio ab / cd with Y among its points.
elim_step* pe_r_pratio(var_rec* var, int a, int b, int c, int d, int Y, int W, int U, int V, const xterm* r1,
                       const xterm* r2)
{
    if (g_trace)
        trace_str(fmt("pe_r_pratio: %d %d %d %d %d %d %d %d\n", a, b, c, d, Y, W, U, V));
    // (Y - p) / (V - U) for a point p on Y's line.
    const auto along = [&](int p) { return add(mul(cp(r2), R(p, W, U, V)), cp(r1)); };
    if (a == Y && c == Y) {
        if (xcoll(b, W, Y))
            return make_elim_step(var, along(b), along(d));
        if (!xcoll(W, U, V))
            return make_elim_step(var, S(b, U, W, V), S(d, U, W, V));
        return make_elim_step(var, S(b, b, U, V), S(d, d, U, V));
    }
    if (a == Y) {
        if (xcoll(b, W, Y))
            return make_elim_step(var, along(b), mul(cp(r2), R(d, c, U, V)));
        if (xcoll(W, U, V))
            return make_elim_step(var, S(b, b, U, V), S(d, U, c, V));
        return make_elim_step(var, S(b, U, W, V), S(d, U, c, V));
    }
    if (c == Y)
        return q_swap(pe_r_pratio(var, c, d, a, b, Y, W, U, V, r1, r2));
    prover_fatal("pe_r_pratio: the point is not in the ratio");
}

// Area S(Y, b, c, d).
elim_step* pe_a_pratio(var_rec* var, int Y, int W, int U, int V, const xterm* r1, const xterm* r2)
{
    const int b = var->a[1], c = var->a[2], d = var->a[3];
    if (xpara(b, d, U, V))
        return make_elim_step(var, S(W, b, c, d));
    const int x = (c == d && xpara(Y, b, U, V)) ? b : c;
    if (xpara(Y, x, U, V))
        return make_elim_step(var, mul(S(U, b, V, d), sub(mul(R(x, W, V, U), cp(r2)), cp(r1))), cp(r2));
    if (W == U && pconstp(r1) && pconstp(r2)) {
        const PolyPtr rest(sub(cp(r2), cp(r1)));
        return lratio_md1(var, Y, U, V, r1, r2, rest.get(), r2);
    }
    return lin2(var, Y, W, U, V, r1, r2);
}

// Pythagoras difference P(a, b, c, d).
elim_step* pe_g_pratio(var_rec* var, int Y, int W, int U, int V, const xterm* r1, const xterm* r2)
{
    PythTuple t(var);
    const LineTest perp_uv = [&](int p, int q) { return xperp(p, q, U, V); };
    pyth_perp_rule(t, Y, W, perp_uv, false);
    pyth_perp_rule(t, Y, W, perp_uv, false);
    pyth_exchange_rule(t, Y, U, V);
    const auto F = [&](int c) { return sub(mul(R(c, W, V, U), cp(r2)), cp(r1)); };
    const auto G = [&](int) { return cp(r2); };
    pyth_parallel_rule(t, Y, U, V, F, G);
    pyth_parallel_rule(t, Y, U, V, F, G);
    const PolyPtr rest(sub(cp(r2), cp(r1)));
    return pyth_finish(
        t, var, Y,
        [&](var_rec* v) {
            return W == U ? pyt1(v, Y, U, V, r1, r2, rest.get(), r2) : pyt2(v, Y, W, U, V, r1, r2);
        },
        [&](var_rec* v) {
            return W == U ? lratio_md1(v, Y, U, V, r1, r2, rest.get(), r2) : lin2(v, Y, W, U, V, r1, r2);
        });
}

}  // namespace

elim_step* pe_v_ratio(var_rec* var, int Y, int W, int U, int V, const xterm* r1, const xterm* r2)
{
    if (g_trace)
        trace_str("pratio: \n" + poly_text(r1, 0) + " " + poly_text(r2, 0) + "\n");
    switch (var->type) {
    case 1:
        return pe_r_pratio(var, var->a[0], var->a[1], var->a[2], var->a[3], Y, W, U, V, r1, r2);
    case 2:
        return pe_a_pratio(var, Y, W, U, V, r1, r2);
    case 3:
        return pe_g_pratio(var, Y, W, U, V, r1, r2);
    case 4:
        if (W == U) {
            const PolyPtr rest(sub(cp(r2), cp(r1)));
            return lratio_md1(var, Y, U, V, r1, r2, rest.get(), r2);
        }
        return lin2(var, Y, W, U, V, r1, r2);
    default:
        gerror("pe_v_ratio: is not a proper variable.\n");
        return nullptr;
    }
}
