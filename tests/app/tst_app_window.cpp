// The window's handling end to end: start-up, the master, typing, colours
// from outside, the picker lock, keyboard-only use and copying a notation.
#include "app/notationbox.h"
#include "app/notationboxaccessible.h"
#include "picker/screenpicker.h"
#include "platform/qtmessageboxes.h"
#include "scrollbarpart.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolTip>

using Channels = QList<int>;

namespace {

const QString kIllegal = QStringLiteral("Illegal value.");

// Text arriving in one go (a paste), then the release of one key.
void enter(channels::ChannelEntry* box, const QString& text)
{
    box->setText(text);
    QTest::keyClick(box, Qt::Key_End);
}

QStringList texts(const Channels& c)
{
    return { QString::number(c[0]), QString::number(c[1]), QString::number(c[2]) };
}

// The design's tab order, from the box that has the focus at start-up.
const QStringList kTabOrder { "red1", "green1", "blue1", "Label1", "Slider1", "Slider2", "Slider3",
    "Slider4", "Text8", "Text7", "Text5", "Text4", "Text1", "Text3", "Text2", "Command1",
    "Command2", "Slider5", "Text6" };

const QString kUsersClipboard = QStringLiteral("what the user copied before");

QString clipboard()
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

// A started, active window whose clipboard holds what the user copied before.
struct CopySession : WindowFixture {
    CopySession()
    {
        QGuiApplication::clipboard()->setText(kUsersClipboard);
        QToolTip::hideText();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("window not active");
    }

    app::NotationBox* box(const QString& name) const
    {
        return window.findChild<app::NotationBox*>(name);
    }
};

QString focused()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

class TestAppWindow : public QObject {
    Q_OBJECT
private slots:
    void startUpEndsInTheDesignedState()
    {
        WindowFixture f(false);
        QList<QSignalSpy*> spies;
        for (int i = 0; i < 4; ++i)
            spies << new QSignalSpy(f.bar(i), &channels::ChannelBar::changed);
        f.window.start();
        // The stored 160, 120, 90 meet one rise of the master through the
        // nesting of the change handling: green runs twice, blue jumps to 255.
        QCOMPARE(spies[3]->count(), 1);
        QCOMPARE(spies[0]->count(), 1);
        QCOMPARE(spies[1]->count(), 2);
        QCOMPARE(spies[2]->count(), 1);
        qDeleteAll(spies);
        QCOMPARE(f.notations(),
            (QStringList { "162, 129, 255", "&HFF81A2&", "16744866", "#A281FF", "93, 126, 0",
                "93, 126, 0, 0", "170, 240, 181", "ffff81a2" }));
        QCOMPARE(f.boxes(), (QStringList { "162", "129", "255" }));
        for (int ch = 0; ch < 3; ++ch)
            QCOMPARE(f.c().channelColumns[ch]->level(), f.channels()[ch]);
        QCOMPARE(f.c().master->value(), 128);
        QCOMPARE(f.c().masterColumn->level(), 128);
        QVERIFY(!f.window.pickerActive());
        QVERIFY(f.window.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(f.window.focusWidget(), f.c().channelBoxes[0]);
        QVERIFY(f.desktop.messages.shown.isEmpty());
    }

    void master_data()
    {
        QTest::addColumn<Channels>("before");
        QTest::addColumn<Channels>("moves");
        QTest::addColumn<Channels>("after");
        QTest::addColumn<int>("column"); // the master column's level after
        QTest::newRow("rise") << Channels { 160, 120, 90 } << Channels { 129 }
                              << Channels { 162, 122, 92 } << 129;
        QTest::newRow("fall") << Channels { 160, 120, 90 } << Channels { 127 }
                              << Channels { 158, 118, 88 } << 127;
        QTest::newRow("each move from the last")
            << Channels { 160, 120, 90 } << Channels { 140, 135 } << Channels { 160, 120, 90 }
            << 135;
        QTest::newRow("1 snaps to 0 first")
            << Channels { 1, 5, 0 } << Channels { 127 } << Channels { 0, 3, 0 } << 127;
        QTest::newRow("254 snaps to 255 first")
            << Channels { 254, 255, 100 } << Channels { 129 } << Channels { 255, 255, 102 } << 129;
        QTest::newRow("all at 255: ends early, column kept")
            << Channels { 255, 255, 254 } << Channels { 129 } << Channels { 255, 255, 255 } << 128;
    }

    void master()
    {
        QFETCH(Channels, before);
        QFETCH(Channels, moves);
        QFETCH(Channels, after);
        QFETCH(int, column);
        WindowFixture f;
        f.setColour(before[0], before[1], before[2]);
        for (const int m : moves)
            f.c().master->setValue(m);
        QCOMPARE(f.channels(), after);
        QCOMPARE(f.boxes(), texts(after));
        QCOMPARE(f.c().masterColumn->level(), column);
        QCOMPARE(f.notations().first(), texts(after).join(", "));
    }

    // Typed with the master away from its middle (162, 122, 92 after 140).
    void typed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Channels>("channels");
        QTest::addColumn<int>("master");
        QTest::newRow("accepted: re-centres the master")
            << "100" << Channels { 98, 120, 90 } << 128;
        QTest::newRow("refused: warns") << "300" << Channels { 162, 122, 92 } << 140;
    }

    void typed()
    {
        QFETCH(QString, text);
        QFETCH(Channels, channels);
        QFETCH(int, master);
        WindowFixture f;
        f.setColour(160, 120, 90);
        f.c().master->setValue(140);
        enter(f.c().channelBoxes[0], text);
        QCOMPARE(f.channels(), channels);
        QCOMPARE(f.c().master->value(), master);
        QCOMPARE(f.boxes()[0], master == 140 ? text : QString::number(channels[0])); // 300 stays
        QCOMPARE(f.warnings(kIllegal), master == 140);
        for (const auto& shown : f.desktop.messages.shown)
            QVERIFY(shown.title == "Warning" && shown.icon == platform::MessageIcon::Exclamation);
    }

    // With real boxes: the key whose press closes the warning is released in
    // the channel box. That release must not warn again; the next press does.
    void keyThatClosedTheWarning_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("onOk"); // pressed and released on the OK button
        QTest::addColumn<bool>("releasedHere"); // or in another program, after a switch
        QTest::newRow("Return") << int(Qt::Key_Return) << false << true;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << false << true;
        QTest::newRow("Return released elsewhere") << int(Qt::Key_Return) << false << false;
        QTest::newRow("Space clicks OK") << int(Qt::Key_Space) << true << false;
    }

    void keyThatClosedTheWarning()
    {
        QFETCH(int, key);
        QFETCH(bool, onOk);
        QFETCH(bool, releasedHere);
        platform::FakePlatform fake;
        platform::QtMessageBoxes boxes;
        platform::Platform desktop { boxes, fake.colourDialog, fake.screen, fake.pointer, fake.keys,
            fake.desktopPick, fake.platform.screenReading };
        app::ColourWindow window(desktop);
        window.start();
        QStringList shown;
        QPointer<QMessageBox> last;
        QTimer user; // presses the key on every box that opens
        connect(&user, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (box == last) { // the key did not close it
                shown << QStringLiteral("still open");
                box->done(0);
                return;
            }
            shown << (last = box)->text();
            if (onOk)
                QTest::keyClick(box->button(QMessageBox::Ok), Qt::Key(key));
            else
                QTest::keyPress(box, Qt::Key(key));
        });
        user.start(10);
        auto* red = window.controls().channelBoxes[0];
        enter(red, QStringLiteral("300"));
        if (releasedHere)
            QTest::keyRelease(red, Qt::Key(key));
        QCOMPARE(shown, QStringList { kIllegal });
        QTest::keyPress(red, Qt::Key(key));
        QTest::keyRelease(red, Qt::Key(key));
        QCOMPARE(shown, (QStringList { kIllegal, kIllegal }));
    }

    // A colour replacing the whole colour after a box came to disagree with
    // its bar: boxes, bars and notations agree on it after.
    void colourFromOutside_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<Channels>("expected");
        QTest::newRow("dialog after a refused 300") << "dialog" << Channels { 176, 99, 98 };
        // The photograph's pixel at (70, 30), the preview being clear.
        QTest::newRow("right-click after a refused 300") << "pick" << Channels { 176, 155, 104 };
        QTest::newRow("picker after a locked bar") << "picker" << Channels { 176, 20, 20 };
    }

    void colourFromOutside()
    {
        QFETCH(QString, how);
        QFETCH(Channels, expected);
        WindowFixture f;
        f.setColour(176, 10, 20); // the red bar already stands on the new red
        f.c().transparency->setValue(0);
        f.desktop.colourDialog.answer = QColor(176, 99, 98);
        f.desktop.screen.fill = qRgb(176, 20, 20);
        if (how == "picker") {
            f.window.screenPicker().toggle();
            f.bar(1)->setValue(20); // refused: the bar at 20, its box at 10
            f.window.screenPicker().tick();
            f.window.screenPicker().toggle();
        } else {
            enter(f.c().channelBoxes[0], QStringLiteral("300"));
            if (how == "pick")
                QTest::mouseClick(f.c().preview, Qt::RightButton, {}, { 70, 30 });
            else
                f.c().chooseColour->click();
        }
        QCOMPARE(f.channels(), expected);
        QCOMPARE(f.boxes(), texts(expected));
        QCOMPARE(f.notations().first(), texts(expected).join(", "));
    }

    // The box would swallow the release: one press on an arrow is one warning.
    void lockedArrowHeldWarnsOnce()
    {
        WindowFixture f;
        f.window.screenPicker().toggle();
        auto* red = f.bar(0);
        QTest::mousePress(
            red, Qt::LeftButton, {}, scrollBarPart(red, QStyle::SC_ScrollBarAddLine).center());
        QTest::qWait(700); // past the auto-repeat delay
        QTest::mouseRelease(red, Qt::LeftButton);
        QCOMPARE(f.desktop.messages.shown.size(), 1);
        QCOMPARE(f.desktop.messages.shown[0].text, kLocked);
        QCOMPARE(f.desktop.messages.shown[0].title, "Warning");
        QCOMPARE(f.desktop.messages.shown[0].icon, platform::MessageIcon::Information);
        QCOMPARE(f.boxes(), (QStringList { "162", "129", "255" }));
    }

    void tabOrderFollowsTheDesign()
    {
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QStringList visited { focused() };
        for (int i = 0; i < kTabOrder.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << focused();
        }
        QCOMPARE(visited, kTabOrder + QStringList { kTabOrder.first() });
    }

    void keyboardAlone_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("rgb");
        QTest::addColumn<QString>("kml");
        QTest::newRow("typed red") << "red1" << QKeySequence("Ctrl+A, 2, 0, 0") << "200, 129, 255"
                                   << "ffff81c8";
        QTest::newRow("red bar") << "Slider1" << QKeySequence("Down") << "172, 129, 255"
                                 << "ffff81ac";
        QTest::newRow("blue bar") << "Slider3" << QKeySequence("PgUp") << "162, 129, 235"
                                  << "ffeb81a2";
        QTest::newRow("master") << "Slider4" << QKeySequence("Down") << "164, 131, 255"
                                << "ffff83a4";
        QTest::newRow("transparency") << "Slider5" << QKeySequence("Left") << "162, 129, 255"
                                      << "feff81a2";
        QTest::newRow("colour dialog") << "Command2" << QKeySequence("Space") << "1, 2, 3"
                                       << "ff030201";
    }

    void keyboardAlone()
    {
        QFETCH(QString, control);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, rgb);
        QFETCH(QString, kml);
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.desktop.colourDialog.answer = QColor(1, 2, 3);
        for (int i = 0; i < kTabOrder.size() && focused() != control; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keySequence(QApplication::focusWidget(), keys);
        QCOMPARE(f.c().rgb->text(), rgb);
        QCOMPARE(f.c().kml->text(), kml);
        QVERIFY(f.desktop.messages.shown.isEmpty());
    }

    // A click copies a read-only box; keys copy any box, leaving the cursor.
    void copy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key"); // 0: a click far from the start
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::newRow("click RGB") << "Text3" << 0 << 0 << "162, 129, 255";
        QTest::newRow("click Hexa VB") << "Text1" << 0 << 0 << "&HFF81A2&";
        QTest::newRow("click CMYK") << "Text5" << 0 << 0 << "93, 126, 0, 0";
        QTest::newRow("click HSL") << "Text8" << 0 << 0 << "170, 240, 181";
        QTest::newRow("Return in RGB") << "Text3" << int(Qt::Key_Return) << 0 << "162, 129, 255";
        QTest::newRow("keypad Enter in HTML")
            << "Text7" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "#A281FF";
        QTest::newRow("Ctrl+C in KML")
            << "Text6" << int(Qt::Key_C) << int(Qt::ControlModifier) << "ffff81a2";
        QTest::newRow("an empty box: nothing") << "Text2" << 0 << 0 << "";
    }

    void copy()
    {
        QFETCH(QString, name);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        CopySession s;
        app::NotationBox* box = s.box(name);
        if (text.isEmpty())
            box->clear(); // as while the picker runs
        if (key) {
            box->setFocus(Qt::OtherFocusReason);
            box->setCursorPosition(3);
            QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QVERIFY(!box->hasSelectedText());
            QCOMPARE(box->cursorPosition(), 3);
        } else {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
            QCOMPARE(box->selectedText(), text); // for a middle-click
        }
        QCOMPARE(clipboard(), text.isEmpty() ? kUsersClipboard : text);
        const QString confirmation = text.isEmpty() ? "" : "Copied";
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), confirmation);
        QCOMPARE(box->accessibleDescription(), confirmation);
    }

    void dragSelectsPartWithoutCopying()
    {
        CopySession s;
        app::NotationBox* box = s.box(QStringLiteral("Text3"));
        const int y = box->height() / 2;
        QTest::mousePress(box, Qt::LeftButton, {}, QPoint(4, y));
        QTest::mouseMove(box, QPoint(box->width() / 2, y));
        QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(box->width() / 2, y));
        QVERIFY(box->hasSelectedText());
        QVERIFY(box->selectedText().size() < box->text().size());
        QCOMPARE(clipboard(), kUsersClipboard);
    }

    void clickIntoTheKmlBoxSelectsForAPaste()
    {
        CopySession s;
        app::NotationBox* kml = s.box(QStringLiteral("Text6"));
        QTest::mouseClick(kml, Qt::LeftButton, {}, kml->rect().center());
        QCOMPARE(kml->selectedText(), QStringLiteral("ffff81a2"));
        QCOMPARE(clipboard(), kUsersClipboard);
        QGuiApplication::clipboard()->setText(QStringLiteral("7f00ff00"));
        QTest::keyClick(kml, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(kml->text(), QStringLiteral("7f00ff00"));
    }

    void assistiveTechnologyCopies()
    {
        CopySession s;
        app::NotationBox* box = s.box(QStringLiteral("Text7"));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
        iface->actionInterface()->doAction(app::NotationBoxAccessible::copyAction());
        QCOMPARE(clipboard(), QStringLiteral("#A281FF"));
        QCOMPARE(iface->text(QAccessible::Description), "Copied");
        QTRY_VERIFY_WITH_TIMEOUT(box->accessibleDescription().isEmpty(), 3000);
    }
};

QTEST_MAIN(TestAppWindow)
#include "tst_app_window.moc"
