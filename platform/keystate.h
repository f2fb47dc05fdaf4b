#pragma once

namespace platform {

// Whether a key is held down, as the program's own keyboard input saw it:
// presses and releases delivered to any of our windows, not the hardware state.
class KeyState {
public:
    virtual ~KeyState() = default;
    virtual bool isDown(int qtKey) const = 0;
};

} // namespace platform
