// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "announcepace.h"

#include <cstdint>
#include <optional>

#include <QAbstractButton>
#include <QWidget>

namespace tavrin {

// One arrow of the spin control: a button face with a black triangle.
class ArrowButton : public QAbstractButton
{
    Q_OBJECT
public:
    ArrowButton(QWidget* parent, Qt::ArrowType direction);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::ArrowType direction_;
};

// A vertical pair of arrows holding a whole-number Value within Min..Max.
// A press on an arrow steps Value by SmallChange, then reports SpinUp or
// SpinDown; a held arrow repeats after 5 x Delay, then every Delay ms.
// Setting Value from code reports nothing. The Up and Down keys and a screen
// reader's Increase and Decrease step as the arrows do; Page Up and Page Down
// step ten at once, Home and End to Min and Max, and a screen reader that
// sets the value steps straight to it, each one step. Screen readers hear
// the values at the pace of AnnouncePace: a run of steps ends on its value.
class SpinButton : public QWidget
{
    Q_OBJECT
public:
    SpinButton(QWidget* parent, const QString& name);

    int Value() const { return value_; }
    void setValue(int value);
    int Min() const { return min_; }
    int Max() const { return max_; }
    void setMax(int max);
    int SmallChange() const { return smallChange_; }
    int Delay() const { return delay_; }

    ArrowButton* upArrow() const { return up_; }
    ArrowButton* downArrow() const { return down_; }

    void stepUp();
    void stepDown();
    // One step to a chosen value (brought into range), reported as SpinUp,
    // or SpinDown when it goes down.
    void stepTo(int value);

signals:
    void SpinUp();
    void SpinDown();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void stepBy(int steps);
    void stepped();
    void announceValue();

    ArrowButton* up_;
    ArrowButton* down_;
    int value_ = 0;
    int min_ = 0;
    int max_ = 0;
    int smallChange_ = 1;
    int delay_ = 50;
    AnnouncePace pace_;
    std::optional<std::uint64_t> keyTime_; // the key being handled, while it is
};

} // namespace tavrin
