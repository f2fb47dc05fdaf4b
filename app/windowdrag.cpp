#include "app/windowdrag.h"

#include "platform/windowmove.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace app {

namespace {

    // Which press a motion or release follows: Qt stamps its events with the
    // press's timestamp.
    std::optional<ulong> pressOf(const QMouseEvent& event)
    {
        const auto& points = event.points();
        return points.isEmpty() ? std::nullopt : std::optional(points.front().pressTimestamp());
    }

} // namespace

WindowDrag::WindowDrag(QWidget& window, platform::WindowMove& move)
    : m_window(window)
    , m_move(move)
{
}

void WindowDrag::press(const QMouseEvent& event)
{
    // The move is asked for only once the pointer moves with the button held:
    // asked for at the press, it can arrive after the release of a click, and
    // a window manager (kwin) then runs it with the button up. Qt rounds
    // global positions to a logical pixel; the window's own it keeps whole.
    m_pressInWindow = event.scenePosition();
    m_grip = event.globalPosition().toPoint() - m_window.frameGeometry().topLeft();
    m_following = false;
    m_moveAskedFor.reset();
}

void WindowDrag::motion(const QMouseEvent& event)
{
    if (const auto pressAt = std::exchange(m_pressInWindow, std::nullopt)) {
        using Answer = platform::WindowMove::Answer;
        QWindow* handle = m_window.windowHandle();
        const Answer answer = handle ? m_move.start(*handle, *pressAt) : Answer::Refused;
        if (answer == Answer::Moving)
            m_moveAskedFor = pressOf(event);
        m_following = answer == Answer::Refused;
    }
    if (m_following)
        m_window.move(event.globalPosition().toPoint() - m_grip);
}

void WindowDrag::release(const QMouseEvent& event)
{
    // The release reached the window before the window manager took the
    // pointer, which would go on moving with the button up.
    QWindow* handle = m_window.windowHandle();
    if (handle && m_moveAskedFor && m_moveAskedFor == pressOf(event))
        m_move.cancel(*handle);
    m_pressInWindow.reset();
    m_following = false;
    m_moveAskedFor.reset();
}

} // namespace app
