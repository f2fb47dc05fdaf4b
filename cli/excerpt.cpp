#include "cli/excerpt.h"

#include "colour/utf8.h"

namespace cli {

namespace {

    // Characters that would steer a terminal rather than show: C0 and C1
    // controls, bytes that are not UTF-8, and the bidirectional embeddings,
    // overrides and isolates (U+202A..U+202E, U+2066..U+2069), which reverse
    // the rest of the line.
    bool steersTerminal(std::string_view character)
    {
        const auto byte
            = [character](std::size_t i) { return static_cast<unsigned char>(character[i]); };
        switch (character.size()) {
        case 1:
            return byte(0) < 0x20 || byte(0) >= 0x7F;
        case 2:
            return byte(0) == 0xC2 && byte(1) < 0xA0;
        case 3:
            return byte(0) == 0xE2
                && ((byte(1) == 0x80 && byte(2) >= 0xAA && byte(2) <= 0xAE)
                    || (byte(1) == 0x81 && byte(2) >= 0xA6 && byte(2) <= 0xA9));
        default:
            return false;
        }
    }

} // namespace

std::string quotedExcerpt(std::string_view head, bool longer)
{
    constexpr char kHex[] = "0123456789abcdef";
    std::string out = "'";
    std::size_t offset = 0;
    for (std::size_t n = 0; n < kExcerptCharacters && offset < head.size(); ++n) {
        const std::string_view character
            = head.substr(offset, colour::utf8CharLength(head.substr(offset)));
        if (steersTerminal(character)) {
            for (const char c : character) {
                const auto byte = static_cast<unsigned char>(c);
                out += { '\\', 'x', kHex[byte >> 4], kHex[byte & 0xF] };
            }
        } else {
            out += character;
        }
        offset += character.size();
    }
    out += '\'';
    if (longer || offset < head.size())
        out += "...";
    return out;
}

} // namespace cli
