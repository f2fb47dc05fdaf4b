#include "colour/notations.h"

#include "colour/notationwriter.h"

namespace colour {

namespace {

    template <typename Writer> std::string text(Writer write)
    {
        char buffer[kMaxNotationLength];
        return std::string(buffer, write(buffer));
    }

} // namespace

std::string hexaVbText(ColourNumber c)
{
    return text([c](char* out) { return writeHexaVb(out, c); });
}

std::string longVbText(ColourNumber c)
{
    return text([c](char* out) { return writeLongVb(out, c); });
}

std::string rgbText(Rgb rgb)
{
    return text([rgb](char* out) { return writeRgb(out, rgb); });
}

std::string htmlText(Rgb rgb)
{
    return text([rgb](char* out) { return writeHtml(out, rgb); });
}

std::string cmyText(Rgb rgb)
{
    return text([rgb](char* out) { return writeCmy(out, rgb); });
}

std::string cmykText(Rgb rgb)
{
    return text([rgb](char* out) { return writeCmyk(out, rgb); });
}

std::string hslText(Rgb rgb)
{
    return text([rgb](char* out) { return writeHsl(out, rgb); });
}

std::string kmlColourText(Rgb rgb)
{
    return text([rgb](char* out) { return writeKmlColour(out, rgb); });
}

std::string kmlAlphaText(int transparency)
{
    return text([transparency](char* out) { return writeKmlAlpha(out, transparency); });
}

std::string kmlText(Rgb rgb, int transparency)
{
    return text([=](char* out) { return writeKml(out, rgb, transparency); });
}

Notations notationsOf(ColourNumber c, int transparency)
{
    const Rgb rgb = channelsOf(c);
    return { rgbText(rgb), hexaVbText(c), longVbText(c), htmlText(rgb), cmyText(rgb), cmykText(rgb),
        hslText(rgb), kmlText(rgb, transparency) };
}

} // namespace colour
