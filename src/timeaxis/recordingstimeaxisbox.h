#pragma once

#include <ZCorvaneBase/frame/hostworker.h>
#include <ZCorvaneBase/frame/zwidget.h>
#include <ZCorvaneBase/timeaxis/timeaxismodel.h>
#include <ZCorvaneBase/timeaxis/timeaxiswt.h>

#include <QImage>
#include <QList>
#include <QMap>
#include <QPair>
#include <QPixmap>
#include <QPoint>
#include <QStringList>
#include <QVector>

#include <memory>

namespace ZCORVANEBASE {

// The host's handle on the recording time axis below the ruler: one row per playback window, a check box titled
// with the window number or the channel name beside a bar of the channel's recordings. It routes the host's calls to
// the right row (by playback index, by channel or by pointer position), relays the rows' signals, passes zoom
// requests to the ruler and the ruler's span to every row, plays every checked row from a moment picked on the ruler
// and keeps the titles up to date through slots the host connects to its own notifications. The host owns the box;
// the rows are its children. Calls naming a row that does not exist are ignored (see docs/timeaxis.md).
class ZCORVANEBASE_EXPORT RecordingsTimeAxisBox : public ZWidget
{
    Q_OBJECT

public:
    class Private; // the box's state, which the library's own helpers share (internal)

    // channelCount rows (64 below 1); downloadEnabled shows the download button on each play cursor.
    explicit RecordingsTimeAxisBox(int channelCount = 64, bool downloadEnabled = false, QWidget* parent = nullptr);
    // For forms (uic creates widgets from their parent alone): 64 rows, download disabled.
    explicit RecordingsTimeAxisBox(QWidget* parent);
    ~RecordingsTimeAxisBox() override;

    // The ruler whose span the rows show (not owned); give it before the day is picked.
    void setTimeAxisWt(TimeAxisWt* timeAxisWt);
    // The check-box column's width and the right margin: a host that aligns the bars with the ruler itself sets them
    // from the ruler's signalMinTimePosX and signalMaxTimePosX.
    void setChannelCheckBoxWidth(int width);
    void setMarginRight(int margin);
    // On: the box sets both itself, so that every bar starts at the ruler's first time position and ends at its last
    // on the screen, and keeps them so through moves, resizes and layout changes of either (off by default; needs the
    // ruler of setTimeAxisWt).
    void setAlignedWithTimeAxis(bool aligned);
    bool isAlignedWithTimeAxis() const;
    void setChannelRecordingTimeAxisChecked(bool checked);

    // A search of row info.playbackIndex starts (the row is cleared, named and waits) or ends (the waiting stops);
    // results and notices with another key than the row's last start are dropped as stale.
    void setRecordingSearchInfo(RecordingSearchState state, const QString& searchKey, const RecordingSearchInfo& info);
    // The recordings of a row's search, in the order the recorder gave them. playbackByTimeEnable is kept for the
    // host; autoAppoint starts playback at once (at the search's begin, or the first recording of 3 s or more after
    // it).
    void setChannelRecordingsTimeInfo(const QVector<RecordingTimeInfo>& recordings, int playbackIndex,
        const QString& searchKey, bool playbackByTimeEnable, bool autoAppoint);
    // Back to the empty row with the default title.
    void recoverChannelRecordingTimeAxisInfo(int playbackIndex);
    void recorverAllChannelRecordingTimeAxisInfo();

    // Zoom in or out about the ruler's fixed moment, or about the moment under pos (box coordinates; false off every
    // bar).
    void timeAxisZoomCtrl(ZoomMode mode);
    bool timeAxisZoomCtrl(const QPoint& pos, ZoomMode mode);
    // Seeks the first row searching that channel and location; a moment outside every recording changes nothing.
    void appointPlaybackTime(const QString& channelId, int recordingLocation, const QDateTime& datetime);
    // Seeks a row to a fraction (0 to 1) of the recording it plays, not of the day.
    void appointPlaybackTime(int playbackIndex, float percent);
    // The player's progress: moves the cursor, skips gaps, reports the end of playback.
    void updatePlaybackTime(const QDateTime& datetime, int playbackIndex);
    // Makes the row emit signalDatetimePercentInFile for where it plays.
    void getDatetimePercentInFile(int playbackIndex);
    // The recorded part of [datetime, datetime + secs] on a row (see docs/timeaxis.md).
    QPair<QDateTime, QDateTime> amendDateTimeRange(int playbackIndex, const QDateTime& datetime, unsigned int secs);
    void swapRecordingTimeAxis(int from, int to);

    // Dragging a new label mark: a preview of pixmap above pos where a mark may go (pos in box coordinates).
    bool canAddRecordingLabelAtPos(const QPoint& pos, const QPixmap& pixmap);
    void hideAddingRecordingLabel();
    // The channel, location and moment of a mark dropped at pos; its name is the host's to give.
    LocalRecordingLabelInfo getRecordingLabelInfoAtPos(const QPoint& pos);
    bool isCursorInTimeAxis(const QPoint& pos);

    bool hasNoneRecordings();
    // The searches of the rows that have one: channel, location, playback index and search type (no date-times).
    QList<RecordingSearchInfo> getAllRecordingSearchInfos();
    RecordingSearchInfo getRecordingSearchInfo(int playbackIndex);
    QStringList getAllEnabledRecordingLabels();
    // The checked rows that play and those that do not.
    QPair<QList<int>, QList<int>> getCheckedChannelRecordingTimeAxis();
    QList<int> getCheckedAndExistReocordingsChannelRecordingTimeAxis();

    // Opt-in features, off by default, for every row at once (see docs/timeaxis.md).
    void setRangeSelectionEnabled(bool enabled);
    bool isRangeSelectionEnabled() const;
    void setMinimumIntervalWidth(int pixels);
    int minimumIntervalWidth() const;
    void setLabelClusteringEnabled(bool enabled);
    bool isLabelClusteringEnabled() const;
    void setHoverReadoutEnabled(bool enabled);
    bool isHoverReadoutEnabled() const;
    void setKeyboardNavigationEnabled(bool enabled);
    bool isKeyboardNavigationEnabled() const;

    // The host's activity of a row's channel, shaded along the top of its bar (an empty vector clears it; a new
    // search does too). Invalid samples are dropped with a warning.
    void setChannelActivity(int playbackIndex, const QVector<ActivitySample>& samples);
    // Preview pictures: hovering a recorded moment asks the host with signalThumbnailRequested, and the host answers
    // with setThumbnail (answers while the previews are off are dropped).
    void setThumbnailPreviewEnabled(bool enabled);
    bool isThumbnailPreviewEnabled() const;
    void setThumbnail(int playbackIndex, const QDateTime& moment, const QImage& image);
    // A row's bookmarks, drawn along the bottom of its bar (an empty vector clears them; a new search does too).
    void setBookmarks(int playbackIndex, const QVector<Bookmark>& bookmarks);

signals:
    void signalAllChannelRecordingTimeAxisCheckState(Qt::CheckState state);
    void signalZoomInTimeAxis(const QDateTime& datetime);
    void signalZoomOutTimeAxis(const QDateTime& datetime);
    void signalAppointPlaybackTime(
        const QString& channelId, int playbackIndex, int recordingLocation, const QDateTime& datetime);
    void signalRecordingLabelsEnabled(const QStringList& labels, bool enabled);
    void signalDatetimePercentInFile(int playbackIndex, float percent);
    void signalPlaybackToRecordingsTimeAxisEnd(int playbackIndex);
    void signalDownloadByTimeRangeBtClicked(int playbackIndex, const QDateTime& datetime);
    void signalDownloadRangeSelected(int playbackIndex, const QDateTime& begin, const QDateTime& end);
    void signalThumbnailRequested(int playbackIndex, const QDateTime& moment);
    void signalBookmarkClicked(int playbackIndex, const QString& id);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void slotBeginTimeAndDegreeChanged(TimeAxisDegree degree, const QDateTime& datetime);
    void slotChannelRecordingTimeAxisCheckBxClicked(bool checked);
    void slotBatchAppointPlaybackTime(const QDateTime& datetime);
    void slotDownloadByTimeRangeBtClicked(QWidget* channelRecordingTimeAxisWt, const QDateTime& datetime);
    // The host connects these to its own notifications, by name (the library connects none of them).
    void slotDeleteChannelsFromGroupInLocalDB(const QStringList& channelIds, bool success);
    void slotDeleteSceneChannelsSuccess(const QString& sceneId, const QStringList& channelIdList);
    void slotUpdateGroupChannelsInLocalDB(const QMap<QString, QString>& channelNames, bool success);
    void slotModifyCloudDevChannelNameSuccess(const QString& devSn, int channelIndex, const QString& newName);
    void slotDeleteLocalDevs(const QStringList& devIds, bool success);
    void slotDeleteCloudDevsSuccess(const QStringList& devSnList);
    void slotUpdateLocalDevs(const QList<vms_sdk::DevInfo>& devsInfo, bool success);
    void slotUpdateDevChannels(const QString& devId, const QList<vms_sdk::DevChannelInfo>& channelsInfo);

private:
    void init(bool downloadEnabled);
    void createRecordingsTimeAxis(bool downloadEnabled);
    void connectSignalsWithSlots();

    std::unique_ptr<Private> d;
};

} // namespace ZCORVANEBASE
