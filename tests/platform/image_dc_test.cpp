// Boxes, text placement, selection and block transfers of the painting context.

#include "pixel_probe.h"
#include "platform/image_dc.h"
#include "platform/text_metrics.h"

#include <QFontInfo>
#include <QPainter>

#include <optional>

#include <gtest/gtest.h>

namespace {

TEST(ImageDC, EllipseStaysInsideItsBoundingBox)
{
    // A point of radius 3 at (100, 50) is the box (97, 47)-(103, 53).
    Surface s(200, 100);
    ImageDC dc(s);
    dc.select_brush(solid_brush(kBlack));
    dc.ellipse(97, 47, 103, 53);
    EXPECT_EQ(ink_box(s), QRect(QPoint(97, 47), QPoint(102, 52)));
    EXPECT_EQ(s.pixel(99, 49), kBlack);
}

TEST(ImageDC, RectangleOutlinesWithThePenAndFillsWithTheBrush)
{
    Surface s(40, 40);
    ImageDC dc(s);
    dc.select_brush(solid_brush(kRed));
    dc.rectangle(10, 10, 20, 15);
    EXPECT_EQ(ink_box(s), QRect(QPoint(10, 10), QPoint(19, 14)));
    EXPECT_EQ(s.pixel(10, 10), kBlack);
    EXPECT_EQ(s.pixel(19, 14), kBlack);
    EXPECT_EQ(s.pixel(15, 12), kRed);
}

TEST(ImageDC, NullPenFillsTheWholeBoxAndHollowBrushOnlyOutlines)
{
    Surface s(40, 40);
    ImageDC dc(s);
    dc.select_pen(kNullPen);
    dc.select_brush(solid_brush(kBlue));
    dc.rectangle(2, 2, 8, 8);
    EXPECT_EQ(ink_box(s), QRect(QPoint(2, 2), QPoint(7, 7)));
    EXPECT_EQ(s.pixel(2, 2), kBlue);

    dc.select_pen(kBlackPen);
    dc.select_brush(kHollowBrush);
    dc.rectangle(20, 20, 30, 30);
    EXPECT_EQ(s.pixel(20, 25), kBlack);
    EXPECT_EQ(s.pixel(25, 25), kWhite);
}

TEST(ImageDC, EmptyOrReversedBoxes)
{
    Surface s(40, 40);
    ImageDC dc(s);
    dc.select_brush(solid_brush(kBlack));
    dc.ellipse(10, 10, 10, 30);
    dc.rectangle(5, 5, 30, 5);
    dc.pie(10, 10, 10, 10, 0, 0, 1, 1);
    EXPECT_TRUE(ink_box(s).isNull());
    dc.rectangle(30, 30, 20, 20);  // corners given the other way round
    EXPECT_EQ(ink_box(s), QRect(QPoint(20, 20), QPoint(29, 29)));
}

TEST(ImageDC, PolygonIsFilledAndOutlined)
{
    Surface s(60, 60);
    ImageDC dc(s);
    dc.select_brush(solid_brush(kGreen));
    const DevPoint tri[] = {{10, 10}, {50, 10}, {10, 50}, {10, 10}};
    dc.polygon(tri);
    EXPECT_EQ(s.pixel(20, 20), kGreen);
    EXPECT_EQ(s.pixel(45, 45), kWhite);
    EXPECT_TRUE(inked_near(s, 30, 10, 0));
    EXPECT_TRUE(inked_near(s, 30, 30, 1));
}

TEST(ImageDC, LineToMovesTheCurrentPosition)
{
    Surface s(40, 40);
    ImageDC dc(s);
    EXPECT_EQ(dc.move_to(5, 5), (DevPoint{0, 0}));
    dc.line_to(30, 5);
    EXPECT_EQ(dc.position(), (DevPoint{30, 5}));
    dc.line_to(30, 30);
    EXPECT_TRUE(inked_near(s, 15, 5, 0));
    EXPECT_TRUE(inked_near(s, 30, 20, 0));
    EXPECT_FALSE(inked_near(s, 15, 20, 3));
}

TEST(ImageDC, PixelsInsideAndOutside)
{
    Surface s(10, 10);
    ImageDC dc(s);
    dc.set_pixel(3, 4, kRed);
    dc.set_pixel(-1, 4, kRed);
    dc.set_pixel(10, 0, kRed);
    EXPECT_EQ(dc.get_pixel(3, 4), kRed);
    EXPECT_EQ(dc.get_pixel(4, 4), kWhite);
    EXPECT_EQ(dc.get_pixel(-1, 0), kInvalidColour);
    EXPECT_EQ(dc.get_pixel(0, 10), kInvalidColour);
    EXPECT_EQ(ink_box(s), QRect(3, 4, 1, 1));
    EXPECT_EQ(dc.size(), (DevSize{10, 10}));
}

TEST(ImageDC, SelectReturnsThePreviousAndRestoreGoesBackToTheStart)
{
    Surface s(10, 10);
    ImageDC dc(s);
    const Pen pen0 = dc.pen();
    const Brush brush0 = dc.brush();
    const Font font0 = dc.font();
    EXPECT_EQ(pen0, kBlackPen);
    EXPECT_EQ(brush0, kWhiteBrush);

    const Pen red{kRed, 2, PenStyle::Dash};
    const Pen blue{kBlue, 1, PenStyle::Dot};
    EXPECT_EQ(dc.select_pen(red), pen0);
    EXPECT_EQ(dc.select_pen(blue), red);
    dc.select_brush(hatch_brush(HatchStyle::Cross, kGreen));
    dc.select_font(Font{40, "Time New Roman", kFontWeightBold, true});
    dc.restore_pen();
    EXPECT_EQ(dc.pen(), pen0);  // not the red pen selected in between
    EXPECT_EQ(dc.brush().kind, BrushKind::Hatched);
    dc.restore_objects();
    EXPECT_EQ(dc.pen(), pen0);
    EXPECT_EQ(dc.brush(), brush0);
    EXPECT_EQ(dc.font(), font0);

    // Restoring takes away objects only: colours and modes stay.
    dc.set_text_colour(kRed);
    dc.set_bk_mode(BkMode::Transparent);
    dc.set_rop2(Rop2::Xor);
    dc.restore_objects();
    EXPECT_EQ(dc.text_colour(), kRed);
    EXPECT_EQ(dc.bk_mode(), BkMode::Transparent);
    EXPECT_EQ(dc.rop2(), Rop2::Xor);
}

// Two contexts taking turns on one picture, once within paint passes (one
// shared painter) and once call by call: each draws with its own selections
// and modes either way, to the pixel.
TEST(ImageDC, APaintPassDrawsWhatSeparateCallsDraw)
{
    const auto draw = [](Surface& s, bool in_pass) {
        ImageDC a(s);
        ImageDC b(s);
        std::optional<PaintPass> pass_a, pass_b;
        if (in_pass) {
            pass_a.emplace(a);
            pass_b.emplace(b);
        }
        a.select_pen(Pen{kRed, 3, PenStyle::Solid});
        a.select_brush(hatch_brush(HatchStyle::Cross, kBlue));
        b.select_pen(Pen{kGreen, 1, PenStyle::Dash});
        b.select_brush(kHollowBrush);
        b.set_bk_mode(BkMode::Transparent);
        a.ellipse(10, 10, 70, 50);
        b.move_to(0, 30);
        b.line_to(120, 35);
        a.text_out(20, 60, "Ab");
        b.text_out(60, 60, "Cd");
        b.set_rop2(Rop2::Xor);
        b.move_to(0, 5);
        b.line_to(100, 70);
        const DevPoint triangle[] = {{80, 10}, {110, 10}, {95, 40}};
        a.polygon(triangle);
        b.set_rop2(Rop2::Copy);
        b.arc(85, 45, 115, 75, 115, 60, 100, 45);
        a.fill_rect({0, 70, 40, 80}, solid_brush(kRed));
        a.select_pen(kNullPen);
        a.ellipse(50, 65, 60, 75);
    };
    Surface passed(120, 80);
    Surface separate(120, 80);
    draw(passed, true);
    draw(separate, false);
    EXPECT_EQ(passed.image(), separate.image());
}

TEST(ImageDC, TextLiesBelowAndRightOfItsReferencePoint)
{
    for (int height : {14, 18, 64}) {
        Surface s(400, 200);
        ImageDC dc(s);
        dc.select_font(Font{height, "Time New Roman", 0, false});
        dc.set_bk_mode(BkMode::Transparent);
        dc.text_out(20, 30, "AHgy1");
        const DevSize e = dc.text_extent("AHgy1");
        const QRect ink = ink_box(s);
        ASSERT_FALSE(ink.isNull()) << height;
        EXPECT_EQ(e.cy, height);
        EXPECT_GE(ink.left(), 20 - 1) << height;
        EXPECT_GE(ink.top(), 30) << height;
        EXPECT_LE(ink.right(), 20 + e.cx) << height;
        EXPECT_LE(ink.bottom(), 30 + e.cy - 1) << height;
        // The capitals start in the upper part of the cell, descenders reach its lower part.
        EXPECT_LT(ink.top(), 30 + e.cy / 3) << height;
        EXPECT_GT(ink.bottom(), 30 + e.cy * 2 / 3) << height;
    }
}

// Text is painted from a layout made once; it must come out as the same text
// drawn by the toolkit on its baseline, in every face, size and script.
TEST(ImageDC, TextFromItsLayoutMatchesTextDrawnOnItsBaseline)
{
    const Font fonts[] = {Font{16, "Arial", 0, false}, Font{30, "Time New Roman", kFontWeightBold, true},
                          Font{-20, "Courier New", 0, false}, Font{11, "", 0, false}};
    const char* texts[] = {"AHgy1", "fi ffl, W.A.", "\xce\xb1\xce\xb2\xce\xb3", "\xe4\xb8\xad\xe6\x96\x87",
                           "x\xe2\x80\xb2", "\xd7\xa9\xd7\x9c A"};
    for (const Font& font : fonts) {
        for (const char* text : texts) {
            Surface ours(240, 60);
            ImageDC dc(ours);
            dc.select_font(font);
            dc.set_text_colour(kBlue);
            dc.set_bk_mode(BkMode::Transparent);
            dc.text_out(7, 9, text);
            Surface theirs(240, 60);
            {
                QPainter p(&theirs.image());
                p.setFont(qfont_for(font));
                p.setPen(QColor(Qt::blue));
                p.drawText(QPointF(7, 9 + ascent_of(font)), QString::fromUtf8(text));
            }
            EXPECT_EQ(ours.image(), theirs.image()) << font.height << " " << font.face << " " << text;
        }
    }
}

TEST(ImageDC, OpaqueTextFillsItsCellWithTheBackgroundColour)
{
    Surface s(200, 60);
    ImageDC dc(s);
    dc.select_font(Font{18, "Time New Roman", 0, false});
    dc.set_bk_colour(rgb(255, 255, 0));
    dc.set_text_colour(kBlue);
    dc.text_out(10, 10, "A1");
    const DevSize e = dc.text_extent("A1");
    // The cell is filled; a glyph may overhang it by a pixel.
    const QRect cell(10, 10, e.cx, e.cy);
    EXPECT_TRUE(ink_box(s).contains(cell));
    EXPECT_TRUE(cell.adjusted(-1, -1, 1, 1).contains(ink_box(s)));
    EXPECT_EQ(s.pixel(10, 10), rgb(255, 255, 0));
    EXPECT_EQ(s.pixel(10 + e.cx - 1, 10 + e.cy - 1), rgb(255, 255, 0));
}

TEST(ImageDC, TextIgnoresTheRasterOperation)
{
    Surface a(100, 40), b(100, 40);
    for (Surface* s : {&a, &b}) {
        ImageDC dc(*s);
        dc.set_bk_mode(BkMode::Transparent);
        dc.set_text_colour(kRed);
        if (s == &b)
            dc.set_rop2(Rop2::Xor);
        dc.text_out(5, 5, "Text");
    }
    EXPECT_EQ(a.image(), b.image());
}

TEST(TextMetrics, FacesMapToTheInstalledDejaVuFamilies)
{
    EXPECT_EQ(family_for_face("Time New Roman"), "DejaVu Serif");
    EXPECT_EQ(family_for_face("Times New Roman"), "DejaVu Serif");
    EXPECT_EQ(family_for_face(""), "DejaVu Sans");
    EXPECT_EQ(family_for_face("Arial"), "DejaVu Sans");
    EXPECT_EQ(family_for_face("MS Sans Serif"), "DejaVu Sans");
    EXPECT_EQ(family_for_face("Courier New"), "DejaVu Sans Mono");
    // The family is really there, so text measures alike on every machine.
    EXPECT_EQ(QFontInfo(qfont_for(Font{18, "Time New Roman", 0, false})).family(), "DejaVu Serif");
    EXPECT_EQ(QFontInfo(qfont_for(Font{})).family(), "DejaVu Sans");
}

TEST(TextMetrics, CellHeightAndWidthScale)
{
    const Font small{18, "Time New Roman", 0, false};
    const Font big{72, "Time New Roman", 0, false};
    EXPECT_EQ(measure_text(small, "A").cy, 18);
    EXPECT_EQ(measure_text(big, "A").cy, 72);
    const int one = measure_text(small, "A").cx;
    EXPECT_GT(one, 5);
    EXPECT_NEAR(measure_text(small, "AAAA").cx, 4 * one, 2);
    EXPECT_NEAR(measure_text(big, "A").cx, 4 * one, 6);
    EXPECT_EQ(measure_text(small, "").cx, 0);
    EXPECT_LT(ascent_of(small), 18);
    EXPECT_GT(ascent_of(small), 9);
    // Bold is wider; a negative height is the em size, so its cell is taller.
    EXPECT_GT(measure_text(Font{18, "Time New Roman", kFontWeightBold, false}, "MMMM").cx,
              measure_text(small, "MMMM").cx);
    EXPECT_GT(measure_text(Font{-18, "Time New Roman", 0, false}, "A").cy, 18);
    // Absurd heights are bounded instead of exhausting memory.
    EXPECT_LE(measure_text(Font{1 << 30, "", 0, false}, "A").cy, 2000);
}

TEST(TextMetrics, DoubleByteSignsHaveGlyphs)
{
    Surface s(200, 40);
    ImageDC dc(s);
    dc.set_bk_mode(BkMode::Transparent);
    dc.select_font(Font{18, "Time New Roman", 0, false});
    dc.text_out(2, 2, "\u2225\u22A5\u2220\u2229\u2260\uFF1A");
    EXPECT_FALSE(ink_box(s).isNull());
    EXPECT_GT(dc.text_extent("\u2229").cx, 3);
}

Surface stripes()
{
    Surface s(20, 20);
    ImageDC dc(s);
    dc.fill_rect({0, 0, 10, 20}, solid_brush(rgb(0xF0, 0x0F, 0x33)));
    dc.fill_rect({10, 0, 20, 20}, solid_brush(rgb(0x0F, 0xF0, 0x55)));
    return s;
}

TEST(BitBlt, CombinesSourceAndDestinationByTheOperation)
{
    const Colour dest = rgb(0x3C, 0x3C, 0x0F);
    struct Case {
        BlitOp op;
        Colour left, right;
    };
    const Case cases[] = {
        {BlitOp::Copy, rgb(0xF0, 0x0F, 0x33), rgb(0x0F, 0xF0, 0x55)},
        {BlitOp::And, rgb(0x30, 0x0C, 0x03), rgb(0x0C, 0x30, 0x05)},
        {BlitOp::Or, rgb(0xFC, 0x3F, 0x3F), rgb(0x3F, 0xFC, 0x5F)},
        {BlitOp::Xor, rgb(0xCC, 0x33, 0x3C), rgb(0x33, 0xCC, 0x5A)},
    };
    Surface src = stripes();
    ImageDC from(src);
    for (const Case& c : cases) {
        Surface target(30, 30, dest);
        ImageDC to(target);
        to.bit_blt(5, 5, 20, 20, from, 0, 0, c.op);
        EXPECT_EQ(target.pixel(7, 7), c.left) << static_cast<int>(c.op);
        EXPECT_EQ(target.pixel(20, 20), c.right) << static_cast<int>(c.op);
        EXPECT_EQ(target.pixel(4, 4), dest);
        EXPECT_EQ(target.pixel(25, 25), dest);
    }
}

TEST(BitBlt, ClipsToBothPicturesAndXorTwiceRestores)
{
    Surface src = stripes();
    ImageDC from(src);
    Surface target(30, 30, kGrey);
    ImageDC to(target);
    to.bit_blt(-5, -5, 100, 100, from, 0, 0, BlitOp::Copy);
    EXPECT_EQ(target.pixel(0, 0), rgb(0xF0, 0x0F, 0x33));   // source (5, 5)
    EXPECT_EQ(target.pixel(14, 14), rgb(0x0F, 0xF0, 0x55)); // source (19, 19)
    EXPECT_EQ(target.pixel(15, 15), kGrey);                  // beyond the source
    to.bit_blt(0, 0, 10, 10, from, -20, -20, BlitOp::Copy);  // nothing of the source there
    to.bit_blt(0, 0, 0, 10, from, 0, 0, BlitOp::Copy);
    const QImage before = target.image().copy();
    to.bit_blt(2, 2, 13, 13, from, 3, 3, BlitOp::Xor);
    EXPECT_NE(target.image(), before);
    to.bit_blt(2, 2, 13, 13, from, 3, 3, BlitOp::Xor);
    EXPECT_EQ(target.image(), before);
}

TEST(BitBlt, OverlappingMoveWithinOnePictureReadsTheOldPixels)
{
    Surface s = stripes();
    ImageDC dc(s);
    dc.bit_blt(5, 0, 15, 20, dc, 0, 0, BlitOp::Copy);
    EXPECT_EQ(s.pixel(14, 3), rgb(0xF0, 0x0F, 0x33));
    EXPECT_EQ(s.pixel(15, 3), rgb(0x0F, 0xF0, 0x55));
}

TEST(Surface, ResizeKeepsWhatFitsAndSavesAsPng)
{
    Surface s(10, 10, kBlue);
    s.resize(20, 5, kRed);
    EXPECT_EQ(s.width(), 20);
    EXPECT_EQ(s.height(), 5);
    EXPECT_EQ(s.pixel(9, 4), kBlue);
    EXPECT_EQ(s.pixel(10, 4), kRed);
    s.fill(kGreen);
    EXPECT_EQ(s.pixel(0, 0), kGreen);
    Surface empty;
    ImageDC dc(empty);
    dc.ellipse(0, 0, 10, 10);  // nothing to paint on, nothing happens
    dc.text_out(0, 0, "x");
    EXPECT_EQ(dc.get_pixel(0, 0), kInvalidColour);
}

}  // namespace
