// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture.h"

#include "twips.h"

#include <QPainter>
#include <utility>

namespace tavrin {

Picture::Picture(QWidget* parent, const QString& name, const QString& file) : QWidget(parent), picture_(file)
{
    setObjectName(name);
    // Qt reads the "@2x" in the name as two device pixels per pixel.
    const qsizetype dot = file.lastIndexOf(u'.');
    sharpFile_ = file.left(dot) + QStringLiteral("@2x") + file.mid(dot);
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
    const bool dense = devicePixelRatioF() * width() > picture_.width();
    if (dense && !sharpFile_.isEmpty()) // read once; stays null where there is no such file
        sharp_.load(std::exchange(sharpFile_, QString()));
    painter.drawPixmap(rect(), dense && !sharp_.isNull() ? sharp_ : picture_);
}

} // namespace tavrin
