#include "paint/buttons.h"

#include <gtest/gtest.h>

#include "paint_fixture.h"

using namespace paint_test;

namespace {

int add_button(Diagram& d, int type, double x, double y, const char* name = "Hide")
{
    const int i = add_object(d, type, 7, {});
    place(d, i, x, y);
    d.table[i].set_name(name);
    if (type == otype::kHideButton)
        d.table[i].aux1.set_int(-1);
    return i;
}

void mouse(Diagram& d, double x, double y)
{
    d.table.mouse_x() = x;
    d.table.mouse_y() = y;
}

}  // namespace

TEST(DrawButton, FaceAndLabelByLookAndAnimation)
{
    const struct {
        int type, state, action;
        Colour face;
        std::string label;
    } cases[] = {
        {otype::kAnimationButton, kButtonNormal, 0, kLightGrey, "Animation"},
        {otype::kAnimationButton, kButtonPressed, 0, kGrey, "Stop:R-key"},
        {otype::kAnimationButton, kButtonNormal, 26, kGrey, "Stop:R-key"},
        {otype::kHideButton, kButtonNormal, 0, kLightGrey, "Lights"},
        {otype::kHideButton, kButtonPressed, 0, kGrey, "Lights"},
    };
    for (const auto& c : cases) {
        Diagram d;
        const int b = add_button(d, c.type, 40, 60, "Lights");
        d.table.action_state() = c.action;
        RecordingDC dc;
        dc.set_rop2(Rop2::Xor);
        EXPECT_EQ(draw_button(d, dc, b, c.state), 1);
        const auto drawn = dc.drawing_calls();
        ASSERT_EQ(drawn.size(), 2u);
        EXPECT_EQ(drawn[0].canonical, "rectangle(40,60,140,85)");
        EXPECT_EQ(drawn[0].state.brush, solid_brush(c.face));
        EXPECT_EQ(drawn[0].state.pen, kBlackPen);
        EXPECT_EQ(drawn[0].state.rop, Rop2::Copy);
        EXPECT_EQ(drawn[1].canonical, "text_out(44,62,\"" + c.label + "\")");
        EXPECT_EQ(dc.brush(), kWhiteBrush);
    }
}

TEST(DrawButton, HiddenButtonIsNotDrawnButStillFound)
{
    Diagram d;
    const int b = add_button(d, otype::kHideButton, 40, 60);
    d.table[b].shown = 0;
    RecordingDC dc;
    EXPECT_EQ(draw_button(d, dc, b, kButtonNormal), 0);
    EXPECT_TRUE(dc.log().empty());
    mouse(d, 50, 70);
    EXPECT_EQ(button_hit(d, 0, 0), b);
}

TEST(ButtonHit, StrictBoxTwentyUnitsHighFirstInTableOrder)
{
    Diagram d;
    add_point(d, 45, 65);
    const int first = add_button(d, otype::kHideButton, 40, 60);
    const int second = add_button(d, otype::kAnimationButton, 90, 60);
    const struct {
        double x, y;
        int found;
    } cases[] = {
        {50, 70, first},  {40, 70, 0},     {50, 60, 0},     {50, 79.9, first},
        {50, 82, 0},      {100, 70, first}, {139.9, 70, first}, {140, 70, second},
        {190, 70, 0},
    };
    for (const auto& c : cases) {
        mouse(d, c.x, c.y);
        EXPECT_EQ(button_hit(d, 0, 0), c.found) << c.x << "," << c.y;
    }
    EXPECT_EQ(d.table.record_count(), d.table.count());
    EXPECT_EQ(button_hit(d, 7, first), 0);
}

TEST(ButtonHit, HideButtonTogglesItsListTwiceBackToTheStart)
{
    RecordingNeighbours n;
    Diagram d(&n);
    const int a = add_point(d, 10, 10);
    const int b = add_point(d, 20, 20);
    const int c = add_point(d, 30, 30);
    d.table[b].name_shown = 0;
    const int hide = add_button(d, otype::kHideButton, 100, 100);
    d.table[hide].hide_list = {a, b, 7, 999};  // entries that are no objects are passed over
    d.table[hide].aux1.set_int(3);
    button_hit(d, 1, hide);
    EXPECT_EQ(d.table.get(a).shown, 0);
    EXPECT_EQ(d.table.get(a).name_shown, 0);
    EXPECT_EQ(d.table.get(b).shown, 0);
    EXPECT_EQ(d.table.get(b).name_shown, 1);
    EXPECT_EQ(d.table.get(c).shown, 1);
    EXPECT_EQ(n.invalidations, 1);
    button_hit(d, 1, hide);
    EXPECT_EQ(d.table.get(a).shown, 1);
    EXPECT_EQ(d.table.get(a).name_shown, 1);
    EXPECT_EQ(d.table.get(b).shown, 1);
    EXPECT_EQ(d.table.get(b).name_shown, 0);
    EXPECT_EQ(n.invalidations, 2);
}

TEST(ButtonHit, HideListIsReadOnlyWithinItsEntries)
{
    RecordingNeighbours n;
    Diagram d(&n);
    const int a = add_point(d, 10, 10);
    const int b = add_point(d, 20, 20);
    const int hide = add_button(d, otype::kHideButton, 100, 100);
    d.table[hide].hide_list = {a};
    d.table[hide].aux1.set_int(40);  // claims more than the list holds
    button_hit(d, 1, hide);
    EXPECT_EQ(d.table.get(a).shown, 0);
    EXPECT_EQ(d.table.get(b).shown, 1);
    // An empty list changes nothing but still repaints.
    d.table[hide].hide_list.clear();
    d.table[hide].aux1.set_int(-1);
    button_hit(d, 1, hide);
    EXPECT_EQ(d.table.get(a).shown, 0);
    EXPECT_EQ(n.invalidations, 2);
}

TEST(ButtonHit, AnimationButtonStartsOnlyWithADrivingPoint)
{
    RecordingNeighbours n;
    Diagram d(&n);
    const int anim = add_button(d, otype::kAnimationButton, 100, 100);
    button_hit(d, 1, anim);
    EXPECT_TRUE(n.calls.empty());
    d.table.last_driver() = 0;
    button_hit(d, 1, anim);
    EXPECT_EQ(n.calls, std::vector<std::string>{"start_animation"});
}
