// Hatches and raster operations on the painting context.

#include "pixel_probe.h"
#include "platform/image_dc.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace {

constexpr Colour kPaper = rgb(200, 200, 200);

// Fills a 32 x 32 area with a hatch in black over light grey paper.
Surface hatched(HatchStyle hatch, BkMode mode, Rop2 rop = Rop2::Copy)
{
    Surface s(32, 32, kPaper);
    ImageDC dc(s);
    dc.select_pen(kNullPen);
    dc.select_brush(hatch_brush(hatch, kBlack));
    dc.set_bk_mode(mode);
    dc.set_bk_colour(kWhite);
    dc.set_rop2(rop);
    dc.rectangle(0, 0, 32, 32);
    return s;
}

using Rule = std::function<bool(int x, int y, int phase)>;

// Finds the pattern's phase (0..63: two offsets of 0..7 for the two line
// families of the crosses), then checks every pixel against the rule: hatch
// pixels black, gaps as `gap`.
void expect_pattern(const Surface& s, const Rule& on, Colour gap, const char* what)
{
    int phase = -1;
    for (int p = 0; p < 64 && phase < 0; ++p) {
        bool all = true;
        for (int y = 0; y < 32 && all; ++y)
            for (int x = 0; x < 32 && all; ++x)
                all = (s.pixel(x, y) == kBlack) == on(x, y, p);
        if (all)
            phase = p;
    }
    ASSERT_GE(phase, 0) << what << ": no phase fits the pattern";
    int lines = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (on(x, y, phase))
                ++lines;
            else
                ASSERT_EQ(s.pixel(x, y), gap) << what << " gap at " << x << "," << y;
        }
    EXPECT_GT(lines, 0) << what;
}

int mod8(int v) { return ((v % 8) + 8) % 8; }

struct HatchCase {
    HatchStyle hatch;
    const char* name;
    Rule on;
};

const HatchCase kHatches[] = {
    {HatchStyle::Horizontal, "horizontal", [](int, int y, int p) { return mod8(y) == p; }},
    {HatchStyle::Vertical, "vertical", [](int x, int, int p) { return mod8(x) == p; }},
    // Forward diagonal runs from top left down to bottom right.
    {HatchStyle::ForwardDiagonal, "forward diagonal", [](int x, int y, int p) { return mod8(x - y) == p; }},
    {HatchStyle::BackwardDiagonal, "backward diagonal", [](int x, int y, int p) { return mod8(x + y) == p; }},
    {HatchStyle::Cross, "cross",
     [](int x, int y, int p) { return mod8(x) == p % 8 || mod8(y) == p / 8; }},
    {HatchStyle::DiagonalCross, "diagonal cross",
     [](int x, int y, int p) { return mod8(x - y) == p % 8 || mod8(x + y) == p / 8; }},
};

// Transparent gaps show the paper; opaque ones take the background colour.
TEST(HatchConformance, EachHatchHasItsPixelPatternWithItsGaps)
{
    for (const HatchCase& h : kHatches) {
        expect_pattern(hatched(h.hatch, BkMode::Transparent), h.on, kPaper, h.name);
        expect_pattern(hatched(h.hatch, BkMode::Opaque), h.on, kWhite, h.name);
    }
}

TEST(HatchConformance, PatternStaysOnTheSameGridUnderMask)
{
    for (const HatchCase& h : kHatches) {
        const Surface copy = hatched(h.hatch, BkMode::Transparent, Rop2::Copy);
        const Surface mask = hatched(h.hatch, BkMode::Transparent, Rop2::Mask);
        EXPECT_EQ(copy.image(), mask.image()) << h.name;
    }
}

TEST(HatchConformance, HatchLinesTakeTheBrushColourAndIgnoreTheFigureOrigin)
{
    Surface a(40, 40), b(40, 40);
    for (auto [s, left, top] : {std::tuple{&a, 0, 0}, std::tuple{&b, 3, 5}}) {
        ImageDC dc(*s);
        dc.select_pen(kNullPen);
        dc.select_brush(hatch_brush(HatchStyle::Cross, kRed));
        dc.rectangle(left, top, 40, 40);
    }
    int red = 0;
    for (int y = 5; y < 40; ++y)
        for (int x = 3; x < 40; ++x) {
            EXPECT_EQ(a.pixel(x, y), b.pixel(x, y));
            red += a.pixel(x, y) == kRed;
        }
    EXPECT_GT(red, 0);
}

// A picture with text, lines and shapes to draw over.
void draw_background(ImageDC& dc)
{
    dc.select_brush(solid_brush(rgb(30, 160, 90)));
    dc.ellipse(5, 5, 70, 60);
    dc.select_pen(Pen{kBlue, 3, PenStyle::Solid});
    dc.move_to(0, 79);
    dc.line_to(119, 0);
    dc.set_text_colour(kRed);
    dc.text_out(60, 50, "Xor ABC");
    dc.restore_objects();
}

void draw_figures(ImageDC& dc)
{
    dc.select_pen(Pen{rgb(255, 128, 0), 1, PenStyle::Solid});
    dc.select_brush(hatch_brush(HatchStyle::DiagonalCross, rgb(0, 90, 255)));
    dc.ellipse(10, 10, 60, 50);
    dc.pie(40, 20, 110, 75, 110, 40, 40, 20);
    dc.chord(0, 30, 50, 79, 50, 79, 0, 30);
    const DevPoint tri[] = {{5, 70}, {100, 10}, {115, 75}, {5, 70}};
    dc.polygon(tri);
    dc.select_pen(Pen{kGreen, 1, PenStyle::Dash});
    dc.move_to(0, 0);
    dc.line_to(119, 79);
    dc.line_to(0, 40);
    dc.select_pen(Pen{kRed, 4, PenStyle::Solid});
    dc.select_brush(solid_brush(kGrey));
    dc.rectangle(70, 5, 118, 30);
    dc.arc(20, 20, 100, 70, 20, 20, 20, 20);
    const DevPoint zig[] = {{0, 10}, {30, 70}, {60, 10}, {90, 70}};
    dc.polyline(zig);
    dc.restore_objects();
}

TEST(RopConformance, XorOrNotTwiceRestoresThePicture)
{
    for (Rop2 rop : {Rop2::Xor, Rop2::Not}) {
        Surface s(120, 80);
        ImageDC dc(s);
        draw_background(dc);
        const QImage before = s.image().copy();
        dc.set_rop2(rop);
        draw_figures(dc);
        EXPECT_NE(s.image(), before) << static_cast<int>(rop);
        draw_figures(dc);
        EXPECT_EQ(s.image(), before) << static_cast<int>(rop);
    }
}

// A solid red or yellow rectangle over black on the left and another colour
// on the right.
TEST(RopConformance, SolidBrushCombinesWithWhatLiesBeneath)
{
    const struct {
        Rop2 rop;
        Colour brush, right, left_after, right_after;
    } cases[] = {
        {Rop2::Not, kRed, kWhite, kWhite, kBlack},  // whatever the colour
        {Rop2::Merge, kRed, kBlue, kRed, rgb(255, 0, 255)},
        {Rop2::Mask, rgb(255, 200, 0), kWhite, kBlack, rgb(255, 200, 0)},  // black stays black
    };
    for (const auto& c : cases) {
        Surface s(60, 40);
        ImageDC dc(s);
        dc.fill_rect({0, 0, 30, 40}, solid_brush(kBlack));
        dc.fill_rect({30, 0, 60, 40}, solid_brush(c.right));
        dc.set_rop2(c.rop);
        dc.select_pen(kNullPen);
        dc.select_brush(solid_brush(c.brush));
        dc.rectangle(0, 0, 60, 40);
        EXPECT_EQ(s.pixel(10, 10), c.left_after) << static_cast<int>(c.rop);
        EXPECT_EQ(s.pixel(40, 10), c.right_after) << static_cast<int>(c.rop);
    }
}

TEST(RopConformance, MaskWithAWhiteOutlineDrawsNoBorder)
{
    Surface s(60, 40);
    ImageDC dc(s);
    dc.fill_rect({0, 0, 30, 40}, solid_brush(kBlack));
    dc.set_rop2(Rop2::Mask);
    dc.select_pen(kWhitePen);
    dc.select_brush(solid_brush(rgb(255, 200, 0)));
    dc.rectangle(5, 5, 55, 35);
    for (int x = 5; x < 30; ++x)
        EXPECT_EQ(s.pixel(x, 20), kBlack) << x;
    EXPECT_EQ(s.pixel(54, 20), kWhite);
    EXPECT_EQ(s.pixel(40, 5), kWhite);
}

TEST(RopConformance, MaskWithHatchKeepsWhatLiesUnderTheGaps)
{
    Surface s(32, 32);
    ImageDC dc(s);
    dc.fill_rect({0, 0, 32, 32}, solid_brush(rgb(0, 255, 255)));
    dc.set_bk_mode(BkMode::Transparent);
    dc.set_rop2(Rop2::Mask);
    dc.select_pen(kWhitePen);
    dc.select_brush(hatch_brush(HatchStyle::Horizontal, rgb(255, 0, 255)));
    dc.rectangle(0, 0, 32, 32);
    int blue = 0, cyan = 0;
    for (int y = 1; y < 31; ++y) {
        const Colour c = s.pixel(10, y);
        blue += c == kBlue;  // cyan AND magenta
        cyan += c == rgb(0, 255, 255);
    }
    EXPECT_GT(blue, 0);
    EXPECT_GT(cyan, blue);
    EXPECT_EQ(blue + cyan, 30);
}

TEST(RopConformance, XorLinesTouchEachPixelOnceAtTheJoins)
{
    Surface s(40, 20);
    ImageDC dc(s);
    dc.set_rop2(Rop2::Xor);
    dc.select_pen(kWhitePen);
    dc.move_to(2, 5);
    dc.line_to(20, 5);
    dc.line_to(30, 5);
    for (int x = 2; x < 30; ++x)
        EXPECT_EQ(s.pixel(x, 5), kBlack) << x;  // the join at 20 is not undone
    EXPECT_EQ(s.pixel(30, 5), kWhite);          // the end pixel is left out
    EXPECT_EQ(s.pixel(1, 5), kWhite);
}

TEST(RopConformance, StyledThinPensFollowTheirDashes)
{
    struct Case {
        PenStyle style;
        const char* runs;  // first 24 pixels, '#' drawn
    };
    const Case cases[] = {
        {PenStyle::Solid, "########################"},
        {PenStyle::Dash, "##################......"},
        {PenStyle::Dot, "###...###...###...###..."},
        {PenStyle::DashDot, "#########......###......"},
        {PenStyle::DashDotDot, "#########...###...###..."},
        {PenStyle::Null, "........................"},
    };
    for (const Case& c : cases) {
        Surface s(40, 5);
        ImageDC dc(s);
        dc.set_rop2(Rop2::Xor);
        dc.select_pen(Pen{kWhite, 1, c.style});
        dc.move_to(0, 2);
        dc.line_to(30, 2);
        std::string seen;
        for (int x = 0; x < 24; ++x)
            seen += s.pixel(x, 2) == kBlack ? '#' : '.';
        EXPECT_EQ(seen, c.runs) << static_cast<int>(c.style);
    }
}

TEST(RopConformance, CopyDashedLineHasGapsAndWidePensAreWide)
{
    Surface s(100, 40);
    ImageDC dc(s);
    dc.select_pen(Pen{kBlack, 1, PenStyle::Dash});
    dc.move_to(0, 5);
    dc.line_to(99, 5);
    int gaps = 0;
    for (int x = 0; x < 99; ++x)
        gaps += !is_ink(s.pixel(x, 5));
    EXPECT_GT(gaps, 10);
    EXPECT_LT(gaps, 50);

    dc.select_pen(Pen{kBlack, 5, PenStyle::Solid});
    dc.move_to(10, 25);
    dc.line_to(90, 25);
    int rows = 0;
    for (int y = 15; y < 35; ++y)
        rows += is_ink(s.pixel(50, y));
    EXPECT_EQ(rows, 5);
}

TEST(RopConformance, FillRectIgnoresTheRasterOperationAndThePen)
{
    Surface s(20, 20);
    ImageDC dc(s);
    dc.set_rop2(Rop2::Xor);
    dc.select_pen(Pen{kBlue, 3, PenStyle::Solid});
    dc.fill_rect({2, 3, 12, 13}, solid_brush(kRed));
    EXPECT_EQ(ink_box(s), QRect(QPoint(2, 3), QPoint(11, 12)));
    EXPECT_EQ(s.pixel(2, 3), kRed);
    EXPECT_EQ(s.pixel(11, 12), kRed);
}

}  // namespace
