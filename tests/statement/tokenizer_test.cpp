#include <string>
#include <vector>

#include "prover/point_names.h"
#include "prover/prover.h"
#include "statement/tokenizer.h"
#include "stm_fixture.h"

namespace {

class TokenizerTest : public StatementTest {
protected:
    std::vector<std::string> tokens(std::string_view text, int method = kMethodDatabase)
    {
        g_method = method;
        tokenize_stm(text);
        return {g_tokens.begin(), g_tokens.end()};
    }
    using V = std::vector<std::string>;
};

TEST_F(TokenizerTest, TokensOfTexts)
{
    const char* methods_text = "A;\n#area POINT D;\n#wu POINT E;\nB~";
    const V area_lines{"A", ";", "POINT", "D", ";", "B"};
    const V wu_lines{"A", ";", "POINT", "E", ";", "B"};
    const struct {
        std::string_view text;
        int method;
        V tokens;
    } cases[] = {
        // Touching tokens lose no character.
        {"A;B~", kMethodDatabase, {"A", ";", "B"}},
        {"P(A~", kMethodDatabase, {"P", "(", "A"}},
        {"(x+1)*y^2-z/w=0~", kMethodDatabase,
         {"(", "x", "+", "1", ")", "*", "y", "^", "2", "-", "z", "/", "w", "=", "0"}},
        // A dot ends the reading at once.
        {"0.5~", kMethodDatabase, {"0", "."}},
        {"SHOW: NO. POINT X;~", kMethodDatabase, {"SHOW:", "NO", "."}},
        // Colon, comma, hash and digits are word characters.
        {"HYPOTHESES: a,b x#y 12ab~", kMethodDatabase, {"HYPOTHESES:", "a,b", "x#y", "12ab"}},
        // A tab separates tokens but stays inside a word.
        {"\tA\tB~", kMethodDatabase, {"A\tB"}},
        {"A \tB~", kMethodDatabase, {"A", "B"}},
        {"A\t;B~", kMethodDatabase, {"A\t", ";", "B"}},
        // Separators and the end mark; without "." the list has no end token,
        // and the end of the text ends the reading as "~" would.
        {std::string_view("A\r\nB\0C~D", 8), kMethodDatabase, {"A", "B", "C"}},
        {"POINT A~", kMethodDatabase, {"POINT", "A"}},
        {"A B", kMethodDatabase, {"A", "B"}},
        // Method lines are read only for their methods.
        {methods_text, kMethodArea, area_lines},
        {methods_text, kMethodVector, area_lines},
        {methods_text, kMethodFullAngle, area_lines},
        {methods_text, kMethodWu, wu_lines},
        {methods_text, kMethodGroebner, wu_lines},
        {methods_text, kMethodDatabase, {"A", ";", "B"}},
        // Comments run to the end of the line; the marker is exactly "#area".
        {"A # note; B\nC~", kMethodDatabase, {"A", "C"}},
        {"#anything goes\nC~", kMethodDatabase, {"C"}},
        {"A #areaX~", kMethodDatabase, {"A"}},
        {"A #last line without break~B", kMethodDatabase, {"A"}},
        {"#areaPOINT D;~", kMethodArea, {"POINT", "D", ";"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(tokens(c.text, c.method), c.tokens);
        EXPECT_EQ(g_last_tok, static_cast<int>(c.tokens.size()) - 1);
    }
    EXPECT_EQ(tokens("~A"), V{});
    EXPECT_EQ(g_last_tok, -1);
}

TEST_F(TokenizerTest, FiveHundredTokensFitAndOneMoreOverflows)
{
    std::string text;
    for (int i = 0; i < 499; ++i)
        text += "A ";
    tokens(text + ".~");
    EXPECT_EQ(g_last_tok, 499);
    EXPECT_EQ(g_abort, 0);
    EXPECT_EQ(out(), "");

    tokens(text + "A .~");
    EXPECT_EQ(g_abort, 1);
    EXPECT_EQ(out(), error_text(" gterm overflow."));
    EXPECT_EQ(g_last_tok, 499);
}

TEST_F(TokenizerTest, OverflowReportsThroughTheReaderAndSkipsTheParser)
{
    std::string text = "EXAMPLE t HYPOTHESES: POINT";
    for (int i = 0; i < 500; ++i)
        text += " P";
    read(text + "; SHOW: NO.");
    EXPECT_EQ(out(), error_text(" gterm overflow."));
    EXPECT_EQ(g_npoints, 0);
}

TEST(WindowStatementText, TheWholeTextIsRead)
{
    EXPECT_EQ(window_statement_text("EXAMPLE t\nSHOW: NO."), "EXAMPLE t\nSHOW: NO.\n.~");
    EXPECT_EQ(window_statement_text("EXAMPLE t\nSHOW: NO.\n"), "EXAMPLE t\nSHOW: NO.\n.~");
    EXPECT_EQ(window_statement_text(""), ".~");
    EXPECT_EQ(window_statement_text("one line only"), "one line only\n.~");
    EXPECT_EQ(window_statement_text("a\r\nb\r\n"), "a\r\nb\r\n.~");
}

TEST_F(TokenizerTest, AStatementIsReadWithOrWithoutAFinalLineBreak)
{
    const std::string head = "EXAMPLE t\nHYPOTHESES:\nPOINT A B C;\n";
    const std::string endings[] = {
        "SHOW: COLLINEAR A B C.\n",
        "SHOW: COLLINEAR A B C.",
        "SHOW: COLLINEAR A B C",
        // A comment closing the text does not take the end mark with it.
        "SHOW: COLLINEAR A B C # the last line",
        "SHOW: COLLINEAR A B C.\n# after the statement",
    };
    for (const std::string& ending : endings) {
        SCOPED_TRACE(ending);
        clear_output();
        g_concl.type = 0;
        read_window_statement(head + ending);
        EXPECT_EQ(out(), "");
        EXPECT_EQ(g_npoints, 3);
        EXPECT_EQ(g_concl.type, 148);
    }
}

TEST_F(TokenizerTest, TraceListsTheTokens)
{
    g_trace = 1;
    tokens("P(A);B~");
    g_trace = 0;
    EXPECT_EQ(out(), "0:  P 1:  ( 2:  A 3:  ) \r\n4:  ; \r\n5:  B \r\n");
}

TEST_F(TokenizerTest, PointNames)
{
    read("EXAMPLE t HYPOTHESES: POINT A B; SHOW: NO.");
    EXPECT_EQ(pt_name(0), "");
    EXPECT_EQ(pt_name(1), "A");
    EXPECT_EQ(pt_name(2), "B");
    EXPECT_EQ(pt_name(-1), "");
    EXPECT_EQ(pt_name(kProPointCount), "");
}

}  // namespace
