// Point constructions click by click: what each builds, its command line,
// its refusals of equal picks, its green feedback and its dialogs.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>

#include "cons_describe.h"
#include "cons_fixture.h"
#include "model/adding.h"

namespace cons_test {
namespace {

constexpr Colour kBlue = rgb(0, 0, 255);
constexpr Colour kGreenPen = rgb(0, 255, 0);
constexpr Colour kWhitePen = rgb(255, 255, 255);

// A(100,100) B(300,100) C(200,250) D(400,300) E(150,400); clicks are given
// as letters, '.' is a click on empty ground at (620, 40).
class PointCommands : public ::testing::Test {
protected:
    std::unique_ptr<ScriptedHost> host = std::make_unique<ScriptedHost>();
    ScriptedHost& h = *host;
    void SetUp() override { fill(h); }
    // A new drawing with the five points, named from A again.
    ScriptedHost& fresh()
    {
        host = std::make_unique<ScriptedHost>();
        fill(*host);
        return *host;
    }
    static void fill(ScriptedHost& h)
    {
        h.point(100, 100, "A");
        h.point(300, 100, "B");
        h.point(200, 250, "C");
        h.point(400, 300, "D");
        h.point(150, 400, "E");
    }
    void clicks(const std::string& script) { clicks(h, script); }
    static void clicks(ScriptedHost& h, const std::string& script)
    {
        for (const char c : script) {
            if (c == '.')
                h.click(620, 40);
            else
                h.click_on(20 + (c - 'A'));
        }
    }
};

struct BuildCase {
    int id;
    const char* clicks;
    const char* command_line;
    std::vector<std::string> built;
    std::optional<std::string> answer = std::nullopt;
};

TEST_F(PointCommands, EachCommandBuildsItsPointWithItsSegmentsAndCircles)
{
    const std::vector<BuildCase> cases = {
        {99, "A.", "On Hline # #", {"99(A)=F", "135(A,F)"}},
        {102, "ABC", "Foot # # #", {"135(B,C)", "102(A,B,C)=F", "135(A,F)", "135(B,F)"}},
        {103, "AB", "Midpoint # #", {"103(A,B)=F", "135(A,B)"}},
        {104, "ABC", "Triangle # # #", {"104(A,B,C)=F", "135(A,B)", "135(A,C)", "135(B,C)"}},
        {105, "CBA", "Triangle # # #", {"105(C,B,A)=F", "135(B,C)", "135(A,C)", "135(A,B)", "136(F,A)"}},
        {106, "ABC", "Triangle # # #", {"106(A,B,C)=F", "135(A,B)", "135(A,C)", "135(B,C)"}},
        {107, "ABC", "Incenter # # #",
         {"107(A,B,C)=F", "135(A,B)", "135(A,C)", "135(B,C)", "135(A,F)", "135(B,F)"}},
        {108, "ABC", "Triangle # # #", {"108(A,B,C)=F", "135(A,B)", "135(A,C)", "135(B,C)"}},
        {109, "AB", "Equi-Triangle # #", {"109(A,B)=F", "135(A,B)", "135(A,F)", "135(B,F)"}},
        {110, "AB.", "On Line # #", {"110(A,B)=F", "135(A,B)", "135(A,F)"}},
        {110, "ABC", "On Line # #", {"110(A,B,C)=F", "135(A,B)", "135(A,F)"}},
        {111, "ABC.", "On Pline # # #", {"111(A,B,C)=F", "135(B,C)", "135(A,F)"}},
        {112, "ABC.", "On Tline # # #", {"112(A,B,C)=F", "135(B,C)", "135(A,F)"}},
        {113, "ABC", "On Circle # #", {"113(A,B)=F", "136(A,B)"}},
        {114, "ABCDE.", "On ALine # # # # #", {"135(A,B)", "114(A,B,C,D,E)=F", "135(C,D)", "135(D,E)", "135(A,F)"}},
        {115, "ABC.", "On Rcircle # # #", {"115(A,B,C)=F", "136(A,F)"}},
        {129, "AB", "Symmetry # #", {"129(A,B)=F", "135(B,F)"}},
        {130, "ABC", "Relfection # # #", {"130(A,B,C)=F", "135(B,C)"}},
        {131, "ABC", "Inversion # # #", {"131(A,B,C)=F", "136(B,C)", "135(A,F)"}},
        {132, "AB", "Square # #", {"132(A,B)=F", "135(A,B)", "135(A,F)"}},
        {133, "AB", "Square # #", {"133(A,B)=F", "135(A,B)", "135(A,F)"}},
        {143, "ABC", "Triangle # # #", {"143(A,B,C)"}},
        {222, "ABC", "Triangle # # #", {"222(A,B,C)"}},
        {458, "ABC", "Triangle # # #", {"458(A,B,C)"}},
        {197, "AB", "Ratio # #", {"197(A,B)=F", "135(A,B)", "135(A,F)"}, "1 3"},
        {198, "AB", "Ratio # #", {"198(A,B)=F", "135(A,B)", "135(A,F)"}, "1 3"},
        {199, "ABC", "PRatio # # #", {"199(A,B,C)=F", "135(B,C)", "135(A,F)"}, "1 2"},
        {470, "AB", "Ratio # #", {"470(A,B)=F", "135(A,F)"}, "45"},
        {471, "ABCDE", "Ratio # # # # #", {"471(A,B,C,D,E)=F"}},
    };
    for (const BuildCase& c : cases) {
        SCOPED_TRACE(c.id);
        ScriptedHost& w = fresh();
        w.start(c.id);
        EXPECT_EQ(w.cmdline(), c.command_line);
        if (c.answer)
            w.dialogs.push_answer(*c.answer);
        clicks(w, c.clicks);
        EXPECT_EQ(appended(w.t(), 25), c.built);
        // The command starts again at once.
        EXPECT_EQ(w.cmdline(), c.command_line);
        EXPECT_EQ(w.t().action_state(), 11);
        EXPECT_EQ(w.t().pending_command(), c.id);
    }
}

struct RefusalCase {
    int id;
    const char* clicks;
    const char* command_line;
    int state;
};

TEST_F(PointCommands, EqualPicksAreAskedAgain)
{
    const RefusalCase cases[] = {
        {102, "ABB", "Foot A B #", 13},          {103, "AA", "Midpoint A #", 12},
        {104, "AA", "Triangle A # #", 12},         {105, "ABA", "Triangle A B #", 13},
        {106, "ABB", "Triangle A B #", 13},      {107, "AA", "Incenter A # #", 12},
        {110, "AA", "On Line A #", 12},          {111, "ABB", "On Pline A B #", 13},
        {112, "ABB", "On Tline A B #", 13},      {143, "ABA", "Triangle A B #", 13},
        {222, "AA", "Triangle A # #", 12},         {197, "BB", "Ratio B #", 12},
        {199, "ABB", "PRatio A B #", 13},        {470, "CC", "Ratio C #", 12},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.id);
        h.t().truncate(25);
        h.start(c.id);
        clicks(c.clicks);
        EXPECT_EQ(h.cmdline(), c.command_line);
        EXPECT_EQ(h.t().action_state(), c.state);
        EXPECT_EQ(h.t().count(), 25);
        EXPECT_TRUE(h.dialogs.asked().empty());
    }
}

TEST_F(PointCommands, RefusalKeepsThePromptThatAskedForThePick)
{
    h.start(107);
    clicks("A");
    EXPECT_EQ(h.prompt(), "Select two points as vertices of the triangle");
    clicks("A");
    EXPECT_EQ(h.prompt(), "Select two points as vertices of the triangle");
    clicks("B");
    EXPECT_EQ(h.prompt(), "Select a point as the incenter of the triangle");
}

TEST_F(PointCommands, MidpointLiesHalfway)
{
    h.start(103);
    clicks("AC");
    EXPECT_EQ(h.t()[25].x, 150.0);
    EXPECT_EQ(h.t()[25].y, 175.0);
}

TEST_F(PointCommands, OnLinePositionClickHasGreenFeedbackAndNoMark)
{
    h.start(110);
    clicks("AB");
    EXPECT_EQ(h.prompt(), "Select a poin on the green line");
    EXPECT_EQ(h.t().no_choice_pending(), 0);
    EXPECT_GT(h.rubber_strokes(kGreenPen), 0u);
    EXPECT_EQ(h.rubber_strokes(kWhitePen), 0u);
    const std::size_t marks = h.rings(kBlue).size();
    const std::size_t calls_before = h.dc.calls().size();
    clicks(".");
    EXPECT_EQ(h.rings(kBlue).size(), marks);
    // The line is painted over before the point appears at the foot of the click.
    std::size_t white = 0, point_disc = 0;
    for (std::size_t i = calls_before; i < h.dc.calls().size(); ++i) {
        const RecordedCall& c = h.dc.calls()[i];
        if (c.op == "line_to" && c.state.pen.colour == kWhitePen && !white)
            white = i;
        if (c.op == "ellipse" && !point_disc && c.args[0] < 620 && c.args[2] > 620)
            point_disc = i;
    }
    EXPECT_GT(white, 0u);
    EXPECT_GT(point_disc, white);
    EXPECT_EQ(h.t()[25].x, 620.0);
    EXPECT_EQ(h.t()[25].y, 100.0);
}

TEST_F(PointCommands, OnAlineFeedbackIsPaintedOverExactly)
{
    h.start(114);
    clicks("ABCDE");
    std::vector<std::vector<int>> green;
    for (const RecordedCall& c : h.dc.calls_named("line_to"))
        if (c.state.pen.colour == kGreenPen)
            green.push_back({c.state.position.x, c.state.position.y, c.args[0], c.args[1]});
    ASSERT_FALSE(green.empty());
    clicks(".");
    std::vector<std::vector<int>> white;
    for (const RecordedCall& c : h.dc.calls_named("line_to"))
        if (c.state.pen.colour == kWhitePen)
            white.push_back({c.state.position.x, c.state.position.y, c.args[0], c.args[1]});
    EXPECT_EQ(white, green);
    EXPECT_EQ(h.prompt(), "Select two points to determine a line");  // the restart's prompt
}

TEST_F(PointCommands, TriangleFillKeepsItsOutlineCount)
{
    h.start(143);
    clicks("ABC");
    const Dpoint& fill = h.t()[25];
    EXPECT_EQ(fill.cls, 3);
    EXPECT_EQ(fill.name_dx, 4);
    Dpoint rec(143, "", 20, 21, 22);
    add_from_rec(h.d, rec);
    ASSERT_EQ(h.t().count(), 27);
    EXPECT_EQ(h.t()[26].cls, 3);
    EXPECT_EQ(h.t()[26].name_dx, 4);
    EXPECT_EQ(h.t().action_state(), 0);
}

TEST_F(PointCommands, ThreePointCircleIsOneCurve)
{
    h.start(222);
    EXPECT_EQ(h.cmdline(), "Triangle # # #");
    clicks("ABC");
    ASSERT_EQ(h.t().count(), 26);
    EXPECT_EQ(h.t()[25].cls, 2);
}

TEST_F(PointCommands, RatioDialogStoresTheTwoWords)
{
    struct Case {
        int id;
        const char* picks;
        const char* initial;
        const char* typed;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {197, "AB", "1 2", "3 5", "3", "5"},
        {198, "AB", "1 2", "10   20", "10", "20"},
        {199, "ABC", "1 1", "2 7", "2", "7"},
        // Cut to nine characters, all of them one word, kept to seven.
        {197, "AB", "1 2", "12345678901", "1234567", ""},
        {198, "AB", "1 2", "7", "7", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        h.t().truncate(25);
        h.dialogs = ScriptedInputDialog();
        h.start(c.id);
        h.dialogs.push_answer(std::string(c.typed));
        clicks(c.picks);
        ASSERT_EQ(h.dialogs.asked().size(), 1u);
        EXPECT_EQ(h.dialogs.asked()[0].title, "Ratio");
        EXPECT_EQ(h.dialogs.asked()[0].prompt, "Input the ratios:");
        EXPECT_EQ(h.dialogs.asked()[0].initial, c.initial);
        EXPECT_EQ(h.dialogs.asked()[0].max_length, 69u);
        ASSERT_EQ(h.t().count(), 28);  // the point and its two segments
        EXPECT_EQ(h.t()[25].aux1.as_text(), c.first);
        EXPECT_EQ(h.t()[25].aux2.as_text(), c.second);
        EXPECT_GT(h.releases, 0);  // the dialog's click gives up the mouse
    }
}

TEST_F(PointCommands, TypedAngleRunsFromAux1IntoAux2)
{
    h.start(470);
    EXPECT_EQ(h.cmdline(), "Ratio # #");
    h.dialogs.push_answer(std::string("123.456789"));
    clicks("AB");
    ASSERT_EQ(h.dialogs.asked().size(), 1u);
    EXPECT_EQ(h.dialogs.asked()[0].initial, "90");
    const Dpoint& p = h.t()[25];
    EXPECT_EQ(std::string(p.aux1.s, 8), "123.4567");
    EXPECT_EQ(p.aux2.as_text(), "8");
}

TEST_F(PointCommands, CancelledRatioBuildsNothingAndStartsAgain)
{
    h.start(197);
    h.dialogs.push_answer(std::nullopt);
    clicks("AB");
    EXPECT_EQ(h.t().count(), 25);
    EXPECT_EQ(h.t().action_state(), 11);
    EXPECT_EQ(h.cmdline(), "Ratio # #");
    h.dialogs.push_answer(std::string("1 4"));
    clicks("AB");
    EXPECT_EQ(appended(h.t(), 25), (std::vector<std::string>{"197(A,B)=F", "135(A,B)", "135(A,F)"}));
}

TEST_F(PointCommands, CompleteRatioRecordStillAsks)
{
    Dpoint rec(197, "R", 20, 21);
    h.dialogs.push_answer(std::string("2 3"));
    add_from_rec(h.d, rec);
    ASSERT_EQ(h.dialogs.asked().size(), 1u);
    EXPECT_EQ(describe(h.t(), 25), "197(A,B)=R");
    EXPECT_EQ(h.t()[25].aux1.as_text(), "2");
    Dpoint cancelled(197, "S", 20, 21);
    add_from_rec(h.d, cancelled);
    EXPECT_EQ(h.t().count(), 28);
    EXPECT_EQ(h.t().action_state(), 0);
}

TEST_F(PointCommands, OnCircleForgetsThePositionClicksObject)
{
    h.start(113);
    clicks("AB");
    EXPECT_EQ(h.t().no_choice_pending(), 0);
    clicks("C");
    EXPECT_EQ(h.t()[25].arg[2], 0);
    EXPECT_EQ(h.pend().arg[2], 0);
}

}  // namespace
}  // namespace cons_test
