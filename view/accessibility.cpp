// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "atspiguard.h"
#include "daycell.h"
#include "monthblock.h"
#include "monthtable.h"
#include "notice.h"
#include "panel.h"
#include "pushbutton.h"
#include "readerkeys.h"
#include "spinbutton.h"
#include "textbox.h"
#include "textwalk.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <utility>

namespace tavrin {
namespace {

QString markAction()
{
    return QStringLiteral("Mark");
}

// One day of a month's table: named for its date while its cell shows a
// number, hidden while the cell is blank. January's days can be marked once;
// a marked day says so in its name and offers no more marking. A day is a list
// item placed in the table, not a table cell: Orca reads the whole row of a
// cell whose row differs from the last one's, so a week's move would be
// heard from its Saturday; its place is still there for whoever asks.
class DayAccessible : public QAccessibleInterface,
                      public QAccessibleTableCellInterface,
                      public QAccessibleActionInterface
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
    QWindow* window() const override { return window_->window()->windowHandle(); }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text type) const override
    {
        if (type != QAccessible::Name || !shown())
            return {};
        return cell()->dayName() + (cell()->isMarked() ? QStringLiteral(", marked") : QString());
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {cell()->mapToGlobal(QPoint()), cell()->size()}; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !shown() || !cell()->isVisible();
        state.focusable = shown();
        state.focused = shown() && cell()->hasKeyboardFocus();
        state.readOnly = !markable();
        return state;
    }

    bool isSelected() const override { return false; }
    // The weekday is in the day's name; a table with headers, too, would be
    // described at every entry into its month.
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return slot_ % kCellsPerRow; }
    int rowIndex() const override { return slot_ / kCellsPerRow; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override
    {
        return QAccessible::queryAccessibleInterface(reading_->months().panel(month_));
    }

    // A shown day takes the focus: the keyboard's current day, its panel focused.
    QStringList actionNames() const override
    {
        QStringList names;
        if (markable())
            names << markAction();
        if (shown())
            names << setFocusAction();
        return names;
    }
    void doAction(const QString& action) override
    {
        if (action == markAction() && markable())
            cell()->mark();
        else if (action == setFocusAction() && shown())
            reading_->focusDay(month_, reading_->months().grid(month_).dayAt(slot_));
    }
    QStringList keyBindingsForAction(const QString& action) const override
    {
        return action == markAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
    }

private:
    DayCell* cell() const { return reading_->months().cellAt(month_, slot_); }
    bool shown() const { return !cell()->dayName().isEmpty(); }
    bool markable() const { return cell()->isMarkable() && shown() && !cell()->isMarked(); }

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
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                       : nullptr;
    }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text) const override { return {}; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = state.readOnly = true;
        return state;
    }

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

// A month panel: a table of six weeks under its weekday headers, named for
// its month. Its year is in every day's name.
class MonthAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    MonthAccessible(Panel* panel, PlannerReading* reading, int month)
        : QAccessibleWidget(panel, QAccessible::Table), reading_(reading), month_(month)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // Its month is its description, not its name: a reader entering a table
    // with a name speaks the name and the table's size before the day, which
    // names its month already.
    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Description)
            return toQString(kMonthNames.at(monthIndex(month_)));
        return type == QAccessible::Name ? QString() : QAccessibleWidget::text(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.disabled = false;
        return state;
    }

    // Its days, then its title and weekday headers: where a reader reviewing
    // the screen finds them, and not among the window's own children, which
    // a reader counts at every move of the focus.
    int childCount() const override { return kCellsPerMonth + kMonthTexts; }
    QAccessibleInterface* child(int index) const override
    {
        if (index >= kCellsPerMonth && index < kCellsPerMonth + kMonthTexts)
            return QAccessible::queryAccessibleInterface(
                reading_->WDay().at(textIndex(index - kCellsPerMonth)));
        return index >= 0 && index < kCellsPerMonth ? reading_->dayAccessibles().at(month_, index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (const auto* day = dynamic_cast<const DayAccessible*>(child))
            return day->month() == month_ ? day->slot() : -1;
        for (int text = 0; text < kMonthTexts; ++text)
            if (child && child->object() == reading_->WDay().at(textIndex(text)))
                return kCellsPerMonth + text;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int slot = 0; slot < kCellsPerMonth; ++slot)
            if (child(slot)->rect().contains(x, y))
                return child(slot);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        for (int slot = 0; slot < kCellsPerMonth; ++slot)
            if (reading_->months().cellAt(month_, slot)->hasKeyboardFocus())
                return child(slot);
        return nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        const bool inside = row >= 0 && row < kCellRows && column >= 0 && column < kCellsPerRow;
        return reading_->dayAccessibles().at(month_, inside ? row * kCellsPerRow + column : -1);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override
    {
        return column >= 0 && column < kCellsPerRow
                   ? toQString(kColumnWeekdays.at(static_cast<std::size_t>(column)))
                   : QString();
    }
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
    int textIndex(int text) const
    {
        const auto& panel = monthPanel(month_);
        return text == 0 ? panel.titleIndex : panel.headerIndexes.at(static_cast<std::size_t>(text - 1));
    }

    PlannerReading* reading_; // the panel's window, there as long as the panel is
    int month_;
};

// Titles, headers and the year box: text to read, never to edit. The year
// box sits in a frame disabled by design, yet is not dimmed itself. The text
// interface lets a reader walk the text, as it would a line edit's.
class TextBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit TextBoxAccessible(TextBox* box) : QAccessibleWidget(box, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? box()->text() : QAccessibleWidget::text(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.disabled = !box()->isEnabledTo(box()->parentWidget());
        return state;
    }

    QString text(int start, int end) const override
    {
        start = std::clamp(start, 0, characterCount());
        return box()->text().mid(start, std::clamp(end, start, characterCount()) - start);
    }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    // No caret: a reader finds it after the text, where a line edit keeps it.
    int cursorPosition() const override { return characterCount(); }
    // Where the line edit draws a character: its text margins, then its own
    // inner margins, the text aligned as the box says, centred vertically.
    QRect characterRect(int offset) const override
    {
        const QString text = box()->text();
        if (offset < 0 || offset >= text.size())
            return {};
        const QFontMetrics metrics(box()->font());
        const QRect area = box()->rect().marginsRemoved(box()->textMargins()).adjusted(2, 1, -2, -1);
        const int width = metrics.horizontalAdvance(text);
        const auto align = QStyle::visualAlignment(box()->layoutDirection(), box()->alignment());
        const int left = align & Qt::AlignRight     ? area.right() + 1 - width
                         : align & Qt::AlignHCenter ? area.left() + (area.width() - width) / 2
                                                    : area.left();
        const QRect rect(left + metrics.horizontalAdvance(text.left(offset)),
                         area.top() + (area.height() - metrics.height() + 1) / 2,
                         metrics.horizontalAdvance(text.at(offset)), metrics.height());
        return rect.translated(box()->mapToGlobal(QPoint()));
    }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    QString attributes(int offset, int* start, int* end) const override
    {
        const bool inside = offset >= 0 && offset <= characterCount();
        *start = inside ? 0 : -1;
        *end = inside ? characterCount() : -1;
        return {};
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override
    {
        std::tie(*start, *end) = textUnitAt(box()->text(), offset, type);
        return text(*start, *end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                             int* end) const override
    {
        std::tie(*start, *end) = textUnitBefore(box()->text(), offset, type);
        return text(*start, *end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                            int* end) const override
    {
        std::tie(*start, *end) = textUnitAfter(box()->text(), offset, type);
        return text(*start, *end);
    }
    // Nothing to select, no caret to move, nothing to scroll.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}

private:
    TextBox* box() const { return static_cast<TextBox*>(widget()); }
};

// Label1 and the day cells' own widgets read as Qt reads a label: static
// text named by its caption unless named otherwise.
class LabelAccessible : public QAccessibleWidget
{
public:
    explicit LabelAccessible(Label* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text type) const override
    {
        const QString text = QAccessibleWidget::text(type);
        return type == QAccessible::Name && text.isEmpty() ? static_cast<Label*>(widget())->text() : text;
    }
};

// The year frame only groups the year box; it is never dimmed.
class PanelAccessible : public QAccessibleWidget
{
public:
    explicit PanelAccessible(Panel* panel) : QAccessibleWidget(panel, QAccessible::Grouping) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.disabled = false;
        return state;
    }
};

class PushButtonAccessible : public QAccessibleWidget
{
public:
    explicit PushButtonAccessible(PushButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? button()->text() : QAccessibleWidget::text(type);
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            button()->press();
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        return action == pressAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
    }

private:
    PushButton* button() const { return static_cast<PushButton*>(widget()); }
};

// The spin control "Year", with the selected year as its value.
class SpinButtonAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit SpinButtonAccessible(SpinButton* spin) : QAccessibleWidget(spin, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            return QString::number(spin()->Value());
        return QAccessibleWidget::text(type);
    }

    QStringList actionNames() const override
    {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == increaseAction())
            spin()->stepUp();
        else if (action == decreaseAction())
            spin()->stepDown();
        else
            QAccessibleWidget::doAction(action);
    }

    QVariant currentValue() const override { return spin()->Value(); }
    void setCurrentValue(const QVariant& value) override
    {
        bool number = false;
        const double year = value.toDouble(&number);
        if (number && std::isfinite(year))
            spin()->stepTo(
                static_cast<int>(std::clamp(std::round(year), double(spin()->Min()), double(spin()->Max()))));
    }
    QVariant maximumValue() const override { return spin()->Max(); }
    QVariant minimumValue() const override { return spin()->Min(); }
    QVariant minimumStepSize() const override { return spin()->SmallChange(); }

private:
    SpinButton* spin() const { return static_cast<SpinButton*>(widget()); }
};

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
    if (auto* button = qobject_cast<PushButton*>(object))
        return new PushButtonAccessible(button);
    if (auto* spin = qobject_cast<SpinButton*>(object))
        return new SpinButtonAccessible(spin);
    if (auto* window = qobject_cast<QWidget*>(object); window && window->isWindow())
        if (dynamic_cast<const PlannerReading*>(window))
            return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}

} // namespace

QAccessibleInterface* DayAccessibles::at(int month, int slot)
{
    const bool inside = slot >= 0 && slot < kCellsPerMonth;
    const int key = inside ? month * kCellsPerMonth + slot : -month;
    if (const auto found = ids_.find(key); found != ids_.end())
        return QAccessible::accessibleInterface(found->second);
    auto* reading = dynamic_cast<PlannerReading*>(window_.data());
    QAccessibleInterface* day =
        inside ? static_cast<QAccessibleInterface*>(new DayAccessible(window_, reading, month, slot))
               : new NoDayAccessible(QAccessible::queryAccessibleInterface(reading->months().panel(month)));
    ids_[key] = QAccessible::registerAccessibleInterface(day);
    return day;
}

void DayAccessibles::renew()
{
    for (const auto& [key, id] : ids_)
        QAccessible::deleteAccessibleInterface(id);
    ids_.clear();
}

void DayAccessibles::tellFocus(int month, int slot)
{
    tell(month, slot, QAccessible::Focus);
}

void DayAccessibles::tellRenamed(int month, int slot)
{
    tell(month, slot, QAccessible::NameChanged);
}

void DayAccessibles::tell(int month, int slot, QAccessible::Event type)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(at(month, slot), type);
    QAccessible::updateAccessibility(&event);
}

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(viewAccessible), true);
    Q_UNUSED(installed);
    installAtSpiGuard();
    installReaderKeys();
}

} // namespace tavrin
