#pragma once

#include <QRgb>
#include <optional>

namespace platform {

// The screen pixel one device pixel right of and below the pointer's hot spot.
// A logical position cannot name every device pixel of a scaled screen, so a
// sampler that can read the pointer in device pixels offers this as well.
class PointerSampler {
public:
    virtual ~PointerSampler() = default;
    virtual std::optional<QRgb> pixelBesidePointer() = 0;
};

} // namespace platform
