// Auxiliary points: naming, the builders and their refusals, and the search
// families.

#include "facts/gdd_fixture.h"

#include "gdd/aux_points.h"

namespace gddtest {
namespace {

class AuxTest : public GddTest {
protected:
    // A statement of n points, the database method just started.
    void statement(int n)
    {
        name_points(n);
        aux_method_start();
    }
    static const Pro_point& rec(int p) { return g_pro_points[static_cast<std::size_t>(p)]; }
    // "kind/aux: parents" of a built point.
    static std::string made(int p)
    {
        std::string s = std::to_string(rec(p).kind) + "/" + std::to_string(rec(p).aux) + ":";
        for (std::uint32_t q : rec(p).pots)
            if (q)
                s += " " + rec(static_cast<int>(q)).name;
        return s;
    }
    static std::array<std::uint32_t, 8> pots(std::initializer_list<std::uint32_t> v)
    {
        std::array<std::uint32_t, 8> a{};
        std::copy(v.begin(), v.end(), a.begin());
        return a;
    }
    static int queued(std::int32_t type, const void* obj)
    {
        int n = 0;
        for (const Gdd_cond* c = g_cond_queue.first; c; c = c->next) {
            n += c->type == type && c->obj == obj;
            if (c == g_cond_queue.last)
                break;
        }
        return n;
    }
};

TEST_F(AuxTest, NewPointsTakeTheFirstFreeLetter)
{
    name_points(3);
    g_pro_points[2].name = "X";  // B is free again
    aux_method_start();
    const int p = new_aux_point(9, 103);
    EXPECT_EQ(p, 4);
    EXPECT_EQ(g_npoints, 4);
    EXPECT_EQ(rec(p).name, "B");
    EXPECT_EQ(made(p), "103/9:");
    EXPECT_EQ(rec(new_aux_point(9, 103)).name, "D");
}

TEST_F(AuxTest, AfterTheAlphabetNamesAreNumbered)
{
    statement(26);
    EXPECT_EQ(rec(new_aux_point(1, 116)).name, "A_{0}");
    EXPECT_EQ(rec(new_aux_point(1, 116)).name, "A_{1}");
    // The next proof starts the numbers again.
    statement(26);
    EXPECT_EQ(rec(new_aux_point(1, 116)).name, "A_{0}");
}

TEST_F(AuxTest, FullPointTableIsRefused)
{
    statement(kMaxProPoints);
    EXPECT_EQ(new_aux_point(1, 116), 0);
    EXPECT_EQ(aux_inter_ll(1, A, B, C, D), 0);
    EXPECT_EQ(aux_on_tline(1, A, B, C), 0);
    EXPECT_EQ(g_npoints, kMaxProPoints);
}

TEST_F(AuxTest, BuildersTakeOnlyStatementPoints)
{
    statement(4);
    g_npoints = 5;  // an auxiliary point of an earlier pass
    g_pro_points[5].name = "E";
    g_aux_pass_start = 5;
    EXPECT_EQ(aux_mid(1, A, E), 0);
    EXPECT_EQ(aux_inter_ll(1, A, B, C, E), 0);
    EXPECT_EQ(aux_on_tline(1, E, A, B), 0);
    EXPECT_EQ(aux_mid(1, A, 0), 0);
    EXPECT_EQ(g_npoints, 5);
    EXPECT_EQ(aux_mid(1, A, B), 6);
}

TEST_F(AuxTest, OnePointPerPassExceptIntersectionsAndPerpendiculars)
{
    statement(4);
    EXPECT_EQ(aux_mid(1, A, B), 5);
    EXPECT_EQ(aux_mid(1, A, C), 0);
    EXPECT_EQ(aux_foot(1, A, B, C), 0);
    EXPECT_EQ(aux_inter_lp(1, A, B, C, B, D), 0);
    EXPECT_EQ(aux_inter_ll(1, A, B, C, D), 6);
    EXPECT_EQ(aux_on_tline(1, A, B, C), 7);
}

TEST_F(AuxTest, KnownOrUndefinedPointsAreNotBuiltAgain)
{
    statement(6);
    add_line(0, A, B, E);
    add_line(0, C, D, E);
    add_mid(0, F, A, B);
    add_cir2(0, F, A, B);
    add_pline(0, A, C, B, D);
    Gdd_cir* cir = g_cir_list.first;
    struct Case {
        const char* what;
        std::function<int()> build;
    };
    const Case cases[] = {
        {"lines AB and CD meet in E", [] { return aux_inter_ll(1, A, B, C, D); }},
        {"C lies on line CD", [] { return aux_inter_ll(1, A, C, C, D); }},
        {"one line", [] { return aux_inter_ll(1, A, B, B, E); }},
        {"parallel lines", [] { return aux_inter_ll(1, A, C, B, D); }},
        {"midpoint recorded", [] { return aux_mid(1, B, A); }},
        {"midpoint of a point", [] { return aux_mid(1, A, A); }},
        {"foot of a point on the line", [] { return aux_foot(1, E, A, B); }},
        {"line parallel to the parallel", [] { return aux_inter_lp(1, A, C, E, B, D); }},
        {"second intersection known", [=] { return aux_inter_lc(1, A, B, cir); }},
        {"centre known", [=] { return aux_circumcentre(1, cir); }},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.build(), 0) << c.what;
    EXPECT_EQ(g_npoints, 6);
}

TEST_F(AuxTest, NewFactsAreHypotheses)
{
    statement(4);
    add_mid(0, D, B, C);
    Gdd_cond* premise = add_codb(151, D, B, C, 0);
    const int e = aux_mid(2, A, B);
    ASSERT_EQ(e, 5);
    EXPECT_EQ(g_co_db, premise);
    const Gdd_mid* m = g_mid_list.last;
    EXPECT_EQ(m->m, e);
    EXPECT_EQ(m->reasons, nullptr);
    const Gdd_line* l = fd_ln(A, B);
    ASSERT_NE(l, nullptr);
    EXPECT_TRUE(on_ln(e, l));
    EXPECT_EQ(l->reasons, nullptr);
    EXPECT_EQ(rec(e).pots, pots({A, B}));

    const int f = aux_foot(2, A, B, C);
    EXPECT_EQ(f, 0);  // the pass already added a point
    g_aux_pass_start = g_npoints;
    const int g = aux_foot(2, A, B, C);
    ASSERT_EQ(g, 6);
    EXPECT_TRUE(xcoll(g, B, C));
    EXPECT_TRUE(xperp(g, A, B, C));
    EXPECT_EQ(g_tn_list.last->reasons, nullptr);
}

TEST_F(AuxTest, CircleBuildersExtendTheCircle)
{
    statement(4);
    add_cir2(0, C, A, B);
    Gdd_cir* cir = g_cir_list.first;
    clear_queue();
    const int d = aux_inter_lc(22, A, D, cir);
    ASSERT_EQ(d, 5);
    EXPECT_EQ(made(d), "122/22: A D C A");
    EXPECT_TRUE(on_cir(d, cir));
    EXPECT_TRUE(xcoll(d, A, D));
    EXPECT_EQ(queued(152, cir), 1);

    g_aux_pass_start = g_npoints;
    const int e = aux_inter_pc(22, B, A, D, cir);
    ASSERT_EQ(e, 6);
    EXPECT_EQ(rec(e).pots, pots({B, A, D, C, B}));
    EXPECT_TRUE(on_cir(e, cir));
    EXPECT_TRUE(xpara(e, B, A, D));
}

TEST_F(AuxTest, CircumcentreBecomesTheCentre)
{
    statement(3);
    add_cir3(0, 0, A, B, C);
    Gdd_cir* cir = g_cir_list.first;
    out.clear();
    const int o = aux_circumcentre(25, cir);
    ASSERT_EQ(o, 4);
    EXPECT_EQ(cir->centre, o);
    EXPECT_EQ(made(o), "105/25: A B C");
    EXPECT_EQ(out.text(), "circle[ABC]");
}

TEST_F(AuxTest, NothingToAddLeavesTheCount)
{
    statement(3);
    add_line(0, A, B, C);
    aux_search();
    EXPECT_EQ(g_npoints, 3);
}

// ---- the families -----------------------------------------------------------------------

TEST_F(AuxTest, OrthocenterMakesBothMissingCorners)
{
    statement(4);
    add_tline(0, A, B, C, D);
    add_tline(0, A, C, B, D);
    Gdd_tline* first = g_tn_list.first;
    Gdd_tline* second = g_tn_list.last;
    clear_queue();
    aux_search();
    ASSERT_EQ(g_npoints, 6);
    EXPECT_EQ(made(5), "116/31: C A D B");
    EXPECT_EQ(made(6), "116/31: B A D C");
    EXPECT_TRUE(xcoll(E, A, C));
    EXPECT_TRUE(xcoll(E, B, D));
    EXPECT_TRUE(xcoll(F, A, B));
    EXPECT_TRUE(xcoll(F, C, D));
    EXPECT_EQ(queued(150, second), 1);
    EXPECT_EQ(queued(150, first), 2);
}

TEST_F(AuxTest, TrapezoidMidpointOfTheDiagonal)
{
    statement(6);
    add_mid(0, E, A, B);
    add_line(0, E, A, B);
    add_mid(0, F, C, D);
    add_line(0, F, C, D);
    add_pline(0, A, C, B, D);
    aux_search();
    ASSERT_EQ(g_npoints, 7);
    EXPECT_EQ(made(G), "103/3: C B");
    EXPECT_TRUE(xmid(G, C, B));
    EXPECT_EQ(g_co_db, nullptr);
}

TEST_F(AuxTest, PerpendicularThroughTheCentreHalvesTheChord)
{
    statement(5);
    add_cir2(0, E, B, C);
    add_tline(0, E, A, B, C);
    Gdd_tline* T = g_tn_list.first;
    clear_queue();
    aux_search();
    ASSERT_EQ(g_npoints, 6);
    EXPECT_EQ(made(F), "116/7: B C E A");
    const Gdd_mid* m = g_mid_list.last;
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->m, F);
    EXPECT_EQ(m->lemma, 31);
    ASSERT_NE(m->reasons, nullptr);
    EXPECT_EQ(m->reasons->type, 152);
    ASSERT_NE(m->reasons->next, nullptr);
    EXPECT_EQ(m->reasons->next->type, 150);
    EXPECT_EQ(m->reasons->next->next, nullptr);
    EXPECT_EQ(queued(150, T), 1);
}

TEST_F(AuxTest, BisectorMeetsTheBase)
{
    statement(4);  // D is the vertex
    Gdd_line* da = fadd_ln(D, A);
    Gdd_line* dc = fadd_ln(D, C);
    Gdd_line* db = fadd_ln(D, B);
    add_ea_ln(0, da, dc, dc, db);
    add_ae_pt(0, A, C, D, D, C, B);
    aux_search();
    ASSERT_EQ(g_npoints, 5);
    EXPECT_EQ(made(E), "116/18: A B D C");
    EXPECT_TRUE(xmid(E, A, B));
    EXPECT_TRUE(xcir_2p(D, A, B));
    EXPECT_EQ(g_mid_list.last->lemma, 33);
}

TEST_F(AuxTest, TransversalOfParallelsGetsItsMissingCrossing)
{
    statement(6);
    add_pline(0, A, B, C, D);
    add_line(0, A, E, C);
    add_line(0, B, E, D);
    add_line(0, A, B, F);
    new_ln(E, F);
    Gdd_pline* cls = g_pn_list.first;
    clear_queue();
    aux_search();
    ASSERT_EQ(g_npoints, 7);
    EXPECT_EQ(made(G), "116/26: E F C D");
    EXPECT_TRUE(xcoll(G, E, F));
    EXPECT_TRUE(xcoll(G, C, D));
    EXPECT_EQ(queued(149, cls), 1);
}

TEST_F(AuxTest, RadiusWithATangentGetsItsDiameter)
{
    statement(5);
    add_cir3(0, D, A, B, C);
    add_tline(0, D, E, D, A);
    Gdd_cir* cir = g_cir_list.first;
    clear_queue();
    aux_search();
    ASSERT_EQ(g_npoints, 6);
    EXPECT_EQ(made(F), "122/23: A D D A");
    EXPECT_TRUE(on_cir(F, cir));
    EXPECT_TRUE(xcoll(F, A, D));
}

TEST_F(AuxTest, FootOnALineThroughTheRightAngle)
{
    statement(4);
    add_tline(0, A, B, A, C);
    new_ln(B, D);
    new_ln(B, C);
    aux_search();
    ASSERT_EQ(g_npoints, 5);
    EXPECT_EQ(made(E), "102/12: C B D");
    EXPECT_TRUE(xcoll(E, B, D));
    EXPECT_TRUE(xperp(E, C, B, D));
}

}  // namespace
}  // namespace gddtest
