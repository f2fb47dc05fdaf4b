#include "platform/session.h"

#include <QTest>

using platform::DisplayPlan;
using platform::ScreenReading;
using platform::SessionEnvironment;
Q_DECLARE_METATYPE(ScreenReading)
Q_DECLARE_METATYPE(DisplayPlan::Probe)

// Both decisions are made once at start-up from the session alone: a grab that
// fails tells nothing (XWayland reads black without an error), and Qt aborts
// the process on a display it cannot open.
class TestSession : public QObject {
    Q_OBJECT
private slots:
    void screenReading_data()
    {
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QString>("qtPlatform");
        QTest::addColumn<QStringList>("screens");
        QTest::addColumn<ScreenReading>("reading");

        const auto grab = ScreenReading::X11Grab;
        const auto portal = ScreenReading::Portal;
        const auto none = ScreenReading::None;
        QTest::newRow("X11 session") << ""
                                     << "x11"
                                     << "xcb" << QStringList { "DP-1" } << grab;
        QTest::newRow("XWayland on a Wayland desktop")
            << "wayland-0"
            << "wayland"
            << "xcb" << QStringList { "XWAYLAND0" } << portal;
        QTest::newRow("WAYLAND_DISPLAY alone") << "wayland-0"
                                               << ""
                                               << "xcb" << QStringList { "DP-1" } << portal;
        QTest::newRow("session type alone") << ""
                                            << "wayland"
                                            << "xcb" << QStringList { "DP-1" } << portal;
        QTest::newRow("native Wayland") << "wayland-0"
                                        << "wayland"
                                        << "wayland" << QStringList { "DP-1" } << portal;
        QTest::newRow("Qt on wayland-egl, variables cleared")
            << ""
            << ""
            << "wayland-egl" << QStringList { "DP-1" } << portal;
        QTest::newRow("XWayland screens, variables cleared")
            << ""
            << "x11"
            << "xcb" << QStringList { "HDMI-A-1", "XWAYLAND1" } << portal;
        QTest::newRow("offscreen") << ""
                                   << ""
                                   << "offscreen" << QStringList { "offscreen" } << none;
        QTest::newRow("offscreen on a Wayland desktop: the desktop still answers")
            << "wayland-0"
            << "wayland"
            << "offscreen" << QStringList { "offscreen" } << portal;
    }

    void screenReading()
    {
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, sessionType);
        QFETCH(QString, qtPlatform);
        QFETCH(QStringList, screens);
        QFETCH(ScreenReading, reading);
        SessionEnvironment session;
        session.waylandDisplay = waylandDisplay;
        session.sessionType = sessionType;
        session.display = QStringLiteral(":0");
        QCOMPARE(platform::chooseScreenReading(session, qtPlatform, screens), reading);
    }

    void displayPlan_data()
    {
        // The session: DISPLAY, WAYLAND_DISPLAY, WAYLAND_SOCKET, XDG_SESSION_TYPE,
        // XDG_RUNTIME_DIR, QT_QPA_PLATFORM; then Qt's -platform and -display.
        QTest::addColumn<QStringList>("session");
        QTest::addColumn<QString>("platformArgument");
        QTest::addColumn<QString>("displayArgument");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<DisplayPlan::Probe>("probe");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("failure");

        const auto x11 = DisplayPlan::Probe::X11;
        const auto wayland = DisplayPlan::Probe::Wayland;
        const auto missing = DisplayPlan::Probe::Missing;
        const auto none = DisplayPlan::Probe::None;
        const QString run = QStringLiteral("/run/user/1000");
        QTest::newRow("X11 session") << QStringList { ":0", "", "", "x11", run, "" } << ""
                                     << ""
                                     << "" << x11 << ":0"
                                     << "cannot open display ':0'";
        QTest::newRow("no display at all")
            << QStringList { "", "", "", "", run, "" } << ""
            << ""
            << "" << missing << ""
            << "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
        QTest::newRow("Wayland desktop with XWayland: X11, to stay on top")
            << QStringList { ":1", "wayland-0", "", "wayland", run, "" } << ""
            << ""
            << "xcb" << x11 << ":1"
            << "cannot open display ':1'";
        QTest::newRow("Wayland only")
            << QStringList { "", "wayland-1", "", "wayland", run, "" } << ""
            << ""
            << "wayland" << wayland << "/run/user/1000/wayland-1"
            << "cannot open Wayland display 'wayland-1'";
        QTest::newRow("Wayland session, default socket")
            << QStringList { "", "", "", "wayland", run, "" } << ""
            << ""
            << "wayland" << wayland << "/run/user/1000/wayland-0"
            << "cannot open Wayland display 'wayland-0'";
        QTest::newRow("Wayland socket by absolute path")
            << QStringList { "", "/tmp/w/socket", "", "", "", "" } << ""
            << ""
            << "wayland" << wayland << "/tmp/w/socket"
            << "cannot open Wayland display '/tmp/w/socket'";
        QTest::newRow("Wayland without a runtime directory")
            << QStringList { "", "wayland-0", "", "wayland", "", "" } << ""
            << ""
            << "wayland" << missing << ""
            << "cannot open Wayland display 'wayland-0': XDG_RUNTIME_DIR is not set";
        QTest::newRow("Wayland connection handed over")
            << QStringList { "", "", "5", "wayland", run, "" } << ""
            << ""
            << "wayland" << none << ""
            << "";
        QTest::newRow("the user's xcb on a Wayland desktop")
            << QStringList { ":1", "wayland-0", "", "wayland", run, "xcb" } << ""
            << ""
            << "" << x11 << ":1"
            << "cannot open display ':1'";
        QTest::newRow("the user's wayland beside an X display")
            << QStringList { ":1", "wayland-0", "", "wayland", run, "wayland" } << ""
            << ""
            << "" << wayland << "/run/user/1000/wayland-0"
            << "cannot open Wayland display 'wayland-0'";
        QTest::newRow("the user's xcb without DISPLAY")
            << QStringList { "", "", "", "", run, "xcb" } << ""
            << ""
            << "" << missing << ""
            << "no X display: DISPLAY is not set";
        QTest::newRow("offscreen needs no display")
            << QStringList { "", "", "", "", "", "offscreen" } << ""
            << ""
            << "" << none << ""
            << "";
        QTest::newRow("a list of platforms is Qt's to try")
            << QStringList { "", "", "", "", run, "wayland;xcb" } << ""
            << ""
            << "" << none << ""
            << "";
        QTest::newRow("-platform wins over QT_QPA_PLATFORM")
            << QStringList { "", "", "", "", run, "xcb" } << "minimal"
            << ""
            << "" << none << ""
            << "";
        QTest::newRow("-display names the X display")
            << QStringList { ":0", "", "", "x11", run, "" } << ""
            << ":7"
            << "" << x11 << ":7"
            << "cannot open display ':7'";
    }

    void displayPlan()
    {
        QFETCH(QStringList, session);
        QFETCH(QString, platformArgument);
        QFETCH(QString, displayArgument);
        const SessionEnvironment environment { session[0], session[1], session[2], session[3],
            session[4], session[5] };
        const DisplayPlan plan
            = platform::planDisplay(environment, platformArgument, displayArgument);
        QTEST(plan.platform, "platform");
        QTEST(plan.probe, "probe");
        QTEST(plan.display, "display");
        QTEST(plan.failure, "failure");
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
