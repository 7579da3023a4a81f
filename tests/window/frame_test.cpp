// The frame: the menu items and their hints, the status bar panes, the
// popups' enablers and the toolbox pictures.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QEnterEvent>
#include <QStatusBar>
#include <QToolButton>

#include <set>

#include "construct/cons_strings.h"
#include "platform/string_table.h"
#include "window/menu_layout.h"
#include "window/toolbox_icons.h"
#include "window_test_support.h"

namespace {

// Every item action of the menu bar, wherever it stands.
void collect_items(QMenu& menu, std::vector<QAction*>& items)
{
    for (QAction* action : menu.actions()) {
        if (QMenu* sub = action->menu())
            collect_items(*sub, items);
        else if (!action->isSeparator())
            items.push_back(action);
    }
}

TEST(Frame, EveryMenuItemIsFoundByItsIdAndShowsItsHintOnHighlight)
{
    AppFixture f;
    std::vector<QAction*> items;
    for (QAction* top : f.app->frame()->menuBar()->actions())
        if (QMenu* menu = top->menu())
            collect_items(*menu, items);
    ASSERT_GT(items.size(), 150u);
    std::set<int> ids;
    for (QAction* action : items) {
        const int id = action->data().toInt();
        EXPECT_TRUE(ids.insert(id).second) << id << " stands in the menu once";
        EXPECT_EQ(f.app->menu_action(id), action) << id;
        EXPECT_FALSE(action->statusTip().isEmpty()) << id << " has a hint";
        EXPECT_EQ(action->statusTip().toStdString(), load_string(id)) << id;
        action->showStatusText(f.app->frame());
        EXPECT_EQ(f.app->frame()->statusBar()->currentMessage(), action->statusTip()) << id;
    }
    EXPECT_EQ(f.app->menu_action(185)->shortcut(), QKeySequence(Qt::Key_F1)) << "Help Contents";
}

// Where a command is named by its own words, those words are its hint: the
// text the status bar shows while its menu item is highlighted or the mouse
// is over its toolbox button.
TEST(Frame, CommandsShowTheWordsTheyAreKnownByAsTheirHints)
{
    AppFixture f;
    struct Case {
        int id;
        const char* words;
    };
    const Case cases[] = {
        {195, "Clear the active window for a new drawing"},
        {292, "Clear the draw Window for a new drawing"},
        {140, "Delete a point"},
        {190, "Delete a line segment"},
        {289, "Delete a line segment"},
        {191, "Delete a circle"},
        {141, "Restore the deleted elements"},
        {169, "Hide a point and its name"},
        {170, "Hide a line"},
        {171, "Hide a circle"},
        {172, "Hide a the name of a point"},
        {204, "Select a block as the current block"},
        {451, "Copy Part of the current diagram as a block"},
        {226, "Mirror reflection"},
        {462, "Use the length of a segment to determine the unit"},
        {463, "Use the static unit"},
        {458, "Add a circle passsing through three points"},
    };
    QStatusBar* bar = f.app->frame()->statusBar();
    for (const Case& c : cases) {
        bar->clearMessage();
        if (QAction* item = f.app->menu_action(c.id)) {
            item->showStatusText(f.app->frame());
        } else if (QToolButton* button = f.app->toolbox_button(c.id)) {
            QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(button->mapToGlobal(QPoint(2, 2))));
            QCoreApplication::sendEvent(button, &enter);
        } else {
            ADD_FAILURE() << c.id << " is neither a menu item nor a toolbox button";
            continue;
        }
        EXPECT_EQ(bar->currentMessage().toStdString(), c.words) << c.id;
    }
}

TEST(Frame, StatusBarHasThreeRecessedPanesOfTheirWidths)
{
    AppFixture f;
    StatusPanes& panes = f.app->panes();
    int widths[3];
    for (int pane = 1; pane <= 3; ++pane) {
        QLabel* label = panes.label(pane);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), "") << "empty at start";
        EXPECT_EQ(label->frameShadow(), QFrame::Sunken);
        EXPECT_TRUE(label->alignment() & Qt::AlignLeft);
        widths[pane - 1] = label->width() > 0 ? label->width() : label->minimumWidth();
    }
    // Panes 2 and 3 hold 9 and 15 characters.
    const QFontMetrics metrics(panes.label(1)->font());
    EXPECT_NEAR(double(widths[2] - widths[1]) / metrics.averageCharWidth(), 15 - 9, 0.5);
    // Pane 1 holds every prompt whole.
    cons_string(0);  // the construction texts are in the table
    const int room = panes.label(1)->contentsRect().width() - 2 * panes.label(1)->indent();
    for (int id = 1000; id < 1500; ++id) {
        const std::string prompt = load_string(id);
        if (prompt.starts_with("Select") || prompt.starts_with("Use") || prompt.starts_with("Click")) {
            EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(prompt)), room) << id << " " << prompt;
        }
    }

    set_status1("Select three points");
    EXPECT_EQ(panes.label(1)->text().toStdString(), "Select three points");
    const int changes = panes.change_count(1);
    set_status1("Select three points");
    EXPECT_EQ(panes.change_count(1), changes) << "the same text does nothing";
    set_status3("Collinear # # #");
    EXPECT_EQ(panes.text(3), "Collinear # # #");
}

TEST(Frame, ScriptManagerItemIsCheckedWhileItIsOpen)
{
    AppFixture f;
    QAction* item = f.app->menu_action(188);
    ASSERT_NE(item, nullptr);
    f.services.script_open = true;
    f.app->EvInitMenu();
    EXPECT_TRUE(item->isChecked());
    f.services.script_open = false;
    f.app->EvInitMenu();
    EXPECT_FALSE(item->isChecked());
}

TEST(Frame, OpeningAPopupRunsTheEnablersOfItsItems)
{
    AppFixture f;
    QAction* midpoint = f.app->menu_action(103);
    QMenu* popup = qobject_cast<QMenu*>(midpoint->parent());
    ASSERT_NE(popup, nullptr);
    emit popup->aboutToShow();
    EXPECT_FALSE(midpoint->isEnabled());
    add_free_point(*g_active_draw, 10, 10, "A");
    add_free_point(*g_active_draw, 50, 10, "B");
    emit popup->aboutToShow();
    EXPECT_TRUE(midpoint->isEnabled());

    QAction* radius = f.app->menu_action(184);
    emit qobject_cast<QMenu*>(radius->parent())->aboutToShow();
    EXPECT_FALSE(radius->isEnabled()) << "an item nobody handles";
}

TEST(Frame, ToolboxPicturesAreDrawnAndAllDifferent)
{
    ensure_widgets_application();
    std::vector<QImage> pictures;
    for (const ToolboxButton& b : toolbox_buttons()) {
        ASSERT_TRUE(has_toolbox_picture(b.id)) << b.id;
        const QImage image = toolbox_pixmap(b.id, 24).toImage();
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                inked += qAlpha(image.pixel(x, y)) > 128;
        EXPECT_GT(inked, 20) << b.id << " has a visible picture";
        EXPECT_LT(inked, 24 * 24 * 3 / 4) << b.id << " is not a filled square";
        for (const QImage& other : pictures)
            EXPECT_NE(image, other) << b.id << " looks like another button";
        pictures.push_back(image);
    }
    EXPECT_FALSE(has_toolbox_picture(101));
}

}  // namespace
