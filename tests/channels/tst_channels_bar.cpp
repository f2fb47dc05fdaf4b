// The scroll-bar notifications the colour logic is built on (Qt's defaults
// do not give them all), and where a column's pieces stand for a value.
#include "channels/channelbar.h"
#include "channels/columngeometry.h"
#include "scrollbarpart.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using channels::ChannelBar;

struct BarRig {
    QWidget window;
    QLineEdit* other = new QLineEdit(&window);
    ChannelBar* bar = new ChannelBar(&window);
    QSignalSpy changed { bar, &ChannelBar::changed };
    QSignalSpy scrolled { bar, &ChannelBar::scrolled };
    QSignalSpy focused { bar, &ChannelBar::gotFocus };

    BarRig()
    {
        bar->setRange(0, 255);
        bar->setValue(100);
        bar->setGeometry(0, 0, 20, 200); // room for a thumb to drag
        other->setGeometry(25, 0, 30, 20);
        window.show();
        window.activateWindow();
        changed.clear();
    }
};

class TestChannelsBar : public QObject {
    Q_OBJECT
private slots:
    void dragScrollsThenChangesOnceAtTheRelease()
    {
        BarRig r;
        const QPoint grip = scrollBarPart(r.bar, QStyle::SC_ScrollBarSlider).center();
        QTest::mousePress(r.bar, Qt::LeftButton, {}, grip);
        for (int dy = 10; dy <= 40; dy += 10)
            QTest::mouseMove(r.bar, grip + QPoint(0, dy));
        QVERIFY(r.scrolled.count() >= 2);
        QCOMPARE(r.changed.count(), 0);
        const int dragged = r.bar->current();
        QVERIFY(dragged > 100);
        QTest::mouseRelease(r.bar, Qt::LeftButton, {}, grip + QPoint(0, 40));
        QCOMPARE(r.changed.count(), 1);
        QCOMPARE(r.bar->value(), dragged);
    }

    void gotFocus_data()
    {
        QTest::addColumn<Qt::FocusReason>("reason");
        QTest::addColumn<int>("expected");
        QTest::newRow("a real click") << Qt::MouseFocusReason << 1;
        QTest::newRow("tab") << Qt::TabFocusReason << 1;
        QTest::newRow("code") << Qt::OtherFocusReason << 1;
        QTest::newRow("window re-activated") << Qt::ActiveWindowFocusReason << 0;
    }

    void gotFocus()
    {
        QFETCH(Qt::FocusReason, reason);
        QFETCH(int, expected);
        BarRig r;
        QVERIFY(QTest::qWaitForWindowActive(&r.window));
        r.other->setFocus();
        QFocusEvent in(QEvent::FocusIn, reason);
        if (reason == Qt::MouseFocusReason) // a click on an arrow must take the focus
            QTest::mouseClick(r.bar, Qt::LeftButton, {},
                scrollBarPart(r.bar, QStyle::SC_ScrollBarAddLine).center());
        else
            QCoreApplication::sendEvent(r.bar, &in);
        QCOMPARE(r.focused.count(), expected);
    }

    // In twips; the bottom oval of red, blue and the master lies at 1140, green's at 1125.
    void columnPieces_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<float>("bottomOval");
        QTest::addColumn<float>("height");
        QTest::addColumn<float>("top");
        QTest::addColumn<float>("surface");
        QTest::newRow("0") << 0 << 1140.f << 675.f << 525.f << 495.f;
        QTest::newRow("128") << 128 << 1140.f << 336.176f << 863.824f << 833.824f;
        QTest::newRow("244 rests on the bottom") << 244 << 1140.f << 29.118f << 1170.882f << 1140.f;
        QTest::newRow("255") << 255 << 1140.f << 0.f << 1200.f << 1140.f;
        QTest::newRow("green 238 meets its oval") << 238 << 1125.f << 45.f << 1155.f << 1125.f;
    }

    void columnPieces()
    {
        QFETCH(int, value);
        QFETCH(float, bottomOval);
        QFETCH(float, height);
        QFETCH(float, top);
        QFETCH(float, surface);
        const auto p = channels::columnPieces(value, 255, bottomOval);
        const float got[] = { p.bodyHeight, p.bodyTop, p.surfaceTop };
        const float want[] = { height, top, surface };
        for (int i = 0; i < 3; ++i)
            QVERIFY2(qAbs(got[i] - want[i]) < 0.001f, qPrintable(QString::number(got[i])));
    }
};

QTEST_MAIN(TestChannelsBar)
#include "tst_channels_bar.moc"
