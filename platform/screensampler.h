// Reading one screen pixel, behind an interface so tests can supply the screen.
#pragma once

#include "platform/pointer.h"

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

    // The pixel one pixel right of and below the pointer's hot spot. A
    // logical position cannot name every device pixel of a scaled screen, so
    // a sampler that can read the pointer in device pixels does better.
    virtual std::optional<QRgb> pixelBesidePointer(const Pointer& pointer)
    {
        return pixelAt(pointer.position() + QPoint(1, 1));
    }
};

} // namespace platform
