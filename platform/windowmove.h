// Moving a top-level window with the pointer, as a drag on its title bar
// would: by the window manager wherever it will.
#pragma once

#include <QPointF>
#include <memory>

class QWindow;

namespace platform {

class WindowMove {
public:
    enum class Answer {
        Moving, // the window manager moves the window until the button goes up
        Refused, // nobody moves it: the window has to follow the pointer itself
        ButtonUp, // the left button went up before the move began: nothing to move
    };

    virtual ~WindowMove() = default;
    // Asks for a move with the left button held since a press at pressAt, in
    // the window's logical coordinates: the point pressed stays under the
    // pointer.
    virtual Answer start(QWindow& window, QPointF pressAt) = 0;
    // Ends a move that start() began and whose release reached the window
    // instead of the window manager.
    virtual void cancel(QWindow& window) = 0;
};

// The way the running platform moves windows, chosen once a QGuiApplication exists.
std::unique_ptr<WindowMove> platformWindowMove();

} // namespace platform
