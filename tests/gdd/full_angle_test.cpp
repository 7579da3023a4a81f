// The full-angle method: theorems proved with every rewriting rule holding
// at random figures (full angles modulo two right angles), equations it
// cannot represent, the constant reduction, the proof text against a golden
// file, the trace, the time limit and the pools.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../algebra/area_numeric.h"
#include "../algebra/method_fixture.h"
#include "algebra/proof_chain.h"
#include "facts/gdd_records.h"
#include "gdd/full_angle.h"
#include "gdd/proof_latex.h"
#include "support/test_dirs.h"

namespace {

namespace fs = std::filesystem;
using area_numeric::Model;

class FullAngleTest : public MethodTest {
protected:
    void SetUp() override
    {
        MethodTest::SetUp();
        set_method_entry(kMethodFullAngle, {prove_full_angle, full_angle_proof_output});
        g_save_latex = 0;
    }
    void TearDown() override
    {
        clear_proof_chain();
        MethodTest::TearDown();
    }
    void read_stm(const std::string& hyps, const std::string& show)
    {
        MethodTest::read_stm(hyps, show, kMethodFullAngle);
    }
    void load(int id) { MethodTest::load(id, kMethodFullAngle); }
    // The Prove command; with check_pools every node is back once the proof
    // chain is emptied.
    ProveEnd prove(bool check_pools = true)
    {
        clear_proof_chain();
        const ProveEnd end = run_prove(clear_proof_chain, check_pools);
        text_ = proof_text();
        return end;
    }

    std::string text_;
};

// A full angle in right angles; the method counts modulo 2.
long double angle(Model& m, const var_rec* v)
{
    const long double quarter = std::acos(-1.0L) / 2.0L;
    return (std::arg(m[v->a[3]] - m[v->a[2]]) - std::arg(m[v->a[1]] - m[v->a[0]])) / quarter;
}

long double eval(Model& m, const xterm* p)
{
    if (pconstp(p))
        return static_cast<long double>(p->value);
    const long double x = angle(m, p->var);
    long double sum = 0;
    for (const dterm* t = p->terms; t; t = t->next)
        sum += eval(m, t->coef) * std::pow(x, t->deg);
    return sum;
}

// x is a multiple of 2.
bool zero_mod2(long double x)
{
    const long double r = std::fmod(std::fabs(x), 2.0L);
    return r < 1e-6L || r > 2.0L - 1e-6L;
}

// Every rule and every polynomial of the chain at the figure: the rules hold
// and every polynomial keeps the conclusion's value.
int check_chain(Model& m, bool proved)
{
    int failures = 0;
    const quot_rec* first = g_proof_head.next;
    if (!first || !first->np)
        return 0;
    const long double p0 = eval(m, first->np->coef);
    if (proved && !zero_mod2(p0)) {
        ++failures;
        ADD_FAILURE() << "the conclusion does not hold at the figure: " << p0;
    }
    for (const quot_rec* r = first; r; r = r->next) {
        if (!r->np)
            continue;
        for (const elim_step* s = r->steps; s; s = s->next) {
            const long double rel = s->num ? eval(m, s->den) * angle(m, s->var) - eval(m, s->num) : eval(m, s->den);
            if (!zero_mod2(rel)) {
                ++failures;
                ADD_FAILURE() << "rule for " << var_text(s->var, 0) << " fails by " << rel << ": "
                              << poly_text(s->num, 0) << " / " << poly_text(s->den, 0);
            }
        }
        if (!zero_mod2(eval(m, r->np->coef) - p0)) {
            ++failures;
            ADD_FAILURE() << "the polynomial " << poly_text(r->np->coef, 0) << " changed its value";
        }
    }
    return failures;
}

struct Theorem {
    const char* name;
    const char* hyps;  // null: the built-in example below
    const char* show;
    int example = 0;
};

const std::vector<Theorem>& theorems()
{
    static const std::vector<Theorem> list = {
        {"orthocenter", nullptr, nullptr, 316},
        {"simson", nullptr, nullptr, 317},
        {"pedal_triangle", nullptr, nullptr, 318},
        {"miquel_circle", nullptr, nullptr, 320},
        {"foot_perpendicular", "POINT A B C;\nFOOT D C A B;", "PERPENDICULAR C D A B."},
        {"parallel_class", "POINT A B C;\nON_PLINE D C A B;", "PARALLEL C D A B."},
        {"two_parallels_through_a_point", "POINT A B C;\nON_PLINE D C A B;\nON_PLINE E C A B;", "COLLINEAR C D E."},
        {"perpendicular_of_perpendicular",
         "POINT A B C D;\nON_TLINE E C A B;\nON_TLINE F D C E;", "PARALLEL D F A B."},
        {"inscribed_angles", "POINT A B C;\nCIRCUMCENTER O A B C;\nON_CIRCLE D O A;", "EQANGEL A D B A C B."},
        {"cyclic_feet", "POINT A B C;\nFOOT D A B C;\nFOOT E B A C;", "COCIRCLE A B D E."},
    };
    return list;
}

class FullAngleTheoremTest : public FullAngleTest, public ::testing::WithParamInterface<Theorem> {};

}  // namespace

TEST_P(FullAngleTheoremTest, IsProvedWithEveryRuleHoldingAtRandomFigures)
{
    const Theorem& t = GetParam();
    if (t.example)
        load(t.example);
    else
        read_stm(t.hyps, t.show);
    EXPECT_EQ(prove(false), ProveEnd::Ran) << text_;
    EXPECT_EQ(g_result, 1) << text_;
    EXPECT_NE(text_.find("The Machine Proof"), std::string::npos) << text_;
    EXPECT_EQ(g_fa_stage, 0);
    for (unsigned seed = 1; seed <= 3; ++seed) {
        Model m(seed);
        ASSERT_TRUE(m.build(g_npoints));
        EXPECT_EQ(check_chain(m, true), 0) << text_;
    }
    prove(true);
    EXPECT_EQ(g_result, 1);
}

INSTANTIATE_TEST_SUITE_P(Statements, FullAngleTheoremTest, ::testing::ValuesIn(theorems()),
                         [](const ::testing::TestParamInfo<Theorem>& info) { return std::string(info.param.name); });

TEST_F(FullAngleTest, OnlyFullAnglesInAnEquation)
{
    read_stm("POINT A B C;\nMIDPOINT M B C;", "(RATIO B M B C) = 1.");
    EXPECT_EQ(prove(), ProveEnd::Aborted);
    EXPECT_NE(text_.find("\r\n\r\nOnly full-angles are allowd in this case"), std::string::npos) << text_;
}

TEST_F(FullAngleTest, FaNormReducesTheConstantModuloTwo)
{
    struct Case {
        coef_t constant;
        coef_t reduced;  // 0: no constant term left
    };
    const Case cases[] = {{-1, -1}, {1, 1}, {2, 0}, {3, 1}, {-3, -1}, {-4, 0}, {0, 0}};
    var_rec* v = mk_var(kVarFullAngle, 3, 1, 2, 1);
    for (const Case& c : cases) {
        xterm* p = pplus(ptimes(get_n(2), get_m(v)), get_n(c.constant));
        const PolyPtr n(fa_norm(p));
        const PolyPtr expected(pplus(ptimes(get_n(2), get_m(v)), get_n(c.reduced)));
        EXPECT_TRUE(peq(n.get(), expected.get())) << c.constant << " gives " << poly_text(n.get(), 0);
    }
    const PolyPtr k(fa_norm(get_n(5)));
    EXPECT_EQ(k->value, 1);
    // Constants beyond 64 bits are reduced exactly: 10^20 + 1 is odd, and
    // -(10^20 + 2) even.
    const PolyPtr odd(fa_norm(pplus(get_m(v), pplus(ppower(get_n(10), 20), get_n(1)))));
    EXPECT_EQ(poly_text(odd.get(), 0), poly_text(PolyPtr(pplus(get_m(v), get_n(1))).get(), 0));
    const PolyPtr even(fa_norm(pminus(get_m(v), pplus(ppower(get_n(10), 20), get_n(2)))));
    EXPECT_TRUE(peq(even.get(), PolyPtr(get_m(v)).get())) << poly_text(even.get(), 0);
    const PolyPtr negative_odd(fa_norm(neg_poly(pplus(ppower(get_n(10), 20), get_n(1)))));
    EXPECT_TRUE(pmonep(negative_odd.get())) << poly_text(negative_odd.get(), 0);
}

TEST_F(FullAngleTest, TimeLimitEndsTheMethod)
{
    std::uint32_t now = 0;
    set_prover_clock([&now] { return now += 1000; });
    g_timelimit = 3000;
    load(320);
    EXPECT_EQ(prove(false), ProveEnd::TimedOut);
    EXPECT_NE(text_.find("The program is terminated after running 3()."), std::string::npos) << text_;
    EXPECT_EQ(g_fa_stage, 0);
}

TEST_F(FullAngleTest, SimsonLatexFile)
{
    const fs::path dir = per_test_dir(fs::path(PLEXATOR_TEST_OUTPUT) / "full_angle");
    fs::create_directories(dir);
    const std::string saved = g_tex_dir;
    g_tex_dir = dir.string();
    g_save_latex = 1;
    load(317);
    fs::remove(proof_tex_path());
    prove();
    g_tex_dir = saved;
    EXPECT_EQ(g_result, 1);
    const auto read = [](const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    };
    // The text is the corpus golden angle_example317.txt.
    EXPECT_EQ(read(dir / "example.tex"), read(fs::path(PLEXATOR_TEST_DATA) / "gdd" / "angle_simson.tex"));
}

TEST_F(FullAngleTest, TraceShowsEveryStepInTheWindow)
{
    load(316);
    g_trace = 1;
    prove();
    g_trace = 0;
    EXPECT_EQ(g_result, 1);
    EXPECT_NE(text_.find("UUU("), std::string::npos);
    EXPECT_NE(text_.find("fprove: \r\n"), std::string::npos);
    EXPECT_NE(text_.find("q7(p1)\r\n"), std::string::npos);
    EXPECT_NE(text_.find("\r\nelim_f:\r\n"), std::string::npos);
}
