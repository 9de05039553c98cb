#pragma once

#include "frame/zcorvanebase_global.h"

#include <QDate>
#include <QLabel>
#include <QMap>
#include <QString>
#include <QWidget>

namespace ZCORVANEBASE {

namespace Ui {
class CalendarMonthWidget;
}

// The colours of the day grid that other parts of the date pickers share: the cells' background (also the span
// selector's, around its calendars), the selection's blue and the text of the shown month's days.
inline const char* const dayGridBackground = "#1e293d";
inline const char* const daySelectionColor = "#0f8bfd";
inline const char* const dayTextColor = "#ebf3fa";

// One cell of the day grid.
struct DayCell
{
    QLabel* label = nullptr;
    QDate date;
    bool inMonth = false; // the date belongs to the month shown
};

class CalendarMonthWidget;

// A day cell: a plain label that lets its grid draw the day's mark and today's ring over it. Without either it
// paints exactly as a QLabel.
class ZCORVANEBASE_PRIVATE_EXPORT DayLabel : public QLabel
{
    Q_OBJECT

public:
    DayLabel(int index, CalendarMonthWidget* grid);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int index;
    CalendarMonthWidget* grid;
};

// The six-week day grid of CalendarWt: 42 labels "label_1" ... "label_42", weeks starting on Sunday, days of the
// neighbouring months in grey and days outside the selectable range darker still. Hover and clicks are handled on the
// labels through this widget's event filter; days outside the range ignore both. A click reports the day with
// signalDaySelected(); selectDate() selects without reporting and without checking the range.
class ZCORVANEBASE_PRIVATE_EXPORT CalendarMonthWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int cellCount = 42;

    explicit CalendarMonthWidget(QWidget* parent = nullptr);
    ~CalendarMonthWidget() override;

    void showMonth(int year, int month);
    void selectDate(const QDate& date);
    QDate selectedDate() const;
    // Both null: every date is in range. Ignored when start lies after end.
    void setDateRange(const QDate& start, const QDate& end);
    bool isInRange(const QDate& date) const;
    void refreshCells();
    // Day marks (CalendarWt::DayMark bits) by date; they stay with their dates across month changes.
    void setDayMarks(const QMap<QDate, int>& marks);
    const QMap<QDate, int>& dayMarks() const { return marks; }
    void setTodayMarked(bool marked);
    bool isTodayMarked() const { return todayMarked; }
    // The accessible descriptions of the marked cells, after a language change or new marks.
    void describeMarks();
    // Draws the mark and today's ring of cell `index` on its label, after the label has drawn itself.
    void paintDecoration(QLabel* label, int index) const;

signals:
    void signalDaySelected(const QDate& date);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void init();
    int cellIndex(const QDate& date) const;
    int cellIndex(const QObject* label) const;
    // The month text for days of the shown month, the neighbour text for the others.
    const QString& monthOrNeighbourText(const DayCell& cell) const;

    Ui::CalendarMonthWidget* ui;
    int selectedIndex;
    DayCell cells[cellCount];
    QString normalBackground;
    QString hoverBackground;
    QString selectedBackground;
    QString monthText;
    QString neighbourText;
    QString outOfRangeText;
    QDate rangeStart;
    QDate rangeEnd;
    QMap<QDate, int> marks;
    bool todayMarked = false;
};

} // namespace ZCORVANEBASE
