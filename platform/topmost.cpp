#include "platform/topmost.h"

#include <QWidget>

namespace platform {

void keepAbove(QWidget* window)
{
    // On X11 Qt turns this hint into _NET_WM_STATE_ABOVE, which window
    // managers honour; set before the first show so no re-map is needed.
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

} // namespace platform
