#pragma once

#include <QString>
#include <stdexcept>

class QWidget;

namespace tavrin {

// A print that did not reach the printer, with the reason in words.
class PrintError : public std::runtime_error
{
public:
    explicit PrintError(const QString& reason) : std::runtime_error(reason.toStdString()) {}
};

// Where the Print button's page goes. print() makes the page from the window
// as it is at the call and returns at once; a sink that hands the page over
// later reports a failure then on its own. It throws PrintError when the
// page cannot even be made.
class PageSink
{
public:
    virtual ~PageSink() = default;
    virtual void print(QWidget& window) = 0;
};

// Tells the user that nothing was printed and why: one line on standard
// error, and a desktop notification sent without waiting for the bus.
void reportPrintFailure(const QString& reason);

} // namespace tavrin
