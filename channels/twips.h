// The design's unit: every place and size of the window is given in twips.
#pragma once

#include <QRect>

namespace channels {

// 15 twips make a pixel at 96 dpi; Qt's high-DPI scaling takes the whole
// window on from there.
inline constexpr int kTwipsPerPixel = 15;

constexpr QRect pixelsFromTwips(const QRect& twips)
{
    return { twips.x() / kTwipsPerPixel, twips.y() / kTwipsPerPixel, twips.width() / kTwipsPerPixel,
        twips.height() / kTwipsPerPixel };
}

} // namespace channels
