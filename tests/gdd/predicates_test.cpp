// Predicate tests of the prover, and emptying the database.

#include "gdd_fixture.h"

namespace gddtest {
namespace {

using PredicateTest = GddTest;

TEST_F(PredicateTest, SamePointIsByNumberOnly)
{
    EXPECT_TRUE(n_same_point(A, A));
    EXPECT_FALSE(n_same_point(A, B));
    // Even points a construction makes coincide are different points.
    add_mid(0, C, A, A);
    EXPECT_FALSE(n_same_point(C, A));
}

TEST_F(PredicateTest, RepeatedPointIsCollinearOnAnEmptyDatabase)
{
    EXPECT_TRUE(n_coll(A, A, B));
    EXPECT_TRUE(n_coll(A, B, B));
    EXPECT_TRUE(n_coll(B, A, B));
    EXPECT_FALSE(n_coll(A, B, C));
    add_line(0, A, B, C);
    EXPECT_TRUE(n_coll(C, B, A));
}

TEST_F(PredicateTest, AnswersFollowTheDatabase)
{
    struct Case {
        int a, b, c, d;
        bool para, perp;
    };
    add_pline(0, A, B, C, D);
    add_tline(0, A, B, E, F);
    const Case cases[] = {
        {A, B, C, D, true, false},
        {D, C, B, A, true, false},
        {A, B, E, F, false, true},
        {E, F, A, B, false, true},
        {C, D, E, F, false, false},  // no perpendicular derived yet
        {A, A, E, F, true, true},    // degenerate
        {A, B, G, G, true, true},
        {A, G, C, H, false, false},  // lines never created
    };
    for (const Case& k : cases) {
        EXPECT_EQ(n_para(k.a, k.b, k.c, k.d) != 0, k.para) << k.a << k.b << k.c << k.d;
        EXPECT_EQ(n_perp(k.a, k.b, k.c, k.d) != 0, k.perp) << k.a << k.b << k.c << k.d;
    }
    // A later fact changes the answer.
    add_tline(3, C, D, E, F);
    EXPECT_TRUE(n_perp(C, D, E, F));
}

using EmptyDatabaseTest = GddTest;

TEST_F(EmptyDatabaseTest, FreeingLeavesNothingToFind)
{
    add_line(0, A, B, C);
    add_pline(0, A, B, D, E);
    add_tline(0, A, B, F, G);
    add_cir3(0, O, A, D, F);
    add_mid(0, M, A, B);
    add_ae_pt(0, A, B, D, F, G, H);
    add_cong(0, 0, A, B, D, E);
    add_stri(0, 1, A, B, D, E, F, G);
    g_tri_mode = 1;
    add_stri(0, 1, A, B, D, E, F, G);
    add_ratio(0, 0, A, B, D, E, F, G, H, I);
    add_codb(150, A, B, C, D);
    clear_merge_db();
    add_codb2(150, A, B, C, D);

    free_gdd();

    EXPECT_TRUE(g_ln_list.empty());
    EXPECT_TRUE(g_pn_list.empty());
    EXPECT_TRUE(g_tn_list.empty());
    EXPECT_TRUE(g_cir_list.empty());
    EXPECT_TRUE(g_mid_list.empty());
    EXPECT_TRUE(g_ea_list.empty());
    EXPECT_TRUE(g_cg_list.empty());
    EXPECT_TRUE(g_st_list.empty());
    EXPECT_TRUE(g_ct_list.empty());
    EXPECT_TRUE(g_ra_list.empty());
    EXPECT_TRUE(g_cond_queue.empty());
    EXPECT_EQ(g_co_db, nullptr);
    EXPECT_EQ(g_merge_db, nullptr);
    EXPECT_EQ(fd_ln(A, B), nullptr);
    EXPECT_FALSE(xcoll(A, B, C));
    EXPECT_FALSE(xpara(A, B, D, E));
    EXPECT_FALSE(xperp(A, B, F, G));
    EXPECT_FALSE(xcir_3p(O, A, D, F));
    EXPECT_FALSE(xmid(M, A, B));
    EXPECT_EQ(fd_mid(A, B), 0);
    EXPECT_FALSE(xacong(A, B, D, F, G, H));
    EXPECT_FALSE(xcong(A, B, D, E));
    EXPECT_FALSE(xsim(A, B, D, E, F, G));
    EXPECT_FALSE(xcon(A, B, D, E, F, G));
    EXPECT_FALSE(xratio(A, B, D, E, F, G, H, I));
    EXPECT_EQ(fd_ra(A, B, D, E, F, G, H, I), nullptr);

    // The emptied database takes facts again.
    add_line(0, A, B, C);
    EXPECT_TRUE(xcoll(A, B, C));
    EXPECT_EQ(g_ln_list.first->seq, 0);
}

TEST_F(EmptyDatabaseTest, ProverResetEmptiesTheDatabase)
{
    add_line(0, A, B, C);
    add_cong(0, 0, A, B, C, D);
    prover_reset();
    EXPECT_TRUE(g_ln_list.empty());
    EXPECT_TRUE(g_cg_list.empty());
    EXPECT_FALSE(xcong(A, B, C, D));
}

TEST_F(EmptyDatabaseTest, ConditionObjectsReadBackAsTheirRecords)
{
    add_line(0, A, B, C);
    add_pline(0, A, B, D, E);
    add_mid(0, M, D, E);
    for (Gdd_cond* c : queued()) {
        Gdd_fact* f = cond_fact(c);
        ASSERT_NE(f, nullptr) << c->type;
        EXPECT_TRUE(f->live());
    }
    Gdd_cond points_only;
    points_only.type = 148;
    EXPECT_EQ(cond_fact(&points_only), nullptr);
    EXPECT_EQ(cond_fact(nullptr), nullptr);
}

TEST_F(EmptyDatabaseTest, ActiveRecordsDependOnTheMethod)
{
    Gdd_fact rec;
    rec.state = kNew;
    g_fa_stage = 0;
    EXPECT_FALSE(is_active(&rec));
    rec.state = kLive;
    EXPECT_TRUE(is_active(&rec));
    g_fa_stage = 1;
    rec.state = kNew;
    EXPECT_TRUE(is_active(&rec));
    rec.state = kDead;
    EXPECT_FALSE(is_active(&rec));
    g_fa_stage = 0;
}

}  // namespace
}  // namespace gddtest
