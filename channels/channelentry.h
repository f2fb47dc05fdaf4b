// A channel box the user types a channel value into.
#pragma once

#include <QLineEdit>
#include <QSet>

namespace channels {

// keyUp is raised on every key release in the box (digits, Backspace, arrows,
// Shift alone) whose press the box received too. A release without its press
// is the tail of a key that closed a modal box (Return on a warning): it is
// not typing and must not raise the warning again.
class ChannelEntry : public QLineEdit {
    Q_OBJECT
public:
    explicit ChannelEntry(QWidget* parent = nullptr);

signals:
    void keyUp();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QSet<int> m_pressed;
};

} // namespace channels
