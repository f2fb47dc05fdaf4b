#include "platform/session.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace {

QString quoted(const QString& s)
{
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}

platform::DisplayPlan x11Plan(QString qtPlatform, const QString& display)
{
    if (display.isEmpty())
        return { std::move(qtPlatform), platform::DisplayPlan::Probe::Missing, {},
            QStringLiteral("no X display: DISPLAY is not set") };
    return { std::move(qtPlatform), platform::DisplayPlan::Probe::X11, display,
        QStringLiteral("cannot open display ") + quoted(display) };
}

platform::DisplayPlan waylandPlan(QString qtPlatform, const platform::SessionEnvironment& session)
{
    if (!session.waylandSocket.isEmpty())
        return { std::move(qtPlatform), platform::DisplayPlan::Probe::None, {}, {} };
    // Where libwayland-client looks for the compositor.
    const QString name
        = session.waylandDisplay.isEmpty() ? QStringLiteral("wayland-0") : session.waylandDisplay;
    if (name.startsWith(QLatin1Char('/')))
        return { std::move(qtPlatform), platform::DisplayPlan::Probe::Wayland, name,
            QStringLiteral("cannot open Wayland display ") + quoted(name) };
    if (session.runtimeDir.isEmpty())
        return { std::move(qtPlatform), platform::DisplayPlan::Probe::Missing, {},
            QStringLiteral("cannot open Wayland display %1: XDG_RUNTIME_DIR is not set")
                .arg(quoted(name)) };
    return { std::move(qtPlatform), platform::DisplayPlan::Probe::Wayland,
        session.runtimeDir + QLatin1Char('/') + name,
        QStringLiteral("cannot open Wayland display ") + quoted(name) };
}

} // namespace

namespace platform {

SessionEnvironment SessionEnvironment::ofProcess()
{
    return {
        qEnvironmentVariable("DISPLAY"),
        qEnvironmentVariable("WAYLAND_DISPLAY"),
        qEnvironmentVariable("WAYLAND_SOCKET"),
        qEnvironmentVariable("XDG_SESSION_TYPE"),
        qEnvironmentVariable("XDG_RUNTIME_DIR"),
        qEnvironmentVariable("QT_QPA_PLATFORM"),
    };
}

bool SessionEnvironment::isWayland() const
{
    return !waylandDisplay.isEmpty() || sessionType == QLatin1String("wayland");
}

ScreenReading chooseScreenReading(
    const SessionEnvironment& session, const QString& qtPlatform, const QStringList& screenNames)
{
    // Under XWayland the X server holds only the X11 windows and reads black
    // everywhere else, without an error: the session decides, not a grab.
    const bool xwayland = std::any_of(screenNames.begin(), screenNames.end(),
        [](const QString& name) { return name.startsWith(QLatin1String("XWAYLAND")); });
    if (session.isWayland() || qtPlatform.startsWith(QLatin1String("wayland")) || xwayland)
        return ScreenReading::Portal;
    if (qtPlatform == QLatin1String("xcb"))
        return ScreenReading::X11Grab;
    return ScreenReading::None;
}

ScreenReading currentScreenReading()
{
    QStringList names;
    for (const QScreen* screen : QGuiApplication::screens())
        names << screen->name();
    return chooseScreenReading(
        SessionEnvironment::ofProcess(), QGuiApplication::platformName(), names);
}

DisplayPlan planDisplay(const SessionEnvironment& session, const QString& platformArgument,
    const QString& displayArgument)
{
    const QString xDisplay = displayArgument.isEmpty() ? session.display : displayArgument;
    const QString chosen = platformArgument.isEmpty() ? session.qpaPlatform : platformArgument;
    if (!chosen.isEmpty()) {
        // A list of platforms is Qt's to try in turn; other platforms
        // (offscreen, minimal, vnc...) need no display of ours.
        if (chosen.contains(QLatin1Char(';')))
            return {};
        const QString plugin = chosen.section(QLatin1Char(':'), 0, 0);
        if (plugin == QLatin1String("xcb"))
            return x11Plan({}, xDisplay);
        if (plugin.startsWith(QLatin1String("wayland")))
            return waylandPlan({}, session);
        return {};
    }
    if (session.isWayland()) {
        // Wayland gives an ordinary window no way to stay on top; an X11
        // window through XWayland keeps _NET_WM_STATE_ABOVE, which GNOME's and
        // KDE's window managers honour.
        if (!xDisplay.isEmpty())
            return x11Plan(QStringLiteral("xcb"), xDisplay);
        return waylandPlan(QStringLiteral("wayland"), session);
    }
    if (xDisplay.isEmpty())
        return { {}, DisplayPlan::Probe::Missing, {},
            QStringLiteral("no display: neither DISPLAY nor WAYLAND_DISPLAY is set") };
    return x11Plan({}, xDisplay);
}

} // namespace platform
