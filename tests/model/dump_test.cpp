#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/adding.h"
#include "model/dump.h"

namespace {

struct Written {
    int x;
    int y;
    std::string text;
};

std::vector<Written> dump(Diagram& d, bool as_command = false) {
    std::vector<Written> lines;
    const DumpWriter write = [&lines](int x, int y, std::string_view text) {
        lines.push_back({x, y, std::string(text)});
    };
    if (as_command)
        dump_diagram_cmd(d, write);
    else
        dump_points(d, write);
    return lines;
}

TEST(DumpLine, FormatsEveryFieldAndTruncatesThePosition) {
    Dpoint p(103, "M1", 21, 22);
    p.x = 12.9;
    p.y = -3.7;
    p.cls = 1;
    p.pen_style = 2;
    p.size = 3;
    p.shown = 0;
    EXPECT_EQ(dump_line(p, 23),
              "(23): type=103,name=M1,xy(12,-3)draw(0),cls(1) co(2,3) ps(21,22,0,0,0,0,0,0)\n");
    p.cls = -5;
    p.x = 1e300;  // clamped, not undefined
    EXPECT_EQ(dump_line(p, 23),
              "(23): type=103,name=M1,xy(2147483647,-3)draw(0),cls(-5) co(2,3) "
              "ps(21,22,0,0,0,0,0,0)\n");
}

TEST(DumpLine, ATextObjectListsItsTextBytesAsEightIntegers) {
    Dpoint text(180, "x");
    text.cls = 6;
    text.x = 40;
    text.y = 50;
    // "ABCD" and "EFGH" little-endian, then "IJ" and the terminator; a
    // longer text is cut after its 32nd byte.
    text.set_text("ABCDEFGHIJ");
    EXPECT_EQ(dump_line(text, 20),
              "(20): type=180,name=x,xy(40,50)draw(1),cls(6) co(0,1) "
              "ps(1145258561,1212630597,19017,0,0,0,0,0)\n");
    text.set_text("0123456789abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(dump_line(text, 20).substr(dump_line(text, 20).find("ps(")),
              "ps(858927408,926299444,1650538808,1717920867,1785292903,1852664939,1920036975,"
              "1987409011)\n");
}

TEST(DumpPoints, WritesOneLineEverySeventeenPixelsAndWrapsAfterSixHundred) {
    Diagram d;
    EXPECT_TRUE(dump(d).empty());
    for (int i = 0; i < 40; ++i) add_obj(d, Dpoint(101, "P"));
    const auto lines = dump(d);
    ASSERT_EQ(lines.size(), 40u);
    EXPECT_EQ(lines[0].x, 1);
    EXPECT_EQ(lines[0].y, 1);
    EXPECT_EQ(lines[1].y, 18);
    EXPECT_EQ(lines[35].y, 596);
    EXPECT_EQ(lines[36].y, 1);  // the 37th line overwrites the first
    EXPECT_EQ(lines[39].text.substr(0, 5), "(59):");
    // Each dump starts at the top again.
    EXPECT_EQ(dump(d)[0].y, 1);
    EXPECT_EQ(d.table.record_count(), 60);
}

TEST(DumpPoints, NothingWhileTheAnimationRuns) {
    Diagram d;
    add_obj(d, Dpoint(101, "P"));
    d.table.action_state() = 26;
    EXPECT_TRUE(dump(d, true).empty());
    d.table.action_state() = 0;
    EXPECT_EQ(dump(d, true).size(), 1u);
}

}  // namespace
