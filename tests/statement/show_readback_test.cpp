// Read, show, read again: the statement the prover window shows reads back to
// the records, the conclusion and the verdict it was shown from, under every
// method, for the test corpus and for random statements; what cannot be shown
// so is refused when it is read.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "prover/parse_facts.h"
#include "prover/poly.h"
#include "soundness_statement.h"
#include "statement/examples.h"
#include "statement/prove_run.h"
#include "statement/semantics.h"
#include "statement/shown_statement.h"
#include "stm_fixture.h"
#include "support/bench_corpus.h"
#include "support/counted_prover_clock.h"

namespace {

constexpr int kMethods[] = {kMethodDatabase, kMethodArea, kMethodVector, kMethodWu, kMethodGroebner,
                            kMethodFullAngle};

PolyPtr copy(const xterm* p) { return PolyPtr(p ? cp_poly(p) : nullptr); }
bool same_value(const PolyPtr& a, const xterm* b) { return a && b ? peq(a.get(), b) : !a && !b; }

// What a reading left in the tables, its polynomials copied so that the next
// reading cannot take them back.
struct Reading {
    std::vector<Pro_point> records;  // polynomial slots cleared
    std::vector<std::array<PolyPtr, 2>> values;
    Gdd_cond conclusion = g_concl;
    PolyPtr lhs = copy(g_concl_lhs), rhs = copy(g_concl_rhs);
    std::vector<ParseFact> facts = g_parse_facts;

    Reading()
    {
        for (int i = 1; i <= g_npoints; ++i) {
            records.push_back(g_pro_points[static_cast<std::size_t>(i)]);
            values.push_back({copy(records.back().ps[0]), copy(records.back().ps[1])});
            records.back().ps = {nullptr, nullptr};
        }
    }

    // Field by field against the tables as they stand, polynomials by value.
    void expect_in_tables() const
    {
        ASSERT_EQ(g_npoints, static_cast<int>(records.size()));
        for (std::size_t i = 0; i < records.size(); ++i) {
            const Pro_point& now = g_pro_points[i + 1];
            const Pro_point& was = records[i];
            SCOPED_TRACE("record " + was.name);
            EXPECT_EQ(now.kind, was.kind);
            EXPECT_EQ(now.name, was.name);
            EXPECT_EQ(now.pots, was.pots);
            EXPECT_EQ(now.hyp_predicate, was.hyp_predicate);
            EXPECT_EQ(now.generated, was.generated);
            EXPECT_TRUE(same_value(values[i][0], now.ps[0]) && same_value(values[i][1], now.ps[1]));
        }
        EXPECT_EQ(g_concl.type, conclusion.type);
        EXPECT_EQ(g_concl.p, conclusion.p);
        EXPECT_TRUE(same_value(lhs, g_concl_lhs) && same_value(rhs, g_concl_rhs));
        ASSERT_EQ(g_parse_facts.size(), facts.size());
        for (std::size_t k = 0; k < facts.size(); ++k) {
            EXPECT_EQ(g_parse_facts[k].kind, facts[k].kind) << "fact " << k;
            EXPECT_EQ(g_parse_facts[k].p, facts[k].p) << "fact " << k;
            EXPECT_EQ(g_parse_facts[k].pts, facts[k].pts) << "fact " << k;
        }
    }
};

// Statements the corpus file and the built-in examples leave out: values as
// ";", a sign alone or expressions, constants, equations, CIRCLE lines
// through points named before, the lines the reader rewrites (a circle
// centre found again among them), hypothesis predicates, method lines, a line ending with its values, "CIRCLE ;".
const char* const kWritten[] = {
    "POINT A B C;\nLRATIO D A B 1 3;\nLRATIO E A C 1 3;\nSHOW: 9 (AREA A D E) = (AREA A B C).",
    "POINT A B;\nLRATIO P A B 1 ;\nPRATIO Q A B A (x + 1) -2;\nCONSTANT k ^ 2 - 3;\nLRATIO R A B + ;\n"
    "MRATIO S A B 99999999999999999999 (-2);\n"
    "SHOW: (AREA A B P) + 2 * RATIO A P A B = (PY A B Q) - CROSS_RATIO A B P Q.",
    "POINT A B C;\nCONSTANT (x + y + z + w) ^ 6;\nMRATIO M A B - (-x);\nSHOW: -(VEC A B) = SQ_DIS A B * (VEC M).",
    "POINT A B C D E;\nON_BLINE X A B;\nINTERSECTION_TC Y A B C D E;\nINTERSECTION_LS Z A B C D E;\n"
    "INTERSECTION_SS W A B C A D E;\nCIRCLE P Q R S;\nINTERSECTION_LS V A B R Q P;\nSHOW: COLLINEAR X Y Z.",
    "POINT A B;\nCIRCLE A B C D;\nCIRCLE A E F G;\nPOINT P;\nINTERSECTION_LS X P C A B C;\n"
    "INTERSECTION_SS Y A B C D E P;\nSHOW: EQANGEL A B C D E P.",
    "#area POINT D;\n#wu POINT E;\nPOINT A B C;\nCOLLINEAR A B C;\nEQ_TRIANGLE T A B;\nMIDPOINT A B C;\n"
    "SHOW: (VEC A B) - SQ_DIS A B = L A B * (VEC T).",
    "POINT A B C D;\nPARALLEL A B C D;\nEQDISTANCE A D B C;\nCOCIRCLE A B C D;\nSHOW: EQ_PRODUCT A B C D A C B D.",
    "POINT A B C;\nSHOW: .",
    "POINT A B;\nLRATIO P A B 1 2 MIDPOINT M A B;\nSHOW: NO.",
    "POINT A B C;\nCIRCLE ;\nSHOW: NO.",
};

// The statements of the bench's corpus and those above, each a whole text.
std::vector<std::string> corpus()
{
    std::vector<std::string> statements;
    for (CorpusStatement& s : bench_corpus())
        statements.push_back(std::move(s.text));
    EXPECT_GE(statements.size(), 10u);
    for (const char* body : kWritten)
        statements.push_back("EXAMPLE t\nHYPOTHESES:\n" + std::string(body) + "\n");
    return statements;
}

class ShowReadbackTest : public StatementTest {
protected:
    // The tables as they stand are shown, and the text is read again with the
    // same method to the same tables.
    void expect_reads_back(int method)
    {
        const Reading first;
        const std::string shown = shown_statement_text();
        SCOPED_TRACE(shown);
        read(window_statement_text(shown), method);
        ASSERT_EQ(g_abort, 0) << out();
        first.expect_in_tables();
    }

    // Reads text; whatever the reader takes is shown as expect_shown_form
    // says and reads back. False when it refused the statement.
    bool reads_back(const std::string& text, int method)
    {
        SCOPED_TRACE(text);
        read(window_statement_text(text), method);
        if (g_abort)
            return false;
        expect_shown_form(shown_statement_text(), text);
        expect_reads_back(method);
        return true;
    }
};

TEST_F(ShowReadbackTest, CorpusAndExamplesUnderEveryMethod)
{
    const std::vector<std::string> statements = corpus();
    for (int method : kMethods)
        for (const std::string& text : statements)
            EXPECT_TRUE(reads_back(text, method)) << out();
    for (const auto& ex : example_menu()) {
        SCOPED_TRACE(std::string(ex.menu_text));
        ASSERT_TRUE(load_example(ex.id));
        const std::string shown = shown_statement_text();
        EXPECT_EQ(shown, ungathered(shown));
        expect_reads_back(kMethodDatabase);
    }
}

TEST_F(ShowReadbackTest, RandomStatementsUnderEveryMethod)
{
    soundness::Generator generator(20250611);
    int read = 0;
    for (int n = 0; n < 150 && !HasFailure(); ++n)
        read += reads_back(generator.next().text(), kMethods[static_cast<std::size_t>(n) % std::size(kMethods)]);
    EXPECT_GT(read, 140);
}

// The shown text proves as the text it was shown from, whether the method
// proves it, refutes it or gives up; the equation of the area method first.
TEST_F(ShowReadbackTest, ShownStatementsKeepTheirVerdict)
{
    CountedProverClock clock;
    constexpr int kCheckLimit = 20;  // thousands of time checks
    std::vector<std::string> statements = corpus();
    soundness::Generator generator(7);
    for (int n = 0; n < 20; ++n)
        statements.push_back(generator.next().text());
    std::map<std::string, int> results;
    for (const std::string& text : statements) {
        SCOPED_TRACE(text);
        read(window_statement_text(text), kMethodArea);
        const std::string shown = shown_statement_text();
        const std::string verdict = prove_statement_text(text, kMethodArea, kCheckLimit).result;
        EXPECT_EQ(prove_statement_text(shown, kMethodArea, kCheckLimit).result, verdict) << shown;
        if (results.empty()) {
            EXPECT_EQ(verdict, "true");
        }
        ++results[verdict];
    }
    EXPECT_GT(results["true"], 10);
    EXPECT_GT(results["false"], 0);
}

// Values, constants and equations are shown as written; the proofs go on
// quoting them as the polynomials they are.
TEST_F(ShowReadbackTest, ValuesAreShownAsWrittenAndQuotedAsPolynomials)
{
    read_stm("POINT A B C;\nCONSTANT k ^ 2 - 3;\nPRATIO Q A B A (x + 1) -2;\nLRATIO P A B + ;\n"
             "CONSTANT (x + y + z + w) ^ 6;",
             "9 (AREA A Q P) = -(AREA A B C).");
    ASSERT_EQ(g_abort, 0) << out();
    EXPECT_EQ(shown_statement_text(),
              "EXAMPLE thm \r\nHYPOTHESES:\r\nPOINT A;\r\nPOINT B;\r\nPOINT C;\r\nCONSTANT k ^ 2 - 3;\r\n"
              "PRATIO Q A B A (x + 1) -2;\r\nLRATIO P A B +;\r\nCONSTANT (x + y + z + w) ^ 6;\r\n"
              "SHOW: 9 (AREA A Q P) = -(AREA A B C).\r\n");
    EXPECT_EQ(cons_statement_text(4), "CONSTANT k^{2}-3;\r\n");
    EXPECT_EQ(concl_statement_text(), "SHOW: -9S(PQA) = S(CBA).\r\n");
}

TEST_F(ShowReadbackTest, WhatCannotBeShownIsRefusedWhenRead)
{
    read_stm("POINT A B C;\nCIRCLE A A;", "NO.");
    EXPECT_EQ(out(), error_text("CIRCLE: point A is named twice\n"));
    // 58 free points on one POINT line beside a sum of 160 terms are shown
    // a point a line in exactly 500 tokens; beside 161 terms they are
    // gathered on one line again.
    std::string points = "POINT";
    for (int i = 1; i <= 58; ++i)
        points += " P" + std::to_string(i);
    for (const int terms : {160, 161}) {
        std::string sum = "x";
        for (int t = 1; t < terms; ++t)
            sum += " + x";
        SCOPED_TRACE(terms);
        EXPECT_TRUE(reads_back("EXAMPLE t\nHYPOTHESES:\n" + points + ";\nSHOW: " + sum + " = 0.\n", kMethodDatabase))
            << out();
        const std::string shown = shown_statement_text();
        EXPECT_EQ(shown == ungathered(shown), terms == 160);
    }
}

// A sum that fills 500 tokens beside free points: shown with its free points
// gathered and its ratio line as written, it reads back; 501 are too many.
TEST_F(ShowReadbackTest, FiveHundredTokensAreReadAndShownSoThatTheyReadBack)
{
    std::string text = "EXAMPLE t\nHYPOTHESES:\nPOINT", sum = "x";
    for (int i = 1; i <= 58; ++i)
        text += " P" + std::to_string(i);
    for (int t = 1; t < 214; ++t)
        sum += " + x";
    const std::string rest = ";\nLRATIO R P1 P2 1 ;\nSHOW: " + sum + " = 0.\n";
    ASSERT_EQ(token_count(text + rest), kMaxTokens);
    for (int method : kMethods)
        EXPECT_TRUE(reads_back(text + rest, method)) << out();
    read(window_statement_text(text + " P59" + rest));
    EXPECT_EQ(out(), error_text(" gterm overflow."));
}

// A ratio line whose first value is ";" reads on: the ";" stands for 1 and
// the next token is the second value, POINT here, as a named variable. So
// CONSTANT and the words after it are a CONSTANT line, not free points, for
// both passes; at 500 tokens the statement still reads back. (A pass that
// took them for free points showed it in 542.)
TEST_F(ShowReadbackTest, ARatioLineReadsOnPastAFirstValueSemicolon)
{
    std::string expression = "x", sum = "x";
    for (int t = 1; t < 21; ++t)
        expression += " + x";
    for (int t = 1; t < 220; ++t)
        sum += " + x";
    const std::string head = "EXAMPLE t\nHYPOTHESES:\nPOINT A B C;\nLRATIO Q A B ; POINT CONSTANT ";
    const std::string short_text = head + "k;\nSHOW: COLLINEAR A B Q.\n";
    const std::string long_text = head + expression + ";\nSHOW: " + sum + " = 0.\n";
    ASSERT_EQ(token_count(long_text), kMaxTokens);
    for (const std::string& text : {short_text, long_text}) {
        for (int method : kMethods) {
            ASSERT_TRUE(reads_back(text, method)) << out();
            int free_points = 0;
            for (int i = 1; i <= g_npoints; ++i)
                free_points += rec(i).kind == cons_kind::kFreePoint;
            EXPECT_EQ(free_points, 3) << "A, B and C alone";
            const int q = pt("Q");
            ASSERT_NE(q, 0);
            EXPECT_TRUE(rec(q).ps[1] && !pconstp(rec(q).ps[1])) << "POINT, a named variable";
            EXPECT_EQ(rec(q + 1).kind, static_cast<std::uint32_t>(cons_kind::kConstant));
        }
    }
}

// A construction line takes its number of tokens and a CONSTANT line its
// expression, a ";" among them naming a point (made by a construction named
// ";"): the POINT after it is no POINT line for either pass.
TEST_F(ShowReadbackTest, LinesRunOnPastASemicolonThatNamesAPoint)
{
    const std::string text = "EXAMPLE t\nHYPOTHESES:\nPOINT POINT A B;\nMIDPOINT ; POINT A;\n"
                             "CONSTANT RATIO A ; POINT B;\nSHOW: COLLINEAR POINT A ;.\n";
    for (int method : kMethods) {
        ASSERT_TRUE(reads_back(text, method)) << out();
        EXPECT_EQ(g_npoints, 5);
        EXPECT_EQ(rec(4).kind, static_cast<std::uint32_t>(cons_kind::kMidpoint));
        EXPECT_EQ(rec(4).name, ";");
        EXPECT_EQ(rec(5).kind, static_cast<std::uint32_t>(cons_kind::kConstant));
    }
}

// A first value ";" is shown as the 1 it stands for, the second value after
// it as written.
TEST_F(ShowReadbackTest, AFirstValueSemicolonIsShownAsOne)
{
    read_stm("POINT A B;\nMRATIO Q A B ; POINT\nMIDPOINT M A B;", "NO.");
    ASSERT_EQ(g_abort, 0) << out();
    EXPECT_NE(shown_statement_text().find("\r\nMRATIO Q A B 1 POINT\r\nMIDPOINT M A B;\r\n"), std::string::npos)
        << shown_statement_text();
    expect_reads_back(kMethodDatabase);
}

// PRATIO X A B C puts X at A + r BC, also when C is A: the points stay as
// written, where the reader once exchanged B and C and turned BA round.
TEST_F(ShowReadbackTest, PratioKeepsItsPointsInTheOrderWritten)
{
    const std::string text = "EXAMPLE t\nHYPOTHESES:\nPOINT A B C;\nPRATIO Q A B A 1 1;\nSHOW: MIDPOINT A B Q.\n";
    read(window_statement_text(text), kMethodArea);
    EXPECT_EQ(rec(pt("Q")).pots, (std::array<std::uint32_t, 8>{1, 2, 1, 0, 0, 0, 0, 0}));
    EXPECT_NE(shown_statement_text().find("PRATIO Q A B A 1 1;\r\n"), std::string::npos);
    CountedProverClock clock;
    for (int method : {kMethodArea, kMethodWu})
        EXPECT_EQ(prove_statement_text(text, method, 20).result, "true");
}

}  // namespace
