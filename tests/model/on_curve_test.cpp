#include <gtest/gtest.h>

#include <cmath>

#include "model/on_curve.h"
#include "model/primitives.h"
#include "model/semi_free.h"
#include "table_fixture.h"

namespace {

using model_test::add_free_point;
using model_test::expect_at;
using model_test::place;
using model_test::set_mouse;

constexpr double kEps = 1e-9;

double param1(const ObjectTable& t, int i) { return t.get(i).aux1.as_double(); }
double param2(const ObjectTable& t, int i) { return t.get(i).aux2.as_double(); }

// --- Points on lines ---------------------------------------------------------

TEST(OnLine, HorizontalLineKeepsTheOffsetFromItsPoint) {
    ObjectTable t;
    const int a0 = add_free_point(t, 100, 80, "A");
    const int p = add_free_point(t, 0, 0, "P");
    set_mouse(t, 130, 300);
    on_line_init(t, p, a0, a0, 0, 0);
    expect_at(t, p, 130, 80);
    EXPECT_DOUBLE_EQ(param1(t, p), 30.0);
    EXPECT_DOUBLE_EQ(param2(t, p), 30.0);
    place(t, a0, 110, 95);  // a0 moved by (10, 15): so does P
    on_line_cal(t, p, a0, a0, 0, p);
    expect_at(t, p, 140, 95);
}

// t counts along a0 - a1: 0 at a0, 1 at the mirror image of a1 through a0.
struct LineParamCase {
    double mx, my;  // mouse
    double t;       // stored parameter
};

class OnLineParameter : public ::testing::TestWithParam<LineParamCase> {};

TEST_P(OnLineParameter, CountsAlongA0MinusA1) {
    const LineParamCase& c = GetParam();
    for (const double slope_y : {5.0, 40.0}) {  // x ratio and y ratio
        ObjectTable t;
        const int a0 = add_free_point(t, 100, 100, "A");
        const int a1 = add_free_point(t, 120, 100 + slope_y, "B");
        const int p = add_free_point(t, 0, 0, "P");
        // Mouse given relative to the line: along a0 - a1 by c.t, plus an
        // offset across the line that the projection removes.
        const double dx = -20, dy = -slope_y;
        const double nx = -dy, ny = dx;  // normal
        set_mouse(t, 100 + c.t * dx + c.mx * nx, 100 + c.t * dy + c.mx * ny);
        on_line_init(t, p, a0, a0, a1, 0);
        EXPECT_NEAR(param1(t, p), c.t, 1e-9);
        expect_at(t, p, 100 + c.t * dx, 100 + c.t * dy, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, OnLineParameter,
                         ::testing::Values(LineParamCase{0.0, 0.0, 0.0},    // at a0
                                           LineParamCase{0.3, 0.0, 1.0},    // mirror of a1
                                           LineParamCase{-0.2, 0.0, -1.0},  // at a1
                                           LineParamCase{0.1, 0.0, 2.5}));

TEST(OnLine, MovingA1TurnsAndStretchesTheLineAboutA0) {
    ObjectTable t;
    const int a0 = add_free_point(t, 100, 100, "A");
    const int a1 = add_free_point(t, 120, 100, "B");
    const int p = add_free_point(t, 0, 0, "P");
    set_mouse(t, 60, 107);
    on_line_init(t, p, a0, a0, a1, 0);
    expect_at(t, p, 60, 100);
    EXPECT_DOUBLE_EQ(param1(t, p), 2.0);
    place(t, a1, 100, 130);  // a0 - a1 = (0, -30)
    on_line_cal(t, p, a0, a0, a1, p);
    expect_at(t, p, 100, 40);
}

TEST(OnLine, AxisParallelLinesProjectStraightAcross) {
    ObjectTable t;
    const int a0 = add_free_point(t, 100, 100, "A");
    const int v = add_free_point(t, 50, 10, "V");
    const int w = add_free_point(t, 50, 90, "W");   // vertical direction
    const int h = add_free_point(t, 10, 60, "H");   // horizontal direction with v2
    const int h2 = add_free_point(t, 90, 60, "H2");
    const int p = add_free_point(t, 0, 0, "P");
    set_mouse(t, 170, 33);
    on_line_init(t, p, a0, v, w, 0);  // parallel through a0 to VW: x = 100
    expect_at(t, p, 100, 33);
    EXPECT_NEAR(param1(t, p), (33.0 - 100.0) / (10.0 - 90.0), kEps);
    on_line_init(t, p, a0, h, h2, 0);  // y = 100
    expect_at(t, p, 170, 100);
    EXPECT_NEAR(param1(t, p), (170.0 - 100.0) / (10.0 - 90.0), kEps);
    // A parallel line (111) re-derived after its direction turned.
    place(t, h2, 10, 140);  // h - h2 = (0, -80)
    on_line_cal(t, p, a0, h, h2, p);
    expect_at(t, p, 100, 100 + param1(t, p) * -80.0);
}

TEST(OnLine, CoincidingDirectionPointsKeepPositionAndParameter) {
    ObjectTable t;
    const int a0 = add_free_point(t, 100, 100, "A");
    const int b = add_free_point(t, 50, 50, "B");
    const int c = add_free_point(t, 50, 50, "C");
    const int p = add_free_point(t, 77, 88, "P");
    t[p].aux1.set_double(0.25);
    t[p].aux2.set_double(0.25);
    set_mouse(t, 10, 20);
    on_line_init(t, p, a0, b, c, 0);
    expect_at(t, p, 77, 88, 0);
    EXPECT_EQ(param1(t, p), 0.25);
    EXPECT_EQ(param2(t, p), 0.25);
    // Nearly coinciding: the foot kernel finds no line; nothing changes either.
    place(t, c, 50 + 1e-6, 50 + 1e-6);
    on_line_init(t, p, a0, b, c, 0);
    expect_at(t, p, 77, 88, 0);
    EXPECT_EQ(param1(t, p), 0.25);
    EXPECT_TRUE(std::isfinite(t.get(10).x));
}

// --- Points on perpendiculars ------------------------------------------------

TEST(OnTline, StoresTheSquaredDistanceAndKeepsItsSide) {
    ObjectTable t;
    const int a0 = add_free_point(t, 100, 100, "A");
    const int a1 = add_free_point(t, 0, 0, "B");
    const int a2 = add_free_point(t, 10, 10, "C");  // the tline runs along (1, -1)
    const int p = add_free_point(t, 0, 0, "P");
    set_mouse(t, 70, 120);
    on_tline_init(t, p, a0, a1, a2, 0);
    expect_at(t, p, 75, 125);
    EXPECT_NEAR(param1(t, p), 1250.0, 1e-9);
    EXPECT_NEAR(param2(t, p), 1250.0, 1e-9);
    place(t, a0, 101, 100);  // a0 moves slightly: P stays on its side
    on_tline_cal(t, p, a0, a1, a2, p);
    expect_at(t, p, 76, 125);
    set_mouse(t, 130, 79);  // the other side
    on_tline_init(t, p, a0, a1, a2, 0);
    expect_at(t, p, 126, 75);
}

TEST(OnTline, AxisParallelDirectionsAndAPointOnA0) {
    ObjectTable t;
    const int a0 = add_free_point(t, 100, 100, "A");
    const int v1 = add_free_point(t, 5, 10, "V");
    const int v2 = add_free_point(t, 5, 90, "W");  // BC vertical: the tline is horizontal
    const int p = add_free_point(t, 0, 0, "P");
    set_mouse(t, 140, 7);
    on_tline_init(t, p, a0, v1, v2, 0);
    expect_at(t, p, 140, 100);
    EXPECT_DOUBLE_EQ(param1(t, p), 1600.0);
    set_mouse(t, 170, 7);
    on_tline_init(t, p, a0, v1, v1, 0);  // B = C: taken as vertical, the tline is horizontal
    expect_at(t, p, 170, 100);
    EXPECT_DOUBLE_EQ(param1(t, p), 4900.0);
    EXPECT_DOUBLE_EQ(param2(t, p), 4900.0);
    expect_at(t, rec::kCandidate0, 170, 100);
    set_mouse(t, 100, 55);
    on_tline_init(t, p, a0, v1, v2, 0);  // placed on a0
    expect_at(t, p, 100, 100);
    EXPECT_EQ(param1(t, p), 0.0);
    on_tline_cal(t, p, a0, v1, v2, p);
    expect_at(t, p, 100, 100);
}

TEST(OnTline, APointPlacedOnA0StaysThereWhateverTheDirection) {
    // Rounding must not lose the point at distance 0 (a root finder does, for
    // a good share of directions).
    int lost = 0;
    for (int k = 0; k < 200; ++k) {
        ObjectTable t;
        const int a0 = add_free_point(t, 100 + 1.37 * k, 200 + 0.73 * k, "A");
        const int b = add_free_point(t, 17 + 3.1 * k, 3 + 1.9 * (k % 17), "B");
        const int c = add_free_point(t, 41 + 0.7 * (k % 13), 77 + 2.3 * k, "C");
        const int p = add_free_point(t, 0, 0, "P");
        set_mouse(t, t.get(a0).x, t.get(a0).y);
        on_tline_init(t, p, a0, b, c, 0);
        on_tline_cal(t, p, a0, b, c, p);
        if (std::hypot(t.get(p).x - t.get(a0).x, t.get(p).y - t.get(a0).y) > 1e-6) ++lost;
    }
    EXPECT_EQ(lost, 0);
}

TEST(OnTline, NoPerpendicularWithoutADirection) {
    ObjectTable t;
    const int a0 = add_free_point(t, 100, 100, "A");
    const int b = add_free_point(t, 50, 50, "B");
    const int p = add_free_point(t, 7, 7, "P");
    t[p].aux1.set_double(25.0);
    on_tline_cal(t, p, a0, b, b, p);
    expect_at(t, p, 0, 0, 0);
    expect_at(t, 10, 0, 0, 0);
}

// --- Points on circles -------------------------------------------------------

// Circle (o; o, q) of radius 50; p is put on it above o from the mouse at (100, 20).
class OnCircle : public ::testing::Test {
protected:
    ObjectTable t;
    const int o = add_free_point(t, 100, 100, "O");
    const int q = add_free_point(t, 150, 100, "Q");
    const int p = add_free_point(t, 0, 0, "P");
    int init()
    {
        set_mouse(t, 100, 20);
        return on_circle_init(t, p, o, o, q, 0);
    }
};

TEST_F(OnCircle, KeepsItsBearingFromTheCentre) {
    EXPECT_EQ(init(), 1);
    expect_at(t, p, 100, 50);
    EXPECT_EQ(param1(t, p), -80.0);  // dy
    EXPECT_EQ(param2(t, p), 0.0);    // dx
    place(t, o, 110, 105);
    place(t, q, 160, 105);
    EXPECT_EQ(on_circle_cal(t, p, o, o, q, p), 1);
    expect_at(t, p, 110, 55);
}

TEST_F(OnCircle, JumpingTheCentrePastThePointFlipsIt) {
    init();
    place(t, o, 100, -80);  // 130 above P, more than the radius
    place(t, q, 150, -80);
    on_circle_cal(t, p, o, o, q, p);
    expect_at(t, p, 100, -30);  // the root nearer the old position (100, 50)
}

TEST_F(OnCircle, RcircleFollowsItsRadiusAlongTheSameRay) {
    const int e = add_free_point(t, 0, 300, "E");
    const int f = add_free_point(t, 30, 340, "F");  // radius 50
    set_mouse(t, 160, 180);  // direction (3, 4)
    EXPECT_EQ(on_circle_init(t, p, o, e, f, 0), 1);
    expect_at(t, p, 130, 140);
    place(t, f, 60, 380);  // radius 100
    on_circle_cal(t, p, o, e, f, p);
    expect_at(t, p, 160, 180);
}

TEST_F(OnCircle, DraggedOntoTheCentreStaysWhereItWas) {
    init();
    set_mouse(t, 100, 100);
    EXPECT_EQ(on_circle_init(t, p, o, o, q, 0), -1);
    expect_at(t, p, 100, 50, 0);
    EXPECT_EQ(param1(t, p), -80.0);
    t[p].aux1.set_double(0.0);  // no stored direction
    EXPECT_EQ(on_circle_cal(t, p, o, o, q, p), -1);
    expect_at(t, p, 100, 50, 0);
}

// --- Points on angle lines ---------------------------------------------------

struct AngleLine {
    ObjectTable t;
    int a = add_free_point(t, 100, 100, "A");
    int b = add_free_point(t, 200, 100, "B");  // line ab horizontal
    int e = add_free_point(t, 300, 300, "E");  // angle vertex
    int f = add_free_point(t, 310, 300, "F");
    int d = add_free_point(t, 310, 290, "D");  // 45 degrees counter-clockwise on screen
    int p = add_free_point(t, 0, 0, "P");
};

TEST(OnAline, InitPutsThePointAtTheFootAndRecomputeKeepsIt) {
    AngleLine g;
    set_mouse(g.t, 150, 0);
    on_aline_init(g.t, g.p, g.a, g.b, g.d, g.e, g.f, 0);
    expect_at(g.t, g.p, 175, 25);
    EXPECT_NEAR(param2(g.t, g.p), 75.0 * std::sqrt(2.0), 1e-9);
    expect_at(g.t, 9, 175, 25);
    expect_at(g.t, 10, 175, 25);
    // Record 8 lies on the angle line at the helper distance from a.
    EXPECT_NEAR(p_dist(g.t, 8, g.a), kAlineHelperDistance, 1e-9);
    EXPECT_NEAR(g.t.get(8).x - 100, -(g.t.get(8).y - 100), 1e-9);
    // No jump at the first recompute.
    on_aline_cal(g.t, g.p, g.a, g.b, g.d, g.e, g.f, g.p);
    expect_at(g.t, g.p, 175, 25);
    // The line ab turns by 45 degrees more: the point keeps its distance from a.
    place(g.t, g.b, 200, 0);
    on_aline_cal(g.t, g.p, g.a, g.b, g.d, g.e, g.f, g.p);
    expect_at(g.t, g.p, 100, 100 - 75.0 * std::sqrt(2.0), 1e-6);
}

TEST(OnAline, AVerticalAngleLineDoesNotFail) {
    AngleLine g;
    place(g.t, g.d, 300, 290);  // a right angle: the angle line is vertical
    set_mouse(g.t, 100, 30);        // straight above a
    on_aline_init(g.t, g.p, g.a, g.b, g.d, g.e, g.f, 0);
    expect_at(g.t, g.p, 100, 30, 1e-6);
    on_aline_cal(g.t, g.p, g.a, g.b, g.d, g.e, g.f, g.p);
    expect_at(g.t, g.p, 100, 30, 1e-6);
}

TEST(OnAline, TangentProductOneIsAVerticalLine) {
    AngleLine g;
    place(g.t, g.b, 110, 110);  // slope 1
    place(g.t, g.d, 310, 310);  // tangent 1
    set_mouse(g.t, 105, 60);
    on_aline_init(g.t, g.p, g.a, g.b, g.d, g.e, g.f, 0);
    expect_at(g.t, g.p, 100, 60, 1e-6);
}

TEST(OnAline, AScratchTargetGetsNoParameter) {
    AngleLine g;
    g.t[3].aux2.set_double(-5);
    set_mouse(g.t, 150, 0);
    on_aline_init(g.t, 3, g.a, g.b, g.d, g.e, g.f, 0);
    expect_at(g.t, 3, 175, 25);
    EXPECT_EQ(param2(g.t, 3), -5.0);
}

// --- Point at a distance on a perpendicular ---------------------------------

TEST(TlineDist, NearerRefOrNothing) {
    ObjectTable t;
    const int a = add_free_point(t, 100, 100, "A");
    const int b = add_free_point(t, 0, 0, "B");
    const int c = add_free_point(t, 10, 0, "C");  // the tline is x = 100
    const int r = add_free_point(t, 0, 0, "R");
    set_mouse(t, 0, 0);
    cal_tline_dist(t, r, a, b, c, a, 30, 0);
    expect_at(t, r, 100, 70);
    set_mouse(t, 0, 500);
    cal_tline_dist(t, r, a, b, c, a, 30, 0);
    expect_at(t, r, 100, 130);
    const int far = add_free_point(t, 300, 100, "F");
    cal_tline_dist(t, r, a, b, c, far, 30, 0);  // the circle misses the tline
    expect_at(t, r, 0, 0, 0);
}

// --- Dispatch by type -------------------------------------------------------

TEST(SemiFree, TypesAndDispatch) {
    for (int type : {99, 110, 111, 112, 113, 114, 115}) EXPECT_TRUE(is_semi_free_type(type)) << type;
    for (int type : {98, 101, 107, 109, 116}) EXPECT_FALSE(is_semi_free_type(type)) << type;
    ObjectTable t;
    const int o = add_free_point(t, 100, 100, "O");
    const int q = add_free_point(t, 150, 100, "Q");
    Dpoint on_circle(113, "P", o, q);
    on_circle.cls = 1;
    const int p = t.append(on_circle);
    set_mouse(t, 100, 100);  // on the centre: not placed
    EXPECT_EQ(semi_free_init(t, p, 0), -1);
    set_mouse(t, 40, 100);
    EXPECT_EQ(semi_free_init(t, p, 0), 1);
    expect_at(t, p, 50, 100);
    place(t, o, 100, 90);
    place(t, q, 150, 90);
    EXPECT_EQ(semi_free_cal(t, p, p), 1);
    expect_at(t, p, 50, 90);
    EXPECT_EQ(semi_free_init(t, o, 0), 0);  // a free point is none of them
}

}  // namespace
