// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textcontrol.h"

#include <QMargins>

namespace tavrin {

// A single-line text box that only displays: flat, read-only, no caret, out of
// the Tab chain, deaf to the mouse. Screen readers hear its text as its name.
// It draws its text as a frameless line edit with these text margins would,
// to the pixel, without the editing machinery a line edit builds for each box.
class TextBox : public TextControl
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    TextBox(QWidget* parent, const QString& name, const QString& text);

    // Sets the text; screen readers are told of its new name, once, and of
    // nothing else: at every step of a held arrow more would bury a reader
    // in events.
    void setText(const QString& text);
    void clear() { setText(QString()); }

    // Headers are one pitch wide: their text has the whole box rather than
    // the line edit's usual inner margin, so "Wed" is not clipped.
    QMargins textMargins() const { return kTextMargins; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr QMargins kTextMargins{-2, 0, -2, 0};
};

} // namespace tavrin
