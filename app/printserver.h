// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <chrono>
#include <functional>

namespace tavrin {

// How long a conversation with the print server may go on: to `deadline`, or
// until `giveUp` says so. A server that stops answering ends it then; `bound`
// names the wait in the reason.
struct Patience
{
    std::chrono::steady_clock::time_point deadline;
    std::chrono::milliseconds bound;
    std::function<bool()> giveUp = [] { return false; };
};

// The default printer: its name, and its paper and printable area for a
// landscape page.
struct Destination
{
    QPageLayout layout;
    QString printer;
};
Destination defaultDestination(const Patience& patience);

// Hands `pdf` to the default printer as one job, checking every step, and
// returns the printer as defaultDestination() does. Throws PrintError.
Destination printPdf(const QByteArray& pdf, const Patience& patience);

// The layout used until the printer has told its own.
QPageLayout fallbackPageLayout();

} // namespace tavrin
