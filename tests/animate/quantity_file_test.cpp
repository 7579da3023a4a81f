#include "animate/quantity_file.h"

#include <gtest/gtest.h>

#include "token_text.h"

using anim_test::tokens;

namespace {

TEST(QuantityFile, EntriesReadBackAsWritten)
{
    Quantity m;
    m.type = 166;
    m.args = {20, 21, 22, 23, 24, 25, 0, 0};
    Quantity e;
    e.type = kExpressionType;
    e.tokens = tokens("(q0+2.5)*sqrt(q1)/~pi^2");
    for (const Quantity& q : {m, e}) {
        const std::string text = quantity_to_text(q);
        const auto back = quantity_from_text(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(back->type, q.type);
        EXPECT_EQ(back->args, q.args);
        EXPECT_EQ(back->tokens, q.tokens);
    }
    EXPECT_EQ(quantity_to_text(m), "M 166 20 21 22 23 24 25 0 0");
    EXPECT_EQ(quantity_to_text(e).substr(0, 12), "E ( q0 + n2.");
}

TEST(QuantityFile, MalformedOrForeignEntriesAreRefused)
{
    std::string why;
    EXPECT_TRUE(quantity_texts_valid({"M 159 20 21 0 0 0 0 0 0", "E q0 * n2"}, 22, why)) << why;
    EXPECT_TRUE(quantity_texts_valid({}, 20, why));

    struct Case {
        std::vector<std::string> entries;
        const char* why;
    };
    const std::vector<Case> cases{
        {{"M 159 20 22 0 0 0 0 0 0"}, "entry 1: operand 22 is no object"},
        {{"M 159 19 21 0 0 0 0 0 0"}, "entry 1: operand 19 is no object"},
        {{"M 159 20 21 7 0 0 0 0 0"}, "entry 1: operand 7 is no object"},
        {{"M 158 20 21 0 0 0 0 0 0"}, "entry 1: not a quantity"},
        {{"M 159 20 21"}, "entry 1: not a quantity"},
        {{"E q0 + n1"}, "entry 1: refers to a later entry"},
        {{"M 159 20 21 0 0 0 0 0 0", "E q1"}, "entry 2: refers to a later entry"},
        {{"E sin q0"}, "entry 1: not a quantity"},
        {{"X"}, "entry 1: not a quantity"},
        {{""}, "entry 1: not a quantity"},
        {std::vector<std::string>(21, "E n1"), "21 entries, at most 20"},
    };
    for (const Case& c : cases) {
        why.clear();
        EXPECT_FALSE(quantity_texts_valid(c.entries, 22, why)) << c.why;
        EXPECT_EQ(why, c.why);
    }
    // An expression may be incomplete; it is read and shows its error.
    EXPECT_TRUE(quantity_texts_valid({"E n1 +"}, 20, why));
}

}  // namespace
