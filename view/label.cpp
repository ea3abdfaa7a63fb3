// SPDX-License-Identifier: GPL-3.0-or-later
#include "label.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

namespace tavrin {
namespace {

// Laying out a caption anew for every paint, as QPainter::drawText does,
// was most of the cost of painting the window: the day numbers recur in
// every month. Kept are those of the last few sizes the window was laid out
// at; a text not seen before is laid out once.
constexpr std::size_t kTextsKept = 256;

} // namespace

const Label::Caption* Label::laidOut(const QString& text, const QFont& font, int dpi,
                                     Qt::LayoutDirection direction)
{
    // Only a plain line is laid out here; drawText treats line breaks, tabs
    // and other control characters specially.
    if (std::ranges::any_of(text, [](QChar c) {
            return c.category() == QChar::Other_Control || c == QChar::LineSeparator
                   || c == QChar::ParagraphSeparator;
        }))
        return nullptr;
    static std::unordered_map<QString, std::vector<std::unique_ptr<Caption>>> kept;
    auto& forText = kept[text];
    // A font compares without the resolution it is laid out for.
    for (const auto& caption : forText)
        if (caption->dpi == dpi && caption->direction == direction && caption->font == font)
            return caption.get();
    if (kept.size() > kTextsKept) {
        kept.clear();
        return laidOut(text, font, dpi, direction);
    }
    // As drawText lays out a line it need not wrap.
    auto caption = std::make_unique<Caption>();
    caption->font = font;
    caption->dpi = dpi;
    caption->direction = direction;
    caption->layout.setText(text);
    caption->layout.setFont(font);
    QTextOption option;
    option.setTextDirection(direction);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    caption->layout.setTextOption(option);
    caption->layout.setCacheEnabled(true);
    caption->layout.beginLayout();
    QTextLine line = caption->layout.createLine();
    line.setLineWidth(0x01000000);
    line.setPosition(QPointF(0, 0));
    caption->height = line.ascent() + line.descent();
    caption->width = line.naturalTextWidth();
    const bool oneLine = !caption->layout.createLine().isValid();
    caption->layout.endLayout();
    if (!oneLine)
        return nullptr;
    return forText.emplace_back(std::move(caption)).get();
}

Label::Label(QWidget* parent, const QString& name) : Label(parent, name, Reading::ByCaption)
{
}

Label::Label(QWidget* parent, const QString& name, Reading reading) : QWidget(parent), reading_(reading)
{
    setObjectName(name);
}

void Label::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    update();
    if (reading_ == Reading::ByCaption && accessibleName().isEmpty()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void Label::clear()
{
    if (text_.isEmpty())
        return;
    text_.clear();
    update();
}

void Label::setAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

void Label::changeEvent(QEvent* event)
{
    // The window places its controls itself, never through a Qt layout, so a
    // new font only repaints: no layout is asked to look at the new size.
    if (event->type() == QEvent::FontChange)
        update();
    else
        QWidget::changeEvent(event);
}

void Label::paintEvent(QPaintEvent*)
{
    if (text_.isEmpty())
        return;
    QPainter painter(this);
    const auto direction = text_.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const Qt::Alignment align = QStyle::visualAlignment(direction, alignment_);
    const auto* caption = laidOut(text_, painter.font(), painter.device()->logicalDpiY(), direction);
    if (!caption) {
        const int flags =
            static_cast<int>(align)
            | (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
        style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), text_,
                              foregroundRole());
        return;
    }
    // Placed and drawn as QPainter::drawText(rect, flags, text) places and
    // draws its one line, in the pen a style writes a caption with.
    const QRectF place(contentsRect());
    const QTextLine line = caption->layout.lineAt(0);
    const qreal top = align & Qt::AlignBottom    ? place.height() - caption->height
                      : align & Qt::AlignVCenter ? (place.height() - caption->height) / 2
                                                 : 0;
    const qreal advance = line.horizontalAdvance();
    const qreal left = align & Qt::AlignRight     ? place.width() - advance
                       : align & Qt::AlignHCenter ? (place.width() - advance) / 2
                                                  : 0;
    const qreal boundsLeft = align & Qt::AlignRight     ? place.width() - caption->width
                             : align & Qt::AlignHCenter ? (place.width() - caption->width) / 2
                                                        : 0;
    if (!place.contains(QRectF(place.x() + boundsLeft, place.y() + top, caption->width, caption->height)))
        painter.setClipRect(place, Qt::IntersectClip);
    painter.setPen(QPen(palette().brush(foregroundRole()), painter.pen().widthF()));
    line.draw(&painter, QPointF(place.x() + left, place.y() + top));
}

void Label::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

} // namespace tavrin
