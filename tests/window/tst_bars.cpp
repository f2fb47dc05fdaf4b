#include "channels/columngeometry.h"
#include "picker/screenpicker.h"
#include "windowfixture.h"

#include <QTest>

using Channels = QList<int>;
Q_DECLARE_METATYPE(Channels)

class TestBars : public QObject {
    Q_OBJECT
private slots:
    void channelBarRefreshesEverything()
    {
        WindowFixture f;
        f.bar(0)->setValue(0);
        QCOMPARE(f.boxes().first(), "0");
        QCOMPARE(f.c().channelColumns[0]->level(), 0);
        QCOMPARE(f.notations().first(), "0, 129, 255");
        QCOMPARE(f.notations().last(), "ffff8100");
        QCOMPARE(f.c().preview->backColour(), qRgb(0, 129, 255));
    }

    void masterStep_data()
    {
        QTest::addColumn<Channels>("before");
        QTest::addColumn<int>("master");
        QTest::addColumn<Channels>("after");
        QTest::addColumn<int>("prevMaster"); // after the step
        QTest::newRow("rise") << Channels { 160, 120, 90 } << 129 << Channels { 162, 122, 92 }
                              << 129;
        QTest::newRow("fall") << Channels { 160, 120, 90 } << 127 << Channels { 158, 118, 88 }
                              << 127;
        QTest::newRow("a big move is still one step")
            << Channels { 160, 120, 90 } << 200 << Channels { 162, 122, 92 } << 200;
        QTest::newRow("1 snaps to 0 first")
            << Channels { 1, 5, 0 } << 127 << Channels { 0, 3, 0 } << 127;
        QTest::newRow("3 falls to 1, not 0")
            << Channels { 3, 100, 100 } << 127 << Channels { 1, 98, 98 } << 127;
        QTest::newRow("all at 0: ends early")
            << Channels { 1, 0, 0 } << 127 << Channels { 0, 0, 0 } << 128;
        QTest::newRow("254 snaps to 255 first")
            << Channels { 254, 255, 100 } << 129 << Channels { 255, 255, 102 } << 129;
        QTest::newRow("all at 255: ends early")
            << Channels { 255, 255, 254 } << 129 << Channels { 255, 255, 255 } << 128;
    }

    void masterStep()
    {
        QFETCH(Channels, before);
        QFETCH(int, master);
        QFETCH(Channels, after);
        QFETCH(int, prevMaster);
        WindowFixture f;
        f.setColour(before[0], before[1], before[2]);
        QCOMPARE(f.channels(), before);
        f.c().master->setValue(master);
        QCOMPARE(f.channels(), after);
        QCOMPARE(f.boxes(),
            (QStringList {
                QString::number(after[0]), QString::number(after[1]), QString::number(after[2]) }));
        QCOMPARE(f.c().masterColumn->level(), prevMaster);
        QCOMPARE(f.notations().first(),
            QStringLiteral("%1, %2, %3").arg(after[0]).arg(after[1]).arg(after[2]));
    }

    void draggedMasterStepsOncePerScroll()
    {
        WindowFixture f;
        f.setColour(160, 120, 90);
        auto* master = f.c().master;
        master->setSliderDown(true);
        master->setSliderPosition(200); // one Scroll notification
        QCOMPARE(f.channels(), (Channels { 162, 122, 92 }));
        master->setSliderDown(false); // the release: Change with p == m moves nothing
        QCOMPARE(f.channels(), (Channels { 162, 122, 92 }));
        QCOMPARE(master->value(), 200);
        QCOMPARE(f.c().masterColumn->level(), 200);
    }

    void focusOnAChannelBarRecentresTheMaster()
    {
        WindowFixture f;
        f.setColour(2, 120, 90);
        f.c().master->setValue(140); // channels rise to 4, 122, 92
        QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(f.bar(1), &in);
        QCOMPARE(f.c().master->value(), 128);
        QCOMPARE(f.channels(), (Channels { 2, 120, 90 }));
        QCoreApplication::sendEvent(f.bar(2), &in); // master already at 128: nothing
        QCOMPARE(f.channels(), (Channels { 2, 120, 90 }));
    }

    void pickerLocksEveryChangedBarOnce()
    {
        WindowFixture f;
        f.window.screenPicker().toggle();
        const QStringList notations = f.notations();
        f.bar(1)->setValue(139);
        QCOMPARE(f.warnings(kLocked), 1);
        QCOMPARE(f.bar(1)->value(), 139); // the bar is not put back
        QCOMPARE(f.boxes()[1], "129");
        QCOMPARE(f.c().channelColumns[1]->level(), 129);
        QCOMPARE(f.notations(), notations);
    }

    void pickerLockedRecentringWarnsOnceAndMovesNoChannel()
    {
        WindowFixture f;
        f.c().master->setValue(140);
        const Channels channels = f.channels();
        f.window.screenPicker().toggle();
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(f.bar(0), &in);
        QCOMPARE(f.c().master->value(), 128);
        QCOMPARE(f.warnings(kLocked), 1);
        QCOMPARE(f.channels(), channels);
        // The refused step leaves the remembered position behind: the next
        // click up to 129 counts as a fall from 140.
        f.window.screenPicker().toggle();
        f.c().master->setValue(129);
        QCOMPARE(f.channels(), (Channels { channels[0] - 2, channels[1] - 2, channels[2] - 2 }));
    }

    void channelBoxWithoutANumberKeepsThePreviousColour()
    {
        WindowFixture f;
        f.setColour(160, 120, 90);
        f.c().channelBoxes[1]->setText(QStringLiteral("abc"));
        f.bar(0)->setValue(170);
        QCOMPARE(f.channels(), (Channels { 160, 120, 90 }));
        QCOMPARE(f.boxes()[0], "160");
        QCOMPARE(f.notations().first(), "160, 120, 90");
        QCOMPARE(f.c().preview->backColour(), qRgb(160, 120, 90));
    }

    void channelBoxAbove255CountsAs255()
    {
        WindowFixture f;
        f.setColour(160, 120, 90);
        f.c().channelBoxes[1]->setText(QStringLiteral("300"));
        f.bar(0)->setValue(170);
        QCOMPARE(f.channels(), (Channels { 170, 255, 90 }));
        QCOMPARE(f.boxes(), (QStringList { "170", "255", "90" }));
    }

    void columnGeometry_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<float>("bottomOval");
        QTest::addColumn<float>("height");
        QTest::addColumn<float>("top");
        QTest::addColumn<float>("surface");
        QTest::newRow("0") << 0 << 1140.f << 675.f << 525.f << 495.f;
        QTest::newRow("128") << 128 << 1140.f << 336.176f << 863.824f << 833.824f;
        QTest::newRow("243") << 243 << 1140.f << 31.765f << 1168.235f << 1138.235f;
        QTest::newRow("244 rests on the bottom") << 244 << 1140.f << 29.118f << 1170.882f << 1140.f;
        QTest::newRow("255") << 255 << 1140.f << 0.f << 1200.f << 1140.f;
        QTest::newRow("green 237") << 237 << 1125.f << 47.647f << 1152.353f << 1122.353f;
        QTest::newRow("green 238 meets its oval") << 238 << 1125.f << 45.f << 1155.f << 1125.f;
    }

    void columnGeometry()
    {
        QFETCH(int, value);
        QFETCH(float, bottomOval);
        QFETCH(float, height);
        QFETCH(float, top);
        QFETCH(float, surface);
        const auto p = channels::columnPieces(value, 255, bottomOval);
        QVERIFY2(qAbs(p.bodyHeight - height) < 0.001f, qPrintable(QString::number(p.bodyHeight)));
        QVERIFY2(qAbs(p.bodyTop - top) < 0.001f, qPrintable(QString::number(p.bodyTop)));
        QVERIFY2(qAbs(p.surfaceTop - surface) < 0.001f, qPrintable(QString::number(p.surfaceTop)));
    }
};

QTEST_MAIN(TestBars)
#include "tst_bars.moc"
