#pragma once

class QWidget;

namespace platform {

// Keeps a top-level window above ordinary windows without moving or resizing it.
void keepAbove(QWidget* window);

} // namespace platform
