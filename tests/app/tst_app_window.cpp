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
#include <variant>

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

enum class Place { Background, Hint, Handle }; // the picker's caption is a handle

QPoint placeIn(const QWidget& window, Place place)
{
    if (place == Place::Background)
        return kBackground;
    const QString caption = place == Place::Hint ? kHint : kHandle;
    for (const auto* label : window.findChildren<QLabel*>()) {
        if (label->text() == caption)
            return label->mapTo(&window, label->rect().center());
    }
    return { -1, -1 };
}

// A mouse step of a drag: a press at a place, a move from the press, a release.
struct Mouse {
    QEvent::Type type;
    Qt::MouseButton button = Qt::LeftButton;
    Place place = Place::Background;
    QPoint by;
};

// How a notation box is copied: a click far from the start, a key at the
// cursor, or the action assistive technology offers, by its name.
using Copying = std::variant<Qt::MouseButton, QKeyCombination, QString>;

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
public:
    // What a step of a drag asked of the window manager, named in a failure's message.
    enum class Ask { Nothing, MoveFromThePress, MoveFromElsewhere, Cancel };
    Q_ENUM(Ask)

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
            connect(f.bar(Bar(i)), &channels::ChannelBar::changed, [&changes, i] { ++changes[i]; });
        f.window.start();
        // The stored 160, 120, 90 meet one rise of the master through the
        // nesting of the change handling: green runs twice, blue jumps to 255.
        QCOMPARE(changes, (QList<int> { 1, 2, 1, 1 }));
        QCOMPARE(f.seen(), kDesigned);
        QCOMPARE(f.notations().mid(1),
            (QStringList { "&HFF81A2&", "16744866", "#A281FF", "93, 126, 0", "93, 126, 0, 0",
                "170, 240, 181", "ffff81a2" }));
        QCOMPARE(f.c().channelColumns[2]->level(), 255);
        QVERIFY(!f.window.pickerActive() && f.window.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(f.window.focusWidget(), f.c().channelBoxes[0]);
        QCOMPARE(fontChanges.seen, 0);
    }

    // What the user sees after a few actions.
    void script_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<SeenState>("seen");
        const Step c = showColour(160, 120, 90);
        QTest::newRow("master rises")
            << Steps { c, moveMaster(129) } << steady({ 162, 122, 92 }, 129);
        QTest::newRow("each master move from the last")
            << Steps { c, moveMaster(140), moveMaster(135) } << steady({ 160, 120, 90 }, 135);
        QTest::newRow("a click on a channel bar's arrow focuses it: re-centres") << Steps { c,
            moveMaster(140), clickArrow(Bar::Green, Arrow::Down) } << steady({ 160, 130, 90 });
        QTest::newRow("a bar's focus given back with the window: no re-centring")
            << Steps { c, moveMaster(140), focusBar(Bar::Green, Qt::ActiveWindowFocusReason) }
            << steady({ 162, 122, 92 }, 140);
        QTest::newRow("1 snaps to 0 first")
            << Steps { showColour(1, 5, 0), moveMaster(127) } << steady({ 0, 3, 0 }, 127);
        QTest::newRow("254 snaps to 255 first") << Steps { showColour(254, 255, 100),
            moveMaster(129) } << steady({ 255, 255, 102 }, 129);
        SeenState allAt255 = steady({ 255, 255, 255 }, 129);
        allAt255.masterColumn = 128;
        QTest::newRow("all at 255: ends early, column kept")
            << Steps { showColour(255, 255, 254), moveMaster(129) } << allAt255;
        QTest::newRow("typed: the master re-centres")
            << Steps { c, moveMaster(140), type(Bar::Red, "100") } << steady({ 98, 120, 90 });
        // The red bar already stands on the new red, so only the resync puts the 300 right.
        QTest::newRow("dialog after a refused 300") << Steps {
            showColour(176, 10, 20), type(Bar::Red, "300"), chooseInDialog(QColor(176, 99, 98))
        } << steady({ 176, 99, 98 }, 128, { Warning::Exclamation });
        // The picker's timer samples the black screen meanwhile.
        SeenState held = steady({ 172, 129, 255 }, 128, { Warning::Information });
        held.boxes = kDesigned.boxes;
        held.rgbBox.clear();
        held.preview = { 0, 0, 0 };
        QTest::newRow("a locked arrow held: one warning")
            << Steps { clickEyedropper, clickArrow(Bar::Red, Arrow::Down, 700) } << held;
        QTest::newRow("Page Up on the blue bar")
            << Steps { focusBar(Bar::Blue), keys(Qt::Key_PageUp) } << steady({ 162, 129, 235 });
    }

    void script()
    {
        QFETCH(Steps, steps);
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.run(steps);
        QTEST(f.seen(), "seen");
    }

    // The dialog opens at the colour shown; a cancel there changes nothing.
    void dialogOpensAtTheShownColour_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QColor>("openedAt");
        QTest::newRow("after a master move")
            << Steps { showColour(160, 120, 90), moveMaster(129) } << QColor(162, 122, 92);
        QTest::newRow("after a colour chosen there")
            << Steps { chooseInDialog(QColor(1, 2, 3)) } << QColor(1, 2, 3);
    }

    void dialogOpensAtTheShownColour()
    {
        QFETCH(Steps, steps);
        WindowFixture f;
        f.run(steps);
        const SeenState before = f.seen();
        f.run({ chooseInDialog(std::nullopt) });
        QTEST(f.desktop.colourDialog.openedAt.last(), "openedAt");
        QCOMPARE(f.seen(), before);
    }

    // While a thumb is dragged the swatches take the three channel boxes, read
    // as 16-bit whole numbers; one holding no number, or a negative one, leaves
    // them. The release commits the swatches' colour: a bar they did not
    // follow goes back.
    void channelStepReadsTheBoxes_data()
    {
        QTest::addColumn<QString>("left"); // in both other channel boxes
        QTest::addColumn<Bar>("moved"); // its thumb to 100
        QTest::addColumn<QList<int>>("swatches");
        const QList<int> kept = kDesigned.bars;
        QTest::newRow("7") << "7" << Bar::Green << QList { 7, 100, 7 };
        QTest::newRow("0") << "0" << Bar::Red << QList { 100, 0, 0 };
        QTest::newRow("12.5: to even") << "12.5" << Bar::Green << QList { 12, 100, 12 };
        QTest::newRow("300: full") << "300" << Bar::Green << QList { 255, 100, 255 };
        QTest::newRow("32767: the largest") << "32767" << Bar::Blue << QList { 255, 255, 100 };
        QTest::newRow("32768") << "32768" << Bar::Blue << kept;
        QTest::newRow("-1") << "-1" << Bar::Green << kept;
        QTest::newRow("empty") << "" << Bar::Red << kept;
    }

    void channelStepReadsTheBoxes()
    {
        QFETCH(QString, left);
        QFETCH(Bar, moved);
        WindowFixture f;
        for (auto* box : f.c().channelBoxes)
            box->setText(left); // pasted, no key released: not checked
        f.bar(moved)->setSliderDown(true);
        f.bar(moved)->setSliderPosition(100);
        QTEST(f.seen().preview, "swatches");
        f.bar(moved)->setSliderDown(false);
        QTEST(f.seen().bars, "swatches");
        QCOMPARE(f.seen().warnings, {});
    }

    // With real boxes: the key whose press closes the warning is released in
    // the channel box. That release must not warn again; the next press does.
    void keyThatClosedTheWarning_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("releasedHere"); // or in another program, after a switch
        QTest::newRow("Return") << int(Qt::Key_Return) << true;
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
        QTest::addColumn<Copying>("by");
        QTest::addColumn<bool>("emptied"); // as while the picker runs
        QTest::addColumn<QString>("clipboard"); // afterwards
        QTest::addColumn<bool>("confirmed"); // "Copied" shows
        const Copying click = Qt::LeftButton;
        const Copying assistive = app::NotationBoxAccessible::copyAction();
        QTest::newRow("click RGB") << "Text3" << click << false << "162, 129, 255" << true;
        QTest::newRow("Return in RGB")
            << "Text3" << Copying(Qt::Key_Return) << false << "162, 129, 255" << true;
        QTest::newRow("keypad Enter in HTML")
            << "Text7" << Copying(Qt::KeypadModifier | Qt::Key_Enter) << false << "#A281FF" << true;
        QTest::newRow("Ctrl+C in KML")
            << "Text6" << Copying(Qt::CTRL | Qt::Key_C) << false << "ffff81a2" << true;
        QTest::newRow("click KML: selected for a paste, not copied")
            << "Text6" << click << false << kUsersClipboard << false;
        QTest::newRow("assistive technology in HTML")
            << "Text7" << assistive << false << "#A281FF" << true;
        QTest::newRow("an empty box: nothing")
            << "Text2" << click << true << kUsersClipboard << false;
    }

    void copy()
    {
        QFETCH(QString, name);
        QFETCH(Copying, by);
        QFETCH(bool, emptied);
        QFETCH(bool, confirmed);
        WindowFixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QGuiApplication::clipboard()->setText(kUsersClipboard);
        QToolTip::hideText();
        auto* box = f.window.findChild<app::NotationBox*>(name);
        if (emptied)
            box->clear();
        if (const auto* action = std::get_if<QString>(&by)) {
            QAccessible::queryAccessibleInterface(box)->actionInterface()->doAction(*action);
        } else if (const auto* key = std::get_if<QKeyCombination>(&by)) {
            box->setFocus(Qt::OtherFocusReason);
            box->setCursorPosition(3);
            QTest::keyClick(box, key->key(), key->keyboardModifiers());
            QCOMPARE(box->cursorPosition(), 3); // nothing selected, nothing moved
        } else {
            const QPoint farFromTheStart(box->width() - 4, box->height() / 2);
            QTest::mouseClick(box, std::get<Qt::MouseButton>(by), {}, farFromTheStart);
            QCOMPARE(box->selectedText(), box->text()); // for a middle-click
        }
        QTEST(QGuiApplication::clipboard()->text(QClipboard::Clipboard), "clipboard");
        const QString confirmation = confirmed ? "Copied" : "";
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), confirmation);
        QCOMPARE(box->accessibleDescription(), confirmation);
    }

    // The window dragged by its background, and what each step asked of the
    // window manager.
    void drag_data()
    {
        using Answer = platform::WindowMove::Answer;
        QTest::addColumn<Answer>("answer"); // the window manager's
        QTest::addColumn<QList<Mouse>>("steps");
        QTest::addColumn<QList<Ask>>("asked"); // by each step
        QTest::addColumn<QPoint>("moved"); // by the window itself
        const auto press = [](Qt::MouseButton b, Place p) {
            return Mouse { QEvent::MouseButtonPress, b, p, {} };
        };
        const auto moveBy = [](int x, int y) {
            return Mouse { QEvent::MouseMove, {}, {}, { x, y } };
        };
        const auto release = [](Qt::MouseButton b) {
            return Mouse { QEvent::MouseButtonRelease, b, {}, {} };
        };
        const auto left = Qt::LeftButton;
        const auto none = Ask::Nothing;
        const auto move = Ask::MoveFromThePress;
        const QList<Mouse> drag { press(left, Place::Background), moveBy(12, 8), moveBy(24, 16),
            release(left) };
        QTest::newRow("asked once, at the first motion; a release that reaches the window cancels")
            << Answer::Moving << drag << QList { none, move, none, Ask::Cancel } << QPoint();
        QTest::newRow(
            "the window manager refuses: the window follows the pointer until the release")
            << Answer::Refused << drag + QList { press(left, Place::Hint), moveBy(5, 5) }
            << QList { none, move, none, none, none, none } << QPoint(24, 16);
        QTest::newRow("the button went up first: nothing moves, nothing to cancel")
            << Answer::ButtonUp
            << QList { press(left, Place::Background), moveBy(3, 2), release(left) }
            << QList { none, move, none } << QPoint();
        QTest::newRow("the right button does not drag, nor start a drag from the hint")
            << Answer::Moving
            << QList { press(Qt::RightButton, Place::Background), moveBy(12, 8),
                   release(Qt::RightButton), press(left, Place::Hint), moveBy(12, 8),
                   release(left) }
            << QList<Ask>(6, none) << QPoint();
        QTest::newRow("the picker caption is a handle")
            << Answer::Moving << QList { press(left, Place::Handle), moveBy(12, 8), release(left) }
            << QList { none, move, Ask::Cancel } << QPoint();
        // The window manager kept the drag's release; the next the window sees ends a click.
        QTest::newRow("a click on a caption after a move cancels nothing")
            << Answer::Moving
            << QList { press(left, Place::Background), moveBy(12, 8), press(left, Place::Hint),
                   release(left) }
            << QList { none, move, none, none } << QPoint();
    }

    void drag()
    {
        QFETCH(platform::WindowMove::Answer, answer);
        QFETCH(QList<Mouse>, steps);
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
        QList<Ask> asked;
        for (const Mouse& m : steps) {
            const auto startsBefore = move.startedFrom.size();
            const int cancelsBefore = move.cancels;
            if (m.type == QEvent::MouseButtonPress) {
                pressed = placeIn(f.window, m.place);
                pointer = pressedAt = window->mapToGlobal(pressed);
                QTest::mousePress(window, m.button, {}, pressed);
            } else if (m.type == QEvent::MouseMove) {
                pointer = pressedAt + m.by;
                QTest::mouseMove(window, window->mapFromGlobal(pointer));
            } else
                QTest::mouseRelease(window, m.button, {}, window->mapFromGlobal(pointer));
            asked << (move.cancels > cancelsBefore            ? Ask::Cancel
                    : move.startedFrom.size() == startsBefore ? Ask::Nothing
                    : move.startedFrom.last() == pressed      ? Ask::MoveFromThePress
                                                              : Ask::MoveFromElsewhere);
        }
        QTEST(asked, "asked");
        QTEST(f.window.pos() - start, "moved");
    }
};

QTEST_MAIN(TestAppWindow)
#include "tst_app_window.moc"
