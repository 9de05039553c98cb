#pragma once

// What every fuzz target shares: a host worker the input may reconfigure, and a reader that turns the fuzzer's
// bytes into typed values. A target builds its widgets afresh for every input, so an input always does the same.

#include "frame/corvanebaseinit.h"
#include "frame/hostworker.h"
#include "seededsource.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace ZcbFuzz {

// Reads values from the input front to back; past its end every read gives zero, so any input is a complete run.
class Input
{
public:
    Input(const uint8_t* data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    bool atEnd() const { return m_pos >= m_size; }
    quint8 byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    quint16 u16() { return quint16(byte() | (quint16(byte()) << 8)); }
    quint32 u32() { return quint32(u16()) | (quint32(u16()) << 16); }
    bool flag() { return byte() & 1; }
    // lo..hi, both included.
    qint64 range(qint64 lo, qint64 hi) { return lo + qint64(u32() % quint64(hi - lo + 1)); }

    // A character chosen to hit the edges of text handling: ASCII most of the time, else whitespace of every kind,
    // other scripts' digits, lone and paired surrogates, the ideographic full stop, NUL.
    QChar character()
    {
        static const ushort special[] = { 0x0000, 0x0009, 0x000a, 0x000d, 0x0020, 0x00a0, 0x1680, 0x2000, 0x2028,
            0x3000, 0xfeff, 0xff10, 0xff19, 0x0660, 0x0669, 0x06f5, 0x0966, 0x00b2, 0x2460, 0x3002, 0xff0e, 0xd800,
            0xdbff, 0xdc00, 0xdfff, 0x00e9, 0x4e2d, 0x0130, 0x212a, 0xfffd };
        const quint8 b = byte();
        if (b < 0xa0)
            return QChar(ushort(b < 0x80 ? b : b - 0x80 + 0x20)); // 0x80..0x9f fold onto more ASCII
        return QChar(special[(b - 0xa0) % (sizeof(special) / sizeof(special[0]))]);
    }
    QString text(int maxLength)
    {
        const int length = int(range(0, maxLength));
        QString text;
        for (int i = 0; i < length; ++i)
            text += character();
        return text;
    }
    // Drawn as the seeded runs of the test suite draw them (tests/reliability/seededsource.h).
    QDateTime datetime(const QDateTime& day, bool withMSecs = false) { return drawDateTime(*this, day, withMSecs); }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// A host worker whose answers an input can set, garbage included.
class Worker : public ZCORVANEDLL::CorvaneDllBaseWorker
{
public:
    int getClientType() override { return clientType; }
    QString getDateFormat() override { return dateFormat; }
    QString getChannelName(const QString& channelId) override { return channelNames ? channelId + "#" : QString(); }

    int clientType = 0;
    QString dateFormat = QStringLiteral("yyyy-MM-dd");
    bool channelNames = true;
};

// The worker an input may reconfigure: installed by LLVMFuzzerInitialize, put back by resetWorker() for every input.
inline Worker*& worker()
{
    static Worker* instance = nullptr;
    return instance;
}

// Puts the worker back as every input expects it.
inline void resetWorker()
{
    worker()->clientType = 0;
    worker()->dateFormat = QStringLiteral("yyyy-MM-dd");
    worker()->channelNames = true;
}

// A divergence from what the library promises: print and abort, which the fuzzer records as a crash with the input.
#define ZCB_FUZZ_CHECK(condition, ...)                                                                                 \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "divergence: %s\n", #condition);                                                      \
            std::fprintf(stderr, "%s\n", qPrintable(QString(__VA_ARGS__)));                                            \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// Sends a key press and release to `widget` the way the keyboard would, text included.
inline void sendKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

} // namespace ZcbFuzz
