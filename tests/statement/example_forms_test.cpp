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
