#include "paint/draw_objects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <tuple>
#include <vector>

#include "paint/clip_copy.h"
#include "paint/conics.h"
#include "paint/fills.h"
#include "paint/marks.h"
#include "paint_fixture.h"
#include "support/call_log.h"
#include "support/golden_file.h"

using namespace paint_test;

// Lines and marks, each case compared call by call with a golden log
// (paint/line_objects.log) with what draw_line_obj answers.
TEST(DrawLineObj, EveryCaseMatchesTheGoldenLog)
{
    Diagram d;
    const int a = add_point(d, 10, 10);
    const int b = add_point(d, 50, 50);
    const int seg = add_object(d, otype::kSegment, 2, {a, b});
    d.table[seg].shown = 0;
    const int c = add_point(d, 100, 100);
    const int p = add_point(d, 140, 100);
    const int q = add_point(d, 140, 60);
    const int circle = add_object(d, otype::kCircle, 2, {c, p}, kBlue);
    const int mark = add_object(d, otype::kAngleMark, 4, {p, c, q}, kBlue);
    std::vector<std::pair<std::string, int>> objects{
        {"hidden segment", seg},
        {"unknown type", add_object(d, 999, 2, {a, b})},
        {"circle through three collinear points", add_object(d, otype::kThreePointCircle, 2, {a, b, add_point(d, 30, 30)})},
        {"arc through three collinear points", add_object(d, otype::kThreePointArc, 2, {a, add_point(d, 20, 20), add_point(d, 40, 40)})},
        {"circle in the current block", circle},
    };
    // Arcs through three points at these directions from (200, 200), radius 100:
    // the arc passes the middle one, whichever way round.
    for (const auto& [da, db, dc] : {std::tuple{10, 50, 100}, {100, 200, 10}, {100, 50, 10}, {10, 200, 100}})
        objects.push_back({"arc3 " + std::to_string(da) + " " + std::to_string(db) + " " + std::to_string(dc),
                           add_object(d, otype::kThreePointArc, 2,
                                      {add_polar(d, 200, 200, 100, da), add_polar(d, 200, 200, 100, db),
                                       add_polar(d, 200, 200, 100, dc)})});
    d.table[circle].block = 2;
    d.table[mark].block = 2;
    d.table.current_block() = 2;
    d.table.action_state() = 204;
    std::string log;
    for (const auto& [name, k] : objects) {
        RecordingDC dc;
        const int answer = draw_line_obj(d, dc, k);
        log += name + ": " + std::to_string(answer) + "\n" + call_log(dc);
    }
    RecordingDC dc;
    draw_mark_obj(d, dc, mark);  // marks are not reddened
    log += "mark in the current block\n" + call_log(dc);
    expect_golden_file("paint", "line_objects.log", log);
}

TEST(DrawLineObj, ConicFollowsItsParentsOnlyWhenTheDiagramChanges)
{
    Diagram d;
    const int a = add_point(d, 100, 100);
    const int b = add_point(d, 110, 100);
    const int c = add_point(d, 100, 105);
    const int e = add_object(d, otype::kEllipse, 2, {a, b, c});
    d.table.recompute() = 0;
    RecordingDC first;
    draw_line_obj(d, first, e);  // no samples yet: made now
    ASSERT_EQ(first.count("ellipse"), 36u);
    const auto sample = d.table.get(e).samples.front();
    EXPECT_EQ(first.calls_named("ellipse")[0].canonical,
              "ellipse(" + std::to_string(int(sample.x) - 1) + "," + std::to_string(int(sample.y) - 1) +
                  "," + std::to_string(int(sample.x) + 1) + "," + std::to_string(int(sample.y) + 1) + ")");

    place(d, b, 120, 100);
    RecordingDC repaint;
    draw_line_obj(d, repaint, e);
    EXPECT_EQ(repaint.count("ellipse"), 36u);  // the stored samples

    const struct {
        int recompute, action_state, clip;
    } changes[] = {{1, 0, 0}, {0, 177, 0}, {0, -178, 0}, {0, -179, 0},
                   {0, 226, 0}, {0, 242, 0}, {0, 243, 0}, {0, 0, 1}};
    for (const auto& change : changes) {
        conic_points(d, e);
        place(d, b, 110, 100);  // the samples now lag behind
        d.table.recompute() = change.recompute;
        d.table.action_state() = change.action_state;
        g_clip_copy = change.clip;
        RecordingDC dc;
        draw_line_obj(d, dc, e);
        g_clip_copy = 0;
        EXPECT_EQ(dc.count("ellipse"), 36u) << change.recompute << " " << change.action_state;
    }
}
