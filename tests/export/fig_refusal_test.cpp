// Point files: anything malformed, inconsistent or cut short is refused whole
// and leaves the drawing as it was.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "export/export_fixture.h"
#include "export/fig_format.h"

using namespace export_test;

namespace {

// A small, valid file to break in one place at a time.
std::string valid_file()
{
    Diagram d;
    const int a = add_point(d, 101, "A", 10, 20);
    const int b = add_point(d, 101, "B", 30, 40);
    add_object(d, 135, 2, {a, b});
    const int button = add_object(d, 466, 7, {});
    d.table[button].add_hide_entry(a);
    d.table.last_locus() = 0;
    d.table.locus_object(0) = a;
    d.table.locus_kind(0) = 426;
    d.table.last_driver() = 0;
    d.table.driver_point(0) = b;
    d.table.driver_path(0) = rec::kSelfTraceMarker;
    d.self_trace = {{1, 2}};
    FigExtras extras;
    extras.expressions = {"e"};
    extras.view = {0, 640, 480};
    return fig_text_of(d, extras);
}

// Replaces field `field` (0-based, blank separated, no quoted blanks before
// it) of line `line` (0-based).
std::string with_field(int line, int field, const std::string& value)
{
    std::vector<std::string> lines = lines_of(valid_file());
    std::istringstream in(lines[line]);
    std::vector<std::string> fields;
    for (std::string f; in >> f;)
        fields.push_back(f);
    fields.at(field) = value;
    std::string joined;
    for (const std::string& f : fields)
        joined += (joined.empty() ? "" : " ") + f;
    lines[line] = joined;
    return join(lines);
}

// The drawing a refused file must leave alone.
void expect_refused_without_change(const std::string& text, int expected_line = -1)
{
    Diagram d = full_diagram();
    const std::string before = fig_text_of(d, full_extras());
    FigExtras extras = full_extras();
    const FigResult result = parse_text(text, d, &extras);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.message.empty());
    if (expected_line >= 0) {
        EXPECT_EQ(result.line, expected_line) << result.describe();
    }
    EXPECT_EQ(fig_text_of(d, extras), before);
}

TEST(FigRefusal, TheBaseFileIsValid)
{
    Diagram d;
    const FigResult result = parse_text(valid_file(), d);
    ASSERT_TRUE(result.ok) << result.describe();
    EXPECT_EQ(d.table.count(), 24);
}

// Every cut before the last line leaves a section missing or a line short.
TEST(FigRefusal, EveryTruncationIsRefused)
{
    const std::string text = valid_file();
    const std::size_t last_line = text.rfind('\n', text.size() - 2) + 1;
    for (std::size_t cut = 0; cut < last_line; ++cut) {
        SCOPED_TRACE("cut at byte " + std::to_string(cut));
        expect_refused_without_change(text.substr(0, cut));
    }
}

struct BrokenFile {
    const char* what;
    std::string text;
    int line;  // 1-based line the reader names; 0 for the end of the file
};

class FigRefusalCase : public ::testing::TestWithParam<BrokenFile> {};

TEST_P(FigRefusalCase, IsRefusedWithoutChange)
{
    SCOPED_TRACE(GetParam().what);
    expect_refused_without_change(GetParam().text, GetParam().line);
}

// Lines of valid_file(): 1 count, 2-5 objects A, B, segment, button, 6 header,
// 7 locus count, 8 locus, 9 driver count, 10 driver, 11 trace,
// 12 expression count, 13 expression, 14 view.
std::vector<BrokenFile> broken_files()
{
    return {
        {"empty file", "", 0},
        {"count is no number", with_field(0, 0, "four"), 1},
        {"negative count", with_field(0, 0, "-1"), 1},
        {"count larger than the objects", with_field(0, 0, "5"), 6},
        {"count smaller than the objects", with_field(0, 0, "3"), 5},
        {"unterminated name", with_field(1, 1, "\"A"), 2},
        {"unknown escape", with_field(1, 1, "\"\\q\""), 2},
        {"name longer than nine", with_field(1, 1, "\"ABCDEFGHIJ\""), 2},
        {"name with a NUL", with_field(1, 1, "\"A\\x00\""), 2},
        {"name not quoted", with_field(1, 1, "A"), 2},
        {"class out of range", with_field(1, 2, "300"), 2},
        {"block out of range", with_field(1, 3, "256"), 2},
        {"parent after the child", with_field(3, 7, "23"), 4},
        {"parent is itself", with_field(3, 7, "22"), 4},
        {"parent is a reserved record", with_field(3, 7, "5"), 4},
        {"x is not a number", with_field(1, 15, "1O"), 2},
        {"x is not finite", with_field(1, 15, "nan"), 2},
        {"y is infinite", with_field(1, 16, "inf"), 2},
        {"name offset too large", with_field(1, 17, "40000"), 2},
        {"unknown aux kind", with_field(1, 19, "q"), 2},
        {"aux text not quoted", with_field(1, 19, "s"), 2},
        {"raw aux not hex", with_field(1, 19, "x"), 2},
        {"colour negative", with_field(1, 23, "-1"), 2},
        {"hide entry is no object", with_field(4, 28, "99"), 5},
        {"hide list longer than thirty", with_field(4, 27, "31"), 5},
        {"extra field on an object line", with_field(1, 28, "0 7"), 2},
        {"missing field on an object line", with_field(1, 28, ""), 2},
        {"header too short", with_field(5, 28, ""), 6},
        {"conclusion point is no object", with_field(5, 1, "77"), 6},
        {"unit length zero", with_field(5, 9, "0"), 6},
        {"pen size zero", with_field(5, 17, "0"), 6},
        {"next name letter not a capital", with_field(5, 21, "97"), 6},
        {"animation steps zero", with_field(5, 27, "0"), 6},
        {"animation steps without end", with_field(5, 27, "100001"), 6},
        {"nine loci", with_field(6, 0, "9"), 7},
        {"locus of no object", with_field(7, 0, "0"), 8},
        {"unknown locus kind", with_field(7, 2, "427"), 8},
        {"driving path is no object", with_field(9, 1, "424"), 10},
        {"current driving point missing", with_field(5, 26, "3"), 6},
        {"trace shorter than its count", with_field(10, 0, "2"), 11},
        {"expression not quoted", with_field(12, 0, "e"), 13},
        {"view width negative", with_field(13, 1, "-640"), 14},
        {"text after the view line", valid_file() + "0 1 1\n", 15},
    };
}

INSTANTIATE_TEST_SUITE_P(Broken, FigRefusalCase, ::testing::ValuesIn(broken_files()));

TEST(FigRefusal, AFunctionGraphNeedsItsExpression)
{
    std::vector<std::string> lines = lines_of(valid_file());
    lines[7] = "20 1 461";  // second pick: row 1 of a table of one expression
    expect_refused_without_change(join(lines), 8);
    lines[7] = "20 0 461";
    Diagram d;
    EXPECT_TRUE(parse_text(join(lines), d).ok);
}

TEST(FigRefusal, TheMessageNamesLineAndField)
{
    Diagram d;
    const FigResult result = parse_text(with_field(3, 7, "23"), d);
    EXPECT_EQ(result.describe(), "line 4: object 22: argument 23 is no earlier object");
    const FigResult truncated = parse_text("2\n", d);
    EXPECT_EQ(truncated.describe(), "end of file: the file ends before object 20");
}

}  // namespace
