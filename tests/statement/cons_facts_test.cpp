// Hypothesis facts (mode 5): each construction states its facts in the fact
// database.

#include <functional>
#include <string>

#include "facts/gdd.h"
#include "sem_fixture.h"

namespace {

using ConsFactsTest = SemanticsTest;

constexpr int A = 1, B = 2, C = 3, D = 4, E = 5, F = 6, X = 7;

struct FactCase {
    std::string_view line;                 // a construction of X over A..F
    std::function<bool()> holds;           // its facts, asked through the fact tests
};

TEST_F(ConsFactsTest, FactsByKind)
{
    const FactCase cases[] = {
        {"FOOT X A B C;", [] { return xcoll(X, B, C) && xperp(X, A, B, C); }},
        {"MIDPOINT X A B;", [] { return xmid(X, A, B) && xcoll(X, A, B); }},
        {"CIRCUMCENTER X A B C;", [] { return xcir_3p(X, A, B, C); }},
        {"ORTHOCENTER X A B C;", [] { return xperp(X, A, B, C) && xperp(X, B, A, C) && xperp(X, C, B, A); }},
        {"INCENTER X A B C;",  // A B I: ABX has incentre I (= C)
         [] { return xacong(B, A, C, C, A, X) && xacong(A, B, C, C, B, X) && xacong(A, X, C, C, X, B); }},
        {"EQ_TRIANGLE X A B;",
         [] {
             return xcir_2p(X, A, B) && xcir_2p(A, B, X) && xcir_2p(B, A, X) && xacong(X, A, B, A, B, X) &&
                    xacong(A, B, X, B, X, A);
         }},
        {"ON_LINE X A B;", [] { return xcoll(X, A, B); }},
        {"ON_PLINE X A B C;", [] { return xpara(X, A, B, C); }},
        {"ON_TLINE X A B C;", [] { return xperp(X, A, B, C); }},
        {"ON_CIRCLE X A B;", [] { return xcir_2p(A, X, B); }},
        {"ON_ALINE X A B C D E;", [] { return xacong(X, A, B, C, D, E); }},
        {"INTERSECTION_LL X A B C D;", [] { return xcoll(X, A, B) && xcoll(X, C, D); }},
        {"INTERSECTION_LP X A B C D E;", [] { return xcoll(X, A, B) && xpara(X, C, D, E); }},
        {"INTERSECTION_LT X A B C D E;", [] { return xcoll(X, A, B) && xperp(X, C, D, E); }},
        {"INTERSECTION_PP X A B C D E F;", [] { return xpara(X, A, B, C) && xpara(X, D, E, F); }},
        {"INTERSECTION_PT X A B C D E F;", [] { return xpara(X, A, B, C) && xperp(X, D, E, F); }},
        {"INTERSECTION_TT X A B C D E F;", [] { return xperp(X, A, B, C) && xperp(X, D, E, F); }},
        {"INTERSECTION_LC X A B C D;", [] { return xcoll(X, A, B) && xcir_2p(C, X, D) && !xmid(C, X, D); }},
        // A line through the centre: the other end of the diameter.
        {"INTERSECTION_LC X A B A B;", [] { return xmid(A, X, B); }},
        {"INTERSECTION_LC X B A A B;", [] { return xmid(A, X, B); }},
        {"INTERSECTION_TC X A B C D E;", [] { return xperp(X, A, B, C) && xcir_2p(D, X, E); }},
        {"INTERSECTION_CC X A B C D;", [] { return xcir_2p(A, X, B) && xcir_2p(C, X, D); }},
        {"INTERSECTION_LR X A B C D E;", [] { return xcoll(X, A, B) && xcong(C, X, D, E); }},
        {"SYM X A B;", [] { return xcoll(X, A, B) && xmid(A, X, B); }},
        {"PSQUARE X A B;", [] { return xperp(X, A, A, B) && xcir_2p(A, X, B); }},
        {"NSQUARE X A B;", [] { return xperp(X, A, A, B) && xcir_2p(A, X, B); }},
        // The constructions that the reader used to keep without meaning.
        {"REFLECTION X A B C;", [] { return xcir_2p(B, X, A) && xcir_2p(C, X, A) && xperp(X, A, B, C); }},
        {"INTERSECTION_PC X A B C D E;", [] { return xpara(X, A, B, C) && xcir_2p(D, X, E); }},
        {"INTERSECTION_CR X A B C D E;", [] { return xcir_2p(A, X, B) && xcong(C, X, D, E); }},
        {"INTERSECTION_RR X A B C D E F;", [] { return xcong(A, X, B, C) && xcong(D, X, E, F); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        read_stm("POINT A B C D E F;\n" + std::string(c.line), "NO.");
        ASSERT_EQ(g_abort, 0) << out();
        ASSERT_EQ(pt("X"), X);
        free_gdd();
        EXPECT_FALSE(c.holds());
        do_cons(cgeo::kFacts, X);
        EXPECT_TRUE(c.holds());
    }
}

TEST_F(ConsFactsTest, KindsWithoutFacts)
{
    read_stm("POINT A B C;\nCENTROID G A B C;\nINVERSION I A B C;\nLRATIO R A B 1 2;\nON_BLINE M A B;", "NO.");
    ASSERT_EQ(g_abort, 0) << out();
    free_gdd();
    do_cons_from(cgeo::kFacts, 1);
    EXPECT_TRUE(g_ln_list.empty());
    EXPECT_TRUE(g_cir_list.empty());
    EXPECT_TRUE(g_cond_queue.empty());
}

TEST_F(ConsFactsTest, HypothesisPredicatesStateTheirFacts)
{
    read_stm("POINT A B C D E F;\nCOLLINEAR A B C;\nPARALLEL A B D E;\nPERPENDICULAR A C E F;\n"
             "EQDISTANCE A D B E;\nEQANGEL A B D C E F;\nCOCIRCLE B D E F;",
             "NO.");
    ASSERT_EQ(g_abort, 0) << out();
    free_gdd();
    do_cons_from(cgeo::kFacts, 1);
    EXPECT_TRUE(xcoll(A, B, C));
    EXPECT_TRUE(xpara(A, B, D, E));
    EXPECT_TRUE(xperp(A, C, E, F));
    EXPECT_TRUE(xcong(A, D, B, E));
    EXPECT_TRUE(xacong(A, B, D, C, E, F));
    EXPECT_TRUE(xcir_4p(0, B, D, E, F));
    // The predicate records ("x") never take part as points.
    for (int i = 7; i <= g_npoints; ++i)
        for (int p = A; p <= F; ++p)
            EXPECT_EQ(fd_ln(i, p), nullptr);
}

}  // namespace
