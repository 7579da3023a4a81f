// Auxiliary points from parallel classes and feet of perpendiculars.

#include <utility>

#include "facts/fact_tests.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "gdd/aux_internal.h"
#include "prover/prover.h"

// Two parallels J1, J2, a point t off both joined to two points u, v of J2:
// a line through t that meets only one of the parallels gets its missing
// crossing.
void aux_plines()
{
    aux_trace("\naxu pline\n");
    for (Gdd_pline* P : g_pn_list) {
        if (!P->live() || P->last < 1)
            continue;
        for (int i = 0; i <= P->last; ++i) {
            for (int j = i + 1; j <= P->last; ++j) {
                check_time();
                const Gdd_line* J1 = P->lines[static_cast<std::size_t>(i)];
                const Gdd_line* J2 = P->lines[static_cast<std::size_t>(j)];
                for (int iu = 0; iu <= J2->last; ++iu) {
                    for (int iv = iu + 1; iv <= J2->last; ++iv) {
                        const int u = ln_pt(J2, iu);
                        const int v = ln_pt(J2, iv);
                        for (int t = 1; t <= g_npoints; ++t) {
                            if (on_ln(t, J1) || on_ln(t, J2))
                                continue;
                            const int X = inter_lln(J1, fd_ln(t, u));
                            const int Y = inter_lln(J1, fd_ln(t, v));
                            if (!X || !Y)
                                continue;
                            for (Gdd_line* N : g_ln_list) {
                                if (!N->live() || N == J1 || N == J2 || !on_ln(t, N))
                                    continue;
                                const int R = inter_lln(J1, N);
                                const int S = inter_lln(J2, N);
                                int made = 0;
                                if (R && !S)
                                    made = aux_inter_ll(26, t, R, u, v);
                                else if (S && !R)
                                    made = aux_inter_ll(27, t, S, X, Y);
                                if (made) {
                                    queue_cond(kCondPara, P);
                                    return;
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}

// A perpendicular pair meeting at a statement point P and a line N through
// one of its lines: the foot of a point of the other line on N.
void aux_feet()
{
    for (Gdd_tline* T : g_tn_list) {
        if (!T->live())
            continue;
        const int P = inter_lln(T->l1, T->l2);
        if (!P || P > g_gdd_npoints)
            continue;
        const Gdd_line* F = T->l1;
        const Gdd_line* G = T->l2;
        for (Gdd_line* N : g_ln_list) {
            if (!N->live() || N == T->l1 || N == T->l2)
                continue;
            int Q = inter_lln(N, F);
            if (!Q || xpara_ln(N, G)) {
                Q = inter_lln(N, G);
                std::swap(F, G);
            }
            if (!Q || Q == P || xpara_ln(N, G))
                continue;
            for (int k = 0; k <= G->last; ++k) {
                const int R = ln_pt(G, k);
                if (R == P || on_ln(R, N))
                    continue;
                const Gdd_line* RQ = fd_ln(R, Q);
                if (!RQ || xperp_ln(RQ, N))
                    continue;
                if (inter_lln(fd_tl_pt(R, ln_pt(N, 0), ln_pt(N, 1)), N))
                    continue;
                if (aux_foot(12, R, Q, ln_other_pt(N, Q)))
                    return;
            }
        }
        if (aux_pass_added())
            return;
    }
}
