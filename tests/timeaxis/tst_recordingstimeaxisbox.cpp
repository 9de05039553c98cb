#include "timeaxis/channelrecordingtimeaxiswt_p.h"
#include "timeaxis/recordingstimeaxisbox.h"
#include "timeaxis/timeaxiswt.h"

#include "frame/zcheckbox.h"
#include "zcbtest.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace ZCORVANEBASE;

Q_DECLARE_METATYPE(ZCORVANEBASE::TimeAxisDegree)

using Recordings = QVector<RecordingTimeInfo>;
using ChannelNames = QMap<QString, QString>;
using DevInfos = QList<vms_sdk::DevInfo>;
using DevChannelInfos = QList<vms_sdk::DevChannelInfo>;

namespace {
const QDate day(2024, 3, 5);
QDateTime at(int h, int m, int s = 0)
{
    return QDateTime(day, QTime(h, m, s));
}
RecordingTimeInfo recording(const QDateTime& begin, const QDateTime& end)
{
    RecordingTimeInfo info;
    info.beginDatetime = begin;
    info.endDatetime = end;
    return info;
}
RecordingSearchInfo search(int row, const QString& channelId, int location = 1)
{
    RecordingSearchInfo info;
    info.channelId = channelId;
    info.recordingLocation = location;
    info.playbackIndex = row;
    info.searchType = 4;
    info.beginDatetime = at(0, 0);
    info.endDatetime = at(0, 0).addDays(1);
    return info;
}
}

class tst_RecordingsTimeAxisBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void rowCountAndHeight_data();
    void rowCountAndHeight();
    void checkStateSignal();
    void staleSearchKeys();
    void unknownRowsAreIgnored();
    void swapMovesRowsAndTitles();
    void batchAppointFromRuler();
    void zoomRelays_data();
    void zoomRelays();
    void rowAtPointAndLabelPreview();
    void downloadRelay();
    void titleUpkeepSlots();
    void updateDevSlots();

private:
    // Row i searches channel "dev<i>_1" and holds one recording from 01:00 + i hours for an hour.
    static void fill(RecordingsTimeAxisBox& box, const QList<int>& rows);
    static ZCheckBox* checkBox(RecordingsTimeAxisBox& box, int row)
    {
        return box.findChild<ZCheckBox*>(QStringLiteral("checkBox_%1").arg(row));
    }
    static QStringList titles(RecordingsTimeAxisBox& box, int count);
    static void layOut(RecordingsTimeAxisBox& box, TimeAxisWt* ruler = nullptr);

    FakeWorker* worker = nullptr;
};

void tst_RecordingsTimeAxisBox::initTestCase()
{
    qRegisterMetaType<ZCORVANEBASE::TimeAxisDegree>("TimeAxisDegree");
    qRegisterMetaType<Qt::CheckState>();
}

void tst_RecordingsTimeAxisBox::init()
{
    worker = ZcbTest::installFakeWorker();
    for (int i = 0; i < 8; ++i)
        worker->channelNames.insert(QStringLiteral("dev%1_1").arg(i), QStringLiteral("Camera %1").arg(i));
}

void tst_RecordingsTimeAxisBox::fill(RecordingsTimeAxisBox& box, const QList<int>& rows)
{
    for (int row : rows) {
        const QString key = QStringLiteral("key%1").arg(row);
        const RecordingSearchInfo info = search(row, QStringLiteral("dev%1_1").arg(row));
        box.setRecordingSearchInfo(SearchStarted, key, info);
        box.setChannelRecordingsTimeInfo({ recording(at(1 + row, 0), at(2 + row, 0)) }, row, key, true, false);
        box.setRecordingSearchInfo(SearchFinished, key, info);
    }
}

QStringList tst_RecordingsTimeAxisBox::titles(RecordingsTimeAxisBox& box, int count)
{
    QStringList texts;
    for (int row = 0; row < count; ++row)
        texts << checkBox(box, row)->text();
    return texts;
}

// Lays the box out so that each bar is 1440 pixels wide (a minute a pixel over the whole day).
void tst_RecordingsTimeAxisBox::layOut(RecordingsTimeAxisBox& box, TimeAxisWt* ruler)
{
    if (ruler) {
        box.setTimeAxisWt(ruler);
        ruler->setMinBeginDatetime(at(0, 0));
    } else {
        for (auto* bar : box.findChildren<ChannelRecordingTimeAxisWt*>())
            bar->setBeginTimeAndDegree(Degree24Hours, at(0, 0));
    }
    box.setChannelCheckBoxWidth(100);
    box.setMarginRight(10);
    box.resize(10 + 100 + 6 + 1440 + 10, box.height());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.findChild<ChannelRecordingTimeAxisWt*>()->width(), 1440);
}

void tst_RecordingsTimeAxisBox::rowCountAndHeight_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("height");
    QTest::newRow("no count gives 64 rows") << 0 << 64 << 1427;
    QTest::newRow("a negative count too") << -3 << 64 << 1427;
    QTest::newRow("three rows") << 3 << 3 << 85;
}

void tst_RecordingsTimeAxisBox::rowCountAndHeight()
{
    QFETCH(int, count);
    QFETCH(int, rows);
    QFETCH(int, height);
    RecordingsTimeAxisBox box(count, false);
    QCOMPARE(box.findChildren<ChannelRecordingTimeAxisWt*>().size(), rows);
    QCOMPARE(box.height(), height);
    QCOMPARE(checkBox(box, 0)->text(), QStringLiteral("Video 1"));
    QCOMPARE(checkBox(box, rows - 1)->text(), QStringLiteral("Video %1").arg(rows));
}

void tst_RecordingsTimeAxisBox::checkStateSignal()
{
    RecordingsTimeAxisBox box(3, false);
    layOut(box);
    QSignalSpy state(&box, SIGNAL(signalAllChannelRecordingTimeAxisCheckState(Qt::CheckState)));
    auto click = [&](int row) { QTest::mouseClick(checkBox(box, row), Qt::LeftButton, Qt::NoModifier, QPoint(7, 10)); };
    click(0);
    click(1);
    click(2);
    click(0);
    QCOMPARE(state.count(), 4);
    const QList<Qt::CheckState> expected { Qt::PartiallyChecked, Qt::PartiallyChecked, Qt::Checked,
        Qt::PartiallyChecked };
    for (int i = 0; i < 4; ++i)
        QCOMPARE(state.at(i).at(0).value<Qt::CheckState>(), expected.at(i));
    QCOMPARE(box.getCheckedChannelRecordingTimeAxis().second, (QList<int> { 1, 2 }));

    box.setChannelRecordingTimeAxisChecked(false);
    QCOMPARE(state.count(), 4);
    click(1);
    QCOMPARE(state.last().at(0).value<Qt::CheckState>(), Qt::PartiallyChecked);
    click(1);
    QCOMPARE(state.last().at(0).value<Qt::CheckState>(), Qt::Unchecked);
}

void tst_RecordingsTimeAxisBox::staleSearchKeys()
{
    RecordingsTimeAxisBox box(5, false);
    layOut(box);
    auto* bar = box.findChild<ChannelRecordingTimeAxisWt*>(QStringLiteral("channelRecordingTimeAxisWt_3"));
    auto* waiting = bar->findChild<QLabel*>(QStringLiteral("waitingLabel"));
    const RecordingSearchInfo first = search(3, QStringLiteral("dev1_1"));
    const RecordingSearchInfo second = search(3, QStringLiteral("dev2_1"));
    box.setRecordingSearchInfo(SearchStarted, QStringLiteral("old"), first);
    QVERIFY(waiting->isVisible());
    QCOMPARE(checkBox(box, 3)->text(), QStringLiteral("Camera 1"));
    box.setRecordingSearchInfo(SearchStarted, QStringLiteral("new"), second);
    QCOMPARE(checkBox(box, 3)->text(), QStringLiteral("Camera 2"));

    box.setChannelRecordingsTimeInfo({ recording(at(1, 0), at(2, 0)) }, 3, QStringLiteral("old"), true, false);
    QVERIFY(box.hasNoneRecordings());
    box.setRecordingSearchInfo(SearchFinished, QStringLiteral("old"), first);
    QVERIFY(waiting->isVisible());

    box.setChannelRecordingsTimeInfo({ recording(at(1, 0), at(2, 0)) }, 3, QStringLiteral("new"), true, false);
    QVERIFY(!box.hasNoneRecordings());
    QCOMPARE(box.getCheckedAndExistReocordingsChannelRecordingTimeAxis(), QList<int>());
    checkBox(box, 3)->setChecked(true);
    QCOMPARE(box.getCheckedAndExistReocordingsChannelRecordingTimeAxis(), QList<int> { 3 });
    box.setRecordingSearchInfo(RecordingSearchState(7), QStringLiteral("new"), second);
    QVERIFY(waiting->isVisible());
    box.setRecordingSearchInfo(SearchFinished, QStringLiteral("new"), second);
    QVERIFY(!waiting->isVisible());

    // Back to the default title and an empty row.
    box.recoverChannelRecordingTimeAxisInfo(3);
    QCOMPARE(checkBox(box, 3)->text(), QStringLiteral("Video 4"));
    QVERIFY(box.hasNoneRecordings());
}

void tst_RecordingsTimeAxisBox::unknownRowsAreIgnored()
{
    RecordingsTimeAxisBox box(2, false);
    fill(box, { 0, 1 });
    QSignalSpy appointed(&box, SIGNAL(signalAppointPlaybackTime(QString,int,int,QDateTime)));
    QSignalSpy percent(&box, SIGNAL(signalDatetimePercentInFile(int,float)));
    box.setRecordingSearchInfo(SearchStarted, QStringLiteral("k"), search(2, QStringLiteral("dev5_1")));
    box.setRecordingSearchInfo(SearchStarted, QStringLiteral("k"), search(-1, QStringLiteral("dev5_1")));
    box.setChannelRecordingsTimeInfo({ recording(at(1, 0), at(2, 0)) }, 7, QStringLiteral("k"), true, true);
    box.updatePlaybackTime(at(1, 30), 2);
    box.appointPlaybackTime(-1, 0.5f);
    box.getDatetimePercentInFile(5);
    box.recoverChannelRecordingTimeAxisInfo(9);
    box.swapRecordingTimeAxis(0, 2);
    box.swapRecordingTimeAxis(1, 1);
    box.appointPlaybackTime(QStringLiteral("dev5_1"), 1, at(1, 30));
    box.appointPlaybackTime(QStringLiteral("dev0_1"), 2, at(1, 30)); // right channel, other location
    box.timeAxisZoomCtrl(ZoomIn); // no ruler given
    QCOMPARE(appointed.count(), 0);
    QCOMPARE(percent.count(), 0);
    QCOMPARE(box.amendDateTimeRange(4, at(1, 0), 60), (QPair<QDateTime, QDateTime>()));
    QVERIFY(box.getRecordingSearchInfo(4).channelId.isEmpty());
    QCOMPARE(titles(box, 2), (QStringList { QStringLiteral("Camera 0"), QStringLiteral("Camera 1") }));
    const RecordingSearchInfo info = box.getRecordingSearchInfo(1);
    QCOMPARE(info.playbackIndex, 1);
    QCOMPARE(info.searchType, 4);
    QVERIFY(!info.beginDatetime.isValid()); // the host gets the search's identity, not its period
    QCOMPARE(box.getAllRecordingSearchInfos().size(), 2);

    box.appointPlaybackTime(QStringLiteral("dev1_1"), 1, at(2, 30));
    QCOMPARE(appointed.count(), 1);
    QCOMPARE(appointed.at(0).at(1).toInt(), 1);
}

void tst_RecordingsTimeAxisBox::swapMovesRowsAndTitles()
{
    RecordingsTimeAxisBox box(3, false);
    layOut(box);
    fill(box, { 0 });
    auto* formerFirst = box.findChild<ChannelRecordingTimeAxisWt*>(QStringLiteral("channelRecordingTimeAxisWt_0"));
    auto* formerLast = box.findChild<ChannelRecordingTimeAxisWt*>(QStringLiteral("channelRecordingTimeAxisWt_2"));
    const int topY = formerFirst->y();
    const int bottomY = formerLast->y();

    box.swapRecordingTimeAxis(0, 2);
    QCOMPARE(box.getRecordingSearchInfo(2).channelId, QStringLiteral("dev0_1"));
    QCOMPARE(box.getRecordingSearchInfo(2).playbackIndex, 2);
    QVERIFY(box.getRecordingSearchInfo(0).channelId.isEmpty());
    // On screen the rows changed places, each check box beside its bar: the top row is the former row 2, titled
    // with the default title of index 0; the channel title moved down unchanged.
    QTRY_COMPARE(formerFirst->y(), bottomY);
    QCOMPARE(formerLast->y(), topY);
    QCOMPARE(checkBox(box, 2)->y(), topY);
    QCOMPARE(checkBox(box, 2)->text(), QStringLiteral("Video 1"));
    QCOMPARE(checkBox(box, 0)->y(), bottomY);
    QCOMPARE(checkBox(box, 0)->text(), QStringLiteral("Camera 0"));
    QCOMPARE(checkBox(box, 1)->text(), QStringLiteral("Video 2"));

    // The moved bar reports its new index.
    QSignalSpy appointed(&box, SIGNAL(signalAppointPlaybackTime(QString,int,int,QDateTime)));
    box.appointPlaybackTime(QStringLiteral("dev0_1"), 1, at(1, 30));
    QCOMPARE(appointed.count(), 1);
    QCOMPARE(appointed.at(0).at(1).toInt(), 2);
    QSignalSpy percent(&box, SIGNAL(signalDatetimePercentInFile(int,float)));
    box.updatePlaybackTime(at(1, 45), 2);
    QCOMPARE(percent.count(), 1);
    QCOMPARE(percent.at(0).at(0).toInt(), 2);
    QCOMPARE(percent.at(0).at(1).toFloat(), 0.75f);
}

void tst_RecordingsTimeAxisBox::batchAppointFromRuler()
{
    TimeAxisWt ruler;
    RecordingsTimeAxisBox box(3, false);
    box.setTimeAxisWt(&ruler);
    ruler.setMinBeginDatetime(at(0, 0));
    ruler.resize(1480, 33); // label centres at 19 and 1459: a minute a pixel
    ruler.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ruler));
    fill(box, { 0, 1, 2 });
    checkBox(box, 0)->setChecked(true);
    checkBox(box, 2)->setChecked(true);
    // Row 1 has a recording at 02:30 but is not checked; row 0 has none then.
    box.appointPlaybackTime(QStringLiteral("dev2_1"), 1, at(3, 10)); // row 2 plays already
    QSignalSpy appointed(&box, SIGNAL(signalAppointPlaybackTime(QString,int,int,QDateTime)));

    QTest::mouseClick(ruler.findChild<QWidget*>(QStringLiteral("timeAxis")), Qt::LeftButton, Qt::NoModifier,
        QPoint(19 + 3 * 60 + 30, 20));
    QCOMPARE(appointed.count(), 1);
    QCOMPARE(appointed.at(0).at(0).toString(), QStringLiteral("dev2_1"));
    QCOMPARE(appointed.at(0).at(3).toDateTime(), at(3, 30));
    QCOMPARE(box.getCheckedChannelRecordingTimeAxis(), qMakePair(QList<int> { 2 }, QList<int> { 0 }));

    checkBox(box, 1)->setChecked(true);
    QTest::mouseClick(ruler.findChild<QWidget*>(QStringLiteral("timeAxis")), Qt::LeftButton, Qt::NoModifier,
        QPoint(19 + 2 * 60 + 10, 20));
    QCOMPARE(appointed.count(), 2);
    QCOMPARE(appointed.at(1).at(1).toInt(), 1);
    QCOMPARE(appointed.at(1).at(3).toDateTime(), at(2, 10));
}

void tst_RecordingsTimeAxisBox::zoomRelays_data()
{
    QTest::addColumn<int>("x"); // in the box; -1: zoom about the ruler's fixed moment
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("degree");
    QTest::addColumn<QDateTime>("begin");
    // Bars start at box x 116; 12:00 is at bar x 720.
    QTest::newRow("in about the fixed moment") << -1 << int(ZoomIn) << true << 12 << at(0, 0);
    QTest::newRow("in about noon on a bar") << 116 + 720 << int(ZoomIn) << true << 12 << at(6, 0);
    QTest::newRow("out at 24 hours") << 116 + 720 << int(ZoomOut) << true << 24 << at(0, 0);
    QTest::newRow("another mode") << 116 + 720 << 5 << true << 24 << at(0, 0);
    QTest::newRow("left of the bars") << 100 << int(ZoomIn) << false << 24 << at(0, 0);
}

void tst_RecordingsTimeAxisBox::zoomRelays()
{
    QFETCH(int, x);
    QFETCH(int, mode);
    QFETCH(bool, found);
    QFETCH(int, degree);
    QFETCH(QDateTime, begin);
    TimeAxisWt ruler;
    RecordingsTimeAxisBox box(2, false);
    layOut(box, &ruler);
    QSignalSpy changed(&ruler, SIGNAL(signalBeginTimeAndDegreeChanged(TimeAxisDegree,QDateTime)));
    if (x < 0)
        box.timeAxisZoomCtrl(ZoomMode(mode));
    else
        QCOMPARE(box.timeAxisZoomCtrl(QPoint(x, 10 + 21 + 1 + 5), ZoomMode(mode)), found);
    QCOMPARE(changed.count(), degree == 24 ? 0 : 1);
    QCOMPARE(ruler.getBeginDatetime(), begin);
    // Every bar follows the ruler: its left edge is the new begin, its right edge a span later.
    for (auto* bar : box.findChildren<ChannelRecordingTimeAxisWt*>()) {
        QCOMPARE(bar->getDatetimeAtPos(QPoint(0, 5)), begin);
        QCOMPARE(bar->getDatetimeAtPos(QPoint(1440, 5)), begin.addSecs(degree * 3600));
    }
}

void tst_RecordingsTimeAxisBox::rowAtPointAndLabelPreview()
{
    RecordingsTimeAxisBox box(3, false);
    layOut(box);
    fill(box, { 0, 1, 2 });
    auto* preview = box.findChild<QLabel*>(QStringLiteral("addingLabel"));
    QVERIFY(preview->isHidden());
    const QPixmap pixmap(11, 21);
    const int row1Top = 10 + 22;
    // Row 1 holds 02:00-03:00; bar x 150 is 02:30. The probe looks one pixel left and three up.
    QVERIFY(box.canAddRecordingLabelAtPos(QPoint(116 + 151, row1Top + 3), pixmap));
    QVERIFY(preview->isVisible());
    QCOMPARE(preview->geometry(), QRect(116 + 151, row1Top + 3 - 21, 11, 21));
    QVERIFY(!box.canAddRecordingLabelAtPos(QPoint(116 + 300, row1Top + 3), pixmap)); // a gap
    QVERIFY(preview->isVisible()); // a refusal keeps the preview
    QCOMPARE(preview->x(), 116 + 151);
    QVERIFY(!box.canAddRecordingLabelAtPos(QPoint(116 + 151, row1Top + 2), pixmap)); // probe above row 1: row 0
    box.hideAddingRecordingLabel();
    QVERIFY(preview->isHidden());

    const LocalRecordingLabelInfo info = box.getRecordingLabelInfoAtPos(QPoint(116 + 151, row1Top + 3));
    QCOMPARE(info.channelId, QStringLiteral("dev1_1"));
    QCOMPARE(info.recordingLocation, 1);
    QCOMPARE(info.datetime, at(2, 31)); // the moment at pos itself, not at the probe
    QVERIFY(info.name.isEmpty());
    QVERIFY(!box.getRecordingLabelInfoAtPos(QPoint(5, row1Top + 3)).datetime.isValid());

    const int lastBottom = 10 + 3 * 22 - 1 - 1;
    QVERIFY(box.isCursorInTimeAxis(QPoint(116, 0)));
    QVERIFY(box.isCursorInTimeAxis(QPoint(116 + 1439, lastBottom + 10)));
    QVERIFY(!box.isCursorInTimeAxis(QPoint(115, 40)));
    QVERIFY(!box.isCursorInTimeAxis(QPoint(116 + 1440, 40)));
    QVERIFY(!box.isCursorInTimeAxis(QPoint(300, lastBottom + 11)));
}

void tst_RecordingsTimeAxisBox::downloadRelay()
{
    RecordingsTimeAxisBox box(2, true);
    layOut(box);
    fill(box, { 1 });
    box.appointPlaybackTime(QStringLiteral("dev1_1"), 1, at(2, 20));
    QSignalSpy download(&box, SIGNAL(signalDownloadByTimeRangeBtClicked(int,QDateTime)));
    auto* bar = box.findChild<ChannelRecordingTimeAxisWt*>(QStringLiteral("channelRecordingTimeAxisWt_1"));
    auto* button = bar->findChild<QPushButton*>(QStringLiteral("downloadBt"));
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QCOMPARE(download.count(), 1);
    QCOMPARE(download.at(0).at(0).toInt(), 1);
    QCOMPARE(download.at(0).at(1).toDateTime(), at(2, 20));

    QWidget stranger;
    QVERIFY(QMetaObject::invokeMethod(
        &box, "slotDownloadByTimeRangeBtClicked", Q_ARG(QWidget*, &stranger), Q_ARG(QDateTime, at(2, 20))));
    QCOMPARE(download.count(), 1);
}

void tst_RecordingsTimeAxisBox::titleUpkeepSlots()
{
    RecordingsTimeAxisBox box(4, false);
    fill(box, { 0, 1, 2 });
    box.setRecordingSearchInfo(SearchStarted, QStringLiteral("k"), search(3, QStringLiteral("dev1_2")));
    const ChannelNames names { { QStringLiteral("dev1_1"), QStringLiteral("Hall") },
        { QStringLiteral("dev9_9"), QStringLiteral("Elsewhere") } };

    QVERIFY(QMetaObject::invokeMethod(&box, "slotUpdateGroupChannelsInLocalDB",
        QGenericArgument("QMap<QString,QString>", &names), Q_ARG(bool, false)));
    QCOMPARE(checkBox(box, 1)->text(), QStringLiteral("Camera 1"));
    QVERIFY(QMetaObject::invokeMethod(&box, "slotUpdateGroupChannelsInLocalDB",
        QGenericArgument("QMap<QString,QString>", &names), Q_ARG(bool, true)));
    QCOMPARE(titles(box, 3),
        (QStringList { QStringLiteral("Camera 0"), QStringLiteral("Hall"), QStringLiteral("Camera 2") }));

    QVERIFY(QMetaObject::invokeMethod(&box, "slotDeleteChannelsFromGroupInLocalDB",
        Q_ARG(QStringList, QStringList { QStringLiteral("dev2_1") }), Q_ARG(bool, true)));
    QCOMPARE(checkBox(box, 2)->text(), QStringLiteral("Video 3"));
    QVERIFY(box.getRecordingSearchInfo(2).channelId.isEmpty());

    QVERIFY(QMetaObject::invokeMethod(&box, "slotDeleteSceneChannelsSuccess", Q_ARG(QString, QStringLiteral("s")),
        Q_ARG(QStringList, QStringList { QStringLiteral("dev0_1") })));
    QCOMPARE(checkBox(box, 0)->text(), QStringLiteral("Video 1"));

    // Deleting device dev1 empties both of its channels' rows.
    QVERIFY(QMetaObject::invokeMethod(
        &box, "slotDeleteLocalDevs", Q_ARG(QStringList, QStringList { QStringLiteral("dev1") }), Q_ARG(bool, false)));
    QCOMPARE(box.getAllRecordingSearchInfos().size(), 2);
    QVERIFY(QMetaObject::invokeMethod(
        &box, "slotDeleteCloudDevsSuccess", Q_ARG(QStringList, QStringList { QStringLiteral("dev1") })));
    QVERIFY(box.getAllRecordingSearchInfos().isEmpty());
    QCOMPARE(titles(box, 4),
        (QStringList { QStringLiteral("Video 1"), QStringLiteral("Video 2"), QStringLiteral("Video 3"),
            QStringLiteral("Video 4") }));
    QVERIFY(QMetaObject::invokeMethod(&box, "slotModifyCloudDevChannelNameSuccess",
        Q_ARG(QString, QStringLiteral("dev1")), Q_ARG(int, 1), Q_ARG(QString, QStringLiteral("x"))));
}

void tst_RecordingsTimeAxisBox::updateDevSlots()
{
    RecordingsTimeAxisBox box(4, false);
    fill(box, { 0, 1, 2, 3 });
    worker->groupChannels.insert(QStringLiteral("dev2_1"));

    vms_sdk::DevInfo online;
    online.devId = QStringLiteral("dev0");
    online.devName = QStringLiteral("Gate NVR");
    vms_sdk::DevInfo offline = online;
    offline.devId = QStringLiteral("dev1");
    offline.onlineStatus = 0;
    vms_sdk::DevInfo otherType = online;
    otherType.devId = QStringLiteral("dev3");
    otherType.devType = 2;
    const DevInfos devs { online, offline, otherType };
    QVERIFY(QMetaObject::invokeMethod(
        &box, "slotUpdateLocalDevs", QGenericArgument("QList<vms_sdk::DevInfo>", &devs), Q_ARG(bool, true)));
    QCOMPARE(titles(box, 4),
        (QStringList { QStringLiteral("Gate NVR"), QStringLiteral("Camera 1"), QStringLiteral("Camera 2"),
            QStringLiteral("Camera 3") }));

    // The walk stops at the group channel in row 2: row 3 keeps its title.
    DevChannelInfos channels;
    for (int i = 0; i < 4; ++i) {
        vms_sdk::DevChannelInfo channel;
        channel.channelName = QStringLiteral("Lane %1").arg(i);
        channel.devId = QStringLiteral("dev%1").arg(i);
        channel.channelNo = 1;
        channels << channel;
    }
    QVERIFY(QMetaObject::invokeMethod(&box, "slotUpdateDevChannels", Q_ARG(QString, QString()),
        QGenericArgument("QList<vms_sdk::DevChannelInfo>", &channels)));
    QCOMPARE(titles(box, 4),
        (QStringList { QStringLiteral("Lane 0"), QStringLiteral("Lane 1"), QStringLiteral("Camera 2"),
            QStringLiteral("Camera 3") }));
}

QTEST_MAIN(tst_RecordingsTimeAxisBox)
#include "tst_recordingstimeaxisbox.moc"
