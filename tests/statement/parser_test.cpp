#include <string>

#include "algebra/poly.h"
#include "gdd/gdd.h"
#include "statement/parse_facts.h"
#include "statement/parser.h"
#include "stm_fixture.h"

namespace {

using ParserTest = StatementTest;

TEST_F(ParserTest, FreePointsAreNumberedFirst)
{
    read_stm("MIDPOINT M A B;\nPOINT A B;\nFOOT F M A B;\nPOINT C;", "NO.");
    ASSERT_EQ(out(), "");
    ASSERT_EQ(g_npoints, 5);
    EXPECT_EQ(pt("A"), 1);
    EXPECT_EQ(pt("B"), 2);
    EXPECT_EQ(pt("C"), 3);
    EXPECT_EQ(pt("M"), 4);
    EXPECT_EQ(pt("F"), 5);
    EXPECT_EQ(rec(1).kind, 101u);
    EXPECT_EQ(rec(4).kind, 103u);
    EXPECT_EQ(rec(4).pots, (std::array<std::uint32_t, 8>{1, 2, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(rec(5).kind, 102u);
    EXPECT_EQ(rec(5).pots, (std::array<std::uint32_t, 8>{4, 1, 2, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g_concl.type, kConclNone);
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

TEST_F(ParserTest, RatioLinesReadTwoValues)
{
    read_stm("POINT A B;\nLRATIO P A B 1 ;\nMRATIO Q A B 2 3;\nPRATIO R A B A 1 2;\nLRATIO S A B -1 (x+1);",
             "NO.");
    ASSERT_EQ(out(), "");
    ASSERT_EQ(g_npoints, 6);
    const auto value = [](int r, int k) { return g_pro_points[static_cast<std::size_t>(r)].ps[static_cast<std::size_t>(k)]; };
    EXPECT_EQ(rec(3).kind, 197u);
    EXPECT_TRUE(ponep(value(3, 0)));
    EXPECT_TRUE(ponep(value(3, 1)));
    EXPECT_EQ(rec(4).kind, 198u);
    EXPECT_TRUE(peq(value(4, 0), PolyPtr(get_n(2)).get()));
    EXPECT_TRUE(peq(value(4, 1), PolyPtr(get_n(3)).get()));
    // PRATIO with its first and third points equal stores A, A, B.
    EXPECT_EQ(rec(5).kind, 199u);
    EXPECT_EQ(rec(5).pots, (std::array<std::uint32_t, 8>{1, 1, 2, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(peq(value(5, 1), PolyPtr(get_n(2)).get()));
    EXPECT_TRUE(pmonep(value(6, 0)));
    EXPECT_TRUE(peq(value(6, 1), PolyPtr(pplus(get_m_name("x"), get_n(1))).get()));
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

TEST_F(ParserTest, CircleLineForWuAndGroebner)
{
    for (int method : {kMethodWu, kMethodGroebner}) {
        read_stm("CIRCLE A B C D E;", "NO.", method);
        ASSERT_EQ(out(), "");
        ASSERT_EQ(g_npoints, 6);
        const char* names[] = {"A", "B", "C", "o0", "D", "E"};
        const std::uint32_t kinds[] = {0, 0, 0, 62, 14, 14};
        for (int i = 1; i <= 6; ++i) {
            EXPECT_EQ(rec(i).name, names[i - 1]);
            EXPECT_EQ(rec(i).kind, kinds[i - 1]);
        }
        EXPECT_EQ(rec(4).pots, (std::array<std::uint32_t, 8>{1, 2, 3, 0, 0, 0, 0, 0}));
        EXPECT_EQ(rec(5).pots, (std::array<std::uint32_t, 8>{4, 1, 0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(rec(6).pots, (std::array<std::uint32_t, 8>{4, 1, 0, 0, 0, 0, 0, 0}));
        ASSERT_EQ(g_cir_list.size(), 1u);
        EXPECT_EQ(g_cir_list.first->centre, 4);
        EXPECT_EQ(g_cir_list.first->count(), 5);

        prover_reset();
        read_stm("CIRCLE A B C;", "NO.", method);
        ASSERT_EQ(out(), "");
        EXPECT_EQ(g_npoints, 3);
        ASSERT_EQ(g_cir_list.size(), 1u);
        EXPECT_EQ(g_cir_list.first->centre, 0);
        EXPECT_EQ(g_cir_list.first->count(), 3);
        prover_reset();
    }
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

TEST_F(ParserTest, OnBlineForTheAreaMethod)
{
    read_stm("POINT A B C D;\nON_BLINE X A B;", "NO.", kMethodArea);
    ASSERT_EQ(out(), "");
    ASSERT_EQ(g_npoints, 6);
    EXPECT_EQ(rec(5).name, "M_{D}");
    EXPECT_EQ(rec(5).kind, 2u);
    EXPECT_EQ(rec(5).pots, (std::array<std::uint32_t, 8>{1, 2, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(rec(6).name, "X");
    EXPECT_EQ(rec(6).kind, 12u);
    EXPECT_EQ(rec(6).pots, (std::array<std::uint32_t, 8>{5, 1, 2, 0, 0, 0, 0, 0}));
    // With exactly three records the line stays as it is.
    read_stm("POINT A B C;\nON_BLINE X A B;", "NO.", kMethodVector);
    ASSERT_EQ(out(), "");
    EXPECT_EQ(rec(4).kind, 11u);
    read_stm("POINT A B C D;\nON_BLINE X A B;", "NO.", kMethodWu);
    EXPECT_EQ(rec(5).kind, 11u);
}

TEST_F(ParserTest, IntersectionTcForTheAreaMethod)
{
    read_stm("POINT A B C D E;\nINTERSECTION_TC X A B C D E;", "NO.", kMethodArea);
    ASSERT_EQ(out(), "");
    ASSERT_EQ(g_npoints, 7);
    EXPECT_EQ(rec(6).name, "T_{X}");
    EXPECT_EQ(rec(6).kind, 12u);
    EXPECT_EQ(rec(6).pots, (std::array<std::uint32_t, 8>{1, 2, 3, 0, 0, 0, 0, 0}));
    EXPECT_EQ(rec(7).kind, 40u);
    EXPECT_EQ(rec(7).pots, (std::array<std::uint32_t, 8>{1, 6, 4, 5, 0, 0, 0, 0}));
    EXPECT_TRUE(xperp(6, 1, 2, 3));
    EXPECT_TRUE(xcoll(7, 1, 6));
    EXPECT_TRUE(xcir_2p(4, 7, 5));
}

TEST_F(ParserTest, IntersectionLsMakesACentre)
{
    read_stm("POINT A B C D E;\nINTERSECTION_LS X A B C D E;", "NO.", kMethodWu);
    ASSERT_EQ(out(), "");
    ASSERT_EQ(g_npoints, 7);
    EXPECT_EQ(rec(6).name, "o0");
    EXPECT_EQ(rec(6).kind, 62u);
    EXPECT_EQ(rec(6).pots, (std::array<std::uint32_t, 8>{3, 4, 5, 0, 0, 0, 0, 0}));
    EXPECT_EQ(rec(7).name, "X");
    EXPECT_EQ(rec(7).kind, 40u);
    EXPECT_EQ(rec(7).pots, (std::array<std::uint32_t, 8>{1, 2, 6, 3, 0, 0, 0, 0}));
    EXPECT_TRUE(xcir_3p(6, 3, 4, 5));
    EXPECT_TRUE(xcoll(7, 1, 2));
    EXPECT_TRUE(xcir_2p(6, 7, 3));
}

TEST_F(ParserTest, IntersectionLsUsesAKnownCentre)
{
    // The line's point B lies on the circle: it is the second point of the circle.
    read_stm("CIRCLE A B C D E;\nPOINT P;\nINTERSECTION_LS X P C A B C;", "NO.", kMethodGroebner);
    ASSERT_EQ(out(), "");
    const int o = pt("o0");
    ASSERT_NE(o, 0);
    const int x = pt("X");
    EXPECT_EQ(x, g_npoints);
    EXPECT_EQ(rec(x).kind, 40u);
    EXPECT_EQ(rec(x).pots, (std::array<std::uint32_t, 8>{static_cast<std::uint32_t>(pt("P")),
                                                          static_cast<std::uint32_t>(pt("C")),
                                                          static_cast<std::uint32_t>(o),
                                                          static_cast<std::uint32_t>(pt("C")), 0, 0, 0, 0}));
}

TEST_F(ParserTest, IntersectionLsForTheDatabaseMethodKeepsItsKind)
{
    read_stm("POINT A B C D E;\nINTERSECTION_LS X A B C D E;", "NO.");
    ASSERT_EQ(out(), "");
    EXPECT_EQ(rec(6).kind, 44u);
    EXPECT_TRUE(xcoll(6, 1, 2));
    EXPECT_TRUE(xcir_4p(0, 6, 3, 4, 5));
}

TEST_F(ParserTest, IntersectionSsWithTwoNewCentres)
{
    read_stm("POINT A B C D E;\nINTERSECTION_SS X A B C A D E;", "NO.", kMethodArea);
    ASSERT_EQ(out(), "");
    ASSERT_EQ(g_npoints, 8);
    EXPECT_EQ(rec(6).name, "o0");
    EXPECT_EQ(rec(6).pots, (std::array<std::uint32_t, 8>{1, 2, 3, 0, 0, 0, 0, 0}));
    EXPECT_EQ(rec(7).name, "o1");
    EXPECT_EQ(rec(7).kind, 62u);
    EXPECT_EQ(rec(7).pots, (std::array<std::uint32_t, 8>{1, 4, 5, 0, 0, 0, 0, 0}));
    EXPECT_EQ(rec(8).name, "X");
    EXPECT_EQ(rec(8).kind, 50u);
    // A is on both circles.
    EXPECT_EQ(rec(8).pots, (std::array<std::uint32_t, 8>{6, 1, 7, 1, 0, 0, 0, 0}));
    EXPECT_TRUE(xcir_4p(0, 8, 1, 2, 3));
    EXPECT_TRUE(xcir_4p(0, 8, 1, 4, 5));
}

TEST_F(ParserTest, IntersectionSsWithAKnownFirstCentre)
{
    read_stm("CIRCLE A B C D;\nPOINT E F G;\nINTERSECTION_SS X A B C E F G;\nMIDPOINT M X A;", "NO.",
             kMethodWu);
    ASSERT_EQ(out(), "");
    // E, F, G, then A, B, C, o0, D, the placeholder, o1, X, M.
    ASSERT_EQ(g_npoints, 12);
    EXPECT_EQ(static_cast<std::int32_t>(rec(9).kind), -100);
    EXPECT_EQ(rec(10).name, "o1");
    EXPECT_EQ(rec(10).pots, (std::array<std::uint32_t, 8>{1, 2, 3, 0, 0, 0, 0, 0}));
    EXPECT_EQ(rec(11).name, "X");
    EXPECT_EQ(rec(11).kind, 50u);
    // No common defining point: each circle's first.
    EXPECT_EQ(rec(11).pots, (std::array<std::uint32_t, 8>{7, 4, 10, 1, 0, 0, 0, 0}));
    // References to X reach X's own record, not the placeholder.
    EXPECT_EQ(rec(12).pots[0], 11u);
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
