// Windows open wholly on screen: the rectangle arithmetic, and the program's
// windows as the placement filter puts them on screens of laptop and desktop
// sizes (the toolkit's test screen stands in for them through the filter's
// area).

#include <gtest/gtest.h>

#include <QMessageBox>

#include <ostream>

#include "app_fixture.h"
#include "construct/list_window.h"
#include "window/qt_ui_services.h"
#include "window/screen_placement.h"

using namespace app_test;

namespace {

constexpr int kShowProver = 193;

TEST(ScreenPlacement, FitInsideMovesAndShrinksIntoTheArea)
{
    struct Case {
        QRect frame;
        QRect area;
        QRect fitted;
    };
    const QRect wide(0, 0, 1400, 900);
    const QRect laptop(0, 0, 1366, 768);
    const QRect under_panel(0, 30, 1366, 738);
    const Case cases[] = {
        // The prover and the help window as they opened below the screen's edge.
        {{380, 435, 650, 520}, wide, {380, 380, 650, 520}},
        {{420, 455, 570, 500}, wide, {420, 400, 570, 500}},
        {{900, 300, 650, 520}, laptop, {716, 248, 650, 520}},
        // Inside already: left alone, also touching the edges.
        {{10, 20, 300, 200}, wide, {10, 20, 300, 200}},
        {{0, 0, 1400, 900}, wide, {0, 0, 1400, 900}},
        // Above, left of or under the panel.
        {{-40, -10, 300, 200}, laptop, {0, 0, 300, 200}},
        {{100, 5, 300, 200}, under_panel, {100, 30, 300, 200}},
        // Larger than the area: as large as it, and in it.
        {{200, 100, 1500, 1000}, laptop, laptop},
        {{200, 100, 910, 800}, under_panel, {200, 30, 910, 738}},
    };
    for (const Case& c : cases) {
        const QRect fitted = fit_inside(c.frame, c.area);
        EXPECT_EQ(fitted, c.fitted) << c.frame.x() << "," << c.frame.y() << " " << c.frame.width() << "x"
                                    << c.frame.height();
        EXPECT_TRUE(c.area.contains(fitted));
    }
    EXPECT_EQ(fit_inside({-50, -50, 10, 10}, QRect()), QRect(-50, -50, 10, 10)) << "no area, no change";
}

// The Script Manager's whole window by the frame's, both as the window
// manager framed them: the first as measured on a laptop screen.
TEST(ScreenPlacement, TheScriptManagerTakesTheFramesLowerRightCorner)
{
    const std::pair<QRect, QRect> frame_and_list[] = {
        {{227, 19, 902, 675}, {974, 469, 150, 200}},
        {{0, 0, 1366, 768}, {1211, 543, 150, 200}},
        {{-40, 500, 300, 260}, {105, 535, 150, 200}},
    };
    for (const auto& [frame, list] : frame_and_list)
        EXPECT_EQ(ListWindow::outer_rect_by(frame), list) << frame.x() << "," << frame.y();
}

struct Screen {
    const char* what;
    QRect area;
};

void PrintTo(const Screen& s, std::ostream* out) { *out << s.what; }

class WindowsOnScreen : public ::testing::TestWithParam<Screen> {};

QRect framed(const QWidget& window) { return window.geometry().marginsAdded(decoration_of(window)); }

TEST_P(WindowsOnScreen, EveryWindowOpensInsideTheAvailableArea)
{
    const QRect area = GetParam().area;
    ensure_widgets_application();
    ScreenPlacement placement([area](const QWidget&) { return area; });
    qApp->installEventFilter(&placement);
    RunningApp r;
    QWidget& frame = *r.app->frame();
    EXPECT_TRUE(area.contains(framed(frame))) << "the frame";
    EXPECT_EQ(framed(frame).center(), area.center()) << "the frame opens in the middle";
    ASSERT_NE(g_script_mgr, nullptr);
    EXPECT_TRUE(area.contains(framed(*g_script_mgr))) << "the Script Manager";

    // The prover opens over the frame.
    ASSERT_TRUE(r.command(kShowProver));
    ASSERT_NE(r.prover(), nullptr);
    EXPECT_TRUE(area.contains(framed(*r.prover()->frame()))) << "the prover";
    EXPECT_EQ(framed(*r.prover()->frame()).center(), framed(frame).center()) << "the prover opens over the frame";
    r.close_prover();

    // With the frame dragged half off the screen, the prover and the
    // dialogs over it still open inside.
    frame.move(area.right() - 300, area.bottom() - 200);
    settle();
    ASSERT_TRUE(r.command(kShowProver));
    ASSERT_NE(r.prover(), nullptr);
    EXPECT_TRUE(area.contains(framed(*r.prover()->frame()))) << "the prover";

    QMessageBox box(QMessageBox::Question, QStringLiteral("Drawing has changed"),
                    QStringLiteral("Do you want to save?"), QMessageBox::Yes | QMessageBox::No, &frame);
    box.show();
    settle();
    EXPECT_TRUE(area.contains(framed(box))) << "a message box";
    box.hide();

    QtHelpViewer help;
    help.show_context(0);
    settle();
    ASSERT_NE(help.window(), nullptr);
    EXPECT_TRUE(area.contains(framed(*help.window()))) << "the help window";
    EXPECT_EQ(framed(*help.window()).center(), area.center());
    help.window()->close();
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowsOnScreen,
                         ::testing::Values(Screen{"laptop", {0, 0, 1366, 768}}, Screen{"desktop", {0, 0, 1400, 900}},
                                           Screen{"under_a_panel", {0, 30, 1366, 738}}),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
