#include "transparency/previewbox.h"

#include "transparency/blend.h"

#include <QMouseEvent>
#include <QPainter>

namespace transparency {

PreviewBox::PreviewBox(const QImage& photograph, QWidget* parent)
    : QWidget(parent)
    , m_photograph(photograph.convertToFormat(QImage::Format_RGB32))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::TabFocus);
}

QString PreviewBox::caption()
{
    return QStringLiteral("COLOR TRANSPARENCY EVALUATION");
}

void PreviewBox::setBackColour(QRgb colour)
{
    m_backColour = colour;
    erase();
    update();
}

void PreviewBox::erase()
{
    if (m_image.size() != size())
        m_image = QImage(size(), QImage::Format_RGB32);
    m_image.fill(m_backColour);
    QPainter painter(&m_image);
    painter.drawImage(0, 0, m_photograph);
}

void PreviewBox::showTransparency(QRgb colour, int opacity)
{
    erase();
    {
        QPainter painter(&m_image);
        painter.setFont(font());
        painter.setPen(QColor(255, 255, 0));
        painter.drawText(QPoint(0, painter.fontMetrics().ascent()), caption());
    }
    blendFlatColour(m_image, colour, opacity);
    describe(opacity);
    update();
}

void PreviewBox::describe(int opacity)
{
    const QColor c(m_backColour);
    setAccessibleDescription(tr("Colour %1, %2, %3 at transparency %4")
                                 .arg(c.red())
                                 .arg(c.green())
                                 .arg(c.blue())
                                 .arg(opacity));
}

QRgb PreviewBox::pixelAt(QPoint point) const
{
    if (!m_image.rect().contains(point))
        return m_backColour;
    return m_image.pixel(point) & RGB_MASK;
}

void PreviewBox::paintEvent(QPaintEvent*)
{
    if (m_image.size() != size())
        erase();
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

void PreviewBox::mousePressEvent(QMouseEvent* event)
{
    // The box handles its own presses: a left press here never drags the window.
    event->accept();
    if (event->button() == Qt::RightButton)
        emit rightPressed(event->position().toPoint());
}

} // namespace transparency
