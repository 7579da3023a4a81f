// The engine shared by every construction: clicks, the command line, equal
// picks asked again, repetition, and building from a complete record.

#include <gtest/gtest.h>

#include "construct/command_line.h"
#include "construct/cons_engine.h"
#include "cons_describe.h"
#include "cons_fixture.h"
#include "model/adding.h"

namespace cons_test {
namespace {

constexpr Colour kBlue = rgb(0, 0, 255);

class EngineTest : public ::testing::Test {
protected:
    ScriptedHost h;
    int A = h.point(100, 100, "A");
    int B = h.point(300, 100, "B");
    int C = h.point(200, 250, "C");
};

TEST_F(EngineTest, MidpointOnEmptyGroundAddsNothingAndStartsAgain)
{
    h.start(103);
    EXPECT_EQ(h.cmdline(), "Midpoint # #");
    h.click(600, 600);
    EXPECT_EQ(h.t().count(), 23);
    EXPECT_EQ(h.cmdline(), "Midpoint # #");
    EXPECT_EQ(h.prompt(), "Select two points in the diagram");
    EXPECT_EQ(h.t().action_state(), 11);
}

TEST_F(EngineTest, SegmentOnEmptyGroundMakesAFreePointThere)
{
    h.start(135);
    h.click(600, 500);
    ASSERT_EQ(h.t().count(), 24);
    const Dpoint& p = h.t()[23];
    EXPECT_EQ(p.type, 101);
    EXPECT_EQ(p.x, 600.0);
    EXPECT_EQ(p.y, 500.0);
    EXPECT_EQ(p.name_view(), "D");  // A, B, C are taken
    // A free point has no parents, whatever the pending record held.
    for (const std::int32_t a : p.arg)
        EXPECT_EQ(a, 0);
    EXPECT_EQ(h.cmdline(), "Line D #");
    EXPECT_EQ(h.t().action_state(), 12);
    EXPECT_EQ(h.pend().arg[0], 23);
}

TEST_F(EngineTest, FirstPointOfSegmentReusedOnlyBelowTenUnits)
{
    struct Case {
        int dx;
        bool reused;
    };
    for (const Case c : {Case{0, true}, Case{6, true}, Case{9, true}, Case{10, false}, Case{12, false}}) {
        ScriptedHost host;
        const int a = host.point(100, 100, "A");
        host.start(135);
        host.click(100 + c.dx, 100);
        EXPECT_EQ(host.pend().arg[0] == a, c.reused) << "offset " << c.dx;
        EXPECT_EQ(host.t().count(), c.reused ? 21 : 22) << "offset " << c.dx;
    }
}

TEST_F(EngineTest, FinishedCommandStartsAgainAndBuildsTheNext)
{
    h.start(103);
    h.click_on(A);
    h.click_on(B);
    EXPECT_EQ(h.cmdline(), "Midpoint # #");
    EXPECT_EQ(h.prompt(), "Select two points in the diagram");
    EXPECT_EQ(h.t().action_state(), 11);
    EXPECT_EQ(h.t().pending_command(), 103);
    h.click_on(B);
    EXPECT_EQ(h.cmdline(), "Midpoint B #");
    h.click_on(C);
    EXPECT_EQ(appended(h.t(), 23),
              (std::vector<std::string>{"103(A,B)=D", "135(A,B)", "103(B,C)=E", "135(B,C)"}));
}

TEST_F(EngineTest, SecondClickOnEmptyGroundIsIgnored)
{
    h.start(103);
    h.click_on(A);
    h.click(700, 700);
    EXPECT_EQ(h.t().action_state(), 12);
    EXPECT_EQ(h.cmdline(), "Midpoint A #");
    EXPECT_EQ(h.t().count(), 23);
}

TEST_F(EngineTest, PicksAreMarkedBlueAndRedrawnWhenDone)
{
    h.start(103);
    h.click_on(A);
    const std::vector<DevPoint> marks = h.rings(kBlue);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0], (DevPoint{100, 100}));
    const std::size_t discs_before = h.dc.count("ellipse");
    h.click_on(B);
    // B's mark, the new midpoint, then A and B drawn over their marks.
    EXPECT_EQ(h.rings(kBlue).size(), 2u);
    EXPECT_GE(h.dc.count("ellipse"), discs_before + 4);
}

TEST_F(EngineTest, NoMoreThanEightPicks)
{
    // Eight picks of a conclusion command (the stand-in window does not finish it).
    for (int k = 0; k < 6; ++k)
        h.point(100 + 40 * k, 400, "");
    h.start(155);
    for (int k = 0; k < 8; ++k)
        h.click_on(20 + k);
    EXPECT_EQ(h.t().action_state(), astate::kAllPicked);
    const std::vector<int> steps = h.conclusion_steps;
    EXPECT_EQ(steps, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    h.click_on(A);
    EXPECT_EQ(h.conclusion_steps, steps);
    EXPECT_EQ(h.t().action_state(), astate::kAllPicked);
}

TEST_F(EngineTest, CompleteRecordKeepsItsNameLeavesNoMarksAndDoesNotRepeat)
{
    h.t().action_state() = 0;
    Dpoint rec(103, "M", A, B);
    add_from_rec(h.d, rec);
    ASSERT_EQ(h.t().count(), 25);
    EXPECT_EQ(describe(h.t(), 23), "103(A,B)=M");
    EXPECT_EQ(h.t()[23].x, 200.0);
    EXPECT_EQ(h.t().action_state(), 0);
    EXPECT_TRUE(h.rings(kBlue).empty());
    EXPECT_EQ(h.t().from_clicks(), 0);
}

TEST_F(EngineTest, CompleteRecordWithEqualPicksBuildsNothing)
{
    Dpoint rec(103, "M", A, A);
    add_from_rec(h.d, rec);
    EXPECT_EQ(h.t().count(), 23);
    EXPECT_EQ(h.t().action_state(), 0);
}

TEST_F(EngineTest, StatementDrawingKeepsItsState)
{
    h.t().action_state() = cmd::kDrawStatement;
    h.t().pending_command() = 103;
    Dpoint rec(103, "M", A, B);
    cons_step(h, -1, &rec, 0);
    EXPECT_EQ(h.t().action_state(), cmd::kDrawStatement);
    EXPECT_EQ(h.t().count(), 25);
}

TEST_F(EngineTest, FreePointFromCompleteRecord)
{
    Dpoint rec = Dpoint::at_position(101, "Q", 321, 123);
    add_from_rec(h.d, rec);
    ASSERT_EQ(h.t().count(), 24);
    EXPECT_EQ(h.t()[23].name_view(), "Q");
    EXPECT_EQ(h.t()[23].x, 321.0);
    EXPECT_EQ(h.t()[23].y, 123.0);
}

TEST_F(EngineTest, RightButtonStateIgnoresClicks)
{
    h.start(103);
    h.t().action_state() = 0;  // ended by the right button
    h.click_on(A);
    EXPECT_EQ(h.t().count(), 23);
}

TEST(CommandLine, BeginShowNext)
{
    ScriptedHost h;
    cmd_begin(h, "Equi-Triangle", 2);
    EXPECT_EQ(cmd_line_text(h), "Equi-Triangle # #");
    EXPECT_EQ(h.d.command_name, "Equi-Triangle");
    EXPECT_EQ(h.t()[1].name_view(), "Equi-Tria");  // the record keeps nine characters
    EXPECT_EQ(h.t().command_arg_count(), 2);
    set_cmd_slot(h, 1, "A1");
    set_cmd_slot(h, 2, "B");
    cmd_show(h);
    EXPECT_EQ(h.cmdline(), "Equi-Triangle A1 B");
    cmd_next(h, 2);
    EXPECT_EQ(h.cmdline(), "Equi-Triangle A1 #");
    EXPECT_EQ(h.t().action_state(), 12);
    // Outside 2..6 only the line is shown.
    h.t().action_state() = 40;
    cmd_next(h, 7);
    EXPECT_EQ(h.t().action_state(), 40);
    cmd_begin(h, "Text", 0);
    cmd_show(h);
    EXPECT_EQ(h.cmdline(), "Text");
    cmd_begin(h, "Many", 12);  // at most eight slots
    EXPECT_EQ(cmd_line_text(h), "Many # # # # # # # #");
}

}  // namespace
}  // namespace cons_test
