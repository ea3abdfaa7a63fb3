// SPDX-License-Identifier: GPL-3.0-or-later
#include "printpage.h"

#include "yearview.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace tavrin {

QByteArray pagePdf(YearView& window, const QPageLayout& layout)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Tavrin"));
    writer.setTitle(QStringLiteral("Tavrin"));
    writer.setPageLayout(layout);
    QPainter painter(&writer);
    // In points from the printable area's corner, where the painter starts:
    // the planner (alone, also where its window is larger, and at whatever
    // scale the window lays it out) as large as the area allows, and in its
    // middle.
    const QRect planner = window.plannerRect();
    const QSizeF area = layout.paintRect(QPageLayout::Point).size();
    const QSizeF size = QSizeF(planner.size()).scaled(area, Qt::KeepAspectRatio);
    painter.scale(writer.resolution() / 72.0, writer.resolution() / 72.0);
    painter.translate((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
    painter.scale(size.width() / planner.width(), size.height() / planner.height());
    // Paper is white whatever the desktop's theme: the platform colours that
    // the window follows on screen are drawn as the white and black they
    // normally are. Text on fixed colours was made to stand out from them.
    const QPalette screen = window.palette();
    QPalette paper = screen;
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    window.setPalette(paper);
    window.render(&painter, QPoint(), QRegion(planner));
    window.setPalette(screen);
    painter.end();
    return pdf;
}

} // namespace tavrin
