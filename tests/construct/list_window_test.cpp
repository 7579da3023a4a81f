// The Script Manager: its lines follow the drawing's table through appends,
// updates, deletes and clears; activation, saving and closing retitle or
// refill it; its menu and commands; the highlight of the selected object.

#include <gtest/gtest.h>

#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>

#include <memory>
#include <tuple>
#include <utility>

#include "construct/list_window.h"
#include "model/adding.h"
#include "script_fixture.h"

using script_test::ScriptHost;

namespace {

class ScriptManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensure_widgets_application();
        host = std::make_unique<ScriptHost>();
    }
    void TearDown() override
    {
        delete g_script_mgr;
        ASSERT_EQ(g_script_mgr, nullptr);
    }
    ListWindow& open(ScriptDrawing* drawing)
    {
        return *open_script_manager(nullptr, drawing, boxes, dialogs);
    }
    // A, B, C and the midpoint M of A and B.
    void triangle_with_midpoint()
    {
        host->point(100, 100, "A");
        host->point(300, 100, "B");
        host->point(200, 250, "C");
        host->object(103, 1, {20, 21}, "M");
    }
    std::vector<std::string> menu_state(ListWindow& list)
    {
        std::vector<std::string> out;
        std::unique_ptr<QMenu> menu = list.build_popup_menu();
        for (QAction* a : menu->actions())
            out.push_back(a->isSeparator() ? "-"
                                           : a->text().toStdString() + (a->isEnabled() ? "" : " (grayed)"));
        return out;
    }

    std::unique_ptr<ScriptHost> host;
    ScriptedMessageBoxes boxes;
    ScriptedObjectDialogs dialogs;
};

std::vector<std::string> numbered(std::initializer_list<const char*> texts)
{
    std::vector<std::string> out;
    int p = 0;
    for (const char* t : texts)
        out.push_back(std::to_string(p++) + ": " + t);
    return out;
}

}  // namespace

TEST_F(ScriptManagerTest, AppendedObjectsAddTheirLinesAndTheLastIsSelected)
{
    ListWindow& list = open(host.get());
    EXPECT_TRUE(list.lines().empty());
    triangle_with_midpoint();
    host->object(135, 2, {20, 22});
    EXPECT_EQ(list.lines(), numbered({"A: a free point", "B: a free point", "C: a free point",
                                      "M= midpoint(AB)", "line: AC"}));
    EXPECT_EQ(list.currentRow(), 4);
    // Line p always shows object p + 20.
    EXPECT_EQ(list.lines(), host->expected_lines());
}

TEST_F(ScriptManagerTest, OpeningListsWhatWasAddedWhileItWasClosed)
{
    triangle_with_midpoint();
    ListWindow& list = open(host.get());
    EXPECT_EQ(list.lines(), host->expected_lines());
    EXPECT_EQ(list.windowTitle().toStdString(), "Script Manager: Diagram 1");
}

TEST_F(ScriptManagerTest, CaptionsAtOpeningActivationAndSaving)
{
    ListWindow& none = open(nullptr);
    EXPECT_EQ(none.windowTitle().toStdString(), "Script Manager");
    EXPECT_EQ(none.drawing(), nullptr);
    // Opening again brings the same window forward.
    ScriptHost long_title(std::string(40, 'D') + "Z");
    EXPECT_EQ(&open(&long_title), &none);
    // An existing window keeps the drawing it shows; the caption names it.
    EXPECT_EQ(none.windowTitle().toStdString(), "Script Manager: ");

    none.show_drawing(&long_title);
    EXPECT_EQ(none.windowTitle().toStdString(), "Script Manager: " + std::string(39, 'D'));
    delete g_script_mgr;
    ListWindow& fresh = open(&long_title);
    EXPECT_EQ(fresh.windowTitle().toStdString(), "Script Manager: " + std::string(29, 'D'));

    fresh.SetTitle("triangle.fig");
    EXPECT_EQ(fresh.windowTitle().toStdString(), "Script Manager : triangle.fig");
}

TEST_F(ScriptManagerTest, ActivationRefillsAndClosingEmptiesKeepingTheCaption)
{
    triangle_with_midpoint();
    ScriptHost other("Diagram 2");
    other.point(10, 10, "P");
    ListWindow& list = open(host.get());
    list.show_drawing(&other);
    EXPECT_EQ(list.lines(), numbered({"P: a free point"}));
    EXPECT_EQ(list.windowTitle().toStdString(), "Script Manager: Diagram 2");
    // Objects of a drawing the list does not show do not reach it.
    host->point(5, 5, "Q");
    EXPECT_EQ(list.lines().size(), 1u);

    list.show_drawing(host.get());
    EXPECT_EQ(list.lines(), host->expected_lines());
    list.show_drawing(nullptr);
    EXPECT_TRUE(list.lines().empty());
    EXPECT_EQ(list.windowTitle().toStdString(), "Script Manager: Diagram 1");
}

TEST_F(ScriptManagerTest, ChangingAPointsNameRewritesEveryLaterLine)
{
    triangle_with_midpoint();
    ListWindow& list = open(host.get());

    // Only its colour changed: its own line alone is rewritten (and the Down
    // key of the rewrite highlights the line below, as no update suppresses it).
    Dpoint a = host->t()[20];
    a.set_name("P");
    g_name_changed = 0;
    upd_obj(host->d, 20, a);
    EXPECT_EQ(list.lines(), numbered({"P: a free point", "B: a free point", "C: a free point",
                                      "M= midpoint(AB)"}));
    EXPECT_EQ(list.currentRow(), 0);
    EXPECT_EQ(host->repaints, 1);

    // The name changed: the later texts that use it follow.
    g_name_changed = 1;
    upd_obj(host->d, 20, a);
    EXPECT_EQ(list.lines(), host->expected_lines());
    EXPECT_EQ(list.lines()[3], "3: M= midpoint(PB)");
    // Painting was switched off while the lines were rewritten, and is on again.
    EXPECT_EQ(host->t().repaint_switch(), 1);
    EXPECT_EQ(host->repaints, 1);
}

TEST_F(ScriptManagerTest, DeletingRenumbersEveryFollowingLine)
{
    triangle_with_midpoint();
    host->object(135, 2, {20, 22});
    ListWindow& list = open(host.get());
    host->boxes.push_answer(MessageResult::Yes);
    ASSERT_TRUE(del_point(host->d, 24, 0, 1));  // the segment
    ASSERT_TRUE(del_point(host->d, 2, 1, 0));  // C, by its line
    EXPECT_EQ(list.lines(), numbered({"A: a free point", "B: a free point", "M= midpoint(AB)"}));
    EXPECT_EQ(list.lines(), host->expected_lines());
    EXPECT_EQ(host->repaints, 0);  // no highlight while the lines are rewritten
}

TEST_F(ScriptManagerTest, ClearAllRefreshesToAnEmptyList)
{
    triangle_with_midpoint();
    ListWindow& list = open(host.get());
    list.setCurrentRow(1);
    ASSERT_TRUE(list.command(script_cmd::kClearAll));
    EXPECT_EQ(host->clears, 1);
    EXPECT_TRUE(list.lines().empty());
    // A new object after clearing is line 0 again.
    host->point(1, 1, "Z");
    EXPECT_EQ(list.lines(), numbered({"Z: a free point"}));
}

TEST_F(ScriptManagerTest, PopupMenuItemsByListAndDrawing)
{
    ListWindow& list = open(nullptr);
    const std::vector<std::string> no_drawing = {
        "---  Popup Menu --- (grayed)", "-", "Undo (grayed)", "-", "Add a object (grayed)",
        "Update the current object (grayed)", "Delete the current object (grayed)", "-",
        "Clear All (grayed)"};
    EXPECT_EQ(menu_state(list), no_drawing);

    list.show_drawing(host.get());
    std::vector<std::string> empty_drawing = no_drawing;
    empty_drawing[4] = "Add a object";
    EXPECT_EQ(menu_state(list), empty_drawing);

    host->point(1, 1, "A");
    list.setCurrentRow(-1);  // whether a line is selected does not matter
    EXPECT_EQ(menu_state(list),
              (std::vector<std::string>{"---  Popup Menu --- (grayed)", "-", "Undo (grayed)", "-",
                                        "Add a object", "Update the current object",
                                        "Delete the current object", "-", "Clear All"}));
}

TEST_F(ScriptManagerTest, AddAndUpdateWithoutADrawingSayNoDocumentIsOpened)
{
    ListWindow& list = open(nullptr);
    list.CmAdd();
    list.CmUpdate();
    ASSERT_EQ(boxes.asked().size(), 2u);
    for (const auto& asked : boxes.asked()) {
        EXPECT_EQ(asked.caption, "Error");
        EXPECT_EQ(asked.text, "No Document is opened");
        EXPECT_EQ(asked.icon, MessageIcon::Information);
    }
    EXPECT_EQ(dialogs.add_count(), 0);
    // Delete and Clear All have nothing to act on.
    list.CmDelete();
    list.CmClearAll();
    EXPECT_EQ(boxes.asked().size(), 2u);
}

TEST_F(ScriptManagerTest, AddBuildsTheRecordThroughTheConstructionEngine)
{
    triangle_with_midpoint();
    ListWindow& list = open(host.get());
    dialogs.push_add([](Dpoint& rec) {
        rec.type = 104;
        rec.set_name("G");
        rec.arg[0] = 20;
        rec.arg[1] = 21;
        rec.arg[2] = 22;
        return true;
    });
    list.CmAdd();
    ASSERT_GT(host->t().count(), 24);
    EXPECT_EQ(host->t()[24].type, 104);
    EXPECT_EQ(list.lines()[4], "4: G= centroid(ABC)");
    EXPECT_EQ(list.lines(), host->expected_lines());
    const int built = host->t().count();

    // Cancel builds nothing.
    list.CmAdd();
    EXPECT_EQ(host->t().count(), built);
    EXPECT_EQ(dialogs.add_count(), 2);
}

TEST_F(ScriptManagerTest, UpdateStoresTheEditedRecordAndSuppressesItsOwnHighlight)
{
    triangle_with_midpoint();
    ListWindow& list = open(host.get());
    list.setCurrentRow(0);
    dialogs.push_edit([](Dpoint& rec) {
        rec.colour = kRed;
        return true;
    });
    list.CmUpdate();
    ASSERT_EQ(dialogs.edited().size(), 1u);
    EXPECT_EQ(dialogs.edited()[0].name_view(), "A");
    EXPECT_EQ(host->t()[20].colour, kRed);
    EXPECT_EQ(g_name_changed, 0);
    EXPECT_FALSE(list.updating());
    EXPECT_EQ(host->repaints, 0);
    EXPECT_EQ(list.currentRow(), 0);

    // A rename rewrites the later lines.
    dialogs.push_edit([](Dpoint& rec) {
        rec.set_name("K");
        return true;
    });
    list.CmUpdate();
    EXPECT_EQ(list.lines()[3], "3: M= midpoint(KB)");
    EXPECT_EQ(list.lines(), host->expected_lines());

    // A line rewritten by anyone else draws the Down key's highlight.
    list.UpdateLine(1);
    EXPECT_EQ(host->repaints, 1);
    EXPECT_EQ(list.currentRow(), 1);

    // Cancel changes nothing; no line selected does nothing at all.
    list.CmUpdate();
    EXPECT_EQ(dialogs.edited().size(), 3u);
    list.setCurrentRow(-1);
    list.CmUpdate();
    EXPECT_EQ(dialogs.edited().size(), 3u);
}

TEST_F(ScriptManagerTest, DeleteAsksAndRefusesWhatIsStillUsed)
{
    triangle_with_midpoint();
    ListWindow& list = open(host.get());
    list.setCurrentRow(-1);
    list.CmDelete();
    EXPECT_TRUE(host->boxes.asked().empty());

    // A is a parent of the midpoint.
    list.setCurrentRow(0);
    list.CmDelete();
    ASSERT_EQ(host->boxes.asked().size(), 1u);
    EXPECT_EQ(host->boxes.asked()[0].text, "Can't delete the point");
    EXPECT_EQ(list.lines().size(), 4u);

    // No keeps it; Yes deletes it.
    list.setCurrentRow(3);
    list.CmDelete();
    EXPECT_EQ(host->boxes.asked().back().text, "Are you sure?");
    EXPECT_EQ(host->boxes.asked().back().caption, "Delete A Point");
    EXPECT_EQ(list.lines().size(), 4u);
    host->boxes.push_answer(MessageResult::Yes);
    list.setCurrentRow(3);
    list.CmDelete();
    EXPECT_EQ(list.lines(), host->expected_lines());
    EXPECT_EQ(list.lines().size(), 3u);
}

TEST_F(ScriptManagerTest, MenuChoiceRunsItsCommand)
{
    triangle_with_midpoint();
    ListWindow& list = open(host.get());
    list.setCurrentRow(3);
    host->boxes.push_answer(MessageResult::Yes);
    std::vector<std::string> offered;
    list.set_menu_runner([&](QMenu& menu, QPoint) -> QAction* {
        for (QAction* a : menu.actions())
            if (a->data().toInt() == script_cmd::kDelete)
                return a;
        return nullptr;
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(105, 105));
    QCoreApplication::sendEvent(list.viewport(), &event);
    EXPECT_EQ(list.lines().size(), 3u);
}

TEST_F(ScriptManagerTest, KeysMoveTheSelectionAndHighlightOnlyForMovingKeys)
{
    triangle_with_midpoint();
    ListWindow& list = open(host.get());
    list.setCurrentRow(0);
    list.EvKeyDown(Qt::Key_Down);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(host->repaints, 1);
    EXPECT_EQ(host->mouse_operations, 1);
    // The cross of point B at (300, 100).
    EXPECT_EQ(host->dc.calls_named("arc").at(0).args[0], 295);

    // Right and Left step the selection down and up, without a highlight.
    list.EvKeyDown(Qt::Key_Right);
    EXPECT_EQ(list.currentRow(), 2);
    list.EvKeyDown(Qt::Key_Right);
    EXPECT_EQ(list.currentRow(), 3);
    list.EvKeyDown(Qt::Key_Left);
    EXPECT_EQ(list.currentRow(), 2);
    EXPECT_EQ(host->repaints, 1);
    // Home on the first line and End on the last draw the same highlight again.
    list.EvKeyDown(Qt::Key_Home);
    list.EvKeyDown(Qt::Key_Home);
    list.EvKeyDown(Qt::Key_End);
    EXPECT_EQ(list.currentRow(), 3);
    EXPECT_EQ(host->repaints, 4);
}

TEST_F(ScriptManagerTest, MouseSelectionHighlightsAndDoubleClickUpdatesOnce)
{
    triangle_with_midpoint();
    ListWindow& list = open(host.get());
    list.show();
    const QRect second = list.visualItemRect(list.item(1));
    auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(second.center()), QPointF(list.viewport()->mapToGlobal(second.center())),
                          button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(list.viewport(), &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(host->repaints, 1);
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
    // The line already selected: pressed again, highlighted again.
    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(host->repaints, 2);
    // Dragging within the same line changes nothing and draws nothing.
    send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(host->repaints, 2);
    send(QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(dialogs.edited().size(), 1u);
    EXPECT_EQ(dialogs.edited()[0].name_view(), "B");
    // The right button leaves the selection where it is.
    list.set_menu_runner([](QMenu&, QPoint) { return nullptr; });
    const QRect first = list.visualItemRect(list.item(0));
    QMouseEvent right(QEvent::MouseButtonPress, QPointF(first.center()), QPointF(first.center()),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(list.viewport(), &right);
    EXPECT_EQ(list.currentRow(), 1);
}

TEST_F(ScriptManagerTest, HorizontalExtentOnlyGrowsUntilARefill)
{
    host->point(1, 1, "A");
    ListWindow& list = open(host.get());
    list.show();
    QScrollBar* bar = list.horizontalScrollBar();
    const int short_extent = list.max_extent();
    EXPECT_GT(short_extent, 2);
    EXPECT_EQ(bar->maximum(), 0) << "a short line fits";

    // A text line of 79 characters, far wider than the window.
    Dpoint text(180, "x");
    text.cls = 6;
    text.set_text(std::string(39, 'W') + " " + std::string(39, 'M'));
    add_obj(host->d, text);
    host->point(2, 2, "B");  // a short line after it
    const int long_extent = list.max_extent();
    EXPECT_GT(long_extent, short_extent);
    EXPECT_GT(long_extent, list.fontMetrics().horizontalAdvance(QString(79, 'M')) / 2);
    ASSERT_GT(bar->maximum(), 0) << "the long line can be scrolled";
    const int range = bar->maximum();
    EXPECT_EQ(range, long_extent - list.viewport()->width()) << "the extent is the scroll range";
    // Scrolled to the end, the long line ends inside the list and is drawn whole.
    bar->setValue(range);
    const QRect line = list.visualItemRect(list.item(1));
    EXPECT_LE(line.right(), list.viewport()->width());
    EXPECT_GE(line.width(), long_extent) << "the line is not cut to the width of another";
    // Its last letters are drawn at the right end of the list.
    const QImage shown = list.viewport()->grab().toImage();
    int ink = 0;
    for (int x = shown.width() - 20; x < shown.width(); ++x)
        for (int y = line.top(); y <= line.bottom(); ++y)
            ink += qGray(shown.pixel(x, y)) < 128;
    EXPECT_GT(ink, 10) << "the end of the long line is drawn";

    // Deleting the long line leaves the range; resizing keeps it in step.
    host->boxes.push_answer(MessageResult::Yes);
    ASSERT_TRUE(del_point(host->d, 21, 0, 0));
    EXPECT_EQ(list.max_extent(), long_extent);
    EXPECT_EQ(bar->maximum(), range);
    const int narrow = list.viewport()->width();
    list.resize(list.width() + 40, list.height());
    QCoreApplication::processEvents();
    ASSERT_GT(list.viewport()->width(), narrow);
    EXPECT_EQ(bar->maximum() + list.viewport()->width(), range + narrow);
    list.Refill();
    EXPECT_EQ(list.max_extent(), short_extent);
    EXPECT_EQ(bar->maximum(), 0);
}

TEST_F(ScriptManagerTest, ClosingTheWindowForgetsIt)
{
    ListWindow* list = &open(host.get());
    EXPECT_EQ(g_script_mgr, list);
    EXPECT_TRUE(list->testAttribute(Qt::WA_DeleteOnClose));
    delete list;
    EXPECT_EQ(g_script_mgr, nullptr);
    EXPECT_FALSE(host->script_manager_open());
    host->point(1, 1, "A");  // nothing to tell
}

// A refill, and the rewrite of every later line after a delete or a rename,
// end as adding or rewriting the lines one by one, selecting far fewer times;
// framed by the window manager afterwards, the list still shows its current line.
TEST_F(ScriptManagerTest, RefillAndRewritesEndAsLineByLineAndFramingKeepsTheCurrentLine)
{
    auto shown = [](const ListWindow& l) {
        return std::make_tuple(l.lines(), l.currentRow(), l.row(l.selectedItems().value(0)), l.max_extent(),
                               l.horizontalScrollBar()->maximum(), l.verticalScrollBar()->value());
    };
    ListWindow& list = open(host.get());
    list.show();
    host->point(1, 1, "A");
    host->point(3, 3, "B");
    for (int i = 0; i < 40; ++i)
        host->object(103, 1, {20, 21 + i}, ("M" + std::to_string(i)).c_str());
    for (const char* name : {"F", "G", "H", "I", "J", "K"})  // F used by nothing, before narrower lines
        host->point(2, 2, name);
    QCoreApplication::processEvents();
    const auto appended = shown(list);
    list.show_drawing(nullptr);
    EXPECT_EQ(list.horizontalScrollBar()->maximum(), 0);  // nothing listed, nothing to scroll
    int moves = 0;
    QObject::connect(&list, &QListWidget::currentRowChanged, [&moves] { ++moves; });
    list.show_drawing(host.get());
    EXPECT_EQ(shown(list), appended);
    EXPECT_EQ(std::exchange(moves, 0), 1);

    ListWindow one_by_one(nullptr, boxes, dialogs);
    one_by_one.show();
    one_by_one.show_drawing(host.get());
    Dpoint a = host->t()[20];
    a.set_name("AWide");
    g_name_changed = 1;
    for (const int from : {42, 0}) {  // F deleted, then A renamed
        if (from) {
            ASSERT_TRUE(del_point(host->d, from, 1, 0));
            one_by_one.DeleteLine(from);
        } else {
            upd_obj(host->d, 20, a);
        }
        for (int pos = from; pos < list.count(); ++pos)
            one_by_one.UpdateLine(pos);
        EXPECT_EQ(shown(list), shown(one_by_one)) << from;
        EXPECT_EQ(std::exchange(moves, 0), 2);
    }
    list.place_by(QWidget(), QMargins(4, 40, 4, 30));  // shrunk by a title bar and borders
    const QRect line = list.visualItemRect(list.currentItem());
    EXPECT_TRUE(line.top() >= 0 && line.bottom() < list.viewport()->height()) << line.top() << ".." << line.bottom();
}
