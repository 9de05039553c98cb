#pragma once

#include "frame/zwidget.h"

#include <QDateTime>

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
class ZCORVANEBASE_EXPORT CalendarWt : public ZWidget
{
    Q_OBJECT

public:
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

signals:
    void signalDateTimeChanged(const QDateTime& dateTime, qint64 msecs);

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

    Ui::CalendarWt* ui;
    QDateTime rangeStart;
    QDateTime rangeEnd;
    QDateTime lastValue; // the value last reported; null at first
};

} // namespace ZCORVANEBASE
