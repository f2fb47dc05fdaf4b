// The eight notation texts of a colour, as a pure function.
//
// Every text the window's boxes and the command-line converter show comes
// from here, so the two can never disagree.
#pragma once

#include <cstdint>
#include <string>

namespace colour {

// The platform colour number: red + 256 * green + 65536 * blue (0x00BBGGRR).
// Valid values are 0 .. 0xFFFFFF; the texts look only at the low 24 bits.
using ColourNumber = std::int32_t;

inline constexpr ColourNumber kMaxColourNumber = 0xFFFFFF;

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// Splits a colour number; only the low 24 bits are looked at.
constexpr Rgb channelsOf(ColourNumber c)
{
    return { c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF };
}

// Channels outside 0..255 are clamped into it (a channel box holding 300 counts as 255).
constexpr ColourNumber colourNumberOf(int red, int green, int blue)
{
    auto clamp = [](int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); };
    return clamp(red) | clamp(green) << 8 | clamp(blue) << 16;
}

// A real shown as a whole number: first brought to 15 significant decimal
// digits, then rounded to the nearest integer with halves away from zero.
// A double that lies a hair below a half (7.499999999999999) therefore shows
// as the half rounded up (8), as a 15-digit display of it would suggest.
// NaN shows as 0; magnitudes beyond the range of long long saturate.
long long roundShown(double x);

struct Notations {
    std::string rgb;
    std::string hexaVb;
    std::string longVb;
    std::string html;
    std::string cmy;
    std::string cmyk;
    std::string hsl;
    std::string kml;
};

// All eight texts at once; kml carries the transparency as its alpha.
Notations notationsOf(ColourNumber c, int transparency);

} // namespace colour
