// The real desktop: the implementations the program runs with, gathered as
// the fake desktop of the tests gathers its stand-ins. Build it once a
// QApplication exists.
#pragma once

#include "platform/colourdialog.h"
#include "platform/keytracker.h"
#include "platform/platform.h"
#include "platform/portalcolourpick.h"
#include "platform/qtmessageboxes.h"
#include "platform/qtpointer.h"
#include "platform/screengrabsampler.h"
#include "platform/session.h"
#include "platform/windowmove.h"

namespace platform {

struct RealPlatform {
    QtMessageBoxes messages;
    QtColourDialog colourDialog;
    ScreenGrabSampler screen;
    QtPointer pointer;
    KeyTracker keys;
    PortalColourPick desktopPick;
    std::unique_ptr<WindowMove> windowMove = platformWindowMove();
    Platform platform { messages, colourDialog, screen, pointer, keys, desktopPick, *windowMove,
        currentScreenReading() };
};

} // namespace platform
