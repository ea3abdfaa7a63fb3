// SPDX-License-Identifier: GPL-3.0-or-later
#include "notice.h"

#include <utility>

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
    parentWidget()->hide();
    held_.setSingleShot(true);
    held_.setInterval(kHeld);
    // A notice told goes once held, with its bar: readers have its name from
    // the event, and either left showing would be read by a reader reviewing
    // the screen, the bar by its role.
    connect(&held_, &QTimer::timeout, this, [this] {
        if (waiting_)
            showText(*std::exchange(waiting_, std::nullopt));
        else
            parentWidget()->hide();
    });
}

void Notice::tell(const QString& text)
{
    // Only the newest waits: a held key at the year's end tells the same
    // thing at every press, and a queue of them would keep the reader busy
    // long after the keys are still.
    if (held_.isActive())
        waiting_ = text;
    else
        showText(text);
}

void Notice::showText(const QString& text)
{
    // Readers speak a notification when it starts showing.
    hide();
    setAccessibleName(text);
    parentWidget()->show();
    show();
    held_.start();
}

} // namespace tavrin
