// Reading one screen pixel, behind an interface so tests can supply the screen.
#pragma once

#include <QPoint>
#include <QRgb>
#include <optional>

namespace platform {

class ScreenSampler {
public:
    virtual ~ScreenSampler() = default;
    // The colour of the screen pixel at a global position in logical
    // coordinates, or nullopt when the screen cannot be read there.
    virtual std::optional<QRgb> pixelAt(QPoint global) = 0;
};

} // namespace platform
