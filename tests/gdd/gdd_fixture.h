#pragma once
// Shared set-up for the fact database tests: a fresh prover (which empties
// the database), twelve named points and helpers to read lists and the queue.

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

inline std::vector<int> points(const Gdd_line* l)
{
    std::vector<int> v;
    for (int i = 0; i <= l->last; ++i)
        v.push_back(l->pts[static_cast<std::size_t>(i)]);
    return v;
}

inline std::vector<int> points(const Gdd_cir* c)
{
    std::vector<int> v;
    for (int i = 0; i <= c->last; ++i)
        v.push_back(c->pts[static_cast<std::size_t>(i)]);
    return v;
}

// Conditions queued, front first (up to the end mark).
inline std::vector<Gdd_cond*> queued()
{
    std::vector<Gdd_cond*> v;
    for (Gdd_cond* c = g_cond_queue.first; c; c = c->next) {
        v.push_back(c);
        if (c == g_cond_queue.last)
            break;
    }
    return v;
}

inline int count_queued(std::int32_t type, const void* obj)
{
    int n = 0;
    for (Gdd_cond* c : queued())
        n += c->type == type && c->obj == obj;
    return n;
}

// Records of a list, in list order.
template <class T>
std::vector<T*> records(const Gdd_list<T>& list)
{
    std::vector<T*> v;
    for (T* r : list)
        v.push_back(r);
    return v;
}

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
