// The recording context: what was called, in order, and with which state.

#include "platform/recording_dc.h"
#include "platform/text_metrics.h"

#include <gtest/gtest.h>

namespace {

TEST(RecordingDC, RecordsDrawingCallsInCanonicalForm)
{
    RecordingDC dc;
    dc.ellipse(97, 47, 103, 53);
    dc.move_to(1, 2);
    dc.line_to(3, 4);
    dc.arc(0, 0, 10, 10, 10, 5, 5, 0);
    dc.chord(1, 1, 9, 9, 9, 5, 5, 1);
    dc.pie(2, 2, 8, 8, 8, 5, 5, 2);
    const DevPoint tri[] = {{1, 1}, {5, 1}, {1, 5}, {1, 1}};
    dc.polygon(tri);
    dc.polyline(std::span(tri, 2));
    dc.rectangle(0, 0, 100, 25);
    dc.fill_rect({1, 2, 3, 4}, solid_brush(kRed));
    dc.text_out(10, 20, "A1");
    dc.set_pixel(5, 6, kBlue);
    dc.bit_blt(0, 0, 50, 40, dc, 5, 5, BlitOp::Copy);
    const std::vector<std::string> expected = {
        "ellipse(97,47,103,53)",
        "line_to(3,4)",
        "arc(0,0,10,10,10,5,5,0)",
        "chord(1,1,9,9,9,5,5,1)",
        "pie(2,2,8,8,8,5,5,2)",
        "polygon(1,1,5,1,1,5,1,1)",
        "polyline(1,1,5,1)",
        "rectangle(0,0,100,25)",
        "fill_rect(1,2,3,4,0,255,0)",
        "text_out(10,20,\"A1\")",
        "set_pixel(5,6,16711680)",
        "bit_blt(0,0,50,40,5,5,0)",
    };
    EXPECT_EQ(dc.drawing_log(), expected);
    EXPECT_EQ(dc.count("ellipse"), 1u);
    EXPECT_EQ(dc.count("move_to"), 1u);
    EXPECT_EQ(dc.calls_named("text_out").at(0).text, "A1");
    EXPECT_EQ(dc.calls_named("pie").at(0).args, (std::vector<int>{2, 2, 8, 8, 8, 5, 5, 2}));
}

TEST(RecordingDC, StateCallsAreRecordedToo)
{
    RecordingDC dc;
    dc.select_pen(Pen{kRed, 2, PenStyle::Dot});
    dc.select_brush(kHollowBrush);
    dc.select_font(Font{14, "Time New Roman", 700, true});
    dc.set_text_colour(kGreen);
    dc.set_bk_colour(kBlack);
    dc.set_bk_mode(BkMode::Transparent);
    dc.set_rop2(Rop2::Xor);
    dc.restore_pen();
    dc.restore_brush();
    dc.restore_font();
    dc.restore_objects();
    (void)dc.text_extent("Q");
    const std::vector<std::string> expected = {
        "select_pen(255,2,2)",
        "select_brush(2,0,0)",
        "select_font(14,700,1,\"Time New Roman\")",
        "set_text_colour(65280)",
        "set_bk_colour(0)",
        "set_bk_mode(0)",
        "set_rop2(2)",
        "restore_pen()",
        "restore_brush()",
        "restore_font()",
        "restore_objects()",
        "text_extent(\"Q\")",
    };
    EXPECT_EQ(dc.log(), expected);
    EXPECT_TRUE(dc.drawing_log().empty());
    EXPECT_EQ(dc.calls().back().kind, CallKind::Query);
    dc.clear();
    EXPECT_TRUE(dc.calls().empty());
}

TEST(RecordingDC, MeasuresTextLikeThePaintingContext)
{
    RecordingDC dc;
    const Font label{18, "Time New Roman", 0, false};
    dc.select_font(label);
    EXPECT_EQ(dc.text_extent("A1"), measure_text(label, "A1"));
    EXPECT_EQ(dc.text_extent("A1").cy, 18);
    EXPECT_EQ(dc.get_pixel(3, 3), kWhite);
    EXPECT_EQ(RecordingDC({300, 200}).size(), (DevSize{300, 200}));
}

TEST(DeviceContextDescriptors, StoredStylesMapToPensAndBrushes)
{
    EXPECT_EQ(pen_style_from_int(0), PenStyle::Solid);
    EXPECT_EQ(pen_style_from_int(1), PenStyle::Dash);
    EXPECT_EQ(pen_style_from_int(2), PenStyle::Dot);
    EXPECT_EQ(pen_style_from_int(3), PenStyle::DashDot);
    EXPECT_EQ(pen_style_from_int(4), PenStyle::DashDotDot);
    EXPECT_EQ(pen_style_from_int(5), PenStyle::Null);
    EXPECT_EQ(pen_style_from_int(-1), PenStyle::Solid);
    EXPECT_EQ(pen_style_from_int(17), PenStyle::Solid);

    EXPECT_EQ(fill_brush(0, kRed), hatch_brush(HatchStyle::Horizontal, kRed));
    EXPECT_EQ(fill_brush(2, kRed), hatch_brush(HatchStyle::ForwardDiagonal, kRed));
    EXPECT_EQ(fill_brush(5, kRed), hatch_brush(HatchStyle::DiagonalCross, kRed));
    EXPECT_EQ(fill_brush(6, kRed), solid_brush(kRed));
    EXPECT_EQ(fill_brush(-3, kRed), solid_brush(kRed));
    EXPECT_EQ(fill_brush(99, kRed), solid_brush(kRed));
}

}  // namespace
