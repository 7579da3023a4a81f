#include <gtest/gtest.h>

#include <limits>

#include "model/device_mapping.h"
#include "model/numeric.h"

namespace {

struct MapCase {
    double v;
    unsigned char mode;
    int expected;
};

TEST(PToDev, OnScreenRoundsHalvesDownAndTruncatesNegatives) {
    ObjectTable t;
    const MapCase cases[] = {
        {0.49, 0, 0}, {-0.49, 0, 0}, {0.5, 0, 0}, {0.51, 0, 1}, {2.5, 0, 2},
        {2.51, 0, 3}, {2.6, 0, 3},   {-2.7, 0, -2}, {-0.6, 0, 0}, {100.0, 1, 100},
        {2.5, 1, 2},
    };
    for (const MapCase& c : cases) EXPECT_EQ(p_to_dev(t, c.v, c.mode), c.expected) << c.v;
}

TEST(PToDev, OnPaperScalesAndShiftsCoordinates) {
    ObjectTable t;
    t.pending_command() = 210;
    t.print_scale() = 6.0;
    const MapCase cases[] = {
        {0.49, 0, 0},    {-0.49, 0, 0},   {0.49, 1, 0},  {0.5, 0, 123},  {1.25, 0, 127},
        {0.5, 1, 3},     {0.6, 1, 4},     {-30.0, 0, -60}, {10.0, 0, 180}, {2.25, 1, 13},
        {0.5, 2, 123},   {0.5, 255, 123},
    };
    for (const MapCase& c : cases)
        EXPECT_EQ(p_to_dev(t, c.v, c.mode), c.expected) << c.v << " mode " << int(c.mode);
}

TEST(PToDev, ClampsHugeValuesAndMapsNaNToZero) {
    ObjectTable t;
    EXPECT_EQ(p_to_dev(t, std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(p_to_dev(t, 1e30), kDeviceLimit);
    EXPECT_EQ(p_to_dev(t, -1e30), -kDeviceLimit);
    EXPECT_EQ(p_to_dev(t, std::numeric_limits<double>::infinity()), kDeviceLimit);
    t.pending_command() = 210;
    t.print_scale() = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(p_to_dev(t, 10.0), 0);
}

TEST(TruncToInt, ClampsAndTruncates) {
    EXPECT_EQ(trunc_to_int(12.9), 12);
    EXPECT_EQ(trunc_to_int(-3.7), -3);
    EXPECT_EQ(trunc_to_int(1e20), std::numeric_limits<int>::max());
    EXPECT_EQ(trunc_to_int(-1e20), -std::numeric_limits<int>::max());
    EXPECT_EQ(trunc_to_int(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(trunc_to_int(500.0, 100), 100);
}

}  // namespace
