// A scripted drag: a free point is turned a full circle around another while
// the diagram is re-solved at every step, as the mouse handler and the painter
// do it. Every intersection with a circle must stay on its side throughout and
// come back to where it started.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "geometry_fixture.h"
#include "model/primitives.h"
#include "table_fixture.h"

namespace {

using geometry_test::add_constructed;
using geometry_test::choose_candidate;
using geometry_test::place_new;
using geometry_test::resolve_all;
using geometry_test::start_drag;
using model_test::add_free_point;

double sign_of(double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); }

struct DragFigure {
    ObjectTable t;
    int o = add_free_point(t, 300, 300, "O");
    int m = add_free_point(t, 360, 300, "M");  // the dragged point, 60 from O
    int a = add_free_point(t, 100, 305, "A");  // line AB passes near O
    int b = add_free_point(t, 500, 295, "B");
    int d = add_free_point(t, 300 + 80 * std::cos(0.65), 300 + 80 * std::sin(0.65), "D");
    int e = add_free_point(t, 100, 500, "E");  // |EF| = 100
    int f = add_free_point(t, 200, 500, "F");
    int h = add_free_point(t, 100, 600, "H");  // |HI| = 70
    int i = add_free_point(t, 170, 600, "I");
    int g = add_constructed(t, 132, {m, o}, "G");  // |MG| = |MO|
    // Intersections with circles, each placed by a click and a choice.
    int x1 = add_constructed(t, 126, {a, b, m, e, f}, "X");          // line, RCIRCLE
    int x2 = add_constructed(t, 126, {a, b, m, e, f}, "Y");          // the other root
    int y1 = add_constructed(t, 127, {o, d, m, e, f}, "Z");          // circle, RCIRCLE
    int y2 = add_constructed(t, 125, {m, g, o, d}, "U");             // two circles
    int w = add_constructed(t, 128, {o, e, f, m, h, i}, "W");        // two RCIRCLEs
    int z = add_constructed(t, 122, {m, o, o, d}, "S");              // line MO, circle O
    int tc = add_constructed(t, 124, {m, o, m, o, d}, "T");          // tline at M, circle O

    DragFigure() {
        t.recompute() = 1;
        t.placing() = 0;
        compute_point(t, nullptr, g);
        pick(x1, 250, 250, 220, 300);
        // The second point on the same line and circle finds the first: no choice.
        place_new(t, x2, 450, 300);
        t.placing() = 0;
        pick(y1, 300, 200, 300, 200);
        pick(y2, 300, 400, 300, 400);
        pick(w, 300, 200, 300, 200);
        pick(z, 300, 300, 200, 310);
        pick(tc, 360, 300, 360, 400);
    }

    void pick(int k, double click_x, double click_y, double choose_x, double choose_y) {
        EXPECT_EQ(place_new(t, k, click_x, click_y), kComputeCandidatesShown) << k;
        choose_candidate(t, k, choose_x, choose_y);
    }

    // Which of the two roots a line-circle point holds: the side of the foot
    // of the centre along the line's direction.
    double line_side(int p, double cx, double cy, double dx, double dy) const {
        return sign_of((t.get(p).x - cx) * dx + (t.get(p).y - cy) * dy);
    }
    double side_x1() const {
        return line_side(x1, t.get(m).x, t.get(m).y, t.get(b).x - t.get(a).x, t.get(b).y - t.get(a).y);
    }
    double side_x2() const {
        return line_side(x2, t.get(m).x, t.get(m).y, t.get(b).x - t.get(a).x, t.get(b).y - t.get(a).y);
    }
    double side_z() const {
        return line_side(z, t.get(o).x, t.get(o).y, t.get(o).x - t.get(m).x, t.get(o).y - t.get(m).y);
    }
    double side_tc() const {
        const double ux = t.get(o).x - t.get(m).x, uy = t.get(o).y - t.get(m).y;
        return line_side(tc, t.get(m).x, t.get(m).y, -uy, ux);
    }
    // The side of the line of centres a two-circle point keeps.
    double circle_side(int p, int c1, int c2) const { return sign_of(area3(t, p, c1, c2)); }
};

TEST(ScriptedDrag, EveryCircleIntersectionKeepsItsSideThroughAFullTurn) {
    DragFigure f;
    ObjectTable& t = f.t;
    const std::vector<int> points{f.x1, f.x2, f.y1, f.y2, f.w, f.z, f.tc};
    std::vector<WorldPoint> start;
    for (int p : points) start.push_back({t.get(p).x, t.get(p).y});

    // The placed points: X left of M along AB, Y the other root; the chosen
    // sides of the two-circle points are recorded in their side values.
    EXPECT_NEAR(t.get(f.x1).x, 260, 5.0);
    EXPECT_NEAR(t.get(f.x2).x, 460, 5.0);
    const double sx1 = f.side_x1(), sx2 = f.side_x2(), sz = f.side_z(), stc = f.side_tc();
    EXPECT_EQ(sx1, -sx2);
    const double sy1 = f.circle_side(f.y1, f.o, f.m);
    const double sy2 = f.circle_side(f.y2, f.m, f.o);
    const double sw = f.circle_side(f.w, f.o, f.m);
    EXPECT_EQ(sy1, sign_of(t.get(f.y1).aux1.as_double()));
    EXPECT_EQ(sy2, sign_of(t.get(f.y2).aux1.as_double()));
    EXPECT_EQ(sw, sign_of(t.get(f.w).aux1.as_double()));
    for (double s : {sx1, sz, stc, sy1, sy2, sw}) EXPECT_NE(s, 0.0);

    constexpr int kSteps = 72;
    for (int step = 1; step <= kSteps; ++step) {
        const double angle = 2 * M_PI * step / kSteps;
        start_drag(t, f.m);
        t[f.m].x = 300 + 60 * std::cos(angle);
        t[f.m].y = 300 + 60 * std::sin(angle);
        resolve_all(t);
        SCOPED_TRACE(step);
        EXPECT_EQ(f.side_x1(), sx1);
        EXPECT_EQ(f.side_x2(), sx2);
        EXPECT_EQ(f.side_z(), sz);
        EXPECT_EQ(f.side_tc(), stc);
        EXPECT_EQ(f.circle_side(f.y1, f.o, f.m), sy1);
        EXPECT_EQ(f.circle_side(f.y2, f.m, f.o), sy2);
        EXPECT_EQ(f.circle_side(f.w, f.o, f.m), sw);
        // Still on their curves.
        EXPECT_NEAR(p_dist(t, f.x1, f.m), 100.0, 1e-6);
        EXPECT_NEAR(p_dist(t, f.y1, f.o), 80.0, 1e-6);
        EXPECT_NEAR(p_dist(t, f.y2, f.m), 60.0, 1e-6);
        EXPECT_NEAR(p_dist(t, f.w, f.m), 70.0, 1e-6);
        EXPECT_NEAR(p_dist(t, f.z, f.o), 80.0, 1e-6);
        EXPECT_NEAR(p_dist(t, f.tc, f.o), 80.0, 1e-6);
    }
    for (std::size_t k = 0; k < points.size(); ++k) {
        EXPECT_NEAR(t.get(points[k]).x, start[k].x, 1e-6) << "point " << points[k];
        EXPECT_NEAR(t.get(points[k]).y, start[k].y, 1e-6) << "point " << points[k];
    }
}

TEST(ScriptedDrag, SemiFreePointsFollowTheirCurvesAndKeepTheirParameters) {
    ObjectTable t;
    const int o = add_free_point(t, 300, 300, "O");
    const int m = add_free_point(t, 360, 300, "M");
    const int on_circle = add_constructed(t, 113, {m, o}, "P");  // circle (m; m, o)
    const int on_line = add_constructed(t, 110, {o, m}, "L");     // line om
    place_new(t, on_circle, 360, 200);
    place_new(t, on_line, 420, 300);
    const double bearing_dy = t.get(on_circle).aux1.as_double();
    const double line_t = t.get(on_line).aux1.as_double();
    EXPECT_DOUBLE_EQ(line_t, -2.0);
    for (int step = 1; step <= 36; ++step) {
        const double angle = 2 * M_PI * step / 36;
        start_drag(t, m);
        t[m].x = 300 + 60 * std::cos(angle);
        t[m].y = 300 + 60 * std::sin(angle);
        resolve_all(t);
        SCOPED_TRACE(step);
        // The point on the circle keeps its bearing from the moving centre.
        EXPECT_NEAR(t.get(on_circle).x, t.get(m).x, 1e-9);
        EXPECT_NEAR(t.get(on_circle).y, t.get(m).y - 60, 1e-9);
        // The point on line om stays at o + t (o - m).
        EXPECT_NEAR(t.get(on_line).x, 300 + line_t * (300 - t.get(m).x), 1e-9);
        EXPECT_NEAR(t.get(on_line).y, 300 + line_t * (300 - t.get(m).y), 1e-9);
    }
    EXPECT_EQ(t.get(on_circle).aux1.as_double(), bearing_dy);
    EXPECT_EQ(t.get(on_line).aux1.as_double(), line_t);
}

}  // namespace
