// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "label.h"

namespace tavrin {

// A day cell: a label showing a day number. A screen reader hears its date
// ("Saturday 1 January 2022") while a number shows, and nothing while it is
// blank; it meets the day through its month's table, so the cell's own
// captions are never announced. January's cells can be marked, and the
// current cell shows the keyboard focus of the month block once the keyboard is in
// use. Cells never take the focus themselves: the panel holds it and the keys
// move the current cell.
class DayCell : public Label
{
    Q_OBJECT
public:
    DayCell(QWidget* parent, const QString& name, bool markable);

    bool isMarkable() const { return markable_; }
    bool isMarked() const;
    // Marks the cell as a click does.
    void mark() { emit clicked(); }

    // The date the caption stands for; kept silently, read only while a
    // caption shows.
    void setDayName(const QString& name) { dayName_ = name; }
    QString dayName() const { return text().isEmpty() ? QString() : dayName_; }

    // The cell the keyboard works on when its panel has the focus.
    void setCurrent(bool current);
    bool hasKeyboardFocus() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool markable_;
    bool current_ = false;
    QString dayName_;
};

} // namespace tavrin
