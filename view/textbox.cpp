// SPDX-License-Identifier: GPL-3.0-or-later
#include "textbox.h"

#include <QAccessible>

namespace tavrin {

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

void TextBox::setTextQuietly(const QString& text)
{
    // Qt's bridge sends text events only for a box that offers its text;
    // a box whose length stays also moves no caret, which would warn.
    quiet_ = this->text().size() == text.size();
    setText(text);
    quiet_ = false;
}

} // namespace tavrin
