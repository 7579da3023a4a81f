// Reading the statement: from the window's whole text, from the built-in
// examples and from a statement file.

#include <gtest/gtest.h>


#include <fstream>

#include "prover/parse_facts.h"
#include "prover_fixture.h"
#include "statement/examples.h"
#include "statement/window/prover_commands.h"

namespace {

const char* const kParallelogram =
    "EXAMPLE para\n"
    "HYPOTHESES:\n"
    "POINT A B C;\n"
    "INTERSECTION_PP D A B C C A B;\n"
    "INTERSECTION_LL O A C B D;\n"
    "SHOW: MIDPOINT O A C.";

std::vector<std::string> record_names()
{
    std::vector<std::string> names;
    for (int i = 1; i <= g_npoints; ++i)
        names.push_back(g_pro_points[static_cast<std::size_t>(i)].name);
    return names;
}

TEST(ProverRead, TheWholeTextIsReadAsTheUserSeesIt)
{
    // Typed without a final Return, the SHOW line is read too, and so is it
    // with one.
    for (const std::string& text : {std::string(kParallelogram), std::string(kParallelogram) + "\n"}) {
        SCOPED_TRACE(text);
        ProverWindow w;
        w.set_text(text);
        w.command(pcmd::kFromText);
        EXPECT_EQ(g_abort, 0);
        EXPECT_EQ(record_names(), (std::vector<std::string>{"A", "B", "C", "D", "O"}));
        EXPECT_EQ(g_concl.type, 151);
        EXPECT_EQ(g_concl.p[0], 5u);
        EXPECT_EQ(g_concl.p[1], 1u);
        EXPECT_EQ(g_concl.p[2], 3u);
        // Reading prints nothing of its own and refreshes the status.
        EXPECT_EQ(w.text(), text);
        EXPECT_EQ(w.pane(0), "GDD method");
    }
}

TEST(ProverRead, ProveReadsTheTypedStatementWhole)
{
    // Typed and proved at once: Prove reads the edited text, last line and all.
    ProverWindow w;
    w.type_text(kParallelogram);
    w.command(pcmd::kProve);
    EXPECT_EQ(g_abort, 0);
    EXPECT_EQ(g_npoints, 5);
    EXPECT_EQ(g_result, 1);
    EXPECT_EQ(w.text().find("Sytax error"), std::string::npos) << w.text();
}

struct ExampleCase {
    int id;
    int records;
    int conclusion;
};

class ProverExamples : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(ProverExamples, LoadShowsTheStatementWhichReadsBack)
{
    const ExampleCase& c = GetParam();
    ProverWindow w;
    w.set_text("old text\n");
    g_method = kMethodWu;
    g_result = 1;
    g_time = 300;
    w.command(c.id);
    EXPECT_EQ(g_npoints, c.records);
    EXPECT_EQ(g_concl.type, c.conclusion);
    // The window is cleared, the statement shown, the result figures emptied.
    const std::string shown = w.text();
    EXPECT_EQ(shown.rfind("EXAMPLE thm \nHYPOTHESES:\n", 0), 0u) << shown;
    EXPECT_EQ(w.pane(0), "Wu's method");
    EXPECT_EQ(w.pane(1), "");
    EXPECT_EQ(w.pane(2), "");

    const std::vector<std::string> names = record_names();
    const auto concl = g_concl.p;
    // What the window shows is a statement the reader takes back.
    g_method = kMethodDatabase;
    w.command(pcmd::kFromText);
    ASSERT_EQ(g_abort, 0) << w.text();
    EXPECT_EQ(record_names(), names);
    EXPECT_EQ(g_concl.type, c.conclusion);
    EXPECT_EQ(g_concl.p, concl);
}

INSTANTIATE_TEST_SUITE_P(Theorems, ProverExamples,
                         ::testing::Values(ExampleCase{315, 5, 151}, ExampleCase{316, 7, 150},
                                           ExampleCase{317, 8, 148}, ExampleCase{318, 13, 154},
                                           ExampleCase{319, 9, 148}, ExampleCase{320, 20, 152},
                                           ExampleCase{337, 8, 150}));

TEST(ProverRead, AnExampleDoesNotKeepTheFactsOfAnEarlierText)
{
    ProverWindow w;
    w.set_text("EXAMPLE c\nHYPOTHESES:\nCIRCLE A B C D;\nSHOW: COLLINEAR A B C.\n");
    w.command(pcmd::kFromText);
    ASSERT_EQ(g_abort, 0) << w.text();
    ASSERT_FALSE(g_parse_facts.empty());
    w.command(315);
    EXPECT_TRUE(g_parse_facts.empty());
}

TEST(ProverRead, StatementFromAFile)
{
    ProverWindow w;
    const std::string path = std::string(PLEXATOR_TEST_OUTPUT) + "/prover/parallelogram.txt";
    {
        std::ofstream out(path, std::ios::binary);
        out << "EXAMPLE para\r\nHYPOTHESES:\r\nPOINT A B C;\r\nINTERSECTION_PP D A B C C A B;\r\n"
               "INTERSECTION_LL O A C B D;\r\nSHOW: MIDPOINT O A C.\r\n";
    }
    w.ui.files.push_answer(path);
    w.command(pcmd::kLoadFile);
    EXPECT_EQ(g_abort, 0) << w.text();
    EXPECT_EQ(g_npoints, 5);
    EXPECT_EQ(g_concl.type, 151);
    EXPECT_EQ(w.app->edit()->file_name(), path);
    ASSERT_EQ(w.ui.files.asked().size(), 1u);
    EXPECT_FALSE(w.ui.files.asked()[0].save);
    EXPECT_EQ(w.ui.files.asked()[0].filter, "Files (*.*)|*.*|");
}

TEST(ProverRead, ACancelledFileStillEmptiesTheConclusionsPoints)
{
    ProverWindow w;
    w.command(315);
    ASSERT_NE(g_concl.p[0], 0u);
    w.command(pcmd::kClearWindow);
    w.command(pcmd::kLoadFile);  // the file dialog is cancelled
    EXPECT_EQ(w.ui.files.asked().size(), 1u);
    EXPECT_EQ(g_concl.p, (std::array<std::uint32_t, 8>{}));
    // The empty window is read all the same.
    EXPECT_EQ(g_npoints, 0);
}

}  // namespace
