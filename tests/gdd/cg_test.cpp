// Congruent segments.

#include "gdd_fixture.h"

namespace gddtest {
namespace {

using CgTest = GddTest;

std::vector<std::pair<int, int>> members(const Gdd_cg* G)
{
    std::vector<std::pair<int, int>> v;
    for (int i = 0; i <= G->last; ++i)
        v.emplace_back(G->end1[static_cast<std::size_t>(i)], G->end2[static_cast<std::size_t>(i)]);
    return v;
}

TEST_F(CgTest, NewGroupStoresEachSegmentAscending)
{
    Gdd_cond* premise = add_codb(151, M, A, B);
    add_cong(0, 0, M, A, B, M);
    next_cond();
    ASSERT_EQ(g_cg_list.size(), 1u);
    Gdd_cg* G = g_cg_list.first;
    EXPECT_EQ(G->state, kNew);
    EXPECT_EQ(G->reasons, premise);
    EXPECT_EQ(members(G), (std::vector<std::pair<int, int>>{{A, M}, {B, M}}));
    EXPECT_EQ(count_queued(153, G), 1);
    EXPECT_TRUE(xcong(B, M, M, A));
}

TEST_F(CgTest, SameSegmentOrKnownCongruenceAddsNothing)
{
    EXPECT_TRUE(xcong(A, B, B, A));
    EXPECT_TRUE(xcong(A, B, A, B));
    add_cong(0, 0, A, B, B, A);
    EXPECT_TRUE(g_cg_list.empty());
    add_cong(0, 0, A, B, C, D);
    clear_queue();
    add_cong(0, 0, D, C, B, A);
    EXPECT_EQ(g_cg_list.size(), 1u);
    EXPECT_TRUE(g_cond_queue.empty());
    EXPECT_FALSE(xcong(A, C, B, D));
}

TEST_F(CgTest, GroupsSharingASegmentUnite)
{
    add_cong(0, 0, A, B, C, D);
    Gdd_cg* G1 = g_cg_list.first;
    Gdd_cond* premise = add_codb(152, O, A, E);
    add_cong(3, 0, D, C, E, F);
    next_cond();
    const auto all = records(g_cg_list);
    ASSERT_EQ(all.size(), 3u);
    Gdd_cg* G2 = all[1];
    Gdd_cg* U = all[2];
    EXPECT_EQ(G1->state, kDead);
    EXPECT_EQ(G2->state, kDead);
    EXPECT_EQ(G2->reasons, premise);
    EXPECT_EQ(U->state, kNew);
    EXPECT_EQ(U->lemma, 3);  // taken from the new group
    EXPECT_EQ(members(U), (std::vector<std::pair<int, int>>{{C, D}, {E, F}, {A, B}}));
    const auto r = chain(U->reasons);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0]->obj, G1);
    EXPECT_EQ(r[1]->obj, G2);
    EXPECT_EQ(r[0]->type, 153);
    EXPECT_EQ(count_queued(153, U), 1);
    EXPECT_TRUE(xcong(A, B, E, F));
}

TEST_F(CgTest, UnionOfHypothesesHasNoReasons)
{
    add_cong(0, 0, A, B, C, D);
    add_cong(0, 0, C, D, E, F);
    const auto live = live_records(g_cg_list);
    ASSERT_EQ(live.size(), 1u);
    EXPECT_EQ(live[0]->reasons, nullptr);
}

TEST_F(CgTest, ContainedGroupsDie)
{
    add_cong(0, 0, A, B, C, D);
    add_cong(0, 0, A, B, E, F);  // ABCDEF united
    Gdd_cg* big = live_records(g_cg_list)[0];
    clear_queue();
    // Groups the tests would have refused, built directly.
    Gdd_cg* small = g_cg_list.append();
    small->state = kNew;
    small->last = 1;
    small->end1 = {A, C};
    small->end2 = {B, D};
    adj_cg(small);
    EXPECT_EQ(small->state, kDead);
    EXPECT_TRUE(big->live());
    EXPECT_EQ(count_queued(153, big), 1);

    Gdd_cg* bigger = g_cg_list.append();
    bigger->state = kNew;
    bigger->last = 3;
    bigger->end1 = {A, C, E, G};
    bigger->end2 = {B, D, F, H};
    adj_cg(bigger);
    EXPECT_EQ(big->state, kDead);
    EXPECT_TRUE(bigger->live());
    EXPECT_EQ(live_records(g_cg_list).size(), 1u);
}

TEST_F(CgTest, FirstReasonOnlyKeepsTheLatestPremise)
{
    Gdd_cond* older = add_codb(150, A, B, C, D);
    Gdd_cond* latest = add_codb(236, A, B, C, D, E, F);
    add_cong(94, 1, A, B, D, E);
    Gdd_cg* grp = g_cg_list.last;
    ASSERT_NE(grp->reasons, nullptr);
    EXPECT_EQ(grp->reasons->next, nullptr);
    EXPECT_EQ(grp->reasons->type, 236);
    EXPECT_EQ(grp->reasons->p, latest->p);
    // The current reason list is untouched.
    EXPECT_EQ(g_co_db, latest);
    EXPECT_EQ(latest->next, older);
    // Without premises there is nothing to keep.
    next_cond();
    next_cond();
    add_cong(94, 1, G, H, I, J);
    EXPECT_EQ(g_cg_list.last->reasons, nullptr);
}

TEST_F(CgTest, CongruenceFromAnotherCongruence)
{
    clear_merge_db();
    add_cong1(5, A, B, C, D, E, F, G, H);
    Gdd_cg* G1 = g_cg_list.last;
    ASSERT_NE(G1, nullptr);
    EXPECT_EQ(G1->lemma, 5);
    EXPECT_EQ(members(G1), (std::vector<std::pair<int, int>>{{E, F}, {G, H}}));
    const auto r = chain(G1->reasons);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0]->type, 153);
    // Each segment written with its larger point first.
    EXPECT_EQ(r[0]->p[0], static_cast<std::uint32_t>(B));
    EXPECT_EQ(r[0]->p[1], static_cast<std::uint32_t>(A));
    EXPECT_EQ(r[0]->p[2], static_cast<std::uint32_t>(D));
    EXPECT_EQ(r[0]->p[3], static_cast<std::uint32_t>(C));
    // The same segment twice needs no premise.
    clear_merge_db();
    add_cong1(0, A, B, B, A, I, J, K, L);
    EXPECT_EQ(g_cg_list.last->reasons, nullptr);
    // Known: nothing.
    const auto n = g_cg_list.size();
    add_cong1(0, A, B, C, D, F, E, H, G);
    EXPECT_EQ(g_cg_list.size(), n);
}

TEST_F(CgTest, ThirtiethMemberAbortsWithMessage)
{
    g_npoints = 70;
    for (int k = 1; k <= 28; ++k)
        add_cong(0, 0, 1, 2, 2 * k + 1, 2 * k + 2);
    const auto live = live_records(g_cg_list);
    ASSERT_EQ(live.size(), 1u);
    ASSERT_EQ(live[0]->count(), 29);
    EXPECT_THROW(add_cong(0, 0, 1, 2, 61, 62), ProverAbort);
    EXPECT_EQ(out.text(), "MAX_GEO of cg overflow\r\n");
}

TEST_F(CgTest, GroupLookups)
{
    add_cong(0, 0, A, B, C, D);
    Gdd_cg* G1 = g_cg_list.first;
    add_cong(0, 0, E, F, G, H);
    Gdd_cg* G2 = g_cg_list.last;
    EXPECT_TRUE(in_cg(B, A, G1));
    EXPECT_FALSE(in_cg(A, C, G1));
    EXPECT_TRUE(cg_sub(G1, G1));
    EXPECT_FALSE(cg_sub(G1, G2));
    EXPECT_EQ(fd_cg(D, C), G1);
    EXPECT_EQ(fd_cg(A, C), nullptr);
    EXPECT_EQ(fd_cg_meet(G1), nullptr);
    EXPECT_EQ(fd_cg_2seg(H, G, F, E), G2);
    EXPECT_EQ(fd_cg_2seg(A, B, B, A), nullptr);  // one segment
    G1->state = kDead;
    // Dead groups answer the finder, not the test.
    EXPECT_EQ(fd_cg_2seg(A, B, C, D), G1);
    EXPECT_FALSE(xcong(A, B, C, D));
    EXPECT_EQ(fd_cg(A, B), nullptr);
}

}  // namespace
}  // namespace gddtest
