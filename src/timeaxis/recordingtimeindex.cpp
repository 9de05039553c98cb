#include "timeaxis/recordingtimeindex_p.h"

#include <algorithm>
#include <limits>

namespace ZCORVANEBASE {

namespace {
constexpr qint64 noEnd = std::numeric_limits<qint64>::min();

// Seconds between two epoch-millisecond values as QDateTime::secsTo counts them (truncated toward zero).
inline qint64 secsBetween(qint64 from, qint64 to)
{
    return (to - from) / 1000;
}
}

bool RecordingTimeIndex::build(const QVector<RecordingTimeInfo>& recordings)
{
    const int count = recordings.size();
    QVector<qint64> newBegins;
    QVector<qint64> newEnds;
    QVector<qint64> newPrefixMaxEnds;
    QVector<bool> newAlarms;
    newBegins.reserve(count);
    newEnds.reserve(count);
    newPrefixMaxEnds.reserve(count);
    newAlarms.reserve(count);
    qint64 maxEnd = noEnd;
    for (const RecordingTimeInfo& recording : recordings) {
        if (!recording.beginDatetime.isValid() || !recording.endDatetime.isValid())
            return false;
        const qint64 begin = recording.beginDatetime.toMSecsSinceEpoch();
        const qint64 end = recording.endDatetime.toMSecsSinceEpoch();
        if (end < begin || (!newBegins.isEmpty() && begin < newBegins.last()))
            return false;
        newBegins.append(begin);
        newEnds.append(end);
        maxEnd = std::max(maxEnd, end);
        newPrefixMaxEnds.append(maxEnd);
        newAlarms.append(recording.isAlarm);
    }
    begins.swap(newBegins);
    ends.swap(newEnds);
    prefixMaxEnds.swap(newPrefixMaxEnds);
    alarms.swap(newAlarms);
    leafCount = 1;
    while (leafCount < count)
        leafCount *= 2;
    endTree.fill(noEnd, 2 * leafCount);
    for (int i = 0; i < count; ++i)
        endTree[leafCount + i] = ends.at(i);
    for (int node = leafCount - 1; node >= 1; --node)
        endTree[node] = std::max(endTree.at(2 * node), endTree.at(2 * node + 1));
    return true;
}

void RecordingTimeIndex::clear()
{
    begins.clear();
    ends.clear();
    prefixMaxEnds.clear();
    endTree.clear();
    alarms.clear();
    leafCount = 0;
}

int RecordingTimeIndex::firstContaining(qint64 t) const
{
    // Among the recordings that begin at or before t, the first whose end reaches t is where the running maximum of
    // the ends first reaches t.
    const int beganCount = int(std::upper_bound(begins.cbegin(), begins.cend(), t) - begins.cbegin());
    const auto it = std::lower_bound(prefixMaxEnds.cbegin(), prefixMaxEnds.cbegin() + beganCount, t);
    const int index = int(it - prefixMaxEnds.cbegin());
    return index < beganCount ? index : -1;
}

int RecordingTimeIndex::firstBeginningAfter(qint64 t) const
{
    const int index = int(std::upper_bound(begins.cbegin(), begins.cend(), t) - begins.cbegin());
    return index < begins.size() ? index : -1;
}

int RecordingTimeIndex::firstEndingAfter(qint64 t) const
{
    return int(std::upper_bound(prefixMaxEnds.cbegin(), prefixMaxEnds.cend(), t) - prefixMaxEnds.cbegin());
}

template <typename Pred>
int RecordingTimeIndex::lastWhere(int node, int nodeLow, int nodeHigh, int low, int high, const Pred& pred) const
{
    if (nodeHigh <= low || nodeLow >= high || !pred(endTree.at(node)))
        return -1;
    if (nodeHigh - nodeLow == 1)
        return nodeLow;
    const int middle = (nodeLow + nodeHigh) / 2;
    const int right = lastWhere(2 * node + 1, middle, nodeHigh, low, high, pred);
    return right >= 0 ? right : lastWhere(2 * node, nodeLow, middle, low, high, pred);
}

QVector<RecordingPaintRun> RecordingTimeIndex::paintRuns(qint64 viewBegin, int degree, int width) const
{
    QVector<RecordingPaintRun> runs;
    if (begins.isEmpty() || width <= 0 || !TimeAxisMapping::isValidDegree(degree))
        return runs;
    const qint64 viewEnd = viewBegin + TimeAxisMapping::spanSecs(degree) * 1000;

    // Painting stops at the first recording that begins at or after the view's end; before `low` every recording
    // ends at or before the view's begin and is skipped.
    const int high = int(std::lower_bound(begins.cbegin(), begins.cend(), viewEnd) - begins.cbegin());
    const int low = int(
        std::upper_bound(prefixMaxEnds.cbegin(), prefixMaxEnds.cbegin() + high, viewBegin) - prefixMaxEnds.cbegin());
    if (low >= high)
        return runs;

    auto leftX = [&](int i) {
        return TimeAxisMapping::barPosX(secsBetween(viewBegin, std::max(begins.at(i), viewBegin)), degree, width);
    };
    // Right edge of a recording ending at `end`; a recording ending at or before the view's begin never reaches
    // past column 0. Monotone in `end`, so it can be tested on the maximum end of a subtree.
    auto rightX = [&](qint64 end) -> qint64 {
        if (end <= viewBegin)
            return 0;
        return TimeAxisMapping::barPosX(secsBetween(viewBegin, std::min(end, viewEnd)), degree, width);
    };

    int column = 0;
    int started = low; // recordings low..started-1 have their left edge at or before `column`
    while (column < width) {
        // The left edges ascend with the index: find the first recording that starts right of this column.
        int count = high - started;
        while (count > 0) {
            const int step = count / 2;
            if (leftX(started + step) <= column) {
                started += step + 1;
                count -= step + 1;
            } else {
                count = step;
            }
        }
        const qint64 nextStart = started < high ? leftX(started) : width;
        const int winner = lastWhere(1, 0, leafCount, low, started, [&](qint64 end) { return rightX(end) > column; });
        if (winner < 0) {
            column = int(std::min<qint64>(nextStart, width));
            continue;
        }
        const int runEnd = int(std::min<qint64>(std::min(rightX(ends.at(winner)), nextStart), width));
        if (!runs.isEmpty() && runs.last().x2 == column && runs.last().isAlarm == alarms.at(winner))
            runs.last().x2 = runEnd;
        else
            runs.append({ column, runEnd, alarms.at(winner) });
        column = runEnd;
    }
    return runs;
}

} // namespace ZCORVANEBASE
