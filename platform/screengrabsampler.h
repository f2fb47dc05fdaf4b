#pragma once

#include "platform/screensampler.h"

namespace platform {

// Reads the screen through Qt's screen grab of the screen under the point.
class ScreenGrabSampler final : public ScreenSampler {
public:
    std::optional<QRgb> pixelAt(QPoint global) override;
};

} // namespace platform
