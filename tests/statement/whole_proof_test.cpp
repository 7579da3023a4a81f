// Whole proofs by the database method through the Prove command: the window
// text and the LaTeX file against golden files, and the fixpoint of a
// statement without conclusion.

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "gdd/gdd_output.h"
#include "statement/prove_run.h"
#include "sem_fixture.h"
#include "support/test_dirs.h"

namespace {

namespace fs = std::filesystem;

std::string read_file(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Time figures differ from run to run.
std::string mask_times(const std::string& text)
{
    static const std::regex time(R"(Time :[0-9.]+)");
    return std::regex_replace(text, time, "Time :#");
}

class WholeProofTest : public SemanticsTest {
protected:
    void SetUp() override
    {
        SemanticsTest::SetUp();
        ASSERT_TRUE(method_built(kMethodDatabase));
        dir_ = per_test_dir(fs::path(PLEXATOR_TEST_OUTPUT) / "proofs");
        fs::create_directories(dir_);
        saved_dir_ = g_tex_dir;
        g_tex_dir = dir_.string();
    }
    void TearDown() override
    {
        g_tex_dir = saved_dir_;
        SemanticsTest::TearDown();
    }

    // Proves the statement and compares the window text and the LaTeX file
    // with tests/data/proofs/<name>.txt and .tex.
    void expect_golden_proof(std::string_view statement, const std::string& name)
    {
        fs::remove(proof_tex_path());
        const ProveRun run = prove_statement_text(statement, kMethodDatabase, 60);
        EXPECT_EQ(run.result, "true") << run.window_text;
        const fs::path golden = fs::path(PLEXATOR_TEST_DATA) / "proofs";
        EXPECT_EQ(mask_times(run.window_text), read_file(golden / (name + ".txt")));
        ASSERT_TRUE(fs::exists(proof_tex_path()));
        EXPECT_EQ(mask_times(read_file(proof_tex_path())), read_file(golden / (name + ".tex")));
    }

    fs::path dir_;
    std::string saved_dir_;
};

TEST_F(WholeProofTest, ProofTextsAndLatexFiles)
{
    // A hypothesis given back as the conclusion, and the midline theorem.
    expect_golden_proof("EXAMPLE foot\nHYPOTHESES:\nPOINT A B C;\nFOOT D C A B;\nSHOW: PERPENDICULAR C D A B.\n",
                        "foot_perpendicular");
    expect_golden_proof(
        "EXAMPLE midline\nHYPOTHESES:\nPOINT A B C;\nMIDPOINT M A B;\nMIDPOINT N A C;\nSHOW: PARALLEL M N B C.\n",
        "midline");
}

TEST_F(WholeProofTest, WithoutConclusionTheDatabaseReachesItsFixpoint)
{
    const ProveRun run = prove_statement_text(
        "EXAMPLE midline\nHYPOTHESES:\nPOINT A B C;\nMIDPOINT M A B;\nMIDPOINT N A C;\nSHOW: NO.\n", kMethodDatabase,
        60);
    EXPECT_EQ(run.result, "not-solved");  // nothing to decide
    EXPECT_EQ(run.window_text, "This statement has not conclusion.\r\n Fixpoint has been reached\r\n\r\n");
    EXPECT_EQ(shown_.result, "");
    // "Show Size of GDD": the two midpoints, the lines MAB and NAC and the
    // class of MN and BC are among the counted relations.
    clear_output();
    show_gdd_size(1);
    const std::string sizes = out();
    EXPECT_NE(sizes.find("midp: 2\r\n"), std::string::npos) << sizes;
    EXPECT_NE(sizes.find("coll: 2\r\n"), std::string::npos) << sizes;
    EXPECT_NE(sizes.find("para: 1\r\n"), std::string::npos) << sizes;
    EXPECT_NE(sizes.find("The database contains"), std::string::npos) << sizes;
    EXPECT_NE(sizes.find("geometric relations"), std::string::npos) << sizes;
}

}  // namespace
