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
}

void Notice::tell(const QString& text)
{
    // Readers speak a notification when it starts showing.
    hide();
    setAccessibleName(text);
    show();
}

} // namespace tavrin
