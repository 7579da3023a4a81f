// Merging two lines: classes, pairs and angle records move to the new line, and
// the merge names its reasons.

#include "gdd_fixture.h"

namespace gddtest {
namespace {

using MergeTest = GddTest;

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

}  // namespace
}  // namespace gddtest
