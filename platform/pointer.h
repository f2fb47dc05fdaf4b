#pragma once

#include <QPoint>

namespace platform {

class Pointer {
public:
    virtual ~Pointer() = default;
    // The pointer position in global logical coordinates.
    virtual QPoint position() const = 0;
};

} // namespace platform
