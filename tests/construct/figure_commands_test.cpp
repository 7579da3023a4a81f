// Segments, circles, arcs, conics, arrows, marks, fills and buttons made
// click by click.

#include <gtest/gtest.h>

#include <memory>

#include "cons_describe.h"
#include "cons_fixture.h"
#include "model/adding.h"

namespace cons_test {
namespace {

constexpr Colour kLightGreen = rgb(0, 255, 0);

class FigureCommands : public ::testing::Test {
protected:
    ScriptedHost h;
    int A = h.point(100, 100, "A");
    int B = h.point(300, 100, "B");
    int C = h.point(200, 250, "C");
    int D = h.point(400, 300, "D");
    int E = h.point(150, 400, "E");
    static constexpr int kFirstNew = 25;
};

TEST_F(FigureCommands, SegmentRefusesTheSamePointAndRepeats)
{
    h.start(135);
    EXPECT_EQ(h.cmdline(), "Line # #");
    EXPECT_EQ(h.prompt(), "Select two points to determine a line");
    h.click_on_each({A, A});
    EXPECT_EQ(h.cmdline(), "Line A #");
    EXPECT_EQ(h.t().action_state(), 12);
    EXPECT_EQ(h.t().count(), kFirstNew);
    h.click_on_each({B});
    EXPECT_EQ(appended(h.t(), kFirstNew), (std::vector<std::string>{"135(A,B)"}));
    EXPECT_EQ(h.cmdline(), "Line # #");
    EXPECT_EQ(h.t().action_state(), 11);
}

TEST_F(FigureCommands, ExistingSegmentIsRestyledNotDuplicated)
{
    Dpoint old(135, "x", A, B);
    old.cls = 2;
    old.colour = rgb(255, 0, 0);
    const int k = h.t().append(old);
    h.t().pen_colour() = rgb(0, 0, 255);
    h.t().pen_size_setting() = 3;
    h.t().pen_style_setting() = 2;
    h.start(135);
    h.click_on_each({B, A});
    EXPECT_EQ(h.t().count(), k + 1);
    EXPECT_EQ(h.t()[k].colour, rgb(0, 0, 255));
    EXPECT_EQ(h.t()[k].size, 3);
    EXPECT_EQ(h.t()[k].pen_style, 2);
}

TEST_F(FigureCommands, LaterCirclesOfARunAreBlack)
{
    const Colour chosen = rgb(0, 0, 255);
    h.t().pen_colour() = chosen;
    h.start(136);
    EXPECT_EQ(h.cmdline(), "Circle # #");
    EXPECT_EQ(h.prompt(), "Select a point as the center of the circle");
    h.click_on_each({A});
    EXPECT_EQ(h.prompt(), "Select a point on the circle");
    h.click_on_each({B, C, D});
    ASSERT_EQ(appended(h.t(), kFirstNew), (std::vector<std::string>{"136(A,B)", "136(C,D)"}));
    EXPECT_EQ(h.t()[kFirstNew].colour, chosen);
    EXPECT_EQ(h.t()[kFirstNew + 1].colour, kBlack);
}

TEST_F(FigureCommands, SegmentAsATraceEndsTheCommand)
{
    h.t().current_driver() = 2;
    h.start(135);
    h.t().outer_mode() = 26;  // started from the animation menu
    h.click_on_each({A, B});
    ASSERT_EQ(h.t().count(), kFirstNew + 1);
    EXPECT_EQ(h.t()[kFirstNew].colour, kLightGreen);
    EXPECT_EQ(h.t().driver_path(2), kFirstNew);
    EXPECT_EQ(h.ended, 1);
    EXPECT_EQ(h.t().action_state(), 0);
    EXPECT_EQ(h.t().pending_command(), 0);
    EXPECT_EQ(h.cmdline(), "");
    EXPECT_EQ(h.pend().colour, h.t().pen_colour());
}

TEST_F(FigureCommands, CircleAsATraceWithoutADrivingPointWritesNothingElse)
{
    h.t().current_driver() = -1;  // no driving point set up
    const Dpoint paths = h.t()[8];
    h.start(136);
    h.t().outer_mode() = 26;
    h.click_on_each({A, B});
    EXPECT_EQ(h.t()[8].arg, paths.arg);
    EXPECT_EQ(h.t().action_state(), 0);
}

TEST_F(FigureCommands, PolygonFillBuiltAtTheSeventhPick)
{
    const int F = h.point(450, 150, "F");
    const int G = h.point(350, 450, "G");
    h.start(144);
    EXPECT_EQ(h.cmdline(), "Polygon # # # # # # #");
    EXPECT_EQ(h.prompt(), "Left button to select point. (Right quit)");
    h.click_on_each({A, B, C, D, E, F, G});
    ASSERT_EQ(h.t().count(), kFirstNew + 3);
    const Dpoint& fill = h.t()[kFirstNew + 2];
    EXPECT_EQ(describe(h.t(), kFirstNew + 2), "144(A,B,C,D,E,F,G)");
    EXPECT_EQ(fill.cls, 3);
    EXPECT_EQ(fill.name_dx, 8);
    EXPECT_EQ(fill.name_view(), "f");
    EXPECT_EQ(h.t().action_state(), 11);
}

TEST_F(FigureCommands, CompletePolygonKeepsItsOwnCount)
{
    Dpoint rec(144, "", A, B, C);
    rec.name_dx = 4;
    add_from_rec(h.d, rec);
    ASSERT_EQ(h.t().count(), kFirstNew + 1);
    EXPECT_EQ(h.t()[kFirstNew].name_dx, 4);
    EXPECT_EQ(h.t().action_state(), 0);
}

TEST_F(FigureCommands, ThreePickFiguresTakeEqualPicks)
{
    struct Case {
        int id;
        const char* line;
        int cls;
    };
    for (const Case c : {Case{192, "Arc # # #", 2}, Case{146, "Chord # # #", 3}, Case{147, "Pie # # #", 3}}) {
        SCOPED_TRACE(c.id);
        h.t().truncate(kFirstNew);
        h.start(c.id);
        EXPECT_EQ(h.cmdline(), c.line);
        h.click_on_each({A});
        EXPECT_EQ(h.prompt(), "Select two points on a circle");
        h.click_on_each({A, A});
        ASSERT_EQ(h.t().count(), kFirstNew + 1);
        EXPECT_EQ(describe(h.t(), kFirstNew), std::to_string(c.id) + "(A,A,A)");
        EXPECT_EQ(h.t()[kFirstNew].cls, c.cls);
        EXPECT_EQ(h.t().action_state(), 11);
    }
}

TEST_F(FigureCommands, ConicIsSampledOnItsFirstDrawing)
{
    struct Case {
        int id;
        const char* line;
        const char* second_prompt;
    };
    for (const Case c : {Case{455, "Eclipse # # #", "Select two points to determine the two axes of the eclipse"},
                         Case{456, "Hyperbola # # #", "Select two points to determine the two axes of the hyperbola"},
                         Case{457, "Parabola # # #", "Select two points to determine a line"}}) {
        SCOPED_TRACE(c.id);
        h.t().truncate(kFirstNew);
        h.start(c.id);
        EXPECT_EQ(h.cmdline(), c.line);
        h.click_on_each({C});
        EXPECT_EQ(h.prompt(), c.second_prompt);
        h.pend().samples = {{1, 1}};  // stale samples never reach the new conic
        h.click_on_each({D, B});
        ASSERT_EQ(h.t().count(), kFirstNew + 1);
        const Dpoint& conic = h.t()[kFirstNew];
        EXPECT_EQ(conic.cls, 2);
        EXPECT_EQ(conic.name_view(), "x");
        EXPECT_GT(conic.samples.size(), 1u);
        EXPECT_EQ(h.t().recompute(), 1);
    }
}

TEST_F(FigureCommands, ArrowsMarksAndMarkedSegments)
{
    struct Case {
        int id;
        std::vector<int> picks;
        const char* line;
        int cls;
        int size;
    };
    const std::vector<Case> cases = {
        {186, {A, B}, "Arrow # #", 2, 1},
        {187, {A, B}, "Arrow # #", 2, 1},
        {181, {A, B}, "Line # #", 4, 1},
        {182, {A, B, C}, "Angle # # #", 4, 3},
        {183, {A, B, C}, "Angle # # #", 4, 3},
        {460, {A, B}, "Segment # #", 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        h.t().truncate(kFirstNew);
        h.start(c.id);
        EXPECT_EQ(h.cmdline(), c.line);
        EXPECT_FALSE(h.prompt().empty());
        for (const int k : c.picks)
            h.click_on(k);
        ASSERT_EQ(h.t().count(), kFirstNew + 1);
        const Dpoint& o = h.t()[kFirstNew];
        EXPECT_EQ(o.type, c.id);
        EXPECT_EQ(o.cls, c.cls);
        EXPECT_EQ(o.size, c.size);
        EXPECT_EQ(o.name_view(), "x");
        EXPECT_EQ(h.t().action_state(), 11);
    }
    // The mark size stays in the pending record.
    EXPECT_EQ(h.pend().size, 1);
    h.start(182);
    h.click_on_each({A, B, C});
    EXPECT_EQ(h.pend().size, 3);
}

TEST_F(FigureCommands, ArrowCircleFillAndSegmentMarkRefuseTheSamePoint)
{
    for (const auto& [id, line] : {std::pair{186, "Arrow D #"}, {145, "Circle D #"}, {181, "Line D #"}}) {
        h.start(id);
        h.click_on_each({D, D});
        EXPECT_EQ(h.t().action_state(), 12) << id;
        EXPECT_EQ(h.t().count(), kFirstNew) << id;
        EXPECT_EQ(h.cmdline(), line) << id;
    }
    h.start(145);
    h.click_on_each({D, E});
    EXPECT_EQ(describe(h.t(), kFirstNew), "145(D,E)");
    EXPECT_EQ(h.t()[kFirstNew].cls, 3);
}

// Buttons are placed, not picked: the window starts them in action state 10.
void start_placing(ScriptedHost& h, int id)
{
    h.t().pending_command() = id;
    h.t().action_state() = 10;
    h.pend() = Dpoint::of_type(id, h.t().current_block());
}

TEST_F(FigureCommands, ButtonsArePlacedAtTheClick)
{
    start_placing(h, 466);
    h.pend().aux1.set_int(5);
    h.click(500, 60);
    ASSERT_EQ(h.t().count(), kFirstNew + 1);
    const Dpoint& hide = h.t()[kFirstNew];
    EXPECT_EQ(hide.cls, 7);
    EXPECT_EQ(hide.name_view(), "Hide");
    EXPECT_EQ(hide.x, 500.0);
    EXPECT_EQ(hide.y, 60.0);
    EXPECT_EQ(hide.aux1.as_int(), -1);
    EXPECT_EQ(hide.hide_entries(), 0u);
    EXPECT_EQ(h.t().action_state(), 466);
    EXPECT_TRUE(h.rings(rgb(0, 0, 255)).empty());

    start_placing(h, 465);
    h.click(520, 90);
    ASSERT_EQ(h.t().count(), kFirstNew + 2);
    EXPECT_EQ(h.t()[kFirstNew + 1].cls, 7);
    EXPECT_EQ(h.t()[kFirstNew + 1].name_view(), "Hide");
    EXPECT_EQ(h.t().action_state(), 465);
}

TEST_F(FigureCommands, CompleteButtonKeepsItsPosition)
{
    Dpoint rec = Dpoint::at_position(465, "", 40, 50);
    add_from_rec(h.d, rec);
    ASSERT_EQ(h.t().count(), kFirstNew + 1);
    EXPECT_EQ(h.t()[kFirstNew].x, 40.0);
    EXPECT_EQ(h.t()[kFirstNew].y, 50.0);
    EXPECT_EQ(h.t().action_state(), 0);
}

TEST_F(FigureCommands, FinishedFiguresRepaintTheWindow)
{
    h.start(192);
    const int before = h.invalidations;
    h.click_on_each({A, B, C});
    EXPECT_GT(h.invalidations, before);
}

}  // namespace
}  // namespace cons_test
