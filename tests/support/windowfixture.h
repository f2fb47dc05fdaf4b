// A started window on a fake desktop, what the user sees of it as named
// fields, and the user's actions as typed steps.
#pragma once

#include "app/colourwindow.h"
#include "channels/channelbar.h"
#include "channels/channelentry.h"
#include "channels/columngauge.h"
#include "picker/pickerbutton.h"
#include "picker/screenpicker.h"
#include "scrollbarpart.h"
#include "support/fakeplatform.h"
#include "transparency/previewbox.h"
#include "transparency/transparencyslider.h"

#include <QApplication>
#include <QDebug>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <functional>

enum class Bar { Red, Green, Blue, Master };
enum class Arrow { Up, Down };
// A message box titled "Warning", by its icon; any other title is a fault.
enum class Warning { Information, Exclamation, Untitled };

// What the user sees: the channel bars and boxes, the master and its column,
// the RGB box, the preview's colour and the message boxes shown so far.
struct SeenState {
    QList<int> bars;
    QStringList boxes;
    int master = 128;
    int masterColumn = 128;
    QString rgbBox;
    QList<int> preview;
    QList<Warning> warnings;
    friend bool operator==(const SeenState&, const SeenState&) = default;
};

// The window at rest on a colour: bars, boxes, RGB box and preview agree.
inline SeenState steady(const QList<int>& rgb, int master = 128, QList<Warning> warnings = {})
{
    const QString text = QStringLiteral("%1, %2, %3").arg(rgb[0]).arg(rgb[1]).arg(rgb[2]);
    return { rgb, text.split(QStringLiteral(", ")), master, master, text, rgb, warnings };
}

// The start-up colour, the stored 160, 120, 90 after the master's first rise.
inline const SeenState kDesigned = steady({ 162, 129, 255 });

inline QDebug operator<<(QDebug debug, Warning w)
{
    switch (w) {
    case Warning::Information:
        return debug << "information";
    case Warning::Exclamation:
        return debug << "exclamation";
    case Warning::Untitled:
        return debug << "untitled";
    }
    return debug << "unknown warning";
}

// Named fields, so that a failed comparison says which differ.
inline char* toString(const SeenState& s)
{
    QString text;
    QDebug(&text).nospace() << "{bars " << s.bars << ", boxes " << s.boxes << ", master "
                            << s.master << ", column " << s.masterColumn << ", rgbBox " << s.rgbBox
                            << ", preview " << s.preview << ", warnings " << s.warnings << "}";
    return QTest::toString(text);
}

struct WindowFixture;
using Step = std::function<void(WindowFixture&)>;
using Steps = QList<Step>;

struct WindowFixture {
    platform::FakePlatform desktop;
    app::ColourWindow window { desktop.platform };

    explicit WindowFixture(bool load = true)
    {
        if (load)
            window.start();
    }

    const app::WindowControls& c() const { return window.controls(); }

    channels::ChannelBar* bar(Bar b) const
    {
        return b == Bar::Master ? c().master : c().channelBars.at(int(b));
    }
    channels::ChannelEntry* box(Bar b) const { return c().channelBoxes.at(int(b)); }

    // The eight notation boxes in the command-line tool's order.
    QStringList notations() const
    {
        QStringList texts;
        for (const QLineEdit* box : c().notations)
            texts << box->text();
        return texts;
    }

    SeenState seen() const
    {
        SeenState s;
        for (int ch = 0; ch < 3; ++ch) {
            s.bars << c().channelBars[ch]->value();
            s.boxes << c().channelBoxes[ch]->text();
        }
        s.master = c().master->value();
        s.masterColumn = c().masterColumn->level();
        s.rgbBox = c().notation(colour::Notation::Rgb)->text();
        const QColor preview(c().preview->backColour());
        s.preview = { preview.red(), preview.green(), preview.blue() };
        for (const auto& box : desktop.messages.shown)
            s.warnings << (box.title != "Warning"                    ? Warning::Untitled
                    : box.icon == platform::MessageIcon::Information ? Warning::Information
                                                                     : Warning::Exclamation);
        return s;
    }

    void run(const Steps& steps)
    {
        for (const Step& step : steps)
            step(*this);
    }
};

// --- The user's actions, as steps of a table row

// A colour set as the user would see it afterwards: bars and boxes agree.
inline Step showColour(int r, int g, int b)
{
    return [=](WindowFixture& f) { f.window.showColour(colour::colourNumberOf(r, g, b)); };
}

inline Step moveMaster(int value)
{
    return [=](WindowFixture& f) { f.c().master->setValue(value); };
}

// A click on an arrow, or a press held past the auto-repeat delay (holdMs).
inline Step clickArrow(Bar b, Arrow arrow, int holdMs = 0)
{
    return [=](WindowFixture& f) {
        const auto part
            = arrow == Arrow::Up ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine;
        const QPoint at = scrollBarPart(f.bar(b), part).center();
        QTest::mousePress(f.bar(b), Qt::LeftButton, {}, at);
        if (holdMs)
            QTest::qWait(holdMs);
        QTest::mouseRelease(f.bar(b), Qt::LeftButton, {}, at);
    };
}

// By Tab or a click; ActiveWindowFocusReason: given back with the window.
inline Step focusBar(Bar b, Qt::FocusReason reason = Qt::TabFocusReason)
{
    return [=](WindowFixture& f) { f.bar(b)->setFocus(reason); };
}

inline Step keys(const QKeySequence& keys)
{
    return [=](WindowFixture&) { QTest::keySequence(QApplication::focusWidget(), keys); };
}

// The text put into a channel box, then the release of a key there.
inline Step type(Bar b, const QString& text)
{
    return [=](WindowFixture& f) {
        f.box(b)->setText(text);
        QTest::keyClick(f.box(b), Qt::Key_End);
    };
}

// "Choose color" clicked; the dialog answers the colour, or nullopt: cancelled.
inline Step chooseInDialog(std::optional<QColor> answer)
{
    return [=](WindowFixture& f) {
        f.desktop.colourDialog.answer = answer;
        f.c().chooseColour->click();
    };
}

// --- The eyedropper and the desktop it reads

inline const Step clickEyedropper
    = [](WindowFixture& f) { QTest::mouseClick(f.c().pickerButton, Qt::LeftButton); };
// Pressed by keyboard or accessibility.
inline const Step toggleEyedropper = [](WindowFixture& f) { f.window.screenPicker().toggle(); };

// As X11 delivers it: press, release, double-click, release.
inline const Step doubleClickEyedropper = [](WindowFixture& f) {
    for (const auto type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
             QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease }) {
        const auto buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(12, 12), QPointF(12, 12), Qt::LeftButton, buttons, {});
        QApplication::sendEvent(f.c().pickerButton, &event);
    }
};

inline const Step tick = [](WindowFixture& f) { f.window.screenPicker().tick(); };

// The S key as the desktop reports it at each tick.
inline const Step pressS = [](WindowFixture& f) { f.desktop.keys.down.insert(Qt::Key_S); };
inline const Step releaseS = [](WindowFixture& f) { f.desktop.keys.down.remove(Qt::Key_S); };

inline Step pointerAt(QPoint at)
{
    return [=](WindowFixture& f) { f.desktop.pointer.at = at; };
}

inline const Step screenFails = [](WindowFixture& f) { f.desktop.screen.unreadable = true; };

inline Step desktopAnswers(platform::DesktopPickAnswer answer)
{
    return [=](WindowFixture& f) { f.desktop.desktopPick.answer(answer); };
}
