#include "platform/x11server.h"

#if defined(MARIVELL_ASK_X11)
#include <QGuiApplication>

namespace platform {

xcb_connection_t* x11Connection()
{
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

} // namespace platform
#endif
