#include "picker/pickerbutton.h"

#include <QMouseEvent>
#include <QPainter>

namespace picker {

PickerButton::PickerButton(const QPixmap& pipette, QWidget* parent)
    : QAbstractButton(parent)
    , m_pipette(pipette)
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
}

void PickerButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double-click is one click: Qt would otherwise treat its second press
    // as a fresh press and toggle the picker twice.
    event->accept();
}

void PickerButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_pipette);
    if (isChecked()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 0, Qt::DotLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

} // namespace picker
