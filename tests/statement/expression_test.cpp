#include <functional>
#include <string>
#include <utility>

#include "algebra/quantity_terms.h"
#include "prover/poly.h"
#include "statement/parser.h"
#include "stm_fixture.h"

namespace {

class ExpressionTest : public StatementTest {
protected:
    // Reads "SHOW: <expr> = 0." over the points A..D (1..4) and returns the
    // left side, or null after an error.
    const xterm* lhs(const std::string& expr)
    {
        read_stm("POINT A B C D;", expr + " = 0.");
        return g_abort ? nullptr : g_concl_lhs;
    }
    // The first error text of reading expr.
    std::string error_of(const std::string& expr)
    {
        lhs(expr);
        const std::string& text = out();
        const std::string head = "\r\n Sytax error: \r\n";
        if (text.rfind(head, 0) != 0)
            return "(no error)";
        const auto end = text.find("\r\n\r\n", head.size());
        return text.substr(head.size(), end - head.size());
    }
    static xterm* v(const char* name) { return get_m_name(name); }
    static xterm* n(coef_t value) { return get_n(value); }
    static bool same(const xterm* read, xterm* expected)
    {
        const PolyPtr e(expected);
        return read && peq(read, e.get());
    }
};

TEST_F(ExpressionTest, ImplicitProducts)
{
    EXPECT_TRUE(same(lhs("2 x"), ptimes(n(2), v("x"))));
    EXPECT_TRUE(same(lhs("2(x + 1)"), pplus(ptimes(n(2), v("x")), n(2))));
    EXPECT_TRUE(same(lhs("x y"), ptimes(v("x"), v("y"))));
    EXPECT_TRUE(same(lhs("x 2"), ptimes(n(2), v("x"))));
    EXPECT_TRUE(same(lhs("(x)(y)"), ptimes(v("x"), v("y"))));
}

TEST_F(ExpressionTest, PrecedenceAndAssociativity)
{
    EXPECT_TRUE(same(lhs("a - b - c"), pminus(pminus(v("a"), v("b")), v("c"))));
    EXPECT_TRUE(same(lhs("a - b * c"), pminus(v("a"), ptimes(v("b"), v("c")))));
    EXPECT_TRUE(same(lhs("a + b - c + d"), pplus(pminus(pplus(v("a"), v("b")), v("c")), v("d"))));
    EXPECT_TRUE(same(lhs("a ^ 2 ^ 3"), ppower(v("a"), 6)));
    // (2^3)^2 = 64, not 2^(3^2) = 512.
    EXPECT_TRUE(same(lhs("2 ^ 3 ^ 2"), n(64)));
    EXPECT_TRUE(same(lhs("2 * a ^ 2"), ptimes(n(2), ppower(v("a"), 2))));
    EXPECT_TRUE(same(lhs("(a + b) * c"), ptimes(pplus(v("a"), v("b")), v("c"))));
    EXPECT_TRUE(same(lhs("x ^ 0"), n(1)));
    EXPECT_TRUE(same(lhs("x ^ (0 - 3)"), n(1)));
}

TEST_F(ExpressionTest, LeadingSignsReadAgainstZero)
{
    EXPECT_TRUE(same(lhs("- a + b"), pminus(v("b"), v("a"))));
    EXPECT_TRUE(same(lhs("+ a"), v("a")));
    EXPECT_TRUE(same(lhs("b * (- a)"), neg_poly(ptimes(v("a"), v("b")))));
    EXPECT_TRUE(same(lhs("( ) x"), v("x")));
}

TEST_F(ExpressionTest, QuantityTerms)
{
    EXPECT_TRUE(same(lhs("RATIO A B C D"), rtrim(1, 2, 3, 4)));
    EXPECT_TRUE(same(lhs("ANGLE A B C D"), trim_a1(1, 2, 3, 4)));
    EXPECT_TRUE(same(lhs("(AREA A B C)"), mk_sarea(1, 2, 3, 3)));
    EXPECT_TRUE(same(lhs("(AREA A B C D)"), mk_sarea(1, 2, 3, 4)));
    EXPECT_TRUE(same(lhs("(PY A B C)"), mk_pdiff(1, 2, 2, 3)));
    EXPECT_TRUE(same(lhs("(PY A B C D)"), mk_pdiff(1, 2, 3, 4)));
    EXPECT_TRUE(same(lhs("SQ_DIS A B"), mk_pdiff(1, 2, 2, 1)));
    EXPECT_TRUE(same(lhs("(VEC A)"), gq_atom4(1, 0)));
    EXPECT_TRUE(same(lhs("(VEC A B)"), gq_atom4(1, 2)));
    EXPECT_TRUE(same(lhs("L A B"), gq_atom5(1, 2)));
    EXPECT_TRUE(same(lhs("CROSS_RATIO A B C D"), ptimes(rtrim(3, 1, 3, 2), rtrim(4, 2, 4, 1))));
    const PolyPtr ratios(cp_poly(lhs("RATIO C A C B * RATIO D B D A")));
    EXPECT_TRUE(same(lhs("CROSS_RATIO A B C D"), cp_poly(ratios.get())));
    EXPECT_TRUE(same(lhs("2 * (AREA A B C) + 1"), pplus(ptimes(n(2), mk_sarea(1, 2, 3, 3)), n(1))));
}

TEST_F(ExpressionTest, QuantityBuildersBringPointsIntoOneOrder)
{
    // Reordering shows up as a sign.
    EXPECT_TRUE(same(lhs("RATIO A B C D + RATIO B A C D"), n(0)));
    EXPECT_TRUE(same(lhs("(AREA A B C) + (AREA B A C)"), n(0)));
    EXPECT_TRUE(same(lhs("(AREA A B C) - (AREA B C A)"), n(0)));
    EXPECT_TRUE(same(lhs("ANGLE A B C D + ANGLE C D A B"), n(0)));
    EXPECT_TRUE(same(lhs("(VEC A B) + (VEC B A)"), n(0)));
    EXPECT_TRUE(same(lhs("RATIO A B A B"), n(1)));
    EXPECT_TRUE(same(lhs("RATIO A B B A"), n(-1)));
    EXPECT_TRUE(same(lhs("RATIO A A C D"), n(0)));
}

TEST_F(ExpressionTest, ErrorTexts)
{
    // The reader's own messages name the conclusion they stand in.
    EXPECT_EQ(error_of("a / b"), "SHOW: a / b = 0: expression error 99");
    EXPECT_EQ(error_of("a ^ b"), "SHOW: a ^ b = 0: expression error");
    EXPECT_EQ(error_of("a ^ 100000"), "SHOW: a ^ 100000 = 0: the value has a degree above 65535");
    EXPECT_EQ(error_of("a ^ (10000000000 * 10000000000)"),
              "SHOW: a ^ (10000000000 * 10000000000) = 0: the value has a degree above 65535");
    EXPECT_EQ(error_of("2 RATIO A B C D"), "SHOW: 2 RATIO A B C D = 0: expression error 99");
    EXPECT_EQ(error_of("(a + b"), "SHOW: (a + b = 0: expression error 99");
    EXPECT_EQ(error_of("a + b)"), "SHOW: a + b) = 0: expression error 17");
    EXPECT_EQ(error_of("a + * b"), "SHOW: a + * b = 0: expresion error 13");
    EXPECT_EQ(error_of("* b"), "SHOW: * b = 0: expresion error 13");
    EXPECT_EQ(error_of("( * a)"), "SHOW: (* a) = 0: expresion error 13");
    EXPECT_EQ(error_of("AREA A B C"), "SHOW: AREA A B C = 0: area is not proper");
    EXPECT_EQ(error_of("(AREA A B)"), "SHOW: (AREA A B) = 0: area is not proper");
    EXPECT_EQ(error_of("PY A B C"), "SHOW: PY A B C = 0: py is not proper");
    EXPECT_EQ(error_of("(VEC A B C)"), "SHOW: (VEC A B C) = 0: vector is not proper");
    // Those of the point table and the quantity builders stay as they are.
    EXPECT_EQ(error_of("RATIO A B C Z"), "Cannot find point Z");
    EXPECT_EQ(error_of("RATIO A B C C"), "rtrim: denominator of ratio is zero.~%");
}

TEST_F(ExpressionTest, NumbersPastSixtyFourBitsAreReadExactly)
{
    // 10^20 - 1 and its negation; both are past 64 bits.
    const auto ten_to_20 = [] { return ppower(n(10), 20); };
    EXPECT_TRUE(same(lhs("99999999999999999999"), pminus(ten_to_20(), n(1))));
    EXPECT_TRUE(same(lhs("x - 100000000000000000000"), pminus(v("x"), ten_to_20())));
    EXPECT_TRUE(same(lhs("3 * 100000000000000000000"), ptimes(n(3), ten_to_20())));
}

TEST_F(ExpressionTest, ValueModeReadsOneValue)
{
    read_stm("POINT A B;\nLRATIO P A B RATIO 2;\nMRATIO Q A B - x;", "NO.");
    ASSERT_EQ(out(), "");
    // A quantity keyword in value mode is a named variable.
    EXPECT_TRUE(same(g_pro_points[3].ps[0], v("RATIO")));
    EXPECT_TRUE(same(g_pro_points[3].ps[1], n(2)));
    // A sign alone reads as the number 0.
    EXPECT_TRUE(same(g_pro_points[4].ps[0], n(0)));
    EXPECT_TRUE(same(g_pro_points[4].ps[1], v("x")));
}

TEST_F(ExpressionTest, ValueModeParenthesesAndExhaustedTokens)
{
    read_stm("POINT A B;\nLRATIO P A B (- x) (x ^ 2 - 1);", "NO.");
    ASSERT_EQ(out(), "");
    EXPECT_TRUE(same(g_pro_points[3].ps[0], neg_poly(v("x"))));
    EXPECT_TRUE(same(g_pro_points[3].ps[1], pminus(ppower(v("x"), 2), n(1))));

    clear_output();
    rd_stm("EXAMPLE t HYPOTHESES: POINT A B; LRATIO P A B (x + 1~");
    EXPECT_EQ(out(), error_text("LRATIO P A B (x + 1: expression error\n"));
    clear_output();
    rd_stm("EXAMPLE t HYPOTHESES: POINT A B; LRATIO P A B 1~");
    EXPECT_EQ(out(), error_text("LRATIO P A B 1: expression error\n"));
    read_stm("POINT A B;\nLRATIO P A B (x / 2);", "NO.");
    EXPECT_EQ(out(), error_text("LRATIO P A B (x / 2): expression error 99"));
}

// A value is refused for the same reason in a CONSTANT line, a ratio value
// (in parentheses it ends where an expression ends) and the conclusion, the
// message naming its line (cut with "..." when long), before anything large
// is built. One far larger than any statement needs but within the bounds
// reads, as do ratio values that end where they should.
TEST_F(ExpressionTest, ValuesAreRefusedAlikeWhereverTheyStandNamingTheirLine)
{
    const std::string too_large = " the value is too large to expand", error_99 = " expression error 99";
    const std::pair<std::string, std::string> cases[] = {  // a value, why it is refused ("": it reads)
        {"(; POINT C)", " expression error: empty expression"},
        {"(x = 1)", error_99},
        {"((x)", error_99},
        {"((a + b + c + d + e + f) ^ 20)", too_large},
        {"(((a b + c d) ^ 8 (e + f) ^ 8) ^ 8)", too_large},
        {"(99999999999999999999 ^ 64 ^ 64)", too_large},
        {std::string(100'000, '7'), too_large},
        {"(((k ^ 64) ^ 64) ^ 64 - 2)", " the value has a degree above 65535"},
        {"((a + b + c + d + e + f) ^ 10 - 99999999999999999999 ^ 64)", ""},
    };
    const std::string heads[] = {"CONSTANT ", "LRATIO P A B 1 ", "MRATIO P A B 2 ", "PRATIO P A B C 3 ", "SHOW: "};
    constexpr std::size_t kFewMegabytes = std::size_t{4} << 20;  // far less than any refused value expanded
    for (const auto& [value, reason] : cases) {
        for (const std::string& head : heads) {
            const bool show = head == "SHOW: ";
            const std::string named = head + value + (show ? " = 0" : "");
            SCOPED_TRACE(named.substr(0, 100));
            prover_reset();  // the pools' peak starts afresh
            read("EXAMPLE t HYPOTHESES: POINT A B C; " + named + (show ? "." : "; SHOW: NO."));
            const std::string line = named.size() <= 80 ? named : named.substr(0, 80) + " ...";
            EXPECT_TRUE(reason.empty() ? out().empty() : out().starts_with(error_text(line + ":" + reason))) << out();
            EXPECT_LT(pool_stats().peak_bytes, kFewMegabytes);
        }
    }
    read_stm("POINT A B C;\nLRATIO P A B -1 (x + 1);\nLRATIO Q A B 1 ;", "NO.");
    ASSERT_EQ(out(), "");
    EXPECT_TRUE(same(rec(pt("P")).ps[0], n(-1)) && same(rec(pt("P")).ps[1], pplus(v("x"), n(1))));
    EXPECT_TRUE(same(rec(pt("Q")).ps[0], n(1)) && same(rec(pt("Q")).ps[1], n(1)));
}

// An exponent of any size and sign: a power the polynomials can hold reads
// as the product of its copies, one they cannot is refused from the exponent
// alone, naming its line (a CONSTANT line or the conclusion) and why.
TEST_F(ExpressionTest, ExponentsOfAnySizeReadAsRepeatedProductsOrAreRefusedWithTheirReason)
{
    using Make = std::function<xterm*()>;
    const Make k = [] { return v("k"); }, k_plus_1 = [] { return pplus(v("k"), n(1)); };
    const auto number = [](coef_t c) { return Make([c] { return n(c); }); };
    const auto copies = [](Make base, int count) {
        return Make([base, count] {
            xterm* product = n(1);
            for (int i = 0; i < count; ++i)
                product = ptimes(product, base());
            return product;
        });
    };
    const std::string degree = "the value has a degree above 65535", too_large = "the value is too large to expand";
    const std::string big_odd = "99999999999999999999", big_even = "100000000000000000000";
    struct Case {
        std::string text;
        Make value;          // null: refused
        std::string reason;
    };
    const Case cases[] = {
        {"k ^ 100", copies(k, 100), ""},
        {"(k ^ 50) ^ 2", copies(k, 100), ""},
        {"(k + 1) ^ 70", copies(k_plus_1, 70), ""},
        {"(k ^ 2) ^ 32767", copies(k, 65534), ""},
        {"k ^ 65535", copies(k, 65535), ""},
        {"2 ^ 100", copies(number(2), 100), ""},
        {"(0 - 3) ^ 65", copies(number(-3), 65), ""},
        {"0 ^ 5", number(0), ""},
        {"0 ^ " + big_odd, number(0), ""},
        {"1 ^ " + big_odd, number(1), ""},
        {"(0 - 1) ^ " + big_odd, number(-1), ""},
        {"(0 - 1) ^ " + big_even, number(1), ""},
        {"(0 - 1) ^ 4294967297", number(-1), ""},
        {"k ^ 0", number(1), ""},
        {"0 ^ 0", number(1), ""},
        {"k ^ (- 3)", number(1), ""},
        {"k ^ (- " + big_odd + ")", number(1), ""},
        {"2 ^ (- 99999999999999999999999999999999999999999)", number(1), ""},
        {"k ^ 65536", nullptr, degree},
        {"(k ^ 2) ^ 32768", nullptr, degree},
        {"(k ^ 2 + 1) ^ 32768", nullptr, degree},  // expanded, it would be too large first
        {"(k + 1) ^ 4294967297", nullptr, degree},
        {"k ^ 99999999999999999999999", nullptr, degree},
        {"(k + 1) ^ 65535", nullptr, too_large},
        {"2 ^ 100000", nullptr, too_large},
        {"3 ^ 640001", nullptr, too_large},
        {"(0 - 2) ^ 4294967297", nullptr, too_large},
        {"2 ^ " + big_odd, nullptr, too_large},
    };
    for (const Case& c : cases) {
        for (const bool show : {true, false}) {
            const std::string line = show ? "SHOW: " + c.text + " = 0" : "CONSTANT " + c.text;
            SCOPED_TRACE(line);
            read("EXAMPLE t HYPOTHESES: POINT A B; " + line + (show ? "." : "; SHOW: NO."));
            if (c.value) {
                EXPECT_EQ(out(), "");
                EXPECT_TRUE(!show || same(g_concl_lhs, c.value()));
            } else {
                EXPECT_TRUE(out().starts_with(error_text(line + ": " + c.reason))) << out();
            }
            free_statement_polys();
            EXPECT_EQ(pool_stats().xterm_in_use() + pool_stats().dterm_in_use(), 0u);
        }
    }
}

TEST_F(ExpressionTest, EveryNodeGoesBackToThePools)
{
    const char* texts[] = {
        "a / b", "(a + b) * (c - d) ^ 3 = e", "2 RATIO A B C D", "a + * b", "(AREA A B C) * x + y ^ 2",
        "(a + b", "x ^ y", "CROSS_RATIO A B C D - 1",
    };
    for (const char* t : texts) {
        SCOPED_TRACE(t);
        lhs(t);
        free_statement_polys();
        EXPECT_EQ(pool_stats().xterm_in_use(), 0u);
        EXPECT_EQ(pool_stats().dterm_in_use(), 0u);
    }
    read_stm("POINT A B;\nLRATIO P A B (x + 1) (y / 2);\nCONSTANT z;", "NO.");
    free_statement_polys();
    EXPECT_EQ(pool_stats().xterm_in_use(), 0u);
}

TEST_F(ExpressionTest, TraceShowsEachValueOnEntryAndItsResult)
{
    g_trace = 1;
    ::testing::internal::CaptureStdout();
    read_stm("POINT A B;\nLRATIO P A B 2 (x + 1);", "x y - 3 = 0.");
    const std::string trace = ::testing::internal::GetCapturedStdout();
    g_trace = 0;
    ASSERT_EQ(g_abort, 0) << out();
    // Value mode (0) for the ratio's two values, expression mode (1) for the
    // conclusion's sides; each result follows its entry line.
    EXPECT_EQ(trace,
              "rd_pol (0) 2 (\nrd_out: 2\n"
              "rd_pol (0) ( x\nrd_out: x+1\n"
              "x y - \n"  // the conclusion reader's own line
              "rd_pol (1) x y\nrd_out: xy-3\n"
              "rd_pol (1) 0 .\nrd_out: 0\n");
}

}  // namespace
