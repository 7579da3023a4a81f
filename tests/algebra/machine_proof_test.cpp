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
#include "poly_test_util.h"
#include "prove_fixture.h"
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
        q->nc = nc;
        q->np = np;
        q->dc = dc;
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

TEST_F(MachineProofTest, EmptyChainToTheFile)
{
    read_stm("POINT A B C;", "COLLINEAR A B C.", kMethodArea);
    g_result = 0;
    EXPECT_EQ(printed([] { save_tex(); }), "");
    const std::string text = file_text();
    EXPECT_TRUE(text.starts_with("\\documentstyle[11pt]{article}\r\n\\voffset=-2.5truecm\r\n")) << text;
    EXPECT_TRUE(text.ends_with("\\begin{document}\r\n\r\nThere exists no proof.\r\n\\end{document}\r\n")) << text;
    EXPECT_NE(text.find("\\def\\vec#1{{\\overrightarrow{#1}}}\\def\\ves#1"), std::string::npos);
}

TEST_F(MachineProofTest, QuotientForms)
{
    read_stm("POINT A B C;", "COLLINEAR A B C.", kMethodArea);
    const struct {
        coef_t nc;
        const char* np;
        coef_t dc;
        const char* dp;
        const char* text;
        const char* latex;
    } cases[] = {
        {3, nullptr, 4, nullptr, "3/4", "\\frac{3}{4}"},
        {3, nullptr, 1, nullptr, "3", "3"},
        {3, nullptr, -1, nullptr, "-3", "-3"},
        {0, nullptr, 0, nullptr, "0", "0"},
        {5, nullptr, 0, nullptr, "5", "5"},
        {-1, "a+b", 0, nullptr, "-(b+a)", "-(b+a)"},
        {1, "a+b", -1, nullptr, "-(b+a)", "-(b+a)"},
        {1, "a+b", 1, nullptr, "(b+a)", "(b+a)"},
        {2, "a", 3, nullptr, "2/3a", "\\frac{2}{3}a"},
        {2, "a+b", 3, "c-1", "2(b+a) / 3(c-1)", "\\frac{2(b+a)}{3(c-1)}"},
        {-1, "a", 1, "c", "-a / c", "\\frac{-a}{c}"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        quot_rec q;
        q.nc = c.nc;
        q.dc = c.dc;
        q.np = c.np ? factors({{P(c.np), 1}}) : nullptr;
        q.dp = c.dp ? factors({{P(c.dp), 1}}) : nullptr;
        EXPECT_EQ(printed([&] { ltx_frac(q, 0); }), c.text);
        EXPECT_EQ(printed([&] { ltx_frac(q, 1); }), c.latex);
        put_dts(q.np);
        put_dts(q.dp);
    }
    // Quotients of ratios and constants are written in parentheses in LaTeX.
    const int A = pt("A"), B = pt("B"), C = pt("C");
    quot_rec q;
    q.nc = -1;
    q.np = factors({{get_m(mk_var(kVarRatio, C, A, B, A)), 1}});
    q.dc = 2;
    q.dp = factors({{get_m(mk_var(kVarRatio, C, B, B, A)), 1}, {get_n(3), 1}});
    EXPECT_EQ(printed([&] { ltx_frac(q, 0); }), "-AC/AB / 2BC/AB3");
    EXPECT_EQ(printed([&] { ltx_frac(q, 1); }), "(-\\oo{AC}{AB})/(2\\oo{BC}{AB}3)");
    put_dts(q.np);
    put_dts(q.dp);
}

TEST_F(MachineProofTest, ProductsAndTheirParentheses)
{
    read_stm("POINT A B C;", "COLLINEAR A B C.", kMethodArea);
    dterm* list = factors({{P("x+y"), 2}, {P("-a"), 1}, {P("b"), 1}, {P("a+b"), 1}});
    EXPECT_EQ(printed([&] { ltx_prod(list, 0); }), "(y+x)^{2}(-a)b(b+a)");
    g_method = kMethodFullAngle;
    EXPECT_EQ(printed([&] { ltx_prod(list, 0); }), "(y+x)^{2}-abb+a");
    put_dts(list);
    EXPECT_EQ(printed([] { ltx_prod(nullptr, 0); }), "");
}

TEST_F(MachineProofTest, EliminationSteps)
{
    read_stm("POINT A B C;", "COLLINEAR A B C.", kMethodArea);
    var_rec* v = mk_var_name("v");
    elim_step linear{v, nullptr, P("v-a-1"), nullptr};
    EXPECT_EQ(printed([&] { show_elim(&linear, 0); }), "v = a+1");
    elim_step quadratic{v, nullptr, P("v^2-a"), nullptr};
    EXPECT_EQ(printed([&] { show_elim(&quadratic, 0); }), "v^{2}-a = 0 ( Eliminate variablesv)");
    EXPECT_EQ(printed([&] { show_elim(&quadratic, 1); }), "$v^{2}-a = 0 ( Eliminate variablesv)$");
    elim_step value{v, P("a"), P("2"), nullptr};
    EXPECT_EQ(printed([&] { show_elim(&value, 0); }), "v = 1/2a");
    elim_step hidden{mk_var(-2, 1, 2, 3, 3), nullptr, P("a"), nullptr};
    EXPECT_EQ(printed([&] { show_elim(&hidden, 0); }), "");
    linear.next = &value;
    EXPECT_EQ(printed([&] { show_steps(&linear, 0); }), "because v = a+1\r\n               v = 1/2a\r\n");
    for (elim_step* s : {&linear, &quadratic, &value, &hidden}) {
        put_p(s->num);
        put_p(s->den);
    }
}

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
