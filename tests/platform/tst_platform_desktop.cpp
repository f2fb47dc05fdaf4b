#include "platform/grabplan.h"
#include "platform/keytracker.h"
#include "platform/qtmessageboxes.h"
#include "platform/session.h"

#include <QTest>
#include <QtWidgets>

using namespace platform;
using Screens = QList<ScreenArea>;

namespace {

const ScreenArea kPlain { { 0, 0, 1920, 1080 }, 1 };
const ScreenArea kRight { { 1920, 0, 1280, 1024 }, 1 };
const ScreenArea kDoubleLeft { { -3840, 0, 1920, 1080 }, 2 }; // a 3840 x 2160 panel
// 1281 x 721 logical pixels at 1.5 are 1921.5 x 1081.5 device pixels: Qt's 1922 x 1082.
const ScreenArea kOneAndAHalf { { 0, 0, 1281, 721 }, 1.5 };

// "NAME=value ..." words: the session's variables, Qt's -display option, the
// platform Qt runs on ("qt") and its screens ("screens", by commas).
QHash<QString, QString> words(const QString& row)
{
    QHash<QString, QString> v;
    for (const QString& word : row.split(' '))
        v.insert(word.section('=', 0, 0), word.section('=', 1));
    return v;
}

SessionEnvironment sessionOf(const QHash<QString, QString>& v)
{
    return { v["DISPLAY"], v["WAYLAND_DISPLAY"], v["WAYLAND_SOCKET"], v["XDG_SESSION_TYPE"],
        v["XDG_RUNTIME_DIR"], v["QT_QPA_PLATFORM"] };
}

} // namespace

// How the program meets the desktop: which device pixel a grab reads, how the
// session is read at start-up, the keys and the message boxes.
class TestPlatformDesktop : public QObject {
    Q_OBJECT
private slots:
    // One logical pixel of a scaled screen covers several device pixels, and
    // grabWindow takes coordinates relative to the screen, not the desktop.
    void grabPlan_data()
    {
        QTest::addColumn<Screens>("screens");
        QTest::addColumn<QPoint>("device");
        QTest::addColumn<QList<int>>("plan"); // screen, logical x and y, pixel x and y
        QTest::newRow("second screen")
            << Screens { kPlain, kRight } << QPoint(1930, 5) << QList { 1, 10, 5, 0, 0 };
        QTest::newRow("ratio 2, odd x, even y")
            << Screens { kPlain, kDoubleLeft } << QPoint(-3835, 4) << QList { 1, 2, 2, 1, 0 };
        QTest::newRow("ratio 1.5, the second of a pixel")
            << Screens { kOneAndAHalf } << QPoint(4, 5) << QList { 0, 2, 3, 1, 0 };
        QTest::newRow("ratio 1.5, the last device pixel")
            << Screens { kOneAndAHalf } << QPoint(1921, 1081) << QList { 0, 1280, 720, 1, 1 };
        QTest::newRow("past the right edge")
            << Screens { kPlain } << QPoint(1925, 1080) << QList { 0, 1919, 1079, 0, 0 };
        QTest::newRow("below the shorter screen")
            << Screens { kPlain, kRight } << QPoint(2000, 1050) << QList { 1, 80, 1023, 0, 0 };
    }

    void grabPlan()
    {
        QFETCH(Screens, screens);
        QFETCH(QPoint, device);
        const auto p = planGrab(device, screens).value_or(GrabPlan());
        QTEST(QList<int>({ p.screen, p.logical.x(), p.logical.y(), p.pixel.x(), p.pixel.y() }),
            "plan");
    }

    void toDevice()
    {
        QCOMPARE(
            platform::toDevice({ -3839, 1 }, { kPlain, kDoubleLeft }).value(), QPoint(-3838, 2));
        // Logical pixel 1 at 1.5 covers device pixels 1.5 to 3: the first whole one is 2.
        QCOMPARE(platform::toDevice({ 1, 3 }, { kOneAndAHalf }).value(), QPoint(2, 5));
    }

    void screenReading_data()
    {
        QTest::addColumn<QString>("decision"); // the session -> how the screen is read
        QTest::newRow("X11") << "DISPLAY=:0 XDG_SESSION_TYPE=x11 qt=xcb screens=DP-1 -> grab";
        QTest::newRow("WAYLAND_DISPLAY")
            << "DISPLAY=:0 WAYLAND_DISPLAY=w qt=xcb screens=DP-1 -> portal";
        QTest::newRow("session type") << "XDG_SESSION_TYPE=wayland qt=xcb screens=DP-1 -> portal";
        QTest::newRow("Qt on wayland-egl") << "qt=wayland-egl screens=DP-1 -> portal";
        QTest::newRow("XWayland") << "DISPLAY=:0 qt=xcb screens=HDMI-A-1,XWAYLAND1 -> portal";
        QTest::newRow("offscreen") << "DISPLAY=:0 qt=offscreen screens=offscreen -> none";
    }

    void screenReading()
    {
        QFETCH(QString, decision);
        const auto v = words(decision.section(" -> ", 0, 0));
        static const char* const readings[] = { "grab", "portal", "none" };
        QCOMPARE(readings[int(chooseScreenReading(sessionOf(v), v["qt"], v["screens"].split(',')))],
            decision.section(" -> ", 1));
    }

    void displayPlan_data()
    {
        // the session -> the platform to set|probe|display|the line printed on failure
        QTest::addColumn<QString>("plan");
        QTest::newRow("XWayland, to stay on top")
            << "DISPLAY=:1 WAYLAND_DISPLAY=w XDG_RUNTIME_DIR=/r -> xcb|x11|:1|cannot open display "
               "':1'";
        QTest::newRow("Wayland only") << "WAYLAND_DISPLAY=w XDG_RUNTIME_DIR=/r -> "
                                         "wayland|wayland|/r/w|cannot open Wayland display 'w'";
        QTest::newRow("default socket")
            << "XDG_SESSION_TYPE=wayland XDG_RUNTIME_DIR=/r -> wayland|"
               "wayland|/r/wayland-0|cannot open Wayland display 'wayland-0'";
        QTest::newRow("no runtime directory")
            << "WAYLAND_DISPLAY=w -> wayland|missing||cannot open "
               "Wayland display 'w': XDG_RUNTIME_DIR is not set";
        QTest::newRow("connection handed over")
            << "WAYLAND_SOCKET=5 XDG_SESSION_TYPE=wayland -> wayland|none||";
        QTest::newRow("the user's wayland beside X")
            << "DISPLAY=:1 WAYLAND_DISPLAY=w XDG_RUNTIME_DIR=/r "
               "QT_QPA_PLATFORM=wayland -> |wayland|/r/w|cannot open Wayland display 'w'";
        QTest::newRow("a list is Qt's to try")
            << "DISPLAY=:0 QT_QPA_PLATFORM=wayland;xcb -> |none||";
        QTest::newRow("-display") << "DISPLAY=:0 -display=:7 -> |x11|:7|cannot open display ':7'";
    }

    void displayPlan()
    {
        QFETCH(QString, plan);
        const auto v = words(plan.section(" -> ", 0, 0));
        const auto p = planDisplay(sessionOf(v), {}, v["-display"]);
        static const char* const probes[] = { "none", "x11", "wayland", "missing" };
        QCOMPARE(p.platform + '|' + probes[int(p.probe)] + '|' + p.display + '|' + p.failure,
            plan.section(" -> ", 1));
    }

    // S pressed in a text box, then: "repeat" (X11's auto-repeat release, before
    // its press), "release" on another widget, "deactivate" (another program
    // took the keyboard).
    void sKey_data()
    {
        QTest::addColumn<QString>("then");
        QTest::addColumn<bool>("down");
        QTest::newRow("pressed") << "" << true;
        QTest::newRow("between auto-repeats") << "repeat" << true;
        QTest::newRow("released where the focus went") << "release" << false;
        QTest::newRow("the program lost the keyboard") << "deactivate" << false;
    }

    void sKey()
    {
        QFETCH(QString, then);
        KeyTracker keys;
        QLineEdit box;
        QWidget elsewhere;
        QTest::keyPress(&box, Qt::Key_S);
        QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_S, Qt::NoModifier, "s", true);
        QEvent deactivate(QEvent::ApplicationDeactivate);
        if (then == "repeat")
            QCoreApplication::sendEvent(&box, &repeat);
        if (then == "release")
            QTest::keyRelease(&elsewhere, Qt::Key_S);
        if (then == "deactivate")
            QCoreApplication::sendEvent(qApp, &deactivate);
        QTEST(keys.isDown(Qt::Key_S), "down");
    }

    void messageBox_data()
    {
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QMessageBox::Icon>("shown");
        QTest::newRow("critical") << MessageIcon::Critical << QMessageBox::Critical;
        QTest::newRow("exclamation") << MessageIcon::Exclamation << QMessageBox::Warning;
        QTest::newRow("information") << MessageIcon::Information << QMessageBox::Information;
    }

    void messageBox()
    {
        QFETCH(MessageIcon, icon);
        QString seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            seen = QString::number(box->icon()) + ' ' + box->windowTitle() + ": " + box->text();
            box->accept();
        });
        QtMessageBoxes().show(nullptr, icon, "Warning", "Locked.");
        QFETCH(QMessageBox::Icon, shown);
        QCOMPARE(seen, QString::number(shown) + " Warning: Locked.");
    }
};

QTEST_MAIN(TestPlatformDesktop)
#include "tst_platform_desktop.moc"
