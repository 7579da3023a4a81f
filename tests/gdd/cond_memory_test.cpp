// The database grows with the facts it knows, not with the ways its rules
// tried to find them: a premise no record took (nor a full-angle proof step)
// goes back to the pool, the full-angle method (which never reads the queue)
// queues nothing, and no line is stored as perpendicular to itself.

#include "facts/gdd_conds.h"
#include "facts/gdd_fixture.h"
#include "statement/prove_run.h"

namespace gddtest {
namespace {

using CondMemoryTest = GddTest;

TEST_F(CondMemoryTest, APremiseNoRecordTookIsUsedAgain)
{
    Gdd_cond* tried = add_codb(kCondColl, A, B, C);
    const std::size_t pool = cond_pool_size();
    next_cond();
    EXPECT_EQ(add_codb(kCondPara, A, B, D, E), tried);
    clear_co_db();
    EXPECT_EQ(add_codb(kCondPara, A, B, D, E), tried);
    clear_co_db();
    EXPECT_EQ(cond_pool_size(), pool);

    // A record born since the premise was pushed keeps it as its reason.
    Gdd_cond* reason = add_codb(kCondPerp, A, B, C, D);
    add_line(1, E, F, G);
    next_cond();
    EXPECT_NE(add_codb(kCondColl, A, B, C), reason);
    clear_co_db();
    const Gdd_line* line = live_records(g_ln_list).back();
    ASSERT_EQ(line->reasons, reason);
    EXPECT_EQ(reason->type, kCondPerp);
    EXPECT_EQ(reason->p[3], static_cast<std::uint32_t>(D));

    // The merge list may share premises (the forward chaining lets a class
    // take them); they stay while it holds them.
    Gdd_cond* shared = add_codb(kCondPara, A, B, C, D);
    g_merge_db = g_co_db;
    next_cond();
    EXPECT_NE(add_codb(kCondColl, A, B, C), shared);
    clear_co_db();
    clear_merge_db();
}

// A full-angle proof step is no record: the premises it keeps as its reasons
// stay theirs when the reason list is emptied for the next step.
TEST_F(CondMemoryTest, APremiseAProofStepKeepsIsNotUsedAgain)
{
    Gdd_cond* line_premise = add_codb(kCondColl, A, B, C);
    Gdd_cond* perp_premise = add_codb(kCondPerp, A, B, D, E);
    const Gdd_cond* step_reasons = keep_co_db();
    EXPECT_EQ(step_reasons, perp_premise);
    clear_co_db();
    for (int i = 0; i < 3; ++i) {
        const Gdd_cond* later = add_codb(kCondPara, A, D, B, E);
        EXPECT_NE(later, line_premise);
        EXPECT_NE(later, perp_premise);
    }
    clear_co_db();
    ASSERT_EQ(step_reasons->next, line_premise);
    EXPECT_EQ(perp_premise->type, kCondPerp);
    EXPECT_EQ(perp_premise->p[3], static_cast<std::uint32_t>(E));
    EXPECT_EQ(line_premise->type, kCondColl);
    EXPECT_EQ(line_premise->next, nullptr);
}

TEST_F(CondMemoryTest, TheFullAngleMethodQueuesNothing)
{
    for (const std::uint8_t stage : {1, 2, 0}) {
        SCOPED_TRACE(static_cast<int>(stage));
        free_gdd();
        g_fa_stage = stage;
        add_line(0, A, B, C);
        add_tline(0, A, B, C, D);
        add_pline(0, A, D, B, E);
        EXPECT_EQ(g_cond_queue.empty(), stage != 0);
    }
}

TEST_F(CondMemoryTest, NoLineIsPerpendicularToItself)
{
    add_line(0, A, B, C);
    Gdd_line* abc = fd_ln(A, B);
    add_tline(35, B, A, C, A);  // two names of one line
    add_tx(9, abc, abc);
    EXPECT_TRUE(g_tn_list.empty());
    add_tline(35, A, B, D, E);
    EXPECT_EQ(live_records(g_tn_list).size(), 1u);
}

// A statement whose circles of one centre once made a line perpendicular to
// itself, and every perpendicular pair then combined with every other: the
// full-angle method ends at once, its database a few hundred conditions.
TEST_F(CondMemoryTest, AStatementThatOnceFilledTheMemoryEndsAtOnce)
{
    const ProveRun run = prove_statement_text(
        "EXAMPLE r\nHYPOTHESES:\nPOINT A B C;\nON_CIRCLE D A C;\nON_PLINE E D C B;\nREFLECTION F D A B;\n"
        "ON_TLINE G C E A;\nCIRCUMCENTER H D F A;\nON_CIRCLE I A D;\nSHOW: COLLINEAR F I C.\n",
        kMethodFullAngle, 60);
    EXPECT_EQ(run.result, "not-solved") << run.window_text;
    for (const Gdd_tline* T : g_tn_list)
        EXPECT_NE(T->l1, T->l2);
    EXPECT_LT(cond_pool_size(), 2000u);
}

}  // namespace
}  // namespace gddtest
