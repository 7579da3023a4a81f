// Point files: what is written reads back field for field.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>

#include "export/fig_format.h"
#include "export/export_fixture.h"
#include "model/diagram.h"
#include "paint/conics.h"

using namespace export_test;

namespace {

TEST(FigRoundTrip, EveryObjectTypeKeepsEveryFieldAndWritesBackTheSame)
{
    const Diagram original = full_diagram();
    const std::string text = fig_text_of(original, full_extras());

    Diagram read;
    FigExtras extras;
    const FigResult result = parse_text(text, read, &extras);
    ASSERT_TRUE(result.ok) << result.describe();

    ASSERT_EQ(read.table.count(), original.table.count());
    for (int i = rec::kFirstObject; i < original.table.count(); ++i)
        expect_same_record(original.table.get(i), read.table.get(i), i);    // Writing what was read gives the same file.
    EXPECT_EQ(fig_text_of(read, extras), text);
}

TEST(FigRoundTrip, ReservedSettingsListsTraceAndExtrasSurvive)
{
    Diagram original = full_diagram();
    const FigExtras written = full_extras();
    Diagram read;
    FigExtras extras;
    ASSERT_TRUE(parse_text(fig_text_of(original, written), read, &extras).ok);

    ObjectTable& o = original.table;
    ObjectTable& r = read.table;
    EXPECT_EQ(r.conclusion_type(), 150);
    EXPECT_EQ(r.conclusion_args(), o.conclusion_args());
    EXPECT_EQ(r.unit_length(), 37.5);
    EXPECT_EQ(r.static_unit(), 25.0);
    EXPECT_EQ(r.unit_segment_length(), 2.5);
    EXPECT_EQ(r.unit_segment_a(), o.unit_segment_a());
    EXPECT_EQ(r.unit_segment_b(), o.unit_segment_b());
    EXPECT_EQ(r.pen_colour(), rgb(10, 20, 30));
    EXPECT_EQ(r.brush_colour(), rgb(200, 100, 50));
    EXPECT_EQ(r.font_colour(), rgb(1, 2, 3));
    EXPECT_EQ(r.pen_size_setting(), 3);
    EXPECT_EQ(r.pen_style_setting(), 2);
    EXPECT_EQ(r.fill_style_setting(), 4);
    EXPECT_EQ(r.new_points_show_names(), 0);
    EXPECT_EQ(r.next_name_letter(), 'Q');
    EXPECT_EQ(r.name_suffix(), 2);
    EXPECT_EQ(r.current_block(), 2);
    EXPECT_EQ(r.block_count(), 3);
    EXPECT_EQ(r.leave_trace(), 1);
    EXPECT_EQ(r.anim_steps(), 250);
    EXPECT_EQ(r.anim_interval(), 20);

    EXPECT_EQ(r.last_locus(), 2);
    for (int k = 0; k <= 2; ++k) {
        EXPECT_EQ(r.locus_object(k), o.locus_object(k)) << k;
        EXPECT_EQ(r.locus_second(k), o.locus_second(k)) << k;
        EXPECT_EQ(r.locus_kind(k), o.locus_kind(k)) << k;
    }
    EXPECT_EQ(r.last_driver(), 1);
    EXPECT_EQ(r.current_driver(), 1);
    for (int k = 0; k <= 1; ++k) {
        EXPECT_EQ(r.driver_point(k), o.driver_point(k)) << k;
        EXPECT_EQ(r.driver_path(k), o.driver_path(k)) << k;
        EXPECT_EQ(r.driver_speed(k), o.driver_speed(k)) << k;
    }
    EXPECT_EQ(read.self_trace, original.self_trace);
    EXPECT_EQ(extras.expressions, written.expressions);
    EXPECT_EQ(extras.view, written.view);

    // The pending record takes the pen settings read.
    EXPECT_EQ(read.pending.colour, rgb(10, 20, 30));
    EXPECT_EQ(read.pending.size, 3);
    EXPECT_EQ(read.pending.pen_style, 2);
    // The computation list's owner sets the count when it takes the entries.
    EXPECT_EQ(r.last_quantity(), -1);
}

TEST(FigRoundTrip, ANewDrawingReadsBackAsANewDrawing)
{
    const Diagram empty;
    const std::string text = fig_text_of(empty);
    EXPECT_EQ(text, "0\n1111 0 0 0 0 0 0 0 0 20 20 1 0 0 0 65280 0 1 0 6 1 65 0 1 1 0 -1 400 1\n"
                    "0\n0\n0\n0\n0 0 0\n");
    Diagram read = full_diagram();
    ASSERT_TRUE(parse_text(text, read).ok);
    EXPECT_EQ(read.table.count(), rec::kFirstObject);
    EXPECT_EQ(read.table.last_locus(), -1);
    EXPECT_EQ(read.table.last_driver(), -1);
    EXPECT_TRUE(read.self_trace.empty());
    EXPECT_EQ(fig_text_of(read), text);
}

// Names and texts of any bytes, up to the lengths the record holds.
TEST(FigRoundTrip, AwkwardTextsSurvive)
{
    const std::string texts[] = {
        "",
        "two words",
        " leading and trailing ",
        "\"quoted\"",
        "back\\slash\\",
        "line\nbreak\r\n",
        "tab\there",
        "\x01\x1f\x7f controls",
        "\xe2\x88\xa0 ABC \xc3\xa9",
        "x\\x41",  // an escape-like text stays text
        std::string(79, 'w'),
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        Diagram d;
        const int k = add_object(d, 180, 6, {});
        d.table[k].set_text(text);
        d.table[k].set_name(text.substr(0, 9));
        const int r = add_point(d, 197, "R", 1, 2);
        d.table[r].aux1.set_text(text.substr(0, 7));
        d.table[r].aux2.set_text(text.substr(text.size() > 7 ? text.size() - 7 : 0));
        FigExtras extras;
        extras.expressions = {text, text + text};

        Diagram read;
        FigExtras read_extras;
        const FigResult result = parse_text(fig_text_of(d, extras), read, &read_extras);
        ASSERT_TRUE(result.ok) << result.describe();
        EXPECT_EQ(read.table.get(k).text_view(), text);
        EXPECT_EQ(read.table.get(k).name_view(), text.substr(0, 9));
        EXPECT_EQ(read.table.get(r).aux1.as_text(), d.table.get(r).aux1.as_text());
        EXPECT_EQ(read.table.get(r).aux2.as_text(), d.table.get(r).aux2.as_text());
        EXPECT_EQ(read_extras.expressions, extras.expressions);
    }
}

// Positions read back to the same bits; aux bytes that hold no finite double
// come back byte for byte.
TEST(FigRoundTrip, NumbersAreExact)
{
    const double values[] = {0.1,     -0.0,   1.0 / 3.0,
                             1e-300,  5e-324, std::numeric_limits<double>::max(),
                             -2.5e17, 123456.789012345678};
    for (const double v : values) {
        SCOPED_TRACE(v);
        Diagram d;
        const int k = add_point(d, 110, "P", v, -v);
        d.table[k].aux1.set_double(v);
        d.table[k].aux2.set_double(std::numeric_limits<double>::quiet_NaN());
        Diagram read;
        ASSERT_TRUE(parse_text(fig_text_of(d), read).ok);
        const Dpoint& p = read.table.get(k);
        EXPECT_EQ(std::memcmp(&p.x, &v, sizeof v), 0);
        EXPECT_EQ(p.y, -v);
        EXPECT_TRUE(same_bytes(p.aux1, d.table.get(k).aux1));
        EXPECT_TRUE(same_bytes(p.aux2, d.table.get(k).aux2));
        EXPECT_TRUE(std::isnan(p.aux2.as_double()));
    }
}

TEST(FigRoundTrip, ANonFinitePositionIsWrittenAsTheFailedPosition)
{
    Diagram d;
    const int k = add_point(d, 116, "P", std::numeric_limits<double>::infinity(), 5.0);
    Diagram read;
    const FigResult result = parse_text(fig_text_of(d), read);
    ASSERT_TRUE(result.ok) << result.describe();
    EXPECT_EQ(read.table.get(k).x, 0.0);
    EXPECT_EQ(read.table.get(k).y, 5.0);
}

TEST(FigRoundTrip, ConicSamplesAreMadeAnewFromTheParents)
{
    Diagram d;
    const int a = add_point(d, 101, "A", 200, 200);
    const int b = add_point(d, 101, "B", 260, 200);
    const int c = add_point(d, 101, "C", 230, 170);
    const int conic = add_object(d, 455, 2, {a, b, c});
    conic_points(d, conic);
    const std::vector<WorldPoint> expected = d.table.get(conic).samples;
    ASSERT_FALSE(expected.empty());

    const std::string text = fig_text_of(d);
    // The samples themselves are not in the file.
    EXPECT_EQ(text.find(std::to_string(expected[1].x)), std::string::npos);
    Diagram read;
    ASSERT_TRUE(parse_text(text, read).ok);
    EXPECT_EQ(read.table.get(conic).samples, expected);
}

// Only the hide-list entries in use (0 to aux1) are kept.
TEST(FigRoundTrip, HideListKeepsTheEntriesInUse)
{
    Diagram d;
    const int a = add_point(d, 101, "A", 1, 1);
    const int b = add_point(d, 101, "B", 2, 2);
    const int button = add_object(d, 466, 7, {});
    d.table[button].hide_list = {a, b, a};
    d.table[button].aux1.set_int(1);
    Diagram read;
    ASSERT_TRUE(parse_text(fig_text_of(d), read).ok);
    EXPECT_EQ(read.table.get(button).hide_list, (std::vector<std::int32_t>{a, b}));
    EXPECT_EQ(read.table.get(button).aux1.as_int(), 1);
}

TEST(FigRoundTrip, LineEndsBlankLinesAndByteOrderMarkOfOtherEditorsAreAccepted)
{
    const Diagram d = full_diagram();
    const std::string text = fig_text_of(d, full_extras());
    std::string crlf;
    for (const char c : text) {
        if (c == '\n')
            crlf += "\r\n\r\n";
        else
            crlf += c;
    }
    crlf = "\xef\xbb\xbf" + crlf;  // and a byte-order mark
    Diagram read;
    const FigResult result = parse_text(crlf, read);
    ASSERT_TRUE(result.ok) << result.describe();
    EXPECT_EQ(fig_text_of(read, full_extras()), text);
}

// The format is fixed: a file written by hand reads as documented.
TEST(FigFormat, HandWrittenFileReadsAsDocumented)
{
    Diagram d;
    FigExtras extras;
    const FigResult result = parse_text(read_file(data_path("triangle.fig")), d, &extras);
    ASSERT_TRUE(result.ok) << result.describe();
    const ObjectTable& t = d.table;
    ASSERT_EQ(t.count(), 25);
    EXPECT_EQ(t.get(20).name_view(), "A");
    EXPECT_EQ(t.get(20).x, 100.0);
    EXPECT_EQ(t.get(21).name_view(), "B");
    EXPECT_EQ(t.get(22).y, 200.5);
    EXPECT_EQ(t.get(23).type, 135);
    EXPECT_EQ(t.get(23).arg[0], 20);
    EXPECT_EQ(t.get(23).arg[1], 21);
    EXPECT_EQ(t.get(23).colour, rgb(255, 0, 0));
    EXPECT_EQ(t.get(23).size, 2);
    EXPECT_EQ(t.get(24).text_view(), "Triangle ABC");
    EXPECT_EQ(t.get(24).name_dy, 12);
    EXPECT_EQ(d.table.get(rec::kSettings1).aux2.as_double(), 20.0);
    EXPECT_EQ(extras.view, (FigView{0, 640, 480}));

    // And the same drawing is written as that file.
    EXPECT_EQ(fig_text_of(d, extras), read_file(data_path("triangle.fig")));
}

}  // namespace
