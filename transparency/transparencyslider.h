#pragma once

#include <QSlider>

namespace transparency {

// The transparency slider, 0 (clear) .. 255 (opaque). Besides valueChanged it
// reports a plain click, which re-applies the alpha even when nothing moved.
class TransparencySlider : public QSlider {
    Q_OBJECT
public:
    explicit TransparencySlider(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace transparency
