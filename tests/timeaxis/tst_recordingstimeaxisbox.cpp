#include "timeaxis/channelrecordingtimeaxiswt_p.h"
#include "timeaxis/recordingstimeaxisbox.h"
#include "timeaxis/timeaxiswt.h"

#include "frame/zcheckbox.h"
#include "timeaxisoracle.h"
#include "zcbtest.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <cmath>

using namespace ZCORVANEBASE;
using namespace TimeAxisOracle;
using Calls = QList<QVariantList>;
using BarWt = ChannelRecordingTimeAxisWt;

// A box whose bars are 1440 pixels wide once shown (a minute a pixel over the whole day) and start at x 116; rows
// are 22 pixels apart from y 10.
class Box : public RecordingsTimeAxisBox
{
public:
    explicit Box(int count, bool downloadEnabled = false)
        : RecordingsTimeAxisBox(count, downloadEnabled)
    {
        for (auto* bar : findChildren<BarWt*>())
            bar->setBeginTimeAndDegree(Degree24Hours, at(0, 0));
        setChannelCheckBoxWidth(100);
        setMarginRight(10);
        resize(10 + 100 + 6 + 1440 + 10, height());
    }
    static RecordingSearchInfo search(int row, const QString& channelId)
    {
        return RecordingSearchInfo { channelId, 1, row, 4, at(0, 0), at(0, 0).addDays(1), QDateTime() };
    }
    // Row i searches channel "dev<i>_1" and holds one recording from 01:00 + i hours for an hour.
    void fill(const QList<int>& rows)
    {
        for (int row : rows) {
            setRecordingSearchInfo(SearchStarted, "key", search(row, QStringLiteral("dev%1_1").arg(row)));
            setChannelRecordingsTimeInfo({ recording(at(1 + row, 0), at(2 + row, 0)) }, row, "key", true, false);
        }
    }
    bool exposed() { return show(), QTest::qWaitForWindowExposed(this); }
    ZCheckBox* checkBox(int row) { return findChild<ZCheckBox*>(QStringLiteral("checkBox_%1").arg(row)); }
    BarWt* bar(int row) { return findChild<BarWt*>(QStringLiteral("channelRecordingTimeAxisWt_%1").arg(row)); }
    QString titles()
    {
        QStringList texts;
        for (int row = 0; checkBox(row); ++row)
            texts << checkBox(row)->text();
        return texts.join(", ");
    }
    void click(int row) { QTest::mouseClick(checkBox(row), Qt::LeftButton, {}, QPoint(7, 10)); }
};

class tst_RecordingsTimeAxisBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<Qt::CheckState>(); }

    void init()
    {
        FakeWorker* worker = ZcbTest::installFakeWorker();
        for (int i = 0; i < 8; ++i)
            worker->channelNames.insert(QStringLiteral("dev%1_1").arg(i), QStringLiteral("Camera %1").arg(i));
    }

    void rowsAndCheckState()
    {
        QCOMPARE(Box(-3).findChildren<BarWt*>().size(), 64); // no count: 64 rows
        Box box(3);
        QCOMPARE(box.height(), 85);
        QCOMPARE(box.titles(), "Video 1, Video 2, Video 3");
        QVERIFY(box.exposed());
        QSignalSpy state(&box, SIGNAL(signalAllChannelRecordingTimeAxisCheckState(Qt::CheckState)));
        for (int row : { 0, 1, 2, 0 })
            box.click(row);
        QCOMPARE(box.getCheckedChannelRecordingTimeAxis().second, (QList<int> { 1, 2 }));
        box.setChannelRecordingTimeAxisChecked(false); // says nothing
        box.click(1);
        box.click(1);
        QList<Qt::CheckState> states;
        for (const QVariantList& call : qAsConst(state))
            states << call.at(0).value<Qt::CheckState>();
        QCOMPARE(states,
            (QList<Qt::CheckState> { Qt::PartiallyChecked, Qt::PartiallyChecked, Qt::Checked, Qt::PartiallyChecked,
                Qt::PartiallyChecked, Qt::Unchecked }));
    }

    // Results and notices of an older search of a row are dropped; the waiting animation runs until the newest ends.
    void staleSearchKeys()
    {
        Box box(5);
        QVERIFY(box.exposed());
        auto* waiting = box.bar(3)->findChild<QLabel*>(QStringLiteral("waitingLabel"));
        box.setRecordingSearchInfo(SearchStarted, "old", Box::search(3, "dev1_1"));
        box.setRecordingSearchInfo(SearchStarted, "new", Box::search(3, "dev2_1"));
        box.setChannelRecordingsTimeInfo({ recording(at(1, 0), at(2, 0)) }, 3, "old", true, false);
        box.setRecordingSearchInfo(SearchFinished, "old", Box::search(3, "dev1_1"));
        QVERIFY(box.checkBox(3)->text() == "Camera 2" && box.hasNoneRecordings() && waiting->isVisible());
        box.setChannelRecordingsTimeInfo({ recording(at(1, 0), at(2, 0)) }, 3, "new", true, false);
        box.setRecordingSearchInfo(SearchFinished, "new", Box::search(3, "dev2_1"));
        box.checkBox(3)->setChecked(true);
        QVERIFY(!waiting->isVisible());
        QCOMPARE(box.getCheckedAndExistReocordingsChannelRecordingTimeAxis(), QList<int> { 3 });
        box.recoverChannelRecordingTimeAxisInfo(3); // back to the default title and an empty row
        QVERIFY(box.checkBox(3)->text() == "Video 4" && box.hasNoneRecordings());
    }

    void swapMovesRowsAndTitles()
    {
        Box box(3);
        QVERIFY(box.exposed());
        box.fill({ 0 });
        BarWt* formerFirst = box.bar(0);
        BarWt* formerLast = box.bar(2);
        const int topY = formerFirst->y(), bottomY = formerLast->y();
        box.swapRecordingTimeAxis(1, 1); // rows that are not two: ignored
        box.swapRecordingTimeAxis(0, 3);
        box.swapRecordingTimeAxis(0, 2);
        QCOMPARE(box.getRecordingSearchInfo(2).channelId, "dev0_1");
        QVERIFY(box.getRecordingSearchInfo(0).channelId.isEmpty());
        // On screen the rows changed places, each check box beside its bar: the top row is the former row 2, titled
        // with the default title of index 0; the channel title moved down unchanged.
        QTRY_COMPARE(formerFirst->y(), bottomY);
        QCOMPARE(QList<int>({ formerLast->y(), box.checkBox(2)->y(), box.checkBox(0)->y() }),
            QList<int>({ topY, topY, bottomY }));
        QCOMPARE(box.titles(), "Camera 0, Video 2, Video 1");

        // The moved bar answers to its new index and reports it; calls naming no row or another location do nothing.
        QSignalSpy appointed(&box, SIGNAL(signalAppointPlaybackTime(QString,int,int,QDateTime)));
        QSignalSpy percent(&box, SIGNAL(signalDatetimePercentInFile(int,float)));
        box.appointPlaybackTime("dev0_1", 2, at(1, 30));
        box.updatePlaybackTime(at(1, 30), 3);
        box.appointPlaybackTime(-1, 0.5f);
        box.appointPlaybackTime("dev0_1", 1, at(1, 30));
        box.updatePlaybackTime(at(1, 45), 2);
        box.appointPlaybackTime(2, 0.25f);
        QCOMPARE(Calls(appointed), (Calls { { "dev0_1", 2, 1, at(1, 30) }, { "dev0_1", 2, 1, at(1, 15) } }));
        QCOMPARE(Calls(percent), (Calls { { 2, 0.5f }, { 2, 0.75f }, { 2, 0.25f } }));
    }

    // A click on the ruler plays every checked row that has a recording then.
    void batchAppointFromRuler()
    {
        TimeAxisWt ruler;
        Box box(3);
        box.setTimeAxisWt(&ruler);
        ruler.setMinBeginDatetime(at(0, 0));
        ruler.resize(1480, 33); // label centres at 19 and 1459: a minute a pixel
        ruler.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ruler));
        box.fill({ 0, 1, 2 });
        box.checkBox(0)->setChecked(true);
        box.checkBox(2)->setChecked(true);
        box.appointPlaybackTime("dev2_1", 1, at(3, 10)); // row 2 plays already
        QSignalSpy appointed(&box, SIGNAL(signalAppointPlaybackTime(QString,int,int,QDateTime)));
        auto* axis = ruler.findChild<QWidget*>("timeAxis");
        QTest::mouseClick(axis, Qt::LeftButton, {}, QPoint(19 + 2 * 60 + 30, 20)); // only row 1 has 02:30
        QTest::mouseClick(axis, Qt::LeftButton, {}, QPoint(19 + 3 * 60 + 30, 20));
        QCOMPARE(box.getCheckedChannelRecordingTimeAxis(), qMakePair(QList<int> { 2 }, QList<int> { 0 }));
        box.checkBox(1)->setChecked(true);
        QTest::mouseClick(axis, Qt::LeftButton, {}, QPoint(19 + 2 * 60 + 10, 20));
        QCOMPARE(Calls(appointed), (Calls { { "dev2_1", 2, 1, at(3, 30) }, { "dev1_1", 1, 1, at(2, 10) } }));

        // Zooming relays to the ruler (about the pointer on a bar, x 720 is noon), and every bar follows it.
        QVERIFY(box.exposed());
        QVERIFY(!box.timeAxisZoomCtrl(QPoint(100, 37), ZoomIn)); // left of the bars
        QVERIFY(box.timeAxisZoomCtrl(QPoint(116 + 720, 37), ZoomIn));
        QCOMPARE(ruler.getBeginDatetime(), at(6, 0));
        box.timeAxisZoomCtrl(ZoomIn); // about the ruler's fixed moment, noon
        QCOMPARE(ruler.getBeginDatetime(), at(9, 0));
        for (int row : { 0, 2 })
            QVERIFY(box.bar(row)->getDatetimeAtPos(QPoint(0, 5)) == at(9, 0)
                && box.bar(row)->getDatetimeAtPos(QPoint(1440, 5)) == at(15, 0));
    }

    // The label preview follows the drag onto a bar; the download button of a bar's cursor reaches the host.
    void labelPreviewAndDownload()
    {
        Box box(3, true);
        QVERIFY(box.exposed());
        box.fill({ 0, 1, 2 });
        auto* preview = box.findChild<QLabel*>(QStringLiteral("addingLabel"));
        // Row 1 holds 02:00-03:00 and x 150 on it is 02:30; the probe looks one pixel left and three up.
        const QPoint onRow1(116 + 151, 10 + 22 + 3);
        QVERIFY(box.canAddRecordingLabelAtPos(onRow1, QPixmap(11, 21)));
        QVERIFY(!box.canAddRecordingLabelAtPos(onRow1 - QPoint(0, 1), QPixmap(11, 21))); // the probe is in row 0
        QCOMPARE(preview->geometry(), QRect(onRow1 - QPoint(0, 21), QSize(11, 21))); // a refusal keeps the preview
        QVERIFY(preview->isVisible());
        box.hideAddingRecordingLabel();
        QVERIFY(preview->isHidden());
        const LocalRecordingLabelInfo info = box.getRecordingLabelInfoAtPos(onRow1);
        QCOMPARE(info.channelId + info.datetime.toString(" hh:mm"), "dev1_1 02:31"); // at pos itself, not the probe
        // The bars' column, down to 10 pixels below the last row.
        QVERIFY(box.isCursorInTimeAxis(QPoint(116 + 1439, 84)) && !box.isCursorInTimeAxis(QPoint(300, 85)));
        QVERIFY(!box.isCursorInTimeAxis(QPoint(115, 40)) && !box.isCursorInTimeAxis(QPoint(116 + 1440, 40)));

        box.appointPlaybackTime("dev1_1", 1, at(2, 20));
        QSignalSpy download(&box, SIGNAL(signalDownloadByTimeRangeBtClicked(int,QDateTime)));
        QTest::mouseClick(box.bar(1)->findChild<QPushButton*>("downloadBt"), Qt::LeftButton, {}, QPoint(3, 3));
        QWidget stranger;
        QVERIFY(QMetaObject::invokeMethod(
            &box, "slotDownloadByTimeRangeBtClicked", Q_ARG(QWidget*, &stranger), Q_ARG(QDateTime, at(2, 20))));
        QCOMPARE(Calls(download), (Calls { { 1, at(2, 20) } }));
    }

    // Aligned with its ruler, the box keeps every bar under the ruler's time stretch while the page, the ruler's place
    // and the box's move and resize: a click on a bar under a ruler label plays that label's moment.
    void alignedWithRuler_data()
    {
        QTest::addColumn<QVector<QSize>>("pageSizes");
        QTest::addColumn<QVector<int>>("rulerIndents"); // the room left of the ruler, one per step
        QTest::addColumn<QVector<QPoint>>("pageMoves");
        QTest::newRow("resized") << QVector<QSize> { { 1500, 300 }, { 1100, 300 }, { 1800, 320 } }
                                 << QVector<int> { 0, 0, 0 } << QVector<QPoint> { {}, {}, {} };
        QTest::newRow("ruler moved in the layout") << QVector<QSize> { { 1500, 300 }, { 1500, 300 } }
                                                   << QVector<int> { 40, 230 } << QVector<QPoint> { {}, {} };
        QTest::newRow("page moved") << QVector<QSize> { { 1300, 300 }, { 1300, 300 } } << QVector<int> { 70, 70 }
                                    << QVector<QPoint> { { 10, 20 }, { 300, 90 } };
    }
    void alignedWithRuler()
    {
        QFETCH(QVector<QSize>, pageSizes);
        QFETCH(QVector<int>, rulerIndents);
        QFETCH(QVector<QPoint>, pageMoves);
        QWidget page;
        auto* layout = new QVBoxLayout(&page);
        auto* rulerRow = new QHBoxLayout;
        auto* indent = new QWidget(&page);
        auto* ruler = new TimeAxisWt(&page);
        rulerRow->addWidget(indent);
        rulerRow->addWidget(ruler, 1);
        layout->addLayout(rulerRow);
        auto* box = new Box(2);
        box->setParent(&page);
        layout->addWidget(box);
        box->setTimeAxisWt(ruler);
        box->setAlignedWithTimeAxis(true);
        ruler->setMinBeginDatetime(at(0, 0));
        box->setRecordingSearchInfo(SearchStarted, "key", Box::search(1, "dev1_1"));
        box->setChannelRecordingsTimeInfo({ recording(at(0, 0), at(23, 59, 59)) }, 1, "key", true, false);
        QSignalSpy appointed(box, &RecordingsTimeAxisBox::signalAppointPlaybackTime);
        for (int step = 0; step < pageSizes.size(); ++step) {
            indent->setFixedWidth(rulerIndents.at(step));
            page.resize(pageSizes.at(step));
            if (!pageMoves.at(step).isNull())
                page.move(pageMoves.at(step));
            page.show();
            QVERIFY(QTest::qWaitForWindowExposed(&page));
            QTest::qWait(20); // the alignment follows the layout's moves on the next turn of the event loop
            const qint64 pixelSecs = qint64(std::ceil(86400.0 / box->bar(1)->width()));
            for (int label : { 1, 7, 13 }) {
                auto* timeLabel = ruler->findChild<QLabel*>(QStringLiteral("timeLabel%1").arg(label));
                const QPoint centre = timeLabel->mapToGlobal(timeLabel->rect().center());
                const QPoint onBar = box->bar(1)->mapFromGlobal(QPoint(centre.x(), 0));
                appointed.clear();
                QTest::mouseClick(
                    box->bar(1), Qt::LeftButton, {}, QPoint(qMin(onBar.x(), box->bar(1)->width() - 1), 5));
                QCOMPARE(appointed.count(), 1);
                const QDateTime moment = appointed.at(0).at(3).toDateTime();
                const QDateTime expected = at(0, 0).addSecs(qint64(label - 1) * 7200);
                QVERIFY2(qAbs(moment.secsTo(expected)) <= pixelSecs,
                    qPrintable(QStringLiteral("step %1, label %2: %3 for %4")
                                   .arg(step)
                                   .arg(label)
                                   .arg(moment.toString("hh:mm:ss"), expected.toString("hh:mm:ss"))));
            }
        }
    }
};

QTEST_MAIN(tst_RecordingsTimeAxisBox)
#include "tst_recordingstimeaxisbox.moc"
