#pragma once

#include <QImage>
#include <QRgb>

namespace transparency {

// Lays a flat colour over an RGB32 image at a constant transparency t of
// 0..255 (255 opaque): each channel becomes (colour * t + pixel * (255 - t)) /
// 255, rounded to nearest. QPainter's opacity path works in 1/256 steps and is
// off by one for many levels (half-red over black gives 127, not 128), hence
// our own loop.
void blendFlatColour(QImage& image, QRgb colour, int transparency);

} // namespace transparency
