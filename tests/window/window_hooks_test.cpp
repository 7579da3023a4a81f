// The drawing window as the diagram's hooks: the model's drawing calls reach
// the painter, and the painter finds the animation through the window.

#include <gtest/gtest.h>

#include "model/deleting.h"
#include "mouse_fixture.h"
#include "paint/animation_services.h"

namespace {

class WindowHooks : public WindowTest {};

TEST_F(WindowHooks, PainterFindsTheAnimationThroughTheWindow)
{
    EXPECT_EQ(&animation_services(win.diagram), static_cast<AnimationServices*>(&win));
    win.objects().last_quantity() = 1;
    win.invalidate(true);
    win.flush();
    const auto& anim = f.services.animation_services;
    EXPECT_EQ(anim.driving_points, 1);
    EXPECT_EQ(anim.loci, 1);
    EXPECT_EQ(anim.quantities, (std::vector<int>{0, 2, 10, 12}));
}

TEST_F(WindowHooks, NewPointIsDrawnOnTheMouseOperationsContext)
{
    win.command(101);
    win.EvLButtonDown({120, 90});
    EXPECT_NE(win.surface().pixel(120, 90), kWhite) << "drawn during the press";
    win.EvLButtonUp({120, 90});
}

TEST_F(WindowHooks, DrawingCallsWithoutAMouseOperationStillShowTheObject)
{
    const int a = add_free_point(win, 60, 60, "A");
    const int b = add_free_point(win, 160, 60, "B");
    ASSERT_EQ(win.mouse_dc(), nullptr);
    win.flush();
    const int segment = add_segment(win.diagram, 1, a, b, win.scratch());
    ASSERT_GT(segment, 0);
    EXPECT_TRUE(win.repaint_pending()) << "shown by the repaint";
    win.flush();
    EXPECT_NE(win.surface().pixel(110, 60), kWhite);
    const int m = add_object(win, 103, 1, {a, b}, 0, 0, "M");
    t.recompute() = 1;
    win.draw_one(m);
    EXPECT_DOUBLE_EQ(t[m].x, 110.0) << "draw_one re-solves while recomputing";
    EXPECT_EQ(win.mouse_dc(), nullptr);
    win.flush();
    EXPECT_NE(win.surface().pixel(110, 60), kWhite);
}

TEST(WindowHooksOwnServices, DeletionAsksTheComputationListThroughTheWindow)
{
    struct QuantityServices : RecordingServices {
        bool in_use = true;
        bool pt_in_quantity(Dchild&, int) override { return in_use; }
    };
    ensure_widgets_application();
    register_window_strings();
    ScriptedUi ui;
    StatusPanes panes;
    set_status_panes(&panes);
    QuantityServices services;
    const UiServices ui_services = ui.services();
    {
        Dchild win("Diagram 1", std::nullopt, services, ui_services);
        add_free_point(win, 60, 60, "A");
        EXPECT_FALSE(del_point(win.diagram, 20, 0, 0)) << "a measured point stays";
        EXPECT_EQ(win.objects().count(), 21);
        services.in_use = false;
        EXPECT_TRUE(del_point(win.diagram, 20, 0, 0));
        EXPECT_TRUE(services.called("measure_cmd")) << "operands renumbered";
    }
    set_status_panes(nullptr);
}

}  // namespace
