// Printing end to end: the real window, the real default printer of a private
// CUPS server with a cups-pdf queue (tests/cups/with-cups).

#include "windowtest.h"

#include <QDir>
#include <QProcess>
#include <cups/cups.h>

using namespace tavrin;

namespace {

const char* const kQueue = "TavrinPDF";
const bool noPrinter = qEnvironmentVariableIsSet("TAVRIN_NO_PRINTER");

struct Job { int id; ipp_jstate_t state; };

std::vector<Job> queueJobs()
{
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, kQueue, 0, CUPS_WHICHJOBS_ALL);
    std::vector<Job> result;
    for (int i = 0; i < count; ++i)
        result.push_back({jobs[i].id, jobs[i].state});
    cupsFreeJobs(count, jobs);
    return result;
}

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// Presses Print on a window that prints for real; returns what went to stderr.
QString printForReal()
{
    MainWindow window;
    window.show();
    if (!QTest::qWaitFor([&window] { return !window.yearBox()->text().isEmpty(); }))
        return QStringLiteral("the window never showed its year");
    return test::pressPrint(window);
}

} // namespace

class TestPrintingCups : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (noPrinter)
            return;
        cups_dest_t* const dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
        const bool ours = dest && qstrcmp(dest->name, kQueue) == 0;
        cupsFreeDests(dest ? 1 : 0, dest);
        if (!ours)
            QSKIP("the local CUPS server with its PDF queue could not be started");
    }

    void onePagePerPress()
    {
        if (noPrinter)
            QSKIP("runs against the fixture's printer");
        const auto before = queueJobs().size();
        QCOMPARE(printForReal(), QString());
        QTRY_VERIFY_WITH_TIMEOUT(queueJobs().size() == before + 1
                                     && queueJobs().back().state >= IPP_JSTATE_CANCELED, 30000);
        const Job job = queueJobs().back();
        QCOMPARE(job.state, IPP_JSTATE_COMPLETED);
        const QDir out(qEnvironmentVariable("CUPS_PDF_OUT"));
        const auto pdfs = out.entryList({QStringLiteral("job_%1-*.pdf").arg(job.id)});
        QCOMPARE(pdfs.size(), 1);
        const QString info = run(QStringLiteral("pdfinfo"), {out.filePath(pdfs.front())});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("(?m)^Pages:\\s+1$"))), qPrintable(info));
    }

    void refusedJob()
    {
        if (noPrinter)
            QSKIP("runs against the fixture's printer");
        run(QStringLiteral("cupsreject"), {QLatin1String(kQueue)});
        const auto before = queueJobs().size();
        const QString said = printForReal();
        run(QStringLiteral("cupsaccept"), {QLatin1String(kQueue)});
        QVERIFY2(said.count(u'\n') == 1 && said.contains("not accepting jobs"), qPrintable(said));
        QCOMPARE(queueJobs().size(), before);
    }

    void noDefaultPrinter()
    {
        if (!noPrinter)
            QSKIP("runs where the printing service offers no printer");
        const QString said = printForReal();
        QVERIFY2(said.count(u'\n') == 1 && said.contains("no default printer is set"), qPrintable(said));
    }
};

QTEST_MAIN(TestPrintingCups)
#include "tst_printing_cups.moc"
