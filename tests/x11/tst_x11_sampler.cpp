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

// Every device pixel tells its own parity: a sample one device pixel off, in
// either direction, reads another colour.
QRgb stripe(int x, int y)
{
    static const QRgb colours[2][2]
        = { { qRgb(255, 0, 0), qRgb(0, 0, 255) }, { qRgb(0, 160, 0), qRgb(255, 255, 255) } };
    return colours[y & 1][x & 1];
}

class Stripes : public QWidget {
public:
    Stripes()
    {
        setWindowFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(0, 0, 320, 240);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const qreal ratio = devicePixelRatioF();
        QImage image(size() * ratio, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, stripe(x, y));
        }
        image.setDevicePixelRatio(ratio);
        QPainter(this).drawImage(0, 0, image);
    }
};

QString hex(std::optional<QRgb> c)
{
    return c ? QColor(*c).name() : QStringLiteral("nothing");
}

} // namespace

// Runs at ratio 1 and, registered a second time, with QT_SCALE_FACTOR=2.
class TestX11Sampler : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (const QString why = xdotool::missing(); !why.isEmpty())
            QSKIP(qPrintable(why));
        const qreal wanted = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
            ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
            : 1.0;
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), wanted);
        QCOMPARE(platform::currentScreenReading(), platform::ScreenReading::X11Grab);
        m_stripes.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_stripes));
        // Painted and on the screen: the grab sees the stripes.
        QTRY_COMPARE(hex(m_sampler.pixelAt({ 0, 0 })), hex(stripe(0, 0)));
    }

    void besidePointer_data()
    {
        QTest::addColumn<QPoint>("pointer"); // device pixels
        QTest::newRow("even, even") << QPoint(100, 80);
        QTest::newRow("odd, even") << QPoint(101, 80);
        QTest::newRow("even, odd") << QPoint(100, 81);
        QTest::newRow("odd, odd") << QPoint(101, 81);
        QTest::newRow("near the corner") << QPoint(2, 3);
        QTest::newRow("further on") << QPoint(257, 198);
    }

    void besidePointer()
    {
        QFETCH(QPoint, pointer);
        QVERIFY(xdotool::moveTo(pointer));
        QTRY_COMPARE(platform::devicePointerPosition(), std::optional<QPoint>(pointer));
        const QPoint beside = pointer + QPoint(1, 1);
        QCOMPARE(hex(m_sampler.pixelBesidePointer(m_pointer)), hex(stripe(beside.x(), beside.y())));
    }

    void logicalPositionReadsItsFirstDevicePixel_data()
    {
        QTest::addColumn<QPoint>("logical");
        QTest::newRow("even") << QPoint(40, 30);
        QTest::newRow("odd") << QPoint(41, 31);
    }

    void logicalPositionReadsItsFirstDevicePixel()
    {
        QFETCH(QPoint, logical);
        const int ratio = qRound(m_stripes.devicePixelRatioF());
        QCOMPARE(
            hex(m_sampler.pixelAt(logical)), hex(stripe(logical.x() * ratio, logical.y() * ratio)));
    }

private:
    Stripes m_stripes;
    platform::ScreenGrabSampler m_sampler;
    platform::QtPointer m_pointer;
};

QTEST_MAIN(TestX11Sampler)
#include "tst_x11_sampler.moc"
