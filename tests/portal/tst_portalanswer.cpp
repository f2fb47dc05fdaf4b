#include "platform/portalanswer.h"

#include <QColor>
#include <QTest>
#include <cmath>
#include <limits>

// The portal gives a colour as three fractions; each channel is the nearest
// whole number of 255 times the fraction. Fractions that are no colour at all
// must not turn into one.
class TestPortalAnswer : public QObject {
    Q_OBJECT
private slots:
    void colour_data()
    {
        QTest::addColumn<double>("red");
        QTest::addColumn<double>("green");
        QTest::addColumn<double>("blue");
        QTest::addColumn<QString>("colour"); // empty: no colour

        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("black") << 0.0 << 0.0 << 0.0 << "#000000";
        QTest::newRow("white") << 1.0 << 1.0 << 1.0 << "#ffffff";
        QTest::newRow("byte fractions give their byte")
            << (51 / 255.0) << (102 / 255.0) << (153 / 255.0) << "#336699";
        QTest::newRow("nearest, not cut off") << 0.45 << 0.65 << 0.85 << "#73a6d9";
        QTest::newRow("a half goes up") << 0.5 << (127.49 / 255) << (0.51 / 255) << "#807f01";
        QTest::newRow("negative zero") << -0.0 << 0.0 << 0.0 << "#000000";
        QTest::newRow("above one") << 1.0000001 << 0.0 << 0.0 << "";
        QTest::newRow("below zero") << 0.0 << -0.001 << 0.0 << "";
        QTest::newRow("byte values instead of fractions") << 162.0 << 129.0 << 255.0 << "";
        QTest::newRow("not a number") << 0.5 << 0.5 << nan << "";
        QTest::newRow("infinite") << inf << 0.5 << 0.5 << "";
    }

    void colour()
    {
        QFETCH(double, red);
        QFETCH(double, green);
        QFETCH(double, blue);
        QFETCH(QString, colour);
        const auto got = platform::portalColour(red, green, blue);
        QCOMPARE(got ? QColor(*got).name() : QString(), colour);
    }
};

QTEST_GUILESS_MAIN(TestPortalAnswer)
#include "tst_portalanswer.moc"
