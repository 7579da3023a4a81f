// The Tools commands: line, fill and font colour, line width, line style and
// the name font, and how the pending record takes them.

#include <gtest/gtest.h>

#include "construct/attribute_dialogs.h"
#include "construct/choosers.h"
#include "model/diagram.h"
#include "platform/dialogs.h"

namespace {

struct Drawing {
    Diagram d;
    Drawing()
    {
        // As a new drawing window presets them.
        d.table.pen_colour() = kBlack;
        d.table.brush_colour() = kGreen;
        d.table.font_colour() = kBlack;
        upd_attr_buf(d);
    }
    ObjectTable& t() { return d.table; }
};

}  // namespace

TEST(AttributeNumbers, ReadLikeAtoi)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {{"12", 12},   {"  7", 7},      {"-3", -3},  {"+4", 4},    {"5x", 5},
                 {"abc", 0},   {"", 0},         {"-", 0},    {"1 2", 1},   {"0012", 12},
                 {"99999999999", 2147483647},   {"-99999999999", -2147483647 - 1}};
    for (const auto& c : cases)
        EXPECT_EQ(atoi_like(c.text), c.value) << '"' << c.text << '"';
}

TEST(AttributeCommands, PendingRecordTakesSizeColourAndStyle)
{
    Drawing w;
    w.t().pen_size_setting() = 4;
    w.t().pen_colour() = kRed;
    w.t().pen_style_setting() = 2;
    upd_attr_buf(w.d);
    EXPECT_EQ(w.d.pending.size, 4);
    EXPECT_EQ(w.d.pending.colour, kRed);
    EXPECT_EQ(w.d.pending.pen_style, 2);
}

TEST(AttributeCommands, LineWidthHasALowerBoundOnly)
{
    const struct {
        const char* answer;
        int size;
    } cases[] = {{"0", 1}, {"-3", 1}, {"abc", 1}, {"12", 12}, {"3", 3}, {"12345678", 12345}};
    for (const auto& c : cases) {
        Drawing w;
        ScriptedInputDialog input;
        input.push_answer(std::string(c.answer));
        CmLineWidth(w.d, input);
        EXPECT_EQ(w.t().pen_size_setting(), c.size) << c.answer;
        EXPECT_EQ(w.d.pending.size, c.size) << c.answer;
        ASSERT_EQ(input.asked().size(), 1u);
        EXPECT_EQ(input.asked()[0].title, "Line Size: ");
        EXPECT_EQ(input.asked()[0].prompt, "Input a new size:");
        EXPECT_EQ(input.asked()[0].initial, "1");
        EXPECT_EQ(input.asked()[0].max_length, 5u);
    }
}

TEST(AttributeCommands, CancelledPromptsKeepTheValueAndStillRefreshThePendingRecord)
{
    Drawing w;
    w.t().pen_size_setting() = 6;
    w.t().pen_style_setting() = 2;
    w.d.pending.size = 99;
    w.d.pending.pen_style = 99;
    ScriptedInputDialog input;  // empty: every prompt is cancelled
    CmLineWidth(w.d, input);
    CmLineStyle(w.d, input);
    EXPECT_EQ(w.t().pen_size_setting(), 6);
    EXPECT_EQ(w.t().pen_style_setting(), 2);
    EXPECT_EQ(w.d.pending.size, 6);
    EXPECT_EQ(w.d.pending.pen_style, 2);
    EXPECT_EQ(input.asked()[0].initial, "6");
    EXPECT_EQ(input.asked()[1].initial, "2");
}

TEST(AttributeCommands, LineStyleTakesZeroToThree)
{
    const struct {
        const char* answer;
        int style;
    } cases[] = {{"4", 0}, {"-1", 0}, {"a", 0}, {"3", 3}, {"1", 1}, {" 2", 2}};
    for (const auto& c : cases) {
        Drawing w;
        w.t().pen_style_setting() = 1;
        ScriptedInputDialog input;
        input.push_answer(std::string(c.answer));
        CmLineStyle(w.d, input);
        EXPECT_EQ(w.t().pen_style_setting(), c.style) << c.answer;
        EXPECT_EQ(w.d.pending.pen_style, c.style) << c.answer;
        EXPECT_EQ(input.asked()[0].title, "Pen Style");
        EXPECT_EQ(input.asked()[0].prompt, "0: Solid; 1: Dash; 2: Dotted; 3: Dash-dotted");
    }
}

TEST(AttributeCommands, ColourCommandsStoreByCommandAndOpenOnTheLineColour)
{
    const struct {
        int id;
        Colour line, fill, font;
    } cases[] = {{137, 0x123456, kGreen, kBlack},
                 {142, kBlack, 0x123456, kBlack},
                 {167, kBlack, kGreen, 0x123456},
                 {999, kBlack, kGreen, kBlack}};
    for (const auto& c : cases) {
        Drawing w;
        ScriptedColourChooser chooser;
        chooser.push_answer(Colour{0x123456});
        CmColor(w.d, c.id, chooser);
        ASSERT_EQ(chooser.asked().size(), 1u);
        EXPECT_EQ(chooser.asked()[0].initial, kBlack) << c.id;
        EXPECT_EQ(w.t().pen_colour(), c.line) << c.id;
        EXPECT_EQ(w.t().brush_colour(), c.fill) << c.id;
        EXPECT_EQ(w.t().font_colour(), c.font) << c.id;
        EXPECT_EQ(w.d.pending.colour, c.line) << c.id;
    }
}

TEST(AttributeCommands, FillAndFontColourOpenOnTheLineColourNotTheirOwn)
{
    Drawing w;
    w.t().pen_colour() = kBlue;
    upd_attr_buf(w.d);
    ScriptedColourChooser chooser;
    CmColor(w.d, 142, chooser);
    CmColor(w.d, 167, chooser);
    EXPECT_EQ(chooser.asked()[0].initial, kBlue);
    EXPECT_EQ(chooser.asked()[1].initial, kBlue);
    // Cancelled: nothing changed.
    EXPECT_EQ(w.t().brush_colour(), kGreen);
    EXPECT_EQ(w.t().font_colour(), kBlack);
}

TEST(AttributeCommands, EachDrawingKeepsItsOwnLineColourButCustomColoursAreShared)
{
    Drawing first;
    Drawing second;
    ScriptedColourChooser chooser;
    chooser.edit_custom = [](CustomColours& custom) { custom[5] = 0xABCDEF; };
    chooser.push_answer(Colour{kRed});
    CmColor(first.d, 137, chooser);
    chooser.edit_custom = nullptr;
    CmColor(second.d, 137, chooser);
    EXPECT_EQ(first.d.pending.colour, kRed);
    EXPECT_EQ(second.t().pen_colour(), kBlack);
    ASSERT_EQ(chooser.asked().size(), 2u);
    EXPECT_EQ(chooser.asked()[0].custom[0], 0x010101u);
    EXPECT_EQ(chooser.asked()[0].custom[15], 0xF0F0F0u);
    EXPECT_EQ(chooser.asked()[1].custom[5], 0xABCDEFu);
}

TEST(AttributeCommands, NameFontComesFromTheProgramWideFontData)
{
    release_font_data();
    ScriptedFontChooser chooser;
    EXPECT_EQ(CmFont(chooser), std::nullopt);  // no data yet
    EXPECT_TRUE(chooser.asked().empty());

    init_font_data();
    ASSERT_NE(font_data(), nullptr);
    EXPECT_EQ(font_data()->flags, 0x00010041u);
    EXPECT_EQ(font_data()->colour, 0x01000000u);
    EXPECT_EQ(font_data()->font_type, 0x2000u);
    EXPECT_EQ(font_data()->min_size, 0);
    EXPECT_EQ(font_data()->max_size, 0);
    EXPECT_FALSE(font_data()->font.has_value());

    const Font chosen{24, "DejaVu Serif", kFontWeightBold, true};
    chooser.push_answer(chosen);
    EXPECT_EQ(CmFont(chooser), chosen);
    // Cancel changes nothing; the next dialog opens on the last choice.
    EXPECT_EQ(CmFont(chooser), std::nullopt);
    ASSERT_EQ(chooser.asked().size(), 2u);
    EXPECT_FALSE(chooser.asked()[0].has_value());
    EXPECT_EQ(chooser.asked()[1], chosen);
    EXPECT_EQ(font_data()->font, chosen);
    release_font_data();
    EXPECT_EQ(font_data(), nullptr);
}
