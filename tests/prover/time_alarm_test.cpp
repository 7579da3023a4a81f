// Runs one after another on the real clock: the alarm's thread keeps each
// one's limit whatever the runs before left it doing, and sleeps once it
// rang. The margins are seconds: a busy machine slows these tests down, it
// does not fail them.

#include <gtest/gtest.h>
#include <time.h>

#include <chrono>
#include <cstdint>
#include <thread>

#include "prover/prover.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr std::int32_t kShortLimitMs = 100;
constexpr std::int32_t kLongLimitMs = 60000;
constexpr std::int32_t kDefaultLimitMs = 60000;  // what the other tests start from
constexpr auto kPatience = 20s;  // far past a short limit, however loaded the machine
constexpr auto kPollPause = 1ms;

class TimeAlarmTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_prover_clock(nullptr);
        set_time_check_clock(nullptr);
        withdraw_prover_stop();
    }
    void TearDown() override
    {
        g_timing = 0;
        g_timelimit = kDefaultLimitMs;
    }
};

// Starts a run with this limit and checks the time until it ends or
// `patience` has passed: whether it ended.
bool run_ends_within(std::int32_t limit_ms, Clock::duration patience)
{
    g_timelimit = limit_ms;
    start_proof_clock();
    const auto give_up = Clock::now() + patience;
    while (Clock::now() < give_up) {
        try {
            check_time();
        } catch (const TTIME&) {
            g_timing = 0;
            return true;
        }
        std::this_thread::sleep_for(kPollPause);
    }
    g_timing = 0;
    return false;
}

double process_cpu_seconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

TEST_F(TimeAlarmTest, EveryRunAfterATimeOutKeepsItsLimit)
{
    for (int run = 0; run < 3; ++run)
        EXPECT_TRUE(run_ends_within(kShortLimitMs, kPatience)) << "run " << run;
}

TEST_F(TimeAlarmTest, AShortRunAfterALongOneThatEndedEarlyKeepsItsOwnLimit)
{
    // The long run works a while, so that the watcher waits for its deadline
    // when the short run starts, then ends early.
    constexpr auto kLongRunWorks = 200ms;
    EXPECT_FALSE(run_ends_within(kLongLimitMs, kLongRunWorks));
    EXPECT_TRUE(run_ends_within(kShortLimitMs, std::chrono::milliseconds(kLongLimitMs / 2)));
}

TEST_F(TimeAlarmTest, TheWatcherSleepsAfterItRang)
{
    ASSERT_TRUE(run_ends_within(kShortLimitMs, kPatience));
    // Idle, the process burns microseconds over the window. A watcher that
    // spins burns its whole share of a core: with two cores shared by a
    // parallel ctest that is still a third of the window (0.6 s) or more.
    constexpr auto kIdleWindow = 2s;
    constexpr double kMaxIdleCpuSeconds = 0.1;
    const double before = process_cpu_seconds();
    std::this_thread::sleep_for(kIdleWindow);
    EXPECT_LT(process_cpu_seconds() - before, kMaxIdleCpuSeconds);
}

}  // namespace
