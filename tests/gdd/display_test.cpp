// Showing the database where the golden corpus does not: filtered listings, counts and the menu.

#include "facts/gdd_fixture.h"

#include "gdd/gdd_display.h"

namespace gddtest {
namespace {

using DisplayTest = GddTest;

TEST_F(DisplayTest, ListWhoseRecordsAllFailTheFilterShowsOnlyItsHeading)
{
    add_cir2(0, O, A, B);
    g_cir_list.first->state = kDead;
    out.clear();
    show_cirs(0);
    EXPECT_EQ(out.text(), "\r\n\r\nThe configuration contains the following circles\r\n\r\n");
    EXPECT_EQ(g_show_count, 0);
}

// A rule states a circle without its centre (inscribed angles need none), or
// with a centre no record holds: the reasons name the centre the fact or
// the record that held it has, in text and in LaTeX.
TEST_F(DisplayTest, CircleReasonsNameTheirCentres)
{
    add_cir4(0, O, A, B, C, D);
    add_codb(152, 0, A, B, C, D);
    add_codb(152, P, E, F, G);
    add_codb(152, 0, E, F, G, H);
    add_mid(7, M, I, J);
    for (int i = 0; i < 3; ++i)
        next_cond();
    const char* const expected[] = {
        "       because cyclic:[E,F,G,H], cyclic:[(P)E,F,G], cyclic:[(O)A,B,C,D].\r\n",
        "       because cyclic:[$E,F,G,H$], cyclic:[$(P)E,F,G$], cyclic:[$(O)A,B,C,D$].\r\n",
    };
    for (int latex = 0; latex < 2; ++latex) {
        g_latex = static_cast<std::uint8_t>(latex);
        out.clear();
        show_reasons(g_mid_list.first->reasons);
        EXPECT_EQ(out.text(), expected[latex]);
    }
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
}  // namespace gddtest
