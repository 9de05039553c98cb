#pragma once

// What a CalendarWt reports and shows, stated once for the date-time tests (tst_datetime) and the calendar's fuzz
// target (fuzz/fuzz_calendar.cpp).

#include "datetime/calendarwt.h"

#include <QDateTime>

namespace ReliabilityModel {

// Watches a calendar whose host calls go through it. After any step, divergence() says what first went wrong, or
// nothing: each change is reported once, never as the value reported or set last, with the signed distance from that
// value in milliseconds (0 when there was none); the calendar shows the value last reported or set, inside the range
// last set (brought within the years a date-time editor holds, 100 to 9999).
class CalendarWatch
{
public:
    explicit CalendarWatch(ZCORVANEBASE::CalendarWt& calendar)
        : calendar(calendar)
    {
        QObject::connect(&calendar, &ZCORVANEBASE::CalendarWt::signalDateTimeChanged, &calendar,
            [this](const QDateTime& value, qint64 msecs) { reports << qMakePair(value, msecs); });
    }
    void setRange(const QDateTime& a, const QDateTime& b)
    {
        absorbReports();
        calendar.setRange(a, b);
        static const QDateTime first(QDate(100, 1, 1), QTime(0, 0)), last(QDate(9999, 12, 31), QTime(23, 59, 59, 999));
        if (a.isValid() && b.isValid())
            rangeStart = qBound(first, qMin(a, b), last), rangeEnd = qBound(first, qMax(a, b), last);
        absorbReports();
    }
    // A clamp the range makes to `value` is reported, counted from `value`.
    void setInitDateTime(const QDateTime& value)
    {
        absorbReports();
        calendar.setInitDateTime(value);
        lastValue = value.isValid() ? value : lastValue;
        absorbReports();
    }
    QString divergence()
    {
        absorbReports();
        const QDateTime value = calendar.getSelectDateTime();
        if (failure.isEmpty() && rangeStart.isValid() && (value < rangeStart || value > rangeEnd))
            failure = text(value) + " outside " + text(rangeStart) + " - " + text(rangeEnd);
        if (failure.isEmpty() && lastValue.isValid() && value != lastValue)
            failure = "shows " + text(value) + ", last reported " + text(lastValue);
        return failure;
    }

private:
    static QString text(const QDateTime& dt) { return dt.toString(Qt::ISODateWithMs); }
    void absorbReports()
    {
        for (const auto& report : qAsConst(reports)) {
            if (failure.isEmpty() && (!report.first.isValid() || report.first == lastValue))
                failure = "reported " + text(report.first) + " after " + text(lastValue);
            const qint64 expected = lastValue.isValid() ? lastValue.msecsTo(report.first) : 0;
            if (failure.isEmpty() && report.second != expected)
                failure = QStringLiteral("distance %1, not %2, to %3")
                              .arg(report.second)
                              .arg(expected)
                              .arg(text(report.first));
            lastValue = report.first;
        }
        reports.clear();
    }

    ZCORVANEBASE::CalendarWt& calendar;
    QDateTime lastValue, rangeStart, rangeEnd;
    QString failure; // the first divergence
    QList<QPair<QDateTime, qint64>> reports;
};

} // namespace ReliabilityModel
