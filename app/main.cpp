#include "app/paleta.h"
#include "platform/colourdialog.h"
#include "platform/keytracker.h"
#include "platform/platform.h"
#include "platform/qtmessageboxes.h"
#include "platform/qtpointer.h"
#include "platform/screengrabsampler.h"

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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("marivell"));
    QApplication::setApplicationVersion(QStringLiteral(MARIVELL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Marivell"));
    QApplication::setWindowIcon(programIcon());

    platform::QtMessageBoxes messages;
    platform::QtColourDialog colourDialog;
    platform::ScreenGrabSampler screen;
    platform::QtPointer pointer;
    platform::KeyTracker keys;
    platform::Platform desktop { messages, colourDialog, screen, pointer, keys };

    Paleta window(desktop);
    window.setWindowTitle(QStringLiteral("Marivell v 2.0 (%1)").arg(QStringLiteral(MARIVELL_URL)));
    window.formLoad();
    return app.exec();
}
