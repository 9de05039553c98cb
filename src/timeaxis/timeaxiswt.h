#pragma once

#include "frame/zwidget.h"
#include "timeaxis/timeaxismodel.h"

#include <QDateTime>
#include <QList>
#include <QPoint>

class QLabel;

namespace ZCORVANEBASE {
namespace Ui {
class TimeAxisWt;
}

// The ruler above the channel bars of the playback view: 13 time labels spread evenly over the visible part of one
// day, with tick marks under them. It owns the visible span (begin and degree) of the whole time axis and announces
// every change with signalBeginTimeAndDegreeChanged. The wheel zooms about the moment under the pointer, a drag pans
// (not while the whole day is shown), a click picks a moment for all checked channels (signalBatchAppointPlaybackTime).
//
// The stretch between the centres of the first and the last label maps to the visible span; the host aligns the bars
// with it from signalMinTimePosX/signalMaxTimePosX. Until the strip has been laid out once, clicks, drags and wheel
// turns do nothing. A moment or day that is not a valid date-time is ignored and leaves the ruler as it was; so is a
// degree other than 1, 3, 6, 12 or 24.
class ZCORVANEBASE_EXPORT TimeAxisWt : public ZWidget
{
    Q_OBJECT

public:
    explicit TimeAxisWt(QWidget* parent = nullptr);
    ~TimeAxisWt() override;

    void updateTimeAxisDegreeAtFixedDatetime(TimeAxisDegree degree, const QDateTime& fixedDatetime);
    void setMinBeginDatetime(const QDateTime& datetime);
    const QDateTime& getBeginDatetime() const;
    const QDateTime& getFixedDatetime() const;

signals:
    void signalMinTimePosX(int posX);
    void signalMaxTimePosX(int posX);
    void signalBeginTimeAndDegreeChanged(TimeAxisDegree degree, const QDateTime& datetime);
    void signalBatchAppointPlaybackTime(const QDateTime& datetime);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void slotZoomInTimeAxis(const QDateTime& fixedDatetime);
    void slotZoomOutTimeAxis(const QDateTime& fixedDatetime);

private:
    void init();
    QDateTime getDatetimeAtPos(const QPoint& pos);
    void updateTimeLabels();
    void paintTicks();
    void updateTimePosX();

    Ui::TimeAxisWt* ui;
    QList<QLabel*> timeLabels;
    int degree;
    QDateTime beginDatetime;
    QDateTime minBeginDatetime;
    QDateTime maxEndDatetime;
    QDateTime fixedDatetime;
    int minTimePosX;
    int maxTimePosX;
    bool isDragging;
    bool isPressed;
    QPoint pressPos;
};

} // namespace ZCORVANEBASE
