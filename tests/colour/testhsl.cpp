// The HSL text: whole numbers shown with the 15-digit rule, on every colour.
#include "colour/notations.h"
#include "colour/notationwriter.h"

#include <QtTest>

#include <algorithm>
#include <climits>
#include <cmath>

using namespace colour;

namespace {

// p / q >= 0 rounded, halves up, in whole numbers.
int roundedRatio(long long p, long long q)
{
    return static_cast<int>((2 * p + q) / (2 * q));
}

} // namespace

class TestHsl : public QObject {
    Q_OBJECT

private slots:
    void roundShown_data();
    void roundShown();
    void halfway_data();
    void halfway();
    void everyColour();
};

void TestHsl::roundShown_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qlonglong>("shown");

    QTest::newRow("exact half goes up") << 2.5 << 3LL;
    QTest::newRow("negative half goes away from zero") << -2.5 << -3LL;
    QTest::newRow("hue of 17,4,1") << 7.499999999999999 << 8LL;
    QTest::newRow("saturation of 145,47,47") << 122.49999999999999 << 123LL;
    QTest::newRow("negative hair below half") << -7.499999999999999 << -8LL;
    QTest::newRow("below half beyond 15 digits") << 7.4999999999999947 << 7LL;
    QTest::newRow("under one, hair below half") << 0.49999999999999994 << 1LL;
    QTest::newRow("under one, below half beyond 15 digits") << 0.49999999999999872 << 0LL;
    QTest::newRow("hue of 255,0,1") << 239.84313725490193 << 240LL;
    QTest::newRow("just under a whole") << 8.999999999999998 << 9LL;
    QTest::newRow("not a number") << std::nan("") << 0LL;
    QTest::newRow("beyond long long") << 1e300 << LLONG_MAX;
}

void TestHsl::roundShown()
{
    QFETCH(double, value);
    QFETCH(qlonglong, shown);
    QCOMPARE(colour::roundShown(value), shown);
}

void TestHsl::halfway_data()
{
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::addColumn<int>("blue");
    QTest::addColumn<QString>("hsl");

    // Saturation 2.5 exactly: halves go up, not to even.
    QTest::newRow("97,95,95") << 97 << 95 << 95 << "0, 3, 90";
    // Hue 7.5 computed as 7.499999999999999: 15 digits bring it back to the half.
    QTest::newRow("17,4,1") << 17 << 4 << 1 << "8, 213, 8";
    // Saturation 122.5 computed as 122.49999999999999.
    QTest::newRow("145,47,47") << 145 << 47 << 47 << "0, 123, 90";
    // Hue 7.5 computed as 7.4999999999999947: too far below for 15 digits.
    QTest::newRow("37,24,21") << 37 << 24 << 21 << "7, 66, 27";
    QTest::newRow("100,21,20") << 100 << 21 << 20 << "0, 160, 56";
    QTest::newRow("80,1,0 hue 0.5") << 80 << 1 << 0 << "1, 240, 38";
    QTest::newRow("255,0,1 hue just below 360 degrees") << 255 << 0 << 1 << "240, 240, 120";
    QTest::newRow("yellow") << 255 << 255 << 0 << "40, 240, 120";
    QTest::newRow("cyan") << 0 << 128 << 128 << "120, 240, 60";
    QTest::newRow("magenta") << 200 << 0 << 200 << "200, 240, 94";
    QTest::newRow("lightness 0.5 of 1,0,0") << 1 << 0 << 0 << "0, 240, 0";
}

void TestHsl::halfway()
{
    QFETCH(int, red);
    QFETCH(int, green);
    QFETCH(int, blue);
    QFETCH(QString, hsl);
    QCOMPARE(QString::fromStdString(notationsOf(colourNumberOf(red, green, blue), 255).hsl), hsl);
}

// Every colour against exact fractions. Where the exact hue is a half, the
// double worked out for it may lie too far below the half for the 15-digit
// rule to bring it back, and the hue then shows one less: so for 929 colours.
void TestHsl::everyColour()
{
    int belowExact = 0;
    for (ColourNumber c = 0; c <= kMaxColourNumber; ++c) {
        const auto [red, green, blue] = channelsOf(c);
        const int mn = std::min({ red, green, blue });
        const int mx = std::max({ red, green, blue });
        const int span = mx - mn;
        Hsl expected { 0, 0, roundedRatio(8LL * (mn + mx), 17) };
        bool half = false;
        if (span != 0) {
            expected.saturation
                = roundedRatio(240LL * span, mn + mx <= 255 ? mn + mx : 510 - mn - mx);
            long long turn = 0; // span times h
            if (red == mx)
                turn = green - blue;
            if (green == mx)
                turn = 2 * span + blue - red;
            if (blue == mx)
                turn = 4 * span + red - green;
            if (turn < 0)
                turn += 6 * span;
            half = 80 * turn % span == 0 && 80 * turn / span % 2 == 1;
            expected.hue = roundedRatio(40 * turn, span);
        }
        const Hsl actual = hslOf(c);
        if (half && actual.hue == expected.hue - 1) {
            ++belowExact;
            --expected.hue;
        }
        if (actual != expected) {
            QFAIL(qPrintable(QStringLiteral("colour 0x%1: HSL %2, %3, %4, expected %5, %6, %7")
                                 .arg(QString::number(c, 16).rightJustified(6, QLatin1Char('0')))
                                 .arg(actual.hue)
                                 .arg(actual.saturation)
                                 .arg(actual.lightness)
                                 .arg(expected.hue)
                                 .arg(expected.saturation)
                                 .arg(expected.lightness)));
        }
    }
    QCOMPARE(belowExact, 929);
}

QTEST_GUILESS_MAIN(TestHsl)
#include "testhsl.moc"
