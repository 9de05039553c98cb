#pragma once

#include "frame/zlineedit.h"

#include <QDateTime>
#include <QPair>

QT_BEGIN_NAMESPACE
class QAction;
QT_END_NAMESPACE

namespace ZCORVANEBASE {

// A line edit that shows a start/end pair as one line, for example "03-05 00:00 To 03-05 23:59", with a calendar icon
// at its right end. A click on the text or on the icon emits signalClicked(); the host then opens its picker and
// writes the result back with setDateTimeSpace(). The text is only a display: typing into the edit never changes the
// stored pair. The pair is stored as given, in any order, and starts as today 00:00:00 to today 23:59:59 (local time).
//
// The calendar icons ":/images/images/ico_calendar_n.png" and ":/images/images/ico_calendar_h.png" belong to the
// host application, which registers them in its own resources. An invalid date-time leaves the pair unchanged.
//
// On a language switch the text is written again from the stored pair (" To " translated; anything typed is
// replaced). The edit's accessible name is "Time span" and the icon's action reads "Choose time span", both
// translated.
class ZCORVANEBASE_EXPORT TimeSpaceLineEt : public ZLineEdit
{
    Q_OBJECT

public:
    explicit TimeSpaceLineEt(QWidget* parent = nullptr);
    ~TimeSpaceLineEt() override;

    void setDateTimeSpace(const QDateTime& start, const QDateTime& end);
    QPair<QDateTime, QDateTime> getDateTimeSpace() const;
    QDateTime getStartTime() const;
    QDateTime getEndTime() const;
    // Without the year a part reads "MM-dd hh:mm"; without the time the date keeps a trailing blank.
    void setUsingYearInTimeSpaceDescription(bool use);
    void setUsingTimeInTimeSpaceDescription(bool use);

signals:
    void signalClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void init();
    void retranslate();
    QString describe(const QDateTime& dateTime) const;

    QAction* calendarAction;
    QDateTime startTime;
    QDateTime endTime;
    bool useYear;
    bool useTime;
};

} // namespace ZCORVANEBASE
