// The lines the methods quote in their proofs (prover/statement_lines.h) are
// the statement layer's own, from the first way into it on: reading a
// statement, loading an example, or the Prove command's method table.

#include <string>

#include "prover/statement_lines.h"
#include "statement/examples.h"
#include "statement/prove.h"
#include "statement/semantics.h"
#include "stm_fixture.h"

namespace {

using StatementLinesTest = StatementTest;

// Every record's line, the conclusion's statement line and its keyword form
// as the methods quote them, against the printers of the semantics.
void expect_quoted_as_printed()
{
    ASSERT_GE(g_npoints, 2);
    for (int i = 1; i <= g_npoints; ++i)
        EXPECT_EQ(statement_record_line(i), cons_statement_text(i)) << "record " << i;
    EXPECT_EQ(statement_conclusion_line(), concl_statement_text());
    EXPECT_EQ(conclusion_keyword_line(), concl_keyword_text() + ".\r\n");
    EXPECT_NE(statement_conclusion_line().find("SHOW:"), std::string::npos);
}

TEST_F(StatementLinesTest, AStatementReadIsQuotedAsThePrintersWriteIt)
{
    const char* const statements[] = {
        "POINT A B C;\nMIDPOINT M A B;\nLRATIO P A C 2 3;", "PARALLEL M P B C",
        "POINT A B C D;\nINTERSECTION_LL O A C B D;\nCOLLINEAR A B D;", "EQ_PRODUCT O A O C O B O D",
        "POINT A B;\nCIRCLE A B C D;\nCONSTANT x - 2;", "COCIRCLE A B C D",
    };
    for (std::size_t k = 0; k + 1 < std::size(statements); k += 2) {
        SCOPED_TRACE(statements[k]);
        read_stm(statements[k], statements[k + 1]);
        ASSERT_EQ(g_abort, 0) << out();
        expect_quoted_as_printed();
    }
}

TEST_F(StatementLinesTest, AnExampleLoadedIsQuotedAsThePrintersWriteIt)
{
    for (const ExampleInfo& ex : example_menu()) {
        SCOPED_TRACE(std::string(ex.menu_text));
        ASSERT_TRUE(load_example(ex.id));
        expect_quoted_as_printed();
    }
}

TEST_F(StatementLinesTest, TheProveCommandsMethodTableWiresTheLines)
{
    // Records written straight into the tables, as the bridge from a drawing does.
    g_npoints = 3;
    for (int i = 1; i <= 3; ++i) {
        g_pro_points[static_cast<std::size_t>(i)].clear();
        g_pro_points[static_cast<std::size_t>(i)].name = std::string(1, static_cast<char>('A' + i - 1));
    }
    g_pro_points[1].kind = g_pro_points[2].kind = cons_kind::kFreePoint;
    g_pro_points[3].kind = cons_kind::kMidpoint;
    g_pro_points[3].pots = {1, 2};
    g_concl.type = concl_kind::kCollinear;
    g_concl.p = {1, 2, 3};
    ASSERT_TRUE(method_built(kMethodArea));
    EXPECT_EQ(statement_record_line(3), "MIDPOINT C A B;\r\n");
    expect_quoted_as_printed();
}

}  // namespace
