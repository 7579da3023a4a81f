#pragma once
// The one widgets application of a test program that shows windows or
// dialogs, made on first use, headless unless a platform is chosen.

#include <QApplication>

inline void ensure_widgets_application()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "plexator_tests";
    static char* argv[] = {name, nullptr};
    // Kept for the whole run and never destroyed: the toolkit's input-device
    // and font statics are torn down before function statics would be.
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}
