#pragma once

#include "frame/zcorvanebase_global.h"
#include "timeaxis/recordingtimeindex_p.h"
#include "timeaxis/timeaxismodel.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QImage>
#include <QList>
#include <QPair>
#include <QVector>
#include <QWidget>

class QLabel;
class QMovie;
class QPainter;

namespace ZCORVANEBASE {

class ProgressCursorWt;
class RecordingLabelWt;
class RangeSelection;
class LabelClusters;
class HoverReadout;

// One row of the playback time axis: the recordings of the channel shown in one playback window, painted over the
// visible span (green, red for alarm recordings), with the play cursor and the label marks. A click seeks, progress
// reports move the cursor, gaps between recordings are skipped (a report less than 2 s before a recording counts as
// inside it) and playback past the last recording is reported once per report. Only the box creates and drives bars.
//
// Choices where the behaviour was open:
// - Recordings that are not in ascending order of begin, carry an invalid date-time or end before they begin are
//   refused as a whole; the bar keeps what it had. An empty vector is a search without results and is taken.
// - The percent in the file is 0.0 for a recording whose begin equals its end; no percent is reported for a moment
//   that is not valid (such as the step that follows a finish: the end signal has said all there is to say).
// - A search without an end date-time ends where its last recording ends.
// - The waiting animation is loaded when waitingLabel is first shown and runs only while the label is visible;
//   hidden, it is paused where it stands.
// - Label marks whose moment is not valid are not counted when checking the 300-second distance.
// - Screen readers are told of a new play position (seek, progress, finish, reset) at most once a second per bar.
class ZCORVANEBASE_PRIVATE_EXPORT ChannelRecordingTimeAxisWt : public QWidget
{
    Q_OBJECT

public:
    explicit ChannelRecordingTimeAxisWt(bool downloadEnabled, QWidget* parent = nullptr);
    ~ChannelRecordingTimeAxisWt() override;

    void setBeginTimeAndDegree(TimeAxisDegree degree, const QDateTime& begin);
    void setPlaybackIndex(int index);
    void setRecordingsTimeInfo(
        const QVector<RecordingTimeInfo>& recordings, bool playbackByTimeEnable, bool autoAppoint);
    void updatePlaybackTime(const QDateTime& datetime);
    bool appointPlaybackTime(const QDateTime& datetime);
    bool appointPlaybackTime(float percent);
    void resetRecordingInfo();
    void setWaitingVisible(bool visible);
    QDateTime getDatetimeAtPos(const QPoint& pos);
    bool canAddRecordingLabelAtPos(const QPoint& pos);
    bool hasNoneRecordings();
    bool hasPlaybackTime();
    const RecordingSearchInfo& getRecordingSearchInfo();
    void getDatetimePercentInFile();
    QPair<QDateTime, QDateTime> amendDateTimeRange(const QDateTime& begin, unsigned int secs);

    // For the box and for tests: the moment playback stands at and the names of the label marks in added order.
    const QDateTime& getPlaybackDatetime() const { return playbackDatetime; }
    QStringList recordingLabelNames() const;

signals:
    void signalAppointPlaybackTime(
        const QString& channelId, int playbackIndex, int recordingLocation, const QDateTime& datetime);
    void signalRecordingLabelsEnabled(const QStringList& labels, bool enabled);
    void signalDatetimePercentInFile(int playbackIndex, float percent);
    void signalPlaybackToRecordingsTimeAxisEnd(int playbackIndex);
    void signalDownloadByTimeRangeBtClicked(QWidget* channelRecordingTimeAxisWt, const QDateTime& datetime);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void slotAddRecordingLabelToLocalDB(const LocalRecordingLabelInfo& info, int result);
    void slotDeleteRecordingLabelFromLocalDB(const QString& name);
    void slotUpdateRecordingLabelNameInLocalDB(const QString& oldName, const QString& newName);
    void slotDownloadByTimeRangeBtClicked(const QDateTime& datetime);

private:
    friend class RecordingsTimeAxisBox;
    friend class RecordingsBoxKeyboardNavigator; // keyboard seeks read the recordings and the label marks
    friend class BarAccessible; // screen readers read the play position and the recording under it

    void init(bool downloadEnabled);
    void connectSignalsWithSlots();
    void paintRecordings(const QRect& dirty);
    void setWaitingAnimationRunning(bool running);
    void placeCursor(const QDateTime& datetime);
    void placeRecordingLabel(RecordingLabelWt* label, const QDateTime& datetime);
    void placeAllRecordingLabels();
    void checkPlaybackProgress();
    void emitDatetimePercentInFile(const QDateTime& datetime);
    void finishPlayback();
    bool isInFileDatetimeRange(const QDateTime& datetime) const;
    qint64 posXOf(const QDateTime& datetime) const;

    QLabel* waitingLabel;
    QWidget* recordingsWt;
    ProgressCursorWt* progressCursor;
    QString searchKey;
    RecordingSearchInfo searchInfo;
    bool playbackByTimeEnable;
    QVector<RecordingTimeInfo> recordings;
    QList<RecordingLabelWt*> recordingLabels;
    int degree;
    QDateTime beginDatetime;
    QDateTime playbackDatetime;
    QDateTime previousPlaybackDatetime;
    bool isAppointing;
    QPair<QDateTime, QDateTime> fileDatetimeRange;

    RecordingTimeIndex m_index;
    QMovie* m_waitingMovie; // null until waitingLabel is first shown
    // One row of the strip's pixels (all rows are alike) and the span it was made for; null until the first paint
    // and after the recordings change.
    QImage m_paintRow;
    qint64 m_paintRowBegin;
    int m_paintRowDegree;
    QElapsedTimer m_accessibleValueClock; // when the last value-change event went to screen readers

    // ---- Opt-in features, each off by default (then nothing of them exists and the bar paints and signals as
    // without them): a span selected for download (rangeselection_p.h), short recordings painted at a minimum width
    // with alarm winning (RecordingTimeIndex::paintRunsWidened), crowded label marks shown as one with a count
    // (labelclusters_p.h) and a read-out of the moment under the pointer (hoverreadout_p.h).
public:
    void setRangeSelectionEnabled(bool enabled);
    void setMinimumIntervalWidth(int pixels);
    void setLabelClusteringEnabled(bool enabled);
    void setHoverReadoutEnabled(bool enabled);
    RangeSelection* rangeSelection() const { return m_rangeSelection; }
    LabelClusters* labelClusters() const { return m_labelClusters; }
    HoverReadout* hoverReadout() const { return m_hoverReadout; }
    QWidget* strip() const { return recordingsWt; }
    // What the strip shows in column x: 0 no recording, 1 a recording, 2 an alarm recording.
    int recordingKindAtX(int x);

signals:
    // A span selected with Shift+drag, snapped to the recorded part (see RangeSelection).
    void signalDownloadRangeSelected(QWidget* channelRecordingTimeAxisWt, const QDateTime& begin, const QDateTime& end);

private:
    friend class RangeSelection;
    friend class LabelClusters;
    friend class HoverReadout;

    // Makes m_paintRow the row of the current span, width and recordings; false when the strip shows none.
    bool updatePaintRow();
    void paintFeatures(QPainter& painter, const QRect& dirty);
    void updateLabelClusters();

    RangeSelection* m_rangeSelection = nullptr;
    LabelClusters* m_labelClusters = nullptr;
    HoverReadout* m_hoverReadout = nullptr;
    int m_minimumIntervalWidth = 0;
    int m_paintRowMinimumWidth = 0;
    QDateTime m_paintRowBeginDatetime; // beginDatetime as m_paintRowBegin was taken from it
};

} // namespace ZCORVANEBASE
