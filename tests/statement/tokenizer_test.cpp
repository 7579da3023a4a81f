#include <string>
#include <vector>

#include "statement/prover.h"
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

TEST_F(TokenizerTest, TouchingTokensLoseNoCharacter)
{
    EXPECT_EQ(tokens("A;B~"), (V{"A", ";", "B"}));
    EXPECT_EQ(tokens("P(A~"), (V{"P", "(", "A"}));
    EXPECT_EQ(tokens("(x+1)*y^2-z/w=0~"),
              (V{"(", "x", "+", "1", ")", "*", "y", "^", "2", "-", "z", "/", "w", "=", "0"}));
    EXPECT_EQ(g_last_tok, 14);
}

TEST_F(TokenizerTest, DotEndsTheReadingAtOnce)
{
    EXPECT_EQ(tokens("0.5~"), (V{"0", "."}));
    EXPECT_EQ(tokens("SHOW: NO. POINT X;~"), (V{"SHOW:", "NO", "."}));
}

TEST_F(TokenizerTest, ColonCommaHashAndDigitsAreWordCharacters)
{
    EXPECT_EQ(tokens("HYPOTHESES: a,b x#y 12ab~"), (V{"HYPOTHESES:", "a,b", "x#y", "12ab"}));
}

TEST_F(TokenizerTest, TabSeparatesTokensButStaysInsideAWord)
{
    EXPECT_EQ(tokens("\tA\tB~"), (V{"A\tB"}));
    EXPECT_EQ(tokens("A \tB~"), (V{"A", "B"}));
    EXPECT_EQ(tokens("A\t;B~"), (V{"A\t", ";", "B"}));
}

TEST_F(TokenizerTest, SeparatorsAndEndMark)
{
    EXPECT_EQ(tokens(std::string_view("A\r\nB\0C~D", 8)), (V{"A", "B", "C"}));
    // Without "." the list has no end token.
    EXPECT_EQ(tokens("POINT A~"), (V{"POINT", "A"}));
    // The end of the text ends the reading as "~" would.
    EXPECT_EQ(tokens("A B"), (V{"A", "B"}));
    EXPECT_EQ(tokens("~A"), V{});
    EXPECT_EQ(g_last_tok, -1);
}

TEST_F(TokenizerTest, MethodLinesAreReadOnlyForTheirMethods)
{
    const char* text = "A;\n#area POINT D;\n#wu POINT E;\nB~";
    const V area_lines{"A", ";", "POINT", "D", ";", "B"};
    const V wu_lines{"A", ";", "POINT", "E", ";", "B"};
    const V neither{"A", ";", "B"};
    EXPECT_EQ(tokens(text, kMethodArea), area_lines);
    EXPECT_EQ(tokens(text, kMethodVector), area_lines);
    EXPECT_EQ(tokens(text, kMethodFullAngle), area_lines);
    EXPECT_EQ(tokens(text, kMethodWu), wu_lines);
    EXPECT_EQ(tokens(text, kMethodGroebner), wu_lines);
    EXPECT_EQ(tokens(text, kMethodDatabase), neither);
}

TEST_F(TokenizerTest, CommentsRunToTheEndOfTheLine)
{
    EXPECT_EQ(tokens("A # note; B\nC~"), (V{"A", "C"}));
    EXPECT_EQ(tokens("#anything goes\nC~"), (V{"C"}));
    EXPECT_EQ(tokens("A #areaX~", kMethodDatabase), (V{"A"}));
    EXPECT_EQ(tokens("A #last line without break~B"), (V{"A"}));
    // The marker is exactly "#area": the rest of its line is statement text.
    EXPECT_EQ(tokens("#areaPOINT D;~", kMethodArea), (V{"POINT", "D", ";"}));
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

TEST(WindowStatementText, TheLastLineIsNotRead)
{
    EXPECT_EQ(window_statement_text("EXAMPLE t\nSHOW: NO."), "EXAMPLE t\n.~");
    EXPECT_EQ(window_statement_text("EXAMPLE t\nSHOW: NO.\n"), "EXAMPLE t\nSHOW: NO.\n.~");
    EXPECT_EQ(window_statement_text(""), ".~");
    EXPECT_EQ(window_statement_text("one line only"), ".~");
    EXPECT_EQ(window_statement_text("a\r\nb\r\n"), "a\r\nb\r\n.~");
}

TEST_F(TokenizerTest, AStatementWithoutFinalLineBreakLosesItsLastLine)
{
    const std::string text = "EXAMPLE t\nHYPOTHESES:\nPOINT A B C;\nSHOW: COLLINEAR A B C.";
    clear_output();
    read_window_statement(text + "\n");
    EXPECT_EQ(out(), "");
    EXPECT_EQ(g_concl.type, 148);
    read_window_statement(text);
    EXPECT_EQ(out(), error_text(" .   is not a proper construction\n"));
    EXPECT_EQ(g_npoints, 0);
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
