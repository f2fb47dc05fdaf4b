#include "app/qtcolour.h"
#include "picker/screenpicker.h"
#include "windowfixture.h"

#include "platform/qtmessageboxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using Channels = QList<int>;

namespace {

const QString kIllegal = QStringLiteral("Illegal value.");

// Text arriving in one go (a paste), then the release of one key. (With a
// real modal box, the releases after the first would go to the box.)
void enter(channels::ChannelEntry* box, const QString& text)
{
    box->setText(text);
    QTest::keyClick(box, Qt::Key_End);
}

} // namespace

class TestInputs : public QObject {
    Q_OBJECT
private slots:
    void typedValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("red"); // -1: refused
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("255") << "255" << 255;
        QTest::newRow("-1") << "-1" << -1;
        QTest::newRow("256") << "256" << -1;
        QTest::newRow("255.4 is above 255") << "255.4" << -1;
        QTest::newRow("0.5 to even") << "0.5" << 0;
        QTest::newRow("1.5 to even") << "1.5" << 2;
        QTest::newRow("2.5 to even") << "2.5" << 2;
        QTest::newRow("12.5") << "12.5" << 12;
        QTest::newRow("13.5") << "13.5" << 14;
        QTest::newRow("blanks around") << " 42 " << 42;
        QTest::newRow("stray letter") << "12a" << -1;
        QTest::newRow("lone minus") << "-" << -1;
        QTest::newRow("empty") << "" << -1;
    }

    void typedValue()
    {
        QFETCH(QString, text);
        QFETCH(int, red);
        WindowFixture f;
        auto* box = f.c().channelBoxes[0];
        enter(box, text);
        if (red < 0) {
            QCOMPARE(f.desktop.messages.shown.size(), 1);
            const auto& shown = f.desktop.messages.shown.first();
            QCOMPARE(shown.text, kIllegal);
            QCOMPARE(shown.title, "Warning");
            QCOMPARE(shown.icon, platform::MessageIcon::Exclamation);
            QCOMPARE(box->text(), text); // nothing is restored
            QCOMPARE(f.channels(), (Channels { 162, 129, 255 }));
        } else {
            QVERIFY(f.desktop.messages.shown.isEmpty());
            QCOMPARE(f.channels(), (Channels { red, 129, 255 }));
            QCOMPARE(box->text(), QString::number(red));
            QCOMPARE(f.notations().first(), QStringLiteral("%1, 129, 255").arg(red));
        }
    }

    void typingRunsOnEveryRelease()
    {
        WindowFixture f;
        auto* box = f.c().channelBoxes[2];
        box->clear();
        QTest::keyClicks(box, QStringLiteral("20"));
        QCOMPARE(f.channels()[2], 20);
        QTest::keyClick(box, Qt::Key_Backspace); // "2"
        QCOMPARE(f.channels()[2], 2);
        QTest::keyClick(box, Qt::Key_Backspace); // empty: warned, colour kept
        QCOMPARE(f.warnings(kIllegal), 1);
        QCOMPARE(f.channels()[2], 2);
    }

    // Tab moves the focus on its press; its release reaches the box it moved into.
    void tabReleaseInABoxIsTyping_data()
    {
        QTest::addColumn<QString>("text"); // left in green1 before
        QTest::addColumn<Channels>("channels");
        QTest::addColumn<int>("warnings");
        QTest::newRow("re-centres the master") << "122" << Channels { 160, 120, 90 } << 0;
        QTest::newRow("a refused 300 warns again") << "300" << Channels { 162, 122, 92 } << 1;
    }

    void tabReleaseInABoxIsTyping()
    {
        QFETCH(QString, text);
        QFETCH(Channels, channels);
        QFETCH(int, warnings);
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.setColour(160, 120, 90);
        f.c().master->setValue(140); // 162, 122, 92
        f.c().channelBoxes[1]->setText(text);
        auto* red = f.c().channelBoxes[0];
        red->setFocus(Qt::OtherFocusReason);
        QTest::keyPress(red, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.c().channelBoxes[1]);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(f.warnings(kIllegal), warnings);
        QCOMPARE(f.c().master->value(), warnings ? 140 : 128);
        QCOMPARE(f.channels(), channels);
    }

    // With real message boxes: the key whose press closes the warning is
    // released in the box that raised it. That release must not raise the
    // warning again, or the key could never leave it; the next one does.
    void keyThatClosedTheWarningIsReleasedInTheBox_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("clicksInTheBox"); // pressed and released on its OK button
        QTest::addColumn<bool>("releasedHere"); // or in another program, after a switch
        QTest::newRow("Return") << int(Qt::Key_Return) << false << true;
        QTest::newRow("Enter") << int(Qt::Key_Enter) << false << true;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << false << true;
        QTest::newRow("Return released elsewhere") << int(Qt::Key_Return) << false << false;
        QTest::newRow("Space clicks OK") << int(Qt::Key_Space) << true << false;
    }

    void keyThatClosedTheWarningIsReleasedInTheBox()
    {
        QFETCH(int, key);
        QFETCH(bool, clicksInTheBox);
        QFETCH(bool, releasedHere);
        platform::FakePlatform fake;
        platform::QtMessageBoxes boxes;
        platform::Platform desktop { boxes, fake.colourDialog, fake.screen, fake.pointer, fake.keys,
            fake.desktopPick, fake.platform.screenReading };
        app::ColourWindow window(desktop);
        window.start();
        QStringList shown;
        QPointer<QMessageBox> last;
        QTimer user; // pressing the key on every box that opens
        connect(&user, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (box == last) { // the key did not close it
                shown << QStringLiteral("still open");
                box->done(0);
                return;
            }
            last = box;
            shown << box->text();
            if (clicksInTheBox)
                QTest::keyClick(box->button(QMessageBox::Ok), Qt::Key(key));
            else
                QTest::keyPress(box, Qt::Key(key));
        });
        user.start(10);
        auto* red = window.controls().channelBoxes[0];
        enter(red, QStringLiteral("300"));
        QCOMPARE(shown, QStringList { kIllegal });
        if (releasedHere)
            QTest::keyRelease(red, Qt::Key(key));
        QCOMPARE(shown, QStringList { kIllegal });
        QTest::keyPress(red, Qt::Key(key));
        QTest::keyRelease(red, Qt::Key(key));
        QCOMPARE(shown, (QStringList { kIllegal, kIllegal }));
    }

    void pasteWithTheMasterAwayRecentresIt()
    {
        WindowFixture f;
        f.setColour(160, 120, 90);
        f.c().master->setValue(140); // 162, 122, 92
        enter(f.c().channelBoxes[0], QStringLiteral("100"));
        QCOMPARE(f.c().master->value(), 128);
        QCOMPARE(f.channels(), (Channels { 98, 120, 90 }));
        enter(f.c().channelBoxes[0], QStringLiteral("100")); // master at 128 already
        QCOMPARE(f.channels(), (Channels { 100, 120, 90 }));
    }

    void colourDialog_data()
    {
        QTest::addColumn<std::optional<QColor>>("answer");
        QTest::addColumn<QString>("rgb");
        QTest::newRow("ok") << std::optional<QColor>(QColor(10, 0, 255)) << "10, 0, 255";
        QTest::newRow("cancel") << std::optional<QColor>() << "162, 129, 255";
        QTest::newRow("ok on the current colour")
            << std::optional<QColor>(QColor(162, 129, 255)) << "162, 129, 255";
    }

    void colourDialog()
    {
        QFETCH(std::optional<QColor>, answer);
        QFETCH(QString, rgb);
        WindowFixture f;
        f.desktop.colourDialog.answer = answer;
        f.c().chooseColour->click();
        QCOMPARE(f.desktop.colourDialog.opened, 1);
        QCOMPARE(f.desktop.colourDialog.lastInitial, QColor(162, 129, 255));
        QCOMPARE(f.notations().first(), rgb);
        QCOMPARE(f.boxes().join(", "), rgb);
        QVERIFY(f.desktop.messages.shown.isEmpty());
    }

    // A box that disagrees with its bar must not pull the bars off a colour
    // that replaces the whole colour: boxes, bars and notations agree after.
    void replacingColourAfterABoxDisagreedWithItsBar_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("right-click pick after a refused 300") << "pick";
        QTest::newRow("colour dialog after a refused 300") << "dialog";
        QTest::newRow("picker stop after a refused bar change") << "picker";
    }

    void replacingColourAfterABoxDisagreedWithItsBar()
    {
        QFETCH(QString, how);
        WindowFixture f;
        f.c().transparency->setValue(0);
        const QPoint at(70, 30);
        QRgb picked = f.c().preview->pixelAt(at);
        f.setColour(qRed(picked), 10, 20); // the red bar already stands on the new red
        f.c().transparency->setValue(0);
        picked = f.c().preview->pixelAt(at);
        if (how == "picker") {
            picked = qRgb(qRed(picked), 10 + 10, 20);
            f.desktop.screen.fill = picked;
            f.window.screenPicker().toggle();
            f.bar(1)->setValue(20); // refused: bar at 20, box still 10
            f.window.screenPicker().tick();
            f.window.screenPicker().toggle();
        } else {
            enter(f.c().channelBoxes[0], QStringLiteral("300")); // refused, stays in the box
            if (how == "pick") {
                QTest::mouseClick(f.c().preview, Qt::RightButton, {}, at);
            } else {
                picked = qRgb(qRed(picked), 99, 98);
                f.desktop.colourDialog.answer = QColor(picked);
                f.c().chooseColour->click();
            }
        }
        const Channels expected { qRed(picked), qGreen(picked), qBlue(picked) };
        QCOMPARE(f.channels(), expected);
        QCOMPARE(f.boxes(),
            (QStringList { QString::number(expected[0]), QString::number(expected[1]),
                QString::number(expected[2]) }));
        QCOMPARE(f.notations().first(),
            QStringLiteral("%1, %2, %3").arg(expected[0]).arg(expected[1]).arg(expected[2]));
        QCOMPARE(f.c().preview->backColour() & RGB_MASK, picked & RGB_MASK);
    }

    void rightClickPicksThePreviewAsDrawn()
    {
        WindowFixture f;
        f.c().transparency->setValue(0); // photograph and caption show
        auto* preview = f.c().preview;
        const QPoint at(70, 30);
        const QRgb drawn = preview->pixelAt(at);
        QTest::mouseClick(preview, Qt::LeftButton, {}, at); // picks nothing
        QCOMPARE(f.notations().first(), "162, 129, 255");
        QTest::mouseClick(preview, Qt::RightButton, {}, at);
        QCOMPARE(f.notations().first(),
            QStringLiteral("%1, %2, %3").arg(qRed(drawn)).arg(qGreen(drawn)).arg(qBlue(drawn)));
    }
};

QTEST_MAIN(TestInputs)
#include "tst_inputs.moc"
