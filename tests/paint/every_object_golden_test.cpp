// One drawing with every kind of object, painted on screen and on paper:
// every drawing call with the pen, brush, font and
// modes it drew with is compared with a golden log, and the screen picture is
// painted for real and checked at a few pixels. With PLEXATOR_UPDATE_GOLDEN
// set the golden logs are rewritten.

#include <gtest/gtest.h>

#include <filesystem>

#include "paint/buttons.h"
#include "paint/conics.h"
#include "paint/draw_objects.h"
#include "paint/fills.h"
#include "paint/marks.h"
#include "paint/paint_diagram.h"
#include "paint_fixture.h"
#include "platform/image_dc.h"
#include "platform/surface.h"
#include "support/call_log.h"
#include "support/golden_file.h"

using namespace paint_test;

namespace {

constexpr int kMidpoint = 103;

// The midpoint M of A and B is left unsolved so that painting re-solves it.
struct EveryObject {
    RecordingNeighbours n;
    Diagram d{&n};
    int a = add_point(d, 60, 80, "A");
    int b = add_point(d, 200, 80, "B");
    int c = add_point(d, 120, 200, "C");  // no subscript: no positions from font metrics
    int m = 0;

    EveryObject()
    {
        m = add_object(d, kMidpoint, 1, {a, b});
        d.table[m].set_name("M");
        d.table[m].name_shown = 1;
        d.table[m].colour = kRed;
        d.table[m].size = 4;
        d.table[c].pen_style = 1;  // a hollow point
        add_object(d, otype::kSegment, 2, {a, b});
        const int bc = add_object(d, otype::kSegment, 2, {b, c}, kBlue);
        d.table[bc].size = 3;
        d.table[bc].pen_style = 1;
        const int o = add_point(d, 330, 140, "O");
        const int r = add_point(d, 380, 140, "R");
        const int s = add_point(d, 330, 90, "S");
        add_object(d, otype::kCircle, 2, {o, r}, kBlue);
        add_object(d, otype::kArc, 2, {o, s, r}, kRed);
        add_object(d, otype::kOneWayArrow, 2, {c, a}, kGreen);
        add_object(d, otype::kTwoWayArrow, 2, {add_point(d, 30, 260), add_point(d, 200, 260)});
        add_object(d, otype::kThreePointCircle, 2, {add_point(d, 480, 60), add_point(d, 540, 120), add_point(d, 480, 180)});
        add_object(d, otype::kThreePointArc, 2, {add_point(d, 600, 60), add_point(d, 660, 110), add_point(d, 600, 170)},
                   kRed);
        const int e = add_point(d, 120, 360, "E");
        add_object(d, otype::kEllipse, 2, {e, add_point(d, 140, 360), add_point(d, 120, 350)}, kBlue);
        const int h = add_point(d, 330, 360, "H");
        add_object(d, otype::kHyperbola, 2, {h, add_point(d, 340, 360), add_point(d, 330, 355)});
        add_object(d, otype::kParabola, 2, {add_point(d, 560, 392, "F"), add_point(d, 570, 400), add_point(d, 550, 400)},
                   kRed);
        add_object(d, otype::kMarkedSegment, 2, {add_point(d, 30, 450), add_point(d, 250, 450)});
        fill(otype::kFillTriangle, {a, b, c}, kGreen, kSolidFillStyle, 1, 4);
        fill(otype::kFillCircle, {add_point(d, 330, 500), add_point(d, 370, 500)}, rgb(255, 200, 0), 4, 1);
        const int q = add_point(d, 480, 520);
        fill(otype::kFillChord, {q, add_point(d, 540, 520), add_point(d, 480, 460)}, kBlue, kSolidFillStyle, 2);
        fill(otype::kFillPie, {add_point(d, 650, 520), add_point(d, 700, 520), add_point(d, 650, 470)}, kRed,
             kSolidFillStyle, 3);
        fill(otype::kFillPolygon,
             {add_point(d, 700, 200), add_point(d, 760, 220), add_point(d, 740, 300), add_point(d, 690, 280)},
             kGreen, 1, 2, 5);
        mark(otype::kSegmentMark, {a, b}, kRed, "a");
        mark(otype::kAngleMark, {b, a, c}, kBlue, "x");
        d.table[mark(otype::kFilledAngleMark, {a, b, c}, kGreen)].size = 3;
        mark(otype::kRadiusMark, {o, r}, kRed, "r");
        // A right angle, plain and filled.
        const int v = add_point(d, 560, 250, "V");
        const int v1 = add_point(d, 620, 250);
        const int v2 = add_point(d, 560, 190);
        mark(otype::kAngleMark, {v1, v, v2}, kBlue);
        mark(otype::kFilledAngleMark, {v1, v, v2}, kRed);
        add_text(d, 30, 520, "Every object type", 4);
        add_text(d, 30, 560, "small", 2, kRed);
        const int anim = add_object(d, otype::kAnimationButton, 7, {});
        place(d, anim, 560, 560);
        const int hide = add_object(d, otype::kHideButton, 7, {});
        place(d, hide, 680, 560);
        d.table[hide].set_name("Hide");
        d.table.last_quantity() = 0;  // the unit ruler
        for (int k = rec::kFirstObject; k < d.table.count(); ++k)
            if (d.table.get(k).cls == 1 && k != m)
                d.table[k].size = 2;  // as points are added
        d.table[b].block = 2;
        d.table[c].block = 2;
    }
    int fill(int type, std::initializer_list<int> args, Colour colour, int style, int rop, int name_dx = 0)
    {
        const int k = add_object(d, type, 3, args, colour);
        d.table[k].pen_style = style;
        d.table[k].size = rop;
        if (name_dx)
            d.table[k].name_dx = static_cast<std::int16_t>(name_dx);
        return k;
    }
    int mark(int type, std::initializer_list<int> args, Colour colour, const char* name = nullptr)
    {
        const int k = add_object(d, type, 4, args, colour);
        if (name) {
            d.table[k].set_name(name);
            d.table[k].name_shown = 1;
        }
        return k;
    }
};

void expect_golden(const std::string& name, const RecordingDC& dc)
{
    expect_golden_file("paint", name, call_log(dc));
}

}  // namespace

TEST(EveryObject, OnScreenMatchesTheGoldenLog)
{
    EveryObject f;
    RecordingDC dc;
    paint_diagram(f.d, dc, 1);
    expect_golden("every_object_screen.log", dc);
}

TEST(EveryObject, OnPaperMatchesTheGoldenLog)
{
    EveryObject f;
    print_mode(f.d);
    RecordingDC dc;
    paint_diagram(f.d, dc, 1);
    expect_golden("every_object_paper.log", dc);
}

TEST(EveryObject, PaintedPicture)
{
    EveryObject f;
    Surface picture(800, 600, kWhite);
    ImageDC dc(picture);
    paint_diagram(f.d, dc, 1);
    std::filesystem::create_directories(PLEXATOR_TEST_OUTPUT);
    EXPECT_TRUE(picture.save_png(output_path("paint_every_object.png")));
    // The midpoint re-solved and drawn in red, the triangle filled green,
    // the animation button's face, the ruler in green.
    EXPECT_EQ(f.d.table.get(f.m).x, 130);
    EXPECT_EQ(picture.pixel(130, 80), kRed);
    EXPECT_EQ(picture.pixel(130, 120), kGreen);
    EXPECT_EQ(picture.pixel(590, 580), kLightGrey);
    EXPECT_TRUE(picture.pixel(95, 17) == kGreen || picture.pixel(94, 17) == kGreen);
}
