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

// What holds the notice: readers meet it as a status bar, whose
// notifications Orca speaks without announcing "notification" first. Nothing
// of it is drawn either.
class NoticeBar : public QWidget
{
    Q_OBJECT
public:
    explicit NoticeBar(QWidget* parent);
};

} // namespace tavrin
