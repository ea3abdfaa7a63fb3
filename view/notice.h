// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>
#include <chrono>
#include <optional>

namespace tavrin {

// A one-pixel, see-through line of news for screen readers: each tell() shows
// it afresh with the text as its name, which readers speak as a notification
// (how the outcome of a print is heard), and hides it once held. Nothing of it
// is drawn.
class Notice : public QWidget
{
    Q_OBJECT
public:
    explicit Notice(QWidget* parent);

    // Each text is held kHeld before the next replaces it: a reader reads
    // the name when it comes to the event, and would miss a text replaced at
    // once (a print's press, by a quick outcome). Of the texts told meanwhile,
    // the newest follows.
    void tell(const QString& text);

    static constexpr std::chrono::milliseconds kHeld{500};

private:
    void showText(const QString& text);

    QTimer held_;
    std::optional<QString> waiting_;
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
