// What the desktop session allows, decided once at start-up from plain values
// (environment, Qt's platform, screen names) so that every case can be tried
// without a display.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace platform {
// Names the enums below for Qt: debug output and test failures show them.
Q_NAMESPACE

// The session's environment variables that decide how the window reaches the desktop.
struct SessionEnvironment {
    QString display; // DISPLAY
    QString waylandDisplay; // WAYLAND_DISPLAY
    QString waylandSocket; // WAYLAND_SOCKET: a connection handed over by the compositor
    QString sessionType; // XDG_SESSION_TYPE
    QString runtimeDir; // XDG_RUNTIME_DIR
    QString qpaPlatform; // QT_QPA_PLATFORM

    static SessionEnvironment ofProcess();
    bool isWayland() const;
};

// How the screen colour picker reads the screen.
enum class ScreenReading {
    X11Grab, // the X server holds every pixel: grab them
    Portal, // a Wayland desktop: ask it through the desktop portal
    None, // nothing to read (offscreen, minimal, a framebuffer...)
};
Q_ENUM_NS(ScreenReading)

ScreenReading chooseScreenReading(
    const SessionEnvironment& session, const QString& qtPlatform, const QStringList& screenNames);

// The same decision for the running application.
ScreenReading currentScreenReading();

// Which Qt platform to start and which display to try first, before Qt's own
// start-up aborts the process on a display it cannot open.
struct DisplayPlan {
    Q_GADGET
public:
    enum class Probe { None, X11, Wayland, Missing };
    Q_ENUM(Probe)
    // For QT_QPA_PLATFORM; empty leaves the choice to the user or to Qt.
    QString platform;
    Probe probe = Probe::None;
    // The X display name, or the path of the Wayland socket.
    QString display;
    // The one line to print when the display cannot be opened (always, for Missing).
    QString failure;
};

// platformArgument and displayArgument are the values of Qt's -platform and
// -display options, empty when not given.
DisplayPlan planDisplay(const SessionEnvironment& session, const QString& platformArgument,
    const QString& displayArgument);

} // namespace platform
