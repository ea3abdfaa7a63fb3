#pragma once

#include "toolkit.h"

namespace tavrin {

// A day cell: a label showing a day number. A screen reader hears its date
// ("Saturday 1 January 2022") while a number shows, and nothing while it is
// blank. January's cells can be marked without a mouse: the grid is one Tab
// stop, the arrows move between its days and Space marks, as a click does.
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

    // Tells screen readers what changed since the last call: one event for a
    // new name, one for a mark put on or wiped off.
    void announceChanges();

signals:
    // An arrow key asks for the focus to move by this many cells.
    void stepFocus(int cells);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool markable_;
    QString dayName_;
    QString announcedName_;
    bool announcedMarked_ = false;
};

} // namespace tavrin
