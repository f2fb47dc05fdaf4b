// The window's handling end to end: start-up, the master, typing, colours
// from outside, the picker lock, keyboard-only use and copying a notation.
#include "app/notationbox.h"
#include "app/notationboxaccessible.h"
#include "platform/qtmessageboxes.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QToolTip>

namespace {

const QString kIllegal = QStringLiteral("Illegal value.");

// The design's tab order, from the box that has the focus at start-up.
const QStringList kTabOrder { "red1", "green1", "blue1", "Label1", "Slider1", "Slider2", "Slider3",
    "Slider4", "Text8", "Text7", "Text5", "Text4", "Text1", "Text3", "Text2", "Command1",
    "Command2", "Slider5", "Text6" };

const QString kUsersClipboard = QStringLiteral("what the user copied before");

const QString kHandle = QStringLiteral("Start the Color Picker");
const QString kHint = QStringLiteral("To stop it press 's' in the keyboard");
const QPoint kBackground(10, 285);

// The background, or the centre of a caption, in the window.
QPoint placeIn(const QWidget& window, const QString& place)
{
    for (const auto* label : window.findChildren<QLabel*>()) {
        if (label->text() == place)
            return label->mapTo(&window, label->rect().center());
    }
    return place == "background" ? kBackground : QPoint(-1, -1);
}

QString clipboard()
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

// Counts the changes of the application font, which Qt announces to every object.
struct FontChanges : QObject {
    int seen = 0;
    FontChanges() { qApp->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        seen += event->type() == QEvent::ApplicationFontChange;
        return false;
    }
};

} // namespace

class TestAppWindow : public QObject {
    Q_OBJECT
private slots:
    void startUpEndsInTheDesignedState()
    {
        // Setting the application font, even back to what it was, stops it from
        // following the desktop's: dialogs opened after the user changed the
        // desktop's font would keep the old one.
        const FontChanges fontChanges;
        WindowFixture f(false);
        QList<int> changes(4);
        for (int i = 0; i < 4; ++i)
            connect(f.bar(i), &channels::ChannelBar::changed, [&changes, i] { ++changes[i]; });
        f.window.start();
        // The stored 160, 120, 90 meet one rise of the master through the
        // nesting of the change handling: green runs twice, blue jumps to 255.
        QCOMPARE(changes, (QList<int> { 1, 2, 1, 1 }));
        QCOMPARE(f.state(), "162 129 255 | = | 128 128 | = | = | ");
        QCOMPARE(f.notations().mid(1),
            (QStringList { "&HFF81A2&", "16744866", "#A281FF", "93, 126, 0", "93, 126, 0, 0",
                "170, 240, 181", "ffff81a2" }));
        QCOMPARE(f.c().channelColumns[2]->level(), 255);
        QVERIFY(!f.window.pickerActive() && f.window.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(f.window.focusWidget(), f.c().channelBoxes[0]);
        QCOMPARE(fontChanges.seen, 0);
    }

    // The state after a script of user actions, as WindowFixture::state() writes it:
    // bars | boxes | master and column | RGB box | preview | message boxes.
    void script_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("state");
        const QString c = "colour 160 120 90";
        // The red bar already stands on the new red, so only the resync puts the 300 right.
        const QString r = "colour 176 10 20\ntype 0 300";
        QTest::newRow("master rises")
            << QStringList { c, "master 129" } << "162 122 92 | = | 129 129 | = | = | ";
        QTest::newRow("master falls")
            << QStringList { c, "master 127" } << "158 118 88 | = | 127 127 | = | = | ";
        QTest::newRow("each master move from the last") << QStringList { c, "master 140",
            "master 135" } << "160 120 90 | = | 135 135 | = | = | ";
        QTest::newRow("a channel bar's focus re-centres")
            << QStringList { c, "master 140", "focus 1" } << "160 120 90 | = | 128 128 | = | = | ";
        QTest::newRow("a click on a channel bar's arrow focuses it: re-centres") << QStringList { c,
            "master 140", "arrow 1 down" } << "160 130 90 | = | 128 128 | = | = | ";
        QTest::newRow("a bar's focus given back with the window: no re-centring")
            << QStringList { c, "master 140", "focus 1 back" }
            << "162 122 92 | = | 140 140 | = | = | ";
        QTest::newRow("1 snaps to 0 first")
            << QStringList { "colour 1 5 0", "master 127" } << "0 3 0 | = | 127 127 | = | = | ";
        QTest::newRow("254 snaps to 255 first") << QStringList { "colour 254 255 100",
            "master 129" } << "255 255 102 | = | 129 129 | = | = | ";
        QTest::newRow("all at 255: ends early, column kept") << QStringList { "colour 255 255 254",
            "master 129" } << "255 255 255 | = | 129 128 | = | = | ";
        QTest::newRow("typed: the master re-centres") << QStringList { c, "master 140",
            "type 0 100" } << "98 120 90 | = | 128 128 | = | = | ";
        QTest::newRow("typed 300: refused") << QStringList { c, "master 140", "type 0 300" }
                                            << "162 122 92 | 300 122 92 | 140 140 | = | = | !";
        QTest::newRow("dialog after a refused 300")
            << QStringList { r, "dialog 176 99 98" } << "176 99 98 | = | 128 128 | = | = | !";
        QTest::newRow("right-click on the clear photograph after a refused 300")
            << QStringList { "transparency 0", r, "right-click 70 30" }
            << "176 155 104 | = | 128 128 | = | = | !";
        QTest::newRow("picker stop after a locked bar") << QStringList { "colour 176 10 20",
            "screen 176 20 20", "eyedropper", "bar 1 20", "tick", "eyedropper" }
                                                        << "176 20 20 | = | 128 128 | = | = | i";
        // The picker's timer samples the black screen meanwhile.
        QTest::newRow("a locked arrow held: one warning") << QStringList { "eyedropper",
            "hold 0 down" } << "172 129 255 | 162 129 255 | 128 128 |  | 0 0 0 | i";
        QTest::newRow("keys: red bar")
            << QStringList { "tab Slider1", "keys Down" } << "172 129 255 | = | 128 128 | = | = | ";
        QTest::newRow("keys: blue bar")
            << QStringList { "tab Slider3", "keys PgUp" } << "162 129 235 | = | 128 128 | = | = | ";
        QTest::newRow("keys: master")
            << QStringList { "tab Slider4", "keys Down" } << "164 131 255 | = | 129 129 | = | = | ";
        QTest::newRow("keys: typed red")
            << QStringList { "keys Ctrl+A, 2, 0, 0" } << "200 129 255 | = | 128 128 | = | = | ";
    }

    void script()
    {
        QFETCH(QStringList, actions);
        QFETCH(QString, state);
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.run(actions.join('\n').split('\n'));
        QCOMPARE(f.state(), state);
    }

    // With real boxes: the key whose press closes the warning is released in
    // the channel box. That release must not warn again; the next press does.
    void keyThatClosedTheWarning_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("releasedHere"); // or in another program, after a switch
        QTest::newRow("Return") << int(Qt::Key_Return) << true;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << true;
        QTest::newRow("Return released elsewhere") << int(Qt::Key_Return) << false;
    }

    void keyThatClosedTheWarning()
    {
        QFETCH(int, key);
        QFETCH(bool, releasedHere);
        platform::FakePlatform fake;
        platform::QtMessageBoxes boxes;
        platform::Platform desktop { boxes, fake.colourDialog, fake.screen, fake.pointer, fake.keys,
            fake.desktopPick, fake.windowMove, fake.platform.screenReading };
        app::ColourWindow window(desktop);
        window.start();
        QStringList shown;
        QPointer<QMessageBox> last;
        QTimer user; // presses the key on every box that opens
        connect(&user, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box && box == last)
                box->done(0); // the key did not close it
            if (!box || box == last)
                return;
            shown << (last = box)->text();
            QTest::keyPress(box, Qt::Key(key));
        });
        user.start(10);
        auto* red = window.controls().channelBoxes[0];
        red->setText(QStringLiteral("300")); // a paste, then the release of a key
        QTest::keyClick(red, Qt::Key_End);
        if (releasedHere)
            QTest::keyRelease(red, Qt::Key(key));
        QCOMPARE(shown, QStringList { kIllegal });
        QTest::keyPress(red, Qt::Key(key));
        QTest::keyRelease(red, Qt::Key(key));
        QCOMPARE(shown, (QStringList { kIllegal, kIllegal }));
    }

    void tabOrderFollowsTheDesign()
    {
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QStringList visited;
        for (int i = 0; i <= kTabOrder.size();
             ++i, QTest::keyClick(qApp->focusWidget(), Qt::Key_Tab))
            visited << qApp->focusWidget()->objectName();
        QCOMPARE(visited, kTabOrder + QStringList { kTabOrder.first() });
    }

    // A click copies a read-only box; keys copy any box, leaving the cursor.
    void copy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key"); // 0: a click far from the start
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::newRow("click RGB") << "Text3" << 0 << 0 << "162, 129, 255";
        QTest::newRow("Return in RGB") << "Text3" << int(Qt::Key_Return) << 0 << "162, 129, 255";
        QTest::newRow("keypad Enter in HTML")
            << "Text7" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "#A281FF";
        QTest::newRow("Ctrl+C in KML")
            << "Text6" << int(Qt::Key_C) << int(Qt::ControlModifier) << "ffff81a2";
        QTest::newRow("click KML: selected for a paste, not copied")
            << "Text6" << 0 << 0 << "ffff81a2";
        QTest::newRow("assistive technology in HTML") << "Text7" << -1 << 0 << "#A281FF";
        QTest::newRow("an empty box: nothing") << "Text2" << 0 << 0 << "";
    }

    void copy()
    {
        QFETCH(QString, name);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QGuiApplication::clipboard()->setText(kUsersClipboard);
        QToolTip::hideText();
        auto* box = f.window.findChild<app::NotationBox*>(name);
        if (text.isEmpty())
            box->clear(); // as while the picker runs
        if (key < 0) { // the action assistive technology offers
            QAccessible::queryAccessibleInterface(box)->actionInterface()->doAction(
                app::NotationBoxAccessible::copyAction());
        } else if (key) {
            box->setFocus(Qt::OtherFocusReason);
            box->setCursorPosition(3);
            QTest::keyClick(box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QCOMPARE(box->cursorPosition(), 3); // nothing selected, nothing moved
        } else {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
            QCOMPARE(box->selectedText(), text); // for a middle-click
        }
        const bool copies = !text.isEmpty() && (key || name != "Text6");
        QCOMPARE(clipboard(), copies ? text : kUsersClipboard);
        const QString confirmation = copies ? "Copied" : "";
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), confirmation);
        QCOMPARE(box->accessibleDescription(), confirmation);
    }

    // The window dragged by its background: "press BUTTON PLACE" (the
    // background or a caption), "move X Y" (from the press, with the buttons
    // pressed so far), "release BUTTON". Each move asked of the window manager
    // is listed with the action that asked, and where the window was pressed.
    void drag_data()
    {
        using Answer = platform::WindowMove::Answer;
        QTest::addColumn<Answer>("answer"); // the window manager's
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<QPoint>("moved"); // by the window itself
        const QStringList drag { "press left background", "move 12 8", "move 24 16",
            "release left" };
        const QStringList askedAndCancelled { "move 12 8: from the press", "release left: cancel" };
        QTest::newRow("asked once, at the first motion; a release that reaches the window cancels")
            << Answer::Moving << drag << askedAndCancelled << QPoint();
        QTest::newRow(
            "the window manager refuses: the window follows the pointer until the release")
            << Answer::Refused << drag + QStringList { "press left " + kHint, "move 5 5" }
            << QStringList { "move 12 8: from the press" } << QPoint(24, 16);
        QTest::newRow("the button went up first: nothing moves, nothing to cancel")
            << Answer::ButtonUp
            << QStringList { "press left background", "move 3 2", "release left" }
            << QStringList { "move 3 2: from the press" } << QPoint();
        QTest::newRow("an instant click asks nothing")
            << Answer::Moving << QStringList { "press left background", "release left" }
            << QStringList() << QPoint();
        QTest::newRow("the right button does not drag, nor start a drag from the hint")
            << Answer::Moving
            << QStringList { "press right background", "move 12 8", "release right",
                   "press left " + kHint, "move 12 8", "release left" }
            << QStringList() << QPoint();
        QTest::newRow("the hint caption keeps its press")
            << Answer::Moving << QStringList { "press left " + kHint, "move 12 8", "release left" }
            << QStringList() << QPoint();
        QTest::newRow("the picker caption is a handle")
            << Answer::Moving
            << QStringList { "press left " + kHandle, "move 12 8", "release left" }
            << askedAndCancelled << QPoint();
        // The window manager kept the drag's release; the next the window sees ends a click.
        QTest::newRow("a click on a caption after a move cancels nothing")
            << Answer::Moving
            << QStringList { "press left background", "move 12 8", "press left " + kHint,
                   "release left" }
            << QStringList { "move 12 8: from the press" } << QPoint();
    }

    void drag()
    {
        QFETCH(platform::WindowMove::Answer, answer);
        QFETCH(QStringList, actions);
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QVERIFY(!f.window.childAt(kBackground));
        auto& move = f.desktop.windowMove;
        move.answer = answer;
        QWindow* window = f.window.windowHandle();
        const QPoint start = f.window.pos();
        QPoint pressed; // in the window
        QPoint pressedAt; // global
        QPoint pointer; // global
        QStringList asked;
        for (const QString& action : actions) {
            const QStringList w = action.split(' ');
            const auto button = w[1] == "right" ? Qt::RightButton : Qt::LeftButton;
            const auto startsBefore = move.startedFrom.size();
            const int cancelsBefore = move.cancels;
            if (w[0] == "press") {
                pressed = placeIn(f.window, w.mid(2).join(' '));
                pointer = pressedAt = window->mapToGlobal(pressed);
                QTest::mousePress(window, button, {}, pressed);
            } else if (w[0] == "move") {
                pointer = pressedAt + QPoint(w[1].toInt(), w[2].toInt());
                QTest::mouseMove(window, window->mapFromGlobal(pointer));
            } else
                QTest::mouseRelease(window, button, {}, window->mapFromGlobal(pointer));
            for (auto i = startsBefore; i < move.startedFrom.size(); ++i) {
                const QPointF at = move.startedFrom[i];
                asked << action + ": from "
                        + (at == pressed ? "the press"
                                         : QStringLiteral("%1 %2").arg(at.x()).arg(at.y()));
            }
            if (move.cancels > cancelsBefore)
                asked << action + ": cancel";
        }
        QTEST(asked, "asked");
        QTEST(f.window.pos() - start, "moved");
    }
};

QTEST_MAIN(TestAppWindow)
#include "tst_app_window.moc"
