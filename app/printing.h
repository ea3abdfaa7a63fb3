// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <stdexcept>

namespace tavrin {

class YearView;

// A print that did not reach the printer: why, in plain words for the user,
// and what() in full for standard error.
class PrintError : public std::runtime_error
{
public:
    PrintError(const QString& plain, const QString& detail)
        : std::runtime_error(detail.toStdString()), plain_(plain)
    {
    }
    const QString& plain() const { return plain_; }

private:
    QString plain_;
};

// What became of one page: the printer that took it, or why nothing was
// printed (plain words, and the detail).
struct PrintOutcome
{
    QString printer;
    QString failure;
    QString detail;
};

// Where the Print button's page goes. print() makes the page from the window
// as it is at the call and returns at once; a sink that hands the page over
// later reports a failure then on its own. It throws PrintError when the
// page cannot even be made. A sink that hands pages over later tells whether
// one is still on its way, and the printer it last heard of, if any.
class PageSink
{
public:
    virtual ~PageSink() = default;
    virtual void print(YearView& window) = 0;
    virtual bool pageOnItsWay() { return false; }
    virtual QString printerName() { return {}; }
};

// Tells the user what became of a page, from any thread: printNews() tells
// it in plain words on the window's thread. A failure also goes to standard
// error in full, one line, and to a desktop notification sent without
// waiting for the bus.
void reportPrintOutcome(const PrintOutcome& outcome);

// Where the window hears of outcomes; made on the window's thread first.
class PrintNews : public QObject
{
    Q_OBJECT
signals:
    void told(const QString& plain);
};
PrintNews& printNews();

} // namespace tavrin
