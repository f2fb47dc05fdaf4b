// A brief word by a control that something happened (a copy) or did not (a
// pick that ended without a colour): a tooltip below it for the eye, and its
// accessible description for screen readers, both gone after a moment.
#pragma once

#include <QObject>
#include <QTimer>

class QWidget;

namespace app {

class TransientConfirmation : public QObject {
    Q_OBJECT
public:
    static constexpr int kShownMs = 1500;

    explicit TransientConfirmation(QWidget* control);

    void show(const QString& text);
    // The two halves of show(), for a control whose tip must wait (see NotationBox).
    void announce(const QString& text);
    void showTip(const QString& text);

private:
    QWidget* m_control = nullptr;
    QTimer m_end;
};

} // namespace app
