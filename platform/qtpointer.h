#pragma once

#include "platform/pointer.h"

namespace platform {

class QtPointer final : public Pointer {
public:
    QPoint position() const override;
};

} // namespace platform
