// The algebraic form in the prover window's predicate form.

#include <string>

#include "algebra/equations.h"
#include "prove_fixture.h"
#include "statement/statement_forms.h"

namespace {

using AlgebraicFormTest = AlgebraProveTest;

std::string after(const std::string& text, const std::string& mark)
{
    const auto at = text.find(mark);
    return at == std::string::npos ? std::string() : text.substr(at);
}

TEST_F(AlgebraicFormTest, BeforeAndAfterAProof)
{
    read_stm("POINT A B C;\nMIDPOINT M A C;", "COLLINEAR A M C.", kMethodWu);
    clear_output();
    print_predicate_form();
    // Before a proof: the polynomials of this statement, no triangular list yet.
    std::string form = after(out(), "\r\nThe Algebraic Form");
    EXPECT_NE(form.find("MIDPOINT M A C:  -2x4+x2 = 0, -2x5+x3=0\r\n"), std::string::npos) << out();
    EXPECT_NE(form.find("COLL A M C:    -x2x5+x3x4=0\r\n"), std::string::npos) << out();
    EXPECT_TRUE(form.ends_with("TS = \r\n\r\nNULL\r\nNULL\r\n")) << form;
    // After the proof: its triangular list (emptied here, both midpoint
    // equations being short and linear) and its short linear polynomials.
    ASSERT_EQ(cmd_prove(), ProveEnd::Ran);
    ASSERT_EQ(g_result, 1);
    clear_output();
    print_predicate_form();
    form = after(out(), "\r\nThe Algebraic Form");
    EXPECT_TRUE(form.ends_with("TS = \r\n\r\nNULL\r\n\r\nIndex: (x5, 1, 2) \r\n2x5-x3\r\n"
                               "\r\nIndex: (x4, 1, 2) \r\n2x4-x2\r\n"))
        << form;
}

TEST_F(AlgebraicFormTest, AnotherStatementGetsItsOwnPolynomials)
{
    read_stm("POINT A B C;\nMIDPOINT M A C;", "COLLINEAR A M C.", kMethodWu);
    ASSERT_EQ(cmd_prove(), ProveEnd::Ran);
    read_stm("POINT A B C;\nMIDPOINT M B C;", "COLLINEAR B M C.", kMethodWu);
    clear_output();
    print_predicate_form();
    const std::string form = after(out(), "\r\nThe Algebraic Form");
    EXPECT_NE(form.find("MIDPOINT M B C:  -2x4+x2+x1 = 0, -2x5+x3=0\r\n"), std::string::npos) << form;
    EXPECT_NE(form.find("TS = \r\n\r\nNULL\r\n"), std::string::npos) << form;
}

TEST_F(AlgebraicFormTest, OtherMethodsShowNoAlgebraicForm)
{
    read_stm("POINT A B C;\nMIDPOINT M A C;", "COLLINEAR A M C.", kMethodDatabase);
    clear_output();
    print_predicate_form();
    EXPECT_EQ(out().find("The Algebraic Form"), std::string::npos) << out();
}

}  // namespace
