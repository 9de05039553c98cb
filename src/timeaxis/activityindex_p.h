#pragma once

#include "frame/zcorvanebase_global.h"
#include "timeaxis/timeaxismodel.h"

#include <QVector>

namespace ZCORVANEBASE {

// The activity samples of one channel (ActivitySample: a stretch of seconds at a level from 0 to 100), converted
// once to milliseconds since the epoch and sorted by begin, for the activity band along the top of a bar.
//
// A column of a strip shows the highest level of the samples that touch the stretch of time it stands for: the
// seconds from the view's begin that the bar mapping puts in it. Samples may overlap and come in any order. A repaint
// visits only the samples that reach the view: the latest end of every prefix of the sorted samples finds the first
// of them with one binary search. Samples that do not overlap (a detector's usual report, one after the other) are
// walked together with the columns; overlapping ones raise the columns they cover one sample at a time.
class ZCORVANEBASE_PRIVATE_EXPORT ActivityIndex
{
public:
    // Takes the valid samples (a valid begin, a positive duration, a level from 0 to 100) and returns how many were
    // not.
    int build(const QVector<ActivitySample>& samples);
    void clear();
    bool isEmpty() const { return m_levels.isEmpty(); }
    int size() const { return m_levels.size(); }

    // Sets levels[x] to the highest level over column x (0 where there is none) of a strip `width` pixels wide that
    // shows `degree` hours from viewBegin (milliseconds since the epoch); levels holds `width` entries.
    void columnLevels(qint64 viewBegin, int degree, int width, quint8* levels) const;

private:
    void levelsByColumn(qint64 viewBegin, int degree, int width, quint8* levels) const;
    void raiseBySample(qint64 viewBegin, int degree, int width, quint8* levels) const;
    int firstEndingAfter(qint64 moment) const;

    // By begin, milliseconds since the epoch (the end exclusive).
    QVector<qint64> m_begins;
    QVector<qint64> m_ends;
    QVector<quint8> m_levels;
    QVector<qint64> m_latestEnds; // m_latestEnds[i]: the latest end of samples 0 .. i
    bool m_disjoint = true; // no sample overlaps the next
};

} // namespace ZCORVANEBASE
