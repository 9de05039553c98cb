#pragma once

#include "frame/zcorvanebase_global.h"

#include <QDateTime>
#include <QObject>
#include <QPair>
#include <QStaticText>

class QPainter;
class QRect;
class QWidget;

namespace ZCORVANEBASE {

class ChannelRecordingTimeAxisWt;

// Selecting a span of a channel bar for download, made by ChannelRecordingTimeAxisWt::setRangeSelectionEnabled(true)
// and deleted when it is turned off. It watches the bar's strip (mouse) and the bar and its box (Escape).
//
// Shift+press and drag marks a span; it is snapped to the recorded part of it (the bar's amendDateTimeRange) while
// the pointer moves and drawn as a translucent band with a handle at each end and its duration. Releasing emits
// the bar's signalDownloadRangeSelected(bar, begin, end) with the snapped span and keeps the band. A press on a
// handle (Shift or not) drags that end and emits again on release; any other press without Shift seeks as it always
// did, and the band stays. Escape removes the bands of every bar of the box. The band keeps its moments, so zooming
// and panning move it with the recordings; the bar clears it with its recordings.
class ZCORVANEBASE_PRIVATE_EXPORT RangeSelection : public QObject
{
    Q_OBJECT

public:
    explicit RangeSelection(ChannelRecordingTimeAxisWt* bar);
    ~RangeSelection() override;

    bool hasSelection() const { return m_begin.isValid() && m_end.isValid(); }
    // The snapped span shown (and last emitted), or two invalid date-times.
    QPair<QDateTime, QDateTime> selection() const;
    void clear();
    // Draws the band over the strip's pixels where they are repainted (dirty).
    void paint(QPainter& painter, int width, int height, const QRect& dirty) const;

signals:
    // A release (or a handle dragged) left a span with recordings in it: the snapped span.
    void selected(const QDateTime& begin, const QDateTime& end);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Drag
    {
        None,
        Creating,
        MovingEdge
    };

    bool mousePress(const QPoint& pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void dragTo(int x);
    void finish();
    int handleAt(int x) const; // 0 the begin's handle, 1 the end's, -1 none
    qint64 posXOf(qint64 msecs) const;
    bool clearAllInBox();

    ChannelRecordingTimeAxisWt* bar;
    // The bar's strip, kept from the start: the filter also hears the bar's last events while the bar is being
    // destroyed, when no member of the bar may be called any more.
    QWidget* const m_strip;
    Drag m_drag;
    QDateTime m_anchor; // the end of the span that stays while dragging
    QDateTime m_begin;
    QDateTime m_end;
    // The same in milliseconds since the epoch: a repaint (64 rows at every change of the span) places the band
    // without converting local date-times again.
    qint64 m_beginMSecs;
    qint64 m_endMSecs;
    bool m_recorded; // the span shown is the recorded part of what was dragged over
    mutable QStaticText m_text; // the duration, laid out once for the many repaints of a band
};

} // namespace ZCORVANEBASE
