// Coordinates, relation polynomials and the constructions that need a figure
// of their own: equilateral triangles, anti-incentres, rotations, collinear
// inversions, circles of the reader and hypothesis predicates.

#include <string>

#include "algebra/coords.h"
#include "algebra/equations.h"
#include "algebra/quantity_terms.h"
#include "algebra/relations.h"
#include "figure_eval.h"
#include "prove_fixture.h"
#include "statement/semantics.h"

namespace {

using namespace figure;

using CoordSpecialTest = AlgebraProveTest;

std::string text_of(const xterm* p) { return poly_text(p, 0); }

// Builds the coordinate polynomials of every record after its facts.
void build_polys()
{
    do_cons_from(cgeo::kFacts, 1);
    do_cons_from(cgeo::kPolys, 1);
}

bool slots_vanish(Figure& f, int no)
{
    const Coord_pair& pair = g_pairs[static_cast<std::size_t>(no)];
    return pair.x && f.vanishes(pair.x) && (!pair.y || f.vanishes(pair.y));
}

TEST_F(CoordSpecialTest, AnglesOtherThanQuarterTurnsAreRefused)
{
    read_stm("POINT A B C D;", "NO.", kMethodWu);
    g_pro_points[4].rot = "45";
    const PolyPtr p(poly_aline_a(4, 2, 3));
    EXPECT_TRUE(pzerop(p.get()));
    EXPECT_EQ(g_abort, 1);
    EXPECT_NE(out().find("NROTATE: angle 45 is not a multiple of 90 degrees"), std::string::npos) << out();
}

TEST_F(CoordSpecialTest, RotationRecordsTurnTheirPoint)
{
    const struct {
        const char* angle;
        int quarter_turns;  // of the turn the drawing makes, clockwise on the page
    } cases[] = {{"90", 1}, {"180", 2}, {"-90", 3}, {"270", 3}, {"0", 0}, {"360.0", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.angle);
        prover_reset();
        read_stm("POINT A B C D;", "NO.", kMethodWu);
        Pro_point& r = g_pro_points[5];
        r.clear();
        r.kind = 470;
        r.name = "X";
        r.pots[0] = 3;
        r.pots[1] = 4;
        r.rot = c.angle;
        g_npoints = 5;
        build_polys();
        Figure f(5);
        f[1] = {0, 0};
        f[2] = {f.random(), 0};
        f[3] = f.random_pt();
        f[4] = f.random_pt();
        Pt d = f[4] - f[3];
        for (int k = 0; k < c.quarter_turns; ++k)
            d = Pt{d.y, M(0) - d.x};
        f[5] = f[3] + d;
        EXPECT_TRUE(slots_vanish(f, 5)) << text_of(g_pairs[5].x) << " ; " << text_of(g_pairs[5].y);
        free_eqs();
    }
}

TEST_F(CoordSpecialTest, EquilateralTriangleWithItsParameter)
{
    read_stm("POINT A B;\nEQ_TRIANGLE X A B;", "NO.", kMethodWu);
    build_polys();
    Figure f(11);
    f[1] = {0, 0};
    f[2] = {f.random(), 0};
    const M root3 = M(3).sqrt();
    ASSERT_TRUE(root3 * root3 == M(3));
    // X = A + AB turned by 60 degrees.
    const M half = M(2).inv();
    const Pt ab = f[2] - f[1];
    f[3] = f[1] + Pt{half * ab.x - half * root3 * ab.y, half * root3 * ab.x + half * ab.y};
    int roots_that_fit = 0;
    for (M w : {root3, M(0) - root3}) {
        f.set_named("w", w);
        roots_that_fit += slots_vanish(f, 3) ? 1 : 0;
    }
    // w^2 = 3 leaves two roots; one of them describes this orientation.
    EXPECT_EQ(roots_that_fit, 1) << text_of(g_pairs[3].x) << " ; " << text_of(g_pairs[3].y);
}

TEST_F(CoordSpecialTest, AntiIncentreOfARightTriangle)
{
    // A (0,0), B (4,0), X (0,3): the incentre is (1,1).
    read_stm("POINT A B I;\nINCENTER X A B I;", "NO.", kMethodWu);
    build_polys();
    Figure f(1);
    f[1] = {0, 0};
    f[2] = {4, 0};
    f[3] = {1, 1};
    f[4] = {0, 3};
    EXPECT_TRUE(slots_vanish(f, 4));
    f[4] = {0, 4};
    EXPECT_FALSE(slots_vanish(f, 4));
}

TEST_F(CoordSpecialTest, CollinearInversionUsesTheRatioForm)
{
    // C on AB: the inverse of C in the circle about A through B is found along AB.
    read_stm("POINT A B;\nON_LINE C A B;\nINVERSION X C A B;", "NO.", kMethodWu);
    build_polys();
    const Coord_pair& pair = g_pairs[4];
    ASSERT_NE(pair.x, nullptr);
    var_rec* yc = mk_ivar(3);
    EXPECT_EQ(deg_in(pair.x, yc), 0) << text_of(pair.x);
    Figure f(3);
    f[1] = {0, 0};
    f[2] = {f.random(), 0};
    f[3] = {f.random(), 0};
    f[4] = {f[2].x * f[2].x / f[3].x, 0};
    EXPECT_TRUE(slots_vanish(f, 4)) << text_of(pair.x) << " ; " << text_of(pair.y);
    free_eqs();
    // Without the collinearity the squared distances are used.
    prover_reset();
    read_stm("POINT A B C;\nINVERSION X C A B;", "NO.", kMethodWu);
    build_polys();
    EXPECT_GT(deg_in(g_pairs[4].x, mk_ivar(3)), 0) << text_of(g_pairs[4].x);
}

TEST_F(CoordSpecialTest, RatioOfAVerticalSegmentIsReadOffTheYCoordinates)
{
    read_stm("POINT A B C;\nON_TLINE D C A B;\nON_TLINE E C A B;", "NO.", kMethodWu);
    do_cons_from(cgeo::kFacts, 1);
    const PolyPtr vertical(gq2co(rtrim(3, 4, 3, 5)));
    // C (x2 x3), D (x4 x5), E (x6 x7)
    for (int k : {2, 4, 6})
        EXPECT_EQ(deg_in(vertical.get(), mk_ivar(k)), 0) << text_of(vertical.get());
    EXPECT_GT(deg_in(vertical.get(), mk_ivar(5)) + deg_in(vertical.get(), mk_ivar(7)), 0) << text_of(vertical.get());
    const PolyPtr level(gq2co(rtrim(1, 2, 1, 2)));  // AB / AB
    EXPECT_TRUE(ponep(level.get()));
    const PolyPtr slanted(gq2co(rtrim(1, 3, 1, 2)));  // AC / AB
    EXPECT_EQ(deg_in(slanted.get(), mk_ivar(3)), 0) << text_of(slanted.get());
    EXPECT_GT(deg_in(slanted.get(), mk_ivar(2)), 0) << text_of(slanted.get());
}

TEST_F(CoordSpecialTest, ReaderCirclesSpeakLikeTheirConstructions)
{
    // CIRCLE A B C D: A, B, C free, the centre o0 of ABC, D on the circle.
    read_stm("CIRCLE A B C D;", "NO.", kMethodWu);
    ASSERT_EQ(g_npoints, 5) << out();
    ASSERT_EQ(pt("o0"), 4);
    build_polys();
    Figure f(4);
    f[1] = {0, 0};
    f[2] = {f.random(), 0};
    f[3] = f.random_pt();
    f[4] = meet(M(2).inv() * (f[1] + f[2]), turn90(f[2] - f[1]), M(2).inv() * (f[1] + f[3]), turn90(f[3] - f[1]));
    f[5] = M(2) * f[4] - f[1];
    EXPECT_TRUE(slots_vanish(f, 4));
    EXPECT_TRUE(slots_vanish(f, 5));
    EXPECT_EQ(g_pairs[1].x, nullptr);
    EXPECT_EQ(g_pairs[3].x, nullptr);
}

TEST_F(CoordSpecialTest, LineThroughACircleOfThreePoints)
{
    // The reader makes the centre of ABC and the meeting point of AD with the circle.
    read_stm("POINT A B C D;\nINTERSECTION_LS X A D A B C;", "NO.", kMethodWu);
    const int X = pt("X"), O = pt("o0");
    ASSERT_GT(X, 0) << out();
    ASSERT_GT(O, 0) << out();
    build_polys();
    Figure f(9);
    f[1] = {0, 0};
    f[2] = {f.random(), 0};
    f[3] = f.random_pt();
    f[4] = f.random_pt();
    f[O] = meet(M(2).inv() * (f[1] + f[2]), turn90(f[2] - f[1]), M(2).inv() * (f[1] + f[3]), turn90(f[3] - f[1]));
    const Pt d = f[4] - f[1];
    f[X] = f[1] + (M(0) - M(2) * dot(f[1] - f[O], d) / dot(d, d)) * d;
    EXPECT_TRUE(slots_vanish(f, X));
    clear_output();
    do_cons_from(cgeo::kHypList, 1);
    for (const dterm* h = g_hyps; h; h = h->next)
        EXPECT_TRUE(f.vanishes(h->coef)) << text_of(h->coef);
}

TEST_F(CoordSpecialTest, HypothesisPredicatesConstrainTheirPoints)
{
    const struct {
        const char* line;
        void (*place)(Figure&);
    } cases[] = {
        {"COLLINEAR A B C", [](Figure& f) { f[3] = {f.random(), 0}; }},
        {"PARALLEL A C B D", [](Figure& f) { f[4] = f[2] + f.random() * (f[3] - f[1]); }},
        {"PERPENDICULAR A C B D", [](Figure& f) { f[4] = f[2] + f.random() * turn90(f[3] - f[1]); }},
        {"EQDISTANCE A C A D", [](Figure& f) { f[4] = Pt{M(0) - f[3].x, M(0) - f[3].y}; }},
        {"COCIRCLE A B C D",
         [](Figure& f) {
             const Pt o = meet(M(2).inv() * (f[1] + f[2]), turn90(f[2] - f[1]), M(2).inv() * (f[1] + f[3]),
                               turn90(f[3] - f[1]));
             f[4] = M(2) * o - f[3];
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        for (int method : {kMethodWu, kMethodGroebner}) {
            prover_reset();
            read_stm(std::string("POINT A B C D;\n") + c.line + ";", "NO.", method);
            ASSERT_EQ(g_npoints, 5);
            build_polys();
            Figure f(2);
            f[1] = {0, 0};
            f[2] = {f.random(), 0};
            f[3] = f.random_pt();
            f[4] = f.random_pt();
            EXPECT_FALSE(slots_vanish(f, 5));
            c.place(f);
            EXPECT_TRUE(slots_vanish(f, 5)) << text_of(g_pairs[5].x);
            free_eqs();
        }
    }
}

TEST_F(CoordSpecialTest, ConstantsAndHorizontalLines)
{
    read_stm("POINT A B C;\nCONSTANT a*a - 2;", "NO.", kMethodWu);
    build_polys();
    const Pro_point& k = g_pro_points[4];
    ASSERT_EQ(k.kind, 357u);
    ASSERT_NE(g_pairs[4].x, nullptr);
    EXPECT_TRUE(peq(g_pairs[4].x, k.ps[0]));
    EXPECT_NE(g_pairs[4].x, k.ps[0]);  // a copy: the record keeps its own
    free_eqs();
    // ON_HLINE (from a drawing): X on the horizontal line through C.
    Pro_point& h = g_pro_points[4];
    put_p(h.ps[0]);
    h.clear();
    h.kind = 99;
    h.name = "X";
    h.pots[0] = 3;
    build_polys();
    Figure f(8);
    f[1] = {0, 0};
    f[2] = {f.random(), 0};
    f[3] = f.random_pt();
    f[4] = {f.random(), f[3].y};
    EXPECT_TRUE(slots_vanish(f, 4));
    EXPECT_EQ(g_pairs[4].y, nullptr);
    f[4].y = f[4].y + M(1);
    EXPECT_FALSE(slots_vanish(f, 4));
}

TEST_F(CoordSpecialTest, FreePointsAddNothing)
{
    read_stm("POINT A B C;", "NO.", kMethodWu);
    build_polys();
    do_cons_from(cgeo::kHypList, 1);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(g_pairs[static_cast<std::size_t>(i)].x, nullptr);
        EXPECT_EQ(g_pairs[static_cast<std::size_t>(i)].y, nullptr);
    }
    EXPECT_EQ(g_hyps, nullptr);
}

}  // namespace
