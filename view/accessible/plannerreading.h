// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "names.h"

namespace tavrin {

class DayAccessibles;
class MonthBlock;
class TextBox;

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

} // namespace tavrin
