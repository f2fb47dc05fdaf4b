#include "channels/channelbar.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace channels {

ChannelBar::ChannelBar(QWidget* parent)
    : QScrollBar(Qt::Vertical, parent)
{
    // Without tracking, a drag moves only the slider position and value()
    // changes once, at the release: exactly one change per drag.
    setTracking(false);
    // Qt's scroll bars take no focus by default; these re-centre the master on focus.
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSlider::sliderMoved, this, &ChannelBar::scrolled);
    connect(this, &QAbstractSlider::valueChanged, this, &ChannelBar::changed);
}

void ChannelBar::releasePress()
{
    if (isSliderDown())
        return; // a drag ends by its own release, which commits the value
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1), QPointF(-1, -1),
        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QScrollBar::mouseReleaseEvent(&release);
}

void ChannelBar::focusInEvent(QFocusEvent* event)
{
    QScrollBar::focusInEvent(event);
    // Getting the focus back when the window is re-activated (or a modal box
    // closes) is not the user choosing this bar.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit gotFocus();
}

} // namespace channels
