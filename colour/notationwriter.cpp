#include "colour/notationwriter.h"

#include <array>
#include <cstdint>

namespace colour {

namespace {

    struct SmallNumber {
        char digits[3] = {};
        unsigned char length = 0;
    };

    constexpr std::array<SmallNumber, 256> makeSmallNumbers()
    {
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
    }

    constexpr std::array<SmallNumber, 256> kSmallNumbers = makeSmallNumbers();
    constexpr char kUpperHex[] = "0123456789ABCDEF";
    constexpr char kLowerHex[] = "0123456789abcdef";

    int clampByte(int v)
    {
        return v < 0 ? 0 : (v > 255 ? 255 : v);
    }

    char* writeByte(char* out, int v)
    {
        const SmallNumber& n = kSmallNumbers[static_cast<unsigned>(v) & 0xFFu];
        out[0] = n.digits[0];
        out[1] = n.digits[1];
        out[2] = n.digits[2];
        return out + n.length;
    }

    constexpr std::array<char, 200> makeDigitPairs()
    {
        std::array<char, 200> pairs {};
        for (int v = 0; v < 100; ++v) {
            pairs[2 * v] = static_cast<char>('0' + v / 10);
            pairs[2 * v + 1] = static_cast<char>('0' + v % 10);
        }
        return pairs;
    }

    constexpr std::array<char, 200> kDigitPairs = makeDigitPairs();

    int decimalLength(std::uint32_t v)
    {
        int length = 1;
        for (std::uint32_t limit = 10; length < 10 && v >= limit; limit *= 10)
            ++length;
        return length;
    }

    char* writeUnsigned(char* out, std::uint32_t v)
    {
        char* const end = out + decimalLength(v);
        char* p = end;
        while (v >= 100) {
            const std::uint32_t pair = v % 100;
            v /= 100;
            p -= 2;
            p[0] = kDigitPairs[2 * pair];
            p[1] = kDigitPairs[2 * pair + 1];
        }
        if (v >= 10) {
            p[-2] = kDigitPairs[2 * v];
            p[-1] = kDigitPairs[2 * v + 1];
        } else {
            p[-1] = static_cast<char>('0' + v);
        }
        return end;
    }

    char* writeSeparator(char* out)
    {
        out[0] = ',';
        out[1] = ' ';
        return out + 2;
    }

    char* writeThree(char* out, int a, int b, int c)
    {
        out = writeByte(out, a);
        out = writeSeparator(out);
        out = writeByte(out, b);
        out = writeSeparator(out);
        return writeByte(out, c);
    }

    char* writeHex2(char* out, int v, const char* digits)
    {
        out[0] = digits[(v >> 4) & 0xF];
        out[1] = digits[v & 0xF];
        return out + 2;
    }

} // namespace

char* writeHexaVb(char* out, ColourNumber c)
{
    const auto v = static_cast<unsigned>(c) & 0xFFFFFFu;
    int shift = 20;
    while (shift > 0 && (v >> shift) == 0)
        shift -= 4;
    *out++ = '&';
    *out++ = 'H';
    for (; shift >= 0; shift -= 4)
        *out++ = kUpperHex[(v >> shift) & 0xF];
    *out++ = '&';
    return out;
}

char* writeLongVb(char* out, ColourNumber c)
{
    return writeUnsigned(out, static_cast<unsigned>(c) & 0xFFFFFFu);
}

char* writeRgb(char* out, ColourNumber c)
{
    const Rgb rgb = channelsOf(c);
    return writeThree(out, rgb.red, rgb.green, rgb.blue);
}

char* writeHtml(char* out, ColourNumber c)
{
    const Rgb rgb = channelsOf(c);
    *out++ = '#';
    out = writeHex2(out, rgb.red, kUpperHex);
    out = writeHex2(out, rgb.green, kUpperHex);
    return writeHex2(out, rgb.blue, kUpperHex);
}

char* writeCmy(char* out, ColourNumber c)
{
    const Rgb rgb = channelsOf(c);
    return writeThree(out, 255 - rgb.red, 255 - rgb.green, 255 - rgb.blue);
}

char* writeCmyk(char* out, ColourNumber colour)
{
    const Rgb rgb = channelsOf(colour);
    const int c = 255 - rgb.red;
    const int m = 255 - rgb.green;
    const int y = 255 - rgb.blue;
    int k = c;
    if (m < k)
        k = m;
    if (y < k)
        k = y;
    out = writeThree(out, c - k, m - k, y - k);
    out = writeSeparator(out);
    return writeByte(out, k);
}

char* writeHsl(char* out, ColourNumber c)
{
    const Hsl hsl = hslOf(c);
    return writeThree(out, hsl.hue, hsl.saturation, hsl.lightness);
}

static char* writeKmlColour(char* out, ColourNumber c)
{
    const Rgb rgb = channelsOf(c);
    out = writeHex2(out, rgb.blue, kLowerHex);
    out = writeHex2(out, rgb.green, kLowerHex);
    return writeHex2(out, rgb.red, kLowerHex);
}

char* writeKmlAlpha(char* out, int transparency)
{
    return writeHex2(out, clampByte(transparency), kLowerHex);
}

char* writeKml(char* out, ColourNumber c, int transparency)
{
    return writeKmlColour(writeKmlAlpha(out, transparency), c);
}

} // namespace colour
