// Showing the database: record forms, listings, counts and the menu.

#include "proof_fixture.h"

#include "gdd/gdd_display.h"

namespace gddproof {
namespace {

using DisplayTest = ProofTest;

TEST_F(DisplayTest, RecordFormsInTextAndLatex)
{
    add_line(0, A, B, C);
    add_tline(0, A, B, D, E);
    add_cir3(0, O, A, B, C);
    add_cir3(0, 0, D, E, F);
    add_mid(0, M, A, B);
    add_cong(0, 0, A, B, C, D);
    add_cong(0, 0, A, B, E, F);
    Gdd_ra* r = add_ra(0, 0, A, C, B, D, E, G, F, H);
    const Gdd_cir* centred = g_cir_list.first;
    const Gdd_cir* plain = g_cir_list.last;

    struct Case {
        std::function<void()> print;
        const char* text;
        const char* latex;
    };
    const Case cases[] = {
        {[] { show_line(g_ln_list.first, true); }, "A ,B ,C lines\r\n", "$A ,B ,C $lines\r\n"},
        {[] { show_line(g_ln_list.first, false); }, "A ,B ,C ", "$A ,B ,C $"},
        {[] { show_line(nullptr, true); }, "circles in the databse.", "circles in the databse."},
        {[] { show_tline(g_tn_list.first); }, "perp[A ,B ,C ; D ,E ]", "perp$[$A ,B ,C $; $D ,E $]$"},
        {[=] { show_cir(centred); }, "circle[(O)ABC]", "circle[$(O)ABC]$"},
        {[=] { show_cir(plain); }, "circle[DEF]", "circle$[DEF]$"},
        {[] { show_mid(g_mid_list.first); }, "midpoints\r\n[M,AB]", "midpoints\r\n[M,AB]"},
        {[] { show_cg(g_cg_list.last); }, "AB = EF = CD ", "$AB = EF = CD $"},
        {[=] { show_ratio(r); }, "AC*FH = BD*EG", "$AC*FH = BD*EG$"},
    };
    for (const Case& c : cases) {
        g_latex = 0;
        out.clear();
        c.print();
        EXPECT_EQ(out.text(), c.text);
        g_latex = 1;
        out.clear();
        c.print();
        EXPECT_EQ(out.text(), c.latex);
    }
}

TEST_F(DisplayTest, ClassesAnglesAndTriangles)
{
    add_pline(0, A, B, C, D);
    out.clear();
    show_pline(g_pn_list.first);
    EXPECT_EQ(out.text(), "plines[A ,B ; C ,D ]");

    Gdd_ea* e = g_ea_list.append();
    e->state = kNew;
    e->l1 = fd_ln(A, B);
    e->l2 = fd_ln(C, D);
    e->l3 = fadd_ln(E, F);
    e->l4 = fadd_ln(G, H);
    out.clear();
    show_ea(e);
    show_ea(nullptr);
    EXPECT_EQ(out.text(), "\u2220[AB,CD] = \u2220[EF,GH]");

    add_stri(0, -1, A, B, C, D, E, F);
    out.clear();
    show_sim(g_st_list.first);
    EXPECT_EQ(out.text(), "similar triangles[1,ABC] [-1,DEF] ");
    g_latex = 1;
    out.clear();
    show_con(g_st_list.first);
    EXPECT_EQ(out.text(), "congruent triangles$[1,ABC] [-1,DEF] $");
}

TEST_F(DisplayTest, StateNumbersOnlyWhileTheFlagIsSet)
{
    add_tline(0, A, B, C, D);
    add_cong(0, 0, A, B, C, D);
    g_show_state = 1;
    out.clear();
    show_tline(g_tn_list.first);
    show_cg(g_cg_list.first);
    show_line(g_ln_list.first, false);
    EXPECT_EQ(out.text(), "[2]perp[[1]A ,B ; [1]C ,D ]congruent segments[2]:AB = CD [1]A ,B ");
    g_show_state = 0;
}

TEST_F(DisplayTest, ListingsFilterCountAndHead)
{
    add_line(0, A, B, C);
    new_ln(D, E);  // two points: not listed
    add_line(0, F, G, H);
    g_ln_list.last->state = kDead;  // merged away lines are still listed
    out.clear();
    show_lines(0);
    EXPECT_EQ(out.text(),
              "\r\n\r\nThe configuration contains the following lines\r\n\r\n"
              "A ,B ,C \r\nF ,G ,H \r\nThere are 2 group(s)lines\r\n");
    EXPECT_EQ(g_show_count, 2);

    add_tline(0, A, B, D, E);
    add_tline(0, F, G, I, J);
    g_tn_list.last->state = kDead;  // merged away pairs are not
    out.clear();
    show_tlines(0);
    EXPECT_EQ(out.text(),
              "\r\n\r\nThe configuration contains the following perp lines\r\n\r\n"
              "perp[A ,B ,C ; D ,E ]\r\nThere are 1 pair of perpendicular lines\r\n");
}

TEST_F(DisplayTest, ListWhoseRecordsAllFailTheFilterShowsOnlyItsHeading)
{
    add_cir2(0, O, A, B);
    g_cir_list.first->state = kDead;
    out.clear();
    show_cirs(0);
    EXPECT_EQ(out.text(), "\r\n\r\nThe configuration contains the following circles\r\n\r\n");
    EXPECT_EQ(g_show_count, 0);
}

TEST_F(DisplayTest, CountLinesKeepTheirOwnSpacing)
{
    add_cir2(0, O, A, B);
    add_pline(0, A, B, C, D);
    add_mid(0, M, A, B);
    add_cong(0, 0, A, B, C, D);
    struct Case {
        void (*list)(int);
        const char* tail;
    };
    const Case cases[] = {
        {show_cirs, "There are 1 circles in the databse."},
        {show_plines, "There are 1 sets of parallel lines\r\n"},
        {show_mids, "There are 1 midpoints\r\n"},
        {show_congs, "There are 1 congruent segments\r\n"},
    };
    for (const Case& c : cases) {
        out.clear();
        c.list(0);
        const std::string text = out.text();
        ASSERT_GE(text.size(), std::string(c.tail).size());
        EXPECT_EQ(text.substr(text.size() - std::string(c.tail).size()), c.tail);
    }
}

TEST_F(DisplayTest, ReasonsJoinTwoWithAndMoreWithCommas)
{
    add_line(0, A, B, C);
    add_codb(148, A, B, C, 0);
    add_codb(150, A, B, C, D);
    add_mid(5, M, A, B);
    add_codb(153, A, B, C, D);
    add_mid(6, N, A, B);
    next_cond();
    next_cond();
    next_cond();
    out.clear();
    show_reasons(g_mid_list.first->reasons);
    EXPECT_EQ(out.text(), "       because AB \u22A5 CD and A,B,Clines\r\n.\r\n");
    out.clear();
    show_reasons(g_mid_list.last->reasons);
    EXPECT_EQ(out.text(), "       because AB = CD, AB \u22A5 CD, A,B,Clines\r\n.\r\n");
    out.clear();
    show_reasons(nullptr);
    EXPECT_EQ(out.text(), "");

    out.clear();
    show_mids(1);
    EXPECT_EQ(out.text(),
              "\r\n\r\nThe configuration contains the following midpoints\r\n\r\n"
              "midpoints\r\n[M,AB]\r\n       because AB \u22A5 CD and A,B,Clines\r\n.\r\n"
              "midpoints\r\n[N,AB]\r\n       because AB = CD, AB \u22A5 CD, A,B,Clines\r\n.\r\n"
              "There are 2 midpoints\r\n");
}

TEST_F(DisplayTest, MenuShowsEmptyListMessages)
{
    struct Case {
        int id;
        const char* message;
    };
    const Case cases[] = {
        {302, "\r\nThere is no collinear relation in the GDB.\r\n"},
        {303, "\r\nThere is no paralell relation in the GDB.\r\n"},
        {304, "\r\nThere is no perpendicular relation in the GDB.\r\n"},
        {309, "\r\nThere is no circle in the GDB.\r\n"},
        {310, "\r\nThere is no equal segments in the GDB.\r\n"},
        {311, "\r\nThere is no equal angle in the GDB.\r\n"},
        {312, "\r\nThere is no midpoint relation in the GDB.\r\n"},
        {313, "\r\nThere is no similar triangle in the GDB.\r\n"},
        {314, "\r\nThere is no contruent triangle in the GDB.\r\n"},
        {331, "\r\nThere is no equal ratio in the GDB.\r\n"},
        {341, "\r\nSize of the GDD\r\nThe database is empty\r\n"},
        {346, ""},
    };
    for (const Case& c : cases) {
        out.clear();
        EXPECT_TRUE(gdd_show_command(c.id));
        EXPECT_EQ(out.text(), c.message) << c.id;
    }
    EXPECT_FALSE(gdd_show_command(343));
}

TEST_F(DisplayTest, MenuListsANonEmptyListAndClearsTheFlags)
{
    add_mid(0, M, A, B);
    g_latex = 1;
    g_show_state = 1;
    out.clear();
    EXPECT_TRUE(gdd_show_command(312));
    EXPECT_EQ(out.text(),
              "\r\n\r\nThe configuration contains the following midpoints\r\n\r\nmidpoints\r\n[M,AB]\r\n"
              "There are 1 midpoints\r\n");
    EXPECT_EQ(g_latex, 0);
    EXPECT_EQ(g_show_state, 0);
}

TEST_F(DisplayTest, WholeDatabaseUnderItsBanner)
{
    add_mid(0, M, A, B);
    add_cong(0, 0, A, B, C, D);
    out.clear();
    EXPECT_TRUE(gdd_show_command(342));
    const std::string text = out.text();
    EXPECT_EQ(text.rfind("\r\n***************************************\r\n"
                         "***  The Geometry Information  Base ***"
                         "\r\n***************************************\r\n",
                         0),
              0u);
    const auto mid = text.find("following midpoints");
    const auto cong = text.find("following congruent segments");
    ASSERT_NE(mid, std::string::npos);
    ASSERT_NE(cong, std::string::npos);
    EXPECT_LT(mid, cong);
    EXPECT_EQ(text.find("following lines"), std::string::npos);
}

TEST_F(DisplayTest, SizeCountsAndWeightsEachKind)
{
    add_mid(0, M, A, B);          // weight 2
    add_line(0, A, B, C);
    add_line(0, A, B, D);         // four points, n = 3: 2 * 3 * 4 = 24
    add_tline(0, E, F, G, H);     // two-point lines: 2 * 1*2 * 1*2 = 8
    new_ln(I, J);                 // two points: not counted
    out.clear();
    show_gdd_size(1);
    EXPECT_EQ(out.text(),
              "midp: 1\r\ncoll: 1\r\nperp: 1\r\n"
              "\r\n\r\nThe database contains 3(34) geometric relations\r\n\r\n");
    out.clear();
    show_gdd_size(0);
    EXPECT_EQ(out.text(), "\r\n\r\nThe database contains 3(34) geometric relations\r\n\r\n");
}

TEST_F(DisplayTest, SizeWeightsOfClassesCirclesAnglesAndRatios)
{
    add_pline(0, A, B, C, D);     // 2 * 1*2 * 1*2 = 8
    add_cir4(0, O, A, B, C, D);   // n = 3: 1 * 2 * 3 * 4 = 24
    add_cong(0, 0, A, B, C, D);   // n = 1: 4 * 1 * 2 = 8
    // AB sits in a group of two, the other segments in none: 256 * 2.
    Gdd_ra* r = add_ra(0, 0, A, B, E, F, G, H, I, J);
    ASSERT_TRUE(r->live());
    out.clear();
    show_gdd_size(1);
    EXPECT_EQ(out.text(),
              "para: 1\r\ncyclic: 1\r\ncongruent segments 1\r\neqratio: 1\r\n"
              "\r\n\r\nThe database contains 4(552) geometric relations\r\n\r\n");
}

}  // namespace
}  // namespace gddproof
