// CalendarWt and its day grid: day clicks and year and month steps with their distances across daylight-saving
// changes, the grid's layout and looks, the range and its clamps, and the host's date format.

#include "datetimetest.h"

#include <QPushButton>

// The range, the value shown, the button or day cell ("label_1" to "label_42") clicked, the value afterwards and the
// cell of the 1st of the month shown then (weeks start on Sunday).
using Click = std::tuple<QDateTime, QDateTime, QDateTime, QString, QDateTime, int>;
Q_DECLARE_METATYPE(Click)

class tst_CalendarWt : public QObject
{
    Q_OBJECT

    static QString text(QWidget* widget, const QString& name) { return widget->findChild<QLabel*>(name)->text(); }

    // The calendar drawn at a device pixel ratio.
    static QImage render(QWidget* widget, int scale)
    {
        QImage image(widget->size() * scale, QImage::Format_ARGB32);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::black);
        widget->render(&image);
        return image;
    }
    // The mark of each cell, one letter a cell: 'g' a recording bar, 'r' an alarm bar, '.' none.
    static QString marks(QWidget* calendar, int scale)
    {
        const QImage image = render(calendar, scale);
        QString result;
        for (int i = 0; i < 42; ++i) {
            const QLabel* label = cell(calendar, i);
            const QRect area(label->mapTo(calendar, QPoint()) * scale, label->size() * scale);
            const QRect green = barOf(image, area, QColor("#00cf8b")), red = barOf(image, area, QColor("#dc4d4d"));
            result += !green.isNull() ? 'g' : !red.isNull() ? 'r' : '.';
        }
        return result;
    }
    // The bounding box of the pixels of `color` in `area`.
    static QRect barOf(const QImage& image, const QRect& area, const QColor& color)
    {
        QRect box;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixelColor(x, y) == color)
                    box |= QRect(x, y, 1, 1);
        return box;
    }

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
        calendar.setRange(rangeStart, rangeEnd);
        calendar.setInitDateTime(init);
        QSignalSpy changed(&calendar, SIGNAL(signalDateTimeChanged(QDateTime,qint64)));
        QSignalSpy dayClicked(&calendar, SIGNAL(signalDayClicked(QDate)));
        QTest::mouseClick(calendar.findChild<QWidget*>(clicked), Qt::LeftButton);
        QCOMPARE(dayClicked,
            clicked.startsWith("label") ? QList<QVariantList>({ { value.date() } }) : QList<QVariantList>());
        QCOMPARE(calendar.getSelectDateTime(), value);
        // The distance is real time: a day into summer time is 23 hours.
        QCOMPARE(
            changed, value == init ? QList<QVariantList>() : QList<QVariantList>({ { value, init.msecsTo(value) } }));
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
        send(cell(&calendar, 13), QEvent::Enter);
        QCOMPARE(looks(&calendar).at(13), QLatin1Char('h'));
        send(cell(&calendar, 13), QEvent::Leave);
        // The selected day, 7 May and the grey 1 June neither light up nor take clicks.
        for (int index : { 24, 11, 36 }) {
            send(cell(&calendar, index), QEvent::Enter);
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
        const QLabel* tenth = cell(&calendar, 10);
        QCOMPARE(QColor(image.pixel((tenth->mapTo(&calendar, QPoint(2, 2)) * scale))), QColor("#0f8bfd"));
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
            const QLabel* label = calendar.findChildren<QLabel*>(QRegularExpression("label_\\d+")).value(0);
            for (QLabel* candidate : calendar.findChildren<QLabel*>(QRegularExpression("label_\\d+")))
                if (candidate->accessibleDescription() == QStringLiteral("Today"))
                    label = candidate;
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

    // A language switch with the calendar open: names of days and months and the accessible names follow; the
    // value, the editor's format and the title stay, and nothing is reported.
    void languageSwitch()
    {
        CalendarWt calendar;
        calendar.setTitle(QStringLiteral("Recording date"));
        calendar.setInitDateTime(at(2026, 6, 10, 9, 15, 30));
        calendar.setDayMarks({ { QDate(2026, 6, 3), CalendarWt::DayMarkRecording } });
        QSignalSpy changed(&calendar, SIGNAL(signalDateTimeChanged(QDateTime,qint64)));
        const auto texts = [&calendar] {
            QStringList result;
            for (const char* name : { "title", "labweekSun", "labweekThur", "labyear", "labmonth" })
                result << text(&calendar, name);
            for (const char* name : { "btnyearleft", "btnmonthright", "dateTimeEdit" })
                result << calendar.findChild<QWidget*>(name)->accessibleName();
            return result << cell(&calendar, 3)->accessibleDescription()
                          << calendar.findChild<QDateTimeEdit*>()->text();
        };
        ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageZhCN);
        const QStringList zhCN = texts();
        ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageZhHK);
        const QString zhHK = texts().at(6);
        ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageEnUS);
        QCOMPARE(zhCN,
            QStringList({ "Recording date", "日", "四", "2026", "6月", "上一年", "下个月", "日期和时间", "录像",
                "2026-06-10 09:15:30" }));
        QCOMPARE(zhHK, QStringLiteral("下個月"));
        QCOMPARE(texts(),
            QStringList({ "Recording date", "Sun", "Thu", "2026", "June", "Previous year", "Next month",
                "Date and time", "Recordings", "2026-06-10 09:15:30" }));
        QCOMPARE(changed.count(), 0);
    }

    void hostDateFormat()
    {
        ZcbTest::installFakeWorker()->dateFormat = QStringLiteral("dd/MM/yyyy");
        CalendarWt calendar;
        calendar.setInitDateTime(at(2026, 6, 10, 9, 15, 30));
        QCOMPARE(calendar.findChild<QDateTimeEdit*>()->text(), QStringLiteral("10/06/2026 09:15:30"));
        calendar.setUsingTime(false);
        QCOMPARE(calendar.findChild<QDateTimeEdit*>()->text(), QStringLiteral("10/06/2026"));
        ZcbTest::installFakeWorker()->dateFormat = QStringLiteral(" "); // no answer: the library's own format
        calendar.setUsingTime(true);
        QCOMPARE(calendar.findChild<QDateTimeEdit*>()->displayFormat(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        ZcbTest::installFakeWorker();
    }
};

QTEST_MAIN(tst_CalendarWt)
#include "tst_calendarwt.moc"
