// Arrow keys: selecting blocks and driving points, and continuing a drag,
// translation, rotation or resize by one world unit.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include <cmath>

#include "mouse_fixture.h"

namespace {

class KeySteps : public WindowTest {};

constexpr unsigned kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;

const char* const kSelect = "Use\u201C\u2191\u201Dkey or \u201C\u2193\u201Dkey to select blocks";
const char* const kLast = "Last block. Plesase use \u201C\u2193\u201D key";
const char* const kFirst = "First block. Please use \u201C\u2191\u201D key";

TEST_F(KeySteps, UpAndDownStepTheCurrentBlock)
{
    t.block_count() = 3;
    t.current_block() = 3;
    win.command(204);
    win.flush();
    win.EvKeyDown(kUp);
    EXPECT_EQ(t.current_block(), 3);
    EXPECT_EQ(f.pane(1), kLast);
    EXPECT_TRUE(win.repaint_pending());
    win.flush();
    win.EvKeyDown(kDown);
    EXPECT_EQ(t.current_block(), 2);
    EXPECT_EQ(f.pane(1), kSelect);
    EXPECT_TRUE(win.repaint_pending());
    win.EvKeyDown(kDown);
    win.EvKeyDown(kDown);
    EXPECT_EQ(t.current_block(), 1);
    EXPECT_EQ(f.pane(1), kFirst);
    win.EvKeyDown(kLeft);
    win.EvKeyDown(kRight);
    EXPECT_EQ(t.current_block(), 1);
    EXPECT_EQ(f.pane(1), kFirst);
}

TEST_F(KeySteps, UpAndDownStepTheCurrentDrivingPoint)
{
    t.last_driver() = 1;
    t.current_driver() = 0;
    t.action_state() = 238;
    win.EvKeyDown(kUp);
    EXPECT_EQ(t.current_driver(), 1);
    EXPECT_EQ(f.pane(1), kSelect);
    EXPECT_TRUE(win.repaint_pending());
    win.flush();
    win.EvKeyDown(kUp);
    EXPECT_EQ(t.current_driver(), 1);
    EXPECT_EQ(f.pane(1), kLast) << "the block wording";
    EXPECT_FALSE(win.repaint_pending());
    win.EvKeyDown(kDown);
    win.EvKeyDown(kDown);
    EXPECT_EQ(t.current_driver(), 0);
    EXPECT_EQ(f.pane(1), kFirst);
}

TEST_F(KeySteps, TenRightPressesTranslateByTenUnits)
{
    const int a = add_free_point(win, 100, 100, "A");
    const int other = add_free_point(win, 50, 50, "B");
    t[other].block = 2;
    t.block_count() = 2;
    const int button = add_object(win, 465, 7, {}, 200, 30);
    t.current_block() = 1;
    win.command(177);
    for (int i = 0; i < 10; ++i)
        win.EvKeyDown(kRight);
    win.EvKeyDown(kUp);
    EXPECT_DOUBLE_EQ(t[a].x, 110.0);
    EXPECT_DOUBLE_EQ(t[a].y, 99.0);
    EXPECT_DOUBLE_EQ(t[button].x, 210.0);
    EXPECT_DOUBLE_EQ(t[other].x, 50.0) << "block 2 keeps its place";
    EXPECT_EQ(win.mouse_dc(), nullptr);
    EXPECT_EQ(win.mem_dc(), nullptr);
    EXPECT_NE(win.surface().pixel(110, 99), kWhite) << "shown at once";
}

TEST_F(KeySteps, ResizeByKeysScalesAboutTheKeptPlace)
{
    const int a = add_free_point(win, 100, 100, "A");
    const int b = add_free_point(win, 200, 100, "B");
    const int button = add_object(win, 465, 7, {}, 300, 100);
    win.command(179);
    win.EvLButtonDown({100, 100});
    win.EvLButtonUp({100, 100});
    win.EvLButtonDown({150, 150});
    win.EvMouseMove({151, 150});  // a first move marks the drag as moved
    win.EvLButtonUp({151, 150});
    const double after_move = t[b].x;
    ASSERT_NEAR(after_move, 200.5, 1e-9);
    win.EvKeyDown(kRight);
    EXPECT_NEAR(t[b].x, 100.0 + (after_move - 100.0) * 1.005, 1e-9);
    const double after_right = t[b].x;
    win.EvKeyDown(kLeft);
    EXPECT_NEAR(t[b].x, 100.0 + (after_right - 100.0) * 0.995, 1e-9);
    const double before_up = t[b].x;
    win.EvKeyDown(kUp);
    EXPECT_NEAR(t[b].x, before_up, 1e-9) << "up changes only y: factor 1";
    EXPECT_DOUBLE_EQ(t[a].x, 100.0);
    EXPECT_NE(t[button].x, 300.0) << "keys move every class, buttons too";
}

TEST_F(KeySteps, RotationByKeysTurnsByTheAngleOfTheStep)
{
    const int a = add_free_point(win, 110, 100, "A");
    t[12].x = 100;
    t[12].y = 100;
    t.action_state() = -178;
    win.EvLButtonDown({150, 100});
    win.EvMouseMove({150, 101});
    win.EvLButtonUp({150, 101});
    const double before = std::atan2(t[a].y - 100.0, t[a].x - 100.0);
    // Record 13 is (150, 101); the mouse moves one unit down to (150, 102).
    win.EvKeyDown(kDown);
    const double turned = std::atan2(t[a].y - 100.0, t[a].x - 100.0) - before;
    EXPECT_NEAR(turned, std::atan2(2.0, 50.0) - std::atan2(1.0, 50.0), 1e-9);
    EXPECT_DOUBLE_EQ(t[13].y, 101.0) << "the position before the step";
    // Every further press turns by the angle of two unit steps.
    const double second_before = std::atan2(t[a].y - 100.0, t[a].x - 100.0);
    win.EvKeyDown(kDown);
    const double second = std::atan2(t[a].y - 100.0, t[a].x - 100.0) - second_before;
    EXPECT_NEAR(second, std::atan2(3.0, 50.0) - std::atan2(1.0, 50.0), 1e-9);
    EXPECT_NEAR(std::hypot(t[a].x - 100.0, t[a].y - 100.0), 10.0, 1e-9);
}

TEST_F(KeySteps, BeforeTheFirstMoveKeysOnlyRepaint)
{
    const int a = add_free_point(win, 110, 100, "A");
    for (int mode : {175, -178, -179}) {
        t.action_state() = mode;
        t.pending_command() = 0;
        t.drag_moved() = 0;
        t.picked_index() = a;
        t.mouse_x() = 110;
        t.mouse_y() = 100;
        win.scratch().arg[0] = a;
        win.EvKeyDown(kRight);
        EXPECT_DOUBLE_EQ(t[a].x, 110.0) << mode;
        EXPECT_EQ(win.mouse_dc(), nullptr) << mode;
        EXPECT_NE(win.surface().pixel(110, 100), kWhite) << mode;
    }
}

TEST_F(KeySteps, DragContinuesWithTheArrowKeysAndChildrenFollow)
{
    const int a = add_free_point(win, 100, 100, "A");
    const int b = add_free_point(win, 200, 100, "B");
    const int m = add_object(win, 103, 1, {a, b}, 150, 100, "M");
    win.command(175);
    drag(win, {100, 100}, {110, 100}, 1);
    win.invalidate(true);
    win.flush();  // a repaint since the drag
    win.EvMouseMove({110, 100});  // hovering over A keeps it picked
    for (int i = 0; i < 3; ++i)
        win.EvKeyDown(kDown);
    EXPECT_DOUBLE_EQ(t[a].x, 110.0);
    EXPECT_DOUBLE_EQ(t[a].y, 103.0);
    EXPECT_DOUBLE_EQ(t[m].y, 101.5) << "the midpoint followed";
}

TEST_F(KeySteps, AKeyDuringAMouseDragEndsItCleanly)
{
    const int a = add_free_point(win, 100, 100, "A");
    win.command(177);
    win.EvLButtonDown({200, 200});
    win.EvMouseMove({210, 200});
    win.EvKeyDown(kRight);
    EXPECT_EQ(win.mouse_dc(), nullptr);
    EXPECT_EQ(win.mem_dc(), nullptr);
    win.EvMouseMove({260, 200});  // now a hover
    win.EvLButtonUp({260, 200});
    EXPECT_DOUBLE_EQ(win.objects()[a].x, 111.0);
}

TEST_F(KeySteps, OtherModesIgnoreTheKeysAndTheToolkitKeysArrive)
{
    const int a = add_free_point(win, 100, 100, "A");
    win.command(101);
    win.EvKeyDown(kRight);
    EXPECT_DOUBLE_EQ(win.objects()[a].x, 100.0);
    EXPECT_EQ(win.mouse_dc(), nullptr);

    win.command(177);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(&win, &right);
    EXPECT_DOUBLE_EQ(win.objects()[a].x, 101.0);
    QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QApplication::sendEvent(&win, &other);
    EXPECT_DOUBLE_EQ(win.objects()[a].x, 101.0) << "another key steps by nothing";
}

}  // namespace
