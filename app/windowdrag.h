// A top-level window dragged by a press on its background with the left
// button: the window manager moves it where it will, the window follows the
// pointer itself where it refuses.
#pragma once

#include <QPoint>
#include <QPointF>
#include <optional>

class QMouseEvent;
class QWidget;

namespace platform {
class WindowMove;
}

namespace app {

class WindowDrag {
public:
    WindowDrag(QWidget& window, platform::WindowMove& move);

    // The left button's press on the background, its motions and its
    // release, as they reach the window. Motions and releases that follow a
    // press the window never saw (one a control or caption kept) are left alone.
    void press(const QMouseEvent& event);
    void motion(const QMouseEvent& event);
    void release(const QMouseEvent& event);

private:
    QWidget& m_window;
    platform::WindowMove& m_move;
    // From the press until the move is asked for: some window managers
    // (mutter, kwin) deliver motions and the release late while they hold the
    // pointer, and those must not ask again.
    std::optional<QPointF> m_pressInWindow;
    // Where the pointer holds the window's frame, while the window follows it.
    QPoint m_grip;
    bool m_following = false;
    // An X11 window manager that took the move keeps the release to itself:
    // the next release the window sees may end a later press on a control.
    std::optional<ulong> m_moveAskedFor; // the timestamp of the press it began
};

} // namespace app
