#include "platform/devicepointer.h"
#include "platform/qtpointer.h"
#include "platform/screengrabsampler.h"
#include "platform/session.h"

#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QTest>

namespace {

// Every device pixel of the patch has a colour of its own: a sample one pixel
// off in any direction reads another.
QString colourAt(QPoint device)
{
    const int x = device.x(), y = device.y();
    return QColor(x % 256, y % 256, 100 + 50 * (x / 256) + 25 * (y / 256)).name();
}

QString name(std::optional<QRgb> c)
{
    return c ? QColor(*c).name() : QStringLiteral("nothing");
}

} // namespace

// Runs at ratio 1 and, registered a second time, with QT_SCALE_FACTOR=1.5.
class TestX11Sampler : public QObject {
    Q_OBJECT
    QLabel m_patch { nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint };
    platform::ScreenGrabSampler m_sampler;

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != "xcb" || QProcess::execute("xdotool", { "version" }))
            QSKIP("needs an X server (run through with-x11) and xdotool");
        const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
        QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
        QCOMPARE(platform::currentScreenReading(), platform::ScreenReading::X11Grab);
        QImage image(300, 300, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                image.setPixelColor(x, y, QColor(colourAt({ x, y })));
        }
        image.setDevicePixelRatio(ratio);
        m_patch.setPixmap(QPixmap::fromImage(image));
        m_patch.move(0, 0);
        m_patch.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_patch));
    }

    void besidePointer_data()
    {
        QTest::addColumn<QPoint>("pointer"); // device pixels
        QTest::newRow("even, even") << QPoint(100, 80);
        QTest::newRow("odd, odd") << QPoint(101, 81);
        QTest::newRow("even, odd") << QPoint(2, 3);
        QTest::newRow("odd, even") << QPoint(259, 196);
    }

    void besidePointer()
    {
        QFETCH(QPoint, pointer);
        // Never --sync: it hangs when the pointer is already there.
        QProcess::execute(
            "xdotool", { "mousemove", QString::number(pointer.x()), QString::number(pointer.y()) });
        QTRY_COMPARE(platform::devicePointerPosition(), std::optional<QPoint>(pointer));
        QTRY_COMPARE(name(m_sampler.pixelBesidePointer(platform::QtPointer())),
            colourAt(pointer + QPoint(1, 1)));
    }
};

QTEST_MAIN(TestX11Sampler)
#include "tst_x11_sampler.moc"
