// Merging lines and congruence groups: members, classes, pairs and angle
// records move to the new record, and the merge names its reasons.

#include "gdd_fixture.h"

namespace gddtest {
namespace {

using MergeTest = GddTest;

// The segments of a group, in order.
std::vector<std::pair<int, int>> members(const Gdd_cg* G)
{
    std::vector<std::pair<int, int>> v;
    for (int i = 0; i <= G->last; ++i)
        v.emplace_back(G->end1[static_cast<std::size_t>(i)], G->end2[static_cast<std::size_t>(i)]);
    return v;
}

template <class T>
std::vector<T*> records(const Gdd_list<T>& list)
{
    std::vector<T*> v;
    for (T* r : list)
        v.push_back(r);
    return v;
}

// Conditions queued for obj, up to the end mark.
int count_queued(std::int32_t type, const void* obj)
{
    int n = 0;
    for (Gdd_cond* c = g_cond_queue.first; c; c = c->next) {
        n += c->type == type && c->obj == obj;
        if (c == g_cond_queue.last)
            break;
    }
    return n;
}

TEST_F(MergeTest, MergeUpdatesClassesPairsAndAngles)
{
    add_pline(0, A, B, E, F);  // lines AB and EF parallel
    add_tline(0, A, B, G, H);  // AB perpendicular to GH
    Gdd_line* ab = fd_ln(A, B);
    Gdd_line* ef = fd_ln(E, F);
    Gdd_line* gh = fd_ln(G, H);
    Gdd_line* ij = new_ln(I, J);
    Gdd_line* kl = new_ln(K, L);
    add_codb(150, A, B, G, H);
    add_ea_ln(0, ab, ij, kl, gh);
    next_cond();
    Gdd_pline* cls = g_pn_list.last;
    Gdd_tline* pair = g_tn_list.last;
    Gdd_ea* ang = g_ea_list.last;
    ASSERT_TRUE(ang->live());
    clear_queue();

    add_codb(148, A, B, C);
    add_line(1, A, B, C);  // derived: a new line ABC that contains AB
    next_cond();
    Gdd_line* abc = fd_ln(A, C);
    ASSERT_NE(abc, nullptr);
    EXPECT_EQ(ab->state, kDead);

    // The class became a new record naming ABC; the old one died.
    EXPECT_EQ(cls->state, kDead);
    Gdd_pline* cls2 = g_pn_list.last;
    ASSERT_NE(cls2, cls);
    EXPECT_TRUE(cls2->live());
    EXPECT_TRUE(in_pls(abc, cls2));
    EXPECT_TRUE(in_pls(ef, cls2));
    EXPECT_FALSE(in_pls(ab, cls2));
    const auto cr = chain(cls2->reasons);
    ASSERT_EQ(cr.size(), 2u);
    EXPECT_EQ(cr[0]->type, 148);
    EXPECT_EQ(cr[0]->obj, abc);
    EXPECT_EQ(cr[1]->type, 149);
    EXPECT_EQ(cr[1]->obj, cls);
    // Classes are pushed at the front of the queue.
    EXPECT_EQ(g_cond_queue.first->type, 149);
    EXPECT_EQ(g_cond_queue.first->obj, cls2);

    // The pair became a new record as well.
    EXPECT_EQ(pair->state, kDead);
    Gdd_tline* pair2 = g_tn_list.last;
    EXPECT_EQ(pair2->l1, abc);
    EXPECT_EQ(pair2->l2, gh);
    EXPECT_EQ(pair2->state, kNew);
    EXPECT_EQ(count_queued(150, pair2), 1);
    const auto pr = chain(pair2->reasons);
    ASSERT_EQ(pr.size(), 2u);
    EXPECT_EQ(pr[1]->type, 150);
    EXPECT_EQ(pr[1]->obj, pair);
    EXPECT_TRUE(xperp(A, C, G, H));
    EXPECT_TRUE(xpara(A, C, E, F));

    // The angle record is changed in place and queued again.
    EXPECT_TRUE(ang->live());
    EXPECT_TRUE(ang->l1 == abc || ang->l2 == abc || ang->l3 == abc || ang->l4 == abc);
    EXPECT_FALSE(ang->l1 == ab || ang->l2 == ab || ang->l3 == ab || ang->l4 == ab);
    EXPECT_EQ(count_queued(154, ang), 1);
}

TEST_F(MergeTest, GroupsSharingASegmentUnite)
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

TEST_F(MergeTest, UnionOfHypothesesHasNoReasons)
{
    add_cong(0, 0, A, B, C, D);
    add_cong(0, 0, C, D, E, F);
    const auto live = live_records(g_cg_list);
    ASSERT_EQ(live.size(), 1u);
    EXPECT_EQ(live[0]->reasons, nullptr);
}

TEST_F(MergeTest, ContainedGroupsDie)
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

TEST_F(MergeTest, FirstReasonOnlyKeepsTheLatestPremise)
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

TEST_F(MergeTest, CongruenceFromAnotherCongruence)
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

}  // namespace
}  // namespace gddtest
