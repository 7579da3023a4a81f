#include <gtest/gtest.h>

#include <cmath>

#include "model/derived_points.h"
#include "model/primitives.h"
#include "table_fixture.h"

namespace {

using model_test::add_free_point;

TEST(Reflection, InCoincidentLinePointsLeavesTheTargetWhereItIs) {
    ObjectTable t;
    const int a = add_free_point(t, 2, 2);
    const int b = add_free_point(t, 2, 2);
    const int p = add_free_point(t, 5, 7);
    const int r = add_free_point(t, 9, 11);
    cal_reflection(t, r, p, a, b);
    EXPECT_DOUBLE_EQ(t[r].x, 9.0);
    EXPECT_DOUBLE_EQ(t[r].y, 11.0);
}

TEST(Inversion, OfTheCentreFails) {
    ObjectTable t;
    const int c = add_free_point(t, 10, 10);
    const int q = add_free_point(t, 14, 10);
    const int p = add_free_point(t, 10 + 0.5e-5, 10 - 0.5e-5);
    const int r = add_free_point(t, 3, 3);
    for (int centre_like : {c, p}) {
        t[10].x = t[11].x = 9;
        cal_inversion(t, r, centre_like, c, q);
        EXPECT_DOUBLE_EQ(t[r].x, 0.0);
        EXPECT_DOUBLE_EQ(t[r].y, 0.0);
        EXPECT_DOUBLE_EQ(t.result_x(), 0.0);
        for (int k : {10, 11}) {
            EXPECT_DOUBLE_EQ(t[k].x, 0.0);
            EXPECT_DOUBLE_EQ(t[k].y, 0.0);
        }
    }
}

TEST(Inversion, VeryCloseToTheCentreUsesTheLargeFactor) {
    ObjectTable t;
    const int c = add_free_point(t, 0, 0);
    const int q = add_free_point(t, 2, 0);     // |cq| = 2
    const int p = add_free_point(t, 5e-5, 0);  // d2 = 2.5e-9 < 1e-8
    const int r = add_free_point(t, 0, 0);
    cal_inversion(t, r, p, c, q);
    EXPECT_NEAR(t[r].x, 1e5 * 2.0, 1e-6);
    EXPECT_NEAR(t[r].y, 0.0, 1e-9);
}

struct SquareCase {
    double cx, cy, dx, dy;
    double pos_x, pos_y, neg_x, neg_y;
};

TEST(IncenterVertex, IncenterOnTheBaseGivesTheFailedPoint) {
    ObjectTable t;
    const int a = add_free_point(t, 0, 0);
    const int b = add_free_point(t, 4, 0);
    const int i = add_free_point(t, 1, 0);
    const int r = add_free_point(t, 5, 5);
    cal_incenter_vertex(t, r, a, b, i);
    EXPECT_DOUBLE_EQ(t[r].x, 0.0);
    EXPECT_DOUBLE_EQ(t[r].y, 0.0);
}

TEST(DerivedPoints, NeverStoreANonFiniteCoordinate) {
    ObjectTable t;
    const int a = add_free_point(t, 1e308, 1e308);
    const int b = add_free_point(t, 1e308, -1e308);
    const int r = add_free_point(t, 4, 4);
    cal_midpoint(t, r, a, a);  // 1e308 + 1e308 overflows
    EXPECT_DOUBLE_EQ(t[r].x, 0.0);
    EXPECT_DOUBLE_EQ(t[r].y, 0.0);
    cal_square_pos(t, r, a, b);
    EXPECT_TRUE(std::isfinite(t[r].x) && std::isfinite(t[r].y));
    cal_centroid(t, r, a, a, b);
    EXPECT_TRUE(std::isfinite(t[r].x) && std::isfinite(t[r].y));
}

}  // namespace
