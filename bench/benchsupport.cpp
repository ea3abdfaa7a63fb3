// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchsupport.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <thread>

namespace tavrin::bench {

double nowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::ranges::sort(values);
    const auto rank = static_cast<std::size_t>(std::ceil(p / 100.0 * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

MemoryFigures memoryFigures()
{
    MemoryFigures figures;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        // "VmRSS:\t   12345 kB"
        if (line.starts_with("VmRSS:"))
            figures.rssKiB = std::stol(line.substr(6));
        else if (line.starts_with("VmHWM:"))
            figures.hwmKiB = std::stol(line.substr(6));
    }
    return figures;
}

bool resetPeakRss()
{
    std::ofstream clearRefs("/proc/self/clear_refs");
    clearRefs << "5\n";
    clearRefs.flush();
    return static_cast<bool>(clearRefs);
}

bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    const double deadline = nowMs() + timeoutMs;
    for (;;) {
        QCoreApplication::processEvents();
        if (done())
            return true;
        if (nowMs() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

void runEvents(int ms)
{
    waitFor([] { return false; }, ms);
}

TimedPrinter::TimedPrinter(std::chrono::milliseconds bound) : printer(std::make_shared<DefaultPrinter>(bound))
{
    // Direct: the end is timed on the printer's thread, as it happens.
    QObject::connect(
        printer.get(), &PageSink::finished, printer.get(),
        [this](const PrintOutcome& outcome) {
            const std::lock_guard lock(mutex);
            endedAtMs.push_back(nowMs());
            if (!outcome.ok())
                failure = outcome.failure->what();
        },
        Qt::DirectConnection);
}

std::size_t TimedPrinter::ended()
{
    const std::lock_guard lock(mutex);
    return endedAtMs.size();
}

Planner::Planner(std::chrono::year_month_day today, std::shared_ptr<PageSink> printer)
{
    window = std::make_unique<MainWindow>(WindowServices{[today] { return today; }, std::move(printer),
                                                         [count = languageErrors] { ++*count; }});
}

bool Planner::start()
{
    // The first paint after the year box is filled shows the year.
    const PaintProbe probe(window.get(), [this] { return !window->yearBox()->text().isEmpty(); });
    window->show();
    return waitFor([&] { return probe.events() > 0; }, 10000);
}

PaintProbe::PaintProbe(const QWidget* window, std::function<bool()> counting)
    : window_(window), counting_(std::move(counting))
{
    QCoreApplication::instance()->installEventFilter(this);
}

PaintProbe::~PaintProbe()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void PaintProbe::reset()
{
    events_ = 0;
    painted_.clear();
    covered_ = QRegion();
}

double PaintProbe::coverage() const
{
    long long area = 0;
    for (const QRect& rect : covered_)
        area += static_cast<long long>(rect.width()) * rect.height();
    return static_cast<double>(area) / (window_->width() * window_->height());
}

bool PaintProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() == window_ && (!counting_ || counting_())) {
            ++events_;
            if (std::ranges::find(painted_, widget) == painted_.end())
                painted_.push_back(widget);
            covered_ +=
                static_cast<QPaintEvent*>(event)->region().translated(widget->mapTo(window_, QPoint()));
        }
    }
    return false;
}

int visibleWidgets(const QWidget* window)
{
    int count = window->isVisible() ? 1 : 0;
    for (const QWidget* child : window->findChildren<QWidget*>())
        count += child->isVisible() ? 1 : 0;
    return count;
}

} // namespace tavrin::bench
