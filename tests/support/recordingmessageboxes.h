// A stand-in for the message boxes that records what would have been shown.
#pragma once

#include "platform/messageboxes.h"

#include <QList>

namespace platform {

class RecordingMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        MessageIcon icon;
        QString title;
        QString text;
    };

    void show(QWidget*, MessageIcon icon, const QString& title, const QString& text) override
    {
        shown.append({ icon, title, text });
    }

    QList<Shown> shown;
};

} // namespace platform
