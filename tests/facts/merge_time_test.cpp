// A line merge in a database of many records ends at the proof-time limit in
// the middle of its walk, wherever the walk is: the merge loop of add_line
// and the walks over classes, perpendicular pairs and equal angles.

#include <algorithm>
#include <string>

#include "facts/gdd_fixture.h"

namespace gddtest {
namespace {

// add_line(0, A, B, C) extends the hypothesis line ABD to ABCD, which then
// meets ACE: the merged line ABCDE takes over the records naming either.
bool merged(const Gdd_line* l) { return on_ln(B, l) && on_ln(E, l); }

// Records of a list naming the merged line.
template <class T, class Names>
int naming_merged(const Gdd_list<T>& list, Names names)
{
    int n = 0;
    for (const T* r : list)
        n += r->live() && names(*r);
    return n;
}

struct WalkCase {
    const char* walk;
    void (*build)();  // beside lines ABD and ACE: the records the merge walks
    int (*moved)();   // what the merge has taken over so far
    int to_move;
};

const WalkCase kWalks[] = {
    {"MergeLoop",
     [] {
         add_line(0, B, C, F);
         add_line(0, D, E, G);
     },
     [] {  // ACE, BCF and DEG merged away (the growing line has more points)
         int dead = 0;
         for (const Gdd_line* l : g_ln_list)
             dead += !l->live() && l->count() == 3;
         return dead;
     },
     3},
    {"Classes",
     [] {
         const int classes[][4] = {{A, B, F, G}, {A, C, H, I}, {J, K, L, M}, {J, L, K, N}, {J, M, K, O}};
         for (const auto& q : classes)
             add_pline(0, q[0], q[1], q[2], q[3]);
     },
     [] {
         return naming_merged(g_pn_list, [](const Gdd_pline& P) {
             return std::any_of(P.lines.begin(), P.lines.begin() + P.count(), merged);
         });
     },
     2},
    {"PerpendicularPairs",
     [] {
         const int lines[][2] = {{F, G}, {F, H}, {G, H}, {F, I}, {G, I}, {H, I}};
         for (const auto& q : lines)
             add_tline(0, A, B, q[0], q[1]);
     },
     [] { return naming_merged(g_tn_list, [](const Gdd_tline& T) { return merged(T.l1) || merged(T.l2); }); },
     6},
    {"EqualAngles",
     [] {
         const int lines[][6] = {{F, G, H, I, J, K}, {F, H, G, I, J, L}, {F, I, G, H, K, L},
                                 {G, J, H, K, I, L}, {F, J, G, K, H, L}, {F, K, G, L, H, J}};
         for (const auto& q : lines)
             new_ea(0, fd_ln(A, B), fadd_ln(q[0], q[1]), fadd_ln(q[2], q[3]), fadd_ln(q[4], q[5]));
     },
     [] {
         return naming_merged(g_ea_list, [](const Gdd_ea& E) {
             return merged(E.l1) || merged(E.l2) || merged(E.l3) || merged(E.l4);
         });
     },
     6},
};

class MergeTimeTest : public GddTest, public ::testing::WithParamInterface<WalkCase> {
protected:
    void SetUp() override
    {
        GddTest::SetUp();
        add_line(0, A, B, D);
        add_line(0, A, C, E);
        GetParam().build();
        clear_queue();
        ASSERT_EQ(GetParam().moved(), 0);
    }
};

TEST_P(MergeTimeTest, UntimedTheMergeTakesOverEverything)
{
    add_line(0, A, B, C);
    EXPECT_EQ(GetParam().moved(), GetParam().to_move);
}

// The clock runs out at its second reading after the merge took over its
// first record: only a time check inside the walk reads it there.
TEST_P(MergeTimeTest, TimeOutStopsTheWalk)
{
    int reads_after_move = 0;
    set_prover_clock([&] {
        reads_after_move += GetParam().moved() > 0;
        return reads_after_move >= 2 ? 1000u : 0u;
    });
    g_tstart = 0;
    g_timelimit = 1;
    g_timing = 1;
    EXPECT_THROW(add_line(0, A, B, C), TTIME);
    EXPECT_EQ(reads_after_move, 2);
    EXPECT_GT(GetParam().moved(), 0);
    EXPECT_LT(GetParam().moved(), GetParam().to_move);
}

INSTANTIATE_TEST_SUITE_P(Walks, MergeTimeTest, ::testing::ValuesIn(kWalks),
                         [](const auto& info) { return std::string(info.param.walk); });

}  // namespace
}  // namespace gddtest
