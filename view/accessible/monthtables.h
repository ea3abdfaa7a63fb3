// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "accessible/widgetwith.h"
#include "layouttables.h"

#include <QPointer>

namespace tavrin {

class Panel;
class PlannerReading;

// The days drawn in a month, in order: the month's child that holds them, so
// a reader counts a day's place among the month's days alone, not among the
// blank slots or the month's title and headers. Nothing of its own to read.
class MonthDaysAccessible : public QAccessibleInterface
{
public:
    MonthDaysAccessible(QWidget* window, PlannerReading* reading, int month)
        : window_(window), reading_(reading), month_(month)
    {
    }

    bool isValid() const override { return window_; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text) const override { return {}; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Grouping; }
    QAccessible::State state() const override { return {}; }

private:
    QPointer<QWidget> window_;
    PlannerReading* reading_;
    int month_;
};

// A month panel: a table of six weeks under its weekday headers, named for
// its month. Its year is in every day's name.
class MonthAccessible : public WidgetWith<QAccessibleTableInterface, QAccessible::TableInterface>
{
public:
    MonthAccessible(Panel* panel, PlannerReading* reading, int month);
    ~MonthAccessible() override;
    MonthAccessible(const MonthAccessible&) = delete;
    MonthAccessible& operator=(const MonthAccessible&) = delete;

    // Its month is its description, not its name: a reader entering a table
    // with a name speaks the name and the table's size before the day, which
    // names its month already.
    QString text(QAccessible::Text type) const override;
    QAccessible::State state() const override;

    // Its days drawn, held together, then its title and weekday headers:
    // where a reader reviewing the screen finds them, and not among the
    // window's own children, which a reader counts at every move of the focus.
    // The blank slots are cells of the table only.
    int childCount() const override { return 1 + kMonthTexts; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kCellsPerRow; }
    int rowCount() const override { return kCellRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectColumn(int) override { return false; }
    bool selectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    static constexpr int kMonthTexts = 1 + kCellsPerRow; // the title, then the headers

    // The WDay index of the month's title (0) or of a header (1 to 7).
    int textIndex(int text) const;

    PlannerReading* reading_; // the panel's window, there as long as the panel is
    int month_;
    QAccessible::Id days_; // its MonthDaysAccessible, as long as it is
};

} // namespace tavrin
