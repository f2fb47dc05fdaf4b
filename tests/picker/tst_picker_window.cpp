// The screen picker run from the window's eyedropper.
#include "picker/screenpicker.h"
#include "windowfixture.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>

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

const QStringList kStart { "162, 129, 255", "&HFF81A2&", "16744866", "#A281FF", "93, 126, 0",
    "93, 126, 0, 0", "170, 240, 181", "ffff81a2" };
const QStringList kPicked { "10, 20, 30", "&H1E140A&", "1971210", "#0A141E", "245, 235, 225",
    "20, 10, 0, 225", "140, 120, 19", "ff1e140a" };
// While the picker runs only the KML box keeps its text.
const QStringList kRunning = QStringList(7) + QStringList { "ffff81a2" };

} // namespace

class TestPickerWindow : public QObject {
    Q_OBJECT
private slots:
    void steps_data()
    {
        QTest::addColumn<platform::ScreenReading>("reading");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QStringList>("notations");
        QTest::addColumn<QRgb>("preview");
        QTest::addColumn<int>("notices"); // "the screen cannot be read"
        const auto grab = platform::ScreenReading::X11Grab;
        const auto portal = platform::ScreenReading::Portal;
        QTest::newRow("a tick samples beside the pointer")
            << grab << QStringList { "eyedropper", "tick", "pointer 300 200", "tick" } << kRunning
            << qRgb(200, 0, 100) << 0;
        QTest::newRow("S at a tick stops with the sample before")
            << grab << QStringList { "eyedropper", "tick", "pointer 300 200", "S down", "tick" }
            << kPicked << qRgb(10, 20, 30) << 0;
        QTest::newRow("S released before the tick is not seen")
            << grab << QStringList { "eyedropper", "S down", "S up", "tick" } << kRunning
            << qRgb(10, 20, 30) << 0;
        QTest::newRow("a click stops with the last sample")
            << grab << QStringList { "eyedropper", "tick", "pointer 300 200", "eyedropper" }
            << kPicked << qRgb(10, 20, 30) << 0;
        QTest::newRow("a failed read shows the previous pixel")
            << grab << QStringList { "eyedropper", "tick", "screen fails", "tick" } << kRunning
            << qRgb(10, 20, 30) << 0;
        QTest::newRow("no first read: the colour back and a notice")
            << grab << QStringList { "screen fails", "eyedropper", "tick" } << kStart
            << qRgb(162, 129, 255) << 1;
        QTest::newRow("the desktop's pick is committed; ticks do nothing")
            << portal << QStringList { "eyedropper", "tick", "desktop picks 10 20 30" } << kPicked
            << qRgb(10, 20, 30) << 0;
        QTest::newRow("a cancel gives the colour back")
            << portal << QStringList { "eyedropper", "desktop cancels" } << kStart
            << qRgb(162, 129, 255) << 0;
        QTest::newRow("an answer after a click is ignored")
            << portal << QStringList { "eyedropper", "eyedropper", "desktop picks 10 20 30" }
            << kStart << qRgb(162, 129, 255) << 0;
        QTest::newRow("no portal: the colour back and a notice")
            << portal << QStringList { "eyedropper", "desktop none" } << kStart
            << qRgb(162, 129, 255) << 1;
        QTest::newRow("nothing to read: the colour back and a notice")
            << platform::ScreenReading::None << QStringList { "eyedropper", "tick" } << kStart
            << qRgb(162, 129, 255) << 1;
    }

    void steps()
    {
        QFETCH(platform::ScreenReading, reading);
        QFETCH(QStringList, events);
        QFETCH(QStringList, notations);
        QFETCH(QRgb, preview);
        QFETCH(int, notices);
        PickerFixture f;
        f.desktop.platform.screenReading = reading;
        f.run(events);
        QCOMPARE(f.notations(), notations);
        QCOMPARE(f.c().preview->backColour(), preview);
        const bool running = notations == kRunning;
        QCOMPARE(f.window.pickerActive(), running);
        QCOMPARE(f.c().pickerButton->isChecked(), running);
        QCOMPARE(f.boxes(), running ? kStart.first().split(", ") : notations.first().split(", "));
        for (auto* box : f.c().channelBoxes)
            QCOMPARE(box->isEnabled(), !running);
        // A stop that committed while the picker still counted as running would meet the lock.
        QCOMPARE(f.desktop.messages.shown.size(), notices);
        for (const auto& shown : f.desktop.messages.shown)
            QVERIFY(shown.text == picker::ScreenPicker::unreadableNotice()
                && shown.icon == platform::MessageIcon::Exclamation);
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
        QCOMPARE(f.notations(), kPicked);
    }

    // The real timer, counted over one second of the event loop.
    void readsTheScreenTenTimesASecond()
    {
        PickerFixture f;
        f.run({ "eyedropper" });
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 1000)
            QTest::qWait(int(1000 - clock.elapsed()));
        QVERIFY2(f.desktop.screen.reads >= 9 && f.desktop.screen.reads <= 11,
            qPrintable(QString::number(f.desktop.screen.reads)));
    }

    void focusLeavesADisabledBoxForTheEyedropper_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("after");
        QTest::newRow("red1") << "red1"
                              << "Command1";
        QTest::newRow("Text6 keeps it") << "Text6"
                                        << "Text6";
    }

    void focusLeavesADisabledBoxForTheEyedropper()
    {
        QFETCH(QString, focused);
        QFETCH(QString, after);
        PickerFixture f;
        f.c().master->setValue(140); // a bar taking the focus would re-centre it
        f.window.findChild<QWidget*>(focused)->setFocus();
        f.window.screenPicker().toggle(); // as a keyboard or accessibility press does
        QCOMPARE(f.window.focusWidget()->objectName(), after);
        QCOMPARE(f.c().master->value(), 140);
        QVERIFY(f.desktop.messages.shown.isEmpty());
    }

    void doubleClickTogglesOnce()
    {
        PickerFixture f;
        auto* button = f.c().pickerButton;
        // The events X11 delivers for a double-click.
        const QEvent::Type sequence[] = { QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
            QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease };
        for (const bool expected : { true, false }) {
            for (const QEvent::Type type : sequence) {
                const bool down = type != QEvent::MouseButtonRelease;
                QMouseEvent event(type, QPointF(12, 12), button->mapToGlobal(QPointF(12, 12)),
                    Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(button, &event);
            }
            QCOMPARE(f.window.pickerActive(), expected);
        }
    }
};

QTEST_MAIN(TestPickerWindow)
#include "tst_picker_window.moc"
