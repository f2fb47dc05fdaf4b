// The yardstick for the window's start-up: a bare QWidget window of the same size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(384, 316);
    window.show();
    return app.exec();
}
