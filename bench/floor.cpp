// SPDX-License-Identifier: GPL-3.0-or-later
// The floor: the year drawn by one widget, the least a program showing it
// can do. Twelve month names, each with Saturday-first weekday headers and its
// days in place, and the banner, in the planner's window size and fonts.

#include "firstpaint.h"

#include <QDate>
#include <QImage>
#include <QLocale>
#include <QPainter>

namespace {

class YearPicture : public QWidget
{
public:
    YearPicture() : banner_(QStringLiteral(TAVRIN_BANNER)) { setFixedSize(808, 571); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        static constexpr const char* kHeaders[] = {"Sat", "Sun", "Mon", "Tue", "Wed", "Thu", "Fri"};
        QFont title(QStringLiteral("Arial")), header(title), day(title);
        title.setPointSizeF(9.75);
        title.setBold(true);
        header.setPointSizeF(9);
        day.setPointSizeF(8.25);
        day.setUnderline(true);
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const int year = QDate::currentDate().year();
        for (int month = 1; month <= 12; ++month) {
            const QPoint panel(8 + (month - 1) % 4 * 200, 8 + (month - 1) / 4 * 170);
            painter.setFont(title);
            painter.drawText(QRect(panel, QSize(189, 16)), Qt::AlignCenter, QLocale::c().monthName(month));
            painter.setFont(header);
            const auto cell = [&](int slot) {
                return QRect(panel + QPoint(slot % 7 * 27, 16 + slot / 7 * 20), QSize(27, 20));
            };
            for (int column = 0; column < 7; ++column)
                painter.drawText(cell(column), Qt::AlignCenter, QString::fromLatin1(kHeaders[column]));
            painter.setFont(day);
            const QDate first(year, month, 1);
            const int firstSlot = 7 + (first.dayOfWeek() + 1) % 7; // below the headers, Saturday in column 0
            for (int day = 1; day <= first.daysInMonth(); ++day)
                painter.drawText(cell(firstSlot + day - 1), Qt::AlignCenter, QString::number(day));
        }
        painter.drawImage(QPoint((width() - banner_.width()) / 2, height() - banner_.height() - 4), banner_);
    }

private:
    QImage banner_;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    YearPicture window;
    bench::runToFirstPaint(window);
}
