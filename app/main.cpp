#include "app/colourwindow.h"
#include "data/programimage.h"
#include "platform/displaycheck.h"
#include "platform/realplatform.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

namespace {

QIcon programIcon()
{
    QIcon icon;
    for (int size : { 16, 22, 24, 32, 48, 64, 128, 256 })
        icon.addPixmap(
            QPixmap::fromImage(data::programImage(QStringLiteral("icon-%1.png").arg(size))));
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
