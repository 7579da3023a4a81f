// Equal ratios.

#include "gdd_fixture.h"

namespace gddtest {
namespace {

using RatioTest = GddTest;

std::vector<int> points(const Gdd_ra* R) { return {R->pts.begin(), R->pts.end()}; }

Gdd_ra* make_ratio(std::array<int, 8> p)
{
    Gdd_ra* R = g_ra_list.append();
    R->state = kLive;
    for (std::size_t i = 0; i < 8; ++i)
        R->pts[i] = static_cast<std::int8_t>(p[i]);
    return R;
}

TEST_F(RatioTest, NewRecordIsQueued)
{
    Gdd_cond* premise = add_codb(237, A, B, C, D, E, F);
    Gdd_ra* R = add_ra(77, 0, A, B, A, C, D, E, D, F);
    next_cond();
    EXPECT_EQ(R->state, kNew);
    EXPECT_EQ(R->lemma, 77);
    EXPECT_EQ(R->o, 0);
    EXPECT_EQ(R->reasons, premise);
    EXPECT_EQ(points(R), (std::vector<int>{A, B, A, C, D, E, D, F}));
    EXPECT_EQ(count_queued(155, R), 1);
}

TEST_F(RatioTest, StoredRatioAnswersItsEquivalentForms)
{
    add_ratio(0, 0, A, B, C, D, E, F, G, H);  // AB/CD = EF/GH
    ASSERT_EQ(g_ra_list.size(), 1u);
    const int holds[][8] = {
        {A, B, C, D, E, F, G, H},
        {C, D, A, B, G, H, E, F},  // both sides inverted
        {A, B, E, F, C, D, G, H},  // means exchanged
        {G, H, E, F, C, D, A, B},  // extremes exchanged
        {E, F, G, H, A, B, C, D},  // sides exchanged
        {B, A, D, C, F, E, H, G},  // segments written backwards
    };
    for (const auto& q : holds)
        EXPECT_TRUE(xratio(q[0], q[1], q[2], q[3], q[4], q[5], q[6], q[7])) << q[0] << q[2] << q[4] << q[6];
    const int fails[][8] = {
        {A, B, C, D, G, H, E, F},
        {A, B, G, H, E, F, C, D},
        {A, B, C, D, E, F, G, I},
    };
    for (const auto& q : fails)
        EXPECT_FALSE(xratio(q[0], q[1], q[2], q[3], q[4], q[5], q[6], q[7])) << q[0] << q[2] << q[4] << q[6];
    // Through congruent segments.
    add_cong(0, 0, A, B, I, J);
    EXPECT_TRUE(xratio(I, J, C, D, E, F, G, H));
    EXPECT_TRUE(xratio(C, D, J, I, G, H, E, F));
    // Asking again stores nothing.
    add_ratio(0, 0, C, D, A, B, G, H, E, F);
    EXPECT_EQ(g_ra_list.size(), 1u);
}

TEST_F(RatioTest, CongruencesMakeARatioHold)
{
    add_cong(0, 0, A, B, E, F);
    add_cong(0, 0, C, D, G, H);
    EXPECT_TRUE(xratio(A, B, C, D, E, F, G, H));  // s1 = s3, s2 = s4
    EXPECT_TRUE(xratio(A, B, A, B, C, D, D, C));  // s1 = s2, s3 = s4
    EXPECT_TRUE(xratio(A, B, B, A, C, D, G, H));
    // s1 = s4 with s2 = s3 gives s1/s2 = s2/s1, true only when s1 = s2.
    EXPECT_FALSE(xratio(A, B, C, D, G, H, E, F));
}

TEST_F(RatioTest, RatioWithCongruentSegmentsBecomesACongruence)
{
    struct Case {
        std::array<int, 4> known;  // a congruence already in the database
        std::array<int, 4> derived;
    };
    // AB/CD = EF/GH with:
    const Case cases[] = {
        {{A, B, E, F}, {C, D, G, H}},  // equal numerators
        {{C, D, G, H}, {A, B, E, F}},  // equal denominators
        {{A, B, C, D}, {E, F, G, H}},  // left side is one
        {{E, F, G, H}, {A, B, C, D}},  // right side is one
    };
    for (const Case& k : cases) {
        free_gdd();
        add_cong(0, 0, k.known[0], k.known[1], k.known[2], k.known[3]);
        ASSERT_FALSE(xcong(k.derived[0], k.derived[1], k.derived[2], k.derived[3]));
        Gdd_ra* R = add_ra(0, 0, A, B, C, D, E, F, G, H);
        EXPECT_EQ(R->state, kDead);
        EXPECT_TRUE(xcong(k.derived[0], k.derived[1], k.derived[2], k.derived[3]));
        // The congruence's reasons: the known pair (larger points first),
        // then the ratio record.
        Gdd_cg* grp = fd_cg(k.derived[0], k.derived[1]);
        ASSERT_NE(grp, nullptr);
        const auto r = chain(grp->reasons);
        ASSERT_EQ(r.size(), 2u);
        EXPECT_EQ(r[0]->p[0], static_cast<std::uint32_t>(std::max(k.known[0], k.known[1])));
        EXPECT_EQ(r[1]->type, 155);
        EXPECT_EQ(r[1]->obj, R);
    }
}

TEST_F(RatioTest, CrossedCongruencesDeriveNothing)
{
    add_cong(0, 0, A, B, G, H);
    add_cong(0, 0, C, D, E, F);
    const auto groups = g_cg_list.size();
    Gdd_ra* R = add_ra(0, 0, A, B, C, D, E, F, G, H);
    EXPECT_EQ(R->state, kDead);
    EXPECT_EQ(g_cg_list.size(), groups);
}

TEST_F(RatioTest, SameSegmentTwiceNeedsNoCongruencePremise)
{
    Gdd_ra* R = add_ra(0, 0, A, B, A, B, E, F, G, H);
    EXPECT_EQ(R->state, kDead);
    EXPECT_TRUE(xcong(E, F, G, H));
    const auto r = chain(g_cg_list.last->reasons);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0]->obj, R);
}

TEST_F(RatioTest, TrapezoidRatios)
{
    add_ratioo(O, A, B, C, D);
    const auto rs = records(g_ra_list);
    ASSERT_EQ(rs.size(), 5u);
    for (Gdd_ra* R : rs) {
        EXPECT_EQ(R->lemma, 73);
        EXPECT_EQ(R->o, 1);
    }
    EXPECT_TRUE(xratio(O, A, O, C, O, B, O, D));
    EXPECT_TRUE(xratio(O, A, O, C, A, B, C, D));
    EXPECT_TRUE(xratio(O, B, O, D, A, B, C, D));
    EXPECT_TRUE(xratio(O, A, A, C, O, B, B, D));
    EXPECT_TRUE(xratio(O, C, C, A, O, D, D, B));
    // Ratios already known are skipped.
    free_gdd();
    add_ratio(0, 0, O, B, O, D, A, B, C, D);
    add_ratioo(O, A, B, C, D);
    EXPECT_EQ(g_ra_list.size(), 5u);
}

TEST_F(RatioTest, SegmentPositions)
{
    Gdd_ra* R = make_ratio({A, B, C, D, E, F, G, H});
    add_cong(0, 0, A, B, G, H);
    add_cong(0, 0, C, D, E, F);
    struct Case {
        int a, b, late, pos;
    };
    const Case cases[] = {
        {A, B, 0, 1}, {B, A, 1, 4}, {H, G, 0, 1}, {G, H, 1, 4},
        {C, D, 0, 2}, {D, C, 1, 3}, {E, F, 0, 2}, {E, F, 1, 3},
        {I, J, 0, 0}, {I, J, 1, 0},
    };
    for (const Case& k : cases)
        EXPECT_EQ(ra_pos(k.a, k.b, R, k.late), k.pos) << k.a << k.b << k.late;
    Gdd_ra* S = make_ratio({A, B, C, D, I, J, K, L});
    EXPECT_EQ(ra_pos(K, L, S, 1), 4);
    EXPECT_EQ(ra_pos(I, J, S, 1), 3);
    EXPECT_EQ(ra_pos(A, B, S, 1), 1);  // not congruent to the fourth
}

TEST_F(RatioTest, RatiosSharingAFractionCombine)
{
    Gdd_ra* R2 = add_ra(0, 0, A, B, C, D, E, F, G, H);
    Gdd_ra* R1 = add_ra(0, 0, A, B, C, D, I, J, K, L);
    adj_ra(R1);
    EXPECT_EQ(g_ra_cursor, g_ra_list.last);
    Gdd_ra* made = fd_ra(E, F, G, H, I, J, K, L);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->lemma, 0);
    EXPECT_EQ(made->reasons, nullptr);  // neither had reasons
    (void)R2;
}

TEST_F(RatioTest, CombinedRatioNamesBothRecords)
{
    Gdd_cond* premise = add_codb(237, A, B, C, D, E, F);
    Gdd_ra* R2 = add_ra(77, 0, A, B, C, D, E, F, G, H);
    next_cond();
    Gdd_ra* R1 = add_ra(0, 0, E, F, G, H, I, J, K, L);
    adj_ra(R1);
    Gdd_ra* made = fd_ra(A, B, C, D, I, J, K, L);
    ASSERT_NE(made, nullptr);
    const auto r = chain(made->reasons);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0]->obj, R1);
    EXPECT_EQ(r[1]->obj, R2);
    EXPECT_EQ(R2->reasons, premise);
}

TEST_F(RatioTest, EqualProductsCombine)
{
    // AB*GH = CD*EF and AB*GH = IJ*KL give CD*EF = IJ*KL.
    add_ra(0, 0, A, B, C, D, E, F, G, H);
    Gdd_ra* R1 = add_ra(0, 0, A, B, I, J, K, L, G, H);
    adj_ra(R1);
    EXPECT_TRUE(xratio(C, D, I, J, K, L, E, F));
    EXPECT_TRUE(xratio(I, J, C, D, E, F, K, L));
}

TEST_F(RatioTest, DeadRecordsAreNotCombined)
{
    Gdd_ra* R2 = add_ra(0, 0, A, B, C, D, E, F, G, H);
    R2->state = kDead;
    Gdd_ra* R1 = add_ra(0, 0, A, B, C, D, I, J, K, L);
    adj_ra(R1);
    EXPECT_EQ(g_ra_list.size(), 2u);
    adj_ra(nullptr);
    EXPECT_EQ(g_ra_cursor, R1);
}

}  // namespace
}  // namespace gddtest
