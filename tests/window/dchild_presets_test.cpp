// A new drawing window: its set-up calls, a file given at creation, and the
// preset made again on clear.

#include <gtest/gtest.h>

#include "window_test_support.h"

namespace {

class DchildPresets : public WindowTest {};

TEST_F(DchildPresets, SetUpRunsInOrderAndForgetsTheCalculator)
{
    std::vector<std::string> order;
    for (const auto& c : f.services.calls)
        order.push_back(c.what);
    // upd_attr_buf before the preset; the preset makes the computation list
    // and the animation fields anew and forgets the calculator.
    ASSERT_GE(order.size(), 4u);
    EXPECT_EQ(order[0], "upd_attr_buf");
    EXPECT_TRUE(f.services.called("reset_computation_list"));
    EXPECT_TRUE(f.services.called("reset_animation"));
    EXPECT_TRUE(f.services.called("forget_calculator"));
    EXPECT_FALSE(f.services.called("fig_read"));
}

TEST(DchildPresetsFromFile, WindowBuiltWithOpenDataLoadsTheFile)
{
    ensure_widgets_application();
    register_window_strings();
    ScriptedUi ui;
    RecordingServices services;
    const UiServices ui_services = ui.services();
    const FileData open{"/tmp/square.fig", "Point Files (*.fig)|*.fig|", "fig", FileData::kFlags};
    Dchild win("/tmp/square.fig", open, services, ui_services);
    EXPECT_EQ(win.untitled, 0);
    EXPECT_EQ(win.file_data.default_ext, "fig");
    EXPECT_EQ(win.file_data.path, "/tmp/square.fig");
    ASSERT_EQ(services.read_paths.size(), 1u);
    EXPECT_EQ(services.read_paths[0], "/tmp/square.fig");
    // The file is read after the preset, so the preset cannot undo it.
    EXPECT_EQ(services.calls.back().what, "fig_read");
}

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
