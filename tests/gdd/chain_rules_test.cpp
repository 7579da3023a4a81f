// Deduction rules firing on small hand-built databases: hypothesis facts
// entered through the adders, the queue run to its fixpoint by forward.

#include <algorithm>

#include "facts/gdd_fixture.h"
#include "gdd/forward.h"

namespace gddtest {
namespace {

class RulesTest : public GddTest {
protected:
    // The records of a list with the given rule number.
    template <class T>
    static std::vector<T*> by_lemma(const Gdd_list<T>& list, int lemma)
    {
        std::vector<T*> v;
        for (T* r : list)
            if (r->lemma == lemma)
                v.push_back(r);
        return v;
    }
};

// ---- parallels, perpendiculars, midpoints ------------------------------------------------

TEST_F(RulesTest, CommonMidpointOfTwoSegmentsMakesAParallelogram)
{
    add_mid(0, M, A, C);
    add_line(0, M, A, C);
    add_mid(0, M, B, D);
    add_line(0, M, B, D);
    forward();
    EXPECT_TRUE(xpara(A, B, C, D));
    EXPECT_TRUE(xpara(A, D, B, C));
    EXPECT_FALSE(by_lemma(g_pn_list, 36).empty());
    // Opposite sides of the parallelogram come out equal.
    EXPECT_TRUE(xcong(A, B, C, D));
    EXPECT_TRUE(xcong(A, D, B, C));
}

TEST_F(RulesTest, TrapezoidMidlineOnlyInTheFullAngleMethod)
{
    // m, n the midpoints of the legs AD and BC of the trapezoid ABCD, AB
    // parallel to DC (so a = A, b = D, a' = B, b' = C: AA' = AB, BB' = DC).
    add_pline(0, A, B, D, C);
    add_mid(0, M, A, D);
    add_mid(0, N, B, C);
    Gdd_mid* md = g_mid_list.last;
    clear_queue();
    search_md(md);
    EXPECT_FALSE(xpara(M, N, A, B));
    g_fa_stage = 1;
    search_md(md);
    EXPECT_TRUE(xpara(M, N, A, B));
}

// ---- circles ------------------------------------------------------------------------------

TEST_F(RulesTest, DiameterMakesTheCentreAMidpointAndRightAnglesOnTheCircle)
{
    add_line(0, O, A, B);
    add_cir3(0, O, A, B, K);
    forward();
    EXPECT_TRUE(xmid(O, A, B));
    EXPECT_TRUE(xperp(A, K, B, K));
    EXPECT_FALSE(by_lemma(g_mid_list, 54).empty());
    EXPECT_FALSE(by_lemma(g_tn_list, 53).empty());
}

TEST_F(RulesTest, TangentChordAngleEqualsTheInscribedAngle)
{
    add_cir3(0, O, A, B, C);
    add_tline(0, L, A, A, O);
    forward();
    // [TA, AB] = [AC, CB].
    EXPECT_TRUE(xacong(L, A, B, A, C, B));
}

// ---- congruent segments and triangles -------------------------------------------------------

TEST_F(RulesTest, EqualSegmentsFromOnePointOnALineMakeItTheMidpoint)
{
    add_line(0, P, A, B);
    add_cong(0, 0, P, A, P, B);
    forward();
    EXPECT_TRUE(xmid(P, A, B));
    EXPECT_FALSE(xcir_2p(P, A, B));
}

TEST_F(RulesTest, EqualSegmentsFromOnePointOffALineMakeItACentre)
{
    add_cong(0, 0, P, A, P, C);
    forward();
    EXPECT_TRUE(xcir_2p(P, A, C));
    EXPECT_FALSE(xmid(P, A, C));
}

TEST_F(RulesTest, SimilarTrianglesWithACongruentSideAreCongruentAndGiveNoRatios)
{
    g_tri_mode = 0;
    add_stri(0, 1, A, B, C, D, E, F);
    add_cong(0, 0, A, B, D, E);
    forward();
    EXPECT_TRUE(xcon(A, B, C, D, E, F));
    EXPECT_TRUE(xcong(A, C, D, F));
    EXPECT_TRUE(xcong(B, C, E, F));
    EXPECT_TRUE(by_lemma(g_ra_list, 77).empty());
}

TEST_F(RulesTest, CongruentTrianglesAndPlainRatiosStartNoRule)
{
    g_tri_mode = 1;
    add_stri(0, 1, A, B, C, D, E, F);
    Gdd_tri* S = g_ct_list.last;
    Gdd_ra* R = add_ra(0, 0, A, B, C, D, E, F, G, H);
    clear_queue();
    const auto sizes = [] {
        return std::vector<std::size_t>{g_ln_list.size(), g_pn_list.size(), g_cg_list.size(), g_ra_list.size(),
                                        g_st_list.size(), g_ct_list.size(), g_ea_list.size()};
    };
    const auto before = sizes();
    search_ct(S);
    search_ra(R);
    EXPECT_EQ(sizes(), before);
    EXPECT_TRUE(g_cond_queue.empty());
}

TEST_F(RulesTest, MirrorImagesInASharedSideCountAsOneTriangle)
{
    // C and D mirror images in AB: CD perpendicular to AB, or equidistant
    // from A.
    add_tline(0, C, D, A, B);
    EXPECT_TRUE(same_tri(A, B, C, A, B, D));
    EXPECT_TRUE(same_tri(A, B, C, B, A, C));  // the same vertices
    EXPECT_FALSE(same_tri(A, B, E, A, B, F));
    add_cir2(0, A, E, F);
    EXPECT_TRUE(same_tri(A, B, E, A, B, F));
    EXPECT_FALSE(same_tri(A, B, E, B, A, F));  // corresponding vertices differ
    EXPECT_EQ(tri_idx(B, A, B, C), 2);
    EXPECT_EQ(tri_idx(D, A, B, C), 0);
}

TEST_F(RulesTest, TwoEqualAnglesMakeSimilarTriangles)
{
    // Triangles PAB and QCD with [PA, PB] = [QC, QD] and [AP, AB] = [CQ, CD].
    add_ae_pt(0, A, P, B, C, J, D);
    add_ae_pt(0, P, A, B, J, C, D);
    forward();
    EXPECT_TRUE(xsim(P, A, B, J, C, D));
    // The third angles are equal too.
    EXPECT_TRUE(xacong(P, B, A, J, D, C));
}

// ---- equal angles -------------------------------------------------------------------------

TEST_F(RulesTest, EqualInscribedAnglesMakeFourPointsConcyclic)
{
    add_ae_pt(0, A, P, B, A, J, B);
    forward();
    EXPECT_TRUE(xcir_4p(0, A, B, P, J));
}

TEST_F(RulesTest, AngleBisectorDividesTheOppositeSideInTheRatioOfTheSides)
{
    add_line(0, A, M, B);
    add_ae_pt(0, A, P, M, M, P, B);
    forward();
    EXPECT_TRUE(xratio(P, A, P, B, M, A, M, B));
}

TEST_F(RulesTest, EqualBaseAnglesMakeAnIsoscelesTriangle)
{
    // [XP, PQ] = [PQ, QX]: XP = XQ (rule 23).
    add_ae_pt(0, K, P, J, P, J, K);
    forward();
    EXPECT_TRUE(xcir_2p(K, P, J));
}

// ---- the steps of an empty queue -----------------------------------------------------------

TEST_F(RulesTest, RatioWithACongruentPairBecomesACongruence)
{
    Gdd_ra* R = add_ra(0, 0, A, B, C, D, E, F, G, H);
    forward();
    add_cong(0, 0, A, B, C, D);
    forward();
    EXPECT_EQ(R->state, kDead);
    EXPECT_TRUE(xcong(E, F, G, H));
    EXPECT_FALSE(by_lemma(g_cg_list, 71).empty());
}

// ---- the chaining itself --------------------------------------------------------------------

TEST_F(RulesTest, FixpointIsStable)
{
    add_cir3(0, O, A, B, C);
    add_mid(0, M, A, B);
    add_line(0, M, A, B);
    add_tline(0, D, A, B, C);
    forward();
    EXPECT_TRUE(g_cond_queue.empty());
    const std::vector<std::size_t> sizes{g_ln_list.size(), g_pn_list.size(), g_tn_list.size(), g_cir_list.size(),
                                         g_mid_list.size(), g_ea_list.size(), g_cg_list.size(), g_ra_list.size()};
    forward();
    EXPECT_EQ(sizes, (std::vector<std::size_t>{g_ln_list.size(), g_pn_list.size(), g_tn_list.size(),
                                               g_cir_list.size(), g_mid_list.size(), g_ea_list.size(),
                                               g_cg_list.size(), g_ra_list.size()}));
    // Every record that survived was processed.
    for (const Gdd_cir* c : g_cir_list)
        EXPECT_NE(c->state, kNew);
    for (const Gdd_ea* e : g_ea_list)
        EXPECT_NE(e->state, kNew);
}

TEST_F(RulesTest, ConditionOfADeadRecordIsSkipped)
{
    add_pline(0, A, B, C, D);
    Gdd_pline* P = g_pn_list.last;
    kill_rec(P);
    forward();
    EXPECT_EQ(P->state, kDead);
    // The class's search would have made equal angles with transversals.
    EXPECT_TRUE(g_ea_list.empty());
}

TEST_F(RulesTest, ConditionOfAnUnknownTypeIsReported)
{
    add_line(0, A, B, C);
    queue_cond(999, g_ln_list.first);
    forward();
    EXPECT_EQ(g_abort, 1);
    EXPECT_NE(out.text().find("forward: wrong type of predicates"), std::string::npos);
}

TEST_F(RulesTest, TimeLimitEndsTheChainingInside)
{
    add_cir4(0, 0, A, B, C, D);
    add_cir4(0, O, E, F, G, H);
    std::uint32_t now = 0;
    set_prover_clock([&now] { return now += 10; });
    g_tstart = 0;
    g_timelimit = 50;
    g_timing = 1;
    EXPECT_THROW(forward(), TTIME);
    g_timing = 0;
}

}  // namespace
}  // namespace gddtest
