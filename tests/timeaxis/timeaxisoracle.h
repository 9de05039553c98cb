#pragma once

// The time axis's algorithms written the plain way: walks over every recording with QDateTime arithmetic. The
// widgets answer the same questions with indexes and per-pixel runs; the tests hold them to these answers.

#include "timeaxis/timeaxismodel.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QStringList>
#include <QVector>
#include <algorithm>

namespace TimeAxisOracle {

using ZCORVANEBASE::ActivitySample;
using ZCORVANEBASE::RecordingSearchInfo;
using ZCORVANEBASE::RecordingTimeInfo;
using Recordings = QVector<RecordingTimeInfo>;

// The tests' day and their recordings.
inline QDateTime at(int h, int m, int s = 0)
{
    return QDateTime(QDate(2024, 3, 5), QTime(h, m, s));
}
inline RecordingTimeInfo recording(const QDateTime& begin, const QDateTime& end, bool isAlarm = false)
{
    return RecordingTimeInfo { begin, end, QString(), 0, isAlarm };
}

// A day of recordings as a recorder leaves them: continuous recording with gaps, short motion clips inside and
// across it (overlapping, touching, shorter than a pixel or empty), and alarm recordings over both.
inline Recordings generatedDay(quint32 seed, const QDateTime& day)
{
    QRandomGenerator random(seed);
    Recordings recordings;
    for (qint64 begin = -600 + random.bounded(300); recordings.size() < 3000;) {
        const int kind = random.bounded(10); // 0-1 continuous, 2-7 motion clip, 8-9 alarm
        const qint64 length = kind < 2 ? 600 + random.bounded(3600)
            : kind < 8                 ? random.bounded(90)
                                       : 30 + random.bounded(300);
        recordings << recording(day.addSecs(begin), day.addSecs(begin + length), kind >= 8);
        begin += random.bounded(5) == 0 ? random.bounded(600) : random.bounded(40); // mostly overlapping
    }
    return recordings;
}

// The signals of a bar (or of the box for it) as text.
inline QString appointEvent(const QString& channelId, int index, int location, const QDateTime& datetime)
{
    const QString moment = datetime.toString(Qt::ISODateWithMs);
    return QStringLiteral("appoint(%1,%2,%3,%4)")
        .arg(channelId, QString::number(index), QString::number(location), moment);
}
inline QString percentEvent(int index, float percent)
{
    return QStringLiteral("percent(%1,%2)").arg(index).arg(double(percent), 0, 'g', 9);
}
inline QString endEvent(int index)
{
    return QStringLiteral("end(%1)").arg(index);
}

// A recording with an invalid date-time or an end before its begin holds no moment: every algorithm skips it.
inline Recordings usableOf(const Recordings& delivered)
{
    Recordings usable;
    for (const RecordingTimeInfo& r : delivered) {
        if (r.beginDatetime.isValid() && r.endDatetime.isValid() && r.beginDatetime <= r.endDatetime)
            usable << r;
    }
    return usable;
}

// Paints a strip of width x height the way the bar must: background, then every visible recording in vector
// order, a later one over an earlier one, from the truncated pixel of its clipped begin to that of its clipped end.
inline QImage paintRecordings(const Recordings& recordings, const QDateTime& begin, int degree, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(QStringLiteral("#24344c")));
    const QDateTime viewEnd = begin.addSecs(qint64(degree) * 3600);
    auto x = [&](const QDateTime& datetime) {
        return int(double(begin.secsTo(datetime)) / double(degree * 3600) * width);
    };
    for (const RecordingTimeInfo& recording : recordings) {
        if (recording.beginDatetime >= viewEnd)
            break;
        if (recording.endDatetime <= begin)
            continue;
        const int x1 = x(qMax(recording.beginDatetime, begin));
        painter.fillRect(QRect(x1, 0, x(qMin(recording.endDatetime, viewEnd)) - x1, height),
            QColor(recording.isAlarm ? QStringLiteral("#dc4d4d") : QStringLiteral("#00cf8b")));
    }
    return image;
}

// The activity band's levels: every second from the view's begin that a valid sample's span touches (a valid begin,
// a duration of 1 s or more, a level of 0 to 100) raises the level of the column it maps to (bar mapping) to the
// sample's.
inline QVector<int> activityLevels(
    const QVector<ActivitySample>& samples, const QDateTime& begin, int degree, int width)
{
    QVector<int> levels(width, 0);
    const qint64 span = qint64(degree) * 3600;
    for (const ActivitySample& sample : samples) {
        if (!sample.begin.isValid() || sample.durationSecs <= 0 || sample.level < 0 || sample.level > 100)
            continue;
        const qint64 from = begin.msecsTo(sample.begin);
        const qint64 to = from + qint64(sample.durationSecs) * 1000;
        for (qint64 s = qMax<qint64>(0, from / 1000 - 1); s < qMin(span, to / 1000 + 1); ++s) {
            if (s * 1000 < to && (s + 1) * 1000 > from) {
                int& level = levels[int(double(s) / double(span) * width)];
                level = qMax(level, sample.level);
            }
        }
    }
    return levels;
}

// Paints the band over a strip painted by paintRecordings: the top 4 rows of each column in the alarm colour at an
// opacity of its level in percent.
inline void paintActivity(QImage& strip, const QVector<ActivitySample>& samples, const QDateTime& begin, int degree)
{
    const QVector<int> levels = activityLevels(samples, begin, degree, strip.width());
    QPainter painter(&strip);
    for (int x = 0; x < strip.width(); ++x)
        painter.fillRect(QRect(x, 0, 1, 4), QColor(0xdc, 0x4d, 0x4d, levels.at(x) * 255 / 100));
}

// The playback state of one bar; the signals it would emit are appended to `events`.
class Bar
{
public:
    RecordingSearchInfo searchInfo;
    Recordings recordings; // the usable ones, in delivery order
    QDateTime playbackDatetime;
    QDateTime previousPlaybackDatetime;
    bool isAppointing = false;
    QPair<QDateTime, QDateTime> fileDatetimeRange;
    QStringList events;

    void setRecordings(const Recordings& delivered, bool autoAppoint)
    {
        recordings = usableOf(delivered);
        if (!recordings.isEmpty())
            searchInfo.validEndDatetime = qMin(searchInfo.endDatetime, recordings.last().endDatetime);
        // Playback starts at the search begin inside a recording over it, else at the first later one of 3 s or more.
        for (const RecordingTimeInfo& recording : recordings) {
            if (autoAppoint && recording.endDatetime > searchInfo.beginDatetime
                && (recording.beginDatetime < searchInfo.beginDatetime
                    || recording.beginDatetime.secsTo(recording.endDatetime) >= 3)) {
                appointPlaybackTime(qMax(recording.beginDatetime, searchInfo.beginDatetime));
                return;
            }
        }
    }

    bool appointPlaybackTime(const QDateTime& datetime)
    {
        for (const RecordingTimeInfo& recording : recordings) {
            if (recording.beginDatetime <= datetime && datetime <= recording.endDatetime) {
                previousPlaybackDatetime = playbackDatetime;
                playbackDatetime = datetime;
                isAppointing = true;
                fileDatetimeRange = qMakePair(recording.beginDatetime, recording.endDatetime);
                events << appointEvent(
                    searchInfo.channelId, searchInfo.playbackIndex, searchInfo.recordingLocation, datetime);
                emitPercent(playbackDatetime);
                return true;
            }
        }
        return false;
    }

    // A report less than 5 s from the moment before a seek is the player still playing the old position.
    void updatePlaybackTime(const QDateTime& datetime)
    {
        if (!datetime.isValid()
            || (previousPlaybackDatetime.isValid() && isAppointing
                && qAbs(previousPlaybackDatetime.secsTo(datetime)) < 5))
            return;
        isAppointing = false;
        playbackDatetime = datetime;
        checkProgress();
        emitPercent(playbackDatetime);
    }

    // The end of the search ends playback; inside the recordings' span, a moment that is in no recording going on
    // for 2 s (a recording beginning within 2 s counts) seeks to the next begin, or ends playback after the last.
    void checkProgress()
    {
        if (searchInfo.channelId.isEmpty() || recordings.isEmpty())
            return;
        if (playbackDatetime < searchInfo.validEndDatetime) {
            if (playbackDatetime < recordings.first().beginDatetime || playbackDatetime > recordings.last().endDatetime
                || (fileDatetimeRange.first <= playbackDatetime && playbackDatetime <= fileDatetimeRange.second))
                return;
            for (const RecordingTimeInfo& recording : recordings) {
                if (recording.beginDatetime.addSecs(-2) <= playbackDatetime
                    && recording.endDatetime >= playbackDatetime.addSecs(2))
                    return;
            }
            for (const RecordingTimeInfo& recording : recordings) {
                if (recording.beginDatetime > playbackDatetime)
                    return void(appointPlaybackTime(recording.beginDatetime));
            }
        }
        events << endEvent(searchInfo.playbackIndex);
        playbackDatetime = QDateTime();
        fileDatetimeRange = qMakePair(QDateTime(), QDateTime());
    }

    // Nothing for an invalid moment, 0 outside every recording and for a file without length.
    void emitPercent(const QDateTime& datetime)
    {
        if (searchInfo.channelId.isEmpty() || recordings.isEmpty() || !datetime.isValid())
            return;
        if (!(fileDatetimeRange.first <= datetime && datetime <= fileDatetimeRange.second)) {
            auto it = std::find_if(recordings.cbegin(), recordings.cend(), [&](const RecordingTimeInfo& recording) {
                return recording.beginDatetime <= datetime && datetime <= recording.endDatetime;
            });
            if (it == recordings.cend())
                return void(events << percentEvent(searchInfo.playbackIndex, 0.0f));
            fileDatetimeRange = qMakePair(it->beginDatetime, it->endDatetime);
        }
        const qint64 length = fileDatetimeRange.first.secsTo(fileDatetimeRange.second);
        events << percentEvent(searchInfo.playbackIndex,
            length == 0 ? 0.0f : float(fileDatetimeRange.first.secsTo(datetime)) / float(length));
    }
};

} // namespace TimeAxisOracle
