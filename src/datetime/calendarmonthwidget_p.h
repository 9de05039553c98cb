#pragma once

#include "frame/zcorvanebase_global.h"

#include <QDate>
#include <QString>
#include <QWidget>

QT_BEGIN_NAMESPACE
class QLabel;
QT_END_NAMESPACE

namespace ZCORVANEBASE {

namespace Ui {
class CalendarMonthWidget;
}

// One cell of the day grid.
struct DayCell
{
    QLabel* label = nullptr;
    QDate date;
    bool inMonth = false; // the date belongs to the month shown
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
};

} // namespace ZCORVANEBASE
