#pragma once

#include <ZCorvaneBase/frame/zcorvanebase_global.h>

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QtGlobal>

namespace ZCORVANEBASE {

// The zoom degree of the time axis: the number of hours the visible span covers. The degree travels as a plain int.
enum TimeAxisDegree
{
    Degree1Hour = 1,
    Degree3Hours = 3,
    Degree6Hours = 6,
    Degree12Hours = 12,
    Degree24Hours = 24
};

enum ZoomMode
{
    ZoomIn = 0,
    ZoomOut = 1
};

// The state of a recording search the host reports for one playback window.
enum RecordingSearchState
{
    SearchStarted = 0,
    SearchFinished = 1
};

// One recorded interval of one channel. A channel's recordings travel as a QVector in ascending order of
// beginDatetime; intervals may touch or overlap, and a later one is painted over an earlier one.
struct RecordingTimeInfo
{
    QDateTime beginDatetime;
    QDateTime endDatetime;
    QString fileName; // carried for the host
    int recordingType = 0; // carried for the host
    bool isAlarm = false; // alarm recordings are painted red, the others green

    friend bool operator==(const RecordingTimeInfo& a, const RecordingTimeInfo& b)
    {
        return a.beginDatetime == b.beginDatetime && a.endDatetime == b.endDatetime && a.fileName == b.fileName
            && a.recordingType == b.recordingType && a.isAlarm == b.isAlarm;
    }
    friend bool operator!=(const RecordingTimeInfo& a, const RecordingTimeInfo& b) { return !(a == b); }
};

// What one playback window searched for. A default record has an empty channelId, invalid date-times and zero
// integers (callers only look at the empty channelId, so the zeros are just a defined value).
struct RecordingSearchInfo
{
    QString channelId; // empty: the window has no search
    int recordingLocation = 0;
    int playbackIndex = 0;
    int searchType = 0;
    QDateTime beginDatetime;
    QDateTime endDatetime;
    QDateTime validEndDatetime; // filled by the bar: the earlier of endDatetime and the last recording's end
};

// A named mark the user put on a channel's recordings. A default record has empty strings, a zero location and an
// invalid datetime.
struct LocalRecordingLabelInfo
{
    QString name;
    QString channelId;
    int recordingLocation = 0;
    QDateTime datetime;
};

// A stretch of a channel's activity that the host measured (motion, detections): from begin, for durationSecs
// seconds, at a level from 0 (nothing) to 100. A bar shades its top edge with the highest level over each column.
struct ActivitySample
{
    QDateTime begin;
    int durationSecs = 0;
    int level = 0;

    friend bool operator==(const ActivitySample& a, const ActivitySample& b)
    {
        return a.begin == b.begin && a.durationSecs == b.durationSecs && a.level == b.level;
    }
    friend bool operator!=(const ActivitySample& a, const ActivitySample& b) { return !(a == b); }
};

// A named stretch of a channel's recordings that someone marked, kept by the host under its id.
struct Bookmark
{
    QString id;
    QString name;
    QDateTime begin;
    QDateTime end;

    friend bool operator==(const Bookmark& a, const Bookmark& b)
    {
        return a.id == b.id && a.name == b.name && a.begin == b.begin && a.end == b.end;
    }
    friend bool operator!=(const Bookmark& a, const Bookmark& b) { return !(a == b); }
};

// The mappings between time and pixels shared by the ruler and the bars. Every conversion from a floating-point
// number to an integer truncates toward zero, and the operations run in the written order even where another order
// would round to a "nicer" second: the ruler, the bars and the host must agree to the pixel.
namespace TimeAxisMapping {

constexpr qint64 daySecs = 86400;

inline bool isValidDegree(int degree)
{
    return degree == Degree1Hour || degree == Degree3Hours || degree == Degree6Hours || degree == Degree12Hours
        || degree == Degree24Hours;
}

inline qint64 spanSecs(int degree)
{
    return qint64(degree) * 3600;
}

// 24 -> 12 -> 6 -> 3 -> 1; at 1 the degree stays.
inline int zoomInDegree(int degree)
{
    return degree == Degree1Hour ? degree : static_cast<int>(degree * 0.5);
}

// 1 -> 3 -> 6 -> 12 -> 24; at 24 the degree stays.
inline int zoomOutDegree(int degree)
{
    if (degree == Degree24Hours)
        return degree;
    return degree == Degree1Hour ? Degree3Hours : degree * 2;
}

// Minutes between two of the 13 ruler labels.
inline int labelStepMinutes(int degree)
{
    return degree == Degree24Hours ? 120 : degree * 60 / 12;
}

// Bar: x of a moment secsFromBegin seconds after the visible begin, on a strip width pixels wide. A result below 0
// or above width is not visible; 0 and width are.
inline qint64 barPosX(qint64 secsFromBegin, int degree, int width)
{
    return static_cast<qint64>(static_cast<double>(secsFromBegin) / static_cast<double>(degree * 3600) * width);
}

inline qint64 barPosX(const QDateTime& begin, int degree, const QDateTime& datetime, int width)
{
    return barPosX(begin.secsTo(datetime), degree, width);
}

// Bar: seconds from the visible begin to the moment at x on a strip width pixels wide (width must be positive).
inline qint64 barSecsAtPosX(int x, int width, int degree)
{
    return static_cast<qint64>(static_cast<double>(x) / width * degree * 60.0 * 60.0);
}

// Bar: the moment at x; invalid for a strip without width or an invalid begin.
inline QDateTime barDatetimeAtPosX(const QDateTime& begin, int degree, int x, int width)
{
    if (width <= 0 || !begin.isValid())
        return QDateTime();
    return begin.addSecs(barSecsAtPosX(x, width, degree));
}

// Ruler: the moment at x, valid only for minPosX <= x <= maxPosX (and a stretch of at least one pixel).
inline QDateTime rulerDatetimeAtPosX(const QDateTime& begin, int degree, int x, int minPosX, int maxPosX)
{
    if (x < minPosX || x > maxPosX || maxPosX <= minPosX || !begin.isValid())
        return QDateTime();
    const double fraction = static_cast<double>(x - minPosX) / static_cast<double>(maxPosX - minPosX);
    return begin.addSecs(static_cast<qint64>(fraction * degree * 60.0 * 60.0));
}

// The begin of the visible span after a zoom to degree about the moment fixed: fixed stands at the same fraction of
// the visible span as its fraction of the whole day that starts at minBegin.
inline QDateTime zoomBegin(int degree, const QDateTime& fixed, const QDateTime& minBegin)
{
    if (degree == Degree24Hours)
        return minBegin;
    const double fraction = static_cast<double>(minBegin.secsTo(fixed)) / 86400.0;
    return fixed.addSecs(static_cast<qint64>(static_cast<double>(-degree * 3600) * fraction));
}

} // namespace TimeAxisMapping

} // namespace ZCORVANEBASE

Q_DECLARE_METATYPE(ZCORVANEBASE::TimeAxisDegree)
Q_DECLARE_METATYPE(ZCORVANEBASE::RecordingTimeInfo)
Q_DECLARE_METATYPE(ZCORVANEBASE::RecordingSearchInfo)
Q_DECLARE_METATYPE(ZCORVANEBASE::LocalRecordingLabelInfo)
Q_DECLARE_METATYPE(ZCORVANEBASE::ActivitySample)
Q_DECLARE_METATYPE(ZCORVANEBASE::Bookmark)
