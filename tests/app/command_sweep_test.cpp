// Every menu command of the program on a drawing with objects, each followed
// by clicks on its points and an empty place and the right button, on
// dialogs that cancel: nothing may crash, and the table stays sound.

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "app_fixture.h"
#include "window/menu_layout.h"

using namespace app_test;

namespace {

// Parents always come before the objects built on them.
void expect_sound_table(ObjectTable& t, int id)
{
    for (int k = 20; k < t.count(); ++k) {
        const Dpoint& o = t[k];
        if (o.cls != 1 && o.cls != 2)
            continue;
        for (int a = 0; a < 2; ++a)
            EXPECT_LT(o.arg[static_cast<std::size_t>(a)], k) << "after command " << id << ": object " << k;
        EXPECT_TRUE(std::isfinite(o.x) && std::isfinite(o.y)) << "after command " << id;
    }
}

// The first n points of the drawing.
std::vector<int> points(ObjectTable& t, std::size_t n)
{
    std::vector<int> found;
    for (int k = 20; k < t.count() && found.size() < n; ++k)
        if (t[k].cls == 1)
            found.push_back(k);
    return found;
}

// Three points, the midpoint of the first two and the circle about it
// through the third; built again whenever a command took the figure away.
void build_figure(RunningApp& r)
{
    r.command(101);
    r.click({120, 100});
    r.click({320, 110});
    r.click({200, 280});
    r.right_click();
    std::vector<int> p = points(r.table(), 3);
    if (p.size() < 3)
        return;
    r.command(103);
    r.click_on(p[0]);
    r.click_on(p[1]);
    r.right_click();
    const int m = r.table().count() - 2;
    r.command(136);
    r.click_on(m);
    r.click_on(p[2]);
    r.right_click();
}

TEST(CommandSweep, EveryMenuCommandWithClicksAndTheRightButton)
{
    RunningApp r;
    build_figure(r);
    // The frame's own commands end the program or its windows, a new window
    // would leave the figure behind; the prover and printing are looked at
    // elsewhere.
    const std::set<int> skipped = {frame_cmd::kExit, frame_cmd::kCloseAll, 193, 500, 210, 230};
    int tried = 0;
    for (const int id : menu_command_ids()) {
        if (points(r.table(), 4).size() < 4)
            build_figure(r);
        if (skipped.count(id) || !r.app->command_enabled(id))
            continue;
        ++tried;
        SCOPED_TRACE("command " + std::to_string(id) + " " + menu_item_text(id));
        r.command(id);
        ASSERT_NE(g_active_draw, nullptr);
        for (const int k : points(r.table(), 4))
            r.click_on(k);
        r.click({400, 330});
        r.right_click();
        r.right_click();
        // An open calculator holds the drawing's other commands.
        if (r.services.animation().calculator() && r.dialogs.calculator.keys)
            r.dialogs.calculator.keys->cancel();
        ASSERT_NE(g_active_draw, nullptr);
        expect_sound_table(r.table(), id);
    }
    EXPECT_GT(tried, 150);
}

}  // namespace
