#include "platform/devicepointer.h"

#include "platform/screenareas.h"
#include "platform/x11server.h"

#include <QCursor>

namespace platform {

namespace {

#if defined(MARIVELL_ASK_X11)
    std::optional<QPoint> askX11Server(xcb_connection_t* connection)
    {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        if (!screen)
            return std::nullopt;
        const XcbReply<xcb_query_pointer_reply_t> reply(xcb_query_pointer_reply(
            connection, xcb_query_pointer(connection, screen->root), nullptr));
        if (!reply)
            return std::nullopt;
        return QPoint(reply->root_x, reply->root_y);
    }
#endif

} // namespace

std::optional<QPoint> devicePointerPosition()
{
#if defined(MARIVELL_ASK_X11)
    if (xcb_connection_t* connection = x11Connection())
        return askX11Server(connection);
#endif
    return toDevice(QCursor::pos(), screenAreas());
}

} // namespace platform
