#include "animate/fexp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "token_text.h"

using anim_test::tokens;

namespace {

FexpResult eval(const std::string& text, Fexp::QuantityValue q = {})
{
    const std::vector<Ftoken> t = tokens(text);
    return Fexp(t, std::move(q)).evaluate();
}

struct ValueCase {
    const char* text;
    double value;
};

class FexpValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(FexpValues, EvaluatesWithPrecedenceAndBrackets)
{
    const FexpResult r = eval(GetParam().text);
    ASSERT_TRUE(r.ok()) << GetParam().text << ": " << fexp_error_text(r.error);
    EXPECT_NEAR(r.value, GetParam().value, 1e-12) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FexpValues,
    ::testing::Values(ValueCase{"2+3*4", 14}, ValueCase{"(2+3)*4", 20}, ValueCase{"2*3+4", 10},
                      ValueCase{"7-2-1", 4}, ValueCase{"10/4/5", 0.5}, ValueCase{"2^3^2", 512},
                      ValueCase{"~2^2", -4}, ValueCase{"(~2)^2", 4}, ValueCase{"2^~1", 0.5},
                      ValueCase{"2*~3", -6}, ValueCase{"~~3", 3}, ValueCase{"-4+10", 6},
                      ValueCase{"((1+2)*(3+4))/7", 3}, ValueCase{"1.5*4", 6},
                      ValueCase{"sqrt(16)+abs(~3)", 7}, ValueCase{"sin(30)", 0.5},
                      ValueCase{"cos(60)", 0.5}, ValueCase{"tan(45)", 1}, ValueCase{"asin(1)", 90},
                      ValueCase{"acos(0)", 90}, ValueCase{"atan(1)", 45}, ValueCase{"ln(exp(2))", 2},
                      ValueCase{"log(1000)", 3}, ValueCase{"2*pi", 2 * std::numbers::pi},
                      ValueCase{"sqrt(3^2+4^2)", 5}, ValueCase{"(~8)^3", -512}));

struct ErrorCase {
    const char* text;
    FexpError error;
};

class FexpErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(FexpErrors, GivesAnErrorValueInsteadOfCrashing)
{
    const FexpResult r = eval(GetParam().text);
    EXPECT_EQ(r.error, GetParam().error) << GetParam().text;
    EXPECT_FALSE(r.ok());
}

INSTANTIATE_TEST_SUITE_P(
    Table, FexpErrors,
    ::testing::Values(ErrorCase{"1/0", FexpError::DivisionByZero},
                      ErrorCase{"1/(2-2)", FexpError::DivisionByZero},
                      ErrorCase{"0^~1", FexpError::DivisionByZero}, ErrorCase{"sqrt(~1)", FexpError::Domain},
                      ErrorCase{"ln(0)", FexpError::Domain}, ErrorCase{"log(~5)", FexpError::Domain},
                      ErrorCase{"asin(2)", FexpError::Domain}, ErrorCase{"tan(90)", FexpError::Domain},
                      ErrorCase{"(~8)^0.5", FexpError::Domain}, ErrorCase{"10^400", FexpError::Overflow},
                      ErrorCase{"exp(1000)", FexpError::Overflow}, ErrorCase{"", FexpError::Incomplete},
                      ErrorCase{"2+", FexpError::Incomplete}, ErrorCase{"(2+3", FexpError::Incomplete},
                      ErrorCase{"sin(30", FexpError::Incomplete}, ErrorCase{"2 3", FexpError::Syntax},
                      ErrorCase{")", FexpError::Syntax}, ErrorCase{"2)", FexpError::Syntax},
                      ErrorCase{"*2", FexpError::Syntax}, ErrorCase{"(2 3)", FexpError::Syntax}));

TEST(Fexp, QuantitiesComeFromTheList)
{
    const auto values = [](int row) {
        if (row == 0)
            return FexpResult::of(3.0);
        if (row == 1)
            return FexpResult::of(4.0);
        return FexpResult::fail(FexpError::Undefined);
    };
    EXPECT_DOUBLE_EQ(eval("(q0+q1)*2", values).value, 14.0);
    EXPECT_DOUBLE_EQ(eval("q1/q0", values).value, 4.0 / 3.0);
    // A quantity without a value makes the whole expression fail with its error.
    EXPECT_EQ(eval("q0+q2", values).error, FexpError::Undefined);
    // Without a list no quantity can be read.
    EXPECT_EQ(eval("q0").error, FexpError::BadReference);
}

TEST(Fexp, TooLongAnExpressionIsRefused)
{
    std::vector<Ftoken> t;
    for (std::size_t i = 0; i <= kMaxTokens; ++i)
        t.push_back(Ftoken::op(FtokenKind::Open));
    EXPECT_EQ(Fexp(t, {}).evaluate().error, FexpError::Syntax);
    // Deep but legal nesting within the bound evaluates.
    std::vector<Ftoken> deep;
    for (int i = 0; i < 60; ++i)
        deep.push_back(Ftoken::op(FtokenKind::Open));
    deep.push_back(Ftoken::number(7));
    for (int i = 0; i < 60; ++i)
        deep.push_back(Ftoken::op(FtokenKind::Close));
    EXPECT_DOUBLE_EQ(Fexp(deep, {}).evaluate().value, 7.0);
}

TEST(Ftoken, CodesReadBackToTheSameTokens)
{
    const std::vector<Ftoken> all = tokens("sqrt(q3+2.25)*~pi/(0.1-7)^2");
    for (const Ftoken& t : all) {
        const auto back = token_from_code(token_code(t));
        ASSERT_TRUE(back.has_value()) << token_code(t);
        EXPECT_EQ(*back, t) << token_code(t);
    }
    EXPECT_EQ(token_code(Ftoken::number(0.1)), "n0.1");
    EXPECT_EQ(token_code(Ftoken::function(Ffunction::Acos)), "acos(");
    for (const char* bad : {"", "n", "nabc", "n1e999", "q", "q-1", "q1x", "foo(", "sin", "%"})
        EXPECT_FALSE(token_from_code(bad).has_value()) << bad;
}

}  // namespace
