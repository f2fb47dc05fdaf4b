// The picker's steps on the window it drives, event by event.
#include "picker/pickerwindow.h"
#include "picker/screenpicker.h"
#include "support/fakeplatform.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTest>

Q_DECLARE_METATYPE(platform::ScreenReading)

namespace {

QString hex(QRgb c)
{
    return QColor(c).name();
}

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
    void setChannelBoxesEnabled(bool on) override { log << QStringLiteral("boxes %1").arg(on); }
    void showSample(QRgb colour) override { log << "sample " + hex(shown = colour); }
    QRgb shownColour() const override { return shown; }
    void commitColour(QRgb colour) override
    {
        // The bars the commit moves meet the picker lock while it still runs.
        log << QStringLiteral("commit %1%2").arg(hex(colour), picker->active() ? " while on" : "");
    }
};

const QPoint kHere(40, 30);
const QPoint kThere(300, 200);

struct Rig {
    platform::FakePlatform desktop;
    RecordingWindow window;
    QWidget parent;
    picker::ScreenPicker picker { desktop.platform, window, &parent };

    Rig()
    {
        window.picker = &picker;
        desktop.screen.fill = qRgb(1, 1, 1); // under the hot spot itself
        desktop.screen.pixels.insert(kHere + QPoint(1, 1), qRgb(10, 20, 30));
        desktop.screen.pixels.insert(kThere + QPoint(1, 1), qRgb(200, 0, 100));
        desktop.pointer.at = kHere;
    }

    void run(const QStringList& events)
    {
        using Answer = platform::DesktopPickAnswer;
        const QHash<QString, std::function<void()>> act {
            { "click", [&] { picker.toggle(); } },
            { "tick", [&] { picker.tick(); } },
            { "S down", [&] { desktop.keys.down.insert(Qt::Key_S); } },
            { "S up", [&] { desktop.keys.down.remove(Qt::Key_S); } },
            { "move there", [&] { desktop.pointer.at = kThere; } },
            { "screen fails", [&] { desktop.screen.unreadable = true; } },
            { "desktop picks", [&] { desktop.desktopPick.answer(Answer::picked(0xc80064)); } },
            { "desktop cancels", [&] { desktop.desktopPick.answer(Answer::cancelled()); } },
            { "no portal", [&] { desktop.desktopPick.answer(Answer::unavailable()); } },
        };
        for (const QString& e : events)
            act.value(e)();
    }
};

const QStringList kStart { "border 1", "empty", "boxes 0" };

QStringList operator+(const QStringList& steps, const char* step)
{
    return steps + QStringList { QString::fromLatin1(step) };
}

QStringList stop(const char* committed)
{
    return { "boxes 1", QStringLiteral("commit %1").arg(QLatin1String(committed)), "border 0" };
}

} // namespace

class TestPickerScreen : public QObject {
    Q_OBJECT
private slots:
    void steps_data()
    {
        QTest::addColumn<platform::ScreenReading>("reading");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("notices"); // "the screen cannot be read"
        const auto grab = platform::ScreenReading::X11Grab;
        const auto portal = platform::ScreenReading::Portal;
        QTest::newRow("ticks sample beside the pointer")
            << grab << QStringList { "click", "tick", "move there", "tick" }
            << kStart + QStringList { "sample #0a141e", "sample #c80064" } << 0;
        QTest::newRow("S at a tick stops with the sample before")
            << grab << QStringList { "click", "tick", "move there", "S down", "tick" }
            << kStart + "sample #0a141e" + stop("#0a141e") << 0;
        QTest::newRow("S released before the tick is not seen")
            << grab << QStringList { "click", "S down", "S up", "tick" }
            << kStart + "sample #0a141e" << 0;
        QTest::newRow("a click stops with the last sample")
            << grab << QStringList { "click", "tick", "move there", "click" }
            << kStart + "sample #0a141e" + stop("#0a141e") << 0;
        QTest::newRow("a failed read shows the previous pixel")
            << grab << QStringList { "click", "tick", "screen fails", "tick" }
            << kStart + "sample #0a141e" + "sample #0a141e" << 0;
        QTest::newRow("no first read: the colour back and one notice")
            << grab << QStringList { "screen fails", "click", "tick", "tick" }
            << kStart + stop("#a281ff") << 1;
        QTest::newRow("the desktop's pick is committed; ticks do nothing")
            << portal << QStringList { "click", "tick", "desktop picks" }
            << kStart + "sample #c80064" + stop("#c80064") << 0;
        QTest::newRow("a cancel gives the colour back")
            << portal << QStringList { "click", "desktop cancels" } << kStart + stop("#a281ff")
            << 0;
        QTest::newRow("a late answer after a click is ignored")
            << portal << QStringList { "click", "click", "desktop picks" }
            << kStart + stop("#a281ff") << 0;
        QTest::newRow("no portal: the colour back and one notice")
            << portal << QStringList { "click", "no portal" } << kStart + stop("#a281ff") << 1;
        QTest::newRow("nothing to read: the colour back and one notice")
            << platform::ScreenReading::None << QStringList { "click", "tick" }
            << kStart + stop("#a281ff") << 1;
    }

    void steps()
    {
        QFETCH(platform::ScreenReading, reading);
        QFETCH(QStringList, events);
        QFETCH(QStringList, steps);
        QFETCH(int, notices);
        Rig rig;
        rig.desktop.platform.screenReading = reading;
        rig.run(events);
        QCOMPARE(rig.window.log, steps);
        QCOMPARE(rig.picker.active(), !steps.endsWith("border 0"));
        QCOMPARE(rig.desktop.messages.shown.size(), notices);
        for (const auto& shown : rig.desktop.messages.shown) {
            QCOMPARE(shown.text, picker::ScreenPicker::unreadableNotice());
            QCOMPARE(shown.icon, platform::MessageIcon::Exclamation);
        }
    }

    void ticksWaitWhileAModalBoxIsOpen()
    {
        Rig rig;
        rig.run({ "click", "tick", "S down", "move there" });
        QDialog box(&rig.parent);
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        rig.window.log.clear();
        rig.picker.tick();
        QCOMPARE(rig.window.log, QStringList {});
        box.close();
        rig.picker.tick();
        QCOMPARE(rig.window.log, stop("#0a141e"));
    }

    // The real timer, counted over one second of the event loop.
    void samplesTenTimesASecond()
    {
        Rig rig;
        rig.run({ "click" });
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 1000)
            QTest::qWait(int(1000 - clock.elapsed()));
        const auto samples = rig.window.log.count("sample #0a141e");
        QVERIFY2(samples >= 9 && samples <= 11, qPrintable(QString::number(samples)));
    }
};

QTEST_MAIN(TestPickerScreen)
#include "tst_picker_screen.moc"
