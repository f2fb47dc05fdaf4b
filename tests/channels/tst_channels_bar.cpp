// A dragged bar changes once, at the release; where a column's pieces stand for a value.
#include "channels/channelbar.h"
#include "channels/columngeometry.h"
#include "scrollbarpart.h"

#include <QSignalSpy>
#include <QTest>

using channels::ChannelBar;

class TestChannelsBar : public QObject {
    Q_OBJECT
private slots:
    void dragScrollsThenChangesOnceAtTheRelease()
    {
        ChannelBar bar;
        bar.setRange(0, 255);
        bar.setValue(100);
        bar.resize(20, 200); // room for a thumb to drag
        bar.show();
        QSignalSpy changed(&bar, &ChannelBar::changed);
        QSignalSpy scrolled(&bar, &ChannelBar::scrolled);
        const QPoint grip = scrollBarPart(&bar, QStyle::SC_ScrollBarSlider).center();
        QTest::mousePress(&bar, Qt::LeftButton, {}, grip);
        for (int dy = 10; dy <= 40; dy += 10)
            QTest::mouseMove(&bar, grip + QPoint(0, dy));
        QVERIFY(scrolled.count() >= 2);
        QCOMPARE(changed.count(), 0);
        const int dragged = bar.current();
        QVERIFY(dragged > 100);
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, grip + QPoint(0, 40));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(bar.value(), dragged);
    }

    // In twips; the bottom oval of red, blue and the master lies at 1140, green's at 1125.
    void columnPieces_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("bottomOval");
        QTest::addColumn<float>("bodyHeight");
        QTest::addColumn<float>("bodyTop");
        QTest::addColumn<float>("surfaceTop");
        QTest::newRow("128") << 128 << 1140 << 336.176f << 863.824f << 833.824f;
        QTest::newRow("244 rests on the bottom") << 244 << 1140 << 29.118f << 1170.882f << 1140.f;
        QTest::newRow("255") << 255 << 1140 << 0.f << 1200.f << 1140.f;
        QTest::newRow("green 238 meets its oval") << 238 << 1125 << 45.f << 1155.f << 1125.f;
    }

    void columnPieces()
    {
        QFETCH(int, value);
        QFETCH(int, bottomOval);
        channels::ColumnDesign column;
        column.background = QRect(600, 570, 465, 675);
        column.rim = QRect(600, 495, 465, 165);
        column.bottom = QRect(600, bottomOval, 465, 165);
        QFETCH(float, bodyHeight);
        QFETCH(float, bodyTop);
        QFETCH(float, surfaceTop);
        const auto p = channels::columnPieces(value, 255, column);
        const std::tuple<const char*, float, float> pieces[]
            = { { "body height", p.bodyHeight, bodyHeight }, { "body top", p.bodyTop, bodyTop },
                  { "surface top", p.surfaceTop, surfaceTop } };
        for (const auto& [piece, got, want] : pieces) // to the thousandth the table gives
            QVERIFY2(qAbs(got - want) < 0.001f,
                qPrintable(QString("%1 %2, not %3").arg(piece).arg(got).arg(want)));
    }
};

QTEST_MAIN(TestChannelsBar)
#include "tst_channels_bar.moc"
