// Modal message boxes, behind an interface so tests can record them instead of blocking.
#pragma once

#include <QString>

class QWidget;

namespace platform {

enum class MessageIcon { Critical, Exclamation, Information };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box with an OK button and returns once the user closed it.
    virtual void show(QWidget* parent, MessageIcon icon, const QString& title, const QString& text)
        = 0;
};

} // namespace platform
