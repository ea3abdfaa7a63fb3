// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace tavrin {

// A caption-only control; day cells and the title label.
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget* parent, const QString& name);

signals:
    // A left-button click: press and release on the control.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace tavrin
