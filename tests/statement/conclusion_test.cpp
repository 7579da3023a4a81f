#include <array>
#include <string>

#include "algebra/poly.h"
#include "statement/examples.h"
#include "statement/quantity_terms.h"
#include "stm_fixture.h"

namespace {

using ConclusionTest = StatementTest;
using Slots = std::array<std::uint32_t, 8>;

// Points A..H are 1..8 in every case.
constexpr const char* kPoints = "POINT A B C D E F G H;";

struct PredicateCase {
    const char* show;
    std::int32_t kind;
    Slots slots;
};

TEST_F(ConclusionTest, PredicatesAndTheirSlotOrder)
{
    const PredicateCase cases[] = {
        {"COLLINEAR A B C.", 148, {1, 2, 3}},
        {"PARALLEL A B C D.", 149, {1, 2, 3, 4}},
        {"PERPENDICULAR A B C D.", 150, {1, 2, 3, 4}},
        {"EQDISTANCE A B C D.", 153, {1, 2, 3, 4}},
        {"EQANGEL A B C D E F.", 154, {1, 2, 2, 3, 4, 5, 5, 6}},
        {"MIDPOINT A B C.", 151, {1, 2, 3}},
        {"EQ_PRODUCT A B C D E F G H.", 155, {1, 2, 5, 6, 7, 8, 3, 4}},
        {"COCIRCLE A B C D.", 152, {0, 1, 2, 3, 4}},
        {"TANGENT A B C D.", 156, {1, 2, 3, 4}},
        {"NO.", kConclNone, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.show);
        g_concl.p.fill(7);
        read_stm(kPoints, c.show);
        ASSERT_EQ(out(), "");
        EXPECT_EQ(g_concl.type, c.kind);
        EXPECT_EQ(g_concl.p, c.slots);
        EXPECT_EQ(g_npoints, 8);
    }
}

TEST_F(ConclusionTest, TooManyPointsNamesTheTokens)
{
    read_stm(kPoints, "COLLINEAR A B C D.");
    EXPECT_EQ(out(), error_text("Conclusion wrong: ") + "COLLINEAR A B C D \n" +
                         error_text(" Statement should ends with a \".\""));
    EXPECT_EQ(g_npoints, 0);
}

TEST_F(ConclusionTest, TooFewPoints)
{
    read_stm(kPoints, "PARALLEL A B C.");
    EXPECT_EQ(out(), error_text("Conclusion wrong: ") + "PARALLEL A B C . \n" +
                         error_text(" Statement should ends with a \".\""));
}

TEST_F(ConclusionTest, PositiveTriangleHasNoKeyword)
{
    // The keyword holds a blank, so the text is read as an equation without "=".
    read_stm(kPoints, "Positive triangle A B C.");
    EXPECT_EQ(out(), error_text("expression should be an equation like  * = *.\n") +
                         error_text(" Statement should ends with a \".\""));
}

TEST_F(ConclusionTest, EquationErrors)
{
    read_stm(kPoints, "x + y .");
    EXPECT_EQ(out(), error_text("expression should be an equation like  * = *.\n") +
                         error_text(" Statement should ends with a \".\""));

    read_stm(kPoints, "a ; b = c.");
    EXPECT_EQ(out(), error_text("Conclusion is wrong") + error_text(" Statement should ends with a \".\""));

    clear_output();
    rd_stm("EXAMPLE t HYPOTHESES: POINT A; SHOW: a = b~");
    EXPECT_EQ(out(), error_text("Expression should end with ; or .\r\n") +
                         error_text(" Statement should ends with a \".\""));
}

TEST_F(ConclusionTest, EquationSides)
{
    read_stm(kPoints, "(AREA A B C) = 0.");
    ASSERT_EQ(out(), "");
    EXPECT_EQ(g_concl.type, kConclEquation);
    ASSERT_NE(g_concl_lhs, nullptr);
    EXPECT_TRUE(peq(g_concl_lhs, PolyPtr(mk_sarea(1, 2, 3, 3)).get()));
    EXPECT_TRUE(pzerop(g_concl_rhs));

    read_stm(kPoints, "(AREA A B C) = (AREA A B D).");
    ASSERT_EQ(out(), "");
    EXPECT_TRUE(peq(g_concl_rhs, PolyPtr(mk_sarea(1, 2, 4, 4)).get()));
}

TEST_F(ConclusionTest, EmptySidesAreErrors)
{
    read_stm(kPoints, "= b.");
    EXPECT_EQ(out().find(error_text("expression error: empty expression")), 0u);
    // A ";" after an equation starts another equation with an empty left side.
    read_stm(kPoints, "a = b; c = d.");
    EXPECT_EQ(out().find(error_text("expression error: empty expression")), 0u);
    read_stm(kPoints, "a = .");
    EXPECT_EQ(out().find(error_text("expression error: empty expression")), 0u);
    EXPECT_EQ(g_npoints, 0);
}

TEST_F(ConclusionTest, ALaterExampleKeepsTheSidesButNotTheKind)
{
    read_stm(kPoints, "a = b.");
    ASSERT_EQ(g_concl.type, kConclEquation);
    const xterm* lhs = g_concl_lhs;
    ASSERT_TRUE(load_example(315));
    EXPECT_EQ(g_concl.type, 151);
    EXPECT_EQ(g_concl_lhs, lhs);
}

}  // namespace
