#pragma once

#include <QImage>
#include <QPageSize>
#include <QString>
#include <stdexcept>

namespace tavrin {

// A print that did not reach the printer, with the reason in words.
class PrintError : public std::runtime_error
{
public:
    explicit PrintError(const QString& reason) : std::runtime_error(reason.toStdString()) {}
};

// Where a printed page goes. print() returns once the page has been handed
// over, or throws PrintError.
class PageSink
{
public:
    virtual ~PageSink() = default;
    virtual void print(const QImage& page) = 0;
};

// The default destination of the system's printing service: the page becomes
// a one-page landscape PDF, the image scaled to fit and centred, and is
// submitted as one job. A missing default printer or a refused job throws.
class DefaultPrinter : public PageSink
{
public:
    void print(const QImage& page) override;

    // The PDF that print() submits, for a page size in points.
    static QByteArray pagePdf(const QImage& page, const QPageSize& pageSize);
};

} // namespace tavrin
