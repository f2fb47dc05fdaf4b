// The colour number, the one value a colour is passed around as.
#pragma once

#include <cstdint>

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

} // namespace colour
