#pragma once

// The choices of a model run from a fixed seed: the same interface as the fuzzer's input (fuzz/fuzzsupport.h), so
// the same model runs under the fuzzer and in the test suite.

#include <QDateTime>
#include <QRandomGenerator>

// A moment drawn from `source` (this class or the fuzzer's input): one in sixteen invalid, one in sixteen a day in
// another millennium, else within the days around `day`; milliseconds only when asked for.
template <class Source> QDateTime drawDateTime(Source& source, const QDateTime& day, bool withMSecs)
{
    const quint8 kind = source.byte() % 16;
    if (kind == 0)
        return QDateTime();
    if (kind == 1)
        return QDateTime(
            QDate(int(source.range(-5000, 20000)), int(source.range(1, 12)), int(source.range(1, 28))), QTime(0, 0));
    const QDateTime value = day.addSecs(source.range(-2 * 86400, 3 * 86400));
    return withMSecs && kind == 2 ? value.addMSecs(source.range(0, 999)) : value;
}

class SeededSource
{
public:
    explicit SeededSource(quint32 seed)
        : m_random(seed)
    {
    }
    bool atEnd() const { return false; }
    quint8 byte() { return quint8(m_random.generate() & 0xff); }
    quint32 u32() { return m_random.generate(); }
    bool flag() { return m_random.generate() & 1; }
    qint64 range(qint64 lo, qint64 hi) { return lo + qint64(m_random.generate64() % quint64(hi - lo + 1)); }
    QDateTime datetime(const QDateTime& day, bool withMSecs = false) { return drawDateTime(*this, day, withMSecs); }

private:
    QRandomGenerator m_random;
};
