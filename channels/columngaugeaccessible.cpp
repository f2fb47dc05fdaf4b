#include "channels/columngaugeaccessible.h"

#include "channels/columngauge.h"

namespace channels {

ColumnGaugeAccessible::ColumnGaugeAccessible(ColumnGauge* gauge)
    : QAccessibleWidget(gauge, QAccessible::ProgressBar)
{
}

void* ColumnGaugeAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant ColumnGaugeAccessible::currentValue() const
{
    return static_cast<const ColumnGauge*>(widget())->level();
}

} // namespace channels
