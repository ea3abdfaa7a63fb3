// SPDX-License-Identifier: GPL-3.0-or-later
// tavrin_bench: how fast and how lean the planner window is, measured offscreen.
//
// Run without arguments it prints the report. Start-up and memory figures come
// from fresh copies of this program started with "--child <mode>", each of
// which prints key=value lines for the parent to read.

#include "benchsupport.h"
#include "printpage.h"
#include "printserver.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QTimer>
#include <QWidget>
#include <cstdarg>
#include <cstdio>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace tavrin;
using namespace tavrin::bench;
using namespace std::chrono;

namespace {

// The clock is pinned so runs on different days compare. Steps run on a day
// the banner is hidden: the full repaint they are held against is then at
// its cheapest, which makes the ratio strictest. Start-up, memory and
// printing run on a day it is shown, which is the heavier case for them.
constexpr year_month_day kBannerHiddenDay = year{2026} / 12 / 10;
constexpr year_month_day kBannerShownDay = year{2026} / 12 / 6;

constexpr int kStepsPerSweep = 20;
constexpr int kWarmUpRounds = 50;
constexpr int kTimedRounds = 400;
constexpr int kStartupRuns = 15;
constexpr int kMemoryRuns = 3;
constexpr int kEnduranceSteps = 20000;
constexpr int kPrintPresses = 6; // the first one warms up
constexpr int kSettleMs = 300;
// A held arrow repeats every 50 ms after 250 ms: at most 37 steps in 2 s.
constexpr int kHeldMs = 2000;
constexpr int kHeldTarget = 34;

// Decimal megabytes, the stricter reading of each memory target.
constexpr double kKiBPerMB = 1e6 / 1024;

std::string fmt(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string fmt(const char* format, ...)
{
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

class Report
{
public:
    // One figure; a figure with a target gets PASS or FAIL.
    void figure(int part, const std::string& what, const std::string& value, const std::string& target = {},
                std::optional<bool> pass = {})
    {
        std::string verdict;
        if (pass) {
            verdict = *pass ? "PASS" : "FAIL";
            failed_ = failed_ || !*pass;
        }
        std::printf("%d  %-48s %-36s %-18s %s\n", part, what.c_str(), value.c_str(), target.c_str(),
                    verdict.c_str());
        std::fflush(stdout);
    }
    void note(int part, const std::string& text)
    {
        std::printf("%d  %s\n", part, text.c_str());
        std::fflush(stdout);
    }
    bool failed() const { return failed_; }

private:
    bool failed_ = false;
};

// ---------------------------------------------------------------------------
// Child processes

using ChildFigures = std::map<std::string, double>;

// A fresh copy of this program in a child mode; `within` is a command that
// runs it, such as the private accessibility setting of the AT-SPI test.
std::optional<ChildFigures> runChild(const QString& mode, std::string* problem, QStringList within = {})
{
    QProcess child;
    within << QCoreApplication::applicationFilePath() << QStringLiteral("--child") << mode;
    child.setProgram(within.takeFirst());
    child.setArguments(within);
    child.start();
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit
        || child.exitCode() != 0) {
        child.kill();
        child.waitForFinished();
        *problem = "child '" + mode.toStdString()
                   + "' failed: " + child.readAllStandardError().trimmed().toStdString();
        return std::nullopt;
    }
    ChildFigures figures;
    std::istringstream lines(child.readAllStandardOutput().toStdString());
    for (std::string line; std::getline(lines, line);) {
        const auto equals = line.find('=');
        if (equals != std::string::npos)
            figures[line.substr(0, equals)] = std::stod(line.substr(equals + 1));
    }
    return figures;
}

// Notes when the first paint of a window that shows what is wanted has been
// completed: the clock stops when the outermost event that ran the paint
// (an expose or an update request) returns, so every widget of that pass and
// the flush to the window system are included.
class WatchingApplication : public QApplication
{
public:
    using QApplication::QApplication;

    void watch(const QWidget* window, std::function<bool()> ready, std::function<void()> onPainted)
    {
        window_ = window;
        ready_ = std::move(ready);
        onPainted_ = std::move(onPainted);
    }
    double paintedAtMs() const { return paintedAtMs_; }

    bool notify(QObject* receiver, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && window_ && paintedAtMs_ < 0 && receiver->isWidgetType()
            && static_cast<QWidget*>(receiver)->window() == window_ && ready_())
            sawPaint_ = true;
        ++depth_;
        const bool result = QApplication::notify(receiver, event);
        --depth_;
        if (sawPaint_ && depth_ == 0 && paintedAtMs_ < 0) {
            paintedAtMs_ = nowMs();
            if (onPainted_)
                onPainted_();
        }
        return result;
    }

private:
    const QWidget* window_ = nullptr;
    std::function<bool()> ready_;
    std::function<void()> onPainted_;
    bool sawPaint_ = false;
    int depth_ = 0;
    double paintedAtMs_ = -1;
};

// The window as the program builds it, with only the clock pinned.
std::unique_ptr<MainWindow> shippedWindow()
{
    WindowServices services;
    services.clock = [] { return kBannerShownDay; };
    return std::make_unique<MainWindow>(std::move(services));
}

bool showsYear(const MainWindow& window)
{
    return window.yearBox()->text() == QString::number(static_cast<int>(kBannerShownDay.year()));
}

// An empty window of the planner's size; with one line of text it is what
// the planner's start-up is held against, bare what its memory is.
std::unique_ptr<QWidget> bareWindow()
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("Tavrin"));
    window->setFixedSize(808, 571);
    return window;
}

enum class Kind
{
    Planner,
    Bare,
    // A bare window with one line of text: it loads the fonts, as every
    // window showing text must, which the bare one never does.
    BareWithText
};

// The window of a kind, and whether it shows what it is for: the planner its
// year, the others anything.
std::pair<std::unique_ptr<QWidget>, std::function<bool()>> startingWindow(Kind kind)
{
    if (kind == Kind::Planner) {
        auto main = shippedWindow();
        auto ready = [window = main.get()] { return showsYear(*window); };
        return {std::move(main), ready};
    }
    auto window = bareWindow();
    if (kind == Kind::BareWithText)
        new QLabel(QStringLiteral("Tavrin"), window.get());
    return {std::move(window), [] { return true; }};
}

int childStartup(int argc, char** argv, Kind kind)
{
    const double beforeApplication = nowMs();
    WatchingApplication app(argc, argv);
    const double beforeWindow = nowMs();
    const auto [window, ready] = startingWindow(kind);
    app.watch(window.get(), ready, [] { QCoreApplication::quit(); });
    window->show();
    QTimer::singleShot(20000, [] { QCoreApplication::exit(1); });
    if (app.exec() != 0)
        return 1;
    std::printf("window_ms=%.3f\napplication_ms=%.3f\n", app.paintedAtMs() - beforeWindow,
                app.paintedAtMs() - beforeApplication);
    return 0;
}

int childResident(int argc, char** argv, bool planner)
{
    WatchingApplication app(argc, argv);
    const auto [window, ready] = startingWindow(planner ? Kind::Planner : Kind::Bare);
    long rss = -1;
    app.watch(window.get(), ready, [&rss] {
        // Settle: let whatever the first paint queued run before reading.
        QTimer::singleShot(kSettleMs, [&rss] {
            rss = memoryFigures().rssKiB;
            QCoreApplication::quit();
        });
    });
    window->show();
    QTimer::singleShot(20000, [] { QCoreApplication::exit(1); });
    if (app.exec() != 0)
        return 1;
    std::printf("rss_kib=%ld\nwidth=%d\nheight=%d\n", rss, window->width(), window->height());
    return 0;
}

// Peak memory over one print to the default printer, to the end of its job.
int childPrintMemory(int argc, char** argv)
{
    QApplication app(argc, argv);
    TimedPrinter timed(std::chrono::seconds(30));
    Planner planner(kBannerShownDay, timed.printer);
    if (!planner.start())
        return 1;
    runEvents(kSettleMs);
    const long resting = memoryFigures().rssKiB;
    const bool reset = resetPeakRss();
    planner.window->Command1_MouseDown(Qt::LeftButton, Qt::NoModifier, QPointF(10, 10));
    if (!waitFor([&] { return timed.ended() == 1; }, 35000))
        return 1;
    std::printf("resting_kib=%ld\npeak_kib=%ld\npeak_reset=%d\naccepted=%d\n", resting,
                memoryFigures().hwmKiB, reset ? 1 : 0, timed.failure.empty() ? 1 : 0);
    return 0;
}

// ---------------------------------------------------------------------------
// The measurements

// Closes any modal box ("Language error") so a run can never hang on one.
void closeModalBoxes()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

struct Stepper
{
    explicit Stepper(MainWindow& window) : window(window) {}

    // One press of an arrow as a held arrow repeats it: released, clicked and
    // pressed again, the press stepping the value and rendering the year.
    // Sweeps up and down so the year changes every time.
    void step()
    {
        const bool upward = (count++ / kStepsPerSweep) % 2 == 0;
        const int before = window.SpinButton1()->Value();
        (upward ? window.SpinButton1()->upArrow() : window.SpinButton1()->downArrow())->click();
        if (window.SpinButton1()->Value() == before
            || window.yearBox()->text() != QString::number(window.SpinButton1()->Value()))
            ++faults;
    }

    MainWindow& window;
    int count = 0;
    int faults = 0; // steps that did not show a new year
};

// Runs where Qt's AT-SPI bridge is up. "a11y-events": a year step painted,
// its events going out to whoever listens, and the accessibility events per
// step as Qt hands them over. "a11y-held": steps a held up arrow makes in 2 s.
int childAccessibility(int argc, char** argv, bool held)
{
    QApplication app(argc, argv);
    Planner planner(kBannerHiddenDay);
    if (!planner.start() || !waitFor(QAccessible::isActive, 10000))
        return 1;
    runEvents(kSettleMs);
    SpinButton& spin = *planner.window->SpinButton1();
    const int before = spin.Value();
    if (held) {
        QWidget* const up = spin.upArrow();
        const QPointF at = QRectF(up->rect()).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, up->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(up, &press);
        QTimer::singleShot(kHeldMs, &app, &QCoreApplication::quit);
        app.exec();
        std::printf("steps=%d\n", spin.Value() - before);
        return 0;
    }
    // First as the running program steps, the events going out to the bus,
    // then counting them instead.
    Stepper stepper(*planner.window);
    const double start = nowMs();
    for (int step = 0; step < 2 * kStepsPerSweep; ++step) {
        stepper.step();
        QCoreApplication::processEvents();
    }
    const double stepMs = (nowMs() - start) / (2 * kStepsPerSweep);
    static long events = 0;
    QAccessible::installUpdateHandler([](QAccessibleEvent*) { ++events; });
    for (int step = 0; step < 2 * kStepsPerSweep; ++step)
        stepper.step();
    std::printf("step_ms=%.2f\nevents_per_step=%.1f\n", stepMs,
                static_cast<double>(events) / (2 * kStepsPerSweep));
    return stepper.faults ? 1 : 0;
}

void measureSteps(Report& report, MainWindow& window)
{
    // QWidget::repaint() on the window is not a full repaint: with the backing
    // store intact, Qt leaves out children that fill themselves (panels, cells,
    // text boxes). Marking every widget dirty is what makes each of them paint
    // again; the probe below shows it covers the whole window.
    const QList<QWidget*> children = window.findChildren<QWidget*>();
    std::vector<QWidget*> widgets(children.begin(), children.end());
    widgets.push_back(&window);
    const auto flush = [] { QCoreApplication::processEvents(); };
    const auto paintAll = [&] {
        for (QWidget* widget : widgets)
            widget->update();
        flush();
    };
    Stepper stepper(window);
    const auto forcedStep = [&] {
        stepper.step();
        paintAll();
    };
    {
        PaintProbe probe(&window);
        paintAll();
        report.figure(1, "full repaint: widgets painted, area covered",
                      fmt("%d, %.0f%%", probe.widgetsPainted(), 100 * probe.coverage()),
                      fmt("of %d widgets", visibleWidgets(&window)));
    }
    for (int round = 0; round < kWarmUpRounds; ++round)
        forcedStep();
    // Interleaved, so drifts in machine speed touch all alike.
    std::vector<double> forcedMs, floorMs, naturalMs;
    const auto time = [](std::vector<double>& into, const auto& action) {
        const double start = nowMs();
        action();
        into.push_back(nowMs() - start);
    };
    stepper.faults = 0;
    for (int round = 0; round < kTimedRounds; ++round) {
        time(forcedMs, forcedStep);
        time(floorMs, paintAll);
        time(naturalMs, [&] {
            stepper.step();
            flush();
        });
    }

    const double step = median(forcedMs);
    const double floor = median(floorMs);
    const double ratio = step / floor;
    const double p95 = percentile(forcedMs, 95);
    report.figure(1, "year step + full repaint, median", fmt("%.3f ms (%d steps)", step, kTimedRounds));
    report.figure(1, "full repaint, nothing changed (floor), median", fmt("%.3f ms", floor));
    report.figure(1, "step / floor", fmt("%.2f", ratio), "<= 1.30", ratio <= 1.30);
    report.figure(1, "year step + full repaint, p95",
                  fmt("%.3f ms (max %.2f)", p95, *std::ranges::max_element(forcedMs)), "< 10 ms", p95 < 10.0);
    report.figure(1, "step painting only what changed, median", fmt("%.3f ms", median(naturalMs)));
    if (stepper.faults)
        report.figure(1, "steps that did not show a new year", fmt("%d", stepper.faults), "0", false);
}

void measureStartup(Report& report)
{
    // The planner and the bare windows alternate, so a change in the
    // machine's load touches them alike.
    std::vector<double> windowMs, applicationMs, bareMs, textMs;
    for (int run = 0; run < kStartupRuns; ++run) {
        std::string problem;
        const auto figures = runChild(QStringLiteral("startup"), &problem);
        const auto bare = runChild(QStringLiteral("startup-bare"), &problem);
        const auto text = runChild(QStringLiteral("startup-text"), &problem);
        if (!figures || !bare || !text) {
            report.figure(2, "start-up", problem, "< 100 ms", false);
            return;
        }
        windowMs.push_back(figures->at("window_ms"));
        applicationMs.push_back(figures->at("application_ms"));
        bareMs.push_back(bare->at("window_ms"));
        textMs.push_back(text->at("window_ms"));
    }
    const auto spread = [](const std::vector<double>& ms) {
        return fmt("%.1f ms (%.1f..%.1f, %d runs)", median(ms), *std::ranges::min_element(ms),
                   *std::ranges::max_element(ms), kStartupRuns);
    };
    const double planner = median(windowMs);
    report.figure(2, "window created -> first year paint, median", spread(windowMs), "< 100 ms",
                  planner < 100.0);
    report.figure(2, "same from QApplication construction, median", fmt("%.1f ms", median(applicationMs)));
    const double text = median(textMs);
    report.figure(2, "bare 808x571 QWidget created -> first paint", spread(bareMs));
    report.figure(2, "planner / bare", fmt("%.2f", planner / median(bareMs)));
    report.figure(2, "bare QWidget with one QLabel line (fonts loaded)", spread(textMs));
    report.figure(2, "planner / bare with one line", fmt("%.2f", planner / text), "<= 2.0",
                  planner / text <= 2.0);
}

void measureResident(Report& report)
{
    const auto residentMedian = [&report](const QString& mode, std::string* size) -> double {
        std::vector<double> kib;
        for (int run = 0; run < kMemoryRuns; ++run) {
            std::string problem;
            const auto figures = runChild(mode, &problem);
            if (!figures) {
                report.figure(3, "resident memory", problem, "", false);
                return -1;
            }
            kib.push_back(figures->at("rss_kib"));
            *size = fmt("%.0fx%.0f", figures->at("width"), figures->at("height"));
        }
        return median(kib);
    };
    std::string plannerSize, bareSize;
    const double planner = residentMedian(QStringLiteral("rss-planner"), &plannerSize);
    const double bare = residentMedian(QStringLiteral("rss-bare"), &bareSize);
    if (planner < 0 || bare < 0)
        return;
    report.figure(3, "resident after start: planner " + plannerSize, fmt("%.0f KiB", planner));
    report.figure(3, "resident after start: bare QWidget " + bareSize, fmt("%.0f KiB", bare));
    report.figure(3, "planner / bare", fmt("%.2f (+%.0f KiB)", planner / bare, planner - bare), "<= 1.25",
                  planner / bare <= 1.25);
}

void measureEndurance(Report& report, MainWindow& window)
{
    const auto widgets = [] { return QApplication::allWidgets().size(); };
    const auto objects = [&window] { return window.findChildren<QObject*>().size() + 1; };
    runEvents(100);
    const long widgetsBefore = widgets();
    const long objectsBefore = objects();
    const long rssBefore = memoryFigures().rssKiB;
    long rssEarly = 0;

    int faults = 0;
    bool upward = false;
    const double start = nowMs();
    for (int step = 0; step < kEnduranceSteps; ++step) {
        // Across the whole range: down to the first year, up to the last.
        SpinButton& spin = *window.SpinButton1();
        if (spin.Value() <= spin.Min())
            upward = true;
        else if (spin.Value() >= spin.Max())
            upward = false;
        (upward ? spin.upArrow() : spin.downArrow())->click();
        QCoreApplication::processEvents();
        if (window.yearBox()->text() != QString::number(spin.Value()))
            ++faults;
        if (step == kEnduranceSteps / 10 - 1)
            rssEarly = memoryFigures().rssKiB;
    }
    const double seconds = (nowMs() - start) / 1000;
    runEvents(100);
    const long rssAfter = memoryFigures().rssKiB;
    const long growth = rssAfter - rssBefore;

    report.figure(4,
                  fmt("%d steps over years %d..%d, painting each", kEnduranceSteps,
                      window.SpinButton1()->Min(), window.SpinButton1()->Max()),
                  fmt("%.1f s (%.3f ms/step)", seconds, seconds * 1000 / kEnduranceSteps));
    report.figure(4, "RSS before -> after", fmt("%ld -> %ld KiB (%+ld)", rssBefore, rssAfter, growth),
                  fmt("growth <= %.0f KiB", kKiBPerMB), growth <= kKiBPerMB);
    report.figure(4, "  RSS after the first 10% of the steps", fmt("%ld KiB", rssEarly));
    const long widgetsAfter = widgets();
    const long objectsAfter = objects();
    report.figure(4, "widgets (allWidgets) before -> after", fmt("%ld -> %ld", widgetsBefore, widgetsAfter),
                  "no growth", widgetsAfter <= widgetsBefore);
    report.figure(4, "QObjects in the window before -> after", fmt("%ld -> %ld", objectsBefore, objectsAfter),
                  "no growth", objectsAfter <= objectsBefore);
    if (faults)
        report.figure(4, "steps whose year box disagreed with the value", fmt("%d", faults), "0", false);
}

// Presses Print kPrintPresses times on a window printing to `timed`, each
// once the one before has ended; returns the press-to-restored times and,
// for accepted jobs, the press-to-accepted ones (warm-up left out).
std::pair<std::vector<double>, std::vector<double>> timePresses(TimedPrinter& timed, std::string* problem)
{
    Planner planner(kBannerShownDay, timed.printer);
    std::vector<double> restored, accepted;
    if (!planner.start())
        *problem = "window did not start";
    runEvents(kSettleMs); // the printer asks for its paper meanwhile
    for (int press = 0; press < kPrintPresses && problem->empty(); ++press) {
        const double start = nowMs();
        planner.window->Command1_MouseDown(Qt::LeftButton, Qt::NoModifier, QPointF(10, 10));
        const double back = nowMs();
        if (!waitFor([&] { return timed.ended() == static_cast<std::size_t>(press) + 1; }, 35000))
            *problem = "a job never ended";
        if (press > 0)
            restored.push_back(back - start);
        if (press > 0 && timed.failure.empty())
            accepted.push_back(timed.endedAtMs.back() - start);
    }
    return {restored, accepted};
}

void measurePrinting(Report& report)
{
    {
        struct JobSize : PageSink
        {
            void print(YearView& window) override { bytes = pagePdf(window, fallbackPageLayout()).size(); }
            qsizetype bytes = 0;
        };
        const auto job = std::make_shared<JobSize>();
        Planner planner(kBannerShownDay, job);
        if (planner.start())
            planner.window->Command1_MouseDown(Qt::LeftButton, Qt::NoModifier, QPointF(10, 10));
        report.figure(5, "job size (the page on A4)", fmt("%lld bytes", static_cast<long long>(job->bytes)),
                      "< 60,000 bytes", job->bytes > 0 && job->bytes < 60000);
    }

    std::string problem;
    if (const auto memory = runChild(QStringLiteral("print-memory"), &problem); !memory) {
        report.figure(5, "peak RSS rise during a print", problem, "", false);
    } else {
        const double rise = memory->at("peak_kib") - memory->at("resting_kib");
        report.figure(5,
                      memory->at("accepted") ? "peak RSS rise, press to job accepted"
                                             : "peak RSS rise, press to job refused (no printer)",
                      fmt("%.0f KiB", rise), fmt("< %.0f KiB", 5 * kKiBPerMB),
                      memory->at("peak_reset") && rise < 5 * kKiBPerMB);
    }

    // The CUPS server in reach: tests/cups/with-cups gives one with a PDF queue.
    {
        TimedPrinter real(std::chrono::seconds(30));
        const auto [restored, accepted] = timePresses(real, &problem);
        report.figure(5, "press -> window restored, median (max)",
                      problem.empty() ? fmt("%.1f ms (%.1f)", median(restored), percentile(restored, 100))
                                      : problem,
                      "< 100 ms", problem.empty() && percentile(restored, 100) < 100);
        if (accepted.empty())
            report.note(5, "press -> job accepted by CUPS: none was (" + real.failure + ")");
        else
            report.figure(5, "press -> job accepted by CUPS, median",
                          fmt("%.1f ms (%zu jobs)", median(accepted), accepted.size()));
    }

    // A server that takes the connection and never answers; the bound is
    // 2 s here so the run stays short (30 s in the program).
    const std::string path =
        QDir::temp().filePath(QStringLiteral("tavrin-bench-stalled-%1").arg(getpid())).toStdString();
    sockaddr_un address{AF_UNIX, {}};
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    const int stalled = socket(AF_UNIX, SOCK_STREAM, 0);
    const QByteArray server = qgetenv("CUPS_SERVER");
    if (bind(stalled, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
        && listen(stalled, 16) == 0) {
        qputenv("CUPS_SERVER", path.c_str());
        TimedPrinter stalling(std::chrono::seconds(2));
        problem.clear();
        const auto stalledRestored = timePresses(stalling, &problem).first;
        report.figure(5, "stalled server: press -> window restored, median",
                      problem.empty()
                          ? fmt("%.1f ms (%.1f)", median(stalledRestored), percentile(stalledRestored, 100))
                          : problem,
                      "< 100 ms", problem.empty() && percentile(stalledRestored, 100) < 100);
        qputenv("CUPS_SERVER", server);
    }
    close(stalled);
    unlink(path.c_str());
}

void measureAccessibility(Report& report)
{
    const QStringList session{QStringLiteral(TAVRIN_ATSPI_SESSION), QStringLiteral("--run")};
    const QStringList listening = session + QStringList{QStringLiteral(TAVRIN_ATSPI_LISTEN)};
    std::string problem;
    const auto events = runChild(QStringLiteral("a11y-events"), &problem, listening);
    if (!events && problem.find("SKIP") != std::string::npos) {
        report.note(6, "accessibility skipped: " + problem);
        return;
    }
    if (!events) {
        report.figure(6, "accessibility", problem, "", false);
        return;
    }
    report.figure(6, "accessibility events per year step", fmt("%.1f", events->at("events_per_step")));
    report.figure(6, "year step + paint, AT-SPI client listening", fmt("%.2f ms", events->at("step_ms")),
                  "< 50 ms (repeat)", events->at("step_ms") < 50);
    const QStringList orca{QStringLiteral(TAVRIN_ATSPI_SESSION), QStringLiteral("--with-orca")};
    for (const auto& [within, who] :
         {std::pair{session, "no client"}, {listening, "AT-SPI client listening"}, {orca, "Orca running"}}) {
        const auto held = runChild(QStringLiteral("a11y-held"), &problem, within);
        const double steps = held ? held->at("steps") : -1;
        report.figure(6, fmt("held arrow, steps in %d ms, %s", kHeldMs, who),
                      held ? fmt("%.0f", steps) : problem, fmt(">= %d", kHeldTarget), steps >= kHeldTarget);
    }
}

int runReport(int argc, char** argv)
{
    const double start = nowMs();
    QApplication app(argc, argv);
    QTimer modalGuard;
    QObject::connect(&modalGuard, &QTimer::timeout, &closeModalBoxes);
    modalGuard.start(200);

    Report report;
    std::printf("Tavrin benchmark: Qt %s, platform %s, %u CPUs, %s build\n", qVersion(),
                qPrintable(QGuiApplication::platformName()), std::thread::hardware_concurrency(),
                TAVRIN_BENCH_BUILD_TYPE);
    std::fflush(stdout);

    Planner planner(kBannerHiddenDay);
    if (!planner.start()) {
        report.figure(1, "year steps", "window did not start", "", false);
        return 1;
    }
    runEvents(100);
    measureSteps(report, *planner.window);
    measureStartup(report);
    measureResident(report);
    measureEndurance(report, *planner.window);
    if (*planner.languageErrors)
        report.figure(4, "language errors while stepping", fmt("%d", *planner.languageErrors), "0", false);
    planner.window.reset();
    measurePrinting(report);
    measureAccessibility(report);

    std::printf("   total run time %.1f s; %s\n", (nowMs() - start) / 1000,
                report.failed() ? "SOME TARGETS FAILED" : "all targets met");
    return report.failed() ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    if (argc == 3 && std::string(argv[1]) == "--child") {
        const std::string mode = argv[2];
        if (mode == "startup" || mode == "startup-bare" || mode == "startup-text")
            return childStartup(argc, argv,
                                mode == "startup"        ? Kind::Planner
                                : mode == "startup-bare" ? Kind::Bare
                                                         : Kind::BareWithText);
        if (mode == "rss-planner" || mode == "rss-bare")
            return childResident(argc, argv, mode == "rss-planner");
        if (mode == "print-memory")
            return childPrintMemory(argc, argv);
        if (mode == "a11y-events" || mode == "a11y-held")
            return childAccessibility(argc, argv, mode == "a11y-held");
        std::fprintf(stderr, "tavrin_bench: unknown child mode %s\n", mode.c_str());
        return 2;
    }
    if (argc > 1) {
        std::fprintf(stderr, "usage: %s\n", argv[0]);
        return 2;
    }
    return runReport(argc, argv);
}
