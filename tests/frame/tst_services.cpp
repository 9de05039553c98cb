// Shared services: the worker thread and the logger.

#include "frame/constants.h"
#include "frame/easyloger_p.h"
#include "frame/zthread.h"

#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <thread>

using namespace ZCORVANEBASE;

namespace {
// Nobody sets it.
std::atomic<bool> stop { false };

// run() runs the event loop, or spins on `stop` without a single system call (no cancellation point anywhere);
// `progress` is 1 while it works and 2 once it has returned. Once spinning it reads no member: the members are
// destroyed before ZThread's destructor ends the thread.
struct ProbeThread : ZThread
{
    std::atomic<int>* progress = nullptr;
    bool spin = false;

    void run() override
    {
        progress->store(1);
        if (spin) {
            while (!stop.load(std::memory_order_relaxed)) { }
        }
        exec();
        progress->store(2);
    }
};
} // namespace

class tst_Services : public QObject
{
    Q_OBJECT

private slots:
    // Deleting a ZThread returns whatever its thread does; only one still running is cut short. A destructor that
    // waited for the work would hang here until QTEST_FUNCTION_TIMEOUT (set for this test) fails it.
    void deletingThreadReturns_data()
    {
        QTest::addColumn<bool>("start");
        QTest::addColumn<bool>("spin"); // otherwise stopped with quit() and wait() before the deletion
        QTest::addColumn<int>("progress"); // after the deletion
        QTest::newRow("never started") << false << false << 0;
        QTest::newRow("stopped with quit() and wait()") << true << false << 2;
        QTest::newRow("spinning without system calls") << true << true << 1;
    }
    void deletingThreadReturns()
    {
        QFETCH(bool, start);
        QFETCH(bool, spin);
        std::atomic<int> progress { 0 };
        auto* thread = new ProbeThread;
        thread->progress = &progress;
        thread->spin = spin;
        if (start)
            thread->start();
        if (start && !spin) {
            thread->quit();
            QVERIFY(thread->wait());
        }
        if (spin)
            QTRY_COMPARE(progress.load(), 1);
        delete thread;
        QTEST(progress.load(), "progress");
    }

    void loggerWritesPrefixedLines()
    {
        QTemporaryDir dir;
        EasyLoger log(dir.filePath(QStringLiteral("logs")), nullptr);
        const QDateTime when(QDate(2026, 12, 5), QTime(8, 30, 0, 250));
        QVERIFY(log.write(EasyLoger::Info, QStringLiteral("playback started"), when));
        QVERIFY(log.write(EasyLoger::Error, QStringLiteral("two\nlines"), when));
        QVERIFY(log.write(EasyLoger::Warning, QStringLiteral("next day"), when.addDays(1)));
        QFile file(log.fileFor(when.date()));
        QVERIFY(file.fileName().endsWith(QLatin1String("/logs/2026-12-05.log")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines,
            (QStringList { logPrefix + QStringLiteral("2026-12-05 08:30:00.250 [INFO] playback started"),
                logPrefix + QStringLiteral("2026-12-05 08:30:00.250 [ERROR] two"),
                logPrefix + QStringLiteral("lines") }));
        QVERIFY(QFile::exists(log.fileFor(when.date().addDays(1))));
        QVERIFY(!log.write(EasyLoger::Info, QStringLiteral("no time"), QDateTime()));
    }

    void loggerKeepsLinesWholeAcrossThreads()
    {
        QTemporaryDir dir;
        EasyLoger log(dir.path(), nullptr);
        const QDateTime when(QDate(2026, 2, 3), QTime(4, 5));
        const QString payload(200, QLatin1Char('z'));
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t)
            threads.emplace_back([&log, &when, &payload] {
                for (int i = 0; i < 250; ++i)
                    log.write(EasyLoger::Info, payload, when);
            });
        for (std::thread& t : threads)
            t.join();
        QFile file(log.fileFor(when.date()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 1001); // 1000 lines and the empty rest after the last break
        const QByteArray expected = (logPrefix + QStringLiteral("2026-02-03 04:05:00.000 [INFO] ") + payload).toUtf8();
        for (int i = 0; i < 1000; ++i)
            QCOMPARE(lines[i], expected);
    }
};

QTEST_MAIN(tst_Services)
#include "tst_services.moc"
