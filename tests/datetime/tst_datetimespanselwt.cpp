#include "datetime/calendarwt.h"
#include "datetime/datetimespanselwt.h"
#include "zcbtest.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using namespace ZCORVANEBASE;

namespace {

QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

CalendarWt* calendar(DatetimeSpanSelWt& selector, bool end)
{
    return selector.findChild<CalendarWt*>(end ? QStringLiteral("endCalendar") : QStringLiteral("startCalendar"));
}

QDateTimeEdit* editor(DatetimeSpanSelWt& selector, bool end)
{
    return calendar(selector, end)->findChild<QDateTimeEdit*>();
}

QPair<QDateTime, QDateTime> shown(DatetimeSpanSelWt& selector)
{
    return qMakePair(calendar(selector, false)->getSelectDateTime(), calendar(selector, true)->getSelectDateTime());
}

// The end calendar's limits, as seconds after the start.
QPair<qint64, qint64> endWindow(DatetimeSpanSelWt& selector)
{
    const QDateTime start = calendar(selector, false)->getSelectDateTime();
    return qMakePair(start.secsTo(editor(selector, true)->minimumDateTime()),
        start.secsTo(editor(selector, true)->maximumDateTime()));
}

void step(QDateTimeEdit* editor, QDateTimeEdit::Section section, Qt::Key key)
{
    editor->setCurrentSection(section);
    QTest::keyClick(editor, key);
}

} // namespace

class tst_DatetimeSpanSelWt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void initialState();
    void setInitDateTime_data();
    void setInitDateTime();
    void spanLimits_data();
    void spanLimits();
    void startMoves_data();
    void startMoves();
    void burstIsReportedOnce();
    void titlesTranslated();
};

void tst_DatetimeSpanSelWt::initTestCase()
{
    ZcbTest::installFakeWorker();
    QCOMPARE(at(2026, 10, 24, 12).msecsTo(at(2026, 10, 25, 12)), qint64(25 * 3600 * 1000));
}

void tst_DatetimeSpanSelWt::initialState()
{
    const QDateTime midnight(QDate::currentDate(), QTime(0, 0));
    DatetimeSpanSelWt selector;
    QCOMPARE(selector.windowFlags(), Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    QCOMPARE(shown(selector), qMakePair(midnight, midnight.addDays(1).addSecs(-1)));
    QCOMPARE(editor(selector, true)->minimumDateTime(), midnight.addSecs(300));
    QCOMPARE(editor(selector, true)->maximumDateTime(), midnight.addDays(1).addSecs(-1));

    DatetimeSpanSelWt dateOnly(nullptr, false);
    QCOMPARE(editor(dateOnly, false)->displayFormat(), QStringLiteral("yyyy-MM-dd"));
    QCOMPARE(editor(dateOnly, true)->displayFormat(), QStringLiteral("yyyy-MM-dd"));
}

void tst_DatetimeSpanSelWt::setInitDateTime_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("end");
    QTest::addColumn<QDateTime>("expectedStart");
    QTest::addColumn<QDateTime>("expectedEnd");

    const QDateTime ten = at(2026, 6, 10, 10);
    QTest::newRow("kept") << ten << at(2026, 6, 10, 18) << ten << at(2026, 6, 10, 18);
    QTest::newRow("below the minimum") << ten << at(2026, 6, 10, 10, 2) << ten << at(2026, 6, 10, 10, 5);
    QTest::newRow("reversed") << at(2026, 6, 10, 10, 30) << ten << ten << at(2026, 6, 10, 10, 30);
    QTest::newRow("three days") << ten << at(2026, 6, 13, 10) << ten << at(2026, 6, 11, 9, 59, 59);
    QTest::newRow("a day years away") << at(2019, 1, 15, 8) << at(2019, 1, 15, 20) << at(2019, 1, 15, 8)
                                      << at(2019, 1, 15, 20);
    QTest::newRow("23-hour day") << at(2026, 3, 28, 12) << at(2026, 3, 29, 12) << at(2026, 3, 28, 12)
                                 << at(2026, 3, 29, 12);
    QTest::newRow("25-hour day") << at(2026, 10, 24, 12) << at(2026, 10, 25, 12) << at(2026, 10, 24, 12)
                                 << at(2026, 10, 25, 10, 59, 59);
    QTest::newRow("invalid start") << QDateTime() << ten << at(2026, 6, 12, 12) << at(2026, 6, 12, 12, 10);
}

void tst_DatetimeSpanSelWt::setInitDateTime()
{
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, end);
    QFETCH(QDateTime, expectedStart);
    QFETCH(QDateTime, expectedEnd);

    DatetimeSpanSelWt selector;
    selector.setInitDateTime(at(2026, 6, 12, 12), at(2026, 6, 12, 12, 10));
    QSignalSpy changed(&selector, SIGNAL(signalDatetimeSpanSelChanged(QDateTime,QDateTime)));
    selector.setInitDateTime(start, end);
    QCoreApplication::processEvents();
    QCOMPARE(shown(selector), qMakePair(expectedStart, expectedEnd));
    QCOMPARE(endWindow(selector), qMakePair(qint64(300), qint64(86399)));
    QCOMPARE(changed.count(), 0); // the host's own setting is not reported back

    selector.setInitDateTime(qMakePair(QDate(2026, 7, 1), QDate(2026, 7, 1)));
    QCOMPARE(shown(selector), qMakePair(at(2026, 7, 1), at(2026, 7, 1, 23, 59, 59)));
}

void tst_DatetimeSpanSelWt::spanLimits_data()
{
    QTest::addColumn<bool>("maximum");
    QTest::addColumn<qint64>("value");
    QTest::addColumn<qint64>("minSpan");
    QTest::addColumn<qint64>("maxSpan");

    QTest::newRow("maximum above the minimum") << true << qint64(3600) << qint64(300) << qint64(3600);
    QTest::newRow("maximum below the minimum") << true << qint64(100) << qint64(100) << qint64(300);
    QTest::newRow("minimum below the maximum") << false << qint64(60) << qint64(60) << qint64(86399);
    QTest::newRow("minimum above the maximum") << false << qint64(90000) << qint64(90000) << qint64(90000);
    QTest::newRow("negative maximum") << true << qint64(-5) << qint64(300) << qint64(86399);
}

void tst_DatetimeSpanSelWt::spanLimits()
{
    QFETCH(bool, maximum);
    QFETCH(qint64, value);
    QFETCH(qint64, minSpan);
    QFETCH(qint64, maxSpan);

    DatetimeSpanSelWt selector;
    const auto window = endWindow(selector);
    maximum ? selector.setMaxSpanSecs(value) : selector.setMinSpanSecs(value);
    QCOMPARE(endWindow(selector), window); // not before the next setting
    const QDateTime start = at(2026, 6, 10, 10);
    selector.setInitDateTime(start, start);
    QCOMPARE(shown(selector).second, start.addSecs(minSpan));
    QCOMPARE(endWindow(selector), qMakePair(minSpan, maxSpan));
    selector.setInitDateTime(start, start.addDays(2));
    QCOMPARE(shown(selector).second, start.addSecs(maxSpan));
}

void tst_DatetimeSpanSelWt::startMoves_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("end");
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("key");
    QTest::addColumn<QDateTime>("movedStart");
    QTest::addColumn<QDateTime>("movedEnd");

    const int up = Qt::Key_Up;
    const int hour = QDateTimeEdit::HourSection;
    QTest::newRow("forward, end dragged along") << at(2026, 6, 10, 10) << at(2026, 6, 10, 10, 10) << hour << up
                                                << at(2026, 6, 10, 11) << at(2026, 6, 10, 11, 10);
    QTest::newRow("back, end at the maximum dragged along")
        << at(2026, 6, 10, 10) << at(2026, 6, 11, 9, 59, 59) << hour << int(Qt::Key_Down) << at(2026, 6, 10, 9)
        << at(2026, 6, 11, 8, 59, 59);
    QTest::newRow("end still inside the window")
        << at(2026, 6, 10, 10) << at(2026, 6, 10, 12) << int(QDateTimeEdit::MinuteSection) << up
        << at(2026, 6, 10, 10, 1) << at(2026, 6, 10, 12);
    // 23 hours later by the clock; the end, now before the window, moves as far and lands inside it.
    QTest::newRow("next day, into summer time")
        << at(2026, 3, 28, 12) << at(2026, 3, 29, 11) << int(QDateTimeEdit::DaySection) << up << at(2026, 3, 29, 12)
        << at(2026, 3, 30, 10);
}

void tst_DatetimeSpanSelWt::startMoves()
{
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, end);
    QFETCH(int, section);
    QFETCH(int, key);
    QFETCH(QDateTime, movedStart);
    QFETCH(QDateTime, movedEnd);

    DatetimeSpanSelWt selector;
    selector.setInitDateTime(start, end);
    QSignalSpy changed(&selector, SIGNAL(signalDatetimeSpanSelChanged(QDateTime,QDateTime)));
    step(editor(selector, false), QDateTimeEdit::Section(section), Qt::Key(key));
    QCOMPARE(shown(selector), qMakePair(movedStart, movedEnd));
    QCOMPARE(endWindow(selector), qMakePair(qint64(300), qint64(86399)));
    QCOMPARE(changed.count(), 0); // reported from the event loop
    QCoreApplication::processEvents();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toDateTime(), movedStart);
    QCOMPARE(changed.at(0).at(1).toDateTime(), movedEnd);
}

void tst_DatetimeSpanSelWt::burstIsReportedOnce()
{
    DatetimeSpanSelWt selector;
    selector.setInitDateTime(at(2026, 6, 10, 10), at(2026, 6, 10, 12));
    QSignalSpy changed(&selector, SIGNAL(signalDatetimeSpanSelChanged(QDateTime,QDateTime)));
    QCoreApplication::postEvent(&selector, new QEvent(QEvent::Type(10527))); // nothing pending: no report
    QCoreApplication::processEvents();
    QCOMPARE(changed.count(), 0);

    step(editor(selector, false), QDateTimeEdit::HourSection, Qt::Key_Up);
    step(editor(selector, true), QDateTimeEdit::HourSection, Qt::Key_Up);
    step(editor(selector, true), QDateTimeEdit::HourSection, Qt::Key_Up);
    QCoreApplication::processEvents();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toDateTime(), at(2026, 6, 10, 11));
    QCOMPARE(changed.at(0).at(1).toDateTime(), at(2026, 6, 10, 14));

    // The end cannot pass the window; a day outside it takes no click (11 June is the last one in).
    selector.setInitDateTime(at(2026, 6, 10, 10), at(2026, 6, 11, 9, 59, 59));
    step(editor(selector, true), QDateTimeEdit::HourSection, Qt::Key_Up);
    QTest::mouseClick(calendar(selector, true)->findChild<QLabel*>(QStringLiteral("label_13")), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(changed.count(), 1);
    step(editor(selector, true), QDateTimeEdit::HourSection, Qt::Key_Down);
    QCoreApplication::processEvents();
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(1).toDateTime(), at(2026, 6, 11, 8, 59, 59));
}

void tst_DatetimeSpanSelWt::titlesTranslated()
{
    const QList<QPair<ZCORVANEDLL::ClientLanguage, QString>> titles {
        { ZCORVANEDLL::ClientLanguageZhCN, QStringLiteral("开始 结束") },
        { ZCORVANEDLL::ClientLanguageZhHK, QStringLiteral("開始 結束") },
        { ZCORVANEDLL::ClientLanguageEnUS, QStringLiteral("Start End") },
    };
    for (const auto& title : titles) {
        ZcbTest::installCatalogue(title.first);
        DatetimeSpanSelWt selector;
        QCOMPARE(calendar(selector, false)->findChild<QLabel*>(QStringLiteral("title"))->text() + QLatin1Char(' ')
                + calendar(selector, true)->findChild<QLabel*>(QStringLiteral("title"))->text(),
            title.second);
    }
}

QTEST_MAIN(tst_DatetimeSpanSelWt)
#include "tst_datetimespanselwt.moc"
