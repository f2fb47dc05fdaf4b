#include "channels/channelentry.h"

#include <QKeyEvent>

namespace channels {

ChannelEntry::ChannelEntry(QWidget* parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignCenter);
}

void ChannelEntry::keyPressEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat())
        m_pressed.insert(event->key());
    QLineEdit::keyPressEvent(event);
}

void ChannelEntry::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    // Auto-repeat sends release/press pairs; only the final release counts.
    if (event->isAutoRepeat() || !m_pressed.remove(event->key()))
        return;
    emit keyUp();
}

void ChannelEntry::focusOutEvent(QFocusEvent* event)
{
    // A key held while the focus leaves is released elsewhere.
    m_pressed.clear();
    QLineEdit::focusOutEvent(event);
}

} // namespace channels
