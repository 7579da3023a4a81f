// The Script Manager in the running application: it opens at start-up on the
// first drawing, follows activation and closing of drawings, lists what the
// table operations add and delete, highlights on the drawing's surface, and
// the Tools commands reach the drawing's attributes.

#include <gtest/gtest.h>

#include <QMdiSubWindow>
#include <QWindow>

#include "construct/choosers.h"
#include "construct/list_window.h"
#include "construct/object_dialogs.h"
#include "model/adding.h"
#include "model/deleting.h"
#include "window/script_link.h"
#include "window_test_support.h"

namespace {

struct ScriptAppFixture {
    ScriptedUi ui;
    ScriptedObjectDialogs dialogs;
    ScriptedColourChooser colours;
    ScriptedFontChooser fonts;
    ScriptManagerLink link{ui.boxes, dialogs, colours, fonts};
    WithScriptManager<RecordingServices> services{link};
    std::unique_ptr<TDrawApp> app;

    ScriptAppFixture()
    {
        ensure_widgets_application();
        app = std::make_unique<TDrawApp>(ui.services(), services);
        app->InitMainWindow();
        app->InitInstance();
    }
    ~ScriptAppFixture()
    {
        app.reset();
        process_deferred_deletes();
        delete g_script_mgr;
    }

    Dclient& client() { return *app->client(); }
    ListWindow& list() { return *g_script_mgr; }
    static int point(Dchild& win, double x, double y, const char* name)
    {
        Dpoint p(101, name);
        p.cls = 1;
        p.size = 2;
        p.x = x;
        p.y = y;
        return add_obj(win.diagram, p);
    }
    void activate(Dchild* win)
    {
        for (QMdiSubWindow* sub : client().subWindowList())
            if (sub->widget() == win)
                client().setActiveSubWindow(sub);
    }
};

std::string caption(const ListWindow& list) { return list.windowTitle().toStdString(); }

}  // namespace

TEST(ScriptLink, OpensAtStartUpOnTheFirstDrawing)
{
    ScriptAppFixture f;
    ASSERT_NE(g_script_mgr, nullptr);
    EXPECT_EQ(caption(f.list()), "Script Manager: Diagram 1");
    EXPECT_TRUE(f.list().lines().empty());
    EXPECT_TRUE(f.services.script_manager_open());
    // Its lower right corner lies inside the frame's.
    const QRect frame = f.app->frame()->frameGeometry();
    EXPECT_EQ(f.list().x(), frame.x() + frame.width() - 155);
    EXPECT_EQ(f.list().y(), frame.y() + frame.height() - 225);
}

TEST(ScriptLink, OpensAtTheCornerOfTheFrameAsTheWindowManagerPlacedIt)
{
    ScriptAppFixture f;
    // Shown, but not yet placed: the window manager moves and sizes the
    // frame before it first shows it on screen.
    QWidget& frame = *f.app->frame();
    frame.setGeometry(60, 70, 500, 400);
    process_deferred_deletes();
    ASSERT_TRUE(frame.windowHandle()->isExposed());
    const QRect placed = frame.frameGeometry();
    // The whole list, its frame included (the test platform frames windows
    // too), is 150 x 200, its lower right corner 5 pixels inside the frame's
    // right edge and 25 above its bottom.
    const QRect list = f.list().frameGeometry();
    ASSERT_NE(list, f.list().geometry()) << "framed";
    EXPECT_EQ(list.size(), QSize(150, 200));
    EXPECT_EQ(list.right(), placed.right() - 5);
    EXPECT_EQ(list.bottom(), placed.bottom() - 25);

    // Later moves of the frame leave it where it is.
    frame.move(200, 150);
    process_deferred_deletes();
    EXPECT_EQ(f.list().x(), placed.x() + placed.width() - 155);
}

TEST(ScriptLink, FollowsActivationAndClosing)
{
    ScriptAppFixture f;
    Dchild* first = g_active_draw;
    ScriptAppFixture::point(*first, 10, 10, "A");
    f.client().CmFileNew();
    Dchild* second = g_active_draw;
    ASSERT_NE(first, second);
    EXPECT_EQ(caption(f.list()), "Script Manager: Diagram 2");
    EXPECT_TRUE(f.list().lines().empty());
    // Objects of a drawing that is not listed leave the list alone.
    ScriptAppFixture::point(*first, 20, 20, "B");
    EXPECT_TRUE(f.list().lines().empty());

    f.activate(first);
    EXPECT_EQ(caption(f.list()), "Script Manager: Diagram 1");
    EXPECT_EQ(f.list().lines(), (std::vector<std::string>{"0: A: a free point", "1: B: a free point"}));

    // Closing the listed drawing: the list shows the drawing still active.
    first->parentWidget()->close();
    process_deferred_deletes();
    ASSERT_EQ(g_active_draw, second);
    EXPECT_EQ(f.list().drawing() ? f.list().drawing()->caption() : "", "Diagram 2");
    EXPECT_TRUE(f.list().lines().empty());

    second->parentWidget()->close();
    process_deferred_deletes();
    EXPECT_EQ(f.list().drawing(), nullptr);
    EXPECT_TRUE(f.list().lines().empty());
}

TEST(ScriptLink, ClosedAndOpenedAgainItListsWhatWasAdded)
{
    ScriptAppFixture f;
    delete g_script_mgr;
    EXPECT_FALSE(f.services.script_manager_open());
    ScriptAppFixture::point(*g_active_draw, 10, 10, "A");
    ASSERT_TRUE(f.app->route_command(188));
    ASSERT_NE(g_script_mgr, nullptr);
    EXPECT_EQ(f.list().lines(), std::vector<std::string>{"0: A: a free point"});
    EXPECT_EQ(caption(f.list()), "Script Manager: Diagram 1");
}

TEST(ScriptLink, ListingManyObjectsShowsTheBusyCursorMeanwhile)
{
    constexpr int kMany = ScriptManagerLink::kBusyListObjects;
    for (const int objects : {kMany - 1, kMany}) {
        std::vector<std::pair<bool, int>> cursor;  // busy or not, with the lines listed then (-1: no list)
        ScriptAppFixture f;
        f.ui.busy.on_change = [&cursor](bool busy) {
            cursor.emplace_back(busy, g_script_mgr ? g_script_mgr->count() : -1);
        };
        Dchild* first = g_active_draw;
        for (int i = 0; i < objects; ++i)
            first->objects().append(Dpoint(101, "P"));  // as a point file is read: no line yet
        first->script_refill();
        f.client().CmFileNew();
        f.activate(first);
        delete g_script_mgr;
        ASSERT_TRUE(f.app->route_command(188));  // opened again
        f.services.script_refresh();
        std::vector<std::pair<bool, int>> expected;
        for (const int listed_then : {0, 0, -1, objects})  // read, activation, reopening, refresh
            if (objects >= kMany)
                expected.insert(expected.end(), {{true, listed_then}, {false, objects}});
        EXPECT_EQ(cursor, expected);
    }
}

TEST(ScriptLink, SelectedPointIsMarkedInRedOnTheDrawing)
{
    ScriptAppFixture f;
    Dchild& win = *g_active_draw;
    ScriptAppFixture::point(win, 60, 50, "A");
    ScriptAppFixture::point(win, 120, 80, "B");
    win.flush();
    f.list().setCurrentRow(1);
    f.list().EvKeyDown(Qt::Key_Up);
    EXPECT_EQ(f.list().currentRow(), 0);
    // The cross of A: its circle of radius 5 and its strokes.
    EXPECT_EQ(win.surface().pixel(65, 50), kRed);
    EXPECT_EQ(win.surface().pixel(60, 45), kRed);
    EXPECT_FALSE(win.mouse_captured());
    EXPECT_EQ(win.mouse_dc(), nullptr);
}

TEST(ScriptLink, ObjectTextsAndTheStatusPanesOfRatioPoints)
{
    ScriptAppFixture f;
    Dchild& win = *g_active_draw;
    ScriptAppFixture::point(win, 10, 10, "A");
    ScriptAppFixture::point(win, 30, 10, "B");
    Dpoint ratio(197, "R");
    ratio.cls = 1;
    ratio.arg = {20, 21};
    ratio.aux1.set_text("1");
    ratio.aux2.set_text("3");
    const int k = add_obj(win.diagram, ratio);
    EXPECT_EQ(f.services.obj_text(win, 1, k), "R=Lratio_point(AB,1,3)");
    EXPECT_EQ(f.app->panes().text(1), "1");
    EXPECT_EQ(f.app->panes().text(3), "3");
}

TEST(ScriptLink, ToolsCommandsSetTheDrawingsAttributes)
{
    ScriptAppFixture f;
    Dchild& win = *g_active_draw;
    f.colours.push_answer(Colour{0x00FF00});
    ASSERT_TRUE(f.app->route_command(137));
    EXPECT_EQ(win.objects().pen_colour(), 0x00FF00u);
    EXPECT_EQ(win.scratch().colour, 0x00FF00u);

    f.ui.input.push_answer(std::string("4"));
    ASSERT_TRUE(f.app->route_command(138));
    EXPECT_EQ(win.objects().pen_size_setting(), 4);
    f.ui.input.push_answer(std::string("9"));
    ASSERT_TRUE(f.app->route_command(139));
    EXPECT_EQ(win.objects().pen_style_setting(), 0);

    std::vector<Font> name_fonts;
    f.link.on_name_font = [&](const Font& font) { name_fonts.push_back(font); };
    f.fonts.push_answer(Font{20, "DejaVu Serif"});
    ASSERT_TRUE(f.app->route_command(174));
    ASSERT_EQ(name_fonts.size(), 1u);
    EXPECT_EQ(name_fonts[0].height, 20);
    EXPECT_TRUE(win.repaint_pending());
}

TEST(ScriptLink, SavingUnderANewNameRetitlesTheList)
{
    ScriptAppFixture f;
    f.link.script_saved_as(*g_active_draw);
    EXPECT_EQ(caption(f.list()), "Script Manager : Diagram 1");
}
