#pragma once

// The time axis's algorithms written the plain way: walks over every recording with QDateTime arithmetic. The
// widgets answer the same questions with indexes and per-pixel runs; the tests hold them to these answers.

#include "timeaxis/timeaxismodel.h"

#include <QImage>
#include <QPair>
#include <QStringList>
#include <QVector>

namespace TimeAxisOracle {

using ZCORVANEBASE::RecordingSearchInfo;
using ZCORVANEBASE::RecordingTimeInfo;

// Paints a strip of width x height the way the bar must: background, then every visible recording in vector
// order, a later one over an earlier one.
QImage paintRecordings(
    const QVector<RecordingTimeInfo>& recordings, const QDateTime& begin, int degree, int width, int height);

// The playback state of one bar; the signals it would emit are appended to `events` as text.
class Bar
{
public:
    RecordingSearchInfo searchInfo;
    QVector<RecordingTimeInfo> recordings;
    QDateTime playbackDatetime;
    QDateTime previousPlaybackDatetime;
    bool isAppointing = false;
    QPair<QDateTime, QDateTime> fileDatetimeRange;
    QStringList events;

    void setRecordings(const QVector<RecordingTimeInfo>& recordings, bool autoAppoint);
    bool appointPlaybackTime(const QDateTime& datetime);
    void updatePlaybackTime(const QDateTime& datetime);
    void emitPercent(const QDateTime& datetime);

private:
    void checkProgress();
    void finish();
};

QString appointEvent(const QString& channelId, int playbackIndex, int recordingLocation, const QDateTime& datetime);
QString percentEvent(int playbackIndex, float percent);
QString endEvent(int playbackIndex);

} // namespace TimeAxisOracle
