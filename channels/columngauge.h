// The cylinder drawn above a scroll bar: a column of liquid that empties as the value rises.
#pragma once

#include "channels/columngeometry.h"

#include <QColor>
#include <QRect>
#include <QWidget>
#include <optional>

namespace channels {

// The fixed pieces of a column, in twips of the window (15 twips a pixel).
struct ColumnDesign {
    QRect background; // label behind the body, in the theme's text-entry background
    int bodyLeft = 0; // the body may sit a little off its background
    int bodyWidth = 0;
    QRect rim; // top rim oval
    std::optional<QColor> rimFill;
    int surfaceLeft = 0;
    QRect bottom; // bottom oval, the lowest the surface may sink
    QColor liquid;
};

class ColumnGauge : public QWidget {
    Q_OBJECT
public:
    explicit ColumnGauge(const ColumnDesign& design, QWidget* parent = nullptr);

    void setLevel(int value, int max = 255);
    int level() const { return m_level; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRectF bodyRect() const;
    void paintLabels(class QPainter& painter) const;
    void paintOvals(class QPainter& painter) const;

    ColumnDesign m_design;
    QRect m_boundsTwips;
    ColumnPieces m_pieces;
    int m_level = 0;
};

} // namespace channels
