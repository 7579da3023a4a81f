// The time check without an injected clock: the clock is read when the
// run's alarm rang, and the first check after that ends the run however many
// checks came before it. (That the alarm's thread rings at all is tested with
// the child of a fork, forked_child_test.cpp.)

#include <gtest/gtest.h>

#include <cstdint>

#include "prover/prover.h"

namespace {

std::uint32_t fake_now = 0;
int clock_reads = 0;
std::uint32_t fake_clock()
{
    ++clock_reads;
    return fake_now;
}

class TimeCheckTest : public ::testing::Test {
protected:
    void SetUp() override { set_time_check_clock(fake_clock); }
    void TearDown() override
    {
        set_time_check_clock(nullptr);
        g_timing = 0;
        g_timelimit = 60000;
    }
};

TEST_F(TimeCheckTest, TheFirstCheckAfterTheDeadlineThrowsWhateverCameBefore)
{
    // Hours: the alarm's own thread does not ring while the test runs.
    constexpr std::int32_t kLimit = 10'000'000;
    g_timelimit = kLimit;
    g_timing = 1;
    for (const int checks : {0, 1, 2, 63, 64, 65, 255, 256, 257, 4000}) {
        SCOPED_TRACE(checks);
        fake_now += 2 * kLimit;  // a new run
        g_tstart = fake_now;
        clock_reads = 0;  // this run's: the check that ended the one before read too
        for (int i = 0; i < checks; ++i) {
            fake_now = g_tstart + static_cast<std::uint32_t>(std::int64_t{kLimit} * i / checks);
            if (i == checks / 2) {
                ring_time_alarm();  // early (a clock set back): the limit still decides
                clock_reads = 0;
            }
            ASSERT_NO_THROW(check_time());
        }
        // Once to set the alarm again, not at every check.
        EXPECT_EQ(clock_reads, checks > 0 ? 1 : 0);
        fake_now = g_tstart + kLimit + 1;
        ring_time_alarm();  // what the alarm's thread does at the deadline
        EXPECT_THROW(check_time(), TTIME);
    }
}

}  // namespace
