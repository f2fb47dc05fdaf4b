// Keeps the key that closes one of the window's message boxes with the box.
#pragma once

#include <QObject>
#include <QPointer>
#include <optional>

class QWidget;

namespace app {

// A message box closes on the press of Return (or Enter, Escape); the key's
// release then reaches whatever has the focus in the window. In a channel
// box that release counts as typing and would raise the warning it just
// closed again, so the key could never leave the warning. This remembers the
// last key pressed in a modal box of the window and swallows its release
// outside the box, until the key is pressed again. Every other release, a
// Tab that moved the focus into a channel box included, goes where it went.
class ClosingKeyGuard final : public QObject {
    Q_OBJECT
public:
    // Watches the whole application's keys for as long as the window lives.
    explicit ClosingKeyGuard(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isModalBoxOfTheWindow(const QWidget* widget) const;

    QWidget* m_window = nullptr;
    std::optional<int> m_key; // last pressed in one of the window's boxes
    QPointer<QWidget> m_box; // where it was pressed
};

} // namespace app
