#include <gtest/gtest.h>

#include <cmath>

#include "model/derived_points.h"
#include "model/primitives.h"
#include "table_fixture.h"

namespace {

using model_test::add_free_point;

TEST(Midpoint, OfAPointWithItselfAndInPlace) {
    ObjectTable t;
    const int a = add_free_point(t, 3, 4);
    const int b = add_free_point(t, 9, -2);
    const int r = add_free_point(t, 0, 0);
    cal_midpoint(t, r, a, a);
    EXPECT_DOUBLE_EQ(t[r].x, 3.0);
    EXPECT_DOUBLE_EQ(t[r].y, 4.0);
    t.result_x() = 77;
    cal_midpoint(t, a, a, b);  // r equal to a
    EXPECT_DOUBLE_EQ(t[a].x, 6.0);
    EXPECT_DOUBLE_EQ(t[a].y, 1.0);
    EXPECT_DOUBLE_EQ(t.result_x(), 77.0);  // register untouched
}

TEST(Reflection, InALine) {
    ObjectTable t;
    const int a = add_free_point(t, 0, 0);
    const int b = add_free_point(t, 10, 10);
    const int p = add_free_point(t, 4, 0);
    const int r = add_free_point(t, 0, 0);
    cal_reflection(t, r, p, a, b);
    EXPECT_NEAR(t[r].x, 0.0, 1e-12);
    EXPECT_NEAR(t[r].y, 4.0, 1e-12);
    EXPECT_NEAR(t[10].x, 2.0, 1e-12);  // foot
    EXPECT_NEAR(t[10].y, 2.0, 1e-12);
    EXPECT_NEAR(t.result_y(), 4.0, 1e-12);
    // A point on the line stays; in place the point moves to its image.
    const int on = add_free_point(t, 5, 5);
    cal_reflection(t, on, on, a, b);
    EXPECT_NEAR(t[on].x, 5.0, 1e-12);
    EXPECT_NEAR(t[on].y, 5.0, 1e-12);
    cal_reflection(t, p, p, a, b);
    EXPECT_NEAR(t[p].x, 0.0, 1e-12);
    EXPECT_NEAR(t[p].y, 4.0, 1e-12);
}

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

TEST(Inversion, PointsOnInsideAndTheCentre) {
    ObjectTable t;
    const int c = add_free_point(t, 10, 10);
    const int q = add_free_point(t, 14, 10);  // radius 4
    const int on = add_free_point(t, 10, 6);
    const int far = add_free_point(t, 10, 18);  // distance 8 below
    const int r = add_free_point(t, 0, 0);
    cal_inversion(t, r, on, c, q);
    EXPECT_NEAR(t[r].x, 10.0, 1e-9);
    EXPECT_NEAR(t[r].y, 6.0, 1e-9);
    cal_inversion(t, r, far, c, q);
    EXPECT_NEAR(t[r].x, 10.0, 1e-9);
    EXPECT_NEAR(t[r].y, 12.0, 1e-9);  // distance 2 on the same ray
    EXPECT_NEAR(t.result_y(), 12.0, 1e-9);
    // In place, back again.
    cal_inversion(t, r, r, c, q);
    EXPECT_NEAR(t[r].y, 18.0, 1e-9);
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

TEST(SquareVertices, TurnAQuarterEitherWay) {
    const SquareCase cases[] = {
        {0, 0, 10, 0, 0, -10, 0, 10},
        {5, 5, 5, 15, 15, 5, -5, 5},
        {1, 2, 4, 6, 5, -1, -3, 5},
    };
    for (const SquareCase& s : cases) {
        ObjectTable t;
        const int c = add_free_point(t, s.cx, s.cy);
        const int d = add_free_point(t, s.dx, s.dy);
        const int r = add_free_point(t, 0, 0);
        cal_square_pos(t, r, c, d);
        EXPECT_DOUBLE_EQ(t[r].x, s.pos_x);
        EXPECT_DOUBLE_EQ(t[r].y, s.pos_y);
        EXPECT_DOUBLE_EQ(t.result_y(), s.pos_y);
        cal_square_neg(t, r, c, d);
        EXPECT_DOUBLE_EQ(t[r].x, s.neg_x);
        EXPECT_DOUBLE_EQ(t[r].y, s.neg_y);
        // Both vertices lie at |cd| from c.
        EXPECT_DOUBLE_EQ(p_dist2(t, c, r), p_dist2(t, c, d));
    }
}

TEST(Centroid, MultipliesByTheDoubleNearestAThird) {
    ObjectTable t;
    const int a = add_free_point(t, 0, 0);
    const int b = add_free_point(t, 1, 3);
    const int c = add_free_point(t, 2, 6);
    const int r = add_free_point(t, 9, 9);
    cal_centroid(t, r, a, b, c);
    EXPECT_EQ(t[r].x, 3.0 * 0.3333333333333333);
    EXPECT_DOUBLE_EQ(t[r].x, 1.0);
    EXPECT_DOUBLE_EQ(t[r].y, 3.0);
}

TEST(IncenterVertex, FindsTheThirdVertex) {
    ObjectTable t;
    const int a = add_free_point(t, 0, 0);
    const int b = add_free_point(t, 4, 0);
    const int i = add_free_point(t, 2, 1);
    const int r = add_free_point(t, 0, 0);
    cal_incenter_vertex(t, r, a, b, i);
    EXPECT_NEAR(t[r].x, 2.0, 1e-12);
    EXPECT_NEAR(t[r].y, 8.0 / 3.0, 1e-12);
}

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
