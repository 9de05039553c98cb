#pragma once

#include <ZCorvaneBase/frame/zwidget.h>
#include <ZCorvaneBase/timeaxis/timeaxismodel.h>

#include <QDateTime>
#include <QPoint>

#include <memory>

namespace ZCORVANEBASE {

// The ruler above the channel bars of the playback view: 13 time labels spread evenly over the visible part of one
// day, with ticks under them. It owns the visible span (begin and degree) of the whole time axis and announces every
// change of it, which the box (RecordingsTimeAxisBox::setTimeAxisWt) hands on to its bars. The wheel zooms about the
// moment under the pointer, a drag pans (not while the whole day shows), a click plays every checked row from the
// moment picked. The host owns the ruler and places it above the box.
class ZCORVANEBASE_EXPORT TimeAxisWt : public ZWidget
{
    Q_OBJECT

public:
    class Private; // the ruler's state, which the library's own helpers share (internal)

    explicit TimeAxisWt(QWidget* parent = nullptr);
    ~TimeAxisWt() override;

    // Zooms to degree (1, 3, 6, 12 or 24 hours) so that fixedDatetime keeps its fraction of the day on screen.
    void updateTimeAxisDegreeAtFixedDatetime(TimeAxisDegree degree, const QDateTime& fixedDatetime);
    // Shows the day that starts at datetime (its 00:00), whole.
    void setMinBeginDatetime(const QDateTime& datetime);
    const QDateTime& getBeginDatetime() const;
    // The moment the last zoom was made about; the box zooms about it on timeAxisZoomCtrl(ZoomMode).
    const QDateTime& getFixedDatetime() const;

    // Keyboard operation, off by default: the ruler then takes no focus and handles no key (see docs/timeaxis.md).
    void setKeyboardNavigationEnabled(bool enabled);
    bool isKeyboardNavigationEnabled() const;

signals:
    // The x of the first and the last label's centre in the ruler's coordinates, on every resize: the ends of the
    // stretch that stands for the visible span, which the bars must span (the host sizes the box's check-box column
    // and right margin from them).
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

    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
