#pragma once

#include "frame/zwidget.h"

#include <QDateTime>
#include <QMap>

namespace ZCORVANEBASE {

namespace Ui {
class CalendarWt;
}

// A date-and-time picker in the dark theme: a title, year and month navigation, the weekday names, a six-week day
// grid (weeks start on Sunday) and a date-time editor. setRange() limits it to a range; days outside it are drawn dark
// and ignore the mouse, and the year and month buttons stay inside it (a step that leaves the range lands on the
// first or last day of the target month that lies inside, or does nothing). Every change of the value is reported by
// signalDateTimeChanged() with the signed distance in milliseconds from the previous value; setting the same value
// again reports nothing. All values are local date-times.
//
// The editor's date format is the host's (getDateFormat()), "yyyy-MM-dd" without a host or answer. Before
// setInitDateTime() the editor holds its own default value while the grid shows today. The look of the navigation
// buttons and labels comes from the application's style sheet through the boolean properties "TitleFrame", "BottomLab",
// "IcoLeft", "IcoRight", "dataLab", "CalendarFrame" and "WeekDayLab". Invalid date-times are ignored.
//
// Days with footage: setDayMarks() gives days a mark, drawn as a 12 x 2 pixel bar under the day number, green
// ("#00cf8b") for recordings and red ("#dc4d4d") for alarm recordings. The marks are DayMark bits: a day with both
// kinds shows the alarm colour, since an alarm is what the user is looking for; 0 and unknown bits mark nothing.
// The marks belong to their dates, so they stay across month changes and reappear when the user comes back;
// setDayMarks() replaces them all, and an empty map removes them. setTodayMarked(true) draws a one-pixel ring
// around today's cell ("#0f8bfd", or "#ebf3fa" while today is selected). Neither changes the value or emits
// anything, and with neither set the grid is drawn exactly as without them. Marked cells carry an accessible
// description ("Recordings", "Alarm recordings", "Today").
//
// The texts follow a language switch (QEvent::LanguageChange): weekday and month names, and the accessible names
// of the navigation buttons ("Previous year", ...) and of the editor. The title is the caller's and stays as set.
class ZCORVANEBASE_EXPORT CalendarWt : public ZWidget
{
    Q_OBJECT

public:
    // Kinds of day marks, combined as bits in setDayMarks().
    enum DayMark
    {
        DayMarkNone = 0,
        DayMarkRecording = 1,
        DayMarkAlarmRecording = 2,
    };

    explicit CalendarWt(QWidget* parent = nullptr);
    ~CalendarWt() override;

    void setTitle(const QString& title);
    // The range is the two values in either order.
    void setRange(const QDateTime& a, const QDateTime& b);
    // Shows dt without reporting it; only a value the range clamps is reported (as the clamped value).
    void setInitDateTime(const QDateTime& dt);
    // With the time: the host's date format followed by " hh:mm:ss"; without: the date format alone.
    void setUsingTime(bool usingTime);
    QDateTime getSelectDateTime() const;

    // Replaces the day marks: date -> DayMark bits.
    void setDayMarks(const QMap<QDate, int>& marks);
    QMap<QDate, int> dayMarks() const;
    void setTodayMarked(bool marked);
    bool isTodayMarked() const;

signals:
    void signalDateTimeChanged(const QDateTime& dateTime, qint64 msecs);
    // A day of the grid was clicked (after signalDateTimeChanged, if the value changed): a popup day picker closes
    // on it, while the arrows and the editor leave it open.
    void signalDayClicked(const QDate& date);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void slotCalendarChanged(const QDate& date);
    void slotDateTimeChanged(const QDateTime& dateTime);
    void slotYearAdd();
    void slotYearReduce();
    void slotMonthAdd();
    void slotMonthReduce();

private:
    void init();
    void initUI();
    void connectSignalsWithSlots();
    void updateDate(const QDate& date);
    void updateYearAndMonthLabel(const QDateTime& dateTime);
    void retranslate();
    static QString monthName(int month);

    Ui::CalendarWt* ui;
    QDateTime rangeStart;
    QDateTime rangeEnd;
    QDateTime lastValue; // the value last reported; null at first
    bool m_usingTime = true;
    int m_labelMonth = 0; // the month shown by "labmonth", 1 to 12; 0 before the first
};

} // namespace ZCORVANEBASE
