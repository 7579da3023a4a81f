// The feedback figures (markers, rubber lines, arcs about a centre), every
// case compared call by call with a golden log (paint/feedback.log), with the
// pen and brush each leaves selected.

#include "paint/feedback.h"

#include <gtest/gtest.h>

#include <functional>

#include "paint_fixture.h"
#include "support/call_log.h"
#include "support/golden_file.h"

using namespace paint_test;

TEST(Feedback, EveryFigureMatchesTheGoldenLog)
{
    Diagram d;
    const int c = add_point(d, 100, 100);
    const int p = add_point(d, 130, 140);
    const int east = add_point(d, 150, 100);
    const int north = add_point(d, 100, 50);
    const int failed = add_point(d, 0, 0);
    const int left_edge = add_point(d, 0, 100);  // one coordinate 0 is a position
    const int a = add_point(d, 30, 60);
    const int b = add_point(d, 90, 60);
    const int edge = add_point(d, 0, 90);
    const int s = add_point(d, 100, 200);
    const int t = add_point(d, 300, 300);
    const int up = add_point(d, 100.00005, 500);  // within 0.0001 of vertical above s
    const int far_a = add_point(d, 1500, 1500);
    const int far_c = add_point(d, 1600, 1400);
    const int m = add_point(d, 500, 500);
    const int diagonal = add_point(d, 600, 600);
    const int right = add_point(d, 600, 500);
    const int below = add_point(d, 500, 600);
    const int r1 = add_point(d, 10, 10);
    const int r2 = add_point(d, 40, 50);

    const std::pair<const char*, std::function<void(Diagram&, RecordingDC&)>> cases[] = {
        {"arc_cpq full circle", [&](Diagram& g, RecordingDC& dc) { draw_arc_cpq(g, dc, c, p, p); }},
        {"arc_cpq from p counter-clockwise to q", [&](Diagram& g, RecordingDC& dc) { draw_arc_cpq(g, dc, c, east, north); }},
        {"arc_cpq missing points", [&](Diagram& g, RecordingDC& dc) {
             draw_arc_cpq(g, dc, c, failed, north);
             draw_arc_cpq(g, dc, failed, east, north);
             draw_arc_cpq(g, dc, c, east, failed);
         }},
        {"arc_cpq through the left edge", [&](Diagram& g, RecordingDC& dc) { draw_arc_cpq(g, dc, c, left_edge, left_edge); }},
        {"cross", [&](Diagram& g, RecordingDC& dc) { draw_cross(g, dc, a); }},
        {"cross at x 0", [&](Diagram& g, RecordingDC& dc) { draw_cross(g, dc, edge); }},
        {"segment marker", [&](Diagram& g, RecordingDC& dc) { draw_marker2(g, dc, a, b); }},
        {"segment marker from x 0", [&](Diagram& g, RecordingDC& dc) { draw_marker2(g, dc, edge, b); }},
        {"segment marker missing an end", [&](Diagram& g, RecordingDC& dc) { draw_marker2(g, dc, failed, b); }},
        {"circle marker", [&](Diagram& g, RecordingDC& dc) { draw_marker4(g, dc, c, p); }},
        {"parallel through s and t", [&](Diagram& g, RecordingDC& dc) { draw_rubber_line(g, dc, 1, s, s, t); }},
        {"parallel without c: horizontal", [&](Diagram& g, RecordingDC& dc) { draw_rubber_line(g, dc, 1, s, s, 0); }},
        {"parallel nearly vertical", [&](Diagram& g, RecordingDC& dc) { draw_rubber_line(g, dc, 1, s, up, s); }},
        {"parallel missing the square", [&](Diagram& g, RecordingDC& dc) { draw_rubber_line(g, dc, 1, far_a, far_a, far_c); }},
        {"parallel wiped", [&](Diagram& g, RecordingDC& dc) { draw_rubber_line(g, dc, 0, s, s, t); }},
        {"perpendicular", [&](Diagram& g, RecordingDC& dc) { draw_rubber_line2(g, dc, 1, m, diagonal, m); }},
        {"perpendicular to a horizontal", [&](Diagram& g, RecordingDC& dc) { draw_rubber_line2(g, dc, 1, m, right, m); }},
        {"perpendicular to a vertical", [&](Diagram& g, RecordingDC& dc) { draw_rubber_line2(g, dc, 1, m, below, m); }},
        {"circle of radius pq about c", [&](Diagram& g, RecordingDC& dc) { draw_arc_cd(g, dc, 1, c, r1, r2); }},
    };
    std::string log;
    for (bool printing : {false, true}) {
        Diagram& g = d;
        if (printing)
            print_mode(g, 1.0);
        for (const auto& [name, draw] : cases) {
            RecordingDC dc;
            draw(g, dc);
            log += std::string(printing ? "paper: " : "screen: ") + name + "\n" + call_log(dc) + selected_objects(dc);
        }
    }
    expect_golden_file("paint", "feedback.log", log);
}
