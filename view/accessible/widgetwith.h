// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace tavrin {

// A widget's accessible that offers one more of Qt's interfaces, as Qt's own
// line edit, spin box and table views do; a reader asks for it by its type.
template <class Interface, QAccessible::InterfaceType kType>
class WidgetWith : public QAccessibleWidget, public Interface
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == kType ? static_cast<Interface*>(this) : QAccessibleWidget::interface_cast(type);
    }
};

} // namespace tavrin
