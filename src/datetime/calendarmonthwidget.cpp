#include "datetime/calendarmonthwidget_p.h"

#include "datetime/calendarwt.h"
#include "frame/constants.h"
#include "ui_calendarmonthwidget.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace ZCORVANEBASE {

namespace {
// A day mark is a bar of this size under the day number, in the palette's recording or alarm colour; a day with
// both kinds shows the alarm colour, since an alarm is what the user is looking for. Today's ring is one pixel wide,
// in the selection's blue, or in the selected day's text colour while today is selected.
constexpr int markWidth = 12;
constexpr int markHeight = 2;
} // namespace

DayLabel::DayLabel(int index, CalendarMonthWidget* grid)
    : QLabel(grid)
    , index(index)
    , grid(grid)
{
}

void DayLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    grid->paintDecoration(this, index);
}

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
    const QString background = QStringLiteral("background: %1;font-size:12px;font-family:microsoft yahei;");
    normalBackground = background.arg(QLatin1String(dayGridBackground));
    hoverBackground = normalBackground + QStringLiteral("border:1px solid #555c73;");
    selectedBackground = background.arg(QLatin1String(daySelectionColor));
    monthText = QStringLiteral("color:%1;").arg(QLatin1String(dayTextColor));
    neighbourText = QStringLiteral("color:#6c7586;");
    outOfRangeText = QStringLiteral("color:#3c4658");

    for (int i = 0; i < cellCount; ++i) {
        auto* label = new DayLabel(i, this);
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
    if (!marks.isEmpty() || todayMarked)
        describeMarks();
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

void CalendarMonthWidget::setDayMarks(const QMap<QDate, int>& newMarks)
{
    marks.clear();
    // Only the known kinds are kept, so a mark of 0 or an unknown bit neither draws nor describes anything.
    for (auto it = newMarks.cbegin(); it != newMarks.cend(); ++it) {
        const int kinds = it.value() & (CalendarWt::DayMarkRecording | CalendarWt::DayMarkAlarmRecording);
        if (it.key().isValid() && kinds)
            marks.insert(it.key(), kinds);
    }
    describeMarks();
    for (const DayCell& cell : cells)
        cell.label->update();
}

void CalendarMonthWidget::setTodayMarked(bool marked)
{
    if (marked == todayMarked)
        return;
    todayMarked = marked;
    describeMarks();
    for (const DayCell& cell : cells)
        cell.label->update();
}

void CalendarMonthWidget::describeMarks()
{
    const QDate today = QDate::currentDate();
    for (const DayCell& cell : cells) {
        QStringList parts;
        if (todayMarked && cell.date == today)
            parts << tr("Today");
        const int kinds = marks.value(cell.date);
        if (kinds & CalendarWt::DayMarkAlarmRecording)
            parts << tr("Alarm recordings");
        else if (kinds & CalendarWt::DayMarkRecording)
            parts << tr("Recordings");
        const QString description = parts.join(QStringLiteral(", "));
        if (cell.label->accessibleDescription() != description)
            cell.label->setAccessibleDescription(description);
    }
}

void CalendarMonthWidget::paintDecoration(QLabel* label, int index) const
{
    const DayCell& cell = cells[index];
    const int kinds = marks.value(cell.date);
    const bool ring = todayMarked && cell.date == QDate::currentDate();
    if (!kinds && !ring)
        return;
    QPainter painter(label);
    const QRect area = label->rect();
    if (kinds) {
        // Under the digits, and inside the cell however small it is laid out.
        const QFontMetrics metrics(label->font());
        const int top = qMin((area.height() + metrics.ascent()) / 2 + 2, area.height() - markHeight - 1);
        const QColor color(kinds & CalendarWt::DayMarkAlarmRecording ? colorAlarm : colorRecording);
        painter.fillRect(QRect((area.width() - markWidth) / 2, top, markWidth, markHeight), color);
    }
    if (ring) {
        // On pixel centres, so the one-pixel stroke stays crisp where it runs straight.
        const int diameter = qMax(4, qMin(area.width(), area.height()) - 2);
        const QRectF circle(
            (area.width() - diameter) / 2 + 0.5, (area.height() - diameter) / 2 + 0.5, diameter - 1, diameter - 1);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(QLatin1String(index == selectedIndex ? dayTextColor : daySelectionColor)), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(circle);
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
