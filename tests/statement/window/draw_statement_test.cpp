// Drawing the prover's statement into a drawing window: a free point where
// the user clicks, a constructed point at the next click wherever it is, the
// conclusion with the last record, and the ways out of the mode.

#include <gtest/gtest.h>

#include <cmath>

#include "bridge_fixture.h"
#include "model/find_object.h"
#include "statement/window/prover_commands.h"
#include "support/gated_method.h"

namespace {

constexpr int kFirst = 20;  // first object index

int index_of(Dchild& win, const char* name) { return find_object_by_name(win.objects(), name, 0, 0); }

TEST(DrawStatement, RefusedWithoutAProverOrAStatement)
{
    ProverDrawing d;
    d.point("Z", 10, 10);
    d.win->command(221);
    ASSERT_EQ(d.ui.boxes.asked().size(), 1u);
    EXPECT_EQ(d.ui.boxes.asked()[0].text, "Please Open the QPL Prover Window");
    EXPECT_EQ(d.ui.boxes.asked()[0].caption, "");
    EXPECT_EQ(d.t().count(), kFirst + 1);

    d.open_prover();
    draw_statement_cmd(*d.win);
    ASSERT_EQ(d.ui.boxes.asked().size(), 2u);
    EXPECT_EQ(d.ui.boxes.asked()[1].text, "There is not Geometry Statement to Draw");
    EXPECT_EQ(d.t().count(), kFirst + 1);
    EXPECT_NE(d.t().action_state(), 221);
}

TEST(DrawStatement, TheParallelogramClickByClick)
{
    ProverDrawing d;
    d.point("old", 5, 5);
    toskApp* prover = d.open_prover();
    prover->command(315);  // A B C free, D = INTERSECTION_PP, O = INTERSECTION_LL; SHOW: MIDPOINT O A C

    ASSERT_TRUE(d.win->command(221));
    EXPECT_EQ(d.t().count(), kFirst) << "the drawing is cleared";
    EXPECT_EQ(d.t().action_state(), 221);
    EXPECT_EQ(d.t().outer_mode(), 221);
    EXPECT_EQ(d.t().command_lock(), -1);
    EXPECT_EQ(d.pane(1), "Select a location for point A");

    d.click(100, 100);
    ASSERT_EQ(d.t().count(), kFirst + 1);
    const Dpoint& a = d.t()[kFirst];
    EXPECT_EQ(object_name(*d.win, kFirst), "A");
    EXPECT_EQ(a.type, 101);
    EXPECT_EQ(a.cls, 1);
    EXPECT_EQ(a.x, 100.0);
    EXPECT_EQ(a.y, 100.0);
    EXPECT_EQ(a.size, 2);
    EXPECT_EQ(d.pane(1), "Select a location for point B");
    EXPECT_EQ(d.t().command_lock(), -1);

    d.click(300, 100);
    d.click(350, 250);
    EXPECT_EQ(d.pane(1), "Click the mouse to draw next point");

    // A constructed point is built at the next click, wherever it is.
    d.click(5, 400);
    const int p = index_of(*d.win, "D");
    ASSERT_GT(p, 0);
    EXPECT_EQ(d.t()[p].type, 119);
    EXPECT_EQ(d.t()[p].cls, 1);
    EXPECT_EQ(d.t()[p].arg[0], kFirst);
    EXPECT_EQ(d.t()[p].arg[1], kFirst + 1);
    EXPECT_EQ(d.t()[p].arg[2], kFirst + 2);
    EXPECT_NEAR(d.t()[p].x, 150.0, 1e-6);
    EXPECT_NEAR(d.t()[p].y, 250.0, 1e-6);
    EXPECT_EQ(d.t().action_state(), 221);
    EXPECT_EQ(index_of(*d.win, "O"), 0);

    // The last record and the conclusion in one click.
    d.click(500, 20);
    const int o = index_of(*d.win, "O");
    ASSERT_GT(o, p);
    EXPECT_NEAR(d.t()[o].x, 225.0, 1e-6);
    EXPECT_NEAR(d.t()[o].y, 175.0, 1e-6);
    EXPECT_EQ(d.t().conclusion_type(), 151);
    EXPECT_EQ(d.t().conclusion_args()[0], o);
    EXPECT_EQ(d.t().conclusion_args()[1], kFirst);
    EXPECT_EQ(d.t().conclusion_args()[2], kFirst + 2);
    EXPECT_EQ(d.pane(1), "Drawing is Done!");
    EXPECT_EQ(d.t().action_state(), 0);
    EXPECT_EQ(d.t().outer_mode(), 0);
    EXPECT_EQ(d.t().command_lock(), 0);

    // The drawing now gives the same statement back.
    const std::string shown = [&] {
        prover->command(pcmd::kClearWindow);
        prover->command(pcmd::kShowStatement);
        return prover->edit()->text();
    }();
    prover->command(pcmd::kFromDrawing);
    EXPECT_EQ(prover->edit()->text(), shown);
}

TEST(DrawStatement, ARightClickEndsTheModeAndANewCommandStartsAgain)
{
    ProverDrawing d;
    toskApp* prover = d.open_prover();
    prover->command(316);
    d.win->command(221);
    d.click(100, 100);
    d.click(200, 100);
    d.right_click();
    EXPECT_EQ(d.t().count(), kFirst + 2);
    EXPECT_EQ(d.t().command_lock(), 0);
    EXPECT_EQ(d.t().outer_mode(), 0);
    EXPECT_EQ(d.t().action_state(), 0);
    // Clicks now draw nothing of the statement.
    d.click(300, 300);
    EXPECT_EQ(d.t().count(), kFirst + 2);

    d.win->command(221);
    EXPECT_EQ(d.t().count(), kFirst);
    EXPECT_EQ(d.pane(1), "Select a location for point A");
    d.click(40, 50);
    EXPECT_EQ(object_name(*d.win, kFirst), "A");
}

TEST(DrawStatement, OneFreePointWithoutConclusionIsDoneAtTheFirstClick)
{
    ProverDrawing source;
    source.point("P", 10, 10);
    source.open_prover();
    diagram_to_prover(*source.win);
    ASSERT_EQ(g_npoints, 1);
    ASSERT_EQ(g_concl.type, concl_kind::kNone);

    draw_statement_cmd(*source.win);
    source.click(70, 80);
    EXPECT_EQ(source.t().count(), kFirst + 1);
    EXPECT_EQ(source.t()[kFirst].x, 70.0);
    EXPECT_EQ(source.pane(1), "Drawing is Done!");
    EXPECT_EQ(source.t().conclusion_type(), concl_kind::kNone);
    // Nothing is left to draw: further clicks add nothing.
    EXPECT_EQ(source.t().action_state(), 0);
    source.click(90, 90);
    EXPECT_EQ(source.t().count(), kFirst + 1);
}

struct RoundTrip {
    int kind;
    std::array<int, 8> picked;  // 1-based point numbers as record 1 holds them
};

class ConclusionRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(ConclusionRoundTrip, DrawnBackAsPicked)
{
    const RoundTrip& c = GetParam();
    ProverDrawing d;
    const char* names[] = {"A", "B", "C", "D", "E", "F", "G", "H"};
    // Points on a circle, so that every conclusion can be drawn.
    std::array<int, 9> objects{};
    for (int i = 0; i < 8; ++i)
        objects[static_cast<std::size_t>(i + 1)] =
            d.point(names[i], 300 + 150 * std::cos(i * 0.7), 220 + 150 * std::sin(i * 0.7));
    std::array<std::int32_t, 8> args{};
    for (std::size_t k = 0; k < 8; ++k)
        args[k] = objects[static_cast<std::size_t>(c.picked[k])];
    d.conclude(c.kind, args);
    d.open_prover();
    diagram_to_prover(*d.win);

    draw_statement_cmd(*d.win);
    for (int i = 0; i < 8; ++i)
        d.click(300 + static_cast<int>(150 * std::cos(i * 0.7)), 220 + static_cast<int>(150 * std::sin(i * 0.7)));
    ASSERT_EQ(d.pane(1), "Drawing is Done!");
    EXPECT_EQ(d.t().conclusion_type(), c.kind);
    for (std::size_t k = 0; k < 8; ++k) {
        const int drawn = d.t().conclusion_args()[k];
        const std::string expected = c.picked[k] ? names[c.picked[k] - 1] : "";
        EXPECT_EQ(drawn == 0 ? "" : object_name(*d.win, drawn), expected) << "slot " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, ConclusionRoundTrip,
                         ::testing::Values(RoundTrip{152, {1, 2, 3, 4, 0, 0, 0, 0}},
                                           RoundTrip{154, {1, 2, 2, 3, 4, 5, 5, 6}},
                                           RoundTrip{155, {1, 2, 3, 4, 5, 6, 7, 8}},
                                           RoundTrip{149, {1, 2, 3, 4, 0, 0, 0, 0}},
                                           RoundTrip{236, {1, 2, 3, 4, 5, 6, 0, 0}}));

TEST(DrawStatement, ARatioPointAsksForItsRatio)
{
    ProverDrawing d;
    const int A = d.point("A", 0, 0);
    const int B = d.point("B", 90, 30);
    const int R = d.add(197, "R", 1, A, B);
    d.t()[R].aux1.set_text("1");
    d.t()[R].aux2.set_text("3");
    d.open_prover();
    diagram_to_prover(*d.win);

    draw_statement_cmd(*d.win);
    d.click(30, 60);
    d.click(330, 0);
    d.ui.input.push_answer("1 3");
    d.click(1, 1);
    ASSERT_EQ(d.ui.input.asked().size(), 1u);
    const int r = index_of(*d.win, "R");
    ASSERT_GT(r, 0);
    EXPECT_EQ(d.t()[r].type, 197);
    EXPECT_NEAR(d.t()[r].x, 130.0, 1e-6);
    EXPECT_NEAR(d.t()[r].y, 40.0, 1e-6);
    EXPECT_EQ(d.pane(1), "Drawing is Done!");
}

// The statement belongs to a running proof: drawing it waits for the proof's
// end, and a click of the drawing meanwhile draws nothing.
TEST(DrawStatement, WaitsForARunningProof)
{
    ProverDrawing d;
    GatedMethod gate(kMethodWu);
    toskApp* prover = d.open_prover();
    prover->command(315);
    ASSERT_TRUE(*d.win->command_enabled(221));
    d.win->command(221);
    d.click(100, 100);
    ASSERT_EQ(d.t().count(), kFirst + 1);

    prover->command(kMethodWu);
    ASSERT_TRUE(prover->command(pcmd::kProve));
    gate.wait_until_entered();
    EXPECT_FALSE(*d.win->command_enabled(221));
    EXPECT_EQ(prover_record_count(), 0);
    d.click(200, 100);
    EXPECT_EQ(d.t().count(), kFirst + 1);

    gate.release();
    wait_for_proof(*prover);
    EXPECT_EQ(prover_record_count(), 5);
    d.click(200, 100);
    ASSERT_EQ(d.t().count(), kFirst + 2);
    EXPECT_EQ(object_name(*d.win, kFirst + 1), "B");
}

}  // namespace
