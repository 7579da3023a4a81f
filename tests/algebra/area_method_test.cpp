// The area and vector method on whole statements: true theorems are proved
// with every elimination step holding at random figures, their false
// variants are not proved, and no polynomial node is kept.

#include <string>
#include <vector>

#include "algebra/area_internal.h"
#include "area_fixture.h"
#include "area_numeric.h"

namespace {

struct Theorem {
    const char* name;
    const char* hypotheses;
    const char* conclusion;
    int method = kMethodArea;
};

constexpr const char* kImo2007P4 =
    "POINT A B I;\nINCENTER C A B I;\nCIRCUMCENTER O A B C;\nINTERSECTION_LC R I C O C;\nMIDPOINT K B C;\n"
    "MIDPOINT L A C;\nINTERSECTION_LT P C I K B C;\nINTERSECTION_LT Q C I L A C;";

constexpr const char* kLargeRatios =
    "POINT A B C;\nLRATIO X1 A B 1000003 1000033;\nLRATIO X2 A X1 999983 1000037;\n"
    "LRATIO X3 A X2 999979 1000039;\nLRATIO X4 A X3 999961 1000081;\nLRATIO Y1 A C 1000003 1000033;\n"
    "LRATIO Y2 A Y1 999983 1000037;\nLRATIO Y3 A Y2 999979 1000039;\nLRATIO Y4 A Y3 999961 1000081;";

// True statements over the constructions the area method eliminates.
const std::vector<Theorem>& theorems()
{
    static const std::vector<Theorem> list = {
        {"midline", "POINT A B C;\nMIDPOINT M A B;\nMIDPOINT N A C;", "PARALLEL M N B C."},
        {"parallelogram", "POINT A B C;\nINTERSECTION_PP D A B C C A B;\nINTERSECTION_LL O A C B D;",
         "MIDPOINT O A C."},
        {"centroid_median", "POINT A B C;\nCENTROID G A B C;\nMIDPOINT M B C;", "COLLINEAR A G M."},
        {"orthocentre", "POINT A B C;\nORTHOCENTER H A B C;", "PERPENDICULAR A H B C."},
        {"circumcentre", "POINT A B C;\nCIRCUMCENTER O A B C;", "EQDISTANCE O A O C."},
        {"euler_line", "POINT A B C;\nCENTROID G A B C;\nORTHOCENTER H A B C;\nCIRCUMCENTER O A B C;",
         "COLLINEAR G H O."},
        {"foot", "POINT A B C;\nFOOT D C A B;", "PERPENDICULAR C D A B."},
        {"altitudes_tt", "POINT A B C;\nINTERSECTION_TT H A B C B A C;", "PERPENDICULAR C H A B."},
        {"ceva",
         "POINT A B C P;\nINTERSECTION_LL D A P B C;\nINTERSECTION_LL E B P A C;\nINTERSECTION_LL F C P A B;",
         "(RATIO A F F B) (RATIO B D D C) (RATIO C E E A) = 1."},
        {"menelaus",
         "POINT A B C D;\nON_LINE E A B;\nINTERSECTION_LL F D E B C;\nINTERSECTION_LL G D E A C;",
         "(RATIO A E E B) (RATIO B F F C) (RATIO C G G A) = -1."},
        {"sym", "POINT A O;\nSYM X O A;", "MIDPOINT O X A."},
        {"lratio", "POINT A B C;\nLRATIO X A B 1 3;\nLRATIO Y A C 1 3;", "PARALLEL X Y B C."},
        {"mratio", "POINT A B C;\nMRATIO X A B 2 1;\nMRATIO Y A C 2 1;", "PARALLEL X Y B C."},
        {"pratio", "POINT A B C;\nPRATIO X A B C 1 1;", "PARALLEL A X B C."},
        {"on_pline", "POINT A B C D;\nON_PLINE X C A B;\nINTERSECTION_LL Y X C A D;", "PARALLEL Y C A B."},
        {"on_tline_pythagoras", "POINT A B;\nON_TLINE C A A B;", "(PY B A C) = 0."},
        {"inversion_collinear", "POINT A O B;\nINVERSION X A O B;", "COLLINEAR X A O."},
        {"inversion_product", "POINT A O B;\nINVERSION X A O B;",
         "(PY O X X O) (PY O A A O) = (PY O B B O) (PY O B B O)."},
        {"intersection_lt", "POINT A B C D;\nINTERSECTION_LT X A B C A B;", "PERPENDICULAR X C A B."},
        {"intersection_pt", "POINT A B C D E;\nINTERSECTION_PT X A B C D B C;", "PERPENDICULAR X D B C."},
        {"intersection_lc", "POINT A B O;\nINTERSECTION_LC X A B O B;", "EQDISTANCE O X O B."},
        {"intersection_cc", "POINT A P Q;\nINTERSECTION_CC X P A Q A;", "EQDISTANCE Q X Q A."},
        {"square_vertex", "POINT A B;\nPSQUARE C A B;\nNSQUARE D A B;", "MIDPOINT A C D."},
        {"vector_midpoint", "POINT A B;\nMIDPOINT M A B;", "(VEC M A) = (VEC B M).", kMethodVector},
        {"vector_parallelogram", "POINT A B C;\nINTERSECTION_PP D A B C C A B;", "(VEC D A) = (VEC C B).",
         kMethodVector},
        {"vector_centroid", "POINT A B C;\nCENTROID G A B C;", "(VEC G A) + (VEC G B) + (VEC G C) = 0.",
         kMethodVector},
        {"vector_square", "POINT A B;\nPSQUARE C A B;\nNSQUARE D A B;", "(VEC C A) = (VEC A D).", kMethodVector},
        {"equilateral_vectors", "POINT A B;\nEQ_TRIANGLE C A B;", "(VEC C) + w (VEC A) + w w (VEC B) = 0.",
         kMethodVector},
        {"incentre_bisector", "POINT A B I;\nINCENTER C A B I;", "EQANGEL B A I I A C."},
        {"incentre_bisector_ratio", "POINT A B I;\nINCENTER C A B I;\nINTERSECTION_LL D C I A B;",
         "(RATIO A D D B) ^ 2 (PY C B B C) = (PY C A A C)."},
        {"on_aline", "POINT A B C D E;\nON_ALINE X A B C D E;", "EQANGEL X A B C D E."},
        {"intersection_lp", "POINT A B C D E;\nINTERSECTION_LP X A B C D E;", "PARALLEL X C D E."},
        {"euler_distance", "POINT A B C;\nORTHOCENTER H A B C;\nCIRCUMCENTER O A B C;",
         "(PY O H H O) = 9 (PY O A A O) + (PY A A B B) + (PY B B C C) + (PY A A C C)."},
        {"centroid_lengths", "POINT A B C;\nCENTROID G A B C;",
         "3 ((PY A G G A) + (PY B G G B) + (PY C G G C)) = (PY A B B A) + (PY B C C B) + (PY C A A C)."},
        // 4 |AM|^2 = 2 |AB|^2 + 2 |AC|^2 - |BC|^2 needs the free-point passes
        // to compare areas and Pythagoras differences.
        {"median_length", "POINT A B C;\nMIDPOINT M B C;",
         "4 (PY A M M A) = 2 (PY A B B A) + 2 (PY A C C A) - (PY B C C B)."},
        {"inscribed_angles", "POINT A B C;\nCIRCUMCENTER O A B C;\nON_CIRCLE D O A;", "EQANGEL A D B A C B."},
        // IMO 2007 Problem 4: the bisector of angle C meets the circumcircle
        // again at R and the perpendicular bisectors of BC and AC at P and Q;
        // K and L are the midpoints of BC and AC. RPK and RQL have equal
        // areas (of opposite orientation).
        {"imo_2007_p4", kImo2007P4, "(AREA R P K) = (AREA R L Q)."},
        {"imo_2007_p4_vector", kImo2007P4, "(AREA R P K) = (AREA R L Q).", kMethodVector},
        // Ratios whose products pass 64 bits on the way.
        {"exact_ratios", kLargeRatios, "PARALLEL X4 Y4 B C."},
        {"exact_ratios_vector", kLargeRatios, "PARALLEL X4 Y4 B C.", kMethodVector},
    };
    return list;
}

class AreaTheoremTest : public AreaTest, public ::testing::WithParamInterface<Theorem> {};

std::string statement(const Theorem& t)
{
    return std::string("EXAMPLE t\nHYPOTHESES:\n") + t.hypotheses + "\nSHOW: " + t.conclusion + "\n";
}

}  // namespace

TEST_P(AreaTheoremTest, IsProvedWithEveryStepHoldingAtRandomFiguresAndKeepsNoNode)
{
    const Theorem& t = GetParam();
    read(statement(t), t.method);
    const std::size_t x_before = pool_stats().xterm_in_use();
    const std::size_t d_before = pool_stats().dterm_in_use();
    EXPECT_EQ(prove(false), ProveEnd::Ran) << proof_text();
    EXPECT_EQ(g_result, 1) << proof_text();
    EXPECT_NE(proof_text().find("The statement is true."), std::string::npos) << proof_text();
    for (unsigned seed = 1; seed <= 3; ++seed) {
        area_numeric::Model m(seed);
        ASSERT_TRUE(m.build(g_elim_count));
        // The circle passes speak of the circle through the first points.
        m.set_circle(area_numeric::circumcentre(m[1], m[2], m[3]));
        EXPECT_EQ(area_numeric::check_chain(m), 0) << proof_text();
    }
    clear_proof_chain();
    EXPECT_EQ(pool_stats().xterm_in_use(), x_before);
    EXPECT_EQ(pool_stats().dterm_in_use(), d_before);
}

INSTANTIATE_TEST_SUITE_P(Statements, AreaTheoremTest, ::testing::ValuesIn(theorems()),
                         [](const ::testing::TestParamInfo<Theorem>& info) { return std::string(info.param.name); });
