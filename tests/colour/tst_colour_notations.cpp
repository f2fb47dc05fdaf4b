// The notation texts of a colour, and the HSL numbers of every colour.
#include "colour/notations.h"
#include "colour/notationwriter.h"

#include <QtTest>

#include <algorithm>

using namespace colour;

class TestNotations : public QObject {
    Q_OBJECT

private slots:
    void texts_data();
    void texts();
    void hslOfEveryColour();
};

void TestNotations::texts_data()
{
    QTest::addColumn<QString>("rgb"); // the colour, and its RGB text
    QTest::addColumn<int>("transparency");
    // Hexa VB | Long VB | HTML | CMY | CMYK | HSL | KML; an empty text is not checked.
    QTest::addColumn<QString>("texts");

    const auto row = [](const char* rgb, int t, const char* texts) {
        QTest::addRow("%s alpha %d", rgb, t) << QString(rgb) << t << QString(texts);
    };
    row("162, 129, 255", 255,
        "&HFF81A2&|16744866|#A281FF|93, 126, 0|93, 126, 0, 0|170, 240, 181|ffff81a2");
    row("162, 122, 92", 255,
        "&H5C7AA2&|6060706|#A27A5C|93, 133, 163|0, 40, 70, 93|17, 66, 120|ff5c7aa2");
    row("160, 120, 90", 255,
        "&H5A78A0&|5929120|#A0785A|95, 135, 165|0, 40, 70, 95|17, 67, 118|ff5a78a0");
    row("255, 0, 0", 128, "&HFF&|255|#FF0000|0, 255, 255|0, 255, 255, 0|0, 240, 120|800000ff");
    // A KML colour stays eight digits whatever transparency the caller passes.
    row("0, 0, 0", -1, "&H0&|0|#000000|255, 255, 255|0, 0, 0, 255|0, 0, 0|00000000");
    row("255, 255, 255", 256, "&HFFFFFF&|16777215|#FFFFFF|0, 0, 0|0, 0, 0, 0|0, 0, 240|ffffffff");
    row("10, 0, 255", 64,
        "&HFF000A&|16711690|#0A00FF|245, 255, 0|245, 255, 0, 0|162, 240, 120|40ff000a");
    row("255, 0, 255", 255,
        "&HFF00FF&|16711935|#FF00FF|0, 255, 0|0, 255, 0, 0|200, 240, 120|ffff00ff");
    row("200, 220, 250", 255,
        "&HFADCC8&|16440520|#C8DCFA|55, 35, 5|50, 30, 0, 5|144, 200, 212|fffadcc8");
    row("0, 128, 0", 200,
        "&H8000&|32768|#008000|255, 127, 255|128, 0, 128, 127|80, 240, 60|c8008000");
    row("5, 5, 5", 15, "&H50505&|328965|#050505|250, 250, 250|0, 0, 0, 250|0, 0, 5|0f050505");
    // Saturation 2.5 exactly: halves go up, not to even.
    row("97, 95, 95", 255,
        "&H5F5F61&|6250337|#615F5F|158, 160, 160|0, 2, 2, 158|0, 3, 90|ff5f5f61");
    row("180, 101, 100", 255,
        "&H6465B4&|6579636|#B46564|75, 154, 155|0, 79, 80, 75|1, 83, 132|ff6465b4");
    // Hue 7.5 computed as 7.499999999999999: 15 digits bring it back to the half.
    row("17, 4, 1", 255, "&H10411&|66577|#110401|238, 251, 254|0, 13, 16, 238|8, 213, 8|ff010411");
    // Saturation 122.5 computed as 122.49999999999999.
    row("145, 47, 47", 255,
        "&H2F2F91&|3092369|#912F2F|110, 208, 208|0, 98, 98, 110|0, 123, 90|ff2f2f91");
    // Hue 7.5 computed as 7.4999999999999947: too far below the half for 15 digits.
    row("37, 24, 21", 255, "|||||7, 66, 27|");
    row("100, 21, 20", 255, "|||||0, 160, 56|");
    row("80, 1, 0", 255, "|||||1, 240, 38|");
    row("255, 0, 1", 255, "|||||240, 240, 120|");
    row("255, 255, 0", 255, "|||||40, 240, 120|");
    row("0, 128, 128", 255, "|||||120, 240, 60|");
    row("200, 0, 200", 255, "|||||200, 240, 94|");
    row("1, 0, 0", 255, "|||||0, 240, 0|");
}

void TestNotations::texts()
{
    QFETCH(QString, rgb);
    QFETCH(int, transparency);
    QFETCH(QString, texts);

    const QStringList c = rgb.split(", ");
    const Notations n
        = notationsOf(colourNumberOf(c[0].toInt(), c[1].toInt(), c[2].toInt()), transparency);
    const QStringList expected = QStringList { rgb } + texts.split('|');
    for (int i = 0; i < 8; ++i) {
        if (!expected[i].isEmpty())
            QCOMPARE(QString::fromStdString(n[i]), expected[i]);
    }
}

namespace {

// p / q >= 0 to the nearest whole number, a half going up: what the 15-digit
// rule shows for a value worked out exactly.
int nearest(int p, int q)
{
    return (2 * p + q) / (2 * q);
}

} // namespace

// Every colour against the plain definition worked out exactly: the hue in
// degrees from the channels, times 240 / 360. Where that is a half, the product
// works the hue out on chromaticities, whose double may lie too far below the
// half for the 15-digit rule to bring it back: it then shows one less, for
// exactly 929 colours.
void TestNotations::hslOfEveryColour()
{
    int belowTheHalf = 0;
    for (ColourNumber c = 0; c <= kMaxColourNumber; ++c) {
        const auto [r, g, b] = channelsOf(c);
        const int mn = std::min({ r, g, b });
        const int mx = std::max({ r, g, b });
        const int span = mx - mn;
        int degrees = 0; // times span
        if (span != 0)
            degrees = mx == r ? 60 * (g - b)
                              : (mx == g ? 120 * span + 60 * (b - r) : 240 * span + 60 * (r - g));
        if (degrees < 0)
            degrees += 360 * span;
        const int lightSide = mn + mx <= 255 ? mn + mx : 510 - mn - mx;
        Hsl expected { span == 0 ? 0 : nearest(degrees * 240, 360 * span),
            span == 0 ? 0 : nearest(240 * span, lightSide), nearest(120 * (mn + mx), 255) };
        const Hsl actual = hslOf(c);
        if (actual.hue == expected.hue - 1) {
            ++belowTheHalf;
            --expected.hue;
        }
        if (actual != expected)
            QFAIL(qPrintable(QStringLiteral("colour %1,%2,%3").arg(r).arg(g).arg(b)));
    }
    QCOMPARE(belowTheHalf, 929);
}

QTEST_GUILESS_MAIN(TestNotations)
#include "tst_colour_notations.moc"
