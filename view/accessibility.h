// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <map>

namespace tavrin {

class TextBox;
class YearView;

// Installs what screen readers learn of the planner's controls: the window as
// a frame, each month panel as a table named for its month whose cells are
// its days ("Sunday 1 February 2026") under the weekday headers, January's
// days markable, the spin control "Year" with Increase, Decrease and a
// settable value, and a Print button whose Press prints. Safe to call often.
void installAccessibility();

// Sets the text of a box that only displays, telling readers of its new
// name but not, as Qt's line edit would add, of text deleted and inserted:
// at every step of a held arrow those would bury a reader in events.
void setTextQuietly(TextBox* box, const QString& text);

// The days of the twelve tables as screen readers meet them. A reader keeps
// the names it has read until told they changed, and telling it of every day
// of a year would be hundreds of events per step; instead each render gives
// every day a new identity, so no reader holds a name of the year before.
class DayAccessibles
{
public:
    explicit DayAccessibles(YearView* view) : view_(view) {}
    ~DayAccessibles() { renew(); }
    DayAccessibles(const DayAccessibles&) = delete;
    DayAccessibles& operator=(const DayAccessibles&) = delete;

    // The day in a month's grid slot (row-major, 0 to 41).
    QAccessibleInterface* at(int month, int slot);
    // Retires every day handed out so far; readers get new ones when they ask.
    void renew();

private:
    YearView* view_;
    std::map<int, QAccessible::Id> ids_;
};

} // namespace tavrin
