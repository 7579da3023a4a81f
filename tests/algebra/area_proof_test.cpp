// The area and vector method through the Prove command: the built-in
// examples, proof texts and LaTeX files against golden files, false
// statements, the conversions of the conclusion, refused constructions, the
// proof-time limit and exhausted pools.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "algebra/area_internal.h"
#include "area_fixture.h"
#include "area_numeric.h"
#include "gdd/proof_latex.h"
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

fs::path golden(const std::string& name) { return fs::path(PLEXATOR_TEST_DATA) / "algebra" / name; }

struct ExampleCase {
    int id;
    int method;
};

class AreaExampleTest : public AreaTest, public ::testing::WithParamInterface<ExampleCase> {};

int count_records()
{
    int n = 0;
    for (const quot_rec* r = g_proof_head.next; r; r = r->next)
        ++n;
    return n;
}

}  // namespace

// Parallelogram, Orthocenter, Simson, Pappus and Square are proved by both
// methods; Simson ends with the circle passes, Pappus with a new point.
TEST_P(AreaExampleTest, BuiltInExampleIsProvedStepByStep)
{
    const ExampleCase& c = GetParam();
    load(c.id, c.method);
    EXPECT_EQ(prove(false), ProveEnd::Ran);
    EXPECT_EQ(g_result, 1) << proof_text();
    EXPECT_NE(proof_text().find("The Machine Proof"), std::string::npos);
    EXPECT_GT(g_maxterm, 0);
    for (unsigned seed = 1; seed <= 3; ++seed) {
        area_numeric::Model m(seed);
        ASSERT_TRUE(m.build(g_elim_count));
        m.set_circle(area_numeric::circumcentre(m[1], m[2], m[3]));
        EXPECT_EQ(area_numeric::check_chain(m), 0);
    }
    clear_proof_chain();
    // Proving again from the reordered table gives the same verdict and
    // takes no node for good.
    prove(true);
    EXPECT_EQ(g_result, 1);
}

INSTANTIATE_TEST_SUITE_P(Examples, AreaExampleTest,
                         ::testing::Values(ExampleCase{315, kMethodArea}, ExampleCase{316, kMethodArea},
                                           ExampleCase{317, kMethodArea}, ExampleCase{319, kMethodArea},
                                           ExampleCase{337, kMethodArea}, ExampleCase{315, kMethodVector},
                                           ExampleCase{317, kMethodVector}, ExampleCase{337, kMethodVector}),
                         [](const ::testing::TestParamInfo<ExampleCase>& info) {
                             return std::to_string(info.param.id) +
                                    (info.param.method == kMethodArea ? "_area" : "_vector");
                         });

class AreaGoldenTest : public AreaTest {
protected:
    void SetUp() override
    {
        AreaTest::SetUp();
        dir_ = per_test_dir(fs::path(PLEXATOR_TEST_OUTPUT) / "area_proofs");
        fs::create_directories(dir_);
        saved_dir_ = g_tex_dir;
        g_tex_dir = dir_.string();
        g_save_latex = 1;
    }
    void TearDown() override
    {
        g_tex_dir = saved_dir_;
        AreaTest::TearDown();
    }

    void expect_golden(const std::string& name, bool with_tex)
    {
        fs::remove(proof_tex_path());
        prove();
        EXPECT_EQ(g_result, 1);
        // The texts are kept beside the LaTeX file for review.
        std::ofstream(dir_ / (name + ".txt"), std::ios::binary) << proof_text();
        EXPECT_EQ(proof_text(), read_file(golden(name + ".txt")));
        ASSERT_TRUE(fs::exists(proof_tex_path()));
        if (with_tex) {
            EXPECT_EQ(read_file(proof_tex_path()), read_file(golden(name + ".tex")));
        }
    }

    fs::path dir_;
    std::string saved_dir_;
};

TEST_F(AreaGoldenTest, ProofTextsAndLatexFiles)
{
    // Parallelogram by areas, Simson through the circle passes, Pappus with a
    // new point, and a square by vectors.
    load(315);
    expect_golden("area_parallelogram", true);
    load(317);
    expect_golden("area_simson", false);
    load(319);
    expect_golden("area_pappus", false);
    read_stm("POINT A B;\nPSQUARE C A B;\nNSQUARE D A B;", "(VEC C A) = (VEC A D).", kMethodVector);
    expect_golden("vector_square", true);
}

TEST_F(AreaTest, FalseStatementsAreNotProved)
{
    const char* statements[][2] = {
        {"POINT A B C;\nMIDPOINT M A B;\nMIDPOINT N A C;", "EQDISTANCE M N B C."},
        {"POINT A B C;\nMIDPOINT M A B;\nMIDPOINT N A C;", "PARALLEL M N A B."},
        {"POINT A B C;\nFOOT D C A B;", "PERPENDICULAR C D A C."},
        {"POINT A B C;\nCIRCUMCENTER O A B C;", "COLLINEAR O A B."},
        {"POINT A B C;\nCENTROID G A B C;\nORTHOCENTER H A B C;", "EQDISTANCE G A H A."},
        {"POINT A B C D;\nMIDPOINT M A B;", "PARALLEL M D B C."},
        {"POINT A B C P;\nINTERSECTION_LL D A P B C;\nINTERSECTION_LL E B P A C;\nINTERSECTION_LL F C P A B;",
         "(RATIO A F F B) (RATIO B D D C) (RATIO C E E A) = -1."},
        {"POINT A B;\nMIDPOINT M A B;", "(VEC M A) = (VEC M B)."},
    };
    for (const auto& s : statements) {
        SCOPED_TRACE(std::string(s[0]) + " SHOW: " + s[1]);
        read_stm(s[0], s[1]);
        EXPECT_EQ(prove(), ProveEnd::Ran);
        EXPECT_EQ(g_result, -1) << proof_text();
        EXPECT_NE(proof_text().find("\r\n\\rnThe statement is false.\r\n\r\n("), std::string::npos) << proof_text();
        EXPECT_EQ(proof_text().find("The Machine Proof"), std::string::npos);
    }
}

// Statements whose proofs once divided by zero, assumed a point on a line,
// or dropped a hypothesis: each must end as listed under both methods.
enum class Outcome { True, NotTrue, NotProved, Refused };

TEST_F(AreaTest, DegenerateFormsAndHypothesisPredicates)
{
    struct Case {
        const char* hyps;
        const char* show;
        Outcome outcome;
        const char* words;   // in the window text
    };
    const Case cases[] = {
        // O is not on AB: the ratio OA / OB means nothing there.
        {"POINT A B C;\nCIRCUMCENTER O A B C;", "MIDPOINT O A B.", Outcome::NotTrue, ""},
        {"POINT A B C;\nINTERSECTION_PP D A B C C A B;\nINTERSECTION_LL O A C B D;", "MIDPOINT O A B.",
         Outcome::NotTrue, ""},
        // X is D, H is B, lines that do not meet: refused before the method
        // runs, and the method itself would divide by 0.
        {"POINT A B C;\nMIDPOINT E B C;\nINTERSECTION_LL H E C A B;", "COLLINEAR A B C.", Outcome::NotProved,
         "not proved"},
        {"POINT A B C D;\nINTERSECTION_LP X D B D C A;", "EQDISTANCE X A A A.", Outcome::NotProved,
         "not proved"},
        {"POINT A B C D;\nINTERSECTION_LL X A B A B;", "COLLINEAR X C D.", Outcome::NotProved, "not proved"},
        {"POINT A B C;\nINTERSECTION_LP X A B C A B;", "COLLINEAR X A C.", Outcome::NotProved, "not proved"},
        // MN is parallel to BC: the denominator of X's value vanishes only
        // once M and N are eliminated.
        {"POINT A B C;\nMIDPOINT M A B;\nMIDPOINT N A C;\nINTERSECTION_LL X M N B C;", "EQDISTANCE X A X B.",
         Outcome::NotProved, "not proved"},
        // F is on CD: no circle passes through F, D, C.
        {"POINT A C D;\nFOOT F A C D;", "COCIRCLE F A D C.", Outcome::NotProved, "on one line"},
        // Ratios compare parallel segments only (MN is parallel to BC as a theorem).
        {"POINT A B C;\nMIDPOINT M A B;", "(RATIO C M M A) = 1.", Outcome::Refused, "not parallel"},
        {"POINT A B C;\nMIDPOINT M A B;\nMIDPOINT N A C;", "(RATIO M N B C) = (RATIO A M A B).", Outcome::True,
         ""},
        // Predicates among the hypotheses: used as constructions or refused.
        {"POINT A B C D;\nPARALLEL A B C D;", "PARALLEL C D A B.", Outcome::True, ""},
        {"POINT A B C D;\nPERPENDICULAR A B C D;", "PERPENDICULAR C D B A.", Outcome::True, ""},
        {"POINT A B C D;\nCOLLINEAR A B D;", "COLLINEAR D B A.", Outcome::True, ""},
        {"POINT A B C D;\nEQDISTANCE A B C D;", "EQDISTANCE C D A B.", Outcome::Refused, "EQDISTANCE A B C D"},
        {"POINT A B C;\nMIDPOINT M A B;\nPARALLEL M C A B;", "PARALLEL A B C M.", Outcome::Refused,
         "PARALLEL M C A B"},
    };
    for (const int method : {kMethodArea, kMethodVector}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.hyps) + " SHOW: " + c.show + (method == kMethodArea ? " area" : " vector"));
            read_stm(c.hyps, c.show, method);
            const ProveEnd end = prove(false);
            const std::string text = proof_text();
            EXPECT_NE(text.find(c.words), std::string::npos) << text;
            switch (c.outcome) {
            case Outcome::True:
                EXPECT_EQ(g_result, 1) << text;
                break;
            case Outcome::NotTrue:
                EXPECT_NE(g_result, 1) << text;
                EXPECT_EQ(text.find("The statement is true."), std::string::npos) << text;
                break;
            case Outcome::NotProved:
                EXPECT_NE(g_result, 1) << text;
                EXPECT_NE(g_result, -1) << text;
                break;
            case Outcome::Refused:
                EXPECT_NE(end, ProveEnd::Ran);
                EXPECT_NE(g_result, 1) << text;
                break;
            }
        }
    }
}

TEST_F(AreaTest, ParallelOfALineWithItselfIsTrueFromZeroSides)
{
    read_stm("POINT A B C;", "PARALLEL A B A B.");
    prove(false);
    EXPECT_EQ(g_result, 1) << proof_text();
    // Both areas vanish at once; the verdict's record closes the chain.
    ASSERT_NE(g_proof_head.next, nullptr);
    EXPECT_EQ(count_records(), 2);
    EXPECT_EQ(g_proof_tail->type, kQuotCancel);
}

TEST_F(AreaTest, EquationsOfConstantsAndConstantRecords)
{
    const struct {
        const char* hyps;
        const char* show;
        int result;
    } cases[] = {
        {"POINT A B C;", "2 + 1 = 3.", 1},
        {"POINT A B C;", "2 = 3.", -1},
        {"POINT A B C;\nCONSTANT k - 2;", "k k = 4.", 1},
        {"POINT A B C;\nCONSTANT k - 2;", "k = 3.", -1},
        // Constants beyond 64 bits compare exactly.
        {"POINT A B C;", "10000000000 * 10000000000 = 1000000000 * 100000000000.", 1},
        {"POINT A B C;", "10000000000 * 10000000000 = -3.", -1},
        {"POINT A B C;", "10000000000 * 10000000000 (AREA A B C) = 100000000000000000 * 1000 (AREA A B C).", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.show);
        read_stm(c.hyps, c.show);
        prove();
        EXPECT_EQ(g_result, c.result) << proof_text();
    }
    read_stm("POINT A B C;", "2 = 3.");
    prove();
    EXPECT_NE(proof_text().find("The statement is false.\r\n\r\n(2) = (3)\r\n"), std::string::npos) << proof_text();
    read_stm("POINT A B C;", "10000000000 * 10000000000 = -3.");
    prove();
    EXPECT_NE(proof_text().find("The statement is false.\r\n\r\n(100000000000000000000) = (-3)\r\n"),
              std::string::npos)
        << proof_text();
}

TEST_F(AreaTest, FactorsBeyondSixtyFourBitsArePrintedExactly)
{
    // Y_k = A + r_k (Y_(k-1) - A): each S(Y_k C B) brings the denominator of
    // r_k, and the side gathers numbers past 64 bits before they cancel.
    read_stm("POINT A B C;\nLRATIO X1 A B 1000003 1000033;\nLRATIO X2 A X1 999983 1000037;\n"
             "LRATIO X3 A X2 999979 1000039;\nLRATIO X4 A X3 999961 1000081;\nLRATIO Y1 A C 1000003 1000033;\n"
             "LRATIO Y2 A Y1 999983 1000037;\nLRATIO Y3 A Y2 999979 1000039;\nLRATIO Y4 A Y3 999961 1000081;",
             "PARALLEL X4 Y4 B C.");
    prove(false);
    EXPECT_EQ(g_result, 1) << proof_text();
    // After Y4 .. Y1: the four denominators against
    // -(999961 * 999979 * 999983 * 30 + 234005760130806 * 1000033) S(CBA).
    const std::string text = proof_text();
    EXPECT_NE(text.find(" = (-S(X4CB))1000081100003910000371000033 / (-264011172376059898908S(CBA))\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Eliminating the common factors: 264011172376059898908S(CBA)1000033"), std::string::npos)
        << text;
}

TEST_F(AreaTest, MoreFreePointsAreEliminatedOneByOneOrGoToCoordinates)
{
    const struct {
        const char* show;
        int record;  // the kind of step that must be in the chain
    } cases[] = {
        // S(DAB) + S(DBC) + S(DCA) = S(ABC): D is eliminated as a free point.
        {"(AREA D A B) + (AREA D B C) + (AREA D C A) = (AREA A B C).", 4},
        // With a Pythagoras difference coordinates decide.
        {"(PY A B C D) = (PY A B B C) - (PY A D D C).", -12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.show);
        read_stm("POINT A B C D;", c.show);
        prove(false);
        bool found = false;
        for (const quot_rec* r = g_proof_head.next; r; r = r->next)
            found = found || r->type == c.record;
        EXPECT_TRUE(found);
        area_numeric::Model m(3);
        ASSERT_TRUE(m.build(g_elim_count));
        EXPECT_EQ(area_numeric::check_chain(m), 0);
    }
}

TEST_F(AreaTest, RefusedConstructions)
{
    struct Case {
        const char* hyps;
        const char* show;
        int method;
        const char* message;
    };
    const Case cases[] = {
        // A point on a circle whose centre is not a circumcentre.
        {"POINT A B;\nMIDPOINT O A B;\nON_CIRCLE C O A;", "PERPENDICULAR A C B C.", kMethodArea,
         "C Construction for point is not allowd in area method.\r\n"},
        // An orthocentre in a ratio; the point is named with a full-width colon.
        {"POINT A B C;\nFOOT D A B C;\nORTHOCENTER H A B C;", "(RATIO H A H D) = 2.", kMethodArea,
         "H\uFF1AIn the area method, the lines and circles must meet in one point"},
        // An equilateral triangle outside the vector method.
        {"POINT A B;\nEQ_TRIANGLE C A B;", "EQDISTANCE C A C B.", kMethodArea,
         "In the area method, PTRIANGLE can be used only when the conclusion is about vectors."},
        // INTERSECTION_TC becomes records the lemmas do not know.
        {"POINT A B C D E;\nINTERSECTION_TC X A B C D E;", "EQDISTANCE D X D E.", kMethodArea,
         "Construction for point is not allowd in area method."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hyps);
        read_stm(c.hyps, c.show, c.method);
        EXPECT_EQ(prove(), ProveEnd::Aborted);
        EXPECT_NE(proof_text().find(" Sytax error: "), std::string::npos) << proof_text();
        EXPECT_NE(proof_text().find(c.message), std::string::npos) << proof_text();
        EXPECT_EQ(proof_text().find("The statement is"), std::string::npos);
        EXPECT_EQ(g_npoints, 0);  // the statement is gone with the error
    }
}

TEST_F(AreaTest, TimeLimitEndsTheProof)
{
    // A clock that runs a second per reading.
    std::uint32_t now = 0;
    set_prover_clock([&now] { return now += 1000; });
    g_timelimit = 5000;
    load(319);
    EXPECT_EQ(prove(false), ProveEnd::TimedOut);
    EXPECT_NE(proof_text().find("The program is terminated after running 5()."), std::string::npos) << proof_text();
    EXPECT_EQ(g_timing, 0u);
    set_prover_clock(nullptr);
    // A new proof after the time-out starts afresh.
    g_timelimit = 60000;
    load(319);
    prove(false);
    EXPECT_EQ(g_result, 1);
}

TEST_F(AreaTest, ExhaustedPoolsEndTheProofWithoutEndingTheProgram)
{
    const std::size_t limit = pool_block_limit();
    set_pool_block_limit(2);
    load(318);  // the pedal triangle: its polynomials grow past two blocks
    EXPECT_EQ(prove(false), ProveEnd::OutOfMemory);
    EXPECT_NE(proof_text().find("run out of memory."), std::string::npos) << proof_text();
    set_pool_block_limit(limit);
}

TEST_F(AreaTest, GrowingPolynomialsAreBoundByMemoryNotByTheirSize)
{
    // The pedal triangle's factors grow past 30000 terms long before 150
    // blocks of nodes are used up; the memory limit ends the run.
    const std::size_t limit = pool_block_limit();
    set_pool_block_limit(150);
    load(318);
    EXPECT_EQ(prove(false), ProveEnd::OutOfMemory);
    EXPECT_NE(proof_text().find("run out of memory."), std::string::npos) << proof_text();
    EXPECT_EQ(proof_text().find("grew past"), std::string::npos) << proof_text();
    EXPECT_GT(g_maxterm, 30000);
    set_pool_block_limit(limit);
}

TEST_F(AreaTest, NoConclusionGivesNoVerdict)
{
    read_stm("POINT A B C;\nMIDPOINT M A B;", "COLLINEAR A M B.");
    set_method_entry(kMethodArea, {[] {
                                       g_concl.type = concl_kind::kNone;
                                       run_area_method();
                                   },
                                   {}});
    g_result = 0;
    prove();
    EXPECT_EQ(g_result, 0);
    EXPECT_EQ(proof_text(), "");
    EXPECT_EQ(g_proof_head.next, nullptr);
}

TEST_F(AreaTest, NewPointIsRefusedPastThePointTable)
{
    read_stm("POINT A B C;\nMIDPOINT M A B;", "COLLINEAR A M C.");
    // Inside the Prove: the table filled up to its last record with
    // placeholders, so the collinearity's new point has no room.
    set_method_entry(kMethodArea, {[] {
                                       for (int i = g_npoints + 1; i <= kMaxProPoints; ++i) {
                                           Pro_point& r = g_pro_points[static_cast<std::size_t>(i)];
                                           r.clear();
                                           r.kind = static_cast<std::uint32_t>(-100);
                                           r.name = "p" + std::to_string(i);
                                       }
                                       g_npoints = kMaxProPoints;
                                       run_area_method();
                                   },
                                   {}});
    EXPECT_EQ(prove(), ProveEnd::Aborted);
    EXPECT_NE(proof_text().find("Too many points in the statements"), std::string::npos) << proof_text();
    EXPECT_EQ(proof_text().find("A new point"), std::string::npos);
}

TEST_F(AreaTest, TraceGoesToTheStandardOutput)
{
    load(317);
    g_trace = 1;
    ::testing::internal::CaptureStdout();
    prove();
    const std::string trace = ::testing::internal::GetCapturedStdout();
    g_trace = 0;
    EXPECT_EQ(g_result, 1);
    EXPECT_NE(trace.find("pe_gr: 8(G)"), std::string::npos) << trace;
    EXPECT_NE(trace.find("pconc:"), std::string::npos);
    // The window holds the proof only.
    EXPECT_EQ(proof_text().find("pe_gr"), std::string::npos);
}
