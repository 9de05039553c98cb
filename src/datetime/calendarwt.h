#pragma once

#include <ZCorvaneBase/frame/zwidget.h>

#include <QDateTime>
#include <QMap>

#include <memory>

namespace ZCORVANEBASE {

// The library's date-and-time picker: a title, year and month navigation, the weekday names, a six-week day grid
// (weeks start on Sunday) and a date-time editor, optionally limited to a range, reporting every change of its local
// date-time value. Owned by its parent like any widget; DatetimeSpanSelWt uses two.
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
    void setRange(const QDateTime& a, const QDateTime& b); // the two values in either order
    // Shows dt without reporting it; only a value the range clamps is reported (as the clamped value).
    void setInitDateTime(const QDateTime& dt);
    // With the time: the host's date format followed by " hh:mm:ss"; without: the date format alone.
    void setUsingTime(bool usingTime);
    QDateTime getSelectDateTime() const;

    // Replaces the day marks: date -> DayMark bits, drawn as a bar under the day number.
    void setDayMarks(const QMap<QDate, int>& marks);
    QMap<QDate, int> dayMarks() const;
    void setTodayMarked(bool marked); // a ring around today's cell
    bool isTodayMarked() const;

signals:
    // The new value and the signed distance in milliseconds from the previous one.
    void signalDateTimeChanged(const QDateTime& dateTime, qint64 msecs);
    // A day of the grid was clicked (after signalDateTimeChanged, if the value changed).
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

    class Private;
    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
