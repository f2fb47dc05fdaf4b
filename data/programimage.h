// The program's own images, packed into it as resources.
#pragma once

#include <QImage>

namespace data {

// Reads the PNG image NAME (for example "photo.png"); a null image if there is none.
QImage programImage(const QString& name);

} // namespace data
