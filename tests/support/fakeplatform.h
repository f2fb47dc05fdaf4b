// A desktop for tests: boxes are recorded, the colour dialog, the screen, the
// pointer and the keys answer what the test put there.
#pragma once

#include "platform/colourdialog.h"
#include "platform/keystate.h"
#include "platform/platform.h"
#include "platform/pointer.h"
#include "platform/screensampler.h"
#include "support/recordingmessageboxes.h"

#include <QHash>
#include <QSet>
#include <functional>

namespace platform {

class FakeColourDialog final : public ColourDialog {
public:
    std::optional<QColor> choose(QWidget*, const QColor& initial) override
    {
        ++opened;
        lastInitial = initial;
        return answer;
    }
    std::optional<QColor> answer; // nullopt: the user cancels
    int opened = 0;
    QColor lastInitial;
};

class FakeScreen final : public ScreenSampler {
public:
    std::optional<QRgb> pixelAt(QPoint global) override
    {
        ++reads;
        if (unreadable)
            return std::nullopt;
        if (pixels.contains(global))
            return pixels.value(global);
        return fill;
    }
    QHash<QPoint, QRgb> pixels;
    QRgb fill = qRgb(0, 0, 0);
    bool unreadable = false;
    int reads = 0;
};

class FakePointer final : public Pointer {
public:
    QPoint position() const override { return at; }
    QPoint at;
};

class FakeKeys final : public KeyState {
public:
    bool isDown(int qtKey) const override { return down.contains(qtKey); }
    QSet<int> down;
};

struct FakePlatform {
    RecordingMessageBoxes messages;
    FakeColourDialog colourDialog;
    FakeScreen screen;
    FakePointer pointer;
    FakeKeys keys;
    Platform platform { messages, colourDialog, screen, pointer, keys };
};

} // namespace platform
