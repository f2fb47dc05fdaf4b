#include "platform/grabplan.h"

#include <QTest>

using platform::ScreenArea;
using Screens = QList<ScreenArea>;

namespace {

const ScreenArea kPlain { { 0, 0, 1920, 1080 }, 1 };
const ScreenArea kRight { { 1920, 0, 1280, 1024 }, 1 };
const ScreenArea kAbove { { 0, -800, 1280, 800 }, 1 };
const ScreenArea kDoubleLeft { { -3840, 0, 1920, 1080 }, 2 }; // a 3840 x 2160 panel
// 1281 x 721 logical pixels at 1.5 are 1921.5 x 1081.5 device pixels: Qt's 1922 x 1082.
const ScreenArea kOneAndAHalf { { 0, 0, 1281, 721 }, 1.5 };

} // namespace

// The grab must land on the very device pixel asked for: one logical pixel of a
// scaled screen covers several device pixels, and grabWindow takes coordinates
// relative to the screen, not the desktop.
class TestPlatformScreen : public QObject {
    Q_OBJECT
private slots:
    void plan_data()
    {
        QTest::addColumn<Screens>("screens");
        QTest::addColumn<QPoint>("device");
        QTest::addColumn<int>("screen"); // -1: no plan
        QTest::addColumn<QPoint>("logical");
        QTest::addColumn<QPoint>("pixel");
        QTest::newRow("second screen")
            << Screens { kPlain, kRight } << QPoint(1930, 5) << 1 << QPoint(10, 5) << QPoint(0, 0);
        QTest::newRow("above the origin")
            << Screens { kPlain, kAbove } << QPoint(3, -1) << 1 << QPoint(3, 799) << QPoint(0, 0);
        QTest::newRow("ratio 2, odd x, even y")
            << Screens { kPlain, kDoubleLeft } << QPoint(-3835, 4) << 1 << QPoint(2, 2)
            << QPoint(1, 0);
        QTest::newRow("ratio 1.5, second pixel of a logical one")
            << Screens { kOneAndAHalf } << QPoint(4, 5) << 0 << QPoint(2, 3) << QPoint(1, 0);
        QTest::newRow("ratio 1.5, last device column")
            << Screens { kOneAndAHalf } << QPoint(1921, 1081) << 0 << QPoint(1280, 720)
            << QPoint(1, 1);
        QTest::newRow("past the right edge")
            << Screens { kPlain } << QPoint(1925, 1080) << 0 << QPoint(1919, 1079) << QPoint(0, 0);
        QTest::newRow("left of every screen")
            << Screens { kPlain, kRight } << QPoint(-9, 2) << 0 << QPoint(0, 2) << QPoint(0, 0);
        QTest::newRow("below the shorter screen")
            << Screens { kPlain, kRight } << QPoint(2000, 1050) << 1 << QPoint(80, 1023)
            << QPoint(0, 0);
        QTest::newRow("no screen") << Screens {} << QPoint(0, 0) << -1 << QPoint() << QPoint();
    }

    void plan()
    {
        QFETCH(Screens, screens);
        QFETCH(QPoint, device);
        QFETCH(int, screen);
        const auto plan = platform::planGrab(device, screens);
        QCOMPARE(plan ? plan->screen : -1, screen);
        if (plan) {
            QTEST(plan->logical, "logical");
            QTEST(plan->pixel, "pixel");
        }
    }

    void toDevice_data()
    {
        QTest::addColumn<Screens>("screens");
        QTest::addColumn<QPoint>("logical");
        QTest::addColumn<QPoint>("device");
        QTest::newRow("ratio 2 left of the origin")
            << Screens { kPlain, kDoubleLeft } << QPoint(-3839, 1) << QPoint(-3838, 2);
        // Logical pixel 1 covers device pixels 1.5 to 3: the first whole one is 2.
        QTest::newRow("ratio 1.5") << Screens { kOneAndAHalf } << QPoint(1, 3) << QPoint(2, 5);
    }

    void toDevice()
    {
        QFETCH(Screens, screens);
        QFETCH(QPoint, logical);
        QFETCH(QPoint, device);
        QCOMPARE(platform::toDevice(logical, screens), std::optional<QPoint>(device));
    }
};

QTEST_GUILESS_MAIN(TestPlatformScreen)
#include "tst_platform_screen.moc"
