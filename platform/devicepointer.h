#pragma once

#include <QPoint>
#include <optional>

namespace platform {

// The pointer's hot spot in device pixels of the desktop (on X11: root window
// coordinates). A scaled screen has several device pixels per logical one, and
// QCursor::pos() rounds the pointer to a logical pixel; on X11 the server is
// asked directly, elsewhere the logical position is scaled.
std::optional<QPoint> devicePointerPosition();

} // namespace platform
