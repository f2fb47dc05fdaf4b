// The notation texts written straight into a caller's buffer.
//
// The string functions of notations.h are built on these, so a fast caller
// (the command-line converter) and the window get the very same texts.
// Each writer puts its text at out, without a terminator, and returns the
// end of what it wrote.
#pragma once

#include "colour/notations.h"

#include <cstddef>

namespace colour {

// Room enough for any single notation ("255, 255, 255, 255" is the longest).
inline constexpr std::size_t kMaxNotationLength = 18;

char* writeHexaVb(char* out, ColourNumber c);
char* writeLongVb(char* out, ColourNumber c);
char* writeRgb(char* out, Rgb rgb);
char* writeHtml(char* out, Rgb rgb);
char* writeCmy(char* out, Rgb rgb);
char* writeCmyk(char* out, Rgb rgb);
char* writeHsl(char* out, Rgb rgb);
char* writeKmlColour(char* out, Rgb rgb);
// A transparency outside 0..255 is clamped into it, so the alpha is always two digits.
char* writeKmlAlpha(char* out, int transparency);
char* writeKml(char* out, Rgb rgb, int transparency);

} // namespace colour
