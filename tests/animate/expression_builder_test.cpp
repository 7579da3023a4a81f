#include "animate/expression_builder.h"

#include <gtest/gtest.h>

#include "animate/fexp.h"

namespace {

struct Calculator {
    std::vector<Ftoken> tokens;
    std::string typing;
    ExpressionBuilder b{tokens, typing};

    // Presses the keys of a text: digits, ".", + - * / ^ ( ), "s" for sin(,
    // "r" for sqrt(, "p" for pi, "<" for back; true when every key was taken.
    bool type(const std::string& keys)
    {
        bool all = true;
        for (char c : keys) {
            CalcKey k = CalcKey::Clear;
            switch (c) {
            case '.': k = CalcKey::Point; break;
            case '+': k = CalcKey::Plus; break;
            case '-': k = CalcKey::Minus; break;
            case '*': k = CalcKey::Times; break;
            case '/': k = CalcKey::Divide; break;
            case '^': k = CalcKey::Power; break;
            case '(': k = CalcKey::Open; break;
            case ')': k = CalcKey::Close; break;
            case 's': k = CalcKey::Sin; break;
            case 'r': k = CalcKey::Sqrt; break;
            case 'p': k = CalcKey::Pi; break;
            case '<': k = CalcKey::Back; break;
            default: k = digit_key(c - '0'); break;
            }
            all = b.key(k) && all;
        }
        return all;
    }
    double value() { return Fexp(tokens, {}).evaluate().value; }
};

TEST(ExpressionBuilder, DigitsMakeOneNumberUntilAnotherKey)
{
    Calculator c;
    EXPECT_TRUE(c.type("12.5"));
    ASSERT_EQ(c.tokens.size(), 1u);
    EXPECT_DOUBLE_EQ(c.tokens[0].value, 12.5);
    EXPECT_FALSE(c.type("."));  // one decimal point per number
    EXPECT_TRUE(c.type("*.5"));
    EXPECT_EQ(c.tokens.size(), 3u);
    EXPECT_DOUBLE_EQ(c.value(), 6.25);
}

TEST(ExpressionBuilder, RefusesKeysThatDoNotFit)
{
    Calculator c;
    EXPECT_FALSE(c.type("*"));   // no operand yet
    EXPECT_FALSE(c.type(")"));   // nothing open
    EXPECT_TRUE(c.type("-"));    // a sign
    EXPECT_EQ(c.tokens.back().kind, FtokenKind::Negate);
    EXPECT_TRUE(c.type("(2"));
    EXPECT_FALSE(c.type("("));   // no implicit product
    EXPECT_FALSE(c.type("p"));
    EXPECT_TRUE(c.type(")"));
    EXPECT_FALSE(c.type(")"));   // no bracket left open
    EXPECT_FALSE(c.type("3"));   // a number cannot follow a bracket
    EXPECT_FALSE(c.b.add_quantity(0));
    EXPECT_TRUE(c.b.complete());
    EXPECT_DOUBLE_EQ(c.value(), -2.0);
}

TEST(ExpressionBuilder, FunctionsOpenABracketAndCompletenessCountsThem)
{
    Calculator c;
    EXPECT_TRUE(c.type("r"));
    EXPECT_EQ(c.b.open_brackets(), 1);
    EXPECT_TRUE(c.b.expecting_operand());
    EXPECT_TRUE(c.b.add_quantity(2));
    EXPECT_FALSE(c.b.expecting_operand());
    EXPECT_FALSE(c.b.complete());
    EXPECT_TRUE(c.type("+s30))"));
    EXPECT_EQ(c.b.open_brackets(), 0);
    EXPECT_TRUE(c.b.complete());
}

TEST(ExpressionBuilder, BackTakesCharactersThenTokens)
{
    Calculator c;
    ASSERT_TRUE(c.type("12+345"));
    EXPECT_TRUE(c.type("<"));
    EXPECT_DOUBLE_EQ(c.tokens.back().value, 34.0);
    EXPECT_TRUE(c.type("<<"));  // "3", then the whole number
    EXPECT_EQ(c.tokens.size(), 2u);
    EXPECT_TRUE(c.type("<"));   // the plus
    EXPECT_TRUE(c.type("7"));   // typing on the number before it
    ASSERT_EQ(c.tokens.size(), 1u);
    EXPECT_DOUBLE_EQ(c.tokens[0].value, 127.0);
    EXPECT_TRUE(c.b.key(CalcKey::Clear));
    EXPECT_TRUE(c.tokens.empty());
    EXPECT_FALSE(c.type("<"));
}

TEST(ExpressionBuilder, StopsAtTheTokenLimit)
{
    Calculator c;
    ASSERT_TRUE(c.type("1"));
    while (c.tokens.size() + 2 <= kMaxTokens)
        ASSERT_TRUE(c.type("+1"));
    EXPECT_FALSE(c.type("+1"));  // the operator fits, its operand no more
    EXPECT_EQ(c.tokens.size(), kMaxTokens);
    EXPECT_FALSE(c.b.complete());
}

}  // namespace
