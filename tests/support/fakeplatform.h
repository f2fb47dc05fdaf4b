// A desktop for tests: boxes and window moves are recorded, the colour dialog,
// the screen, the pointer, the keys, the desktop's colour pick and the window
// manager answer what the test put there.
#pragma once

#include "platform/colourdialog.h"
#include "platform/desktopcolourpick.h"
#include "platform/keystate.h"
#include "platform/messageboxes.h"
#include "platform/platform.h"
#include "platform/pointer.h"
#include "platform/screensampler.h"
#include "platform/session.h"
#include "platform/windowmove.h"

#include <QHash>
#include <QSet>
#include <functional>
#include <utility>

namespace platform {

// Records the boxes that would have been shown.
struct RecordingMessageBoxes final : MessageBoxes {
    struct Shown {
        MessageIcon icon;
        QString title;
        QString text;
    };

    void show(QWidget*, MessageIcon icon, const QString& title, const QString& text) override
    {
        shown.append({ icon, title, text });
    }

    QList<Shown> shown;
};

// Records the colour each dialog opened at.
struct FakeColourDialog final : ColourDialog {
    std::optional<QColor> choose(QWidget*, const QColor& initial) override
    {
        openedAt.append(initial);
        return answer;
    }
    std::optional<QColor> answer; // nullopt: the user cancels
    QList<QColor> openedAt;
};

struct FakeScreen final : ScreenSampler {
    std::optional<QRgb> pixelAt(QPoint global) override
    {
        ++reads;
        return unreadable ? std::nullopt : std::optional(pixels.value(global, fill));
    }
    QHash<QPoint, QRgb> pixels;
    QRgb fill = qRgb(0, 0, 0);
    bool unreadable = false;
    int reads = 0;
};

struct FakePointer final : Pointer {
    QPoint position() const override { return at; }
    QPoint at;
};

struct FakeKeys final : KeyState {
    bool isDown(int qtKey) const override { return down.contains(qtKey); }
    QSet<int> down;
};

// Holds the pending pick until the test answers it.
struct FakeDesktopPick final : DesktopColourPick {
    void begin(QWidget*, Done done) override { pending = std::move(done); }
    void abandon() override { pending = nullptr; }
    // The desktop's answer to the pending pick, if there is one.
    void answer(DesktopPickAnswer a)
    {
        if (const Done done = std::exchange(pending, nullptr))
            done(a);
    }
    Done pending;
};

// Records the moves asked for (where the window was pressed), and gives the
// answer the test chose.
struct FakeWindowMove final : WindowMove {
    Answer start(QWindow&, QPointF pressAt) override
    {
        startedFrom.append(pressAt);
        return answer;
    }
    void cancel(QWindow&) override { ++cancels; }
    Answer answer = Answer::Moving;
    QList<QPointF> startedFrom;
    int cancels = 0;
};

struct FakePlatform {
    RecordingMessageBoxes messages;
    FakeColourDialog colourDialog;
    FakeScreen screen;
    FakePointer pointer;
    FakeKeys keys;
    FakeDesktopPick desktopPick;
    FakeWindowMove windowMove;
    Platform platform { messages, colourDialog, screen, pointer, keys, desktopPick, windowMove,
        ScreenReading::X11Grab };
};

} // namespace platform
