// Feeds thousands of mutated statements to the reader: whatever the text, the
// reader ends with a table it can stand behind (and shows it as a text it
// reads back) or with an error report, and never reads or writes out of
// bounds (the sanitizers watch that).

#include <random>
#include <string>
#include <vector>

#include "prover/poly.h"
#include "statement/parser.h"
#include "statement/shown_statement.h"
#include "statement/table_dump.h"
#include "stm_fixture.h"

namespace {

const char* const kCorpus[] = {
    "EXAMPLE t\nHYPOTHESES:\nMIDPOINT M A B;\nPOINT A B C;\nFOOT F C A B;\nSHOW: PERPENDICULAR C F A B.\n",
    "EXAMPLE s\nHYPOTHESES:\nPOINT A B C D E;\nINTERSECTION_LS X A B C D E;\nINTERSECTION_SS Y A B C A D E;\n"
    "INTERSECTION_TC Z A B C D E;\nON_BLINE W A B;\nSHOW: COCIRCLE X A B C.\n",
    "EXAMPLE c\nHYPOTHESES:\nCIRCLE A B C D E;\nPOINT P;\nINTERSECTION_LS X P C A B C;\nSHOW: EQANGEL A B C D E P.\n",
    "EXAMPLE r\nHYPOTHESES:\nPOINT A B;\nLRATIO P A B 1 ;\nPRATIO Q A B A (x + 1) -2;\nCONSTANT k ^ 2 - 3;\n"
    "SHOW: (AREA A B P) + 2 * RATIO A P A B = (PY A B Q) - CROSS_RATIO A B P Q.\n",
    "EXAMPLE e\nHYPOTHESES:\n#area POINT D;\n#wu POINT E;\nPOINT A B C;\nCOLLINEAR A B C;\nEQ_TRIANGLE T A B;\n"
    "SHOW: (VEC A B) - SQ_DIS A B = L A B * (VEC T).\n",
    "EXAMPLE p\nHYPOTHESES:\nPOINT A B E F R;\nINTERSECTION_LL P A F B E;\nINTERSECTION_LL C A B F R;\n"
    "INTERSECTION_LL G E F B R;\nINTERSECTION_LL Q A G E C;\nSHOW: EQ_PRODUCT A B C P E F G Q.\n",
    "EXAMPLE v\nHYPOTHESES:\nPOINT A B C D;\nLRATIO Q A B ; POINT CONSTANT k;\nMRATIO R A B ; (x + 1) POINT E;\n"
    "PRATIO S A B C () 2 ;\nCONSTANT RATIO A B C D ;\nPOINT F;\nSHOW: .\n",
};

const char* const kVocabulary[] = {
    "EXAMPLE", "HYPOTHESES:", "SHOW:", "POINT", "CIRCLE", "CONSTANT", "MIDPOINT", "LRATIO", "MRATIO", "PRATIO",
    "ON_BLINE", "INTERSECTION_LS", "INTERSECTION_SS", "INTERSECTION_TC", "COLLINEAR", "EQANGEL",
    "COCIRCLE", "EQ_PRODUCT", "NO", "RATIO", "AREA", "PY", "VEC", "SQ_DIS", "L", "ANGLE", "CROSS_RATIO",
    ";", ".", "(", ")", "+", "-", "*", "/", "^", "=", "A", "B", "C", "X", "x", "0", "2", "64",
    "99999999999999999999", "VERYLONGNAME", "#", "#area", "#wu", "~", "\t", "\n",
};

std::vector<std::string> split_words(const std::string& text)
{
    std::vector<std::string> words;
    std::string cur;
    for (char c : text) {
        if (c == ' ' || c == '\n') {
            if (!cur.empty())
                words.push_back(cur);
            cur.clear();
            if (c == '\n')
                words.emplace_back("\n");
        } else {
            cur += c;
        }
    }
    if (!cur.empty())
        words.push_back(cur);
    return words;
}

std::string mutate(const std::string& text, std::mt19937& rng)
{
    auto words = split_words(text);
    const auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
    const int edits = 1 + static_cast<int>(pick(4));
    for (int e = 0; e < edits && !words.empty(); ++e) {
        const std::size_t at = pick(words.size());
        switch (pick(6)) {
        case 0:
            words.erase(words.begin() + static_cast<long>(at));
            break;
        case 1:
            words.insert(words.begin() + static_cast<long>(at), words[pick(words.size())]);
            break;
        case 2:
            std::swap(words[at], words[pick(words.size())]);
            break;
        case 3:
            words[at] = kVocabulary[pick(std::size(kVocabulary))];
            break;
        case 4:
            words.resize(at);
            break;
        default: {
            std::string& w = words[at];
            const char c = static_cast<char>(std::uniform_int_distribution<int>(1, 255)(rng));
            w.insert(w.begin() + static_cast<long>(pick(w.size() + 1)), c);
            break;
        }
        }
    }
    std::string out;
    for (const auto& w : words)
        out += (w == "\n" ? w : w + " ");
    return out;
}

class ReaderFuzzTest : public StatementTest {
protected:
    // The pass that numbers the free points finds every line where the pass
    // that reads the constructions begins it, and every ratio value where the
    // value reader ends it; when they part, the reader refuses the statement
    // saying so.
    void expect_passes_agree() const
    {
        EXPECT_EQ(out().find("lines part at"), std::string::npos) << out();
        EXPECT_EQ(out().find("the value ends at"), std::string::npos) << out();
    }
};

TEST_F(ReaderFuzzTest, TheUnmutatedCorpusReads)
{
    for (int method : {kMethodArea, kMethodDatabase, kMethodWu, kMethodGroebner, kMethodFullAngle, kMethodVector}) {
        for (const char* text : kCorpus) {
            SCOPED_TRACE(text);
            prover_reset();
            read(window_statement_text(text), method);
            EXPECT_EQ(out(), "");
            EXPECT_GT(g_npoints, 2);
        }
    }
}

TEST_F(ReaderFuzzTest, MutatedStatementsNeverBreakTheReader)
{
    const int methods[] = {kMethodArea, kMethodDatabase, kMethodWu, kMethodGroebner, kMethodFullAngle,
                           kMethodVector};
    std::mt19937 rng(20240605);
    int read_ok = 0;
    for (int round = 0; round < 3000; ++round) {
        const std::string base = kCorpus[round % std::size(kCorpus)];
        const std::string text = mutate(base, rng);
        const int method = methods[static_cast<std::size_t>(round) % std::size(methods)];
        if (round % 500 == 0)
            prover_reset();  // the database fills up with the readings' facts
        read(window_statement_text(text), method);
        SCOPED_TRACE(text);
        ASSERT_GE(g_npoints, 0);
        ASSERT_LE(g_npoints, kMaxParsedPoints);
        if (g_abort) {
            ASSERT_EQ(g_npoints, 0);
            ASSERT_NE(out().find(" Sytax error: "), std::string::npos);
            expect_passes_agree();
            continue;
        }
        ++read_ok;
        for (int i = 1; i <= g_npoints; ++i)
            for (auto p : rec(i).pots)
                ASSERT_LE(static_cast<int>(p), i);
        for (auto p : g_concl.p)
            ASSERT_LE(static_cast<int>(p), g_npoints);
        // What the reader takes, the window shows as a text it takes back.
        const std::string table = dump_statement();
        const std::string shown = shown_statement_text();
        expect_shown_form(shown, text);
        ASSERT_FALSE(HasFailure());
        read(window_statement_text(shown), method);
        ASSERT_EQ(g_abort, 0) << shown << out();
        ASSERT_EQ(dump_statement(), table) << shown;
        free_statement_polys();
        ASSERT_EQ(pool_stats().xterm_in_use(), 0u);
    }
    // The mutations leave a fair share of statements readable.
    EXPECT_GT(read_ok, 100);
}

// Ratio values of random tokens, the line followed by a POINT line: both
// passes end every value alike, so Z is a free point whenever the statement
// reads, and no statement is refused for their parting.
TEST_F(ReaderFuzzTest, RandomRatioValuesEndAlikeForBothPasses)
{
    const char* const value_tokens[] = {"(", "(", ")", ")", "+", "-", "*", "^", "2", "x", ";",
                                        "RATIO", "AREA", "VEC", "A", "B", "Z", "POINT"};
    std::mt19937 rng(20250612);
    int read_ok = 0;
    for (int round = 0; round < 4000 && !HasFailure(); ++round) {
        std::string values;
        const int n = std::uniform_int_distribution<int>(1, 9)(rng);
        std::uniform_int_distribution<std::size_t> pick(0, std::size(value_tokens) - 1);
        for (int k = 0; k < n; ++k)
            values += std::string(" ") + value_tokens[pick(rng)];
        const std::string text = "EXAMPLE t\nHYPOTHESES:\nPOINT A B;\nLRATIO Q A B" + values +
                                 "\nPOINT Z;\nSHOW: COLLINEAR A B Z.\n";
        SCOPED_TRACE(text);
        read(window_statement_text(text), round % 2 ? kMethodWu : kMethodArea);
        expect_passes_agree();
        if (g_abort)
            continue;
        ++read_ok;
        EXPECT_EQ(rec(pt("Z")).kind, static_cast<std::uint32_t>(cons_kind::kFreePoint));
        const std::string table = dump_statement();
        const std::string shown = shown_statement_text();
        read(window_statement_text(shown), round % 2 ? kMethodWu : kMethodArea);
        ASSERT_EQ(g_abort, 0) << shown << out();
        EXPECT_EQ(dump_statement(), table) << shown;
    }
    EXPECT_GT(read_ok, 400);
}

}  // namespace
