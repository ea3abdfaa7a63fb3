// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible/factory.h"

#include "accessible/monthtables.h"
#include "accessible/plannerreading.h"
#include "accessible/simplecontrols.h"
#include "accessible/textcontrols.h"
#include "label.h"
#include "monthblock.h"
#include "notice.h"
#include "panel.h"
#include "pushbutton.h"
#include "spinbutton.h"
#include "textbox.h"

#include <QAccessibleWidget>

namespace tavrin {

QAccessibleInterface* viewAccessible(const QString&, QObject* object)
{
    if (auto* box = qobject_cast<TextBox*>(object))
        return new TextBoxAccessible(box);
    if (auto* label = qobject_cast<Label*>(object))
        return new LabelAccessible(label);
    if (auto* panel = qobject_cast<Panel*>(object)) {
        auto* reading = dynamic_cast<PlannerReading*>(panel->parentWidget());
        if (const int month = reading ? reading->months().monthOf(panel) : 0)
            return new MonthAccessible(panel, reading, month);
        return new PanelAccessible(panel);
    }
    if (auto* notice = qobject_cast<Notice*>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    if (auto* bar = qobject_cast<NoticeBar*>(object))
        return new QAccessibleWidget(bar, QAccessible::StatusBar);
    if (auto* button = qobject_cast<PushButton*>(object))
        return new PushButtonAccessible(button);
    if (auto* spin = qobject_cast<SpinButton*>(object))
        return new SpinButtonAccessible(spin);
    if (auto* window = qobject_cast<QWidget*>(object); window && window->isWindow())
        if (dynamic_cast<const PlannerReading*>(window))
            return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}

} // namespace tavrin
