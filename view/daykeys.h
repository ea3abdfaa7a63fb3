// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "announcepace.h"

#include <QObject>
#include <cstdint>

class QKeyEvent;
class QWidget;

namespace tavrin {

class DateModel;
class DayCell;
class MonthBlock;
class Notice;

// The keyboard in the block of months. Tab enters it on 1 January; the
// arrows move a day or a week, on from one month into the next and never
// past the year; Page Up and Page Down move a month; Space marks a January
// day. A move past either end of the year, or Space on a day that cannot be
// marked, is told to screen readers, which otherwise hear nothing; moves
// within a month are told at the pace of AnnouncePace. The panel
// of the current month has the focus, and only it is a Tab stop, so Tab and
// Shift+Tab leave the block from any month.
class DayKeys : public QObject
{
    Q_OBJECT
public:
    DayKeys(QWidget* window, const MonthBlock& months, const DateModel& model, Notice* notice);

    // The day the keyboard works on, in the month whose panel has or last
    // had the focus.
    int currentMonth() const { return current_.month; }
    int currentDay() const { return current_.day; }
    DayCell* currentCell() const;
    // Makes a day of a month the current one and gives its panel the focus.
    void focusDay(int month, int day);
    // After a render the current day stays a day of its month (the 29th of
    // February becomes the 28th in a common year), framed and announced.
    void yearDrawn();

signals:
    // The current day, in a slot of its month's grid, now has the keyboard
    // focus: the moment screen readers should hear of it.
    void dayFocused(int month, int slot);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool dayKey(const QKeyEvent& key);
    bool moveBy(int days, int times);
    bool moveByMonths(int months, int times);
    void place(int month, int day);
    void moveTo(int month, int day);
    void tellCurrent();
    void glimpseCurrent();
    void markOrSayWhyNot();
    void frameCurrent();
    void announceDayFocus();
    int daysDrawn(int month) const;

    struct Day
    {
        int month = 1;
        int day = 1;
    };

    QWidget* window_;
    const MonthBlock& months_;
    const DateModel& model_;
    Notice* notice_;
    Day current_;
    std::uint64_t keyTime_ = 0;        // when the key being handled was pressed
    DayCell* framed_ = nullptr;        // the cell that shows the current day
    const DayCell* refused_ = nullptr; // the day a reader was told it cannot mark
    AnnouncePace pace_{this, [this] { tellCurrent(); }, [this] { glimpseCurrent(); }};
};

} // namespace tavrin
