#pragma once

#include "frame/zcorvanebase_global.h"
#include "timeaxis/recordingtrack_p.h"
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
class ThumbnailPreview;
class BookmarkBands;

// One row of the playback time axis, made and driven by the box: it paints its playback track (RecordingTrack: the
// recordings over the visible span, green, red for alarm recordings) with the play cursor and the label marks on it,
// seeks on a click and relays the track's signals. The waiting animation shows while the row's search runs.
class ZCORVANEBASE_PRIVATE_EXPORT ChannelRecordingTimeAxisWt : public QWidget
{
    Q_OBJECT

public:
    explicit ChannelRecordingTimeAxisWt(bool downloadEnabled, QWidget* parent = nullptr);
    ~ChannelRecordingTimeAxisWt() override;

    // Playback: the track's (see RecordingTrack), which the box and the helpers read through track().
    const RecordingTrack& track() const { return m_track; }
    void startSearch(const QString& searchKey, const RecordingSearchInfo& info);
    void setPlaybackIndex(int index);
    void setRecordingsTimeInfo(
        const QVector<RecordingTimeInfo>& recordings, bool playbackByTimeEnable, bool autoAppoint);
    void updatePlaybackTime(const QDateTime& datetime);
    bool appointPlaybackTime(const QDateTime& datetime);
    bool appointPlaybackTime(float percent);
    void resetRecordingInfo();
    void getDatetimePercentInFile();
    QPair<QDateTime, QDateTime> amendDateTimeRange(const QDateTime& begin, unsigned int secs);
    bool hasNoneRecordings();
    bool hasPlaybackTime();
    const RecordingSearchInfo& getRecordingSearchInfo();
    const QDateTime& getPlaybackDatetime() const { return m_track.playbackDatetime(); }

    // The view: the visible span and the mapping between x and time on the bar's width.
    void setBeginTimeAndDegree(TimeAxisDegree degree, const QDateTime& begin);
    const QDateTime& viewBegin() const { return beginDatetime; }
    int viewDegree() const { return degree; }
    QDateTime getDatetimeAtPos(const QPoint& pos);
    qint64 posXOf(const QDateTime& datetime) const;
    // The same for a moment in milliseconds since the epoch, without converting the view's begin again.
    qint64 posXOfEpochMSecs(qint64 msecs);
    qint64 viewBeginEpochMSecs();
    bool canAddRecordingLabelAtPos(const QPoint& pos);
    void setWaitingVisible(bool visible);
    // What the strip paints in column x: no recording, a recording or an alarm recording.
    RecordingTrack::RecordingKind paintedKindAt(int x);
    // The row's title, which screen readers name the bar with.
    void setTitle(const QString& title);
    const QString& title() const { return m_title; }

    QWidget* strip() const { return recordingsWt; }
    ProgressCursorWt* cursor() const { return progressCursor; }
    // The label marks' widgets, in the order of the track's marks.
    const QList<RecordingLabelWt*>& labelMarks() const { return recordingLabels; }

    // Opt-in features, each off by default (then nothing of them exists and the bar paints and signals as without
    // them): a span selected for download (rangeselection_p.h), short recordings painted at a minimum width with
    // alarm winning (RecordingTimeIndex::paintRunsWidened), crowded label marks shown as one with a count
    // (labelclusters_p.h) and a read-out of the moment under the pointer (hoverreadout_p.h).
    void setRangeSelectionEnabled(bool enabled);
    void setMinimumIntervalWidth(int pixels);
    void setLabelClusteringEnabled(bool enabled);
    void setHoverReadoutEnabled(bool enabled);
    RangeSelection* rangeSelection() const { return m_rangeSelection; }
    LabelClusters* labelClusters() const { return m_labelClusters; }
    HoverReadout* hoverReadout() const { return m_hoverReadout; }

    // The second round, each also absent until used: the host's activity shaded along the top edge (kept by the
    // track, drawn from a second row of pixels), preview pictures of the moment under the pointer
    // (thumbnailpreview_p.h) and the host's bookmarks as bands along the bottom edge (bookmarkbands_p.h, made while
    // the track holds bookmarks).
    void setActivity(const QVector<ActivitySample>& samples);
    void setBookmarks(const QVector<Bookmark>& bookmarks);
    void setThumbnailPreviewEnabled(bool enabled);
    void setThumbnail(const QDateTime& moment, const QImage& image);
    ThumbnailPreview* thumbnailPreview() const { return m_thumbnailPreview; }
    BookmarkBands* bookmarkBands() const { return m_bookmarkBands; }

signals:
    void signalAppointPlaybackTime(
        const QString& channelId, int playbackIndex, int recordingLocation, const QDateTime& datetime);
    void signalRecordingLabelsEnabled(const QStringList& labels, bool enabled);
    void signalDatetimePercentInFile(int playbackIndex, float percent);
    void signalPlaybackToRecordingsTimeAxisEnd(int playbackIndex);
    void signalDownloadByTimeRangeBtClicked(QWidget* channelRecordingTimeAxisWt, const QDateTime& datetime);
    // A span selected with Shift+drag, snapped to the recorded part (see RangeSelection).
    void signalDownloadRangeSelected(QWidget* channelRecordingTimeAxisWt, const QDateTime& begin, const QDateTime& end);
    void signalThumbnailRequested(QWidget* channelRecordingTimeAxisWt, const QDateTime& moment);
    void signalBookmarkClicked(QWidget* channelRecordingTimeAxisWt, const QString& id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    // The host's label store reaches these by name (the library connects none of them).
    void slotAddRecordingLabelToLocalDB(const LocalRecordingLabelInfo& info, int result);
    void slotDeleteRecordingLabelFromLocalDB(const QString& name);
    void slotUpdateRecordingLabelNameInLocalDB(const QString& oldName, const QString& newName);
    void slotDownloadByTimeRangeBtClicked(const QDateTime& datetime);

private:
    void init(bool downloadEnabled);
    void connectSignalsWithSlots();
    void paintRecordings(const QRect& dirty);
    // Makes m_paintRow the row of the current span, width and recordings; false when the strip shows none.
    bool updatePaintRow();
    // Makes m_activityRow the top rows' row: m_paintRow (or the background) with the activity band over it; false
    // without activity. Call it right after updatePaintRow(), whose runs it shades.
    bool updateActivityRow(bool recorded);
    void activityChanged();
    void bookmarksChanged();
    // The strip and the cursor report moves without a button while a helper follows the pointer.
    void updatePointerTracking();
    void setWaitingAnimationRunning(bool running);
    void placeCursor(const QDateTime& datetime);
    void placeRecordingLabel(RecordingLabelWt* label, const QDateTime& datetime);
    void placeAllRecordingLabels();
    void updateLabelClusters();
    void addLabelMarkWidget(int index);
    void removeLabelMarkWidget(int index);
    void renameLabelMarkWidget(int index);
    void dropLabelMarkWidgets(const QStringList& names);
    void recordingsChanged();
    void retranslate();

    QLabel* waitingLabel;
    QWidget* recordingsWt;
    ProgressCursorWt* progressCursor;
    RecordingTrack m_track;
    QList<RecordingLabelWt*> recordingLabels;
    int degree;
    QDateTime beginDatetime;
    QString m_title;

    QMovie* m_waitingMovie; // null until waitingLabel is first shown
    // One row of the strip's pixels (all rows are alike), its runs and the span it was made for; null until the
    // first paint and after the recordings change.
    QImage m_paintRow;
    QVector<RecordingPaintRun> m_paintRuns;
    qint64 m_paintRowBegin;
    int m_paintRowDegree;
    int m_paintRowMinimumWidth;
    QDateTime m_paintRowBeginDatetime; // beginDatetime as m_paintRowBegin was taken from it
    QElapsedTimer m_accessibleValueClock; // when the last value-change event went to screen readers

    RangeSelection* m_rangeSelection;
    LabelClusters* m_labelClusters;
    HoverReadout* m_hoverReadout;
    int m_minimumIntervalWidth;

    // The top rows with the activity band, for the span, width and degree it was made for; stale whenever the
    // activity or m_paintRow changes.
    QImage m_activityRow;
    bool m_activityRowStale;
    QVector<quint8> m_activityLevels; // a level per column, kept to make the row without allocating
    QDateTime m_activityRowBeginDatetime;
    int m_activityRowDegree;
    ThumbnailPreview* m_thumbnailPreview;
    BookmarkBands* m_bookmarkBands;
};

} // namespace ZCORVANEBASE
