#include "app/captionlabel.h"

#include <QMouseEvent>

namespace app {

CaptionLabel::CaptionLabel(const QString& text, Press press, QWidget* parent)
    : QLabel(text, parent)
    , m_press(press)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(p);
}

void CaptionLabel::mousePressEvent(QMouseEvent* event)
{
    // Ignored presses travel on to the window, which starts the drag.
    if (m_press == Press::DragWindow)
        event->ignore();
    else
        event->accept();
}

} // namespace app
