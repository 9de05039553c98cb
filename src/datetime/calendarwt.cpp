#include "datetime/calendarwt.h"

#include "datetime/calendarmonthwidget_p.h"
#include "frame/constants.h"
#include "frame/hostaccess_p.h"
#include "ui_calendarwt.h"

#include <QEvent>

namespace ZCORVANEBASE {

namespace {
// The translated name of a month, 1 to 12; empty for anything else.
QString monthName(int month)
{
    const QString months[12]
        = { CalendarWt::tr("Jan"), CalendarWt::tr("Feb"), CalendarWt::tr("Mar"), CalendarWt::tr("Apr"),
              CalendarWt::tr("May"), CalendarWt::tr("Jun"), CalendarWt::tr("Jul"), CalendarWt::tr("Aug"),
              CalendarWt::tr("Sep"), CalendarWt::tr("Oct"), CalendarWt::tr("Nov"), CalendarWt::tr("Dec") };
    return month >= 1 && month <= 12 ? months[month - 1] : QString();
}
} // namespace

class CalendarWt::Private
{
public:
    const std::unique_ptr<Ui::CalendarWt> ui = std::make_unique<Ui::CalendarWt>();
    QDateTime rangeStart;
    QDateTime rangeEnd;
    QDateTime lastValue; // the value last reported; null at first
    bool usingTime = true;
    int labelMonth = 0; // the month shown by "labmonth", 1 to 12; 0 before the first
};

CalendarWt::CalendarWt(QWidget* parent)
    : ZWidget(parent)
    , d(new Private)
{
    d->ui->setupUi(this);
    init();
    initUI();
}

CalendarWt::~CalendarWt() = default;

void CalendarWt::init()
{
    retranslate(); // the weekday names, the accessible names and the editor's format (with the time)
    setBackgroundColor(QColor(colorWindow));
    connectSignalsWithSlots();
}

void CalendarWt::initUI()
{
    d->ui->frame->setProperty("TitleFrame", true);
    d->ui->title->setProperty("BottomLab", true);
    d->ui->btnyearleft->setProperty("IcoLeft", true);
    d->ui->btnmonthleft->setProperty("IcoLeft", true);
    d->ui->btnyearright->setProperty("IcoRight", true);
    d->ui->btnmonthright->setProperty("IcoRight", true);
    d->ui->labyear->setProperty("dataLab", true);
    d->ui->labmonth->setProperty("dataLab", true);
    d->ui->frame_1->setProperty("CalendarFrame", true);
    const QList<QLabel*> weekLabels { d->ui->labweekSun, d->ui->labweekMon, d->ui->labweekTues, d->ui->labweekWed,
        d->ui->labweekThur, d->ui->labweekFri, d->ui->labweekSat };
    for (QLabel* label : weekLabels)
        label->setProperty("WeekDayLab", true);
}

void CalendarWt::connectSignalsWithSlots()
{
    connect(d->ui->monthWidget, &CalendarMonthWidget::signalDaySelected, this, &CalendarWt::slotCalendarChanged);
    connect(d->ui->monthWidget, &CalendarMonthWidget::signalDaySelected, this, &CalendarWt::signalDayClicked);
    connect(d->ui->dateTimeEdit, &QDateTimeEdit::dateTimeChanged, this, &CalendarWt::slotDateTimeChanged);
    connect(d->ui->btnyearleft, &QPushButton::clicked, this, &CalendarWt::slotYearReduce);
    connect(d->ui->btnyearright, &QPushButton::clicked, this, &CalendarWt::slotYearAdd);
    connect(d->ui->btnmonthleft, &QPushButton::clicked, this, &CalendarWt::slotMonthReduce);
    connect(d->ui->btnmonthright, &QPushButton::clicked, this, &CalendarWt::slotMonthAdd);
}

// Everything the calendar shows in words; run again on a language switch. The form's texts come first, since
// retranslateUi() resets the editor's display format, which setUsingTime() then sets again.
void CalendarWt::retranslate()
{
    d->ui->retranslateUi(this);
    d->ui->labweekSun->setText(tr("Sun"));
    d->ui->labweekMon->setText(tr("Mon"));
    d->ui->labweekTues->setText(tr("Tues"));
    d->ui->labweekWed->setText(tr("Wed"));
    d->ui->labweekThur->setText(tr("Thur"));
    d->ui->labweekFri->setText(tr("Fri"));
    d->ui->labweekSat->setText(tr("Sat"));
    d->ui->btnyearleft->setAccessibleName(tr("Previous year"));
    d->ui->btnyearright->setAccessibleName(tr("Next year"));
    d->ui->btnmonthleft->setAccessibleName(tr("Previous month"));
    d->ui->btnmonthright->setAccessibleName(tr("Next month"));
    setUsingTime(d->usingTime);
    if (d->labelMonth > 0)
        d->ui->labmonth->setText(monthName(d->labelMonth));
    d->ui->monthWidget->describeMarks();
}

void CalendarWt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ZWidget::changeEvent(event);
}

void CalendarWt::setDayMarks(const QMap<QDate, int>& marks)
{
    d->ui->monthWidget->setDayMarks(marks);
}

QMap<QDate, int> CalendarWt::dayMarks() const
{
    return d->ui->monthWidget->dayMarks();
}

void CalendarWt::setTodayMarked(bool marked)
{
    d->ui->monthWidget->setTodayMarked(marked);
}

bool CalendarWt::isTodayMarked() const
{
    return d->ui->monthWidget->isTodayMarked();
}

void CalendarWt::setTitle(const QString& title)
{
    d->ui->title->setText(title);
}

// The moments a date-time editor can hold (years 100 to 9999): a range or a value beyond them would leave the editor
// without any value, so they are brought to the nearest end.
static QDateTime editorBounded(const QDateTime& dt)
{
    static const QDateTime first(QDate(100, 1, 1), QTime(0, 0));
    static const QDateTime last(QDate(9999, 12, 31), QTime(23, 59, 59, 999));
    return qBound(first, dt, last);
}

void CalendarWt::setRange(const QDateTime& a, const QDateTime& b)
{
    if (!a.isValid() || !b.isValid())
        return;
    d->rangeStart = editorBounded(qMin(a, b));
    d->rangeEnd = editorBounded(qMax(a, b));
    d->ui->monthWidget->setDateRange(d->rangeStart.date(), d->rangeEnd.date());
    // The editor clamps its value into the new range, which reports a changed value.
    d->ui->dateTimeEdit->setDateTimeRange(d->rangeStart, d->rangeEnd);
}

void CalendarWt::setInitDateTime(const QDateTime& dt)
{
    if (!dt.isValid())
        return;
    d->lastValue = dt;
    d->ui->monthWidget->showMonth(dt.date().year(), dt.date().month());
    d->ui->monthWidget->selectDate(dt.date());
    // Within the range the editor's change arrives equal to the last value and reports nothing.
    d->ui->dateTimeEdit->setDateTime(editorBounded(dt));
    // An editor that already held the clamped value emits nothing; report the clamp all the same.
    if (d->ui->dateTimeEdit->dateTime() != d->lastValue)
        slotDateTimeChanged(d->ui->dateTimeEdit->dateTime());
    updateYearAndMonthLabel(d->ui->dateTimeEdit->dateTime());
}

// The sections a date-time editor shows for `format`; none when the editor refuses it. A separate editor: a format
// without a date would narrow the real editor's range to one day.
static QDateTimeEdit::Sections editorSections(const QString& format)
{
    QDateTimeEdit probe;
    probe.setDisplayFormat(format);
    return probe.displayFormat() == format ? probe.displayedSections()
                                           : QDateTimeEdit::Sections(QDateTimeEdit::NoSection);
}

void CalendarWt::setUsingTime(bool usingTime)
{
    QString format = hostDateFormat();
    if (format.trimmed().isEmpty()) // a host without an answer gets the library's own format
        format = dateFormat;
    // The host's format must show a whole date and no time, and take our time after it; else the library's is used.
    const auto date = QDateTimeEdit::YearSection | QDateTimeEdit::MonthSection | QDateTimeEdit::DaySection;
    const auto time = QDateTimeEdit::HourSection | QDateTimeEdit::MinuteSection | QDateTimeEdit::SecondSection;
    const QDateTimeEdit::Sections alone = editorSections(format);
    if ((alone & date) != date || (alone & QDateTimeEdit::TimeSections_Mask)
        || (editorSections(QStringLiteral("%1 hh:mm:ss").arg(format)) & time) != time) {
        static QString warned; // once per format, not once per calendar
        if (warned != format)
            qWarning("ZCorvaneBase: the host's date format \"%s\" does not show a date alone; calendars use \"%s\"",
                qPrintable(format), qPrintable(dateFormat));
        warned = format;
        format = dateFormat;
    }
    d->ui->dateTimeEdit->setDisplayFormat(usingTime ? QStringLiteral("%1 hh:mm:ss").arg(format) : format);
    d->usingTime = usingTime;
    d->ui->dateTimeEdit->setAccessibleName(usingTime ? tr("Date and time") : tr("Date"));
}

QDateTime CalendarWt::getSelectDateTime() const
{
    return d->ui->dateTimeEdit->dateTime();
}

void CalendarWt::slotCalendarChanged(const QDate& date)
{
    d->ui->dateTimeEdit->setDate(date);
    updateYearAndMonthLabel(QDateTime(date, QTime(0, 0)));
}

void CalendarWt::slotDateTimeChanged(const QDateTime& dateTime)
{
    d->ui->monthWidget->showMonth(dateTime.date().year(), dateTime.date().month());
    d->ui->monthWidget->selectDate(dateTime.date());
    updateYearAndMonthLabel(dateTime);
    if (dateTime == d->lastValue)
        return;
    const qint64 msecs = d->lastValue.isValid() ? d->lastValue.msecsTo(dateTime) : 0;
    // Stored before the signal, so a receiver that sets a new value is not overwritten afterwards.
    d->lastValue = dateTime;
    emit signalDateTimeChanged(d->ui->dateTimeEdit->dateTime(), msecs);
}

void CalendarWt::slotYearAdd()
{
    updateDate(d->ui->monthWidget->selectedDate().addYears(1));
}

void CalendarWt::slotYearReduce()
{
    updateDate(d->ui->monthWidget->selectedDate().addYears(-1));
}

void CalendarWt::slotMonthAdd()
{
    updateDate(d->ui->monthWidget->selectedDate().addMonths(1));
}

void CalendarWt::slotMonthReduce()
{
    updateDate(d->ui->monthWidget->selectedDate().addMonths(-1));
}

// Keeps year and month steps inside the range: a step that leaves it lands on the first or the last day of the target
// month that lies inside, or on the range's end when the whole range lies in that month; otherwise it does nothing.
void CalendarWt::updateDate(const QDate& date)
{
    if (!date.isValid())
        return;
    const QDate start = d->rangeStart.date();
    const QDate end = d->rangeEnd.date();
    const auto inRange = [&start, &end](const QDate& d) { return start <= d && d <= end; };

    QDate target = date;
    const bool bothBounds = d->rangeStart.isValid() && d->rangeEnd.isValid();
    if (bothBounds && !inRange(date)) {
        const QDate first(date.year(), date.month(), 1);
        const QDate last(date.year(), date.month(), date.daysInMonth());
        if (inRange(first))
            target = first;
        else if (inRange(last))
            target = last;
        else if (start >= first && end <= last)
            target = end;
    }
    if ((d->rangeStart.isValid() || d->rangeEnd.isValid()) && !inRange(target))
        return;

    d->ui->monthWidget->showMonth(target.year(), target.month());
    d->ui->monthWidget->selectDate(target);
    QDateTime value(target, d->ui->dateTimeEdit->time());
    if (bothBounds)
        value = qBound(d->rangeStart, value, d->rangeEnd);
    d->ui->dateTimeEdit->setDateTime(value);
    updateYearAndMonthLabel(d->ui->dateTimeEdit->dateTime());
}

void CalendarWt::updateYearAndMonthLabel(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return;
    d->ui->labyear->setText(dateTime.toString(QStringLiteral("yyyy")));
    d->labelMonth = dateTime.toString(QStringLiteral("M")).toInt();
    d->ui->labmonth->setText(monthName(d->labelMonth));
}

} // namespace ZCORVANEBASE
