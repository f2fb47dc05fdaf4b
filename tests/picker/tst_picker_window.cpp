// The screen picker run from the window's eyedropper.
#include "picker/screenpicker.h"
#include "windowfixture.h"

#include <QMouseEvent>
#include <QTest>

namespace {

const QPoint kPointer(500, 400);

struct PickerFixture : WindowFixture {
    PickerFixture()
    {
        desktop.pointer.at = kPointer;
        desktop.screen.pixels.insert(kPointer + QPoint(1, 1), qRgb(10, 20, 30));
    }

    void click() { QTest::mouseClick(c().pickerButton, Qt::LeftButton); }
    void tick() { window.screenPicker().tick(); }

    QList<bool> boxesEnabled() const
    {
        QList<bool> enabled;
        for (auto* box : c().channelBoxes)
            enabled << box->isEnabled();
        return enabled;
    }
};

const QStringList kStartNotations { "162, 129, 255", "&HFF81A2&", "16744866", "#A281FF",
    "93, 126, 0", "93, 126, 0, 0", "170, 240, 181", "ffff81a2" };

} // namespace

class TestPickerWindow : public QObject {
    Q_OBJECT
private slots:
    void runningPickerShowsOnlyTheSample()
    {
        PickerFixture f;
        f.click();
        QVERIFY(f.c().pickerButton->isChecked());
        QCOMPARE(f.boxesEnabled(), (QList<bool> { false, false, false }));
        f.tick();
        QCOMPARE(f.c().preview->backColour(), qRgb(10, 20, 30));
        QCOMPARE(f.notations(), QStringList(7) + QStringList { "ffff81a2" });
        QCOMPARE(f.channels(), (QList<int> { 162, 129, 255 }));
        f.c().transparency->setValue(128); // KML and preview still follow the slider
        QCOMPARE(f.notations(), QStringList(7) + QStringList { "80ff81a2" });
        QVERIFY(f.desktop.messages.shown.isEmpty());
    }

    void stopMakesTheSampleCurrent_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("S key") << true;
        QTest::newRow("click") << false;
    }

    void stopMakesTheSampleCurrent()
    {
        QFETCH(bool, byKey);
        PickerFixture f;
        f.click();
        f.tick();
        if (byKey)
            f.desktop.keys.down.insert(Qt::Key_S);
        byKey ? f.tick() : f.click();
        QVERIFY(!f.window.pickerActive());
        QVERIFY(!f.c().pickerButton->isChecked());
        QCOMPARE(f.notations(),
            (QStringList { "10, 20, 30", "&H1E140A&", "1971210", "#0A141E", "245, 235, 225",
                "20, 10, 0, 225", "140, 120, 19", "ff1e140a" }));
        QCOMPARE(f.channels(), (QList<int> { 10, 20, 30 }));
        QCOMPARE(f.boxes(), (QStringList { "10", "20", "30" }));
        QCOMPARE(f.boxesEnabled(), (QList<bool> { true, true, true }));
        QCOMPARE(f.c().channelColumns[2]->level(), 30);
        QVERIFY(f.desktop.messages.shown.isEmpty()); // the lock is off before the bars move
    }

    void focusLeavesADisabledBoxForTheEyedropper_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("after");
        QTest::newRow("red1") << "red1"
                              << "Command1";
        QTest::newRow("blue1") << "blue1"
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
        QCOMPARE(f.channels(), (QList<int> { 164, 131, 255 }));
        QVERIFY(f.desktop.messages.shown.isEmpty());
    }

    // The bars take a colour from outside, but each refuses to act, once, with the lock warning.
    void colourFromOutsideWhileRunning_data()
    {
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<bool>("byDialog"); // or by a right-click on the opaque preview
        QTest::addColumn<int>("warnings");
        QTest::newRow("same colour") << qRgb(162, 129, 255) << false << 0;
        QTest::newRow("red and blue differ") << qRgb(0, 129, 7) << false << 2;
        QTest::newRow("dialog, all differ") << qRgb(1, 2, 3) << true << 3;
    }

    void colourFromOutsideWhileRunning()
    {
        QFETCH(QRgb, colour);
        QFETCH(bool, byDialog);
        QFETCH(int, warnings);
        PickerFixture f;
        f.desktop.screen.fill = colour;
        f.desktop.pointer.at = {};
        f.click();
        f.tick();
        f.desktop.colourDialog.answer = QColor(colour);
        if (byDialog)
            f.c().chooseColour->click();
        else
            QTest::mouseClick(f.c().preview, Qt::RightButton, {}, { 20, 20 });
        QCOMPARE(f.desktop.messages.shown.size(), warnings);
        for (const auto& shown : f.desktop.messages.shown) {
            QCOMPARE(shown.text, kLocked);
            QCOMPARE(shown.title, "Warning");
            QCOMPARE(shown.icon, platform::MessageIcon::Information);
        }
        QVERIFY(f.window.pickerActive());
        const QColor c(colour);
        QCOMPARE(f.channels(), (QList<int> { c.red(), c.green(), c.blue() }));
        QCOMPARE(f.boxes(), (QStringList { "162", "129", "255" }));
        QCOMPARE(f.c().channelColumns[0]->level(), 162);
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

    void unreadableScreenLeavesTheWindowWorking()
    {
        PickerFixture f;
        f.desktop.screen.unreadable = true;
        f.click();
        f.tick();
        QVERIFY(!f.window.pickerActive());
        QCOMPARE(f.desktop.messages.shown.size(), 1);
        QCOMPARE(f.notations(), kStartNotations);
        QCOMPARE(f.boxesEnabled(), (QList<bool> { true, true, true }));
    }
};

QTEST_MAIN(TestPickerWindow)
#include "tst_picker_window.moc"
