// Assistive technology sees a column gauge as a read-only level indicator with a value.
#pragma once

#include <QAccessibleWidget>

namespace channels {

class ColumnGauge;

class ColumnGaugeAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ColumnGaugeAccessible(ColumnGauge* gauge);

    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override { } // the level follows its bar only
    QVariant maximumValue() const override { return 255; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
};

} // namespace channels
