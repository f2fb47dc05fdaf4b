// The X server Qt is connected to, for the few requests Qt has no API for.
#pragma once

#if defined(MARIVELL_HAVE_XCB)
#include <QtGui/qguiapplication_platform.h>
#if QT_CONFIG(xcb)
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>
#define MARIVELL_ASK_X11 1
#endif
#endif

#if defined(MARIVELL_ASK_X11)
namespace platform {

// Null unless the program runs on Qt's xcb platform (on XWayland too): an
// X11 connection Qt keeps for other reasons (a Wayland session's) must not
// be asked about this program's windows or pointer.
xcb_connection_t* x11Connection();

// xcb hands each reply over to be released with free().
struct FreeXcbReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <class Reply> using XcbReply = std::unique_ptr<Reply, FreeXcbReply>;

} // namespace platform
#endif
