// Equal full angles: canonical form, search, degenerate cases, transitivity.

#include "gdd_fixture.h"

namespace gddtest {
namespace {

class EaTest : public GddTest {
protected:
    void SetUp() override
    {
        GddTest::SetUp();
        // Eight lines in creation order, no two sharing a point.
        for (int i = 0; i < 8; ++i)
            ln[i] = new_ln(2 * i + 1, 2 * i + 2);
    }
    Gdd_line* ln[8] = {};
};

TEST_F(EaTest, LinesAreDistinct)
{
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(ln[i]->seq, i);
}

TEST_F(EaTest, CanonicalForm)
{
    struct Case {
        int w, x, y, z;
        int e1, e2, e3, e4;
    };
    const Case cases[] = {
        {0, 2, 1, 3, 0, 2, 1, 3},  // already canonical
        {2, 0, 3, 1, 0, 2, 1, 3},  // first pair reversed: both reversed
        {3, 2, 1, 0, 0, 1, 2, 3},  // right side first, then reversed
        {1, 3, 0, 2, 0, 2, 1, 3},  // right side has the smaller line
        {2, 1, 1, 0, 0, 1, 1, 2},  // [a, b] = [b, d]: outer lines ordered
        {0, 1, 1, 2, 0, 1, 1, 2},
        {0, 3, 0, 1, 0, 1, 0, 3},  // [a, b] = [a, d]: d and b ordered
        {2, 1, 0, 1, 1, 0, 1, 2},  // [a, b] = [c, b] is [b, c] = [b, a]
        {0, 1, 2, 1, 1, 0, 1, 2},
        {0, 2, 1, 0, 1, 0, 0, 2},  // z = w: [w, x] = [y, w] is [y, w] = [w, x]
    };
    for (const Case& k : cases) {
        const Ea_lines c = ea_canonical(ln[k.w], ln[k.x], ln[k.y], ln[k.z]);
        EXPECT_EQ(c.l1, ln[k.e1]) << k.w << k.x << k.y << k.z;
        EXPECT_EQ(c.l2, ln[k.e2]) << k.w << k.x << k.y << k.z;
        EXPECT_EQ(c.l3, ln[k.e3]) << k.w << k.x << k.y << k.z;
        EXPECT_EQ(c.l4, ln[k.e4]) << k.w << k.x << k.y << k.z;
    }
}

TEST_F(EaTest, RecordIsFoundUnderEveryFormOfTheFact)
{
    add_ea_ln(0, ln[2], ln[3], ln[0], ln[1]);
    ASSERT_EQ(g_ea_list.size(), 1u);
    Gdd_ea* E = g_ea_list.first;
    EXPECT_EQ(E->l1, ln[0]);
    EXPECT_EQ(E->l4, ln[3]);
    EXPECT_EQ(E->state, kNew);
    EXPECT_EQ(count_queued(154, E), 1);
    const int same[][4] = {
        {0, 1, 2, 3}, {2, 3, 0, 1}, {1, 0, 3, 2}, {3, 2, 1, 0},
        {0, 2, 1, 3},  // [E1, E3] = [E2, E4]
        {2, 0, 3, 1}, {1, 3, 0, 2},
    };
    for (const auto& q : same)
        EXPECT_EQ(fd_ea_ln(ln[q[0]], ln[q[1]], ln[q[2]], ln[q[3]]), E) << q[0] << q[1] << q[2] << q[3];
    const int other[][4] = {{0, 1, 3, 2}, {0, 3, 1, 2}, {0, 1, 2, 4}};
    for (const auto& q : other)
        EXPECT_EQ(fd_ea_ln(ln[q[0]], ln[q[1]], ln[q[2]], ln[q[3]]), nullptr) << q[0] << q[1] << q[2] << q[3];
    EXPECT_TRUE(xacong_ln(ln[1], ln[0], ln[3], ln[2]));
    // Adding it again in another form stores nothing.
    add_ea_ln(0, ln[0], ln[2], ln[1], ln[3]);
    EXPECT_EQ(g_ea_list.size(), 1u);
}

TEST_F(EaTest, FactWithARepeatedLineIsFoundByExchangingTheMiddle)
{
    // [l0, l1] = [l0, l2] is stored; [l0, l0] = [l1, l2] and
    // [l1, l2] = [l0, l0] (l1 parallel to l2) are the same fact.
    add_ea_ln(0, ln[0], ln[1], ln[0], ln[2]);
    Gdd_ea* E = g_ea_list.first;
    ASSERT_TRUE(E);
    EXPECT_EQ(fd_ea_ln(ln[0], ln[0], ln[1], ln[2]), E);
    EXPECT_EQ(fd_ea_ln(ln[1], ln[2], ln[0], ln[0]), E);
    EXPECT_EQ(fd_ea_ln(ln[1], ln[2], ln[3], ln[3]), nullptr);
}

TEST_F(EaTest, TrivialOrParallelAndPerpendicularAnglesNeedNoRecord)
{
    add_ea_ln(0, ln[0], ln[1], ln[0], ln[1]);
    EXPECT_TRUE(g_ea_list.empty());
    add_ppn(0, ln[0], ln[1]);
    add_ppn(0, ln[2], ln[3]);
    EXPECT_TRUE(xacong_ln(ln[0], ln[1], ln[2], ln[3]));  // both zero
    EXPECT_TRUE(xacong_ln(ln[1], ln[0], ln[3], ln[3]));
    add_ea_ln(0, ln[0], ln[1], ln[2], ln[3]);
    add_tx(0, ln[4], ln[5]);
    add_tx(0, ln[6], ln[7]);
    EXPECT_TRUE(xacong_ln(ln[5], ln[4], ln[6], ln[7]));  // both right angles
    add_ea_ln(0, ln[5], ln[4], ln[6], ln[7]);
    EXPECT_TRUE(g_ea_list.empty());
    EXPECT_FALSE(xacong_ln(ln[0], ln[1], ln[4], ln[5]));
}

TEST_F(EaTest, NoRecordsInTheFirstFullAngleStage)
{
    g_fa_stage = 1;
    add_ea_ln(0, ln[0], ln[1], ln[2], ln[3]);
    EXPECT_TRUE(g_ea_list.empty());
    g_fa_stage = 2;
    add_ea_ln(0, ln[0], ln[1], ln[2], ln[3]);
    EXPECT_EQ(g_ea_list.size(), 1u);
}

TEST_F(EaTest, AngleBetweenParallelsMakesTheOtherPairParallel)
{
    add_ppn(0, ln[0], ln[1]);
    Gdd_cond* premise = add_codb(148, A, B, C);
    add_ea_ln(30, ln[0], ln[1], ln[2], ln[3]);
    next_cond();
    ASSERT_EQ(g_ea_list.size(), 1u);
    Gdd_ea* E = g_ea_list.first;
    EXPECT_EQ(E->state, kDead);
    EXPECT_EQ(E->reasons, premise);
    EXPECT_TRUE(xpara_ln(ln[2], ln[3]));
    Gdd_pline* P = g_pn_list.last;
    EXPECT_EQ(P->lemma, 8);
    const auto r = chain(P->reasons);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0]->type, 149);
    EXPECT_EQ(r[0]->p[0], static_cast<std::uint32_t>(ln[0]->pts[0]));
    EXPECT_EQ(r[0]->p[2], static_cast<std::uint32_t>(ln[1]->pts[0]));
    EXPECT_EQ(r[1]->type, 154);
    EXPECT_EQ(r[1]->p[7], static_cast<std::uint32_t>(ln[3]->pts[1]));
}

TEST_F(EaTest, AngleEqualToARightAngleIsAPerpendicular)
{
    add_tx(0, ln[0], ln[1]);
    add_ea_ln(0, ln[0], ln[1], ln[2], ln[3]);
    EXPECT_EQ(g_ea_list.first->state, kDead);
    EXPECT_TRUE(xperp_ln(ln[2], ln[3]));
    EXPECT_EQ(g_tn_list.last->lemma, 9);
    EXPECT_EQ(chain(g_tn_list.last->reasons)[0]->type, 150);
}

TEST_F(EaTest, ParallelSidesMakeTheOtherSidesParallel)
{
    add_ppn(0, ln[0], ln[2]);
    add_ea_ln(0, ln[0], ln[1], ln[2], ln[3]);
    Gdd_ea* E = g_ea_list.first;
    EXPECT_TRUE(E->live());  // the record stays
    EXPECT_TRUE(xpara_ln(ln[1], ln[3]));
    EXPECT_EQ(g_pn_list.last->lemma, 10);
}

TEST_F(EaTest, PerpendicularSidesMakeTheOtherSidesPerpendicular)
{
    add_tx(0, ln[0], ln[2]);
    add_ea_ln(0, ln[0], ln[1], ln[2], ln[3]);
    EXPECT_TRUE(g_ea_list.first->live());
    EXPECT_TRUE(xperp_ln(ln[1], ln[3]));
    EXPECT_EQ(g_tn_list.last->lemma, 11);
}

TEST_F(EaTest, DegenerateCaseFoundFromTheOtherEnd)
{
    // [l0, l1] = [l2, l3] with l3 parallel to l2 read backwards:
    // [l3, l2] = [l1, l0], so l1 is parallel to l0.
    add_ppn(0, ln[3], ln[2]);
    add_ea_ln(0, ln[0], ln[1], ln[2], ln[3]);
    EXPECT_EQ(g_ea_list.first->state, kDead);
    EXPECT_TRUE(xpara_ln(ln[0], ln[1]));
}

TEST_F(EaTest, TransitivityThroughAnEqualPair)
{
    add_ea_ln(0, ln[0], ln[1], ln[2], ln[3]);
    Gdd_ea* E2 = g_ea_list.first;
    E2->state = kLive;
    add_ea_ln(0, ln[2], ln[3], ln[4], ln[5]);
    Gdd_ea* E1 = E2->next;
    Gdd_ea* derived = fd_ea_ln(ln[0], ln[1], ln[4], ln[5]);
    ASSERT_NE(derived, nullptr);
    EXPECT_EQ(derived->lemma, 81);
    const auto r = chain(derived->reasons);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0]->obj, E1);
    EXPECT_EQ(r[1]->obj, E2);
    EXPECT_EQ(r[0]->type, 154);
}

TEST_F(EaTest, TransitivityThroughExchangedMiddles)
{
    add_ea_ln(0, ln[0], ln[1], ln[2], ln[3]);  // so [l0, l2] = [l1, l3]
    g_ea_list.first->state = kLive;
    add_ea_ln(0, ln[0], ln[2], ln[4], ln[5]);
    Gdd_ea* derived = fd_ea_ln(ln[1], ln[3], ln[4], ln[5]);
    ASSERT_NE(derived, nullptr);
    EXPECT_EQ(derived->lemma, 81);
}

TEST_F(EaTest, TransitivityAcrossTheOuterLines)
{
    // [l0, l1] = [l2, l3] and [l0, l4] = [l5, l3] give [l4, l1] = [l2, l5].
    add_ea_ln(0, ln[0], ln[1], ln[2], ln[3]);
    g_ea_list.first->state = kLive;
    add_ea_ln(0, ln[0], ln[4], ln[5], ln[3]);
    Gdd_ea* derived = fd_ea_ln(ln[4], ln[1], ln[2], ln[5]);
    ASSERT_NE(derived, nullptr);
    EXPECT_EQ(derived->lemma, 82);
}

TEST_F(EaTest, DeadRecordsTakeNoPartInTransitivity)
{
    add_ea_ln(0, ln[0], ln[1], ln[2], ln[3]);
    g_ea_list.first->state = kDead;
    add_ea_ln(0, ln[2], ln[3], ln[4], ln[5]);
    EXPECT_EQ(fd_ea_ln(ln[0], ln[1], ln[4], ln[5]), nullptr);
    EXPECT_EQ(g_ea_list.size(), 2u);
}

using AePtTest = GddTest;

TEST_F(AePtTest, LinesAreMadeFromTheLastOne)
{
    add_ae_pt(42, A, B, C, D, E, F);
    const auto lines = records(g_ln_list);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(points(lines[0]), (std::vector<int>{E, F}));
    EXPECT_EQ(points(lines[1]), (std::vector<int>{D, E}));
    EXPECT_EQ(points(lines[2]), (std::vector<int>{B, C}));
    EXPECT_EQ(points(lines[3]), (std::vector<int>{A, B}));
    ASSERT_EQ(g_ea_list.size(), 1u);
    EXPECT_EQ(g_ea_list.first->lemma, 42);
    EXPECT_TRUE(xacong(A, B, C, D, E, F));
    EXPECT_TRUE(xacong(D, E, F, A, B, C));
    EXPECT_TRUE(fd_ea_pt(A, B, B, C, D, E, E, F));
    EXPECT_FALSE(xacong(A, B, C, D, E, G));  // line EG missing
    EXPECT_EQ(fd_ea_pt(A, B, B, C, D, E, E, G), nullptr);
}

using LineOrderTest = GddTest;

TEST_F(LineOrderTest, SecondPointsFirstThenFirstPoints)
{
    Gdd_line* ab = new_ln(A, B);
    Gdd_line* ac = new_ln(A, C);
    Gdd_line* bc = new_ln(B, C);
    Gdd_line* cd = new_ln(C, D);
    EXPECT_FALSE(ln_less(ab, ab));
    EXPECT_TRUE(ln_less(ab, ac));
    EXPECT_TRUE(ln_less(ac, bc));
    EXPECT_FALSE(ln_less(bc, ac));
    EXPECT_TRUE(ln_less(bc, cd));
    // Pairs: by their larger lines, then by their smaller ones.
    EXPECT_TRUE(ln_pair_less(ab, ac, bc, ab));
    EXPECT_TRUE(ln_pair_less(bc, ab, ac, cd));
    EXPECT_TRUE(ln_pair_less(ac, ab, bc, ac));  // larger lines ac < bc
    EXPECT_TRUE(ln_pair_less(ab, bc, bc, ac));  // larger both bc; ab < ac
    EXPECT_FALSE(ln_pair_less(ac, bc, bc, ab));
    EXPECT_FALSE(ln_pair_less(ab, bc, ab, bc));
}

}  // namespace
}  // namespace gddtest
