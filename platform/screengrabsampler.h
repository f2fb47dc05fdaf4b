#pragma once

#include "platform/screensampler.h"

#include <QPoint>

namespace platform {

// Reads the screen through Qt's screen grab of the screen under the point, one
// device pixel at a time, where the X server holds every pixel (see
// ScreenReading). Returns nothing where a grab fails.
class ScreenGrabSampler final : public ScreenSampler {
public:
    std::optional<QRgb> pixelAt(QPoint global) override;
    std::optional<QRgb> pixelBesidePointer(const Pointer& pointer) override;

private:
    std::optional<QRgb> devicePixel(QPoint device);
};

} // namespace platform
