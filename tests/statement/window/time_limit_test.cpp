// The maximal proof time: the field's value in whole seconds, at least one.

#include <gtest/gtest.h>

#include "platform/dialogs.h"
#include "prover/prover.h"
#include "statement/window/time_limit.h"

namespace {

struct LimitCase {
    const char* text;
    std::optional<int> ms;
};

const LimitCase kLimits[] = {
    {"12", 12000},       {"00005", 5000},     {"99999", 99999000}, {" 5 ", 5000},       {"1", 1000},
    {"abc", std::nullopt}, {"0", std::nullopt}, {"", std::nullopt},  {"7x", std::nullopt}, {"-5", std::nullopt},
    {"1.5", std::nullopt}, {"  ", std::nullopt},
    // A run of digits longer than the field stops at the largest limit.
    {"9999999999999999999999999999999999999999", 2'000'000'000},
};

class TimeLimitText : public ::testing::TestWithParam<LimitCase> {};

TEST_P(TimeLimitText, WholePositiveSecondsOnly)
{
    EXPECT_EQ(time_limit_from_text(GetParam().text), GetParam().ms) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, TimeLimitText, ::testing::ValuesIn(kLimits));

class TimeLimitDialog : public ::testing::Test {
protected:
    void SetUp() override { saved_ = g_timelimit; }
    void TearDown() override { g_timelimit = saved_; }
    int saved_ = 0;
};

TEST_F(TimeLimitDialog, OffersTheLimitInWholeSeconds)
{
    g_timelimit = 60000;
    ScriptedInputDialog input;
    ScriptedMessageBoxes boxes;
    input.push_answer("30");
    EXPECT_TRUE(time_limit_dialog(input, boxes));
    ASSERT_EQ(input.asked().size(), 1u);
    EXPECT_EQ(input.asked()[0].title, "Maximal Proof Time");
    EXPECT_EQ(input.asked()[0].prompt, "Input a new time limit in seconds");
    EXPECT_EQ(input.asked()[0].initial, "60");
    EXPECT_EQ(input.asked()[0].max_length, 5u);
    EXPECT_EQ(g_timelimit, 30000);

    // Truncated to whole seconds.
    g_timelimit = 2999;
    EXPECT_EQ(time_limit_field(), "2");
}

TEST_F(TimeLimitDialog, CancelKeepsTheLimit)
{
    g_timelimit = 45000;
    ScriptedInputDialog input;
    ScriptedMessageBoxes boxes;
    input.push_answer(std::nullopt);
    EXPECT_FALSE(time_limit_dialog(input, boxes));
    EXPECT_EQ(g_timelimit, 45000);
    EXPECT_TRUE(boxes.asked().empty());

    // A text that is no limit is refused with a message; the limit stays.
    input.push_answer("-5");
    EXPECT_FALSE(time_limit_dialog(input, boxes));
    EXPECT_EQ(g_timelimit, 45000);
    ASSERT_EQ(boxes.asked().size(), 1u);
    EXPECT_EQ(boxes.asked()[0].text,
              "The time limit is a whole number of seconds, at least 1.\nThe limit stays 45 seconds.");
}

}  // namespace
