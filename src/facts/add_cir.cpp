// Concyclic points and midpoints.

#include "facts/fact_tests.h"
#include "facts/gdd_add.h"
#include "facts/gdd_conds.h"
#include "facts/gdd_lookup.h"
#include "facts/gdd_trace.h"
#include "prover/prover.h"

void cir_ins(Gdd_cir* c, int p) { insert_ascending(c->pts, c->last, p, "MAX_GEO of cr overflow"); }

namespace {

Gdd_cir* new_cir(int lemma, int o, int a, int b)
{
    Gdd_cir* c = g_cir_list.append();
    c->state = kNew;
    c->lemma = static_cast<std::uint8_t>(lemma);
    c->centre = static_cast<std::int8_t>(o);
    c->last = 1;
    c->pts[0] = static_cast<std::int8_t>(a < b ? a : b);
    c->pts[1] = static_cast<std::int8_t>(a < b ? b : a);
    return c;
}

int shared_points(const Gdd_cir* c, const Gdd_cir* m)
{
    int n = 0;
    for (int i = 0; i <= c->last; ++i)
        if (on_cir(c->pts[static_cast<std::size_t>(i)], m))
            ++n;
    return n;
}

}  // namespace

Gdd_cir* fd_cir_meet(const Gdd_cir* C)
{
    for (Gdd_cir* M : g_cir_list) {
        if (M == C || !M->live())
            continue;
        const int shared = shared_points(C, M);
        const bool same_centre = C->centre != 0 && C->centre == M->centre;
        if (same_centre ? shared >= 1 : shared >= 3)
            return M;
    }
    return nullptr;
}

void adj_cir(Gdd_cir* C)
{
    if (g_trace)
        trace_str("adj_cir\n");
    while (Gdd_cir* M = fd_cir_meet(C)) {
        if (cir_sub(M, C)) {
            kill_rec(M);
        } else if (cir_sub(C, M)) {
            kill_rec(C);
            C = M;
        } else {
            Gdd_cir* N = g_cir_list.append_copy(*C);
            kill_rec(C);
            kill_rec(M);
            if (N->centre == 0)
                N->centre = M->centre;
            for (int i = 0; i <= M->last; ++i)
                cir_ins(N, M->pts[static_cast<std::size_t>(i)]);
            if (C->reasons || M->reasons) {
                clear_merge_db();
                new_co(kCondCyclic, C);
                new_co(kCondCyclic, M);
                N->reasons = g_merge_db;
            }
            C = N;
        }
    }
    queue_cond(kCondCyclic, C);
}

void add_cir2(int lemma, int o, int a, int b)
{
    if (g_trace)
        trace_str(fmt("add_cir2 %d %s %s %s\n", lemma, pname(o), pname(a), pname(b)));
    if (xcir_2p(o, a, b))
        return;
    Gdd_cir* C = new_cir(lemma, o, a, b);
    C->reasons = g_co_db;
    adj_cir(C);
}

void add_cir3(int lemma, int o, int a, int b, int c)
{
    if (g_trace)
        trace_str(fmt("add_cir3 %d %s %s %s %s\n", lemma, pname(o), pname(a), pname(b), pname(c)));
    if (xcir_3p(o, a, b, c))
        return;
    Gdd_cir* C = new_cir(lemma, o, a, b);
    cir_ins(C, c);
    C->reasons = g_co_db;
    adj_cir(C);
}

void add_cir4(int lemma, int o, int a, int b, int c, int d)
{
    if (g_trace)
        trace_str(fmt("add_cir4 %d %s %s %s %s %s\n", lemma, pname(o), pname(a), pname(b), pname(c), pname(d)));
    if (xcir_4p(o, a, b, c, d))
        return;
    Gdd_cir* C = new_cir(lemma, o, a, b);
    cir_ins(C, c);
    cir_ins(C, d);
    C->reasons = g_co_db;
    adj_cir(C);
}

void add_mid(int lemma, int m, int a, int b)
{
    if (g_trace)
        trace_str(fmt("add_mid %d,%s %s %s\n", lemma, pname(m), pname(a), pname(b)));
    if (xmid(m, a, b))
        return;
    Gdd_mid* md = g_mid_list.append();
    md->state = kLive;
    md->lemma = static_cast<std::uint8_t>(lemma);
    md->reasons = g_co_db;
    md->m = static_cast<std::int8_t>(m);
    md->a = static_cast<std::int8_t>(a);
    md->b = static_cast<std::int8_t>(b);
    queue_cond(kCondMid, md);
}
