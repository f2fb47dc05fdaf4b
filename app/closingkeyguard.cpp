#include "app/closingkeyguard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace app {

ClosingKeyGuard::ClosingKeyGuard(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    qApp->installEventFilter(this);
}

bool ClosingKeyGuard::isModalBoxOfTheWindow(const QWidget* widget) const
{
    const QWidget* box = widget->window();
    return box != m_window && box == QApplication::activeModalWidget()
        && box->parentWidget() == m_window;
}

bool ClosingKeyGuard::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    if ((!press && event->type() != QEvent::KeyRelease) || !watched->isWidgetType())
        return false;
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (keyEvent->isAutoRepeat())
        return false;
    const auto* widget = static_cast<QWidget*>(watched);
    if (press) {
        if (isModalBoxOfTheWindow(widget)) {
            m_key = keyEvent->key();
            m_box = widget->window();
        } else if (m_key == keyEvent->key()) {
            m_key.reset(); // a fresh press: its release is typing again
        }
        return false;
    }
    // Released in the box, the key did not close it on its press.
    return m_key == keyEvent->key() && widget->window() != m_box;
}

} // namespace app
