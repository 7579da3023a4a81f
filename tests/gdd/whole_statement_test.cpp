// Whole statements proved by the database method through the Prove command,
// for proofs whose printing once failed on a true theorem.

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "statement/prove_run.h"
#include "statement/prover.h"

namespace {

class WholeStatementTest : public ::testing::Test {
protected:
    void SetUp() override { prover_reset(); }
    void TearDown() override { prover_reset(); }
};

TEST_F(WholeStatementTest, TriangleStepWhosePairCameFromOneOldGroupIsPrinted)
{
    // Step 4, the congruence of EDB and DBH, comes from a group merged from
    // two groups, and both triangles stem from the same one of them.
    const ProveRun run = prove_statement_text(
        "EXAMPLE t\nHYPOTHESES:\nPOINT A B C;\nON_PLINE D A B C;\nPSQUARE E D B;\nPSQUARE F E B;\n"
        "ON_CIRCLE G E F;\nMIDPOINT H F B;\nSHOW: EQDISTANCE F H D B.\n",
        kMethodDatabase, 60);
    EXPECT_EQ(run.result, "true") << run.message;
    EXPECT_EQ(run.window_text.find("exit:"), std::string::npos) << run.window_text;
    EXPECT_NE(run.window_text.find("4. CON_TRIANGLE\u00CE[EDB,DBH],\r\n   because (5)congruent triangles"),
              std::string::npos)
        << run.window_text;
    // Every step the proof refers to is printed.
    const std::regex reference(R"(\(([0-9]+)\))");
    int references = 0;
    for (auto it = std::sregex_iterator(run.window_text.begin(), run.window_text.end(), reference);
         it != std::sregex_iterator(); ++it, ++references)
        EXPECT_NE(run.window_text.find("\r\n" + (*it)[1].str() + ". "), std::string::npos) << (*it)[0];
    EXPECT_GT(references, 3);
}

}  // namespace
