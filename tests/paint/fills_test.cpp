#include "paint/fills.h"

#include <gtest/gtest.h>

#include "paint_fixture.h"
#include "platform/image_dc.h"
#include "platform/recording_dc.h"
#include "platform/surface.h"

using namespace paint_test;

namespace {

struct FillDiagram {
    Diagram d;
    int a = add_point(d, 40, 40);
    int b = add_point(d, 160, 40);
    int c = add_point(d, 100, 140);
    int centre = add_point(d, 100, 100);
    int rim = add_point(d, 140, 100);
    int top = add_point(d, 100, 60);

    int fill(int type, std::initializer_list<int> args, int style, int rop, Colour colour)
    {
        const int i = add_object(d, type, 3, args, colour);
        d.table[i].pen_style = style;
        d.table[i].size = rop;
        if (type == otype::kFillTriangle || type == otype::kFillPolygon)
            d.table[i].name_dx = static_cast<std::int16_t>(args.size() + 1);
        return i;
    }
};

}  // namespace

// A solid fill over a plain background, by its raster operation (the size).
TEST(DrawFillPixels, RasterOperationCombinesTheColourWithTheBackground)
{
    const struct {
        const char* what;
        bool triangle;
        int rop;
        Colour colour, background, inside;
    } cases[] = {
        {"red XOR white is cyan", false, 3, kRed, kWhite, rgb(0, 255, 255)},
        {"red merge over blue is magenta", true, 4, kRed, kBlue, rgb(255, 0, 255)},
        {"copy is opaque", true, 2, kGreen, kBlack, kGreen},
    };
    for (const auto& c : cases) {
        FillDiagram f;
        const int fill = c.triangle ? f.fill(otype::kFillTriangle, {f.a, f.b, f.c}, kSolidFillStyle, c.rop, c.colour)
                                    : f.fill(otype::kFillCircle, {f.centre, f.rim}, kSolidFillStyle, c.rop, c.colour);
        Surface s(200, 200, c.background);
        ImageDC dc(s);
        draw_fill(f.d, dc, fill, 1);
        EXPECT_EQ(s.pixel(100, c.triangle ? 70 : 100), c.inside) << c.what;
        EXPECT_EQ(s.pixel(5, 5), c.background) << c.what;
    }
}

TEST(DrawFillPixels, MaskOverBlackStaysBlackAndShowsColourOverWhite)
{
    FillDiagram f;
    const int disc = f.fill(otype::kFillCircle, {f.centre, f.rim}, kSolidFillStyle, 1, kRed);
    Surface s(200, 200, kWhite);
    ImageDC dc(s);
    dc.fill_rect({0, 95, 200, 106}, solid_brush(kBlack));  // a thick black line under the fill
    draw_fill(f.d, dc, disc, 1);
    EXPECT_EQ(s.pixel(100, 100), kBlack);
    EXPECT_EQ(s.pixel(100, 80), kRed);
    // The white outline leaves the pixels beneath unchanged under the mask.
    EXPECT_EQ(s.pixel(60, 100), kBlack);
    EXPECT_EQ(s.pixel(139, 100), kBlack);
}

TEST(DrawFillPixels, PrintedHatchIsBlack)
{
    FillDiagram f;
    const int hatched = f.fill(otype::kFillCircle, {f.centre, f.rim}, 0, 2, kRed);
    print_mode(f.d, 1.0);  // scale 1: the page shows the disc shifted by 20
    Surface s(200, 200, kWhite);
    ImageDC dc(s);
    draw_fill(f.d, dc, hatched, 1);
    int black = 0, red = 0;
    for (int y = 100; y < 140; ++y)
        for (int x = 100; x < 140; ++x) {
            black += s.pixel(x, y) == kBlack;
            red += s.pixel(x, y) == kRed;
        }
    EXPECT_GT(black, 20);
    EXPECT_EQ(red, 0);
}

TEST(DrawFill, MissingPointSuppressesTheFillAndLeavesTheContext)
{
    FillDiagram f;
    const int failed = add_point(f.d, 0.2, 0.3);
    const int poly = f.fill(otype::kFillPolygon, {f.a, f.b, failed, f.c}, kSolidFillStyle, 1, kRed);
    const int disc = f.fill(otype::kFillCircle, {f.centre, failed}, kSolidFillStyle, 1, kRed);
    for (bool printing : {false, true}) {
        if (printing)
            print_mode(f.d);
        RecordingDC dc;
        draw_fill(f.d, dc, poly, 1);
        draw_fill(f.d, dc, disc, 1);
        EXPECT_TRUE(dc.log().empty());
    }
}

TEST(DrawFill, ChordAndPieReachTowardAMissingSecondEnd)
{
    FillDiagram f;
    const int failed = add_point(f.d, 0.0, 0.0);
    const int chord = f.fill(otype::kFillChord, {f.centre, f.rim, failed}, kSolidFillStyle, 1, kRed);
    const int pie = f.fill(otype::kFillPie, {f.centre, f.rim, f.top}, kSolidFillStyle, 1, kRed);
    RecordingDC dc;
    draw_fill(f.d, dc, chord, 1);
    draw_fill(f.d, dc, pie, 1);
    // The pie's box lies one pixel right of the chord's.
    EXPECT_EQ(dc.drawing_log(), (std::vector<std::string>{"chord(60,60,140,140,140,100,0,0)",
                                                          "pie(61,60,141,140,140,100,100,60)"}));
}

TEST(DrawFill, HighlightUsesTheCallersBrushMaskedAndRestoresTheContext)
{
    FillDiagram f;
    const int disc = f.fill(otype::kFillCircle, {f.centre, f.rim}, kSolidFillStyle, 3, kRed);
    RecordingDC dc;
    const Brush grey_cross = hatch_brush(HatchStyle::DiagonalCross, kGrey);
    dc.select_brush(grey_cross);
    dc.set_rop2(Rop2::Copy);
    draw_fill(f.d, dc, disc, 0);
    const auto ellipses = dc.calls_named("ellipse");
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(ellipses[0].state.brush, grey_cross);
    EXPECT_EQ(ellipses[0].state.rop, Rop2::Mask);
    EXPECT_EQ(dc.rop2(), Rop2::Copy);
    EXPECT_EQ(dc.brush(), grey_cross);
    EXPECT_EQ(dc.pen(), kBlackPen);
}

TEST(DrawFill, PolygonCountIsKeptWithinEightPoints)
{
    FillDiagram f;
    const int poly = f.fill(otype::kFillPolygon, {f.a, f.b, f.c, f.a, f.b, f.c, f.a, f.b},
                            kSolidFillStyle, 1, kRed);
    f.d.table[poly].name_dx = 40;
    RecordingDC dc;
    draw_fill(f.d, dc, poly, 1);
    const auto polygons = dc.calls_named("polygon");
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].args.size(), 16u);
}
