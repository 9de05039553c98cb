// The date and time pickers. CalendarWt and its day grid: day clicks and year and month steps with their distances
// across daylight-saving changes, the grid's looks, the range and its clamps, day marks and today's ring.
// DatetimeSpanSelWt: the span rules on the host's settings and on the user's steps, presets, one report per
// event-loop pass. TimeSpaceLineEt: the text of the pair, the clicks that ask for the picker, the icon's hover look.
// All three follow a language switch.

#include "datetime/calendarwt.h"
#include "datetime/datetimespanselwt.h"
#include "datetime/timespacelineet.h"
#include "datetimemodel.h"
#include "zcbtest.h"

#include <QAction>
#include <QDateTimeEdit>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace ZCORVANEBASE;
using ZcbTest::at;

// The range, the value shown, the button or day cell ("label_1" to "label_42") clicked, the value afterwards and the
// cell of the 1st of the month shown then (weeks start on Sunday).
using Click = std::tuple<QDateTime, QDateTime, QDateTime, QString, QDateTime, int>;
// The minimum and maximum span set first (negative: not set), the pair given, and the state shown then.
using Init = std::tuple<qint64, qint64, QDateTime, QDateTime, QVariantList>;
// The pair given, the section of the start stepped with a key, and the pair shown then.
using Move = std::tuple<QDateTime, QDateTime, QDateTimeEdit::Section, Qt::Key, QDateTime, QDateTime>;
// Whether the text shows the year and the time, the pair, and the text.
using Text = std::tuple<bool, bool, QDateTime, QDateTime, QString>;
Q_DECLARE_METATYPE(Click)
Q_DECLARE_METATYPE(Init)
Q_DECLARE_METATYPE(Move)
Q_DECLARE_METATYPE(Text)

namespace {
// The day grid's cells count from 0; their labels are named from 1.
QLabel* cell(const QWidget* calendar, int index)
{
    return calendar->findChild<QLabel*>(QStringLiteral("label_%1").arg(index + 1));
}

QString text(const QWidget* widget, const char* name)
{
    return widget->findChild<QLabel*>(name)->text();
}

// The day grid, one letter a cell: '.' a day of the month, 'g' a grey day of a neighbour month, 'x' out of range,
// 'h' hovered, 's' selected.
QString looks(const QWidget* calendar)
{
    const QString font = QStringLiteral("font-size:12px;font-family:microsoft yahei;");
    const QString normal = "background: #1e293d;" + font, month = QStringLiteral("color:#ebf3fa;");
    const QMap<QString, QChar> letters { { normal + month, '.' }, { normal + "color:#6c7586;", 'g' },
        { normal + "color:#3c4658", 'x' }, { normal + "border:1px solid #555c73;" + month, 'h' },
        { "background: #0f8bfd;" + font + month, 's' } };
    QString result;
    for (int i = 0; i < 42; ++i)
        result += letters.value(cell(calendar, i)->styleSheet(), QLatin1Char('?'));
    return result;
}

// The calendar drawn at a device pixel ratio.
QImage render(QWidget* widget, int scale)
{
    QImage image(widget->size() * scale, QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::black);
    widget->render(&image);
    return image;
}

// The bounding box of the pixels of `color` in `area`.
QRect barOf(const QImage& image, const QRect& area, const QColor& color)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == color)
                box |= QRect(x, y, 1, 1);
    return box;
}

// The mark of each cell, one letter a cell: 'g' a recording bar, 'r' an alarm bar, '.' none.
QString marks(QWidget* calendar, int scale)
{
    const QImage image = render(calendar, scale);
    QString result;
    for (int i = 0; i < 42; ++i) {
        const QRect area(cell(calendar, i)->mapTo(calendar, QPoint()) * scale, cell(calendar, i)->size() * scale);
        result += !barOf(image, area, QColor("#00cf8b")).isNull() ? 'g'
            : !barOf(image, area, QColor("#dc4d4d")).isNull()     ? 'r'
                                                                  : '.';
    }
    return result;
}

// A span selector's start calendar, then its end calendar.
CalendarWt* spanCalendar(QWidget& s, bool end)
{
    return s.findChildren<CalendarWt*>().value(end);
}
QDateTimeEdit* editor(QWidget& s, bool end)
{
    return spanCalendar(s, end)->findChild<QDateTimeEdit*>();
}
// The pair shown, and the end calendar's limits as seconds after the start.
QVariantList state(QWidget& s)
{
    const QDateTime start = spanCalendar(s, false)->getSelectDateTime();
    const QDateTimeEdit* end = editor(s, true);
    return { start, end->dateTime(), start.secsTo(end->minimumDateTime()), start.secsTo(end->maximumDateTime()) };
}
} // namespace

class tst_Datetime : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ZcbTest::installFakeWorker();
        // The daylight-saving rows rely on the zone the test runs in.
        QCOMPARE(at(2026, 3, 28, 12).msecsTo(at(2026, 3, 29, 12)), qint64(23 * 3600 * 1000));
    }

    void click_data()
    {
        QTest::addColumn<Click>("row");
        // Without a range unless one is given.
        const auto row = [](const char* tag, const QDateTime& init, const char* clicked, const QDateTime& value,
                             int firstCell, const QDateTime& from = {}, const QDateTime& to = {}) {
            QTest::newRow(tag) << Click { from, to, init, clicked, value, firstCell };
        };
        row("grey day of May", at(2026, 6, 10, 23, 59, 59), "label_1", at(2026, 5, 31, 23, 59, 59), 5);
        row("grey day of January", at(2026, 12, 15), "label_42", at(2027, 1, 9), 5);
        row("leap day", at(2024, 2, 10), "label_33", at(2024, 2, 29), 4);
        row("August starts on Saturday", at(2026, 8, 1), "label_37", at(2026, 8, 31), 6);
        row("into summer time", at(2026, 3, 28, 12), "label_29", at(2026, 3, 29, 12), 0);
        row("out of summer time", at(2026, 10, 24, 12), "label_29", at(2026, 10, 25, 12), 4);
        row("month from the 31st", at(2026, 1, 31, 10), "btnmonthright", at(2026, 2, 28, 10), 0);
        row("month into a new year", at(2026, 12, 31, 23), "btnmonthright", at(2027, 1, 31, 23), 5);
        row("year back from a leap day", at(2024, 2, 29, 8), "btnyearleft", at(2023, 2, 28, 8), 3);
        row("no day of the target month in range", at(2024, 3, 15, 10), "btnmonthright", at(2024, 3, 15, 10), 5,
            at(2024, 3, 10), at(2024, 3, 20, 23, 59, 59));
        row("first day of the target month", at(2024, 3, 20, 8, 30), "btnmonthright", at(2024, 4, 1, 8, 30), 1,
            at(2024, 3, 10), at(2024, 4, 5, 23, 59, 59));
        row("last day of the target month", at(2024, 3, 15, 7, 45), "btnyearleft", at(2023, 3, 31, 7, 45), 3,
            at(2023, 3, 20), at(2024, 12, 31));
        row("time clamped to the range start", at(2024, 3, 10, 8, 30), "btnmonthleft", at(2024, 2, 10, 12), 4,
            at(2024, 2, 10, 12), at(2024, 3, 20));
    }
    void click()
    {
        QFETCH(Click, row);
        const auto [rangeStart, rangeEnd, init, clicked, value, firstCell] = row;
        CalendarWt calendar;
        ReliabilityModel::CalendarWatch watch(calendar);
        watch.setRange(rangeStart, rangeEnd);
        watch.setInitDateTime(init);
        QSignalSpy dayClicked(&calendar, SIGNAL(signalDayClicked(QDate)));
        QTest::mouseClick(calendar.findChild<QWidget*>(clicked), Qt::LeftButton);
        QCOMPARE(dayClicked,
            clicked.startsWith("label") ? QList<QVariantList>({ { value.date() } }) : QList<QVariantList>());
        QCOMPARE(calendar.getSelectDateTime(), value);
        QCOMPARE(watch.divergence(), QString()); // the distance is real time: a day into summer time is 23 hours
        const QStringList months = QString("Jan Feb Mar Apr May June Jul Aug Sep Oct Nov Dec").split(' ');
        QCOMPARE(text(&calendar, "labyear") + text(&calendar, "labmonth"),
            value.toString("yyyy") + months.at(value.date().month() - 1));
        const QDate first(value.date().year(), value.date().month(), 1);
        QString expected;
        for (int i = 0; i < 42; ++i) {
            const QDate day = first.addDays(i - firstCell);
            QCOMPARE(cell(&calendar, i)->text(), QString::number(day.day()));
            const bool inRange = !rangeStart.isValid() || (rangeStart.date() <= day && day <= rangeEnd.date());
            expected += day == value.date() ? 's' : !inRange ? 'x' : day.month() == first.month() ? '.' : 'g';
        }
        QCOMPARE(looks(&calendar), expected);
    }

    void rangeAndClamp()
    {
        CalendarWt calendar;
        calendar.setInitDateTime(at(2026, 5, 20, 10));
        QSignalSpy changed(&calendar, SIGNAL(signalDateTimeChanged(QDateTime,qint64)));
        calendar.setRange(at(2026, 5, 31, 23, 59, 59), at(2026, 5, 8)); // either order
        calendar.setInitDateTime(QDateTime());
        calendar.setRange(QDateTime(), at(2026, 5, 5));
        // 26 April to 6 June: 8 to 31 May in range, the 20th selected.
        const QString shown = QStringLiteral("xxxxxxxxxxxx............s...........xxxxxx");
        QCOMPARE(looks(&calendar), shown);
        ZcbTest::sendEvent(cell(&calendar, 13), QEvent::Enter);
        QCOMPARE(looks(&calendar).at(13), QLatin1Char('h'));
        ZcbTest::sendEvent(cell(&calendar, 13), QEvent::Leave);
        // The selected day, 7 May and the grey 1 June neither light up nor take clicks.
        for (int index : { 24, 11, 36 }) {
            ZcbTest::sendEvent(cell(&calendar, index), QEvent::Enter);
            QTest::mouseClick(cell(&calendar, index), Qt::LeftButton);
        }
        QCOMPARE(looks(&calendar), shown);
        QCOMPARE(changed.count(), 0);
        // A value the range clamps is reported, counted from the value given; the next change from the clamped one.
        calendar.setInitDateTime(at(2026, 6, 15, 10));
        QCOMPARE(text(&calendar, "labmonth"), QStringLiteral("May"));
        calendar.setInitDateTime(at(2026, 6, 15, 10)); // clamped to the value the editor already holds
        QTest::mouseClick(cell(&calendar, 34), Qt::LeftButton);
        const QVariantList clamp { at(2026, 5, 31, 23, 59, 59), qint64(-1245601000) };
        QCOMPARE(changed, QList<QVariantList>({ clamp, clamp, { at(2026, 5, 30, 23, 59, 59), qint64(-86400000) } }));
    }

    // A receiver may set another value from the report (a host refusing a day): the calendar keeps it, and counts
    // the next change from it (a host's own value is not reported back).
    void receiverSetsAnotherValue()
    {
        CalendarWt calendar;
        calendar.setInitDateTime(at(2026, 6, 10, 10));
        QSignalSpy changed(&calendar, SIGNAL(signalDateTimeChanged(QDateTime,qint64)));
        QObject::connect(&calendar, &CalendarWt::signalDateTimeChanged, &calendar, [&calendar](const QDateTime& dt) {
            if (dt.date().day() == 20)
                calendar.setInitDateTime(at(2026, 6, 12, 10));
        });
        QTest::mouseClick(cell(&calendar, 20), Qt::LeftButton); // June 2026 starts on a Monday: the 20th is cell 20
        QTest::mouseClick(cell(&calendar, 13), Qt::LeftButton);
        const qint64 day = 86400000;
        QCOMPARE(changed, QList<QVariantList>({ { at(2026, 6, 20, 10), 10 * day }, { at(2026, 6, 13, 10), day } }));
    }

    // Marks by date, drawn as bars in the grid at 1x and 2x, kept across months; with none the grid is untouched.
    void dayMarks_data()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("1x") << 1;
        QTest::newRow("2x") << 2;
    }
    void dayMarks()
    {
        QFETCH(int, scale);
        CalendarWt calendar, plain;
        for (CalendarWt* c : { &calendar, &plain }) {
            c->setInitDateTime(at(2026, 6, 10, 10));
            c->show();
            QVERIFY(QTest::qWaitForWindowExposed(c));
        }
        // No blinking cursor in one of the pictures: a window manager activates the last window shown (later than
        // its exposure), and its focus goes. On a real screen the pointer may rest on a cell: it goes too.
        QVERIFY(QTest::qWaitForWindowActive(&plain));
        if (QWidget* focused = QApplication::focusWidget())
            focused->clearFocus();
        ZcbTest::parkPointer();
        QSignalSpy changed(&calendar, SIGNAL(signalDateTimeChanged(QDateTime,qint64)));
        // Marks off screen, cleared marks and a ring switched off again leave the pixels as they were.
        calendar.setDayMarks({ { QDate(2026, 9, 1), CalendarWt::DayMarkAlarmRecording } });
        calendar.setTodayMarked(true);
        calendar.setTodayMarked(false);
        QCOMPARE(render(&calendar, scale), render(&plain, scale));
        // June 2026 starts on a Monday: the 3rd is cell 3, 1 July cell 31. Both kinds show red; 4 is no kind.
        calendar.setDayMarks({ { QDate(2026, 6, 3), CalendarWt::DayMarkRecording },
            { QDate(2026, 6, 4), CalendarWt::DayMarkAlarmRecording }, { QDate(2026, 6, 5), 3 },
            { QDate(2026, 6, 6), 4 }, { QDate(2026, 7, 1), CalendarWt::DayMarkRecording }, { QDate(), 1 } });
        const QString june = QStringLiteral("...grr.........................g..........");
        QCOMPARE(marks(&calendar, scale), june);
        // The bar: 12 x 2 pixels, centred under the number; the selected day keeps its background.
        const QLabel* third = cell(&calendar, 3);
        const QImage image = render(&calendar, scale);
        const QRect bar
            = barOf(image, QRect(third->mapTo(&calendar, QPoint()) * scale, third->size() * scale), QColor("#00cf8b"));
        QCOMPARE(bar.size(), QSize(12, 2) * scale);
        QCOMPARE(bar.left(), (third->mapTo(&calendar, QPoint()).x() + (third->width() - 12) / 2) * scale);
        QCOMPARE(QColor(image.pixel(cell(&calendar, 10)->mapTo(&calendar, QPoint(2, 2)) * scale)), QColor("#0f8bfd"));
        // To July and back: 1 July is marked in both grids.
        QTest::mouseClick(calendar.findChild<QWidget*>("btnmonthright"), Qt::LeftButton);
        QCOMPARE(marks(&calendar, scale), QStringLiteral("...g......................................"));
        QTest::mouseClick(calendar.findChild<QWidget*>("btnmonthleft"), Qt::LeftButton);
        QCOMPARE(marks(&calendar, scale), june);
        QCOMPARE(cell(&calendar, 4)->accessibleDescription(), QStringLiteral("Alarm recordings"));
        QCOMPARE(changed.count(), 2); // the two steps only
        calendar.setDayMarks({});
        QCOMPARE(render(&calendar, scale), render(&plain, scale));
    }

    // Today's ring: in the accent colour, or light on the selected day.
    void todayRing()
    {
        const QDate today = QDate::currentDate();
        CalendarWt calendar;
        calendar.setInitDateTime(QDateTime(today.day() == 1 ? today.addDays(1) : today.addDays(-1), QTime(12, 0)));
        calendar.setTodayMarked(true);
        calendar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&calendar));
        const auto ringAt = [&calendar](const QColor& color) {
            const QImage image = render(&calendar, 1);
            const QLabel* label = cell(&calendar, 0);
            for (int i = 0; i < 42; ++i)
                if (cell(&calendar, i)->accessibleDescription() == QStringLiteral("Today"))
                    label = cell(&calendar, i);
            const QPoint top = label->mapTo(&calendar, QPoint(label->width() / 2, 0));
            for (int y = 0; y < label->height() / 2 - 8; ++y) { // above the number: the ring's top, antialiased
                const QColor pixel = image.pixelColor(top + QPoint(0, y));
                if (qAbs(pixel.red() - color.red()) + qAbs(pixel.green() - color.green())
                        + qAbs(pixel.blue() - color.blue())
                    < 90)
                    return true;
            }
            return false;
        };
        QVERIFY(ringAt(QColor("#0f8bfd")));
        calendar.setInitDateTime(QDateTime(today, QTime(12, 0)));
        QVERIFY(ringAt(QColor("#ebf3fa")));
        calendar.setTodayMarked(false);
        QVERIFY(!ringAt(QColor("#ebf3fa")));
    }

    // A language switch with the pickers open: names of days and months, titles, presets, the span's text and the
    // accessible names follow; the values, the editors' format and a title set by the host stay, nothing is reported.
    void languageSwitch()
    {
        CalendarWt calendar;
        calendar.setTitle(QStringLiteral("Recording date"));
        calendar.setInitDateTime(at(2026, 6, 10, 9, 15, 30));
        calendar.setDayMarks({ { QDate(2026, 6, 3), CalendarWt::DayMarkRecording } });
        DatetimeSpanSelWt selector;
        selector.setPresetsVisible(true);
        TimeSpaceLineEt edit;
        edit.setDateTimeSpace(at(2024, 3, 5), at(2024, 3, 5, 23, 59, 59));
        QSignalSpy changed(&calendar, SIGNAL(signalDateTimeChanged(QDateTime,qint64)));
        QSignalSpy spanChanged(&selector, SIGNAL(signalDatetimeSpanSelChanged(QDateTime,QDateTime)));
        const auto texts = [&] {
            QStringList result;
            for (const char* name : { "title", "labweekSun", "labweekThur", "labyear", "labmonth" })
                result << text(&calendar, name);
            for (const char* name : { "btnyearleft", "btnmonthright", "dateTimeEdit" })
                result << calendar.findChild<QWidget*>(name)->accessibleName();
            result << cell(&calendar, 3)->accessibleDescription() << calendar.findChild<QDateTimeEdit*>()->text()
                   << text(spanCalendar(selector, false), "title") << text(spanCalendar(selector, true), "title");
            for (const char* name : { "presetToday", "presetYesterday", "presetLast24Hours", "presetLast7Days" })
                result << selector.findChild<QPushButton*>(name)->text();
            return result << edit.text() << edit.accessibleName() << edit.actions().value(0)->text();
        };
        ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageZhCN);
        const QStringList zhCN = texts();
        ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageZhHK);
        const QStringList zhHK = texts();
        ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageEnUS);
        QCOMPARE(zhCN,
            QStringList({ "Recording date", "日", "四", "2026", "6月", "上一年", "下个月", "日期和时间", "录像",
                "2026-06-10 09:15:30", "开始", "结束", "今天", "昨天", "最近24小时", "最近7天",
                "03-05 00:00 至 03-05 23:59", "时间段", "选择时间段" }));
        QCOMPARE(zhHK.mid(6, 1) + zhHK.mid(10, 6),
            QStringList({ "下個月", "開始", "結束", "今天", "昨天", "最近24小時", "最近7天" }));
        QCOMPARE(texts(),
            QStringList({ "Recording date", "Sun", "Thu", "2026", "June", "Previous year", "Next month",
                "Date and time", "Recordings", "2026-06-10 09:15:30", "Start", "End", "Today", "Yesterday",
                "Last 24 hours", "Last 7 days", "03-05 00:00 To 03-05 23:59", "Time span", "Choose time span" }));
        QCoreApplication::processEvents();
        QCOMPARE(changed.count() + spanChanged.count(), 0);
    }

    void dayPairAndDateOnly()
    {
        DatetimeSpanSelWt selector;
        selector.setInitDateTime(qMakePair(QDate(2026, 7, 1), QDate(2026, 7, 1)));
        QCOMPARE(state(selector), QVariantList({ at(2026, 7, 1), at(2026, 7, 1, 23, 59, 59), 300, 86399 }));
        DatetimeSpanSelWt dateOnly(nullptr, false);
        QCOMPARE(editor(dateOnly, false)->text() + ' ' + editor(dateOnly, true)->text(),
            QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd yyyy-MM-dd")));
    }

    // Negative limits are ignored; a maximum below the minimum swaps in, a minimum above the maximum is both.
    void setInitDateTime_data()
    {
        QTest::addColumn<Init>("row");
        // The end's limits are 300 s and 86399 s after the start unless the limits are set.
        const auto row
            = [](const char* tag, const QDateTime& start, const QDateTime& end, const QDateTime& shownStart,
                  const QDateTime& shownEnd, qint64 min = -1, qint64 max = -1, qint64 lo = 300, qint64 hi = 86399) {
                  QTest::newRow(tag) << Init { min, max, start, end, { shownStart, shownEnd, lo, hi } };
              };
        const QDateTime ten = at(2026, 6, 10, 10), end = at(2026, 6, 10, 18);
        row("below the minimum", ten, at(2026, 6, 10, 10, 2), ten, at(2026, 6, 10, 10, 5));
        row("reversed", end, ten, ten, end);
        row("a day years away", at(2019, 1, 15, 8), at(2019, 1, 15, 20), at(2019, 1, 15, 8), at(2019, 1, 15, 20));
        row("23-hour day", at(2026, 3, 28, 12), at(2026, 3, 29, 12), at(2026, 3, 28, 12), at(2026, 3, 29, 12));
        row("25-hour day", at(2026, 10, 24, 12), at(2026, 10, 25, 12), at(2026, 10, 24, 12),
            at(2026, 10, 25, 10, 59, 59));
        row("invalid start", QDateTime(), ten, at(2026, 6, 12, 12), at(2026, 6, 12, 12, 10));
        row("maximum", ten, at(2026, 6, 12), ten, at(2026, 6, 10, 11), -1, 3600, 300, 3600);
        row("maximum below the minimum", ten, at(2026, 6, 10, 10, 3, 20), ten, at(2026, 6, 10, 10, 3, 20), -1, 100, 100,
            300);
        row("minimum", ten, ten, ten, at(2026, 6, 10, 10, 1), 60, -1, 60);
        row("minimum above the maximum", ten, ten, ten, at(2026, 6, 11, 11), 90000, -1, 90000, 90000);
    }
    void setInitDateTime()
    {
        QFETCH(Init, row);
        const auto [minSpan, maxSpan, start, end, shown] = row;
        DatetimeSpanSelWt selector;
        selector.setInitDateTime(at(2026, 6, 12, 12), at(2026, 6, 12, 12, 10));
        QSignalSpy changed(&selector, SIGNAL(signalDatetimeSpanSelChanged(QDateTime,QDateTime)));
        selector.setMinSpanSecs(minSpan);
        selector.setMaxSpanSecs(maxSpan);
        selector.setInitDateTime(start, end);
        QCoreApplication::processEvents();
        QCOMPARE(state(selector), shown);
        QCOMPARE(changed.count(), 0); // the host's own setting is not reported back
    }

    // Each preset goes through setInitDateTime, so the maximum span cuts it, and is reported once as the user's choice.
    // Hiding the row again gives the popup of before, pixel for pixel.
    void presets_data()
    {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<qint64>("maxSpan");
        QTest::addColumn<QDateTime>("start"); // invalid: the last 24 hours up to now
        QTest::addColumn<QDateTime>("end");
        const QDateTime midnight(QDate::currentDate(), QTime(0, 0)),
            lastSecond(QDate::currentDate(), QTime(23, 59, 59));
        QTest::newRow("today") << "presetToday" << qint64(86399) << midnight << lastSecond;
        QTest::newRow("yesterday") << "presetYesterday" << qint64(86399) << midnight.addDays(-1)
                                   << lastSecond.addDays(-1);
        QTest::newRow("7 days, cut") << "presetLast7Days" << qint64(86399) << midnight.addDays(-6)
                                     << lastSecond.addDays(-6);
        QTest::newRow("7 days") << "presetLast7Days" << qint64(7 * 86400) << midnight.addDays(-6) << lastSecond;
        QTest::newRow("24 hours") << "presetLast24Hours" << qint64(86400) << QDateTime() << QDateTime();
    }
    void presets()
    {
        QFETCH(QString, preset);
        QFETCH(qint64, maxSpan);
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, end);
        DatetimeSpanSelWt selector, plain;
        QVERIFY(!selector.presetsVisible() && !selector.findChild<QWidget*>("presetBar"));
        selector.setMaxSpanSecs(maxSpan);
        selector.setPresetsVisible(true);
        selector.show();
        QVERIFY(QTest::qWaitForWindowExposed(&selector));
        QSignalSpy changed(&selector, SIGNAL(signalDatetimeSpanSelChanged(QDateTime,QDateTime)));
        QTest::mouseClick(selector.findChild<QPushButton*>(preset), Qt::LeftButton);
        QCOMPARE(changed.count(), 0);
        QCoreApplication::processEvents();
        const QVariantList shown = state(selector).mid(0, 2);
        QCOMPARE(changed, QList<QVariantList>({ shown }));
        if (start.isValid()) {
            QCOMPARE(shown, QVariantList({ start, end }));
        } else {
            QCOMPARE(shown.at(0).toDateTime().secsTo(shown.at(1).toDateTime()), qint64(86400));
            QVERIFY(qAbs(shown.at(1).toDateTime().secsTo(QDateTime::currentDateTime())) <= 2);
        }
        selector.setPresetsVisible(false);
        plain.setMaxSpanSecs(maxSpan);
        plain.setInitDateTime(shown.at(0).toDateTime(), shown.at(1).toDateTime());
        plain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plain));
        QCOMPARE(selector.grab().toImage(), plain.grab().toImage());
    }

    void startMoves_data()
    {
        QTest::addColumn<Move>("row");
        const auto hour = QDateTimeEdit::HourSection;
        QTest::newRow("forward, end dragged along") << Move { at(2026, 6, 10, 10), at(2026, 6, 10, 10, 10), hour,
            Qt::Key_Up, at(2026, 6, 10, 11), at(2026, 6, 10, 11, 10) };
        QTest::newRow("back, end at the maximum dragged along") << Move { at(2026, 6, 10, 10),
            at(2026, 6, 11, 9, 59, 59), hour, Qt::Key_Down, at(2026, 6, 10, 9), at(2026, 6, 11, 8, 59, 59) };
        QTest::newRow("end still inside the window") << Move { at(2026, 6, 10, 10), at(2026, 6, 10, 12, 30),
            QDateTimeEdit::MinuteSection, Qt::Key_Up, at(2026, 6, 10, 10, 1), at(2026, 6, 10, 12, 30) };
        // 23 hours later by the clock; the end, now before the window, moves as far and lands inside it.
        QTest::newRow("next day, into summer time") << Move { at(2026, 3, 28, 12), at(2026, 3, 29, 11, 30),
            QDateTimeEdit::DaySection, Qt::Key_Up, at(2026, 3, 29, 12), at(2026, 3, 30, 10, 30) };
    }
    void startMoves()
    {
        QFETCH(Move, row);
        const auto [start, end, section, key, movedStart, movedEnd] = row;
        DatetimeSpanSelWt selector;
        selector.setInitDateTime(start, end);
        QSignalSpy changed(&selector, SIGNAL(signalDatetimeSpanSelChanged(QDateTime,QDateTime)));
        editor(selector, false)->setCurrentSection(section);
        QTest::keyClick(editor(selector, false), key);
        QCOMPARE(state(selector), QVariantList({ movedStart, movedEnd, 300, 86399 }));
        QCOMPARE(changed.count(), 0); // reported from the event loop, once, with the final pair
        editor(selector, true)->setCurrentSection(QDateTimeEdit::MinuteSection);
        QTest::keyClick(editor(selector, true), Qt::Key_Down);
        QCoreApplication::processEvents();
        QCOMPARE(changed, QList<QVariantList>({ { movedStart, movedEnd.addSecs(-60) } }));
    }

    void spanText_data()
    {
        QTest::addColumn<Text>("row");
        const QDateTime start = at(2024, 3, 5), end = at(2024, 3, 5, 23, 59, 59);
        QTest::newRow("time") << Text { false, true, start, end, "03-05 00:00 To 03-05 23:59" };
        QTest::newRow("year") << Text { true, false, start, end, "2024-03-05  To 2024-03-05 " };
        QTest::newRow("neither") << Text { false, false, start, end, "03-05  To 03-05 " };
        QTest::newRow("seconds cut") << Text { false, true, at(2026, 12, 31, 8, 30, 59), at(2027, 1, 1, 9, 5, 1),
            "12-31 08:30 To 01-01 09:05" };
        QTest::newRow("reversed pair shown reversed")
            << Text { true, true, at(2024, 3, 6, 8, 30), at(2024, 3, 5, 7), "2024-03-06 08:30 To 2024-03-05 07:00" };
    }
    void spanText()
    {
        QFETCH(Text, row);
        const auto [useYear, useTime, start, end, text] = row;
        TimeSpaceLineEt edit;
        edit.setDateTimeSpace(start, end);
        if (useYear) // only the settings that change the text, so that each one must redraw it
            edit.setUsingYearInTimeSpaceDescription(true);
        if (!useTime)
            edit.setUsingTimeInTimeSpaceDescription(false);
        QCOMPARE(edit.text(), text);
        // The text is only a display: typing and invalid date-times leave the pair as set.
        edit.setDateTimeSpace(QDateTime(), at(2026, 3, 30));
        QTest::keyClicks(&edit, QStringLiteral("2025"));
        QCOMPARE(edit.text(), text + QStringLiteral("2025"));
        QCOMPARE(edit.getDateTimeSpace(), qMakePair(start, end));
    }

    // A click on the span's text with either button, or on the icon at the right end, asks for the picker. The icon
    // shows the host's hover image while the mouse is over the edit, and after it as long as the edit has the focus.
    void spanEditMouse()
    {
        const QImage normal = QIcon(":/images/images/ico_calendar_n.png").pixmap(16, 16).toImage();
        const QImage hover = QIcon(":/images/images/ico_calendar_h.png").pixmap(16, 16).toImage();
        QVERIFY(!normal.isNull() && normal != hover);
        TimeSpaceLineEt edit;
        const auto shown = [&edit] { return edit.actions().value(0)->icon().pixmap(16, 16).toImage(); };
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));
        QSignalSpy clicked(&edit, SIGNAL(signalClicked()));
        QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(&edit, Qt::RightButton, {}, QPoint(5, 5));
        auto* icon = edit.findChild<QToolButton*>();
        QVERIFY(icon->isVisible() && icon->geometry().left() > edit.width() / 2);
        QTest::mouseClick(icon, Qt::LeftButton);
        QCOMPARE(clicked.count(), 3);
        edit.clearFocus();
        QCOMPARE(shown(), normal);
        ZcbTest::sendEvent(&edit, QEvent::Enter);
        QCOMPARE(shown(), hover);
        ZcbTest::sendEvent(&edit, QEvent::Leave);
        QCOMPARE(shown(), normal);
        edit.setFocus();
        ZcbTest::sendEvent(&edit, QEvent::Enter);
        ZcbTest::sendEvent(&edit, QEvent::Leave);
        QCOMPARE(shown(), hover);
        edit.clearFocus();
        QCOMPARE(shown(), normal);
    }
};

QTEST_MAIN(tst_Datetime)
#include "tst_datetime.moc"
