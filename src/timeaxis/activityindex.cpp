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
    m_origin = order.isEmpty() ? 0 : begins.at(order.first());
    m_wholeSeconds = true;
    qint64 latest = std::numeric_limits<qint64>::min();
    for (int i : qAsConst(order)) {
        const qint64 begin = begins.at(i);
        const qint64 end = begin + qint64(valid.at(i)->durationSecs) * 1000;
        m_begins << begin;
        m_ends << end;
        m_levels << quint8(valid.at(i)->level);
        m_latestEnds << (latest = std::max(latest, end));
        m_wholeSeconds = m_wholeSeconds && (begin - m_origin) % 1000 == 0
            && (end - m_origin) / 1000 <= std::numeric_limits<qint32>::max();
    }
    if (m_wholeSeconds) {
        for (int i = 0; i < m_begins.size(); ++i) {
            m_beginSecs << qint32((m_begins.at(i) - m_origin) / 1000);
            m_endSecs << qint32((m_ends.at(i) - m_origin) / 1000);
        }
    }
    return samples.size() - valid.size();
}

void ActivityIndex::clear()
{
    m_begins.clear();
    m_ends.clear();
    m_levels.clear();
    m_latestEnds.clear();
    m_wholeSeconds = false;
    m_beginSecs.clear();
    m_endSecs.clear();
}

void ActivityIndex::raiseColumnLevels(qint64 viewBegin, int degree, int width, quint8* levels) const
{
    if (width <= 0 || !TimeAxisMapping::isValidDegree(degree))
        return;
    const qint64 spanSecs = TimeAxisMapping::spanSecs(degree);
    // A second lies in the first column whose threshold exceeds it; the last column's is the span itself (the view's
    // end maps to the width), so every second in view finds one.
    const qint64* thresholds = barColumnThresholds(degree, width).constData();
    // Samples before the first whose prefix reaches past the view's begin all end at or before it.
    const int first
        = int(std::upper_bound(m_latestEnds.cbegin(), m_latestEnds.cend(), viewBegin) - m_latestEnds.cbegin());
    // Each sample in view raises the columns from that of its first second to that of its last (seconds from the
    // view's begin). The first seconds ascend, so the column of each is found by walking on from the last one's.
    int column = 0;
    const auto raise = [&](qint64 firstSecond, qint64 lastSecond, quint8 level) {
        while (thresholds[column] <= firstSecond)
            ++column;
        int x = column;
        levels[x] = std::max(levels[x], level);
        while (thresholds[x] <= lastSecond) {
            ++x;
            levels[x] = std::max(levels[x], level);
        }
    };
    const int count = m_begins.size();
    const quint8* sampleLevels = m_levels.constData();
    if (m_wholeSeconds && (viewBegin - m_origin) % 1000 == 0) {
        const qint64 from = (viewBegin - m_origin) / 1000;
        const qint64 to = from + spanSecs;
        const qint32* begins = m_beginSecs.constData();
        const qint32* ends = m_endSecs.constData();
        for (int i = first; i < count && begins[i] < to; ++i) {
            const qint64 lastSecond = std::min<qint64>(ends[i], to) - 1 - from;
            if (lastSecond >= 0)
                raise(std::max<qint64>(begins[i] - from, 0), lastSecond, sampleLevels[i]);
        }
        return;
    }
    const qint64 viewEnd = viewBegin + spanSecs * 1000;
    const qint64* begins = m_begins.constData();
    const qint64* ends = m_ends.constData();
    for (int i = first; i < count && begins[i] < viewEnd; ++i) {
        if (ends[i] > viewBegin)
            raise((std::max(begins[i], viewBegin) - viewBegin) / 1000,
                (std::min(ends[i], viewEnd) - 1 - viewBegin) / 1000, sampleLevels[i]);
    }
}

} // namespace ZCORVANEBASE
