// Rewriting rules of the full-angle method on circles: inscribed angles,
// angles at a centre, tangent-like chords, half and third angles.

#include <vector>

#include "facts/fact_tests.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "gdd/full_angle.h"
#include "gdd/full_angle_internal.h"
#include "prover/prover.h"

namespace {

std::vector<int> points(const Gdd_cir* K)
{
    std::vector<int> pts;
    for (int k = 0; k < K->count(); ++k)
        pts.push_back(K->pts[static_cast<std::size_t>(k)]);
    return pts;
}

// The first two points of line l on circle K (0 when missing).
void first_two_on(const Gdd_line* l, const Gdd_cir* K, int& a, int& b)
{
    a = inter_lc(l, K);
    b = a ? inter_lc_new(l, K, a) : 0;
}

xterm* one() { return get_n(1); }
xterm* twice(xterm* p) { return ptimes(get_n(2), p); }

// Forms 2 to 4 of fa_cir1 on one circle: the chord ab of L1.
elim_step* cir1_chord(const FaAngle& a, const Gdd_cir* K)
{
    int pa, pb;
    first_two_on(a.L1, K, pa, pb);
    if (!pb)
        return nullptr;
    const std::vector<int> pts = points(K);
    for (std::size_t i = 0; i < pts.size(); ++i) {
        for (std::size_t j = i + 1; j < pts.size(); ++j) {
            const int u = pts[i], w = pts[j];
            if (u == pa || u == pb || w == pa || w == pb)
                continue;
            if (!fa_precedes(u, pa, a.L1) || !fa_precedes(u, w, a.L1))
                continue;
            if (fa_precedes(w, pb, a.L1)) {
                fa_trace("cir1_2:  %s %s\r\n", a);
                add_codb(kCondCyclic, 0, pa, pb, u, w);
                return fa_value(a.var, pplus(fa_pts(u, pa, u, w), fa_pts(w, pb, a.C, a.D)));
            }
            const Gdd_line* wb = fa_line(w, pb);
            for (const bool perpendicular : {false, true}) {
                for (const Gdd_line* N : g_ln_list) {
                    if (!N->live() || N == wb || !ln_less(N, a.L1))
                        continue;
                    if (perpendicular ? !xperp_ln(N, wb) : !xpara_ln(N, wb))
                        continue;
                    add_codb(perpendicular ? kCondPerp : kCondPara, w, pb, N->pts[0], N->pts[1]);
                    add_codb(kCondCyclic, 0, pa, pb, u, w);
                    xterm* value = pplus(fa_pts(u, pa, u, w), fa_ln_pts(N, a.C, a.D));
                    return fa_value(a.var, perpendicular ? pplus(value, one()) : value);
                }
            }
        }
    }
    return nullptr;
}

}  // namespace

elim_step* fa_cir1(const FaAngle& a)
{
    fa_trace("cir1: %s %s %s %s\r\n", a);
    const int p = inter_lln(a.L1, a.L2);
    for (const Gdd_cir* K : g_cir_list) {
        if (!K->live())
            continue;
        if (p && on_cir(p, K)) {
            const int x = inter_lc_new(a.L1, K, p), y = inter_lc_new(a.L2, K, p);
            if (x && y) {
                for (const int z : points(K)) {
                    if (z == p || z == x || z == y)
                        continue;
                    if (fa_precedes(z, x, a.L1) && fa_precedes(z, y, a.L1)) {
                        fa_trace("cir1_1: %s %s %s\r\n", a);
                        add_codb(kCondCyclic, 0, p, z, x, y);
                        return fa_value(a.var, fa_pts(z, x, z, y));
                    }
                }
            }
        }
        if (elim_step* rule = cir1_chord(a, K))
            return rule;
    }
    return nullptr;
}

elim_step* fa_cir2(const FaAngle& a)
{
    fa_trace("cir2: %s %s %s %s\r\n", a);
    const int p = inter_lln(a.L1, a.L2);
    if (!p)
        return nullptr;
    for (const Gdd_cir* K1 : g_cir_list) {
        if (!K1->live() || !on_cir(p, K1))
            continue;
        const int pa = inter_lc_new(a.L1, K1, p);
        if (!pa)
            continue;
        for (const Gdd_cir* K2 : g_cir_list) {
            if (!K2->live() || !on_cir(p, K2))
                continue;
            const int pb = inter_lc_new(a.L2, K2, p);
            if (!pb)
                continue;
            for (const int x : points(K1)) {
                if (x == p || x == pa)
                    continue;
                for (const int y : points(K2)) {
                    if (y == p || y == pb || !xcoll(p, x, y))
                        continue;
                    for (const int u : points(K1)) {
                        if (u == p || u == pa || u == x)
                            continue;
                        for (const int w : points(K2)) {
                            if (w == p || w == pb || w == y)
                                continue;
                            const Gdd_line *ua = fa_line(u, pa), *ux = fa_line(u, x);
                            const Gdd_line *wb = fa_line(w, pb), *wy = fa_line(w, y);
                            if (!ua || !ux || !wb || !wy || !ln_pair_less(ua, ux, a.L1, a.L2) ||
                                !ln_pair_less(wb, wy, a.L1, a.L2))
                                continue;
                            add_codb(kCondCyclic, 0, p, pb, y, w);
                            add_codb(kCondCyclic, 0, p, pa, x, u);
                            add_codb(kCondColl, p, x, y);
                            return fa_value(a.var, pminus(fa_pts(u, pa, u, x), fa_pts(w, pb, w, y)));
                        }
                    }
                }
            }
        }
    }
    return nullptr;
}

elim_step* fa_cir3(const FaAngle& a)
{
    fa_trace("cir3: %s %s %s %s\r\n", a);
    const int meet = inter_lln(a.L1, a.L2);
    for (const Gdd_cir* K : g_cir_list) {
        const int o = K->centre;
        if (!K->live() || o == 0 || !on_ln(o, a.L1))
            continue;
        const int x = inter_lc(a.L1, K);
        if (!x)
            continue;
        const std::vector<int> pts = points(K);
        if (meet == o) {
            if (const int y = inter_lc(a.L2, K)) {
                for (const int z : pts)
                    if (z != x && z != y && fa_precedes(z, x, a.L1) && fa_precedes(z, y, a.L1)) {
                        add_codb(kCondCyclic, o, x, y, z);
                        return fa_value(a.var, twice(fa_pts(z, x, z, y)));
                    }
                if (fa_precedes(x, y, a.L1)) {
                    add_codb(kCondCyclic, o, x, y);
                    return fa_value(a.var, twice(fa_pts(x, y, a.C, a.D)));
                }
            }
        } else if (on_ln(x, a.L2)) {
            const int y = inter_lc_new(a.L2, K, x);
            if (y && fa_precedes(o, y, a.L1)) {
                add_codb(kCondCyclic, o, x, y);
                return fa_value(a.var, fa_pts(x, y, o, y));
            }
        }
        for (std::size_t i = 0; i < pts.size(); ++i) {
            for (std::size_t j = i + 1; j < pts.size(); ++j) {
                const int s = pts[i], t = pts[j];
                if (s == x || t == x)
                    continue;
                const bool on_cd = on_ln(x, a.L2) && on_ln(t, a.L2);
                const int g = on_cd ? t : s, h = on_cd ? s : t;
                if (fa_precedes(x, g, a.L1) && fa_precedes(h, x, a.L1) && fa_precedes(h, g, a.L1)) {
                    add_codb(kCondCyclic, o, x, g, h);
                    return fa_value(a.var, pplus(pplus(fa_pts(h, x, h, g), fa_pts(x, g, a.C, a.D)), one()));
                }
            }
        }
    }
    return nullptr;
}

elim_step* fa_cir4(const FaAngle& a)
{
    fa_trace("cir4: %s %s %s %s\r\n", a);
    for (const Gdd_cir* K : g_cir_list) {
        const int o = K->centre;
        if (!K->live() || o == 0 || o > a.A)
            continue;
        int x, y;
        first_two_on(a.L1, K, x, y);
        if (!y)
            continue;
        for (const int z : points(K)) {
            if (z == x || z == y || !fa_precedes(y, z, a.L1))
                continue;
            if (const int m = fd_mid(x, z)) {
                if (fa_precedes(x, o, a.L1) && fa_precedes(o, m, a.L1)) {
                    add_codb(kCondMid, m, x, z);
                    add_codb(kCondCyclic, o, x, y, z);
                    return fa_value(a.var, pplus(fa_pts(o, x, o, m), fa_pts(y, z, a.C, a.D)));
                }
                if (fa_precedes(z, o, a.L1) && fa_precedes(o, m, a.L1)) {
                    add_codb(kCondMid, m, x, z);
                    add_codb(kCondCyclic, o, x, y, z);
                    return fa_value(a.var, pplus(fa_pts(o, m, o, z), fa_pts(y, z, a.C, a.D)));
                }
            }
            if (fa_precedes(x, o, a.L1) && fa_precedes(x, z, a.L1)) {
                add_codb(kCondCyclic, o, x, y, z);
                return fa_value(a.var, pplus(pplus(fa_pts(x, o, x, z), fa_pts(y, z, a.C, a.D)), one()));
            }
            if (fa_precedes(z, o, a.L1) && fa_precedes(x, z, a.L1)) {
                add_codb(kCondCyclic, o, x, y, z);
                return fa_value(a.var, pplus(pplus(fa_pts(z, x, z, o), fa_pts(y, z, a.C, a.D)), one()));
            }
        }
    }
    return nullptr;
}

elim_step* fa_double(var_rec* v)
{
    const FaAngle a = fa_angle(v);
    if (!a.L1 || !a.L2)
        return nullptr;
    if (g_trace)
        gprint("double:" + var_text(v, 0) + "\r\n");
    for (const Gdd_cir* K : g_cir_list) {
        const int o = K->centre;
        if (!K->live() || o == 0)
            continue;
        // 1. A radius ox on L1.
        const int x = inter_lc(a.L1, K);
        if (x && on_ln(o, a.L1)) {
            const int y = on_ln(x, a.L2) ? inter_lc_new(a.L2, K, x) : 0;
            if (y && xperp(o, x, o, y)) {
                add_codb(kCondPerp, o, x, o, y);
                add_codb(kCondCyclic, o, x, y);
                return fa_value(v, get_n(1), 2);
            }
            for (const int q : points(K)) {
                if (q != x && xperp(o, x, o, q) && fa_precedes(x, q, a.L1)) {
                    add_codb(kCondPerp, o, x, o, q);
                    add_codb(kCondCyclic, o, x, q);
                    return fa_value(v, pplus(twice(fa_pts(x, q, a.C, a.D)), one()), 2);
                }
            }
        }
        // 2. A chord ab on L1.
        int pa, pb;
        first_two_on(a.L1, K, pa, pb);
        if (pb && fa_precedes(o, pa, a.L1) && fa_precedes(o, pb, a.L1)) {
            if (!xpara(o, pa, a.C, a.D)) {
                add_codb(kCondCyclic, o, pa, pb);
                return fa_value(v, pplus(fa_pts(o, pa, o, pb), twice(fa_pts(o, pb, a.C, a.D))), 2);
            }
            add_codb(kCondPara, o, pa, a.C, a.D);
            add_codb(kCondCyclic, o, pa, pb);
            return fa_value(v, fa_pts(o, pb, o, pa), 2);
        }
        // 3. L1 through the centre and a second circle through it.
        if (!on_ln(o, a.L1))
            continue;
        for (const Gdd_cir* K2 : g_cir_list) {
            if (!K2->live() || K2 == K || !on_cir(o, K2))
                continue;
            const int p = inter_cc(K, K2);
            const int q = p ? inter_cc_new(K, K2, p) : 0;
            const int z = inter_lc_new(a.L1, K2, o);
            if (!q || !z)
                continue;
            const int w = on_ln(z, a.L2) ? inter_lc_new(a.L2, K2, z) : 0;
            if ((p == w || q == w) && xperp(z, p, z, q)) {
                add_codb(kCondPerp, z, p, z, q);
                add_codb(kCondCyclic, 0, o, p, q, z);
                add_codb(kCondCyclic, o, p, q);
                add_codb(kCondColl, o, a.A, a.B, z);
                add_codb(kCondColl, a.C, a.D, w);
                return fa_value(v, get_n(1), 2);
            }
            for (const int s : points(K2)) {
                if (s == p || s == q || !fa_precedes(s, p, a.L1) || !fa_precedes(s, q, a.L1))
                    continue;
                xterm* value = nullptr;
                if (p == w)
                    value = fa_pts(s, q, s, p);
                else if (q == w)
                    value = fa_pts(s, p, s, q);
                else if (fa_precedes(z, p, a.L1))
                    value = pplus(fa_pts(s, q, s, p), twice(fa_pts(z, p, a.C, a.D)));
                else if (fa_precedes(z, q, a.L1))
                    value = pplus(fa_pts(s, p, s, q), twice(fa_pts(z, q, a.C, a.D)));
                if (!value)
                    break;
                add_codb(kCondCyclic, 0, o, p, q, z, s);
                add_codb(kCondCyclic, o, p, q);
                add_codb(kCondColl, o, a.A, a.B, z);
                if (p == w || q == w)
                    add_codb(kCondColl, a.C, a.D, w);
                return fa_value(v, value, 2);
            }
        }
    }
    return nullptr;
}

elim_step* fa_triple(var_rec* v)
{
    const FaAngle a = fa_angle(v);
    if (!a.L1 || !a.L2)
        return nullptr;
    if (g_trace)
        gprint("triple:" + var_text(v, 0) + "\r\n");
    const int p = inter_lln(a.L1, a.L2);
    if (!p)
        return nullptr;
    for (const Gdd_cir* K : g_cir_list) {
        if (!K->live() || K->centre != p)
            continue;
        const int x = inter_lc(a.L1, K), y = inter_lc(a.L2, K);
        if (x && y && (xcir_2p(x, p, y) || xcir_2p(y, p, x))) {
            // The equilateral triangle pxy, and the two circles that make it.
            add_codb(kCondEquilateral, p, x, y);
            add_codb(kCondCyclic, p, x, y);
            if (xcir_2p(x, p, y))
                add_codb(kCondCyclic, x, p, y);
            else
                add_codb(kCondCyclic, y, p, x);
            return fa_value(v, get_n(0), 3);
        }
    }
    return nullptr;
}
