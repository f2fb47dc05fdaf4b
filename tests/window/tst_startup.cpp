#include "windowfixture.h"

#include <QSignalSpy>
#include <QTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void endsInTheDesignedState()
    {
        WindowFixture f;
        QCOMPARE(f.channels(), (QList<int> { 162, 129, 255 }));
        QCOMPARE(f.boxes(), (QStringList { "162", "129", "255" }));
        QCOMPARE(f.c().preview->backColour(), qRgb(162, 129, 255));
        QCOMPARE(f.notations(),
            (QStringList { "162, 129, 255", "&HFF81A2&", "16744866", "#A281FF", "93, 126, 0",
                "93, 126, 0, 0", "170, 240, 181", "ffff81a2" }));
        QCOMPARE(f.c().master->value(), 128);
        QCOMPARE(f.c().masterColumn->level(), 128);
        QCOMPARE(f.c().transparency->value(), 255);
        QVERIFY(!f.window.pickerActive());
        QVERIFY(!f.c().pickerButton->isChecked());
        QVERIFY(f.window.isVisible());
        QVERIFY(f.window.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(f.window.focusWidget(), f.c().channelBoxes[0]);
        QVERIFY(f.desktop.messages.shown.isEmpty()); // the picker lock never fires at start-up
    }

    void chainRunsOneRiseOfTheMaster()
    {
        // The stored channel texts 127 and 255 enter the first colour, which
        // only happens through the exact nesting of the change handling.
        WindowFixture f(false);
        QList<QSignalSpy*> spies;
        for (int i = 0; i < 4; ++i)
            spies << new QSignalSpy(f.bar(i), &channels::ChannelBar::changed);
        f.window.start();
        QCOMPARE(spies[3]->count(), 1); // one master step
        QCOMPARE(spies[0]->count(), 1); // 160 -> 162
        QCOMPARE(spies[1]->count(), 2); // 120 -> 127 (nested), 127 -> 129
        QCOMPARE(spies[2]->count(), 1); // 90 -> 255 (nested), then cannot rise
        qDeleteAll(spies);
    }

    void columnsShowTheStartColour()
    {
        WindowFixture f;
        QCOMPARE(f.c().channelColumns[0]->level(), 162);
        QCOMPARE(f.c().channelColumns[1]->level(), 129);
        QCOMPARE(f.c().channelColumns[2]->level(), 255);
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
