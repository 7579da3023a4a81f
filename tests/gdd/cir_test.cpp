// Circles and midpoints.

#include "gdd_fixture.h"

namespace gddtest {
namespace {

using CirTest = GddTest;

TEST_F(CirTest, NewCircleKeepsItsPointsAscending)
{
    Gdd_cond* premise = add_codb(150, A, B, C, D);
    add_cir4(27, O, F, B, D, C);
    next_cond();
    ASSERT_EQ(g_cir_list.size(), 1u);
    Gdd_cir* c = g_cir_list.first;
    EXPECT_EQ(c->state, kNew);
    EXPECT_EQ(c->lemma, 27);
    EXPECT_EQ(c->centre, O);
    EXPECT_EQ(c->reasons, premise);
    EXPECT_EQ(points(c), (std::vector<int>{B, C, D, F}));
    EXPECT_EQ(count_queued(152, c), 1);
}

TEST_F(CirTest, SameCircleIsStoredOnce)
{
    add_cir3(0, 0, A, B, C);
    clear_queue();
    add_cir3(0, 0, C, A, B);
    add_cir2(0, 0, B, C);
    EXPECT_EQ(g_cir_list.size(), 1u);
    EXPECT_TRUE(g_cond_queue.empty());
    add_cir2(0, O, A, B);  // with a centre: a new fact
    EXPECT_EQ(g_cir_list.size(), 2u);
    add_cir2(0, O, B, A);
    EXPECT_EQ(g_cir_list.size(), 2u);
}

TEST_F(CirTest, CircleTestsByCentre)
{
    add_cir3(0, O, A, B, C);
    EXPECT_TRUE(xcir_2p(0, A, B));  // any circle will do
    EXPECT_TRUE(xcir_2p(O, C, A));
    EXPECT_FALSE(xcir_2p(P, A, B));  // other centre
    EXPECT_TRUE(xcir_3p(O, A, B, C));
    EXPECT_FALSE(xcir_4p(O, A, B, C, D));
    EXPECT_TRUE(xcir_4p(0, A, B, C, 0));  // a zero point is on every circle
    EXPECT_EQ(fd_cir_4p(0, A, B, C, A), g_cir_list.first);
    EXPECT_FALSE(xcir_2p(0, A, D));
    add_cir4(0, 0, A, D, E, F);
    EXPECT_TRUE(xcir_2p(0, A, D));
    EXPECT_FALSE(xcir_2p(O, A, D));  // that circle has no known centre
    EXPECT_TRUE(xcir_5p(0, A, D, E, F, 0));
}

TEST_F(CirTest, CircleInsideTheNewOneDies)
{
    add_cir3(0, 0, A, B, C);
    Gdd_cir* small = g_cir_list.first;
    add_cir4(0, 0, A, B, C, D);
    Gdd_cir* big = g_cir_list.last;
    EXPECT_EQ(small->state, kDead);
    EXPECT_EQ(big->state, kNew);
    EXPECT_EQ(live_records(g_cir_list).size(), 1u);
    EXPECT_EQ(count_queued(152, big), 1);
}

TEST_F(CirTest, CircleWithoutCentreInsideOneWithCentreDies)
{
    add_cir3(0, 0, A, B, C);
    Gdd_cir* plain = g_cir_list.first;
    add_cir4(0, O, A, B, C, D);
    Gdd_cir* centred = g_cir_list.last;
    EXPECT_EQ(plain->state, kDead);
    EXPECT_TRUE(centred->live());
    EXPECT_EQ(centred->centre, O);
    EXPECT_EQ(fd_cir_cp(O, B), centred);
}

TEST_F(CirTest, NewRecordInsideAnExistingCircleDiesIntoIt)
{
    add_cir4(0, O, A, B, C, D);
    Gdd_cir* big = g_cir_list.first;
    clear_queue();
    // A record that the tests would have refused, built directly.
    Gdd_cir* c = g_cir_list.append();
    c->state = kNew;
    c->last = 2;
    c->pts = {A, B, C};
    adj_cir(c);
    EXPECT_EQ(c->state, kDead);
    EXPECT_TRUE(big->live());
    EXPECT_EQ(count_queued(152, big), 1);  // the survivor is announced
}

TEST_F(CirTest, ThreeCommonPointsMakeAUnion)
{
    add_cir4(0, 0, A, B, C, D);
    Gdd_cir* c1 = g_cir_list.first;
    Gdd_cond* premise = add_codb(154, A, B, C, D, E, F, G, H);
    add_cir4(41, 0, B, C, D, E);
    next_cond();
    const auto all = records(g_cir_list);
    ASSERT_EQ(all.size(), 3u);
    Gdd_cir* c2 = all[1];
    Gdd_cir* u = all[2];
    EXPECT_EQ(c1->state, kDead);
    EXPECT_EQ(c2->state, kDead);
    EXPECT_EQ(c2->reasons, premise);
    EXPECT_EQ(points(u), (std::vector<int>{A, B, C, D, E}));
    EXPECT_EQ(u->centre, 0);
    const auto r = chain(u->reasons);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0]->type, 152);
    EXPECT_EQ(r[0]->obj, c1);
    EXPECT_EQ(r[1]->obj, c2);
    EXPECT_EQ(count_queued(152, u), 1);
    EXPECT_TRUE(xcir_5p(0, A, B, C, D, E));
}

TEST_F(CirTest, TwoCommonPointsWithoutCentreDoNotMerge)
{
    add_cir3(0, 0, A, B, C);
    add_cir3(0, 0, B, C, D);
    EXPECT_EQ(live_records(g_cir_list).size(), 2u);
    EXPECT_FALSE(xcir_4p(0, A, B, C, D));
}

TEST_F(CirTest, OneCommonPointAndTheSameCentreMerge)
{
    add_cir2(0, O, A, B);
    add_cir2(0, O, A, C);
    const auto live = live_records(g_cir_list);
    ASSERT_EQ(live.size(), 1u);
    EXPECT_EQ(live[0]->centre, O);
    EXPECT_EQ(points(live[0]), (std::vector<int>{A, B, C}));
    EXPECT_EQ(live[0]->reasons, nullptr);  // hypotheses merge without reasons
    // Different centres through one point stay apart.
    add_cir2(0, P, A, D);
    EXPECT_EQ(live_records(g_cir_list).size(), 2u);
}

TEST_F(CirTest, UnionTakesTheKnownCentre)
{
    add_cir4(0, 0, A, B, C, D);  // no centre
    add_cir4(0, O, A, B, C, E);  // shares three points, has a centre
    const auto live = live_records(g_cir_list);
    ASSERT_EQ(live.size(), 1u);
    EXPECT_EQ(live[0]->centre, O);
    EXPECT_EQ(points(live[0]), (std::vector<int>{A, B, C, D, E}));
    EXPECT_TRUE(xcir_2p(O, D, E));
}

TEST_F(CirTest, ThirtiethPointAbortsWithMessage)
{
    g_npoints = 40;
    add_cir3(0, 0, 1, 2, 3);
    for (int p = 4; p <= 29; ++p)
        add_cir4(0, 0, 1, 2, 3, p);
    ASSERT_EQ(live_records(g_cir_list).size(), 1u);
    ASSERT_EQ(live_records(g_cir_list)[0]->count(), 29);
    EXPECT_THROW(add_cir4(0, 0, 1, 2, 3, 30), ProverAbort);
    EXPECT_EQ(out.text(), "MAX_GEO of cr overflow\r\n");
}

TEST_F(CirTest, CircleLookups)
{
    add_cir4(0, O, A, B, C, D);
    Gdd_cir* c1 = g_cir_list.first;
    add_cir3(0, 0, C, E, F);
    Gdd_cir* c2 = g_cir_list.last;
    add_line(0, E, B, G);
    Gdd_line* l = fd_ln(B, G);
    EXPECT_TRUE(on_cir(0, c1));
    EXPECT_TRUE(on_cir(B, c1));
    EXPECT_FALSE(on_cir(E, c1));
    EXPECT_FALSE(on_cir(B, nullptr));
    EXPECT_EQ(inter_lc(l, c1), B);
    EXPECT_EQ(inter_lc_new(l, c1, B), 0);
    EXPECT_EQ(inter_lc(l, c2), E);
    EXPECT_EQ(inter_lc(nullptr, c2), 0);
    EXPECT_EQ(inter_cc(c1, c2), C);
    EXPECT_EQ(inter_cc_new(c1, c2, C), 0);
    EXPECT_EQ(inter_cc(c1, nullptr), 0);
    EXPECT_EQ(cir_other_pt(c1, A, C), B);
    EXPECT_EQ(cir_other_pt3(c1, A, B, C), D);
    EXPECT_EQ(cir_other_pt3(c2, C, E, F), 0);
    EXPECT_TRUE(cir_sub(c2, c2));
    EXPECT_FALSE(cir_sub(c2, c1));
    EXPECT_EQ(fd_cir_cp(O, D), c1);
    EXPECT_EQ(fd_cir_cp(O, E), nullptr);
    EXPECT_EQ(fd_cir_cp(0, E), c2);
    EXPECT_EQ(fd_cir3(D, B, A), O);
    EXPECT_EQ(fd_cir3(C, E, F), 0);  // no known centre
}

TEST_F(CirTest, AllPointsOnOneCircle)
{
    for (int p = 1; p <= 5; ++p)
        g_pro_points[static_cast<std::size_t>(p)].kind = 101;
    g_pro_points[5].kind = 105;  // E: circumcentre
    add_cir4(0, E, A, B, C, D);
    EXPECT_TRUE(all_on_cir(4));
    EXPECT_TRUE(all_on_cir(5));  // E is the centre
    EXPECT_FALSE(all_on_cir(2));
    // Three free points lie on a circle anyway: not counted.
    EXPECT_FALSE(all_on_cir(3));
    g_pro_points[3].kind = 113;  // a point on a circle
    EXPECT_TRUE(all_on_cir(3));
    g_pro_points[2].kind = 103;  // a midpoint is not allowed
    EXPECT_FALSE(all_on_cir(4));
    g_pro_points[2].kind = 358;
    EXPECT_TRUE(all_on_cir(4));
    g_pro_points[6].kind = 101;
    EXPECT_FALSE(all_on_cir(6));  // F is on no circle
}

using MidTest = GddTest;

TEST_F(MidTest, MidpointIsStoredOnceInEitherOrder)
{
    Gdd_cond* premise = add_codb(153, M, A, M, B);
    add_mid(54, M, A, B);
    next_cond();
    ASSERT_EQ(g_mid_list.size(), 1u);
    Gdd_mid* md = g_mid_list.first;
    EXPECT_EQ(md->state, kLive);
    EXPECT_EQ(md->lemma, 54);
    EXPECT_EQ(md->reasons, premise);
    EXPECT_EQ(count_queued(151, md), 1);
    clear_queue();
    add_mid(0, M, B, A);
    EXPECT_EQ(g_mid_list.size(), 1u);
    EXPECT_TRUE(g_cond_queue.empty());
    EXPECT_TRUE(xmid(M, B, A));
    EXPECT_FALSE(xmid(N, A, B));
    EXPECT_FALSE(xmid(M, A, C));
    EXPECT_EQ(fd_mid_rec(M, B, A), md);
}

TEST_F(MidTest, MidpointLookups)
{
    add_mid(0, M, A, B);
    add_mid(0, M, C, D);
    add_line(0, C, E, F);
    EXPECT_EQ(fd_mid(B, A), M);
    EXPECT_EQ(fd_mid(A, C), 0);
    EXPECT_EQ(fd_mid_ln(M, fd_ln(C, E)), g_mid_list.last);  // first end C on it
    add_line(0, D, G, H);
    EXPECT_EQ(fd_mid_ln(M, fd_ln(D, G)), nullptr);  // D is the second end
    EXPECT_EQ(fd_mid_ln(N, fd_ln(C, E)), nullptr);
}

}  // namespace
}  // namespace gddtest
