#include "picker/screenpicker.h"
#include "windowfixture.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

using Channels = QList<int>;

namespace {

const QPoint kPointer(500, 400);

struct PickerFixture : WindowFixture {
    PickerFixture() { desktop.pointer.at = kPointer; }

    void screenShows(QRgb colour) { desktop.screen.pixels.insert(kPointer + QPoint(1, 1), colour); }
    void click() { QTest::mouseClick(c().pickerButton, Qt::LeftButton); }
    void tick() { window.screenPicker().tick(); }

    // The seven boxes the picker empties, in the notations() order without Text6.
    QStringList sevenBoxes() const { return notations().mid(0, 7); }

    QList<bool> boxesEnabled() const
    {
        QList<bool> enabled;
        for (auto* box : c().channelBoxes)
            enabled << box->isEnabled();
        return enabled;
    }
};

const QStringList kEmpty(7);
const QRgb kSample = qRgb(10, 20, 30);

} // namespace

class TestPickerWindow : public QObject {
    Q_OBJECT
private slots:
    void runningPickerShowsOnlyTheSample()
    {
        PickerFixture f;
        f.screenShows(kSample);
        f.click();
        QVERIFY(f.window.pickerActive());
        QVERIFY(f.c().pickerButton->isChecked());
        QCOMPARE(f.sevenBoxes(), kEmpty);
        QCOMPARE(f.c().kml->text(), "ffff81a2");
        QCOMPARE(f.boxesEnabled(), (QList<bool> { false, false, false }));

        f.tick();
        QCOMPARE(f.c().preview->backColour(), kSample);
        QCOMPARE(f.c().preview->pixelAt({ 5, 30 }), kSample & RGB_MASK); // opaque: flat colour
        QCOMPARE(f.sevenBoxes(), kEmpty);
        QCOMPARE(f.channels(), (Channels { 162, 129, 255 }));

        // The KML alpha and the preview still follow the transparency slider.
        f.c().transparency->setValue(128);
        QCOMPARE(f.c().kml->text(), "80ff81a2");
        QCOMPARE(f.sevenBoxes(), kEmpty);
        QVERIFY(f.c().preview->pixelAt({ 5, 30 }) != (kSample & RGB_MASK));
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
        f.screenShows(qRgb(10, 20, 30));
        f.click();
        f.tick();
        if (byKey) {
            f.desktop.keys.down.insert(Qt::Key_S);
            f.tick();
        } else {
            f.click();
        }
        QVERIFY(!f.window.pickerActive());
        QVERIFY(!f.c().pickerButton->isChecked());
        WindowFixture typed;
        typed.setColour(10, 20, 30);
        QCOMPARE(f.notations(), typed.notations());
        QCOMPARE(f.notations().first(), "10, 20, 30");
        QCOMPARE(f.channels(), (Channels { 10, 20, 30 }));
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
        const Channels channels = f.channels();
        f.window.findChild<QWidget*>(focused)->setFocus();
        f.window.screenPicker().toggle(); // as a keyboard or accessibility press does
        QCOMPARE(f.window.focusWidget()->objectName(), after);
        QCOMPARE(f.c().master->value(), 140);
        QCOMPARE(f.channels(), channels);
        QVERIFY(f.desktop.messages.shown.isEmpty());
    }

    void colourFromOutsideWhileRunningWarnsOncePerMovedBar_data()
    {
        QTest::addColumn<QRgb>("sample");
        QTest::addColumn<bool>("refusedArrowFirst"); // a click on green's lower arrow, refused
        QTest::addColumn<bool>("byDialog"); // the colour dialog instead of a right-click pick
        QTest::addColumn<int>("warnings");
        QTest::newRow("same colour") << qRgb(162, 129, 255) << false << false << 0;
        QTest::newRow("red differs") << qRgb(0, 129, 255) << false << false << 1;
        QTest::newRow("red and blue differ") << qRgb(0, 129, 7) << false << false << 2;
        QTest::newRow("all differ") << qRgb(1, 2, 3) << false << false << 3;
        QTest::newRow("pick after a refused arrow") << qRgb(1, 2, 3) << true << false << 1 + 3;
        QTest::newRow("dialog after a refused arrow") << qRgb(1, 2, 3) << true << true << 1 + 3;
    }

    void colourFromOutsideWhileRunningWarnsOncePerMovedBar()
    {
        QFETCH(QRgb, sample);
        QFETCH(bool, refusedArrowFirst);
        QFETCH(bool, byDialog);
        QFETCH(int, warnings);
        PickerFixture f;
        f.screenShows(sample);
        f.click();
        f.tick(); // opaque preview: the whole swatch shows the sample
        if (refusedArrowFirst)
            f.bar(1)->triggerAction(QAbstractSlider::SliderSingleStepAdd); // 139, refused
        if (byDialog) {
            f.desktop.colourDialog.answer = QColor(sample);
            f.c().chooseColour->click();
        } else {
            QTest::mouseClick(f.c().preview, Qt::RightButton, {}, { 20, 20 });
        }
        QCOMPARE(f.warnings(kLocked), warnings);
        QCOMPARE(f.desktop.messages.shown.size(), warnings);
        QVERIFY(f.window.pickerActive());
        const QColor c(sample);
        QCOMPARE(f.notations().first(),
            QStringLiteral("%1, %2, %3").arg(c.red()).arg(c.green()).arg(c.blue()));
        // The bars took the values, but refused to act: boxes and columns stay.
        QCOMPARE(f.channels(), (Channels { c.red(), c.green(), c.blue() }));
        QCOMPARE(f.boxes(), (QStringList { "162", "129", "255" }));
        QCOMPARE(f.c().channelColumns[0]->level(), 162);
        QCOMPARE(f.c().channelColumns[1]->level(), 129);
    }

    void doubleClickTogglesOnce()
    {
        PickerFixture f;
        auto* button = f.c().pickerButton;
        const QPointF at(12, 12);
        const QPointF global = button->mapToGlobal(at);
        // The events X11 delivers for a double-click.
        const QEvent::Type sequence[] = { QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
            QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease };
        for (const bool expected : { true, false }) {
            for (const QEvent::Type type : sequence) {
                const bool down = type != QEvent::MouseButtonRelease;
                QMouseEvent event(type, at, global, Qt::LeftButton,
                    down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
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
        f.tick();
        QVERIFY(!f.window.pickerActive());
        QCOMPARE(f.desktop.messages.shown.size(), 1);
        QCOMPARE(f.desktop.messages.shown[0].text, picker::ScreenPicker::unreadableNotice());
        QCOMPARE(f.notations().first(), "162, 129, 255");
        QCOMPARE(f.boxesEnabled(), (QList<bool> { true, true, true }));
        f.bar(0)->setValue(100);
        QCOMPARE(f.notations().first(), "100, 129, 255");
    }
};

QTEST_MAIN(TestPickerWindow)
#include "tst_pickerwindow.moc"
