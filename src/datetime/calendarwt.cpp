#include "datetime/calendarwt.h"

#include "datetime/calendarmonthwidget_p.h"
#include "frame/constants.h"
#include "frame/hostaccess_p.h"
#include "ui_calendarwt.h"

#include <QEvent>

namespace ZCORVANEBASE {

CalendarWt::CalendarWt(QWidget* parent)
    : ZWidget(parent)
    , ui(new Ui::CalendarWt)
{
    ui->setupUi(this);
    init();
    initUI();
}

CalendarWt::~CalendarWt()
{
    delete ui;
}

void CalendarWt::init()
{
    retranslate(); // the weekday names, the accessible names and the editor's format (with the time)
    setBackgroundColor(QColor(QStringLiteral("#0e1624")));
    connectSignalsWithSlots();
}

void CalendarWt::initUI()
{
    ui->frame->setProperty("TitleFrame", true);
    ui->title->setProperty("BottomLab", true);
    ui->btnyearleft->setProperty("IcoLeft", true);
    ui->btnmonthleft->setProperty("IcoLeft", true);
    ui->btnyearright->setProperty("IcoRight", true);
    ui->btnmonthright->setProperty("IcoRight", true);
    ui->labyear->setProperty("dataLab", true);
    ui->labmonth->setProperty("dataLab", true);
    ui->frame_1->setProperty("CalendarFrame", true);
    const QList<QLabel*> weekLabels { ui->labweekSun, ui->labweekMon, ui->labweekTues, ui->labweekWed, ui->labweekThur,
        ui->labweekFri, ui->labweekSat };
    for (QLabel* label : weekLabels)
        label->setProperty("WeekDayLab", true);
}

void CalendarWt::connectSignalsWithSlots()
{
    connect(ui->monthWidget, SIGNAL(signalDaySelected(QDate)), this, SLOT(slotCalendarChanged(QDate)));
    connect(ui->monthWidget, SIGNAL(signalDaySelected(QDate)), this, SIGNAL(signalDayClicked(QDate)));
    connect(ui->dateTimeEdit, SIGNAL(dateTimeChanged(QDateTime)), this, SLOT(slotDateTimeChanged(QDateTime)));
    connect(ui->btnyearleft, SIGNAL(clicked()), this, SLOT(slotYearReduce()));
    connect(ui->btnyearright, SIGNAL(clicked()), this, SLOT(slotYearAdd()));
    connect(ui->btnmonthleft, SIGNAL(clicked()), this, SLOT(slotMonthReduce()));
    connect(ui->btnmonthright, SIGNAL(clicked()), this, SLOT(slotMonthAdd()));
}

// Everything the calendar shows in words; run again on a language switch. The form's texts come first, since
// retranslateUi() resets the editor's display format, which setUsingTime() then sets again.
void CalendarWt::retranslate()
{
    ui->retranslateUi(this);
    ui->labweekSun->setText(tr("Sun"));
    ui->labweekMon->setText(tr("Mon"));
    ui->labweekTues->setText(tr("Tues"));
    ui->labweekWed->setText(tr("Wed"));
    ui->labweekThur->setText(tr("Thur"));
    ui->labweekFri->setText(tr("Fri"));
    ui->labweekSat->setText(tr("Sat"));
    ui->btnyearleft->setAccessibleName(tr("Previous year"));
    ui->btnyearright->setAccessibleName(tr("Next year"));
    ui->btnmonthleft->setAccessibleName(tr("Previous month"));
    ui->btnmonthright->setAccessibleName(tr("Next month"));
    setUsingTime(m_usingTime);
    if (m_labelMonth > 0)
        ui->labmonth->setText(monthName(m_labelMonth));
    ui->monthWidget->describeMarks();
}

void CalendarWt::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ZWidget::changeEvent(event);
}

void CalendarWt::setDayMarks(const QMap<QDate, int>& marks)
{
    ui->monthWidget->setDayMarks(marks);
}

QMap<QDate, int> CalendarWt::dayMarks() const
{
    return ui->monthWidget->dayMarks();
}

void CalendarWt::setTodayMarked(bool marked)
{
    ui->monthWidget->setTodayMarked(marked);
}

bool CalendarWt::isTodayMarked() const
{
    return ui->monthWidget->isTodayMarked();
}

void CalendarWt::setTitle(const QString& title)
{
    ui->title->setText(title);
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
    rangeStart = editorBounded(qMin(a, b));
    rangeEnd = editorBounded(qMax(a, b));
    ui->monthWidget->setDateRange(rangeStart.date(), rangeEnd.date());
    // The editor clamps its value into the new range, which reports a changed value.
    ui->dateTimeEdit->setDateTimeRange(rangeStart, rangeEnd);
}

void CalendarWt::setInitDateTime(const QDateTime& dt)
{
    if (!dt.isValid())
        return;
    lastValue = dt;
    ui->monthWidget->showMonth(dt.date().year(), dt.date().month());
    ui->monthWidget->selectDate(dt.date());
    // Within the range the editor's change arrives equal to the last value and reports nothing.
    ui->dateTimeEdit->setDateTime(editorBounded(dt));
    // An editor that already held the clamped value emits nothing; report the clamp all the same.
    if (ui->dateTimeEdit->dateTime() != lastValue)
        slotDateTimeChanged(ui->dateTimeEdit->dateTime());
    updateYearAndMonthLabel(ui->dateTimeEdit->dateTime());
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
    ui->dateTimeEdit->setDisplayFormat(usingTime ? QStringLiteral("%1 hh:mm:ss").arg(format) : format);
    m_usingTime = usingTime;
    ui->dateTimeEdit->setAccessibleName(usingTime ? tr("Date and time") : tr("Date"));
}

QDateTime CalendarWt::getSelectDateTime() const
{
    return ui->dateTimeEdit->dateTime();
}

void CalendarWt::slotCalendarChanged(const QDate& date)
{
    ui->dateTimeEdit->setDate(date);
    updateYearAndMonthLabel(QDateTime(date, QTime(0, 0)));
}

void CalendarWt::slotDateTimeChanged(const QDateTime& dateTime)
{
    ui->monthWidget->showMonth(dateTime.date().year(), dateTime.date().month());
    ui->monthWidget->selectDate(dateTime.date());
    updateYearAndMonthLabel(dateTime);
    if (dateTime == lastValue)
        return;
    const qint64 msecs = lastValue.isValid() ? lastValue.msecsTo(dateTime) : 0;
    // Stored before the signal, so a receiver that sets a new value is not overwritten afterwards.
    lastValue = dateTime;
    emit signalDateTimeChanged(ui->dateTimeEdit->dateTime(), msecs);
}

void CalendarWt::slotYearAdd()
{
    updateDate(ui->monthWidget->selectedDate().addYears(1));
}

void CalendarWt::slotYearReduce()
{
    updateDate(ui->monthWidget->selectedDate().addYears(-1));
}

void CalendarWt::slotMonthAdd()
{
    updateDate(ui->monthWidget->selectedDate().addMonths(1));
}

void CalendarWt::slotMonthReduce()
{
    updateDate(ui->monthWidget->selectedDate().addMonths(-1));
}

// Keeps year and month steps inside the range: a step that leaves it lands on the first or the last day of the target
// month that lies inside, or on the range's end when the whole range lies in that month; otherwise it does nothing.
void CalendarWt::updateDate(const QDate& date)
{
    if (!date.isValid())
        return;
    const QDate start = rangeStart.date();
    const QDate end = rangeEnd.date();
    const auto inRange = [&start, &end](const QDate& d) { return start <= d && d <= end; };

    QDate target = date;
    const bool bothBounds = rangeStart.isValid() && rangeEnd.isValid();
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
    if ((rangeStart.isValid() || rangeEnd.isValid()) && !inRange(target))
        return;

    ui->monthWidget->showMonth(target.year(), target.month());
    ui->monthWidget->selectDate(target);
    QDateTime value(target, ui->dateTimeEdit->time());
    if (bothBounds)
        value = qBound(rangeStart, value, rangeEnd);
    ui->dateTimeEdit->setDateTime(value);
    updateYearAndMonthLabel(ui->dateTimeEdit->dateTime());
}

QString CalendarWt::monthName(int month)
{
    const QString months[12] = { tr("Jan"), tr("Feb"), tr("Mar"), tr("Apr"), tr("May"), tr("Jun"), tr("Jul"), tr("Aug"),
        tr("Sep"), tr("Oct"), tr("Nov"), tr("Dec") };
    return month >= 1 && month <= 12 ? months[month - 1] : QString();
}

void CalendarWt::updateYearAndMonthLabel(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return;
    ui->labyear->setText(dateTime.toString(QStringLiteral("yyyy")));
    m_labelMonth = dateTime.toString(QStringLiteral("M")).toInt();
    ui->labmonth->setText(monthName(m_labelMonth));
}

} // namespace ZCORVANEBASE
