// Points, names, texts, segments and dots, checked on the recording context.

#include <QDir>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/diagram.h"
#include "paint_fixture.h"
#include "paint/points_draw.h"
#include "platform/image_dc.h"
#include "platform/recording_dc.h"
#include "platform/text_metrics.h"
#include "support/call_log.h"
#include "support/golden_file.h"

namespace {

class PointsDraw : public ::testing::Test {
protected:
    int add_point(double x, double y, const char* name, int size = 3, Colour colour = kBlue)
    {
        const int k = paint_test::add_point(d, x, y, name);
        d.table[k].size = size;
        d.table[k].colour = colour;
        return k;
    }
    int add_text(double x, double y, const char* text, int size = 4, Colour colour = kBlack)
    {
        return paint_test::add_text(d, x, y, text, size, colour);
    }
    void print_mode() { paint_test::print_mode(d); }

    Diagram d;
    RecordingDC dc;
};

// Points, texts, segments and dots, each case compared call by call with a
// golden log (paint/points.log) with the pen and brush it leaves selected.
TEST_F(PointsDraw, EveryCaseMatchesTheGoldenLog)
{
    const int a = add_point(100, 50, "A", 3, kBlue);
    const int b = add_point(200, 50, "B", 3, kBlue);
    const int unnamed = add_point(110, 70, "C");
    d.table[unnamed].name_shown = 0;
    const int hidden = add_point(120, 80, "D");
    d.table[hidden].shown = 0;
    const int near_origin = add_point(0.3, 0.2, "P");
    const int at_edge = add_point(0.0, 50.0, "Q");
    d.table[at_edge].name_shown = 0;
    const int text = add_text(40, 60, "Shown");
    const int hidden_text = add_text(40, 90, "Hidden");
    d.table[hidden_text].shown = 0;
    d.table[a].block = 2;
    d.table[text].block = 2;
    d.table[b].block = 1;
    d.table.mouse_x() = 200;  // object 0 is the mouse position
    d.table.mouse_y() = 100;
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"point", [&] { draw_point(d, dc, a); }},
        {"point without its name", [&] { draw_point(d, dc, unnamed); }},
        {"name without its point", [&] { draw_point(d, dc, hidden); }},
        {"missing point, not even its name", [&] { draw_point(d, dc, near_origin); }},
        {"point at x 0", [&] { draw_point(d, dc, at_edge); }},
        {"text", [&] { draw_text_obj(d, dc, text, kBlack); }},
        {"hidden text", [&] { draw_text_obj(d, dc, hidden_text, kBlack); }},
        {"segment with the caller's pen", [&] { draw_segment(d, dc, a, b); }},
        {"segment missing an end", [&] {
             draw_segment(d, dc, a, near_origin);
             draw_segment(d, dc, near_origin, b);
         }},
        {"dot", [&] { draw_dot(d, dc, a, kRed); }},
        {"dot at the mouse", [&] { draw_dot(d, dc, 0, kBlue); }},
        {"dot on a missing point", [&] { draw_dot(d, dc, near_origin, kBlue); }},
    };
    std::string log;
    for (int action : {0, 204}) {  // while selecting a block the current block is red
        d.table.current_block() = 2;
        d.table.action_state() = action;
        for (const auto& [name, draw] : cases) {
            dc.clear();
            dc.select_pen(Pen{kGreen, 3, PenStyle::Dot});  // the caller's
            dc.select_brush(kHollowBrush);
            draw();
            log += "action " + std::to_string(action) + ": " + name + "\n" + call_log(dc) + selected_objects(dc);
        }
    }
    expect_golden_file("paint", "points.log", log);
}

TEST_F(PointsDraw, NameWithSubscript)
{
    const DevSize a_big = measure_text(label_font(), "A");
    const DevSize b_big = measure_text(label_font(), "B");
    const int drop = kLabelFontHeight - kSmallLabelFontHeight;

    struct Case {
        const char* name;
        int label_style;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"A1", 1,
         {"text_out(97,53,\"A\")", "text_out(" + std::to_string(97 + a_big.cx + 2) + "," +
                                       std::to_string(53 + drop) + ",\"1\")"}},
        {"B2", 1,
         {"text_out(97,53,\"B\")",
          "text_out(" + std::to_string(97 + b_big.cx) + "," + std::to_string(53 + drop) + ",\"2\")"}},
        {"B12", 1,
         {"text_out(97,53,\"B\")",
          "text_out(" + std::to_string(97 + b_big.cx) + "," + std::to_string(53 + drop) + ",\"12\")"}},
        {"C", 1, {"text_out(97,53,\"C\")"}},
        {"A1", 0, {"text_out(97,53,\"A1\")"}},
    };
    for (const Case& c : cases) {
        d.table.truncate(rec::kFirstObject);
        const int k = add_point(100, 50, c.name);
        d.table[k].shown = 0;
        d.table[k].label_style = c.label_style;
        dc.clear();
        draw_point(d, dc, k);
        EXPECT_EQ(dc.drawing_log(), c.expected) << c.name << " style " << c.label_style;
        const std::vector<RecordedCall> texts = dc.calls_named("text_out");
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts[0].state.font, label_font()) << c.name;
        if (texts.size() > 1) {
            EXPECT_EQ(texts[1].state.font, small_label_font()) << c.name;
        }
        EXPECT_EQ(texts[0].state.text_colour, kBlue);
        EXPECT_EQ(texts[0].state.bk_mode, BkMode::Transparent);
    }
}

TEST_F(PointsDraw, LabelStartsFromTheContextsOwnObjectsAndLeavesTheFontAsFound)
{
    dc.select_pen(Pen{kRed, 5, PenStyle::Solid});
    dc.select_brush(solid_brush(kGreen));
    const Font callers{30, "Arial", 0, false};
    dc.select_font(callers);
    draw_label(d, dc, 10, 20, "X2", kGreen, 1);
    const std::vector<RecordedCall> texts = dc.calls_named("text_out");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].state.pen, kBlackPen);
    EXPECT_EQ(texts[0].state.brush, kWhiteBrush);
    EXPECT_EQ(texts[0].state.text_colour, kGreen);
    EXPECT_EQ(dc.font(), Font{});  // the context's own font, not the caller's
    EXPECT_EQ(dc.pen(), kBlackPen);

    dc.clear();
    draw_label(d, dc, 10, 20, "12", kRed, 0);
    EXPECT_EQ(dc.drawing_log(), std::vector<std::string>{"text_out(10,20,\"12\")"});
    EXPECT_EQ(dc.font(), Font{});
}

TEST_F(PointsDraw, LabelNeverSplitsACharacter)
{
    draw_label(d, dc, 0, 0, "\u22201", kBlack, 1);
    const std::vector<RecordedCall> texts = dc.calls_named("text_out");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "\u2220");
    EXPECT_EQ(texts[1].text, "1");

    dc.clear();
    draw_label(d, dc, 0, 0, "", kBlack, 1);
    EXPECT_EQ(dc.count("text_out"), 1u);
}

TEST_F(PointsDraw, TextObjectSizeNeverOverflowsTheFontHeight)
{
    const int t = add_text(40, 60, "x", 2'000'000'000);
    draw_text_obj(d, dc, t, kBlack);
    EXPECT_GT(dc.drawing_calls().at(0).state.font.height, 0);
    const int u = add_text(40, 60, "y", -2'000'000'000);
    draw_text_obj(d, dc, u, kBlack);
    EXPECT_LT(dc.drawing_calls().at(1).state.font.height, 0);
}

}  // namespace
