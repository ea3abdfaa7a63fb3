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
// works through every event and key in turn, late under load: told of every
// step it falls seconds behind, and its late keys cut short the last step
// told. A step on its own is told at once; within a run (steps kRun apart
// or closer) one is told every kGap, and the step the keys end on once they
// have been still for kSettle, unless it was told already.
class AnnouncePace : public QObject
{
    Q_OBJECT
public:
    AnnouncePace(QObject* parent, std::function<void()> tell);

    void stepped();

    static constexpr std::chrono::milliseconds kRun{150};
    static constexpr std::chrono::milliseconds kGap{1000};
    static constexpr std::chrono::milliseconds kSettle{400};

private:
    std::function<void()> tell_;
    QElapsedTimer stepped_;
    QElapsedTimer told_;
    QTimer settle_;
    bool untold_ = false;
};

} // namespace tavrin
