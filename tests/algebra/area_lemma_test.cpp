// Elimination lemmas on small statements: the lemma the dispatcher picks for
// a quantity of a constructed point, its value as text, and the value
// holding at random figures of the statement.

#include <functional>
#include <string>
#include <vector>

#include "algebra/area_internal.h"
#include "algebra/quantity_terms.h"
#include "area_fixture.h"
#include "area_numeric.h"

namespace {

struct LemmaCase {
    const char* name;
    const char* hypotheses;
    const char* point;     // the point eliminated
    int type;              // quantity: 1 ratio, 2 area, 3 Pythagoras, 4 vector
    const char* q[4];      // its points ("" = 0)
    const char* value;     // expected value text "num / den"
};

const std::vector<LemmaCase>& cases()
{
    static const std::vector<LemmaCase> list = {
        // The midpoint through lratio_md1 with equal denominators.
        {"midpoint_area", "POINT A B C D;\nMIDPOINT M A B;", "M", 2, {"M", "C", "D", "D"},
         "S(DCB)+S(DCA) / 2"},
        {"midpoint_vector", "POINT A B;\nMIDPOINT M A B;", "M", 4, {"M", "", "", ""}, "V(B)+V(A) / 2"},
        {"centroid_vector", "POINT A B C;\nCENTROID G A B C;", "G", 4, {"G", "", "", ""}, "V(C)+V(B)+V(A) / 3"},
        // 2 S(O, b, c, d) - S(A, b, c, d).
        {"sym_area", "POINT A O B C D;\nSYM X O A;", "X", 2, {"X", "B", "C", "D"}, "2S(DCBO)-S(DCBA) / 1"},
        {"psquare_vector", "POINT A B;\nPSQUARE C A B;", "C", 4, {"C", "", "", ""}, "iV(AB)+V(A) / 1"},
        {"nsquare_vector", "POINT A B;\nNSQUARE C A B;", "C", 4, {"C", "", "", ""}, "-iV(AB)+V(A) / 1"},
        // The foot in one step.
        {"foot_distance", "POINT Q R T;\nFOOT Y Q R T;", "Y", 3, {"Q", "Y", "Y", "Q"}, "16S(TRQ)^{2} / P(RTR)"},
        {"foot_ratio", "POINT Q R T;\nFOOT Y Q R T;", "Y", 1, {"Y", "R", "Y", "T"}, ""},
        // The second intersection with a circle: the radius in one step.
        {"line_circle_radius", "POINT A B O;\nINTERSECTION_LC Y A B O B;", "Y", 3, {"O", "Y", "Y", "O"},
         "P(BOB) / 1"},
        {"line_circle_area", "POINT A B O C;\nINTERSECTION_LC Y A B O B;", "Y", 2, {"Y", "C", "A", "A"}, ""},
        {"line_circle_ratio", "POINT A B O;\nINTERSECTION_LC Y A B O B;", "Y", 1, {"Y", "A", "Y", "B"}, ""},
        {"line_circle_vector", "POINT A B O;\nINTERSECTION_LC Y A B O B;", "Y", 4, {"Y", "", "", ""}, ""},
        {"ll_area", "POINT A B C D E;\nINTERSECTION_LL Y A B C D;", "Y", 2, {"Y", "E", "A", "A"}, ""},
        {"ll_pythagoras", "POINT A B C D E;\nINTERSECTION_LL Y A B C D;", "Y", 3, {"E", "Y", "Y", "E"}, ""},
        {"ll_ratio", "POINT A B C D;\nINTERSECTION_LL Y A B C D;", "Y", 1, {"Y", "A", "Y", "B"}, ""},
        {"pp_vector", "POINT A B C D E F;\nINTERSECTION_PP Y A B C D E F;", "Y", 4, {"Y", "A", "", ""}, ""},
        {"pt_pythagoras", "POINT A B C D E F;\nINTERSECTION_PT Y A B C D E F;", "Y", 3, {"Y", "A", "B", "C"}, ""},
        {"pt_quadratic", "POINT A B C D E F;\nINTERSECTION_PT Y A B C D E F;", "Y", 3, {"A", "Y", "Y", "B"}, ""},
        {"tt_area", "POINT A B C D E F G;\nINTERSECTION_TT Y A B C D E F;", "Y", 2, {"Y", "G", "A", "A"}, ""},
        {"tt_pythagoras", "POINT A B C D E F G;\nINTERSECTION_TT Y A B C D E F;", "Y", 3, {"G", "Y", "Y", "G"},
         ""},
        {"on_tline_area", "POINT A B C D;\nON_TLINE Y A B C;", "Y", 2, {"Y", "D", "B", "B"}, ""},
        {"on_tline_ratio", "POINT A B C D;\nON_TLINE Y A B C;\nON_LINE X Y D;", "Y", 1, {"Y", "X", "Y", "D"},
         ""},
        {"cc_pythagoras", "POINT A P Q B;\nINTERSECTION_CC Y P A Q A;", "Y", 3, {"B", "Y", "Y", "A"}, ""},
        {"inversion_vector", "POINT A O B;\nINVERSION Y A O B;", "Y", 4, {"Y", "O", "", ""}, ""},
        {"orthocentre_area", "POINT A B C D;\nORTHOCENTER H A B C;", "H", 2, {"H", "D", "A", "A"}, ""},
        {"orthocentre_vertex", "POINT A B C;\nORTHOCENTER H A B C;", "H", 3, {"A", "H", "H", "A"}, ""},
        {"orthocentre_general", "POINT A B C D E;\nORTHOCENTER H A B C;", "H", 3, {"D", "H", "H", "E"}, ""},
        {"circumcentre_ratio", "POINT A B C D;\nCIRCUMCENTER O A B C;\nON_LINE X O D;", "O", 1,
         {"O", "X", "O", "D"}, ""},
        {"circumcentre_radius", "POINT A B C;\nCIRCUMCENTER O A B C;", "O", 3, {"A", "O", "O", "A"}, ""},
        {"circumcentre_general", "POINT A B C D E;\nCIRCUMCENTER O A B C;", "O", 3, {"D", "O", "O", "E"}, ""},
        {"circumcentre_vector", "POINT A B C;\nCIRCUMCENTER O A B C;", "O", 4, {"O", "", "", ""}, ""},
        {"incentre_ratio", "POINT A B I D;\nINCENTER C A B I;\nON_LINE X C D;", "C", 1, {"C", "X", "C", "D"},
         ""},
        {"incentre_vector", "POINT A B I;\nINCENTER C A B I;", "C", 4, {"C", "", "", ""}, ""},
        {"incentre_general", "POINT A B I D E;\nINCENTER C A B I;", "C", 3, {"D", "C", "C", "E"}, ""},
        {"incentre_vertex", "POINT A B I;\nINCENTER C A B I;", "C", 3, {"A", "C", "C", "A"}, ""},
        {"incentre_to_centre", "POINT A B I;\nINCENTER C A B I;", "C", 3, {"I", "C", "C", "I"}, ""},
        {"lratio_pythagoras", "POINT A B D E;\nLRATIO Y A B 2 3;", "Y", 3, {"D", "Y", "Y", "E"}, ""},
        {"pratio_area", "POINT A B C D E;\nPRATIO Y A B C 2 3;", "Y", 2, {"Y", "D", "E", "E"}, ""},
        {"on_line_ratio", "POINT A B C;\nON_LINE Y A B;", "Y", 1, {"Y", "A", "B", "A"}, ""},
    };
    return list;
}

class AreaLemmaTest : public AreaTest, public ::testing::WithParamInterface<LemmaCase> {
protected:
    // Runs check inside a Prove of the statement, where the point table and
    // the fact database are what the method sees.
    void inside_proof(const std::string& hyps, const std::string& point, const std::function<void()>& check)
    {
        read_stm(hyps, "COLLINEAR " + point + " " + point + " " + point + ".");
        set_method_entry(kMethodArea, {check, {}});
        prove(false);
        set_method_entry(kMethodArea, {prove_area, area_proof_output});
    }
};

xterm* quantity(int type, const int p[4])
{
    switch (type) {
    case 1: return rtrim(p[0], p[1], p[2], p[3]);
    case 2: return mk_sarea(p[0], p[1], p[2], p[3]);
    case 3: return mk_pdiff(p[0], p[1], p[2], p[3]);
    default: return gq_atom4(p[0], p[1]);
    }
}

}  // namespace

TEST_P(AreaLemmaTest, GivesAValueThatHoldsAtRandomFigures)
{
    const LemmaCase& c = GetParam();
    inside_proof(c.hypotheses, c.point, [&] {
        int p[4];
        for (int k = 0; k < 4; ++k)
            p[k] = *c.q[k] ? pt(c.q[k]) : 0;
        const PolyPtr q(quantity(c.type, p));
        ASSERT_FALSE(pconstp(q.get())) << poly_text(q.get(), 0);
        var_rec* var = q->var;
        g_step_stack = nullptr;
        const elim_step* s = pe_lemma(var, pt(c.point));
        ASSERT_EQ(g_abort, 0) << out();
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->var, var);
        ASSERT_NE(s->num, nullptr);
        const std::string value =
            pconstp(s->den) && s->den->value == 1 && pconstp(s->num) ? poly_text(s->num, 0)
                                                                       : poly_text(s->num, 0) + " / " + poly_text(s->den, 0);
        if (*c.value) {
            EXPECT_EQ(value, c.value);
        }
        for (unsigned seed = 1; seed <= 4; ++seed) {
            area_numeric::Model m(seed);
            ASSERT_TRUE(m.build(g_npoints));
            const area_numeric::Num x = m.value(var);
            const area_numeric::Num v = m.eval(s->num) / m.eval(s->den);
            EXPECT_TRUE(area_numeric::close(x, v)) << value << ": " << x.real() << " against " << v.real();
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Lemmas, AreaLemmaTest, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<LemmaCase>& info) { return std::string(info.param.name); });

TEST_F(AreaTest, InconsistentRecordsStopTheProofInsteadOfTheProgram)
{
    read_stm("POINT A B C D;\nMIDPOINT M A B;", "COLLINEAR M A B.");
    set_method_entry(kMethodArea, {[] {
                                       const int A = pt("A"), B = pt("B"), C = pt("C"), D = pt("D"),
                                                 M = pt("M");
                                       // A full angle has no builder to rebuild it with.
                                       EXPECT_THROW(gq_subst(mk_var(10, D, C, B, A), A, M), ProverAbort);
                                       // A ratio in which the midpoint does not occur.
                                       const PolyPtr half(get_n(1)), two(get_n(2));
                                       EXPECT_THROW(pe_v_ratio(mk_var(1, D, C, B, A), M, A, A, B, half.get(),
                                                               two.get()),
                                                    ProverAbort);
                                       // A difference quantity of a type without one.
                                       EXPECT_THROW(lin2(mk_var(1, M, C, M, D), M, C, A, B, half.get(), two.get()),
                                                    ProverAbort);
                                   },
                                   {}});
    prove(false);
    EXPECT_NE(out().find("geval11"), std::string::npos);
}
