#include "platform/qtpointer.h"

#include <QCursor>

namespace platform {

QPoint QtPointer::position() const
{
    return QCursor::pos();
}

} // namespace platform
