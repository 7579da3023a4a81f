// The MDI client: numbered titles, point-file opening, help and about.

#include <gtest/gtest.h>

#include <QFile>
#include <QMdiSubWindow>
#include <QToolButton>

#include "window/help_pages.h"
#include "window_test_support.h"

namespace {

std::vector<std::string> titles(Dclient& client)
{
    std::vector<std::string> out;
    for (Dchild* child : client.children())
        out.push_back(child->title());
    return out;
}

TEST(Dclient, NewNewLoadNewNumbersOnlyTheNewDrawings)
{
    AppFixture f;
    f.client().CmFileNew();
    f.ui.files.push_answer("/data/figures/square.fig");
    f.client().CmFileOpen();
    f.client().CmFileNew();
    EXPECT_EQ(titles(f.client()),
              (std::vector<std::string>{"Diagram 1", "Diagram 2", "/data/figures/square.fig", "Diagram 3"}));
    EXPECT_EQ(f.client().new_count(), 3u);

    Dchild* loaded = f.client().children()[2];
    EXPECT_EQ(loaded->untitled, 0);
    EXPECT_EQ(loaded->file_data.default_ext, "fig");
    ASSERT_EQ(f.services.read_paths.size(), 1u);
    EXPECT_EQ(f.services.read_paths[0], "/data/figures/square.fig");

    ASSERT_EQ(f.ui.files.asked().size(), 1u);
    EXPECT_FALSE(f.ui.files.asked()[0].save);
    EXPECT_EQ(f.ui.files.asked()[0].filter, "Point Files (*.fig)|*.fig|");
    EXPECT_EQ(f.ui.files.asked()[0].default_ext, "fig");
}

TEST(Dclient, CancelledOpenCreatesNothing)
{
    AppFixture f;
    f.ui.files.push_answer(std::nullopt);
    f.client().CmFileOpen();
    EXPECT_EQ(f.client().children().size(), 1u);
    f.client().CmFileNew();
    EXPECT_EQ(f.client().children().back()->title(), "Diagram 2") << "the cancelled open left no file behind";
}

TEST(Dclient, NewWindowsCascadeInsideTheClientArea)
{
    AppFixture f;
    f.app->frame()->resize(900, 650);
    process_deferred_deletes();
    const QRect area = f.client().viewport()->rect();
    QPoint previous(-1, -1);
    for (int n = 0; n < 12; ++n) {
        f.client().CmFileNew();
        const QRect placed = f.client().subWindowList().back()->geometry();
        EXPECT_TRUE(area.contains(placed)) << n << ": " << placed.x() << "," << placed.y() << " "
                                           << placed.width() << "x" << placed.height();
        EXPECT_NE(placed.topLeft(), previous) << n;
        previous = placed.topLeft();
    }
}

TEST(Dclient, ClosingADrawingDoesNotFreeItsNumber)
{
    AppFixture f;
    g_active_draw->parentWidget()->close();
    process_deferred_deletes();
    f.client().CmFileNew();
    EXPECT_EQ(titles(f.client()), std::vector<std::string>{"Diagram 2"});
}

TEST(Dclient, HelpCommandsOpenTheirPages)
{
    AppFixture f;
    const std::pair<int, int> cases[] = {{185, 0}, {196, 531}, {227, 516}, {228, 256}, {231, 519}};
    for (auto [id, context] : cases) {
        EXPECT_TRUE(f.client().handles_command(id)) << id;
        f.client().command(id);
        ASSERT_FALSE(f.ui.help.shown().empty());
        EXPECT_EQ(f.ui.help.shown().back(), context) << id;
    }
    f.client().command(212);
    EXPECT_EQ(f.ui.help.about_count(), 1);
}

TEST(Dclient, HelpWorksWithoutAnyDrawingWindow)
{
    AppFixture f;
    g_active_draw->parentWidget()->close();
    process_deferred_deletes();
    ASSERT_EQ(g_active_draw, nullptr);
    EXPECT_TRUE(f.app->command_enabled(185));
    EXPECT_TRUE(f.app->route_command(185));
    EXPECT_EQ(f.ui.help.shown().back(), 0);
    EXPECT_TRUE(f.app->command_enabled(500)) << "New Window is enabled without a drawing";
    EXPECT_FALSE(f.app->command_enabled(101)) << "drawing commands need a drawing";
}

TEST(Dclient, EveryHelpContextOpensItsPage)
{
    ensure_widgets_application();  // the pages are found beside the program
    const std::string dir = help_directory();
    ASSERT_FALSE(dir.empty()) << "help pages not found";
    std::vector<int> contexts;
    for (int id : {185, 196, 227, 228, 231})
        contexts.push_back(*help_context_of_command(id));
    for (int context : {help_context::kProverInterface, help_context::kProvingMethods, help_context::kPredicates,
                        help_context::kModifyDialog, help_context::kAddDialog})
        contexts.push_back(context);
    for (int context : contexts) {
        const std::string page = help_page_file(context);
        EXPECT_EQ(page == "contents.html", context == 0) << context << ": no fallback to the contents";
        QFile file(QString::fromStdString(dir + "/" + page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page;
        EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(QStringLiteral("<h1>"))) << page;
    }
}

TEST(Dclient, FileCommandsAreDisabledWhileTheActiveDrawingSteps)
{
    AppFixture f;
    add_free_point(*g_active_draw, 30, 30, "A");
    EXPECT_TRUE(f.client().CeFile());
    g_active_draw->command(207);
    EXPECT_FALSE(f.client().CeFile());
    EXPECT_FALSE(f.app->command_enabled(500));
    EXPECT_FALSE(f.app->command_enabled(501));
    EXPECT_FALSE(f.app->toolbox_button(501)->isEnabled()) << "the toolbox follows";
}

}  // namespace
