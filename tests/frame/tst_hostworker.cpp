// The host interface: its defaults, its own end-of-span stop, and a host without a worker.

#include "zcbtest.h"

#include "frame/corvanebaseinit.h"
#include "frame/hostaccess_p.h"

#include <QRegularExpression>
#include <QTest>

using namespace ZCORVANEDLL;

namespace ZCORVANEDLL {
// The base class with only the pure operation.
class BareWorker : public CorvaneDllBaseWorker
{
    Q_OBJECT

public:
    int getClientType() override { return 0; }
};
} // namespace ZCORVANEDLL

namespace {
QStringList warnings;
void recordWarning(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg)
        warnings << message;
}
} // namespace

class tst_HostWorker : public QObject
{
    Q_OBJECT

private slots:
    void defaults_data()
    {
        QTest::addColumn<int>("protocol");
        QTest::addColumn<bool>("onvif");
        for (int p : { 1, 2, 6 })
            QTest::addRow("protocol %d", p) << p << false;
        for (int p : { -1, 0, 3, 7 })
            QTest::addRow("protocol %d", p) << p << true;
    }

    void defaults()
    {
        QFETCH(int, protocol);
        QFETCH(bool, onvif);
        BareWorker worker;
        QCOMPARE(worker.isOnvifProtocol(protocol), onvif);
        const QDateTime moment(QDate(2024, 3, 5), QTime(14, 7, 9));
        QCOMPARE(worker.strDatetime(moment, false), QStringLiteral("2024-03-05 14:07:09"));
        QCOMPARE(worker.strDatetime(moment, true), QStringLiteral("03-05 14:07"));
        QPair<QDateTime, QDateTime> span(moment, QDateTime());
        QVERIFY(worker.getTimeInfoByRequestId(QStringLiteral("r"), span));
        QCOMPARE(span.first, moment); // untouched
    }

    void isObjInParentList()
    {
        BareWorker worker;
        QObject root;
        auto* leaf = new QObject(new QObject(&root));
        QObject stranger;
        QVERIFY(worker.isObjInParentList(leaf, leaf->parent()));
        QVERIFY(worker.isObjInParentList(leaf, &root));
        QVERIFY(!worker.isObjInParentList(leaf, leaf)); // the object itself is not its own ancestor
        QVERIFY(!worker.isObjInParentList(&root, leaf));
        QVERIFY(!worker.isObjInParentList(leaf, &stranger));
        QVERIFY(!worker.isObjInParentList(nullptr, &root));
        QVERIFY(!worker.isObjInParentList(leaf, nullptr));
    }

    void weakPasswordList()
    {
        const QStringList list = BareWorker().getWeakPwdList();
        QCOMPARE(list.size(), 370);
        QCOMPARE(QSet<QString>(list.begin(), list.end()).size(), 370); // no repeated entry
        QCOMPARE(list.first(), QStringLiteral("123456"));
        // No empty entry, no line break left over.
        QVERIFY(!list.contains(QString()) && !list.join(QString()).contains(QRegularExpression("[\r\n]")));
    }

    void clientLanguageFromLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("expected");
        QTest::newRow("Chinese/China") << QLocale(QLocale::Chinese, QLocale::China) << 0;
        QTest::newRow("Chinese/Taiwan") << QLocale(QLocale::Chinese, QLocale::Taiwan) << 1;
        QTest::newRow("Chinese/Hong Kong") << QLocale(QLocale::Chinese, QLocale::HongKong) << 1;
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << 2;
    }

    void clientLanguageFromLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, expected);
        const QLocale saved;
        QLocale::setDefault(locale);
        const int language = BareWorker().getClientLanguage();
        QLocale::setDefault(saved);
        QCOMPARE(language, expected);
    }

    void endOfSpanStop_data()
    {
        QTest::addColumn<int>("clientType");
        QTest::addColumn<QTime>("stamp");
        QTest::addColumn<bool>("stops");
        QTest::newRow("type 1, one second past the end") << 1 << QTime(10, 0, 1) << true;
        QTest::newRow("type 1, exactly at the end") << 1 << QTime(10, 0, 0) << false;
        QTest::newRow("type 0, past the end") << 0 << QTime(10, 0, 1) << false;
        QTest::newRow("type 2, past the end") << 2 << QTime(11, 0, 0) << false;
    }

    void endOfSpanStop()
    {
        QFETCH(int, clientType);
        QFETCH(QTime, stamp);
        QFETCH(bool, stops);
        FakeWorker* worker = ZcbTest::installFakeWorker();
        worker->clientType = clientType;
        const QDate day(2024, 6, 1);
        worker->spans.insert(QStringLiteral("req-7"), { QDateTime(day, QTime(9, 0)), QDateTime(day, QTime(10, 0)) });
        emit worker->signalPlaybackProgress(QStringLiteral("req-7"), 5, 10, QDateTime(day, stamp));
        const QStringList stop { QStringLiteral("disconnectPlayer(req-7)"),
            QStringLiteral("removeOneVideoPlaybackPlayer(req-7)") };
        QCOMPARE(worker->calls, stops ? stop : QStringList());
    }

    void missingWorkerGivesNeutralAnswersAndWarnsOnce()
    {
        FakeWorker* worker = ZcbTest::installFakeWorker();
        worker->clientType = 2;
        QCOMPARE(ZCORVANEBASE::hostClientType(), 2);
        delete worker; // the host deletes its worker early: the guarded pointer reads null
        QVERIFY(ZCORVANEBASE::CorvaneBaseInit::_instance().worker.isNull());
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(recordWarning);
        const int type = ZCORVANEBASE::hostClientType() + ZCORVANEBASE::hostClientType();
        const QString format = ZCORVANEBASE::hostDateFormat();
        const QString text = ZCORVANEBASE::hostStrDatetime(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)), true);
        const ClientLanguage language = ZCORVANEBASE::hostClientLanguage();
        qInstallMessageHandler(previous);
        QCOMPARE(type, 0);
        QCOMPARE(format, QStringLiteral("yyyy-MM-dd"));
        QCOMPARE(text, QStringLiteral("03-05 14:07"));
        QCOMPARE(language, ClientLanguageEnUS);
        QCOMPARE(warnings.size(), 4); // one per operation, not per call
        QVERIFY(warnings[0].contains(QLatin1String("getClientType")));
        // A loose worker (not installed) answers its own progress reports.
        FakeWorker loose;
        loose.clientType = 1;
        emit loose.signalPlaybackProgress(QStringLiteral("r"), 0, 0, QDateTime::currentDateTime());
        QCOMPARE(loose.calls.size(), 2);
    }
};

QTEST_MAIN(tst_HostWorker)
#include "tst_hostworker.moc"
