// SPDX-License-Identifier: GPL-3.0-or-later
#include "notice.h"

namespace tavrin {

NoticeBar::NoticeBar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("noticeBar"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
}

Notice::Notice(QWidget* parent) : QWidget(new NoticeBar(parent))
{
    setObjectName(QStringLiteral("notice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    hide();
    held_.setSingleShot(true);
    held_.setInterval(kHeld);
    connect(&held_, &QTimer::timeout, this, [this] {
        if (waiting_.empty())
            return;
        const QString next = waiting_.front();
        waiting_.pop_front();
        showText(next);
    });
}

void Notice::tell(const QString& text)
{
    if (held_.isActive())
        waiting_.push_back(text);
    else
        showText(text);
}

void Notice::showText(const QString& text)
{
    // Readers speak a notification when it starts showing.
    hide();
    setAccessibleName(text);
    show();
    held_.start();
}

} // namespace tavrin
