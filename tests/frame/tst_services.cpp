// Shared services: constants and the collator, the worker thread, and the logger.

#include "frame/constants.h"
#include "frame/easyloger_p.h"
#include "frame/zthread.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <thread>

using namespace ZCORVANEBASE;

namespace {
// Work that never ends by itself; only its thread's end stops it.
class EndlessWork : public QObject
{
    Q_OBJECT

public:
    std::atomic<bool> started { false };
public slots:
    void run()
    {
        started = true;
        for (;;)
            QThread::msleep(5);
    }
};
} // namespace

class tst_Services : public QObject
{
    Q_OBJECT

private slots:
    void runningThreadIsCutShort()
    {
        auto* thread = new ZThread(nullptr);
        auto* work = new EndlessWork;
        work->moveToThread(thread);
        thread->start();
        // Queued, so the work runs inside the thread's event loop (a started() handler would run before the thread
        // can be terminated at all).
        QMetaObject::invokeMethod(work, "run", Qt::QueuedConnection);
        QTRY_VERIFY(work->started.load());
        // Deleting must not wait for the endless work: if it did, this test would hang and time out.
        delete thread;
        delete work;
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
