// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcepace.h"

#include <utility>

namespace tavrin {

AnnouncePace::AnnouncePace(QObject* parent, std::function<void()> tell)
    : QObject(parent), tell_(std::move(tell))
{
    settle_.setSingleShot(true);
    settle_.setInterval(kSettle);
    connect(&settle_, &QTimer::timeout, this, [this] {
        if (std::exchange(untold_, false))
            tell_();
    });
}

void AnnouncePace::stepped()
{
    const bool inRun = stepped_.isValid() && !stepped_.hasExpired(kRun.count());
    stepped_.start();
    settle_.start();
    untold_ = inRun && told_.isValid() && !told_.hasExpired(kGap.count());
    if (untold_)
        return;
    told_.start();
    tell_();
}

} // namespace tavrin
