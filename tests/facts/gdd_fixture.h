#pragma once
// Shared set-up for the fact database, proof printer, display and
// auxiliary-point tests: a fresh prover (which empties the database), sixteen
// named points, the prover output captured, and helpers to read lists.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "facts/gdd.h"
#include "prover/prover.h"

namespace gddtest {

enum Pt { A = 1, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P };

class GddTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        prover_reset();
        name_points(P);
        g_fa_stage = 0;
        g_tri_mode = 0;
        g_latex = 0;
        g_detailed = 0;
    }
    void TearDown() override
    {
        free_gdd();
        g_timing = 0;
        set_prover_clock({});
        g_latex = 0;
        g_detailed = 0;
        g_outfile = nullptr;
    }

    // Points 1..n named "A", "B", ... in order.
    static void name_points(int n)
    {
        g_npoints = n;
        for (int p = 1; p <= n; ++p)
            g_pro_points[static_cast<std::size_t>(p)].name = std::string(1, static_cast<char>('A' + p - 1));
    }

    static void set_conclusion(std::int32_t kind, std::initializer_list<int> pts)
    {
        g_concl = Gdd_cond{};
        g_concl.type = kind;
        std::size_t i = 0;
        for (int p : pts)
            g_concl.p[i++] = static_cast<std::uint32_t>(p);
    }

    // A class whose reasons claim that it took line ABE in place of a line
    // of a class that shares no two points with it; the goal is AB || FG.
    static void inconsistent_merge()
    {
        Gdd_line* abe = new_ln(A, B);
        ln_ins(abe, E);
        Gdd_pline* old = g_pn_list.append();
        old->last = 1;
        old->lines[0] = new_ln(C, D);
        old->lines[1] = new_ln(F, G);
        Gdd_pline* merged = g_pn_list.append();
        merged->state = kLive;
        merged->last = 1;
        merged->lines[0] = abe;
        merged->lines[1] = old->lines[1];
        clear_merge_db();
        new_co(149, old);
        new_co(148, abe);
        merged->reasons = g_merge_db;
        set_conclusion(149, {A, B, F, G});
    }

    GprintCapture out;
};

template <class T>
std::vector<T*> live_records(const Gdd_list<T>& list)
{
    std::vector<T*> v;
    for (T* r : list)
        if (r->live())
            v.push_back(r);
    return v;
}

// The conditions of a reason chain, head first.
inline std::vector<Gdd_cond*> chain(Gdd_cond* c)
{
    std::vector<Gdd_cond*> v;
    for (; c; c = c->next)
        v.push_back(c);
    return v;
}

}  // namespace gddtest
