#include "platform/grabplan.h"

#include <QTest>

using platform::ScreenArea;
using Screens = QList<ScreenArea>;
Q_DECLARE_METATYPE(Screens)

namespace {

const ScreenArea kPlain { { 0, 0, 1920, 1080 }, 1 };
const ScreenArea kRight { { 1920, 0, 1280, 1024 }, 1 };
const ScreenArea kLeftOfOrigin { { -1280, 0, 1280, 1024 }, 1 };
const ScreenArea kAbove { { 0, -800, 1280, 800 }, 1 };
// A 3840 x 2160 panel at a ratio of 2: 1920 x 1080 logical pixels.
const ScreenArea kDouble { { 0, 0, 1920, 1080 }, 2 };
const ScreenArea kDoubleLeft { { -3840, 0, 1920, 1080 }, 2 };
const ScreenArea kOneAndAHalf { { 0, 0, 1280, 720 }, 1.5 };

} // namespace

// The grab must land on the very device pixel asked for: one logical pixel of
// a scaled screen covers several device pixels, and a grab of a logical pixel
// in global instead of screen coordinates misses on every screen but the first.
class TestGrabPlan : public QObject {
    Q_OBJECT
private slots:
    void plan_data()
    {
        QTest::addColumn<Screens>("screens");
        QTest::addColumn<QPoint>("device");
        QTest::addColumn<int>("screen");
        QTest::addColumn<QPoint>("logical");
        QTest::addColumn<QPoint>("pixel");

        QTest::newRow("plain") << Screens { kPlain } << QPoint(11, 21) << 0 << QPoint(11, 21)
                               << QPoint(0, 0);
        QTest::newRow("second screen, its own coordinates")
            << Screens { kPlain, kRight } << QPoint(1930, 5) << 1 << QPoint(10, 5) << QPoint(0, 0);
        QTest::newRow("screen left of the origin")
            << Screens { kPlain, kLeftOfOrigin } << QPoint(-1270, 5) << 1 << QPoint(10, 5)
            << QPoint(0, 0);
        QTest::newRow("screen above the origin")
            << Screens { kPlain, kAbove } << QPoint(3, -1) << 1 << QPoint(3, 799) << QPoint(0, 0);
        QTest::newRow("ratio 2, even device pixel")
            << Screens { kDouble } << QPoint(10, 20) << 0 << QPoint(5, 10) << QPoint(0, 0);
        QTest::newRow("ratio 2, odd device pixel")
            << Screens { kDouble } << QPoint(11, 21) << 0 << QPoint(5, 10) << QPoint(1, 1);
        QTest::newRow("ratio 2, odd column, even row")
            << Screens { kDouble } << QPoint(3839, 2158) << 0 << QPoint(1919, 1079) << QPoint(1, 0);
        QTest::newRow("ratio 2 left of the origin")
            << Screens { kPlain, kDoubleLeft } << QPoint(-3835, 3) << 1 << QPoint(2, 1)
            << QPoint(1, 1);
        QTest::newRow("ratio 1.5")
            << Screens { kOneAndAHalf } << QPoint(4, 5) << 0 << QPoint(2, 3) << QPoint(1, 0);
        QTest::newRow("past the right edge: last column")
            << Screens { kPlain } << QPoint(1920, 1080) << 0 << QPoint(1919, 1079) << QPoint(0, 0);
        QTest::newRow("below the shorter screen: onto the nearest") << Screens { kPlain,
            kRight } << QPoint(2000, 1050) << 1 << QPoint(80, 1023) << QPoint(0, 0);
    }

    void plan()
    {
        QFETCH(Screens, screens);
        QFETCH(QPoint, device);
        QFETCH(int, screen);
        QFETCH(QPoint, logical);
        QFETCH(QPoint, pixel);
        const auto plan = platform::planGrab(device, screens);
        QVERIFY(plan);
        QCOMPARE(plan->screen, screen);
        QCOMPARE(plan->logical, logical);
        QCOMPARE(plan->pixel, pixel);
    }

    void noScreenNoPlan()
    {
        QVERIFY(!platform::planGrab({ 0, 0 }, {}));
        QVERIFY(!platform::planGrab({ 0, 0 }, { ScreenArea { { 0, 0, 0, 0 }, 1 } }));
    }

    void toDevice_data()
    {
        QTest::addColumn<Screens>("screens");
        QTest::addColumn<QPoint>("logical");
        QTest::addColumn<QPoint>("device");
        QTest::newRow("plain") << Screens { kPlain } << QPoint(7, 9) << QPoint(7, 9);
        QTest::newRow("ratio 2") << Screens { kDouble } << QPoint(7, 9) << QPoint(14, 18);
        QTest::newRow("ratio 2 left of the origin")
            << Screens { kPlain, kDoubleLeft } << QPoint(-3839, 1) << QPoint(-3838, 2);
    }

    void toDevice()
    {
        QFETCH(Screens, screens);
        QFETCH(QPoint, logical);
        QFETCH(QPoint, device);
        QCOMPARE(platform::toDevice(logical, screens), std::optional<QPoint>(device));
    }
};

QTEST_GUILESS_MAIN(TestGrabPlan)
#include "tst_grabplan.moc"
