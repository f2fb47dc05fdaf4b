// The colour logic relies on these scroll-bar notifications; Qt's defaults do
// not give them all, so each is checked here rather than assumed.
#include "channels/channelbar.h"
#include "scrollbarpart.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using channels::ChannelBar;

class TestChannelBar : public QObject {
    Q_OBJECT

    struct Fixture {
        QWidget window;
        ChannelBar* bar = new ChannelBar(&window);
        QSignalSpy changed { bar, &ChannelBar::changed };
        QSignalSpy scrolled { bar, &ChannelBar::scrolled };
        QSignalSpy focused { bar, &ChannelBar::gotFocus };

        Fixture()
        {
            bar->setRange(0, 255);
            bar->setSingleStep(10);
            bar->setPageStep(20);
            bar->setValue(100);
            bar->setGeometry(0, 0, 20, 200); // large enough for a thumb to drag
            window.resize(60, 220);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            changed.clear();
        }

        QRect part(QStyle::SubControl control) const { return scrollBarPart(bar, control); }
    };

private slots:
    void codeChangeIsSynchronousAndOnlyOnRealChange()
    {
        Fixture f;
        int seenInside = -1;
        connect(f.bar, &ChannelBar::changed, this, [&] { seenInside = f.bar->current(); });
        f.bar->setValue(100);
        QCOMPARE(f.changed.count(), 0);
        f.bar->setValue(170);
        QCOMPARE(f.changed.count(), 1); // raised inside setValue, not later
        QCOMPARE(seenInside, 170);
    }

    void nestedSetValueRunsToTheEndInside()
    {
        Fixture f;
        ChannelBar other;
        other.setRange(0, 255);
        QStringList order;
        connect(f.bar, &ChannelBar::changed, this, [&] {
            order << "outer-begin";
            other.setValue(5);
            order << "outer-end";
        });
        connect(&other, &ChannelBar::changed, this, [&] { order << "inner"; });
        f.bar->setValue(30);
        QCOMPARE(order, (QStringList { "outer-begin", "inner", "outer-end" }));
    }

    void arrowClickIsOneChangeOfOneStep()
    {
        Fixture f;
        const QPoint down = f.part(QStyle::SC_ScrollBarAddLine).center();
        QTest::mouseClick(f.bar, Qt::LeftButton, {}, down);
        QCOMPARE(f.bar->value(), 110);
        QCOMPARE(f.changed.count(), 1);
        QCOMPARE(f.scrolled.count(), 0);
    }

    void keyboardStepsRaiseChange()
    {
        Fixture f;
        f.bar->setFocus();
        QTest::keyClick(f.bar, Qt::Key_Down);
        QCOMPARE(f.bar->value(), 110);
        QCOMPARE(f.changed.count(), 1);
    }

    void dragScrollsWithValueFollowingThenChangesOnceAtRelease()
    {
        Fixture f;
        const QPoint grip = f.part(QStyle::SC_ScrollBarSlider).center();
        QList<int> seenWhileDragging;
        connect(f.bar, &ChannelBar::scrolled, this, [&] { seenWhileDragging << f.bar->current(); });
        QTest::mousePress(f.bar, Qt::LeftButton, {}, grip);
        for (int dy = 10; dy <= 40; dy += 10)
            QTest::mouseMove(f.bar, grip + QPoint(0, dy));
        QVERIFY(f.scrolled.count() >= 2);
        QCOMPARE(f.changed.count(), 0);
        QVERIFY(seenWhileDragging.last() > 100);
        const int released = seenWhileDragging.last();
        QTest::mouseRelease(f.bar, Qt::LeftButton, {}, grip + QPoint(0, 40));
        QCOMPARE(f.changed.count(), 1);
        QCOMPARE(f.bar->value(), released);
    }

    void gotFocusOnClickAndTabButNotOnReactivation_data()
    {
        QTest::addColumn<Qt::FocusReason>("reason");
        QTest::addColumn<int>("expected");
        QTest::newRow("click") << Qt::MouseFocusReason << 1;
        QTest::newRow("tab") << Qt::TabFocusReason << 1;
        QTest::newRow("code") << Qt::OtherFocusReason << 1;
        QTest::newRow("window re-activated") << Qt::ActiveWindowFocusReason << 0;
    }

    void gotFocusOnClickAndTabButNotOnReactivation()
    {
        QFETCH(Qt::FocusReason, reason);
        QFETCH(int, expected);
        Fixture f;
        QFocusEvent in(QEvent::FocusIn, reason);
        QCoreApplication::sendEvent(f.bar, &in);
        QCOMPARE(f.focused.count(), expected);
    }

    void takesFocusOnClick()
    {
        Fixture f;
        QLineEdit* other = new QLineEdit(&f.window);
        other->setGeometry(25, 0, 30, 20);
        other->show();
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        other->setFocus();
        QTest::mouseClick(f.bar, Qt::LeftButton, {}, f.part(QStyle::SC_ScrollBarAddLine).center());
        QVERIFY(f.bar->hasFocus());
        QCOMPARE(f.focused.count(), 1);
    }

    void releasePressStopsAutoRepeat()
    {
        Fixture f;
        // A handler that opens a modal box from the change takes the release
        // away from the bar; releasePress stands in for it.
        connect(f.bar, &ChannelBar::changed, f.bar, &ChannelBar::releasePress);
        QTest::mousePress(f.bar, Qt::LeftButton, {}, f.part(QStyle::SC_ScrollBarAddLine).center());
        QTest::qWait(700); // past the 500 ms auto-repeat delay
        QCOMPARE(f.changed.count(), 1);
        QCOMPARE(f.bar->value(), 110);
    }
};

QTEST_MAIN(TestChannelBar)
#include "tst_channelbar.moc"
