#include "timeaxis/activityindex_p.h"

#include "timeaxis/recordingtimeindex_p.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace ZCORVANEBASE {

namespace {
bool isValid(const ActivitySample& sample)
{
    return sample.begin.isValid() && sample.durationSecs > 0 && sample.level >= 0 && sample.level <= 100;
}
}

int ActivityIndex::build(const QVector<ActivitySample>& samples)
{
    QVector<const ActivitySample*> valid;
    valid.reserve(samples.size());
    for (const ActivitySample& sample : samples) {
        if (isValid(sample))
            valid << &sample;
    }
    QVector<qint64> begins;
    toEpochMSecs(
        valid.size(), [&valid](int i) -> const QDateTime& { return valid.at(i)->begin; }, &begins);
    QVector<int> order(valid.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&begins](int a, int b) { return begins.at(a) < begins.at(b); });
    clear();
    m_begins.reserve(order.size());
    m_ends.reserve(order.size());
    m_levels.reserve(order.size());
    m_latestEnds.reserve(order.size());
    qint64 latest = std::numeric_limits<qint64>::min();
    for (int i : qAsConst(order)) {
        const qint64 begin = begins.at(i);
        const qint64 end = begin + qint64(valid.at(i)->durationSecs) * 1000;
        m_disjoint = m_disjoint && latest <= begin;
        m_begins << begin;
        m_ends << end;
        m_levels << quint8(valid.at(i)->level);
        m_latestEnds << (latest = std::max(latest, end));
    }
    return samples.size() - valid.size();
}

void ActivityIndex::clear()
{
    m_begins.clear();
    m_ends.clear();
    m_levels.clear();
    m_latestEnds.clear();
    m_disjoint = true;
}

// Samples before the first whose prefix reaches past the moment all end at or before it.
int ActivityIndex::firstEndingAfter(qint64 moment) const
{
    return int(std::upper_bound(m_latestEnds.cbegin(), m_latestEnds.cend(), moment) - m_latestEnds.cbegin());
}

void ActivityIndex::columnLevels(qint64 viewBegin, int degree, int width, quint8* levels) const
{
    if (width <= 0)
        return;
    if (!TimeAxisMapping::isValidDegree(degree)) {
        std::fill(levels, levels + width, quint8(0));
    } else if (m_disjoint) {
        levelsByColumn(viewBegin, degree, width, levels);
    } else {
        std::fill(levels, levels + width, quint8(0));
        raiseBySample(viewBegin, degree, width, levels);
    }
}

// Samples that do not overlap, walked with the columns. Column x stands for the time up to its edge, the view's begin
// plus its threshold (barColumnThresholds). It shows the samples that begin before the edge and that the columns
// before it have not used up; one that goes on past the edge is shown by the next column too.
void ActivityIndex::levelsByColumn(qint64 viewBegin, int degree, int width, quint8* levels) const
{
    const qint64* thresholds = barColumnThresholds(degree, width).constData();
    const qint64* begins = m_begins.constData();
    const qint64* ends = m_ends.constData();
    const quint8* sampleLevels = m_levels.constData();
    const int count = m_levels.size();
    int i = firstEndingAfter(viewBegin);
    int x = 0;
    for (; x < width && i < count; ++x) {
        const qint64 edge = viewBegin + thresholds[x] * 1000;
        quint8 level = 0;
        for (; i < count && begins[i] < edge; ++i) {
            level = std::max(level, sampleLevels[i]);
            if (ends[i] > edge)
                break;
        }
        levels[x] = level;
    }
    std::fill(levels + x, levels + width, quint8(0));
}

// Overlapping samples, each raising the columns from that of its first second to that of its last (seconds from the
// view's begin). A second lies in the first column whose threshold exceeds it; the last column's is the span itself
// (the view's end maps to the width), so every second in view has one. The first seconds ascend, so the column of
// each is found by walking on from the last one's.
void ActivityIndex::raiseBySample(qint64 viewBegin, int degree, int width, quint8* levels) const
{
    const qint64 viewEnd = viewBegin + TimeAxisMapping::spanSecs(degree) * 1000;
    const qint64* thresholds = barColumnThresholds(degree, width).constData();
    const qint64* begins = m_begins.constData();
    const qint64* ends = m_ends.constData();
    const int count = m_levels.size();
    int column = 0;
    for (int i = firstEndingAfter(viewBegin); i < count && begins[i] < viewEnd; ++i) {
        if (ends[i] <= viewBegin)
            continue;
        const qint64 firstSecond = (std::max(begins[i], viewBegin) - viewBegin) / 1000;
        const qint64 lastSecond = (std::min(ends[i], viewEnd) - 1 - viewBegin) / 1000;
        const quint8 level = m_levels.at(i);
        while (thresholds[column] <= firstSecond)
            ++column;
        for (int x = column;; ++x) {
            levels[x] = std::max(levels[x], level);
            if (thresholds[x] > lastSecond)
                break;
        }
    }
}

} // namespace ZCORVANEBASE
