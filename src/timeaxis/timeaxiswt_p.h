#pragma once

#include "timeaxis/timeaxiswt.h"

#include <QElapsedTimer>
#include <QList>

class QLabel;

namespace ZCORVANEBASE {

class RecordingsTimeAxisBox;
class TimeAxisKeyboardNavigator;
namespace Ui {
class TimeAxisWt;
}

// The ruler's state, and what the library's own helpers (the keyboard navigator, the screen-reader interface, the
// box) do with it beyond the public API.
class TimeAxisWt::Private
{
public:
    explicit Private(TimeAxisWt* q);
    ~Private();

    static Private* get(TimeAxisWt* ruler) { return ruler->d.get(); }
    static const Private* get(const TimeAxisWt* ruler) { return ruler->d.get(); }

    QWidget* strip() const;
    // The begin a pan to newBegin ends at: kept inside the day (the start first, then the end).
    QDateTime clampedPanBegin(const QDateTime& newBegin) const;
    // Takes a panned begin: relabels and announces it.
    void applyPanBegin(const QDateTime& newBegin);
    void zoomIn(const QDateTime& fixedDatetime) { q->slotZoomInTimeAxis(fixedDatetime); }
    void zoomOut(const QDateTime& fixedDatetime) { q->slotZoomOutTimeAxis(fixedDatetime); }
    // The box's zoom requests reach the ruler's zoom slots.
    void connectZoomRequests(RecordingsTimeAxisBox* box);
    void updateTimeLabels();
    void paintTicks();
    void updateTimePosX();
    void retranslate();

    TimeAxisWt* const q;
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
    TimeAxisKeyboardNavigator* keyboardNavigator; // null while keyboard operation is off
    QElapsedTimer accessibleValueClock; // when the last value-change event went to screen readers
};

} // namespace ZCORVANEBASE
