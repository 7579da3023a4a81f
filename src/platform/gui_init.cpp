#include "platform/gui_init.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <memory>

namespace {

struct HeadlessApplication {
    int argc = 1;
    char name[9] = "plexator";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QGuiApplication> app;

    HeadlessApplication()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
        // Bring up the toolkit's font machinery now, so that its own static
        // objects exist before this one and are torn down after the
        // application at exit; the application then releases the fonts.
        QFontDatabase::families();
        QImage scratch(8, 8, QImage::Format_RGB32);
        QPainter painter(&scratch);
        painter.setFont(QFont(QStringLiteral("DejaVu Sans")));
        painter.drawText(0, 6, QStringLiteral("x"));
        (void)QFontMetrics(painter.font()).height();
    }
};

}  // namespace

void ensure_gui_application()
{
    if (QCoreApplication::instance())
        return;
    static HeadlessApplication headless;
}
