// The preview as the user sees and picks it: the colour over the photograph.
#include "transparency/blend.h"
#include "windowfixture.h"

#include <QPainter>

class TestTransparencyPreview : public QObject {
    Q_OBJECT
private slots:
    // The photograph's pixels (70, 30) 176, 155, 104 and (10, 40) 74, 83, 54
    // under the colour 162, 129, 255 at transparency t, worked out by hand:
    // (colour * t + photo * (255 - t)) / 255 to the nearest whole number.
    void rightClickPicksThePreviewAsDrawn_data()
    {
        QTest::addColumn<int>("transparency");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("rgb");
        QTest::newRow("clear: the photograph") << 0 << QPoint(70, 30) << "176, 155, 104";
        QTest::newRow("128") << 128 << QPoint(70, 30) << "169, 142, 180";
        QTest::newRow("40") << 40 << QPoint(10, 40) << "88, 90, 86";
    }

    void rightClickPicksThePreviewAsDrawn()
    {
        QFETCH(int, transparency);
        QFETCH(QPoint, at);
        QFETCH(QString, rgb);
        WindowFixture f;
        auto* preview = f.c().preview;
        // Each redraw starts afresh from the photograph, not from the last drawing.
        for (const int t : { transparency, 200, transparency }) {
            f.c().transparency->setValue(t);
            preview->grab(); // drawn
        }
        QTest::mouseClick(preview, Qt::LeftButton, {}, at); // picks nothing
        QCOMPARE(f.c().notation(colour::Notation::Rgb)->text(), "162, 129, 255");
        QTest::mouseClick(preview, Qt::RightButton, {}, at);
        QCOMPARE(f.c().notation(colour::Notation::Rgb)->text(), rgb);
    }

    // The caption is written in yellow, in the box's font, at its top left, on
    // the photograph and under the colour: fully transparent, it shows as written
    // here; opaque, only the colour shows.
    void captionUnderTheColour()
    {
        QImage photograph(148, 43, QImage::Format_RGB32);
        photograph.fill(qRgb(60, 90, 120));
        transparency::PreviewBox box(photograph);
        box.resize(photograph.size());
        box.setBackColour(qRgb(200, 0, 0));
        box.showTransparency(0);
        QImage written = photograph;
        QPainter painter(&written);
        painter.setFont(box.font());
        painter.setPen(QColor(255, 255, 0));
        painter.drawText(
            QPoint(0, painter.fontMetrics().ascent()), "COLOR TRANSPARENCY EVALUATION");
        painter.end();
        QVERIFY(written != photograph); // a font to write with
        const auto drawn = [&] { return box.grab().toImage().convertToFormat(written.format()); };
        QCOMPARE(drawn(), written);
        box.showTransparency(255);
        written.fill(qRgb(200, 0, 0));
        QCOMPARE(drawn(), written);
    }

    // Every transparency t over every colour and pixel channel value: each
    // channel becomes the whole number nearest to (colour * t + pixel * (255 -
    // t)) / 255, that is within half of 255 of 255 times it. 255 being odd,
    // the quotient is never halfway between two whole numbers.
    void blendIsTheNearestMixEverywhere()
    {
        QImage row(256, 1, QImage::Format_RGB32);
        auto* pixels = reinterpret_cast<QRgb*>(row.scanLine(0));
        for (int t = 0; t <= 255; ++t) {
            for (int c = 0; c <= 255; ++c) {
                for (int p = 0; p <= 255; ++p)
                    pixels[p] = qRgb(p, 255 - p, p);
                // Each channel meets every colour value with every pixel value.
                transparency::blendFlatColour(row, qRgb(c, c, 255 - c), t);
                for (int p = 0; p <= 255; ++p) {
                    const QRgb got = pixels[p];
                    const int channels[3][3] = { { c, p, qRed(got) }, { c, 255 - p, qGreen(got) },
                        { 255 - c, p, qBlue(got) } };
                    for (const auto& [colour, pixel, blended] : channels) {
                        if (qAbs(blended * 255 - (colour * t + pixel * (255 - t))) > 127)
                            QFAIL(qPrintable(QString::asprintf(
                                "colour %d over %d at %d gave %d", colour, pixel, t, blended)));
                    }
                }
            }
        }
    }
};

QTEST_MAIN(TestTransparencyPreview)
#include "tst_transparency_preview.moc"
