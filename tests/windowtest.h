#pragma once

// Shared by the window tests: a planner window on a chosen day, printing into
// memory, and short ways to read what it shows.

#include "mainwindow.h"
#include "monthtable.h"

#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <iostream>
#include <memory>
#include <sstream>
#include <vector>

namespace tavrin::test {

// Collects printed pages, or fails every print when given a reason.
struct PageCollector : PageSink
{
    std::vector<QImage> pages;
    QString failure;
    void print(const QImage& page) override
    {
        if (!failure.isEmpty())
            throw PrintError(failure);
        pages.push_back(page);
    }
};

// A window whose clock reads `today` (changeable later through `date`). A
// message box it opens is read into `boxes` and closed at once, so a test
// that meets "Language error" fails instead of waiting for a click.
struct Planner
{
    explicit Planner(std::chrono::year_month_day today = std::chrono::year{2026} / 12 / 6)
        : date(std::make_shared<std::chrono::year_month_day>(today)),
          printer(std::make_shared<PageCollector>())
    {
        window = std::make_unique<MainWindow>(WindowServices{
            [d = date] { return *d; }, printer, [e = ended] { ++*e; }});
        QObject::connect(&boxCloser, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxes << QStringLiteral("%1/%2/%3/%4").arg(box->windowTitle(), box->text())
                             .arg(box->icon()).arg(box->standardButtons());
                box->button(QMessageBox::Ok)->click();
            }
        });
        boxCloser.start(20);
    }
    ~Planner()
    {
        if (!boxes.isEmpty() || *ended)
            QTest::qFail("the window showed a message and ended the program", __FILE__, __LINE__);
    }

    // Shows the window and waits until start-up has rendered the year.
    [[nodiscard]] bool start()
    {
        window->show();
        return QTest::qWaitFor([this] { return !window->yearBox()->text().isEmpty(); });
    }

    std::shared_ptr<std::chrono::year_month_day> date;
    std::shared_ptr<PageCollector> printer;
    std::shared_ptr<int> ended = std::make_shared<int>(0);
    std::unique_ptr<MainWindow> window;
    QTimer boxCloser;
    QStringList boxes;
};

// The captions of a month's cells, in index order, joined by '|'.
inline QString captions(const YearView& view, int month)
{
    QStringList texts;
    for (const auto& [index, cell] : view.Txt(month))
        texts << cell->text();
    return texts.join(u'|');
}

// The captions a month shows with `days` days from cell `first`.
inline QString expectedCaptions(int month, int first, int days)
{
    QStringList texts;
    for (const int index : cellIndexes(month)) {
        const int day = index - first + 1;
        texts << (day >= 1 && day <= days ? QString::number(day) : QString());
    }
    return texts.join(u'|');
}

inline Colour back(const QWidget* control)
{
    return fromQColor(backColor(control));
}

// Presses Print and returns what the press wrote to std::cerr.
inline QString pressPrint(MainWindow& window)
{
    std::ostringstream errors;
    auto* const standardErrors = std::cerr.rdbuf(errors.rdbuf());
    QTest::mousePress(window.Command1, Qt::LeftButton);
    std::cerr.rdbuf(standardErrors);
    return QString::fromStdString(errors.str());
}

} // namespace tavrin::test
