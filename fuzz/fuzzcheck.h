// Shared by the fuzz harnesses: failing a property, and a UTF-8 check written
// independently of the code under test (decode, then judge the code point).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace fuzz {

// Code points in well-formed UTF-8 text, or -1 when the text is not well-formed.
inline long long codePoints(std::string_view text)
{
    long long count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        char32_t cp = lead;
        if (lead >= 0xF0 && lead < 0xF8) {
            length = 4;
            cp = lead & 0x07;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            length = 3;
            cp = lead & 0x0F;
        } else if (lead >= 0xC0 && lead < 0xE0) {
            length = 2;
            cp = lead & 0x1F;
        } else if (lead >= 0x80) {
            return -1;
        }
        if (i + length > text.size())
            return -1;
        for (std::size_t k = 1; k < length; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            if ((b & 0xC0) != 0x80)
                return -1;
            cp = cp << 6 | (b & 0x3F);
        }
        const char32_t minimum[] = { 0, 0, 0x80, 0x800, 0x10000 };
        if (cp < minimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return -1;
        i += length;
    }
    return count;
}

} // namespace fuzz
