#include "platform/grabplan.h"
#include "platform/keytracker.h"
#include "platform/qtmessageboxes.h"
#include "platform/session.h"

#include <QTest>
#include <QtWidgets>

using namespace platform;
using namespace Qt::StringLiterals;
using Screens = QList<ScreenArea>;

namespace {

const ScreenArea kPlain { { 0, 0, 1920, 1080 }, 1 };
const ScreenArea kRight { { 1920, 0, 1280, 1024 }, 1 };
const ScreenArea kDoubleLeft { { -3840, 0, 1920, 1080 }, 2 }; // a 3840 x 2160 panel
// 1281 x 721 logical pixels at 1.5 are 1921.5 x 1081.5 device pixels: Qt's 1922 x 1082.
const ScreenArea kOneAndAHalf { { 0, 0, 1281, 721 }, 1.5 };

// "NAME=value ..." words: the session's variables.
SessionEnvironment sessionOf(const QString& variables)
{
    QHash<QString, QString> v;
    for (const QString& word : variables.split(' ', Qt::SkipEmptyParts))
        v.insert(word.section('=', 0, 0), word.section('=', 1));
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
        QTest::addColumn<int>("screen");
        QTest::addColumn<QPoint>("logical"); // the pixel to grab, on that screen
        QTest::addColumn<QPoint>("pixel"); // the device pixel to read in the grab
        QTest::newRow("ratio 2, odd x, even y")
            << Screens { kPlain, kDoubleLeft } << QPoint(-3835, 4) << 1 << QPoint(2, 2)
            << QPoint(1, 0);
        QTest::newRow("ratio 1.5, the last device pixel")
            << Screens { kOneAndAHalf } << QPoint(1921, 1081) << 0 << QPoint(1280, 720)
            << QPoint(1, 1);
        QTest::newRow("past the right edge")
            << Screens { kPlain } << QPoint(1925, 1080) << 0 << QPoint(1919, 1079) << QPoint(0, 0);
        QTest::newRow("below the shorter screen")
            << Screens { kPlain, kRight } << QPoint(2000, 1050) << 1 << QPoint(80, 1023)
            << QPoint(0, 0);
    }

    void grabPlan()
    {
        QFETCH(Screens, screens);
        QFETCH(QPoint, device);
        const auto plan = planGrab(device, screens);
        QVERIFY(plan);
        QTEST(plan->screen, "screen");
        QTEST(plan->logical, "logical");
        QTEST(plan->pixel, "pixel");
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
        QTest::addColumn<QString>("qt"); // the platform Qt runs on
        QTest::addColumn<QStringList>("screens");
        QTest::addColumn<QString>("session");
        QTest::addColumn<ScreenReading>("reading");
        const QStringList dp1 { "DP-1" };
        QTest::newRow("X11") << "xcb" << dp1 << "DISPLAY=:0 XDG_SESSION_TYPE=x11"
                             << ScreenReading::X11Grab;
        QTest::newRow("WAYLAND_DISPLAY")
            << "xcb" << dp1 << "DISPLAY=:0 WAYLAND_DISPLAY=w" << ScreenReading::Portal;
        QTest::newRow("session type")
            << "xcb" << dp1 << "XDG_SESSION_TYPE=wayland" << ScreenReading::Portal;
        QTest::newRow("Qt on wayland-egl") << "wayland-egl" << dp1 << "" << ScreenReading::Portal;
        QTest::newRow("XWayland") << "xcb" << QStringList { "HDMI-A-1", "XWAYLAND1" }
                                  << "DISPLAY=:0" << ScreenReading::Portal;
        QTest::newRow("offscreen")
            << "offscreen" << QStringList { "offscreen" } << "DISPLAY=:0" << ScreenReading::None;
    }

    void screenReading()
    {
        QFETCH(QString, session);
        QFETCH(QString, qt);
        QFETCH(QStringList, screens);
        QTEST(chooseScreenReading(sessionOf(session), qt, screens), "reading");
    }

    void displayPlan_data()
    {
        using Probe = DisplayPlan::Probe;
        QTest::addColumn<QString>("session");
        QTest::addColumn<QString>("displayOption"); // Qt's -display
        QTest::addColumn<QString>("platform"); // to set; empty leaves it to the user or Qt
        QTest::addColumn<Probe>("probe");
        QTest::addColumn<QString>("display"); // the X display or the Wayland socket tried
        QTest::addColumn<QString>("failure"); // the line printed when it cannot be opened
        const QString none, cannotOpenW = u"cannot open Wayland display 'w'"_s;
        QTest::newRow("XWayland, to stay on top")
            << "DISPLAY=:1 WAYLAND_DISPLAY=w XDG_RUNTIME_DIR=/r" << none << u"xcb"_s << Probe::X11
            << u":1"_s << u"cannot open display ':1'"_s;
        QTest::newRow("Wayland only") << "WAYLAND_DISPLAY=w XDG_RUNTIME_DIR=/r" << none
                                      << u"wayland"_s << Probe::Wayland << u"/r/w"_s << cannotOpenW;
        QTest::newRow("default socket")
            << "XDG_SESSION_TYPE=wayland XDG_RUNTIME_DIR=/r" << none << u"wayland"_s
            << Probe::Wayland << u"/r/wayland-0"_s << u"cannot open Wayland display 'wayland-0'"_s;
        QTest::newRow("no runtime directory")
            << "WAYLAND_DISPLAY=w" << none << u"wayland"_s << Probe::Missing << none
            << cannotOpenW + ": XDG_RUNTIME_DIR is not set";
        QTest::newRow("connection handed over")
            << "WAYLAND_SOCKET=5 XDG_SESSION_TYPE=wayland" << none << u"wayland"_s << Probe::None
            << none << none;
        QTest::newRow("the user's wayland beside X")
            << "DISPLAY=:1 WAYLAND_DISPLAY=w XDG_RUNTIME_DIR=/r QT_QPA_PLATFORM=wayland" << none
            << none << Probe::Wayland << u"/r/w"_s << cannotOpenW;
        QTest::newRow("a list is Qt's to try") << "DISPLAY=:0 QT_QPA_PLATFORM=wayland;xcb" << none
                                               << none << Probe::None << none << none;
        QTest::newRow("-display") << "DISPLAY=:0" << u":7"_s << none << Probe::X11 << u":7"_s
                                  << u"cannot open display ':7'"_s;
    }

    void displayPlan()
    {
        QFETCH(QString, session);
        QFETCH(QString, displayOption);
        const auto plan = planDisplay(sessionOf(session), {}, displayOption);
        QTEST(plan.platform, "platform");
        QTEST(plan.probe, "probe");
        QTEST(plan.display, "display");
        QTEST(plan.failure, "failure");
    }

    // S pressed in a text box, then: "repeat" (X11's auto-repeat release, before
    // its press), "release" on another widget, "deactivate" (another program
    // took the keyboard).
    void sKey_data()
    {
        QTest::addColumn<QString>("then");
        QTest::addColumn<bool>("down");
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
        QMessageBox::Icon shown = QMessageBox::NoIcon;
        QString text;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            shown = box->icon();
            text = box->windowTitle() + ": " + box->text();
            box->accept();
        });
        QtMessageBoxes().show(nullptr, icon, "Warning", "Locked.");
        QTEST(shown, "shown");
        QCOMPARE(text, "Warning: Locked.");
    }
};

QTEST_MAIN(TestPlatformDesktop)
#include "tst_platform_desktop.moc"
