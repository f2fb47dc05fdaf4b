// The preview swatch: the current colour laid over an aerial photograph at the
// chosen transparency.
#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

namespace transparency {

class PreviewBox : public QWidget {
    Q_OBJECT
public:
    explicit PreviewBox(const QImage& photograph, QWidget* parent = nullptr);

    // Setting the background colour erases the preview: only the photograph shows.
    void setBackColour(QRgb colour);
    QRgb backColour() const { return m_backColour; }

    // Redraws the preview: photograph, caption (in the box's font), then the
    // background colour at the transparency.
    void showTransparency(int transparency);

    // The pixel as drawn at a point of the box (caption and blend included).
    QRgb pixelAt(QPoint point) const;

    static QString caption();

signals:
    void rightPressed(QPoint point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The drawing is made when it is shown or read: one change of colour
    // redraws the preview several times over, and only the last one is seen.
    const QImage& drawing() const;
    void describe(int transparency);

    QImage m_photograph;
    QRgb m_backColour = qRgb(255, 255, 255);
    // The transparency the colour was laid over the photograph at since the
    // background colour was set, if it was: the caption comes with it.
    std::optional<int> m_blend;
    mutable QImage m_image;
    mutable bool m_stale = true;
};

} // namespace transparency
