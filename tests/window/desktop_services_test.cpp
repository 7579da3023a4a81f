// The desktop side: file-dialog filters, the help window and the drawing's
// timer.

#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QWindow>

#include "construct/add_dialog.h"
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


// Clicks the link whose text is `words` in the help window, as the mouse does
// through the window system (where a modal dialog blocks the windows it owns
// not).
void click_link(HelpWindow& help, const QString& words)
{
    QTextBrowser* browser = help.browser();
    QTextCursor at = browser->document()->find(words);
    ASSERT_FALSE(at.isNull()) << words.toStdString();
    at.setPosition(at.selectionStart() + 1);
    const QPoint in_viewport = browser->cursorRect(at).center();
    const QPoint in_window = browser->viewport()->mapTo(&help, in_viewport);
    QTest::mouseClick(help.windowHandle(), Qt::LeftButton, Qt::NoModifier, in_window);
}

TEST(DesktopServices, HelpFromTheAddDialogStaysAboveItAndItsLinksWork)
{
    ensure_widgets_application();
    QtHelpViewer viewer;
    Diagram drawing;
    TAddDlg dialog(nullptr, drawing, DialogServices{nullptr, nullptr, [&viewer](int context) {
                                                         viewer.show_context(context);
                                                     }});
    // Modal for the whole application, as exec() runs it for the Script Manager.
    dialog.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
    ASSERT_EQ(dialog.windowHandle()->modality(), Qt::ApplicationModal);
    QPushButton* help_button = nullptr;
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == "Help")
            help_button = b;
    ASSERT_NE(help_button, nullptr);
    QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      help_button->mapTo(&dialog, help_button->rect().center()));

    HelpWindow* help = viewer.window();
    ASSERT_NE(help, nullptr) << "Help opened the help window";
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
    EXPECT_EQ(help->windowHandle()->transientParent(), dialog.windowHandle()) << "kept above the dialog";
    EXPECT_EQ(help->browser()->documentTitle().toStdString(), "Adding and modifying objects");
    click_link(*help, "Back to the contents");
    EXPECT_EQ(help->browser()->documentTitle().toStdString(), "Plexator Help") << "the link works";

    // With the dialog closed, help stands alone again.
    dialog.reject();
    viewer.show_context(0);
    EXPECT_EQ(help->windowHandle()->transientParent(), nullptr);
    click_link(*help, "Getting started");
    EXPECT_EQ(help->browser()->documentTitle().toStdString(), "Getting Started");
    help->close();
}

TEST(DesktopServices, TheBusyCursorIsTheApplicationsWaitCursorUntilRestored)
{
    ensure_widgets_application();
    QtUi ui;
    ASSERT_EQ(ui.services().busy, &ui.busy);
    {
        const BusyScope busy(&ui.busy);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
