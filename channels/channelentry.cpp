#include "channels/channelentry.h"

#include <QKeyEvent>

namespace channels {

ChannelEntry::ChannelEntry(QWidget* parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignCenter);
}

void ChannelEntry::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    // Auto-repeat sends release/press pairs; only the final release counts.
    if (!event->isAutoRepeat())
        emit keyUp();
}

} // namespace channels
