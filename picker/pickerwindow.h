// The window as the screen colour picker sees it.
#pragma once

#include "colour/colournumber.h"

#include <QRgb>

class QString;

namespace picker {

class PickerWindow {
public:
    virtual ~PickerWindow() = default;

    // The eyedropper button looks pressed while the picker runs.
    virtual void showPickerRunning(bool running) = 0;
    // Every notation box but the KML one is emptied, in the boxes' design order.
    virtual void emptyNotations() = 0;
    virtual void setChannelBoxesEnabled(bool enabled) = 0;
    // A transient sample, a pixel read: swatches and preview only, no notation, no bar.
    virtual void showSample(QRgb pixel) = 0;
    // The colour the swatches hold now.
    virtual colour::ColourNumber shownColour() const = 0;
    // Makes a colour the current one: every notation, bar and box follows.
    virtual void commitColour(colour::ColourNumber c) = 0;
    // A brief word by the eyedropper, for the eye and for screen readers; it
    // asks nothing of the user, so it never takes the focus.
    virtual void hintAtPicker(const QString& text) = 0;
};

} // namespace picker
