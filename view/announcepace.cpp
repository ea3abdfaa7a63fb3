// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcepace.h"

#include "readerkeys.h"

#include <utility>

namespace tavrin {

AnnouncePace::AnnouncePace(QObject* parent, std::function<void()> tell, std::function<void()> glimpse)
    : QObject(parent), tell_(std::move(tell)), glimpse_(std::move(glimpse))
{
    settle_.setSingleShot(true);
    settle_.setInterval(kSettle);
    connect(&settle_, &QTimer::timeout, this, [this] {
        // Keys pressed but still with the readers are not still: they move on
        // once heard, and telling a step now would only hold them up further.
        if (untold_ && keysWithReaders()) {
            settle_.start();
            return;
        }
        if (std::exchange(untold_, false))
            tell_();
    });
}

void AnnouncePace::stepped(std::optional<std::uint64_t> keyTime)
{
    const bool inRun = keyTime && keyTime_ ? *keyTime - *keyTime_ <= static_cast<std::uint64_t>(kRun.count())
                                           : stepped_.isValid() && !stepped_.hasExpired(kRun.count());
    keyTime_ = keyTime;
    stepped_.start();
    settle_.start();
    // A step told while the reader already holds later keys is spoken after
    // them, whole, and holds up the step they end on: within a run it waits
    // for them, up to kSilence after the last step told.
    untold_ =
        inRun && told_.isValid()
        && (!told_.hasExpired(kGap.count()) || (keysWithReaders() && !told_.hasExpired(kSilence.count())));
    if (untold_)
        return;
    told_.start();
    if (inRun)
        letReadersSpeak();
    if (inRun && glimpse_) {
        untold_ = true; // told in full once the keys are still
        glimpse_();
        return;
    }
    tell_();
}

} // namespace tavrin
