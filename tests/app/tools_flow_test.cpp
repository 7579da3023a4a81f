// The Script Manager's own edits, the Tools commands, the calculator and the
// help commands, each reached through the program's wiring.

#include <gtest/gtest.h>

#include "animate/computation.h"
#include "app_fixture.h"
#include "paint/points_draw.h"

using namespace app_test;

namespace {

constexpr int kPoint = 101;
constexpr int kMidpoint = 103;
constexpr int kFontSize = 174;

void two_points(RunningApp& r)
{
    r.command(kPoint);
    r.click({100, 120});
    r.click({300, 120});
    r.right_click();
}

// Darkest-pixel count in a rectangle of the window: how much ink is there.
int ink(Dchild& win, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            n += win.surface().pixel(x, y) != kWhite;
    return n;
}

TEST(ToolsFlow, ScriptManagerAddsAnObjectToTheDrawingAndTheDrawingAsksToBeSaved)
{
    RunningApp r;
    two_points(r);
    const int a = r.find("A");
    const int b = r.find("B");
    r.dialogs.objects.push_add([a, b](Dpoint& rec) {
        rec.reinit(kMidpoint, "M", a, b);
        rec.cls = 1;
        rec.size = 2;
        return true;
    });
    r.drawing().modified = 0;  // as if just saved
    ASSERT_TRUE(g_script_mgr->command(script_cmd::kAdd));
    settle();
    const int m = r.find("M");
    ASSERT_NE(m, 0);
    EXPECT_DOUBLE_EQ(r.table()[m].x, 200.0);
    EXPECT_EQ(g_script_mgr->lines().at(2), "2: M= midpoint(AB)");
    r.drawing().flush();
    EXPECT_NE(r.drawing().surface().pixel(200, 120), kWhite) << "the new point is painted";

    // The drawing changed: closing it asks first.
    r.ui.boxes.push_answer(MessageResult::Cancel);
    r.client().activeSubWindow()->close();
    settle();
    ASSERT_EQ(r.ui.boxes.asked().size(), 1u);
    EXPECT_EQ(r.ui.boxes.asked()[0].text, "Do you want to save?");
    EXPECT_EQ(r.client().children().size(), 1u);
}

TEST(ToolsFlow, ScriptManagerDeleteAndUpdateMarkTheDrawingChanged)
{
    RunningApp r;
    two_points(r);
    r.drawing().modified = 0;
    r.drawing().flush();
    ASSERT_NE(r.drawing().surface().pixel(300, 120), kWhite);
    g_script_mgr->setCurrentRow(1);
    r.ui.boxes.push_answer(MessageResult::Yes);
    ASSERT_TRUE(g_script_mgr->command(script_cmd::kDelete));
    settle();
    EXPECT_EQ(r.find("B"), 0);
    EXPECT_EQ(g_script_mgr->lines(), std::vector<std::string>{"0: A: a free point"});
    EXPECT_EQ(r.drawing().modified, 1);
    r.drawing().flush();
    EXPECT_EQ(r.drawing().surface().pixel(300, 120), kWhite) << "B is gone from the picture";

    r.drawing().modified = 0;
    g_script_mgr->setCurrentRow(0);
    r.dialogs.objects.push_edit([](Dpoint& rec) {
        rec.colour = rgb(0, 0, 255);
        return true;
    });
    ASSERT_TRUE(g_script_mgr->command(script_cmd::kUpdate));
    settle();
    EXPECT_EQ(r.table()[r.find("A")].colour, rgb(0, 0, 255));
    EXPECT_EQ(r.drawing().modified, 1);

    // A cancelled dialog changes nothing.
    r.drawing().modified = 0;
    ASSERT_TRUE(g_script_mgr->command(script_cmd::kUpdate));
    EXPECT_EQ(r.drawing().modified, 0);
}

TEST(ToolsFlow, FontSizeChangesTheNameFontOfEveryDrawing)
{
    RunningApp r;
    two_points(r);
    r.drawing().flush();
    const int before = ink(r.drawing(), 80, 110, 130, 160);
    const Font big{40, "DejaVu Serif", 700, false};
    r.dialogs.fonts.push_answer(big);
    ASSERT_TRUE(r.command(kFontSize));
    EXPECT_EQ(label_font(), big);
    r.drawing().flush();
    EXPECT_GT(ink(r.drawing(), 80, 110, 130, 160), before) << "the name A is written larger";
    // The next dialog opens on the last choice.
    r.command(kFontSize);
    ASSERT_EQ(r.dialogs.fonts.asked().size(), 2u);
    EXPECT_EQ(r.dialogs.fonts.asked()[1], big);
    EXPECT_EQ(label_font(), big) << "a cancelled dialog keeps the font";
}

TEST(ToolsFlow, NameFontGoesBackWithTheProgramRun)
{
    {
        RunningApp r;
        r.dialogs.fonts.push_answer(Font{30, "DejaVu Sans", 400, true});
        r.command(kFontSize);
        ASSERT_EQ(label_font().height, 30);
    }
    EXPECT_EQ(label_font().height, kLabelFontHeight);
    EXPECT_EQ(label_font().face, kLabelFace);
}

}  // namespace
