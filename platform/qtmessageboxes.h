#pragma once

#include "platform/messageboxes.h"

namespace platform {

class QtMessageBoxes final : public MessageBoxes {
public:
    void show(
        QWidget* parent, MessageIcon icon, const QString& title, const QString& text) override;
};

} // namespace platform
