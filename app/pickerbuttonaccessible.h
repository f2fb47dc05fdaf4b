// Assistive technology sees the picker button as a push button that stays
// pressed while the picker runs.
#pragma once

#include <QAccessibleWidget>

class QAbstractButton;

namespace app {

// Qt's own button interface calls every checkable button a check box.
class PickerButtonAccessible final : public QAccessibleWidget {
public:
    explicit PickerButtonAccessible(QAbstractButton* button);

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    QAbstractButton* button() const;
};

} // namespace app
