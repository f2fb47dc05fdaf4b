#include "channels/columngauge.h"

#include "channels/twips.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace channels {

namespace {

    constexpr int kPx = kTwipsPerPixel;

} // namespace

ColumnGauge::ColumnGauge(const ColumnDesign& design, QWidget* parent)
    : QWidget(parent)
    , m_design(design)
{
    const QRect body(design.bodyLeft, design.background.top(), design.bodyWidth, 1);
    const QRect surface(design.surfaceLeft, design.rim.top(), design.rim.width(), 1);
    m_boundsTwips
        = design.background.united(body).united(design.rim).united(surface).united(design.bottom);
    setGeometry(pixelsFromTwips(m_boundsTwips));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setLevel(0);
}

void ColumnGauge::setLevel(int value, int max)
{
    m_level = value;
    m_pieces = columnPieces(value, max, m_design);
    update();
    QAccessibleValueChangeEvent event(this, value);
    QAccessible::updateAccessibility(&event);
}

QRectF ColumnGauge::bodyRect() const
{
    return { double(m_design.bodyLeft), m_pieces.bodyTop, double(m_design.bodyWidth),
        m_pieces.bodyHeight };
}

void ColumnGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.scale(1.0 / kPx, 1.0 / kPx);
    painter.translate(-m_boundsTwips.topLeft());
    paintLabels(painter);
    paintOvals(painter);
}

void ColumnGauge::paintLabels(QPainter& painter) const
{
    QPen border(palette().color(QPalette::WindowText), 0);
    painter.setPen(border);
    // Drawn like a text box's background, so a dark or high-contrast theme
    // keeps the empty part of the column readable against the liquid.
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRect(QRectF(m_design.background).adjusted(0, 0, -kPx, -kPx));
    if (m_pieces.bodyHeight > 0) {
        painter.setBrush(m_design.liquid);
        painter.drawRect(bodyRect().adjusted(0, 0, -kPx, -kPx));
    }
}

void ColumnGauge::paintOvals(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    auto oval = [&](const QRectF& r, const std::optional<QColor>& fill) {
        painter.setBrush(fill ? QBrush(*fill) : QBrush(Qt::NoBrush));
        painter.drawEllipse(r.adjusted(0, 0, -kPx, -kPx));
    };
    oval(m_design.rim, m_design.rimFill);
    oval(m_design.bottom, std::nullopt);
    oval(QRectF(m_design.surfaceLeft, m_pieces.surfaceTop, m_design.rim.width(),
             m_design.rim.height()),
        m_design.liquid);
}

void ColumnGauge::mousePressEvent(QMouseEvent* event)
{
    // The background and body are labels: a press on them does nothing. The
    // ovals take no mouse input, so elsewhere the press belongs to the window.
    const QPointF twips = event->position() * kPx + QPointF(m_boundsTwips.topLeft());
    if (QRectF(m_design.background).contains(twips) || bodyRect().contains(twips))
        event->accept();
    else
        event->ignore();
}

} // namespace channels
