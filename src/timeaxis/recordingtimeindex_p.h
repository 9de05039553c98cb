#pragma once

#include "frame/zcorvanebase_global.h"
#include "timeaxis/timeaxismodel.h"

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
// Beside the begins and ends it keeps the running maximum of the ends (recordings may overlap, so the ends alone are
// not sorted) and a max-tree over the ends. With them a seek, a gap check and a repaint cost a few binary searches
// (per recording lookup, per pixel run) instead of a walk over all recordings.
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

private:
    template <typename Pred>
    int lastWhere(int node, int nodeLow, int nodeHigh, int low, int high, const Pred& pred) const;

    QVector<qint64> begins;
    QVector<qint64> ends;
    QVector<qint64> prefixMaxEnds; // prefixMaxEnds[i] = the latest end among recordings 0..i
    QVector<qint64> endTree; // max-tree over ends, leaves from leafCount on
    QVector<bool> alarms;
    int leafCount = 0;
};

} // namespace ZCORVANEBASE
