// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textcontrol.h"

namespace tavrin {

// A caption-only control; day cells and the title label. It draws its plain
// text as a label without a frame does, and keeps nothing else a label
// builds for itself.
class Label : public TextControl
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    explicit Label(QWidget* parent, const QString& name);

    // A label without an accessible name is read by its text, so readers are
    // told of a new one, unless it is read some other way (see DayCell).
    void setText(const QString& text);
    void setNum(int number) { setText(QString::number(number)); }
    // Empties the caption as a label does, telling no reader.
    void clear();
    // Where a character of the caption is drawn, in the label's own
    // coordinates; empty off the caption.
    QRect characterRect(int offset) const;

signals:
    // A left-button click: press and release on the control.
    void clicked();

protected:
    enum class Reading
    {
        ByCaption,
        Elsewhere
    };
    Label(QWidget* parent, const QString& name, Reading reading);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int drawingFlags() const;

    Reading reading_ = Reading::ByCaption;
    bool pressed_ = false;
};

} // namespace tavrin
