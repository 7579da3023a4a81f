// Print mode, the page painter, pages painted in bands, and bitmaps of a drawing.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <filesystem>
#include <stdexcept>

#include "export/bitmap_export.h"
#include "export/export_fixture.h"
#include "export/offset_dc.h"
#include "export/page_bands.h"
#include "export/print_page.h"
#include "paint/paint_diagram.h"
#include "support/widgets_application.h"
#include "platform/image_dc.h"
#include "platform/recording_dc.h"
#include "platform/surface.h"

using namespace export_test;

namespace {

class Printing : public ::testing::Test {
protected:
    void SetUp() override { ensure_widgets_application(); }
};

// Two points, their segment, and a small red disc beside them.
Diagram page_diagram()
{
    Diagram d;
    const int a = add_point(d, 101, "A", 50, 50);
    const int b = add_point(d, 101, "B", 120, 90);
    const int c = add_point(d, 101, "", 100, 100);
    const int e = add_point(d, 101, "", 108, 100);
    d.table[c].shown = 0;
    d.table[e].shown = 0;
    add_object(d, 135, 2, {a, b});
    const int disc = add_object(d, 145, 3, {c, e});
    d.table[disc].colour = rgb(255, 0, 0);
    d.table[disc].pen_style = 6;
    d.table[a].size = 2;
    d.table[b].size = 2;
    return d;
}

TEST_F(Printing, PrintModeHoldsCommand210AndGivesBackWhatWasThere)
{
    Diagram d;
    ObjectTable& t = d.table;
    t.pending_command() = 116;
    t.print_scale() = 0.0;
    int seen_command = 0;
    double seen_scale = 0.0;
    RecordingDC dc;
    {
        const PrintMode mode(t);
        EXPECT_EQ(t.pending_command(), 210);
        paint_print_page(t, dc, [&](DeviceContext& page) {
            EXPECT_EQ(&page, &dc);
            seen_command = t.pending_command();
            seen_scale = t.print_scale();
        });
    }
    EXPECT_EQ(seen_command, 210);
    EXPECT_EQ(seen_scale, 6.0);
    EXPECT_EQ(t.pending_command(), 116);
    EXPECT_EQ(t.print_scale(), 0.0);

    // Print mode ends even when painting fails.
    try {
        const PrintMode mode(t);
        paint_print_page(t, dc, [](DeviceContext&) { throw std::runtime_error("no paper"); });
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(t.pending_command(), 116);
}

// A page painted band by band is the page painted whole.
TEST_F(Printing, BandsMakeTheSamePage)
{
    Diagram d = page_diagram();
    const DevSize page{900, 700};
    const auto paint = [&](DeviceContext& dc) {
        const PrintMode mode(d.table);
        paint_print_page(d.table, dc, [&](DeviceContext& p) { paint_diagram(d, p, 1); });
    };

    Surface whole(page.cx, page.cy, kWhite);
    {
        ImageDC dc(whole);
        paint(dc);
    }
    QImage banded(page.cx, page.cy, QImage::Format_RGB32);
    banded.fill(Qt::white);
    int drawn = 0;
    {
        QPainter painter(&banded);
        drawn = render_page_bands(painter, page, paint, 64);
    }
    // Eleven bands of 64 rows; the drawing covers rows 300 to 660 or so.
    EXPECT_GE(drawn, 5);
    EXPECT_LE(drawn, 8);
    int different = 0;
    for (int y = 0; y < page.cy; ++y)
        for (int x = 0; x < page.cx; ++x) {
            const QRgb p = banded.pixel(x, y);
            const QRgb q = whole.image().pixel(x, y);
            if ((p | 0xff000000u) != (q | 0xff000000u)) {
                ++different;
                ADD_FAILURE() << x << "," << y << ": " << std::hex << p << " vs " << q;
            }
        }
    EXPECT_EQ(different, 0);
    std::filesystem::create_directories(PLEXATOR_TEST_OUTPUT);
    banded.save(QString::fromStdString(output_path("banded_page.png")));
}

TEST_F(Printing, BandRowsKeepImagesSmall)
{
    EXPECT_EQ(band_rows_for(4961), 806);
    EXPECT_EQ(band_rows_for(1'000'000), 16);
    EXPECT_EQ(band_rows_for(100), 4096);
}

TEST_F(Printing, OffsetContextHandsOnStateAndShiftedFigures)
{
    RecordingDC target({100, 50});
    OffsetDC dc(target, {1000, 1000}, {10, 200});
    EXPECT_EQ(dc.size(), (DevSize{1000, 1000}));
    const Pen pen{rgb(1, 2, 3), 4, PenStyle::Dot};
    dc.select_pen(pen);
    dc.set_rop2(Rop2::Xor);
    dc.move_to(15, 210);
    dc.line_to(25, 230);
    dc.pie(0, 200, 20, 220, 20, 210, 0, 210);
    const DevPoint triangle[] = {{10, 200}, {20, 200}, {10, 210}};
    dc.polygon(triangle);
    const std::vector<RecordedCall> drawn = target.drawing_calls();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0].canonical, "line_to(15,30)");
    EXPECT_EQ(drawn[0].state.position, (DevPoint{5, 10}));
    EXPECT_EQ(drawn[0].state.pen, pen);
    EXPECT_EQ(drawn[0].state.rop, Rop2::Xor);
    EXPECT_EQ(drawn[1].canonical, "pie(-10,0,10,20,10,10,-10,10)");
    EXPECT_EQ(drawn[2].args, (std::vector<int>{0, 0, 10, 0, 0, 10}));
    EXPECT_EQ(dc.position(), (DevPoint{25, 230}));
}

}  // namespace
