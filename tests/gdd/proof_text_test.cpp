// The database proof where the golden corpus does not reach: an inconsistent
// merge record, and the statement lines of the auxiliary points.

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
