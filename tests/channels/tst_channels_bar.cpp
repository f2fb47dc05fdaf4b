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
        QTest::addColumn<float>("bottomOval");
        QTest::addColumn<QList<float>>("heightTopSurface");
        QTest::newRow("0") << 0 << 1140.f << QList<float> { 675, 525, 495 };
        QTest::newRow("128") << 128 << 1140.f << QList<float> { 336.176f, 863.824f, 833.824f };
        QTest::newRow("244 rests on the bottom")
            << 244 << 1140.f << QList<float> { 29.118f, 1170.882f, 1140 };
        QTest::newRow("255") << 255 << 1140.f << QList<float> { 0, 1200, 1140 };
        QTest::newRow("green 238 meets its oval")
            << 238 << 1125.f << QList<float> { 45, 1155, 1125 };
    }

    void columnPieces()
    {
        QFETCH(int, value);
        QFETCH(float, bottomOval);
        QFETCH(QList<float>, heightTopSurface);
        channels::ColumnDesign column;
        column.background = QRect(600, 570, 465, 675);
        column.rim = QRect(600, 495, 465, 165);
        column.bottom = QRect(600, int(bottomOval), 465, 165);
        const auto p = channels::columnPieces(value, 255, column);
        const QList<float> got { p.bodyHeight, p.bodyTop, p.surfaceTop };
        for (int i = 0; i < 3; ++i)
            QVERIFY2(
                qAbs(got[i] - heightTopSurface[i]) < 0.001f, qPrintable(QString::number(got[i])));
    }
};

QTEST_MAIN(TestChannelsBar)
#include "tst_channels_bar.moc"
