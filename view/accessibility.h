// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "names.h"

#include <QAccessible>
#include <QPointer>
#include <map>

namespace tavrin {

class DayAccessibles;
class MonthBlock;
class TextBox;

// Installs what screen readers learn of the planner's controls: the window as
// a frame, each month panel as a table described by its month whose cells
// are its days ("Sunday 1 February 2026"), with its title and weekday headers
// after them, January's days markable, the spin control "Year" with Increase, Decrease and a
// settable value, and a Print button whose Press prints. Safe to call often.
void installAccessibility();

// What screen readers are shown of the planner's window, which implements
// it: its month block and text boxes, read only, and the one thing a reader
// may ask of it besides marking a day, the keyboard's focus on a day.
class PlannerReading
{
public:
    virtual const MonthBlock& months() const = 0;
    virtual const ControlArray<TextBox>& WDay() const = 0;
    virtual DayAccessibles& dayAccessibles() = 0;
    virtual void focusDay(int month, int day) = 0;

protected:
    ~PlannerReading() = default;
};

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
