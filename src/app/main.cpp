// The program's entry: notes the display's colour depth and the command-line
// point file, then builds the application and runs it.

#include <QApplication>
#include <QScreen>

#include <string>

#include "window/app_services.h"
#include "window/dchild.h"
#include "window/dialog_titles.h"
#include "window/draw_app.h"
#include "window/qt_ui_services.h"
#include "window/screen_placement.h"

namespace {

int OwlMain(int argc, char** argv)
{
    QApplication qt_app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plexator"));
    // Every window opens wholly on screen.
    ScreenPlacement placement;
    qt_app.installEventFilter(&placement);
    // Every dialog shows its whole title.
    DialogTitles titles;
    qt_app.installEventFilter(&titles);

    if (QScreen* screen = QGuiApplication::primaryScreen())
        g_ncolors = display_colour_count(screen->depth());
    // Exactly one argument names the point file of the first drawing.
    const std::string start_file = argc == 2 ? std::string(argv[1]) : std::string();

    QtUi ui;
    QtAppDialogs dialogs(ui.services());
    AppServices services(ui.services(), dialogs.dialogs());
    TDrawApp app(ui.services(), services.drawing(), start_file);
    app.InitMainWindow();
    ui.set_parent(app.frame());
    dialogs.set_parent(app.frame());
    app.frame()->set_quit_on_close(true);
    app.InitInstance();
    return qt_app.exec();
}

}  // namespace

int main(int argc, char** argv) { return OwlMain(argc, argv); }
