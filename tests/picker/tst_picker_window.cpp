// The screen picker run from the window's eyedropper.
#include "windowfixture.h"

#include <QDialog>
#include <QToolTip>

using Answer = platform::DesktopPickAnswer;

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

const SeenState kPicked = steady({ 10, 20, 30 });

// While the picker runs the notations are empty and the preview shows the sample.
SeenState running(const QList<int>& preview)
{
    SeenState s = kDesigned;
    s.rgbBox.clear();
    s.preview = preview;
    return s;
}

const SeenState kNotice = steady(kDesigned.bars, 128, { Warning::Exclamation });

} // namespace

class TestPickerWindow : public QObject {
    Q_OBJECT
private slots:
    // A desktop pick that ends without a colour, cancelled or failed alike (desktops
    // answer one for the other), is said by a hint that asks nothing; only a
    // missing portal gets a box.
    void steps_data()
    {
        QTest::addColumn<platform::ScreenReading>("reading");
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<SeenState>("seen");
        QTest::addColumn<QString>("hint"); // on the eyedropper
        const auto grab = platform::ScreenReading::X11Grab;
        const auto portal = platform::ScreenReading::Portal;
        const Step there = pointerAt({ 300, 200 });
        const QString none = "No color was picked";
        QTest::newRow("a tick samples beside the pointer")
            << grab << Steps { clickEyedropper, tick, there, tick } << running({ 200, 0, 100 })
            << "";
        QTest::newRow("S at a tick stops with the sample before")
            << grab << Steps { clickEyedropper, tick, there, pressS, tick } << kPicked << "";
        QTest::newRow("S released before the tick is not seen")
            << grab << Steps { clickEyedropper, pressS, releaseS, tick } << running({ 10, 20, 30 })
            << "";
        QTest::newRow("a click stops with the last sample")
            << grab << Steps { clickEyedropper, tick, there, clickEyedropper } << kPicked << "";
        QTest::newRow("a failed read shows the previous pixel")
            << grab << Steps { clickEyedropper, tick, screenFails, tick } << running({ 10, 20, 30 })
            << "";
        QTest::newRow("no first read: the colour back and a notice")
            << grab << Steps { screenFails, clickEyedropper, tick } << kNotice << "";
        // The focus leaves a box the picker disables for the eyedropper, not
        // along the tab chain (where a bar would re-centre the master against the lock).
        QTest::newRow("the focus in red1 goes to the eyedropper: Space stops")
            << grab << Steps { moveMaster(140), toggleEyedropper, keys(Qt::Key_Space) }
            << steady({ 164, 131, 255 }, 140) << "";
        QTest::newRow("a double-click starts")
            << grab << Steps { doubleClickEyedropper } << running(kDesigned.bars) << "";
        QTest::newRow("the desktop's pick is committed")
            << portal << Steps { clickEyedropper, desktopAnswers(Answer::picked(qRgb(10, 20, 30))) }
            << kPicked << "";
        QTest::newRow("the desktop's pick cancelled")
            << portal << Steps { clickEyedropper, desktopAnswers(Answer::cancelled()) } << kDesigned
            << none;
        QTest::newRow("no portal")
            << portal << Steps { clickEyedropper, desktopAnswers(Answer::unavailable()) } << kNotice
            << "";
        QTest::newRow("an answer after a click is ignored")
            << portal
            << Steps { clickEyedropper, clickEyedropper,
                   desktopAnswers(Answer::picked(qRgb(1, 2, 3))) }
            << kDesigned << "";
        QTest::newRow("nothing to read: the colour back and a notice")
            << platform::ScreenReading::None << Steps { clickEyedropper, tick } << kNotice << "";
    }

    void steps()
    {
        QFETCH(platform::ScreenReading, reading);
        QFETCH(Steps, steps);
        QFETCH(QString, hint);
        PickerFixture f;
        f.desktop.platform.screenReading = reading;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QToolTip::hideText();
        f.run(steps);
        QTEST(f.seen(), "seen");
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), hint);
        QCOMPARE(f.c().pickerButton->accessibleDescription(), hint);
        const bool running = f.c().notation(colour::Notation::Rgb)->text().isEmpty();
        QCOMPARE(f.window.pickerActive(), running);
        QCOMPARE(f.c().pickerButton->isChecked(), running);
        for (auto* box : f.c().channelBoxes)
            QCOMPARE(box->isEnabled(), !running);
        if (running) // only the KML box keeps its text
            QCOMPARE(f.notations().mid(0, 7), QStringList(7));
    }

    void ticksWaitWhileAModalBoxIsOpen()
    {
        PickerFixture f;
        f.run({ clickEyedropper, tick, pressS, pointerAt({ 300, 200 }) });
        QDialog box(&f.window);
        box.setModal(true);
        box.show();
        f.run({ tick });
        QVERIFY(f.window.pickerActive());
        QCOMPARE(f.c().preview->backColour(), qRgb(10, 20, 30));
        box.close();
        f.run({ tick });
        QCOMPARE(f.seen(), kPicked);
    }

    // Ten times a second: the timer's interval, and the real timer driving the
    // reads. (A count over one second of the clock fails on a busy machine.)
    void readsTheScreenTenTimesASecond()
    {
        PickerFixture f;
        f.run({ clickEyedropper });
        QCOMPARE(f.window.screenPicker().intervalMs(), 100);
        QTRY_VERIFY(f.desktop.screen.reads >= 3);
    }
};

QTEST_MAIN(TestPickerWindow)
#include "tst_picker_window.moc"
