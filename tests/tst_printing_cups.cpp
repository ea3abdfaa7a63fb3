// Printing end to end: the real window, the real default printer of a local
// CUPS server (a cups-pdf queue set up by the test fixture).

#include "windowtest.h"

#include <QDir>
#include <QProcess>
#include <cups/cups.h>
#include <iostream>
#include <sstream>

using namespace tavrin;

namespace {

const char* const kQueue = "TavrinPDF";

struct Job
{
    int id;
    ipp_jstate_t state;
};

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
std::string pressPrint()
{
    MainWindow window;
    window.show();
    if (!QTest::qWaitFor([&window] { return !window.yearBox()->text().isEmpty(); }))
        return "the window never showed its year";
    std::ostringstream errors;
    auto* const standardErrors = std::cerr.rdbuf(errors.rdbuf());
    QTest::mousePress(window.Command1, Qt::LeftButton);
    std::cerr.rdbuf(standardErrors);
    if (!window.Label1->text().isEmpty() || !window.Command1->isVisible())
        return "the window was not restored";
    return errors.str();
}

} // namespace

class TestPrintingCups : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void onePagePerPress();
    void refusedJob();
    void noDefaultPrinter();
};

void TestPrintingCups::initTestCase()
{
    if (qEnvironmentVariableIsSet("TAVRIN_NO_PRINTER"))
        return;
    cups_dest_t* const dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    const bool ours = dest && qstrcmp(dest->name, kQueue) == 0;
    cupsFreeDests(dest ? 1 : 0, dest);
    if (!ours)
        QSKIP("the local CUPS server with its PDF queue could not be started");
}

void TestPrintingCups::onePagePerPress()
{
    if (qEnvironmentVariableIsSet("TAVRIN_NO_PRINTER"))
        QSKIP("runs against the fixture's printer");
    const auto before = queueJobs();
    QCOMPARE(pressPrint(), std::string());
    std::vector<Job> added;
    QTRY_VERIFY_WITH_TIMEOUT(
        (added = queueJobs(), added.erase(added.begin(), added.begin() + before.size()),
         added.size() == 1 && added.front().state >= IPP_JSTATE_CANCELED),
        30000);
    QCOMPARE(added.front().state, IPP_JSTATE_COMPLETED);

    const QDir out(run(QStringLiteral(CUPS_FIXTURE), {QStringLiteral("outdir")}));
    const auto pdfs = out.entryList({QStringLiteral("job_%1-*.pdf").arg(added.front().id)});
    QCOMPARE(pdfs.size(), 1);
    const QString info = run(QStringLiteral("pdfinfo"), {out.filePath(pdfs.front())});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Pages:\\s+1$"),
                                              QRegularExpression::MultilineOption)),
             qPrintable(info));
}

void TestPrintingCups::refusedJob()
{
    if (qEnvironmentVariableIsSet("TAVRIN_NO_PRINTER"))
        QSKIP("runs against the fixture's printer");
    run(QStringLiteral("cupsreject"), {QString::fromLatin1(kQueue)});
    const auto before = queueJobs().size();
    const std::string said = pressPrint();
    run(QStringLiteral("cupsaccept"), {QString::fromLatin1(kQueue)});
    QCOMPARE(std::count(said.begin(), said.end(), '\n'), 1);
    QVERIFY2(said.find("not accepting jobs") != std::string::npos, said.c_str());
    QCOMPARE(queueJobs().size(), before);
}

void TestPrintingCups::noDefaultPrinter()
{
    if (!qEnvironmentVariableIsSet("TAVRIN_NO_PRINTER"))
        QSKIP("runs where the printing service offers no printer");
    const std::string said = pressPrint();
    QCOMPARE(std::count(said.begin(), said.end(), '\n'), 1);
    QVERIFY2(said.find("no default printer is set") != std::string::npos, said.c_str());
}

QTEST_MAIN(TestPrintingCups)
#include "tst_printing_cups.moc"
