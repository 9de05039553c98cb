// A CalendarWt and a DatetimeSpanSelWt fed random ranges, initial values, navigation clicks, day clicks, editor
// steps and span limits. The calendar is held to what the date-time tests hold it to (tests/reliability/
// datetimemodel.h: its value inside its range, every change reported once with the signed distance from the value
// before); the span selector reports each user change once per event-loop pass with an end
// inside the window its limits allowed when the end calendar was last set up.

#include "datetime/calendarwt.h"
#include "datetime/datetimespanselwt.h"

#include "datetimemodel.h"
#include "fuzzsupport.h"

#include <QAbstractButton>
#include <QDateTimeEdit>
#include <QMouseEvent>

using namespace ZCORVANEBASE;

namespace {

const QDateTime day(QDate(2024, 3, 5), QTime(9, 30));

void click(QWidget* widget, const QPoint& pos)
{
    for (QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease }) {
        QMouseEvent event(type, pos, widget->mapToGlobal(pos), Qt::LeftButton,
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

// One user or host action on a calendar; true when it was the host's own setting (setRange/setInitDateTime).
void act(ZcbFuzz::Input& in, CalendarWt& calendar, bool allowHost)
{
    static const char* const buttons[] = { "btnyearleft", "btnyearright", "btnmonthleft", "btnmonthright" };
    const int choice = in.byte() % (allowHost ? 8 : 5);
    if (qEnvironmentVariableIsSet("ZCB_FUZZ_TRACE"))
        std::fprintf(stderr, "%s: action %d\n", qPrintable(calendar.objectName()), choice);
    switch (choice) {
    case 0:
    case 1:
        if (auto* button = calendar.findChild<QAbstractButton*>(QLatin1String(buttons[in.byte() % 4])))
            button->click();
        break;
    case 2: // a click somewhere on the day grid
        if (auto* grid = calendar.findChild<QWidget*>(QStringLiteral("monthWidget")))
            click(grid, QPoint(int(in.range(-2, grid->width() + 2)), int(in.range(-2, grid->height() + 2))));
        break;
    case 3: // the editor stepped up or down in whatever section has focus
        if (auto* editor = calendar.findChild<QDateTimeEdit*>()) {
            const int steps = int(in.range(-40, 40));
            if (qEnvironmentVariableIsSet("ZCB_FUZZ_TRACE"))
                std::fprintf(stderr, "  stepBy(%d) in section %d\n", steps, editor->currentSectionIndex());
            editor->stepBy(steps);
        }
        break;
    case 4:
        if (auto* editor = calendar.findChild<QDateTimeEdit*>())
            editor->setCurrentSectionIndex(int(in.range(0, editor->sectionCount())));
        break;
    case 5:
        calendar.setRange(in.datetime(day, true), in.datetime(day, true));
        break;
    case 6:
        calendar.setInitDateTime(in.datetime(day, true));
        break;
    default:
        calendar.setUsingTime(in.flag());
        break;
    }
}

void fuzzCalendar(ZcbFuzz::Input& in)
{
    if (in.flag()) // the host's date format, garbage included
        ZcbFuzz::worker()->dateFormat = in.text(12);
    CalendarWt calendar;
    calendar.setUsingTime(in.flag());
    calendar.setAttribute(Qt::WA_DontShowOnScreen); // laid out and painted without a native window for every input
    calendar.show();
    ReliabilityModel::CalendarWatch watch(calendar);
    for (int step = 0; step < 32 && !in.atEnd(); ++step) {
        const quint8 kind = in.byte();
        if (kind % 4 == 0) {
            const QDateTime a = in.datetime(day, true), b = in.datetime(day, true);
            watch.setRange(a, b);
        } else if (kind % 4 == 1) {
            watch.setInitDateTime(in.datetime(day, true));
        } else {
            act(in, calendar, false);
        }
        const QString divergence = watch.divergence();
        ZCB_FUZZ_CHECK(divergence.isEmpty(), divergence);
    }
    calendar.grab();
}

void fuzzSpanSelector(ZcbFuzz::Input& in)
{
    DatetimeSpanSelWt selector(nullptr, in.flag());
    qint64 minSecs = 300, maxSecs = 86399;
    qint64 windowMin = minSecs, windowMax = maxSecs; // the limits in force when the end calendar was last set up
    QList<QPair<QDateTime, QDateTime>> reports;
    QObject::connect(&selector, &DatetimeSpanSelWt::signalDatetimeSpanSelChanged,
        [&](const QDateTime& start, const QDateTime& end) { reports << qMakePair(start, end); });
    const QList<CalendarWt*> calendars = selector.findChildren<CalendarWt*>();
    CalendarWt* startCalendar = selector.findChild<CalendarWt*>(QStringLiteral("startCalendar"));
    ZCB_FUZZ_CHECK(calendars.size() == 2 && startCalendar, "two calendars");
    for (int step = 0; step < 32 && !in.atEnd(); ++step) {
        reports.clear();
        bool userMoved = false;
        switch (in.byte() % 6) {
        case 0: {
            const QDateTime a = in.datetime(day, true), b = in.datetime(day, true);
            selector.setInitDateTime(a, b);
            if (a.isValid() && b.isValid())
                windowMin = minSecs, windowMax = maxSecs;
            break;
        }
        case 1: {
            const qint64 secs = in.flag() ? in.range(-10, 200000) : qint64(in.u32()) * (in.flag() ? 1 : -1);
            selector.setMaxSpanSecs(secs);
            if (secs >= 0)
                secs < minSecs ? (maxSecs = minSecs, minSecs = secs) : maxSecs = secs;
            break;
        }
        case 2: {
            const qint64 secs = in.range(-10, 200000);
            selector.setMinSpanSecs(secs);
            if (secs >= 0)
                maxSecs = qMax(maxSecs, secs), minSecs = secs;
            break;
        }
        default: { // the user on one of the calendars
            const bool onStart = in.flag();
            CalendarWt* calendar = onStart ? startCalendar : calendars.at(calendars.at(0) == startCalendar ? 1 : 0);
            const QDateTime before = calendar->getSelectDateTime();
            act(in, *calendar, false);
            userMoved = calendar->getSelectDateTime() != before;
            if (onStart && userMoved)
                windowMin = minSecs, windowMax = maxSecs;
            break;
        }
        }
        if (qEnvironmentVariableIsSet("ZCB_FUZZ_TRACE")) // replaying a finding: what each step left
            std::fprintf(stderr, "step %d: start %s end %s, limits %lld..%lld, window %lld..%lld\n", step,
                qPrintable(startCalendar->getSelectDateTime().toString(Qt::ISODateWithMs)),
                qPrintable(calendars.at(calendars.at(0) == startCalendar ? 1 : 0)
                               ->getSelectDateTime()
                               .toString(Qt::ISODateWithMs)),
                minSecs, maxSecs, windowMin, windowMax),
                std::fprintf(stderr, "  end editor range %s .. %s\n",
                    qPrintable(calendars.at(calendars.at(0) == startCalendar ? 1 : 0)
                                   ->findChild<QDateTimeEdit*>()
                                   ->minimumDateTime()
                                   .toString(Qt::ISODateWithMs)),
                    qPrintable(calendars.at(calendars.at(0) == startCalendar ? 1 : 0)
                                   ->findChild<QDateTimeEdit*>()
                                   ->maximumDateTime()
                                   .toString(Qt::ISODateWithMs)));
        ZCB_FUZZ_CHECK(reports.isEmpty(), "a report before the event loop ran");
        QCoreApplication::sendPostedEvents(&selector);
        ZCB_FUZZ_CHECK(reports.size() <= 1, QStringLiteral("%1 reports in one pass").arg(reports.size()));
        if (userMoved)
            ZCB_FUZZ_CHECK(reports.size() == 1, "a change without a report");
        // The editors end at 9999-12-31 23:59:59.999: an end cannot lie past it, whatever the minimum span.
        static const QDateTime lastMoment(QDate(9999, 12, 31), QTime(23, 59, 59, 999));
        for (const auto& report : qAsConst(reports)) {
            ZCB_FUZZ_CHECK(report.second.isValid() && qMin(report.first.addSecs(windowMin), lastMoment) <= report.second
                    && report.second <= report.first.addSecs(windowMax),
                QStringLiteral("span %1 - %2 outside %3..%4 s")
                    .arg(report.first.toString(Qt::ISODateWithMs), report.second.toString(Qt::ISODateWithMs))
                    .arg(windowMin)
                    .arg(windowMax));
        }
    }
    selector.grab();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ZcbFuzz::Input input(data, size);
    ZcbFuzz::resetWorker();
    if (input.flag())
        fuzzCalendar(input);
    else
        fuzzSpanSelector(input);
    return 0;
}
