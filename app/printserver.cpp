// SPDX-License-Identifier: GPL-3.0-or-later
#include "printserver.h"

#include "printing.h"

#include <QSizeF>
#include <cups/cups.h>
#include <memory>

namespace tavrin {
namespace {

using Clock = std::chrono::steady_clock;

// libcups waits up to a second for an HTTP "100 Continue" after each request
// without asking keepWaiting(), so a conversation gives up that much early.
constexpr auto kUnheededWait = std::chrono::milliseconds(1200);

const QString kNotAnswering = QStringLiteral("the print server is not answering");
const QString kHungUp = QStringLiteral("the print server closed the connection without answering");

// One connection to the print server (CUPS_SERVER, the client configuration
// or the local scheduler) and the default destination found through it.
class Session
{
public:
    explicit Session(const Patience& patience)
        : patience_(patience), giveUpAt_(patience.deadline - kUnheededWait)
    {
        using std::chrono::milliseconds;
        if (expired())
            fail({}, {});
        const auto left = std::chrono::duration_cast<milliseconds>(patience.deadline - Clock::now());
        http_.reset(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                 static_cast<int>(std::max(left, milliseconds(1)).count()), nullptr));
        if (!http_)
            fail(kNotAnswering,
                 QStringLiteral("cannot reach the print server ") + QString::fromLocal8Bit(cupsServer()));
        // Every wait for the server comes back here each tenth of a second.
        httpSetTimeout(http_.get(), 0.1, &Session::keepWaiting, this);
        dest_.reset(cupsGetNamedDest(http_.get(), nullptr, nullptr));
        if (!dest_)
            fail(QStringLiteral("no default printer"), QStringLiteral("no default printer"));
        info_.reset(cupsCopyDestInfo(http_.get(), dest_.get()));
        if (!info_)
            fail(QStringLiteral("the printer %1 is not answering").arg(name()),
                 name() + QStringLiteral(" does not tell its paper"));
    }

    QPageLayout layout() const
    {
        // The paper the user chose for this printer, else the printer's own
        // default (cupsGetDestMediaDefault() would take Letter instead).
        const char* media = cupsGetOption(CUPS_MEDIA, dest_->num_options, dest_->options);
        if (ipp_attribute_t* ownDefault =
                cupsFindDestDefault(http_.get(), dest_.get(), info_.get(), CUPS_MEDIA);
            !media && ownDefault)
            media = ippGetString(ownDefault, 0, nullptr);
        cups_size_t sheet;
        if (!media
            || !cupsGetDestMediaByName(http_.get(), dest_.get(), info_.get(), media, CUPS_MEDIA_FLAGS_DEFAULT,
                                       &sheet))
            return fallbackPageLayout();
        // Hundredths of millimetres on the upright sheet; a landscape page
        // lies on it turned a quarter anticlockwise.
        const QPageSize size(QSizeF(sheet.width, sheet.length) / 100, QPageSize::Millimeter);
        const QMarginsF margins(sheet.bottom, sheet.left, sheet.top, sheet.right);
        return QPageLayout(size, QPageLayout::Landscape, margins / 100, QPageLayout::Millimeter);
    }

    void print(const QByteArray& pdf) const
    {
        int job = 0;
        if (cupsCreateDestJob(http_.get(), dest_.get(), info_.get(), &job, "Tavrin", 0, nullptr)
            != IPP_STATUS_OK)
            fail(refused(), name() + QStringLiteral(" refused the job"));
        if (cupsStartDestDocument(http_.get(), dest_.get(), info_.get(), job, "Tavrin", CUPS_FORMAT_PDF, 0,
                                  nullptr, 1)
                != HTTP_STATUS_CONTINUE
            || cupsWriteRequestData(http_.get(), pdf.constData(), static_cast<size_t>(pdf.size()))
                   != HTTP_STATUS_CONTINUE
            || cupsFinishDestDocument(http_.get(), dest_.get(), info_.get()) != IPP_STATUS_OK) {
            const PrintError error = failure(refused(), name() + QStringLiteral(" refused the page"));
            cupsCancelDestJob(http_.get(), dest_.get(), job);
            throw error;
        }
    }

    QString printer() const { return name(); }

private:
    // Called from libcups' C code, which no exception may cross: one from
    // the question ends the wait.
    static int keepWaiting(http_t*, void* session) noexcept
    {
        try {
            return !static_cast<const Session*>(session)->expired();
        } catch (...) {
            return 0;
        }
    }

    bool expired() const { return Clock::now() >= giveUpAt_ || patience_.giveUp(); }

    QString name() const { return QString::fromUtf8(dest_->name); }
    QString refused() const { return QStringLiteral("the printer %1 refused the page").arg(name()); }

    PrintError failure(const QString& plain, const QString& what) const
    {
        if (expired())
            return PrintError(kNotAnswering, QStringLiteral("the print server did not answer within %1 s")
                                                 .arg(static_cast<double>(patience_.bound.count()) / 1000));
        // libcups names a request the server hung up on by what it then
        // lacks ("No default destination."); the connection knows better.
        if (const int lost = http_ ? httpError(http_.get()) : 0)
            return PrintError(kHungUp, kHungUp + QStringLiteral(": ") + qt_error_string(lost));
        return PrintError(plain, what + QStringLiteral(": ") + QString::fromUtf8(cupsLastErrorString()));
    }

    [[noreturn]] void fail(const QString& plain, const QString& what) const { throw failure(plain, what); }

    const Patience& patience_;
    const Clock::time_point giveUpAt_;
    std::unique_ptr<http_t, void (*)(http_t*)> http_{nullptr, httpClose};
    std::unique_ptr<cups_dest_t, void (*)(cups_dest_t*)> dest_{
        nullptr, [](cups_dest_t* dest) { cupsFreeDests(1, dest); }};
    std::unique_ptr<cups_dinfo_t, void (*)(cups_dinfo_t*)> info_{nullptr, cupsFreeDestInfo};
};

} // namespace

QPageLayout fallbackPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

Destination defaultDestination(const Patience& patience)
{
    const Session session(patience);
    return {session.layout(), session.printer()};
}

Destination printPdf(const QByteArray& pdf, const Patience& patience)
{
    const Session session(patience);
    Destination printed{session.layout(), session.printer()};
    session.print(pdf);
    return printed;
}

} // namespace tavrin
