// Fact tests and the finders behind them that walk whole lists, and the
// scans that the indexed lookups (indexed_lookups.cpp) stand in for.

#include "facts/fact_tests.h"

#include <initializer_list>
#include <utility>

#include "facts/gdd_lookup.h"
#include "facts/gdd_scan.h"
#include "facts/record_match.h"

// ---- lines -----------------------------------------------------------------------

Gdd_line* fd_ln_3pt_scan(int a, int b, int c)
{
    for (Gdd_line* l : g_ln_list)
        if (l->last >= 2 && on_ln(a, l) && on_ln(b, l) && on_ln(c, l))
            return l;
    return nullptr;
}

Gdd_line* fd_ln_pts(const int* pts, int n)
{
    for (Gdd_line* l : g_ln_list) {
        if (l->last < 2)
            continue;
        bool all = true;
        for (int i = 0; i <= n && all; ++i)
            all = pts[i] == 0 || on_ln(pts[i], l);
        if (all)
            return l;
    }
    return nullptr;
}

bool xcoll(int a, int b, int c)
{
    if (a == b || a == c || b == c)
        return true;
    return fd_ln_3pt(a, b, c) != nullptr;
}

bool xcoll4(int a, int b, int c, int d)
{
    if (a != b)
        return xcoll(a, b, c) && xcoll(a, b, d);
    return xcoll(b, c, d);
}

// ---- parallels and perpendiculars -----------------------------------------------

Gdd_pline* fd_pls_4pt(int a, int b, int c, int d)
{
    for (Gdd_pline* P : g_pn_list) {
        if (P->last < 1)
            continue;
        for (int i = 0; i <= P->last; ++i) {
            const Gdd_line* l = P->lines[static_cast<std::size_t>(i)];
            int x, y;  // the pair a later line must hold
            if (on_ln(a, l) && on_ln(b, l)) {
                x = c;
                y = d;
            } else if (on_ln(c, l) && on_ln(d, l)) {
                x = a;
                y = b;
            } else {
                continue;
            }
            for (int j = i + 1; j <= P->last; ++j) {
                const Gdd_line* m = P->lines[static_cast<std::size_t>(j)];
                if (on_ln(x, m) && on_ln(y, m))
                    return P;
            }
            // A line belongs to one live class: no other class can answer.
            if (P->live())
                return nullptr;
            break;
        }
    }
    return nullptr;
}

bool xpara(int a, int b, int c, int d)
{
    if (a == b || c == d || xcoll4(a, b, c, d))
        return true;
    return fd_pls_4pt(a, b, c, d) != nullptr;
}

bool xpara_ln_scan(const Gdd_line* l1, const Gdd_line* l2)
{
    if (l1 == l2)
        return true;
    for (const Gdd_pline* P : g_pn_list)
        if (in_pls(l1, P) && in_pls(l2, P))
            return true;
    return false;
}

bool xperp_ln_scan(const Gdd_line* l1, const Gdd_line* l2)
{
    if (!l1 || !l2 || l1 == l2)
        return false;
    for (const Gdd_tline* T : g_tn_list)
        if (tp_is(T, l1, l2))
            return true;
    return false;
}

bool xperp(int a, int b, int c, int d)
{
    if (a == b || c == d)
        return true;
    const Gdd_line* l1 = fd_ln(a, b);
    const Gdd_line* l2 = fd_ln(c, d);
    return l1 && l2 && xperp_ln(l1, l2);
}

Gdd_tline* fd_tp_4pt_scan(int a, int b, int c, int d)
{
    const auto lines = tp_4pt_lines(a, b, c, d);
    if (!lines)
        return nullptr;
    for (Gdd_tline* T : g_tn_list)
        if (tp_is(T, lines->l1, lines->l2))
            return T;
    return nullptr;
}

// ---- circles ---------------------------------------------------------------------

Gdd_cir* fd_cir_key(const Gdd_cir& key)
{
    for (Gdd_cir* c : g_cir_list)
        if (cir_sub(&key, c))
            return c;
    return nullptr;
}

namespace {

Gdd_cir* fd_cir_pts(int o, std::initializer_list<int> pts)
{
    Gdd_cir key;
    key.centre = static_cast<std::int8_t>(o);
    key.last = static_cast<std::int8_t>(pts.size() - 1);
    std::size_t i = 0;
    for (int p : pts)
        key.pts[i++] = static_cast<std::int8_t>(p);
    return fd_cir_key(key);
}

}  // namespace

Gdd_cir* fd_cir_4p(int o, int a, int b, int c, int d) { return fd_cir_pts(o, {a, b, c, d}); }

bool xcir_2p(int o, int a, int b) { return fd_cir_pts(o, {a, b}) != nullptr; }
bool xcir_3p(int o, int a, int b, int c) { return fd_cir_pts(o, {a, b, c}) != nullptr; }
bool xcir_4p(int o, int a, int b, int c, int d) { return fd_cir_pts(o, {a, b, c, d}) != nullptr; }
bool xcir_5p(int o, int a, int b, int c, int d, int e) { return fd_cir_pts(o, {a, b, c, d, e}) != nullptr; }

// ---- midpoints --------------------------------------------------------------------

Gdd_mid* fd_mid_rec(int m, int a, int b)
{
    for (Gdd_mid* md : g_mid_list)
        if (md->m == m && same_pair(md->a, md->b, a, b))
            return md;
    return nullptr;
}

bool xmid(int m, int a, int b) { return fd_mid_rec(m, a, b) != nullptr; }

// ---- equal angles -------------------------------------------------------------------

bool ln_before(const Gdd_line* l1, const Gdd_line* l2) { return l1->seq < l2->seq; }

Ea_lines ea_canonical(const Gdd_line* w, const Gdd_line* x, const Gdd_line* y, const Gdd_line* z)
{
    const Gdd_line *a = w, *b = x, *c = y, *d = z;
    if (z == w) {  // [w, x] = [y, w] is [y, w] = [w, x]
        a = y;
        b = w;
        c = w;
        d = x;
    }
    auto less = ln_before;
    if (b == c) {
        if (less(d, a))
            std::swap(a, d);
    } else if (a == c) {
        if (less(d, b))
            std::swap(b, d);
    } else if (d == b) {  // [a, b] = [c, b] is [b, a] = [b, c]
        if (less(c, a))
            return {b, c, b, a};
        return {b, a, b, c};
    } else {
        const Gdd_line* min_ab = less(b, a) ? b : a;
        const Gdd_line* min_cd = less(d, c) ? d : c;
        if (less(min_cd, min_ab)) {
            std::swap(a, c);
            std::swap(b, d);
        }
        if (less(b, a)) {
            std::swap(a, b);
            std::swap(c, d);
        }
    }
    return {a, b, c, d};
}

Gdd_ea* fd_ea_ln_scan(const Gdd_line* l1, const Gdd_line* l2, const Gdd_line* l3, const Gdd_line* l4)
{
    const auto key = ea_key(l1, l2, l3, l4);
    if (!key)
        return nullptr;
    for (Gdd_ea* E : g_ea_list)
        if (ea_match(E, *key))
            return E;
    return nullptr;
}

Gdd_ea* fd_ea_pt(int a, int b, int c, int d, int e, int f, int g, int h)
{
    const Gdd_line* l1 = fd_ln(a, b);
    const Gdd_line* l2 = fd_ln(c, d);
    const Gdd_line* l3 = fd_ln(e, f);
    const Gdd_line* l4 = fd_ln(g, h);
    if (!l1 || !l2 || !l3 || !l4)
        return nullptr;
    return fd_ea_ln(l1, l2, l3, l4);
}

bool xacong_ln(const Gdd_line* l1, const Gdd_line* l2, const Gdd_line* l3, const Gdd_line* l4)
{
    if (l1 == l3 && l2 == l4)
        return true;
    if (xpara_ln(l1, l2) && xpara_ln(l3, l4))
        return true;
    if (xperp_ln(l1, l2) && xperp_ln(l3, l4))
        return true;
    return fd_ea_ln(l1, l2, l3, l4) != nullptr;
}

bool xacong(int a, int b, int c, int d, int e, int f)
{
    const Gdd_line* l1 = fd_ln(a, b);
    const Gdd_line* l2 = fd_ln(b, c);
    const Gdd_line* l3 = fd_ln(d, e);
    const Gdd_line* l4 = fd_ln(e, f);
    return l1 && l2 && l3 && l4 && xacong_ln(l1, l2, l3, l4);
}

// ---- congruent segments ------------------------------------------------------------

Gdd_cg* fd_cg_2seg_scan(int a, int b, int c, int d)
{
    if (same_pair(a, b, c, d))
        return nullptr;
    for (Gdd_cg* G : g_cg_list)
        if (in_cg(a, b, G) && in_cg(c, d, G))
            return G;
    return nullptr;
}

bool xcong_scan(int a, int b, int c, int d)
{
    if (same_pair(a, b, c, d))
        return true;
    for (const Gdd_cg* G : g_cg_list)
        if (G->live() && in_cg(a, b, G) && in_cg(c, d, G))
            return true;
    return false;
}

// ---- triangles ---------------------------------------------------------------------

Gdd_tri* fd_tri_pair(bool similar, bool any_state, int a, int b, int c, int d, int e, int f)
{
    // The pair in its six simultaneous vertex orders.
    const int t1[3] = {a, b, c}, t2[3] = {d, e, f};
    for (Gdd_tri* T : similar ? g_st_list : g_ct_list) {
        if (!any_state && !T->live())
            continue;
        for (const auto& o : kVertexOrders)
            if (in_tri(t1[o[0]], t1[o[1]], t1[o[2]], T) && in_tri(t2[o[0]], t2[o[1]], t2[o[2]], T))
                return T;
    }
    return nullptr;
}

bool xsim(int a, int b, int c, int d, int e, int f) { return fd_tri_pair(true, false, a, b, c, d, e, f) != nullptr; }

bool xcon(int a, int b, int c, int d, int e, int f) { return fd_tri_pair(false, false, a, b, c, d, e, f) != nullptr; }

// ---- ratios ------------------------------------------------------------------------

Gdd_ra* fd_ra_scan(int p1, int p2, int p3, int p4, int p5, int p6, int p7, int p8)
{
    const Ratio_key key(p1, p2, p3, p4, p5, p6, p7, p8);
    for (Gdd_ra* R : g_ra_list)
        if (ra_match(R, key))
            return R;
    return nullptr;
}

bool xratio(int p1, int p2, int p3, int p4, int p5, int p6, int p7, int p8)
{
    // s1 = s4 with s2 = s3 is not accepted: then s1 / s2 = s3 / s4 holds only
    // when s1 = s2, which the ratio rules derive from those congruences.
    if (xcong(p1, p2, p5, p6) && xcong(p3, p4, p7, p8))
        return true;
    if (xcong(p1, p2, p3, p4) && xcong(p5, p6, p7, p8))
        return true;
    return fd_ra(p1, p2, p3, p4, p5, p6, p7, p8) != nullptr;
}

// ---- the full-angle method's line order ------------------------------------------------

bool ln_less(const Gdd_line* l1, const Gdd_line* l2)
{
    if (l1 == l2)
        return false;
    if (l1->pts[1] != l2->pts[1])
        return l1->pts[1] < l2->pts[1];
    return l1->pts[0] < l2->pts[0];
}

bool ln_pair_less(const Gdd_line* l1, const Gdd_line* l2, const Gdd_line* l3, const Gdd_line* l4)
{
    const Gdd_line* small12 = ln_less(l2, l1) ? l2 : l1;
    const Gdd_line* large12 = small12 == l1 ? l2 : l1;
    const Gdd_line* small34 = ln_less(l4, l3) ? l4 : l3;
    const Gdd_line* large34 = small34 == l3 ? l4 : l3;
    if (large12 == large34)
        return ln_less(small12, small34);
    return ln_less(large12, large34);
}
