// SPDX-License-Identifier: GPL-3.0-or-later
#include "defaultprinter.h"

#include "printpage.h"
#include "printserver.h"

namespace tavrin {

DefaultPrinter::DefaultPrinter(std::chrono::milliseconds bound) : bound_(bound)
{
}

DefaultPrinter::~DefaultPrinter()
{
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void DefaultPrinter::print(YearView& window)
{
    const Clock::time_point deadline = Clock::now() + bound_;
    QPageLayout layout;
    {
        const std::lock_guard lock(mutex_);
        layout = printer_.layout;
    }
    QByteArray pdf = pagePdf(window, layout);
    {
        const std::lock_guard lock(mutex_);
        jobs_.push_back({std::move(pdf), deadline});
    }
    wake_.notify_one();
}

bool DefaultPrinter::pageOnItsWay()
{
    const std::lock_guard lock(mutex_);
    return handing_ || !jobs_.empty();
}

QString DefaultPrinter::printerName()
{
    const std::lock_guard lock(mutex_);
    return printer_.printer;
}

bool DefaultPrinter::waitingForMe()
{
    const std::lock_guard lock(mutex_);
    return closing_ || !jobs_.empty();
}

void DefaultPrinter::handOver()
{
    // Learn the paper before the first press; a press or the end cuts this
    // short, since each job asks again anyway.
    try {
        const Destination printer =
            defaultDestination({Clock::now() + bound_, bound_, [this] { return waitingForMe(); }});
        const std::lock_guard lock(mutex_);
        printer_ = printer;
    } catch (const std::exception&) {
        // Nothing asked for yet: the fallback paper stays until a job tells.
    }
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return closing_ || !jobs_.empty(); });
        if (jobs_.empty())
            return;
        const Job job = std::move(jobs_.front());
        jobs_.pop_front();
        handing_ = true;
        lock.unlock();
        PrintOutcome outcome;
        try {
            const Destination printed = printPdf(job.pdf, {job.deadline, bound_});
            outcome.printer = printed.printer;
            const std::lock_guard relock(mutex_);
            printer_ = printed;
        } catch (const Failure& failure) {
            outcome.failure = failure;
        } catch (const std::exception& error) {
            // Nothing may leave this thread but its outcome.
            outcome.failure = Failure("the page could not be handed over", error.what());
        }
        lock.lock();
        handing_ = false;
        lock.unlock();
        emit finished(outcome);
        lock.lock();
    }
}

} // namespace tavrin
