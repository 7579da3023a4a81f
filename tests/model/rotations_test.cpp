#include <gtest/gtest.h>

#include <cmath>

#include "model/aux_text.h"
#include "model/rotations.h"
#include "table_fixture.h"

namespace {

using model_test::add_free_point;
using model_test::place;

// --- Texts of the aux fields ----------------------------------------------------

TEST(AuxText, Integers) {
    struct {
        const char* text;
        long value;
    } cases[] = {{"1", 1},   {"3", 3},     {"0", 0},   {"x", 0},    {"", 0},      {"-1", -1},
                 {" 2", 2},  {"\t+7", 7},  {"12ab", 12}, {"- 4", 0}, {"99999999", 99999999},
                 {"4.9", 4}, {"+", 0}};
    for (const auto& c : cases) EXPECT_EQ(parse_decimal_integer(c.text), c.value) << c.text;
}

TEST(AuxText, Numbers) {
    struct {
        const char* text;
        double value;
    } cases[] = {{"90", 90.0},   {"-45.5", -45.5}, {".5", 0.5},  {"5.", 5.0},   {"1e1", 10.0},
                 {"2E-1", 0.2},  {"3e", 3.0},      {" +7x", 7.0}, {"abc", 0.0},  {"", 0.0},
                 {".", 0.0},     {"-", 0.0},       {"inf", 0.0}, {"nan", 0.0},  {"0x10", 0.0},
                 {"1e999", 0.0}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(parse_decimal_number(c.text), c.value) << c.text;
}

TEST(AuxText, ReadFromTheEightBytesOfAnAuxField) {
    Aux aux;
    aux.set_text("12345678");  // keeps seven characters
    EXPECT_EQ(ratio_of(aux), 1234567.0f);
    aux.set_text("-30");
    EXPECT_DOUBLE_EQ(angle_of(aux), -30.0);
    aux.set_double(1.5);  // bytes of a double are no number text
    EXPECT_TRUE(std::isfinite(angle_of(aux)));
}

// --- Rotation by a given angle ----------------------------------------------------

struct AngleCase {
    const char* text;
    double degrees;  // what the text reads as
};

class Nrotate : public ::testing::TestWithParam<AngleCase> {};

TEST_P(Nrotate, TurnsCounterClockwiseOnTheScreen) {
    const AngleCase& c = GetParam();
    ObjectTable t;
    const int a = add_free_point(t, 100, 100, "A");
    const int b = add_free_point(t, 130, 60, "B");
    const int r = add_free_point(t, 0, 0, "R");
    t[r].aux1.set_text(c.text);
    EXPECT_EQ(cal_nrotate(t, r, a, b), 1);
    const double theta = -(c.degrees * 3.14159) / 180.0;
    EXPECT_NEAR(t[r].x, 100 + 30 * std::cos(theta) + 40 * std::sin(theta), 1e-9);
    EXPECT_NEAR(t[r].y, 100 - 40 * std::cos(theta) + 30 * std::sin(theta), 1e-9);
    EXPECT_NEAR(std::hypot(t[r].x - 100, t[r].y - 100), 50.0, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Texts, Nrotate,
                         ::testing::Values(AngleCase{"90", 90}, AngleCase{"-90", -90},
                                           AngleCase{"180", 180}, AngleCase{"45.5", 45.5},
                                           AngleCase{"1e1", 10}, AngleCase{"", 0},
                                           AngleCase{"abc", 0}));

TEST(Nrotate, AQuarterTurnAsThePointsOfTheDiagramSee) {
    ObjectTable t;
    const int a = add_free_point(t, 100, 100, "A");
    const int b = add_free_point(t, 110, 100, "B");
    t[b].aux1.set_text("90");
    cal_nrotate(t, b, a, b);  // in place
    EXPECT_NEAR(t[b].y, 90.0, 1e-9);  // above a on the screen
    EXPECT_NEAR(t[b].x - 100, 10 * std::cos(-1.570795), 1e-12);
}

// --- Rotation by the angle of three points ---------------------------------------

struct ThreePointCase {
    double cx, cy, ex, ey;  // rays d-c and d-e from d = (300, 300)
    double x, y;            // b = a + (10, 0) turned, relative to a
};

class Protate : public ::testing::TestWithParam<ThreePointCase> {};

TEST_P(Protate, TurnsRayDEOntoRayDC) {
    const ThreePointCase& c = GetParam();
    ObjectTable t;
    const int a = add_free_point(t, 100, 100, "A");
    const int b = add_free_point(t, 110, 100, "B");
    const int cc = add_free_point(t, 300 + c.cx, 300 + c.cy, "C");
    const int d = add_free_point(t, 300, 300, "D");
    const int e = add_free_point(t, 300 + c.ex, 300 + c.ey, "E");
    const int r = add_free_point(t, 0, 0, "R");
    EXPECT_EQ(cal_protate(t, r, a, b, cc, d, e), 1);
    EXPECT_NEAR(t[r].x - 100, c.x, 1e-9);
    EXPECT_NEAR(t[r].y - 100, c.y, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, Protate,
    ::testing::Values(
        ThreePointCase{0, 10, 10, 0, 0, 10},            // clockwise quarter turn on the screen
        ThreePointCase{0, -10, 10, 0, 0, -10},          // counter-clockwise quarter turn
        ThreePointCase{20, 0, 5, 0, 10, 0},             // the same ray: no turn
        ThreePointCase{-7, 0, 3, 0, -10, 0},            // a half turn
        ThreePointCase{30, 30, 40, 0, 10 / std::sqrt(2.0), 10 / std::sqrt(2.0)},
        ThreePointCase{6, -8, 10, 0, 6, -8},            // cos 0.6, sin -0.8
        // Close to a right angle: the tangent is too large to use.
        ThreePointCase{0.01, 10, 10, 0, 0.1 / std::hypot(0.01, 10.0), 100 / std::hypot(0.01, 10.0)}));

TEST(Protate, ADegenerateAngleFailsThePoint) {
    ObjectTable t;
    const int a = add_free_point(t, 100, 100, "A");
    const int b = add_free_point(t, 110, 100, "B");
    const int d = add_free_point(t, 300, 300, "D");
    const int c = add_free_point(t, 300, 300, "C");  // on d
    const int e = add_free_point(t, 310, 300, "E");
    const int r = add_free_point(t, 5, 5, "R");
    EXPECT_EQ(cal_protate(t, r, a, b, c, d, e), -1);
    EXPECT_EQ(t[r].x, 0.0);
    EXPECT_EQ(t[r].y, 0.0);
    place(t, r, 5, 5);
    EXPECT_EQ(cal_protate(t, r, a, b, e, d, c), -1);
    EXPECT_EQ(t[r].x, 0.0);
    place(t, c, 300 + 5e-5, 300);  // closer than 1e-4 is no ray
    EXPECT_EQ(cal_protate(t, r, a, b, c, d, e), -1);
}

TEST(Protate, TinyRaysStayFinite) {
    ObjectTable t;
    const int a = add_free_point(t, 100, 100, "A");
    const int b = add_free_point(t, 110, 100, "B");
    const int d = add_free_point(t, 300, 300, "D");
    const int r = add_free_point(t, 0, 0, "R");
    // Short rays, nearly collinear or nearly opposite: the cosine may round
    // past +-1, yet the turned point stays at distance 10 from a.
    const double offsets[][4] = {{1.3e-4, 1.1e-4, 1.9e-4, 1.6e-4},
                                 {1.2e-4, 0, -1.2e-4, 1e-12},
                                 {3e-4, 3e-4, 3e-4, 3.0000000001e-4}};
    for (const auto& o : offsets) {
        const int c = add_free_point(t, 300 + o[0], 300 + o[1], "C");
        const int e = add_free_point(t, 300 + o[2], 300 + o[3], "E");
        EXPECT_EQ(cal_protate(t, r, a, b, c, d, e), 1);
        ASSERT_TRUE(std::isfinite(t[r].x) && std::isfinite(t[r].y));
        EXPECT_NEAR(std::hypot(t[r].x - 100, t[r].y - 100), 10.0, 1e-3);
    }
}

}  // namespace
