#pragma once

#include "frame/zcorvanebase_global.h"
#include "timeaxis/recordingstimeaxisbox_p.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QKeyEvent;
class QPainter;

namespace ZCORVANEBASE {

class ChannelRecordingTimeAxisWt;
class RecordingsTimeAxisBox;
class TimeAxisWt;

// Keyboard operation of the ruler, made by TimeAxisWt::setKeyboardNavigationEnabled(true) and deleted when it is
// turned off. It watches the ruler's key and focus events; the ruler takes the keyboard focus (Tab and click) only
// while it exists, and keeps its focus policy of before when it goes.
//
// Left/Right pan by one minor tick (a quarter of the label step), Page Up/Page Down by one label step, Home/End go to
// the start/end of the day; all of them clamp to the day as a drag does and announce the new span with
// signalBeginTimeAndDegreeChanged. A key that cannot move the span (the whole day is shown, or the span already
// touches that end of the day) announces nothing. Plus (also "=", the same key unshifted) and minus zoom through the
// wheel's rule, about the moment in the middle of the visible span. While the ruler has the focus these keys are its
// own even where the host made them shortcuts, and a frame ("#4da3ff") shows around the tick strip.
class ZCORVANEBASE_PRIVATE_EXPORT TimeAxisKeyboardNavigator : public QObject
{
    Q_OBJECT

public:
    explicit TimeAxisKeyboardNavigator(TimeAxisWt* ruler);
    ~TimeAxisKeyboardNavigator() override;

    // Draws the focus frame on the tick strip while the ruler has the keyboard focus.
    void paintFocusFrame(QPainter& painter, const QRect& rect) const;

    // Pans the ruler (kept inside the day, announced as a pan) so that a moment outside its span stands in the middle.
    static void bringIntoView(TimeAxisWt* ruler, const QDateTime& moment);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void handleKey(const QKeyEvent* event);
    void panTo(const QDateTime& begin);

    TimeAxisWt* ruler;
    Qt::FocusPolicy previousFocusPolicy;
};

// The frame around the row that has the keyboard focus in the box: a ring two pixels wide drawn over the row's edges
// (and the one-pixel spacing around it), masked to the ring so the row beneath repaints as it always does and mouse
// events pass through.
class ZCORVANEBASE_PRIVATE_EXPORT RowFocusFrame : public QWidget
{
    Q_OBJECT

public:
    explicit RowFocusFrame(QWidget* parent);
    void setRowRect(const QRect& rowRect);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Keyboard operation of the box, made by RecordingsTimeAxisBox::setKeyboardNavigationEnabled(true) and deleted when
// it is turned off. The box becomes one focus stop (its check boxes and bars give up their own focus while it
// exists and get their policies back afterwards) with a focus row, framed while the box has the focus.
//
// Up/Down move the focus row; a click on a row makes it the focus row. Space toggles the row's check box as a click
// does (clicked(bool), then signalAllChannelRecordingTimeAxisCheckState). The seeks go through the row's normal seek,
// so the host sees signalAppointPlaybackTime:
// - Ctrl+Left/Right: the begin of the previous/next recording, Alt+Left/Right: of the previous/next alarm recording,
//   P/N: the moment of the previous/next label mark, Shift+B/B: the begin of the previous/next bookmark.
// - "Next" is the first one after the play position. "Previous" is the last one more than 3 seconds before it, so
//   that a press while a recording plays goes back to its begin, and a second press soon after to the one before.
// - A row that does not play counts from the edges of the visible span: next from its begin on, previous from its
//   end back.
// - Nothing to go to (or a mark or bookmark outside every recording): nothing happens.
// - A seek to a moment outside the visible span pans the box's ruler to show it (the cursor would be hidden).
// While the box has the focus these keys are its own even where the host made them shortcuts. In a scroll area the
// focus row is scrolled into view.
class ZCORVANEBASE_PRIVATE_EXPORT RecordingsBoxKeyboardNavigator : public QObject
{
    Q_OBJECT

public:
    explicit RecordingsBoxKeyboardNavigator(RecordingsTimeAxisBox* box);
    ~RecordingsBoxKeyboardNavigator() override;

    int focusRow() const { return m_focusRow; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Target
    {
        Recording,
        AlarmRecording,
        LabelMark,
        Bookmark
    };

    bool handleKey(const QKeyEvent* event);
    bool isHandledKey(const QKeyEvent* event) const;
    void setFocusRow(int row);
    void placeFrame();
    int rowOf(QObject* child) const;
    void seek(Target target, bool forward);
    const QMap<int, RecordingsTimeAxisBox::Private::Row>& rows() const;

    RecordingsTimeAxisBox* box;
    RowFocusFrame* frame;
    int m_focusRow;
    Qt::FocusPolicy previousFocusPolicy;
    QHash<QWidget*, Qt::FocusPolicy> previousChildPolicies;
};

} // namespace ZCORVANEBASE
