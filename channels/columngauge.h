// The cylinder drawn above a scroll bar: a column of liquid that empties as the value rises.
#pragma once

#include "channels/columngeometry.h"

#include <QWidget>

namespace channels {

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
