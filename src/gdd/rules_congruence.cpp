// Rules started by a congruence group: two equal segments from one point
// make it a midpoint or a centre, and equal corresponding sides make similar
// triangles congruent.

#include <utility>

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "facts/gdd_trace.h"
#include "gdd/forward.h"
#include "prover/prover.h"

namespace {

// ab = cd where ab and cd are corresponding sides of two members of an
// active similar-triangle group: the two triangles are congruent (2).
void cg_st(int a, int b, int c, int d)
{
    if (g_trace)
        trace_str(fmt("cg_st: %s,%s,%s,%s\n", pname(a), pname(b), pname(c), pname(d)));
    g_tri_mode = 1;
    for (Gdd_tri* S : g_st_list) {
        if (!is_active(S))
            continue;
        for (int k = 0; k <= S->last; ++k) {
            const auto ik = static_cast<std::size_t>(k);
            const int x = S->va[ik], y = S->vb[ik], z = S->vc[ik];
            int i = tri_idx(a, x, y, z);
            int j = tri_idx(b, x, y, z);
            if (!(i && j)) {
                i = tri_idx(c, x, y, z);
                j = tri_idx(d, x, y, z);
                if (i && j) {
                    // The pairs change places for the rest of the search.
                    std::swap(a, c);
                    std::swap(b, d);
                }
            }
            if (!(i && j))
                continue;
            for (int l = k + 1; l <= S->last; ++l) {
                const auto il = static_cast<std::size_t>(l);
                const int u = S->va[il], v = S->vb[il], w = S->vc[il];
                if (same_tri(x, y, z, u, v, w))
                    continue;
                const int s = S->num[ik] * S->num[il];
                if (tri_idx(c, u, v, w) != i || tri_idx(d, u, v, w) != j)
                    continue;
                add_codb(kCondSimTri, x, y, z, u, v, w);
                add_codb(kCondCong, a, b, c, d);
                add_stri(2, s, x, y, z, u, v, w);
                next_cond();
                next_cond();
                ct_sides(0, 0, x, y, z, u, v, w);
            }
        }
    }
}

}  // namespace

void search_cg(Gdd_cg* G)
{
    if (g_trace)
        trace_str(fmt("search_cg (%d) (%d)\n", G->state, G->last));
    for (int i = 0; i < G->last; ++i) {
        for (int j = i + 1; j <= G->last; ++j) {
            const int a = G->end1[static_cast<std::size_t>(i)], b = G->end2[static_cast<std::size_t>(i)];
            const int c = G->end1[static_cast<std::size_t>(j)], d = G->end2[static_cast<std::size_t>(j)];
            cg_st(a, b, c, d);
            int p, u, w;
            if (a == c) {
                p = a, u = b, w = d;
            } else if (a == d) {
                p = a, u = b, w = c;
            } else if (b == c) {
                p = b, u = a, w = d;
            } else if (b == d) {
                p = b, u = a, w = c;
            } else {
                continue;
            }
            if (u == w)
                continue;
            add_codb(kCondCong, p, u, p, w);
            if (!xmid(p, u, w) && chk_coll(p, u, w)) {
                add_mid(0, p, u, w);
                next_cond();
            }
            if (!xcoll(p, u, w))
                add_cir2(0, p, u, w);
            next_cond();
        }
    }
}
