// The program's entry: notes the display's colour depth and the command-line
// point file, then builds the application and runs it.

#include <QApplication>
#include <QScreen>

#include <string>

#include "construct/attribute_dialogs.h"
#include "construct/object_dialogs.h"
#include "construct/qt_choosers.h"
#include "export/qt_print_dialogs.h"
#include "paint/points_draw.h"
#include "window/construct_adapter.h"
#include "window/dchild.h"
#include "window/draw_app.h"
#include "window/file_link.h"
#include "window/file_services.h"
#include "window/prover_bridge.h"
#include "window/qt_ui_services.h"
#include "window/script_link.h"

namespace {

int OwlMain(int argc, char** argv)
{
    QApplication qt_app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plexator"));

    if (QScreen* screen = QGuiApplication::primaryScreen())
        g_ncolors = display_colour_count(screen->depth());
    // Exactly one argument names the point file of the first drawing.
    const std::string start_file = argc == 2 ? std::string(argv[1]) : std::string();

    QtUi ui;
    // What the drawing windows take from the subsystems above them.
    QtColourChooser colour_chooser;
    QtFontChooser font_chooser(label_font());
    QtObjectDialogs object_dialogs(DialogServices{
        ui.services().message_boxes, &colour_chooser, [&ui](int context) { ui.help.show_context(context); }});
    ScriptManagerLink script_link(*ui.services().message_boxes, object_dialogs, colour_chooser, font_chooser);
    QtPrintDialogs print_dialogs;
    FileServices files(print_dialogs);
    WithProver<WithFiles<WithScriptManager<ConstructionServices>>> drawing_services(files, script_link,
                                                                                   &object_dialogs);
    init_font_data();
    TDrawApp app(ui.services(), drawing_services, start_file);
    app.InitMainWindow();
    ui.set_parent(app.frame());
    print_dialogs.set_parent(app.frame());
    app.frame()->set_quit_on_close(true);
    app.InitInstance();
    const int code = qt_app.exec();
    release_font_data();
    return code;
}

}  // namespace

int main(int argc, char** argv) { return OwlMain(argc, argv); }
