#include "cli/excerpt.h"

#include "colour/utf8.h"

namespace cli {

namespace {

    void appendEscaped(std::string& out, unsigned char byte)
    {
        constexpr char kHex[] = "0123456789abcdef";
        out += "\\x";
        out += kHex[byte >> 4];
        out += kHex[byte & 0xF];
    }

} // namespace

std::string quotedExcerpt(std::string_view head, bool longer)
{
    std::string out = "'";
    std::size_t offset = 0;
    for (std::size_t n = 0; n < kExcerptCharacters && offset < head.size(); ++n) {
        const std::size_t length = colour::utf8CharLength(head.substr(offset));
        const auto first = static_cast<unsigned char>(head[offset]);
        const auto second = length > 1 ? static_cast<unsigned char>(head[offset + 1]) : 0;
        const bool c0 = first < 0x20 || first == 0x7F;
        const bool c1 = first == 0xC2 && second < 0xA0; // U+0080..U+009F
        const bool malformed = length == 1 && first >= 0x80;
        if (c0 || malformed) {
            appendEscaped(out, first);
        } else if (c1) {
            appendEscaped(out, first);
            appendEscaped(out, second);
        } else {
            out.append(head.substr(offset, length));
        }
        offset += length;
    }
    out += '\'';
    if (longer || offset < head.size())
        out += "...";
    return out;
}

} // namespace cli
