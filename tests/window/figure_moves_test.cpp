// Moving the whole figure, or its current block, with the mouse: translation,
// rotation, resize, mirror reflection and the unit ruler.

#include <gtest/gtest.h>

#include <cmath>

#include "mouse_fixture.h"
#include "window/rotate_diagram.h"

namespace {

class Translation : public WindowTest {};
class Rotation : public WindowTest {};
class Resize : public WindowTest {};
class MirrorReflection : public WindowTest {};
class UnitRuler : public WindowTest {};

constexpr double kPi = 3.14159265358979323846;

// Two free points of block 1, one of block 2, a text and a button of block 1,
// and one locus sample in list 0.
struct Figure {
    int a, b, c, text, button;
};

Figure build_figure(Dchild& win)
{
    Figure g{};
    g.a = add_object(win, 101, 1, {}, 100, 100, "A");
    g.b = add_object(win, 101, 1, {}, 200, 100, "B");
    g.c = add_object(win, 101, 1, {}, 150, 200, "C");
    win.objects()[g.c].block = 2;
    g.text = add_object(win, 180, 6, {}, 50, 60);
    win.objects()[g.text].set_text("note");
    g.button = add_object(win, 465, 7, {}, 250, 30);
    win.objects().block_count() = 2;
    win.objects().last_locus() = 0;
    win.diagram.locus_lists[0].push_back(LocusNode{10, 20, 30, 40});
    return g;
}

TEST_F(Translation, MovesPointsTextsButtonsAndLociOfTheCurrentBlock)
{
    const Figure g = build_figure(win);
    t.current_block() = 1;
    win.command(177);
    drag(win, {300, 200}, {330, 190}, 3);
    EXPECT_DOUBLE_EQ(t[g.a].x, 130.0);
    EXPECT_DOUBLE_EQ(t[g.a].y, 90.0);
    EXPECT_DOUBLE_EQ(t[g.text].x, 80.0);
    EXPECT_DOUBLE_EQ(t[g.button].x, 280.0) << "translation moves buttons";
    EXPECT_DOUBLE_EQ(t[g.c].x, 150.0) << "block 2 stays";
    const LocusNode& n = win.diagram.locus_lists[0].front();
    EXPECT_DOUBLE_EQ(n.x1, 40.0);
    EXPECT_DOUBLE_EQ(n.y2, 30.0);
    EXPECT_EQ(t.action_state(), 177);
}

TEST_F(Rotation, DragTurnsByTheAngleTheCursorSweptAboutTheCentre)
{
    const int a = add_free_point(win, 110, 100, "A");
    const int centre = add_free_point(win, 100, 100, "O");
    win.command(178);
    win.EvLButtonDown({100, 100});  // the centre, on O
    win.EvMouseMove({100, 150});
    EXPECT_DOUBLE_EQ(t[a].x, 110.0) << "while the centre press is held moves do nothing";
    win.EvLButtonUp({100, 150});
    win.EvLButtonDown({150, 100});
    win.EvMouseMove({150, 150});  // 45 degrees clockwise on the screen
    win.EvLButtonUp({150, 150});
    EXPECT_NEAR(t[a].x, 100.0 + 10.0 * std::cos(kPi / 4), 1e-9);
    EXPECT_NEAR(t[a].y, 100.0 + 10.0 * std::sin(kPi / 4), 1e-9);
    EXPECT_DOUBLE_EQ(t[centre].x, 100.0) << "a point on the centre stays";
    EXPECT_EQ(t.drag_moved(), 1);
    EXPECT_EQ(t.action_state(), -178);
}

TEST_F(Rotation, CursorOnTheCentreTurnsByJustUnderAQuarter)
{
    const int a = add_free_point(win, 110, 100, "A");
    t[12].x = 100;
    t[12].y = 100;
    t.action_state() = -178;
    win.EvLButtonDown({150, 100});
    win.EvMouseMove({100, 100});
    win.EvLButtonUp({100, 100});
    const double angle = std::atan(1111111111.0);
    EXPECT_NEAR(t[a].x, 100.0 + 10.0 * std::cos(angle), 1e-9);
    EXPECT_NEAR(t[a].y, 100.0 + 10.0 * std::sin(angle), 1e-9);
}

TEST_F(Rotation, RotateDiagramTurnsTheBlockAndTheLociAndMarksTheCentre)
{
    const Figure g = build_figure(win);
    t.last_locus() = 2;
    win.diagram.locus_lists[2].push_back(LocusNode{110, 100, 100, 90});
    t[12].x = 100;
    t[12].y = 100;
    t.current_block() = 1;
    RecordingDC dc;
    win.rotate_diagram(dc, kPi / 2);
    EXPECT_NEAR(t[g.b].x, 100.0, 1e-9) << "(100, 0) from the centre turns to (0, 100)";
    EXPECT_NEAR(t[g.b].y, 200.0, 1e-9);
    EXPECT_DOUBLE_EQ(t[g.a].x, 100.0);
    EXPECT_DOUBLE_EQ(t[g.c].x, 150.0) << "block 2 stays";
    EXPECT_DOUBLE_EQ(t[g.button].x, 250.0) << "buttons are not turned";
    EXPECT_NEAR(t[g.text].x, 140.0, 1e-9);
    EXPECT_NEAR(t[g.text].y, 50.0, 1e-9);
    const LocusNode& n = win.diagram.locus_lists[2].front();
    EXPECT_NEAR(n.x1, 100.0, 1e-9);
    EXPECT_NEAR(n.y1, 110.0, 1e-9);
    EXPECT_NEAR(n.x2, 110.0, 1e-9);
    EXPECT_NEAR(n.y2, 100.0, 1e-9);
    ASSERT_FALSE(dc.calls().empty());

    RecordingDC marker;
    t[12].x = 101.7;
    t[12].y = 51.2;
    mark_rotation_centre(marker, t[12].x, t[12].y);
    ASSERT_EQ(marker.drawing_log(), std::vector<std::string>{"ellipse(99,49,103,53)"});
    const RecordedCall ring = marker.drawing_calls()[0];
    EXPECT_EQ(ring.state.pen.colour, kRed);
    EXPECT_EQ(ring.state.brush.colour, kWhite);
}

TEST_F(Rotation, TheLastObjectTurnsToo)
{
    add_free_point(win, 120, 100, "A");
    const int last = add_free_point(win, 130, 100, "B");
    t.record_count() = last;  // a last index, as some operations leave it
    t[12].x = 100;
    t[12].y = 100;
    RecordingDC dc;
    win.rotate_diagram(dc, kPi);
    EXPECT_NEAR(t[last].x, 70.0, 1e-9);
}

TEST_F(Resize, ScalesAboutTheReferenceObjectsStartingPlace)
{
    const Figure g = build_figure(win);
    win.command(179);
    win.EvLButtonDown({101, 100});  // reference A
    win.EvLButtonUp({101, 100});
    win.EvLButtonDown({150, 150});
    win.EvMouseMove({160, 150});  // 10 pixels right: 1.05
    EXPECT_NEAR(t[g.b].x, 100.0 + 100.0 * 1.05, 1e-9);
    EXPECT_DOUBLE_EQ(t[g.a].x, 100.0);
    EXPECT_DOUBLE_EQ(t[g.button].x, 250.0) << "buttons keep their place";
    EXPECT_NEAR(win.diagram.locus_lists[0].front().x1, 100.0 + (10.0 - 100.0) * 1.05, 1e-9);
    win.EvMouseMove({-40, 150});  // 200 pixels left: factor 0, kept at 0.01
    EXPECT_NEAR(t[g.b].x, 100.0 + 105.0 * 0.01, 1e-9);
    EXPECT_DOUBLE_EQ(t[g.a].x, 100.0);
    EXPECT_DOUBLE_EQ(t[g.a].y, 100.0);
    win.EvLButtonUp({-40, 150});
}

TEST_F(MirrorReflection, ReflectsTheBlocksPointsAndStaysInItsMode)
{
    const Figure g = build_figure(win);
    t.current_block() = 1;
    win.command(226);
    win.EvLButtonDown({300, 150});  // the line starts here, horizontal at first
    win.EvMouseMove({340, 150});
    win.EvLButtonUp({340, 150});
    EXPECT_DOUBLE_EQ(t[g.a].y, 200.0);
    EXPECT_DOUBLE_EQ(t[g.a].x, 100.0);
    EXPECT_DOUBLE_EQ(t[g.b].y, 200.0);
    EXPECT_DOUBLE_EQ(t[g.c].y, 200.0) << "block 2 not reflected";
    EXPECT_DOUBLE_EQ(t[g.text].y, 60.0) << "only points";
    EXPECT_EQ(t.action_state(), 226);
    // A second drag mirrors again.
    win.EvLButtonDown({300, 150});
    win.EvMouseMove({340, 150});
    win.EvLButtonUp({340, 150});
    EXPECT_DOUBLE_EQ(t[g.a].y, 100.0);
}

TEST_F(UnitRuler, DragSetsTheUnitInsideItsBandOnly)
{
    t.last_quantity() = 0;
    win.EvLButtonDown({70, 10});
    ASSERT_EQ(t.action_state(), -12);
    win.EvMouseMove({155, 10});
    EXPECT_DOUBLE_EQ(t.unit_length(), 49.725);
    EXPECT_DOUBLE_EQ(t.static_unit(), 49.725);
    win.EvMouseMove({65, 10});
    win.EvMouseMove({120, 22});
    EXPECT_DOUBLE_EQ(t.unit_length(), 49.725);
    win.EvLButtonUp({120, 22});
    EXPECT_EQ(t.action_state(), 0);
    EXPECT_EQ(t.pending_command(), 0);
}

TEST(LeaveTrace, KeepsEveryIntermediatePicture)
{
    for (int trace : {0, 1}) {
        WindowFixture f;
        Dchild& win = *f.win;
        add_free_point(win, 100, 100, "A");
        win.objects().leave_trace() = trace;
        win.command(177);
        win.EvLButtonDown({200, 200});
        win.EvMouseMove({250, 200});  // A at 150
        win.EvMouseMove({300, 200});  // A at 200
        const bool old_place_shown = win.surface().pixel(150, 100) != kWhite;
        EXPECT_EQ(old_place_shown, trace == 1) << trace;
        EXPECT_NE(win.surface().pixel(200, 100), kWhite);
        win.EvLButtonUp({300, 200});
    }
}

}  // namespace
