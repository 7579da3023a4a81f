// The LaTeX file of a database proof.

#include "facts/gdd_fixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "gdd/proof_latex.h"
#include "statement/prove_run.h"
#include "support/counted_prover_clock.h"

namespace gddtest {
namespace {

const char* const kPreamble =
    "\\documentstyle[11pt]{article}\r\n\\voffset=-2.5truecm\r\n\\hoffset=-1.9truecm\r\n"
    "\\textwidth = 16truecm\r\n\\textheight = 22.5truecm\r\n\\parskip=8pt\r\n\\parindent=15pt\r\n"
    "\\def\\fa#1#2{\\langle{#1},{#2}\\rangle}\r\n\\begin{document}\r\n";

std::string read_file(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class ProofLatexTest : public GddTest {
protected:
    void SetUp() override
    {
        GddTest::SetUp();
        dir_ = std::filesystem::path(PLEXATOR_TEST_OUTPUT) / "gdd-latex" /
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        g_tex_dir = dir_.string();
    }
    void TearDown() override
    {
        g_tex_dir.clear();
        g_result = 0;
        GddTest::TearDown();
    }
    std::string file_text() const { return read_file(dir_ / "example.tex"); }

    std::filesystem::path dir_;
};

TEST_F(ProofLatexTest, FileIsRewrittenByEveryProof)
{
    add_tline(0, A, B, C, D);
    set_conclusion(150, {A, B, C, D});
    save_proof_tex(1);
    set_conclusion(149, {A, B, C, D});
    save_proof_tex(1);
    EXPECT_EQ(file_text(), std::string(kPreamble) + "\\end{document}\r\n");
}

TEST_F(ProofLatexTest, FileThatCannotBeOpenedGivesAMessage)
{
    g_tex_dir = (dir_ / "missing" / "dir").string();
    set_conclusion(150, {A, B, C, D});
    g_result = 1;
    out.clear();
    save_proof_tex(1);
    EXPECT_EQ(out.text(), "Couldn't open example.tex");
    EXPECT_EQ(g_outfile, nullptr);
}

TEST_F(ProofLatexTest, AbortWhileWritingClosesTheFile)
{
    inconsistent_merge();
    out.clear();
    EXPECT_THROW(save_proof_tex(1), ProverAbort);
    EXPECT_EQ(g_outfile, nullptr);
    gprint("later");
    EXPECT_EQ(out.text(), "later");
    const std::string text = file_text();
    EXPECT_EQ(text.rfind(kPreamble, 0), 0u);
    EXPECT_NE(text.find("exit: 103"), std::string::npos);
}

TEST_F(ProofLatexTest, MathModeAndBracesBalance)
{
    // Every kind of step in its LaTeX form.
    add_line(0, A, B, C);
    add_cir3(0, O, A, B, D);
    add_cong(0, 0, A, B, C, D);
    add_codb(148, A, B, C, 0);
    add_codb(152, O, A, B, D);
    add_codb(153, A, B, C, D);
    add_tline(5, A, B, E, F);
    next_cond();
    next_cond();
    next_cond();
    set_conclusion(150, {A, B, E, F});
    g_result = 1;
    save_proof_tex(1);
    const std::string text = file_text();
    const auto body_start = text.find("\\begin{document}");
    ASSERT_NE(body_start, std::string::npos);
    const std::string body = text.substr(body_start);
    EXPECT_EQ(std::count(body.begin(), body.end(), '$') % 2, 0) << body;
    int depth = 0;
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '\\' && i + 1 < body.size()) {
            ++i;  // an escaped character
            continue;
        }
        depth += body[i] == '{' ? 1 : body[i] == '}' ? -1 : 0;
        EXPECT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0) << body;
}

// A proof leaves the LaTeX form on once its file is written; the next run's
// window text (here the lines the auxiliary-point search lists) is plain
// text all the same, as in a run alone.
TEST_F(ProofLatexTest, NextRunPrintsPlainText)
{
    const CountedProverClock clock;
    const std::string searched = "EXAMPLE s\nHYPOTHESES:\nPOINT A B C; MIDPOINT M A B; MIDPOINT N A M;\n"
                                 "SHOW: PARALLEL N C M C.\n";
    const ProveRun alone = prove_statement_text(searched, kMethodDatabase, 100);
    ASSERT_NE(alone.window_text.find("A ,B ,M ,N "), std::string::npos) << alone.window_text;
    const ProveRun proved = prove_statement_text(
        "EXAMPLE p\nHYPOTHESES:\nPOINT A B C; MIDPOINT E A B; MIDPOINT D A C;\nSHOW: PARALLEL E D B C.\n",
        kMethodDatabase, 100);
    ASSERT_EQ(proved.result, "true");
    ASSERT_NE(file_text().find("\\end{document}"), std::string::npos);
    const ProveRun after = prove_statement_text(searched, kMethodDatabase, 100);
    EXPECT_EQ(after.window_text, alone.window_text);
}

}  // namespace
}  // namespace gddtest
