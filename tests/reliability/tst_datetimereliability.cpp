// The date and time pickers under a host that misbehaves: date formats that cannot show a date, moments the editors
// cannot hold, no worker, and a worker deleted while the pickers live.

#include "datetime/calendarwt.h"
#include "datetime/datetimespanselwt.h"
#include "datetime/timespacelineet.h"

#include "reliabilitysupport.h"
#include "zcbtest.h"

#include <QDateTimeEdit>
#include <QtTest>

using namespace ZCORVANEBASE;
using namespace ReliabilitySupport;

class tst_DatetimeReliability : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { captureWarnings(); }
    void init() { worker = freshHost(); }

    void hostDateFormats_data()
    {
        QTest::addColumn<QString>("hostFormat");
        QTest::addColumn<bool>("used"); // else the library's own "yyyy-MM-dd" is
        QTest::addColumn<int>("expectedWarnings");
        QTest::newRow("the host's own format is used") << "dd/MM/yyyy" << true << 0;
        QTest::newRow("no answer") << "" << false << 0;
        QTest::newRow("blank") << "   " << false << 0;
        QTest::newRow("no date in it") << "qqq" << false << 1;
        QTest::newRow("time only") << "hh:mm" << false << 1;
        QTest::newRow("no day") << "yyyy-MM" << false << 1;
        QTest::newRow("time already in it") << "yyyy-MM-dd hh:mm:ss" << false << 1;
        QTest::newRow("unbalanced quote") << "yyyy-MM-dd'" << false << 1;
    }

    // A calendar always shows a whole date the user can edit: a host format that cannot is replaced by the
    // library's own, with one warning naming it, and the calendar's value is unaffected.
    void hostDateFormats()
    {
        QFETCH(QString, hostFormat);
        QFETCH(bool, used);
        QFETCH(int, expectedWarnings);
        worker->dateFormat = hostFormat;
        CalendarWt calendar;
        calendar.setUsingTime(true); // asked again: still one warning
        auto* editor = calendar.findChild<QDateTimeEdit*>();
        QCOMPARE(editor->displayFormat(), (used ? hostFormat : "yyyy-MM-dd") + " hh:mm:ss"); // with the time
        const QDateTime value(QDate(2024, 3, 5), QTime(14, 7, 9));
        calendar.setInitDateTime(value);
        QCOMPARE(calendar.getSelectDateTime(), value);
        QVERIFY(editor->text().contains("05"));
        calendar.setUsingTime(false);
        QCOMPARE(editor->displayFormat(), used ? hostFormat : "yyyy-MM-dd");
        QCOMPARE(warnings.size(), expectedWarnings);
        if (expectedWarnings)
            QVERIFY2(warnings.first().contains(hostFormat), qPrintable(warnings.first()));
    }

    void datesBeyondTheEditors_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("startShown"); // by the span selector's start calendar
        QTest::addColumn<qint64>("span");
        QTest::newRow("before the year 100") << -3000 << QDate(1752, 9, 14) << qint64(3600);
        QTest::newRow("before 1752-09-14") << 1500 << QDate(1752, 9, 14) << qint64(3600);
        // The start shows the editors' last moment, and no end can lie after it.
        QTest::newRow("after 9999") << 20000 << QDate(9999, 12, 31) << qint64(0);
    }

    // Valid date-times that a date-time editor cannot hold: a calendar keeps a value and a range, and the span
    // selector keeps its end one hour after the start it really shows, as far as the editors reach.
    void datesBeyondTheEditors()
    {
        QFETCH(int, year);
        QFETCH(QDate, startShown);
        QFETCH(qint64, span);
        CalendarWt calendar;
        const QDateTime far(QDate(year, 3, 5), QTime(8, 0));
        calendar.setRange(far, far.addDays(1));
        auto* editor = calendar.findChild<QDateTimeEdit*>();
        QVERIFY(calendar.getSelectDateTime().isValid() && editor->minimumDateTime().isValid()
            && editor->maximumDateTime().isValid());

        DatetimeSpanSelWt selector;
        QSignalSpy changed(&selector, SIGNAL(signalDatetimeSpanSelChanged(QDateTime,QDateTime)));
        selector.setInitDateTime(far, far.addSecs(3600));
        QCoreApplication::sendPostedEvents(&selector);
        const QDateTime start = selector.findChild<CalendarWt*>("startCalendar")->getSelectDateTime();
        const QDateTime end = selector.findChild<CalendarWt*>("endCalendar")->getSelectDateTime();
        QCOMPARE(start.date(), startShown);
        QCOMPARE(start.secsTo(end), span);
        for (const QVariantList& report : qAsConst(changed)) // the start's clamp is reported, with a whole pair
            QCOMPARE(report.at(0).toDateTime().secsTo(report.at(1).toDateTime()), span);
    }

    // Without a worker, and with the worker deleted under live pickers, they keep working on the library's format.
    void workerGone()
    {
        worker->dateFormat = "dd.MM.yyyy";
        DatetimeSpanSelWt selector;
        ZcbTest::removeWorker();
        CalendarWt calendar;
        QCOMPARE(calendar.findChild<QDateTimeEdit*>()->displayFormat(), "yyyy-MM-dd hh:mm:ss");
        QSignalSpy changed(&selector, SIGNAL(signalDatetimeSpanSelChanged(QDateTime,QDateTime)));
        const QDateTime start(QDate(2024, 3, 5), QTime(8, 0));
        selector.setInitDateTime(start, start.addSecs(3600));
        auto* startCalendar = selector.findChild<CalendarWt*>("startCalendar");
        QTest::mouseClick(startCalendar->findChild<QWidget*>("btnmonthright"), Qt::LeftButton);
        QVERIFY(changed.wait(1000));
        QCOMPARE(changed.first().at(0).toDateTime(), start.addMonths(1));
        QCOMPARE(changed.first().at(1).toDateTime(), start.addMonths(1).addSecs(3600));
    }

private:
    FakeWorker* worker = nullptr;
};

QTEST_MAIN(tst_DatetimeReliability)
#include "tst_datetimereliability.moc"
