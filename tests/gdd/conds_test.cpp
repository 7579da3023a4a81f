// Conditions: premise normalisation, the reason stacks and the queue.

#include "gdd_fixture.h"

namespace gddtest {
namespace {

using CondsTest = GddTest;

std::vector<std::uint32_t> pts_of(const Gdd_cond* c) { return {c->p.begin(), c->p.end()}; }

TEST_F(CondsTest, CollinearPremiseKeepsEachPointOnceAndDropsZeros)
{
    struct Case {
        std::array<int, 8> in;
        std::int32_t type;
        std::vector<std::uint32_t> stored;
    };
    const Case cases[] = {
        {{3, 5, 3, 7, 0, 0, 0, 0}, 148, {3, 5, 7, 0, 0, 0, 0, 0}},
        {{4, 4, 0, 4, 0, 0, 0, 0}, 0, {4, 0, 0, 0, 0, 0, 0, 0}},
        {{0, 2, 0, 6, 2, 9, 0, 0}, 148, {2, 6, 9, 0, 0, 0, 0, 0}},
        // p7 and p8 are not part of the collinearity and keep their values.
        {{1, 2, 1, 2, 0, 0, 7, 8}, 0, {1, 2, 0, 0, 0, 0, 7, 8}},
        {{6, 5, 4, 3, 2, 1, 0, 0}, 148, {6, 5, 4, 3, 2, 1, 0, 0}},
    };
    for (const Case& k : cases) {
        const Gdd_cond* c = add_codb(148, k.in[0], k.in[1], k.in[2], k.in[3], k.in[4], k.in[5], k.in[6], k.in[7]);
        EXPECT_EQ(c->type, k.type) << k.in[0] << k.in[1] << k.in[2] << k.in[3];
        EXPECT_EQ(pts_of(c), k.stored);
        EXPECT_EQ(c->number, 0u);
        EXPECT_EQ(c->obj, nullptr);
    }
}

TEST_F(CondsTest, ParallelPremiseOnOneLineBecomesCollinear)
{
    add_line(0, A, B, C);
    add_line(0, A, B, D);
    const Gdd_cond* c = add_codb(149, A, B, C, D);
    EXPECT_EQ(c->type, 148);
    EXPECT_EQ(pts_of(c), (std::vector<std::uint32_t>{A, B, C, D, 0, 0, 0, 0}));

    // a = b is tested as the collinearity of b, c, d.
    const Gdd_cond* same = add_codb(149, A, A, B, C);
    EXPECT_EQ(same->type, 148);
    EXPECT_EQ(pts_of(same), (std::vector<std::uint32_t>{A, B, C, 0, 0, 0, 0, 0}));

    const Gdd_cond* para = add_codb(149, A, B, E, F);
    EXPECT_EQ(para->type, 149);
    EXPECT_EQ(pts_of(para), (std::vector<std::uint32_t>{A, B, E, F, 0, 0, 0, 0}));
}

TEST_F(CondsTest, ReasonListIsAStackThatNeverReleases)
{
    Gdd_cond* c1 = add_codb(150, A, B, C, D);
    Gdd_cond* c2 = add_codb(153, A, B, C, D);
    EXPECT_EQ(g_co_db, c2);
    EXPECT_EQ(c2->next, c1);
    // A fact added now takes the whole stack as its reasons.
    add_mid(0, M, A, B);
    Gdd_mid* md = g_mid_list.last;
    EXPECT_EQ(chain(md->reasons), (std::vector<Gdd_cond*>{c2, c1}));
    next_cond();
    EXPECT_EQ(g_co_db, c1);
    next_cond();
    EXPECT_EQ(g_co_db, nullptr);
    next_cond();  // popping an empty list is harmless
    EXPECT_EQ(g_co_db, nullptr);
    // Popped premises are still the reasons of the fact.
    EXPECT_EQ(md->reasons, c2);
    EXPECT_EQ(c2->type, 153);
}

TEST_F(CondsTest, MergeConditionsGoToTheMergeList)
{
    Gdd_cond* base = add_codb(150, A, B, C, D);
    Gdd_cond* moved = add_codb2(153, A, B, C, D);
    EXPECT_EQ(g_co_db, base);
    EXPECT_EQ(g_merge_db, moved);
    int dummy = 0;
    Gdd_cond* named = new_co(152, &dummy);
    EXPECT_EQ(g_merge_db, named);
    EXPECT_EQ(named->next, moved);
    EXPECT_EQ(named->obj, &dummy);
    EXPECT_EQ(named->p[0], 0u);
    clear_merge_db();
    EXPECT_EQ(g_merge_db, nullptr);
}

TEST_F(CondsTest, QueueAppendsAtTheEndAndPushesClassesAtTheFront)
{
    int x = 0, y = 0;
    Gdd_cond* c1 = queue_cond(151, &x);
    Gdd_cond* c2 = queue_cond(152, &y);
    Gdd_pline cls;
    queue_pline(&cls);
    const auto q = queued();
    ASSERT_EQ(q.size(), 3u);
    EXPECT_EQ(q[0]->type, 149);
    EXPECT_EQ(q[0]->obj, &cls);
    EXPECT_EQ(q[1], c1);
    EXPECT_EQ(q[2], c2);
    EXPECT_EQ(take_cond(), q[0]);
    EXPECT_EQ(take_cond(), c1);
    EXPECT_EQ(take_cond(), c2);
    EXPECT_TRUE(g_cond_queue.empty());
    EXPECT_EQ(take_cond(), nullptr);
    // The queue is re-anchored once it ran empty.
    Gdd_cond* c3 = new_cond(148);
    EXPECT_EQ(g_cond_queue.first, c3);
    EXPECT_EQ(g_cond_queue.last, c3);
}

TEST_F(CondsTest, PushingAClassOnAnEmptyQueueAnchorsItsEnd)
{
    Gdd_pline cls;
    queue_pline(&cls);
    int x = 0;
    Gdd_cond* c = queue_cond(151, &x);
    EXPECT_EQ(queued().size(), 2u);
    EXPECT_EQ(g_cond_queue.last, c);
}

TEST_F(CondsTest, DuplicateIsDroppedWhenTheNextConditionIsAppended)
{
    int x = 0, y = 0, z = 0;
    Gdd_cond* c1 = queue_cond(150, &x);
    queue_cond(151, &y);
    queue_cond(150, &x);  // same type and object as c1
    fix_queue_tail();
    // Still queued until something follows it...
    ASSERT_EQ(g_cond_queue.last->type, 151);
    Gdd_cond* c4 = queue_cond(152, &z);
    // ...which takes its place.
    const auto q = queued();
    ASSERT_EQ(q.size(), 3u);
    EXPECT_EQ(q[0], c1);
    EXPECT_EQ(q[1]->type, 151);
    EXPECT_EQ(q[2], c4);
    EXPECT_EQ(count_queued(150, &x), 1);
}

TEST_F(CondsTest, DistinctConditionIsKept)
{
    int x = 0, y = 0;
    queue_cond(150, &x);
    queue_cond(150, &y);
    fix_queue_tail();
    queue_cond(151, &x);  // same object, other type
    fix_queue_tail();
    EXPECT_EQ(queued().size(), 3u);
}

TEST_F(CondsTest, DuplicateLeftBehindIsStillTakenWhenNothingFollows)
{
    int x = 0, y = 0;
    queue_cond(150, &x);
    queue_cond(151, &y);
    queue_cond(150, &x);
    fix_queue_tail();
    std::vector<std::int32_t> taken;
    while (Gdd_cond* c = take_cond())
        taken.push_back(c->type);
    EXPECT_EQ(taken, (std::vector<std::int32_t>{150, 151, 150}));
    EXPECT_TRUE(g_cond_queue.empty());
}

TEST_F(CondsTest, PremiseChecksTheProofTime)
{
    std::uint32_t now = 5000;
    set_prover_clock([&] { return now; });
    g_timelimit = 1000;
    g_tstart = 5000;
    g_timing = 1;
    now = 6000;  // exactly at the limit
    EXPECT_NO_THROW(add_codb(153, A, B, C, D));
    Gdd_cond* before = g_co_db;
    now = 6001;
    EXPECT_THROW(add_codb(153, A, B, C, D), TTIME);
    EXPECT_EQ(g_co_db, before);  // not built
    g_timing = 0;
    EXPECT_NO_THROW(add_codb(153, A, B, C, D));
    g_timelimit = 60000;
}

TEST_F(CondsTest, ResetEmptiesQueueAndReasonLists)
{
    add_codb(150, A, B, C, D);
    add_codb2(153, A, B, C, D);
    add_line(0, A, B, C);
    ASSERT_FALSE(g_cond_queue.empty());
    prover_reset();
    EXPECT_TRUE(g_cond_queue.empty());
    EXPECT_EQ(g_co_db, nullptr);
    EXPECT_EQ(g_merge_db, nullptr);
    EXPECT_TRUE(g_ln_list.empty());
}

}  // namespace
}  // namespace gddtest
