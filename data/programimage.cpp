#include "data/programimage.h"

#include <QImageReader>

namespace data {

QImage programImage(const QString& name)
{
    // Asked to detect a format, Qt loads every image plugin installed (and the
    // libraries behind them) to ask whether it reads PNG; the format is known.
    QImageReader reader(QStringLiteral(":/marivell/") + name, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace data
