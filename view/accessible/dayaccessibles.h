// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QPointer>
#include <map>

class QWidget;

namespace tavrin {

// The days of the twelve tables as screen readers meet them. A reader keeps
// the names it has read until told they changed, and telling it of every day
// of a year would be hundreds of events per step; instead each render gives
// every day a new identity, so no reader holds a name of the year before.
class DayAccessibles
{
public:
    // `window` is the planner's window, which is a PlannerReading.
    explicit DayAccessibles(QWidget* window) : window_(window) {}
    ~DayAccessibles() { renew(); }
    DayAccessibles(const DayAccessibles&) = delete;
    DayAccessibles& operator=(const DayAccessibles&) = delete;

    // The day in a month's grid slot (row-major, 0 to 41).
    QAccessibleInterface* at(int month, int slot);
    // Retires every day handed out so far; readers get new ones when they ask.
    void renew();

    // Tells readers that the day in a slot has the focus, or a new name.
    void tellFocus(int month, int slot);
    void tellRenamed(int month, int slot);

private:
    void tell(int month, int slot, QAccessible::Event type);

    QPointer<QWidget> window_;
    std::map<int, QAccessible::Id> ids_;
};

} // namespace tavrin
