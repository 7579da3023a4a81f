#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow frame;
    frame.setWindowTitle("Plexator");
    frame.resize(900, 650);
    frame.show();
    return app.exec();
}
