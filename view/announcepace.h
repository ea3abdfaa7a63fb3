// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

namespace tavrin {

// How often a screen reader is told of a run of steps (a held arrow, a quick
// burst). A reader cuts short what it is saying at every key it hears, and
// each event it is sent costs it time, so telling it of every step only
// buries it: a step is told at once when the last one told is kGap old, and
// the step the keys end on is told once they have been still for kSettle,
// unless it was told already. A single press is told at once.
class AnnouncePace : public QObject
{
    Q_OBJECT
public:
    AnnouncePace(QObject* parent, std::function<void()> tell);

    void stepped();

    static constexpr std::chrono::milliseconds kGap{300};
    static constexpr std::chrono::milliseconds kSettle{400};

private:
    std::function<void()> tell_;
    QElapsedTimer told_;
    QTimer settle_;
    bool untold_ = false;
};

} // namespace tavrin
