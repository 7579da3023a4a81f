#include <string>

#include "prover/parse_facts.h"
#include "statement/examples.h"
#include "statement/prove_run.h"
#include "statement/semantics.h"
#include "statement/shown_statement.h"
#include "stm_fixture.h"

namespace {

using ExamplesTest = StatementTest;

TEST_F(ExamplesTest, OtherIdsOnlyClearTheConclusionSlots)
{
    ASSERT_TRUE(load_example(316));
    EXPECT_FALSE(load_example(321));
    EXPECT_EQ(g_concl.p, (std::array<std::uint32_t, 8>{}));
    EXPECT_EQ(g_concl.type, 150);
    EXPECT_EQ(g_npoints, 7);
}

TEST_F(ExamplesTest, TheMethodAndFlagsAreUntouched)
{
    g_method = kMethodWu;
    g_abort = 1;
    ASSERT_TRUE(load_example(320));
    EXPECT_EQ(g_method, kMethodWu);
    EXPECT_EQ(g_abort, 1);
}

// An example replaces the statement read before it whole: that statement's
// circles are not the example's, nor are the records the reader made for it.
TEST_F(ExamplesTest, AnExampleLeavesNothingOfTheStatementBefore)
{
    ASSERT_TRUE(load_example(315));
    const std::string shown = shown_statement_text();
    for (int method : {kMethodDatabase, kMethodWu}) {
        read_stm("CIRCLE A B C D E;", "NO.", method);
        ASSERT_EQ(g_abort, 0) << out();
        const ProveRun run = prove_example(315, kMethodDatabase, 60);
        EXPECT_EQ(run.result, "true");
        EXPECT_TRUE(g_parse_facts.empty());
        Gdd_cond cyclic{};
        cyclic.type = concl_kind::kCyclic;
        cyclic.p = {0, 1, 2, 3, 4, 0, 0, 0};
        EXPECT_EQ(do_concl_of(cyclic), 0) << "A, B, C, D of the parallelogram are not on one circle";
        EXPECT_EQ(shown_statement_text(), shown);
    }
}

}  // namespace
