#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

// The window relies on these resource paths and sizes; the checks below also
// catch a generator change that renders an image empty, flat or off-palette.
class ImagesTest : public QObject {
    Q_OBJECT

private slots:
    void loads_data();
    void loads();
    void pipetteSitsOnTheWindowColour();
    void iconShowsThePaints_data();
    void iconShowsThePaints();
    void svgIconIsSquare();
};

namespace {

int distinctColours(const QImage& image)
{
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            seen.insert(image.pixel(x, y));
    return int(seen.size());
}

const int iconSizes[] = { 16, 22, 24, 32, 48, 64, 128, 256 };

} // namespace

void ImagesTest::loads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("alpha");
    QTest::addColumn<int>("minColours");
    QTest::addColumn<int>("maxColours");

    QTest::newRow("photo") << ":/marivell/photo.png" << QSize(217, 69) << false << 2000
                           << (1 << 24);
    QTest::newRow("pipette") << ":/marivell/pipette.png" << QSize(25, 25) << false << 8
                             << (1 << 24);
    for (int size : iconSizes)
        QTest::addRow("icon-%d", size) << QStringLiteral(":/marivell/icon-%1.png").arg(size)
                                       << QSize(size, size) << true << 8 << (1 << 24);
}

void ImagesTest::loads()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, alpha);
    QFETCH(int, minColours);
    QFETCH(int, maxColours);

    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel(), alpha);
    const int colours = distinctColours(image);
    QVERIFY2(colours >= minColours, qPrintable(QString::number(colours)));
    QVERIFY2(colours <= maxColours, qPrintable(QString::number(colours)));
}

void ImagesTest::pipetteSitsOnTheWindowColour()
{
    const QImage image(":/marivell/pipette.png");
    const QRgb face = qRgb(212, 208, 200); // the window's background
    QCOMPARE(QColor(image.pixel(3, 3)), QColor(face));
    QCOMPARE(QColor(image.pixel(21, 21)), QColor(face));
    // A raised button: lit from the top left.
    QVERIFY(qGray(image.pixel(12, 0)) > qGray(face));
    QVERIFY(qGray(image.pixel(0, 12)) > qGray(face));
    QVERIFY(qGray(image.pixel(12, 24)) < qGray(face));
    QVERIFY(qGray(image.pixel(24, 12)) < qGray(face));
}

void ImagesTest::iconShowsThePaints_data()
{
    QTest::addColumn<int>("size");
    for (int size : iconSizes)
        QTest::addRow("%d px", size) << size;
}

void ImagesTest::iconShowsThePaints()
{
    QFETCH(int, size);
    const QImage image = QImage(QStringLiteral(":/marivell/icon-%1.png").arg(size))
                             .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size - 1, 0)), 0);

    int magenta = 0, yellow = 0, cyan = 0, opaque = 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) < 250)
                continue;
            ++opaque;
            const int r = qRed(p), g = qGreen(p), b = qBlue(p);
            magenta += r > 180 && g < 80 && b > 80;
            yellow += r > 200 && g > 180 && b < 80;
            cyan += r < 80 && g > 120 && b > 180;
        }
    }
    const int area = size * size;
    QVERIFY2(
        opaque > area / 4, qPrintable(QStringLiteral("opaque %1 of %2").arg(opaque).arg(area)));
    // Each paint covers at least about 2 % of the icon, even at 16 px.
    QVERIFY2(magenta * 50 >= area, qPrintable(QString::number(magenta)));
    QVERIFY2(yellow * 50 >= area, qPrintable(QString::number(yellow)));
    QVERIFY2(cyan * 50 >= area, qPrintable(QString::number(cyan)));
}

void ImagesTest::svgIconIsSquare()
{
    QFile file(QStringLiteral(MARIVELL_DATA_DIR "/icons/icon.svg")); // installed, not packed
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name(), QLatin1String("svg"));
    QCOMPARE(xml.attributes().value("viewBox"), QLatin1String("0 0 256 256"));
    int paths = 0;
    while (xml.readNextStartElement()) {
        paths += xml.name() == QLatin1String("path");
        xml.skipCurrentElement();
    }
    QVERIFY(!xml.hasError());
    QVERIFY(paths > 10);
}

QTEST_GUILESS_MAIN(ImagesTest)
#include "imagestest.moc"
