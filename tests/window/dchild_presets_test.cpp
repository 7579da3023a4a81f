// A new drawing window: its reserved records, colours, file data and the
// calls its set-up makes.

#include <gtest/gtest.h>

#include "platform/colour.h"
#include "window_test_support.h"

namespace {

class DchildPresets : public WindowTest {};

TEST_F(DchildPresets, NewWindowHoldsTheTwentyReservedRecordsAndNoObject)
{
    EXPECT_EQ(t.count(), 20);
    EXPECT_EQ(win.title(), "Diagram 1");
    EXPECT_EQ(win.modified, 0);
    EXPECT_EQ(win.untitled, 1);
    EXPECT_EQ(win.mouse_dc(), nullptr);
    EXPECT_EQ(win.mem_dc(), nullptr);
}

TEST_F(DchildPresets, ReservedRecordsHoldTheirPresets)
{
    const Dpoint& s = t[0];
    const Dpoint& r1 = t[1];
    const Dpoint& r2 = t[2];
    const Dpoint& r3 = t[3];
    const Dpoint& r12 = t[12];

    struct Field {
        const char* what;
        double actual;
        double expected;
    };
    const Field fields[] = {
        {"mode", double(s.arg[0]), 0},
        {"outer command", double(s.arg[1]), 0},
        {"command-enable flag", double(s.name[1]), 0},
        {"place-new flag", double(s.shown), 0},
        {"next name letter", double(s.name[0]), 'A'},
        {"name suffix", double(s.arg[7]), 0},
        {"restore-stack top", double(s.arg[6]), 14},
        {"current block", double(s.name[3]), 1},
        {"highest block", double(s.name[4]), 1},
        {"conclusion", double(r1.type), 1111},
        {"paint-enable flag", double(r1.label_style), 1},
        {"unit length", r1.aux2.as_double(), 20.0},
        {"show-names flag", double(r2.shown), 1},
        {"expression flag", double(r2.name_shown), 0},
        {"default pen size", double(r2.arg[0]), 1},
        {"default pen style", double(r2.arg[1]), 0},
        {"fill style", double(r2.arg[2]), 6},
        {"quantity count", double(r2.arg[4]), -1},
        {"last locus", double(r2.arg[6]), -1},
        {"last driving point", double(r2.arg[7]), -1},
        {"measurement setting", r2.aux1.as_double(), 20.0},
        {"length divisor", r2.aux2.as_double(), 1.0},
        {"button-pressed flag", double(r3.name_shown), 0},
        {"leave-trace flag", double(r3.label_style), 0},
        {"current driving point", double(r3.arg[0]), -1},
        {"dynamic unit a", double(r3.arg[1]), 0},
        {"dynamic unit b", double(r3.arg[2]), 0},
        {"animation step", double(r12.arg[2]), 0},
        {"animation steps", double(r12.arg[3]), 400},
        {"animation interval", double(r12.arg[4]), 1},
    };
    for (const Field& field : fields)
        EXPECT_EQ(field.actual, field.expected) << field.what;
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(r1.arg[k], 0) << "conclusion point " << k;
    EXPECT_EQ(win.view_flag, 0);
}

TEST_F(DchildPresets, ColoursPensAndBrushes)
{
    EXPECT_EQ(t[0].colour, kBlack) << "line colour";
    EXPECT_EQ(t[2].colour, kBlack) << "font colour";
    EXPECT_EQ(t[1].colour, kGreen) << "fill colour";
    for (int r = 3; r < 20; ++r)
        EXPECT_EQ(t[r].colour, kBlue) << "record " << r;

    EXPECT_EQ(win.pens[0], (Pen{kBlack, 1, PenStyle::Solid}));
    EXPECT_EQ(win.pens[1], (Pen{kRed, 1, PenStyle::Solid}));
    EXPECT_EQ(win.pens[2], (Pen{kGreen, 1, PenStyle::Solid}));
    EXPECT_EQ(win.brushes[0], solid_brush(kBlack));
    EXPECT_EQ(win.brushes[1], solid_brush(kLightGrey));
}

TEST_F(DchildPresets, ScratchRecordTakesThePenSettings)
{
    const Dpoint& scratch = win.scratch();
    EXPECT_EQ(scratch.colour, kBlack);
    EXPECT_EQ(scratch.size, 1);
    EXPECT_EQ(scratch.pen_style, 0);
}

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

TEST_F(DchildPresets, UntitledWindowFileDataHasNoDefaultExtension)
{
    EXPECT_EQ(win.file_data.filter, "Files (*.fig)|*.fig|");
    EXPECT_EQ(win.file_data.default_ext, "");
    EXPECT_EQ(win.file_data.flags, 0x1004u);
    EXPECT_TRUE(win.file_data.path.empty());
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
