// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Measuring tools for the benchmark: clocks, statistics, the process's memory
// figures, event-loop waits and a probe that sees which widgets get painted.

#include "mainwindow.h"

#include <QObject>
#include <QRegion>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class QWidget;

namespace tavrin::bench {

// Monotonic time in milliseconds since an arbitrary origin.
double nowMs();

double median(std::vector<double> values);
// Nearest-rank percentile, p in (0, 100].
double percentile(std::vector<double> values, double p);

struct MemoryFigures
{
    long rssKiB = -1; // VmRSS: resident now
    long hwmKiB = -1; // VmHWM: resident peak since start or the last reset
};
MemoryFigures memoryFigures();
// Restarts the VmHWM peak from the present RSS; false where the kernel refuses.
bool resetPeakRss();

// Runs the event loop until done() holds or timeoutMs passes.
bool waitFor(const std::function<bool()>& done, int timeoutMs);
// Runs the event loop for ms milliseconds.
void runEvents(int ms);

// The default printer, noting when each of its jobs ended and the last
// reason one failed.
struct TimedPrinter
{
    explicit TimedPrinter(std::chrono::milliseconds bound);
    std::size_t ended();

    std::mutex mutex;
    std::vector<double> endedAtMs;
    std::string failure;
    std::shared_ptr<DefaultPrinter> printer;
};

// A page sink that prints nowhere.
struct NoPrinter : PageSink
{
    void print(YearView&) override {}
};

// The planner window with a clock pinned to `today`, printing into `printer`.
// A "Language error" would open a modal box; languageErrors counts the ends
// of program the window asked for.
struct Planner
{
    explicit Planner(std::chrono::year_month_day today,
                     std::shared_ptr<PageSink> printer = std::make_shared<NoPrinter>());
    // Shows the window and waits until the year is rendered and painted.
    bool start();

    std::shared_ptr<int> languageErrors = std::make_shared<int>(0);
    std::unique_ptr<MainWindow> window;
};

// Counts paint events delivered to a window's widgets and the part of the
// window they cover. Filters every event of the application while it lives,
// so it stays out of timed loops.
class PaintProbe : public QObject
{
public:
    // Only paints delivered while `counting` holds are counted.
    explicit PaintProbe(const QWidget* window, std::function<bool()> counting = {});
    ~PaintProbe() override;

    void reset();
    int events() const { return events_; }
    int widgetsPainted() const { return static_cast<int>(painted_.size()); }
    // Fraction of the window's area covered by the union of painted regions.
    double coverage() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const QWidget* window_;
    std::function<bool()> counting_;
    int events_ = 0;
    std::vector<const QWidget*> painted_;
    QRegion covered_;
};

// Widgets of a window that are visible now, the window included.
int visibleWidgets(const QWidget* window);

} // namespace tavrin::bench
