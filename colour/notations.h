// The eight notation texts of a colour, as pure functions.
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

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
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

constexpr ColourNumber colourNumberOf(Rgb rgb)
{
    return colourNumberOf(rgb.red, rgb.green, rgb.blue);
}

// "&H5C7AA2&": upper-case hexadecimal literal without leading zeros.
std::string hexaVbText(ColourNumber c);
// "6060706": the colour number in decimal.
std::string longVbText(ColourNumber c);
// "162, 122, 92"
std::string rgbText(Rgb rgb);
// "#A27A5C"
std::string htmlText(Rgb rgb);
// "93, 133, 163": 255 minus each channel.
std::string cmyText(Rgb rgb);
// "0, 40, 70, 93": CMY with the common part taken out as K, all on 0..255.
std::string cmykText(Rgb rgb);
// "17, 66, 120": hue, saturation, lightness on a 0..240 scale.
std::string hslText(Rgb rgb);
// "5c7aa2": lower-case blue, green, red; the KML text before its alpha.
std::string kmlColourText(Rgb rgb);
// "ff": the transparency 0..255 as two lower-case hexadecimal digits.
std::string kmlAlphaText(int transparency);
// "ff5c7aa2": alpha, blue, green, red.
std::string kmlText(Rgb rgb, int transparency);

// The three whole numbers of the HSL text, for callers that need them as numbers.
struct Hsl {
    int hue = 0;
    int saturation = 0;
    int lightness = 0;

    friend constexpr bool operator==(const Hsl&, const Hsl&) = default;
};
Hsl hslOf(Rgb rgb);

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

    friend bool operator==(const Notations&, const Notations&) = default;
};

// All eight texts at once; kml carries the transparency as its alpha.
Notations notationsOf(ColourNumber c, int transparency);

} // namespace colour
