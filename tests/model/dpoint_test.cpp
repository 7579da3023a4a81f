#include <gtest/gtest.h>

#include <string>

#include "model/dpoint.h"

namespace {

TEST(DpointReset, KeepsClassBlockColourStyleSizeAndSavedPosition) {
    Dpoint p(135, "AB", 21, 25, 3, 4, 5, 6);
    p.cls = 2;
    p.block = 3;
    p.colour = 0x0000FF;
    p.pen_style = 2;
    p.size = 4;
    p.saved_x = 11.0;
    p.saved_y = 12.0;
    p.shown = 0;
    p.name_shown = 0;
    p.label_style = 0;
    p.x = 5.0;
    p.y = 6.0;
    p.name_dx = 10;
    p.aux1.set_double(1.5);
    p.hide_list = {21, 22};
    p.samples = {{1.0, 2.0}};
    p.Reset();
    EXPECT_EQ(p.cls, 2);
    EXPECT_EQ(p.block, 3);
    EXPECT_EQ(p.colour, 0x0000FFu);
    EXPECT_EQ(p.pen_style, 2);
    EXPECT_EQ(p.size, 4);
    EXPECT_DOUBLE_EQ(p.saved_x, 11.0);
    EXPECT_DOUBLE_EQ(p.saved_y, 12.0);
    EXPECT_EQ(p.type, 0);
    EXPECT_EQ(p.name_view(), "");
    EXPECT_EQ(p.shown, 1);
    EXPECT_EQ(p.name_shown, 1);
    EXPECT_EQ(p.label_style, 1);
    for (int a : p.arg) EXPECT_EQ(a, 0);
    EXPECT_DOUBLE_EQ(p.x, 0.0);
    EXPECT_DOUBLE_EQ(p.y, 0.0);
    EXPECT_EQ(p.name_dx, -3);
    EXPECT_EQ(p.name_dy, 3);
    EXPECT_DOUBLE_EQ(p.aux1.as_double(), 0.0);
    EXPECT_TRUE(p.hide_list.empty());
    EXPECT_TRUE(p.samples.empty());
}

TEST(DpointName, IsCutToNineCharactersAndAlwaysTerminated) {
    Dpoint p;
    p.set_name("Quadralateral");
    EXPECT_EQ(p.name_view(), "Quadralat");
    EXPECT_EQ(p.name[9], '\0');
    // A field filled without terminator is still read with a bound.
    p.name.fill('Z');
    EXPECT_EQ(p.name_view().size(), 10u);
    p.set_name("A1");
    EXPECT_TRUE(p.name_is("A1"));
}

TEST(DpointText, IsItsOwnFieldAndLeavesArgZero) {
    Dpoint p(180, "x");
    p.cls = 6;
    const std::string long_text(100, 'w');
    p.set_text(long_text);
    EXPECT_EQ(p.text_view().size(), 79u);
    for (int a : p.arg) EXPECT_EQ(a, 0);
    EXPECT_TRUE(p.is_text());
}

}  // namespace

namespace {

TEST(HideList, HoldsAtMostThirtyEntriesInStepWithAux1) {
    Dpoint button(466, "x");
    button.aux1.set_int(-1);
    EXPECT_EQ(button.hide_entries(), 0u);
    for (int i = 0; i < 30; ++i) EXPECT_TRUE(button.add_hide_entry(20 + i));
    EXPECT_FALSE(button.add_hide_entry(99));
    EXPECT_EQ(button.hide_entries(), 30u);
    EXPECT_EQ(button.aux1.as_int(), 29);
    EXPECT_EQ(button.hide_list.back(), 49);
    // aux1 claiming more than the list holds is read up to the list's end.
    button.aux1.set_int(100);
    EXPECT_EQ(button.hide_entries(), 30u);
    button.hide_list.resize(3);
    EXPECT_EQ(button.hide_entries(), 3u);
}

}  // namespace
