#include "platform/screengrabsampler.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace platform {

std::optional<QRgb> ScreenGrabSampler::pixelAt(QPoint global)
{
    QScreen* screen = QGuiApplication::screenAt(global);
    if (!screen)
        return std::nullopt;
    // grabWindow takes coordinates relative to the screen's own top-left.
    const QPoint local = global - screen->geometry().topLeft();
    const QPixmap grab = screen->grabWindow(0, local.x(), local.y(), 1, 1);
    if (grab.isNull())
        return std::nullopt;
    return grab.toImage().pixel(0, 0) & RGB_MASK;
}

} // namespace platform
