#include "platform/screenareas.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

QList<ScreenArea> screenAreas()
{
    QList<ScreenArea> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append({ screen->geometry(), screen->devicePixelRatio() });
    return areas;
}

QScreen* screenAt(int index)
{
    const auto screens = QGuiApplication::screens();
    return index >= 0 && index < screens.size() ? screens[index] : nullptr;
}

} // namespace platform
