// What the window needs of the desktop, gathered so a test can stand in for all of it.
#pragma once

namespace platform {

class MessageBoxes;
class ColourDialog;
class ScreenSampler;
class Pointer;
class KeyState;
class DesktopColourPick;
class WindowMove;
enum class ScreenReading;

struct Platform {
    MessageBoxes& messages;
    ColourDialog& colourDialog;
    ScreenSampler& screen;
    Pointer& pointer;
    KeyState& keys;
    DesktopColourPick& desktopPick;
    WindowMove& windowMove;
    // How the picker reads the screen, decided once at start-up.
    ScreenReading screenReading;
};

} // namespace platform
