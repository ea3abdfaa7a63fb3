// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <cmath>

namespace tavrin {

QColor toQColor(Colour bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

Colour fromQColor(const QColor& colour)
{
    return static_cast<Colour>(colour.red()) | static_cast<Colour>(colour.green()) << 8
           | static_cast<Colour>(colour.blue()) << 16;
}

QColor windowBackgroundColour()
{
    return QApplication::palette().color(QPalette::Base);
}

QColor windowTextColour()
{
    return QApplication::palette().color(QPalette::Text);
}

void usePlatformColours(QWidget* control)
{
    control->setBackgroundRole(QPalette::Base);
    control->setForegroundRole(QPalette::Text);
    control->setAutoFillBackground(true);
}

double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
               + 0.0722 * linear(colour.blueF());
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

QColor standingOut(const QColor& preferred, const QColor& back, double ratio)
{
    if (contrast(preferred, back) >= ratio)
        return preferred;
    const QColor black(Qt::black), white(Qt::white);
    return contrast(black, back) >= contrast(white, back) ? black : white;
}

void setBackColor(QWidget* control, const QColor& colour)
{
    // Skipping a colour the control already has of its own keeps a re-render
    // from repainting cells that already look right.
    const QPalette::ColorRole role = control->backgroundRole();
    if (control->autoFillBackground() && control->palette().isBrushSet(QPalette::Active, role)
        && backColor(control) == colour)
        return;
    QPalette palette = control->palette();
    palette.setColor(role, colour);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
    if (qobject_cast<QLabel*>(control) || qobject_cast<QLineEdit*>(control))
        setTextColor(control, standingOut(windowTextColour(), colour, kTextContrast));
}

QColor backColor(const QWidget* control)
{
    return control->palette().color(QPalette::Active, control->backgroundRole());
}

void setTextColor(QWidget* control, const QColor& colour, WhenDisabled disabled)
{
    QPalette palette = control->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, control->foregroundRole(), colour);
    if (disabled == WhenDisabled::SameColour)
        palette.setColor(QPalette::Disabled, control->foregroundRole(), colour);
    control->setPalette(palette);
}

QFont makeFont(const FontStyle& style)
{
    QFont font(QString::fromLatin1(style.family));
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    font.setUnderline(style.underline);
    return font;
}

QString toQString(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString elementName(const QString& array, int index)
{
    return QStringLiteral("%1(%2)").arg(array).arg(index);
}

Label::Label(QWidget* parent, const QString& name) : QLabel(parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
}

void Label::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

TextBox::TextBox(QWidget* parent, const QString& name, const QString& text) : QLineEdit(text, parent)
{
    setObjectName(name);
    setFrame(false);
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Headers are one pitch wide: give their text the whole box rather than
    // the line edit's usual inner margin, so "Wed" is not clipped.
    setTextMargins(-2, 0, -2, 0);
    setCursor(Qt::ArrowCursor);
    connect(this, &QLineEdit::textChanged, this, [this] {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    });
}

Panel::Panel(QWidget* parent, const QString& name, Colour back) : QWidget(parent)
{
    setObjectName(name);
    setBackColor(this, toQColor(back));
}

PushButton::PushButton(QWidget* parent, const QString& name, const QString& caption)
    : QPushButton(caption, parent)
{
    setObjectName(name);
}

void PushButton::press()
{
    reportPress(Qt::LeftButton, Qt::NoModifier, QRectF(rect()).center());
}

void PushButton::mousePressEvent(QMouseEvent* event)
{
    QPushButton::mousePressEvent(event);
    reportPress(event->button(), event->modifiers(), event->position());
}

void PushButton::keyPressEvent(QKeyEvent* event)
{
    // Space presses at once, as the mouse does; a held Space presses once.
    if (event->key() != Qt::Key_Space) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        reportPress(Qt::LeftButton, event->modifiers(), QRectF(rect()).center());
}

void PushButton::reportPress(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF position)
{
    // What a press runs may hide the control that has the keyboard focus for
    // a moment (printing hides this button and the year control); Qt would
    // then hand the focus on for good. It is parked instead and given back,
    // looking as it did.
    QWidget* const window = this->window();
    const QPointer<QWidget> focused = window->focusWidget();
    const bool keyboardLook = window->testAttribute(Qt::WA_KeyboardFocusChange);
    if (focused)
        focused->clearFocus();
    emit mouseDown(button, shift, position);
    if (focused && focused->isVisible()) {
        focused->setFocus(Qt::OtherFocusReason);
        window->setAttribute(Qt::WA_KeyboardFocusChange, keyboardLook);
    }
}

Picture::Picture(QWidget* parent, const QString& name, const QString& file) : QWidget(parent), picture_(file)
{
    setObjectName(name);
    // Qt reads the "@2x" in the name as two device pixels per pixel.
    const qsizetype dot = file.lastIndexOf(u'.');
    sharp_.load(file.left(dot) + QStringLiteral("@2x") + file.mid(dot));
    resize(picture_.deviceIndependentSize().toSize());
}

int Picture::pictureWidthTwips() const
{
    return static_cast<int>(picture_.deviceIndependentSize().width()) * kTwipsPerPixel;
}

void Picture::paintEvent(QPaintEvent*)
{
    // Filling the control, smoothly where the planner is laid out smaller;
    // from the double-resolution picture where the screen has more device
    // pixels for it than the picture has.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const bool dense = !sharp_.isNull() && devicePixelRatioF() * width() > picture_.width();
    painter.drawPixmap(rect(), dense ? sharp_ : picture_);
}

Line::Line(QWidget* parent, const QString& name, const TwipLine& line) : QWidget(parent)
{
    setObjectName(name);
    setGeometry(line.toPixels());
    // It edges the month block on the window's own fixed back colour.
    setBackColor(this, standingOut(windowTextColour(), backColor(parent), kGraphicsContrast));
}

} // namespace tavrin
