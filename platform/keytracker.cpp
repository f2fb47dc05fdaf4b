#include "platform/keytracker.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace platform {

KeyTracker::KeyTracker(QObject* parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyTracker::isDown(int qtKey) const
{
    return m_down.contains(qtKey);
}

bool KeyTracker::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        m_down.insert(static_cast<QKeyEvent*>(event)->key());
        break;
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat())
            m_down.remove(key->key());
        break;
    }
    case QEvent::ApplicationDeactivate:
        // Releases that happen while another program has the keyboard never reach us.
        m_down.clear();
        break;
    default:
        break;
    }
    return false;
}

} // namespace platform
