#include "accessibility.h"

#include "daycell.h"
#include "spinbutton.h"
#include "yearview.h"

#include <QAccessibleWidget>
#include <algorithm>
#include <cmath>

namespace tavrin {
namespace {

class DayCellAccessible : public QAccessibleWidget
{
public:
    explicit DayCellAccessible(DayCell* cell)
        : QAccessibleWidget(cell, cell->isMarkable() ? QAccessible::CheckBox : QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? cell()->dayName() : QString();
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        // A blank cell has nothing to read: it stays out of the reading.
        state.invisible = state.invisible || cell()->dayName().isEmpty();
        if (cell()->isMarkable()) {
            state.focusable = true;
            state.focused = cell()->hasKeyboardFocus();
            state.checkable = true;
            state.checked = cell()->isMarked();
        }
        return state;
    }

    QStringList actionNames() const override
    {
        return cell()->isMarkable() ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && cell()->isMarkable())
            cell()->mark();
    }

private:
    DayCell* cell() const { return static_cast<DayCell*>(widget()); }
};

// Titles, headers and the year box: text to read, never to edit. The year
// box sits in a frame disabled by design, yet is not dimmed itself. The text
// interface is there for the caret and text events the line edit sends.
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

    QString text(int start, int end) const override { return box()->text().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(box()->text().size()); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
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

// Month panels and the year frame only group controls; none is ever dimmed.
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

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            button()->press();
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
            spin()->stepTo(static_cast<int>(
                std::clamp(std::round(year), double(spin()->Min()), double(spin()->Max()))));
    }
    QVariant maximumValue() const override { return spin()->Max(); }
    QVariant minimumValue() const override { return spin()->Min(); }
    QVariant minimumStepSize() const override { return spin()->SmallChange(); }

private:
    SpinButton* spin() const { return static_cast<SpinButton*>(widget()); }
};

QAccessibleInterface* viewAccessible(const QString&, QObject* object)
{
    if (auto* cell = qobject_cast<DayCell*>(object))
        return new DayCellAccessible(cell);
    if (auto* box = qobject_cast<TextBox*>(object))
        return new TextBoxAccessible(box);
    if (auto* panel = qobject_cast<Panel*>(object))
        return new PanelAccessible(panel);
    if (auto* button = qobject_cast<PushButton*>(object))
        return new PushButtonAccessible(button);
    if (auto* spin = qobject_cast<SpinButton*>(object))
        return new SpinButtonAccessible(spin);
    if (auto* view = qobject_cast<YearView*>(object); view && view->isWindow())
        return new QAccessibleWidget(view, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(viewAccessible), true);
    Q_UNUSED(installed);
}

} // namespace tavrin
