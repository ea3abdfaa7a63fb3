// SPDX-License-Identifier: GPL-3.0-or-later
#include "colours.h"

#include "textcontrol.h"

#include <QApplication>
#include <QWidget>
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

namespace {

void setTextColour(QPalette& palette, QPalette::ColorRole role, const QColor& colour, WhenDisabled disabled)
{
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, role, colour);
    if (disabled == WhenDisabled::SameColour)
        palette.setColor(QPalette::Disabled, role, colour);
}

} // namespace

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
    // Both colours in one change of palette: a render colours hundreds of cells.
    if (qobject_cast<TextControl*>(control))
        setTextColour(palette, control->foregroundRole(),
                      standingOut(windowTextColour(), colour, kTextContrast), WhenDisabled::PlatformLook);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

QColor backColor(const QWidget* control)
{
    return control->palette().color(QPalette::Active, control->backgroundRole());
}

void setTextColor(QWidget* control, const QColor& colour, WhenDisabled disabled)
{
    QPalette palette = control->palette();
    setTextColour(palette, control->foregroundRole(), colour, disabled);
    control->setPalette(palette);
}

} // namespace tavrin
