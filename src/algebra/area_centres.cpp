// Triangle centres: centroid, orthocentre, circumcentre and the third vertex
// of a triangle from its incentre. Each centre Y is an affine combination
// Y = (w1 X1 + w2 X2 + w3 X3) / D of three points with w1 + w2 + w3 = D, so
// a quantity affine in Y is the same combination of its values at the three
// points, and a Pythagoras difference P(a, Y, Y, d) adds the weights'
// cross terms.

#include <array>

#include "algebra/area_internal.h"
#include "algebra/area_quot.h"
#include "algebra/area_terms.h"
#include "facts/fact_tests.h"
#include "prover/prover.h"

using namespace aterm;

namespace {

struct Combo {
    std::array<int, 3> pt;
    std::array<PolyPtr, 3> w;
    PolyPtr den;
};

Combo centroid(int A, int B, int C) { return {{A, B, C}, {PolyPtr(num(1)), PolyPtr(num(1)), PolyPtr(num(1))}, PolyPtr(num(3))}; }

Combo orthocentre(int A, int B, int C)
{
    return {{A, B, C},
            {PolyPtr(mul(P(A, B, B, C), P(A, C, C, B))), PolyPtr(mul(P(B, C, C, A), P(B, A, A, C))),
             PolyPtr(mul(P(C, A, A, B), P(C, B, B, A)))},
            PolyPtr(mul(num(16), sq(S(A, B, C, C))))};
}

Combo circumcentre(int A, int B, int C)
{
    return {{A, B, C},
            {PolyPtr(mul(P(B, C, C, B), P(B, A, A, C))), PolyPtr(mul(P(A, C, C, A), P(A, B, B, C))),
             PolyPtr(mul(P(A, B, B, A), P(A, C, C, B)))},
            PolyPtr(mul(num(32), sq(S(A, B, C, C))))};
}

// The third vertex of the triangle X Z Y whose incentre is W.
Combo incentre_vertex(int W, int X, int Z)
{
    return {{Z, X, W},
            {PolyPtr(mul(P(W, Z, Z, X), P(X, W, W, X))), PolyPtr(mul(P(W, X, X, Z), P(Z, W, W, Z))),
             PolyPtr(mul(num(-2), P(W, X, X, Z), P(W, Z, Z, X)))},
            PolyPtr(mul(P(X, Z, Z, X), P(X, W, W, Z)))};
}

// sum w_k g(X_k), g an affine quantity of one point.
template <class G>
xterm* combine(const Combo& k, G g)
{
    xterm* n = num(0);
    for (int j = 0; j < 3; ++j)
        n = add(n, mul(cp(k.w[j].get()), g(k.pt[j])));
    return n;
}

// A quantity affine in Y.
elim_step* combo_affine(var_rec* var, int Y, const Combo& k)
{
    return make_elim_step(var, combine(k, [&](int p) { return gq_subst(var, Y, p); }), cp(k.den.get()));
}

// P(a, Y, Y, d) = (D sum w_k P(a,X_k,X_k,d) - sum_{j<k} w_j w_k P(X_j,X_k,X_k,X_j)) / D^2.
elim_step* combo_quadratic(var_rec* var, int a, int d, const Combo& k)
{
    xterm* n = mul(cp(k.den.get()), combine(k, [&](int p) { return P(a, p, p, d); }));
    for (int j = 0; j < 3; ++j)
        for (int l = j + 1; l < 3; ++l)
            n = sub(n, mul(cp(k.w[j].get()), cp(k.w[l].get()), P(k.pt[j], k.pt[l], k.pt[l], k.pt[j])));
    return make_elim_step(var, n, sq(cp(k.den.get())));
}

// A ratio ab / cd with Y among its points, through areas: for a point p off
// the line of the ratio, Yb / Yd = S(b, p, Y) / S(d, p, Y) and
// Yb / cd = S(b, p, Y) / S(d, p, c, Y), each affine in Y (D cancels).
elim_step* combo_ratio(var_rec* var, int a, int b, int c, int d, int Y, const Combo& k)
{
    if (a != Y && c == Y)
        return q_swap(combo_ratio(var, c, d, a, b, Y, k));
    if (a != Y) {
        gerror("pe_v_cent");
        return nullptr;
    }
    int p = 0;
    for (const int q : k.pt)
        if (!xcoll(q, Y, b)) {
            p = q;
            break;
        }
    if (p == 0) {
        gerror("pe_v_cent");
        return nullptr;
    }
    xterm* n = combine(k, [&](int x) { return S(b, p, x, x); });
    xterm* m = c == Y ? combine(k, [&](int x) { return S(d, p, x, x); })
                      : combine(k, [&](int x) { return S(d, p, c, x); });
    return make_elim_step(var, n, m);
}

}  // namespace

elim_step* pe_v_cent(var_rec* var, int Y, int A, int B, int C)
{
    const int a = var->a[0], b = var->a[1], c = var->a[2], d = var->a[3];
    const Combo k = centroid(A, B, C);
    if (var->type == 2 || var->type == 4 || (var->type == 3 && a == Y && b != Y))
        return combo_affine(var, Y, k);
    if (var->type == 3 && b == Y && c == Y)
        return combo_quadratic(var, a, d, k);
    if (var->type == kVarRatio && a == Y && c == Y) {
        int A1 = A, B1 = B, C1 = C;
        if (xcoll(C1, Y, b))
            std::swap(B1, C1);
        if (xcoll(C1, Y, b))
            std::swap(A1, C1);
        return make_elim_step(var, add(S(A1, A1, C1, b), S(B1, B1, C1, b)), add(S(A1, A1, C1, d), S(B1, B1, C1, d)));
    }
    if (var->type == kVarRatio)
        return combo_ratio(var, a, b, c, d, Y, k);
    gerror("pe_v_cent");
    return nullptr;
}

elim_step* pe_v_orth(var_rec* var, int Y, int A, int B, int C) { return combo_affine(var, Y, orthocentre(A, B, C)); }

elim_step* pe_a_orth(var_rec* var, int Y, int A, int B, int C)
{
    const int b = var->a[1], c = var->a[2], d = var->a[3];
    if (var->a[0] != Y)
        gerror("pe_a_orth");
    if (xperp(b, d, A, B))
        return make_elim_step(var, S(C, b, c, d));
    if (xperp(b, d, A, C))
        return make_elim_step(var, S(B, b, c, d));
    if (xperp(b, d, B, C))
        return make_elim_step(var, S(A, b, c, d));
    return pe_v_orth(var, Y, A, B, C);
}

namespace {

// The circumradius squared, doubled: P(a, O, O, a) for a on the circle.
void pe_cr2(int A, int B, int C, PolyPtr& n, PolyPtr& d)
{
    n.reset(mul(P(A, B, B, A), P(A, C, C, A), P(B, C, C, B)));
    d.reset(mul(num(64), sq(S(A, B, C, C))));
}

bool is_vertex(int p, int A, int B, int C) { return p == A || p == B || p == C; }

}  // namespace

elim_step* pe_g_orth(var_rec* var, int Y, int A, int B, int C)
{
    const int a = var->a[0], b = var->a[1], c = var->a[2], d = var->a[3];
    if (a == Y && b != Y) {
        if (xpara(b, d, A, B))
            return make_elim_step(var, P(C, b, c, d));
        if (xpara(b, d, A, C))
            return make_elim_step(var, P(B, b, c, d));
        if (xpara(b, d, B, C))
            return make_elim_step(var, P(A, b, c, d));
        return pe_v_orth(var, Y, A, B, C);
    }
    if (b == Y && c == Y) {
        if (a == d && is_vertex(a, A, B, C)) {
            const int Z = a;
            const int X = Z == A ? B : A;
            const int W = Z == C ? B : C;
            return make_elim_step(var, mul(sq(P(X, Z, Z, W)), P(X, X, W, W)), mul(num(-16), sq(S(Z, X, W, W))));
        }
        if (a == d && xcir_3p(a, A, B, C)) {
            PolyPtr n, m;
            pe_cr2(A, B, C, n, m);
            xterm* value = add(mul(num(9), n.release()), mul(cp(m.get()), add(P(A, A, C, C), P(B, B, C, C), P(A, A, B, B))));
            return make_elim_step(var, value, m.release());
        }
        if (a != d && is_vertex(a, A, B, C) && is_vertex(d, A, B, C))
            return make_elim_step(var, mul(P(A, B, B, C), P(A, C, C, B), P(B, A, A, C)),
                                  mul(num(-16), sq(S(A, B, C, C))));
        return combo_quadratic(var, a, d, orthocentre(A, B, C));
    }
    gerror("pe_g_orth");
    return nullptr;
}

elim_step* pe_v_circum(var_rec* var, int Y, int A, int B, int C)
{
    return combo_affine(var, Y, circumcentre(A, B, C));
}

elim_step* pe_a_circum(var_rec* var, int Y, int A, int B, int C)
{
    const int b = var->a[1], c = var->a[2], d = var->a[3];
    int X = A, Z = B, W = C;
    if (xperp(b, d, Z, W))
        std::swap(X, W);
    if (xperp(b, d, X, W))
        std::swap(Z, W);
    if (xperp(b, d, X, Z))
        return make_elim_step(var, add(S(X, b, c, d), S(Z, b, c, d)), num(2));
    if (c == d && xcir_5p(Y, b, c, X, Z, W)) {
        int x = X;
        for (const int q : {X, Z, W})
            if (q != b && q != c) {
                x = q;
                break;
            }
        return make_elim_step(var, mul(P(b, c, c, b), P(b, x, x, c)), mul(num(32), S(x, b, c, d)));
    }
    return pe_v_circum(var, Y, X, Z, W);
}

elim_step* pe_r_circum1(var_rec* var, int Y, int A, int B, int C)
{
    const int a = var->a[0], b = var->a[1], c = var->a[2], d = var->a[3];
    const auto in_ratio = [&](int p) { return p == a || p == b || p == c || p == d; };
    int X = A, Z = B;
    if (in_ratio(C) && !in_ratio(A))
        X = C, Z = B;
    else if (in_ratio(C) && !in_ratio(B))
        X = C, Z = A;
    // 4 (p - M).(Z - X), M the midpoint of XZ, which Y projects to.
    const auto along = [&](int p) { return add(P(p, X, X, Z), P(p, X, Z, Z)); };
    if (a == Y && c == Y)
        return make_elim_step(var, along(b), along(d));
    if (a == Y)
        return make_elim_step(var, along(b), mul(num(2), P(d, X, c, Z)));
    if (c == Y) {
        elim_step* s = make_elim_step(var, along(d), mul(num(2), P(b, X, a, Z)));
        return q_swap(s);
    }
    gerror("pe-r-circum1");
    return nullptr;
}

elim_step* pe_g_circum2(var_rec* var, int Y, int A, int B, int C)
{
    const int a = var->a[0], b = var->a[1], c = var->a[2], d = var->a[3];
    if (a == Y && b != Y) {
        if (xcir_2p(Y, b, d))
            return make_elim_step(var, add(P(b, b, c, d), P(d, b, c, d)), num(2));
        return pe_v_circum(var, Y, A, B, C);
    }
    if (b == Y && c == Y) {
        if (a == d && xcir_4p(Y, a, A, B, C)) {
            PolyPtr n, m;
            pe_cr2(A, B, C, n, m);
            return make_elim_step(var, n.release(), m.release());
        }
        if (xcir_5p(Y, a, d, A, B, C))
            return make_elim_step(var,
                                  add(mul(num(2), P(A, B, B, A), P(A, C, C, A), P(B, C, C, B)),
                                      mul(num(64), sq(S(A, B, C, C)), P(a, a, d, d))),
                                  mul(num(128), sq(S(A, B, C, C))));
        return combo_quadratic(var, a, d, circumcentre(A, B, C));
    }
    gerror("pe-g-circum2");
    return nullptr;
}

elim_step* pe_v_incent(var_rec* var, int Y, int W, int X, int Z)
{
    return combo_affine(var, Y, incentre_vertex(W, X, Z));
}

elim_step* pe_a_incent(var_rec* var, int Y, int W, int X, int Z) { return pe_v_incent(var, Y, W, X, Z); }

elim_step* pe_r_incenter(var_rec* var, int Y, int W, int X, int Z)
{
    const int a = var->a[0], b = var->a[1], c = var->a[2], d = var->a[3];
    if (a != Y && c != Y) {
        gerror("pe_r_incenter");
        return nullptr;
    }
    return combo_ratio(var, a, b, c, d, Y, incentre_vertex(W, X, Z));
}

elim_step* pe_g_incent2(var_rec* var, int Y, int W, int X, int Z)
{
    int a = var->a[0], b = var->a[1], c = var->a[2], d = var->a[3];
    if (a == Y && b != Y) {
        bool flipped = false;
        if (c == d) {
            std::swap(b, d);
            flipped = true;
        }
        if (b == c && d == Z)
            std::swap(X, Z);
        if (b == c && b == W && d == X) {
            xterm* n = mul(num(16), P(W, X, X, W), sq(S(W, X, X, Z)));
            if (flipped)
                n = neg(n);
            return make_elim_step(var, n, mul(P(X, Z, Z, X), P(X, W, W, Z)));
        }
        return pe_v_incent(var, Y, W, X, Z);
    }
    if (b == Y && c == Y) {
        const auto Ax = [&] { return P(W, X, X, Z); };
        const auto Az = [&] { return P(W, Z, Z, X); };
        const auto Aw = [&] { return P(X, W, W, Z); };
        const auto Lx = [&] { return P(W, X, X, W); };
        const auto Lz = [&] { return P(W, Z, Z, W); };
        const auto Lxz = [&] { return P(X, Z, Z, X); };
        const auto T = [&] { return S(X, W, W, Z); };
        const auto pair = [&](int p, int q) { return (a == p && d == q) || (a == q && d == p); };
        if (a == W && d == W)
            return make_elim_step(var, mul(num(16), Lx(), Lz(), sq(T())), mul(sq(Aw()), Lxz()));
        if (a == X && d == X)
            return make_elim_step(var, mul(sq(Lx()), sq(Az())), mul(Lxz(), sq(Aw())));
        if (a == Z && d == Z)
            return make_elim_step(var, mul(sq(Lz()), sq(Ax())), mul(Lxz(), sq(Aw())));
        if (pair(X, Z))
            return make_elim_step(var, mul(Ax(), Az(), sub(mul(Lx(), Lz()), mul(num(2), sq(Aw())))),
                                  mul(sq(Aw()), Lxz()));
        if (pair(X, W))
            return make_elim_step(var, mul(num(16), Lx(), Az(), sq(T())), mul(Lxz(), sq(Aw())));
        if (pair(Z, W))
            return make_elim_step(var, mul(num(16), Lz(), Ax(), sq(T())), mul(Lxz(), sq(Aw())));
        return combo_quadratic(var, a, d, incentre_vertex(W, X, Z));
    }
    gerror("pe-g-incent2");
    return nullptr;
}
