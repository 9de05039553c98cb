#include "timeaxisoracle.h"

#include <QPainter>

namespace TimeAxisOracle {

QImage paintRecordings(
    const QVector<RecordingTimeInfo>& recordings, const QDateTime& begin, int degree, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.fillRect(image.rect(), QColor(QStringLiteral("#24344c")));
    const QDateTime viewEnd = begin.addSecs(qint64(degree) * 3600);
    for (const RecordingTimeInfo& recording : recordings) {
        if (recording.beginDatetime >= viewEnd)
            break;
        if (recording.endDatetime <= begin)
            continue;
        const QDateTime clippedBegin = recording.beginDatetime < begin ? begin : recording.beginDatetime;
        const QDateTime clippedEnd = recording.endDatetime > viewEnd ? viewEnd : recording.endDatetime;
        const int x1 = int(double(begin.secsTo(clippedBegin)) / double(degree * 3600) * width);
        const int x2 = int(double(begin.secsTo(clippedEnd)) / double(degree * 3600) * width);
        painter.fillRect(QRect(x1, 0, x2 - x1, height),
            QColor(recording.isAlarm ? QStringLiteral("#dc4d4d") : QStringLiteral("#00cf8b")));
    }
    return image;
}

QString appointEvent(const QString& channelId, int playbackIndex, int recordingLocation, const QDateTime& datetime)
{
    return QStringLiteral("appoint(%1,%2,%3,%4)")
        .arg(channelId)
        .arg(playbackIndex)
        .arg(recordingLocation)
        .arg(datetime.toString(Qt::ISODateWithMs));
}

QString percentEvent(int playbackIndex, float percent)
{
    return QStringLiteral("percent(%1,%2)").arg(playbackIndex).arg(double(percent), 0, 'g', 9);
}

QString endEvent(int playbackIndex)
{
    return QStringLiteral("end(%1)").arg(playbackIndex);
}

void Bar::setRecordings(const QVector<RecordingTimeInfo>& recordings, bool autoAppoint)
{
    this->recordings = recordings;
    if (!recordings.isEmpty()) {
        const QDateTime& lastEnd = recordings.last().endDatetime;
        searchInfo.validEndDatetime = searchInfo.endDatetime < lastEnd ? searchInfo.endDatetime : lastEnd;
    }
    if (!autoAppoint)
        return;
    for (const RecordingTimeInfo& recording : recordings) {
        if (recording.endDatetime <= searchInfo.beginDatetime)
            continue;
        if (recording.beginDatetime < searchInfo.beginDatetime && searchInfo.beginDatetime < recording.endDatetime) {
            appointPlaybackTime(searchInfo.beginDatetime);
            return;
        }
        if (recording.beginDatetime.secsTo(recording.endDatetime) >= 3) {
            appointPlaybackTime(recording.beginDatetime);
            return;
        }
    }
}

bool Bar::appointPlaybackTime(const QDateTime& datetime)
{
    for (const RecordingTimeInfo& recording : recordings) {
        if (recording.beginDatetime <= datetime && datetime <= recording.endDatetime) {
            previousPlaybackDatetime = playbackDatetime.isValid() ? playbackDatetime : QDateTime();
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

void Bar::updatePlaybackTime(const QDateTime& datetime)
{
    if (!datetime.isValid())
        return;
    if (previousPlaybackDatetime.isValid() && isAppointing && qAbs(previousPlaybackDatetime.secsTo(datetime)) < 5)
        return;
    isAppointing = false;
    playbackDatetime = datetime;
    checkProgress();
    emitPercent(playbackDatetime);
}

void Bar::checkProgress()
{
    if (searchInfo.channelId.isEmpty() || recordings.isEmpty())
        return;
    if (playbackDatetime >= searchInfo.validEndDatetime) {
        finish();
        return;
    }
    if (playbackDatetime < recordings.first().beginDatetime || playbackDatetime > recordings.last().endDatetime)
        return;
    if (fileDatetimeRange.first <= playbackDatetime && playbackDatetime <= fileDatetimeRange.second)
        return;
    for (const RecordingTimeInfo& recording : recordings) {
        if (recording.beginDatetime.addSecs(-2) <= playbackDatetime
            && recording.endDatetime >= playbackDatetime.addSecs(2))
            return;
    }
    for (const RecordingTimeInfo& recording : recordings) {
        if (recording.beginDatetime > playbackDatetime) {
            appointPlaybackTime(recording.beginDatetime);
            return;
        }
    }
    finish();
}

void Bar::finish()
{
    events << endEvent(searchInfo.playbackIndex);
    playbackDatetime = QDateTime();
    fileDatetimeRange = qMakePair(QDateTime(), QDateTime());
}

void Bar::emitPercent(const QDateTime& datetime)
{
    // The bar reports nothing for an invalid moment and 0 for a file without length.
    if (searchInfo.channelId.isEmpty() || recordings.isEmpty() || !datetime.isValid())
        return;
    auto percentIn = [&](const QPair<QDateTime, QDateTime>& range) {
        const qint64 length = range.first.secsTo(range.second);
        return length == 0 ? 0.0f : float(range.first.secsTo(datetime)) / float(length);
    };
    if (fileDatetimeRange.first <= datetime && datetime <= fileDatetimeRange.second) {
        events << percentEvent(searchInfo.playbackIndex, percentIn(fileDatetimeRange));
        return;
    }
    for (const RecordingTimeInfo& recording : recordings) {
        if (recording.beginDatetime <= datetime && datetime <= recording.endDatetime) {
            fileDatetimeRange = qMakePair(recording.beginDatetime, recording.endDatetime);
            events << percentEvent(searchInfo.playbackIndex, percentIn(fileDatetimeRange));
            return;
        }
    }
    events << percentEvent(searchInfo.playbackIndex, 0.0f);
}

} // namespace TimeAxisOracle
