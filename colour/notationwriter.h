// The notation texts written straight into a caller's buffer.
//
// notationsOf is built on these, so a fast caller (the command-line
// converter) and the window get the very same texts. Each writer puts its
// text at out, without a terminator, and returns the end of what it wrote;
// only the low 24 bits of the colour number are looked at.
#pragma once

#include "colour/colournumber.h"

#include <cstddef>

namespace colour {

// Room enough for any single notation ("255, 255, 255, 255" is the longest).
// A writer needs this much room at out: it may scribble past the end of a
// short text, though never past this length.
inline constexpr std::size_t kMaxNotationLength = 18;

char* writeHexaVb(char* out, ColourNumber c);
char* writeLongVb(char* out, ColourNumber c);
char* writeRgb(char* out, ColourNumber c);
char* writeHtml(char* out, ColourNumber c);
char* writeCmy(char* out, ColourNumber c);
char* writeCmyk(char* out, ColourNumber c);
char* writeHsl(char* out, ColourNumber c);
// An alpha outside 0..255 is clamped into it, so it is always two digits.
char* writeKmlAlpha(char* out, int alpha);
// Alpha, blue, green, red: always eight digits.
char* writeKml(char* out, ColourNumber c, int alpha);

// The three whole numbers of the HSL text.
struct Hsl {
    int hue = 0;
    int saturation = 0;
    int lightness = 0;

    friend constexpr bool operator==(const Hsl&, const Hsl&) = default;
};
Hsl hslOf(ColourNumber c);

// A real shown as a whole number: first brought to 15 significant decimal
// digits, then rounded to the nearest integer with halves away from zero.
// A double that lies a hair below a half (7.499999999999999) therefore shows
// as the half rounded up (8), as a 15-digit display of it would suggest.
// NaN shows as 0; magnitudes beyond the range of long long saturate.
long long roundShown(double x);

} // namespace colour
