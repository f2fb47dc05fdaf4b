#include "transparency/blend.h"

namespace transparency {

namespace {

    constexpr int mix(int source, int destination, int transparency)
    {
        return (source * transparency + destination * (255 - transparency) + 127) / 255;
    }

} // namespace

void blendFlatColour(QImage& image, QRgb colour, int transparency)
{
    Q_ASSERT(image.format() == QImage::Format_RGB32);
    const int r = qRed(colour), g = qGreen(colour), b = qBlue(colour);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgb(mix(r, qRed(p), transparency), mix(g, qGreen(p), transparency),
                mix(b, qBlue(p), transparency));
        }
    }
}

} // namespace transparency
