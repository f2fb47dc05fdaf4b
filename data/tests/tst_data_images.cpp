// The images the window loads, at the resource paths and sizes it relies on;
// the colour count catches a generator change that draws one empty or flat.
#include <QImage>
#include <QSet>
#include <QTest>

class TestDataImages : public QObject {
    Q_OBJECT

private slots:
    void loads_data();
    void loads();
};

void TestDataImages::loads_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("alpha");
    QTest::addColumn<int>("minColours");

    QTest::newRow("photo") << ":/marivell/photo.png" << QSize(217, 69) << false << 2000;
    QTest::newRow("pipette") << ":/marivell/pipette.png" << QSize(25, 25) << false << 8;
    for (const int size : { 16, 22, 24, 32, 48, 64, 128, 256 })
        QTest::addRow("icon %d", size)
            << QStringLiteral(":/marivell/icon-%1.png").arg(size) << QSize(size, size) << true << 8;
}

void TestDataImages::loads()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(bool, alpha);
    QFETCH(int, minColours);

    const QImage image(path);
    QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel(), alpha);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    QVERIFY2(colours.size() >= minColours, qPrintable(QString::number(colours.size())));
}

QTEST_GUILESS_MAIN(TestDataImages)
#include "tst_data_images.moc"
