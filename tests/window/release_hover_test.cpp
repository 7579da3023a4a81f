// The left-button release (clipboard rectangle, a segment or circle dragged
// out of its first point) and the hover text of the object under the mouse.

#include <gtest/gtest.h>

#include "mouse_fixture.h"

namespace {

class ClipboardRectangle : public WindowTest {};
class DraggedElement : public WindowTest {};
class Hover : public WindowTest {};

// A drawing with a filled-in square of points to photograph.
void add_square(Dchild& win)
{
    add_free_point(win, 100, 100, "A");
    add_free_point(win, 160, 100, "B");
    add_free_point(win, 160, 150, "C");
    win.objects().last_locus() = 0;
    win.diagram.locus_lists[0].push_back(LocusNode{120, 120, 130, 130});
}

TEST(ClipboardRectangleImages, CopiesTheSameBitmapWhicheverWayItIsDragged)
{
    std::vector<QImage> images;
    for (bool backwards : {false, true}) {
        WindowFixture f;
        Dchild& win = *f.win;
        add_square(win);
        win.command(468);
        const DevPoint from = backwards ? DevPoint{200, 180} : DevPoint{80, 70};
        const DevPoint to = backwards ? DevPoint{80, 70} : DevPoint{200, 180};
        drag(win, from, to);
        ASSERT_EQ(f.ui.clipboard.images().size(), 1u);
        images.push_back(f.ui.clipboard.images()[0]);
        const ObjectTable& t = win.objects();
        EXPECT_EQ(t.get(0).arg[0], 0) << "the mode ends";
        EXPECT_EQ(t.get(0).type, 468) << "the command stays";
        EXPECT_DOUBLE_EQ(t.get(20).x, 100.0) << "every object is back";
        EXPECT_DOUBLE_EQ(t.get(22).y, 150.0);
        EXPECT_DOUBLE_EQ(win.diagram.locus_lists[0].front().x1, 120.0);
        EXPECT_EQ(win.mouse_dc(), nullptr);
        EXPECT_EQ(win.mem_dc(), nullptr);
    }
    ASSERT_EQ(images[0].size(), QSize(120, 110));
    EXPECT_EQ(images[0], images[1]);
    // Point A sits at (20, 30) of the picture; the corner is white.
    EXPECT_NE(images[0].pixel(20, 30) & 0xffffff, 0xffffffu);
    EXPECT_EQ(images[0].pixel(2, 2) & 0xffffff, 0xffffffu);
}

TEST_F(ClipboardRectangle, AnEmptyRectangleCopiesNothing)
{
    add_square(win);
    win.command(468);
    win.EvLButtonDown({90, 90});
    win.EvLButtonUp({90, 90});
    EXPECT_TRUE(f.ui.clipboard.images().empty());
    EXPECT_EQ(win.objects().action_state(), 0);
}

// Segment command waiting in mode 12 with its first point A picked.
void start_segment(Dchild& win, int command, int first)
{
    ObjectTable& t = win.objects();
    t.pending_command() = command;
    t.action_state() = 12;
    win.scratch() = Dpoint::of_type(command, 1);
    win.scratch().arg[0] = first;
}

TEST(DraggedElementTable, EndsAtANearPointOrAtANewFreePoint)
{
    struct Case {
        int command;  // a segment or a circle
        DevPoint release;
        int end;  // 0: a new point
        bool added;
    };
    // A (100, 100), B (200, 100).
    const Case cases[] = {
        {135, {204, 103}, 21, true},   // 5 units from B
        {135, {200, 140}, 0, true},    // 40 units from every point
        {135, {112, 100}, 0, true},    // 12 units from A: beyond the snap distance
        {135, {106, 104}, -1, false},  // within 10 of A: waits for a second click
        {136, {198, 98}, 21, true},    // the circle about A through B
    };
    for (const Case& c : cases) {
        WindowFixture f;
        Dchild& win = *f.win;
        const int a = add_free_point(win, 100, 100, "A");
        add_free_point(win, 200, 100, "B");
        start_segment(win, c.command, a);
        ObjectTable& t = win.objects();
        win.EvLButtonDown({100, 100});  // the press of the first point's click
        t.action_state() = 12;
        win.EvMouseMove({150, 120});
        win.EvMouseMove(c.release);
        win.EvLButtonUp(c.release);
        if (!c.added) {
            EXPECT_EQ(t.count(), 22);
            EXPECT_EQ(t.action_state(), 12);
            EXPECT_FALSE(f.services.called("cons_step"));
            continue;
        }
        const int end = c.end != 0 ? c.end : 22;
        if (c.end == 0) {
            ASSERT_GE(t.count(), 24);
            EXPECT_EQ(t[22].type, 101);
            EXPECT_EQ(t[22].name_view(), "C");
            EXPECT_DOUBLE_EQ(t[22].x, c.release.x);
            EXPECT_DOUBLE_EQ(t[22].y, c.release.y);
            EXPECT_EQ(t[22].arg[0], 0) << "a free point has no parents";
        }
        const int segment = t.count() - 1;
        EXPECT_EQ(t[segment].type, c.command);
        EXPECT_EQ(t[segment].arg[0], a);
        EXPECT_EQ(t[segment].arg[1], end);
        EXPECT_EQ(t.action_state(), 11);
        EXPECT_TRUE(f.services.called("cons_step"));
        EXPECT_EQ(win.mouse_dc(), nullptr);
    }
}

TEST_F(DraggedElement, ATraceSegmentIsGreenAndBecomesTheDrivingPointsTrace)
{
    const int a = add_free_point(win, 100, 100, "A");
    t.last_driver() = 0;
    t.current_driver() = 0;
    t.outer_mode() = 26;
    start_segment(win, 135, a);
    win.EvLButtonDown({100, 100});
    t.action_state() = 12;
    win.EvMouseMove({200, 160});
    win.EvLButtonUp({200, 160});
    const int segment = t.count() - 1;
    EXPECT_EQ(t[segment].type, 135);
    EXPECT_EQ(t[segment].colour, kGreen);
    EXPECT_EQ(t.driver_path(0), segment);
    EXPECT_EQ(t.action_state(), 0);
    EXPECT_EQ(t.pending_command(), 0);
    EXPECT_FALSE(f.services.called("cons_step"));
}

TEST_F(DraggedElement, NothingButTheReleaseOfASegmentOrCircle)
{
    const int a = add_free_point(win, 100, 100, "A");
    start_segment(win, 103, a);  // a midpoint command in mode 12
    win.EvLButtonDown({100, 100});
    win.objects().action_state() = 12;
    win.EvMouseMove({200, 200});
    win.EvLButtonUp({200, 200});
    EXPECT_EQ(win.objects().count(), 21);
}

TEST_F(Hover, NamesTheObjectUnderTheMouse)
{
    add_free_point(win, 100, 100, "A");
    add_object(win, 113, 1, {20, 20}, 200, 100, "P");
    add_object(win, 99, 1, {20}, 300, 100, "H");
    add_object(win, 103, 1, {20, 21}, 150, 200, "M");
    const int text = add_object(win, 180, 6, {}, 100, 250);
    t[text].set_text("hello");
    t[text].name_dx = 0;
    t[text].name_dy = 0;
    add_object(win, 465, 7, {}, 300, 250);
    add_object(win, 135, 2, {20, 21});
    f.services.object_text = "Segment A B";

    const std::pair<DevPoint, const char*> plain[] = {
        {{101, 102}, "A: a free point"}, {{200, 101}, "P: a semi-free pt"},
        {{300, 99}, "H: a fixed point"}, {{150, 200}, "M: a fixed point"},
        {{100, 250}, ""},                // a text is found only while dragging
        {{130, 100}, ""},                // a segment only while a hide button collects
        {{20, 280}, ""},
    };
    for (const auto& [p, text_shown] : plain) {
        win.EvMouseMove(p);
        EXPECT_EQ(f.pane(2), text_shown) << p.x << "," << p.y;
    }
    t.pending_command() = 175;
    win.EvMouseMove({102, 252});
    EXPECT_EQ(f.pane(2), "Text: : hello");
    win.EvMouseMove({298, 248});
    EXPECT_EQ(f.pane(2), "Button");
    t.pending_command() = 466;
    win.EvMouseMove({140, 101});
    EXPECT_EQ(f.pane(2), "Segment A B");
}

TEST(HoverTable, RulerHintInsideTheRulerBandOnly)
{
    struct Case {
        DevPoint at;
        bool hint;
    };
    const Case cases[] = {{{66, 10}, true}, {{65, 10}, false}, {{100, 10}, false}, {{66, 22}, false}};
    for (const Case& c : cases) {
        WindowFixture f;
        f.win->objects().last_quantity() = 0;
        set_status1("before");
        f.win->EvMouseMove(c.at);
        EXPECT_EQ(f.pane(1), c.hint ? "Use the mouse to change the unit" : "before") << c.at.x << "," << c.at.y;
        EXPECT_EQ(f.pane(2), "");
    }
}

}  // namespace
