#pragma once

#include "frame/zcorvanebase_global.h"
#include "timeaxis/activityindex_p.h"
#include "timeaxis/recordingtimeindex_p.h"
#include "timeaxis/timeaxismodel.h"

#include <QDateTime>
#include <QObject>
#include <QPair>
#include <QStringList>
#include <QVector>

namespace ZCORVANEBASE {

// One playback window's playback, without any widget: the search the window made, the recordings delivered for it,
// where playback stands, seeks, the player's progress reports, gap skips, the end of playback, the percent in the
// current file and the user's label marks on the channel. A bar (ChannelRecordingTimeAxisWt) owns one, paints it and
// relays its signals to the box; the box, the keyboard navigator, the screen-reader interfaces and the bar's helpers
// read it through the const API.
//
// The recordings are kept whole, in the order delivered. Those with an invalid date-time or an end before their
// begin contain no moment: every algorithm skips them (one warning per delivery names how many there are). The
// others are taken in delivery order, also when their begins do not ascend.
class ZCORVANEBASE_PRIVATE_EXPORT RecordingTrack : public QObject
{
    Q_OBJECT

public:
    enum RecordingKind
    {
        NoRecording = 0,
        NormalRecording = 1,
        AlarmRecording = 2
    };
    // What is recorded somewhere: the recording on top there (the last delivered that holds it) and its span.
    struct Recorded
    {
        RecordingKind kind = NoRecording;
        QDateTime begin; // invalid with NoRecording
        QDateTime end;
    };

    explicit RecordingTrack(QObject* parent = nullptr);
    ~RecordingTrack() override;

    // A new search: the track is reset, then keeps the key (results with another one are the box's to drop) and the
    // search's channel, location, type, begin and end. Its playback index stays.
    void startSearch(const QString& searchKey, const RecordingSearchInfo& info);
    const QString& searchKey() const { return m_searchKey; }
    const RecordingSearchInfo& searchInfo() const { return m_searchInfo; }
    void setPlaybackIndex(int index) { m_searchInfo.playbackIndex = index; }
    int playbackIndex() const { return m_searchInfo.playbackIndex; }

    // The recordings of the search; autoAppoint starts playback at the search's begin or the first recording after it.
    void setRecordings(const QVector<RecordingTimeInfo>& recordings, bool playbackByTimeEnable, bool autoAppoint);
    const QVector<RecordingTimeInfo>& recordings() const { return m_recordings; }
    bool isPlaybackByTimeEnabled() const { return m_playbackByTimeEnable; }
    // The usable recordings, for painting.
    const RecordingTimeIndex& index() const { return m_index; }
    Recorded recordedAt(const QDateTime& moment) const;
    Recorded recordedWithin(const QDateTime& from, const QDateTime& to) const;
    // The earliest begin at or after a moment and the latest before one, of any recording or of alarm recordings.
    QDateTime earliestBeginFrom(const QDateTime& moment, bool alarmOnly) const;
    QDateTime latestBeginBefore(const QDateTime& moment, bool alarmOnly) const;
    // The recorded part of [begin, begin + secs]: (start, end), (start, invalid) when nothing recorded ends there,
    // (invalid, invalid) when the stretch misses the recordings.
    QPair<QDateTime, QDateTime> amendDateTimeRange(const QDateTime& begin, unsigned int secs) const;

    // A seek inside a recording (false, and nothing changes, elsewhere); a seek to a fraction of the current file.
    bool seek(const QDateTime& datetime);
    bool seekInFile(float percent);
    // A progress report of the player: moves the cursor, skips a gap, ends playback past the recordings.
    void reportProgress(const QDateTime& datetime);
    // Reports the percent in the file for the playback moment again.
    void reportPercentInFile();
    // Back to no recordings, no channel, no playback and no label marks; the key, span and index stay.
    void reset();
    const QDateTime& playbackDatetime() const { return m_playbackDatetime; }
    bool isPlaying() const { return m_playbackDatetime.isValid(); }
    const QPair<QDateTime, QDateTime>& fileRange() const { return m_fileRange; }

    // Label marks from the host's label store: only a stored mark (result 0) of this track's channel and location
    // is taken; the first mark with a name is the one renamed or removed.
    bool addLabelMark(const LocalRecordingLabelInfo& info, int result);
    bool removeLabelMark(const QString& name);
    bool renameLabelMark(const QString& oldName, const QString& newName);
    const QVector<LocalRecordingLabelInfo>& labelMarks() const { return m_labelMarks; }
    QStringList labelMarkNames() const;
    // A new mark may stand inside a recording, at least 300 s from every other mark.
    bool canAddLabelMarkAt(const QDateTime& moment) const;

    // The host's activity samples of the channel; invalid ones are dropped (one warning per call names how many).
    // An empty vector clears them, and so does a reset.
    void setActivity(const QVector<ActivitySample>& samples);
    const ActivityIndex& activity() const { return m_activity; }
    // The host's bookmarks of the channel, kept by begin (in the order given where begins are equal); those without
    // a valid begin and end, or ending before they begin, are dropped (one warning per call). A reset clears them.
    void setBookmarks(const QVector<Bookmark>& bookmarks);
    const QVector<Bookmark>& bookmarks() const { return m_bookmarks; }

signals:
    // For the host (the bar relays them under the names the box gives them).
    void playbackAppointed(
        const QString& channelId, int playbackIndex, int recordingLocation, const QDateTime& datetime);
    void percentInFile(int playbackIndex, float percent);
    void playbackFinished(int playbackIndex);
    void labelMarksDropped(const QStringList& names); // by a reset, possibly none
    // For the view.
    void cursorMoved(const QDateTime& moment); // where the play cursor stands; invalid: hidden
    void recordingsChanged();
    void labelMarkAdded(int index);
    void labelMarkRemoved(int index);
    void labelMarkRenamed(int index);
    void positionChanged(); // a seek, an accepted report, or a reset of a playing track
    void activityChanged();
    void bookmarksChanged();

private:
    void checkProgress();
    void finish();
    void emitPercentInFile(const QDateTime& datetime);
    bool isInFileRange(const QDateTime& datetime) const;
    Recorded recordedAtIndex(int index) const;

    QString m_searchKey;
    RecordingSearchInfo m_searchInfo;
    bool m_playbackByTimeEnable = true;
    QVector<RecordingTimeInfo> m_recordings; // as delivered
    QVector<RecordingTimeInfo> m_usable; // the usable ones, in delivery order (shares m_recordings when all are)
    RecordingTimeIndex m_index; // of m_usable
    QDateTime m_playbackDatetime;
    QDateTime m_previousPlaybackDatetime; // the playback moment before the last seek
    bool m_appointing = false; // a seek was made and no report taken since
    QPair<QDateTime, QDateTime> m_fileRange; // the recording playback is in
    QVector<LocalRecordingLabelInfo> m_labelMarks;
    ActivityIndex m_activity;
    QVector<Bookmark> m_bookmarks;
};

} // namespace ZCORVANEBASE
