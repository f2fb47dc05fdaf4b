// The notations of a colour: the one table that lists them, and all their
// texts at once.
//
// Every text the window's boxes and the command-line converter show, and the
// caption beside each, comes from here, so the two can never disagree. A new
// notation is a writer and a row of kNotations (and, in the window, the place
// of its box).
#pragma once

#include "colour/colournumber.h"
#include "colour/notationwriter.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace colour {

enum class Notation { Rgb, HexaVb, LongVb, Html, Cmy, Cmyk, Hsl, Kml };

struct NotationForm {
    Notation notation;
    const char* name; // the caption beside its box and above its column of --labels
    // Writes the text as the writers of notationwriter.h do; only KML takes the alpha.
    char* (*write)(char* out, ColourNumber c, int alpha);
};

template <char* (*Write)(char*, ColourNumber)> char* withoutAlpha(char* out, ColourNumber c, int)
{
    return Write(out, c);
}

// In the order of the converter's columns.
inline constexpr NotationForm kNotations[] = {
    { Notation::Rgb, "RGB", withoutAlpha<writeRgb> },
    { Notation::HexaVb, "Hexa VB", withoutAlpha<writeHexaVb> },
    { Notation::LongVb, "Long VB", withoutAlpha<writeLongVb> },
    { Notation::Html, "HTML", withoutAlpha<writeHtml> },
    { Notation::Cmy, "CMY", withoutAlpha<writeCmy> },
    { Notation::Cmyk, "CMYK", withoutAlpha<writeCmyk> },
    { Notation::Hsl, "HSL", withoutAlpha<writeHsl> },
    { Notation::Kml, "KML", writeKml },
};

inline constexpr std::size_t kNotationCount = std::size(kNotations);

constexpr std::size_t indexOf(Notation n)
{
    return static_cast<std::size_t>(n);
}

constexpr const char* nameOf(Notation n)
{
    return kNotations[indexOf(n)].name;
}

static_assert(
    [] {
        for (std::size_t i = 0; i < kNotationCount; ++i) {
            if (indexOf(kNotations[i].notation) != i)
                return false;
        }
        return true;
    }(),
    "kNotations lists every notation in the order of its enum");

// Every name in the table's order, separator between each two.
std::string notationNames(std::string_view separator);

// Each notation's text at indexOf(notation).
using Notations = std::array<std::string, kNotationCount>;
// All texts at once; KML carries the alpha.
Notations notationsOf(ColourNumber c, int alpha);

} // namespace colour
