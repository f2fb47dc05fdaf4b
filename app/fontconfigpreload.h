#pragma once

#include <thread>

namespace app {

// Loads fontconfig's configuration on a thread of its own while Qt connects to
// the display: a third of the work before the window maps, and the first font
// waits for it. Start it before anything else starts a thread and after the
// environment is set up; wait() before the first font is used, so that Qt
// finds the configuration loaded rather than loading a second one alongside.
class FontconfigPreload {
public:
    FontconfigPreload();
    void wait();

private:
    std::jthread m_thread;
};

} // namespace app
