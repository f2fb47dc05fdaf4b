// Real input through the X server's test extension, the way a user's arrives.
#pragma once

#include <QGuiApplication>
#include <QPoint>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace xdotool {

// Why these tests cannot run here, or an empty string.
inline QString missing()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return QStringLiteral("needs an X server (run through with-x11)");
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        return QStringLiteral("needs xdotool");
    return {};
}

inline bool run(const QStringList& args)
{
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

// Root window coordinates. Never --sync: it hangs when the pointer is already there.
inline bool moveTo(QPoint device)
{
    return run(
        { QStringLiteral("mousemove"), QString::number(device.x()), QString::number(device.y()) });
}

} // namespace xdotool
