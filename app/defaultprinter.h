// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing.h"
#include "printserver.h"

#include <QByteArray>
#include <QPageLayout>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace tavrin {

// The default printer of the system's print server. print() makes the page
// at once on the caller's thread, for the paper the printer last told; a
// thread of its own hands the pages over in the order they came, each one
// accepted or given up within `bound` of its print(), and emits finished()
// from that thread for each.
class DefaultPrinter : public PageSink
{
public:
    using Clock = std::chrono::steady_clock;

    explicit DefaultPrinter(std::chrono::milliseconds bound = std::chrono::seconds(30));
    // Waits for the pages still queued, which takes no longer than the bound.
    ~DefaultPrinter() override;

    void print(YearView& window) override;
    bool pageOnItsWay() override;
    QString printerName() override;

private:
    struct Job
    {
        QByteArray pdf;
        Clock::time_point deadline;
    };

    void handOver();
    bool waitingForMe();

    const std::chrono::milliseconds bound_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> jobs_;
    Destination printer_{fallbackPageLayout(), {}};
    bool handing_ = false; // a page is with the print server
    bool closing_ = false;
    std::thread thread_{&DefaultPrinter::handOver, this}; // last: it uses the rest
};

} // namespace tavrin
