// The desktop side: file-dialog filters, the help window and the drawing's
// timer.

#include <gtest/gtest.h>

#include <QTextBrowser>

#include "window/help_pages.h"
#include "window/qt_ui_services.h"
#include "window_test_support.h"

namespace {

TEST(DesktopServices, PointFileFiltersBecomeToolkitFilters)
{
    EXPECT_EQ(toolkit_filter("Point Files (*.fig)|*.fig|"), "Point Files (*.fig)");
    EXPECT_EQ(toolkit_filter("Files (*.fig)|*.fig|"), "Files (*.fig)");
    EXPECT_EQ(toolkit_filter("Pictures|*.bmp|PostScript|*.ps|"), "Pictures (*.bmp);;PostScript (*.ps)");
    EXPECT_EQ(toolkit_filter(""), "");
}

TEST(DesktopServices, HelpWindowShowsThePageOfEachContext)
{
    ensure_widgets_application();
    QtHelpViewer viewer;
    const std::pair<int, const char*> cases[] = {
        {0, "Plexator Help"},       {531, "Getting Started"}, {516, "The Interface"},
        {256, "Commands"},          {519, "Constructions"},
    };
    for (auto [context, title] : cases) {
        viewer.show_context(context);
        ASSERT_NE(viewer.window(), nullptr);
        EXPECT_TRUE(viewer.window()->isVisible());
        EXPECT_EQ(viewer.window()->browser()->documentTitle().toStdString(), title) << context;
    }
    viewer.window()->close();
}

}  // namespace
