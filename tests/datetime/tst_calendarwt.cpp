#include "datetime/calendarmonthwidget_p.h"
#include "datetime/calendarwt.h"
#include "zcbtest.h"

#include <QDateTimeEdit>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace ZCORVANEBASE;

namespace {

const QString normalBg = QStringLiteral("background: #1e293d;font-size:12px;font-family:microsoft yahei;");
const QString hoverBg
    = QStringLiteral("background: #1e293d;font-size:12px;font-family:microsoft yahei;border:1px solid #555c73;");
const QString selectedBg = QStringLiteral("background: #0f8bfd;font-size:12px;font-family:microsoft yahei;");
const QString monthText = QStringLiteral("color:#ebf3fa;");
const QString greyText = QStringLiteral("color:#6c7586;");
const QString outText = QStringLiteral("color:#3c4658");

QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

// Cells count from 0; their labels are named from 1.
QLabel* cell(QWidget* widget, int index)
{
    return widget->findChild<QLabel*>(QStringLiteral("label_%1").arg(index + 1));
}

QString text(QWidget* widget, const char* name)
{
    return widget->findChild<QLabel*>(QLatin1String(name))->text();
}

// The grid starts on today's month; passing through another month first leaves no selection behind.
void showFreshMonth(CalendarMonthWidget& grid, int year, int month)
{
    grid.showMonth(year - 1, month);
    grid.showMonth(year, month);
}

void hover(QWidget* widget, bool enter)
{
    QEnterEvent enterEvent(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QEvent leaveEvent(QEvent::Leave);
    QCoreApplication::sendEvent(widget, enter ? static_cast<QEvent*>(&enterEvent) : &leaveEvent);
}

} // namespace

class tst_CalendarWt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void monthGrid_data();
    void monthGrid();
    void cellClick_data();
    void cellClick();
    void mouseOnRangeAndSelection();
    void clickDistance_data();
    void clickDistance();
    void navigation_data();
    void navigation();
    void initDateTimeReportsOnlyClamps();
    void rangeInEitherOrder();
    void translations_data();
    void translations();
    void editorFormat();
};

void tst_CalendarWt::initTestCase()
{
    ZcbTest::installFakeWorker();
    // The daylight-saving rows rely on the zone the test runs in.
    QCOMPARE(at(2026, 3, 28, 12).msecsTo(at(2026, 3, 29, 12)), qint64(23 * 3600 * 1000));
}

void tst_CalendarWt::monthGrid_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QDate>("firstCell");
    QTest::addColumn<int>("firstInMonth");
    QTest::addColumn<int>("lastInMonth");

    QTest::newRow("December 2026") << 2026 << 12 << QDate(2026, 11, 29) << 2 << 32;
    QTest::newRow("February 2026 starts on Sunday") << 2026 << 2 << QDate(2026, 2, 1) << 0 << 27;
    QTest::newRow("leap February 2024") << 2024 << 2 << QDate(2024, 1, 28) << 4 << 32;
    QTest::newRow("August 2026 starts on Saturday") << 2026 << 8 << QDate(2026, 7, 26) << 6 << 36;
}

void tst_CalendarWt::monthGrid()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QDate, firstCell);
    QFETCH(int, firstInMonth);
    QFETCH(int, lastInMonth);

    CalendarMonthWidget grid;
    showFreshMonth(grid, year, month);
    QCOMPARE(grid.findChildren<QLabel*>().size(), 42);
    QCOMPARE(cell(&grid, firstInMonth)->text(), QStringLiteral("1"));
    QCOMPARE(cell(&grid, lastInMonth)->text(), QString::number(QDate(year, month, 1).daysInMonth()));
    for (int i = 0; i < 42; ++i) {
        const bool inMonth = i >= firstInMonth && i <= lastInMonth;
        QCOMPARE(cell(&grid, i)->text(), QString::number(firstCell.addDays(i).day()));
        QCOMPARE(cell(&grid, i)->styleSheet(), normalBg + (inMonth ? monthText : greyText));
    }
    QCOMPARE(grid.selectedDate(), QDate());
}

void tst_CalendarWt::cellClick_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("button");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("selectedIndex");
    QTest::addColumn<QString>("firstCellText");

    // December 2026 is shown with the 15th (cell 16) selected.
    QTest::newRow("day of the month") << 20 << int(Qt::LeftButton) << QDate(2026, 12, 19) << 20 << QStringLiteral("29");
    QTest::newRow("right button") << 3 << int(Qt::RightButton) << QDate(2026, 12, 2) << 3 << QStringLiteral("29");
    QTest::newRow("grey day of November")
        << 0 << int(Qt::LeftButton) << QDate(2026, 11, 29) << 28 << QStringLiteral("1");
    QTest::newRow("grey day of January") << 41 << int(Qt::LeftButton) << QDate(2027, 1, 9) << 13
                                         << QStringLiteral("27");
}

void tst_CalendarWt::cellClick()
{
    QFETCH(int, index);
    QFETCH(int, button);
    QFETCH(QDate, day);
    QFETCH(int, selectedIndex);
    QFETCH(QString, firstCellText);

    CalendarMonthWidget grid;
    showFreshMonth(grid, 2026, 12);
    grid.selectDate(QDate(2026, 12, 15));
    QSignalSpy selected(&grid, SIGNAL(signalDaySelected(QDate)));

    QTest::mouseClick(cell(&grid, index), Qt::MouseButton(button));
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.at(0).at(0).toDate(), day);
    QCOMPARE(grid.selectedDate(), day);
    QCOMPARE(cell(&grid, 0)->text(), firstCellText);
    QCOMPARE(cell(&grid, selectedIndex)->styleSheet(), selectedBg + monthText);
    QCOMPARE(cell(&grid, 16)->styleSheet(), normalBg + monthText);

    QTest::mouseClick(cell(&grid, selectedIndex), Qt::LeftButton); // the selected day: nothing happens
    QCOMPARE(selected.count(), 1);
}

void tst_CalendarWt::mouseOnRangeAndSelection()
{
    CalendarMonthWidget grid;
    showFreshMonth(grid, 2026, 12);
    grid.setDateRange(QDate(2026, 12, 1), QDate(2026, 12, 20));
    grid.selectDate(QDate(2026, 12, 15));
    QSignalSpy selected(&grid, SIGNAL(signalDaySelected(QDate)));
    // 30 November, 1 and 20 December, 21 December.
    QCOMPARE(cell(&grid, 1)->styleSheet(), normalBg + outText);
    QCOMPARE(cell(&grid, 2)->styleSheet(), normalBg + monthText);
    QCOMPARE(cell(&grid, 21)->styleSheet(), normalBg + monthText);
    QCOMPARE(cell(&grid, 22)->styleSheet(), normalBg + outText);
    grid.setDateRange(QDate(2026, 12, 25), QDate(2026, 12, 5)); // inverted: ignored
    QCOMPARE(cell(&grid, 21)->styleSheet(), normalBg + monthText);

    hover(cell(&grid, 3), true);
    QCOMPARE(cell(&grid, 3)->styleSheet(), hoverBg + monthText);
    hover(cell(&grid, 3), false);
    QCOMPARE(cell(&grid, 3)->styleSheet(), normalBg + monthText);
    hover(cell(&grid, 16), true); // the selected day keeps its look
    QCOMPARE(cell(&grid, 16)->styleSheet(), selectedBg + monthText);

    // Out of range: 21 December and the grey 2 January neither light up nor take clicks.
    for (int index : { 22, 35 }) {
        hover(cell(&grid, index), true);
        QCOMPARE(cell(&grid, index)->styleSheet(), normalBg + outText);
        QTest::mouseClick(cell(&grid, index), Qt::LeftButton);
    }
    QCOMPARE(selected.count(), 0);
    QCOMPARE(grid.selectedDate(), QDate(2026, 12, 15));

    // A selection the new range leaves out stays selected, drawn out of range; selecting ignores the range.
    grid.setDateRange(QDate(2026, 12, 1), QDate(2026, 12, 10));
    QCOMPARE(grid.selectedDate(), QDate(2026, 12, 15));
    QCOMPARE(cell(&grid, 16)->styleSheet(), normalBg + outText);
    grid.selectDate(QDate(2026, 12, 18));
    QCOMPARE(cell(&grid, 19)->styleSheet(), selectedBg + monthText);
}

void tst_CalendarWt::clickDistance_data()
{
    QTest::addColumn<QDateTime>("init");
    QTest::addColumn<int>("index");
    QTest::addColumn<QDateTime>("value");
    QTest::addColumn<qint64>("msecs");

    // June 2026 starts on Monday, March 2026 on Sunday, October 2026 on Thursday.
    QTest::newRow("next day") << at(2026, 6, 10, 9, 15) << 11 << at(2026, 6, 11, 9, 15) << qint64(86400000);
    QTest::newRow("grey day of May") << at(2026, 6, 10, 23, 59, 59) << 0 << at(2026, 5, 31, 23, 59, 59)
                                     << qint64(-10 * 86400000LL);
    QTest::newRow("into summer time") << at(2026, 3, 28, 12) << 28 << at(2026, 3, 29, 12) << qint64(82800000);
    QTest::newRow("out of summer time") << at(2026, 10, 24, 12) << 28 << at(2026, 10, 25, 12) << qint64(90000000);
}

void tst_CalendarWt::clickDistance()
{
    QFETCH(QDateTime, init);
    QFETCH(int, index);
    QFETCH(QDateTime, value);
    QFETCH(qint64, msecs);

    CalendarWt calendar;
    calendar.setInitDateTime(init);
    QSignalSpy changed(&calendar, SIGNAL(signalDateTimeChanged(QDateTime,qint64)));
    QTest::mouseClick(cell(&calendar, index), Qt::LeftButton);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toDateTime(), value);
    QCOMPARE(changed.at(0).at(1).toLongLong(), msecs);
    QCOMPARE(calendar.getSelectDateTime(), value);
    QCOMPARE(calendar.findChild<CalendarMonthWidget*>()->selectedDate(), value.date());
}

void tst_CalendarWt::navigation_data()
{
    QTest::addColumn<QDateTime>("rangeStart");
    QTest::addColumn<QDateTime>("rangeEnd");
    QTest::addColumn<QDateTime>("init");
    QTest::addColumn<QDate>("gridDay"); // selected in the grid alone, when valid
    QTest::addColumn<QString>("button");
    QTest::addColumn<QDateTime>("value");
    QTest::addColumn<QString>("labels");

    const QDateTime none;
    const QString monthRight = QStringLiteral("btnmonthright");
    QTest::newRow("from the 31st") << none << none << at(2026, 1, 31, 10) << QDate() << monthRight
                                   << at(2026, 2, 28, 10) << QStringLiteral("2026 Feb");
    QTest::newRow("into a new year") << none << none << at(2026, 12, 31, 23) << QDate() << monthRight
                                     << at(2027, 1, 31, 23) << QStringLiteral("2027 Jan");
    QTest::newRow("year back from a leap day")
        << none << none << at(2024, 2, 29, 8) << QDate() << QStringLiteral("btnyearleft") << at(2023, 2, 28, 8)
        << QStringLiteral("2023 Feb");
    QTest::newRow("no day of the target month in range")
        << at(2024, 3, 10) << at(2024, 3, 20, 23, 59, 59) << at(2024, 3, 15, 10) << QDate() << monthRight
        << at(2024, 3, 15, 10) << QStringLiteral("2024 Mar");
    QTest::newRow("year step out of the range")
        << at(2023, 6, 1) << at(2024, 3, 31) << at(2024, 2, 10, 10) << QDate() << QStringLiteral("btnyearleft")
        << at(2024, 2, 10, 10) << QStringLiteral("2024 Feb");
    QTest::newRow("first day of the target month")
        << at(2024, 3, 10) << at(2024, 4, 5, 23, 59, 59) << at(2024, 3, 20, 8, 30) << QDate() << monthRight
        << at(2024, 4, 1, 8, 30) << QStringLiteral("2024 Apr");
    QTest::newRow("last day of the target month")
        << at(2023, 3, 20) << at(2024, 12, 31) << at(2024, 3, 15, 7, 45) << QDate() << QStringLiteral("btnyearleft")
        << at(2023, 3, 31, 7, 45) << QStringLiteral("2023 Mar");
    QTest::newRow("range inside the target month, clamped to its end")
        << at(2024, 5, 10, 9) << at(2024, 5, 20, 18) << at(2024, 5, 15, 20) << QDate(2024, 4, 5) << monthRight
        << at(2024, 5, 20, 18) << QStringLiteral("2024 May");
    QTest::newRow("time clamped to the range start")
        << at(2024, 2, 10, 12) << at(2024, 3, 20) << at(2024, 3, 10, 8, 30) << QDate() << QStringLiteral("btnmonthleft")
        << at(2024, 2, 10, 12) << QStringLiteral("2024 Feb");
}

void tst_CalendarWt::navigation()
{
    QFETCH(QDateTime, rangeStart);
    QFETCH(QDateTime, rangeEnd);
    QFETCH(QDateTime, init);
    QFETCH(QDate, gridDay);
    QFETCH(QString, button);
    QFETCH(QDateTime, value);
    QFETCH(QString, labels);

    CalendarWt calendar;
    calendar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calendar));
    calendar.setRange(rangeStart, rangeEnd);
    calendar.setInitDateTime(init);
    auto* grid = calendar.findChild<CalendarMonthWidget*>();
    if (gridDay.isValid()) {
        grid->showMonth(gridDay.year(), gridDay.month());
        grid->selectDate(gridDay);
    }
    QSignalSpy changed(&calendar, SIGNAL(signalDateTimeChanged(QDateTime,qint64)));

    QTest::mouseClick(calendar.findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(calendar.getSelectDateTime(), value);
    QCOMPARE(grid->selectedDate(), value.date());
    QCOMPARE(text(&calendar, "labyear") + QLatin1Char(' ') + text(&calendar, "labmonth"), labels);
    QCOMPARE(changed.count(), value == init ? 0 : 1);
    if (value != init)
        QCOMPARE(changed.at(0).at(1).toLongLong(), init.msecsTo(value));
}

void tst_CalendarWt::initDateTimeReportsOnlyClamps()
{
    CalendarWt calendar;
    calendar.setRange(at(2026, 5, 1), at(2026, 5, 31, 23, 59, 59));
    QSignalSpy changed(&calendar, SIGNAL(signalDateTimeChanged(QDateTime,qint64)));
    calendar.setInitDateTime(at(2026, 5, 20, 10));
    calendar.setInitDateTime(at(2026, 5, 20, 10));
    calendar.setInitDateTime(QDateTime());
    calendar.setRange(QDateTime(), at(2026, 5, 5));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(calendar.getSelectDateTime(), at(2026, 5, 20, 10));

    calendar.setInitDateTime(at(2026, 6, 15, 10));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toDateTime(), at(2026, 5, 31, 23, 59, 59));
    QCOMPARE(changed.at(0).at(1).toLongLong(), qint64(-1245601000));
    QCOMPARE(text(&calendar, "labmonth"), QStringLiteral("May"));

    // The next change counts from the clamped value (May 2026 starts on Friday: the 30th is cell 34).
    QTest::mouseClick(cell(&calendar, 34), Qt::LeftButton);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).toDateTime(), at(2026, 5, 30, 23, 59, 59));
    QCOMPARE(changed.at(1).at(1).toLongLong(), qint64(-86400000));
}

void tst_CalendarWt::rangeInEitherOrder()
{
    for (bool laterFirst : { false, true }) {
        CalendarWt calendar;
        calendar.setInitDateTime(at(2026, 12, 25, 12));
        laterFirst ? calendar.setRange(at(2026, 12, 20, 18), at(2026, 12, 10, 8))
                   : calendar.setRange(at(2026, 12, 10, 8), at(2026, 12, 20, 18));
        auto* editor = calendar.findChild<QDateTimeEdit*>();
        QCOMPARE(editor->minimumDateTime(), at(2026, 12, 10, 8));
        QCOMPARE(editor->maximumDateTime(), at(2026, 12, 20, 18));
        QCOMPARE(cell(&calendar, 10)->styleSheet(), normalBg + outText);
        QCOMPARE(cell(&calendar, 21)->styleSheet(), selectedBg + monthText);
    }
}

void tst_CalendarWt::translations_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("weekdays");
    QTest::addColumn<QString>("months");

    QTest::newRow("zh_CN") << int(ZCORVANEDLL::ClientLanguageZhCN) << QStringLiteral("日一二三四五六")
                           << QStringLiteral("1月6月12月");
    QTest::newRow("zh_HK") << int(ZCORVANEDLL::ClientLanguageZhHK) << QStringLiteral("日一二三四五六")
                           << QStringLiteral("1月6月12月");
    QTest::newRow("en_US") << int(ZCORVANEDLL::ClientLanguageEnUS) << QStringLiteral("SunMonTueWedThuFriSat")
                           << QStringLiteral("JanJuneDec");
}

void tst_CalendarWt::translations()
{
    QFETCH(int, language);
    QFETCH(QString, weekdays);
    QFETCH(QString, months);

    ZcbTest::installCatalogue(ZCORVANEDLL::ClientLanguage(language));
    CalendarWt calendar;
    QString shown;
    for (const char* name :
        { "labweekSun", "labweekMon", "labweekTues", "labweekWed", "labweekThur", "labweekFri", "labweekSat" })
        shown += text(&calendar, name);
    QCOMPARE(shown, weekdays);
    shown.clear();
    for (int month : { 1, 6, 12 }) {
        calendar.setInitDateTime(at(2026, month, 10));
        shown += text(&calendar, "labmonth");
    }
    QCOMPARE(shown, months);
    ZcbTest::installCatalogue(ZCORVANEDLL::ClientLanguageEnUS);
}

void tst_CalendarWt::editorFormat()
{
    ZcbTest::installFakeWorker()->dateFormat = QStringLiteral("dd/MM/yyyy");
    CalendarWt calendar;
    calendar.setInitDateTime(at(2026, 6, 10, 9, 15, 30));
    auto* editor = calendar.findChild<QDateTimeEdit*>();
    QCOMPARE(editor->text(), QStringLiteral("10/06/2026 09:15:30"));
    calendar.setUsingTime(false);
    QCOMPARE(editor->text(), QStringLiteral("10/06/2026"));
    ZcbTest::removeWorker(); // without a host: the library's own format
    calendar.setUsingTime(true);
    QCOMPARE(editor->displayFormat(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    ZcbTest::installFakeWorker();
}

QTEST_MAIN(tst_CalendarWt)
#include "tst_calendarwt.moc"
