// The statement, predicate and sentence forms of the built-in examples.

#include <string>

#include "statement/examples.h"
#include "statement/statement_forms.h"
#include "statement/table_dump.h"
#include "sem_fixture.h"

namespace {

using ExampleFormsTest = SemanticsTest;

TEST_F(ExampleFormsTest, ParallelogramStatementWindowText)
{
    ASSERT_TRUE(load_example(315));
    clear_output();
    show_statement();
    EXPECT_EQ(out(),
              "EXAMPLE thm \r\n"
              "HYPOTHESES:\r\n"
              "POINT A;\r\n"
              "POINT B;\r\n"
              "POINT C;\r\n"
              "INTERSECTION_PP D  A B C  C A B;\r\n"
              "INTERSECTION_LL O A C B D;\r\n"
              "SHOW:  MIDPOINT O A C.\r\n");
}

TEST_F(ExampleFormsTest, ParallelogramPredicateFormWindowText)
{
    ASSERT_TRUE(load_example(315));
    clear_output();
    print_predicate_form();
    EXPECT_EQ(out(),
              "The Predicate Form \r\n\r\n"
              "The Equational Predicates:\r\n"
              "POINTS  A B C D O.\r\n"
              "PARA  D A B C.\r\n"
              "PARA  D C A B.\r\n"
              "COLL O A C.\r\n"
              "COLL  O B D.\r\n"
              "\r\nThe Non-degenerate Conditions:\r\n"
              "Points B, C, A are not collinear.\r\n"
              "Line AC is not parallel to BD.\r\n"
              "\r\nTHE CONCLUSION:\r\n\r\n "
              "MIDPOINT O A C.\r\n"
              "\r\n");
}

TEST_F(ExampleFormsTest, ParallelogramExplained)
{
    ASSERT_TRUE(load_example(315));
    // The second explanation clears the window first.
    for (int round = 0; round < 2; ++round) {
        explain_statement();
        EXPECT_EQ(out(),
                  " a free pointA;\r\n"
                  " a free pointB;\r\n"
                  " a free pointC;\r\n"
                  "DrawPline(ABC) andPline(CAB) intersectionD;\r\n"
                  "DrawlineAC andlineBD intersectionO;\r\n"
                  "SHOW:O isAC midpoint.");
    }
}

TEST_F(ExampleFormsTest, ConclusionFormsOfEveryExample)
{
    const struct {
        int id;
        std::string_view statement, keyword, sentence;
    } cases[] = {
        {315, "SHOW:  MIDPOINT O A C.\r\n", "MIDPOINT O A C.\r\n", "SHOW:O isAC midpoint."},
        {316, "SHOW: PERPENDICULAR A B C H.\r\n", "PERP A B C H.\r\n", "SHOW:AB perpendicular toCH."},
        {317, "SHOW:  COLLINEAR E F G.\r\n", "COLL E F G.\r\n", "SHOW:E, F, GCOLL."},
        {318, "SHOW: EQANGEL A B C A3 B3 C3.\r\n", "ACONG A B C A3 B3 C3.\r\n",
         "SHOW: \u2220ABC =  \u2220A3B3C3."},
        {319, "SHOW:  COLLINEAR R P Q.\r\n", "COLL R P Q.\r\n", "SHOW:R, P, QCOLL."},
        {320, "SHOW:  COCIRCLE M1 M2 M3 M5.\r\n", "COCIRCLE M1 M2 M3 M5.\r\n", "SHOW:M1, M2, M3, M5COCIRCLE."},
        {337, "SHOW: PERPENDICULAR F H A M.\r\n", "PERP F H A M.\r\n", "SHOW:FH perpendicular toAM."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        ASSERT_TRUE(load_example(c.id));
        EXPECT_EQ(concl_out(cgeo::kNonDegenerate), c.statement);
        EXPECT_EQ(concl_out(cgeo::kPredicate), c.keyword);
        EXPECT_EQ(concl_out(cgeo::kDrawing), c.sentence);
    }
}

TEST_F(ExampleFormsTest, ConstructionFormsOfTheExamples)
{
    const struct {
        int id;
        std::string_view point, statement, predicate, drawing, conditions;
    } cases[] = {
        {317, "O", "CIRCUMCENTER O  A B C;\r\n", "CONG O A O B.\r\nCONG O A O C.\r\n",
         "Draw triangle ABC circumcenterO;\r\n", "Points C, A, B are not collinear.\r\n"},
        {317, "D", "ON_CIRCLE D O A;\r\n", "CONG D O A O.\r\n", "DrawPcircleOAD;\r\n", "O \u2260 A.\r\n"},
        {318, "A2", "FOOT A2 P B1 C1;\r\n", "COLL  A2 B1 C1.\r\nPERP  A2 P B1 C1.\r\n",
         "Draw pointP to lineB1C1 footA2;\r\n", "B1 \u2260 C1.\r\n"},
        {319, "Q", "INTERSECTION_LL Q A G E C;\r\n", "COLL Q A G.\r\nCOLL  Q E C.\r\n",
         "DrawlineAG andlineEC intersectionQ;\r\n", "Line AG is not parallel to EC.\r\n"},
        {320, "M1", "INTERSECTION_CC M1  O1 Q1  O2 Q1;\r\n", "CONG  M1 O1 Q1 O1.\r\nCONG  M1 O2 Q1 O2.\r\n",
         "DrawPcircle(O1Q1) andPcircle(O2Q1) intersectionM1;\r\n", ""},
        {337, "F", "PSQUARE F A B;\r\n", "PSQUARE F A B.\r\n", "DrawAB a positive right isoceles triangleF;\r\n",
         "A \u2260 B.\r\n"},
        {337, "H", "NSQUARE H A C;\r\n", "NSQUARE H A C.\r\n", "DrawAC a negative right isoceles triangleH;\r\n",
         "A \u2260 C.\r\n"},
        {337, "E", "INTERSECTION_PP E  F A B  B A F;\r\n", "PARA  E F A B.\r\nPARA  E B A F.\r\n",
         "DrawPline(FAB) andPline(BAF) intersectionE;\r\n", "Points A, B, F are not collinear.\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.point));
        ASSERT_TRUE(load_example(c.id));
        const int no = pt(c.point);
        ASSERT_NE(no, 0);
        EXPECT_EQ(cons_out(cgeo::kStatement, no), c.statement);
        EXPECT_EQ(cons_out(cgeo::kPredicate, no), c.predicate);
        EXPECT_EQ(cons_out(cgeo::kDrawing, no), c.drawing);
        EXPECT_EQ(cons_out(cgeo::kNonDegenerate, no), c.conditions);
    }
}

// The statement window text of every example reads back as the same table.
TEST_F(ExampleFormsTest, StatementFormsReadBack)
{
    for (const auto& ex : example_menu()) {
        SCOPED_TRACE(std::string(ex.menu_text));
        ASSERT_TRUE(load_example(ex.id));
        const std::string table = dump_statement();
        clear_output();
        show_statement();
        const std::string text = out();
        read(text);
        ASSERT_EQ(g_abort, 0) << out();
        EXPECT_EQ(dump_statement(), table);
    }
}

TEST_F(ExampleFormsTest, PredicateFormOfWuGoesOnWithTheAlgebraicForm)
{
    ASSERT_TRUE(load_example(315));
    clear_output();
    print_predicate_form();
    const std::string database = out();
    g_method = kMethodWu;
    clear_output();
    print_predicate_form();
    ASSERT_EQ(out().substr(0, database.size()), database);
    EXPECT_EQ(out().substr(database.size()).rfind("\r\nThe Algebraic Form \r\n", 0), 0u);
}

TEST_F(ExampleFormsTest, TooShortAStatementShowsNothingOrTheInputHelp)
{
    read_stm("POINT A;", "NO.");
    clear_output();
    show_statement();
    EXPECT_EQ(out(), "");
    print_predicate_form();
    EXPECT_EQ(out().rfind("\r\n There is nothing to prove\r\n\r\n", 0), 0u);
}

}  // namespace
