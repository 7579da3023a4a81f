// Rules started by an equal-angle record [A, B] = [C, D]: concyclic points
// and tangents from equal inscribed angles, bisectors, isosceles triangles,
// and similar triangles from two equal angles.

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "facts/gdd_trace.h"
#include "gdd/forward.h"
#include "gdd/rules_internal.h"
#include "prover/prover.h"

namespace {

bool all_different(int p, int q, int r, int s)
{
    return p != q && p != r && p != s && q != r && q != s && r != s;
}

// [A, B] at p equals [C, D] at q: p, q, r, s concyclic for r = A ∩ C and
// s = B ∩ D; or, when r is p or q, a tangent at r.
void as_cir(int p, int q, Gdd_line* A, Gdd_line* B, Gdd_line* C, Gdd_line* D)
{
    const int r = inter_lln(A, C);
    const int s = inter_lln(B, D);
    if (r && s && all_different(p, q, r, s) && !xcoll(p, q, r) && !xcoll(p, q, s)) {
        add_codb(kCondEqAngle, p, r, p, s, q, r, q, s);
        add_cir4(0, 0, p, q, r, s);
        next_cond();
        return;
    }
    if ((r == p || r == q) && s && s != p && s != q) {
        const int o = fd_cir3(p, q, s);
        if (o == 0)
            return;
        const int t = r == p ? ln_other_pt(A, p) : ln_other_pt(C, q);
        add_codb_ln(kCondEqAngle, A, B, C, D);
        add_codb(kCondCyclic, o, p, q, s);
        add_tline(0, o, r, r, t);
        next_cond();
        next_cond();
    }
}

// The tangent-chord angle read backwards: the line through p that makes the
// angle is the tangent, perpendicular to the radius (43).
void as_tan(int p, int q, Gdd_line* A, Gdd_line* B, Gdd_line* C, Gdd_line* D)
{
    auto fire = [&](int s, const Gdd_line* tangent) {
        const int o = fd_cir3(p, q, s);
        if (o == 0)
            return false;
        const int t = ln_other_pt(tangent, p);
        add_codb(kCondEqAngle, t, p, p, s, p, q, q, s);
        add_codb(kCondCyclic, o, p, q, s);
        add_tline(43, o, p, p, t);
        next_cond();
        next_cond();
        return true;
    };
    if (inter_lln(A, C) == p && p != q) {
        const int s = inter_lln(B, D);
        if (s && s != p && s != q && fire(s, A))
            return;
    }
    if (inter_lln(B, D) == p && p != q) {
        const int s = inter_lln(A, C);
        if (s && s != p && s != q)
            fire(s, B);
    }
}

// The inscribed angle at p equals the angle at the centre q between a
// radius and D: D bisects the central angle, so it halves the chord (45).
void as_md(int p, int q, Gdd_line* A, Gdd_line* B, Gdd_line* C, Gdd_line* D)
{
    // First form: x on A and C, y on B; second form: x on B and D, y on A.
    auto form = [&](int lemma, Gdd_line* xa, Gdd_line* xb, Gdd_line* ya, Gdd_line* zline, bool second) {
        const int x = inter_lln(xa, xb);
        if (x == 0)
            return;
        const Gdd_cir* K = fd_cir_cp(q, p);
        if (!K || !on_cir(x, K))
            return;
        const int y = inter_lc_new(ya, K, p);
        if (y == 0 || x == p || x == q || y == p || y == q || x == y)
            return;
        const int z = inter_lln(zline, fd_ln(x, y));
        if (z == 0)
            return;
        const int t = ln_other_pt(zline, q);
        if (second) {
            add_codb(kCondEqAngle, y, p, p, x, t, q, q, x);
            add_codb(kCondCyclic, q, p, y, x);
        } else {
            add_codb(kCondEqAngle, x, p, p, y, x, q, q, t);
            add_codb(kCondCyclic, q, p, x, y);
        }
        add_mid(lemma, z, x, y);
        next_cond();
        next_cond();
    };
    form(45, A, C, B, D, false);
    form(0, B, D, A, C, true);
}

// [A, B] = [B, D]: B bisects the angle of A and D.
void aearch_as_1(int p, int q, Gdd_line* A, Gdd_line* B, Gdd_line* D)
{
    if (!p || !q)
        return;
    const int x = inter_lln(A, D);
    if (!x)
        return;
    if (!xcoll(x, p, q)) {
        // The triangle xpq has equal angles at p and q (23).
        add_codb(kCondEqAngle, x, p, p, q, p, q, q, x);
        add_cir2(23, x, p, q);
        next_cond();
        return;
    }
    if (x != q) {
        // Three lines through p and q with x on them all: the record is
        // inconsistent.
        gerror("aearch_as_1");
        throw ProverAbort("aearch_as_1");
    }
    // A, B, D through p: the perpendicular to B at p is the other bisector.
    const int t = ln_other_pt(B, p);
    if (Gdd_line* T = fd_tl_pt(p, p, t)) {
        const int t2 = ln_other_pt(T, p);
        const int a1 = ln_other_pt(A, p), d1 = ln_other_pt(D, p);
        add_codb(kCondPerp, p, t, p, t2);
        add_codb(kCondEqAngle, p, a1, p, t, p, t, p, d1);
        add_ea_ln(0, A, T, T, D);
        next_cond();
        next_cond();
    }
    for (int i = 0; i <= A->last; ++i) {
        const int a = A->pts[static_cast<std::size_t>(i)];
        if (a == p)
            continue;
        for (int k = 0; k <= D->last; ++k) {
            const int d = D->pts[static_cast<std::size_t>(k)];
            if (d == p)
                continue;
            const int m = inter_lln(B, fd_ln(a, d));
            if (!m)
                continue;
            if (xperp(a, d, p, t)) {
                add_codb(kCondEqAngle, a, p, p, t, t, p, p, d);
                add_codb(kCondPerp, a, d, p, t);
                add_mid(29, m, a, d);
                next_cond();
                next_cond();
            } else if (xmid(m, a, d) && !xcoll(p, a, d)) {
                add_codb(kCondEqAngle, a, p, p, m, m, p, p, d);
                add_codb(kCondMid, m, a, d);
                add_cir2(28, p, a, d);
                next_cond();
                next_cond();
            } else {
                add_codb(kCondEqAngle, a, p, p, m, m, p, p, d);
                if (xcir_2p(p, a, d)) {
                    add_codb(kCondCyclic, p, a, d);
                    add_mid(26, m, a, d);
                    next_cond();
                } else {
                    add_ratio(0, 0, p, a, p, d, m, a, m, d);
                }
                next_cond();
            }
        }
    }
}

// Equal angles at p (between A and B) and at q (between C and D): a second
// pair of equal angles over lines L and K makes the triangles pab and qcd
// similar (90), and their third angles equal.
void as_stri(int p, int q, Gdd_line* A, Gdd_line* B, Gdd_line* C, Gdd_line* D)
{
    g_tri_mode = 0;
    if (xcoll(p, ln_other_pt(A, p), ln_other_pt(B, p)))
        return;
    const std::vector<Transversal> Ls = transversals(A, B, p);
    const std::vector<Transversal> Ks = transversals(C, D, q);
    for (const Transversal& l : Ls) {
        Gdd_line* L = l.line;
        const int a = l.on1, b = l.on2;
        for (const Transversal& k : Ks) {
            Gdd_line* K = k.line;
            const int c = k.on1, d = k.on2;
            const bool not_self = !(p == q && c == a && b == d);
            auto similar = [&](int s, int x1, int x2, int x3, int x4, int x5, int x6, int x7, int x8, int e,
                               int f) {
                // pab similar to q e f with sign s.
                add_codb(kCondEqAngle, x1, x2, x3, x4, x5, x6, x7, x8);
                add_codb(kCondEqAngle, a, p, p, b, c, q, q, d);
                if (!st_ct(s, p, a, b, q, e, f))
                    add_stri(90, s, p, a, b, q, e, f);
            };
            if (not_self && xacong_ln(A, L, C, K) && !same_tri(p, a, b, q, c, d)) {
                similar(1, p, a, a, b, q, c, c, d, c, d);
                add_ae_pt(0, p, b, a, q, d, c);
            } else if (not_self && xacong_ln(B, L, D, K) && !same_tri(p, a, b, q, c, d)) {
                similar(1, p, b, b, a, q, d, d, c, c, d);
                add_ae_pt(0, p, a, b, q, c, d);
            } else if (xacong_ln(A, L, K, D) && !same_tri(p, a, b, q, d, c)) {
                similar(-1, p, a, a, b, c, d, d, q, d, c);
                add_ae_pt(0, p, b, a, d, c, q);
            } else if (xacong_ln(B, L, K, C) && !same_tri(p, a, b, q, d, c)) {
                similar(-1, p, b, b, a, d, c, c, q, d, c);
                add_ae_pt(0, p, a, b, c, d, q);
            } else {
                continue;
            }
            next_cond();
            next_cond();
        }
    }
}

}  // namespace

void search_as(Gdd_ea* E)
{
    if (g_trace)
        trace_str("searching angles\n");
    Gdd_line* A = E->l1;
    Gdd_line* B = E->l2;
    Gdd_line* C = E->l3;
    Gdd_line* D = E->l4;
    const int p = inter_lln(A, B);
    const int q = inter_lln(C, D);
    if (C != B) {
        if (p && q) {
            as_cir(p, q, A, B, C, D);
            as_tan(p, q, A, B, C, D);
            as_tan(q, p, C, D, A, B);
            as_md(p, q, A, B, C, D);
            as_md(q, p, C, D, A, B);
            as_stri(p, q, A, B, C, D);
        }
        const int r = inter_lln(A, C);
        const int s = inter_lln(B, D);
        if (r && s) {
            as_md(r, s, A, C, B, D);
            as_md(s, r, B, D, A, C);
            as_stri(r, s, A, C, B, D);
        }
    } else {
        aearch_as_1(p, q, A, B, D);
        if (p && q)
            as_stri(p, q, A, B, C, D);
    }
}
