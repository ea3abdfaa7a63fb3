#include "printing.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace tavrin {

QByteArray DefaultPrinter::pagePdf(const QImage& page, const QPageSize& pageSize)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Tavrin"));
        writer.setTitle(QStringLiteral("Tavrin"));
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Landscape,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        QPainter painter(&writer);
        const QRect area = painter.viewport();
        QSize fitted = page.deviceIndependentSize().toSize();
        fitted.scale(area.size(), Qt::KeepAspectRatio);
        QRect target(QPoint(), fitted);
        target.moveCenter(area.center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, page);
    }
    return pdf;
}

void DefaultPrinter::print(const QImage& page)
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        throw PrintError(QStringLiteral("no default printer is set"));
    const QByteArray pdf = pagePdf(page, printer.defaultPageSize());

    // Qt's own CUPS engine drops the submission's result, so a refused job
    // would pass unnoticed; submit the document here and check each step.
    const QByteArray name = printer.printerName().toLocal8Bit();
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), "Tavrin", 0, nullptr);
    const auto failure = [&name] {
        return PrintError(QStringLiteral("printer %1 refused the job: %2")
                              .arg(QString::fromLocal8Bit(name),
                                   QString::fromLocal8Bit(cupsLastErrorString())));
    };
    if (job == 0)
        throw failure();
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), job, "Tavrin", CUPS_FORMAT_PDF, 1)
            != HTTP_STATUS_CONTINUE
        || cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), static_cast<size_t>(pdf.size()))
               != HTTP_STATUS_CONTINUE
        || cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData()) != IPP_STATUS_OK) {
        const PrintError error = failure();
        cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), job, 0);
        throw error;
    }
}

} // namespace tavrin
