// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "accessible/linetext.h"

#include <QAccessible>
#include <QPointer>

namespace tavrin {

class DayCell;
class PlannerReading;

// One day of a month's table: named for its date while its cell shows a
// number, hidden while the cell is blank; its text is the number, which a
// reader reviewing the screen reads as it shows. January's days can be marked
// once, as their description says until then; a marked day says so in its
// name and offers no more marking. A day is a list item placed in the table, not a table cell:
// Orca reads the whole row of a cell whose row differs from the last one's, so
// a week's move would be heard from its Saturday; its place is still there
// for whoever asks.
class DayAccessible : public QAccessibleInterface,
                      public QAccessibleTableCellInterface,
                      public QAccessibleActionInterface,
                      public LineText
{
public:
    DayAccessible(QWidget* window, PlannerReading* reading, int month, int slot)
        : window_(window), reading_(reading), month_(month), slot_(slot)
    {
    }

    int month() const { return month_; }
    int slot() const { return slot_; }

    bool isValid() const override { return window_; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // The month's days, which are its children while drawn.
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text type) const override;
    using LineText::text;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString lineText() const override;
    QRect characterRect(int offset) const override;
    QAccessible::State state() const override;

    bool isSelected() const override { return false; }
    // The weekday is in the day's name; a table with headers, too, would be
    // described at every entry into its month.
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

    // A shown day takes the focus: the keyboard's current day, its panel focused.
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString& action) const override;

private:
    DayCell* cell() const;
    bool shown() const;
    bool markable() const;

    // As Qt's own table cells do, a day knows whether its window is gone.
    QPointer<QWidget> window_;
    PlannerReading* reading_;
    int month_;
    int slot_;
};

// What a month's table holds outside its six weeks: no cell, spanning
// nothing. Qt's bridge uses the cell it asks a table for without checking it
// exists, so a table answers with this rather than with none.
class NoDayAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    explicit NoDayAccessible(QAccessibleInterface* table) : table_(QAccessible::uniqueId(table)) {}

    bool isValid() const override { return table(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table() ? table()->window() : nullptr; }
    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text) const override { return {}; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return -1; }
    int rowIndex() const override { return -1; }
    int columnExtent() const override { return 0; }
    int rowExtent() const override { return 0; }
    QAccessibleInterface* table() const override { return QAccessible::accessibleInterface(table_); }

private:
    QAccessible::Id table_;
};

} // namespace tavrin
