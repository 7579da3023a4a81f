// The database method: fixpoints alternating with auxiliary points, the
// outcome texts, the result and the time it adds.

#include "chain_fixture.h"
#include "gdd/aux_points.h"
#include "prover/numeric_figure.h"
#include "statement/database_prove.h"
#include "statement/semantics.h"

namespace chaintest {
namespace {

using MethodTest = ChainTest;

constexpr const char* kMidline = "POINT A B C;\nMIDPOINT D A B;\nMIDPOINT E A C;";

TEST_F(MethodTest, ElapsedTimeIsAddedToTheProofTime)
{
    read(kMidline, "PARALLEL D E B C.");
    enter_hypotheses();
    std::uint32_t now = 1000;
    set_prover_clock([&now] { return now += 7; });
    g_time = 5;
    run_gdd_method(concl_holds);
    // The method reads the clock at its start and end: one step of 7 ms at
    // least, and every clock reading in between counts.
    EXPECT_GT(g_time, 5);
    EXPECT_EQ((g_time - 5) % 7, 0);
}

TEST_F(MethodTest, AuxiliaryPointsAreAddedUntilNoneHelps)
{
    // False: OB is not perpendicular to AC. Pass after pass the search adds
    // a point and the chaining goes on, until a pass adds nothing.
    read("POINT A B C;\nCIRCUMCENTER O A B C;\nMIDPOINT M B C;", "PERPENDICULAR O B A C.");
    enter_hypotheses();
    const int n = g_npoints;
    out.clear();
    run_gdd_method(concl_holds);
    EXPECT_EQ(g_result, 2);
    EXPECT_EQ(g_gdd_npoints, n);
    EXPECT_GT(g_npoints, n + 1);
    std::size_t passes = 0;
    for (std::size_t at = 0; (at = out.text().find("Beginning make auxillary points\r\n", at)) != std::string::npos; ++at)
        ++passes;
    // Each pass but the last added a point (one pass may add two).
    EXPECT_GE(passes, 2u);
    EXPECT_LE(passes - 1, static_cast<std::size_t>(g_npoints - n));
    // Everything derived with the new points is still true in the figure.
    for (unsigned seed : {5u, 6u}) {
        const auto bad = ModelCheck(model(seed)).false_records();
        EXPECT_TRUE(bad.empty()) << bad.front();
    }
}

TEST_F(MethodTest, BuildersRefuseAnAuxiliaryPointThatIsAPointOfTheFigure)
{
    // The point on AE and on the parallel through D to FE is A itself: DA is
    // parallel to FE, which the database does not know. Under a new name it
    // would make the database hold false facts about the "line" through it
    // and A.
    read("POINT A B C;\nPSQUARE D A B;\nPSQUARE E A D;\nNSQUARE F D A;\nFOOT G C A B;\nON_TLINE H C G B;",
         "COLLINEAR C A H.");
    enter_hypotheses();
    forward();
    aux_method_start();
    const int n = g_npoints;
    const std::size_t lines = g_ln_list.size();
    EXPECT_EQ(aux_inter_lp(26, pt("A"), pt("E"), pt("D"), pt("F"), pt("E")), 0);
    EXPECT_EQ(g_npoints, n);
    EXPECT_EQ(g_pro_points[static_cast<std::size_t>(n + 1)].kind, 0u);
    EXPECT_EQ(g_ln_list.size(), lines);
    EXPECT_TRUE(g_cond_queue.empty());
    // A point that is new is built, under the first free name.
    const int m = aux_mid(2, pt("A"), pt("E"));
    EXPECT_EQ(m, n + 1);
    EXPECT_EQ(g_pro_points[static_cast<std::size_t>(m)].name, "I");
    EXPECT_FALSE(numeric_point_coincides(m));
}

TEST_F(MethodTest, CoincidingPointsAreRefusedOnceTheNamesAreNumbered)
{
    // With the letters used up, a refused point gives its number back.
    read("POINT A B C;\nPSQUARE D A B;\nPSQUARE E A D;\nNSQUARE F D A;\nFOOT G C A B;\nON_TLINE H C G B;",
         "COLLINEAR C A H.");
    enter_hypotheses();
    for (int p = 9; p <= 26; ++p) {  // free points I .. Z
        g_npoints = p;
        g_pro_points[static_cast<std::size_t>(p)].kind = 101;
        g_pro_points[static_cast<std::size_t>(p)].name = std::string(1, static_cast<char>('A' + p - 1));
    }
    aux_method_start();
    g_gdd_npoints = 8;
    EXPECT_EQ(aux_inter_lp(26, pt("A"), pt("E"), pt("D"), pt("F"), pt("E")), 0);
    EXPECT_EQ(g_aux_name_counter, 0);
    const int m = aux_mid(2, pt("A"), pt("E"));
    ASSERT_EQ(m, 27);
    EXPECT_EQ(g_pro_points[27].name, "A_{0}");
}

TEST_F(MethodTest, DatabaseMethodTestsTheConclusionThroughItsSemantics)
{
    read(kMidline, "PARALLEL D E B C.");
    enter_hypotheses();
    do_gdd();
    EXPECT_EQ(g_result, 1);
    EXPECT_NE(out.text().find("Problem Is True"), std::string::npos);
}

TEST_F(MethodTest, TimeOutLeavesTheMethodAtOnce)
{
    read("POINT A B C;\nCIRCUMCENTER O A B C;\nFOOT D A B C;\nFOOT E B A C;\nFOOT F C A B;\n"
         "MIDPOINT M B C;\nMIDPOINT N A C;",
         "PERPENDICULAR O M B C.");
    enter_hypotheses();
    std::uint32_t now = 0;
    set_prover_clock([&now] { return ++now; });
    g_tstart = 0;
    g_timelimit = 20;
    g_timing = 1;
    g_result = 0;
    out.clear();
    EXPECT_THROW(run_gdd_method(concl_holds), TTIME);
    g_timing = 0;
    EXPECT_EQ(g_result, 0);
    EXPECT_EQ(out.text().find("Problem Is True"), std::string::npos);
}

}  // namespace
}  // namespace chaintest
