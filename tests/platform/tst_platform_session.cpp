#include "platform/session.h"

#include <QHash>
#include <QTest>

using platform::ScreenReading;

namespace {

// "NAME=value ..." words: the session's variables, Qt's -platform and -display
// options, the platform Qt runs on ("qt") and its screens ("screens", by commas).
QHash<QString, QString> words(const QString& row)
{
    QHash<QString, QString> values;
    for (const QString& word : row.split(' ', Qt::SkipEmptyParts))
        values.insert(word.section('=', 0, 0), word.section('=', 1));
    return values;
}

platform::SessionEnvironment sessionOf(const QHash<QString, QString>& v)
{
    return { v["DISPLAY"], v["WAYLAND_DISPLAY"], v["WAYLAND_SOCKET"], v["XDG_SESSION_TYPE"],
        v["XDG_RUNTIME_DIR"], v["QT_QPA_PLATFORM"] };
}

} // namespace

// Both decisions are made once at start-up from the session alone: a failed
// grab tells nothing (XWayland reads black without an error), and Qt aborts the
// process on a display it cannot open.
class TestPlatformSession : public QObject {
    Q_OBJECT
private slots:
    void screenReading_data()
    {
        QTest::addColumn<QString>("session");
        QTest::addColumn<ScreenReading>("reading");
        QTest::newRow("X11") << "DISPLAY=:0 XDG_SESSION_TYPE=x11 qt=xcb screens=DP-1"
                             << ScreenReading::X11Grab;
        QTest::newRow("WAYLAND_DISPLAY alone")
            << "DISPLAY=:0 WAYLAND_DISPLAY=wayland-0 qt=xcb screens=DP-1" << ScreenReading::Portal;
        QTest::newRow("session type alone")
            << "DISPLAY=:0 XDG_SESSION_TYPE=wayland qt=xcb screens=DP-1" << ScreenReading::Portal;
        QTest::newRow("Qt on wayland-egl")
            << "qt=wayland-egl screens=DP-1" << ScreenReading::Portal;
        QTest::newRow("a second screen from XWayland")
            << "DISPLAY=:0 qt=xcb screens=HDMI-A-1,XWAYLAND1" << ScreenReading::Portal;
        QTest::newRow("offscreen")
            << "DISPLAY=:0 qt=offscreen screens=offscreen" << ScreenReading::None;
    }

    void screenReading()
    {
        QFETCH(QString, session);
        const auto v = words(session);
        QTEST(platform::chooseScreenReading(
                  sessionOf(v), v["qt"], v["screens"].split(',', Qt::SkipEmptyParts)),
            "reading");
    }

    // The plan as "platform to set|probe|display|the line printed on failure".
    void displayPlan_data()
    {
        QTest::addColumn<QString>("session");
        QTest::addColumn<QString>("plan");
        QTest::newRow("Wayland with XWayland: X11, to stay on top")
            << "DISPLAY=:1 WAYLAND_DISPLAY=wayland-0 XDG_SESSION_TYPE=wayland XDG_RUNTIME_DIR=/r"
            << "xcb|x11|:1|cannot open display ':1'";
        QTest::newRow("Wayland only") << "WAYLAND_DISPLAY=wayland-1 XDG_RUNTIME_DIR=/r"
                                      << "wayland|wayland|/r/wayland-1|cannot open Wayland "
                                         "display 'wayland-1'";
        QTest::newRow("Wayland session, default socket")
            << "XDG_SESSION_TYPE=wayland XDG_RUNTIME_DIR=/r"
            << "wayland|wayland|/r/wayland-0|cannot open Wayland display 'wayland-0'";
        QTest::newRow("socket by path")
            << "WAYLAND_DISPLAY=/w/s XDG_RUNTIME_DIR=/r"
            << "wayland|wayland|/w/s|cannot open Wayland display '/w/s'";
        QTest::newRow("no runtime directory") << "WAYLAND_DISPLAY=wayland-0"
                                              << "wayland|missing||cannot open Wayland display "
                                                 "'wayland-0': XDG_RUNTIME_DIR is not set";
        QTest::newRow("connection handed over") << "WAYLAND_SOCKET=5 XDG_SESSION_TYPE=wayland"
                                                << "wayland|none||";
        QTest::newRow("the user's xcb on Wayland")
            << "DISPLAY=:1 WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=xcb"
            << "|x11|:1|cannot "
               "open display ':1'";
        QTest::newRow("the user's wayland beside X")
            << "DISPLAY=:1 WAYLAND_DISPLAY=w XDG_RUNTIME_DIR=/r QT_QPA_PLATFORM=wayland"
            << "|wayland|/r/w|cannot open Wayland display 'w'";
        QTest::newRow("offscreen") << "QT_QPA_PLATFORM=offscreen"
                                   << "|none||";
        QTest::newRow("a list is Qt's to try") << "DISPLAY=:0 QT_QPA_PLATFORM=wayland;xcb"
                                               << "|none||";
        QTest::newRow("-platform wins") << "DISPLAY=:0 QT_QPA_PLATFORM=xcb -platform=minimal"
                                        << "|none||";
        QTest::newRow("-display wins") << "DISPLAY=:0 -display=:7"
                                       << "|x11|:7|cannot open display ':7'";
    }

    void displayPlan()
    {
        QFETCH(QString, session);
        const auto v = words(session);
        const auto plan = platform::planDisplay(sessionOf(v), v["-platform"], v["-display"]);
        static const char* const probes[] = { "none", "x11", "wayland", "missing" };
        QTEST(QStringList({ plan.platform, probes[int(plan.probe)], plan.display, plan.failure })
                  .join('|'),
            "plan");
    }
};

QTEST_GUILESS_MAIN(TestPlatformSession)
#include "tst_platform_session.moc"
