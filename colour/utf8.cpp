#include "colour/utf8.h"

namespace colour {

namespace {

    bool isContinuation(unsigned char b)
    {
        return (b & 0xC0) == 0x80;
    }

} // namespace

std::size_t utf8CharLength(std::string_view text)
{
    const auto b0 = static_cast<unsigned char>(text[0]);
    if (b0 < 0x80)
        return 1;
    std::size_t length = 0;
    // Second-byte bounds rule out overlong forms, surrogates and code points above U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        if (b0 == 0xE0)
            low = 0xA0;
        else if (b0 == 0xED)
            high = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        if (b0 == 0xF0)
            low = 0x90;
        else if (b0 == 0xF4)
            high = 0x8F;
    } else {
        return 1;
    }
    if (text.size() < length)
        return 1;
    const auto b1 = static_cast<unsigned char>(text[1]);
    if (b1 < low || b1 > high)
        return 1;
    for (std::size_t i = 2; i < length; ++i) {
        if (!isContinuation(static_cast<unsigned char>(text[i])))
            return 1;
    }
    return length;
}

} // namespace colour
