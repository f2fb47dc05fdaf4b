#include "app/colourwindow.h"
#include "data/programimage.h"
#include "platform/displaycheck.h"
#include "platform/realplatform.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

namespace {

// Title bars, task lists and window switchers take these from the window; the
// large sizes come from the installed desktop icon. Decoding the 128 and 256 px
// images as well, and sending them to the X server, cost 7 % of the start-up.
QIcon programIcon()
{
    QIcon icon;
    for (int size : { 16, 22, 24, 32, 48, 64 })
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
