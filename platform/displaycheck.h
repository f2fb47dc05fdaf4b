#pragma once

namespace platform {

// Run before QApplication exists. Picks the Qt platform where the session
// calls for a choice (XWayland on a Wayland desktop, so the window can stay on
// top) and checks that its display can be opened: Qt would otherwise abort
// the process on a missing display, leaving a core file. Returns false after
// printing one line on standard error when there is no display to open.
bool prepareDisplay(int argc, char** argv);

} // namespace platform
