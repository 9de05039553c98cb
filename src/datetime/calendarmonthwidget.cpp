#include "datetime/calendarmonthwidget_p.h"

#include "ui_calendarmonthwidget.h"

#include <QEvent>
#include <QLabel>

namespace ZCORVANEBASE {

CalendarMonthWidget::CalendarMonthWidget(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::CalendarMonthWidget)
    , selectedIndex(-1)
{
    ui->setupUi(this);
    init();
}

CalendarMonthWidget::~CalendarMonthWidget()
{
    delete ui;
}

void CalendarMonthWidget::init()
{
    setAttribute(Qt::WA_DeleteOnClose);

    // A cell's style sheet is always one background part followed by one text part.
    normalBackground = QStringLiteral("background: #1e293d;font-size:12px;font-family:microsoft yahei;");
    hoverBackground
        = QStringLiteral("background: #1e293d;font-size:12px;font-family:microsoft yahei;border:1px solid #555c73;");
    selectedBackground = QStringLiteral("background: #0f8bfd;font-size:12px;font-family:microsoft yahei;");
    monthText = QStringLiteral("color:#ebf3fa;");
    neighbourText = QStringLiteral("color:#6c7586;");
    outOfRangeText = QStringLiteral("color:#3c4658");

    for (int i = 0; i < cellCount; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("label_%1").arg(i + 1));
        label->setAlignment(Qt::AlignCenter);
        label->installEventFilter(this);
        ui->gridLayout->addWidget(label, i / 7, i % 7);
        cells[i].label = label;
    }

    const QDate today = QDate::currentDate();
    showMonth(today.year(), today.month());
    selectDate(today);
}

void CalendarMonthWidget::showMonth(int year, int month)
{
    const QDate first(year, month, 1);
    if (!first.isValid())
        return;

    // Cells 0 to 6 always hold the first in-month cell.
    for (const DayCell& cell : cells) {
        if (cell.inMonth) {
            if (cell.date.year() == year && cell.date.month() == month)
                return;
            break;
        }
    }

    selectedIndex = -1;
    // Weeks start on Sunday: a month starting on Sunday has no leading days.
    const int p = first.dayOfWeek() % 7;
    for (int i = 0; i < cellCount; ++i) {
        cells[i].date = first.addDays(i - p);
        cells[i].inMonth = cells[i].date.month() == month && cells[i].date.year() == year;
    }
    refreshCells();
}

void CalendarMonthWidget::selectDate(const QDate& date)
{
    const int index = cellIndex(date);
    if (index < 0)
        return;
    if (!cells[index].inMonth) {
        showMonth(date.year(), date.month());
        selectDate(date);
        return;
    }
    if (selectedIndex >= 0) {
        const DayCell& previous = cells[selectedIndex];
        previous.label->setStyleSheet(
            normalBackground + (isInRange(previous.date) ? monthOrNeighbourText(previous) : outOfRangeText));
    }
    cells[index].label->setStyleSheet(selectedBackground + monthText);
    selectedIndex = index;
}

QDate CalendarMonthWidget::selectedDate() const
{
    return selectedIndex >= 0 ? cells[selectedIndex].date : QDate();
}

void CalendarMonthWidget::setDateRange(const QDate& start, const QDate& end)
{
    if (start > end)
        return;
    rangeStart = start;
    rangeEnd = end;
    refreshCells();
    // A selected day that fell out of the range keeps its index but shows the out-of-range look.
    const QDate selected = selectedDate();
    if (selected.isValid() && isInRange(selected))
        selectDate(selected);
}

bool CalendarMonthWidget::isInRange(const QDate& date) const
{
    if (rangeStart.isNull() || rangeEnd.isNull())
        return true;
    return rangeStart <= date && date <= rangeEnd;
}

void CalendarMonthWidget::refreshCells()
{
    for (const DayCell& cell : cells) {
        cell.label->setText(QString::number(cell.date.day()));
        cell.label->setStyleSheet(
            normalBackground + (isInRange(cell.date) ? monthOrNeighbourText(cell) : outOfRangeText));
    }
}

bool CalendarMonthWidget::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Enter && type != QEvent::Leave && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    const int index = cellIndex(watched);
    if (index < 0 || index == selectedIndex)
        return QWidget::eventFilter(watched, event);

    DayCell& cell = cells[index];
    if (!isInRange(cell.date))
        return true;

    if (type == QEvent::Enter) {
        cell.label->setStyleSheet(hoverBackground + monthOrNeighbourText(cell));
    } else if (type == QEvent::Leave) {
        cell.label->setStyleSheet(normalBackground + monthOrNeighbourText(cell));
    } else {
        // The cells change under a neighbour day's click, so keep the day.
        const QDate day = cell.date;
        if (!cell.inMonth) {
            showMonth(day.year(), day.month());
            selectDate(day);
        } else {
            if (selectedIndex >= 0) {
                const DayCell& previous = cells[selectedIndex];
                previous.label->setStyleSheet(normalBackground + monthOrNeighbourText(previous));
            }
            cell.label->setStyleSheet(selectedBackground + monthText);
            selectedIndex = index;
        }
        emit signalDaySelected(day);
    }
    return true;
}

int CalendarMonthWidget::cellIndex(const QDate& date) const
{
    if (!date.isValid())
        return -1;
    for (int i = 0; i < cellCount; ++i) {
        if (cells[i].date == date)
            return i;
    }
    return -1;
}

int CalendarMonthWidget::cellIndex(const QObject* label) const
{
    for (int i = 0; i < cellCount; ++i) {
        if (cells[i].label == label)
            return i;
    }
    return -1;
}

const QString& CalendarMonthWidget::monthOrNeighbourText(const DayCell& cell) const
{
    return cell.inMonth ? monthText : neighbourText;
}

} // namespace ZCORVANEBASE
