#include "timeaxis/recordingtimeindex_p.h"

#include <QBitArray>

#include <algorithm>
#include <limits>
#include <numeric>
#include <vector>

namespace ZCORVANEBASE {

namespace {
constexpr qint64 noEnd = std::numeric_limits<qint64>::min();
constexpr int fanBits = 4; // 16 ends per group of the max-tree

inline int groupSpan(int level)
{
    return 1 << (fanBits * level);
}

// Milliseconds since the epoch of many date-times, as QDateTime::toMSecsSinceEpoch gives them, without asking
// the system about every local time: that costs a mktime() call each (microseconds), seconds for 64 windows of a day
// of 10-second files. A local time is its wall-clock milliseconds minus the zone's offset from UTC, and the offset
// only changes at the zone's transitions. So within a stretch of local times (in vector order) the offset is asked
// for at both ends only; it is taken for the whole stretch when both ends give the same offset, every local time
// between lies between them and all share one daylight-saving flag. Otherwise the stretch is halved, so around a
// transition every local time is converted on its own. The one thing taken on trust: a zone does not change its
// offset and change it back, with no daylight-saving change, between the two ends of such a stretch (zones change
// their standard offset years apart). Date-times in UTC, at an offset or in a named zone convert directly.
class EpochMSecs
{
public:
    explicit EpochMSecs(int count)
        : wall(count)
        , daylight(count)
        , local(count)
        , epoch(count)
    {
    }

    // False when a date-time is not valid.
    template <typename At> bool convert(const At& at)
    {
        const int count = epoch.size();
        for (int i = 0; i < count; ++i) {
            const QDateTime& datetime = at(i);
            if (!datetime.isValid())
                return false;
            local.setBit(i, datetime.timeSpec() == Qt::LocalTime);
            if (local.testBit(i)) {
                wall[i] = (datetime.date().toJulianDay() - epochJulianDay) * msecsPerDay
                    + datetime.time().msecsSinceStartOfDay();
                daylight.setBit(i, datetime.isDaylightTime());
            } else {
                epoch[i] = datetime.toMSecsSinceEpoch();
            }
        }
        for (int low = 0; low < count;) {
            if (!local.testBit(low)) {
                ++low;
                continue;
            }
            int high = low;
            while (high + 1 < count && local.testBit(high + 1))
                ++high;
            epoch[low] = at(low).toMSecsSinceEpoch();
            epoch[high] = at(high).toMSecsSinceEpoch();
            fillBetween(at, low, high);
            low = high + 1;
        }
        return true;
    }

    QVector<qint64> wall; // local wall-clock milliseconds since 1970-01-01T00:00
    QBitArray daylight;
    QBitArray local;
    QVector<qint64> epoch;

private:
    static constexpr qint64 epochJulianDay = 2440588;
    static constexpr qint64 msecsPerDay = 86400000;

    // epoch[low] and epoch[high] are known; fills the local times between.
    template <typename At> void fillBetween(const At& at, int low, int high)
    {
        if (high - low <= 1)
            return;
        const qint64 offset = wall.at(low) - epoch.at(low);
        bool sameOffset = offset == wall.at(high) - epoch.at(high) && daylight.testBit(low) == daylight.testBit(high);
        const qint64 least = std::min(wall.at(low), wall.at(high));
        const qint64 most = std::max(wall.at(low), wall.at(high));
        for (int i = low + 1; sameOffset && i < high; ++i)
            sameOffset = daylight.testBit(i) == daylight.testBit(low) && wall.at(i) >= least && wall.at(i) <= most;
        if (sameOffset) {
            for (int i = low + 1; i < high; ++i)
                epoch[i] = wall.at(i) - offset;
            return;
        }
        const int middle = low + (high - low) / 2;
        epoch[middle] = at(middle).toMSecsSinceEpoch();
        fillBetween(at, low, middle);
        fillBetween(at, middle, high);
    }
};

} // namespace

bool toEpochMSecs(int count, const std::function<const QDateTime&(int)>& at, QVector<qint64>* epoch)
{
    EpochMSecs converted(count);
    if (!converted.convert(at))
        return false;
    epoch->swap(converted.epoch);
    return true;
}

RecordingTimeIndex::RecordingTimeIndex() = default;
RecordingTimeIndex::~RecordingTimeIndex() = default;

bool RecordingTimeIndex::build(const QVector<RecordingTimeInfo>& recordings)
{
    const int count = recordings.size();
    EpochMSecs newBegins(count);
    EpochMSecs newEnds(count);
    if (!newBegins.convert([&](int i) -> const QDateTime& { return recordings.at(i).beginDatetime; })
        || !newEnds.convert([&](int i) -> const QDateTime& { return recordings.at(i).endDatetime; }))
        return false;
    QBitArray newAlarms(count);
    bool newSorted = true;
    for (int i = 0; i < count; ++i) {
        const qint64 begin = newBegins.epoch.at(i);
        if (newEnds.epoch.at(i) < begin)
            return false;
        if (i > 0 && begin < newBegins.epoch.at(i - 1))
            newSorted = false;
        if (recordings.at(i).isAlarm)
            newAlarms.setBit(i);
    }
    // The max-tree serves both orders: it looks at the ends by position only.
    QVector<QVector<qint64>> newMaxEnds;
    for (const QVector<qint64>* below = &newEnds.epoch; below->size() > 1; below = &newMaxEnds.last()) {
        QVector<qint64> level((below->size() + groupSpan(1) - 1) >> fanBits, noEnd);
        for (int i = 0; i < below->size(); ++i)
            level[i >> fanBits] = std::max(level.at(i >> fanBits), below->at(i));
        newMaxEnds.append(level);
    }
    clear();
    begins.swap(newBegins.epoch);
    ends.swap(newEnds.epoch);
    maxEnds.swap(newMaxEnds);
    alarms.swap(newAlarms);
    sorted = newSorted;
    if (!sorted)
        delivered = recordings;
    return true;
}

void RecordingTimeIndex::clear()
{
    begins.clear();
    ends.clear();
    maxEnds.clear();
    alarms.clear();
    sorted = true;
    alarmPositions.clear();
    alarmBegins.clear();
    alarmEnds.clear();
    alarmPositionsMade = false;
    sortedCopy.reset();
    delivered.clear();
}

void RecordingTimeIndex::makeAlarmPositions() const
{
    if (alarmPositionsMade)
        return;
    for (int i = 0; i < alarms.size(); ++i) {
        if (alarms.testBit(i)) {
            alarmPositions.append(i);
            alarmBegins.append(begins.at(i));
            alarmEnds.append(ends.at(i));
        }
    }
    alarmPositionsMade = true;
}

// Walks right from `low`, each step over the largest group that starts here and fits before `high`; a group whose
// latest end satisfies pred holds the answer, found by going down to its first such member.
template <typename Pred> int RecordingTimeIndex::firstWhere(int low, int high, const Pred& pred) const
{
    int i = low;
    while (i < high) {
        int level = 0;
        while (level < maxEnds.size()) {
            const int span = groupSpan(level + 1);
            if ((i & (span - 1)) != 0 || i + span > high)
                break;
            ++level;
        }
        if (!pred(maxEndOf(level, i >> (fanBits * level)))) {
            i += groupSpan(level);
            continue;
        }
        int node = i >> (fanBits * level);
        for (; level > 0; --level) {
            node <<= fanBits;
            while (!pred(maxEndOf(level - 1, node)))
                ++node;
        }
        return node;
    }
    return -1;
}

// The mirror of firstWhere: walks left from `high`, over the largest group that ends here and starts at `low` or
// later.
template <typename Pred> int RecordingTimeIndex::lastWhere(int low, int high, const Pred& pred) const
{
    int i = high - 1;
    while (i >= low) {
        int level = 0;
        while (level < maxEnds.size()) {
            const int span = groupSpan(level + 1);
            if (((i + 1) & (span - 1)) != 0 || i + 1 - span < low)
                break;
            ++level;
        }
        if (!pred(maxEndOf(level, i >> (fanBits * level)))) {
            i -= groupSpan(level);
            continue;
        }
        int node = i >> (fanBits * level);
        for (; level > 0; --level) {
            node = (node << fanBits) + groupSpan(1) - 1;
            while (!pred(maxEndOf(level - 1, node)))
                --node;
        }
        return node;
    }
    return -1;
}

int RecordingTimeIndex::firstContaining(qint64 t) const
{
    if (!sorted) {
        for (int i = 0; i < begins.size(); ++i) {
            if (begins.at(i) <= t && t <= ends.at(i))
                return i;
        }
        return -1;
    }
    // Among the recordings that begin at or before t, the first whose end reaches t.
    const int beganCount = int(std::upper_bound(begins.cbegin(), begins.cend(), t) - begins.cbegin());
    return firstWhere(0, beganCount, [t](qint64 end) { return end >= t; });
}

int RecordingTimeIndex::firstBeginningAfter(qint64 t) const
{
    if (!sorted) {
        const auto it = std::find_if(begins.cbegin(), begins.cend(), [t](qint64 begin) { return begin > t; });
        return it == begins.cend() ? -1 : int(it - begins.cbegin());
    }
    const int index = int(std::upper_bound(begins.cbegin(), begins.cend(), t) - begins.cbegin());
    return index < begins.size() ? index : -1;
}

int RecordingTimeIndex::firstEndingAfter(qint64 t) const
{
    const int index = firstWhere(0, begins.size(), [t](qint64 end) { return end > t; });
    return index < 0 ? begins.size() : index;
}

int RecordingTimeIndex::lastOverlapping(qint64 from, qint64 to) const
{
    if (!sorted) {
        for (int i = begins.size() - 1; i >= 0; --i) {
            if (begins.at(i) <= to && ends.at(i) >= from)
                return i;
        }
        return -1;
    }
    const int beganCount = int(std::upper_bound(begins.cbegin(), begins.cend(), to) - begins.cbegin());
    return lastWhere(0, beganCount, [from](qint64 end) { return end >= from; });
}

int RecordingTimeIndex::earliestBeginningFrom(qint64 t, bool alarmOnly) const
{
    int found = -1;
    if (!sorted) {
        for (int i = 0; i < begins.size(); ++i) {
            if (begins.at(i) >= t && (!alarmOnly || alarms.testBit(i))
                && (found < 0 || begins.at(i) < begins.at(found)))
                found = i;
        }
        return found;
    }
    if (!alarmOnly) {
        const int index = int(std::lower_bound(begins.cbegin(), begins.cend(), t) - begins.cbegin());
        return index < begins.size() ? index : -1;
    }
    makeAlarmPositions();
    const int index = int(std::lower_bound(alarmBegins.cbegin(), alarmBegins.cend(), t) - alarmBegins.cbegin());
    return index < alarmPositions.size() ? alarmPositions.at(index) : -1;
}

int RecordingTimeIndex::latestBeginningBefore(qint64 t, bool alarmOnly) const
{
    int found = -1;
    if (!sorted) {
        for (int i = 0; i < begins.size(); ++i) {
            if (begins.at(i) < t && (!alarmOnly || alarms.testBit(i)) && (found < 0 || begins.at(i) > begins.at(found)))
                found = i;
        }
        return found;
    }
    if (!alarmOnly)
        return int(std::lower_bound(begins.cbegin(), begins.cend(), t) - begins.cbegin()) - 1;
    makeAlarmPositions();
    const int index = int(std::lower_bound(alarmBegins.cbegin(), alarmBegins.cend(), t) - alarmBegins.cbegin()) - 1;
    return index >= 0 ? alarmPositions.at(index) : -1;
}

// For each column c of a strip `width` pixels wide at `degree`, the least whole number of seconds after the view's
// begin whose x (TimeAxisMapping::barPosX, truncated) lies right of c. The x of a moment is monotone in its seconds,
// so x <= c exactly when the seconds are below this threshold: with it every pixel test of a recording becomes an
// integer comparison of milliseconds. Depends on the degree and the width only, so the few in use are kept.
const QVector<qint64>& barColumnThresholds(int degree, int width)
{
    struct Entry
    {
        int degree;
        int width;
        QVector<qint64> secs;
    };
    static QVector<Entry> entries; // the most recently used last
    for (int i = entries.size() - 1; i >= 0; --i) {
        if (entries.at(i).degree == degree && entries.at(i).width == width) {
            if (i != entries.size() - 1)
                entries.append(entries.takeAt(i));
            return entries.last().secs;
        }
    }
    const qint64 spanSecs = TimeAxisMapping::spanSecs(degree);
    QVector<qint64> secs(width);
    for (int column = 0; column < width; ++column) {
        qint64 s = ((column + 1) * spanSecs + width - 1) / width; // within a second or two of the answer
        while (s > 0 && TimeAxisMapping::barPosX(s - 1, degree, width) > column)
            --s;
        while (TimeAxisMapping::barPosX(s, degree, width) <= column)
            ++s;
        secs[column] = s;
    }
    if (entries.size() == 8)
        entries.removeFirst();
    entries.append({ degree, width, secs });
    return entries.last().secs;
}

QVector<RecordingPaintRun> RecordingTimeIndex::paintRuns(qint64 viewBegin, int degree, int width) const
{
    QVector<RecordingPaintRun> runs;
    if (begins.isEmpty() || width <= 0 || !TimeAxisMapping::isValidDegree(degree))
        return runs;
    if (!sorted)
        return paintRunsInDeliveryOrder(viewBegin, degree, width);
    const qint64 viewEnd = viewBegin + TimeAxisMapping::spanSecs(degree) * 1000;

    // Painting stops at the first recording that begins at or after the view's end; before `low` every recording
    // ends at or before the view's begin and is skipped.
    const int high = int(std::lower_bound(begins.cbegin(), begins.cend(), viewEnd) - begins.cbegin());
    const int low = firstWhere(0, high, [viewBegin](qint64 end) { return end > viewBegin; });
    if (low < 0)
        return runs;

    // Recording i covers column c (from the truncated x of its clipped begin to that of its clipped end) exactly
    // when begin_i < edge and end_i >= edge, with edge the view's begin plus the column's threshold. Column by
    // column: the recordings that begin before the edge are a prefix (begins ascend), and the colour is that of the
    // last of them that ends at or after it.
    const QVector<qint64>& thresholds = barColumnThresholds(degree, width);
    int started = low;
    qint64 latestStartedEnd = noEnd; // the latest end among recordings low..started-1: no winner when before the edge
    for (int column = 0; column < width; ++column) {
        const qint64 edge = viewBegin + thresholds.at(column) * 1000;
        for (; started < high && begins.at(started) < edge; ++started)
            latestStartedEnd = std::max(latestStartedEnd, ends.at(started));
        if (latestStartedEnd < edge)
            continue;
        const int winner = lastWhere(low, started, [edge](qint64 end) { return end >= edge; });
        if (winner < 0)
            continue;
        const bool isAlarm = alarms.testBit(winner);
        if (!runs.isEmpty() && runs.last().x2 == column && runs.last().isAlarm == isAlarm)
            runs.last().x2 = column + 1;
        else
            runs.append({ column, column + 1, isAlarm });
    }
    return runs;
}

// Recordings out of order, painted as they came: every visible one in turn over the columns from its clipped begin
// to its clipped end, until the first that begins at or after the view's end.
QVector<RecordingPaintRun> RecordingTimeIndex::paintRunsInDeliveryOrder(qint64 viewBegin, int degree, int width) const
{
    const qint64 viewEnd = viewBegin + TimeAxisMapping::spanSecs(degree) * 1000;
    const auto posX = [&](qint64 msecs) {
        return int(
            qBound(qint64(0), TimeAxisMapping::barPosX((msecs - viewBegin) / 1000, degree, width), qint64(width)));
    };
    std::vector<signed char> kinds(size_t(width), 0); // 0 nothing, 1 a recording, 2 an alarm recording
    for (int i = 0; i < begins.size(); ++i) {
        if (begins.at(i) >= viewEnd)
            break;
        if (ends.at(i) <= viewBegin)
            continue;
        const int x2 = posX(std::min(ends.at(i), viewEnd));
        for (int x = posX(std::max(begins.at(i), viewBegin)); x < x2; ++x)
            kinds[size_t(x)] = alarms.testBit(i) ? 2 : 1;
    }
    QVector<RecordingPaintRun> runs;
    for (int x = 0; x < width; ++x) {
        if (kinds[size_t(x)] == 0)
            continue;
        const bool isAlarm = kinds[size_t(x)] == 2;
        if (!runs.isEmpty() && runs.last().x2 == x && runs.last().isAlarm == isAlarm)
            runs.last().x2 = x + 1;
        else
            runs.append({ x, x + 1, isAlarm });
    }
    return runs;
}

// ---- Short recordings kept visible ----------------------------------------------------------------------------

QVector<RecordingPaintRun> RecordingTimeIndex::paintRunsWidened(
    qint64 viewBegin, int degree, int width, int minimumWidth) const
{
    QVector<RecordingPaintRun> runs;
    if (begins.isEmpty() || width <= 0 || minimumWidth <= 0 || !TimeAxisMapping::isValidDegree(degree))
        return runs;
    if (!sorted) {
        // The order does not matter here: the same recordings sorted by begin paint the same.
        if (!sortedCopy) {
            QVector<int> order(begins.size());
            std::iota(order.begin(), order.end(), 0);
            std::stable_sort(order.begin(), order.end(), [this](int a, int b) { return begins.at(a) < begins.at(b); });
            QVector<RecordingTimeInfo> byBegin;
            byBegin.reserve(order.size());
            for (int i : qAsConst(order))
                byBegin.append(delivered.at(i));
            sortedCopy.reset(new RecordingTimeIndex);
            sortedCopy->build(byBegin);
        }
        return sortedCopy->paintRunsWidened(viewBegin, degree, width, minimumWidth);
    }
    const qint64 viewEnd = viewBegin + TimeAxisMapping::spanSecs(degree) * 1000;
    const int high = int(std::lower_bound(begins.cbegin(), begins.cend(), viewEnd) - begins.cbegin());
    const int low = firstWhere(0, high, [viewBegin](qint64 end) { return end > viewBegin; });
    if (low < 0)
        return runs;

    // As in paintRuns, a recording covers column c when it begins before the column's edge and ends at or after
    // it. Alarm wins, so a column needs only the latest end of all recordings begun so far and that of the alarm
    // ones among them. The recordings that begin in column c start there (x1 = c); one that ends before the edge
    // of column c + minimumWidth - 1 is narrower than minimumWidth and is widened to [from, from + minimumWidth)
    // with from = max(c - minimumWidth / 2, x2 - minimumWidth). That grows with the end, and all those runs of a
    // column overlap, so together they cover [from of the earliest end, from of the latest end + minimumWidth): per
    // column only the earliest and the latest end of its narrow recordings (and of its narrow alarm recordings) are
    // kept, and their runs are added up in difference arrays.
    const qint64* thresholds = barColumnThresholds(degree, width).constData();
    const auto edge = [thresholds, viewBegin](int column) { return viewBegin + thresholds[column] * 1000; };
    minimumWidth = std::min(minimumWidth, width); // wider covers the strip all the same
    const int half = minimumWidth / 2;
    // One block for the two difference arrays and the columns' own kinds (1: a recording, 2: an alarm recording).
    std::vector<int> work(3 * (size_t(width) + 1), 0);
    int* widened = work.data();
    int* widenedAlarms = widened + width + 1;
    int* natural = widenedAlarms + width + 1;
    const auto addWidened = [&](int* runs, int column, qint64 earliestEnd, qint64 latestEnd) {
        // x2 of an end, the column after its last one: the first column whose edge lies after it (less than
        // minimumWidth columns on).
        const auto x2Of = [&](qint64 end) {
            int x2 = column;
            while (x2 < width && edge(x2) <= end)
                ++x2;
            return x2;
        };
        const int from = std::max(column - half, x2Of(earliestEnd) - minimumWidth);
        const int to = std::max(column - half, x2Of(latestEnd) - minimumWidth) + minimumWidth;
        ++runs[std::max(0, from)];
        --runs[std::min(width, to)];
    };
    // Alarm recordings are walked on their own (a tenth of them, typically), so the walk over all of them does
    // no more per recording than keep the latest end and look at the narrow ones.
    makeAlarmPositions();
    const int firstInView = int(std::lower_bound(begins.cbegin(), begins.cend(), viewBegin) - begins.cbegin());
    const qint64* beginMSecs = begins.constData();
    const qint64* endMSecs = ends.constData();
    const qint64* alarmBegin = alarmBegins.constData();
    const qint64* alarmEnd = alarmEnds.constData();
    const int alarmCount = alarmBegins.size();
    int started = low;
    int alarmStarted
        = int(std::lower_bound(alarmPositions.cbegin(), alarmPositions.cend(), low) - alarmPositions.cbegin());
    qint64 latestEnd = noEnd;
    qint64 latestAlarmEnd = noEnd;
    for (int column = 0; column < width; ++column) {
        const qint64 columnEdge = edge(column);
        const int lastColumn = column + minimumWidth - 1;
        const qint64 narrowBefore = lastColumn < width ? edge(lastColumn) : std::numeric_limits<qint64>::max();
        qint64 earliest = std::numeric_limits<qint64>::max();
        qint64 latest = noEnd;
        // Without branches on the recordings' lengths, which no predictor guesses.
        for (; started < high && beginMSecs[started] < columnEdge; ++started) {
            const qint64 end = endMSecs[started];
            latestEnd = std::max(latestEnd, end);
            // Narrower than minimumWidth columns and begun in the view.
            const bool narrow = end < narrowBefore && started >= firstInView;
            earliest = std::min(earliest, narrow ? end : std::numeric_limits<qint64>::max());
            latest = std::max(latest, narrow ? end : noEnd);
        }
        if (latest != noEnd)
            addWidened(widened, column, earliest, latest);
        earliest = std::numeric_limits<qint64>::max();
        latest = noEnd;
        // An alarm recording that begins before the column's edge begins before the view's end, so before `high`.
        for (; alarmStarted < alarmCount && alarmBegin[alarmStarted] < columnEdge; ++alarmStarted) {
            const qint64 end = alarmEnd[alarmStarted];
            latestAlarmEnd = std::max(latestAlarmEnd, end);
            const bool narrow = end < narrowBefore && alarmBegin[alarmStarted] >= viewBegin;
            earliest = std::min(earliest, narrow ? end : std::numeric_limits<qint64>::max());
            latest = std::max(latest, narrow ? end : noEnd);
        }
        if (latest != noEnd)
            addWidened(widenedAlarms, column, earliest, latest);
        if (latestAlarmEnd >= columnEdge)
            natural[column] = 2;
        else if (latestEnd >= columnEdge)
            natural[column] = 1;
    }

    int covering = 0;
    int coveringAlarms = 0;
    RecordingPaintRun run { 0, 0, false }; // the run being made; empty while x1 == x2
    for (int column = 0; column < width; ++column) {
        covering += widened[column];
        coveringAlarms += widenedAlarms[column];
        const bool isAlarm = natural[column] == 2 || coveringAlarms > 0;
        if (!isAlarm && natural[column] == 0 && covering == 0)
            continue;
        if (run.x2 == column && run.isAlarm == isAlarm && run.x1 < run.x2) {
            run.x2 = column + 1;
            continue;
        }
        if (run.x1 < run.x2)
            runs.append(run);
        run = { column, column + 1, isAlarm };
    }
    if (run.x1 < run.x2)
        runs.append(run);
    return runs;
}

} // namespace ZCORVANEBASE
