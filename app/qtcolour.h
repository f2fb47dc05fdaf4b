// Between the colour number (0x00BBGGRR) and Qt's QRgb (0xAARRGGBB).
#pragma once

#include "colour/colournumber.h"

#include <QRgb>

namespace app {

inline QRgb toQRgb(colour::ColourNumber c)
{
    const colour::Rgb rgb = colour::channelsOf(c);
    return qRgb(rgb.red, rgb.green, rgb.blue);
}

inline colour::ColourNumber toColourNumber(QRgb rgb)
{
    return colour::colourNumberOf(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

} // namespace app
