// The preview swatch: the current colour laid over an aerial photograph at the chosen opacity.
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
    // What the box shows: the photograph on the background colour, and the
    // caption and blend where a colour was laid over it since.
    struct Blend {
        QRgb colour = 0;
        int opacity = 0;
    };

    // The drawing is made when it is shown or read: one change of colour
    // redraws the preview several times over, and only the last one is seen.
    const QImage& drawing() const;
    void describe(int opacity);

    QImage m_photograph;
    QRgb m_backColour = qRgb(255, 255, 255);
    std::optional<Blend> m_blend;
    mutable QImage m_image;
    mutable bool m_stale = true;
};

} // namespace transparency
