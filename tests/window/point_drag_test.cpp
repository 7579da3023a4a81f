// Dragging points, texts and buttons: the dragged object follows the mouse
// and everything constructed on it follows at the same repaint.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "mouse_fixture.h"
#include "window/move_point.h"

namespace {

class PointDrag : public WindowTest {};

// Free points A, B, C, D; M = midpoint of AB; X = crossing of AC and BD.
struct Quad {
    int a, b, c, d, m, x;
};

Quad build_quad(Dchild& win)
{
    Quad q{};
    q.a = add_object(win, 101, 1, {}, 100, 100, "A");
    q.b = add_object(win, 101, 1, {}, 300, 100, "B");
    q.c = add_object(win, 101, 1, {}, 300, 250, "C");
    q.d = add_object(win, 101, 1, {}, 100, 250, "D");
    q.m = add_object(win, 103, 1, {q.a, q.b}, 0, 0, "M");
    q.x = add_object(win, 116, 1, {q.a, q.c, q.b, q.d}, 0, 0, "X");
    solve(win);
    return q;
}

TEST_F(PointDrag, DraggedFreePointCarriesItsMidpointAndIntersection)
{
    const Quad q = build_quad(win);
    ASSERT_DOUBLE_EQ(t[q.m].x, 200.0);
    ASSERT_NEAR(t[q.x].x, 200.0, 1e-9);
    ASSERT_NEAR(t[q.x].y, 175.0, 1e-9);

    win.command(175);
    drag(win, {100, 100}, {140, 60});
    win.invalidate(true);
    win.flush();

    EXPECT_DOUBLE_EQ(t[q.a].x, 140.0);
    EXPECT_DOUBLE_EQ(t[q.a].y, 60.0);
    EXPECT_DOUBLE_EQ(t[q.m].x, 220.0);
    EXPECT_DOUBLE_EQ(t[q.m].y, 80.0);
    // X stays on both diagonals of the moved quadrilateral.
    EXPECT_NEAR(distance_to_line(t[q.x], t[q.a], t[q.c]), 0.0, 1e-6);
    EXPECT_NEAR(distance_to_line(t[q.x], t[q.b], t[q.d]), 0.0, 1e-6);
    EXPECT_EQ(t.action_state(), 175) << "ready for the next drag";
    EXPECT_EQ(win.mouse_dc(), nullptr);
    EXPECT_EQ(win.mem_dc(), nullptr);
    EXPECT_EQ(win.modified, 1);
    EXPECT_EQ(f.pane(3), "Drag A");
}

TEST_F(PointDrag, PointOnALineStaysOnItsLine)
{
    const int a = add_object(win, 101, 1, {}, 50, 50, "A");
    const int b = add_object(win, 101, 1, {}, 250, 150, "B");
    const int p = add_point_on_line(win, a, b, 150, 100, "P");
    const int m = add_object(win, 103, 1, {a, p}, 0, 0, "M");
    solve(win);
    win.command(175);
    drag(win, at(t[p]), {230, 60});
    EXPECT_NEAR(distance_to_line(t[p], t[a], t[b]), 0.0, 1e-6);
    // The foot of (230, 60) on the line y = 25 + x / 2.
    EXPECT_NEAR(t[p].x, 198.0, 1e-6);
    EXPECT_NEAR(t[p].y, 124.0, 1e-6);
    EXPECT_NEAR(t[m].x, (50.0 + 198.0) / 2, 1e-6) << "the midpoint followed the point on the line";

    // Its parameter stays: moving A moves P along with the line.
    drag(win, {50, 50}, {50, 80});
    EXPECT_NEAR(distance_to_line(t[p], t[a], t[b]), 0.0, 1e-6);
}

TEST_F(PointDrag, TextsAndButtonsPutTheirAnchorUnderTheMouse)
{
    const int text = add_object(win, 180, 6, {}, 100, 100);
    win.objects()[text].set_text("hello");
    win.objects()[text].name_dx = 0;
    win.objects()[text].name_dy = 0;
    const int button = add_object(win, 465, 7, {}, 200, 200);
    win.command(175);
    drag(win, {104, 103}, {150, 160});
    EXPECT_DOUBLE_EQ(win.objects()[text].x, 150.0);
    EXPECT_DOUBLE_EQ(win.objects()[text].y, 160.0);
    EXPECT_EQ(f.pane(3), "Drag hello") << "a text is named by its text";
    // Grabbed beside its box: a press inside the box presses the button.
    drag(win, {196, 197}, {260, 40});
    EXPECT_DOUBLE_EQ(win.objects()[button].x, 260.0);
    EXPECT_DOUBLE_EQ(win.objects()[button].y, 40.0);
}

TEST_F(PointDrag, ConstructedPointIsNamedButNotMoved)
{
    const Quad q = build_quad(win);
    win.command(175);
    win.EvLButtonDown({200, 100});  // on the midpoint M
    EXPECT_EQ(f.pane(3), "Drag M");
    EXPECT_EQ(t.picked_index(), 0);
    EXPECT_EQ(win.mem_dc(), nullptr) << "no drag, no off-screen image";
    win.EvMouseMove({220, 150});
    win.EvLButtonUp({220, 150});
    EXPECT_DOUBLE_EQ(t[q.m].x, 200.0);
    EXPECT_DOUBLE_EQ(t[q.m].y, 100.0);
}

TEST_F(PointDrag, MovePointRepaintsEvenWhenNothingCanMove)
{
    const Quad q = build_quad(win);
    t.picked_index() = q.x;  // an intersection
    t.mouse_x() = 10;
    t.mouse_y() = 10;
    RecordingDC dc;
    move_point(win.diagram, dc, 1);
    EXPECT_NEAR(t[q.x].x, 200.0, 1e-9);
    EXPECT_FALSE(dc.calls().empty()) << "the diagram was painted";

    t.picked_index() = 999;  // names no object
    move_point(win.diagram, dc, 1);
    EXPECT_DOUBLE_EQ(t[q.a].x, 100.0);
}

TEST_F(PointDrag, DragPaintsTheMovedDiagramAndARepaintDoesNotStopTheChildren)
{
    const Quad q = build_quad(win);
    win.command(175);
    win.EvLButtonDown({100, 100});
    win.EvMouseMove({60, 40});
    // The picture shows A at its new place and not at its old one.
    EXPECT_NE(win.surface().pixel(60, 40), kWhite);
    EXPECT_EQ(win.surface().pixel(100, 100), kWhite);
    win.invalidate(true);
    win.flush();  // an expose in the middle of the drag
    win.EvMouseMove({120, 100});
    win.EvLButtonUp({120, 100});
    EXPECT_DOUBLE_EQ(t[q.m].x, 210.0);
}

}  // namespace
