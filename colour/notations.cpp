#include "colour/notations.h"

#include "colour/notationwriter.h"

namespace colour {

Notations notationsOf(ColourNumber c, int transparency)
{
    const auto text = [c](char* (*write)(char*, ColourNumber)) {
        char buffer[kMaxNotationLength];
        return std::string(buffer, write(buffer, c));
    };
    char kml[kMaxNotationLength];
    return { text(writeRgb), text(writeHexaVb), text(writeLongVb), text(writeHtml), text(writeCmy),
        text(writeCmyk), text(writeHsl), std::string(kml, writeKml(kml, c, transparency)) };
}

} // namespace colour
