#pragma once

#include "frame/zcorvanebase_global.h"
#include "timeaxis/timeaxismodel.h"

#include <QBitArray>
#include <QVector>

namespace ZCORVANEBASE {

// One run of pixel columns [x1, x2) of a channel bar that shows one recording.
struct RecordingPaintRun
{
    int x1;
    int x2;
    bool isAlarm;
};

// The recordings of one channel converted once, when they arrive, to milliseconds since the epoch (the resolution
// at which QDateTime compares, so every comparison below gives the same answer as comparing the date-times).
// Recordings may overlap, so the ends alone are not sorted: beside the begins and ends the index keeps a 16-way
// max-tree over the ends (the latest end of every 16, 256, 4096, ... consecutive recordings). With it a seek, a gap
// check and a repaint cost a few searches (per recording lookup, per pixel run) instead of a walk over all
// recordings, and the index costs a little over 16 bytes per recording.
class ZCORVANEBASE_PRIVATE_EXPORT RecordingTimeIndex
{
public:
    // Indexes the recordings; false (and the index unchanged) unless every recording has valid date-times, none
    // ends before it begins, and the begins ascend.
    bool build(const QVector<RecordingTimeInfo>& recordings);
    void clear();

    int size() const { return begins.size(); }
    bool isEmpty() const { return begins.isEmpty(); }
    qint64 beginAt(int i) const { return begins.at(i); }
    qint64 endAt(int i) const { return ends.at(i); }

    // The first recording with begin <= t <= end, or -1.
    int firstContaining(qint64 t) const;
    // The first recording that begins after t, or -1.
    int firstBeginningAfter(qint64 t) const;
    // The first recording that ends after t, or size().
    int firstEndingAfter(qint64 t) const;

    // The columns of a strip `width` pixels wide over [viewBegin, viewBegin + degree hours) that show a recording,
    // left to right, each with the colour of the last recording (in vector order) that covers it: exactly the
    // pixels that painting every visible recording in vector order, a later one over an earlier one, would leave.
    QVector<RecordingPaintRun> paintRuns(qint64 viewBegin, int degree, int width) const;

    // The same strip when short recordings must stay visible (minimumWidth > 0): a recording that begins inside
    // the view and is painted narrower than minimumWidth columns is painted exactly minimumWidth wide, centred on
    // the column of its begin (moved right just enough to keep all of its own columns), clipped to the strip. In
    // every column an alarm recording wins over a normal one, whatever their order. Recordings that begin before
    // the view keep their own columns: they reach the left edge.
    QVector<RecordingPaintRun> paintRunsWidened(qint64 viewBegin, int degree, int width, int minimumWidth) const;

private:
    qint64 maxEndOf(int level, int node) const { return level == 0 ? ends.at(node) : maxEnds.at(level - 1).at(node); }
    // The first recording in [low, high) whose end satisfies pred, or -1; pred must be monotone (once true for an
    // end, true for every later end), so that it can be tested on the latest end of a group.
    template <typename Pred> int firstWhere(int low, int high, const Pred& pred) const;
    // The last recording in [low, high) whose end satisfies pred (monotone as above), or -1.
    template <typename Pred> int lastWhere(int low, int high, const Pred& pred) const;

    QVector<qint64> begins;
    QVector<qint64> ends;
    QVector<QVector<qint64>>
        maxEnds; // maxEnds[k][n]: the latest end of recordings n * 16^(k+1) .. (n+1) * 16^(k+1) - 1
    QBitArray alarms;
    // The alarm recordings' positions, in order: made on the first paint with a minimum width, dropped with the
    // recordings.
    mutable QVector<int> alarmPositions;
    mutable QVector<qint64> alarmBegins; // and their begins and ends, side by side for the walk
    mutable QVector<qint64> alarmEnds;
    mutable bool alarmPositionsMade = false;
};

} // namespace ZCORVANEBASE
