#pragma once

#include <QByteArray>
#include <QPageLayout>

class QWidget;

namespace tavrin {

// One PDF page showing `window` as it is now: painted straight onto the page,
// so text stays text with its fonts embedded, scaled to fit the layout's
// printable area and centred in it.
QByteArray pagePdf(QWidget& window, const QPageLayout& layout);

} // namespace tavrin
