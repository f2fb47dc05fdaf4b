// A started window on a fake desktop, with readers for what the user sees and
// a small script of user actions.
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
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringList>
#include <QTest>

inline const QString kLocked
    = QStringLiteral("This command is locked while the color picker is enabled.");

struct WindowFixture {
    platform::FakePlatform desktop;
    app::ColourWindow window { desktop.platform };

    explicit WindowFixture(bool load = true)
    {
        if (load)
            window.start();
    }

    const app::WindowControls& c() const { return window.controls(); }

    channels::ChannelBar* bar(int i) const { return i < 3 ? c().channelBars[i] : c().master; }

    QList<int> channels() const { return { bar(0)->value(), bar(1)->value(), bar(2)->value() }; }

    // The eight notation boxes in the command-line tool's order.
    QStringList notations() const
    {
        QStringList texts;
        for (const QLineEdit* box : c().notations)
            texts << box->text();
        return texts;
    }

    // Sets the three channels as a user would see them afterwards: bars and boxes agree.
    void setColour(int r, int g, int b) { window.showColour(colour::colourNumberOf(r, g, b)); }

    int warnings(const QString& text) const
    {
        int n = 0;
        for (const auto& shown : desktop.messages.shown)
            n += shown.text == text;
        return n;
    }

    // What the user sees, in one line: bars | boxes | the master and its
    // column | the RGB box | the preview's colour | the message boxes shown,
    // "i" or "!" for each box titled "Warning" with the information or the
    // exclamation icon; "=" where boxes, RGB box or preview agree with the bars.
    QString state() const
    {
        const QList<int> v = channels();
        const QString bars = QStringLiteral("%1 %2 %3").arg(v[0]).arg(v[1]).arg(v[2]);
        const auto same = [&](const QString& text) { return text == bars ? "=" : text; };
        QStringList boxes;
        for (auto* box : c().channelBoxes)
            boxes << box->text();
        const QColor preview(c().preview->backColour());
        QString shown;
        for (const auto& box : desktop.messages.shown)
            shown += box.title != "Warning"                      ? '?'
                : box.icon == platform::MessageIcon::Information ? 'i'
                                                                 : '!';
        return QStringLiteral("%1 | %2 | %3 %4 | %5 | %6 | %7")
            .arg(bars, same(boxes.join(' ')))
            .arg(c().master->value())
            .arg(c().masterColumn->level())
            .arg(same(c().notation(colour::Notation::Rgb)->text().replace(", ", " ")),
                same(QStringLiteral("%1 %2 %3")
                         .arg(preview.red())
                         .arg(preview.green())
                         .arg(preview.blue())),
                shown);
    }

    // Runs user actions written as "verb arguments...", e.g. "master 140",
    // "type 0 300" (text into the red box and the release of a key), "focus 1"
    // (the green bar gets the focus by Tab; "focus 1 back": given back with
    // the window), "dialog 1 2 3", "right-click 70 30" (on the preview).
    void run(const QStringList& actions)
    {
        for (const QString& action : actions) {
            const QStringList w = action.split(QLatin1Char(' '));
            const auto n = [&w](int i) { return w.value(i).toInt(); };
            const QString& verb = w[0];
            using Answer = platform::DesktopPickAnswer;
            if (verb == "colour")
                setColour(n(1), n(2), n(3));
            else if (verb == "master" || verb == "bar")
                bar(verb == "master" ? 3 : n(1))->setValue(n(w.size() - 1));
            else if (verb == "arrow" || verb == "hold") { // "hold": past the auto-repeat delay
                const auto part
                    = w[2] == "up" ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine;
                const QPoint at = scrollBarPart(bar(n(1)), part).center();
                QTest::mousePress(bar(n(1)), Qt::LeftButton, {}, at);
                if (verb == "hold")
                    QTest::qWait(700);
                QTest::mouseRelease(bar(n(1)), Qt::LeftButton, {}, at);
            } else if (verb == "drag") { // a bar's thumb to a value and let go
                bar(n(1))->setSliderDown(true);
                bar(n(1))->setSliderPosition(n(2));
                bar(n(1))->setSliderDown(false);
            } else if (verb == "focus")
                bar(n(1))->setFocus(
                    w.value(2) == "back" ? Qt::ActiveWindowFocusReason : Qt::TabFocusReason);
            else if (verb == "type") {
                c().channelBoxes[n(1)]->setText(w.mid(2).join(' '));
                QTest::keyClick(c().channelBoxes[n(1)], Qt::Key_End);
            } else if (verb == "transparency")
                c().transparency->setValue(n(1));
            else if (verb == "dialog") { // the colour chosen there, or "dialog cancel"
                desktop.colourDialog.answer = QColor(n(1), n(2), n(3));
                if (w[1] == "cancel")
                    desktop.colourDialog.answer.reset();
                c().chooseColour->click();
            } else if (verb == "right-click"
                || verb == "left-click") { // "right-click X Y" on the preview, or left
                const auto button = verb == "left-click" ? Qt::LeftButton : Qt::RightButton;
                QTest::mouseClick(c().preview, button, {}, QPoint(n(1), n(2)));
            } else if (verb == "toggle") // the eyedropper pressed by keyboard or accessibility
                window.screenPicker().toggle();
            else if (verb == "double-click") { // on the eyedropper, as X11 delivers it
                for (const auto type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                         QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease }) {
                    const auto buttons
                        = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
                    QMouseEvent event(
                        type, QPointF(12, 12), QPointF(12, 12), Qt::LeftButton, buttons, {});
                    QApplication::sendEvent(c().pickerButton, &event);
                }
            } else if (verb == "eyedropper")
                QTest::mouseClick(c().pickerButton, Qt::LeftButton);
            else if (verb == "tick")
                window.screenPicker().tick();
            else if (action == "S down")
                desktop.keys.down.insert(Qt::Key_S);
            else if (action == "S up")
                desktop.keys.down.remove(Qt::Key_S);
            else if (verb == "pointer")
                desktop.pointer.at = QPoint(n(1), n(2));
            else if (action == "screen fails")
                desktop.screen.unreadable = true;
            else if (verb == "screen")
                desktop.screen.fill = qRgb(n(1), n(2), n(3));
            else if (verb == "desktop")
                desktop.desktopPick.answer(w[1] == "picks" ? Answer::picked(qRgb(n(2), n(3), n(4)))
                        : w[1] == "cancels"                ? Answer::cancelled()
                        : w[1] == "fails"                  ? Answer::failed()
                                                           : Answer::unavailable());
            else if (verb == "tab") // to a control, as a keyboard user does
                for (int i = 0; i < 20 && QApplication::focusWidget()->objectName() != w[1]; ++i)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            else if (verb == "keys")
                QTest::keySequence(QApplication::focusWidget(), QKeySequence(w.mid(1).join(' ')));
            else
                QFAIL(qPrintable("unknown action " + action));
        }
    }
};
