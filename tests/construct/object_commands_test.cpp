// Renaming, hiding, deleting, restyling, measuring, texts and turning the
// diagram.

#include <gtest/gtest.h>

#include <cmath>

#include "cons_describe.h"
#include "cons_fixture.h"
#include "model/adding.h"
#include "model/deleting.h"

namespace cons_test {
namespace {

class ObjectCommands : public ::testing::Test {
protected:
    ScriptedHost h;
    int A = h.point(100, 100, "A");
    int B = h.point(300, 100, "B");
    int C = h.point(200, 250, "C");
    int D = h.point(400, 300, "D");
    static constexpr int kFirstNew = 24;
    int segment(int a, int b)
    {
        Dpoint s(135, "x", a, b);
        s.cls = 2;
        return h.t().append(s);
    }
    int circle(int c, int p)
    {
        Dpoint s(136, "x", c, p);
        s.cls = 2;
        return h.t().append(s);
    }
};

TEST_F(ObjectCommands, RenameOffersTheCurrentNameAndRewritesLaterLines)
{
    const int mid = h.t().append(Dpoint(103, "M", A, B));
    h.script_open = true;
    h.start(134);
    EXPECT_EQ(h.cmdline(), "Point #");
    EXPECT_EQ(h.prompt(), "Select a point from the diagram");
    h.dialogs.push_answer(std::string("Pq"));
    h.click_on_each({B});
    ASSERT_EQ(h.dialogs.asked().size(), 1u);
    EXPECT_EQ(h.dialogs.asked()[0].title, "Change Point Name");
    EXPECT_EQ(h.dialogs.asked()[0].prompt, "Input a new name:");
    EXPECT_EQ(h.dialogs.asked()[0].initial, "B");
    EXPECT_EQ(h.dialogs.asked()[0].max_length, 5u);
    EXPECT_EQ(h.t()[B].name_view(), "Pq");
    EXPECT_EQ(h.script_updates, (std::vector<int>{B - 20, C - 20, D - 20, mid - 20}));
    EXPECT_EQ(h.t().repaint_switch(), 1);
    EXPECT_GT(h.invalidations, 0);
    EXPECT_EQ(h.t().action_state(), 11);
    EXPECT_EQ(h.cmdline(), "Point #");
}

TEST_F(ObjectCommands, RenameKeepsFiveCharactersAndCancelChangesNothing)
{
    h.t()[C].set_name("LongName");
    h.start(134);
    h.dialogs.push_answer(std::string("LongN"));  // OK on the offered text
    h.click_on_each({C});
    EXPECT_EQ(h.dialogs.asked()[0].initial, "LongN");
    EXPECT_EQ(h.t()[C].name_view(), "LongN");
    h.dialogs.push_answer(std::string("ABCDEFGH"));
    h.click_on_each({C});
    EXPECT_EQ(h.t()[C].name_view(), "ABCDE");
    h.dialogs.push_answer(std::nullopt);
    h.click_on_each({A});
    EXPECT_EQ(h.t()[A].name_view(), "A");
    EXPECT_EQ(h.t().action_state(), 11);
    EXPECT_EQ(h.cmdline(), "Point #");
}

TEST_F(ObjectCommands, RenameDoesNothingWhileTheCalculatorIsOpen)
{
    h.measure.calculator = true;
    h.start(134);
    EXPECT_EQ(h.prompt(), "");
    h.click_on_each({A});
    EXPECT_TRUE(h.dialogs.asked().empty());
    EXPECT_EQ(h.t()[A].name_view(), "A");
}

TEST_F(ObjectCommands, DeletePointAsksFirstAndKeepsAUsedPoint)
{
    h.t().append(Dpoint(103, "M", A, B));
    h.start(140);
    EXPECT_EQ(h.prompt(), "Select a point");
    h.boxes.push_answer(MessageResult::No);
    h.click_on_each({D});
    EXPECT_EQ(h.t().count(), kFirstNew + 1);
    h.boxes.push_answer(MessageResult::Yes);
    h.click_on_each({D});
    EXPECT_EQ(h.t().count(), kFirstNew);
    ASSERT_EQ(h.boxes.asked().size(), 2u);
    EXPECT_EQ(h.boxes.asked()[1].text, "Are you sure?");
    EXPECT_EQ(h.t().action_state(), 11);
    EXPECT_EQ(h.cmdline(), "Point #");
    // A (parent of the midpoint) is refused without the question.
    h.click_on_each({A});
    EXPECT_EQ(h.t().count(), kFirstNew);
    ASSERT_EQ(h.boxes.asked().size(), 3u);
    EXPECT_EQ(h.boxes.asked()[2].text, "Can't delete the point");
}

TEST_F(ObjectCommands, HidingAPointTwiceShowsItAgain)
{
    h.start(169);
    EXPECT_EQ(h.cmdline(), " #");  // the command's name has no text
    h.click_on_each({C});
    EXPECT_EQ(h.t()[C].shown, 0);
    EXPECT_EQ(h.t()[h.t().restore_top() - 1].type, -C);
    h.click_on_each({C});
    EXPECT_EQ(h.t()[C].shown, 1);
    EXPECT_EQ(h.t().action_state(), 11);
}

TEST_F(ObjectCommands, HidingANameWritesItOverInWhite)
{
    h.start(172);
    const std::size_t before = h.dc.count("text_out");
    h.click_on_each({B});
    EXPECT_EQ(h.t()[B].name_shown, 0);
    const auto texts = h.dc.calls_named("text_out");
    ASSERT_GT(texts.size(), before);
    EXPECT_EQ(texts.back().state.text_colour, rgb(255, 255, 255));
    h.click_on_each({B});
    EXPECT_EQ(h.t()[B].name_shown, 1);
    EXPECT_EQ(h.dc.calls_named("text_out").back().state.text_colour, h.t().font_colour());
}

TEST_F(ObjectCommands, HidingALineTwiceAndRestoringAMissingLineNothing)
{
    const int s = segment(A, B);
    h.start(170);
    h.click_on_each({B, A});
    EXPECT_EQ(h.t()[s].shown, 0);
    restore_last(h.d);
    EXPECT_EQ(h.t()[s].shown, 1);
    h.click_on_each({A, B});
    h.click_on_each({A, B});
    EXPECT_EQ(h.t()[s].shown, 1);
    const int top = h.t().restore_top();
    h.click_on_each({A, C});
    EXPECT_EQ(h.t().restore_top(), top);
    EXPECT_EQ(h.t().action_state(), 11);
    EXPECT_EQ(h.cmdline(), "Line # #");
}

TEST_F(ObjectCommands, CircleFoundByAnyPointNearItsRadius)
{
    // Centre A, radius 200 (through B); a second circle about A is not taken.
    const int first = circle(A, B);
    const int second = circle(A, C);
    const int near = h.point(100, 301.5, "N");  // 201.5 from A
    h.start(171);
    h.click_on_each({A, near});
    EXPECT_EQ(h.t()[first].shown, 0);
    EXPECT_EQ(h.t()[second].shown, 1);
    const int off = h.point(100, 303, "O");  // 203 from A
    h.click_on_each({A, off});
    EXPECT_EQ(h.t()[first].shown, 0);
}

TEST_F(ObjectCommands, DeleteLineAndCircleAskNothing)
{
    segment(A, B);
    const int c = circle(C, D);
    h.start(190);
    h.click_on_each({B, A});
    EXPECT_EQ(h.t().count(), c);  // the segment went, the circle moved down
    EXPECT_TRUE(h.boxes.asked().empty());
    h.start(191);
    EXPECT_EQ(h.prompt(), "Select a point as the center of the circle");
    h.click_on_each({C, D});
    EXPECT_EQ(h.t().count(), kFirstNew);
    EXPECT_TRUE(h.boxes.asked().empty());
    EXPECT_EQ(h.t().action_state(), 11);
}

TEST_F(ObjectCommands, ChangeRunsTheObjectDialogOnACopy)
{
    const int s = segment(A, B);
    const int c = circle(C, D);
    int answer = 0;
    h.object_dialog = [&](Dpoint& copy) {
        copy.colour = rgb(1, 2, 3);
        return answer;
    };
    h.start(194);
    h.click_on_each({A, B});
    EXPECT_EQ(h.t()[s].colour, kBlack);  // the dialog was cancelled
    answer = 1;
    h.click_on_each({B, A});
    EXPECT_EQ(h.t()[s].colour, rgb(1, 2, 3));
    h.start(189);
    h.click_on_each({C, D});
    EXPECT_EQ(h.t()[c].colour, rgb(1, 2, 3));
    EXPECT_EQ(h.t().action_state(), 11);
    EXPECT_EQ(h.cmdline(), "Circle # #");
}

TEST_F(ObjectCommands, DynamicUnitClosesTheCalculator)
{
    h.measure.calculator = true;
    h.start(462);
    h.click_on_each({A, B});
    EXPECT_EQ(h.measure.calculator_closed, 1);
    EXPECT_EQ(h.t().unit_segment_a(), A);
    EXPECT_EQ(h.t().unit_segment_b(), B);
    EXPECT_EQ(h.measure.codes, (std::vector<int>{462}));
}

TEST_F(ObjectCommands, MeasurementsHandTheirPicksOver)
{
    struct Case {
        int id;
        std::vector<int> picks;
        const char* line;
        const char* prompt;
    };
    const std::vector<Case> cases = {
        {159, {A, A}, "Segment # #", "Select two points to determine a segment"},
        {160, {A, B, C}, "Angle # # #", "Select three points to determine an angle"},
        {161, {A, B}, "Line # #", "Select two points to determine a line"},
        {162, {A, B, C}, "Triangle # # #", ""},
        {163, {A, B, C, D}, "Quadralateral # # # #", "Select four points to determine a quadralateral"},
        {164, {A, B}, "Circle # #", "Select a point ad the center of the circle"},
        {165, {A, B, C, D}, "Segment # # # #", "Select two points to determine a segment"},
        {166, {A, B, C, B, C, D}, "Areas # # # # # #", "Select three points to determine a triangle"},
        {224, {A, B}, "Circle # #", "Select a point as the center of the circle"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        h.measure.codes.clear();
        h.measure.operands.clear();
        h.start(c.id);
        EXPECT_EQ(h.cmdline(), c.line);
        EXPECT_EQ(h.prompt(), c.prompt);
        for (const int k : c.picks)
            h.click_on(k);
        ASSERT_EQ(h.measure.codes, (std::vector<int>{-102}));
        for (std::size_t k = 0; k < c.picks.size(); ++k)
            EXPECT_EQ(h.measure.operands[0][k], c.picks[k]);
        EXPECT_EQ(h.t().action_state(), 11);
        EXPECT_EQ(h.t().count(), kFirstNew);  // nothing added to the drawing
    }
}

TEST_F(ObjectCommands, CircleMeasureRefusesTheSamePoint)
{
    h.start(224);
    h.click_on_each({A, A});
    EXPECT_TRUE(h.measure.codes.empty());
    EXPECT_EQ(h.cmdline(), "Circle A #");
}

// The text command is started by the window in action state 10.
void start_text(ScriptedHost& h)
{
    h.t().pending_command() = 180;
    h.t().action_state() = 10;
    h.pend() = Dpoint::of_type(180, h.t().current_block());
}

TEST_F(ObjectCommands, TextIsPlacedAboveTheClick)
{
    start_text(h);
    h.dialogs.push_answer(std::string("Hello"));
    h.click(250, 320);
    ASSERT_EQ(h.dialogs.asked().size(), 1u);
    EXPECT_EQ(h.dialogs.asked()[0].title, "Text");
    EXPECT_EQ(h.dialogs.asked()[0].prompt, "Input the text:");
    EXPECT_EQ(h.dialogs.asked()[0].initial, "");
    EXPECT_EQ(h.dialogs.asked()[0].max_length, 79u);
    ASSERT_EQ(h.t().count(), kFirstNew + 1);
    const Dpoint& text = h.t()[kFirstNew];
    EXPECT_EQ(text.text_view(), "Hello");
    EXPECT_EQ(text.cls, 6);
    EXPECT_EQ(text.size, 5);
    EXPECT_EQ(text.name_dy, 3 - 16);
    EXPECT_EQ(text.x, 250.0);
    EXPECT_EQ(text.y, 320.0);
    EXPECT_EQ(h.pend().name_dy, 3);
    EXPECT_EQ(h.pend().size, 1);
    EXPECT_EQ(h.t().action_state(), 10);
    EXPECT_GT(h.releases, 0);

    const std::string longest(79, 'w');
    h.dialogs.push_answer(longest);
    h.click(50, 60);
    EXPECT_EQ(h.t()[kFirstNew + 1].text_view(), longest);

    const int releases = h.releases;
    h.dialogs.push_answer(std::nullopt);
    h.click(70, 80);
    EXPECT_EQ(h.t().count(), kFirstNew + 2);
    EXPECT_EQ(h.releases, releases + 1);
}

TEST_F(ObjectCommands, TextFromACompleteRecord)
{
    Dpoint rec = Dpoint::at_position(180, "", 30, 40);
    rec.set_text("note");
    rec.size = 7;
    add_from_rec(h.d, rec);
    ASSERT_EQ(h.t().count(), kFirstNew + 1);
    EXPECT_EQ(h.t()[kFirstNew].size, 3);
    EXPECT_EQ(h.t()[kFirstNew].text_view(), "note");
    EXPECT_EQ(h.t()[kFirstNew].name_dy, 3);
    EXPECT_EQ(rec.size, 7);
}

TEST_F(ObjectCommands, TurnByTheAngleInTheDiagram)
{
    struct Case {
        double x2, y2, x4, y4;  // the arms from the vertex (200, 200)
        double degrees;
    };
    const Case cases[] = {
        {300, 200, 200, 300, 90.0},   // right angle one way
        {300, 200, 200, 100, 90.0},   // and the other
        {300, 200, 300, 300, 45.0},
        {300, 200, 150, 200 + 50 * std::sqrt(3.0), -60.0},  // 120 degrees
    };
    for (const Case& c : cases) {
        ScriptedHost w;
        const int centre = w.point(50, 60, "O");
        const int p2 = w.point(c.x2, c.y2, "P");
        const int p3 = w.point(200, 200, "Q");
        const int p4 = w.point(c.x4, c.y4, "R");
        w.start(242);
        EXPECT_EQ(w.cmdline(), "Rotate # # # #");
        EXPECT_EQ(w.prompt(), "Use LEFT button to select the rotation center");
        w.click_on(centre);
        EXPECT_EQ(w.prompt(), "Select three points to determine an angle");
        w.click_on(p2);
        w.click_on(p3);
        w.click_on(p4);
        ASSERT_EQ(w.turns.size(), 1u);
        EXPECT_NEAR(w.turns[0] * 180.0 / M_PI, c.degrees, 1e-6);
        EXPECT_EQ(w.t()[12].x, 50.0);
        EXPECT_EQ(w.t()[12].y, 60.0);
        EXPECT_EQ(w.t().dragged_index(), 1);
        EXPECT_EQ(w.t().action_state(), 0);
        EXPECT_GT(w.invalidations, 0);
    }
}

TEST_F(ObjectCommands, TurnAsksAgainForARepeatedPoint)
{
    h.start(242);
    h.click_on_each({A, B, C, C});
    EXPECT_EQ(h.t().action_state(), 14);
    h.click_on_each({D});
    EXPECT_EQ(h.turns.size(), 1u);
    h.start(242);
    h.click_on_each({A, B, B});
    EXPECT_EQ(h.t().action_state(), 13);
}

TEST_F(ObjectCommands, TurnCentreOnEmptyGroundIsANewPoint)
{
    h.start(243);
    h.dialogs.push_answer(std::string("30"));
    h.click(640, 480);
    ASSERT_EQ(h.t().count(), kFirstNew + 1);
    EXPECT_EQ(h.t()[12].x, 640.0);
    EXPECT_EQ(h.t()[12].y, 480.0);
}

TEST_F(ObjectCommands, TurnByATypedAngle)
{
    struct Case {
        std::optional<std::string> typed;
        double radians;
    };
    const Case cases[] = {
        {std::string("45"), 45 * 3.14159 / 180},
        {std::string("-12.5e1"), -125 * 3.14159 / 180},
        {std::string("abc"), 0.0},
        {std::nullopt, 0.0},
    };
    for (const Case& c : cases) {
        ScriptedHost w;
        const int centre = w.point(10, 20, "O");
        w.start(243);
        EXPECT_EQ(w.cmdline(), "Rotate #");
        w.dialogs.push_answer(c.typed);
        w.click_on(centre);
        ASSERT_EQ(w.dialogs.asked().size(), 1u);
        EXPECT_EQ(w.dialogs.asked()[0].title, "Input an angle");
        EXPECT_EQ(w.dialogs.asked()[0].prompt, "Input an angle");
        EXPECT_EQ(w.dialogs.asked()[0].initial, "90.0");
        EXPECT_EQ(w.dialogs.asked()[0].max_length, 9u);
        ASSERT_EQ(w.turns.size(), 1u);
        EXPECT_DOUBLE_EQ(w.turns[0], c.radians);
        EXPECT_EQ(w.t().action_state(), 0);
        EXPECT_EQ(w.cmdline(), "");
    }
}

TEST_F(ObjectCommands, OtherCommandsIgnoreCompleteRecords)
{
    for (const int id : {134, 140, 159, 169, 242, 243}) {
        Dpoint rec(id, "", A, B, C, D);
        add_from_rec(h.d, rec);
        EXPECT_EQ(h.t().count(), kFirstNew) << id;
        EXPECT_TRUE(h.dialogs.asked().empty()) << id;
        EXPECT_TRUE(h.measure.codes.empty()) << id;
    }
}

}  // namespace
}  // namespace cons_test
