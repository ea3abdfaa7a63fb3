// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace tavrin {

// A control that only shows a line of text and paints it itself: the labels
// (day cells, the title) and the text boxes. The window places it, never a
// Qt layout, so a new font only repaints it.
class TextControl : public QWidget
{
    Q_OBJECT
    // As QLabel and QLineEdit have them, for inspectors and GUI-testing tools.
    // The text is set through the subclasses, which declare it writable.
    Q_PROPERTY(QString text READ text)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)
public:
    QString text() const { return text_; }
    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);

protected:
    TextControl(QWidget* parent, const QString& name);

    // Keeps `text` and repaints; false where it was the text already.
    bool changeText(const QString& text);
    void changeEvent(QEvent* event) override;

private:
    QString text_;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignVCenter;
};

} // namespace tavrin
