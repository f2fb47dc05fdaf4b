#pragma once

#include "platform/screensampler.h"

#include <QPoint>

namespace platform {

// Reads the screen through Qt's screen grab of the screen under the point, one
// device pixel at a time. Returns nothing where the screen cannot be read: a
// platform without screen grabs, or X11 on a Wayland desktop, whose root window
// shows black wherever no X11 window is.
class ScreenGrabSampler final : public ScreenSampler {
public:
    std::optional<QRgb> pixelAt(QPoint global) override;
    std::optional<QRgb> pixelBesidePointer(const Pointer& pointer) override;

    // Whether this desktop lets a program read its screen at all.
    static bool screenReadable();

private:
    std::optional<QRgb> devicePixel(QPoint device);
};

} // namespace platform
