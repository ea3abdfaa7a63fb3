// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "accessible/widgetwith.h"

namespace tavrin {

class Panel;
class PushButton;
class SpinButton;

// The year frame only groups the year box; it is never dimmed.
class PanelAccessible : public QAccessibleWidget
{
public:
    explicit PanelAccessible(Panel* panel);

    QAccessible::State state() const override;
};

class PushButtonAccessible : public QAccessibleWidget
{
public:
    explicit PushButtonAccessible(PushButton* button);

    QString text(QAccessible::Text type) const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString& action) const override;

private:
    PushButton* button() const;
};

// The spin control "Year", with the selected year as its value.
class SpinButtonAccessible : public WidgetWith<QAccessibleValueInterface, QAccessible::ValueInterface>
{
public:
    explicit SpinButtonAccessible(SpinButton* spin);

    QString text(QAccessible::Text type) const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    SpinButton* spin() const;
};

} // namespace tavrin
