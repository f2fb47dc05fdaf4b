#include "colour/notationwriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

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

} // namespace

long long roundShown(double x)
{
    if (std::isnan(x))
        return 0;
    const double magnitude = std::fabs(x);
    long long whole = std::numeric_limits<long long>::max();
    if (magnitude < 9e18) {
        whole = static_cast<long long>(magnitude);
        const double fraction = magnitude - static_cast<double>(whole); // exact
        // Away from a half, 15 digits cannot move the value across it and the
        // plain comparison decides; close to a half only the decimal form can.
        if (magnitude < 1e5 && std::fabs(fraction - 0.5) > 1e-9)
            whole += fraction > 0.5 ? 1 : 0;
        else
            whole = roundShownSlow(magnitude);
    }
    return x < 0 ? -whole : whole;
}

Hsl hslOf(ColourNumber c)
{
    const Rgb rgb = channelsOf(c);
    const int mn = std::min({ rgb.red, rgb.green, rgb.blue });
    const int mx = std::max({ rgb.red, rgb.green, rgb.blue });
    const double lightness = (mn + mx) / 2.0;
    double saturation = 0;
    double hue = 0;
    if (mn != mx) {
        saturation = lightness / 255 <= 0.5 ? double(mx - mn) / (mx + mn)
                                            : double(mx - mn) / (510 - mx - mn);
        // The hue is worked out on chromaticities rather than on the channels:
        // near a half, the shown value depends on the rounding of exactly these
        // divisions. Where two channels share the maximum, the later test wins.
        const double sum = rgb.red + rgb.green + rgb.blue;
        const double r = rgb.red / sum;
        const double g = rgb.green / sum;
        const double b = rgb.blue / sum;
        const double nmax = std::max({ r, g, b });
        const double d = nmax - std::min({ r, g, b });
        double h = 0;
        if (r == nmax)
            h = (g - b) / d;
        if (g == nmax)
            h = 2 + (b - r) / d;
        if (b == nmax)
            h = 4 + (r - g) / d;
        hue = 60 * h;
        if (hue < 0)
            hue += 360;
    }
    return { static_cast<int>(roundShown(hue * 240 / 360)),
        static_cast<int>(roundShown(saturation * 240)),
        static_cast<int>(roundShown(lightness * 240 / 255)) };
}

} // namespace colour
