#include "platform/screengrabsampler.h"

#include "platform/devicepointer.h"
#include "platform/screenareas.h"

#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <algorithm>

namespace platform {

std::optional<QRgb> ScreenGrabSampler::pixelAt(QPoint global)
{
    const auto device = toDevice(global, screenAreas());
    if (!device)
        return std::nullopt;
    return devicePixel(*device);
}

std::optional<QRgb> ScreenGrabSampler::pixelBesidePointer(const Pointer& pointer)
{
    const auto device = devicePointerPosition();
    if (!device)
        return ScreenSampler::pixelBesidePointer(pointer);
    return devicePixel(*device + QPoint(1, 1));
}

std::optional<QRgb> ScreenGrabSampler::devicePixel(QPoint device)
{
    const auto plan = planGrab(device, screenAreas());
    QScreen* screen = plan ? screenAt(plan->screen) : nullptr;
    if (!screen)
        return std::nullopt;
    // grabWindow takes logical coordinates relative to the screen's own top-left
    // and returns the device pixels behind them.
    const QImage grab = screen->grabWindow(0, plan->logical.x(), plan->logical.y(), 1, 1).toImage();
    if (grab.isNull())
        return std::nullopt;
    const QPoint pixel(std::clamp(plan->pixel.x(), 0, grab.width() - 1),
        std::clamp(plan->pixel.y(), 0, grab.height() - 1));
    const QRgb colour = grab.pixel(pixel);
    return qRgb(qRed(colour), qGreen(colour), qBlue(colour));
}

} // namespace platform
