// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

namespace tavrin {

// How often a screen reader is told of a run of steps (a held arrow, a quick
// burst). A reader cuts short what it is saying at every key it hears, and
// works through every event and key in turn, late under load: told of every
// step it falls seconds behind, and its late keys cut short the last step
// told. A step on its own is told at once; within a run (steps kRun apart
// or closer) one is told every kGap, and the step the keys end on once they
// have been still for kSettle (keys the reader holds are not still), unless
// it was told already. A reader speaks whole what it is asked to, however
// late: given a glimpse, a step within a run is glimpsed, briefly, and the
// step the keys end on is told once they are still. A step made by a
// key is timed by the key's own time: under load the planner and the reader
// take the keys late and bunched or spread, but the user's pace is the keys'.
class AnnouncePace : public QObject
{
    Q_OBJECT
public:
    AnnouncePace(QObject* parent, std::function<void()> tell, std::function<void()> glimpse = {});

    // keyTime: the time of the key that made the step, if a key did.
    void stepped(std::optional<std::uint64_t> keyTime = std::nullopt);

    static constexpr std::chrono::milliseconds kRun{150};
    static constexpr std::chrono::milliseconds kGap{1000};
    static constexpr std::chrono::milliseconds kSettle{400};
    static constexpr std::chrono::milliseconds kSilence{2000};

private:
    std::function<void()> tell_;
    std::function<void()> glimpse_;
    QElapsedTimer stepped_;
    std::optional<std::uint64_t> keyTime_;
    QElapsedTimer told_;
    QTimer settle_;
    bool untold_ = false;
};

} // namespace tavrin
