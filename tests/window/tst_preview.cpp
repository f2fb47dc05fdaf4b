#include "transparency/blend.h"
#include "windowfixture.h"

#include <QTest>

class TestPreview : public QObject {
    Q_OBJECT

    static void moveTransparency(WindowFixture& f, int value)
    {
        auto* slider = f.c().transparency;
        slider->setValue(value == 1 ? 2 : 1); // make sure the final move is a real change
        slider->setValue(value);
    }

    // What the preview shows on screen.
    static QImage shownPreview(const WindowFixture& f)
    {
        return f.c().preview->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void kmlAlpha_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("transparency");
        QTest::addColumn<QString>("expected");
        QTest::newRow("six digits get the alpha in front") << "5c7aa2" << 128 << "805c7aa2";
        QTest::newRow("eight digits: the alpha is replaced") << "ff5c7aa2" << 0 << "005c7aa2";
        QTest::newRow("typed text keeps its case") << "xxAB12CD" << 15 << "0fAB12CD";
        QTest::newRow("16 gives 10") << "ff5c7aa2" << 16 << "105c7aa2";
        QTest::newRow("empty stays empty") << "" << 200 << "";
        QTest::newRow("seven characters stay") << "ff5c7aa" << 200 << "ff5c7aa";
        QTest::newRow("nine characters stay") << "ff5c7aa2f" << 200 << "ff5c7aa2f";
    }

    void kmlAlpha()
    {
        QFETCH(QString, box);
        QFETCH(int, transparency);
        QFETCH(QString, expected);
        WindowFixture f;
        const QStringList before = f.notations();
        moveTransparency(f, transparency == 200 ? 199 : 100); // any value; the box is set next
        f.c().kml->setText(box);
        f.c().transparency->setValue(transparency);
        QCOMPARE(f.c().kml->text(), expected);
        QCOMPARE(f.notations().mid(0, 7), before.mid(0, 7)); // only the KML box changes
        QVERIFY(f.desktop.messages.shown.isEmpty());
    }

    void opaquePreviewIsTheFlatColour()
    {
        WindowFixture f;
        const QImage image = shownPreview(f);
        QVERIFY(!image.isNull());
        for (int y = 0; y < image.height(); y += 7)
            for (int x = 0; x < image.width(); x += 11)
                QCOMPARE(image.pixel(x, y) & RGB_MASK, qRgb(162, 129, 255) & RGB_MASK);
    }

    void clearPreviewIsPhotographAndCaption()
    {
        WindowFixture f;
        moveTransparency(f, 0);
        const QImage photo
            = QImage(QStringLiteral(":/marivell/photo.png")).convertToFormat(QImage::Format_RGB32);
        const QImage image = shownPreview(f);
        QVERIFY(!photo.isNull());
        // Below the caption line the photograph shows unchanged.
        for (int y = 20; y < image.height(); y += 5)
            for (int x = 0; x < image.width(); x += 9)
                QCOMPARE(image.pixel(x, y) & RGB_MASK, photo.pixel(x, y) & RGB_MASK);
        // The caption is drawn in yellow in the top line.
        bool yellow = false;
        for (int y = 0; y < 14 && !yellow; ++y)
            for (int x = 0; x < image.width() && !yellow; ++x)
                yellow = (image.pixel(x, y) & RGB_MASK) == (qRgb(255, 255, 0) & RGB_MASK);
        QVERIFY(yellow);
    }

    void blendRounding_data()
    {
        QTest::addColumn<QRgb>("below");
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<int>("alpha");
        QTest::addColumn<QRgb>("expected");
        QTest::newRow("half red over black")
            << qRgb(0, 0, 0) << qRgb(255, 0, 0) << 128 << qRgb(128, 0, 0);
        QTest::newRow("opaque") << qRgb(10, 20, 30) << qRgb(1, 2, 3) << 255 << qRgb(1, 2, 3);
        QTest::newRow("clear") << qRgb(10, 20, 30) << qRgb(1, 2, 3) << 0 << qRgb(10, 20, 30);
        QTest::newRow("white over black at 1")
            << qRgb(0, 0, 0) << qRgb(255, 255, 255) << 1 << qRgb(1, 1, 1);
        QTest::newRow("quarter") << qRgb(200, 100, 0) << qRgb(0, 100, 200) << 64
                                 << qRgb(150, 100, 50);
    }

    void blendRounding()
    {
        QFETCH(QRgb, below);
        QFETCH(QRgb, colour);
        QFETCH(int, alpha);
        QFETCH(QRgb, expected);
        QImage image(3, 2, QImage::Format_RGB32);
        image.fill(below);
        transparency::blendFlatColour(image, colour, alpha);
        QCOMPARE(QString::number(image.pixel(2, 1) & RGB_MASK, 16),
            QString::number(expected & RGB_MASK, 16));
    }

    void settingTheColourErasesThePreview()
    {
        WindowFixture f;
        f.window.showColour(f.c().hexaVb->text().mid(2).chopped(1).toInt(nullptr, 16));
        const QImage photo
            = QImage(QStringLiteral(":/marivell/photo.png")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shownPreview(f).pixel(5, 30), photo.pixel(5, 30));
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
