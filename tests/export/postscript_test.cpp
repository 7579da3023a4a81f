// PostScript export: the prologue, the page set-up, the nine element
// sections, and the figures the painter draws, against a golden file.

#include <gtest/gtest.h>

#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "export/export_fixture.h"
#include "export/export_painting.h"
#include "export/postscript_dc.h"
#include "export/postscript_export.h"
#include "support/widgets_application.h"
#include "platform/recording_dc.h"

using namespace export_test;

namespace {

class PostScript : public ::testing::Test {
protected:
    void SetUp() override { ensure_widgets_application(); }
};

// Two named points, the segment and circle through them, a hatched triangle
// fill, an angle mark and a line of text.
Diagram small_diagram()
{
    Diagram d;
    const int a = add_point(d, 101, "A", 100, 100);
    const int b = add_point(d, 101, "B", 200, 120);
    const int c = add_point(d, 101, "C1", 140, 200);
    const int seg = add_object(d, 135, 2, {a, b});
    d.table[seg].name_shown = 0;
    const int circle = add_object(d, 136, 2, {a, c});
    d.table[circle].colour = rgb(0, 0, 255);
    const int fill = add_object(d, 143, 3, {a, b, c});
    d.table[fill].name_dx = 4;  // three vertices and the first again
    d.table[fill].pen_style = 2;
    d.table[fill].colour = rgb(0, 255, 0);
    add_object(d, 182, 4, {b, a, c});
    const int text = add_object(d, 180, 6, {});
    d.table[text].set_text("Angle (BAC) \xc3\xa9");
    d.table[text].x = 40;
    d.table[text].y = 20;
    for (int p : {a, b, c})
        d.table[p].size = 2;
    return d;
}

std::string postscript_of(Diagram& d, DevSize area = {320, 240})
{
    std::ostringstream out;
    EXPECT_TRUE(write_postscript(d, out, area, "small diagram"));
    return out.str();
}

// The golden file pins the whole document: prologue, page set-up, every
// element in its section (fills, circles, marks, lines, Latin-1 texts with
// escaped parentheses, points with subscripted names) and the trailer.
TEST_F(PostScript, SmallDiagramMatchesTheGoldenFile)
{
    Diagram d = small_diagram();
    const std::string ps = postscript_of(d);
    std::filesystem::create_directories(PLEXATOR_TEST_OUTPUT);
    std::ofstream(output_path("small_diagram.ps"), std::ios::binary) << ps;
    EXPECT_EQ(ps, read_file(data_path("small_diagram.ps")))
        << "compare " << output_path("small_diagram.ps");
}

TEST_F(PostScript, ALargeDrawingIsScaledDownToThePaper)
{
    Diagram d = small_diagram();
    const std::string ps = postscript_of(d, {1046, 500});
    // 523 usable points across: scale one half.
    EXPECT_NE(ps.find("36 806 translate 0.5 -0.5 scale"), std::string::npos);
    EXPECT_NE(ps.find("%%BoundingBox: 36 556 559 806"), std::string::npos);
}

TEST_F(PostScript, ExportPaintsWithoutResolvingPoints)
{
    Diagram d = small_diagram();
    d.table.recompute() = 1;
    d.table.placing() = 1;
    const int mid = add_point(d, 103, "M", 1, 1, {20, 21});
    postscript_of(d);
    EXPECT_EQ(d.table.get(mid).x, 1.0);
    EXPECT_EQ(d.table.recompute(), 0);
    EXPECT_EQ(d.table.placing(), 0);
}

TEST_F(PostScript, ContextWritesEveryFigureWithItsPenAndBrush)
{
    std::ostringstream out;
    PostScriptDC dc(out, {100, 100});
    dc.select_pen(Pen{rgb(255, 0, 0), 3, PenStyle::Dash});
    dc.move_to(1, 2);
    dc.line_to(3, 4);
    dc.line_to(5, 6);  // same pen: set once
    dc.select_brush(kHollowBrush);
    dc.ellipse(10, 10, 30, 20);
    dc.select_pen(kNullPen);
    dc.select_brush(solid_brush(rgb(0, 0, 255)));
    dc.rectangle(0, 0, 4, 4);
    dc.line_to(9, 9);  // the null pen draws nothing
    dc.select_pen(kBlackPen);
    dc.pie(0, 0, 20, 20, 20, 10, 10, 0);
    dc.arc(0, 0, 20, 20, 5, 5, 5, 5);
    dc.set_bk_mode(BkMode::Opaque);
    dc.text_out(5, 5, "x");
    dc.fill_rect({0, 0, 2, 2}, hatch_brush(HatchStyle::Cross, kBlack));
    dc.set_pixel(7, 8, kWhite);
    EXPECT_EQ(out.str(),
              "1 0 0 3 [18 6] 0 SP\n"
              "1 2 3 4 L\n"
              "3 4 5 6 L\n"
              "10 10 30 20 EP\n"
              "S\n"
              "0 0 4 4 RP\n"
              "0 0 1 SF\n"
              "N\n"
              // From 3 o'clock counter-clockwise to 12 o'clock on screen; the
              // pen is set when it is first used.
              "10 10 10 10 0 -90 2 AP\n"
              "0 0 1 SF\n"
              "0 0 0 1 [] 0 SP\n"
              "S\n"
              // Equal ends: the whole circle, from the ray through (5, 5).
              "10 10 10 10 -135 -495 0 AP\n"
              "S\n"
              // The cell of "x" in the default font: 8 wide, 16 high, baseline 13 down.
              "5 5 8 16 1 1 1 BG\n"
              "/Helvetica-L1 14 F\n"
              "(x) 5 18 0 0 0 T\n"
              "0 0 2 2 RP\n"
              "4 0 0 0 HF\n"
              "N\n"
              "7 8 1 1 1 PX\n");
}

TEST_F(PostScript, StringsAndNumbersIgnoreTheLocale)
{
    EXPECT_EQ(postscript_string("a(b)c\\"), "(a\\(b\\)c\\\\)");
    EXPECT_EQ(postscript_string("\xc3\xa4\xe2\x88\xa0\n"), "(\\344?\\012)");
    EXPECT_EQ(postscript_number(0.5), "0.5");
    EXPECT_EQ(postscript_number(-0.0001), "0");
    EXPECT_EQ(postscript_number(2.0), "2");
    EXPECT_EQ(postscript_number(1.0 / 3.0), "0.333");
}

// Figures far beyond the page are cut, so no interpreter meets huge numbers.
TEST_F(PostScript, FarFiguresAreCut)
{
    std::ostringstream out;
    PostScriptDC dc(out, {100, 100});
    dc.move_to(-2000000000, 50);
    dc.line_to(2000000000, 50);
    dc.ellipse(-1000000000, -1000000000, 1000000000, 1000000000);
    std::istringstream in(out.str());
    for (std::string word; in >> word;) {
        if (word.find_first_not_of("-0123456789.") == std::string::npos && word != "-" &&
            word != ".") {
            EXPECT_LE(std::fabs(std::stod(word)), 1e5) << word;
        }
    }
}

// When an interpreter is at hand, the document must run without error and
// put the drawing on the page.
TEST_F(PostScript, InterpreterRendersTheDocument)
{
    if (std::system("gs --version > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "no PostScript interpreter";
    Diagram d = full_diagram();
    // The signs of measurements and texts, beyond the fonts' Latin-1.
    const std::string signs = "\u2220ACB = 68.71 AB\u2225CD AB\u22A5CD AB\u2260CD AB\u2229CD P\uFF1A";
    const int text = add_object(d, 180, 6, {});
    d.table[text].set_text(signs);
    d.table[text].x = 20;
    d.table[text].y = 280;
    const std::string ps_path = output_path("full_diagram.ps");
    const std::string png_path = output_path("full_diagram_ps.png");
    std::filesystem::create_directories(PLEXATOR_TEST_OUTPUT);
    {
        std::ofstream out(ps_path, std::ios::binary);
        ASSERT_TRUE(write_postscript(d, out, {400, 300}, "full"));
    }
    std::filesystem::remove(png_path);
    const std::string command = "gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r72 -o '" +
                                png_path + "' '" + ps_path + "' > '" + png_path + ".log' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << read_file(png_path + ".log");
    const QImage page(QString::fromStdString(png_path));
    ASSERT_FALSE(page.isNull());
    int dark = 0;
    for (int y = 36; y < 336 && y < page.height(); ++y)
        for (int x = 36; x < 436 && x < page.width(); ++x)
            dark += qGray(page.pixel(x, y)) < 128;
    EXPECT_GT(dark, 200);

    const std::string text_path = output_path("full_diagram_ps.txt");
    const std::string extract = "gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=txtwrite -o '" + text_path + "' '" +
                                ps_path + "' > '" + text_path + ".log' 2>&1";
    ASSERT_EQ(std::system(extract.c_str()), 0) << read_file(text_path + ".log");
    const std::string shown = read_file(text_path);
    EXPECT_NE(shown.find("\u2220ACB = 68.71 AB||CD AB\u22A5CD AB\u2260CD AB\u2229CD P:"), std::string::npos) << shown;
    EXPECT_EQ(shown.find('?'), std::string::npos) << shown;
}

}  // namespace
