// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "monthtable.h"
#include "normalstate.h"
#include "windowicon.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace tavrin {
namespace {

constexpr int kLastYear = 3000;

unsigned dayOfMonth(const Clock& clock)
{
    return static_cast<unsigned>(clock().day());
}

} // namespace

MainWindow::MainWindow(Services services) : services_(std::move(services))
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(plannerIcon());
    fitPlannerToScreen(this);

    connect(SpinButton1(), &SpinButton::SpinUp, this, &MainWindow::SpinButton1_SpinUp);
    connect(SpinButton1(), &SpinButton::SpinDown, this, &MainWindow::SpinButton1_SpinDown);
    connect(Command1(), &PushButton::mouseDown, this, &MainWindow::Command1_MouseDown);
    // Queued to the notice, which takes nothing else: the printer finishes
    // on a thread of its own.
    connect(
        services_.printer.get(), &PageSink::finished, notice(),
        [notice = notice()](const PrintOutcome& outcome) { reportPrintOutcome(outcome, *notice); },
        Qt::QueuedConnection);
    pressTold_.setSingleShot(true);
    pressTold_.setInterval(kPressTold);
    connect(&pressTold_, &QTimer::timeout, this, [this] {
        if (services_.printer->pageOnItsWay())
            notice()->tell(pressText_);
    });
    stillWaiting_.setInterval(kStillWaiting);
    connect(&stillWaiting_, &QTimer::timeout, this, [this] {
        if (services_.printer->pageOnItsWay())
            notice()->tell(QStringLiteral("Still waiting for the print server"));
        else
            stillWaiting_.stop();
    });
    // A page that follows another waits afresh from the first one's outcome.
    connect(
        services_.printer.get(), &PageSink::finished, this,
        [this] {
            if (services_.printer->pageOnItsWay())
                stillWaiting_.start();
            else
                stillWaiting_.stop();
        },
        Qt::QueuedConnection);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &MainWindow::focusWindowChanged);
}

MainWindow::~MainWindow()
{
    // A page still on its way ends within its bound; its outcome is told
    // before the window goes.
    services_.printer.reset();
    QCoreApplication::sendPostedEvents(notice(), QEvent::MetaCall);
}

float MainWindow::bannerLeft(double outerWidth, double bannerWidth)
{
    return static_cast<float>(outerWidth / 2.0 - bannerWidth / 2.0);
}

void MainWindow::Form_Load()
{
    // Nothing to register first: the spin control is built into the program.
    Image1()->hide();
    // The outer width as the window system reports it now, before the first
    // map (where the frame is not known yet it is the client width), in the
    // twips of the planner's layout.
    const double outerWidth = frameGeometry().width() * kTwipsPerPixel / layoutScale();
    Image1()->setLeft(bannerLeft(outerWidth, Image1()->pictureWidthTwips()));
    layOut();
    applyBannerSchedule();

    const auto centreInArial = [](Label* cell) {
        cell->setAlignment(Qt::AlignCenter);
        QFont font = cell->font();
        font.setFamily(QString::fromLatin1(kDayCellLoadedFamily));
        cell->setFont(font);
    };
    for (int month = 1; month <= 12; ++month)
        for (const auto& [index, cell] : Txt(month))
            centreInArial(cell);
}

void MainWindow::Form_Activate()
{
    auto& names = model().MonthNames;
    std::ranges::copy(kMonthNames, names.begin());
    SpinButton1()->setMax(kLastYear);
    SpinButton1()->setValue(static_cast<int>(services_.clock().year()));
    showSelectedYear();
}

void MainWindow::SpinButton1_SpinUp()
{
    showSelectedYear();
}

void MainWindow::SpinButton1_SpinDown()
{
    showSelectedYear();
}

void MainWindow::showSelectedYear()
{
    yearBox()->setText(QString::number(SpinButton1()->Value()));
    model().YearText = std::to_string(SpinButton1()->Value());
    renderOrEnd();
}

void MainWindow::renderOrEnd()
{
    try {
        RenderYear();
    } catch (const LanguageError&) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tavrin"), QStringLiteral("Language error"),
                        QMessageBox::Ok, this);
        box.exec();
        ended_ = true;
        services_.endProgram();
    }
}

void MainWindow::applyBannerSchedule()
{
    // Two independent tests that can only show the banner, each reading the
    // clock afresh.
    if (const auto day = dayOfMonth(services_.clock); day >= 1 && day <= 7)
        Image1()->show();
    if (const auto day = dayOfMonth(services_.clock); day >= 16 && day <= 24)
        Image1()->show();
}

void MainWindow::Command1_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPointF)
{
    try {
        FRMyEAR()->hide();
        Image1()->hide();
        Label1()->setText(QString::number(SpinButton1()->Value()) + QStringLiteral(" Tavrin"));
        Command1()->hide();
        SpinButton1()->hide();
        const bool queued = services_.printer->pageOnItsWay();
        const QString printer = services_.printer->printerName();
        // Makes the page from the window as it stands and returns: the
        // printer hands it over on its own thread, so the window is back at
        // once whatever the print server does.
        services_.printer->print(*this);
        if (queued) {
            if (pressTold_.isActive()) { // the first press is told first
                pressTold_.stop();
                notice()->tell(pressText_);
            }
            notice()->tell(QStringLiteral("A page is already on its way; this one follows it"));
        } else if (services_.printer->pageOnItsWay()) {
            stillWaiting_.start();
            pressText_ = printer.isEmpty() ? QStringLiteral("Printing…")
                                           : QStringLiteral("Printing to %1…").arg(printer);
            pressTold_.start();
        }
    } catch (const Failure& failure) {
        reportPrintOutcome({{}, failure}, *notice());
    } catch (const std::exception& error) {
        reportPrintOutcome({{}, Failure("the page could not be made", error.what())}, *notice());
    }
    applyBannerSchedule();
    FRMyEAR()->show();
    Command1()->show();
    SpinButton1()->show();
    Label1()->clear();
}

void MainWindow::showEvent(QShowEvent* event)
{
    YearView::showEvent(event);
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    // The first activation also runs where the window system never activates
    // the window (no window manager, focus-stealing prevention).
    if (!firstActivationDone_)
        QTimer::singleShot(0, this, &MainWindow::activateOnce);
}

void MainWindow::activateOnce()
{
    if (firstActivationDone_)
        return;
    firstActivationDone_ = true;
    Form_Activate();
}

void MainWindow::focusWindowChanged(QWindow* now)
{
    if (ended_)
        return; // only reached where ending the program is stubbed out
    if (!now)
        return; // another program took the focus
    const QWindow* previous = lastFocusWindow_;
    lastFocusWindow_ = now;
    if (now != windowHandle())
        return;
    if (!firstActivationDone_)
        activateOnce();
    else if (previous && previous != now)
        Form_Activate(); // back from another window of this program
}

} // namespace tavrin
