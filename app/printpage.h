// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPageLayout>

namespace tavrin {

class YearView;

// One PDF page showing `window` as it is now: painted straight onto the page,
// so text stays text with its fonts embedded, scaled to fit the layout's
// printable area and centred in it.
QByteArray pagePdf(YearView& window, const QPageLayout& layout);

} // namespace tavrin
