// Intersection commands: prompts and green feedback by step, what each
// builds, the two-solution choice, the unique cases found by names, no
// intersection, and building from a complete record.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "cons_describe.h"
#include "cons_fixture.h"
#include "model/adding.h"
#include "model/compute_point.h"
#include "model/primitives.h"

namespace cons_test {
namespace {

constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kBlue = rgb(0, 0, 255);
constexpr Colour kGreenPen = rgb(0, 255, 0);
constexpr Colour kWhitePen = rgb(255, 255, 255);

// A(100,100) B(300,100) C(200,150) D(200,250) E(150,400) G(350,400).
// Line AB is y = 100; the circle about C through D (radius 100) meets it at
// x = 200 -+ 86.6.
class Intersections : public ::testing::Test {
protected:
    std::unique_ptr<ScriptedHost> host = std::make_unique<ScriptedHost>();
    ScriptedHost& h = *host;
    static constexpr int A = 20, B = 21, C = 22, D = 23, E = 24, G = 25;
    static constexpr int kFirstNew = 26;

    void SetUp() override { fill(h); }
    static void fill(ScriptedHost& w)
    {
        w.point(100, 100, "A");
        w.point(300, 100, "B");
        w.point(200, 150, "C");
        w.point(200, 250, "D");
        w.point(150, 400, "E");
        w.point(350, 400, "G");
    }
    ScriptedHost& fresh()
    {
        host = std::make_unique<ScriptedHost>();
        fill(*host);
        return *host;
    }
    bool ring_at(Colour colour, double x, double y)
    {
        for (const DevPoint p : h.rings(colour))
            if (std::abs(p.x - x) <= 1 && std::abs(p.y - y) <= 1)
                return true;
        return false;
    }
};

TEST_F(Intersections, TwoLinesMeetAtOnce)
{
    h.start(116);
    h.click_on_each({A, B, C, D});
    EXPECT_EQ(appended(h.t(), kFirstNew),
              (std::vector<std::string>{"116(A,B,C,D)=F", "135(A,B)", "135(C,D)", "135(A,F)", "135(C,F)"}));
    EXPECT_EQ(h.t()[kFirstNew].x, 200.0);
    EXPECT_EQ(h.t()[kFirstNew].y, 100.0);
    // The build empties pane 1; the restart shows the first prompt again.
    EXPECT_EQ(h.prompt(), "Select two points to determine the first line");
    EXPECT_EQ(h.cmdline(), "Inter_ll # # # #");
    EXPECT_EQ(h.t().action_state(), 11);
    EXPECT_GT(h.rubber_strokes(kWhitePen), 0u);  // the first line painted over
    EXPECT_GT(h.invalidations, 0);
}

TEST_F(Intersections, ParallelLinesStillGiveThePointAndItsSegments)
{
    h.start(116);
    h.click_on_each({A, B, E, G});
    EXPECT_EQ(appended(h.t(), kFirstNew),
              (std::vector<std::string>{"116(A,B,E,G)=F", "135(A,B)", "135(E,G)", "135(A,F)", "135(E,F)"}));
    EXPECT_EQ(h.t().action_state(), 11);
    EXPECT_TRUE(h.boxes.asked().empty());
}

TEST_F(Intersections, BuildTablesOfTheOtherLineKinds)
{
    struct Case {
        int id;
        std::vector<int> picks;
        std::vector<std::string> built;
    };
    const std::vector<Case> cases = {
        {117, {A, B, C, D, E}, {"117(A,B,C,D,E)=F", "135(A,B)", "135(D,E)", "135(A,F)", "135(C,F)"}},
        {118, {A, B, C, D, E}, {"118(A,B,C,D,E)=F", "135(A,B)", "135(D,E)", "135(A,F)", "135(C,F)"}},
        {119, {A, B, D, C, E, G}, {"119(A,B,D,C,E,G)=F", "135(B,D)", "135(E,G)", "135(A,F)", "135(C,F)"}},
        {120, {A, B, D, C, E, G}, {"120(A,B,D,C,E,G)=F", "135(B,D)", "135(E,G)", "135(A,F)", "135(C,F)"}},
        {121, {A, B, D, C, E, G}, {"121(A,B,D,C,E,G)=F", "135(B,D)", "135(E,G)", "135(A,F)", "135(C,F)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        ScriptedHost& w = fresh();
        w.start(c.id);
        for (const int k : c.picks)
            w.click_on(k);
        EXPECT_EQ(appended(w.t(), kFirstNew), c.built);
        EXPECT_EQ(w.t().action_state(), 11);
    }
}

TEST_F(Intersections, EqualPicksOfACurveAreAskedAgain)
{
    struct Case {
        int id;
        std::vector<int> picks;
        const char* line;
        int state;
    };
    const std::vector<Case> cases = {
        {116, {A, A}, "Inter_ll A # # #", 12},
        {116, {A, B, C, C}, "Inter_ll A B C #", 14},
        {119, {A, B, B}, "Inter_pp A B # # # #", 13},
        {122, {A, B, C, C}, "Inter_lc A B C #", 14},
        {125, {C, D, A, A}, "Inter_cc C D A #", 14},
        {127, {A, B, C, D, D}, "Inter_cr A B C D #", 15},
        {128, {A, B, C, D, E, E}, "Inter_rr A B C D E #", 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        ScriptedHost& w = fresh();
        w.start(c.id);
        const std::string asked_for = [&] {
            for (std::size_t k = 0; k + 1 < c.picks.size(); ++k)
                w.click_on(c.picks[k]);
            return w.prompt();
        }();
        const int repaints = w.invalidations;
        w.click_on(c.picks.back());
        EXPECT_EQ(w.cmdline(), c.line);
        EXPECT_EQ(w.t().action_state(), c.state);
        EXPECT_EQ(w.t().count(), kFirstNew);
        EXPECT_EQ(w.prompt(), asked_for);
        EXPECT_EQ(w.invalidations, repaints);
    }
}

TEST_F(Intersections, LineAndCircleOfferBothSolutionsAndKeepTheChosenOne)
{
    h.start(122);
    h.click_on_each({A, B, C, D});
    EXPECT_EQ(appended(h.t(), kFirstNew),
              (std::vector<std::string>{"122(A,B,C,D)=F", "135(A,B)", "136(C,D)", "135(A,F)"}));
    EXPECT_EQ(h.prompt(), "There are two solutions. Please select one");
    EXPECT_EQ(h.t().no_choice_pending(), 0);
    EXPECT_EQ(h.t().action_state(), 15);
    const double left = 200 - std::sqrt(7500.0), right = 200 + std::sqrt(7500.0);
    EXPECT_TRUE(ring_at(kRed, left, 100));
    EXPECT_TRUE(ring_at(kRed, right, 100));
    const std::size_t blue = h.rings(kBlue).size();

    h.click(280, 140);  // nearer the right solution, on no object
    const Dpoint& p = h.t()[kFirstNew];
    EXPECT_NEAR(p.x, right, 1e-9);
    EXPECT_NEAR(p.y, 100.0, 1e-9);
    EXPECT_EQ(h.rings(kBlue).size(), blue);  // the choice click is not marked
    EXPECT_EQ(h.pend().arg[4], 0);
    EXPECT_EQ(p.arg[4], 0);
    EXPECT_EQ(h.t().count(), kFirstNew + 4);  // no free point made
    EXPECT_DOUBLE_EQ(p.aux1.as_double(), 100.0 * area3(h.t(), kFirstNew, A, C));
    EXPECT_EQ(h.t().action_state(), 11);
    EXPECT_EQ(h.t().no_choice_pending(), 1);
    EXPECT_EQ(h.t().placing(), 0);
    EXPECT_EQ(h.cmdline(), "Inter_lc # # # #");
}

TEST_F(Intersections, ChoiceOnAPointAndOnATieStillChooses)
{
    // On an existing point the click names it, but it is no argument.
    h.start(122);
    h.click_on_each({A, B, C, D});
    h.click_on(A);
    EXPECT_NEAR(h.t()[kFirstNew].x, 200 - std::sqrt(7500.0), 1e-9);
    EXPECT_EQ(h.t()[kFirstNew].arg[4], 0);
    // Equally far from both: the first candidate.
    h.start(122);
    h.click_on_each({A, B, C, D});
    const Dpoint first = h.t().candidate(0);
    h.click(200, 600);
    EXPECT_EQ(h.t()[h.t().new_index()].x, first.x);
}

TEST_F(Intersections, CircleThroughAPointOfTheLineNeedsNoChoice)
{
    for (const int through : {A, B}) {
        SCOPED_TRACE(through);
        ScriptedHost& w = fresh();
        w.start(122);
        for (const int k : {A, B, C, through})
            w.click_on(k);
        // The circle about C through A meets AB at A and B: the other one is taken.
        const Dpoint& p = w.t()[kFirstNew];
        EXPECT_NEAR(p.x, through == A ? 300.0 : 100.0, 1e-9);
        EXPECT_NEAR(p.y, 100.0, 1e-9);
        EXPECT_NE(w.prompt(), "There are two solutions. Please select one");
        EXPECT_EQ(w.t().action_state(), 11);
        EXPECT_GT(w.rubber_strokes(kWhitePen), 0u);
    }
}

TEST_F(Intersections, PlineAndTlineCircleTestOnlyTheirFirstPoint)
{
    struct Case {
        int id;
        int circle_point;
        bool unique;
    };
    // The line through A parallel (perpendicular) to C D; a circle about C.
    for (const Case c : {Case{123, A, true}, Case{123, B, false}, Case{123, E, false}, Case{124, A, true},
                         Case{124, B, false}}) {
        SCOPED_TRACE(std::to_string(c.id) + " " + std::to_string(c.circle_point));
        ScriptedHost& w = fresh();
        w.start(c.id);
        for (const int k : {A, C, D, C, c.circle_point})
            w.click_on(k);
        EXPECT_EQ(w.t().action_state(), c.unique ? 11 : 16);
        EXPECT_EQ(w.t().no_choice_pending(), c.unique ? 1 : 0);
    }
}

TEST_F(Intersections, CirclesThroughTheSamePointGiveItsReflection)
{
    h.start(125);
    h.click_on_each({A, C, B, C});
    EXPECT_EQ(appended(h.t(), kFirstNew), (std::vector<std::string>{"125(A,C,B,C)=F", "136(A,C)", "136(B,C)"}));
    EXPECT_NEAR(h.t()[kFirstNew].x, 200.0, 1e-9);
    EXPECT_NEAR(h.t()[kFirstNew].y, 50.0, 1e-9);
    EXPECT_EQ(h.t().action_state(), 11);
}

TEST_F(Intersections, TwoCirclesKeepTheChosenSideWhenAParentMoves)
{
    h.start(125);
    h.click_on_each({A, B, B, A});
    EXPECT_EQ(h.t().action_state(), 15);
    h.click(200, 280);  // below the line of centres
    const int p = kFirstNew;
    EXPECT_NEAR(h.t()[p].y, 100.0 + std::sqrt(30000.0), 1e-9);
    const double side = h.t()[p].aux1.as_double();
    EXPECT_DOUBLE_EQ(side, 100.0 * area3(h.t(), p, A, B));
    // Drag B down and re-solve: P stays on its side of the line AB.
    for (const double by : {60.0, 140.0, 300.0}) {
        h.t()[B].y = by;
        h.t().placing() = 0;
        h.t().recompute() = 1;
        compute_point(h.t(), nullptr, p);
        EXPECT_GT(area3(h.t(), p, A, B) * side, 0.0) << by;
    }
}

TEST_F(Intersections, CircleAndRcircleAlwaysAsk)
{
    h.start(127);
    h.click_on_each({A, B, B, A, B});  // circle about A through B, radius |AB| about B
    EXPECT_EQ(h.t().action_state(), 16);
    EXPECT_EQ(h.prompt(), "There are two solutions. Please select one");
    h.click(200, -50);
    EXPECT_EQ(h.t().action_state(), 11);
    const int p = kFirstNew;
    EXPECT_LT(h.t()[p].y, 100.0);
    EXPECT_DOUBLE_EQ(h.t()[p].aux1.as_double(), 100.0 * area3(h.t(), p, A, B));

    h.start(128);
    h.click_on_each({A, A, B, B, A, B});
    EXPECT_EQ(h.t().action_state(), 17);
    h.click(200, 300);
    EXPECT_EQ(h.pend().arg[6], 0);
    const int q = h.t().new_index();
    EXPECT_GT(h.t()[q].y, 100.0);
    EXPECT_DOUBLE_EQ(h.t()[q].aux1.as_double(), 100.0 * area3(h.t(), q, A, B));
}

TEST_F(Intersections, LineMissingTheCircleFinishesAtOnce)
{
    const int far_point = h.point(150, 450, "H");
    h.start(122);
    h.click_on_each({A, B, E, far_point});
    EXPECT_EQ(appended(h.t(), kFirstNew + 1),
              (std::vector<std::string>{"122(A,B,E,H)=F", "135(A,B)", "136(E,H)", "135(A,F)"}));
    const Dpoint& p = h.t()[kFirstNew + 1];
    EXPECT_EQ(p.x, 0.0);
    EXPECT_EQ(p.y, 0.0);
    EXPECT_EQ(h.t().candidate(0).x, 0.0);
    EXPECT_NE(h.prompt(), "There are two solutions. Please select one");
    EXPECT_EQ(h.t().action_state(), 11);
    EXPECT_EQ(h.cmdline(), "Inter_lc # # # #");
}

TEST_F(Intersections, CompleteRecordsBuildWithoutChoice)
{
    h.t().mouse_x() = 290;
    h.t().mouse_y() = 90;
    Dpoint rec(122, "P", A, B, C, D);
    rec.aux1.set_double(-7.0);
    add_from_rec(h.d, rec);
    const Dpoint& p = h.t()[kFirstNew];
    EXPECT_EQ(p.name_view(), "P");
    EXPECT_NEAR(p.x, 200 + std::sqrt(7500.0), 1e-9);  // the solution nearer the last click
    EXPECT_EQ(p.aux1.as_double(), -7.0);
    EXPECT_EQ(h.t().action_state(), 0);
    EXPECT_EQ(h.prompt(), "There are two solutions. Please select one");

    Dpoint lines(116, "Q", A, B, C, D);
    add_from_rec(h.d, lines);
    EXPECT_EQ(h.prompt(), "");
    EXPECT_EQ(h.t()[h.t().new_index()].name_view(), "Q");
    // A complete record is built even with equal picks.
    Dpoint same(116, "R", A, A, C, D);
    const int before = h.t().count();
    add_from_rec(h.d, same);
    EXPECT_GT(h.t().count(), before);
}

}  // namespace
}  // namespace cons_test
