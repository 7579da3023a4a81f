// Free points and the passes after the main elimination: areas of free
// points after the third through area parameters, coordinates, and the
// quantities of points on one circle through chords, sines and cosines.

#include "algebra/area_internal.h"
#include "algebra/area_terms.h"
#include "facts/fact_tests.h"
#include "prover/prover.h"

using namespace aterm;

namespace {

// The area parameter S(p, q, r) of a free point against the first ones.
xterm* pe_cx(int p, int q, int r)
{
    if (xcoll(p, q, r))
        return num(0);
    if ((p == 3 && q == 2) || (p == 2 && q == 3))
        return S(p, q, r, r);
    return get_m(mk_var(-2, p, q, r, r));
}

xterm* X(int p, int q) { return pe_cx(p, q, 1); }

// 2 S(a b c) S(1 2 3) in the area coordinates of the points.
xterm* pe_det(int a, int b, int c)
{
    return sub(add(mul(X(a, 2), X(b, 3)), mul(X(b, 2), X(c, 3)), mul(X(c, 2), X(a, 3))),
               add(mul(X(c, 2), X(b, 3)), mul(X(b, 2), X(a, 3)), mul(X(a, 2), X(c, 3))));
}

xterm* pe_x(int p) { return p == 1 || p == 2 ? num(0) : named(fmt("x_%d", p).c_str()); }
xterm* pe_y(int p) { return p == 1 ? num(0) : named(fmt("y_%d", p).c_str()); }

// Twice the signed area of triangle abc in coordinates.
xterm* pe_tri(int a, int b, int c)
{
    return add(sub(mul(pe_x(a), pe_y(b)), mul(pe_x(b), pe_y(a))), sub(mul(pe_x(b), pe_y(c)), mul(pe_x(c), pe_y(b))),
               sub(mul(pe_x(c), pe_y(a)), mul(pe_x(a), pe_y(c))));
}

xterm* pe_d2(int p, int q)
{
    if (p == q)
        return num(0);
    return add(sq(sub(pe_x(p), pe_x(q))), sq(sub(pe_y(p), pe_y(q))));
}

xterm* var_x(int p) { return p == 1 ? num(0) : get_m(mk_var(16, p, 0, 0, 0)); }
xterm* var_y(int p) { return p == 1 ? num(1) : get_m(mk_var(17, p, 0, 0, 0)); }

xterm* diameter() { return named("\\d"); }

// o is the centre of a circle through a and b.
bool centre_of(int o, int a, int b) { return xcir_2p(o, a, b); }

// Area of a triangle with a vertex at a circle's centre, times 4: the
// triangle is turned to (centre, p, q), whose area is r^2 sin(pOq) / 2. The
// half angles of the circle passes run clockwise (the inscribed-triangle
// area C(a,b) C(b,c) C(c,a) / (2 d) fixes that), so the central angle from p
// to q is twice the half angle from q to p: 4 S = d^2 sin(qp) cos(qp).
xterm* pe_atri(int a, int b, int c)
{
    int o = a, p = b, q = c;
    if (centre_of(b, a, c)) {
        o = b;
        p = c;
        q = a;
    }
    if (centre_of(q, o, p)) {
        const int old_o = o, old_p = p;
        p = old_o;
        q = old_p;
    }
    return mul(diameter(), diameter(), N(q, p), K(q, p));
}

// P(a, b, b, c), times 2.
xterm* pe_chord2(int a, int b, int c)
{
    if (b == a || b == c)
        return num(0);
    if (centre_of(a, b, c))
        return mul(num(2), sq(C(b, c)));
    if (centre_of(c, b, a))
        return mul(num(2), sq(C(b, a)));
    return sub(mul(diameter(), diameter()), mul(num(2), sq(C(a, c))));
}

}  // namespace

elim_step* pe_c2(var_rec* var, int Y)
{
    (void)Y;
    if (var->type != 2)
        return nullptr;
    const int a = var->a[0], b = var->a[1], c = var->a[2], d = var->a[3];
    if ((b == 2 || b == 3) && c == 1 && d == 1)
        return make_elim_step(var, get_m(mk_var(-2, a, b, c, d)));
    if (b == 3 && c == 2 && d == 2)
        return make_elim_step(var, add(sub(S(3, 2, 1, 1), X(a, 2)), X(a, 3)));
    xterm* t = pe_det(a, b, c);
    if (d != c)
        t = add(t, pe_det(a, c, d));
    const PolyPtr base(S(1, 2, 3, 3));
    if (xterm* q = pdiv(cp(t), base.get())) {
        put_p(t);
        return make_elim_step(var, q);
    }
    return make_elim_step(var, t, cp(base.get()));
}

xterm* pe_g_tri2(int a, int b, int c, int d) { return add(pe_tri(a, b, c), pe_tri(a, c, d)); }

xterm* pe_g_quad(int a, int b, int c, int d)
{
    return sub(add(pe_d2(a, b), pe_d2(c, d)), add(pe_d2(b, c), pe_d2(d, a)));
}

elim_step* pe_sc(var_rec* var, int a, int b)
{
    if (var->type == 6)
        return make_elim_step(var, sub(mul(var_x(b), var_y(a)), mul(var_x(a), var_y(b))));
    if (var->type == 7)
        return make_elim_step(var, add(mul(var_y(a), var_y(b)), mul(var_x(a), var_x(b))));
    gerror("pe_sc");
    return nullptr;
}

elim_step* pe_unit_circle(var_rec* var, int a)
{
    return make_elim_step(var, nullptr, sub(add(sq(var_x(a)), sq(var_y(a))), num(1)));
}

elim_step* pe_circle(var_rec* var, int a, int b, int c, int d)
{
    if (var->type == 2) {
        if (xcir_4p(0, a, b, c, d))
            return make_elim_step(var, sub(mul(C(a, b), C(b, d), C(d, a)), mul(C(c, b), C(b, d), C(d, c))),
                                  mul(num(2), diameter()));
        if (b == a)
            return make_elim_step(var, pe_atri(a, c, d), num(4));
        if (xcir_3p(a, b, c, d) || xcir_3p(c, a, b, d))
            return make_elim_step(var, add(pe_atri(a, b, c), pe_atri(a, c, d)), num(4));
        return make_elim_step(var, add(pe_atri(b, c, d), pe_atri(b, d, a)), num(4));
    }
    if (var->type == 3) {
        if (c == d) {
            std::swap(a, c);
            std::swap(b, d);
        }
        if (xcir_4p(0, a, b, c, d))
            return make_elim_step(var, sub(mul(num(2), C(b, a), C(b, d), K(a, d)), mul(num(2), C(b, c), C(b, d), K(c, d))));
        if (c == b)
            return make_elim_step(var, pe_chord2(a, b, d), num(2));
        if (xcir_3p(b, a, c, d) || xcir_3p(d, a, b, c))
            return make_elim_step(var, sub(pe_chord2(a, b, d), pe_chord2(c, b, d)), num(2));
        return make_elim_step(var, sub(pe_chord2(b, a, c), pe_chord2(d, a, c)), num(2));
    }
    gerror("pe_circle");
    return nullptr;
}
