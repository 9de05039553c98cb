#pragma once

#include "frame/zwidget.h"
#include "timeaxis/timeaxismodel.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QPoint>

class QLabel;

namespace ZCORVANEBASE {
class TimeAxisKeyboardNavigator;
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
//
// Keyboard operation is off by default; setKeyboardNavigationEnabled(true) lets the ruler take the focus and pan and
// zoom from the keys (see TimeAxisKeyboardNavigator in timeaxiskeyboard_p.h: Left/Right a minor tick, Page Up/Page
// Down a label step, Home/End the ends of the day, plus/minus zoom about the middle of the view; a key that cannot
// move the span announces nothing). Screen readers see the ruler as a scroll bar over the day whose value text is the
// visible span. The labels follow a language switch; the time texts they show are kept.
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

    // Keyboard operation (off by default: no focus, no key handling).
    void setKeyboardNavigationEnabled(bool enabled);
    bool isKeyboardNavigationEnabled() const;

signals:
    void signalMinTimePosX(int posX);
    void signalMaxTimePosX(int posX);
    void signalBeginTimeAndDegreeChanged(TimeAxisDegree degree, const QDateTime& datetime);
    void signalBatchAppointPlaybackTime(const QDateTime& datetime);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

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

    // Keyboard operation, screen readers and language change.
    friend class TimeAxisKeyboardNavigator;
    friend class RulerAccessible;
    // The begin a pan to newBegin ends at: kept inside the day (the start first, then the end).
    QDateTime clampedPanBegin(const QDateTime& newBegin) const;
    // Takes a panned begin: relabels and announces it.
    void applyPanBegin(const QDateTime& newBegin);
    void retranslate();
    TimeAxisKeyboardNavigator* m_keyboardNavigator; // null while keyboard operation is off
    QElapsedTimer m_accessibleValueClock; // when the last value-change event went to screen readers
};

} // namespace ZCORVANEBASE
