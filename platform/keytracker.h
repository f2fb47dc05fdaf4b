#pragma once

#include "platform/keystate.h"

#include <QObject>
#include <QSet>

namespace platform {

// Follows key presses and releases delivered anywhere in the application,
// so a key counts as down whichever of our widgets has the focus.
class KeyTracker final : public QObject, public KeyState {
    Q_OBJECT
public:
    explicit KeyTracker(QObject* parent = nullptr);
    bool isDown(int qtKey) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSet<int> m_down;
};

} // namespace platform
