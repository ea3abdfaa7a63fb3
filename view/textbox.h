// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace tavrin {

// A single-line text box that only displays: flat, read-only, no caret, out of
// the Tab chain, deaf to the mouse. Screen readers hear its text as its name.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    TextBox(QWidget* parent, const QString& name, const QString& text);

    // Sets the text, telling screen readers of its new name but not, as the
    // line edit would add, of text deleted and inserted: at every step of a
    // held arrow those would bury a reader in events.
    void setTextQuietly(const QString& text);
    // Whether screen readers are offered the text itself; not while it is
    // set quietly.
    bool offersText() const { return !quiet_; }

private:
    bool quiet_ = false;
};

} // namespace tavrin
