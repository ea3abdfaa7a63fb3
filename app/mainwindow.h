// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock.h"
#include "defaultprinter.h"
#include "yearview.h"

#include <QPointer>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>

class QWindow;

namespace tavrin {

// What the window takes from outside; the defaults are the real ones.
struct WindowServices
{
    Clock clock = localToday;
    std::shared_ptr<PageSink> printer = std::make_shared<DefaultPrinter>();
    // Ends the program after "Language error"; must not return in use.
    std::function<void()> endProgram = [] { std::_Exit(EXIT_FAILURE); };
};

// The planner's window with its behaviour: start-up, year selection and
// printing. Everything runs on the event loop's thread, one handler at a time.
class MainWindow : public YearView
{
    Q_OBJECT
public:
    using Services = WindowServices;

    explicit MainWindow(Services services = {});
    ~MainWindow() override;

    void Form_Load();
    void Form_Activate();
    void SpinButton1_SpinUp();
    void SpinButton1_SpinDown();
    void Command1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF position);

    // The banner's left edge for the window's outer width, both in twips.
    static float bannerLeft(double outerWidth, double bannerWidth);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showSelectedYear();
    void renderOrEnd();
    void applyBannerSchedule();
    void focusWindowChanged(QWindow* now);
    void activateOnce();

    Services services_;
    bool loaded_ = false;
    bool firstActivationDone_ = false;
    bool ended_ = false;
    QPointer<QWindow> lastFocusWindow_;
    // While a page is with a print server that has not answered, the user
    // hears so every kStillWaiting, not only at the bound.
    QTimer stillWaiting_;
    static constexpr std::chrono::seconds kStillWaiting{10};
    // A page the print server takes at once is told by its outcome alone: a
    // reader would speak the press first and keep the user from the outcome.
    // One still on its way after kPressTold is told as it goes.
    QTimer pressTold_;
    QString pressText_;
    static constexpr std::chrono::milliseconds kPressTold{300};
};

} // namespace tavrin
