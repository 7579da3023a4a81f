// The prover's statement taken from a drawing: point objects in table order,
// parents and conclusion points by name, the conclusion's slots rearranged.

#include <gtest/gtest.h>

#include <cstring>

#include "bridge_fixture.h"
#include "prover/poly.h"
#include "statement/tokenizer.h"
#include "statement/window/prover_commands.h"

namespace {

std::vector<std::string> record_names()
{
    std::vector<std::string> names;
    for (int i = 1; i <= g_npoints; ++i)
        names.push_back(g_pro_points[static_cast<std::size_t>(i)].name);
    return names;
}

using Pots = std::array<std::uint32_t, 8>;

const Pro_point& record(int i) { return g_pro_points[static_cast<std::size_t>(i)]; }

TEST(StatementFromDrawing, PointsBecomeRecordsAndTheStatementIsShown)
{
    ProverDrawing d;
    const int A = d.point("A", 100, 100);
    const int B = d.point("B", 300, 100);
    d.add(135, "", 2, A, B);  // a segment is not a point
    const int M = d.add(103, "M", 1, A, B);
    d.add(136, "", 2, A, M);  // nor is a circle
    const int C = d.point("C", 200, 250);
    d.conclude(148, {A, M, B, 0, 0, 0, 0, 0});
    toskApp* prover = d.open_prover();
    ASSERT_NE(prover, nullptr);
    prover->edit()->insertPlainText(QStringLiteral("whatever was there\n"));

    prover->command(pcmd::kFromDrawing);
    EXPECT_EQ(record_names(), (std::vector<std::string>{"A", "B", "M", "C"}));
    EXPECT_EQ(record(1).kind, 101u);
    EXPECT_EQ(record(3).kind, 103u);
    EXPECT_EQ(record(3).pots, (Pots{1, 2, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(record(1).pots, Pots{});
    // aux keeps the object's own index.
    EXPECT_EQ(record(3).aux, static_cast<std::uint32_t>(M));
    EXPECT_EQ(record(4).aux, static_cast<std::uint32_t>(C));
    EXPECT_EQ(g_concl.type, 148);
    EXPECT_EQ(g_concl.p, (Pots{1, 3, 2, 0, 0, 0, 0, 0}));
    EXPECT_EQ(prover->edit()->text(),
              "EXAMPLE thm \n"
              "HYPOTHESES:\n"
              "POINT A;\n"
              "POINT B;\n"
              "MIDPOINT M A B;\n"
              "POINT C;\n"
              "SHOW:  COLLINEAR A M B.\n");
    // The status is refreshed.
    EXPECT_EQ(prover->pane_text(0), "GDD method");
}

TEST(StatementFromDrawing, NothingWithoutAnActiveDrawing)
{
    ProverDrawing d;
    d.point("A", 10, 10);
    toskApp* prover = d.open_prover();
    g_active_draw = nullptr;
    prover->command(pcmd::kFromDrawing);
    EXPECT_EQ(g_npoints, 0);
    EXPECT_EQ(prover->edit()->text(), "");
}

TEST(StatementFromDrawing, AnEmptyDrawingGivesAnEmptyStatement)
{
    ProverDrawing d;
    toskApp* prover = d.open_prover();
    prover->command(315);
    ASSERT_EQ(g_npoints, 5);
    prover->command(pcmd::kFromDrawingButton);
    EXPECT_EQ(g_npoints, 0);
    EXPECT_EQ(g_concl.type, concl_kind::kNone);
    EXPECT_EQ(g_concl.p, Pots{});
    EXPECT_EQ(prover->edit()->text(), "");
}

struct ConclusionCase {
    int kind;
    std::array<int, 8> picked;  // 1-based point numbers as picked (0 = none)
    Pots prover;
};

const ConclusionCase kConclusions[] = {
    // Cyclic: the four points stand in p2..p5.
    {152, {1, 2, 3, 4, 0, 0, 0, 0}, {0, 1, 2, 3, 4, 0, 0, 0}},
    // Eq-Product picked as AB, CD, EF, GH: first, fourth, third, second.
    {155, {1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 7, 8, 5, 6, 3, 4}},
    // Equal angles are stored by the drawing as A B B C D E E F.
    {154, {1, 2, 2, 3, 4, 5, 5, 6}, {1, 2, 2, 3, 4, 5, 5, 6}},
    {150, {1, 2, 3, 4, 0, 0, 0, 0}, {1, 2, 3, 4, 0, 0, 0, 0}},
    {237, {1, 2, 3, 4, 5, 6, 0, 0}, {1, 2, 3, 4, 5, 6, 0, 0}},
};

class ConclusionFromDrawing : public ::testing::TestWithParam<ConclusionCase> {};

TEST_P(ConclusionFromDrawing, SlotsInTheProversOrder)
{
    const ConclusionCase& c = GetParam();
    ProverDrawing d;
    std::array<int, 9> objects{};
    const char* names[] = {"A", "B", "C", "D", "E", "F", "G", "H"};
    // A line object between the points, so that prover numbers and object
    // indices differ.
    d.add(135, "", 2);
    for (int i = 0; i < 8; ++i)
        objects[static_cast<std::size_t>(i + 1)] = d.point(names[i], 20.0 + 50 * i, 40.0 + 30 * (i % 3));
    std::array<std::int32_t, 8> args{};
    for (std::size_t k = 0; k < 8; ++k)
        args[k] = objects[static_cast<std::size_t>(c.picked[k])];
    d.conclude(c.kind, args);
    d.open_prover();
    diagram_to_prover(*d.win);
    EXPECT_EQ(g_concl.type, c.kind);
    EXPECT_EQ(g_concl.p, c.prover);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ConclusionFromDrawing, ::testing::ValuesIn(kConclusions));

TEST(StatementFromDrawing, RatiosAndRotationAnglesComeAlong)
{
    ProverDrawing d;
    const int A = d.point("A", 0, 0);
    const int B = d.point("B", 90, 0);
    const int R = d.add(197, "R", 1, A, B);
    d.t()[R].aux1.set_text("2");
    d.t()[R].aux2.set_text("3");
    const int S = d.add(198, "S", 1, A, B);
    d.t()[S].aux1.set_text("x");
    d.t()[S].aux2.set_text(" -4y");
    const int T = d.add(470, "T", 1, A, B);
    // An angle text that fills the first field runs on into the second.
    std::memcpy(d.t()[T].aux1.s, "123.4567", 8);
    d.t()[T].aux2.set_text("89");
    d.open_prover();
    diagram_to_prover(*d.win);
    ASSERT_EQ(g_npoints, 5);
    ASSERT_NE(record(3).ps[0], nullptr);
    ASSERT_NE(record(3).ps[1], nullptr);
    EXPECT_TRUE(pconstp(record(3).ps[0]));
    EXPECT_EQ(record(3).ps[0]->value, 2);
    EXPECT_EQ(record(3).ps[1]->value, 3);
    // A text that does not begin with a number gives 0.
    EXPECT_EQ(record(4).ps[0]->value, 0);
    EXPECT_EQ(record(4).ps[1]->value, -4);
    EXPECT_EQ(record(5).rot, "123.456789");
    EXPECT_EQ(record(5).pots, (Pots{1, 2, 0, 0, 0, 0, 0, 0}));
}

// A statement read before leaves no marks on the records the drawing's points
// take: not the centre the reader made for Wu's method, nor a line as written.
TEST(StatementFromDrawing, AStatementReadBeforeLeavesNoMarks)
{
    ProverDrawing d;
    const int A = d.point("A", 0, 0);
    const int B = d.point("B", 90, 0);
    for (const char* name : {"C", "D", "E", "F"})
        d.point(name, 0, 90);
    const int R = d.add(197, "R", 1, A, B);
    d.t()[R].aux1.set_text("2");
    d.t()[R].aux2.set_text("3");
    toskApp* prover = d.open_prover();
    g_method = kMethodWu;
    read_window_statement("EXAMPLE t\nHYPOTHESES:\nPOINT P;\nCIRCLE Q S T U;\nLRATIO V P Q 1 (x + 1);\nSHOW: NO.\n");
    ASSERT_TRUE(record(5).generated);  // the circle's centre
    prover->command(pcmd::kFromDrawing);
    EXPECT_FALSE(record(5).generated);
    EXPECT_EQ(prover->edit()->text(),
              "EXAMPLE thm \nHYPOTHESES:\nPOINT A;\nPOINT B;\nPOINT C;\nPOINT D;\nPOINT E;\nPOINT F;\n"
              "LRATIO R A B 2 3;\nSHOW: NO.\n");
}

// A Prove under another method than the one a text was read under proves
// the drawing's statement taken since: the text is not read again.
TEST(StatementFromDrawing, AProveAfterwardsProvesTheDrawingsStatement)
{
    ProverDrawing d;
    const int A = d.point("A", 100, 100);
    const int B = d.point("B", 300, 100);
    const int M = d.add(103, "M", 1, A, B);
    d.conclude(148, {A, M, B, 0, 0, 0, 0, 0});
    toskApp* prover = d.open_prover();
    g_method = kMethodDatabase;
    read_window_statement("EXAMPLE t\nHYPOTHESES:\nPOINT A B C;\nCIRCLE A B C D;\nSHOW: COLLINEAR A B C.\n");
    ASSERT_EQ(g_abort, 0);
    prover->command(pcmd::kFromDrawing);
    prover->command(kMethodWu);
    ASSERT_TRUE(prover->command(pcmd::kProve));
    wait_for_proof(*prover);
    EXPECT_EQ(record_names(), (std::vector<std::string>{"A", "B", "M"}));
    EXPECT_EQ(g_result, 1) << prover->edit()->text();
}

// A parent that is no point is reported and left out, even when an earlier
// statement left a point of its name in the records.
TEST(StatementFromDrawing, AParentThatIsNoPointIsReportedAndLeftOut)
{
    ProverDrawing d;
    toskApp* prover = d.open_prover();
    g_pro_points[2].name = "s1";
    const int A = d.point("A", 0, 0);
    const int s = d.add(135, "s1", 2);
    d.add(103, "P", 1, A, s);
    prover->command(pcmd::kFromDrawing);
    EXPECT_EQ(record(2).name, "P");
    EXPECT_EQ(record(2).pots, (Pots{1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(prover->edit()->text().rfind("\nCheckinput: Cannot find point s1(" + std::to_string(s) + ")\n", 0),
              0u)
        << prover->edit()->text();
}

TEST(StatementFromDrawing, TwoPointsOfOneNameMapToTheFirst)
{
    ProverDrawing d;
    const int A1 = d.point("A", 0, 0);
    const int A2 = d.point("A", 50, 0);
    const int B = d.point("B", 0, 50);
    d.add(103, "M", 1, A2, B);
    d.conclude(148, {A2, B, A1, 0, 0, 0, 0, 0});
    d.open_prover();
    diagram_to_prover(*d.win);
    EXPECT_EQ(record(4).pots, (Pots{1, 3, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g_concl.p, (Pots{1, 3, 1, 0, 0, 0, 0, 0}));
}

TEST(StatementFromDrawing, AtMostNinetyNinePoints)
{
    ProverDrawing d;
    for (int i = 0; i < 120; ++i)
        d.point(("P" + std::to_string(i)).c_str(), i, i);
    toskApp* prover = d.open_prover();
    prover->command(pcmd::kFromDrawing);
    EXPECT_EQ(g_npoints, kMaxProPoints);
    EXPECT_EQ(record(kMaxProPoints).name, "P98");
    EXPECT_NE(prover->edit()->text().find("Only the first 99 points of the drawing are taken."), std::string::npos);
}

}  // namespace
