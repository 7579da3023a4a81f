// Non-degeneracy conditions (mode 4).

#include <string>

#include "statement/nondegenerate.h"
#include "sem_fixture.h"

namespace {

using NonDegenerateTest = SemanticsTest;

TEST_F(NonDegenerateTest, ConditionsByKind)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"FOOT X A B C;", "B \u2260 C.\r\n"},
        {"CIRCUMCENTER X A B C;", "Points C, A, B are not collinear.\r\n"},
        {"ORTHOCENTER X A B C;", "Points B, C, A are not collinear.\r\n"},
        {"INCENTER X A B C;", "Line CA is not perpendicular to CB.\r\n"},
        {"EQ_TRIANGLE X A B;", "A \u2260 B.\r\n"},
        {"ON_LINE X A B;", "A \u2260 B.\r\n"},
        {"ON_PLINE X A B C;", "B \u2260 C.\r\n"},
        {"ON_TLINE X A B C;", "B \u2260 C.\r\n"},
        {"ON_CIRCLE X A B;", "A \u2260 B.\r\n"},
        {"ON_ALINE X A B C D E;", "A \u2260 B.\r\nC \u2260 D.\r\nE \u2260 D.\r\n"},
        {"INTERSECTION_LL X A B C D;", "Line AB is not parallel to CD.\r\n"},
        {"INTERSECTION_LL X A B A D;", "Points A, B, D are not collinear.\r\n"},
        {"INTERSECTION_LP X A B C D E;", "Line AB is not parallel to DE.\r\n"},
        {"INTERSECTION_LT X A B C D E;", "Line AB is not perpendicular to DE.\r\n"},
        {"INTERSECTION_LT X A B C B A;", "A  #  B.\r\n"},
        {"INTERSECTION_PP X A B C D E F;", "Line BC is not parallel to EF.\r\n"},
        {"INTERSECTION_TT X A B C D E F;", "Line BC is not parallel to EF.\r\n"},
        // The parallel to BC meets the perpendicular to EF unless BC is
        // perpendicular to EF.
        {"INTERSECTION_PT X A B C D E F;", "Line BC is not perpendicular to EF.\r\n"},
        {"INTERSECTION_LC X A B C D;", "Point A is not equal to B.\r\n"},
        // The line through A parallel (perpendicular) to BC needs B and C apart.
        {"INTERSECTION_PC X A B C D E;", "B \u2260 C.\r\n"},
        {"INTERSECTION_TC X A B C D E;", "B \u2260 C.\r\n"},
        {"INTERSECTION_LR X A B C D E;", "B \u2260 A.\r\nD \u2260 E.\r\n"},
        {"REFLECTION X A B C;", "X \u2260 A.\r\nB \u2260 C.\r\n"},
        {"PSQUARE X A B;", "A \u2260 B.\r\n"},
        {"NSQUARE X A B;", "A \u2260 B.\r\n"},
        {"PRATIO X A B C 1 2;", "B # C.\r\n"},
        // No conditions.
        {"MIDPOINT X A B;", ""},
        {"CENTROID X A B C;", ""},
        {"INTERSECTION_CC X A B C D;", ""},
        {"INTERSECTION_CR X A B C D E;", ""},
        {"INTERSECTION_RR X A B C D E F;", ""},
        {"SYM X A B;", ""},
        {"INVERSION X A B C;", ""},
        {"LRATIO X A B 1 2;", ""},
    };
    for (const auto& [line, conditions] : cases) {
        SCOPED_TRACE(line);
        read_stm("POINT A B C D E F;\n" + std::string(line), "NO.");
        ASSERT_EQ(g_abort, 0) << out();
        EXPECT_EQ(cons_out(cgeo::kNonDegenerate, pt("X")), conditions);
    }
}

TEST_F(NonDegenerateTest, LinesSharingAPointNameAreNotCollinearPoints)
{
    read_stm("POINT A B C D;", "NO.");
    // a = c, a = d, b = c, b = d, in this order.
    EXPECT_EQ(nd_npara(1, 2, 1, 4), "Points A, B, D are not collinear.\r\n");
    EXPECT_EQ(nd_npara(1, 2, 3, 1), "Points A, B, C are not collinear.\r\n");
    EXPECT_EQ(nd_npara(1, 2, 2, 4), "Points A, B, D are not collinear.\r\n");
    EXPECT_EQ(nd_npara(1, 2, 3, 2), "Points A, B, C are not collinear.\r\n");
    EXPECT_EQ(nd_npara(1, 2, 3, 4), "Line AB is not parallel to CD.\r\n");
    EXPECT_EQ(nd_nperp(1, 2, 1, 2), "A  #  B.\r\n");
    EXPECT_EQ(nd_nperp(1, 2, 2, 1), "A  #  B.\r\n");
    EXPECT_EQ(nd_nperp(1, 2, 1, 3), "Line AB is not perpendicular to AC.\r\n");
}

TEST_F(NonDegenerateTest, PointsAreComparedByName)
{
    // Two records named A: the conditions treat them as one point.
    read_stm("POINT A B C D;", "NO.");
    g_pro_points[3].name = "A";
    EXPECT_EQ(nd_npara(1, 2, 3, 4), "Points A, B, D are not collinear.\r\n");
    EXPECT_EQ(nd_nperp(1, 2, 3, 2), "A  #  B.\r\n");
}

}  // namespace
