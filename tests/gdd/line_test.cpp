// Collinear points: adding, extending, merging and following merges.

#include "gdd_fixture.h"

namespace gddtest {
namespace {

using LineTest = GddTest;

TEST_F(LineTest, DegenerateOrKnownCollinearityChangesNothing)
{
    add_line(0, A, A, B);
    add_line(0, A, B, B);
    add_line(0, C, D, C);
    EXPECT_TRUE(g_ln_list.empty());
    EXPECT_TRUE(g_cond_queue.empty());

    add_line(0, A, B, C);
    ASSERT_EQ(g_ln_list.size(), 1u);
    clear_queue();
    add_line(0, C, A, B);
    add_line(3, B, C, A);
    EXPECT_EQ(g_ln_list.size(), 1u);
    EXPECT_TRUE(g_cond_queue.empty());
}

TEST_F(LineTest, NewLineHoldsItsPointsAscendingAndIsQueued)
{
    add_line(0, F, B, D);
    ASSERT_EQ(g_ln_list.size(), 1u);
    Gdd_line* l = g_ln_list.first;
    EXPECT_EQ(points(l), (std::vector<int>{B, D, F}));
    EXPECT_EQ(l->state, kLive);  // lines are born processed
    EXPECT_EQ(l->reasons, nullptr);
    EXPECT_EQ(count_queued(148, l), 1);
    EXPECT_TRUE(xcoll(D, F, B));
    EXPECT_FALSE(xcoll(B, D, E));
}

TEST_F(LineTest, HypothesisExtendsHypothesisLineInPlace)
{
    add_line(0, A, B, C);
    Gdd_line* l = g_ln_list.first;
    add_line(0, B, C, E);  // shares b and c
    add_line(0, D, A, B);  // shares c and b
    add_line(0, C, F, A);  // shares a and c
    ASSERT_EQ(g_ln_list.size(), 1u);
    EXPECT_EQ(points(l), (std::vector<int>{A, B, C, D, E, F}));
    EXPECT_EQ(count_queued(148, l), 4);
    // Sharing a single point makes a new line.
    add_line(0, A, G, H);
    EXPECT_EQ(g_ln_list.size(), 2u);
    EXPECT_EQ(points(g_ln_list.last), (std::vector<int>{A, G, H}));
}

TEST_F(LineTest, TwoPointLineIsExtendedByAHypothesis)
{
    Gdd_line* ab = new_ln(B, A);
    EXPECT_EQ(points(ab), (std::vector<int>{A, B}));
    add_line(0, A, B, C);
    EXPECT_EQ(g_ln_list.size(), 1u);
    EXPECT_EQ(points(ab), (std::vector<int>{A, B, C}));
}

TEST_F(LineTest, DerivedCollinearityMakesANewLineThenMerges)
{
    add_line(0, A, B, C);
    Gdd_line* hyp = g_ln_list.first;
    Gdd_cond* premise = add_codb(149, A, B, A, D);
    add_line(1, A, B, D);
    next_cond();
    // The derived line ABD held A and B of ABC, neither contains the other:
    // a union replaces both.
    const auto lines = records(g_ln_list);
    ASSERT_EQ(lines.size(), 3u);
    Gdd_line* derived = lines[1];
    Gdd_line* unio = lines[2];
    EXPECT_EQ(derived->lemma, 1);
    EXPECT_EQ(derived->reasons, premise);
    EXPECT_EQ(hyp->state, kDead);
    EXPECT_EQ(derived->state, kDead);
    EXPECT_EQ(unio->state, kLive);
    EXPECT_EQ(points(unio), (std::vector<int>{A, B, C, D}));
    EXPECT_EQ(unio->lemma, 0);
    // Its reasons name the two merged lines.
    const auto r = chain(unio->reasons);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0]->type, 148);
    EXPECT_EQ(r[0]->obj, hyp);  // pushed last, so first in the chain
    EXPECT_EQ(r[1]->type, 148);
    EXPECT_EQ(r[1]->obj, derived);
    EXPECT_EQ(count_queued(148, unio), 1);
    EXPECT_EQ(fd_ln(C, D), unio);
}

TEST_F(LineTest, MergeOfHypothesesNeedsNoReasons)
{
    add_line(0, A, B, C);
    add_line(0, D, E, F);
    add_line(0, A, D, G);  // a third line, sharing one point with each
    ASSERT_EQ(live_records(g_ln_list).size(), 3u);
    Gdd_line* abc = g_ln_list.first;
    Gdd_line* def = abc->next;
    // Derived with no premises on the stack acts as a hypothesis: it finds
    // the line ADG through two of its points and extends it.
    add_line(0, A, D, B);
    EXPECT_EQ(live_records(g_ln_list).size(), 2u);
    Gdd_line* merged = live_records(g_ln_list).back();
    EXPECT_EQ(points(merged), (std::vector<int>{A, B, C, D, G}));
    EXPECT_EQ(merged->reasons, nullptr);
    EXPECT_EQ(def->state, kLive);
}

TEST_F(LineTest, KnownDerivedCollinearityAddsNoRecord)
{
    add_line(0, A, B, C);
    add_line(0, A, B, D);  // one hypothesis line ABCD
    clear_queue();
    add_codb(148, C, D, A);
    add_line(5, C, D, B);
    next_cond();
    EXPECT_EQ(g_ln_list.size(), 1u);
    EXPECT_TRUE(g_cond_queue.empty());
}

TEST_F(LineTest, TwoPointLineDiesIntoTheLargerNewLine)
{
    // Line AB exists with two points only (it came with a parallel fact);
    // a derived line ABE contains it.
    add_pline(0, A, B, C, D);
    Gdd_line* ab = fd_ln(A, B);
    ASSERT_NE(ab, nullptr);
    ASSERT_EQ(ab->last, 1);
    add_codb(149, A, B, C, D);
    add_line(7, A, B, E);
    next_cond();
    Gdd_line* abe = fd_ln(A, E);
    ASSERT_NE(abe, nullptr);
    EXPECT_EQ(points(abe), (std::vector<int>{A, B, E}));
    EXPECT_EQ(ab->state, kDead);
    EXPECT_EQ(abe->lemma, 7);
    EXPECT_EQ(live_records(g_ln_list).size(), 2u);  // ABE and CD
    // The parallel class now names ABE instead of AB.
    Gdd_pline* cls = fd_pls_other(nullptr, abe);
    ASSERT_NE(cls, nullptr);
    EXPECT_FALSE(in_pls(ab, cls));
    EXPECT_TRUE(xpara(A, E, C, D));
}

TEST_F(LineTest, UnionAlsoSwallowsATwoPointLine)
{
    add_line(0, A, B, C);
    add_line(0, A, B, D);
    Gdd_line* big = g_ln_list.first;  // ABCD
    Gdd_line* two = new_ln(A, C);     // an older two-point line inside ABCD
    add_codb(150, A, B, C, D);
    add_line(6, A, C, E);  // derived: a new line ACE
    next_cond();
    // ACE meets ABCD (first in list order) in A and C: the union ABCDE
    // replaces both, and the line AC, inside the union, dies too.
    EXPECT_EQ(two->state, kDead);
    EXPECT_EQ(big->state, kDead);
    const auto live = live_records(g_ln_list);
    ASSERT_EQ(live.size(), 1u);
    EXPECT_EQ(points(live[0]), (std::vector<int>{A, B, C, D, E}));
    EXPECT_EQ(count_queued(148, live[0]), 1);
}

TEST_F(LineTest, MergeUpdatesClassesPairsAndAngles)
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

TEST_F(LineTest, ClassWhoseTwoLinesMergeDies)
{
    add_pline(0, A, B, C, D);  // AB parallel to CD
    Gdd_pline* cls = g_pn_list.last;
    Gdd_line* ab = fd_ln(A, B);
    Gdd_line* cd = fd_ln(C, D);
    // A derived collinearity puts A, B, C on one line and another puts D on it:
    // AB and CD become one line.
    add_codb(148, A, B, C);
    add_line(1, A, B, C);
    next_cond();
    add_codb(148, A, C, D);
    add_line(1, A, C, D);
    next_cond();
    EXPECT_EQ(ab->state, kDead);
    EXPECT_EQ(cd->state, kDead);
    EXPECT_EQ(cls->state, kDead);
    for (Gdd_pline* P : g_pn_list)
        EXPECT_FALSE(P->live() && P->last < 1);
    // No live class is left.
    EXPECT_TRUE(live_records(g_pn_list).empty());
}

TEST_F(LineTest, PairFollowingAMergeReplacesAQueuedDuplicate)
{
    add_tline(0, A, B, C, D);
    Gdd_tline* T = g_tn_list.last;
    clear_queue();
    int other = 0;
    queue_cond(151, &other);
    add_codb(148, A, B, E);
    add_line(1, A, B, E);
    next_cond();
    Gdd_tline* U = g_tn_list.last;
    ASSERT_NE(U, T);
    EXPECT_EQ(T->state, kDead);
    EXPECT_EQ(count_queued(150, U), 1);
}

TEST_F(LineTest, ThirtiethPointAbortsWithMessage)
{
    g_npoints = 40;
    for (int p = 3; p <= 29; ++p)
        add_line(0, 1, 2, p);
    Gdd_line* l = g_ln_list.first;
    ASSERT_EQ(l->count(), 29);
    add_line(0, 1, 2, 29);  // already there: no overflow
    EXPECT_TRUE(out.text().empty());
    EXPECT_THROW(add_line(0, 1, 2, 30), ProverAbort);
    EXPECT_EQ(out.text(), "MAX_GEO of ln overflow\r\n");
    // Nothing was written past the 29th member.
    EXPECT_EQ(l->count(), 29);
    EXPECT_EQ(l->pts[28], 29);
}

TEST_F(LineTest, LineLookups)
{
    add_line(0, A, B, C);
    add_line(0, D, E, F);
    Gdd_line* abc = g_ln_list.first;
    Gdd_line* def = abc->next;
    Gdd_line* ad = new_ln(A, D);
    EXPECT_EQ(fd_ln(C, A), abc);
    EXPECT_EQ(fd_ln(A, E), nullptr);
    EXPECT_EQ(fd_ln3(G, B, C), abc);   // holds b and c
    EXPECT_EQ(fd_ln3(A, G, C), abc);   // holds c and a
    EXPECT_EQ(fd_ln3(A, G, H), nullptr);
    EXPECT_EQ(fd_ln3(D, A, G), ad);    // holds a and b
    EXPECT_EQ(fadd_ln(D, A), ad);
    Gdd_line* fresh = fadd_ln(G, C);
    EXPECT_EQ(points(fresh), (std::vector<int>{C, G}));
    EXPECT_EQ(fd_ln_pt(D), def);  // first line through D with three points
    EXPECT_EQ(fd_ln_pt(G), nullptr);
    EXPECT_TRUE(on_ln(B, abc));
    EXPECT_FALSE(on_ln(B, nullptr));
    EXPECT_EQ(ln_other_pt(abc, A), B);
    EXPECT_EQ(ln_other_pt2(abc, A, B), C);
    EXPECT_EQ(ln_other_pt2(ad, A, D), 0);
    EXPECT_EQ(inter_lln(abc, ad), A);
    EXPECT_EQ(inter_lln(ad, def), D);
    EXPECT_EQ(inter_lln(abc, def), 0);
    EXPECT_EQ(inter_lln(abc, abc), 0);
    EXPECT_EQ(inter_lln(abc, nullptr), 0);
    EXPECT_EQ(inter_lln_new(ad, abc, A), 0);
    EXPECT_TRUE(ln_sub(ad, ad));
    EXPECT_FALSE(ln_sub(ad, abc));
    EXPECT_EQ(fd_ln_meet2(abc), nullptr);
}

TEST_F(LineTest, DeadLineIsReplacedByTheLiveLineOfItsFirstPoints)
{
    Gdd_line* ab = new_ln(A, B);
    Gdd_line* cd = new_ln(C, D);
    add_codb(148, A, B, C);
    add_line(1, A, B, C);
    next_cond();
    ASSERT_EQ(ab->state, kDead);
    add_line(0, C, D, E);  // a hypothesis through C: cd is extended
    // inter_lln of the dead AB with CDE answers from the live line ABC.
    EXPECT_EQ(inter_lln(ab, cd), C);
    EXPECT_EQ(inter_lln(cd, ab), C);
}

TEST_F(LineTest, MeetingInTwoPoints)
{
    Gdd_line* l1 = new_ln(A, B);
    ln_ins(l1, C);
    Gdd_line* l2 = new_ln(C, D);
    Gdd_line* l3 = new_ln(B, C);
    EXPECT_EQ(fd_ln_meet2(l1), l3);  // l2 shares only C
    EXPECT_EQ(fd_ln_meet2(l2), nullptr);
}

}  // namespace
}  // namespace gddtest
