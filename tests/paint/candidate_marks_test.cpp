// The two candidates of a new intersection with a circle, marked by the point
// computation on the device context it is given.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/compute_point.h"
#include "model/diagram.h"
#include "platform/recording_dc.h"
#include "support/call_log.h"
#include "support/golden_file.h"

namespace {

class CandidateMarks : public ::testing::Test {
protected:
    int add_point(double x, double y, const char* name) {
        Dpoint p(101, name);
        p.cls = 1;
        p.x = x;
        p.y = y;
        return d.table.append(p);
    }
    int add_constructed(int type, std::vector<int> parents) {
        Dpoint p(type, "X");
        p.cls = 1;
        for (std::size_t k = 0; k < parents.size(); ++k) p.arg[k] = parents[k];
        return d.table.append(p);
    }
    int place_new(int i, double mx, double my) {
        d.table.mouse_x() = mx;
        d.table.mouse_y() = my;
        d.table.placing() = 1;
        d.table.recompute() = 1;
        return compute_point(d, &dc, i);
    }

    Diagram d;
    RecordingDC dc;
    // Line ab is y = 100; circle (o; o, c) has radius 50; (far; far, g) misses the line.
    int a = add_point(0, 100, "A");
    int b = add_point(10, 100, "B");
    int o = add_point(150, 100, "O");
    int c = add_point(150, 150, "C");
    int far = add_point(150, 400, "F");
    int g = add_point(150, 420, "G");
};

// The two marks of a line, a tline (blue) and two circles, compared with a
// golden log (paint/candidate_marks.log) with the pen and brush left selected.
TEST_F(CandidateMarks, MarksMatchTheGoldenLog) {
    const int d2 = add_point(190, 100, "D");
    const int e = add_point(190, 150, "E");
    const struct {
        int point;
        double mx, my;
    } cases[] = {
        {add_constructed(122, {a, b, o, c}), 120, 90},
        {add_constructed(124, {o, a, b, o, c}), 150, 60},  // tline x = 150 meets it at y = 50, 150
        {add_constructed(125, {o, c, d2, e}), 170, 60},
    };
    std::string log;
    for (const auto& k : cases) {
        dc.clear();
        EXPECT_EQ(place_new(k.point, k.mx, k.my), kComputeCandidatesShown);
        log += "type " + std::to_string(d.table.get(k.point).type) + "\n" + call_log(dc) + selected_objects(dc);
    }
    expect_golden_file("paint", "candidate_marks.log", log);
}

TEST_F(CandidateMarks, NoneWithoutAnIntersectionOrAChoice) {
    const int miss = add_constructed(122, {a, b, far, g});
    EXPECT_EQ(place_new(miss, 120, 90), kComputeCandidatesShown);
    const int known = add_constructed(122, {a, o, b, o});  // the circle passes through o
    EXPECT_EQ(place_new(known, 120, 90), kComputeDone);
    const int mid = add_constructed(103, {a, o});
    place_new(mid, 120, 90);
    EXPECT_EQ(dc.count("ellipse"), 0u);
    // On recompute nothing is marked either.
    const int x = add_constructed(122, {a, b, o, c});
    d.table.placing() = 0;
    compute_point(d, &dc, x);
    EXPECT_EQ(dc.count("ellipse"), 0u);
}

TEST_F(CandidateMarks, ACandidateAtTheDeviceOriginIsSkipped) {
    d.table[10].x = 0.3;
    d.table[10].y = -0.2;
    d.table[11].x = 40;
    d.table[11].y = 0.2;
    mark_candidate(d.table, dc, 10, kRed);
    mark_candidate(d.table, dc, 11, kRed);
    ASSERT_EQ(dc.count("ellipse"), 1u);
    EXPECT_EQ(dc.calls_named("ellipse")[0].canonical, "ellipse(38,-2,42,2)");
}

}  // namespace
