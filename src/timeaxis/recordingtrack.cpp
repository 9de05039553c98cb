#include "timeaxis/recordingtrack_p.h"

#include <QtMath>

namespace ZCORVANEBASE {

namespace {
constexpr qint64 gapToleranceMSecs = 2000; // a report this close before a recording counts as inside it
constexpr qint64 staleReportSecs = 5; // reports this close to the pre-seek position come from before the seek
constexpr qint64 labelDistanceSecs = 300; // the least distance between two label marks
constexpr qint64 shortestStartSecs = 3; // a shorter recording is never where automatic playback starts
constexpr float farOutsideSecs = 1e15f; // beyond any recording, and beyond what converts to seconds safely

bool isUsable(const RecordingTimeInfo& recording)
{
    return recording.beginDatetime.isValid() && recording.endDatetime.isValid()
        && recording.beginDatetime <= recording.endDatetime;
}
} // namespace

RecordingTrack::RecordingTrack(QObject* parent)
    : QObject(parent)
{
}

RecordingTrack::~RecordingTrack() = default;

void RecordingTrack::startSearch(const QString& searchKey, const RecordingSearchInfo& info)
{
    reset();
    m_searchKey = searchKey;
    m_searchInfo.recordingLocation = info.recordingLocation;
    m_searchInfo.channelId = info.channelId;
    m_searchInfo.searchType = info.searchType;
    m_searchInfo.beginDatetime = info.beginDatetime;
    m_searchInfo.endDatetime = info.endDatetime;
}

void RecordingTrack::setRecordings(
    const QVector<RecordingTimeInfo>& recordings, bool playbackByTimeEnable, bool autoAppoint)
{
    emit cursorMoved(QDateTime());
    m_recordings = recordings;
    m_playbackByTimeEnable = playbackByTimeEnable;
    const int unusable = int(std::count_if(recordings.cbegin(), recordings.cend(),
        [](const RecordingTimeInfo& recording) { return !isUsable(recording); }));
    if (unusable == 0) {
        m_usable = recordings;
    } else {
        qWarning("ZCorvaneBase: %d of the %d recordings delivered for playback window %d have an invalid date-time or "
                 "end before they begin; they are kept but neither shown nor played",
            unusable, int(recordings.size()), m_searchInfo.playbackIndex + 1);
        m_usable.clear();
        std::copy_if(recordings.cbegin(), recordings.cend(), std::back_inserter(m_usable), isUsable);
    }
    m_index.build(m_usable);
    emit recordingsChanged();

    if (m_usable.isEmpty())
        return;
    // A search without an end ends where its last recording ends.
    const QDateTime& lastEnd = m_usable.constLast().endDatetime;
    const QDateTime& searchEnd = m_searchInfo.endDatetime;
    m_searchInfo.validEndDatetime = searchEnd.isValid() && searchEnd < lastEnd ? searchEnd : lastEnd;

    if (!autoAppoint)
        return;
    // Recordings ending at or before the search's begin are skipped; at the first other one playback starts at the
    // search's begin when that lies inside it, else at its begin if it lasts 3 s or more, else the walk goes on.
    const QDateTime& searchBegin = m_searchInfo.beginDatetime;
    const int first = searchBegin.isValid() ? m_index.firstEndingAfter(searchBegin.toMSecsSinceEpoch()) : 0;
    for (int i = first; i < m_usable.size(); ++i) {
        const RecordingTimeInfo& recording = m_usable.at(i);
        if (searchBegin.isValid() && recording.endDatetime <= searchBegin)
            continue;
        if (searchBegin.isValid() && recording.beginDatetime < searchBegin && searchBegin < recording.endDatetime) {
            seek(searchBegin);
            return;
        }
        if (recording.beginDatetime.secsTo(recording.endDatetime) >= shortestStartSecs) {
            seek(recording.beginDatetime);
            return;
        }
    }
}

RecordingTrack::Recorded RecordingTrack::recordedAtIndex(int index) const
{
    Recorded recorded;
    if (index < 0)
        return recorded;
    const RecordingTimeInfo& recording = m_usable.at(index);
    recorded.kind = recording.isAlarm ? AlarmRecording : NormalRecording;
    recorded.begin = recording.beginDatetime;
    recorded.end = recording.endDatetime;
    return recorded;
}

RecordingTrack::Recorded RecordingTrack::recordedAt(const QDateTime& moment) const
{
    return recordedWithin(moment, moment);
}

RecordingTrack::Recorded RecordingTrack::recordedWithin(const QDateTime& from, const QDateTime& to) const
{
    if (!from.isValid() || !to.isValid() || to < from)
        return Recorded();
    return recordedAtIndex(m_index.lastOverlapping(from.toMSecsSinceEpoch(), to.toMSecsSinceEpoch()));
}

QDateTime RecordingTrack::earliestBeginFrom(const QDateTime& moment, bool alarmOnly) const
{
    const int index = moment.isValid() ? m_index.earliestBeginningFrom(moment.toMSecsSinceEpoch(), alarmOnly) : -1;
    return index < 0 ? QDateTime() : m_usable.at(index).beginDatetime;
}

QDateTime RecordingTrack::latestBeginBefore(const QDateTime& moment, bool alarmOnly) const
{
    const int index = moment.isValid() ? m_index.latestBeginningBefore(moment.toMSecsSinceEpoch(), alarmOnly) : -1;
    return index < 0 ? QDateTime() : m_usable.at(index).beginDatetime;
}

QPair<QDateTime, QDateTime> RecordingTrack::amendDateTimeRange(const QDateTime& begin, unsigned int secs) const
{
    const QPair<QDateTime, QDateTime> none;
    if (!begin.isValid())
        return none;
    const QDateTime end0 = begin.addSecs(secs);
    if (end0 <= begin || m_usable.isEmpty() || end0 < m_usable.constFirst().beginDatetime
        || begin > m_usable.constLast().endDatetime)
        return none;

    // The start: the first recording that begins at or after `begin` (its begin), or contains it (`begin` itself).
    // Recordings before the first one ending at or after `begin` can do neither.
    int startIndex = -1;
    QDateTime start;
    for (int i = m_index.firstEndingAfter(begin.toMSecsSinceEpoch() - 1); i < m_usable.size(); ++i) {
        const RecordingTimeInfo& recording = m_usable.at(i);
        if (recording.beginDatetime >= begin) {
            start = recording.beginDatetime;
            startIndex = i;
            break;
        }
        if (recording.endDatetime >= begin) {
            start = begin;
            startIndex = i;
            break;
        }
    }
    if (startIndex < 0 || start >= end0)
        return qMakePair(start, QDateTime());

    if (m_usable.constLast().endDatetime <= end0)
        return qMakePair(start, m_usable.constLast().endDatetime);
    for (int i = startIndex; i < m_usable.size(); ++i) {
        const RecordingTimeInfo& recording = m_usable.at(i);
        if (recording.beginDatetime >= end0)
            return qMakePair(start, m_usable.at(i - 1).endDatetime);
        if (recording.endDatetime >= end0)
            return qMakePair(start, end0);
    }
    return qMakePair(start, QDateTime());
}

bool RecordingTrack::seek(const QDateTime& datetime)
{
    if (!datetime.isValid())
        return false;
    const int index = m_index.firstContaining(datetime.toMSecsSinceEpoch());
    if (index < 0)
        return false;
    m_previousPlaybackDatetime = m_playbackDatetime.isValid() ? m_playbackDatetime : QDateTime();
    m_playbackDatetime = datetime;
    m_appointing = true;
    m_fileRange = qMakePair(m_usable.at(index).beginDatetime, m_usable.at(index).endDatetime);
    emit cursorMoved(datetime);
    emit playbackAppointed(
        m_searchInfo.channelId, m_searchInfo.playbackIndex, m_searchInfo.recordingLocation, datetime);
    emitPercentInFile(m_playbackDatetime);
    emit positionChanged();
    return true;
}

bool RecordingTrack::seekInFile(float percent)
{
    if (!m_fileRange.first.isValid() || !m_fileRange.second.isValid() || !qIsFinite(percent))
        return false;
    const auto rangeSecs = static_cast<float>(m_fileRange.first.secsTo(m_fileRange.second));
    const float secs = percent * rangeSecs;
    if (qAbs(secs) > farOutsideSecs)
        return false;
    return seek(m_fileRange.first.addSecs(static_cast<qint64>(secs)));
}

void RecordingTrack::reportProgress(const QDateTime& datetime)
{
    if (!datetime.isValid()) {
        emit cursorMoved(QDateTime());
        return;
    }
    // A report this close to where playback stood before a seek is the player still playing the old position.
    if (m_previousPlaybackDatetime.isValid() && m_appointing
        && qAbs(m_previousPlaybackDatetime.secsTo(datetime)) < staleReportSecs)
        return;
    m_appointing = false;
    m_playbackDatetime = datetime;
    emit cursorMoved(datetime);
    checkProgress();
    emitPercentInFile(m_playbackDatetime);
    emit positionChanged();
}

void RecordingTrack::reportPercentInFile()
{
    emitPercentInFile(m_playbackDatetime);
}

void RecordingTrack::reset()
{
    const bool wasPlaying = isPlaying();
    m_recordings.clear();
    m_usable.clear();
    m_index.clear();
    m_searchInfo.channelId.clear();
    m_searchInfo.recordingLocation = 0;
    m_playbackDatetime = QDateTime();
    m_fileRange = qMakePair(QDateTime(), QDateTime());
    emit cursorMoved(QDateTime());
    const QStringList names = labelMarkNames();
    m_labelMarks.clear();
    emit labelMarksDropped(names);
    emit recordingsChanged();
    emit percentInFile(m_searchInfo.playbackIndex, 0.0f);
    if (wasPlaying)
        emit positionChanged();
    if (!m_activity.isEmpty()) {
        m_activity.clear();
        emit activityChanged();
    }
    if (!m_bookmarks.isEmpty()) {
        m_bookmarks.clear();
        emit bookmarksChanged();
    }
}

void RecordingTrack::checkProgress()
{
    if (m_searchInfo.channelId.isEmpty() || m_usable.isEmpty())
        return;
    if (m_searchInfo.validEndDatetime.isValid() && m_playbackDatetime >= m_searchInfo.validEndDatetime) {
        finish();
        return;
    }
    if (m_playbackDatetime < m_usable.constFirst().beginDatetime
        || m_playbackDatetime > m_usable.constLast().endDatetime)
        return;
    if (isInFileRange(m_playbackDatetime))
        return;
    // A report just before a recording (or inside one) that goes on for 2 more seconds is not in a gap: a recording
    // has begin - 2 s <= t and end >= t + 2 s exactly when it holds t + 2 s.
    const qint64 playbackMSecs = m_playbackDatetime.toMSecsSinceEpoch();
    if (m_index.firstContaining(playbackMSecs + gapToleranceMSecs) >= 0)
        return;
    const int next = m_index.firstBeginningAfter(playbackMSecs);
    if (next < 0)
        finish();
    else
        seek(m_usable.at(next).beginDatetime);
}

void RecordingTrack::finish()
{
    emit playbackFinished(m_searchInfo.playbackIndex);
    emit cursorMoved(QDateTime());
    m_playbackDatetime = QDateTime();
    m_fileRange = qMakePair(QDateTime(), QDateTime());
}

bool RecordingTrack::isInFileRange(const QDateTime& datetime) const
{
    return m_fileRange.first.isValid() && m_fileRange.second.isValid() && m_fileRange.first <= datetime
        && datetime <= m_fileRange.second;
}

// Nothing is reported for a moment that is not valid (such as the step that follows a finish: the end signal has
// said all there is to say), and 0.0 for a recording whose begin equals its end.
void RecordingTrack::emitPercentInFile(const QDateTime& datetime)
{
    if (m_searchInfo.channelId.isEmpty() || m_usable.isEmpty() || !datetime.isValid())
        return;
    if (!isInFileRange(datetime)) {
        const int index = m_index.firstContaining(datetime.toMSecsSinceEpoch());
        if (index < 0) {
            emit percentInFile(m_searchInfo.playbackIndex, 0.0f);
            return;
        }
        m_fileRange = qMakePair(m_usable.at(index).beginDatetime, m_usable.at(index).endDatetime);
    }
    const qint64 rangeSecs = m_fileRange.first.secsTo(m_fileRange.second);
    const float percent = rangeSecs == 0
        ? 0.0f
        : static_cast<float>(m_fileRange.first.secsTo(datetime)) / static_cast<float>(rangeSecs);
    emit percentInFile(m_searchInfo.playbackIndex, percent);
}

bool RecordingTrack::addLabelMark(const LocalRecordingLabelInfo& info, int result)
{
    if (result != 0 || info.channelId != m_searchInfo.channelId
        || info.recordingLocation != m_searchInfo.recordingLocation)
        return false;
    m_labelMarks.append(info);
    emit labelMarkAdded(m_labelMarks.size() - 1);
    return true;
}

bool RecordingTrack::removeLabelMark(const QString& name)
{
    for (int i = 0; i < m_labelMarks.size(); ++i) {
        if (m_labelMarks.at(i).name == name) {
            m_labelMarks.remove(i);
            emit labelMarkRemoved(i);
            return true;
        }
    }
    return false;
}

bool RecordingTrack::renameLabelMark(const QString& oldName, const QString& newName)
{
    for (int i = 0; i < m_labelMarks.size(); ++i) {
        if (m_labelMarks.at(i).name == oldName) {
            m_labelMarks[i].name = newName;
            emit labelMarkRenamed(i);
            return true;
        }
    }
    return false;
}

QStringList RecordingTrack::labelMarkNames() const
{
    QStringList names;
    for (const LocalRecordingLabelInfo& mark : m_labelMarks)
        names << mark.name;
    return names;
}

// Marks whose moment is not valid are not counted.
bool RecordingTrack::canAddLabelMarkAt(const QDateTime& moment) const
{
    if (!moment.isValid() || m_index.firstContaining(moment.toMSecsSinceEpoch()) < 0)
        return false;
    return std::none_of(m_labelMarks.cbegin(), m_labelMarks.cend(), [&](const LocalRecordingLabelInfo& mark) {
        return mark.datetime.isValid() && qAbs(mark.datetime.secsTo(moment)) < labelDistanceSecs;
    });
}

void RecordingTrack::setActivity(const QVector<ActivitySample>& samples)
{
    if (samples.isEmpty() && m_activity.isEmpty())
        return;
    const int dropped = m_activity.build(samples);
    if (dropped > 0)
        qWarning("ZCorvaneBase: %d of the %d activity samples given for playback window %d have an invalid begin, a "
                 "duration below one second or a level outside 0-100; they are dropped",
            dropped, int(samples.size()), m_searchInfo.playbackIndex + 1);
    emit activityChanged();
}

void RecordingTrack::setBookmarks(const QVector<Bookmark>& bookmarks)
{
    if (bookmarks.isEmpty() && m_bookmarks.isEmpty())
        return;
    QVector<Bookmark> valid;
    std::copy_if(bookmarks.cbegin(), bookmarks.cend(), std::back_inserter(valid), [](const Bookmark& bookmark) {
        return bookmark.begin.isValid() && bookmark.end.isValid() && bookmark.begin <= bookmark.end;
    });
    if (valid.size() < bookmarks.size())
        qWarning("ZCorvaneBase: %d of the %d bookmarks given for playback window %d have an invalid begin or end or "
                 "end before they begin; they are dropped",
            int(bookmarks.size() - valid.size()), int(bookmarks.size()), m_searchInfo.playbackIndex + 1);
    std::stable_sort(
        valid.begin(), valid.end(), [](const Bookmark& a, const Bookmark& b) { return a.begin < b.begin; });
    m_bookmarks = valid;
    emit bookmarksChanged();
}

} // namespace ZCORVANEBASE
