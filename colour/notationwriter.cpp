#include "colour/notationwriter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

namespace colour {

namespace {

    constexpr char kUpperHex[] = "0123456789ABCDEF";
    constexpr char kLowerHex[] = "0123456789abcdef";

    struct SmallNumber {
        char digits[3] = {};
        unsigned char length = 0;
    };

    // The decimal forms of 0..255, which make up most of what the converter writes.
    constexpr std::array<SmallNumber, 256> kSmallNumbers = [] {
        std::array<SmallNumber, 256> table {};
        for (int v = 0; v < 256; ++v) {
            SmallNumber& n = table[v];
            if (v >= 100)
                n.digits[n.length++] = static_cast<char>('0' + v / 100);
            if (v >= 10)
                n.digits[n.length++] = static_cast<char>('0' + v / 10 % 10);
            n.digits[n.length++] = static_cast<char>('0' + v % 10);
        }
        return table;
    }();

    // A number of 0..255 in decimal: all three bytes of its table entry are
    // copied, and the end steps past only its digits.
    char* writeSmall(char* out, int n)
    {
        const SmallNumber& small = kSmallNumbers[static_cast<unsigned>(n) & 0xFF];
        std::copy_n(small.digits, 3, out);
        return out + small.length;
    }

    // Numbers of 0..255 in decimal, joined by ", ".
    template <typename... Rest> char* writeList(char* out, int first, Rest... rest)
    {
        out = writeSmall(out, first);
        ((out = writeSmall(std::copy_n(", ", 2, out), rest)), ...);
        return out;
    }

    // At least `width` hexadecimal digits, more where the value needs them.
    char* writeHex(char* out, std::uint32_t v, int width, const char* digits)
    {
        int length = width;
        while (length < 8 && v >> 4 * length != 0)
            ++length;
        for (int shift = 4 * (length - 1); shift >= 0; shift -= 4)
            *out++ = digits[v >> shift & 0xF];
        return out;
    }

    std::uint32_t low24(ColourNumber c)
    {
        return static_cast<std::uint32_t>(c) & 0xFFFFFF;
    }

} // namespace

char* writeHexaVb(char* out, ColourNumber c)
{
    out = writeHex(std::copy_n("&H", 2, out), low24(c), 1, kUpperHex);
    *out++ = '&';
    return out;
}

char* writeLongVb(char* out, ColourNumber c)
{
    return std::to_chars(out, out + 8, low24(c)).ptr;
}

char* writeRgb(char* out, ColourNumber c)
{
    const Rgb rgb = channelsOf(c);
    return writeList(out, rgb.red, rgb.green, rgb.blue);
}

char* writeHtml(char* out, ColourNumber c)
{
    const Rgb rgb = channelsOf(c);
    *out++ = '#';
    return writeHex(out, std::uint32_t(rgb.red << 16 | rgb.green << 8 | rgb.blue), 6, kUpperHex);
}

char* writeCmy(char* out, ColourNumber c)
{
    const Rgb rgb = channelsOf(c);
    return writeList(out, 255 - rgb.red, 255 - rgb.green, 255 - rgb.blue);
}

char* writeCmyk(char* out, ColourNumber c)
{
    const Rgb rgb = channelsOf(c);
    const int cyan = 255 - rgb.red;
    const int magenta = 255 - rgb.green;
    const int yellow = 255 - rgb.blue;
    const int k = std::min({ cyan, magenta, yellow });
    return writeList(out, cyan - k, magenta - k, yellow - k, k);
}

char* writeHsl(char* out, ColourNumber c)
{
    const Hsl hsl = hslOf(c);
    return writeList(out, hsl.hue, hsl.saturation, hsl.lightness);
}

char* writeKmlAlpha(char* out, int alpha)
{
    return writeHex(out, std::uint32_t(std::clamp(alpha, 0, 255)), 2, kLowerHex);
}

char* writeKml(char* out, ColourNumber c, int alpha)
{
    // The colour number's own byte order is KML's: blue, green, red.
    const auto alphaByte = std::uint32_t(std::clamp(alpha, 0, 255));
    return writeHex(out, alphaByte << 24 | low24(c), 8, kLowerHex);
}

} // namespace colour
