#pragma once
// Shared set-up for the fact database tests: a fresh prover (which empties
// the database), sixteen named points and helpers to read lists.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gdd/gdd.h"
#include "statement/prover.h"

namespace gddtest {

enum Pt { A = 1, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P };

class GddTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        prover_reset();
        g_npoints = P;
        for (int p = 1; p <= P; ++p)
            g_pro_points[static_cast<std::size_t>(p)].name = std::string(1, static_cast<char>('A' + p - 1));
        g_fa_stage = 0;
        g_tri_mode = 0;
    }
    void TearDown() override
    {
        free_gdd();
        g_timing = 0;
        set_prover_clock({});
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
