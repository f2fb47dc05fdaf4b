#include "picker/pickerwindow.h"
#include "picker/screenpicker.h"
#include "support/fakeplatform.h"

#include <QDialog>
#include <QTest>
#include <QWidget>

Q_DECLARE_METATYPE(platform::ScreenReading)

namespace {

QString hex(QRgb c)
{
    return QColor(c).name();
}

// Writes down every step the picker takes on the window, in order.
class RecordingWindow final : public picker::PickerWindow {
public:
    picker::ScreenPicker* picker = nullptr;
    QStringList log;
    QRgb shown = qRgb(162, 129, 255);

    void showPickerRunning(bool running) override
    {
        log << QStringLiteral("border %1").arg(running);
    }
    void emptyNotations() override { log << QStringLiteral("empty"); }
    void setChannelBoxesEnabled(bool enabled) override
    {
        log << QStringLiteral("boxes %1").arg(enabled);
    }
    void showSample(QRgb colour) override
    {
        shown = colour;
        log << QStringLiteral("sample ") + hex(colour);
    }
    QRgb shownColour() const override { return shown; }
    void commitColour(QRgb colour) override
    {
        // The bars the commit moves read the picker state: it must be off by now.
        log << QStringLiteral("commit %1%2").arg(hex(colour), picker->active() ? " while on" : "");
    }
};

const QPoint kHere(40, 30);
const QPoint kThere(300, 200);
const QRgb kBesideHere = qRgb(10, 20, 30); // at kHere + (1, 1)
const QRgb kBesideThere = qRgb(200, 0, 100); // at kThere + (1, 1)

struct Rig {
    platform::FakePlatform desktop;
    RecordingWindow window;
    QWidget parent;
    picker::ScreenPicker picker { desktop.platform, window, &parent };

    Rig()
    {
        window.picker = &picker;
        desktop.screen.fill = qRgb(1, 1, 1); // the pixel under the hot spot itself
        desktop.screen.pixels.insert(kHere + QPoint(1, 1), kBesideHere);
        desktop.screen.pixels.insert(kThere + QPoint(1, 1), kBesideThere);
        desktop.pointer.at = kHere;
    }

    void run(const QStringList& events)
    {
        for (const QString& e : events) {
            if (e == "click")
                picker.toggle();
            else if (e == "tick")
                picker.tick();
            else if (e == "S down")
                desktop.keys.down.insert(Qt::Key_S);
            else if (e == "S up")
                desktop.keys.down.remove(Qt::Key_S);
            else if (e == "move there")
                desktop.pointer.at = kThere;
            else if (e == "screen fails")
                desktop.screen.unreadable = true;
            else if (e == "screen works")
                desktop.screen.unreadable = false;
            else if (e == "desktop picks")
                desktop.desktopPick.answer(platform::DesktopPickAnswer::picked(kBesideThere));
            else if (e == "desktop cancels")
                desktop.desktopPick.answer(platform::DesktopPickAnswer::cancelled());
            else if (e == "desktop fails")
                desktop.desktopPick.answer(platform::DesktopPickAnswer::failed());
            else if (e == "no portal")
                desktop.desktopPick.answer(platform::DesktopPickAnswer::unavailable());
            else
                QFAIL(qPrintable("unknown event " + e));
        }
    }
};

const QStringList kStart { "border 1", "empty", "boxes 0" };

QStringList operator+(const QStringList& a, const char* b)
{
    return a + QStringList { QString::fromLatin1(b) };
}

QStringList stop(const char* committed)
{
    return { "boxes 1", QStringLiteral("commit %1").arg(QLatin1String(committed)), "border 0" };
}

} // namespace

class TestScreenPicker : public QObject {
    Q_OBJECT
private slots:
    void stateTable_data()
    {
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("active");

        QTest::newRow("a start takes no sample") << QStringList { "click" } << kStart << true;
        QTest::newRow("a tick samples beside the pointer")
            << QStringList { "click", "tick", "move there", "tick" }
            << kStart + "sample #0a141e" + "sample #c80064" << true;
        QTest::newRow("S at a tick stops, keeping the sample before")
            << QStringList { "click", "tick", "move there", "S down", "tick" }
            << kStart + "sample #0a141e" + stop("#0a141e") << false;
        QTest::newRow("S released before the tick is not seen")
            << QStringList { "click", "tick", "S down", "S up", "move there", "tick" }
            << kStart + "sample #0a141e" + "sample #c80064" << true;
        QTest::newRow("a click stops with the last sample")
            << QStringList { "click", "tick", "move there", "click" }
            << kStart + "sample #0a141e" + stop("#0a141e") << false;
        QTest::newRow("stopped before any tick: the colour stays")
            << QStringList { "click", "click" } << kStart + stop("#a281ff") << false;
        QTest::newRow("S while stopped does nothing")
            << QStringList { "S down", "tick", "S up" } << QStringList {} << false;
        QTest::newRow("S held at the start stops at the first tick")
            << QStringList { "S down", "click", "tick" } << kStart + stop("#a281ff") << false;
        QTest::newRow("a failed read shows the previous pixel")
            << QStringList { "click", "tick", "move there", "screen fails", "tick" }
            << kStart + "sample #0a141e" + "sample #0a141e" << true;
        QTest::newRow("the cycle repeats") << QStringList { "click", "tick", "click", "move there",
            "click", "tick", "S down", "tick" }
                                           << kStart + "sample #0a141e" + stop("#0a141e") + kStart
                + "sample #c80064" + stop("#c80064")
                                           << false;
    }

    void stateTable()
    {
        QFETCH(QStringList, events);
        QFETCH(QStringList, steps);
        QFETCH(bool, active);
        Rig rig;
        rig.run(events);
        QCOMPARE(rig.window.log, steps);
        QCOMPARE(rig.picker.active(), active);
        QVERIFY(rig.desktop.messages.shown.isEmpty());
    }

    void unreadableScreenIsToldOnceAndGivesTheColourBack_data()
    {
        QTest::addColumn<QStringList>("before"); // earlier use of the picker
        QTest::newRow("first use") << QStringList {};
        QTest::newRow("after a good run") << QStringList { "click", "tick", "click" };
    }

    void unreadableScreenIsToldOnceAndGivesTheColourBack()
    {
        QFETCH(QStringList, before);
        Rig rig;
        rig.run(before);
        rig.window.log.clear();
        const QRgb current = rig.window.shown;
        rig.run({ "screen fails", "click", "tick", "tick", "tick" });
        QCOMPARE(rig.window.log, kStart + stop(qPrintable(hex(current))));
        QVERIFY(!rig.picker.active());
        QCOMPARE(rig.desktop.messages.shown.size(), 1);
        QCOMPARE(rig.desktop.messages.shown[0].text, picker::ScreenPicker::unreadableNotice());
        QCOMPARE(rig.desktop.messages.shown[0].icon, platform::MessageIcon::Exclamation);
        // The next try that can read the screen works as usual.
        rig.window.log.clear();
        rig.run({ "screen works", "click", "tick" });
        QCOMPARE(rig.window.log, kStart + "sample #0a141e");
    }

    void ticksWaitWhileAModalBoxIsOpen()
    {
        Rig rig;
        rig.run({ "click", "tick", "S down", "move there" });
        QDialog box(&rig.parent);
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        QVERIFY(QApplication::activeModalWidget());
        rig.window.log.clear();
        rig.picker.tick();
        QVERIFY(rig.picker.active());
        QVERIFY(rig.window.log.isEmpty());
        box.close();
        rig.picker.tick();
        QCOMPARE(rig.window.log, stop("#0a141e"));
    }

    // On a desktop that does not let programs read the screen, the desktop
    // picks: its answer ends the picker, and nothing is sampled meanwhile.
    void desktopPickTable_data()
    {
        QTest::addColumn<platform::ScreenReading>("reading");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("active");
        QTest::addColumn<int>("notices");
        QTest::addColumn<int>("abandoned");

        const auto portal = platform::ScreenReading::Portal;
        QTest::newRow("a start asks the desktop; ticks and S do nothing")
            << portal << QStringList { "click", "tick", "S down", "tick" } << kStart << true << 0
            << 0;
        QTest::newRow("the desktop's colour is shown, then committed by the stop")
            << portal << QStringList { "click", "desktop picks" }
            << kStart + "sample #c80064" + stop("#c80064") << false << 0 << 0;
        QTest::newRow("a cancel gives the colour back")
            << portal << QStringList { "click", "desktop cancels" } << kStart + stop("#a281ff")
            << false << 0 << 0;
        QTest::newRow("a failure gives the colour back")
            << portal << QStringList { "click", "desktop fails" } << kStart + stop("#a281ff")
            << false << 0 << 0;
        QTest::newRow("no portal: the colour back and one notice")
            << portal << QStringList { "click", "no portal" } << kStart + stop("#a281ff") << false
            << 1 << 0;
        QTest::newRow("a second click stops; a late answer is ignored")
            << portal << QStringList { "click", "click", "desktop picks" }
            << kStart + stop("#a281ff") << false << 0 << 1;
        QTest::newRow("a pick after a cancelled one")
            << portal << QStringList { "click", "desktop cancels", "click", "desktop picks" }
            << kStart + stop("#a281ff") + kStart + "sample #c80064" + stop("#c80064") << false << 0
            << 0;
        QTest::newRow("nothing to read: the colour back and one notice")
            << platform::ScreenReading::None << QStringList { "click", "tick" }
            << kStart + stop("#a281ff") << false << 1 << 0;
    }

    void desktopPickTable()
    {
        QFETCH(platform::ScreenReading, reading);
        QFETCH(QStringList, events);
        QFETCH(QStringList, steps);
        QFETCH(bool, active);
        QFETCH(int, notices);
        QFETCH(int, abandoned);
        Rig rig;
        rig.desktop.platform.screenReading = reading;
        rig.run(events);
        QCOMPARE(rig.window.log, steps);
        QCOMPARE(rig.picker.active(), active);
        QCOMPARE(rig.desktop.messages.shown.size(), notices);
        for (const auto& shown : rig.desktop.messages.shown)
            QCOMPARE(shown.text, picker::ScreenPicker::unreadableNotice());
        QCOMPARE(rig.desktop.desktopPick.abandoned, abandoned);
        QCOMPARE(rig.desktop.screen.reads, 0);
    }

    void theTimerTicksTenTimesASecond()
    {
        Rig rig;
        rig.run({ "click" });
        QTRY_VERIFY(rig.window.log.contains("sample #0a141e"));
        rig.run({ "S down" });
        QTRY_VERIFY(!rig.picker.active());
    }
};

QTEST_MAIN(TestScreenPicker)
#include "tst_screenpicker.moc"
