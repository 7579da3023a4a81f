// Draws one sheet of every primitive for a reviewer's eye and saves it as PNG.

#include "platform/image_dc.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

constexpr int kCellW = 170, kCellH = 140;

using Cell = std::function<void(ImageDC&, int x, int y)>;

void caption(ImageDC& dc, int x, int y, const std::string& text)
{
    dc.set_bk_mode(BkMode::Transparent);
    dc.set_text_colour(kBlack);
    dc.select_font(Font{14, "", 0, false});
    dc.text_out(x + 4, y + 2, text);
    dc.restore_objects();
}

void reference_cross(ImageDC& dc, int x, int y)
{
    dc.select_pen(Pen{kRed, 1, PenStyle::Solid});
    dc.move_to(x - 4, y);
    dc.line_to(x + 5, y);
    dc.move_to(x, y - 4);
    dc.line_to(x, y + 5);
    dc.restore_pen();
}

TEST(ConformanceSheet, WritesThePng)
{
    const std::vector<std::pair<std::string, Cell>> cells = {
        {"arc 0 to 90 ccw", [](ImageDC& dc, int x, int y) {
             dc.arc(x + 40, y + 30, x + 130, y + 120, x + 130, y + 75, x + 85, y + 30);
             reference_cross(dc, x + 130, y + 75);
         }},
        {"arc 90 to 0 ccw", [](ImageDC& dc, int x, int y) {
             dc.arc(x + 40, y + 30, x + 130, y + 120, x + 85, y + 30, x + 130, y + 75);
             reference_cross(dc, x + 85, y + 30);
         }},
        {"arc equal ends", [](ImageDC& dc, int x, int y) {
             dc.select_pen(Pen{kBlue, 3, PenStyle::Solid});
             dc.arc(x + 20, y + 40, x + 150, y + 110, x + 150, y + 40, x + 150, y + 40);
         }},
        {"chord 0 to 90", [](ImageDC& dc, int x, int y) {
             dc.select_brush(solid_brush(rgb(120, 170, 255)));
             dc.chord(x + 40, y + 30, x + 130, y + 120, x + 130, y + 75, x + 85, y + 30);
         }},
        {"pie 0 to 90 (+1 box)", [](ImageDC& dc, int x, int y) {
             dc.select_brush(solid_brush(rgb(255, 200, 120)));
             dc.pie(x + 41, y + 30, x + 131, y + 120, x + 130, y + 75, x + 85, y + 30);
         }},
        {"pie 90 to 0", [](ImageDC& dc, int x, int y) {
             dc.select_brush(hatch_brush(HatchStyle::DiagonalCross, kRed));
             dc.pie(x + 40, y + 30, x + 130, y + 120, x + 85, y + 30, x + 130, y + 75);
         }},
    };
    std::vector<std::pair<std::string, Cell>> all = cells;
    const char* hatch_names[] = {"horizontal", "vertical", "forward diag", "backward diag", "cross",
                                 "diagonal cross"};
    for (int h = 0; h < 6; ++h)
        all.push_back({std::string("hatch ") + hatch_names[h], [h](ImageDC& dc, int x, int y) {
                           dc.select_brush(hatch_brush(static_cast<HatchStyle>(h), kBlue));
                           dc.set_bk_mode(BkMode::Transparent);
                           dc.rectangle(x + 20, y + 25, x + 150, y + 125);
                       }});
    const std::pair<const char*, Rop2> rops[] = {
        {"mask (white pen)", Rop2::Mask}, {"xor", Rop2::Xor}, {"merge", Rop2::Merge}, {"not", Rop2::Not}};
    for (auto [name, rop] : rops)
        all.push_back({name, [rop](ImageDC& dc, int x, int y) {
                           dc.fill_rect({x + 20, y + 25, x + 85, y + 125}, solid_brush(kBlack));
                           dc.fill_rect({x + 85, y + 25, x + 150, y + 125}, solid_brush(rgb(0, 200, 200)));
                           dc.set_rop2(rop);
                           dc.select_pen(kWhitePen);
                           dc.select_brush(solid_brush(rgb(255, 180, 0)));
                           dc.ellipse(x + 40, y + 40, x + 130, y + 110);
                           dc.set_rop2(Rop2::Copy);
                       }});
    all.push_back({"pen styles", [](ImageDC& dc, int x, int y) {
                       for (int s = 0; s < 6; ++s) {
                           dc.select_pen(Pen{kBlack, 1, static_cast<PenStyle>(s)});
                           dc.move_to(x + 15, y + 30 + 12 * s);
                           dc.line_to(x + 155, y + 30 + 12 * s);
                       }
                       dc.select_pen(Pen{kGreen, 4, PenStyle::Solid});
                       dc.move_to(x + 15, y + 110);
                       dc.line_to(x + 155, y + 125);
                   }});
    all.push_back({"text at its top left", [](ImageDC& dc, int x, int y) {
                       dc.select_font(Font{18, "Time New Roman", 0, false});
                       dc.set_bk_colour(rgb(255, 255, 160));
                       dc.text_out(x + 20, y + 35, "A1 Hg \u2229\u2220\u22A5\u2225\u2260\uFF1A");
                       reference_cross(dc, x + 20, y + 35);
                       dc.select_font(Font{64, "Time New Roman", 0, false});
                       dc.set_bk_mode(BkMode::Transparent);
                       dc.set_text_colour(kBlue);
                       dc.text_out(x + 20, y + 60, "Ag");
                       reference_cross(dc, x + 20, y + 60);
                   }});
    all.push_back({"boxes: point r3, rect", [](ImageDC& dc, int x, int y) {
                       dc.select_brush(solid_brush(kBlack));
                       dc.ellipse(x + 37, y + 47, x + 43, y + 53);
                       dc.select_brush(kWhiteBrush);
                       dc.ellipse(x + 57, y + 47, x + 63, y + 53);
                       dc.select_brush(solid_brush(kGreen));
                       dc.rectangle(x + 80, y + 40, x + 150, y + 65);
                       const DevPoint poly[] = {{x + 20, y + 120}, {x + 80, y + 75}, {x + 150, y + 125}, {x + 20, y + 120}};
                       dc.select_brush(hatch_brush(HatchStyle::BackwardDiagonal, kRed));
                       dc.polygon(poly);
                   }});

    const int columns = 4;
    const int rows = static_cast<int>((all.size() + columns - 1) / columns);
    Surface sheet(columns * kCellW, rows * kCellH);
    ImageDC dc(sheet);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const int x = static_cast<int>(i % columns) * kCellW;
        const int y = static_cast<int>(i / columns) * kCellH;
        dc.select_pen(Pen{kLightGrey, 1, PenStyle::Solid});
        dc.select_brush(kHollowBrush);
        dc.rectangle(x, y, x + kCellW, y + kCellH);
        dc.restore_objects();
        all[i].second(dc, x, y);
        dc.restore_objects();
        dc.set_rop2(Rop2::Copy);
        dc.set_bk_mode(BkMode::Opaque);
        dc.set_bk_colour(kWhite);
        dc.set_text_colour(kBlack);
        caption(dc, x, y, all[i].first);
    }
    ASSERT_TRUE(QDir().mkpath(PLEXATOR_TEST_OUTPUT));
    const std::string path = std::string(PLEXATOR_TEST_OUTPUT) + "/platform_conformance.png";
    ASSERT_TRUE(sheet.save_png(path));
    QImage back(QString::fromStdString(path));
    EXPECT_EQ(back.size(), sheet.image().size());
}

}  // namespace
