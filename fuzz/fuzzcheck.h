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

// Calls visit(code point) for each character of well-formed UTF-8 text;
// false when the text is not well-formed.
template <typename Visit> bool decodeUtf8(std::string_view text, Visit visit)
{
    for (std::size_t i = 0; i < text.size();) {
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
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            if ((b & 0xC0) != 0x80)
                return false;
            cp = cp << 6 | (b & 0x3F);
        }
        const char32_t minimum[] = { 0, 0, 0x80, 0x800, 0x10000 };
        if (cp < minimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        visit(cp);
        i += length;
    }
    return true;
}

// Code points in well-formed UTF-8 text, or -1 when the text is not well-formed.
inline long long codePoints(std::string_view text)
{
    long long count = 0;
    return decodeUtf8(text, [&count](char32_t) { ++count; }) ? count : -1;
}

// Well-formed UTF-8 without anything a terminal acts on: C0 and C1 controls,
// DEL, and the bidirectional embeddings, overrides and isolates.
inline bool safeToShow(std::string_view text)
{
    bool safe = true;
    const bool wellFormed = decodeUtf8(text, [&safe](char32_t cp) {
        safe = safe && cp >= 0x20 && !(cp >= 0x7F && cp <= 0x9F) && !(cp >= 0x202A && cp <= 0x202E)
            && !(cp >= 0x2066 && cp <= 0x2069);
    });
    return wellFormed && safe;
}

} // namespace fuzz
