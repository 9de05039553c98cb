#pragma once

#include "frame/zwidget.h"

#include <QDateTime>
#include <QPair>

namespace ZCORVANEBASE {

namespace Ui {
class DatetimeSpanSelWt;
}

// A borderless popup for choosing a start and an end date-time side by side on two calendars. The span (end minus
// start) stays between a minimum and a maximum number of seconds (300 s and 86399 s by default): the end calendar
// accepts only [start + minimum, start + maximum], and when the user moves the start, an end that would fall outside
// moves by the same amount. Changes made by the user are reported once per event-loop pass by
// signalDatetimeSpanSelChanged(start, end) with the final pair, so a start move that drags the end along is one report.
//
// Choices: setInitDateTime() is the host's own setting and reports nothing (the end calendar gets its new range
// before its new value, so a pair on any day is taken as it is, within the span rules). Invalid date-times leave the
// pair unchanged; negative spans are ignored by the setters. All values are local date-times.
//
// Presets: setPresetsVisible(true) adds a row of buttons under the calendars ("presetToday", "presetYesterday",
// "presetLast24Hours", "presetLast7Days"; the popup grows by 30 pixels to 439 x 278). Each applies its pair through
// setInitDateTime(), so the span limits clamp it, and, being the user's choice, reports it like a change made on the
// calendars (once, from the event loop). Today and Yesterday are that day from 00:00:00 to 23:59:59; Last 24 hours
// ends now (to the second); Last 7 days runs from 00:00:00 six days ago to today 23:59:59. With the default maximum
// span of 86399 s the last two are cut to that span: a host offering them raises the maximum (e.g. to 7 days).
// The row is hidden by default, and hiding it again restores the popup exactly.
//
// The titles ("Start", "End") and the preset captions follow a language switch.
class ZCORVANEBASE_EXPORT DatetimeSpanSelWt : public ZWidget
{
    Q_OBJECT

public:
    explicit DatetimeSpanSelWt(QWidget* parent = nullptr, bool useTime = true);
    ~DatetimeSpanSelWt() override;

    void setInitDateTime(const QDateTime& start, const QDateTime& end);
    void setInitDateTime(const QPair<QDateTime, QDateTime>& span);
    // The first date from 00:00:00 to the second date at 23:59:59.
    void setInitDateTime(const QPair<QDate, QDate>& days);
    // A maximum below the minimum makes the old minimum the maximum and the value the minimum.
    void setMaxSpanSecs(qint64 secs);
    // A minimum above the maximum makes it both.
    void setMinSpanSecs(qint64 secs);
    void setPresetsVisible(bool visible);
    bool presetsVisible() const;

signals:
    void signalDatetimeSpanSelChanged(const QDateTime& start, const QDateTime& end);

protected:
    void customEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void slotStartDateTimeChanged(const QDateTime& dateTime, qint64 msecs);
    void slotEndDateTimeChanged(const QDateTime& dateTime, qint64 msecs);

private:
    void init();
    void connectSignalsWithSlots();
    void datetimeSpaceChanged();
    void retranslate();
    void createPresets();
    void applyPreset(int preset);

    Ui::DatetimeSpanSelWt* ui;
    qint64 maxSpanSecs;
    qint64 minSpanSecs;
    bool changePending;
    QWidget* m_presetBar = nullptr; // created the first time the presets are shown
};

} // namespace ZCORVANEBASE
