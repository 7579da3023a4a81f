#pragma once
// Drawings for the export tests: one that holds an object of every type with
// every field set to something other than its default, and a small one.

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "export/fig_format.h"
#include "model/diagram.h"
#include "paint/conics.h"

namespace export_test {

inline std::string data_path(const std::string& file)
{
    return std::string(PLEXATOR_TEST_DATA) + "/export/" + file;
}

inline std::string output_path(const std::string& file)
{
    return std::string(PLEXATOR_TEST_OUTPUT) + "/" + file;
}

inline std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline int add_point(Diagram& d, int type, const char* name, double x, double y,
                     std::initializer_list<int> args = {})
{
    Dpoint p(type, name);
    p.cls = 1;
    p.x = x;
    p.y = y;
    int k = 0;
    for (int a : args)
        p.arg[k++] = a;
    return d.table.append(p);
}

inline int add_object(Diagram& d, int type, int cls, std::initializer_list<int> args)
{
    Dpoint o(type, "x");
    o.cls = static_cast<std::int8_t>(cls);
    o.name_shown = 0;
    int k = 0;
    for (int a : args)
        o.arg[k++] = a;
    return d.table.append(o);
}

// Gives record i values that differ from every default, by its position, so
// that a field lost or swapped on the way shows.
inline void vary(Dpoint& o, int i)
{
    o.block = static_cast<std::int8_t>(1 + i % 3);
    o.shown = i % 2;
    o.name_shown = (i + 1) % 2;
    o.label_style = i % 2;
    o.name_dx = static_cast<std::int16_t>(-3 - i);
    o.name_dy = static_cast<std::int16_t>(3 + 2 * i);
    o.colour = rgb(i * 7 % 256, i * 13 % 256, i * 29 % 256);
    o.pen_style = i % 4;
    o.size = 1 + i % 5;
}

// A drawing with an object of every type, a text with awkward characters,
// ratio and rotation texts, a hide button, a polyline, conics with their
// samples, a conclusion, loci, driving points, a self-drawn trace and
// settings other than the presets.
inline Diagram full_diagram()
{
    Diagram d;
    ObjectTable& t = d.table;
    const int a = add_point(d, 101, "A", 100.25, 80.5);
    const int b = add_point(d, 101, "B", 300.125, 90.0);
    const int c = add_point(d, 101, "C", 180.0, 260.75);
    const int dd = add_point(d, 101, "D", 40.0, 220.0);
    // Constructed points of every type, on the free points above.
    const int point_types[] = {99,  102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113,
                               114, 115, 116, 117, 118, 119, 120, 121, 122, 123, 124, 125, 126,
                               127, 128, 129, 130, 131, 132, 133, 197, 198, 199, 470, 471};
    int n = 0;
    for (int type : point_types) {
        const std::string name = "P" + std::to_string(n++);
        const int k = add_point(d, type, name.c_str(), 10.0 + n * 3.3, 20.0 - n * 1.7,
                                {a, b, c, dd, a, b, c, dd});
        Dpoint& p = t[k];
        p.aux1.set_double(0.1 * n);
        p.aux2.set_double(-1.0 / (n + 1));
    }
    Dpoint& lratio = t[t.count() - 5];  // 197
    lratio.aux1.set_text("3");
    lratio.aux2.set_text("-14");
    Dpoint& mratio = t[t.count() - 4];  // 198
    mratio.aux1.set_text("1234567");
    mratio.aux2.set_text("0");
    Dpoint& pratio = t[t.count() - 3];  // 199
    pratio.aux1.set_text("2");
    pratio.aux2.set_text("5");
    Dpoint& rotation = t[t.count() - 2];  // 470
    rotation.aux1.set_text("-22.5");

    const int segment = add_object(d, 135, 2, {a, b});
    for (int type : {136, 186, 187, 192, 222, 458, 460})
        add_object(d, type, 2, {a, b, c});
    for (int type : {455, 456, 457}) {
        const int k = add_object(d, type, 2, {a, b, c});
        conic_points(d, k);
    }
    const int poly = add_object(d, 459, 2, {});
    t[poly].polyline = {a, b, c, dd, a};
    t[poly].aux1.set_int(5);

    // Triangle and polygon fills count their vertices and the first again.
    add_object(d, 143, 3, {a, b, c});
    t[t.count() - 1].name_dx = 4;
    add_object(d, 144, 3, {a, b, c, dd});
    t[t.count() - 1].name_dx = 5;
    for (int type : {145, 146, 147})
        add_object(d, type, 3, {a, b, c});
    for (int type : {181, 182, 183, 184})
        add_object(d, type, 4, {a, b, c});

    const int text = add_object(d, 180, 6, {});
    t[text].set_text("Text with \"quotes\", a \\ and\ttab, line\nbreak, \xc3\xbc and 1 + 2 = 3");
    t[text].set_name("x y");

    add_object(d, 465, 7, {});
    const int hide = add_object(d, 466, 7, {});
    t[hide].add_hide_entry(a);
    t[hide].add_hide_entry(text);
    t[hide].add_hide_entry(poly);

    // A driving point as only a point file brings it (class 8).
    add_object(d, 425, 8, {a});

    for (int i = rec::kFirstObject; i < t.count(); ++i) {
        const int keep_dx = t[i].type == 143 || t[i].type == 144;
        const std::int16_t dx = t[i].name_dx;
        vary(t[i], i);
        if (keep_dx)
            t[i].name_dx = dx;
    }

    // Settings of the reserved records.
    t.conclusion_type() = 150;
    t.conclusion_args() = {a, b, c, dd, 0, 0, 0, 0};
    t.unit_length() = 37.5;
    t.static_unit() = 25.0;
    t.unit_segment_length() = 2.5;
    t.unit_segment_a() = a;
    t.unit_segment_b() = b;
    t.pen_colour() = rgb(10, 20, 30);
    t.brush_colour() = rgb(200, 100, 50);
    t.font_colour() = rgb(1, 2, 3);
    t.pen_size_setting() = 3;
    t.pen_style_setting() = 2;
    t.fill_style_setting() = 4;
    t.new_points_show_names() = 0;
    t.next_name_letter() = 'Q';
    t.name_suffix() = 2;
    t.current_block() = 2;
    t.block_count() = 3;
    t.leave_trace() = 1;
    t.anim_steps() = 250;
    t.anim_interval() = 20;

    t.last_locus() = 2;
    t.locus_object(0) = c;
    t.locus_second(0) = 0;
    t.locus_kind(0) = 426;
    t.locus_object(1) = a;
    t.locus_second(1) = b;
    t.locus_kind(1) = 428;
    t.locus_object(2) = dd;
    t.locus_second(2) = 0;
    t.locus_kind(2) = 461;

    t.last_driver() = 1;
    t.current_driver() = 1;
    t.driver_point(0) = a;
    t.driver_path(0) = segment;
    t.driver_speed(0) = 3;
    t.driver_point(1) = dd;
    t.driver_path(1) = rec::kSelfTraceMarker;
    t.driver_speed(1) = -2;
    d.self_trace = {{1.5, 2.25}, {3.0, 4.125}, {-7.0, 8.0}};
    return d;
}

inline FigExtras full_extras()
{
    FigExtras extras;
    extras.expressions = {"len A B", "angle \"A\" B C", ""};
    extras.view = {1, 640, 480};
    return extras;
}

inline std::string fig_text_of(const Diagram& d, const FigExtras& extras = {})
{
    std::ostringstream out;
    fig_write(d, out, extras);
    return out.str();
}

inline FigResult parse_text(const std::string& text, Diagram& d, FigExtras* extras = nullptr)
{
    std::istringstream in(text);
    return fig_parse(in, d, extras);
}

// The lines of a file, without their line ends, and back.
inline std::vector<std::string> lines_of(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

inline std::string join(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& l : lines)
        out += l + "\n";
    return out;
}

inline bool same_bytes(const Aux& x, const Aux& y) { return std::memcmp(&x, &y, sizeof(Aux)) == 0; }

// Every field that a point file keeps (all but the locus save area).
inline void expect_same_record(const Dpoint& x, const Dpoint& y, int i)
{
    SCOPED_TRACE("record " + std::to_string(i) + " type " + std::to_string(x.type));
    EXPECT_EQ(x.type, y.type);
    EXPECT_EQ(x.name, y.name);
    EXPECT_EQ(x.cls, y.cls);
    EXPECT_EQ(x.block, y.block);
    EXPECT_EQ(x.shown, y.shown);
    EXPECT_EQ(x.name_shown, y.name_shown);
    EXPECT_EQ(x.label_style, y.label_style);
    EXPECT_EQ(x.arg, y.arg);
    EXPECT_EQ(x.text, y.text);
    EXPECT_EQ(x.x, y.x);
    EXPECT_EQ(x.y, y.y);
    EXPECT_EQ(x.name_dx, y.name_dx);
    EXPECT_EQ(x.name_dy, y.name_dy);
    EXPECT_TRUE(same_bytes(x.aux1, y.aux1));
    EXPECT_TRUE(same_bytes(x.aux2, y.aux2));
    EXPECT_EQ(x.colour, y.colour);
    EXPECT_EQ(x.pen_style, y.pen_style);
    EXPECT_EQ(x.size, y.size);
    EXPECT_EQ(x.hide_list, y.hide_list);
    EXPECT_EQ(x.samples, y.samples);
    EXPECT_EQ(x.polyline, y.polyline);
}

}  // namespace export_test
