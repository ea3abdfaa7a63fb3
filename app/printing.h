// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "failure.h"

#include <QObject>
#include <QString>
#include <optional>

namespace tavrin {

class Notice;
class YearView;

// A print that did not reach the printer: why, in plain words for the user,
// and what() in full for standard error.
class PrintError : public Failure
{
public:
    PrintError(const QString& plain, const QString& detail)
        : Failure(plain.toStdString(), detail.toStdString())
    {
    }
};

// What became of one page: the printer that took it, or the failure that
// kept it from being printed.
struct PrintOutcome
{
    QString printer;
    std::optional<Failure> failure;

    bool ok() const { return !failure; }
};

// Where the Print button's page goes. print() makes the page from the window
// as it is at the call and returns at once; a sink that hands the page over
// later emits finished() then, from its own thread. print() throws PrintError
// when the page cannot even be made. A sink that hands pages over later tells
// whether one is still on its way, and the printer it last heard of, if any.
class PageSink : public QObject
{
    Q_OBJECT
public:
    virtual void print(YearView& window) = 0;
    virtual bool pageOnItsWay() { return false; }
    virtual QString printerName() { return {}; }

signals:
    void finished(const tavrin::PrintOutcome& outcome);
};

// Tells the user what became of a page, on the window's thread: in plain
// words through `notice`, and a failure also to standard error in full, one
// line, and to a desktop notification sent without waiting for the bus.
void reportPrintOutcome(const PrintOutcome& outcome, Notice& notice);

} // namespace tavrin
