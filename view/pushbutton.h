// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace tavrin {

// A push button that reports a press of any mouse button. Space on the
// focused button and a screen reader's Press action report a left-button
// press in its middle; Enter reports nothing.
class PushButton : public QPushButton
{
    Q_OBJECT
public:
    PushButton(QWidget* parent, const QString& name, const QString& caption);

    // A press that does not come from the mouse.
    void press();

signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void reportPress(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF position);
};

} // namespace tavrin
