// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture.h"

#include "twips.h"

#include <QPainter>

namespace tavrin {

Picture::Picture(QWidget* parent, const QString& name, const QString& file) : QWidget(parent), picture_(file)
{
    setObjectName(name);
    // Qt reads the "@2x" in the name as two device pixels per pixel.
    const qsizetype dot = file.lastIndexOf(u'.');
    sharp_.load(file.left(dot) + QStringLiteral("@2x") + file.mid(dot));
    resize(picture_.deviceIndependentSize().toSize());
}

int Picture::pictureWidthTwips() const
{
    return static_cast<int>(picture_.deviceIndependentSize().width()) * kTwipsPerPixel;
}

void Picture::paintEvent(QPaintEvent*)
{
    // Filling the control, smoothly where the planner is laid out smaller;
    // from the double-resolution picture where the screen has more device
    // pixels for it than the picture has.
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const bool dense = !sharp_.isNull() && devicePixelRatioF() * width() > picture_.width();
    painter.drawPixmap(rect(), dense ? sharp_ : picture_);
}

} // namespace tavrin
