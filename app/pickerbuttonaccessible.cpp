#include "app/pickerbuttonaccessible.h"

#include <QAbstractButton>

namespace app {

PickerButtonAccessible::PickerButtonAccessible(QAbstractButton* button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

QAbstractButton* PickerButtonAccessible::button() const
{
    return static_cast<QAbstractButton*>(widget());
}

QAccessible::State PickerButtonAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = button()->isChecked();
    s.pressed = button()->isChecked() || button()->isDown();
    return s;
}

QStringList PickerButtonAccessible::actionNames() const
{
    return QStringList { pressAction(), toggleAction() } << QAccessibleWidget::actionNames();
}

void PickerButtonAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() || actionName == toggleAction())
        button()->click();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList PickerButtonAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == pressAction() || actionName == toggleAction())
        return { QStringLiteral("Space") };
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

} // namespace app
