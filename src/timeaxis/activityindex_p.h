#pragma once

#include "frame/zcorvanebase_global.h"
#include "timeaxis/timeaxismodel.h"

#include <QVector>

namespace ZCORVANEBASE {

// The activity samples of one channel (ActivitySample: a stretch of seconds at a level from 0 to 100), converted
// once to milliseconds since the epoch and sorted by begin, for the activity band along the top of a bar.
//
// A column of a strip shows the highest level of the samples that hold a second of it: a sample of `durationSecs`
// seconds from `begin` holds the seconds begin, begin + 1 s, ..., and each second lies in the column the bar mapping
// puts it in. Samples may overlap and come in any order. A repaint visits only the samples that reach the view: the
// latest end of every prefix of the sorted samples finds the first of them with one binary search.
class ZCORVANEBASE_PRIVATE_EXPORT ActivityIndex
{
public:
    // Takes the valid samples (a valid begin, a positive duration, a level from 0 to 100) and returns how many were
    // not.
    int build(const QVector<ActivitySample>& samples);
    void clear();
    bool isEmpty() const { return m_begins.isEmpty(); }
    int size() const { return m_begins.size(); }

    // Raises levels[x] to the highest level over column x of a strip `width` pixels wide that shows `degree` hours
    // from viewBegin (milliseconds since the epoch). levels holds `width` entries.
    void raiseColumnLevels(qint64 viewBegin, int degree, int width, quint8* levels) const;

private:
    // By begin: milliseconds since the epoch, the end exclusive.
    QVector<qint64> m_begins;
    QVector<qint64> m_ends;
    QVector<quint8> m_levels;
    QVector<qint64> m_latestEnds; // m_latestEnds[i]: the latest end of samples 0 .. i
    // Samples nearly always begin on whole seconds: then they are also kept as seconds from the first one's begin,
    // and a view that begins on a whole second too is painted from these.
    bool m_wholeSeconds = false;
    qint64 m_origin = 0;
    QVector<qint32> m_beginSecs;
    QVector<qint32> m_endSecs;
};

} // namespace ZCORVANEBASE
