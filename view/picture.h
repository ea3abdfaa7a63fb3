// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

namespace tavrin {

// A picture drawn to fill the control, made the size of `file`. Where the
// screen has more device pixels for it than the file has, it is drawn from
// the file's double-resolution version beside it ("name@2x.jpg"), where there
// is one, read the first time it is wanted. Its left edge is a fractional
// twip value, which the window's layout places.
class Picture : public QWidget
{
    Q_OBJECT
public:
    Picture(QWidget* parent, const QString& name, const QString& file);

    float Left() const { return left_; }
    void setLeft(float twips) { left_ = twips; }
    // The file's width at the planner's own size.
    int pictureWidthTwips() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    QString sharpFile_;
    QPixmap sharp_;
    float left_ = 0;
};

} // namespace tavrin
