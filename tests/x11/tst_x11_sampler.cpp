#include "platform/devicepointer.h"
#include "platform/qtpointer.h"
#include "platform/screengrabsampler.h"
#include "platform/session.h"
#include "xdotool.h"

#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace {

// Every device pixel of the patch has a colour of its own: a sample one pixel
// off in any direction reads another.
QString colourAt(QPoint device)
{
    const int x = device.x(), y = device.y();
    return QColor(x % 256, y % 256, 100 + 50 * (x / 256) + 25 * (y / 256)).name();
}

class Patch : public QWidget {
public:
    Patch()
    {
        setWindowFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(0, 0, 200, 200);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QImage image(size() * devicePixelRatioF(), QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixelColor(x, y, QColor(colourAt({ x, y })));
        }
        image.setDevicePixelRatio(devicePixelRatioF());
        QPainter(this).drawImage(0, 0, image);
    }
};

QString name(std::optional<QRgb> c)
{
    return c ? QColor(*c).name() : QStringLiteral("nothing");
}

} // namespace

// Runs at ratio 1 and, registered a second time, with QT_SCALE_FACTOR=1.5.
class TestX11Sampler : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (const QString why = xdotool::missing(); !why.isEmpty())
            QSKIP(qPrintable(why));
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(),
            qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
        QCOMPARE(platform::currentScreenReading(), platform::ScreenReading::X11Grab);
        m_patch.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_patch));
        QTRY_COMPARE(
            name(m_sampler.pixelAt({ 1, 1 })), colourAt(m_scaled ? QPoint(2, 2) : QPoint(1, 1)));
    }

    void besidePointer_data()
    {
        QTest::addColumn<QPoint>("pointer"); // device pixels
        QTest::newRow("even, even") << QPoint(100, 80);
        QTest::newRow("odd, odd") << QPoint(101, 81);
        QTest::newRow("even, odd") << QPoint(2, 3);
        QTest::newRow("odd, even") << QPoint(197, 196);
    }

    void besidePointer()
    {
        QFETCH(QPoint, pointer);
        QVERIFY(xdotool::moveTo(pointer));
        QTRY_COMPARE(platform::devicePointerPosition(), std::optional<QPoint>(pointer));
        QCOMPARE(name(m_sampler.pixelBesidePointer(m_pointer)), colourAt(pointer + QPoint(1, 1)));
    }

    void logicalPositionReadsItsFirstDevicePixel_data()
    {
        QTest::addColumn<QPoint>("logical");
        QTest::addColumn<QPoint>("device"); // at ratio 1
        QTest::addColumn<QPoint>("scaled"); // at ratio 1.5
        QTest::newRow("even") << QPoint(40, 30) << QPoint(40, 30) << QPoint(60, 45);
        QTest::newRow("odd") << QPoint(41, 31) << QPoint(41, 31) << QPoint(62, 47);
    }

    void logicalPositionReadsItsFirstDevicePixel()
    {
        QFETCH(QPoint, logical);
        QFETCH(QPoint, device);
        QFETCH(QPoint, scaled);
        QCOMPARE(name(m_sampler.pixelAt(logical)), colourAt(m_scaled ? scaled : device));
    }

private:
    Patch m_patch;
    platform::ScreenGrabSampler m_sampler;
    platform::QtPointer m_pointer;
    bool m_scaled = qEnvironmentVariableIsSet("QT_SCALE_FACTOR");
};

QTEST_MAIN(TestX11Sampler)
#include "tst_x11_sampler.moc"
