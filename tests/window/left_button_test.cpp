// The left-button press: the fixed areas (unit ruler, driving-point list,
// diagram buttons) and the dispatch on the mode.

#include <gtest/gtest.h>

#include "mouse_fixture.h"
#include "paint/buttons.h"

namespace {

class LeftButton : public WindowTest {};

TEST_F(LeftButton, ClickInPointModePlacesNamedFreePoints)
{
    win.command(101);
    win.EvLButtonDown({120, 80});
    win.EvLButtonUp({120, 80});
    win.EvLButtonDown({200, 90});
    win.EvLButtonUp({200, 90});
    ASSERT_EQ(t.count(), 22);
    EXPECT_EQ(t[20].type, 101);
    EXPECT_EQ(t[20].cls, 1);
    EXPECT_EQ(t[20].name_view(), "A");
    EXPECT_DOUBLE_EQ(t[20].x, 120.0);
    EXPECT_DOUBLE_EQ(t[20].y, 80.0);
    EXPECT_EQ(t[21].name_view(), "B");
    EXPECT_DOUBLE_EQ(t[21].x, 200.0);
    EXPECT_EQ(t.action_state(), 10) << "each press places one more point";
    EXPECT_EQ(t.from_clicks(), 1);
    EXPECT_EQ(win.modified, 1);
    EXPECT_EQ(win.mouse_dc(), nullptr);
}

TEST_F(LeftButton, PressesReachTheConstructionAndObjectCommands)
{
    for (int mode = 11; mode <= 18; ++mode) {
        t.action_state() = mode;
        f.services.clicks.clear();
        win.EvLButtonDown({mode, 40});
        win.EvLButtonUp({mode, 40});
        ASSERT_EQ(f.services.clicks.size(), 1u) << mode;
        EXPECT_EQ(f.services.clicks[0], (DevPoint{mode, 40}));
    }
    const std::pair<int, const char*> forwarded[] = {
        {221, "draw_statement_step"}, {405, "trace_mouse"}, {-1234, "CmAnimation"}, {-22, "measure_cmd"}};
    for (const auto& [mode, call] : forwarded) {
        t.action_state() = mode;
        f.services.calls.clear();
        win.EvLButtonDown({50, 50});
        win.EvLButtonUp({50, 50});
        EXPECT_TRUE(f.services.called(call)) << mode;
    }
    f.services.calls.clear();
    win.command(180);
    win.EvLButtonDown({50, 50});
    win.EvLButtonUp({50, 50});
    EXPECT_TRUE(f.services.called("obj_step"));
    EXPECT_EQ(t.from_clicks(), 1);
}

TEST(LeftButtonTable, UnitRulerReactsOnlyInsideItsBandWithTheStaticUnit)
{
    struct Case {
        DevPoint at;
        int quantities;  // last computation index
        int unit_segment;
        bool starts;
    };
    const Case cases[] = {
        {{61, 21}, 0, 0, true},   {{60, 21}, 0, 0, false}, {{61, 22}, 0, 0, false},
        {{61, 21}, -1, 0, false}, {{61, 21}, 0, 25, false},
    };
    for (const Case& c : cases) {
        WindowFixture f;
        ObjectTable& t = f.win->objects();
        t.last_quantity() = c.quantities;
        t.unit_segment_a() = c.unit_segment;
        f.win->EvLButtonDown(c.at);
        EXPECT_EQ(t.action_state() == -12, c.starts) << c.at.x << "," << c.at.y;
        if (c.starts) {
            EXPECT_NE(f.win->mem_dc(), nullptr);
            EXPECT_EQ(t.dragged_index(), 1);
            EXPECT_EQ(f.win->modified, 0) << "the ruler is not the diagram";
        }
        f.win->EvLButtonUp(c.at);
        EXPECT_EQ(f.win->mouse_dc(), nullptr);
        EXPECT_EQ(f.win->mem_dc(), nullptr);
    }
}

TEST(LeftButtonTable, DrivingPointRowsSelectTheCurrentDrivingPoint)
{
    struct Case {
        int quantities;
        DevPoint at;
        int selected;  // -1: the press falls through
    };
    const Case cases[] = {
        {0, {80, 40}, 0}, {0, {80, 58}, 1}, {0, {80, 76}, -1}, {0, {81, 40}, -1},
        {-1, {10, 1}, 0}, {-1, {10, 19}, 1}, {-1, {10, 37}, -1},
    };
    for (const Case& c : cases) {
        WindowFixture f;
        ObjectTable& t = f.win->objects();
        t.last_quantity() = c.quantities;
        t.unit_segment_a() = 5;  // keep the ruler out of the way
        t.last_driver() = 1;
        t.current_driver() = -1;
        f.win->EvLButtonDown(c.at);
        if (c.selected >= 0) {
            EXPECT_EQ(t.current_driver(), c.selected) << c.at.y;
            EXPECT_EQ(t.action_state(), 238);
            EXPECT_EQ(t.pending_command(), 238);
            EXPECT_EQ(f.win->mouse_dc(), nullptr) << "a row press takes nothing";
            EXPECT_TRUE(f.win->repaint_pending());
        } else {
            EXPECT_EQ(t.current_driver(), -1) << c.at.x << "," << c.at.y;
            EXPECT_NE(f.win->mouse_dc(), nullptr) << "fell through to the mode";
        }
        f.win->EvLButtonUp(c.at);
    }
}

TEST_F(LeftButton, DiagramButtonActsOnTheReleaseWhereverItIs)
{
    const int a = add_free_point(win, 50, 200, "A");
    const int button = add_object(win, 466, 7, {}, 100, 100, "Hide");
    t[button].add_hide_entry(a);
    win.command(176);
    win.EvLButtonDown({150, 110});
    EXPECT_EQ(t.button_down(), 1);
    EXPECT_EQ(t.pending_command(), 0);
    EXPECT_EQ(t.action_state(), 0);
    EXPECT_NE(win.mouse_dc(), nullptr);
    win.EvMouseMove({300, 250});
    win.EvLButtonUp({300, 250});
    EXPECT_EQ(t.button_down(), 0);
    EXPECT_EQ(t[a].shown, 0) << "the hide button fired";
    EXPECT_EQ(win.mouse_dc(), nullptr);
}

TEST_F(LeftButton, SecondPressWithoutReleaseIsIgnored)
{
    win.command(101);
    win.EvLButtonDown({50, 50});
    win.EvLButtonDown({90, 90});
    EXPECT_EQ(win.objects().count(), 21);
    win.EvLButtonUp({90, 90});
}

TEST_F(LeftButton, StepThroughDrawsOneObjectPerPress)
{
    for (int i = 0; i < 5; ++i)
        add_free_point(win, 40 + 40 * i, 60, std::string(1, static_cast<char>('A' + i)).c_str());
    win.command(207);
    win.flush();
    for (int press = 1; press <= 5; ++press) {
        const int x = 40 + 40 * (press - 1);
        EXPECT_EQ(win.surface().pixel(x, 60), kWhite) << "not drawn before press " << press;
        win.EvLButtonDown({5, 200});
        EXPECT_NE(win.surface().pixel(x, 60), kWhite) << "drawn by press " << press;
        win.EvLButtonUp({5, 200});
        if (press < 5) {
            EXPECT_EQ(t.action_state(), 207);
        }
    }
    EXPECT_EQ(t.action_state(), 0);
    EXPECT_EQ(t.command_lock(), 1);
    EXPECT_EQ(f.pane(1), "");
}

TEST_F(LeftButton, StepThroughOfAnEmptyDrawingChangesNothing)
{
    win.command(207);
    win.EvLButtonDown({5, 200});
    win.EvLButtonUp({5, 200});
    EXPECT_EQ(win.modified, 0);
    EXPECT_EQ(win.objects().action_state(), 207);
}

TEST_F(LeftButton, IdlePressEmptiesTheCommandPaneAndChangesNothing)
{
    set_status3("something");
    win.EvLButtonDown({30, 30});
    win.EvLButtonUp({30, 30});
    EXPECT_EQ(f.pane(3), "");
    EXPECT_EQ(win.modified, 0) << "nothing to save";
    win.EvRButtonDown();
    win.EvRButtonUp();
    EXPECT_EQ(win.modified, 0);
}

TEST_F(LeftButton, NameMoveSkipsTextsAndPlacesTheNameBesideTheCursor)
{
    const int a = add_free_point(win, 100, 100, "A");
    win.command(176);
    win.EvLButtonDown({104, 106});
    EXPECT_EQ(f.pane(3), "Name of A");
    EXPECT_EQ(t[a].name_dx, 1);  // (104 - 3) - 100
    EXPECT_EQ(t[a].name_dy, 3);
    win.EvMouseMove({130, 80});
    EXPECT_EQ(t[a].name_dx, 27);
    EXPECT_EQ(t[a].name_dy, -23);
    win.EvLButtonUp({130, 80});
    EXPECT_EQ(f.pane(3), "Name #");
    EXPECT_EQ(t.action_state(), 176);
}

TEST(LeftButtonTable, MirrorLineStartsAtANearPointOrAtTheCursor)
{
    struct Case {
        DevPoint at;
        double x, y;
    };
    const Case cases[] = {{{106, 104}, 100.0, 100.0}, {{112, 100}, 112.0, 100.0}};
    for (const Case& c : cases) {
        WindowFixture f;
        add_free_point(*f.win, 100, 100, "A");
        f.win->command(226);
        f.win->EvLButtonDown(c.at);
        const ObjectTable& t = f.win->objects();
        EXPECT_DOUBLE_EQ(t.get(12).x, c.x);
        EXPECT_DOUBLE_EQ(t.get(12).y, c.y);
        EXPECT_DOUBLE_EQ(t.get(13).x, c.x + 40.0);
        EXPECT_DOUBLE_EQ(t.get(13).y, c.y);
        EXPECT_EQ(f.win->mem_dc(), nullptr) << "the mirror line is drawn on the window";
        f.win->EvLButtonUp(c.at);
    }
}

TEST_F(LeftButton, HideListTakesEachObjectOnceAndThirtyAtMost)
{
    for (int i = 0; i < 31; ++i)
        add_free_point(win, 20 + 12 * (i % 10) * 3, 40 + 40 * (i / 10), ("P" + std::to_string(i)).c_str());
    const int button = add_object(win, 466, 7, {}, 20, 250, "Hide");
    t[button].aux1.set_int(-1);
    t.pending_command() = 466;
    t.action_state() = 466;
    const auto click = [&](int k) {
        win.EvLButtonDown(at(t[k]));
        win.EvLButtonUp(at(t[k]));
    };
    click(20);
    click(20);
    EXPECT_EQ(t[button].hide_entries(), 1u);
    for (int k = 21; k <= 50; ++k)
        click(k);
    ASSERT_EQ(t[button].hide_entries(), 30u);
    EXPECT_EQ(t[button].hide_list[29], 49);
    EXPECT_EQ(t.action_state(), 466);
}

TEST_F(LeftButton, DrivingPointsAreMovablePointsUpToEight)
{
    for (int i = 0; i < 9; ++i)
        add_free_point(win, 30 + 40 * i, 150, ("P" + std::to_string(i)).c_str());
    const int mid = add_object(win, 103, 1, {20, 21}, 50, 200, "M");
    t.action_state() = 23;
    win.EvLButtonDown({50, 200});
    win.EvLButtonUp({50, 200});
    EXPECT_EQ(t.last_driver(), -1) << "a constructed point cannot drive";
    (void)mid;
    for (int i = 0; i < 8; ++i) {
        win.EvLButtonDown({30 + 40 * i, 150});
        win.EvLButtonUp({30 + 40 * i, 150});
    }
    EXPECT_EQ(t.last_driver(), 7);
    EXPECT_EQ(t.driver_point(7), 27);
    EXPECT_EQ(t.driver_path(7), 0);
    EXPECT_EQ(t.driver_speed(7), 2);
    EXPECT_EQ(t.current_driver(), 7);
    EXPECT_EQ(f.pane(3), "Point: P7");
    set_status1("prompt");
    win.EvLButtonDown({30 + 40 * 8, 150});
    win.EvLButtonUp({30 + 40 * 8, 150});
    EXPECT_EQ(t.last_driver(), 7) << "a ninth is refused";
    EXPECT_EQ(f.pane(1), "");
}

TEST_F(LeftButton, RotationCentreSnapsToANearPointOfTheBlock)
{
    add_free_point(win, 100, 100, "A");
    win.command(178);
    win.EvLButtonDown({105, 103});
    EXPECT_DOUBLE_EQ(t[12].x, 100.0);
    EXPECT_DOUBLE_EQ(t[12].y, 100.0);
    EXPECT_EQ(t.action_state(), -178);
    EXPECT_EQ(f.pane(1), "Use the LEFT button to ROTATE the figure.");
    EXPECT_EQ(t.pending_command(), 178) << "the centre press does not turn";
    win.EvLButtonUp({105, 103});

    // In another block the point is not taken.
    t[20].block = 2;
    t.current_block() = 1;
    win.command(178);
    win.EvLButtonDown({105, 103});
    EXPECT_DOUBLE_EQ(t[12].x, 105.0);
    win.EvLButtonUp({105, 103});
}

TEST_F(LeftButton, ResizeNeedsAReferenceObject)
{
    const int a = add_free_point(win, 100, 100, "A");
    win.command(179);
    win.EvLButtonDown({300, 250});
    win.EvLButtonUp({300, 250});
    EXPECT_EQ(t.action_state(), 179) << "nothing picked: still waiting";
    win.EvLButtonDown({101, 101});
    win.EvLButtonUp({101, 101});
    EXPECT_EQ(t.action_state(), -179);
    EXPECT_EQ(win.scratch().arg[0], a);
    EXPECT_EQ(f.pane(3), "Change size");
    win.EvLButtonDown({150, 120});
    EXPECT_EQ(t.pending_command(), 0);
    EXPECT_DOUBLE_EQ(win.scratch().x, 100.0);
    EXPECT_DOUBLE_EQ(win.scratch().aux1.as_double(), 150.0);
    EXPECT_NE(win.mem_dc(), nullptr);
    win.EvLButtonUp({150, 120});
    EXPECT_EQ(t.action_state(), -179);
}

}  // namespace
