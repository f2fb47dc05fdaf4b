#include "app/colourwindow.h"
#include "platform/displaycheck.h"
#include "platform/realplatform.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

namespace {

QIcon programIcon()
{
    QIcon icon;
    for (int size : { 16, 22, 24, 32, 48, 64, 128, 256 }) {
        const QString file = QStringLiteral(":/marivell/icon-%1.png").arg(size);
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    return icon;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!platform::prepareDisplay(argc, argv))
        return 1;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("marivell"));
    QApplication::setApplicationVersion(QStringLiteral(MARIVELL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Marivell"));
    QApplication::setWindowIcon(programIcon());

    platform::RealPlatform desktop;
    app::ColourWindow window(desktop.platform);
    window.setWindowTitle(QStringLiteral("Marivell v 2.0 (%1)").arg(QStringLiteral(MARIVELL_URL)));
    window.start();
    return application.exec();
}
