// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible/simplecontrols.h"

#include "panel.h"
#include "pushbutton.h"
#include "spinbutton.h"

#include <algorithm>
#include <cmath>

namespace tavrin {

PanelAccessible::PanelAccessible(Panel* panel) : QAccessibleWidget(panel, QAccessible::Grouping)
{
}

QAccessible::State PanelAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.disabled = false;
    return state;
}

PushButtonAccessible::PushButtonAccessible(PushButton* button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

QString PushButtonAccessible::text(QAccessible::Text type) const
{
    return type == QAccessible::Name ? button()->text() : QAccessibleWidget::text(type);
}

QStringList PushButtonAccessible::actionNames() const
{
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void PushButtonAccessible::doAction(const QString& action)
{
    if (action == pressAction())
        button()->press();
    else
        QAccessibleWidget::doAction(action);
}

QStringList PushButtonAccessible::keyBindingsForAction(const QString& action) const
{
    return action == pressAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
}

PushButton* PushButtonAccessible::button() const
{
    return static_cast<PushButton*>(widget());
}

SpinButtonAccessible::SpinButtonAccessible(SpinButton* spin) : WidgetWith(spin, QAccessible::SpinBox)
{
}

QString SpinButtonAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value)
        return QString::number(spin()->Value());
    return QAccessibleWidget::text(type);
}

QStringList SpinButtonAccessible::actionNames() const
{
    return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
}

void SpinButtonAccessible::doAction(const QString& action)
{
    if (action == increaseAction())
        spin()->stepUp();
    else if (action == decreaseAction())
        spin()->stepDown();
    else
        QAccessibleWidget::doAction(action);
}

QVariant SpinButtonAccessible::currentValue() const
{
    return spin()->Value();
}

void SpinButtonAccessible::setCurrentValue(const QVariant& value)
{
    bool number = false;
    const double year = value.toDouble(&number);
    if (number && std::isfinite(year))
        spin()->stepTo(
            static_cast<int>(std::clamp(std::round(year), double(spin()->Min()), double(spin()->Max()))));
}

QVariant SpinButtonAccessible::maximumValue() const
{
    return spin()->Max();
}

QVariant SpinButtonAccessible::minimumValue() const
{
    return spin()->Min();
}

QVariant SpinButtonAccessible::minimumStepSize() const
{
    return spin()->SmallChange();
}

SpinButton* SpinButtonAccessible::spin() const
{
    return static_cast<SpinButton*>(widget());
}

} // namespace tavrin
