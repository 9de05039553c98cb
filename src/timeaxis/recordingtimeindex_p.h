#pragma once

#include "frame/zcorvanebase_global.h"
#include "timeaxis/timeaxismodel.h"

#include <QBitArray>
#include <QVector>

#include <functional>
#include <memory>

namespace ZCORVANEBASE {

// Milliseconds since the epoch of `count` date-times (at(i) gives the i-th), as QDateTime::toMSecsSinceEpoch gives
// them but without a system call for every local time (see recordingtimeindex.cpp). False, and `epoch` unchanged,
// when one is not valid.
ZCORVANEBASE_PRIVATE_EXPORT bool toEpochMSecs(
    int count, const std::function<const QDateTime&(int)>& at, QVector<qint64>* epoch);

// For each column c of a strip `width` pixels wide at `degree`, the least whole number of seconds after the view's
// begin whose x (TimeAxisMapping::barPosX) lies right of c: a second s lies in the first column whose threshold
// exceeds it. The few in use are kept for the process.
ZCORVANEBASE_PRIVATE_EXPORT const QVector<qint64>& barColumnThresholds(int degree, int width);

// One run of pixel columns [x1, x2) of a channel bar that shows one recording.
struct RecordingPaintRun
{
    int x1;
    int x2;
    bool isAlarm;
};

// The usable recordings of one channel (valid date-times, none ending before it begins), in the order they were
// delivered, converted once to milliseconds since the epoch: the resolution at which QDateTime compares, so every
// comparison below gives the answer comparing the date-times would. Positions are those of the vector indexed.
//
// Recordings nearly always come with ascending begins; then a seek, a gap check or a repaint costs a few searches
// instead of a walk over every recording. Recordings may overlap, so the ends are not sorted: beside the begins and
// ends the index keeps a 16-way max-tree over the ends (the latest end of every 16, 256, 4096, ... consecutive
// recordings), a little over 16 bytes per recording. Recordings that come out of order are answered by walking them
// in delivery order, exactly as the plain loops would.
class ZCORVANEBASE_PRIVATE_EXPORT RecordingTimeIndex
{
public:
    RecordingTimeIndex();
    ~RecordingTimeIndex();
    RecordingTimeIndex(const RecordingTimeIndex&) = delete;
    RecordingTimeIndex& operator=(const RecordingTimeIndex&) = delete;

    // Indexes the recordings; false (and the index unchanged) when one has an invalid date-time or ends before it
    // begins: the caller hands usable recordings only.
    bool build(const QVector<RecordingTimeInfo>& recordings);
    void clear();

    int size() const { return begins.size(); }
    bool isEmpty() const { return begins.isEmpty(); }
    bool isSorted() const { return sorted; }
    qint64 beginAt(int i) const { return begins.at(i); }
    qint64 endAt(int i) const { return ends.at(i); }
    bool isAlarmAt(int i) const { return alarms.testBit(i); }

    // The first recording (in delivery order) with begin <= t <= end, or -1.
    int firstContaining(qint64 t) const;
    // The first recording (in delivery order) that begins after t, or -1.
    int firstBeginningAfter(qint64 t) const;
    // The first recording (in delivery order) that ends after t, or size(): a walk in delivery order for a recording
    // that ends after t may start here.
    int firstEndingAfter(qint64 t) const;
    // The last recording (in delivery order) with begin <= to and end >= from, the one painted over the others
    // there; -1 when none.
    int lastOverlapping(qint64 from, qint64 to) const;
    // A recording with the earliest begin at or after t, or with the latest begin before t, among all recordings or
    // the alarm recordings only; -1 when there is none.
    int earliestBeginningFrom(qint64 t, bool alarmOnly) const;
    int latestBeginningBefore(qint64 t, bool alarmOnly) const;

    // The columns of a strip `width` pixels wide over [viewBegin, viewBegin + degree hours) that show a recording,
    // left to right, each with the colour of the last recording (in delivery order) that covers it: exactly the
    // pixels that painting the recordings in delivery order, a later one over an earlier one, would leave, when the
    // painting stops at the first recording that begins at or after the view's end.
    QVector<RecordingPaintRun> paintRuns(qint64 viewBegin, int degree, int width) const;

    // The same strip when short recordings must stay visible (minimumWidth > 0): every recording that begins before
    // the view's end counts, whatever the order. One that begins inside the view and is painted narrower than
    // minimumWidth columns is painted exactly minimumWidth wide, centred on the column of its begin (moved right just
    // enough to keep all of its own columns), clipped to the strip. In every column an alarm recording wins over a
    // normal one. Recordings that begin before the view keep their own columns: they reach the left edge.
    QVector<RecordingPaintRun> paintRunsWidened(qint64 viewBegin, int degree, int width, int minimumWidth) const;

private:
    qint64 maxEndOf(int level, int node) const { return level == 0 ? ends.at(node) : maxEnds.at(level - 1).at(node); }
    // The first recording in [low, high) whose end satisfies pred, or -1; pred must be monotone (once true for an
    // end, true for every later end), so that it can be tested on the latest end of a group.
    template <typename Pred> int firstWhere(int low, int high, const Pred& pred) const;
    // The last recording in [low, high) whose end satisfies pred (monotone as above), or -1.
    template <typename Pred> int lastWhere(int low, int high, const Pred& pred) const;
    QVector<RecordingPaintRun> paintRunsInDeliveryOrder(qint64 viewBegin, int degree, int width) const;
    void makeAlarmPositions() const;

    QVector<qint64> begins;
    QVector<qint64> ends;
    QVector<QVector<qint64>>
        maxEnds; // maxEnds[k][n]: the latest end of recordings n * 16^(k+1) .. (n+1) * 16^(k+1) - 1
    QBitArray alarms;
    bool sorted = true; // the begins ascend
    // The alarm recordings' positions, in order, and their begins and ends side by side: made on the first paint with
    // a minimum width (or the first alarm search), dropped with the recordings.
    mutable QVector<int> alarmPositions;
    mutable QVector<qint64> alarmBegins;
    mutable QVector<qint64> alarmEnds;
    mutable bool alarmPositionsMade = false;
    // Recordings out of order: the same recordings sorted by begin, made for the first widened painting.
    mutable std::unique_ptr<RecordingTimeIndex> sortedCopy;
    QVector<RecordingTimeInfo> delivered; // kept only while out of order, for the sorted copy
};

} // namespace ZCORVANEBASE
