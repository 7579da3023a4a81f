#include <string>

#include "algebra/quantity_terms.h"
#include "prover/poly.h"
#include "statement/examples.h"
#include "stm_fixture.h"

namespace {

using ConclusionTest = StatementTest;

// Points A..H are 1..8 in every case.
constexpr const char* kPoints = "POINT A B C D E F G H;";

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
    // Empty sides; a ";" after an equation starts another with an empty left
    // side. The message names the whole conclusion.
    const std::pair<std::string_view, std::string_view> empty_sides[] = {
        {"= b.", "SHOW: = b"}, {"a = b; c = d.", "SHOW: a = b ; c = d"}, {"a = .", "SHOW: a ="}};
    for (const auto& [show, named] : empty_sides) {
        SCOPED_TRACE(show);
        read_stm(kPoints, show);
        EXPECT_EQ(out().find(error_text(std::string(named) + ": expression error: empty expression")), 0u) << out();
        EXPECT_EQ(g_npoints, 0);
    }
}

TEST_F(ConclusionTest, EquationSides)
{
    read_stm(kPoints, "(AREA A B C) = 0.");
    ASSERT_EQ(out(), "");
    EXPECT_EQ(g_concl.type, concl_kind::kEquation);
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
    ASSERT_EQ(g_concl.type, concl_kind::kEquation);
    const xterm* lhs = g_concl_lhs;
    ASSERT_TRUE(load_example(315));
    EXPECT_EQ(g_concl.type, 151);
    EXPECT_EQ(g_concl_lhs, lhs);
}

}  // namespace
