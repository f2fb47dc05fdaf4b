#include "platform/devicepointer.h"

#include "platform/screenareas.h"

#include <QCursor>
#include <QGuiApplication>

#if defined(MARIVELL_HAVE_XCB)
#include <QtGui/qguiapplication_platform.h>
#if QT_CONFIG(xcb)
#include <cstdlib>
#include <xcb/xcb.h>
#define MARIVELL_ASK_X11 1
#endif
#endif

namespace platform {

namespace {

#if defined(MARIVELL_ASK_X11)
    std::optional<QPoint> askX11Server()
    {
        auto* x11
            = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
        if (!connection)
            return std::nullopt;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        if (!screen)
            return std::nullopt;
        xcb_query_pointer_reply_t* reply = xcb_query_pointer_reply(
            connection, xcb_query_pointer(connection, screen->root), nullptr);
        if (!reply)
            return std::nullopt;
        const QPoint position(reply->root_x, reply->root_y);
        std::free(reply);
        return position;
    }
#endif

} // namespace

std::optional<QPoint> devicePointerPosition()
{
#if defined(MARIVELL_ASK_X11)
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return askX11Server();
#endif
    return toDevice(QCursor::pos(), screenAreas());
}

} // namespace platform
