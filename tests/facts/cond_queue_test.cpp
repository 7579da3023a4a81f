// The new-condition queue finds duplicates from its counts: long random runs
// of queue operations take the same conditions in the same order and leave
// the same end mark as the queue that walked itself to find them.

#include <algorithm>
#include <random>
#include <vector>

#include "facts/gdd_fixture.h"

namespace gddtest {
namespace {

// The queue as kept before it counted its conditions, fix_queue_tail walking
// it from the front: its conditions in link order, those past the end mark
// (left behind when the mark moved back) included.
struct WalkingQueue {
    struct Cond {
        std::int32_t type;
        const void* obj;
        int id;
    };
    std::vector<Cond> linked;
    std::size_t queued = 0;  // up to the end mark

    void append(const Cond& c)
    {
        linked.resize(queued);  // the end mark's link is overwritten
        linked.push_back(c);
        ++queued;
    }
    void push_front(const Cond& c)
    {
        linked.insert(linked.begin(), c);
        ++queued;
    }
    int take()
    {
        if (queued == 0)
            return 0;
        const int id = linked.front().id;
        linked.erase(linked.begin());
        // Taking the end mark makes the condition linked after it the queue.
        queued = queued > 1 ? queued - 1 : std::min<std::size_t>(linked.size(), 1);
        return id;
    }
    void fix_tail()
    {
        if (queued < 2)
            return;
        const Cond& tail = linked[queued - 1];
        for (std::size_t i = 0; i + 1 < queued; ++i)
            if (linked[i].type == tail.type && linked[i].obj == tail.obj) {
                --queued;
                return;
            }
    }
    int first_id() const { return queued ? linked.front().id : 0; }
    int last_id() const { return queued ? linked[queued - 1].id : 0; }
};

int id_of(const Gdd_cond* c) { return c ? static_cast<int>(c->p[0]) : 0; }

using CondQueueTest = GddTest;

TEST_F(CondQueueTest, CountingQueueTakesWhatTheWalkingQueueTakes)
{
    // Few objects and two types, so that duplicates are frequent.
    std::array<Gdd_pline, 3> objs{};
    const std::int32_t types[] = {kCondPara, kCondPerp};
    for (const unsigned seed : {1u, 2u, 3u, 4u}) {
        SCOPED_TRACE(seed);
        std::mt19937 rng(seed);
        const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
        init_gdd();
        g_fa_stage = 0;
        WalkingQueue model;
        int next_id = 0;
        for (int step = 0; step < 20000; ++step) {
            Gdd_pline* obj = &objs[static_cast<std::size_t>(pick(3))];
            const std::int32_t type = types[pick(2)];
            // Phases where the queue grows long and where it stays short.
            const bool growing = step / 500 % 2 == 0;
            const int op = pick(100) + (growing ? -10 : 15);
            const int id = ++next_id;
            if (op < 25) {
                // Appended through new_cond whatever the stage, through
                // queue_cond only while the database method runs.
                const bool always = pick(2) == 0;
                Gdd_cond* c = always ? new_cond(type, obj) : queue_cond(type, obj);
                if (always || g_fa_stage == 0) {
                    ASSERT_NE(c, nullptr);
                    c->p[0] = static_cast<std::uint32_t>(id);
                    model.append({type, obj, id});
                }
            } else if (op < 35) {
                queue_pline(obj);
                if (g_fa_stage == 0) {
                    g_cond_queue.first->p[0] = static_cast<std::uint32_t>(id);
                    model.push_front({kCondPara, obj, id});
                }
            } else if (op < 65) {
                fix_queue_tail();
                model.fix_tail();
            } else if (op < 111) {
                // Some taken conditions go back to the pool, to be reused.
                Gdd_cond* c = take_cond();
                ASSERT_EQ(id_of(c), model.take()) << step;
                if (pick(2) == 0)
                    release_cond(c);
            } else if (op < 114) {
                g_fa_stage = g_fa_stage == 0 ? 1 : 0;
            } else {
                init_gdd();
                model = {};
            }
            ASSERT_EQ(id_of(g_cond_queue.first), model.first_id()) << step;
            ASSERT_EQ(id_of(g_cond_queue.last), model.last_id()) << step;
        }
        while (Gdd_cond* c = take_cond()) {
            ASSERT_EQ(id_of(c), model.take());
            release_cond(c);
        }
        EXPECT_EQ(model.take(), 0);
    }
    g_fa_stage = 0;
}

}  // namespace
}  // namespace gddtest
