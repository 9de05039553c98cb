// A host that installed no worker, or deleted it: nothing crashes, answers are neutral, one warning per operation.

#include "zcbtest.h"

#include "frame/corvanebaseinit.h"
#include "frame/dictdef.h"
#include "frame/hostaccess_p.h"

#include <QRegularExpression>
#include <QTest>

using namespace ZCORVANEBASE;

class tst_NullWorker : public QObject
{
    Q_OBJECT

private slots:
    void moduleInitWithoutWorkerFallsBackToEnglish();
    void neutralAnswersWarnOncePerOperation();
    void deletedWorkerIsGone();
    void progressReportWithoutInstalledWorker();
};

void tst_NullWorker::moduleInitWithoutWorkerFallsBackToEnglish()
{
    QVERIFY(CorvaneBaseInit::_instance().worker.isNull());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no host worker.*getClientLanguage")));
    CorvaneBaseInit::_instance().moduleInit();
    QVERIFY(CorvaneBaseInit::_instance().isModuleInitialized());
    QCOMPARE(DictDef::_instance().errDiskFull, QStringLiteral("Disk Full"));
}

namespace {
QStringList warnings;
void recordWarning(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg)
        warnings << message;
}
} // namespace

void tst_NullWorker::neutralAnswersWarnOncePerOperation()
{
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordWarning);
    const int type1 = hostClientType();
    const int type2 = hostClientType();
    const QString format = hostDateFormat();
    const QString text = hostStrDatetime(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)), true);
    const auto language = hostClientLanguage(); // warned already by moduleInit()
    qInstallMessageHandler(previous);
    QCOMPARE(type1, 0);
    QCOMPARE(type2, 0);
    QCOMPARE(format, QStringLiteral("yyyy-MM-dd"));
    QCOMPARE(text, QStringLiteral("03-05 14:07"));
    QCOMPARE(language, ZCORVANEDLL::ClientLanguageEnUS);
    QCOMPARE(warnings.size(), 3);
    QVERIFY(warnings[0].contains(QLatin1String("getClientType")));
    QVERIFY(warnings[1].contains(QLatin1String("getDateFormat")));
    QVERIFY(warnings[2].contains(QLatin1String("strDatetime")));
}

void tst_NullWorker::deletedWorkerIsGone()
{
    FakeWorker* worker = ZcbTest::installFakeWorker();
    worker->clientType = 2;
    worker->dateFormat = QStringLiteral("dd.MM.yyyy");
    QCOMPARE(hostClientType(), 2);
    QCOMPARE(hostDateFormat(), QStringLiteral("dd.MM.yyyy"));
    delete worker;
    QCOMPARE(hostClientType(), 0);
    QCOMPARE(hostDateFormat(), QStringLiteral("yyyy-MM-dd"));
}

void tst_NullWorker::progressReportWithoutInstalledWorker()
{
    // A worker that is not (or no longer) installed answers for itself.
    FakeWorker loose;
    loose.clientType = 1;
    const QDate day(2024, 6, 1);
    loose.spans.insert(QStringLiteral("r"), { QDateTime(day, QTime(9, 0)), QDateTime(day, QTime(10, 0)) });
    emit loose.signalPlaybackProgress(QStringLiteral("r"), 0, 0, QDateTime(day, QTime(10, 30)));
    QCOMPARE(loose.calls.size(), 2);
}

QTEST_MAIN(tst_NullWorker)
#include "tst_nullworker.moc"
