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
    settle_.start();
    untold_ = told_.isValid() && !told_.hasExpired(kGap.count());
    if (untold_)
        return;
    told_.start();
    tell_();
}

} // namespace tavrin
