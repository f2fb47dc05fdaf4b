// The preview as the user sees and picks it: the colour over the photograph.
#include "windowfixture.h"

class TestTransparencyPreview : public QObject {
    Q_OBJECT
private slots:
    // The photograph's pixels (70, 30) 176, 155, 104 and (10, 40) 74, 83, 54
    // under the colour 162, 129, 255 at transparency t, worked out by hand:
    // (colour * t + photo * (255 - t) + 127) / 255.
    void rightClickPicksThePreviewAsDrawn_data()
    {
        QTest::addColumn<int>("transparency");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("rgb");
        QTest::newRow("opaque") << 255 << QPoint(70, 30) << "162, 129, 255";
        QTest::newRow("clear: the photograph") << 0 << QPoint(70, 30) << "176, 155, 104";
        QTest::newRow("128") << 128 << QPoint(70, 30) << "169, 142, 180";
        QTest::newRow("128 elsewhere") << 128 << QPoint(10, 40) << "118, 106, 155";
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
        QCOMPARE(transparency::PreviewBox::caption(), "COLOR TRANSPARENCY EVALUATION");
    }
};

QTEST_MAIN(TestTransparencyPreview)
#include "tst_transparency_preview.moc"
