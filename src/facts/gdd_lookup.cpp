// Lookups in the fact database.

#include "facts/gdd_lookup.h"

#include <utility>

#include "facts/fact_tests.h"
#include "facts/gdd_scan.h"
#include "facts/record_match.h"
#include "prover/prover.h"

// ---- lines -----------------------------------------------------------------------

bool on_ln(int p, const Gdd_line* l)
{
    if (!l)
        return false;
    for (int i = 0; i <= l->last; ++i)
        if (l->pts[static_cast<std::size_t>(i)] == p)
            return true;
    return false;
}

Gdd_line* fd_ln_scan(int a, int b)
{
    for (Gdd_line* l : g_ln_list)
        if (l->live() && on_ln(a, l) && on_ln(b, l))
            return l;
    return nullptr;
}

Gdd_line* fd_ln3_scan(int a, int b, int c)
{
    for (Gdd_line* l : g_ln_list)
        if (l->live() && ln3_match(l, a, b, c))
            return l;
    return nullptr;
}

Gdd_line* new_ln(int a, int b)
{
    Gdd_line* l = g_ln_list.append();
    l->state = kLive;
    l->last = 1;
    l->pts[0] = static_cast<std::int8_t>(a < b ? a : b);
    l->pts[1] = static_cast<std::int8_t>(a < b ? b : a);
    return l;
}

Gdd_line* fadd_ln(int a, int b)
{
    Gdd_line* l = fd_ln(a, b);
    return l ? l : new_ln(a, b);
}

Gdd_line* fd_ln_pt_scan(int p)
{
    for (Gdd_line* l : g_ln_list)
        if (l->live() && l->last >= 2 && on_ln(p, l))
            return l;
    return nullptr;
}

Gdd_line* fd_ln_meet2_scan(const Gdd_line* l)
{
    for (Gdd_line* m : g_ln_list)
        if (m != l && m->live() && meets_twice(l, m))
            return m;
    return nullptr;
}

bool ln_sub(const Gdd_line* l1, const Gdd_line* l2)
{
    for (int i = 0; i <= l1->last; ++i)
        if (!on_ln(l1->pts[static_cast<std::size_t>(i)], l2))
            return false;
    return true;
}

int ln_other_pt(const Gdd_line* l, int p)
{
    if (!l)
        return 0;
    for (int i = 0; i <= l->last; ++i)
        if (l->pts[static_cast<std::size_t>(i)] != p)
            return l->pts[static_cast<std::size_t>(i)];
    return 0;
}

int ln_other_pt2(const Gdd_line* l, int p, int q)
{
    if (!l)
        return 0;
    for (int i = 0; i <= l->last; ++i) {
        const int x = l->pts[static_cast<std::size_t>(i)];
        if (x != p && x != q)
            return x;
    }
    return 0;
}

namespace {

// A dead line stands for the live line of its first two points.
const Gdd_line* revive(const Gdd_line* l)
{
    if (l && !l->live())
        return fd_ln(l->pts[0], l->pts[1]);
    return l;
}

}  // namespace

int inter_lln_new(const Gdd_line* l1, const Gdd_line* l2, int p)
{
    if (!l1 || !l2 || l1 == l2)
        return 0;
    l1 = revive(l1);
    l2 = revive(l2);
    if (!l1 || !l2 || l1 == l2)
        return 0;
    for (int i = 0; i <= l1->last; ++i) {
        const int x = l1->pts[static_cast<std::size_t>(i)];
        if (x != p && on_ln(x, l2))
            return x;
    }
    return 0;
}

int inter_lln(const Gdd_line* l1, const Gdd_line* l2) { return inter_lln_new(l1, l2, 0); }

// ---- circles ---------------------------------------------------------------------

bool on_cir(int p, const Gdd_cir* c)
{
    if (p == 0)
        return true;
    if (!c)
        return false;
    for (int i = 0; i <= c->last; ++i)
        if (c->pts[static_cast<std::size_t>(i)] == p)
            return true;
    return false;
}

namespace {

// First point of r (a line or a circle; stored order) other than p on c.
template <class R>
int first_on_cir(const R* r, const Gdd_cir* c, int p)
{
    if (!r || !c)
        return 0;
    for (int i = 0; i <= r->last; ++i) {
        const int x = r->pts[static_cast<std::size_t>(i)];
        if (x != p && on_cir(x, c))
            return x;
    }
    return 0;
}

}  // namespace

int inter_lc_new(const Gdd_line* l, const Gdd_cir* c, int p) { return first_on_cir(l, c, p); }

int inter_lc(const Gdd_line* l, const Gdd_cir* c) { return inter_lc_new(l, c, 0); }

int inter_cc_new(const Gdd_cir* c1, const Gdd_cir* c2, int p) { return first_on_cir(c1, c2, p); }

int inter_cc(const Gdd_cir* c1, const Gdd_cir* c2) { return inter_cc_new(c1, c2, 0); }

int cir_other_pt3(const Gdd_cir* c, int p, int q, int r)
{
    if (!c)
        return 0;
    for (int i = 0; i <= c->last; ++i) {
        const int x = c->pts[static_cast<std::size_t>(i)];
        if (x != p && x != q && x != r)
            return x;
    }
    return 0;
}

int cir_other_pt(const Gdd_cir* c, int p, int q) { return cir_other_pt3(c, p, q, q); }

bool cir_sub(const Gdd_cir* c1, const Gdd_cir* c2)
{
    if (c1->centre != 0 && c1->centre != c2->centre)
        return false;
    for (int i = 0; i <= c1->last; ++i)
        if (!on_cir(c1->pts[static_cast<std::size_t>(i)], c2))
            return false;
    return true;
}

Gdd_cir* fd_cir_cp(int o, int p)
{
    for (Gdd_cir* c : g_cir_list)
        if (c->live() && c->centre == o && on_cir(p, c))
            return c;
    return nullptr;
}

int fd_cir3(int a, int b, int c)
{
    for (const Gdd_cir* cr : g_cir_list)
        if (cr->centre != 0 && on_cir(a, cr) && on_cir(b, cr) && on_cir(c, cr))
            return cr->centre;
    return 0;
}

bool all_on_cir(int n)
{
    if (n < 3 || n >= kProPointCount)
        return false;
    auto kind = [](int p) { return g_pro_points[static_cast<std::size_t>(p)].kind; };
    if (n == 3 && kind(1) == cons_kind::kFreePoint && kind(2) == cons_kind::kFreePoint &&
        kind(3) == cons_kind::kFreePoint)
        return false;
    for (int p = 1; p <= n; ++p) {
        const auto k = kind(p);
        if (k != cons_kind::kFreePoint && k != cons_kind::kOnCircle && k != cons_kind::kCircleMember &&
            k != cons_kind::kCircumcenter)
            return false;
    }
    for (const Gdd_cir* c : g_cir_list) {
        bool all = true;
        for (int p = 1; p <= n && all; ++p)
            all = p == c->centre || on_cir(p, c);
        if (all)
            return true;
    }
    return false;
}

// ---- midpoints --------------------------------------------------------------------

int fd_mid(int a, int b)
{
    for (const Gdd_mid* m : g_mid_list)
        if (same_pair(m->a, m->b, a, b))
            return m->m;
    return 0;
}

Gdd_mid* fd_mid_ln(int m, const Gdd_line* l)
{
    for (Gdd_mid* md : g_mid_list)
        if (md->m == m && on_ln(md->a, l))
            return md;
    return nullptr;
}

// ---- parallel classes --------------------------------------------------------------

bool in_pls(const Gdd_line* l, const Gdd_pline* P)
{
    if (!P)
        return false;
    for (int i = 0; i <= P->last; ++i)
        if (P->lines[static_cast<std::size_t>(i)] == l)
            return true;
    return false;
}

Gdd_pline* fd_pls_scan(const Gdd_line* l)
{
    if (!l)
        return nullptr;
    for (Gdd_pline* P : g_pn_list)
        if (P->state == kLive && in_pls(l, P))
            return P;
    return nullptr;
}

Gdd_pline* fd_pls_pt(int a, int b)
{
    const Gdd_line* l = fd_ln(a, b);
    return l ? fd_pls(l) : nullptr;
}

Gdd_pline* fd_pls_other_scan(const Gdd_pline* P, const Gdd_line* l)
{
    for (Gdd_pline* Q : g_pn_list)
        if (Q != P && Q->live() && in_pls(l, Q))
            return Q;
    return nullptr;
}

Gdd_line* fd_pls_ln(const Gdd_pline* P, int p)
{
    if (!P)
        return nullptr;
    for (int i = 0; i <= P->last; ++i)
        if (on_ln(p, P->lines[static_cast<std::size_t>(i)]))
            return P->lines[static_cast<std::size_t>(i)];
    return nullptr;
}

Gdd_line* fd_pl_pt(int p, int a, int b) { return fd_pls_ln(fd_pls_pt(a, b), p); }

// ---- perpendicular pairs -----------------------------------------------------------

bool in_tp(const Gdd_line* l, const Gdd_tline* T) { return T && (T->l1 == l || T->l2 == l); }

Gdd_tline* fd_tp_scan(const Gdd_line* l)
{
    for (Gdd_tline* T : g_tn_list)
        if (T->live() && in_tp(l, T))
            return T;
    return nullptr;
}

Gdd_line* fd_tl_pt_scan(int p, int a, int b)
{
    const Gdd_line* l = fd_ln(a, b);
    if (!l)
        return nullptr;
    for (Gdd_tline* T : g_tn_list)
        if (Gdd_line* other = tp_other_through(T, l, p))
            return other;
    return nullptr;
}

// ---- equal angles ------------------------------------------------------------------

bool ln_pair_eq(const Gdd_line* l1, const Gdd_line* l2, const Gdd_ea* E)
{
    return (l1 == E->l1 && l2 == E->l2) || (l1 == E->l3 && l2 == E->l4);
}

// ---- congruent segments ------------------------------------------------------------

bool in_cg(int a, int b, const Gdd_cg* G)
{
    if (a > b)
        std::swap(a, b);
    for (int i = 0; i <= G->last; ++i)
        if (G->end1[static_cast<std::size_t>(i)] == a && G->end2[static_cast<std::size_t>(i)] == b)
            return true;
    return false;
}

bool cg_sub(const Gdd_cg* G1, const Gdd_cg* G2)
{
    for (int i = 0; i <= G1->last; ++i)
        if (!in_cg(G1->end1[static_cast<std::size_t>(i)], G1->end2[static_cast<std::size_t>(i)], G2))
            return false;
    return true;
}

Gdd_cg* fd_cg_scan(int a, int b)
{
    for (Gdd_cg* G : g_cg_list)
        if (G->live() && in_cg(a, b, G))
            return G;
    return nullptr;
}

Gdd_cg* fd_cg_meet_scan(const Gdd_cg* G)
{
    for (Gdd_cg* H : g_cg_list) {
        if (H == G || !H->live())
            continue;
        for (int i = 0; i <= G->last; ++i)
            if (in_cg(G->end1[static_cast<std::size_t>(i)], G->end2[static_cast<std::size_t>(i)], H))
                return H;
    }
    return nullptr;
}

// ---- triangles ---------------------------------------------------------------------

int g_tri_rot_mark = 0;

bool in_tri(int a, int b, int c, const Gdd_tri* T)
{
    // The apex of an isosceles triangle is fixed; its base may be mirrored.
    int mode = 0;
    if (xcong(a, b, a, c))
        mode = 1;
    else if (xcong(b, a, b, c))
        mode = 2;
    else if (xcong(c, a, c, b))
        mode = 3;
    for (int k = 0; k <= T->last; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const int va = T->va[i], vb = T->vb[i], vc = T->vc[i];
        switch (mode) {
        case 1:
            if (va == a && same_pair(vb, vc, b, c))
                return true;
            break;
        case 2:
            if (vb == b && same_pair(va, vc, a, c))
                return true;
            break;
        case 3:
            if (vc == c && same_pair(va, vb, a, b))
                return true;
            break;
        default:
            if (va == a && vb == b && vc == c)
                return true;
        }
    }
    return false;
}

bool tri_rot(int a, int b, int c, int x, int y, int z)
{
    if (x == a && y == b && z == c)
        g_tri_rot_mark = 1;
    else if (x == c && y == a && z == b)
        g_tri_rot_mark = 2;
    else if (x == b && y == c && z == a)
        g_tri_rot_mark = 3;
    else
        return false;
    return true;
}

int tri_orient(int s, int a, int b, int c, Gdd_tri* T)
{
    const int n = T->last + 1;
    int k = 0;
    for (; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (tri_rot(a, b, c, T->va[i], T->vb[i], T->vc[i]))
            break;
        if (tri_rot(a, b, c, T->vc[i], T->vb[i], T->va[i])) {
            for (int j = 0; j < n; ++j)
                std::swap(T->va[static_cast<std::size_t>(j)], T->vc[static_cast<std::size_t>(j)]);
            break;
        }
    }
    if (k == n)
        return -1;
    if (T->num[static_cast<std::size_t>(k)] != s)
        for (int j = 0; j < n; ++j)
            T->num[static_cast<std::size_t>(j)] = static_cast<std::int8_t>(-T->num[static_cast<std::size_t>(j)]);
    for (int j = 0; j < n && g_tri_rot_mark != 1; ++j) {
        const auto i = static_cast<std::size_t>(j);
        const std::int8_t va = T->va[i], vb = T->vb[i], vc = T->vc[i];
        if (g_tri_rot_mark == 2) {
            T->va[i] = vb;
            T->vb[i] = vc;
            T->vc[i] = va;
        } else {
            T->va[i] = vc;
            T->vb[i] = va;
            T->vc[i] = vb;
        }
    }
    return k;
}

Gdd_tri* fd_tri(int s, int a, int b, int c)
{
    for (Gdd_tri* T : tri_list())
        if (T->live() && tri_orient(s, a, b, c, T) >= 0)
            return T;
    return nullptr;
}
