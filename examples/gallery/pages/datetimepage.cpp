// The date-time page: a calendar limited to a range that marks the days of the page's generated recordings and rings
// today, and a span line edit that opens the span selector as a popup and writes the chosen pair back. An embedded
// span selector, with its preset row and a 7-day maximum, shows the popup's content without opening it.

#include "gallerypage.h"
#include "gallerypagewidget.h"

#include "datetime/calendarwt.h"
#include "datetime/datetimespanselwt.h"
#include "datetime/timespacelineet.h"
#include "frame/zcheckbox.h"

#include <QLabel>
#include <QRandomGenerator>
#include <QVBoxLayout>

using namespace ZCORVANEBASE;

namespace {

QString stamp(const QDateTime& dateTime)
{
    return dateTime.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString span(qint64 msecs)
{
    const qint64 secs = qAbs(msecs) / 1000;
    return QStringLiteral("%1%2 d %3 h %4 min %5 s")
        .arg(msecs < 0 ? QStringLiteral("-") : QString())
        .arg(secs / 86400)
        .arg(secs / 3600 % 24)
        .arg(secs / 60 % 60)
        .arg(secs % 60);
}

// The recordings the page pretends a channel has: most days, some with alarms, a few without any; the same every run.
QMap<QDate, int> recordingDays(const QDate& from, const QDate& to)
{
    QMap<QDate, int> marks;
    for (QDate day = from; day <= to; day = day.addDays(1)) {
        QRandomGenerator random(quint32(day.toJulianDay()));
        const int roll = int(random.bounded(12));
        if (roll >= 2)
            marks.insert(day,
                roll >= 9 ? CalendarWt::DayMarkAlarmRecording | CalendarWt::DayMarkRecording
                          : CalendarWt::DayMarkRecording);
    }
    return marks;
}

class DatetimePage : public GalleryPageWidget
{
public:
    DatetimePage(const GalleryOptions&, QWidget* parent)
        : GalleryPageWidget(QStringLiteral("datetimePage"), parent)
    {
        grid->addWidget(calendarGroup(), 0, 0, 2, 1);
        grid->addWidget(spanGroup(), 0, 1);
        grid->addWidget(log, 1, 1);
        grid->setColumnStretch(1, 1);
        grid->setRowStretch(1, 1);
        note(QStringLiteral("Pick a day, step with the arrows or edit the time: every change is listed here."));
    }

private:
    QWidget* calendarGroup()
    {
        QGroupBox* box = group(QStringLiteral("Calendar limited to the last 45 days"));
        auto* layout = new QVBoxLayout(box);
        const QDateTime now = QDateTime::currentDateTime();
        const QDateTime end(now.date(), QTime(23, 59, 59));
        const QDateTime start(now.date().addDays(-44), QTime(0, 0));
        auto* calendar = new CalendarWt(box);
        calendar->setObjectName(QStringLiteral("galleryCalendar"));
        calendar->setFixedSize(250, 320);
        calendar->setTitle(QStringLiteral("Recording date"));
        calendar->setRange(start, end);
        calendar->setInitDateTime(QDateTime(now.date(), QTime(now.time().hour(), 0)));
        calendar->setDayMarks(recordingDays(start.date(), end.date()));
        calendar->setTodayMarked(true);
        connect(calendar, &CalendarWt::signalDateTimeChanged, this, [this](const QDateTime& value, qint64 msecs) {
            note(QStringLiteral("calendar: %1 (moved %2)").arg(stamp(value), span(msecs)));
        });
        auto* hint = new QLabel(
            QStringLiteral("%1 to %2: days outside are dark and ignore the mouse;\nthe arrows stay inside the range.\n"
                           "Green bar: recordings. Red bar: alarm recordings.\nThe ring marks today.")
                .arg(stamp(start), stamp(end)),
            box);
        layout->addWidget(calendar);
        layout->addWidget(hint);
        layout->addStretch();
        return box;
    }

    QWidget* spanGroup()
    {
        QGroupBox* box = group(QStringLiteral("Time span: click the line edit or its icon"));
        auto* layout = new QGridLayout(box);
        layout->setHorizontalSpacing(16);

        auto* edit = new TimeSpaceLineEt(box);
        edit->setObjectName(QStringLiteral("gallerySpanEdit"));
        edit->setFixedSize(300, 30);
        auto* withYear = new ZCheckBox(box);
        withYear->setText(QStringLiteral("Show the year"));
        withYear->setFixedWidth(150);
        auto* withTime = new ZCheckBox(box);
        withTime->setText(QStringLiteral("Show the time"));
        withTime->setFixedWidth(150);
        withTime->setChecked(true);
        connect(withYear, &QCheckBox::toggled, edit, &TimeSpaceLineEt::setUsingYearInTimeSpaceDescription);
        connect(withTime, &QCheckBox::toggled, edit, &TimeSpaceLineEt::setUsingTimeInTimeSpaceDescription);

        // The popup: opened under the edit with the edit's pair, its reports written back to the edit.
        auto* popup = new DatetimeSpanSelWt(this);
        popup->setObjectName(QStringLiteral("gallerySpanPopup"));
        connect(edit, &TimeSpaceLineEt::signalClicked, this, [edit, popup] {
            popup->setInitDateTime(edit->getDateTimeSpace());
            popup->move(edit->mapToGlobal(QPoint(0, edit->height() + 2)));
            popup->show();
        });
        connect(popup, &DatetimeSpanSelWt::signalDatetimeSpanSelChanged, this,
            [this, edit](const QDateTime& start, const QDateTime& end) {
                edit->setDateTimeSpace(start, end);
                note(QStringLiteral("span: %1 to %2").arg(stamp(start), stamp(end)));
            });

        // The same selector embedded in the page, with a one-hour minimum, writing to the same edit.
        auto* embedded = new DatetimeSpanSelWt(box);
        embedded->setObjectName(QStringLiteral("galleryEmbeddedSpan"));
        embedded->setWindowFlags(Qt::Widget);
        embedded->setMinSpanSecs(3600);
        embedded->setMaxSpanSecs(7 * 86400);
        embedded->setPresetsVisible(true);
        const QDate today = QDate::currentDate();
        embedded->setInitDateTime(QDateTime(today, QTime(8, 0)), QDateTime(today, QTime(18, 30)));
        connect(embedded, &DatetimeSpanSelWt::signalDatetimeSpanSelChanged, this,
            [this, edit](const QDateTime& start, const QDateTime& end) {
                edit->setDateTimeSpace(start, end);
                note(QStringLiteral("embedded span: %1 to %2").arg(stamp(start), stamp(end)));
            });
        // The edit starts with the embedded selector's span, live and in screenshots alike.
        edit->setDateTimeSpace(QDateTime(today, QTime(8, 0)), QDateTime(today, QTime(18, 30)));

        layout->addWidget(edit, 0, 0);
        layout->addWidget(withYear, 0, 1);
        layout->addWidget(withTime, 0, 2);
        layout->addWidget(
            new QLabel(QStringLiteral("Embedded selector (span 1 h to 7 days, with presets):"), box), 1, 0, 1, 3);
        layout->addWidget(embedded, 2, 0, 1, 3, Qt::AlignLeft);
        layout->setColumnStretch(3, 1);
        return box;
    }
};

} // namespace

static GalleryPageRegistrar datetimePage(QStringLiteral("datetime"), 40, QStringLiteral("Date and time"),
    [](const GalleryOptions& options, QWidget* parent) -> QWidget* { return new DatetimePage(options, parent); });
