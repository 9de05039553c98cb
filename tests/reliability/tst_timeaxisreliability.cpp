// The time axis under random call sequences held to a reference model, and under a host that misbehaves.

#include "timeaxis/channelrecordingtimeaxiswt_p.h"
#include "timeaxis/recordingstimeaxisbox.h"
#include "timeaxis/timeaxiswt.h"

#include "frame/corvanebaseinit.h"
#include "frame/zcheckbox.h"
#include "reliabilitysupport.h"
#include "seededsource.h"
#include "timeaxismodel.h"
#include "zcbtest.h"

#include <QtTest>

using namespace ZCORVANEBASE;
using namespace ReliabilitySupport;
using namespace TimeAxisOracle;

namespace {

RecordingSearchInfo search(int row, const QString& channelId)
{
    return RecordingSearchInfo { channelId, 1, row, 0, at(0, 0), at(0, 0).addDays(1), QDateTime() };
}

// A host whose channel-id conversions answer nothing and which calls every channel a group channel.
class GarbageWorker : public FakeWorker
{
public:
    QPair<QString, unsigned int> formatChannelId(const QString&) override { return {}; }
    QString formatChannelId(const QString&, unsigned int) override { return QString(); }
    QString formatChannelId(const QPair<QString, unsigned int>&) override { return QString(); }
    bool isGroupChannel(const QString&) override { return true; }
    QString strDatetime(const QDateTime&, bool) override { return QString(); }
};

struct Titled
{
    RecordingsTimeAxisBox box { 2 };
    QString title(int row) { return box.findChild<QAbstractButton*>(QStringLiteral("checkBox_%1").arg(row))->text(); }
    // What the host's notices about devices and channels would do to the titles.
    void hostNotices()
    {
        vms_sdk::DevInfo dev;
        dev.devId = "dev1";
        dev.devName = "Renamed device";
        const QList<vms_sdk::DevInfo> devs { dev };
        QVERIFY(QMetaObject::invokeMethod(
            &box, "slotUpdateLocalDevs", Q_ARG(QList<vms_sdk::DevInfo>, devs), Q_ARG(bool, true)));
        const QList<vms_sdk::DevChannelInfo> channels { { "Renamed channel", "dev1", 1 } };
        QVERIFY(QMetaObject::invokeMethod(
            &box, "slotUpdateDevChannels", Q_ARG(QString, "dev1"), Q_ARG(QList<vms_sdk::DevChannelInfo>, channels)));
        const QStringList removed { "dev2", QString() };
        QVERIFY(QMetaObject::invokeMethod(&box, "slotDeleteLocalDevs", Q_ARG(QStringList, removed), Q_ARG(bool, true)));
    }
};

} // namespace

class tst_TimeAxisReliability : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { captureWarnings(); }
    void init() { worker = freshHost(); }

    void modelRuns_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : { 1u, 2u, 3u, 4u, 5u, 6u })
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }

    // 400 random calls on a ruler and a box of two rows; after each, the box's signals, the moment each row plays at,
    // its marks and its channel must be the model's; every tenth call the strips must paint what the oracle paints.
    void modelRuns()
    {
        QFETCH(quint32, seed);
        SeededSource source(seed);
        ReliabilityModel::TimeAxisRun<SeededSource> run(source);
        for (int step = 0; step < 400; ++step) {
            QVERIFY2(run.step(), qPrintable(QStringLiteral("step %1: %2").arg(step).arg(run.failure)));
            if (step % 10 == 0)
                QVERIFY2(run.checkPainting(), qPrintable(QStringLiteral("step %1: %2").arg(step).arg(run.failure)));
        }
        // The run reached what it is there to check: seeks, ends of playback, percents beyond those of the resets,
        // and results taken, in part unusable and dropped as stale.
        const auto& n = run.emitted;
        QVERIFY2(n.value("appoint") >= 10 && n.value("end") >= 2 && n.value("percent") >= n.value("labels") + 10
                && n.value("results in part unusable") > 0 && n.value("results dropped") > 0,
            qPrintable([&run] {
                QStringList counts;
                for (auto it = run.emitted.cbegin(); it != run.emitted.cend(); ++it)
                    counts << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
                return counts.join(", ");
            }()));
    }

    // A host without a name for a channel: the row shows the channel id rather than nothing, with one warning.
    void emptyChannelNameShowsTheId()
    {
        worker->channelNames.insert("cam1_1", "Gate");
        Titled t;
        t.box.setRecordingSearchInfo(SearchStarted, "k", search(0, "cam1_1"));
        for (const char* channel : { "cam2_1", "cam3_1", "cam2_1" })
            t.box.setRecordingSearchInfo(SearchStarted, "k", search(1, channel));
        QCOMPARE(QStringList({ t.title(0), t.title(1) }), QStringList({ "Gate", "cam2_1" }));
        QCOMPARE(warnings.size(), 2); // once per channel
        QVERIFY2(warnings.first().contains("cam2_1"), qPrintable(warnings.first()));
    }

    void workerGone_data()
    {
        QTest::addColumn<bool>("garbage"); // a worker that answers garbage instead of none at all
        QTest::newRow("worker deleted under a live box") << false;
        QTest::newRow("worker answering nothing useful") << true;
    }

    // Playback needs no host; titles keep what they had when the host cannot convert channel ids; marks get a
    // tool tip even without the host's date-time text.
    void workerGone()
    {
        QFETCH(bool, garbage);
        worker->channelNames.insert("dev1_1", "Gate");
        Titled t;
        t.box.setRecordingSearchInfo(SearchStarted, "k", search(0, "dev1_1"));
        if (garbage) {
            auto* garbageWorker = new GarbageWorker;
            garbageWorker->channelNames.insert("dev2_1", "Door");
            ZcbTest::removeWorker();
            CorvaneBaseInit::_instance().worker = garbageWorker;
        } else {
            ZcbTest::removeWorker();
        }
        t.box.setRecordingSearchInfo(SearchStarted, "k", search(1, "dev2_1"));
        t.hostNotices();
        QCOMPARE(QStringList({ t.title(0), t.title(1) }), QStringList({ "Gate", garbage ? "Door" : "dev2_1" }));
        QCOMPARE(t.box.getRecordingSearchInfo(1).channelId, "dev2_1"); // not dropped by a device removal

        QSignalSpy appointed(&t.box, SIGNAL(signalAppointPlaybackTime(QString,int,int,QDateTime)));
        QSignalSpy ended(&t.box, SIGNAL(signalPlaybackToRecordingsTimeAxisEnd(int)));
        t.box.setChannelRecordingsTimeInfo({ recording(at(1, 0), at(2, 0)) }, 1, "k", true, true);
        t.box.updatePlaybackTime(at(2, 0, 1), 1);
        QCOMPARE(QList<QVariantList>(appointed), (QList<QVariantList> { { "dev2_1", 1, 1, at(1, 0) } }));
        QCOMPARE(QList<QVariantList>(ended), (QList<QVariantList> { { 1 } }));

        auto* bar = t.box.findChild<ChannelRecordingTimeAxisWt*>("channelRecordingTimeAxisWt_1");
        const LocalRecordingLabelInfo mark { "entry", "dev2_1", 1, at(1, 30) };
        QVERIFY(QMetaObject::invokeMethod(
            bar, "slotAddRecordingLabelToLocalDB", Q_ARG(LocalRecordingLabelInfo, mark), Q_ARG(int, 0)));
        QCOMPARE(bar->track().labelMarkNames(), QStringList { "entry" });
        QVERIFY2(noWarningRepeated(), qPrintable(warnings.join(QLatin1Char('\n')))); // once per operation at most
    }

private:
    FakeWorker* worker = nullptr;
};

QTEST_MAIN(tst_TimeAxisReliability)
#include "tst_timeaxisreliability.moc"
