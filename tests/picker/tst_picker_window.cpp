// The screen picker run from the window's eyedropper.
#include "windowfixture.h"

#include <QDialog>
#include <QToolTip>

Q_DECLARE_METATYPE(platform::ScreenReading)

namespace {

const QPoint kHere(40, 30);

struct PickerFixture : WindowFixture {
    PickerFixture()
    {
        desktop.screen.fill = qRgb(1, 1, 1); // under the hot spot itself
        desktop.screen.pixels.insert(kHere + QPoint(1, 1), qRgb(10, 20, 30));
        desktop.screen.pixels.insert(QPoint(301, 201), qRgb(200, 0, 100));
        desktop.pointer.at = kHere;
    }
};

const QString kStart = "162 129 255 | = | 128 128 | = | = | ";
const QString kPicked = "10 20 30 | = | 128 128 | = | = | ";
const QString kRunning = "162 129 255 | = | 128 128 |  | ";

} // namespace

class TestPickerWindow : public QObject {
    Q_OBJECT
private slots:
    // The state after the events, as WindowFixture::state() writes it.
    void steps_data()
    {
        QTest::addColumn<platform::ScreenReading>("reading");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("state");
        const auto grab = platform::ScreenReading::X11Grab;
        const auto portal = platform::ScreenReading::Portal;
        const QString there = "pointer 300 200";
        QTest::newRow("a tick samples beside the pointer")
            << grab << QStringList { "eyedropper", "tick", there, "tick" }
            << kRunning + "200 0 100 | ";
        QTest::newRow("S at a tick stops with the sample before")
            << grab << QStringList { "eyedropper", "tick", there, "S down", "tick" } << kPicked;
        QTest::newRow("S released before the tick is not seen")
            << grab << QStringList { "eyedropper", "S down", "S up", "tick" }
            << kRunning + "10 20 30 | ";
        QTest::newRow("a click stops with the last sample")
            << grab << QStringList { "eyedropper", "tick", there, "eyedropper" } << kPicked;
        QTest::newRow("a failed read shows the previous pixel")
            << grab << QStringList { "eyedropper", "tick", "screen fails", "tick" }
            << kRunning + "10 20 30 | ";
        QTest::newRow("no first read: the colour back and a notice")
            << grab << QStringList { "screen fails", "eyedropper", "tick" } << kStart + "!";
        // The focus leaves a box the picker disables for the eyedropper, not
        // along the tab chain (where a bar would re-centre the master against the lock).
        QTest::newRow("the focus in red1 goes to the eyedropper: Space stops")
            << grab << QStringList { "master 140", "toggle", "keys Space" }
            << "164 131 255 | = | 140 140 | = | = | ";
        QTest::newRow("a double-click starts")
            << grab << QStringList { "double-click" } << kRunning + "= | ";
        QTest::newRow("a second double-click stops")
            << grab << QStringList { "double-click", "double-click" } << kStart;
        QTest::newRow("the desktop's pick is committed; ticks do nothing")
            << portal << QStringList { "eyedropper", "tick", "desktop picks 10 20 30" } << kPicked;
        QTest::newRow("an answer after a click is ignored")
            << portal << QStringList { "eyedropper", "eyedropper", "desktop picks 1 2 3" }
            << kStart;
        QTest::newRow("nothing to read: the colour back and a notice")
            << platform::ScreenReading::None << QStringList { "eyedropper", "tick" }
            << kStart + "!";
    }

    void steps()
    {
        QFETCH(platform::ScreenReading, reading);
        QFETCH(QStringList, events);
        QFETCH(QString, state);
        PickerFixture f;
        f.desktop.platform.screenReading = reading;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.run(events);
        QCOMPARE(f.state(), state);
        const bool running = f.c().notation(colour::Notation::Rgb)->text().isEmpty();
        QCOMPARE(f.window.pickerActive(), running);
        QCOMPARE(f.c().pickerButton->isChecked(), running);
        for (auto* box : f.c().channelBoxes)
            QCOMPARE(box->isEnabled(), !running);
        if (running) // only the KML box keeps its text
            QCOMPARE(f.notations().mid(0, 7), QStringList(7));
    }

    // Desktops answer a cancel for some failures and the other way round:
    // both are said, by a hint that asks nothing; only a missing portal gets a box.
    void theDesktopsEndOfAPick_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("hint");
        const QString none = "No color was picked";
        QTest::newRow("picked") << "desktop picks 10 20 30" << kPicked << "";
        QTest::newRow("cancelled") << "desktop cancels" << kStart << none;
        QTest::newRow("failed") << "desktop fails" << kStart << none;
        QTest::newRow("no portal") << "desktop none" << kStart + "!"
                                   << "";
    }

    void theDesktopsEndOfAPick()
    {
        QFETCH(QString, answer);
        QFETCH(QString, state);
        QFETCH(QString, hint);
        PickerFixture f;
        f.desktop.platform.screenReading = platform::ScreenReading::Portal;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QToolTip::hideText();
        f.run({ "eyedropper", answer });
        QCOMPARE(f.state(), state);
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), hint);
        QCOMPARE(f.c().pickerButton->accessibleDescription(), hint);
    }

    void ticksWaitWhileAModalBoxIsOpen()
    {
        PickerFixture f;
        f.run({ "eyedropper", "tick", "S down", "pointer 300 200" });
        QDialog box(&f.window);
        box.setModal(true);
        box.show();
        f.run({ "tick" });
        QVERIFY(f.window.pickerActive());
        QCOMPARE(f.c().preview->backColour(), qRgb(10, 20, 30));
        box.close();
        f.run({ "tick" });
        QCOMPARE(f.state(), kPicked);
    }

    // Ten times a second: the timer's interval, and the real timer driving the
    // reads. (A count over one second of the clock fails on a busy machine.)
    void readsTheScreenTenTimesASecond()
    {
        PickerFixture f;
        f.run({ "eyedropper" });
        QCOMPARE(f.window.screenPicker().intervalMs(), 100);
        QTRY_VERIFY(f.desktop.screen.reads >= 3);
    }
};

QTEST_MAIN(TestPickerWindow)
#include "tst_picker_window.moc"
