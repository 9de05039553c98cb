#include "timeaxis/progresscursorwt_p.h"
#include "timeaxis/recordinglabelwt_p.h"

#include "frame/corvanebaseinit.h"
#include "zcbtest.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace ZCORVANEBASE;

class DatetimeWorker : public FakeWorker
{
public:
    QString strDatetime(const QDateTime& dateTime, bool shortForm) override
    {
        return QStringLiteral("[%1%2]")
            .arg(dateTime.toString(QStringLiteral("dd.MM. hh:mm")))
            .arg(shortForm ? 's' : 'l');
    }
};

class tst_ProgressCursorWt : public QObject
{
    Q_OBJECT

private slots:
    void downloadButtonFollowsFlag_data();
    void downloadButtonFollowsFlag();
    void downloadReportsCursorMoment();
    void pressRows_data();
    void pressRows();
    void labelToolTip();
    void labelToolTipWithoutWorker();
};

void tst_ProgressCursorWt::downloadButtonFollowsFlag_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::newRow("downloads enabled") << true;
    QTest::newRow("downloads disabled") << false;
}

void tst_ProgressCursorWt::downloadButtonFollowsFlag()
{
    QFETCH(bool, enabled);
    QWidget bar;
    bar.resize(300, 21);
    auto* cursor = new ProgressCursorWt(enabled, &bar);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    auto* button = cursor->findChild<QPushButton*>(QStringLiteral("downloadBt"));
    QVERIFY(button);
    QCOMPARE(button->isVisible(), enabled);
    QCOMPARE(cursor->size(), QSize(61, 20));
    QCOMPARE(button->toolTip(), QStringLiteral("Download"));
}

void tst_ProgressCursorWt::downloadReportsCursorMoment()
{
    ProgressCursorWt cursor(true);
    cursor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cursor));
    const QDateTime moment(QDate(2024, 3, 5), QTime(14, 7, 9));
    cursor.setDatetime(moment);
    QCOMPARE(cursor.findChild<QLabel*>(QStringLiteral("timeLabel"))->text(), QStringLiteral("14:07:09"));
    QSignalSpy download(&cursor, SIGNAL(signalDownloadByTimeRangeBtClicked(QDateTime)));
    auto* button = cursor.findChild<QPushButton*>(QStringLiteral("downloadBt"));
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QCOMPARE(download.count(), 1);
    QCOMPARE(download.at(0).at(0).toDateTime(), moment);
}

void tst_ProgressCursorWt::pressRows_data()
{
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("kept");
    QTest::newRow("time row top") << 0 << true;
    QTest::newRow("last pixel of the time row") << 15 << true;
    QTest::newRow("first pixel below") << 16 << false;
    QTest::newRow("bottom") << 19 << false;
}

void tst_ProgressCursorWt::pressRows()
{
    QFETCH(int, y);
    QFETCH(bool, kept);
    // The parent records the presses that travel on from the cursor.
    class Parent : public QWidget
    {
    public:
        int presses = 0;

    protected:
        void mousePressEvent(QMouseEvent* event) override
        {
            ++presses;
            event->accept();
        }
    } parent;
    parent.resize(200, 21);
    auto* cursor = new ProgressCursorWt(false, &parent);
    cursor->move(50, 0);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QTest::mousePress(cursor, Qt::LeftButton, Qt::NoModifier, QPoint(55, y));
    QCOMPARE(parent.presses, kept ? 0 : 1);
    QTest::mouseRelease(cursor, Qt::LeftButton, Qt::NoModifier, QPoint(55, y));
}

void tst_ProgressCursorWt::labelToolTip()
{
    CorvaneBaseInit::_instance().worker = new DatetimeWorker;
    RecordingLabelWt label;
    QCOMPARE(label.size(), QSize(11, 21));
    LocalRecordingLabelInfo info;
    info.name = QStringLiteral("gate");
    info.channelId = QStringLiteral("dev1_2");
    info.recordingLocation = 3;
    info.datetime = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9));
    label.setRecordingLabelInfo(info);
    QCOMPARE(label.toolTip(), QStringLiteral("gate:[05.03. 14:07l]"));
    QCOMPARE(label.getRecordingLabelInfo().recordingLocation, 3);

    label.rename(QStringLiteral("door"));
    QCOMPARE(label.toolTip(), QStringLiteral("door:[05.03. 14:07l]"));
    QCOMPARE(label.getRecordingLabelInfo().name, QStringLiteral("door"));
    QCOMPARE(label.getRecordingLabelInfo().datetime, info.datetime);
    QCOMPARE(label.getRecordingLabelInfo().channelId, info.channelId);
}

void tst_ProgressCursorWt::labelToolTipWithoutWorker()
{
    ZcbTest::removeWorker();
    RecordingLabelWt label;
    LocalRecordingLabelInfo info;
    info.name = QStringLiteral("gate");
    info.datetime = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9));
    label.setRecordingLabelInfo(info);
    QCOMPARE(label.toolTip(), QStringLiteral("gate:2024-03-05 14:07:09"));
}

QTEST_MAIN(tst_ProgressCursorWt)
#include "tst_progresscursorwt.moc"
