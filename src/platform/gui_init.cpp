#include "platform/gui_init.h"

#include <QCoreApplication>
#include <QGuiApplication>

void ensure_gui_application()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "plexator";
    static char* argv[] = {name, nullptr};
    // Kept for the life of the process: destroying it among the toolkit's own
    // static objects at exit is not safe.
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}
