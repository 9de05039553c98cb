#include "datetime/datetimespanselwt.h"

#include "ui_datetimespanselwt.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSignalBlocker>

namespace ZCORVANEBASE {

namespace {
// Posted to coalesce the change reports of one event-loop pass.
const QEvent::Type spanChangedEvent = QEvent::Type(10527);
}

DatetimeSpanSelWt::DatetimeSpanSelWt(QWidget* parent, bool useTime)
    : ZWidget(parent)
    , ui(new Ui::DatetimeSpanSelWt)
    , maxSpanSecs(86399)
    , minSpanSecs(300)
    , changePending(false)
{
    ui->setupUi(this);
    ui->startCalendar->setUsingTime(useTime);
    ui->endCalendar->setUsingTime(useTime);
    init();
}

DatetimeSpanSelWt::~DatetimeSpanSelWt()
{
    delete ui;
}

void DatetimeSpanSelWt::init()
{
    ui->startCalendar->setTitle(tr("start"));
    ui->endCalendar->setTitle(tr("end"));

    const QDateTime start(QDate::currentDate(), QTime(0, 0));
    const QDateTime end = start.addDays(1).addSecs(-1);
    ui->endCalendar->setRange(start.addSecs(minSpanSecs), end);
    ui->startCalendar->setInitDateTime(start);
    ui->endCalendar->setInitDateTime(end);

    setBackgroundColor(QColor(QStringLiteral("#1E293D")));
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    connectSignalsWithSlots();
}

void DatetimeSpanSelWt::connectSignalsWithSlots()
{
    connect(ui->startCalendar,
        SIGNAL(signalDateTimeChanged(QDateTime,qint64)), this, SLOT(slotStartDateTimeChanged(QDateTime,qint64)));
    connect(ui->endCalendar,
        SIGNAL(signalDateTimeChanged(QDateTime,qint64)), this, SLOT(slotEndDateTimeChanged(QDateTime,qint64)));
}

void DatetimeSpanSelWt::setInitDateTime(const QDateTime& start, const QDateTime& end)
{
    if (!start.isValid() || !end.isValid())
        return;
    QDateTime a = start;
    QDateTime b = end;
    if (a > b)
        std::swap(a, b);
    if (a.secsTo(b) < minSpanSecs)
        b = a.addSecs(minSpanSecs);
    if (a.secsTo(b) > maxSpanSecs)
        b = b.addSecs(maxSpanSecs - a.secsTo(b));

    ui->startCalendar->setInitDateTime(a);
    {
        // The old end is about to be replaced: its clamp into the new range is no change worth reporting.
        const QSignalBlocker blocker(ui->endCalendar);
        ui->endCalendar->setRange(a.addSecs(minSpanSecs), a.addSecs(maxSpanSecs));
    }
    ui->endCalendar->setInitDateTime(b);
}

void DatetimeSpanSelWt::setInitDateTime(const QPair<QDateTime, QDateTime>& span)
{
    setInitDateTime(span.first, span.second);
}

void DatetimeSpanSelWt::setInitDateTime(const QPair<QDate, QDate>& days)
{
    if (!days.first.isValid() || !days.second.isValid())
        return;
    setInitDateTime(QDateTime(days.first, QTime(0, 0)), QDateTime(days.second, QTime(23, 59, 59)));
}

void DatetimeSpanSelWt::setMaxSpanSecs(qint64 secs)
{
    if (secs < 0)
        return;
    if (secs < minSpanSecs) {
        maxSpanSecs = minSpanSecs;
        minSpanSecs = secs;
    } else {
        maxSpanSecs = secs;
    }
}

void DatetimeSpanSelWt::setMinSpanSecs(qint64 secs)
{
    if (secs < 0)
        return;
    if (secs > maxSpanSecs)
        maxSpanSecs = secs;
    minSpanSecs = secs;
}

void DatetimeSpanSelWt::customEvent(QEvent* event)
{
    if (changePending && event->type() == spanChangedEvent) {
        changePending = false;
        emit signalDatetimeSpanSelChanged(ui->startCalendar->getSelectDateTime(), ui->endCalendar->getSelectDateTime());
    }
    ZWidget::customEvent(event);
}

void DatetimeSpanSelWt::slotStartDateTimeChanged(const QDateTime& dateTime, qint64 msecs)
{
    const QDateTime lo = dateTime.addSecs(minSpanSecs);
    const QDateTime hi = dateTime.addSecs(maxSpanSecs);
    QDateTime end = ui->endCalendar->getSelectDateTime();
    // An end that leaves the allowed window moves as far as the start did; the range clamps what remains.
    if (end < lo || end > hi)
        end = end.addMSecs(msecs);
    ui->endCalendar->setRange(lo, hi);
    ui->endCalendar->setInitDateTime(end);
    datetimeSpaceChanged();
}

void DatetimeSpanSelWt::slotEndDateTimeChanged(const QDateTime& dateTime, qint64 msecs)
{
    Q_UNUSED(dateTime)
    Q_UNUSED(msecs)
    datetimeSpaceChanged();
}

void DatetimeSpanSelWt::datetimeSpaceChanged()
{
    if (changePending)
        return;
    changePending = true;
    QCoreApplication::postEvent(this, new QEvent(spanChangedEvent));
}

} // namespace ZCORVANEBASE
