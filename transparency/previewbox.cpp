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
    m_blend.reset();
    m_stale = true;
    update();
}

void PreviewBox::showTransparency(int transparency)
{
    m_blend = transparency;
    m_stale = true;
    describe(transparency);
    update();
}

const QImage& PreviewBox::drawing() const
{
    if (!m_stale && m_image.size() == size())
        return m_image;
    if (m_image.size() != size())
        m_image = QImage(size(), QImage::Format_RGB32);
    m_image.fill(m_backColour);
    {
        QPainter painter(&m_image);
        painter.drawImage(0, 0, m_photograph);
        if (m_blend) {
            painter.setFont(font());
            painter.setPen(QColor(255, 255, 0));
            painter.drawText(QPoint(0, painter.fontMetrics().ascent()), caption());
        }
    }
    if (m_blend)
        blendFlatColour(m_image, m_backColour, *m_blend);
    m_stale = false;
    return m_image;
}

void PreviewBox::describe(int transparency)
{
    const QColor c(m_backColour);
    setAccessibleDescription(tr("Colour %1, %2, %3 at transparency %4")
                                 .arg(c.red())
                                 .arg(c.green())
                                 .arg(c.blue())
                                 .arg(transparency));
}

QRgb PreviewBox::pixelAt(QPoint point) const
{
    const QImage& image = drawing();
    if (!image.rect().contains(point))
        return m_backColour;
    return image.pixel(point) & RGB_MASK;
}

void PreviewBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, drawing());
}

void PreviewBox::mousePressEvent(QMouseEvent* event)
{
    // The box handles its own presses: a left press here never drags the window.
    event->accept();
    if (event->button() == Qt::RightButton)
        emit rightPressed(event->position().toPoint());
}

} // namespace transparency
