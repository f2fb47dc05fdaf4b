#pragma once

#include "platform/grabplan.h"

class QScreen;

namespace platform {

// The application's screens, in the order of QGuiApplication::screens().
QList<ScreenArea> screenAreas();
QScreen* screenAt(int index);

} // namespace platform
