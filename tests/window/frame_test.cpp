// The frame: menu "COMMANDS" with its items and hints, the status bar, the
// toolbox and its pictures.

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "construct/cons_strings.h"
#include "platform/string_table.h"
#include "window/menu_layout.h"
#include "window/toolbox_icons.h"
#include "window_test_support.h"

namespace {

struct MenuItem {
    int id;
    const char* place;  // popup path without mnemonics
    const char* text;
};

// Every menu item of the drawing window's response table, with its place.
const MenuItem kDrawingItems[] = {
        {99, "Draw > On ...", "On-&hline"},
        {101, "Draw", "&Point"},
        {102, "Draw > More Constructions", "&Foot"},
        {103, "Draw > Ratio Constructions", "&Midpoint"},
        {104, "Draw > Triangle", "C&entroid"},
        {105, "Draw > Triangle", "C&ircumcenter"},
        {106, "Draw > Triangle", "&Orthocenter"},
        {107, "Draw > Triangle", "&Vertex with Known Incenter"},
        {108, "Draw > Triangle", "&Incenter"},
        {109, "Draw > Triangle", "&Equilateral Triangle"},
        {110, "Draw > On ...", "On-&line"},
        {111, "Draw > On ...", "On-&pline"},
        {112, "Draw > On ...", "On-&tline"},
        {113, "Draw > On ...", "On-&circle"},
        {114, "Draw > On ...", "On-&aline"},
        {115, "Draw > On ...", "On-&rcircle"},
        {116, "Draw > Intersection of", "two &Lines"},
        {117, "Draw > Intersection of", "a Line  and a Pline"},
        {118, "Draw > Intersection of", "a Line  and a Tline"},
        {119, "Draw > Intersection of", "two &Plines"},
        {120, "Draw > Intersection of", "a Pline and a Tline"},
        {121, "Draw > Intersection of", "two &Tlines"},
        {122, "Draw > Intersection of", "a Line  and a Circle"},
        {123, "Draw > Intersection of", "a Pline and a Circle"},
        {124, "Draw > Intersection of", "a Tline and a Circle"},
        {125, "Draw > Intersection of", "two &Circles"},
        {126, "Draw > Intersection of", "a Line  and an Rcircle"},
        {127, "Draw > Intersection of", "a Circle and an Rcircle"},
        {128, "Draw > Intersection of", "two &Rcircles"},
        {129, "Draw > Ratio Constructions", "&Symmetric point"},
        {130, "Draw > More Constructions", "&Relection point"},
        {131, "Draw > More Constructions", "&Inversion point"},
        {132, "Draw > More Constructions", "&Positive Square"},
        {133, "Draw > More Constructions", "&Negative square"},
        {134, "Edit > Update", "A Point"},
        {135, "Draw > Add Line, Circle, and Conics", "Add a Line segment"},
        {136, "Draw > Add Line, Circle, and Conics", "Add a Circle"},
        {137, "Draw > Tools", "Line Color"},
        {138, "Draw > Tools", "Line Width"},
        {139, "Draw > Tools", "Line Style"},
        {140, "Edit > Delete", "A Point"},
        {141, "Edit", "&Restore"},
        {142, "Draw > Tools", "Fill Color"},
        {143, "Draw > Fill", "Fill a Triangle"},
        {144, "Draw > Fill", "Fill a Polygon"},
        {145, "Draw > Fill", "Fill A Circle"},
        {146, "Draw > Fill", "Fill A Chord"},
        {147, "Draw > Fill", "Fill a Pie Wedge"},
        {148, "Draw > Select Conclusion", "Collinear"},
        {149, "Draw > Select Conclusion", "Parallel"},
        {150, "Draw > Select Conclusion", "Perpendicular"},
        {151, "Draw > Select Conclusion", "Midpoint"},
        {152, "Draw > Select Conclusion", "Cyclic"},
        {153, "Draw > Select Conclusion", "Equal Distance"},
        {154, "Draw > Select Conclusion", "Equal Angle"},
        {155, "Draw > Select Conclusion", "Equal Product"},
        {156, "Draw > Select Conclusion", "Tangent of Circles"},
        {157, "Draw > Select Conclusion", "Harmonic"},
        {158, "Draw > Select Conclusion", "Postive Equilateral Triangle"},
        {159, "Measure", "&Segment Length"},
        {160, "Measure", "&Angle"},
        {161, "Measure", "&Slope of a line"},
        {162, "Measure > Area of a", "&Triangle"},
        {163, "Measure > Area of a", "&Qudralateral"},
        {164, "Measure > Area of a", "&Circle"},
        {165, "Measure > Ratio of ", "&Segments"},
        {166, "Measure > Ratio of ", "&The Areas of Two Triangle"},
        {167, "Draw > Tools", "Font Color"},
        {168, "Measure", "&Delete an Expression"},
        {169, "Edit > Hide", "A Point"},
        {170, "Edit > Hide", "A Line"},
        {171, "Edit > Hide", "A Circle"},
        {172, "Edit > Hide", "A Point Name"},
        {173, "Edit > Hide", "All Names"},
        {174, "Draw > Tools", "Font Size"},
        {175, "Drag", "&Drag a point"},
        {176, "Drag", "&Move point name"},
        {177, "Drag", "&Translation"},
        {178, "Drag", "&Rotation"},
        {179, "Drag", "&Resize"},
        {180, "Draw", "Te&xt"},
        {181, "Draw > Mark", "Mark a Segment"},
        {182, "Draw > Mark", "Mark an Angle"},
        {183, "Draw > Mark", "Mark and Fill An Angle"},
        {186, "Draw > Add Line, Circle, and Conics", "Add an Arrow"},
        {187, "Draw > Add Line, Circle, and Conics", "Add A Double Sided Arrow"},
        {188, "Window", "Show &Script Manager"},
        {189, "Edit > Update", "A Circle"},
        {190, "Edit > Delete", "A Line"},
        {191, "Edit > Delete", "A Circle"},
        {192, "Draw > Add Line, Circle, and Conics", "Add an Arc"},
        {193, "Window", "Show &QPL Prover"},
        {194, "Edit > Update", "A Line"},
        {195, "Edit", "&Clear and Redraw"},
        {197, "Draw > Ratio Constructions", "&Lratio"},
        {198, "Draw > Ratio Constructions", "M&ratio"},
        {199, "Draw > Ratio Constructions", "&Pratio"},
        {203, "Edit", "Begin a New Block"},
        {204, "Edit > Select", "Select a Block"},
        {205, "Edit > Select", "Select all Blocks"},
        {206, "Edit", "Delete Current Block"},
        {207, "Draw", "Draw S&tep by Step"},
        {210, "File", "Prin&t "},
        {211, "File", "Save as &PS file"},
        {214, "Edit", "&Delete the Last Construction"},
        {220, "Animation", "Delete All Locus"},
        {221, "Draw", "Draw According to &Script"},
        {222, "Draw > Add Line, Circle, and Conics", "Circle of Three Points "},
        {223, "Measure", "Calculator"},
        {224, "Measure", "Circle"},
        {225, "Animation", "Delete Last Locus"},
        {226, "Drag", "Mirrot Relfection"},
        {229, "File", "Printer Set&up"},
        {230, "File", "Print P&review"},
        {233, "File", "Save as &Bitmap File"},
        {236, "Draw > Select Conclusion", "Congruent Triangles"},
        {237, "Draw > Select Conclusion", "Similar Triangles"},
        {238, "Animation", "Select a Diving Point"},
        {239, "Animation", "Delete the Last Driving Point"},
        {242, "Drag", "Rotate an Angle in the Diagram"},
        {243, "Drag", "Rotate a Given Angle"},
        {245, "Draw", "&Delete Conclusion"},
        {299, "Edit", "Unite all Blocks into One"},
        {420, "Animation", "&Start Animation"},
        {422, "Animation", "&Create a Driving Point"},
        {423, "Animation > Trace for Driving Point", "&Circle"},
        {424, "Animation > Trace for Driving Point", "&Line"},
        {425, "Animation > Trace for Driving Point", "&Self Drawn"},
        {426, "Animation > Select a Locus ...", "&Locus Point"},
        {427, "Animation", "&Select a Animation Speed"},
        {428, "Animation > Select a Locus ...", "&Locus Line"},
        {429, "Animation > Select a Locus ...", "&Locus Circle"},
        {430, "Animation", "Set Speed for Current Driving Point"},
        {431, "Animation", "&Seletc Animation Steps"},
        {451, "Edit", "Copy Part as a New Block"},
        {452, "Edit", "Copy the Current Block"},
        {453, "Edit", "Paste"},
        {455, "Draw > Add Line, Circle, and Conics", "Add an Eclipse"},
        {456, "Draw > Add Line, Circle, and Conics", "Add a Hyberbola"},
        {457, "Draw > Add Line, Circle, and Conics", "Add a Parabola"},
        {458, "Draw > Add Line, Circle, and Conics", "Arc of Three Points"},
        {460, "Draw > Add Line, Circle, and Conics", "Add a Marked Segment"},
        {461, "Animation", "Function Graphics"},
        {462, "Measure", "Use Dynamic Unit"},
        {463, "Measure", "Use Static Unit"},
        {465, "Draw > Add a Button", "Add an &Animation Button"},
        {466, "Draw > Add a Button", "Add a &Hide Button"},
        {467, "Drag", "Leave Trace or Not"},
        {468, "File", "Copy to the &Clipborad"},
        {470, "Draw", "Nrotate"},
        {471, "Draw", "Proatte"},
        {502, "File", "&Save"},
        {503, "File", "Save &as..."},
};

// The items that go to the client or the frame.
const MenuItem kOtherItems[] = {
    {500, "File", "&New Window"},
    {501, "File", "&Load A Diagram"},
    {24310, "File", "E&xit"},
    {185, "Help", "&Contents"},
    {196, "Help", "Getting Start"},
    {227, "Help", "The Interface "},
    {231, "Help", "Cons&tructions"},
    {212, "Help", "&About"},
    {184, "Draw > Mark", "Mark a Radius"},
    {24361, "Window", "&Cascade"},
    {24362, "Window", "&Tile"},
    {24365, "Window", "C&lose All"},
};

std::string without_mnemonics(QString text)
{
    text.remove(QLatin1Char('&'));
    return text.toStdString();
}

// The popup path of every item action, by command id.
void collect_places(QMenu& menu, const std::string& path, std::map<int, std::string>& places)
{
    for (QAction* action : menu.actions()) {
        if (QMenu* sub = action->menu())
            collect_places(*sub, path + " > " + without_mnemonics(sub->title()), places);
        else if (!action->isSeparator())
            places[action->data().toInt()] = path;
    }
}

std::map<int, std::string> menu_places(TDrawApp& app)
{
    std::map<int, std::string> places;
    for (QAction* top : app.frame()->menuBar()->actions())
        if (QMenu* menu = top->menu())
            collect_places(*menu, without_mnemonics(menu->title()), places);
    return places;
}

TEST(Frame, TitlePopupsOfTheMenuBarAndHelpOnF1)
{
    AppFixture f;
    EXPECT_EQ(f.app->frame()->windowTitle().toStdString(), "Plexator");
    std::vector<std::string> titles;
    for (QAction* top : f.app->frame()->menuBar()->actions())
        titles.push_back(top->text().toStdString());
    EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Draw", "&Edit", "&Measure", "&Drag", "&Animation",
                                                 "&Window", "&Help"}));
    EXPECT_FALSE(f.app->frame()->windowIcon().isNull());
    EXPECT_EQ(f.app->menu_action(185)->shortcut(), QKeySequence(Qt::Key_F1)) << "Help Contents";
}

TEST(Frame, EveryMenuItemStandsInItsPlaceWithItsTextAndHintShownOnHighlight)
{
    AppFixture f;
    const std::map<int, std::string> places = menu_places(*f.app);
    std::size_t checked = 0;
    auto check = [&](const MenuItem& item) {
        QAction* action = f.app->menu_action(item.id);
        ASSERT_NE(action, nullptr) << item.id;
        EXPECT_EQ(action->text().toStdString(), item.text) << item.id;
        ASSERT_TRUE(places.count(item.id)) << item.id;
        EXPECT_EQ(places.at(item.id), item.place) << item.id;
        EXPECT_FALSE(action->statusTip().isEmpty()) << item.id << " has a hint";
        EXPECT_EQ(action->statusTip().toStdString(), load_string(item.id)) << item.id;
        ++checked;
    };
    for (const MenuItem& item : kDrawingItems)
        check(item);
    for (const MenuItem& item : kOtherItems)
        check(item);
    EXPECT_EQ(checked, places.size()) << "no item beyond these";
    EXPECT_EQ(f.app->menu_action(228), nullptr) << "228 has no item";
    EXPECT_EQ(f.app->menu_action(209), nullptr);

    // The hint of a highlighted item shows in the status bar.
    QAction* action = f.app->menu_action(103);
    ASSERT_NE(action, nullptr);
    action->showStatusText(f.app->frame());
    EXPECT_EQ(f.app->frame()->statusBar()->currentMessage().toStdString(), "Take the midpoint of a segment");
    QAction* drag = f.app->menu_action(175);
    drag->showStatusText(f.app->frame());
    EXPECT_EQ(f.app->frame()->statusBar()->currentMessage().toStdString(),
              "Change the diagram by draging a point");
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
