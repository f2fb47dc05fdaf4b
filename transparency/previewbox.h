// The preview swatch: the current colour laid over an aerial photograph at the chosen opacity.
#pragma once

#include <QImage>
#include <QWidget>

namespace transparency {

class PreviewBox : public QWidget {
    Q_OBJECT
public:
    explicit PreviewBox(const QImage& photograph, QWidget* parent = nullptr);

    // Setting the background colour erases the preview: only the photograph shows.
    void setBackColour(QRgb colour);
    QRgb backColour() const { return m_backColour; }

    // Redraws the preview: photograph, caption (in the box's font), then the colour at the opacity.
    void showTransparency(QRgb colour, int opacity);

    // The pixel as drawn at a point of the box (caption and blend included).
    QRgb pixelAt(QPoint point) const;

    static QString caption();

signals:
    void rightPressed(QPoint point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void erase();
    void describe(int opacity);

    QImage m_photograph;
    QImage m_image;
    QRgb m_backColour = qRgb(255, 255, 255);
};

} // namespace transparency
