// Parallel classes and perpendicular pairs.

#include "gdd_fixture.h"

namespace gddtest {
namespace {

using PlineTest = GddTest;

std::vector<Gdd_line*> class_lines(const Gdd_pline* P)
{
    return {P->lines.begin(), P->lines.begin() + P->count()};
}

TEST_F(PlineTest, NewClassIsPushedAtTheFront)
{
    int x = 0;
    queue_cond(151, &x);
    Gdd_cond* premise = add_codb(150, A, B, C, D);
    add_pline(20, A, B, C, D);
    next_cond();
    ASSERT_EQ(g_pn_list.size(), 1u);
    Gdd_pline* P = g_pn_list.first;
    EXPECT_EQ(P->state, kNew);
    EXPECT_EQ(P->lemma, 20);
    EXPECT_EQ(P->reasons, premise);
    Gdd_line* ab = fd_ln(A, B);
    Gdd_line* cd = fd_ln(C, D);
    ASSERT_TRUE(ab && cd);
    EXPECT_LT(ab->seq, cd->seq);  // ab made first
    EXPECT_EQ(class_lines(P), (std::vector<Gdd_line*>{ab, cd}));
    EXPECT_EQ(g_cond_queue.first->type, 149);
    EXPECT_EQ(g_cond_queue.first->obj, P);
    EXPECT_TRUE(xpara(C, D, B, A));
    EXPECT_TRUE(xpara_ln(cd, ab));
}

TEST_F(PlineTest, DegenerateOrKnownParallelAddsNothing)
{
    add_line(0, A, B, C);
    add_line(0, A, B, D);
    add_pline(0, A, A, E, F);
    add_pline(0, E, F, G, G);
    add_pline(0, A, B, C, D);  // one line
    EXPECT_TRUE(g_pn_list.empty());
    add_pline(0, A, B, E, F);
    ASSERT_EQ(g_pn_list.size(), 1u);
    clear_queue();
    add_pline(0, F, E, D, C);  // the same fact through other points
    EXPECT_EQ(g_pn_list.size(), 1u);
    EXPECT_TRUE(g_cond_queue.empty());
    EXPECT_TRUE(xpara(A, A, C, D));
    EXPECT_TRUE(xpara(A, B, C, C));
}

TEST_F(PlineTest, ParallelToAClassMemberJoinsTheClass)
{
    add_pline(0, A, B, C, D);
    Gdd_pline* first = g_pn_list.first;
    clear_queue();
    add_pline(0, C, D, E, F);  // CD already in a class
    const auto all = records(g_pn_list);
    ASSERT_EQ(all.size(), 3u);
    Gdd_pline* P = all[1];
    Gdd_pline* Q = all[2];
    EXPECT_EQ(first->state, kDead);
    EXPECT_EQ(P->state, kDead);
    EXPECT_EQ(Q->state, kNew);
    EXPECT_EQ(Q->lemma, 2);
    EXPECT_EQ(class_lines(Q), (std::vector<Gdd_line*>{fd_ln(A, B), fd_ln(C, D), fd_ln(E, F)}));
    EXPECT_EQ(Q->reasons, nullptr);  // hypotheses only
    EXPECT_EQ(g_cond_queue.first->obj, Q);
    EXPECT_TRUE(xpara(A, B, E, F));
}

TEST_F(PlineTest, SecondLineInAClassIsHandledTheSameWay)
{
    add_pline(0, A, B, C, D);
    add_pline(0, E, F, C, D);  // only the second line has a class
    const auto live = live_records(g_pn_list);
    ASSERT_EQ(live.size(), 1u);
    EXPECT_EQ(class_lines(live[0]), (std::vector<Gdd_line*>{fd_ln(A, B), fd_ln(C, D), fd_ln(E, F)}));
}

TEST_F(PlineTest, TwoClassesAndTheNewFactMergeIntoOne)
{
    add_pline(0, A, B, C, D);
    add_pline(0, E, F, G, H);
    Gdd_pline* cls1 = g_pn_list.first;
    Gdd_pline* cls2 = cls1->next;
    clear_queue();
    int x = 0;
    queue_cond(153, &x);
    Gdd_cond* premise = add_codb(149, C, D, G, H);
    add_pline(4, C, D, G, H);
    next_cond();
    const auto live = live_records(g_pn_list);
    ASSERT_EQ(live.size(), 1u);
    Gdd_pline* R = live[0];
    EXPECT_EQ(class_lines(R), (std::vector<Gdd_line*>{fd_ln(A, B), fd_ln(C, D), fd_ln(G, H), fd_ln(E, F)}));
    EXPECT_EQ(R->lemma, 2);
    EXPECT_EQ(cls1->state, kDead);
    EXPECT_EQ(cls2->state, kDead);
    // Pushed before everything already waiting.
    EXPECT_EQ(g_cond_queue.first->obj, R);
    EXPECT_EQ(count_queued(149, R), 1);
    // The new fact had a reason: the chain names the intermediate class and
    // the second old class; the intermediate names the first class and the
    // new fact's class, whose reasons are the premise.
    const auto r = chain(R->reasons);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0]->obj, cls2);
    auto* mid = cond_obj<Gdd_pline>(r[1]);
    EXPECT_EQ(mid->state, kDead);
    const auto r2 = chain(mid->reasons);
    ASSERT_EQ(r2.size(), 2u);
    auto* fresh = cond_obj<Gdd_pline>(r2[0]);
    EXPECT_EQ(r2[1]->obj, cls1);
    EXPECT_EQ(fresh->reasons, premise);
    EXPECT_EQ(fresh->lemma, 4);
    for (Gdd_cond* c : r)
        EXPECT_EQ(c->type, 149);
    EXPECT_TRUE(xpara(A, B, E, F));
}

TEST_F(PlineTest, AddPpnTakesTheMergeListAsReasons)
{
    Gdd_line* ab = new_ln(A, B);
    Gdd_line* cd = new_ln(C, D);
    clear_merge_db();
    Gdd_cond* m = add_codb2(150, A, B, E, F);
    Gdd_pline* P = add_ppn(8, ab, cd);
    ASSERT_NE(P, nullptr);
    EXPECT_EQ(P->reasons, m);
    EXPECT_EQ(P->lemma, 8);
    EXPECT_EQ(add_ppn(8, cd, ab), nullptr);
    EXPECT_EQ(add_ppn(8, ab, ab), nullptr);
    EXPECT_EQ(g_pn_list.size(), 1u);
}

TEST_F(PlineTest, AdjustingAClassOfOtherThanTwoLinesAborts)
{
    Gdd_pline* P = g_pn_list.append();
    P->state = kNew;
    P->last = 2;
    P->lines = {new_ln(A, B), new_ln(C, D), new_ln(E, F)};
    EXPECT_THROW(adj_pls(P), ProverAbort);
    EXPECT_EQ(out.text(), "11111111111111\r\n");
}

TEST_F(PlineTest, FourPointSearchStopsAtTheFirstLiveClassOfALine)
{
    Gdd_line* ab = new_ln(A, B);
    Gdd_line* cd = new_ln(C, D);
    Gdd_line* ef = new_ln(E, F);
    Gdd_pline* P1 = g_pn_list.append();
    P1->state = kLive;
    P1->last = 1;
    P1->lines = {ab, cd};
    Gdd_pline* P2 = g_pn_list.append();
    P2->state = kLive;
    P2->last = 1;
    P2->lines = {ef, ab};
    // A line belongs to one live class: P1 answers for AB, so no match.
    EXPECT_EQ(fd_pls_4pt(A, B, E, F), nullptr);
    EXPECT_EQ(fd_pls_4pt(E, F, A, B), nullptr);
    EXPECT_EQ(fd_pls_4pt(D, C, B, A), P1);
    // A dead class lets the search go on.
    P1->state = kDead;
    EXPECT_EQ(fd_pls_4pt(A, B, E, F), P2);
    EXPECT_EQ(fd_pls_4pt(C, D, A, B), P1);  // dead classes still answer
    // Only a later line of the class counts: in P2, EF comes first.
    EXPECT_EQ(fd_pls_4pt(E, F, B, A), P2);
}

TEST_F(PlineTest, ClassLookups)
{
    add_line(0, A, B, C);
    add_pline(0, A, B, D, E);
    Gdd_pline* P = g_pn_list.first;
    Gdd_line* abc = fd_ln(A, B);
    Gdd_line* de = fd_ln(D, E);
    EXPECT_EQ(fd_pls(abc), nullptr);  // still new (state 2)
    EXPECT_EQ(fd_pls_other(nullptr, abc), P);
    P->state = kLive;
    EXPECT_EQ(fd_pls(abc), P);
    EXPECT_EQ(fd_pls_pt(C, A), P);
    EXPECT_EQ(fd_pls_pt(A, D), nullptr);  // no line AD
    EXPECT_EQ(fd_pls_other(P, abc), nullptr);
    EXPECT_EQ(fd_pls_ln(P, E), de);
    EXPECT_EQ(fd_pls_ln(P, F), nullptr);
    EXPECT_EQ(fd_pl_pt(D, B, C), de);
    EXPECT_EQ(fd_pl_pt(B, E, D), abc);
    EXPECT_EQ(fd_pl_pt(F, E, D), nullptr);
    EXPECT_TRUE(in_pls(de, P));
    EXPECT_FALSE(in_pls(de, nullptr));
}

using TlineTest = GddTest;

TEST_F(TlineTest, NewPairIsQueuedAtTheEnd)
{
    int x = 0;
    queue_cond(151, &x);
    Gdd_cond* premise = add_codb(153, A, B, A, C);
    add_tline(24, A, B, C, D);
    next_cond();
    ASSERT_EQ(g_tn_list.size(), 1u);
    Gdd_tline* T = g_tn_list.first;
    EXPECT_EQ(T->state, kNew);
    EXPECT_EQ(T->lemma, 24);
    EXPECT_EQ(T->reasons, premise);
    EXPECT_EQ(T->l1, fd_ln(A, B));
    EXPECT_EQ(T->l2, fd_ln(C, D));
    EXPECT_EQ(g_cond_queue.last->obj, T);
    EXPECT_EQ(g_cond_queue.last->type, 150);
    EXPECT_TRUE(xperp(D, C, B, A));
    EXPECT_TRUE(xperp(C, D, A, B));
    EXPECT_EQ(fd_tp_4pt(C, D, B, A), T);
    // Known: nothing added.
    add_tline(0, D, C, A, B);
    EXPECT_EQ(g_tn_list.size(), 1u);
}

TEST_F(TlineTest, PerpendicularNeedsBothLines)
{
    add_tline(0, A, B, C, D);
    add_line(0, A, B, E);
    EXPECT_TRUE(xperp(A, E, C, D));
    // Line EF was never created: false whatever else is known.
    EXPECT_FALSE(xperp(E, F, C, D));
    EXPECT_EQ(fd_tp_4pt(E, F, C, D), nullptr);
    EXPECT_FALSE(xperp(A, C, C, D));
    // Degenerate.
    EXPECT_TRUE(xperp(A, B, C, C));
    EXPECT_TRUE(xperp(G, G, H, I));
    EXPECT_EQ(fd_tp_4pt(A, A, C, D), nullptr);
}

TEST_F(TlineTest, PairOfRecordsTakesTheMergeList)
{
    Gdd_line* ab = new_ln(A, B);
    Gdd_line* cd = new_ln(C, D);
    clear_merge_db();
    Gdd_cond* m = add_codb2(154, A, B, C, D, E, F, G, H);
    add_tx(9, ab, cd);
    ASSERT_EQ(g_tn_list.size(), 1u);
    EXPECT_EQ(g_tn_list.first->reasons, m);
    EXPECT_EQ(g_tn_list.first->lemma, 9);
    add_tx(9, cd, ab);
    EXPECT_FALSE(xperp_ln(ab, ab));
    EXPECT_TRUE(xperp_ln(cd, ab));
}

TEST_F(TlineTest, PairLookups)
{
    add_tline(0, A, B, C, D);
    add_line(0, C, D, E);
    add_tline(0, A, B, F, G);
    Gdd_tline* T1 = g_tn_list.first;
    Gdd_line* ab = fd_ln(A, B);
    Gdd_line* cde = fd_ln(C, E);
    Gdd_line* fg = fd_ln(F, G);
    EXPECT_TRUE(in_tp(ab, T1));
    EXPECT_TRUE(in_tp(cde, T1));
    EXPECT_FALSE(in_tp(fg, T1));
    EXPECT_EQ(fd_tp(ab), T1);
    EXPECT_EQ(fd_tp(fg), T1->next);
    EXPECT_EQ(fd_tl_pt(E, A, B), cde);
    EXPECT_EQ(fd_tl_pt(G, B, A), fg);
    EXPECT_EQ(fd_tl_pt(A, C, D), ab);
    EXPECT_EQ(fd_tl_pt(H, A, B), nullptr);
    EXPECT_EQ(fd_tl_pt(A, A, H), nullptr);  // no line AH
}

}  // namespace
}  // namespace gddtest
