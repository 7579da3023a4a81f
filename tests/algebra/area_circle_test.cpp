// Statements about points on a circle whose centre is one of the points: the
// circle passes write triangles at the centre and angles between chords
// through chords, sines and cosines. Each verdict of the area and the vector
// method must be the one random figures give the conclusion, and every step
// of a proof must hold at those figures.

#include <functional>
#include <string>
#include <vector>

#include "algebra/area_internal.h"
#include "area_fixture.h"
#include "area_numeric.h"
#include "algebra/quantity_terms.h"

namespace {

using area_numeric::Pt;

struct CircleCase {
    const char* name;
    const char* hypotheses;
    const char* conclusion;
    bool holds;  // what the figures must say of the conclusion
};

constexpr const char* kChords = "POINT O A;\nON_CIRCLE B O A;\nON_CIRCLE C O A;";
constexpr const char* kTangentAtA = "POINT O A;\nON_CIRCLE B O A;\nON_CIRCLE C O A;\nON_TLINE T A A O;";
constexpr const char* kTangentAtB = "POINT O A;\nON_CIRCLE B O A;\nON_CIRCLE C O A;\nON_TLINE T B B O;";
constexpr const char* kFourPoints = "POINT O A;\nON_CIRCLE B O A;\nON_CIRCLE C O A;\nON_CIRCLE D O A;";
constexpr const char* kChordMidpoint = "POINT O A;\nON_CIRCLE B O A;\nON_CIRCLE C O A;\nMIDPOINT M A B;";

const std::vector<CircleCase>& cases()
{
    static const std::vector<CircleCase> list = {
        // The angle between a tangent and a chord is the inscribed angle on the chord.
        {"tangent_chord", kTangentAtA, "EQANGEL T A B A C B.", true},
        {"tangent_chord_at_b", kTangentAtB, "EQANGEL T B A B C A.", true},
        {"tangent_chord_reversed", kTangentAtA, "EQANGEL T A B B C A.", false},
        {"tangent_other_chord", kTangentAtA, "EQANGEL T A C A B C.", true},
        {"tangent_wrong_chord", kTangentAtA, "EQANGEL T A B A B C.", false},
        // Base angles of the isosceles triangle of a chord and the centre.
        {"isosceles_base", "POINT O A;\nON_CIRCLE B O A;", "EQANGEL O A B A B O.", true},
        {"isosceles_base_reversed", "POINT O A;\nON_CIRCLE B O A;", "EQANGEL O A B O B A.", false},
        {"isosceles_chords", kChords, "EQANGEL O B C B C O.", true},
        // The inscribed angle is half the central angle.
        {"half_central", kChordMidpoint, "EQANGEL A C B A O M.", true},
        {"half_central_reversed", kChordMidpoint, "EQANGEL A C B M O A.", false},
        {"half_central_other_end", kChordMidpoint, "EQANGEL B C A B O M.", true},
        {"radius_chord", kChordMidpoint, "PERPENDICULAR O M A B.", true},
        {"radius_chord_wrong", kChordMidpoint, "PERPENDICULAR O M A C.", false},
        // Angles at points of the circle whose centre is a free point.
        {"inscribed", kFourPoints, "EQANGEL A C B A D B.", true},
        {"inscribed_reversed", kFourPoints, "EQANGEL A C B B D A.", false},
        {"inscribed_late_points", kFourPoints, "EQANGEL C A D C B D.", true},
        {"inscribed_other_arc", kFourPoints, "EQANGEL B A D B C D.", true},
        {"inscribed_wrong_chord", kFourPoints, "EQANGEL C A D C B A.", false},
        {"cocircle", kFourPoints, "COCIRCLE A B C D.", true},
        {"thales", "POINT O A;\nON_CIRCLE B O A;\nSYM D O A;", "PERPENDICULAR B A B D.", true},
        {"equal_radii", kChords, "EQDISTANCE O B O C.", true},
        {"equal_chords_wrong", kChords, "EQDISTANCE A B A C.", false},
    };
    return list;
}

// Whether the conclusion holds in the figure, from the points alone.
bool conclusion_holds(area_numeric::Model& m)
{
    const auto p = [&](int k) { return m[static_cast<int>(g_concl.p[static_cast<std::size_t>(k - 1)])]; };
    const auto near_zero = [](long double x, long double scale) { return std::abs(x) <= 1e-9L * scale; };
    using area_numeric::cross;
    using area_numeric::dot;
    switch (g_concl.type) {
    case 150: {
        const Pt u = p(2) - p(1), v = p(4) - p(3);
        return near_zero(dot(u, v), std::norm(u) * std::norm(v));
    }
    case 152: {
        // The circle through the first three points passes through the fourth.
        const Pt a = p(2), b = p(3), c = p(4), d = p(5);
        const Pt o = area_numeric::circumcentre(a, b, c);
        return near_zero(std::norm(d - o) - std::norm(a - o), std::norm(a - o));
    }
    case 153: {
        const long double l1 = std::norm(p(2) - p(1)), l2 = std::norm(p(4) - p(3));
        return near_zero(l1 - l2, l1 + l2);
    }
    case 154: {
        // Full angles: equal tangents of the turns from the first line to the second.
        const Pt u1 = p(2) - p(1), v1 = p(4) - p(3), u2 = p(6) - p(5), v2 = p(8) - p(7);
        const long double scale = std::abs(u1) * std::abs(v1) * std::abs(u2) * std::abs(v2);
        return near_zero(cross(u1, v1) * dot(u2, v2) - dot(u1, v1) * cross(u2, v2), scale);
    }
    default:
        ADD_FAILURE() << "no numeric reading of conclusion kind " << g_concl.type;
        return false;
    }
}

class AreaCircleTest : public AreaTest, public ::testing::WithParamInterface<CircleCase> {};

constexpr unsigned kFigures = 4;

}  // namespace

TEST_P(AreaCircleTest, VerdictIsTheFiguresAndEveryStepHoldsThere)
{
    const CircleCase& c = GetParam();
    for (const int method : {kMethodArea, kMethodVector}) {
        SCOPED_TRACE(method == kMethodArea ? "area" : "vector");
        read_stm(c.hypotheses, c.conclusion, method);
        bool holds = true;
        for (unsigned seed = 1; seed <= kFigures; ++seed) {
            area_numeric::Model m(seed);
            ASSERT_TRUE(m.build(g_npoints));
            holds = holds && conclusion_holds(m);
        }
        ASSERT_EQ(holds, c.holds) << "the figures and the table disagree";
        EXPECT_EQ(prove(false), ProveEnd::Ran) << proof_text();
        EXPECT_EQ(g_result, c.holds ? 1 : -1) << proof_text();
        EXPECT_EQ(proof_text().find("The method finds the statement"), std::string::npos) << proof_text();
        if (!c.holds)
            continue;
        for (unsigned seed = 1; seed <= kFigures; ++seed) {
            area_numeric::Model m(seed);
            ASSERT_TRUE(m.build(g_elim_count));
            m.set_circle(m[pt("O")], m[pt("A")]);
            EXPECT_EQ(area_numeric::check_chain(m), 0) << proof_text();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CentreAndChords, AreaCircleTest, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<CircleCase>& info) { return std::string(info.param.name); });

namespace {

class CirclePassTest : public AreaTest {
protected:
    // Runs check inside a Prove of the statement, where the point table and
    // the fact database are what the method sees.
    void inside_proof(const std::string& hyps, const std::function<void()>& check)
    {
        read_stm(hyps, "COLLINEAR O O O.");
        set_method_entry(kMethodArea, {check, {}});
        prove(false);
        set_method_entry(kMethodArea, {prove_area, area_proof_output});
    }
};

}  // namespace

// Every area and Pythagoras difference of four points among the centre and
// points of the circle, in every order: the chord, sine and cosine form of
// the circle pass holds at random figures.
TEST_F(CirclePassTest, EveryQuadrupleOfCentreAndCirclePointsKeepsItsValue)
{
    inside_proof(kFourPoints, [&] {
        const int O = pt("O");
        ASSERT_EQ(pt("D"), 5);
        int checked = 0;
        for (int n = 0; n < 5 * 5 * 5 * 5; ++n) {
            const int a = n % 5 + 1, b = n / 5 % 5 + 1, c = n / 25 % 5 + 1, d = n / 125 + 1;
            for (const int type : {2, 3}) {
                const PolyPtr q(type == 2 ? mk_sarea(a, b, c, d) : mk_pdiff(a, b, c, d));
                if (pconstp(q.get()))
                    continue;
                g_step_stack = nullptr;
                const elim_step* s = pe_v_nc(q->var, -20);
                ASSERT_EQ(g_abort, 0) << out();
                ASSERT_NE(s, nullptr);
                ++checked;
                for (unsigned seed = 1; seed <= 3; ++seed) {
                    area_numeric::Model m(seed);
                    ASSERT_TRUE(m.build(g_npoints));
                    m.set_circle(m[O], m[pt("A")]);
                    const area_numeric::Num x = m.value(q->var), v = m.eval(s->num) / m.eval(s->den);
                    EXPECT_TRUE(area_numeric::close(x, v))
                        << var_text(q->var, 0) << " := (" << poly_text(s->num, 0) << ") / (" << poly_text(s->den, 0)
                        << "): " << x.real() << " against " << v.real();
                }
            }
        }
        EXPECT_GT(checked, 100);
    });
}
