// DatetimeSpanSelWt: the span rules on the host's settings and on the user's steps, and one report per event-loop pass.

#include "datetime/datetimespanselwt.h"
#include "datetimetest.h"

#include <QPushButton>

// The minimum and maximum span set first, the pair given, and the state shown then.
using Init = std::tuple<qint64, qint64, QDateTime, QDateTime, QVariantList>;
// The pair given, the section of the start stepped with a key, and the pair shown then.
using Move = std::tuple<QDateTime, QDateTime, QDateTimeEdit::Section, Qt::Key, QDateTime, QDateTime>;
Q_DECLARE_METATYPE(Init)
Q_DECLARE_METATYPE(Move)

class tst_DatetimeSpanSelWt : public QObject
{
    Q_OBJECT

    // The start calendar, then the end calendar.
    static CalendarWt* calendar(QWidget& s, bool end) { return s.findChildren<CalendarWt*>().value(end); }
    static QDateTimeEdit* editor(QWidget& s, bool end) { return calendar(s, end)->findChild<QDateTimeEdit*>(); }
    // The pair shown, and the end calendar's limits as seconds after the start.
    static QVariantList state(QWidget& s)
    {
        const QDateTime start = calendar(s, false)->getSelectDateTime();
        const QDateTimeEdit* end = editor(s, true);
        return { start, end->dateTime(), start.secsTo(end->minimumDateTime()), start.secsTo(end->maximumDateTime()) };
    }

private slots:
    void initTestCase() { ZcbTest::installFakeWorker(); }

    void dayPairAndDateOnly()
    {
        DatetimeSpanSelWt selector;
        selector.setInitDateTime(qMakePair(QDate(2026, 7, 1), QDate(2026, 7, 1)));
        QCOMPARE(state(selector), QVariantList({ at(2026, 7, 1), at(2026, 7, 1, 23, 59, 59), 300, 86399 }));
        DatetimeSpanSelWt dateOnly(nullptr, false);
        QCOMPARE(editor(dateOnly, false)->text() + ' ' + editor(dateOnly, true)->text(),
            QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd yyyy-MM-dd")));
    }

    // Negative limits (-1) are ignored; a maximum below the minimum swaps in, a minimum above the maximum is both.
    void setInitDateTime_data()
    {
        QTest::addColumn<Init>("row");
        // No limits set unless given, and then the end's limits are 300 s and 86399 s after the start.
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
        selector.setMinSpanSecs(minSpan); // negative: ignored
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
        const QDate today = QDate::currentDate();
        const QDateTime midnight(today, QTime(0, 0)), lastSecond(today, QTime(23, 59, 59));
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
        QCOMPARE(selector.size(), QSize(439, 278));
        QSignalSpy changed(&selector, SIGNAL(signalDatetimeSpanSelChanged(QDateTime,QDateTime)));
        QTest::mouseClick(selector.findChild<QPushButton*>(preset), Qt::LeftButton);
        QCOMPARE(changed.count(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(changed.count(), 1);
        const QVariantList shown = state(selector);
        QCOMPARE(changed.at(0), shown.mid(0, 2));
        if (start.isValid()) {
            QCOMPARE(shown.mid(0, 2), QVariantList({ start, end }));
        } else {
            QCOMPARE(shown.at(0).toDateTime().secsTo(shown.at(1).toDateTime()), qint64(86400));
            QVERIFY(qAbs(shown.at(1).toDateTime().secsTo(QDateTime::currentDateTime())) <= 2);
        }

        selector.setPresetsVisible(false);
        QCOMPARE(selector.size(), QSize(439, 248));
        plain.setMaxSpanSecs(maxSpan);
        plain.setInitDateTime(shown.at(0).toDateTime(), shown.at(1).toDateTime());
        plain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plain));
        QCOMPARE(selector.grab().toImage(), plain.grab().toImage());
    }

    // The titles and the preset captions follow a language switch.
    void languageSwitch()
    {
        DatetimeSpanSelWt selector;
        selector.setPresetsVisible(true);
        const auto texts = [&selector] {
            QStringList result { calendar(selector, false)->findChild<QLabel*>("title")->text(),
                calendar(selector, true)->findChild<QLabel*>("title")->text() };
            for (const char* name : { "presetToday", "presetYesterday", "presetLast24Hours", "presetLast7Days" })
                result << selector.findChild<QPushButton*>(name)->text();
            return result;
        };
        ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageZhHK);
        const QStringList zhHK = texts();
        ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageEnUS);
        QCOMPARE(zhHK, QStringList({ "開始", "結束", "今天", "昨天", "最近24小時", "最近7天" }));
        QCOMPARE(texts(), QStringList({ "Start", "End", "Today", "Yesterday", "Last 24 hours", "Last 7 days" }));
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
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0), QVariantList({ movedStart, movedEnd.addSecs(-60) }));
    }
};

QTEST_MAIN(tst_DatetimeSpanSelWt)
#include "tst_datetimespanselwt.moc"
