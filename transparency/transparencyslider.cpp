#include "transparency/transparencyslider.h"

#include <QMouseEvent>

namespace transparency {

TransparencySlider::TransparencySlider(QWidget* parent)
    : QSlider(Qt::Horizontal, parent)
{
    setRange(0, 255);
    setFocusPolicy(Qt::StrongFocus);
    setPageStep(16);
}

void TransparencySlider::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace transparency
