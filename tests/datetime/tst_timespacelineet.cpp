// TimeSpaceLineEt: the text of the pair, the clicks that ask for the picker, and the icon's hover look.

#include "datetime/timespacelineet.h"
#include "datetimetest.h"

#include <QAction>
#include <QToolButton>

// Whether the text shows the year and the time, the pair, and the text.
using Text = std::tuple<bool, bool, QDateTime, QDateTime, QString>;
Q_DECLARE_METATYPE(Text)

class tst_TimeSpaceLineEt : public QObject
{
    Q_OBJECT

    // The host's calendar images, and the one the edit shows.
    const QImage normal = QIcon(":/images/images/ico_calendar_n.png").pixmap(16, 16).toImage();
    const QImage hover = QIcon(":/images/images/ico_calendar_h.png").pixmap(16, 16).toImage();
    static QImage shown(QLineEdit* edit) { return edit->actions().value(0)->icon().pixmap(16, 16).toImage(); }

private slots:
    // The two images differ, or the hover test could not tell them apart.
    void initTestCase()
    {
        ZcbTest::installFakeWorker();
        QVERIFY(!normal.isNull() && normal != hover);
    }

    void text_data()
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

    void text()
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

    // The text is written again from the pair in the new language; the names of the edit and its icon follow.
    void languageSwitch()
    {
        TimeSpaceLineEt edit;
        edit.setDateTimeSpace(at(2024, 3, 5), at(2024, 3, 5, 23, 59, 59));
        const auto texts = [&edit] {
            return QStringList { edit.text(), edit.accessibleName(), edit.actions().value(0)->text() };
        };
        ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageZhCN);
        const QStringList zhCN = texts();
        ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageEnUS);
        QCOMPARE(zhCN, QStringList({ "03-05 00:00 至 03-05 23:59", "时间段", "选择时间段" }));
        QCOMPARE(texts(), QStringList({ "03-05 00:00 To 03-05 23:59", "Time span", "Choose time span" }));
    }

    void mouse()
    {
        TimeSpaceLineEt edit;
        edit.show();
        QVERIFY(QTest::qWaitForWindowActive(&edit));

        // A click on the text with either button, or on the icon at the right end, asks for the picker.
        QSignalSpy clicked(&edit, SIGNAL(signalClicked()));
        QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(&edit, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(clicked.count(), 2);
        auto* icon = edit.findChild<QToolButton*>();
        QVERIFY(icon->isVisible() && icon->geometry().left() > edit.width() / 2);
        QTest::mouseClick(icon, Qt::LeftButton);
        QCOMPARE(clicked.count(), 3);

        // The hover image while the mouse is over the edit, and after it as long as the edit has the focus.
        edit.clearFocus();
        QCOMPARE(shown(&edit), normal);
        send(&edit, QEvent::Enter);
        QCOMPARE(shown(&edit), hover);
        send(&edit, QEvent::Leave);
        QCOMPARE(shown(&edit), normal);
        edit.setFocus();
        send(&edit, QEvent::Enter);
        send(&edit, QEvent::Leave);
        QCOMPARE(shown(&edit), hover);
        edit.clearFocus();
        QCOMPARE(shown(&edit), normal);
    }
};

QTEST_MAIN(tst_TimeSpaceLineEt)
#include "tst_timespacelineet.moc"
