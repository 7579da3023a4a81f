#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "geometry_fixture.h"
#include "model/compute_point.h"
#include "model/primitives.h"
#include "table_fixture.h"

namespace {

using geometry_test::add_constructed;
using geometry_test::choose_candidate;
using geometry_test::place_new;
using geometry_test::start_drag;
using model_test::add_free_point;
using model_test::expect_at;
using model_test::place;

void recompute_state(ObjectTable& t) {
    t.placing() = 0;
    t.recompute() = 1;
    t.dragged_index() = 0;
}

// --- Constructed points by type ---------------------------------------------

TEST(ConstructedType, WithoutRecomputeNothingMoves) {
    struct {
        ObjectTable t;
        int p0 = add_free_point(t, 100, 100, "A");
        int p1 = add_free_point(t, 300, 100, "B");
    } f;
    const int m = add_constructed(f.t, 103, {f.p0, f.p1});
    place(f.t, m, 1, 2);
    f.t.placing() = 0;
    f.t.recompute() = 0;
    EXPECT_EQ(compute_point(f.t, nullptr, m), kComputeDone);
    expect_at(f.t, m, 1, 2, 0);
}

// --- Equilateral vertex -------------------------------------------------------

struct EquilateralCase {
    double x0, y0, x1, y1;  // the base
    double x, y;            // the vertex
};

class Equilateral : public ::testing::TestWithParam<EquilateralCase> {};

TEST_P(Equilateral, LiesOnThePositiveSquareSideAndStaysThere) {
    const EquilateralCase& c = GetParam();
    ObjectTable t;
    const int a0 = add_free_point(t, c.x0, c.y0, "A");
    const int a1 = add_free_point(t, c.x1, c.y1, "B");
    const int v = add_constructed(t, 109, {a0, a1}, "C");
    // Placed wherever the mouse is: no choice is asked.
    EXPECT_EQ(place_new(t, v, 150, c.y > 100 ? 0 : 400), kComputeDone);
    expect_at(t, v, c.x, c.y, 1e-9);
    const double side = t.get(v).aux1.as_double();
    EXPECT_NEAR(side, kSideValueFactor * area3(t, v, a0, a1), 1e-9);
    recompute_state(t);
    compute_point(t, nullptr, v);
    expect_at(t, v, c.x, c.y, 1e-9);
    // Turning the base a full turn about a0 keeps the vertex on its side.
    for (int step = 1; step <= 36; ++step) {
        const double angle = step * M_PI / 18;
        place(t, a1, c.x0 + (c.x1 - c.x0) * std::cos(angle) - (c.y1 - c.y0) * std::sin(angle),
              c.y0 + (c.x1 - c.x0) * std::sin(angle) + (c.y1 - c.y0) * std::cos(angle));
        compute_point(t, nullptr, v);
        EXPECT_GT(area3(t, v, a0, a1) * side, 0.0) << "step " << step;
        EXPECT_NEAR(p_dist(t, v, a0), 100.0, 1e-9);
        EXPECT_NEAR(p_dist(t, v, a1), 100.0, 1e-9);
    }
    expect_at(t, v, c.x, c.y, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(BothWays, Equilateral,
                         ::testing::Values(EquilateralCase{200, 100, 100, 100, 150, 100 + 50 * std::sqrt(3.0)},
                                           EquilateralCase{100, 100, 200, 100, 150, 100 - 50 * std::sqrt(3.0)}));

// --- Ratio points -----------------------------------------------------------

struct RatioCase {
    int type;
    const char* p;
    const char* q;
    double x, y;
};

class RatioPoint : public ::testing::TestWithParam<RatioCase> {};

TEST_P(RatioPoint, ReadsItsTexts) {
    const RatioCase& c = GetParam();
    ObjectTable t;
    const int a0 = add_free_point(t, 30, 60, "A");
    const int a1 = add_free_point(t, 90, 150, "B");
    const int a2 = add_free_point(t, 190, 170, "C");
    const int r = c.type == 199 ? add_constructed(t, c.type, {a0, a1, a2})
                                : add_constructed(t, c.type, {a0, a1});
    t[r].aux1.set_text(c.p);
    t[r].aux2.set_text(c.q);
    place(t, r, -8, -8);
    recompute_state(t);
    EXPECT_EQ(compute_point(t, nullptr, r), kComputeDone);
    expect_at(t, r, c.x, c.y, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RatioPoint,
    ::testing::Values(RatioCase{197, "1", "3", 50, 90},    // a0 + (a1 - a0) / 3
                      RatioCase{197, "1", "0", 0, 0},      // zero denominator
                      RatioCase{197, "1", "abc", 0, 0},    // no digits: 0
                      RatioCase{197, "x", "3", 30, 60},    // first 0: on a0
                      RatioCase{197, "-1", " 2", 0, 15},   // sign, leading blank
                      RatioCase{197, "3junk", "2", 120, 195},
                      RatioCase{198, "1", "-1", 0, 0},     // p + q = 0
                      RatioCase{198, "1", "2", 50, 90},    // a0P : Pa1 = 1 : 2
                      RatioCase{198, "0", "5", 30, 60},
                      RatioCase{199, "0", "1", 0, 0},      // first 0 fails here
                      RatioCase{199, "1", "0", 0, 0},
                      RatioCase{199, "1", "2", 80, 70}));  // a0 + (a2 - a1) / 2

// --- Rotations through compute_point --------------------------------------------

TEST(Rotation, ByAGivenAngleText) {
    ObjectTable t;
    const int a = add_free_point(t, 100, 100, "A");
    const int b = add_free_point(t, 110, 100, "B");
    const int r = add_constructed(t, 470, {a, b});
    t[r].aux1.set_text("90");
    recompute_state(t);
    compute_point(t, nullptr, r);
    const double theta = -1.570795;
    expect_at(t, r, 100 + 10 * std::cos(theta), 100 + 10 * std::sin(theta), 1e-12);
    EXPECT_GT(t.get(r).x - 100, 1e-5);  // 3.14159 is not pi
    EXPECT_LT(t.get(r).x - 100, 2e-5);
}

TEST(Rotation, ByTheAngleOfThreePoints) {
    ObjectTable t;
    const int a = add_free_point(t, 100, 100, "A");
    const int b = add_free_point(t, 110, 100, "B");
    const int d = add_free_point(t, 300, 300, "D");
    const int e = add_free_point(t, 310, 300, "E");
    const int c = add_free_point(t, 300, 310, "C");
    const int r = add_constructed(t, 471, {a, b, c, d, e});
    recompute_state(t);
    compute_point(t, nullptr, r);
    expect_at(t, r, 100, 110, 1e-9);
}

// --- Free and semi-free points -------------------------------------------------

TEST(FreePoint, TakesTheMouseOnlyWhilePlacing) {
    ObjectTable t;
    const int p = add_free_point(t, 40, 50, "P");
    t.mouse_x() = 70;
    t.mouse_y() = 80;
    recompute_state(t);
    compute_point(t, nullptr, p);
    expect_at(t, p, 40, 50, 0);
    t.placing() = 1;
    t.recompute() = 0;
    EXPECT_EQ(compute_point(t, nullptr, p), kComputeDone);
    expect_at(t, p, 70, 80, 0);
}

struct SemiFreeFigure {
    ObjectTable t;
    int o = add_free_point(t, 100, 100, "O");
    int q = add_free_point(t, 150, 100, "Q");
    int a = add_free_point(t, 300, 100, "A");
    int b = add_free_point(t, 400, 200, "B");
    int spare = add_free_point(t, 500, 500, "S");
    int c25 = add_constructed(t, 113, {o, q}, "P");   // index 25
    int c26 = add_constructed(t, 113, {o, q}, "R");   // index 26
    int l27 = add_constructed(t, 110, {a, b}, "L");   // index 27
};

TEST(SemiFree, PlacedFromTheMouseWithTheirParameter) {
    SemiFreeFigure f;
    ASSERT_EQ(f.c25, 25);
    EXPECT_EQ(place_new(f.t, f.c25, 100, 20), kComputeDone);
    expect_at(f.t, f.c25, 100, 50);
    EXPECT_EQ(f.t.get(f.c25).aux1.as_double(), -80.0);
    // On line ab: the mirror image of b through a stores t = 1.
    place_new(f.t, f.l27, 200, 0);
    expect_at(f.t, f.l27, 200, 0);
    EXPECT_NEAR(f.t.get(f.l27).aux1.as_double(), 1.0, 1e-12);
}

TEST(SemiFree, OnlyPointsAboveTheDraggedIndexAreRederived) {
    SemiFreeFigure f;
    place_new(f.t, f.c25, 100, 20);
    place_new(f.t, f.c26, 100, 20);
    place(f.t, f.o, 110, 100);
    place(f.t, f.q, 160, 100);
    start_drag(f.t, 25);
    compute_point(f.t, nullptr, f.c25);
    compute_point(f.t, nullptr, f.c26);
    expect_at(f.t, f.c25, 100, 50, 0);  // at the dragged index: kept
    expect_at(f.t, f.c26, 110, 50);     // above: re-placed from its parameter
    // An animation tick (dragged index 1) re-derives them all.
    start_drag(f.t, 1);
    compute_point(f.t, nullptr, f.c25);
    expect_at(f.t, f.c25, 110, 50);
}

TEST(SemiFree, ResizeModeLeavesThemAloneEvenWhilePlacing) {
    SemiFreeFigure f;
    place(f.t, f.c25, 7, 8);
    f.t.action_state() = astate::kResizing;
    EXPECT_EQ(place_new(f.t, f.c25, 100, 20), kComputeLeftAlone);
    expect_at(f.t, f.c25, 7, 8, 0);
    start_drag(f.t, 0);
    EXPECT_EQ(compute_point(f.t, nullptr, f.l27), kComputeLeftAlone);
    // A free point still follows the other roles.
    f.t.placing() = 1;
    compute_point(f.t, nullptr, f.spare);
    expect_at(f.t, f.spare, 100, 20, 0);
}

TEST(SemiFree, WithoutRecomputeTheyStay) {
    SemiFreeFigure f;
    place_new(f.t, f.c26, 100, 20);
    place(f.t, f.o, 110, 100);
    f.t.placing() = 0;
    f.t.recompute() = 0;
    f.t.dragged_index() = 0;
    compute_point(f.t, nullptr, f.c26);
    expect_at(f.t, f.c26, 100, 50, 0);
}

// --- Failure propagation --------------------------------------------------------

struct ParentCase {
    double x, y;
    bool fails;
};

class FailedParent : public ::testing::TestWithParam<ParentCase> {};

TEST_P(FailedParent, FailsTheChildAndItsChildren) {
    const ParentCase& c = GetParam();
    ObjectTable t;
    const int p = add_free_point(t, c.x, c.y, "P");
    const int q = add_free_point(t, 100, 200, "Q");
    const int mid = add_constructed(t, 103, {p, q}, "M");
    const int grand = add_constructed(t, 103, {mid, q}, "N");
    place(t, mid, 9, 9);
    recompute_state(t);
    EXPECT_EQ(compute_point(t, nullptr, mid), c.fails ? kComputeFailed : kComputeDone);
    EXPECT_EQ(compute_point(t, nullptr, grand), c.fails ? kComputeFailed : kComputeDone);
    if (c.fails) {
        expect_at(t, mid, 0, 0, 0);
        expect_at(t, grand, 0, 0, 0);
    } else {
        expect_at(t, mid, (c.x + 100) / 2, (c.y + 200) / 2);
    }
}

INSTANTIATE_TEST_SUITE_P(DeviceOrigin, FailedParent,
                         ::testing::Values(ParentCase{0.0, 0.0, true}, ParentCase{0.5, -0.9, true},
                                           ParentCase{-0.9, 0.5, true}, ParentCase{0.6, 0.0, false},
                                           ParentCase{0.0, -1.0, false}));

TEST(FailedParent, EvenWhenTheKernelCouldSolveIt) {
    ObjectTable t;
    const int p = add_free_point(t, 0, 0, "P");
    const int q = add_free_point(t, 100, 0, "Q");
    const int sq = add_constructed(t, 132, {q, p}, "S");  // would be (100, 100)
    recompute_state(t);
    EXPECT_EQ(compute_point(t, nullptr, sq), kComputeFailed);
    expect_at(t, sq, 0, 0, 0);
}

TEST(FailedParent, ParentsSevenAndEightAreNotTested) {
    ObjectTable t;
    const int z = add_free_point(t, 0, 0, "Z");
    const int p = add_free_point(t, 40, 40, "P");
    const int q = add_free_point(t, 100, 200, "Q");
    const int mid = add_constructed(t, 103, {p, q}, "M");
    t[mid].arg[6] = z;
    t[mid].arg[7] = z;
    recompute_state(t);
    EXPECT_EQ(compute_point(t, nullptr, mid), kComputeDone);
    expect_at(t, mid, 70, 120);
}

TEST(FailedParent, IndicesOutOfOrderCountAsFailed) {
    ObjectTable t;
    const int p = add_free_point(t, 40, 40, "P");
    const int mid = add_constructed(t, 103, {p, p}, "M");
    const int later = add_free_point(t, 80, 80, "L");
    recompute_state(t);
    for (int bad : {-3, mid, later, 1000}) {
        t[mid].arg[1] = bad;
        place(t, mid, 5, 5);
        EXPECT_EQ(compute_point(t, nullptr, mid), kComputeFailed) << bad;
        expect_at(t, mid, 0, 0, 0);
    }
}

TEST(NonPoints, AreNotComputed) {
    ObjectTable t;
    const int z = add_free_point(t, 0, 0, "Z");
    Dpoint text(180, "x");
    text.cls = 6;
    text.set_text("\x14\x00\x00\x00 bytes that are no indices");
    text.x = 30;
    text.y = 40;
    const int k = t.append(text);
    Dpoint segment(135, "x", z, z);
    segment.cls = 2;
    segment.x = 5;
    segment.y = 6;
    const int s = t.append(segment);
    recompute_state(t);
    EXPECT_EQ(compute_point(t, nullptr, k), kComputeDone);
    expect_at(t, k, 30, 40, 0);
    EXPECT_EQ(compute_point(t, nullptr, s), kComputeDone);
    expect_at(t, s, 5, 6, 0);
    EXPECT_EQ(compute_point(t, nullptr, t.count()), kComputeFailed);  // no such object
}

// --- Intersections with a circle ----------------------------------------------

struct CircleFigure {
    ObjectTable t;
    int a = add_free_point(t, 0, 100, "A");      // line ab: y = 100
    int b = add_free_point(t, 10, 100, "B");
    int o = add_free_point(t, 150, 100, "O");    // circle (o; o, c): radius 50
    int c = add_free_point(t, 150, 150, "C");
    int far = add_free_point(t, 150, 400, "F");  // circle (far; far, g) misses the line
    int g = add_free_point(t, 150, 420, "G");
};

// A circle through a point of the line named like it (another record of the
// same name counts): the sought point is the other root, with no choice asked
// even when the click is on the common point.
TEST(CircleIntersection, ThroughACommonNamedPointTheOtherRootWithoutAChoice) {
    ObjectTable t;
    const int a = add_free_point(t, 0, 100, "A");
    const int b = add_free_point(t, 200, 100, "B");
    const int o = add_free_point(t, 100, 150, "O");  // through A and B
    const int a2 = add_free_point(t, 0, 100, "A");   // another record named A
    const int b2 = add_free_point(t, 200, 100, "B");
    const int c = add_free_point(t, 5, 5, "C");
    const int d = add_free_point(t, 5, 15, "D");     // C D vertical: its perpendicular is AB
    const int q = add_free_point(t, 50, 150, "Q");   // through A and (100, 100)
    struct {
        int type;
        std::vector<int> args;
        double mx, my, x, y;
    } cases[] = {
        {122, {a, b, o, a2}, 0, 100, 200, 100},         // line AB, circle O through A
        {122, {a, b, o, b2}, 200, 100, 0, 100},         // ... through B
        {123, {a, a, b, o, a2}, 0, 100, 200, 100},      // parallel to AB through A
        {124, {a, c, d, q, a2}, 0, 100, 100, 100},      // perpendicular to CD through A
    };
    for (const auto& c : cases) {
        Dpoint p(c.type, "X");
        p.cls = 1;
        for (std::size_t k = 0; k < c.args.size(); ++k) p.arg[k] = c.args[k];
        const int x = t.append(p);
        EXPECT_EQ(place_new(t, x, c.mx, c.my), kComputeDone) << c.type;
        expect_at(t, x, c.x, c.y, 1e-9);
        t.truncate(x);
    }
}

TEST(CircleIntersection, StatusWhenNothingMeetsOnRecompute) {
    CircleFigure f;
    const int h = add_free_point(f.t, 150, 380, "H");
    const int i = add_free_point(f.t, 150, 430, "I");
    struct {
        int type;
        std::vector<int> args;
        int status;
    } cases[] = {
        {122, {f.a, f.b, f.far, f.g}, kComputeFailed},
        {123, {f.a, f.a, f.b, f.far, f.g}, kComputeFailed},
        {124, {f.o, f.a, f.b, f.far, f.g}, kComputeDone},  // tline x = 150 meets it: move away below
        {125, {f.o, f.c, f.far, f.g}, kComputeDone},
        {126, {f.a, f.b, f.far, h, i}, kComputeFailed},
        {127, {f.o, f.c, f.far, h, i}, kComputeCirclesApart},
        {128, {f.o, h, i, f.far, h, i}, kComputeCirclesApart},
    };
    for (const auto& c : cases) {
        Dpoint p(c.type, "X");
        p.cls = 1;
        for (std::size_t k = 0; k < c.args.size(); ++k) p.arg[k] = c.args[k];
        if (c.type == 124) p.arg[0] = f.b;  // tline (b; a, b) is x = 10: misses the far circle
        p.x = 3;
        p.y = 3;
        const int x = f.t.append(p);
        recompute_state(f.t);
        EXPECT_EQ(compute_point(f.t, nullptr, x), c.status) << c.type;
        expect_at(f.t, x, 0, 0, 0);
    }
}

TEST(CircleIntersection, TwoCirclesThroughACommonNamedPoint) {
    ObjectTable t;
    const int a0 = add_free_point(t, 100, 100, "A");
    const int a1 = add_free_point(t, 150, 60, "P");
    const int a2 = add_free_point(t, 200, 100, "B");
    const int same = add_free_point(t, 150, 60, "P");  // another record named P
    const int x = add_constructed(t, 125, {a0, a1, a2, same}, "X");
    place(t, 11, 11, 12);
    EXPECT_EQ(place_new(t, x, 150, 70), kComputeDone);
    expect_at(t, x, 150, 140);  // P reflected in the line of the centres
    expect_at(t, 11, 11, 12, 0);  // no intersection kernel ran
    // Concentric circles through a common point have no line of centres.
    place(t, a2, 100, 100);
    place(t, x, 1, 2);
    recompute_state(t);
    compute_point(t, nullptr, x);
    expect_at(t, x, 1, 2, 0);
}

}  // namespace
