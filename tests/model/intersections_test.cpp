#include <gtest/gtest.h>

#include <cmath>

#include "model/intersections.h"
#include "model/primitives.h"
#include "table_fixture.h"

namespace {

using model_test::add_free_point;
using model_test::expect_at;
using model_test::place;
using model_test::set_mouse;

constexpr double kEps = 1e-9;

// --- Line-line kernels -------------------------------------------------------

struct LineLineCase {
    const char* what;
    void (*kernel)(ObjectTable&, int, int, int, int, int, int, int);
    double p[6][2];  // A, B, C, D, E, F
    double x, y;
};

class LineLine : public ::testing::TestWithParam<LineLineCase> {};

TEST(LineLine, ParallelOrDirectionlessLinesKeepTheTarget) {
    ObjectTable t;
    const int a = add_free_point(t, 0, 0);
    const int b = add_free_point(t, 10, 0);
    const int c = add_free_point(t, 0, 5);
    const int d = add_free_point(t, 10, 5);
    const int r = add_free_point(t, 33, 44);
    cal_inter_ll(t, r, a, a, b, c, c, d);
    expect_at(t, r, 33, 44);
    EXPECT_EQ(t.result_x(), 0.0);
    EXPECT_EQ(t.result_y(), 0.0);
    // A line given by one point twice has no direction.
    cal_inter_lt(t, r, a, b, b, c, a, b);
    expect_at(t, r, 33, 44);
}

TEST(Circumcenter, OfCollinearPointsKeepsTheTarget) {
    ObjectTable t;
    const int a = add_free_point(t, 0, 0);
    const int b = add_free_point(t, 10, 0);
    const int c = add_free_point(t, 30, 0);
    const int r = add_free_point(t, 5, 6);
    cal_circumcenter(t, r, a, b, a, c);
    expect_at(t, r, 5, 6);
}

// --- Line and circle ---------------------------------------------------------

// Line y = 100 through a and b; circle about o with the radius |ef| = 50,
// meeting the line at (100, 100) and (200, 100).
class LineAndCircle : public ::testing::Test {
protected:
    ObjectTable t;
    const int a = add_free_point(t, 0, 100, "A");
    const int b = add_free_point(t, 10, 100, "B");
    const int o = add_free_point(t, 150, 100, "O");
    const int e = add_free_point(t, 0, 300, "E");
    const int f = add_free_point(t, 50, 300, "F");
};

TEST(LineCircle, ThroughAPointOfTheCircleTakesTheOtherRootWhateverRef) {
    ObjectTable t;
    const int a0 = add_free_point(t, 100, 100, "A");
    const int a1 = add_free_point(t, 200, 100, "B");
    const int a2 = add_free_point(t, 150, 150, "C");  // circle (a2; a2, a0)
    const int r = add_free_point(t, 0, 0, "D");
    for (int ref : {0, a0, a1, r}) {
        set_mouse(t, 101, 100);
        place(t, r, 0, 0);
        EXPECT_EQ(cal_inter_lc(t, r, a0, a0, a1, a2, a2, a0, ref), 1);
        expect_at(t, r, 200, 100, 1e-9);
    }
}

TEST_F(LineAndCircle, NearerRefWithoutAKnownPointTieTakesCandidateTen) {
    const int r = add_free_point(t, 0, 0, "R");
    struct {
        double mx, my, x, y;
    } cases[] = {{90, 120, 100, 100}, {300, 0, 200, 100}, {120, 100, 100, 100}};
    for (const auto& c : cases) {
        set_mouse(t, c.mx, c.my);
        EXPECT_EQ(cal_inter_lc(t, r, a, a, b, o, e, f, 0), 1);
        expect_at(t, r, c.x, c.y);
    }
    // Both roots stay in the candidate records, the plus root in 10.
    const double x10 = t.get(10).x, x11 = t.get(11).x;
    EXPECT_NEAR(std::min(x10, x11), 100, kEps);
    EXPECT_NEAR(std::max(x10, x11), 200, kEps);
    // Equally far from both roots: candidate 10.
    set_mouse(t, 150, 40);
    cal_inter_lc(t, r, a, a, b, o, e, f, 0);
    expect_at(t, r, t.get(10).x, t.get(10).y, 0);
}

TEST_F(LineAndCircle, KnownPointByPositionIsTheFirstEarlierPointOnBoth) {
    add_free_point(t, 200.002, 100, "N");  // on the line, 0.002 off the circle
    const int k = add_free_point(t, 100, 100, "K");
    const int r = add_free_point(t, 0, 0, "R");
    set_mouse(t, 101, 100);
    cal_inter_lc(t, r, a, a, b, o, e, f, 0);
    expect_at(t, r, 200, 100);  // away from K, not nearest the mouse
    // A target among the reserved records searches nothing: nearer ref.
    cal_inter_lc(t, 5, a, a, b, o, e, f, 0);
    expect_at(t, 5, 100, 100);
    // A text object on both is no point.
    t[k].cls = 6;
    cal_inter_lc(t, r, a, a, b, o, e, f, 0);
    expect_at(t, r, 100, 100);
}

TEST_F(LineAndCircle, KnownPointMayLieJustOffTheCircleOnEitherSide) {
    const int n = add_free_point(t, 0, 0, "N");
    const int r = add_free_point(t, 0, 0, "R");
    set_mouse(t, 201, 100);
    for (const double x : {200.0009, 199.9991}) {
        place(t, n, x, 100);
        cal_inter_lc(t, r, a, a, b, o, e, f, 0);
        expect_at(t, r, 100, 100);  // the other crossing, not the one by the mouse
    }
}

TEST_F(LineAndCircle, TwoPointsOnTheSameLineAndCircleStayApart) {
    const int p = add_free_point(t, 0, 0, "P");
    const int q = add_free_point(t, 0, 0, "Q");
    set_mouse(t, 190, 100);
    cal_inter_lc(t, p, a, a, b, o, e, f, 0);
    expect_at(t, p, 200, 100);
    cal_inter_lc(t, q, a, a, b, o, e, f, 0);  // finds P, mouse ignored
    expect_at(t, q, 100, 100);
    // Recompute with their own positions as ref: still apart.
    cal_inter_lc(t, p, a, a, b, o, e, f, p);
    cal_inter_lc(t, q, a, a, b, o, e, f, q);
    expect_at(t, p, 200, 100);
    expect_at(t, q, 100, 100);
}

TEST(LineCircle, NoIntersectionPutsTheTargetAtTheOrigin) {
    ObjectTable t;
    const int a = add_free_point(t, 0, 100, "A");
    const int b = add_free_point(t, 10, 100, "B");
    const int o = add_free_point(t, 150, 300, "O");
    const int f = add_free_point(t, 150, 350, "F");
    const int r = add_free_point(t, 7, 7, "R");
    EXPECT_EQ(cal_inter_lc(t, r, a, a, b, o, o, f, r), -1);
    expect_at(t, r, 0, 0, 0);
    expect_at(t, 10, 0, 0, 0);
    expect_at(t, 11, 0, 0, 0);
    // A line given by one point twice has no coefficients at all.
    place(t, r, 7, 7);
    EXPECT_EQ(cal_inter_lc(t, r, a, b, b, o, o, f, r), -1);
    expect_at(t, r, 0, 0, 0);
}

TEST(LineCircle, NameMatchNeedsANameAndADiagramObject) {
    ObjectTable t;
    const int a = add_free_point(t, 0, 100, "");
    const int b = add_free_point(t, 10, 100, "");
    const int o = add_free_point(t, 150, 100, "");
    const int f = add_free_point(t, 150, 150, "");  // radius 50, F not on the line
    const int r = add_free_point(t, 0, 0, "R");
    EXPECT_FALSE(named_alike(t, a, f));  // unnamed points are not one point
    EXPECT_TRUE(named_alike(t, a, a));
    EXPECT_FALSE(named_alike(t, a, 8));  // a reserved record is never a named point
    set_mouse(t, 110, 100);
    cal_inter_lc(t, r, a, a, b, o, o, f, 0);
    expect_at(t, r, 100, 100);
    t[a].set_name("P");
    t[f].set_name("P");  // named alike: the root away from a
    cal_inter_lc(t, r, a, a, b, o, o, f, 0);
    expect_at(t, r, 200, 100);
}

TEST(TlineCircle, KnowsItsCommonPointByNameOnly) {
    ObjectTable t;
    const int a = add_free_point(t, 100, 100, "A");
    const int b = add_free_point(t, 0, 0, "B");
    const int c = add_free_point(t, 0, 10, "C");  // tline (A; B, C) is y = 100
    const int o = add_free_point(t, 150, 100, "O");
    const int k = add_free_point(t, 200, 100, "K");  // on the tline and the circle
    const int r = add_free_point(t, 0, 0, "R");
    set_mouse(t, 190, 100);
    // Circle through K, another name: no search by position, nearer ref.
    EXPECT_EQ(cal_inter_tc(t, r, a, b, c, o, o, k, 0), 1);
    expect_at(t, r, 200, 100);
    // Circle through A itself: the other root.
    cal_inter_tc(t, r, a, b, c, o, o, a, 0);
    expect_at(t, r, 200, 100);
    t.mouse_x() = 95;
    cal_inter_tc(t, r, a, b, c, o, o, a, 0);
    expect_at(t, r, 200, 100);
}

TEST(PlineDist, TheRootNearerRef) {
    ObjectTable t;
    const int a = add_free_point(t, 0, 50, "A");
    const int b = add_free_point(t, 0, 0, "B");
    const int c = add_free_point(t, 10, 0, "C");  // line (A; B, C) is y = 50
    const int o = add_free_point(t, 40, 50, "O");
    const int r = add_free_point(t, 0, 0, "R");
    set_mouse(t, 0, 0);
    EXPECT_EQ(cal_pline_dist(t, r, a, b, c, o, 30.0, 0), 1);
    expect_at(t, r, 10, 50);
    t.mouse_x() = 100;
    cal_pline_dist(t, r, a, b, c, o, 30.0, 0);
    expect_at(t, r, 70, 50);
}

// --- Two circles -------------------------------------------------------------

struct TwoCircles {
    ObjectTable t;
    int a = add_free_point(t, 100, 100, "A");  // circle (a; a, b), radius 50
    int b = add_free_point(t, 150, 100, "B");
    int d = add_free_point(t, 160, 100, "D");  // circle (d; d, e), radius 50
    int e = add_free_point(t, 160, 150, "E");
    int r = add_free_point(t, 0, 0, "R");
    // The two meeting points: x = 130, y = 100 -+ 40.
    static constexpr double kX = 130, kUpperY = 60, kLowerY = 140;
};

TEST(CircleCircle, RecomputeKeepsTheRecordedSideNotTheNearerRoot) {
    TwoCircles f;
    f.t.placing() = 0;
    place(f.t, f.r, TwoCircles::kX, TwoCircles::kUpperY);
    f.t[f.r].aux1.set_double(kSideValueFactor * area3(f.t, f.r, f.a, f.d));
    // Parked next to the lower root, the point still returns to its side.
    place(f.t, f.r, TwoCircles::kX, TwoCircles::kLowerY);
    EXPECT_EQ(cal_inter_cc(f.t, f.r, f.a, f.a, f.b, f.d, f.d, f.e, f.r), 1);
    expect_at(f.t, f.r, TwoCircles::kX, TwoCircles::kUpperY);
    // Moved apart: (0, 0) and -1; together again: the recorded side.
    const double keep_dx = f.t[f.d].x;
    f.t[f.d].x = 400;
    f.t[f.e].x = 400;
    EXPECT_EQ(cal_inter_cc(f.t, f.r, f.a, f.a, f.b, f.d, f.d, f.e, f.r), -1);
    expect_at(f.t, f.r, 0, 0, 0);
    f.t[f.d].x = keep_dx;
    f.t[f.e].x = keep_dx;
    cal_inter_cc(f.t, f.r, f.a, f.a, f.b, f.d, f.d, f.e, f.r);
    expect_at(f.t, f.r, TwoCircles::kX, TwoCircles::kUpperY);
}

TEST(CircleCircle, ASideValueOfZeroTakesCandidateEleven) {
    TwoCircles f;
    f.t.placing() = 0;
    f.t[f.r].aux1.set_double(0.0);
    cal_inter_cc(f.t, f.r, f.a, f.a, f.b, f.d, f.d, f.e, f.r);
    expect_at(f.t, f.r, f.t.get(11).x, f.t.get(11).y, 0);
}

TEST(CircleCircle, ConcentricCirclesDoNotMeet) {
    ObjectTable t;
    const int a = add_free_point(t, 100, 100, "A");
    const int b = add_free_point(t, 150, 100, "B");
    const int e = add_free_point(t, 100, 130, "E");
    const int r = add_free_point(t, 5, 5, "R");
    t.placing() = 1;
    EXPECT_EQ(cal_inter_cc(t, r, a, a, b, a, a, e, 0), -1);
    expect_at(t, r, 0, 0, 0);
}

}  // namespace
