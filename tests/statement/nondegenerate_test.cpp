// Non-degeneracy conditions (mode 4).

#include <string>

#include "statement/nondegenerate.h"
#include "sem_fixture.h"

namespace {

using NonDegenerateTest = SemanticsTest;

TEST_F(NonDegenerateTest, ConditionsOfSharedPointsAndRatios)
{
    // The forms of the other kinds are checked with their statement forms.
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"INTERSECTION_LL X A B A D;", "Points A, B, D are not collinear.\r\n"},
        {"INTERSECTION_LT X A B C B A;", "A  #  B.\r\n"},
        {"PRATIO X A B C 1 2;", "B # C.\r\n"},
        {"LRATIO X A B 1 2;", ""},
    };
    for (const auto& [line, conditions] : cases) {
        SCOPED_TRACE(line);
        read_stm("POINT A B C D E F;\n" + std::string(line), "NO.");
        ASSERT_EQ(g_abort, 0) << out();
        EXPECT_EQ(cons_out(cgeo::kNonDegenerate, pt("X")), conditions);
    }
}

TEST_F(NonDegenerateTest, LinesSharingAPointNameAreNotCollinearPointsComparedByName)
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
    // Two records named A are one point to the conditions.
    g_pro_points[3].name = "A";
    EXPECT_EQ(nd_npara(1, 2, 3, 4), "Points A, B, D are not collinear.\r\n");
    EXPECT_EQ(nd_nperp(1, 2, 3, 2), "A  #  B.\r\n");
}

}  // namespace
