#include "platform/windowmove.h"

#include "platform/x11server.h"

#include <QWindow>

#if defined(MARIVELL_ASK_X11)
#include <algorithm>
#include <cstring>
#include <optional>
#endif

namespace platform {

namespace {

    // Wayland and the rest: the platform's own move (a Wayland compositor
    // takes no position from the client).
    class QtSystemMove final : public WindowMove {
    public:
        Answer start(QWindow& window, QPointF) override
        {
            return window.startSystemMove() ? Answer::Moving : Answer::Refused;
        }
        void cancel(QWindow&) override { }
    };

#if defined(MARIVELL_ASK_X11)
    // EWMH's _NET_WM_MOVERESIZE, sent by hand: QWindow::startSystemMove()
    // gives the window manager the pointer's position at the time of asking,
    // and window managers anchor the move there, which loses the travel
    // between the press and the first motion (all of it, in a quick flick):
    // the window slides away under the pointer. EWMH defines x_root and
    // y_root as the position of the press.
    class X11MoveFromPress final : public WindowMove {
    public:
        explicit X11MoveFromPress(xcb_connection_t* connection)
            : m_connection(connection)
        {
        }

        Answer start(QWindow& window, QPointF pressAt) override
        {
            const xcb_window_t id = static_cast<xcb_window_t>(window.winId());
            const auto pointer = pointerOver(id);
            if (!pointer || !windowManagerMoves(pointer->root))
                return Answer::Refused;
            // A quick click's release can come before its motion is handled;
            // asked for then, some window managers (xfwm4) run the move with
            // the button up and the window follows the pointer after the click.
            if (!(pointer->mask & XCB_KEY_BUT_MASK_BUTTON_1))
                return Answer::ButtonUp;
            // Qt rounds the global positions of input events to a logical
            // pixel, which is several device pixels on a scaled screen; the
            // position in the window is kept whole, and the window has not
            // moved since the press.
            const QPointF inWindow = pressAt * window.devicePixelRatio();
            const QPoint windowAt(
                pointer->root_x - pointer->win_x, pointer->root_y - pointer->win_y);
            const QPoint device = windowAt + inWindow.toPoint();
            // The press's implicit grab keeps the window manager from taking the pointer.
            xcb_ungrab_pointer(m_connection, XCB_CURRENT_TIME);
            send(id, pointer->root, { uint32_t(device.x()), uint32_t(device.y()), kMove });
            return Answer::Moving;
        }

        void cancel(QWindow& window) override
        {
            const xcb_window_t id = static_cast<xcb_window_t>(window.winId());
            if (const auto pointer = pointerOver(id))
                send(id, pointer->root, { 0, 0, kCancel });
        }

    private:
        static constexpr uint32_t kMove = 8; // _NET_WM_MOVERESIZE_MOVE
        static constexpr uint32_t kCancel = 11; // _NET_WM_MOVERESIZE_CANCEL

        xcb_atom_t atom(const char* name) const
        {
            const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(m_connection,
                xcb_intern_atom(m_connection, 0, uint16_t(std::strlen(name)), name), nullptr));
            return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        }

        struct Pointer {
            xcb_window_t root;
            int16_t root_x, root_y, win_x, win_y;
            uint16_t mask;
        };

        std::optional<Pointer> pointerOver(xcb_window_t window) const
        {
            const XcbReply<xcb_query_pointer_reply_t> reply(xcb_query_pointer_reply(
                m_connection, xcb_query_pointer(m_connection, window), nullptr));
            // The window's coordinates are not given across screens.
            if (!reply || !reply->same_screen)
                return std::nullopt;
            return Pointer { reply->root, reply->root_x, reply->root_y, reply->win_x, reply->win_y,
                reply->mask };
        }

        bool windowManagerMoves(xcb_window_t root)
        {
            // At the first drag, not at start-up: each is a round trip to the server.
            if (m_moveResize == XCB_ATOM_NONE) {
                m_supported = atom("_NET_SUPPORTED");
                m_moveResize = atom("_NET_WM_MOVERESIZE");
            }
            // The list names a few hundred atoms at most.
            const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(m_connection,
                xcb_get_property(m_connection, 0, root, m_supported, XCB_ATOM_ATOM, 0, 4096),
                nullptr));
            if (!reply)
                return false;
            const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
            const int count
                = reply->format == 32 ? xcb_get_property_value_length(reply.get()) / 4 : 0;
            return m_moveResize != XCB_ATOM_NONE
                && std::find(atoms, atoms + count, m_moveResize) != atoms + count;
        }

        struct Request {
            uint32_t xRoot, yRoot, direction;
        };

        void send(xcb_window_t window, xcb_window_t root, Request request) const
        {
            xcb_client_message_event_t message {};
            message.response_type = XCB_CLIENT_MESSAGE;
            message.format = 32;
            message.window = window;
            message.type = m_moveResize;
            // Button 1; source 1: an ordinary application.
            message.data.data32[0] = request.xRoot;
            message.data.data32[1] = request.yRoot;
            message.data.data32[2] = request.direction;
            message.data.data32[3] = 1;
            message.data.data32[4] = 1;
            static_assert(sizeof message == 32, "X sends events of 32 bytes");
            xcb_send_event(m_connection, 0, root,
                XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                reinterpret_cast<const char*>(&message));
            xcb_flush(m_connection);
        }

        xcb_connection_t* m_connection;
        xcb_atom_t m_supported = XCB_ATOM_NONE;
        xcb_atom_t m_moveResize = XCB_ATOM_NONE;
    };
#endif

} // namespace

std::unique_ptr<WindowMove> platformWindowMove()
{
#if defined(MARIVELL_ASK_X11)
    if (xcb_connection_t* connection = x11Connection())
        return std::make_unique<X11MoveFromPress>(connection);
#endif
    return std::make_unique<QtSystemMove>();
}

} // namespace platform
