// A new drawing window: its set-up calls, a file given at creation, and the
// preset made again on clear.

#include <gtest/gtest.h>

#include "window_test_support.h"

namespace {

class DchildPresets : public WindowTest {};

TEST_F(DchildPresets, PresetRunsAgainAfterChangesToTheStateRecord)
{
    t.action_state() = 177;
    t.command_lock() = -1;
    t.current_block() = 3;
    t.block_count() = 4;
    t.unit_length() = 55.0;
    t.leave_trace() = 1;
    win.view_flag = 1;
    win.draw_action(-10);
    EXPECT_EQ(t.action_state(), 0);
    EXPECT_EQ(t.command_lock(), 0);
    EXPECT_EQ(t.current_block(), 1);
    EXPECT_EQ(t.block_count(), 1);
    EXPECT_EQ(t.unit_length(), 20.0);
    EXPECT_EQ(t.leave_trace(), 0);
    EXPECT_EQ(win.view_flag, 0);
}

}  // namespace
