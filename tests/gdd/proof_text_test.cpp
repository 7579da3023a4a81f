// The database proof where the golden corpus does not reach: an inconsistent
// merge record, premises no record held, and the statement lines of the
// auxiliary points.

#include "facts/gdd_fixture.h"

#include "gdd/aux_points.h"
#include "gdd/proof_text.h"

namespace gddtest {
namespace {

using ProofTextTest = GddTest;

// ---- merged records -----------------------------------------------------------------------

TEST_F(ProofTextTest, InconsistentMergeRecordAbortsTheProof)
{
    inconsistent_merge();
    out.clear();
    EXPECT_THROW(show_gdd_proof(1), ProverAbort);
    EXPECT_NE(out.text().find("exit: 103\r\n"), std::string::npos);
}

// ---- premises no record held ----------------------------------------------------------------

// A rule took [AB, DE] = [AC, DE] as premise for FG perpendicular to HI:
// no angle record holds it, the lines AB and AC being one. That line is the
// statement's own, or one a rule found (A, B, C collinear because B is the
// midpoint of AC); then the premise is a step citing the collinearity.
TEST_F(ProofTextTest, PremiseHeldByTheLinesIsObviousOnlyForTheStatementsLines)
{
    struct Case {
        bool derived_line;
        const char* proof;
    };
    const Case cases[] = {
        {false,
         "1. FG \u22A5 HI,\r\n   because \u2220[AB,DE] = \u2220[AC,DE](obvious).\r\n"},
        {true,
         "1. FG \u22A5 HI,\r\n   because (2)\u2220[AB,DE] = \u2220[AC,DE].\r\n"
         "\r\n2. \u2220[AB,DE] = \u2220[AC,DE],\r\n   because (3)A,B,C lines.\r\n"
         "\r\n3. A,B,C lines,\r\n   because midp:[B,AC](hyp).\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.derived_line ? "derived line" : "hypothesis line");
        free_gdd();
        if (c.derived_line) {
            add_mid(0, B, A, C);
            add_codb(151, B, A, C);
            add_line(99, A, B, C);
            next_cond();
        } else {
            add_line(0, A, B, C);
        }
        fadd_ln(D, E);
        const Gdd_cond* premise = add_codb(154, A, B, D, E, A, C, D, E);
        EXPECT_EQ(premise->obj, nullptr);
        add_tline(7, F, G, H, I);
        next_cond();
        set_conclusion(150, {F, G, H, I});
        out.clear();
        show_gdd_proof(1);
        EXPECT_EQ(out.text(), std::string("\r\nThe Machine Proof\r\n\r\n") + c.proof);
    }
}

// An angle record [AB, AB] = [CD, EF] dies at once, giving CD parallel to EF;
// the premise that states it names the record, whose own reasons follow.
TEST_F(ProofTextTest, ParallelFromADegenerateAngleCitesTheAngleRecord)
{
    add_mid(0, G, H, I);
    add_codb(151, G, H, I);
    add_ea_ln(5, fadd_ln(A, B), fadd_ln(A, B), fadd_ln(C, D), fadd_ln(E, F));
    next_cond();
    set_conclusion(149, {C, D, E, F});
    out.clear();
    show_gdd_proof(1);
    EXPECT_EQ(out.text(), "\r\nThe Machine Proof\r\n\r\n"
                          "1. CD\u2225EF,\r\n   because (2)\u2220[BA,BA] = \u2220[CD,EF].\r\n"
                          "\r\n2. \u2220[BA,BA] = \u2220[CD,EF],\r\n   because midp:[G,HI](hyp).\r\n");
}

// ---- auxiliary points at the head ---------------------------------------------------------

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
}  // namespace gddtest
