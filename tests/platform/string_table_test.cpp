#include "platform/string_table.h"

#include <gtest/gtest.h>

namespace {

TEST(StringTable, LoadsRegisteredTextsAndEmptyForUnknownIds)
{
    StringTable table;
    static constexpr StringEntry entries[] = {
        {1005, "Line"},
        {2193, "\u2260"},
        {1441, "Use\u201C\u2191\u201Dkey or \u201C\u2193\u201Dkey to select blocks"},
    };
    table.add(entries);
    table.add(7, "Error");
    EXPECT_EQ(table.load_string(1005), "Line");
    EXPECT_EQ(table.load_string(7), "Error");
    EXPECT_EQ(table.load_string(2193), "≠");
    EXPECT_EQ(table.load_string(1441), "Use“↑”key or “↓”key to select blocks");
    EXPECT_EQ(table.load_string(4), "");
    EXPECT_FALSE(table.contains(4));
    EXPECT_EQ(table.size(), 4u);
    table.add(7, "File Error");  // a later registration replaces
    EXPECT_EQ(table.load_string(7), "File Error");
    table.clear();
    EXPECT_EQ(table.load_string(1005), "");
}

TEST(StringTable, EnsureAddsATableOnceUntilEmptied)
{
    StringTable table;
    static constexpr StringEntry entries[] = {{1005, "Line"}, {1006, "Circle"}};
    table.ensure(entries);
    EXPECT_EQ(table.load_string(1006), "Circle");
    table.add(1005, "Segment");  // a later text for the id is not undone
    table.ensure(entries);
    EXPECT_EQ(table.load_string(1005), "Segment");
    table.clear();
    table.ensure(entries);
    EXPECT_EQ(table.load_string(1005), "Line");
    EXPECT_EQ(table.size(), 2u);
}

TEST(StringTable, TheProgramTableIsOneTable)
{
    string_table().add(990001, "unit");
    EXPECT_EQ(load_string(990001), "unit");
    EXPECT_EQ(&string_table(), &string_table());
    EXPECT_EQ(load_string(-5), "");
}

TEST(StringTable, DoubleByteSignsBecomeUnicode)
{
    struct Case {
        unsigned char first, second;
        std::string_view utf8;
    };
    const Case cases[] = {
        {0xA1, 0xC9, "∩"}, {0xA1, 0xCE, "∥"}, {0xA1, 0xCD, "⊥"}, {0xA1, 0xCF, "∠"},
        {0xA1, 0xD9, "≠"}, {0xA3, 0xBA, "："}, {0xA1, 0xB0, "“"}, {0xA1, 0xB1, "”"},
        {0xA1, 0xFC, "↑"}, {0xA1, 0xFD, "↓"}, {0xA1, 0xFB, "←"}, {0xA1, 0xFA, "→"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(double_byte_sign(c.first, c.second), c.utf8);
    EXPECT_EQ(double_byte_sign(0xA1, 0xA1), "");
    EXPECT_EQ(double_byte_sign('A', 'B'), "");
    EXPECT_EQ(signs::kIntersection, "∩");
    EXPECT_EQ(signs::kFullWidthColon, "：");
}

}  // namespace
