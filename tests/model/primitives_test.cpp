#include <gtest/gtest.h>

#include <cmath>

#include "model/primitives.h"
#include "table_fixture.h"

namespace {

using model_test::add_free_point;
using model_test::place;

struct PairCase {
    double ax, ay, bx, by;
    double expected;
};

TEST(PSlope, GuardsNearlyVerticalPairs) {
    const PairCase cases[] = {
        {0, 0, 0, 5, 100000001.0},       // equal x, b below
        {0, 0, 0, -5, 100000001.0},      // equal x, b above: still positive
        {0, 0, 1e-10, -1.0, -100000001.0},
        {0, 0, 1e-10, 1.0, 100000001.0},
        {3, 3, 3, 3, 100000001.0},       // coincident
        {0, 0, 2, 1, 0.5},
        {0, 0, -2, 1, -0.5},
    };
    for (const PairCase& c : cases) {
        ObjectTable t;
        const int a = add_free_point(t, c.ax, c.ay);
        const int b = add_free_point(t, c.bx, c.by);
        EXPECT_DOUBLE_EQ(p_slope(t, a, b), c.expected) << c.bx << "," << c.by;
    }
}

TEST(PAngle, MeasuresCounterClockwiseOnTheScreen) {
    const PairCase cases[] = {
        {10, 10, 20, 10, 0.0},     // right
        {10, 10, 10, 0, 90.0},     // above on the screen
        {10, 10, 0, 10, 180.0},    // left
        {10, 10, 10, 20, 270.0},   // below
        {10, 10, 10, 10, 0.0},     // coincident
    };
    for (const PairCase& c : cases) {
        ObjectTable t;
        const int a = add_free_point(t, c.ax, c.ay);
        const int b = add_free_point(t, c.bx, c.by);
        EXPECT_DOUBLE_EQ(p_angle(t, a, b), c.expected) << c.bx << "," << c.by;
    }
}

TEST(PAngle, UsesTheRoundedDegreeConstant) {
    ObjectTable t;
    const int a = add_free_point(t, 0, 0);
    const int b = add_free_point(t, 1, -1);  // right and up
    EXPECT_NEAR(p_angle(t, a, b), 45.0000094, 1e-7);
    EXPECT_GT(p_angle(t, a, b), 45.0);
}

TEST(PAngle, NearlyVerticalPairsReadNearTheAxis) {
    ObjectTable t;
    const int a = add_free_point(t, 0, 0);
    const int up = add_free_point(t, 1e-10, -1);
    const int down = add_free_point(t, 1e-10, 1);
    const int flat = add_free_point(t, 1e-10, 0);
    EXPECT_NEAR(p_angle(t, a, up), 90.0, 0.0000182);
    EXPECT_NEAR(p_angle(t, a, down), 270.0, 0.0000182);
    EXPECT_NEAR(p_angle(t, a, flat), -90.00001815101432, 1e-9);
}

struct TanCase {
    double ax, ay, bx, by, cx, cy;
    double expected;
};

TEST(PTanAngle, RightAngleAndCoincidentVertexGiveTheSentinel) {
    const TanCase cases[] = {
        {10, 0, 0, 0, 0, 10, 1111111111.0},  // right angle at b
        {0, 0, 0, 0, 5, 5, 1111111111.0},    // b coincident with a
        {5, 5, 0, 0, 0, 0, 1111111111.0},    // b coincident with c
        {2, 0, 0, 0, 7, 0, 0.0},             // same ray
        {1, 0, 0, 0, 1, 1, 1.0},             // 45 degrees, clockwise on screen
        {1, 0, 0, 0, 1, -1, -1.0},           // 45 degrees, counter-clockwise
    };
    for (const TanCase& c : cases) {
        ObjectTable t;
        const int a = add_free_point(t, c.ax, c.ay);
        const int b = add_free_point(t, c.bx, c.by);
        const int cc = add_free_point(t, c.cx, c.cy);
        EXPECT_DOUBLE_EQ(p_tan_angle(t, a, b, cc), c.expected);
    }
}

TEST(CalInterCoef, IntersectsOrReportsParallelLines) {
    ObjectTable t;
    // x - y = 0 and x + y - 4 = 0 meet at (2, 2).
    EXPECT_EQ(cal_inter_coef(t, 1, -1, 0, 1, 1, -4), 1);
    EXPECT_DOUBLE_EQ(t.result_x(), 2.0);
    EXPECT_DOUBLE_EQ(t.result_y(), 2.0);
    // Parallel: y = 1 and 2y = 6.
    EXPECT_EQ(cal_inter_coef(t, 0, 1, -1, 0, 2, -6), -1);
    EXPECT_DOUBLE_EQ(t.result_x(), 0.0);
    EXPECT_DOUBLE_EQ(t.result_y(), 0.0);
    // A determinant just under the guard counts as parallel.
    EXPECT_EQ(cal_inter_coef(t, 1e-4, 0, 1, 0, 0.99e-4, 1), -1);
    EXPECT_EQ(cal_inter_coef(t, 1e-4, 0, 1, 0, 1e-4, 1), 1);
}

TEST(CalInterCoef, OverflowIsAFailureNotAnInfiniteResult) {
    ObjectTable t;
    EXPECT_EQ(cal_inter_coef(t, 1e-4, 0, 1e305, 0, 1e-4, 1), -1);
    EXPECT_DOUBLE_EQ(t.result_x(), 0.0);
    EXPECT_TRUE(std::isfinite(t.result_y()));
}

TEST(LcRoots, VerticalLineBothGuardsAndTies) {
    ObjectTable t;
    // Circle centre (0, 0), radius 5; the line x = 3 (A = 1, C = -3).
    ASSERT_EQ(lc_roots(t, 1, 0, -3, 0, 0, 25), 1);
    EXPECT_DOUBLE_EQ(t[10].x, 3.0);
    EXPECT_DOUBLE_EQ(t[10].y, 4.0);
    EXPECT_DOUBLE_EQ(t[11].y, -4.0);
    // B under the guard but not zero: still exactly vertical at -C/A.
    ASSERT_EQ(lc_roots(t, 1, 0.5e-5, -3, 0, 0, 25), 1);
    EXPECT_DOUBLE_EQ(t[10].x, 3.0);
    // Both coefficients under the guard: -1, the candidates are left as they were.
    place(t, 10, 7, 8);
    place(t, 11, 9, 10);
    EXPECT_EQ(lc_roots(t, 0.5e-5, 0.5e-5, 1, 0, 0, 25), -1);
    EXPECT_DOUBLE_EQ(t[10].x, 7.0);
    EXPECT_DOUBLE_EQ(t[11].y, 10.0);
    // Misses the circle.
    EXPECT_EQ(lc_roots(t, 1, 0, -6, 0, 0, 25), -1);
    EXPECT_DOUBLE_EQ(t[10].x, 7.0);
}

TEST(LcRoots, EqualCoefficientsAreSolvedForY) {
    ObjectTable t;
    // x + y = 0 through the centre of the circle of radius sqrt(2): roots (-1, 1) and (1, -1).
    ASSERT_EQ(lc_roots(t, 1, 1, 0, 0, 0, 2), 1);
    // Solved for y: record 10 takes the plus root of y.
    EXPECT_DOUBLE_EQ(t[10].y, 1.0);
    EXPECT_DOUBLE_EQ(t[10].x, -1.0);
    EXPECT_DOUBLE_EQ(t[11].y, -1.0);
    EXPECT_DOUBLE_EQ(t[11].x, 1.0);
}

TEST(LcRoots, TangentGivesTwoEqualRoots) {
    ObjectTable t;
    // y = 5 (B = 1, C = -5) touches the circle of radius 5 at (0, 5).
    ASSERT_EQ(lc_roots(t, 0, 1, -5, 0, 0, 25), 1);
    EXPECT_DOUBLE_EQ(t[10].x, t[11].x);
    EXPECT_DOUBLE_EQ(t[10].y, 5.0);
}

TEST(LcRoots, TangentsInEveryDirectionAreNeverLostToRounding) {
    // The tangent at each point of a circle: the discriminant is zero up to
    // rounding and must not come out as a miss.
    ObjectTable t;
    const double cx = 137.3, cy = -42.9, r = 61.7;
    int misses = 0;
    for (int k = 0; k < 720; ++k) {
        const double th = k * 0.5 * M_PI / 180.0 + 0.001;
        const double tx = cx + r * std::cos(th), ty = cy + r * std::sin(th);
        // Line through the touching point, perpendicular to the radius.
        const double A = std::cos(th), B = std::sin(th), C = -(A * tx + B * ty);
        if (lc_roots(t, A, B, C, cx, cy, r * r) < 0) ++misses;
    }
    EXPECT_EQ(misses, 0);
}

TEST(CalInterLc, FarAndNearChooseByReference) {
    ObjectTable t;
    const int ref = add_free_point(t, 3, 10);
    // x = 3 meets the circle of radius 5 about the origin at (3, 4) and (3, -4).
    EXPECT_EQ(cal_inter_lc_near(t, 1, 0, -3, 0, 0, 25, ref), 1);
    EXPECT_DOUBLE_EQ(t.result_y(), 4.0);
    EXPECT_EQ(cal_inter_lc_far(t, 1, 0, -3, 0, 0, 25, ref), 1);
    EXPECT_DOUBLE_EQ(t.result_y(), -4.0);
    // Equidistant reference: both take record 10.
    const int mid = add_free_point(t, 3, 0);
    cal_inter_lc_near(t, 1, 0, -3, 0, 0, 25, mid);
    EXPECT_DOUBLE_EQ(t.result_y(), 4.0);
    cal_inter_lc_far(t, 1, 0, -3, 0, 0, 25, mid);
    EXPECT_DOUBLE_EQ(t.result_y(), 4.0);
}

TEST(CalInterLc, NoRootsZeroTheRegisterAndBothCandidates) {
    ObjectTable t;
    place(t, 10, 7, 8);
    place(t, 11, 9, 10);
    t.result_x() = 5;
    EXPECT_EQ(cal_inter_lc_near(t, 0, 0, 1, 0, 0, 25, 0), -1);
    EXPECT_DOUBLE_EQ(t.result_x(), 0.0);
    for (int r : {10, 11}) {
        EXPECT_DOUBLE_EQ(t[r].x, 0.0);
        EXPECT_DOUBLE_EQ(t[r].y, 0.0);
    }
}

TEST(Area3, IsSignedInSquaredUnits) {
    ObjectTable t;
    const int a = add_free_point(t, 0, 0);
    const int b = add_free_point(t, 40, 0);
    const int c = add_free_point(t, 0, 20);
    // Unit length 20: legs of 2 and 1 units; clockwise on screen is positive.
    EXPECT_DOUBLE_EQ(area3(t, a, b, c), 1.0);
    EXPECT_DOUBLE_EQ(area3(t, a, c, b), -1.0);
    t.unit_length() = 10.0;
    EXPECT_DOUBLE_EQ(area3(t, a, b, c), 4.0);
}

}  // namespace
