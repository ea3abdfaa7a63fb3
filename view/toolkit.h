// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The thin layer between the planner and Qt Widgets: the kinds of control the
// window is made of, and the few property operations the planner asks of them.

#include "layouttables.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <map>
#include <string_view>

namespace tavrin {

// A control array: index -> element. Indexes may have gaps.
template <class Control> using ControlArray = std::map<int, Control*>;

QColor toQColor(Colour bgr);
Colour fromQColor(const QColor& colour);

// The platform's colours for window content (normally white and black).
QColor windowBackgroundColour();
QColor windowTextColour();
// Fills `control` with the platform's window background and writes on it in
// the window text colour, both followed wherever the control's palette comes
// from: a page made from the window draws them as white and black.
void usePlatformColours(QWidget* control);

// Contrast between two colours by their relative luminance, from 1 (none)
// to 21 (black on white).
double contrast(const QColor& a, const QColor& b);
inline constexpr double kTextContrast = 4.5;
inline constexpr double kGraphicsContrast = 3.0;
// `preferred` where it stands out from `back` by `ratio`; otherwise black or
// white, whichever stands out more.
QColor standingOut(const QColor& preferred, const QColor& back, double ratio);

// BackColor: the background the control fills itself with, shown at once.
// A label or text box writes on it in the window text colour where that
// stands out, otherwise in black or white: a platform text colour meant for
// a dark background vanishes on fixed white.
void setBackColor(QWidget* control, const QColor& colour);
QColor backColor(const QWidget* control);
// Text colour of enabled controls; a disabled control keeps the platform's
// disabled look unless told otherwise.
enum class WhenDisabled
{
    PlatformLook,
    SameColour
};
void setTextColor(QWidget* control, const QColor& colour, WhenDisabled disabled = WhenDisabled::PlatformLook);

QFont makeFont(const FontStyle& style);

// The model's names (months, weekdays) are plain ASCII literals.
QString toQString(std::string_view text);

// Name of an element of a control array: Txt1(17), WDay(8).
QString elementName(const QString& array, int index);

// A caption-only control; day cells and the title label.
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget* parent, const QString& name);

signals:
    // A left-button click: press and release on the control.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// A single-line text box that only displays: flat, read-only, no caret, out of
// the Tab chain, deaf to the mouse. Screen readers hear its text as its name.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    TextBox(QWidget* parent, const QString& name, const QString& text);
};

// A container that fills itself with its BackColor.
class Panel : public QWidget
{
    Q_OBJECT
public:
    Panel(QWidget* parent, const QString& name, Colour back);
};

// A push button that reports a press of any mouse button. Space on the
// focused button and a screen reader's Press action report a left-button
// press in its middle; Enter reports nothing.
class PushButton : public QPushButton
{
    Q_OBJECT
public:
    PushButton(QWidget* parent, const QString& name, const QString& caption);

    // A press that does not come from the mouse.
    void press();

signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void reportPress(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF position);
};

// A picture drawn to fill the control, made the size of `file`. Where the
// screen has more device pixels for it than the file has, it is drawn from
// the file's double-resolution version beside it ("name@2x.jpg"), where there
// is one. Its left edge is a fractional twip value, which the window's layout
// places.
class Picture : public QWidget
{
    Q_OBJECT
public:
    Picture(QWidget* parent, const QString& name, const QString& file);

    float Left() const { return left_; }
    void setLeft(float twips) { left_ = twips; }
    // The file's width at the planner's own size.
    int pictureWidthTwips() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    QPixmap sharp_;
    float left_ = 0;
};

// A one-pixel line in the window text colour.
class Line : public QWidget
{
    Q_OBJECT
public:
    Line(QWidget* parent, const QString& name, const TwipLine& line);
};

} // namespace tavrin
