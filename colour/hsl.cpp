#include "colour/notationwriter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>

// The shown HSL numbers depend on the exact double result of every step.
#ifdef __FAST_MATH__
#error "the HSL text needs IEEE double arithmetic; do not build with -ffast-math"
#endif

namespace colour {

namespace {

    // 0 <= x < 9e18: the value brought to 15 significant digits decides, read from its decimal
    // form.
    long long roundShownSlow(double x)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%.14e", x); // d.dddddddddddddde+XX
        char digits[15];
        digits[0] = text[0];
        for (int i = 0; i < 14; ++i)
            digits[i + 1] = text[i + 2];
        const int exponent = std::atoi(text + 17);

        long long whole = 0;
        for (int i = 0; i <= exponent; ++i)
            whole = whole * 10 + (i < 15 ? digits[i] - '0' : 0);
        const int firstFraction = exponent + 1; // index of the tenths digit
        if (firstFraction >= 0 && firstFraction < 15 && digits[firstFraction] >= '5')
            ++whole;
        return whole;
    }

    struct SaturationLightness {
        std::uint8_t saturation = 0;
        std::uint8_t lightness = 0;
    };

    // Saturation and lightness depend only on the smallest and largest channel:
    // worked out once for every pair, which spares two divisions per colour.
    SaturationLightness saturationLightnessOf(int mn, int mx)
    {
        using Table = std::array<SaturationLightness, 256 * 256>;
        static const std::unique_ptr<const Table> table = [] {
            auto t = std::make_unique<Table>();
            for (int low = 0; low < 256; ++low) {
                for (int high = low; high < 256; ++high) {
                    const double lightness = (low + high) / 2.0;
                    double saturation = 0;
                    if (low != high) {
                        saturation = low + high <= 255
                            ? double(high - low) / double(high + low)
                            : double(high - low) / double(510 - high - low);
                    }
                    (*t)[low << 8 | high] = { std::uint8_t(roundShown(saturation * 240)),
                        std::uint8_t(roundShown(lightness * 240 / 255)) };
                }
            }
            return t;
        }();
        return (*table)[mn << 8 | mx];
    }

    // The hue in degrees, worked out on chromaticities rather than on the
    // channels: near a half, the shown value depends on the rounding of exactly
    // these divisions.
    double hueDegrees(Rgb rgb)
    {
        const double sum = rgb.red + rgb.green + rgb.blue;
        const double r = rgb.red / sum;
        const double g = rgb.green / sum;
        const double b = rgb.blue / sum;
        const double nmax = std::max({ r, g, b });
        const double nmin = std::min({ r, g, b });
        const double d = nmax - nmin;
        double h = 0;
        if (r == nmax)
            h = (g - b) / d;
        if (g == nmax)
            h = 2 + (b - r) / d;
        if (b == nmax)
            h = 4 + (r - g) / d;
        double hue = 60 * h;
        if (hue < 0)
            hue += 360;
        return hue;
    }

    long long roundShownHue(Rgb rgb)
    {
        return roundShown(hueDegrees(rgb) * 240 / 360);
    }

    // Exactly, the shown hue is 40 * turn / span (turn and span whole numbers).
    // Unless that is a half, it lies at least 1 / (2 * span) >= 1/510 from the
    // nearest half, far beyond the error of the doubles, so whole-number
    // arithmetic rounds it the same way and spares four divisions.
    int hueShown(Rgb rgb, int mn, int mx)
    {
        const int span = mx - mn;
        int turn = 0;
        if (rgb.red == mx)
            turn = rgb.green - rgb.blue;
        if (rgb.green == mx)
            turn = 2 * span + rgb.blue - rgb.red;
        if (rgb.blue == mx)
            turn = 4 * span + rgb.red - rgb.green;
        if (turn < 0)
            turn += 6 * span;
        const int twice = 80 * turn; // twice the shown hue, times span
        if (twice % span == 0 && twice / span % 2 == 1)
            return static_cast<int>(roundShownHue(rgb));
        return (twice + span) / (2 * span);
    }

} // namespace

long long roundShown(double x)
{
    if (std::isnan(x))
        return 0;
    const double magnitude = std::fabs(x);
    const double floor = std::floor(magnitude);
    const double fraction = magnitude - floor; // exact for doubles
    long long whole = 0;
    // Away from a half, 15 digits cannot move the value across it and the
    // plain comparison decides; close to a half only the decimal form can.
    if (!(magnitude < 9e18))
        whole = std::numeric_limits<long long>::max();
    else if (magnitude < 1e5 && std::fabs(fraction - 0.5) > 1e-9)
        whole = static_cast<long long>(floor) + (fraction > 0.5 ? 1 : 0);
    else
        whole = roundShownSlow(magnitude);
    return x < 0 ? -whole : whole;
}

Hsl hslOf(ColourNumber c)
{
    const Rgb rgb = channelsOf(c);
    const int mn = std::min(std::min(rgb.red, rgb.green), rgb.blue);
    const int mx = std::max(std::max(rgb.red, rgb.green), rgb.blue);
    const SaturationLightness sl = saturationLightnessOf(mn, mx);
    return { mn == mx ? 0 : hueShown(rgb, mn, mx), sl.saturation, sl.lightness };
}

} // namespace colour
