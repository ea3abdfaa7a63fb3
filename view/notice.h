// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace tavrin {

// A one-pixel, see-through line of news for screen readers: each tell() shows
// it afresh with the text as its name, which readers speak as a notification
// (how the outcome of a print is heard). Nothing of it is drawn.
class Notice : public QWidget
{
    Q_OBJECT
public:
    explicit Notice(QWidget* parent);

    void tell(const QString& text);
};

} // namespace tavrin
