// The coordinate polynomials of every construction: at a figure where the
// construction holds they vanish, and moving the constructed point off its
// place makes one of them non-zero. Wu's triangular form of them vanishes
// there too.

#include <functional>
#include <string>

#include "algebra/equations.h"
#include "figure_eval.h"
#include "prove_fixture.h"
#include "statement/semantics.h"

namespace {

using namespace figure;

constexpr int X = 7;  // the constructed point after POINT A B C D E F

struct Row {
    const char* name;
    const char* line;  // the construction of X
    bool two_slots;
    std::function<void(Figure&)> place;  // sets f[X], may move the free points
};

Pt mid(Pt a, Pt b) { return M(2).inv() * (a + b); }

const std::vector<Row>& rows()
{
    static const std::vector<Row> table = {
        {"foot", "FOOT X A B C", true, [](Figure& f) { f[X] = foot(f[1], f[2], f[3]); }},
        {"midpoint", "MIDPOINT X A C", true, [](Figure& f) { f[X] = mid(f[1], f[3]); }},
        {"centroid", "CENTROID X A B C", true,
         [](Figure& f) { f[X] = M(3).inv() * (f[1] + f[2] + f[3]); }},
        {"circumcentre", "CIRCUMCENTER X A B C", true,
         [](Figure& f) {
             f[X] = meet(mid(f[1], f[2]), turn90(f[2] - f[1]), mid(f[1], f[3]), turn90(f[3] - f[1]));
         }},
        {"orthocentre", "ORTHOCENTER X C D E", true,
         [](Figure& f) { f[X] = meet(f[3], turn90(f[5] - f[4]), f[4], turn90(f[5] - f[3])); }},
        {"on line", "ON_LINE X C D", false,
         [](Figure& f) {
             const M r = f.random();
             f.set_named("r_{o7}", r);
             f[X] = f[3] + r * (f[4] - f[3]);
         }},
        {"on parallel", "ON_PLINE X C D E", false,
         [](Figure& f) {
             const M r = f.random();
             f.set_named("r_{p7}", r);
             f[X] = f[3] + r * (f[5] - f[4]);
         }},
        {"on perpendicular", "ON_TLINE X C D E", false,
         [](Figure& f) { f[X] = f[3] + f.random() * turn90(f[5] - f[4]); }},
        {"on circle", "ON_CIRCLE X C D", false,
         [](Figure& f) {
             f[X] = f.random_pt();
             f[4] = M(2) * f[3] - f[X];
         }},
        {"on angle line", "ON_ALINE X C D E F A", false,
         [](Figure& f) {
             // Angle XCD equals angle EFA: CX is CD turned back by that angle.
             const Pt u = f[5] - f[6], v = f[1] - f[6];
             const M c = dot(u, v), s = cross(u, v);
             const Pt d = f[4] - f[3];
             f[X] = f[3] + Pt{c * d.x + s * d.y, c * d.y - s * d.x};
         }},
        {"on bisector", "ON_BLINE X C D", false,
         [](Figure& f) { f[X] = mid(f[3], f[4]) + f.random() * turn90(f[4] - f[3]); }},
        {"lines", "INTERSECTION_LL X A C D E", true,
         [](Figure& f) { f[X] = meet(f[1], f[3] - f[1], f[4], f[5] - f[4]); }},
        {"line and parallel", "INTERSECTION_LP X A C D E F", true,
         [](Figure& f) { f[X] = meet(f[1], f[3] - f[1], f[4], f[6] - f[5]); }},
        {"line and perpendicular", "INTERSECTION_LT X A C D E F", true,
         [](Figure& f) { f[X] = meet(f[1], f[3] - f[1], f[4], turn90(f[6] - f[5])); }},
        {"parallels", "INTERSECTION_PP X A B C D E F", true,
         [](Figure& f) { f[X] = meet(f[1], f[3] - f[2], f[4], f[6] - f[5]); }},
        {"parallel and perpendicular", "INTERSECTION_PT X A B C D E F", true,
         [](Figure& f) { f[X] = meet(f[1], f[3] - f[2], f[4], turn90(f[6] - f[5])); }},
        {"perpendiculars", "INTERSECTION_TT X A B C D E F", true,
         [](Figure& f) { f[X] = meet(f[1], turn90(f[3] - f[2]), f[4], turn90(f[6] - f[5])); }},
        {"line and circle", "INTERSECTION_LC X C D E F", true,
         [](Figure& f) {
             f[X] = f.random_pt();
             f[4] = f[3] + f.random() * (f[X] - f[3]);
             f[6] = M(2) * f[5] - f[X];
         }},
        {"line through the circle's point", "INTERSECTION_LC X C D E C", true,
         [](Figure& f) {
             // The line CD meets the circle about E through C again in X.
             const Pt d = f[4] - f[3];
             const M t = M(0) - M(2) * dot(f[3] - f[5], d) / dot(d, d);
             f[X] = f[3] + t * d;
         }},
        {"parallel and circle", "INTERSECTION_PC X C A B E F", true,
         [](Figure& f) {
             f[X] = f.random_pt();
             f[3] = f[X] - f.random() * (f[2] - f[1]);
             f[6] = M(2) * f[5] - f[X];
         }},
        {"perpendicular and circle", "INTERSECTION_TC X C A B E F", true,
         [](Figure& f) {
             f[X] = f.random_pt();
             f[3] = f[X] - f.random() * turn90(f[2] - f[1]);
             f[6] = M(2) * f[5] - f[X];
         }},
        {"circles", "INTERSECTION_CC X C D E F", true,
         [](Figure& f) {
             f[X] = f.random_pt();
             f[4] = M(2) * f[3] - f[X];
             f[6] = M(2) * f[5] - f[X];
         }},
        {"circles through one point", "INTERSECTION_CC X C D E D", true,
         [](Figure& f) {
             // The second meeting point is D reflected in the line of the centres.
             f[X] = M(2) * foot(f[4], f[3], f[5]) - f[4];
         }},
        {"line and distance", "INTERSECTION_LR X C D E F A", true,
         [](Figure& f) {
             f[X] = f.random_pt();
             f[4] = f[3] + f.random() * (f[X] - f[3]);
             f[6] = f[1] + (f[X] - f[5]);
         }},
        {"circle and distance", "INTERSECTION_CR X C D E F A", true,
         [](Figure& f) {
             f[X] = f.random_pt();
             f[4] = M(2) * f[3] - f[X];
             f[6] = f[1] + (f[X] - f[5]);
         }},
        {"two distances", "INTERSECTION_RR X C D E F A B", true,
         [](Figure& f) {
             f[X] = f.random_pt();
             f[5] = f[4] + (f[X] - f[3]);
             f[6] = f[X] - Pt{f[2].x, M(0)};
         }},
        {"symmetric", "SYM X C D", true, [](Figure& f) { f[X] = M(2) * f[3] - f[4]; }},
        {"reflection", "REFLECTION X C D E", true,
         [](Figure& f) { f[X] = M(2) * foot(f[3], f[4], f[5]) - f[3]; }},
        {"inversion", "INVERSION X C D E", true,
         [](Figure& f) {
             const Pt oa = f[3] - f[4], ob = f[5] - f[4];
             f[X] = f[4] + (dot(ob, ob) / dot(oa, oa)) * oa;
         }},
        {"positive square", "PSQUARE X C D", true, [](Figure& f) { f[X] = f[3] + turn90(f[4] - f[3]); }},
        {"negative square", "NSQUARE X C D", true, [](Figure& f) { f[X] = f[3] - turn90(f[4] - f[3]); }},
        {"ratio on a line", "LRATIO X C D 2 3", true,
         [](Figure& f) { f[X] = f[3] + (M(2) / M(3)) * (f[4] - f[3]); }},
        {"dividing ratio", "MRATIO X C D 2 3", true,
         [](Figure& f) { f[X] = f[3] + (M(2) / M(5)) * (f[4] - f[3]); }},
        {"ratio along a segment", "PRATIO X C D E -1 2", true,
         [](Figure& f) { f[X] = f[3] + (M(-1) / M(2)) * (f[5] - f[4]); }},
    };
    return table;
}

class CoordEquationsTest : public AlgebraProveTest, public ::testing::WithParamInterface<int> {
protected:
    // Reads the row's statement, enters its facts and builds every record's
    // polynomials; returns the figure with X in its place.
    Figure build(const Row& row, int method, unsigned seed)
    {
        read_stm(std::string("POINT A B C D E F;\n") + row.line + ";", "NO.", method);
        EXPECT_EQ(g_npoints, X) << out();
        do_cons_from(cgeo::kFacts, 1);
        do_cons_from(cgeo::kPolys, 1);
        Figure f(seed);
        f[1] = {0, 0};
        f[2] = {f.random(), 0};
        for (int i = 3; i < X; ++i)
            f[i] = f.random_pt();
        row.place(f);
        return f;
    }
};

TEST_P(CoordEquationsTest, PolynomialsVanishExactlyAtTheConstructedPoint)
{
    const Row& row = rows()[static_cast<std::size_t>(GetParam())];
    SCOPED_TRACE(row.name);
    for (int method : {kMethodWu, kMethodGroebner}) {
        for (unsigned seed : {1u, 2u, 3u}) {
            SCOPED_TRACE(method);
            Figure f = build(row, method, seed);
            const Coord_pair& pair = g_pairs[X];
            ASSERT_NE(pair.x, nullptr);
            // The Groebner method writes points on lines and parallels by a parameter.
            const bool parametric = method == kMethodGroebner && (std::string(row.line).starts_with("ON_LINE") ||
                                                                   std::string(row.line).starts_with("ON_PLINE"));
            EXPECT_EQ(pair.y != nullptr, row.two_slots || parametric);
            EXPECT_TRUE(f.vanishes(pair.x)) << poly_text(pair.x, 0);
            if (pair.y) {
                EXPECT_TRUE(f.vanishes(pair.y)) << poly_text(pair.y, 0);
            }
            const Pt at = f[X];
            auto moved_off = [&](Pt delta) {
                f[X] = at + delta;
                const bool off = !f.vanishes(pair.x) || (pair.y && !f.vanishes(pair.y));
                f[X] = at;
                return off;
            };
            if (pair.y) {
                EXPECT_TRUE(moved_off({f.random(), 0}));
                EXPECT_TRUE(moved_off({0, f.random()}));
            } else {
                EXPECT_TRUE(moved_off(f.random_pt()));
            }
            free_eqs();
        }
    }
}

TEST_P(CoordEquationsTest, WuHypothesesHoldAtTheFigure)
{
    const Row& row = rows()[static_cast<std::size_t>(GetParam())];
    SCOPED_TRACE(row.name);
    Figure f = build(row, kMethodWu, 7);
    clear_output();
    do_cons_from(cgeo::kHypList, 1);
    ASSERT_EQ(g_abort, 0) << out();
    ASSERT_NE(g_hyps, nullptr);
    // The list speaks of the constructed point: its head is in X's coordinates.
    ASSERT_NE(g_hyps->coef->var, nullptr);
    EXPECT_EQ(g_hyps->coef->var->type, kVarCoord);
    EXPECT_GE(g_hyps->coef->var->a[0], 2 * (X - 2));
    for (const dterm* h = g_hyps; h; h = h->next) {
        EXPECT_FALSE(pconstp(h->coef)) << poly_text(h->coef, 0);
        EXPECT_TRUE(f.vanishes(h->coef)) << poly_text(h->coef, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Constructions, CoordEquationsTest,
                         ::testing::Range(0, static_cast<int>(rows().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                             std::string name = rows()[static_cast<std::size_t>(info.param)].name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

}  // namespace
