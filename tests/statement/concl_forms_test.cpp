// The conclusion as read (its kind and the order of its slots) and its
// forms: keyword (mode 3), statement (mode 4), sentence (mode 9), and its
// database test (mode 6).

#include <array>
#include <string>

#include "facts/gdd.h"
#include "sem_fixture.h"

namespace {

using ConclFormsTest = SemanticsTest;

constexpr std::string_view kPoints = "POINT A B C D E F G H;";

struct ConclCase {
    std::string_view show;       // the conclusion as read
    std::int32_t kind;
    std::array<std::uint32_t, 8> slots;
    std::string_view keyword;    // mode 3
    std::string_view statement;  // mode 4
    std::string_view sentence;   // mode 9
};

TEST_F(ConclFormsTest, FormsByKind)
{
    const ConclCase cases[] = {
        {"COLLINEAR A B C.", 148, {1, 2, 3},
         "COLL A B C.\r\n", "SHOW:  COLLINEAR A B C.\r\n", "SHOW:A, B, CCOLL."},
        {"PARALLEL A B C D.", 149, {1, 2, 3, 4},
         "PARA A B C D.\r\n", "SHOW: PARALLEL A B C D.\r\n", "SHOW:AB parallel toCD."},
        {"PERPENDICULAR A B C D.", 150, {1, 2, 3, 4},
         "PERP A B C D.\r\n", "SHOW: PERPENDICULAR A B C D.\r\n",
         "SHOW:AB perpendicular toCD."},
        {"MIDPOINT A B C.", 151, {1, 2, 3},
         "MIDPOINT A B C.\r\n", "SHOW:  MIDPOINT A B C.\r\n", "SHOW:A isBC midpoint."},
        {"COCIRCLE A B C D.", 152, {0, 1, 2, 3, 4},
         "COCIRCLE A B C D.\r\n", "SHOW:  COCIRCLE A B C D.\r\n", "SHOW:A, B, C, DCOCIRCLE."},
        {"EQDISTANCE A B C D.", 153, {1, 2, 3, 4},
         "CONG A B C D.\r\n", "SHOW: EQDISTANCE A B C D.\r\n", "SHOW:AB = CD."},
        // Stored as A B B C D E E F: the written order comes back.
        {"EQANGEL A B C D E F.", 154, {1, 2, 2, 3, 4, 5, 5, 6},
         "ACONG A B C D E F.\r\n", "SHOW: EQANGEL A B C D E F.\r\n",
         "SHOW: \u2220ABC =  \u2220DEF."},
        // Stored as A B E F G H C D.
        {"EQ_PRODUCT A B C D E F G H.", 155, {1, 2, 5, 6, 7, 8, 3, 4},
         "EQ_PRODUCT A B C D E F G H.\r\n",
         "SHOW: EQ_PRODUCT A B C D E F G H.\r\n", "SHOW:AB * CD = EF * GH."},
        {"TANGENT A B C D.", 156, {1, 2, 3, 4},
         "TANGENT A B C D.\r\n", "SHOW: TANGENT A B C D.\r\n", "SHOW: two circles AB, CD tangent."},
        {"NO.", concl_kind::kNone, {},
         ".\r\n", "SHOW: NO.\r\n", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.show);
        g_concl.p.fill(7);
        read_stm(kPoints, c.show);
        ASSERT_EQ(out(), "");
        EXPECT_EQ(g_npoints, 8);
        EXPECT_EQ(g_concl.type, c.kind);
        EXPECT_EQ(g_concl.p, c.slots);
        EXPECT_EQ(concl_out(cgeo::kPredicate), c.keyword);
        EXPECT_EQ(concl_out(cgeo::kNonDegenerate), c.statement);
        EXPECT_EQ(concl_out(cgeo::kDrawing), c.sentence);
        // The statement form reads back as the same conclusion.
        const Gdd_cond first = g_concl;
        read("EXAMPLE t\nHYPOTHESES:\n" + std::string(kPoints) + "\n" + concl_statement_text());
        ASSERT_EQ(g_abort, 0) << out();
        EXPECT_EQ(g_concl.type, first.type);
        EXPECT_EQ(g_concl.p, first.p);
    }
}

TEST_F(ConclFormsTest, KindsWithoutAKeywordOfTheReader)
{
    read_stm(kPoints, "NO.");
    g_concl.p = {1, 2, 3, 4, 5, 6, 0, 0};
    g_concl.type = 236;
    EXPECT_EQ(concl_out(cgeo::kPredicate), "CON_TRIANGLE\u00CE A B C D E F.\r\n");
    EXPECT_EQ(concl_out(cgeo::kNonDegenerate), "SHOW: CON_TRIANGLE\u00CE A B C D E F.\r\n");
    EXPECT_EQ(concl_out(cgeo::kDrawing), "");
    g_concl.type = 237;
    EXPECT_EQ(concl_out(cgeo::kPredicate), "SIM_TRIANGLE A B C D E F.\r\n");
    g_concl.type = 157;
    EXPECT_EQ(concl_out(cgeo::kPredicate), "HARMONIC_PAIR A B C D.\r\n");
    EXPECT_EQ(concl_out(cgeo::kNonDegenerate), "SHOW: HARMONIC_PAIR A B C D.\r\n");
    g_concl.type = 158;
    EXPECT_EQ(concl_out(cgeo::kPredicate), "Positive triangle A B C.\r\n");
    EXPECT_EQ(concl_out(cgeo::kNonDegenerate), "SHOW:  Positive triangle A B C.\r\n");
    g_concl.type = 0;
    EXPECT_EQ(concl_out(cgeo::kNonDegenerate), "SHOW: NO.\r\n");
}

TEST_F(ConclFormsTest, EquationSidesArePrintedAsPolynomials)
{
    read_stm("POINT A B C;", "x = 2.");
    ASSERT_EQ(g_abort, 0) << out();
    ASSERT_EQ(g_concl.type, concl_kind::kEquation);
    EXPECT_EQ(concl_out(cgeo::kPredicate), "x = 2.\r\n");
    EXPECT_EQ(concl_out(cgeo::kNonDegenerate), "SHOW: x = 2.\r\n");
    EXPECT_EQ(concl_out(cgeo::kDrawing), "");
}

TEST_F(ConclFormsTest, UnknownKindIsReported)
{
    read_stm(kPoints, "NO.");
    g_concl.type = 999;
    clear_output();
    do_concl(cgeo::kPredicate);
    EXPECT_EQ(out(), error_text("999 is not a proper predicate."));
    EXPECT_EQ(g_abort, 1);
}

TEST_F(ConclFormsTest, DatabaseTest)
{
    read_stm("POINT A B C D E F G H;\nON_LINE X A B;\nFOOT Y C A B;", "COLLINEAR A B X.");
    ASSERT_EQ(g_abort, 0) << out();
    EXPECT_EQ(do_concl_w(), 0);  // nothing entered yet
    do_cons_from(cgeo::kFacts, 1);
    EXPECT_NE(do_concl_w(), 0);
    // Another fact tested in the conclusion's place; the conclusion stays.
    Gdd_cond fact;
    fact.type = 150;
    fact.p = {static_cast<std::uint32_t>(pt("C")), static_cast<std::uint32_t>(pt("Y")), 1, 2, 0, 0, 0, 0};
    const Gdd_cond before = g_concl;
    EXPECT_NE(do_concl_of(fact), 0);
    fact.p = {3, 4, 1, 2, 0, 0, 0, 0};
    EXPECT_EQ(do_concl_of(fact), 0);
    EXPECT_EQ(g_concl.type, before.type);
    EXPECT_EQ(g_concl.p, before.p);
    // Kinds the database cannot hold answer "not in the database".
    for (int kind : {156, 157, 158, concl_kind::kEquation, concl_kind::kNone}) {
        SCOPED_TRACE(kind);
        g_concl.type = kind;
        EXPECT_EQ(do_concl(cgeo::kStatement), 0);
    }
    EXPECT_EQ(g_abort, 0);
}

}  // namespace
