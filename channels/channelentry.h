// A channel box the user types a channel value into.
#pragma once

#include <QLineEdit>

namespace channels {

// keyUp is raised on every key release in the box (digits, Backspace, arrows,
// Shift alone, the Tab that moved the focus here), whatever received the press.
class ChannelEntry : public QLineEdit {
    Q_OBJECT
public:
    explicit ChannelEntry(QWidget* parent = nullptr);

signals:
    void keyUp();

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
};

} // namespace channels
