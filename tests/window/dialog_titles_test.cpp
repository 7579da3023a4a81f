// Every dialog the program opens is wide enough for its whole title, as the
// window manager draws it, also after the dialog has sized itself anew.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPrinter>
#include <QTest>
#include <QTimer>

#include <functional>
#include <random>

#include "animate/animate_strings.h"
#include "construct/object_dialogs.h"
#include "construct/qt_choosers.h"
#include "platform/qt_print_dialogs.h"
#include "platform/string_table.h"
#include "statement/window/predicate_dialog.h"
#include "statement/window/time_limit.h"
#include "window/animation_adapter.h"
#include "window/calculator_dialog.h"
#include "window/dialog_titles.h"
#include "window/qt_ui_services.h"
#include "window/window_strings.h"
#include "window_test_support.h"

namespace {

struct Opened {
    QString title;
    int width = 0;
    // What the window manager lets the window be at most.
    int widest = 0;
};

// Opens a modal dialog through `open`; once it is up, active and has handled
// what its first painting posted, notes its title and width and closes it.
Opened open_and_look(const std::function<void()>& open)
{
    Opened seen;
    // A timer of the event loop, so that the dialog's events go on meanwhile.
    QTimer look;
    look.setSingleShot(true);
    QObject::connect(&look, &QTimer::timeout, [&seen] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || !QTest::qWaitForWindowActive(dialog))
            return;
        QCoreApplication::processEvents();
        seen = {dialog->windowTitle(), dialog->width(), dialog->maximumWidth()};
        dialog->close();
    });
    look.start(0);
    open();
    return seen;
}

class DialogTitlesTest : public ::testing::Test {
protected:
    DialogTitlesTest()
    {
        register_animate_strings();
        qApp->installEventFilter(&titles);
    }
    AppFixture f;
    QWidget& parent = *f.app->frame();
    DialogTitles titles;
};

struct Keys : CalculatorKeys {
    bool key(CalcKey) override { return true; }
    bool finish() override { return true; }
    void cancel() override {}
};

TEST_F(DialogTitlesTest, EveryDialogShowsItsWholeTitle)
{
    QtMessageBoxes boxes(&parent);
    QtInputDialog input(&parent);
    Diagram drawing;
    Dpoint record;
    CustomColours custom{};
    FontChoiceData font;
    QPrinter printer;
    const std::pair<const char*, std::function<void()>> dialogs[] = {
        {"clear the drawing",
         [&] { boxes.yes_no(load_string(wsid::kDeleteWholeDiagram), load_string(wsid::kAreYouSure)); }},
        {"unit's length",
         [&] { input.ask(load_string(asid::kNewLength), load_string(asid::kNewLength), "1", 9); }},
        {"maximal proof time", [&] { time_limit_dialog(input, boxes); }},
        {"a short caption", [&] { boxes.ok("Error", "No Document is opened"); }},
        {"add an object", [&] { QtObjectDialogs().run_add_dlg(&parent, drawing, record); }},
        {"modify an object", [&] { QtObjectDialogs().edit_object(&parent, record); }},
        {"predicate", [&] { QtPredicateInput().ask(&parent, "Input A Fact"); }},
        {"colour", [&] { QtColourChooser().choose(&parent, Colour{}, custom); }},
        {"font", [&] { QtFontChooser().choose(&parent, font); }},
        {"print", [&] { QtPrintDialogs(&parent).print_dialog(printer); }},
        {"about", [&] { QtHelpViewer(&parent).show_about(); }},
    };
    for (const auto& [what, open] : dialogs) {
        const Opened seen = open_and_look(open);
        ASSERT_FALSE(seen.title.isEmpty()) << what << " opened";
        EXPECT_GE(seen.width, title_width_needed(seen.title)) << what << ": " << seen.title.toStdString();
        EXPECT_GE(seen.widest, seen.width) << what;
    }

    // The calculator stays open beside the drawing.
    Keys keys;
    TCalc calculator(keys, &parent);
    calculator.show();
    QCoreApplication::processEvents();
    EXPECT_GE(calculator.width(), title_width_needed(calculator.windowTitle()));
}

TEST_F(DialogTitlesTest, TitlesOfAnyLengthFitAndACentredDialogStaysCentred)
{
    QtMessageBoxes boxes(&parent);
    QtInputDialog input(&parent);
    std::mt19937 random(458);
    for (int i = 0; i < 20; ++i) {
        QString title;
        for (int n = std::uniform_int_distribution(0, 70)(random); n > 0; --n)
            title += QChar(std::uniform_int_distribution(int{'a'}, int{'z'})(random));
        const Opened box = open_and_look([&] { boxes.ok(title.toStdString(), "?"); });
        EXPECT_GE(box.width, title_width_needed(title)) << title.toStdString();
        const Opened asked = open_and_look([&] { input.ask(title.toStdString(), "?", "", 0); });
        EXPECT_GE(asked.width, title_width_needed(title)) << title.toStdString();
    }

    // Widened about its middle, where it centred itself over the frame.
    QDialog dialog(&parent);
    dialog.setWindowTitle("A title much wider than the dialog would be without it");
    dialog.show();
    QCoreApplication::processEvents();
    EXPECT_GE(dialog.width(), title_width_needed(dialog.windowTitle()));
    EXPECT_LE(std::abs(dialog.frameGeometry().center().x() - parent.frameGeometry().center().x()), 1);
}

}  // namespace
