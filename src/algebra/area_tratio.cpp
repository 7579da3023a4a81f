// Points on a perpendicular: Y = P + s J(V - U), J the quarter turn, with
// s = r1 / r2 = (4 S(U,V,Y) - 4 S(U,V,P)) / P(U,V,V,U) (ON_TLINE, ON_ALINE,
// INTERSECTION_CC, reflections in a line, squares), and the intersection of
// two perpendiculars, which is such a point seen from either line.

#include "algebra/area_internal.h"
#include "algebra/area_quot.h"
#include "algebra/area_terms.h"
#include "facts/fact_tests.h"
#include "prover/prover.h"

using namespace aterm;

namespace {

// Area S(Y, b, c, d).
elim_step* tr_area(var_rec* var, int Y, int P, int U, int V, const xterm* r1, const xterm* r2)
{
    const int b = var->a[1], d = var->a[3];
    xterm* n = add(mul(num(4), cp(r2), gq_subst(var, Y, P)), mul(cp(r1), aterm::P(V, b, U, d)));
    return make_elim_step(var, n, mul(num(4), cp(r2)));
}

// Pythagoras difference P(Y, b, c, d).
elim_step* tr_pyt1(var_rec* var, int Y, int P, int U, int V, const xterm* r1, const xterm* r2)
{
    const int b = var->a[1], d = var->a[3];
    xterm* n = add(mul(cp(r2), gq_subst(var, Y, P)), mul(num(4), cp(r1), S(U, b, V, d)));
    return make_elim_step(var, n, cp(r2));
}

// Pythagoras difference P(a, Y, Y, d).
elim_step* tr_pyt2(var_rec* var, int a, int d, int Y, int P, int U, int V, const xterm* r1, const xterm* r2)
{
    xterm* n = add(mul(sq(cp(r2)), gq_subst(var, Y, P)),
                   neg(mul(num(4), cp(r1), cp(r2), add(S(a, U, P, V), S(d, U, P, V)))),
                   mul(sq(cp(r1)), aterm::P(V, U, U, V)));
    return make_elim_step(var, n, sq(cp(r2)));
}

elim_step* pe_r_taio(var_rec* var, int a, int b, int c, int d, int Y, int P, int U, int V, const xterm* r1,
                     const xterm* r2)
{
    // -2 (p - Y) x (V - U) for a point p on Y's line.
    const auto across = [&](int p) {
        return add(mul(num(4), cp(r2), S(p, U, P, V)), mul(cp(r1), aterm::P(U, U, V, V)));
    };
    if (a == Y && c == Y) {
        if (!xcoll(b, P, Y))
            return make_elim_step(var, aterm::P(b, U, P, V), aterm::P(d, U, P, V));
        return make_elim_step(var, across(b), across(d));
    }
    if (a == Y) {
        if (xcoll(b, P, Y))
            return make_elim_step(var, across(b), mul(num(4), cp(r2), S(d, U, c, V)));
        return make_elim_step(var, aterm::P(b, U, P, V), aterm::P(d, U, c, V));
    }
    if (c == Y)
        return q_swap(pe_r_taio(var, c, d, a, b, Y, P, U, V, r1, r2));
    gerror("pe_r_taio");
    return nullptr;
}

elim_step* pe_a_taio(var_rec* var, int Y, int P, int U, int V, const xterm* r1, const xterm* r2)
{
    const int b = var->a[1], c = var->a[2], d = var->a[3];
    if (xperp(b, d, U, V))
        return make_elim_step(var, S(P, b, c, d));
    return tr_area(var, Y, P, U, V, r1, r2);
}

elim_step* pe_g_taio(var_rec* var, int Y, int P, int U, int V, const xterm* r1, const xterm* r2)
{
    const int a = var->a[0], b = var->a[1], c = var->a[2], d = var->a[3];
    if (a == Y && b != Y) {
        if (xpara(b, d, U, V))
            return make_elim_step(var, aterm::P(P, b, c, d));
        return tr_pyt1(var, Y, P, U, V, r1, r2);
    }
    if (b == Y && c == Y) {
        if (P == a && a == d)
            return make_elim_step(var, mul(sq(cp(r1)), aterm::P(V, U, U, V)), sq(cp(r2)));
        return tr_pyt2(var, a, d, Y, P, U, V, r1, r2);
    }
    return nullptr;
}

// The line of the intersection of two perpendiculars seen from one of its
// points: through p perpendicular to uv, with the value pair that the other
// perpendicular (through q, perpendicular to rt) cuts off.
struct PerpLine {
    int p, u, v;
    PolyPtr r1, r2;
    PerpLine(int p_, int u_, int v_, int q, int r, int t)
        : p(p_), u(u_), v(v_), r1(aterm::P(p_, r, q, t)), r2(mul(num(-4), S(u_, r, v_, t)))
    {
    }
};

}  // namespace

elim_step* pe_v_tratio(var_rec* var, int Y, int P, int U, int V, const xterm* r1, const xterm* r2)
{
    if (g_trace)
        trace_str("pe_v_tratio: " + var_text(var, 0) + " " + poly_text(r1, 0) + " " + poly_text(r2, 0) + "\n");
    switch (var->type) {
    case 1:
        return pe_r_taio(var, var->a[0], var->a[1], var->a[2], var->a[3], Y, P, U, V, r1, r2);
    case 2:
        return pe_a_taio(var, Y, P, U, V, r1, r2);
    case 3:
        return pe_g_taio(var, Y, P, U, V, r1, r2);
    default:
        gerror("pe_v_tratio: is not a proper variable.\n");
        return nullptr;
    }
}

elim_step* pe_tri4(var_rec* var, int Y, int A, int B, int s)
{
    if (var->type != 4) {
        const PolyPtr r1(num(s)), r2(num(1));
        return pe_v_tratio(var, Y, A, A, B, r1.get(), r2.get());
    }
    const int b = var->a[1];
    xterm* base = b != 0 ? V(A, b) : V(A);
    return make_elim_step(var, add(base, mul(num(s), named("i"), V(B, A))));
}

elim_step* pe_g_lratio(var_rec* var, int Y, int A, int B)
{
    (void)Y;
    const int b = var->a[1];
    xterm* n = sub(neg(mul(named("w"), V(A))), mul(named("w"), named("w"), V(B)));
    if (b != 0)
        n = sub(n, V(b));
    return make_elim_step(var, n);
}

elim_step* pe_g_ipt(var_rec* var, int Y, int P, int U, int V, int Q, int R, int T)
{
    const int b = var->a[1], c = var->a[2], d = var->a[3];
    if (xperp(b, d, U, V))
        return make_elim_step(var, S(P, b, c, d));
    if (xperp(b, d, R, T))
        return make_elim_step(var, S(Q, b, c, d));
    const int u = V == P ? V : U, v = V == P ? U : V;
    const int r = T == Q ? T : R, t = T == Q ? R : T;
    const int x = (c == d && xcoll(Q, b, c)) ? b : c;
    if (xpara(Q, x, b, d)) {
        const PerpLine l(Q, r, t, P, u, v);
        return tr_area(var, Y, l.p, l.u, l.v, l.r1.get(), l.r2.get());
    }
    const PerpLine l(P, u, v, Q, r, t);
    return tr_area(var, Y, l.p, l.u, l.v, l.r1.get(), l.r2.get());
}

elim_step* pe_g_ipt2(var_rec* var, int Y, int P, int U, int V, int Q, int R, int T)
{
    const int a = var->a[0], b = var->a[1], c = var->a[2], d = var->a[3];
    const int u = V == P ? V : U, v = V == P ? U : V;
    const int r = T == Q ? T : R, t = T == Q ? R : T;
    if (a == Y) {
        if (xpara(b, d, U, V))
            return make_elim_step(var, aterm::P(P, b, c, d));
        if (xpara(b, d, R, T))
            return make_elim_step(var, aterm::P(Q, b, c, d));
        if (xperp(Q, c, b, d)) {
            const PerpLine l(Q, r, t, P, u, v);
            return tr_pyt1(var, Y, l.p, l.u, l.v, l.r1.get(), l.r2.get());
        }
        const PerpLine l(P, u, v, Q, r, t);
        return tr_pyt1(var, Y, l.p, l.u, l.v, l.r1.get(), l.r2.get());
    }
    if (b == Y && c == Y) {
        const PerpLine l(P, u, v, Q, r, t);
        return tr_pyt2(var, a, d, Y, l.p, l.u, l.v, l.r1.get(), l.r2.get());
    }
    return nullptr;
}
