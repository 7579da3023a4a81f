// Rules started by triangle groups: similar triangles with a pair of
// congruent corresponding sides are congruent; otherwise their sides are in
// equal ratios.

#include <utility>

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "gdd/forward.h"
#include "prover/prover.h"

int tri_idx(int p, int a, int b, int c)
{
    if (p == a)
        return 1;
    if (p == b)
        return 2;
    if (p == c)
        return 3;
    return 0;
}

bool same_tri(int a, int b, int c, int d, int e, int f)
{
    auto among = [&](int x) { return x == d || x == e || x == f; };
    if (among(a) && among(b) && among(c))
        return true;
    // A shared corner P with the sides to Q and R.
    int P = a, Q = b, R = c, P2 = d, Q2 = e, R2 = f;
    if (b == e) {
        P = b, Q = c, R = a, P2 = e, Q2 = f, R2 = d;
    } else if (c == f) {
        P = c, Q = a, R = b, P2 = f, Q2 = d, R2 = e;
    }
    if (P != P2)
        return false;
    if (R2 == Q && R == Q2)
        return true;
    if (R2 == R) {
        std::swap(Q, R);
        std::swap(Q2, R2);
    }
    if (Q != Q2)
        return false;
    // Two corresponding vertices shared: the third ones coincide or are
    // mirror images in the shared side.
    return R == R2 || xperp(R, R2, P, Q) || xcir_2p(P, R, R2) || xcir_2p(Q, R, R2);
}

bool st_ct(int s, int a, int b, int c, int d, int e, int f)
{
    const std::uint8_t saved = g_tri_mode;
    g_tri_mode = 1;
    const bool held = chk_cong(a, b, d, e) || chk_cong(a, c, d, f) || chk_cong(b, c, e, f);
    if (held) {
        add_stri(92, s, a, b, c, d, e, f);
        next_cond();
        ct_sides(94, 1, a, b, c, d, e, f);
    }
    g_tri_mode = saved;
    return held;
}

void ct_sides(int lemma, int first_reason_only, int a, int b, int c, int d, int e, int f)
{
    add_codb(kCondCongTri, a, b, c, d, e, f);
    add_cong(lemma, first_reason_only, a, b, d, e);
    add_cong(lemma, first_reason_only, a, c, d, f);
    add_cong(lemma, first_reason_only, b, c, e, f);
    next_cond();
}

void search_st(Gdd_tri* S)
{
    g_tri_mode = 1;
    for (int k = 0; k < S->last; ++k) {
        for (int l = k + 1; l <= S->last; ++l) {
            const auto ik = static_cast<std::size_t>(k), il = static_cast<std::size_t>(l);
            const int a = S->va[ik], b = S->vb[ik], c = S->vc[ik];
            const int d = S->va[il], e = S->vb[il], f = S->vc[il];
            const int s = S->num[ik] * S->num[il];
            if (same_tri(a, b, c, d, e, f) || xcon(a, b, c, d, e, f) || st_ct(s, a, b, c, d, e, f))
                continue;
            add_codb(kCondSimTri, a, b, c, d, e, f);
            if (!xratio(a, b, a, c, d, e, d, f))
                add_ra(77, 0, a, b, a, c, d, e, d, f);
            if (!xratio(a, b, b, c, d, e, e, f))
                add_ra(77, 0, a, b, b, c, d, e, e, f);
            if (!xratio(a, c, b, c, d, f, e, f))
                add_ra(77, 0, a, c, b, c, d, f, e, f);
            next_cond();
        }
    }
}

void search_ct(Gdd_tri*) { g_tri_mode = 1; }
