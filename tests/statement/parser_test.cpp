#include <functional>
#include <string>

#include "facts/gdd.h"
#include "prover/poly.h"
#include "statement/parse_fact_entry.h"
#include "statement/parser.h"
#include "statement/table_dump.h"
#include "stm_fixture.h"

namespace {

using ParserTest = StatementTest;

// The table each statement reads into, under each method: free points first,
// ratio values, and the records some methods rewrite constructions into
// (centres of circles, bisector midpoints, perpendicular feet, placeholders).
TEST_F(ParserTest, RecordsOfTheReader)
{
    const struct {
        const char* hyps;
        int method;
        const char* table;
        std::function<bool()> facts;  // what the reader put in the database
    } cases[] = {
        {"MIDPOINT M A B;\nPOINT A B;\nFOOT F M A B;\nPOINT C;", kMethodDatabase,
         "1 A 101\n2 B 101\n3 C 101\n4 M 103 A B\n5 F 102 M A B\n", {}},
        {"POINT A B;\nLRATIO P A B 1 ;\nMRATIO Q A B 2 3;\nPRATIO R A B A 1 2;\nLRATIO S A B -1 (x+1);",
         kMethodDatabase,
         "1 A 101\n2 B 101\n3 P 197 A B : [1] [1]\n4 Q 198 A B : [2] [3]\n5 R 199 A B A : [1] [2]\n"
         "6 S 197 A B : [-1] [x+1]\n",
         {}},
        // A CIRCLE line of more than three points gets a centre for the
        // algebraic methods; one of three points does not.
        {"CIRCLE A B C D E;", kMethodWu, "1 A 0\n2 B 0\n3 C 0\n4 o0 62 A B C\n5 D 14 o0 A\n6 E 14 o0 A\n",
         [] { return g_cir_list.size() == 1 && g_cir_list.first->centre == 4 && g_cir_list.first->count() == 5; }},
        {"CIRCLE A B C D E;", kMethodGroebner, "1 A 0\n2 B 0\n3 C 0\n4 o0 62 A B C\n5 D 14 o0 A\n6 E 14 o0 A\n",
         [] { return g_cir_list.size() == 1 && g_cir_list.first->centre == 4 && g_cir_list.first->count() == 5; }},
        {"CIRCLE A B C;", kMethodGroebner, "1 A 0\n2 B 0\n3 C 0\n",
         [] { return g_cir_list.size() == 1 && g_cir_list.first->centre == 0 && g_cir_list.first->count() == 3; }},
        {"POINT A B C D;\nON_BLINE X A B;", kMethodArea,
         "1 A 101\n2 B 101\n3 C 101\n4 D 101\n5 M_{D} 2 A B\n6 X 12 M_{D} A B\n", {}},
        // With exactly three records the line stays as it is.
        {"POINT A B C;\nON_BLINE X A B;", kMethodVector, "1 A 101\n2 B 101\n3 C 101\n4 X 11 A B\n", {}},
        {"POINT A B C D;\nON_BLINE X A B;", kMethodWu, "1 A 101\n2 B 101\n3 C 101\n4 D 101\n5 X 11 A B\n", {}},
        {"POINT A B C D E;\nINTERSECTION_TC X A B C D E;", kMethodArea,
         "1 A 101\n2 B 101\n3 C 101\n4 D 101\n5 E 101\n6 T_{X} 12 A B C\n7 X 40 A T_{X} D E\n",
         [] { return xperp(6, 1, 2, 3) && xcoll(7, 1, 6) && xcir_2p(4, 7, 5); }},
        {"POINT A B C D E;\nINTERSECTION_LS X A B C D E;", kMethodWu,
         "1 A 101\n2 B 101\n3 C 101\n4 D 101\n5 E 101\n6 o0 62 C D E\n7 X 40 A B o0 C\n",
         [] { return xcir_3p(6, 3, 4, 5) && xcoll(7, 1, 2) && xcir_2p(6, 7, 3); }},
        // The line's point C lies on the circle: a known centre.
        {"CIRCLE A B C D E;\nPOINT P;\nINTERSECTION_LS X P C A B C;", kMethodGroebner,
         "1 P 101\n2 A 0\n3 B 0\n4 C 0\n5 o0 62 A B C\n6 D 14 o0 A\n7 E 14 o0 A\n8 X 40 P C o0 C\n", {}},
        {"POINT A B C D E;\nINTERSECTION_LS X A B C D E;", kMethodDatabase,
         "1 A 101\n2 B 101\n3 C 101\n4 D 101\n5 E 101\n6 X 44 A B C D E\n",
         [] { return xcoll(6, 1, 2) && xcir_4p(0, 6, 3, 4, 5); }},
        // A is on both circles.
        {"POINT A B C D E;\nINTERSECTION_SS X A B C A D E;", kMethodArea,
         "1 A 101\n2 B 101\n3 C 101\n4 D 101\n5 E 101\n6 o0 62 A B C\n7 o1 62 A D E\n8 X 50 o0 A o1 A\n",
         [] { return xcir_4p(0, 8, 1, 2, 3) && xcir_4p(0, 8, 1, 4, 5); }},
        // No common defining point: each circle's first; M refers to X, not
        // to the placeholder.
        {"CIRCLE A B C D;\nPOINT E F G;\nINTERSECTION_SS X A B C E F G;\nMIDPOINT M X A;", kMethodWu,
         "1 E 101\n2 F 101\n3 G 101\n4 A 0\n5 B 0\n6 C 0\n7 o0 62 A B C\n8 D 14 o0 A\n9  -100 A B C E F G\n"
         "10 o1 62 E F G\n11 X 50 o0 A o1 E\n12 M 103 X A\n",
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hyps);
        read_stm(c.hyps, "NO.", c.method);
        ASSERT_EQ(out(), "");
        EXPECT_EQ(dump_statement(), std::string(c.table) + "concl 1111\n");
        if (c.facts) {
            EXPECT_TRUE(c.facts());
        }
    }
    EXPECT_EQ(rec(12).pots[0], 11u);
}

TEST_F(ParserTest, ErrorsNameWhatIsWrongAndEmptyTheStatement)
{
    const std::string no_end = error_text(" Statement should ends with a \".\"");
    const std::pair<std::string_view, std::string> cases[] = {
        {"HYPOTHESES: POINT A; SHOW: NO.", error_text("A statement should begin with word EXAMPLE")},
        {"example t HYPOTHESES: SHOW: NO.", error_text("A statement should begin with word EXAMPLE")},
        {"", error_text("A statement should begin with word EXAMPLE")},
        {"EXAMPLE t POINT A; SHOW: NO.", error_text("The second word should be HYPOTHESES:")},
        {"EXAMPLE.", error_text("The second word should be HYPOTHESES:")},
        // Truncated texts: the appended "." is read as a line of its own.
        {"EXAMPLE t HYPOTHESES:", error_text(" .   is not a proper construction\n")},
        {"EXAMPLE t HYPOTHESES: POINT A B; MIDPOINT M A", error_text("construction: M A ...;\n")},
        {"EXAMPLE t HYPOTHESES: POINT A B; MIDPOINT", error_text("construction: .  ...;\n")},
        {"EXAMPLE t HYPOTHESES: POINT A B; LRATIO P A", error_text("Cannot find point .")},
        {"EXAMPLE t HYPOTHESES: POINT A B; SHOW: COLLINEAR A B",
         error_text("Conclusion wrong: ") + "COLLINEAR A B . \n" + no_end},
        // Lines of the wrong length.
        {"EXAMPLE t HYPOTHESES: POINT A B C; MIDPOINT M A B C; SHOW: NO.", error_text("construction: M A ...;\n")},
        {"EXAMPLE t HYPOTHESES: POINT A B C; FOOT F A B; SHOW: NO.", error_text("construction: F A ...;\n")},
        {"EXAMPLE t HYPOTHESES: POINT A B C; COLLINEAR A B; SHOW: NO.", error_text("construction: A B...;\n")},
        // Unknown keywords and points.
        {"EXAMPLE t HYPOTHESES: POINT X Y; FOO X Y; SHOW: NO.",
         error_text(" FOO X Y is not a proper construction\n")},
        {"EXAMPLE t HYPOTHESES: POINT A; midpoint M A A; SHOW: NO.",
         error_text(" midpoint M A is not a proper construction\n")},
        {"EXAMPLE t HYPOTHESES: POINT A B; MIDPOINT M A Z; SHOW: NO.", error_text("Cannot find point Z")},
        {"EXAMPLE t HYPOTHESES: POINT A B; SHOW: COLLINEAR A B Z.", error_text("Cannot find point Z")},
    };
    for (const auto& [text, error] : cases) {
        SCOPED_TRACE(text);
        read(text);
        EXPECT_EQ(out(), error);
        EXPECT_EQ(g_npoints, 0);
        EXPECT_EQ(g_abort, 1);
    }
    clear_output();
    rd_stm("EXAMPLE t HYPOTHESES: POINT A;~");
    EXPECT_EQ(out(), error_text("Statement has No conclusion."));
}

TEST_F(ParserTest, SixtyRecordsFitAndTheSixtyFirstIsRefused)
{
    std::string names;
    for (int i = 0; i < 59; ++i)
        names += " P" + std::to_string(i);
    read_stm("POINT" + names + ";\nMIDPOINT M P0 P1;", "NO.");
    EXPECT_EQ(out(), "");
    EXPECT_EQ(g_npoints, 60);
    read_stm("POINT" + names + " Q;\nMIDPOINT M P0 P1;", "NO.");
    EXPECT_EQ(out(), error_text("Too many points in the statements\n"));
    EXPECT_EQ(g_npoints, 0);
    // Predicate records count as well.
    read_stm("POINT" + names + ";\nCOLLINEAR P0 P1 P2;", "NO.");
    EXPECT_EQ(out(), "");
    read_stm("POINT" + names + " Q;\nCOLLINEAR P0 P1 P2;", "NO.");
    EXPECT_EQ(out(), error_text("Too many points in the statements\n"));
}

TEST_F(ParserTest, LongUserNamesAreRefused)
{
    read_stm("POINT ABCDEFGHI;", "NO.");
    EXPECT_EQ(out(), "");
    EXPECT_EQ(rec(1).name, "ABCDEFGHI");
    read_stm("POINT A B;\nMIDPOINT ABCDEFGHIJ A B;", "NO.");
    EXPECT_EQ(out(), error_text("Point name ABCDEFGHIJ is too long: at most 9 characters\n"));
    EXPECT_EQ(g_npoints, 0);
}

TEST_F(ParserTest, GeneratedNamesKeepTheirFullText)
{
    read_stm("POINT A B C LONGNAME1;\nON_BLINE X A B;\nINTERSECTION_TC LONGNAME2 A B LONGNAME1 A B;", "NO.",
             kMethodArea);
    ASSERT_EQ(out(), "");
    EXPECT_EQ(rec(5).name, "M_{LONGNAME1}");
    EXPECT_EQ(rec(7).name, "T_{LONGNAME2}");
}

TEST_F(ParserTest, MidpointIsAlwaysTheConstruction)
{
    read_stm("POINT A B;\nMIDPOINT M A B;", "MIDPOINT M A B.");
    ASSERT_EQ(out(), "");
    EXPECT_EQ(rec(3).kind, 103u);
    EXPECT_EQ(rec(3).name, "M");
    EXPECT_EQ(g_concl.type, 151);
}

TEST_F(ParserTest, DuplicateNamesResolveToTheFirstRecord)
{
    read_stm("POINT A B A;\nMIDPOINT M A B;", "NO.");
    ASSERT_EQ(out(), "");
    EXPECT_EQ(rec(4).pots[0], 1u);
}

TEST_F(ParserTest, ConstantLine)
{
    read_stm("POINT A B;\nCONSTANT k + 1;", "NO.");
    ASSERT_EQ(out(), "");
    ASSERT_EQ(g_npoints, 3);
    EXPECT_EQ(rec(3).kind, 357u);
    EXPECT_EQ(rec(3).name, "x");
    ASSERT_NE(rec(3).ps[0], nullptr);
    EXPECT_TRUE(peq(rec(3).ps[0], PolyPtr(pplus(get_m_name("k"), get_n(1))).get()));
    EXPECT_EQ(mk_var_name("k")->type, kVarNamed);

    read_stm("CONSTANT k k = 2;", "NO.");
    EXPECT_EQ(out(), error_text("conatant"));
    // For Groebner bases a constant is a parameter.
    read_stm("POINT A B;\nCONSTANT w^2 - 3;", "NO.", kMethodGroebner);
    ASSERT_EQ(out(), "");
    EXPECT_EQ(mk_var_name("w")->type, kVarParam);
}

TEST_F(ParserTest, CircleLineForTheFactMethods)
{
    read_stm("POINT O;\nCIRCLE A B C D;\nMIDPOINT M A B;", "NO.");
    ASSERT_EQ(out(), "");
    ASSERT_EQ(g_npoints, 6);
    for (int i = 2; i <= 5; ++i)
        EXPECT_EQ(rec(i).kind, 1u);
    EXPECT_EQ(rec(6).pots[0], 2u);
    ASSERT_EQ(g_cir_list.size(), 1u);
    const Gdd_cir* c = g_cir_list.first;
    EXPECT_EQ(c->state, kNew);
    EXPECT_EQ(c->centre, 0);
    ASSERT_EQ(c->count(), 4);
    EXPECT_EQ((std::array<int, 4>{c->pts[0], c->pts[1], c->pts[2], c->pts[3]}), (std::array<int, 4>{2, 3, 4, 5}));
    ASSERT_FALSE(g_cond_queue.empty());
    EXPECT_EQ(g_cond_queue.last->obj, c);
    EXPECT_EQ(g_cond_queue.last->type, 152);
}

TEST_F(ParserTest, CircleLineHoldsAtMost29Points)
{
    std::string names;
    for (int i = 0; i < 29; ++i)
        names += " P" + std::to_string(i);
    read_stm("CIRCLE" + names + ";", "NO.");
    EXPECT_EQ(out(), "");
    EXPECT_EQ(g_cir_list.last->count(), 29);
    read_stm("CIRCLE" + names + " Q;", "NO.");
    EXPECT_EQ(out(), error_text("CIRCLE: a circle holds at most 29 points\n"));
    read_stm("CIRCLE A B" + names + " Q;", "NO.", kMethodWu);
    EXPECT_EQ(out(), error_text("CIRCLE: a circle holds at most 29 points\n"));
}

TEST_F(ParserTest, ParserFactsCanBeEnteredAgain)
{
    read_stm("POINT A B C D E;\nINTERSECTION_TC X A B C D E;\nCIRCLE P Q R;", "NO.", kMethodArea);
    ASSERT_EQ(out(), "");
    init_gdd();
    EXPECT_FALSE(xperp(6, 1, 2, 3));
    replay_parse_facts();
    EXPECT_TRUE(xperp(6, 1, 2, 3));
    EXPECT_TRUE(xcir_2p(4, 7, 5));
    EXPECT_TRUE(xcir_3p(0, 8, 9, 10));
}

TEST_F(ParserTest, ANewStatementStartsFromAnEmptyDatabase)
{
    // The first statement's circle would otherwise give the second's
    // INTERSECTION_LS a centre that belongs to other points.
    read_stm("CIRCLE A B C D;", "NO.", kMethodWu);
    ASSERT_EQ(g_cir_list.size(), 1u);
    read_stm("POINT A B C P Q;\nINTERSECTION_LS X P Q A B C;", "NO.", kMethodWu);
    ASSERT_EQ(out(), "");
    EXPECT_EQ(rec(6).name, "o0");
    EXPECT_EQ(rec(7).pots[2], 6u);
}

TEST_F(ParserTest, AReadingAfterAnErrorStartsClean)
{
    read_stm("POINT A B C;\nBAD A;", "NO.");
    ASSERT_EQ(g_abort, 1);
    read_stm("POINT A B C;", "COLLINEAR A B C.");
    EXPECT_EQ(g_abort, 0);
    EXPECT_EQ(g_npoints, 3);
}

}  // namespace
