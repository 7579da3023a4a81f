#include "paint/marks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>

#include "paint_fixture.h"
#include "platform/image_dc.h"
#include "platform/surface.h"
#include "support/call_log.h"
#include "support/golden_file.h"

using namespace paint_test;

namespace {

int add_mark(Diagram& d, int type, std::initializer_list<int> args, int size = 2,
             const char* name = "a", int name_shown = 0, Colour colour = kBlue)
{
    const int i = add_object(d, type, 4, args, colour);
    d.table[i].size = size;
    d.table[i].set_name(name);
    d.table[i].name_shown = name_shown;
    return i;
}

}  // namespace

// Segment marks, arrows and angle marks drawn, every case compared call by
// call with a golden log (paint/marks.log).
TEST(Marks, DrawingMatchesTheGoldenLog)
{
    // An angle mark of the given size at v (100, 100) with arms at the given
    // directions and lengths, drawn from q to p.
    const auto angle = [](RecordingDC& dc, double first, double second, int size = 2, double arm = 100.0,
                          int mode = 1, const char* name = "a", int name_shown = 0) {
        Diagram d;
        const int v = add_point(d, 100, 100);
        const int p = add_polar(d, 100, 100, arm, first);
        const int q = add_polar(d, 100, 100, 100, second);
        const int mark = add_mark(d, otype::kAngleMark, {p, v, q}, size, name, name_shown);
        draw_mark(d, &dc, mode, mark, v, q, p);
    };
    const auto arrow = [](RecordingDC& dc, double length) {
        Diagram d;
        draw_length_mark(d, dc, 1, 0, add_point(d, 100, 100), add_point(d, 100 + length, 100), otype::kOneWayArrow, kBlack);
    };
    const std::pair<std::string, std::function<void(RecordingDC&)>> cases[] = {
        {"segment mark feedback: dimension line and markers, no ticks or name",
         [](RecordingDC& dc) {
             Diagram d;
             draw_segment_mark(d, &dc, -1, 0, add_point(d, 100, 100), add_point(d, 190, 100));
         }},
        // The head is half the whole length, at most eight; none below two.
        {"arrow 30", [&](RecordingDC& dc) { arrow(dc, 30.0); }},
        {"arrow 16", [&](RecordingDC& dc) { arrow(dc, 16.0); }},
        {"arrow 9.9", [&](RecordingDC& dc) { arrow(dc, 9.9); }},
        {"arrow 1.5", [&](RecordingDC& dc) { arrow(dc, 1.5); }},
        {"only the radius mark writes its name, in the font colour",
         [](RecordingDC& dc) {
             Diagram d;
             const int a = add_point(d, 100, 100);
             const int b = add_point(d, 160, 140);
             d.table.font_colour() = kGreen;
             const int radius = add_mark(d, otype::kRadiusMark, {a, b}, 1, "r", 1, kRed);
             const int named_arrow = add_object(d, otype::kOneWayArrow, 2, {a, b});
             d.table[named_arrow].name_shown = 1;
             draw_length_mark(d, dc, 1, radius, a, b, otype::kRadiusMark, kRed);
             draw_length_mark(d, dc, -1, named_arrow, a, b, otype::kOneWayArrow, kBlack);
         }},
        // The radius is five times the size plus five, at most the shorter arm.
        {"angle size 2", [&](RecordingDC& dc) { angle(dc, 0, 45); }},
        {"angle size 0", [&](RecordingDC& dc) { angle(dc, 0, 45, 0); }},
        {"angle arm 9.7", [&](RecordingDC& dc) { angle(dc, 0, 45, 2, 9.7); }},
        {"angle arm 1.5", [&](RecordingDC& dc) { angle(dc, 0, 45, 2, 1.5); }},
        // The smaller angle, across zero, in either order.
        {"angle 350 to 10", [&](RecordingDC& dc) { angle(dc, 350, 10); }},
        {"angle 10 to 350", [&](RecordingDC& dc) { angle(dc, 10, 350); }},
        // Arms less than a degree apart draw nothing.
        {"angle 0 to 0.5", [&](RecordingDC& dc) { angle(dc, 0, 0.5); }},
        {"angle 359.75 to 0.25", [&](RecordingDC& dc) { angle(dc, 359.75, 0.25); }},
        {"angle 120 to 120.5 feedback", [&](RecordingDC& dc) { angle(dc, 120, 120.5, 2, 100, -1); }},
        {"right angle: a square corner with a dot", [&](RecordingDC& dc) { angle(dc, 0, 90); }},
        {"nearly right: an arc", [&](RecordingDC& dc) { angle(dc, 0, 89.4); }},
        {"feedback: a pie with the caller's brush",
         [&](RecordingDC& dc) {
             dc.select_brush(hatch_brush(HatchStyle::DiagonalCross, kGrey));
             angle(dc, 0, 90, 2, 100, -1);
         }},
        {"name on the bisector beyond the arc", [&](RecordingDC& dc) { angle(dc, 60, 120, 2, 100, 1, "a", 1); }},
        {"straight angle: the name on the swept side", [&](RecordingDC& dc) { angle(dc, 0, 180, 2, 100, 1, "a", 1); }},
    };
    std::string log;
    for (const auto& [name, draw] : cases) {
        RecordingDC dc;
        dc.select_pen(Pen{kBlack, 3, PenStyle::Dash});  // the caller's
        draw(dc);
        log += name + "\n" + call_log(dc) + selected_objects(dc);
    }
    expect_golden_file("paint", "marks.log", log);
}

TEST(SegmentMark, PickIsNearTheDimensionLineBetweenItsEnds)
{
    Diagram d;
    const int a = add_point(d, 100, 100);
    const int b = add_point(d, 200, 100);
    const int up = add_point(d, 300, 100);
    const int down = add_point(d, 300, 200);  // vertical segment: mark at x 310
    const int horizontal = add_mark(d, otype::kSegmentMark, {a, b});
    const int vertical = add_mark(d, otype::kSegmentMark, {up, down});
    const struct {
        int mark, a, b;
        DevPoint mouse;
        bool picked;
    } cases[] = {
        {horizontal, a, b, {150, 93}, true},
        {horizontal, a, b, {150, 86}, true},
        {horizontal, a, b, {150, 96}, false},  // 6 from the line
        {horizontal, a, b, {150, 100}, false},  // on the segment itself
        {horizontal, a, b, {95, 90}, false},    // beyond an end
        {vertical, up, down, {312, 150}, true},
        {vertical, up, down, {312, 205}, false},
    };
    for (const auto& c : cases) {
        d.table.picked_index() = 0;
        draw_segment_mark(d, nullptr, kPickMode, c.mark, c.a, c.b, c.mouse);
        EXPECT_EQ(d.table.picked_index(), c.picked ? c.mark : 0)
            << "mouse " << c.mouse.x << "," << c.mouse.y;
    }
}

TEST(AngleMark, FilledMarkOverABlackLineLeavesTheLineBlack)
{
    Diagram d;
    const int v = add_point(d, 20, 80);
    const int p = add_point(d, 120, 80);
    const int q = add_polar(d, 20, 80, 100, 60);
    const int mark = add_mark(d, otype::kFilledAngleMark, {p, v, q}, 10, "a", 0, kRed);  // radius 55
    Surface s(140, 100, kWhite);
    ImageDC dc(s);
    dc.fill_rect({0, 60, 140, 63}, solid_brush(kBlack));
    draw_mark(d, &dc, 1, mark, v, q, p);
    EXPECT_EQ(s.pixel(50, 61), kBlack);
    EXPECT_EQ(s.pixel(50, 70), kRed);
    EXPECT_EQ(s.pixel(50, 10), kWhite);  // outside the sector
}

TEST(AngleMark, PickRules)
{
    Diagram d;
    const int v = add_point(d, 100, 100);
    const int p = add_point(d, 200, 100);
    const int q = add_polar(d, 100, 100, 100, 45);
    const int up = add_point(d, 100, 0);
    const int arc = add_mark(d, otype::kAngleMark, {p, v, q});
    const int sector = add_mark(d, otype::kFilledAngleMark, {p, v, q});
    const int corner = add_mark(d, otype::kAngleMark, {p, v, up});
    const int square = add_mark(d, otype::kFilledAngleMark, {p, v, up});
    const struct {
        int mark, arm;
        DevPoint mouse;
        bool picked;
    } cases[] = {
        {arc, q, {114, 94}, true},     // on the arc, inside the angle
        {arc, q, {105, 97}, false},    // well inside the arc
        {arc, q, {100, 85}, false},    // on the circle, outside the angle
        {sector, q, {105, 97}, true},  // anywhere inside the sector
        {sector, q, {120, 92}, false},
        {corner, up, {110, 96}, true},   // near the vertical outer side
        {corner, up, {104, 90}, true},   // near the horizontal outer side
        {corner, up, {104, 110}, false}, // beyond the side's ends
        {square, up, {104, 96}, true},   // inside the square
        {square, up, {110, 96}, false},
    };
    for (const auto& c : cases) {
        d.table.picked_index() = 0;
        draw_mark(d, nullptr, kPickMode, c.mark, v, p, c.arm, c.mouse);
        EXPECT_EQ(d.table.picked_index(), c.picked ? c.mark : 0)
            << "mark " << c.mark << " mouse " << c.mouse.x << "," << c.mouse.y;
    }
}

// A failed point (at the origin) draws and picks nothing, whichever mark needs it.
TEST(Marks, MissingPointDrawsAndPicksNothing)
{
    Diagram d;
    const int v = add_point(d, 100, 100);
    const int p = add_point(d, 200, 100);
    const int failed = add_point(d, 0, 0);
    const int near_origin = add_point(d, 0.3, 0.2);
    const int angle = add_mark(d, otype::kFilledAngleMark, {p, v, failed});
    const int segment = add_mark(d, otype::kSegmentMark, {v, failed}, 1, "m", 1);
    RecordingDC dc;
    draw_mark(d, &dc, 1, angle, v, failed, p);
    draw_mark(d, nullptr, kPickMode, angle, v, p, failed, {105, 97});
    draw_segment_mark(d, &dc, 1, segment, v, failed);
    draw_segment_mark(d, nullptr, kPickMode, segment, v, failed, {50, 50});
    draw_length_mark(d, dc, -1, 0, near_origin, v, otype::kTwoWayArrow, kBlack);
    EXPECT_TRUE(dc.log().empty());
    EXPECT_EQ(d.table.picked_index(), 0);
}
