// The machine proof printed from a proof chain, as text and as the LaTeX file.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "algebra/machine_proof.h"
#include "algebra/plist.h"
#include "algebra/proof_chain.h"
#include "gdd/proof_latex.h"
#include "golden.h"
#include "prove_fixture.h"
#include "prover/poly_test_util.h"
#include "support/test_dirs.h"

namespace {

namespace fs = std::filesystem;
using polytest::P;

class MachineProofTest : public AlgebraProveTest {
protected:
    void SetUp() override
    {
        AlgebraProveTest::SetUp();
        clear_proof_chain();
        saved_dir_ = g_tex_dir;
        g_tex_dir = per_test_dir(fs::path(PLEXATOR_TEST_OUTPUT) / "algebra" / "tex").string();
        fs::create_directories(g_tex_dir);
        fs::remove(proof_tex_path());
    }
    void TearDown() override
    {
        clear_proof_chain();
        g_tex_dir = saved_dir_;
        AlgebraProveTest::TearDown();
    }

    static std::string file_text()
    {
        std::ifstream in(proof_tex_path(), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::string printed(const std::function<void()>& print)
    {
        clear_output();
        print();
        return out();
    }

    static dterm* factors(std::initializer_list<std::pair<xterm*, int>> list)
    {
        dterm* out = nullptr;
        for (const auto& [p, e] : list)
            plist_append(out, p, e);
        return out;
    }

    static quot_rec* quot(coef_t nc, dterm* np, coef_t dc, dterm* dp, std::int8_t type = kQuotConclusion)
    {
        quot_rec* q = new_quot_rec();
        q->nc = get_n(nc);
        q->np = np;
        q->dc = get_n(dc);
        q->dp = dp;
        q->type = type;
        return q;
    }

    // The midpoint M of AB: the ratio AM/MB is 1 because M was built so.
    void midpoint_chain()
    {
        read_stm("POINT A B C;\nMIDPOINT M A B;", "MIDPOINT M A B.", kMethodArea);
        const int A = pt("A"), B = pt("B"), C = pt("C"), M = pt("M");
        var_rec* ratio = mk_var(kVarRatio, M, A, M, B);
        var_rec* area = mk_var(kVarArea, A, B, C, C);
        var_rec* pyth = mk_var(kVarPyth, A, C, C, B);
        append_quot(quot(1, factors({{get_m(ratio), 1}}), -1, nullptr));
        quot_rec* elim = quot(1, factors({{get_m(area), 1}}), -1, factors({{neg_poly(get_m(area)), 1}}), 4);
        elim->steps = new_elim_step(ratio, neg_poly(get_m(area)), get_m(area));
        elim->steps->next = new_elim_step(pyth, nullptr, pminus(ppower(get_m(pyth), 2), get_n(4)));
        elim->steps->next->next = new_elim_step(area, nullptr, pminus(ptimes(get_n(2), get_m(area)), get_m(pyth)));
        append_quot(elim);
        quot_rec* cancel = quot(1, nullptr, 1, nullptr, kQuotCancel);
        cancel->cancelled = factors({{get_m(area), 1}});
        append_quot(cancel);
    }

    std::string saved_dir_;
};

TEST_F(MachineProofTest, ProofTextAndLatexFile)
{
    midpoint_chain();
    g_result = 1;
    const std::string text = printed([] { show_machine_proof(0); });
    golden::expect_matches("machine_proof.txt", text);
    EXPECT_EQ(printed([] { save_tex(); }), "\r\nThe Proof in LaTex format has been saved in example.tex\r\n");
    golden::expect_matches("machine_proof.tex", file_text());
}

TEST_F(MachineProofTest, UnwritableFileIsReported)
{
    g_tex_dir = (fs::path(PLEXATOR_TEST_OUTPUT) / "algebra" / "no such directory").string();
    read_stm("POINT A B C;", "COLLINEAR A B C.", kMethodArea);
    g_result = 1;
    EXPECT_EQ(printed([] { save_tex(); }), "Couldn't open example.tex");
    EXPECT_EQ(g_outfile, nullptr);
}

TEST_F(MachineProofTest, TimeLimitWhileTheFileIsOpenClosesIt)
{
    midpoint_chain();
    g_result = 1;
    // The linear step is solved by a subtraction, which looks at the clock.
    set_prover_clock([] { return 5000u; });
    g_tstart = 0;
    g_timelimit = 1000;
    g_timing = 1;
    clear_output();
    EXPECT_THROW(save_tex(), TTIME);
    g_timing = 0;
    EXPECT_EQ(g_outfile, nullptr);
    gprint("after");
    EXPECT_EQ(out(), "after");
    const std::string partial = file_text();
    EXPECT_TRUE(partial.starts_with("\\documentstyle")) << partial;
}

}  // namespace
