// The host interface's defaults and its own end-of-span stop.

#include "zcbtest.h"

#include "frame/corvanebaseinit.h"

#include <QSignalSpy>
#include <QTest>

using namespace ZCORVANEDLL;

// The base class with nothing overridden but the one pure operation.
class BareWorker : public CorvaneDllBaseWorker
{
    Q_OBJECT

public:
    int getClientType() override { return 0; }
};

namespace ZCORVANEDLL {
// A host-side receiver, declared as a host module would declare it (inside the interface's namespace).
class HdmiReceiver : public QObject
{
    Q_OBJECT

public:
    int received = -1;
public slots:
    void take(const QList<HdmiInfo>& inputs) { received = inputs.size(); }
};
} // namespace ZCORVANEDLL

class tst_HostWorker : public QObject
{
    Q_OBJECT

private slots:
    void strDatetimeForms();
    void isOnvifProtocol_data();
    void isOnvifProtocol();
    void isObjInParentList();
    void weakPasswordList();
    void clientLanguageFromLocale_data();
    void clientLanguageFromLocale();
    void endOfSpanStop_data();
    void endOfSpanStop();
    void hdmiListIsQueueable();
};

void tst_HostWorker::strDatetimeForms()
{
    BareWorker worker;
    const QDateTime moment(QDate(2024, 3, 5), QTime(14, 7, 9));
    QCOMPARE(worker.strDatetime(moment, false), QStringLiteral("2024-03-05 14:07:09"));
    QCOMPARE(worker.strDatetime(moment, true), QStringLiteral("03-05 14:07"));
    QCOMPARE(worker.strDatetime(QDateTime(), true), QString());
}

void tst_HostWorker::isOnvifProtocol_data()
{
    QTest::addColumn<int>("protocol");
    QTest::addColumn<bool>("onvif");
    for (int p : { 1, 2, 6 })
        QTest::addRow("%d", p) << p << false;
    for (int p : { -1, 0, 3, 4, 5, 7, 100 })
        QTest::addRow("%d", p) << p << true;
}

void tst_HostWorker::isOnvifProtocol()
{
    QFETCH(int, protocol);
    QFETCH(bool, onvif);
    BareWorker worker;
    QCOMPARE(worker.isOnvifProtocol(protocol), onvif);
}

void tst_HostWorker::isObjInParentList()
{
    BareWorker worker;
    QObject root;
    auto* middle = new QObject(&root);
    auto* leaf = new QObject(middle);
    QObject stranger;
    QVERIFY(worker.isObjInParentList(leaf, middle));
    QVERIFY(worker.isObjInParentList(leaf, &root));
    QVERIFY(!worker.isObjInParentList(leaf, leaf)); // the object itself is not its own ancestor
    QVERIFY(!worker.isObjInParentList(&root, leaf));
    QVERIFY(!worker.isObjInParentList(leaf, &stranger));
    QVERIFY(!worker.isObjInParentList(nullptr, &root));
    QVERIFY(!worker.isObjInParentList(leaf, nullptr));
}

void tst_HostWorker::weakPasswordList()
{
    BareWorker worker;
    const QStringList list = worker.getWeakPwdList();
    QCOMPARE(list.size(), 370);
    QVERIFY(!list.contains(QString())); // no empty entry: the file has no trailing line break
    QCOMPARE(list.first(), QStringLiteral("123456"));
    QVERIFY(list.contains(QStringLiteral("password")));
    QVERIFY(list.contains(QStringLiteral("qwerty")));
    for (const QString& entry : list)
        QVERIFY2(!entry.contains(QLatin1Char('\r')) && !entry.contains(QLatin1Char('\n')), qPrintable(entry));
    QCOMPARE(QSet<QString>(list.begin(), list.end()).size(), 370);
}

void tst_HostWorker::clientLanguageFromLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("expected");
    QTest::newRow("Chinese/China") << QLocale(QLocale::Chinese, QLocale::China) << 0;
    QTest::newRow("Chinese/Taiwan") << QLocale(QLocale::Chinese, QLocale::Taiwan) << 1;
    QTest::newRow("Chinese/Hong Kong") << QLocale(QLocale::Chinese, QLocale::HongKong) << 1;
    QTest::newRow("English/US") << QLocale(QLocale::English, QLocale::UnitedStates) << 2;
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << 2;
}

void tst_HostWorker::clientLanguageFromLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(int, expected);
    const QLocale saved;
    QLocale::setDefault(locale);
    BareWorker worker;
    const int language = worker.getClientLanguage();
    QLocale::setDefault(saved);
    QCOMPARE(language, expected);
}

void tst_HostWorker::endOfSpanStop_data()
{
    QTest::addColumn<int>("clientType");
    QTest::addColumn<QTime>("stamp");
    QTest::addColumn<QStringList>("expectedCalls");
    const QStringList stop { QStringLiteral("disconnectPlayer(req-7)"),
        QStringLiteral("removeOneVideoPlaybackPlayer(req-7)") };
    QTest::newRow("type 1, one second past the end") << 1 << QTime(10, 0, 1) << stop;
    QTest::newRow("type 1, exactly at the end") << 1 << QTime(10, 0, 0) << QStringList();
    QTest::newRow("type 1, before the end") << 1 << QTime(9, 59, 59) << QStringList();
    QTest::newRow("type 0, past the end") << 0 << QTime(10, 0, 1) << QStringList();
    QTest::newRow("type 2, past the end") << 2 << QTime(11, 0, 0) << QStringList();
}

void tst_HostWorker::endOfSpanStop()
{
    QFETCH(int, clientType);
    QFETCH(QTime, stamp);
    QFETCH(QStringList, expectedCalls);
    FakeWorker* worker = ZcbTest::installFakeWorker();
    worker->clientType = clientType;
    const QDate day(2024, 6, 1);
    worker->spans.insert(QStringLiteral("req-7"), { QDateTime(day, QTime(9, 0)), QDateTime(day, QTime(10, 0)) });
    emit worker->signalPlaybackProgress(QStringLiteral("req-7"), 5, 10, QDateTime(day, stamp));
    QCOMPARE(worker->calls, expectedCalls);
}

void tst_HostWorker::hdmiListIsQueueable()
{
    BareWorker worker;
    QVERIFY(QMetaType::type("QList<HdmiInfo>") != QMetaType::UnknownType);
    HdmiReceiver receiver;
    QVERIFY(connect(&worker,
        SIGNAL(signalAllHdmiInputs(QList<HdmiInfo>)), &receiver, SLOT(take(QList<HdmiInfo>)), Qt::QueuedConnection));
    emit worker.signalAllHdmiInputs({ HdmiInfo(), HdmiInfo() });
    QCOMPARE(receiver.received, -1); // queued, not yet delivered
    QTRY_COMPARE(receiver.received, 2);
}

QTEST_MAIN(tst_HostWorker)
#include "tst_hostworker.moc"
