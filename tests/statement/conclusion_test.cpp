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

TEST_F(ConclusionTest, WrongConclusionsAreReportedAndEmptyTheStatement)
{
    const std::string no_end = error_text(" Statement should ends with a \".\"");
    const std::pair<std::string_view, std::string> cases[] = {
        // The wrong line is named by its tokens.
        {"COLLINEAR A B C D.", error_text("Conclusion wrong: ") + "COLLINEAR A B C D \n" + no_end},
        {"PARALLEL A B C.", error_text("Conclusion wrong: ") + "PARALLEL A B C . \n" + no_end},
        // Positive triangle's keyword holds a blank: read as an equation without "=".
        {"Positive triangle A B C.", error_text("expression should be an equation like  * = *.\n") + no_end},
        {"x + y .", error_text("expression should be an equation like  * = *.\n") + no_end},
        {"a ; b = c.", error_text("Conclusion is wrong") + no_end},
    };
    for (const auto& [show, error] : cases) {
        SCOPED_TRACE(show);
        read_stm(kPoints, show);
        EXPECT_EQ(out(), error);
        EXPECT_EQ(g_npoints, 0);
    }
    clear_output();
    rd_stm("EXAMPLE t HYPOTHESES: POINT A; SHOW: a = b~");
    EXPECT_EQ(out(), error_text("Expression should end with ; or .\r\n") + no_end);
    // Empty sides; a ";" after an equation starts another with an empty left side.
    for (std::string_view show : {"= b.", "a = b; c = d.", "a = ."}) {
        SCOPED_TRACE(show);
        read_stm(kPoints, show);
        EXPECT_EQ(out().find(error_text("expression error: empty expression")), 0u);
        EXPECT_EQ(g_npoints, 0);
    }
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
