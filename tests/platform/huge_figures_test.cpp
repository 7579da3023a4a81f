// Figures reaching far beyond the picture (device values up to 2^28, as a
// failed or far-away construction gives) are drawn where they cross the
// picture, quickly and without exhausting memory.

#include "pixel_probe.h"
#include "platform/clip_geometry.h"
#include "platform/image_dc.h"

#include <gtest/gtest.h>

namespace {

constexpr int kFar = 1 << 28;

TEST(HugeFigures, CircleWhoseTopCrossesThePictureIsAStraightLineThere)
{
    for (Rop2 rop : {Rop2::Copy, Rop2::Xor}) {
        Surface s(400, 300);
        ImageDC dc(s);
        dc.set_rop2(rop);
        dc.select_pen(Pen{kRed, 1, PenStyle::Solid});
        dc.select_brush(kHollowBrush);
        dc.ellipse(200 - kFar / 2, 150, 200 + kFar / 2, 150 + kFar);
        for (int x : {5, 200, 395})
            EXPECT_TRUE(inked_near(s, x, 150, 1)) << x;
        EXPECT_FALSE(inked_near(s, 200, 100, 5));
        EXPECT_FALSE(inked_near(s, 200, 200, 5));
    }
}

TEST(HugeFigures, FarLinesAreCutAndKeepTheirCourse)
{
    Surface s(400, 300);
    ImageDC dc(s);
    dc.move_to(-kFar, 100);
    dc.line_to(kFar, 100);
    for (int x : {0, 200, 399})
        EXPECT_TRUE(inked_near(s, x, 100, 0)) << x;

    Surface x(400, 300);
    ImageDC xdc(x);
    xdc.set_rop2(Rop2::Xor);
    xdc.select_pen(Pen{kWhite, 1, PenStyle::Dash});
    for (int pass = 0; pass < 2; ++pass) {
        xdc.move_to(-kFar, -kFar);
        xdc.line_to(kFar, kFar);
        const DevPoint zig[] = {{-kFar, 20}, {kFar, 40}, {0, kFar}};
        xdc.polyline(zig);
        if (pass == 0) {
            // The dashes stay where they are on the whole line: 2^28 + 145 is
            // 17 into the 24-pixel period (drawn), 2^28 + 150 is 22 (a gap).
            EXPECT_EQ(x.pixel(145, 145), kBlack);
            EXPECT_EQ(x.pixel(150, 150), kWhite);
        }
    }
    EXPECT_TRUE(ink_box(x).isNull());
}

TEST(HugeFigures, HugeFillsCoverThePictureAndHugePiesKeepTheirSector)
{
    Surface s(400, 300);
    ImageDC dc(s);
    dc.select_brush(solid_brush(kRed));
    const DevPoint tri[] = {{-kFar, -kFar}, {kFar, 0}, {0, kFar}};
    dc.polygon(tri);
    EXPECT_EQ(s.pixel(200, 150), kRed);
    EXPECT_EQ(s.pixel(0, 0), kRed);

    Surface p(400, 300);
    ImageDC pdc(p);
    pdc.select_brush(solid_brush(kBlue));
    // Centre (200, 150): the quarter from 3 o'clock to 12 o'clock.
    pdc.pie(200 - kFar, 150 - kFar, 200 + kFar, 150 + kFar, 300, 150, 200, 50);
    EXPECT_EQ(p.pixel(300, 50), kBlue);
    EXPECT_EQ(p.pixel(100, 50), kWhite);
    EXPECT_EQ(p.pixel(300, 250), kWhite);

    dc.fill_rect({-kFar, -kFar, kFar, kFar}, solid_brush(kGreen));
    EXPECT_EQ(s.pixel(399, 299), kGreen);
    dc.rectangle(-kFar, 10, kFar, 20);
    EXPECT_EQ(s.pixel(200, 10), kBlack);
    EXPECT_EQ(s.pixel(200, 15), kRed);
}

TEST(HugeFigures, BlocksAndTextFarAwayDoNothingHarmful)
{
    Surface src(50, 50, kBlue);
    ImageDC from(src);
    Surface s(100, 100);
    ImageDC dc(s);
    dc.bit_blt(kFar, kFar, kFar, kFar, from, 0, 0, BlitOp::Copy);
    dc.bit_blt(0, 0, 0x7fffffff, 0x7fffffff, from, -kFar, -kFar, BlitOp::Copy);
    EXPECT_TRUE(ink_box(s).isNull());
    dc.bit_blt(-10, -10, 0x7fffffff, 0x7fffffff, from, 0, 0, BlitOp::Copy);
    EXPECT_EQ(ink_box(s), QRect(0, 0, 40, 40));
    dc.text_out(kFar, kFar, "far");
    dc.text_out(-kFar, -kFar, "far");
    EXPECT_EQ(ink_box(s), QRect(0, 0, 40, 40));
}

TEST(ClipGeometry, SegmentsAndPolygonsAreCutToTheArea)
{
    const QRectF area(0, 0, 100, 50);
    QPointF a(-50, 25), b(150, 25);
    ASSERT_TRUE(clip_segment(a, b, area));
    EXPECT_EQ(a, QPointF(0, 25));
    EXPECT_EQ(b, QPointF(100, 25));
    QPointF c(-50, -10), d(-10, 80);
    EXPECT_FALSE(clip_segment(c, d, area));
    QPointF e(10, 10), f(20, 20);
    ASSERT_TRUE(clip_segment(e, f, area));
    EXPECT_EQ(f, QPointF(20, 20));

    const QPolygonF big{{-100, -100}, {200, -100}, {200, 200}, {-100, 200}};
    EXPECT_EQ(clip_polygon(big, area).boundingRect(), area);
    const QPolygonF away{{200, 200}, {300, 200}, {300, 300}};
    EXPECT_TRUE(clip_polygon(away, area).isEmpty());
}

TEST(ClipGeometry, FlatteningIsFineNearTheAreaAndCoarseAway)
{
    const QRectF area(0, 0, 400, 300);
    const double r = 1e8;
    const QRectF rect(200 - r, 150, 2 * r, 2 * r);  // top at (200, 150)
    const QPolygonF points = flatten_elliptic_arc(rect, 0.0, 360.0, area);
    EXPECT_LT(points.size(), 2000);
    int near = 0;
    for (const QPointF& p : points)
        if (area.contains(p)) {
            ++near;
            EXPECT_NEAR(p.y(), 150.0 + (p.x() - 200) * (p.x() - 200) / (2 * r), 0.3);
        }
    EXPECT_GE(near, 1);
    // A small circle: every point on it.
    const QPolygonF small = flatten_elliptic_arc(QRectF(10, 10, 40, 40), 0.0, 90.0, area);
    for (const QPointF& p : small)
        EXPECT_NEAR(std::hypot(p.x() - 30, p.y() - 30), 20.0, 1e-9);
    EXPECT_NEAR(small.first().x(), 50.0, 1e-9);
    EXPECT_NEAR(small.last().y(), 10.0, 1e-9);
}

}  // namespace
