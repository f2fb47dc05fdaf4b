// The notation texts of a colour, and the HSL numbers of every colour.
#include "colour/notations.h"
#include "colour/notationwriter.h"

#include <QtTest>

#include <algorithm>

using namespace colour;

namespace {

// The texts of one colour but its HSL, which is checked on every colour below.
struct Texts {
    QString hexaVb, longVb, html, cmy, cmyk, kml;
};

// p / q >= 0 to the nearest whole number, a half going up: what the 15-digit
// rule shows for a value worked out exactly.
int nearest(int p, int q)
{
    return (2 * p + q) / (2 * q);
}

} // namespace

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
    QTest::addColumn<Texts>("expected");

    const auto row = [](const char* rgb, int t, const Texts& texts) {
        QTest::addRow("%s alpha %d", rgb, t) << QString(rgb) << t << texts;
    };
    row("255, 0, 0", 128,
        { "&HFF&", "255", "#FF0000", "0, 255, 255", "0, 255, 255, 0", "800000ff" });
    // A KML colour stays eight digits whatever transparency the caller passes.
    row("0, 0, 0", -1, { "&H0&", "0", "#000000", "255, 255, 255", "0, 0, 0, 255", "00000000" });
    row("10, 0, 255", 64,
        { "&HFF000A&", "16711690", "#0A00FF", "245, 255, 0", "245, 255, 0, 0", "40ff000a" });
    row("0, 128, 0", 200,
        { "&H8000&", "32768", "#008000", "255, 127, 255", "128, 0, 128, 127", "c8008000" });
    row("5, 5, 5", 15,
        { "&H50505&", "328965", "#050505", "250, 250, 250", "0, 0, 0, 250", "0f050505" });
}

void TestNotations::texts()
{
    QFETCH(QString, rgb);
    QFETCH(int, transparency);
    QFETCH(Texts, expected);

    const QStringList c = rgb.split(", ");
    const Notations n
        = notationsOf(colourNumberOf(c[0].toInt(), c[1].toInt(), c[2].toInt()), transparency);
    const auto text = [&n](Notation form) { return QString::fromStdString(n[indexOf(form)]); };
    QCOMPARE(text(Notation::Rgb), rgb);
    QCOMPARE(text(Notation::HexaVb), expected.hexaVb);
    QCOMPARE(text(Notation::LongVb), expected.longVb);
    QCOMPARE(text(Notation::Html), expected.html);
    QCOMPARE(text(Notation::Cmy), expected.cmy);
    QCOMPARE(text(Notation::Cmyk), expected.cmyk);
    QCOMPARE(text(Notation::Kml), expected.kml);
}

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
