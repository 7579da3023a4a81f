// The database proof: heading, steps traced back to the hypotheses, reuse of
// steps, merged records and the detailed wording.

#include "proof_fixture.h"

#include "gdd/aux_points.h"
#include "gdd/proof_text.h"

namespace gddproof {
namespace {

using ProofTextTest = ProofTest;

const std::string kHead = "\r\nThe Machine Proof\r\n";

TEST_F(ProofTextTest, HypothesisGivenBackIsOneStep)
{
    // FOOT D C A B; SHOW: PERPENDICULAR C D A B.
    add_line(0, D, A, B);
    add_tline(0, D, C, A, B);
    set_conclusion(150, {C, D, A, B});
    out.clear();
    show_gdd_proof(1);
    EXPECT_EQ(out.text(), kHead + "\r\n1. CD \u22A5 AB,\r\n   because (hyp)\r\n");
    ASSERT_EQ(proof_steps().size(), 1u);
    EXPECT_EQ(proof_steps()[0].number, 1u);
}

TEST_F(ProofTextTest, FactNotInTheDatabasePrintsNothing)
{
    add_line(0, A, B, C);
    set_conclusion(150, {C, D, A, B});
    out.clear();
    show_gdd_proof(1);
    EXPECT_EQ(out.text(), "");
    set_conclusion(156, {A, B, C, D});  // tangent circles have no database test
    show_gdd_proof(1);
    EXPECT_EQ(out.text(), "");
}

TEST_F(ProofTextTest, TrivialFactHasNoStepNumber)
{
    set_conclusion(148, {A, A, B});
    out.clear();
    show_gdd_proof(1);
    EXPECT_EQ(out.text(), kHead + "A,A,Blines\r\n(The fact is trivially true)\r\n");
}

TEST_F(ProofTextTest, FactWithoutRecordIsTriviallyTrueAsAStep)
{
    // AB parallel to CD because A, B, C, D lie on one line: no class holds it.
    add_line(0, A, B, C);
    add_line(0, A, B, D);
    set_conclusion(149, {A, B, C, D});
    out.clear();
    show_gdd_proof(1);
    EXPECT_EQ(out.text(), kHead + "\r\n1. AB\u2225CD,\r\n   because (The fact is trivially true)\r\n");
}

// AB parallel to EF (rule 4) from AB and EF both perpendicular to CD; then
// AB perpendicular to GH (rule 3) from that and GH perpendicular to EF.
void derive_chain()
{
    add_tline(0, A, B, C, D);
    add_tline(0, E, F, C, D);
    add_tline(0, G, H, E, F);
    add_codb(150, A, B, C, D);
    add_codb(150, E, F, C, D);
    add_pline(4, A, B, E, F);
    next_cond();
    next_cond();
    add_codb(149, A, B, E, F);
    add_codb(150, G, H, E, F);
    add_tline(3, A, B, G, H);
    next_cond();
    next_cond();
}

TEST_F(ProofTextTest, AReasonMetAgainRefersToItsStep)
{
    derive_chain();
    // AB perpendicular to GH and AB parallel to EF give (as a made-up rule)
    // a midpoint fact.
    add_codb(150, A, B, G, H);
    add_codb(149, A, B, E, F);
    add_mid(9, M, A, B);
    next_cond();
    next_cond();
    set_conclusion(151, {M, B, A});
    out.clear();
    show_gdd_proof(1);
    EXPECT_EQ(out.text(), kHead +
                              "\r\n1. midp:[M,BA],\r\n   because (2)AB\u2225EF, (3)AB \u22A5 GH.\r\n"
                              "\r\n2. AB\u2225EF,\r\n   because EF \u22A5 CD(hyp), AB \u22A5 CD(hyp).\r\n"
                              "\r\n3. AB \u22A5 GH,\r\n   because GH \u22A5 EF(hyp), (2)AB\u2225EF.\r\n");
    EXPECT_EQ(proof_steps().size(), 3u);
}

TEST_F(ProofTextTest, ObviousAndTrivialReasons)
{
    add_line(0, A, B, C);
    add_line(0, A, B, D);
    add_codb(149, A, B, C, E);  // no class holds it
    add_codb(148, A, A, B, 0);  // normalised to a trivial fact: not printed
    add_codb(150, A, B, C, D);  // degenerate: A, B, C, D on one line, no pair
    add_mid(7, M, A, B);
    next_cond();
    next_cond();
    next_cond();
    set_conclusion(151, {M, A, B});
    out.clear();
    show_gdd_proof(1);
    EXPECT_EQ(out.text(), kHead + "\r\n1. midp:[M,AB],\r\n   because AB \u22A5 CD(obvious), AB\u2225CE(obvious).\r\n");
}

TEST_F(ProofTextTest, SearchedFactIsProvedFromTheFactRecord)
{
    add_tline(0, A, B, C, D);
    set_conclusion(148, {A, B, C});
    g_fact = fact(150, {D, C, B, A});
    out.clear();
    show_gdd_proof(2);
    EXPECT_EQ(out.text(), kHead + "\r\n1. DC \u22A5 BA,\r\n   because (hyp)\r\n");
    EXPECT_EQ(g_concl.type, 148);
}

TEST_F(ProofTextTest, LatexFormsAndTheProofGroup)
{
    derive_chain();
    set_conclusion(150, {A, B, G, H});
    g_latex = 1;
    out.clear();
    show_gdd_proof(1);
    EXPECT_EQ(out.text(),
              "\r\n{\\vskip6pt \\parskip=6pt \\parindent=10pt \r\n\r\nThe Machine Proof\r\n"
              "\r\n1. $AB\\bot GH$,\r\n   because $GH\\bot EF$(hyp), (2)$AB \\parallel EF$.\r\n"
              "\r\n2. $AB \\parallel EF$,\r\n   because $EF\\bot CD$(hyp), $AB\\bot CD$(hyp).\r\n}\r\n");
}

TEST_F(ProofTextTest, LatexProofOfATrivialFactClosesItsGroup)
{
    set_conclusion(150, {A, B, C, C});
    g_latex = 1;
    out.clear();
    show_gdd_proof(1);
    EXPECT_EQ(out.text(),
              "\r\n{\\vskip6pt \\parskip=6pt \\parindent=10pt \r\n\r\nThe Machine Proof\r\n"
              "$AB\\bot CC$(The fact is trivially true)\r\n}\r\n");
}

// ---- merged records -----------------------------------------------------------------------

TEST_F(ProofTextTest, ParallelThroughALineThatGrew)
{
    add_pline(0, A, B, C, D);
    add_mid(0, E, A, B);
    add_codb(151, E, A, B, 0);
    add_line(1, A, B, E);  // ABE replaces AB in the class: a merged class
    next_cond();
    set_conclusion(149, {A, E, C, D});
    out.clear();
    show_gdd_proof(1);
    EXPECT_EQ(out.text(), kHead +
                              "\r\n1. AE\u2225CD,\r\n   because (2)A,E,Blines\r\n, CD\u2225AB(hyp).\r\n"
                              "\r\n2. A,E,Blines\r\n,\r\n   because midp:[E,AB](hyp).\r\n");
}

TEST_F(ProofTextTest, ParallelLinesSwapWhenTheSecondLiesOnTheGrownLine)
{
    add_pline(0, A, B, C, D);
    add_mid(0, E, A, B);
    add_codb(151, E, A, B, 0);
    add_line(1, A, B, E);
    next_cond();
    set_conclusion(149, {C, D, E, B});
    out.clear();
    show_gdd_proof(1);
    EXPECT_EQ(out.text(), kHead +
                              "\r\n1. CD\u2225EB,\r\n   because (2)E,B,Alines\r\n, CD\u2225AB(hyp).\r\n"
                              "\r\n2. E,B,Alines\r\n,\r\n   because midp:[E,AB](hyp).\r\n");
    EXPECT_EQ(proof_steps()[0].p[0], static_cast<std::uint32_t>(E));
}

TEST_F(ProofTextTest, ParallelThroughMergedClasses)
{
    add_pline(0, A, B, C, D);
    add_tline(0, E, F, G, H);
    add_tline(0, C, D, G, H);
    add_codb(150, E, F, G, H);
    add_codb(150, C, D, G, H);
    add_pline(4, C, D, E, F);  // meets the class of CD: the two classes merge
    next_cond();
    next_cond();
    set_conclusion(149, {A, B, E, F});
    out.clear();
    show_gdd_proof(1);
    EXPECT_EQ(out.text(), kHead +
                              "\r\n1. AB\u2225EF,\r\n   because AB\u2225CD(hyp), (2)EF\u2225CD.\r\n"
                              "\r\n2. EF\u2225CD,\r\n   because CD \u22A5 GH(hyp), EF \u22A5 GH(hyp).\r\n");
}

TEST_F(ProofTextTest, CongruenceThroughMergedGroups)
{
    add_cong(0, 0, A, B, C, D);
    add_mid(0, C, E, F);
    add_codb(151, C, E, F, 0);
    add_cong(0, 0, C, D, E, F);
    next_cond();
    set_conclusion(153, {A, B, E, F});
    out.clear();
    show_gdd_proof(1);
    EXPECT_EQ(out.text(), kHead +
                              "\r\n1. AB = EF,\r\n   because AB = CD(hyp), (2)EF = CD.\r\n"
                              "\r\n2. EF = CD,\r\n   because midp:[C,EF](hyp).\r\n");
}

TEST_F(ProofTextTest, MergedLineIsExplainedByItsParts)
{
    add_codb(150, A, B, C, D);
    add_line(1, A, B, E);
    next_cond();
    add_codb(153, A, B, C, D);
    // AEF shares A and E with ABE: the union ABEF replaces both, its reasons
    // naming the two lines, the last merged first.
    add_line(2, A, E, F);
    next_cond();
    set_conclusion(148, {B, E, F});
    out.clear();
    show_gdd_proof(1);
    EXPECT_EQ(out.text(), kHead +
                              "\r\n1. B,E,Flines\r\n,\r\n   because (2)A ,B ,E lines\r\n, (3)A ,E ,F lines\r\n.\r\n"
                              "\r\n2. A ,B ,E lines\r\n,\r\n   because AB \u22A5 CD(obvious).\r\n"
                              "\r\n3. A ,E ,F lines\r\n,\r\n   because AB = CD(obvious).\r\n");
}

TEST_F(ProofTextTest, InconsistentMergeRecordAbortsTheProof)
{
    // A class whose reasons claim that it took line ABE in place of a line
    // of a class that shares no two points with it.
    Gdd_line* abe = new_ln(A, B);
    ln_ins(abe, E);
    Gdd_line* cd = new_ln(C, D);
    Gdd_line* fg = new_ln(F, G);
    Gdd_pline* old = g_pn_list.append();
    old->last = 1;
    old->lines[0] = cd;
    old->lines[1] = fg;
    Gdd_pline* merged = g_pn_list.append();
    merged->state = kLive;
    merged->last = 1;
    merged->lines[0] = abe;
    merged->lines[1] = fg;
    clear_merge_db();
    new_co(149, old);
    new_co(148, abe);
    merged->reasons = g_merge_db;
    set_conclusion(149, {A, B, F, G});
    out.clear();
    EXPECT_THROW(show_gdd_proof(1), ProverAbort);
    EXPECT_NE(out.text().find("exit: 103\r\n"), std::string::npos);
}

TEST_F(ProofTextTest, CongruentTrianglesFromOneOldGroupNameTheMergedGroups)
{
    g_tri_mode = 1;
    add_stri(0, 1, A, B, C, D, E, F);
    add_stri(0, 1, G, H, I, J, K, L);
    // ABC ~ GHI joins the two groups: GHI's group first takes the pair, then
    // ABC's group. ABC and GHI both come from the first merge, so the member
    // both groups share does not explain the pair.
    add_stri(0, 1, A, B, C, G, H, I);
    set_conclusion(236, {A, B, C, G, H, I});
    out.clear();
    ASSERT_NO_THROW(show_gdd_proof(1));
    const std::string text = out.text();
    EXPECT_EQ(text.find("exit:"), std::string::npos) << text;
    EXPECT_EQ(text.substr(0, text.find("\r\n2. ")),
              kHead + "\r\n1. CON_TRIANGLE\u00CE[ABC,GHI],\r\n   because (2)congruent triangles[1,GHI] [1,JKL] [1,ABC] , "
                      "(hyp)congruent triangles[1,ABC] [1,DEF] .\r\n")
        << text;
    // The group of the first merge is explained by the groups it merged.
    EXPECT_NE(text.find("\r\n2. congruent triangles[1,GHI] [1,JKL] [1,ABC] ,\r\n   because (hyp)congruent "
                        "triangles[1,ABC] [1,GHI] , (hyp)congruent triangles[1,GHI] [1,JKL] .\r\n"),
              std::string::npos)
        << text;
}

// ---- detailed proof -----------------------------------------------------------------------

TEST_F(ProofTextTest, DetailedPerpendicularShowsItsCollinearities)
{
    add_line(0, A, B, K);
    add_line(0, C, D, L);
    add_codb(154, E, F, G, H, A, K, C, L);
    add_tline(11, A, B, C, D);
    next_cond();
    set_conclusion(150, {A, B, C, D});
    g_detailed = 1;
    out.clear();
    show_gdd_proof(1);
    EXPECT_EQ(out.text(), kHead +
                              "\r\n1. AB \u22A5 CD,\r\n   because lines\r\n[BAK](hyp), lines\r\n[DCL](hyp), "
                              "\u2220[EF,GH] = \u2220[AK,CL](obvious).\r\n");
    g_detailed = 0;
    out.clear();
    show_gdd_proof(1);
    EXPECT_EQ(out.text(), kHead + "\r\n1. AB \u22A5 CD,\r\n   because \u2220[EF,GH] = \u2220[AK,CL](obvious).\r\n");
}

TEST_F(ProofTextTest, CollinearityHypothesesNeedThreeDifferentPoints)
{
    out.clear();
    show_coll4(A, B, A, B);
    show_coll4(A, 0, B, 0);
    EXPECT_EQ(out.text(), "");
    show_coll4(A, B, A, C);
    show_coll6(A, B, C, D, A, E);
    EXPECT_EQ(out.text(), "lines\r\n[BAC](hyp), lines\r\n[BCDAE](hyp), ");
    g_latex = 1;
    out.clear();
    show_coll4(A, B, C, 0);
    EXPECT_EQ(out.text(), "lines\r\n$[ABC]$(hyp), ");
}

// ---- auxiliary points at the head ---------------------------------------------------------

TEST_F(ProofTextTest, AddedPointsHeadTheProof)
{
    name_points(4);
    add_line(0, D, A, B);
    add_tline(0, D, C, A, B);
    aux_method_start();
    const int e = aux_mid(3, C, B);
    ASSERT_EQ(e, 5);
    set_conclusion(150, {C, D, A, B});
    out.clear();
    show_gdd_proof(1);
    EXPECT_EQ(out.text(), std::string(50, '*') +
                              "\r\nThe following auxilliary point is added by the program\r\n\r\n"
                              "MIDPOINT E C B;\r\n\r\n" +
                              kHead + "\r\n1. CD \u22A5 AB,\r\n   because (hyp)\r\n");

    g_latex = 1;
    out.clear();
    show_aux_points();
    EXPECT_EQ(out.text(),
              "The following auxilliary point is added by the program\r\n\r\n"
              "\\begin{verbatim}\r\nMIDPOINT E C B;\r\n\\end{verbatim}\r\n\r\n");
}

TEST_F(ProofTextTest, InstalledConstructionPrinterWritesTheAddedPoints)
{
    name_points(4);
    aux_method_start();
    aux_mid(3, C, B);
    aux_inter_ll(7, A, B, C, D);
    std::vector<int> asked;
    set_cons_text_printer([&](int p) { asked.push_back(p); });
    out.clear();
    show_aux_points();
    set_cons_text_printer({});
    EXPECT_EQ(asked, (std::vector<int>{5, 6}));
}

TEST_F(ProofTextTest, StatementLinesOfAuxiliaryKinds)
{
    name_points(6);
    struct Case {
        int kind;
        std::array<std::uint32_t, 8> pots;
        const char* line;
    };
    const Case cases[] = {
        {102, {A, B, C}, "FOOT F A B C;\r\n"},
        {103, {A, B}, "MIDPOINT F A B;\r\n"},
        {105, {A, B, C}, "CIRCUMCENTER F  A B C;\r\n"},
        {112, {A, B, C}, "ON_TLINE F A B C;\r\n"},
        {116, {A, B, C, D}, "INTERSECTION_LL F A B C D;\r\n"},
        {117, {A, B, C, D, E}, "INTERSECTION_LP F  A B  C D E;\r\n"},
        {122, {A, B, C, A}, "INTERSECTION_LC F  A B  C A;\r\n"},
        {123, {A, B, C, D, A}, "INTERSECTION_PC F  A B C  D A;\r\n"},
        {101, {}, " ;\r\n"},
    };
    for (const Case& c : cases) {
        g_pro_points[F].kind = static_cast<std::uint32_t>(c.kind);
        g_pro_points[F].pots = c.pots;
        out.clear();
        print_aux_cons_text(F);
        EXPECT_EQ(out.text(), c.line) << c.kind;
    }
}

}  // namespace
}  // namespace gddproof
