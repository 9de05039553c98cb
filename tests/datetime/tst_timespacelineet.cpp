#include "datetime/timespacelineet.h"
#include "zcbtest.h"

#include <QAction>
#include <QSignalSpy>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace ZCORVANEBASE;

namespace {

QDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

QImage calendarIcon(bool hover)
{
    return QIcon(hover ? QStringLiteral(":/images/images/ico_calendar_h.png")
                       : QStringLiteral(":/images/images/ico_calendar_n.png"))
        .pixmap(16, 16)
        .toImage();
}

QImage shownIcon(TimeSpaceLineEt* edit)
{
    return edit->actions().value(0)->icon().pixmap(16, 16).toImage();
}

} // namespace

class tst_TimeSpaceLineEt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void text_data();
    void text();
    void pairOnlyChangesBySetter();
    void clicks_data();
    void clicks();
    void iconFollowsHoverAndFocus();
};

void tst_TimeSpaceLineEt::initTestCase()
{
    ZcbTest::installFakeWorker();
    // The two host images differ, or the icon test could not tell them apart.
    QVERIFY(!calendarIcon(false).isNull());
    QVERIFY(calendarIcon(false) != calendarIcon(true));
}

void tst_TimeSpaceLineEt::text_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("useYear");
    QTest::addColumn<bool>("useTime");
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("end");
    QTest::addColumn<QString>("text");

    const int en = ZCORVANEDLL::ClientLanguageEnUS;
    const QDateTime start = at(2024, 3, 5);
    const QDateTime end = at(2024, 3, 5, 23, 59, 59);
    QTest::newRow("time, no year") << en << false << true << start << end
                                   << QStringLiteral("03-05 00:00 To 03-05 23:59");
    QTest::newRow("year and time") << en << true << true << start << end
                                   << QStringLiteral("2024-03-05 00:00 To 2024-03-05 23:59");
    QTest::newRow("year, no time") << en << true << false << start << end
                                   << QStringLiteral("2024-03-05  To 2024-03-05 ");
    QTest::newRow("neither") << en << false << false << start << end << QStringLiteral("03-05  To 03-05 ");
    QTest::newRow("seconds cut, not rounded")
        << en << false << true << at(2026, 12, 31, 8, 30, 59) << at(2027, 1, 1, 9, 5, 1)
        << QStringLiteral("12-31 08:30 To 01-01 09:05");
    QTest::newRow("reversed pair shown reversed") << en << true << true << at(2024, 3, 6, 8, 30) << at(2024, 3, 5, 7)
                                                  << QStringLiteral("2024-03-06 08:30 To 2024-03-05 07:00");
    QTest::newRow("zh_CN") << int(ZCORVANEDLL::ClientLanguageZhCN) << false << true << start << end
                           << QStringLiteral("03-05 00:00 至 03-05 23:59");
    QTest::newRow("zh_HK") << int(ZCORVANEDLL::ClientLanguageZhHK) << true << false << start << end
                           << QStringLiteral("2024-03-05  至 2024-03-05 ");
}

void tst_TimeSpaceLineEt::text()
{
    QFETCH(int, language);
    QFETCH(bool, useYear);
    QFETCH(bool, useTime);
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, end);
    QFETCH(QString, text);

    ZcbTest::installCatalogue(ZCORVANEDLL::ClientLanguage(language));
    TimeSpaceLineEt edit;
    edit.setUsingYearInTimeSpaceDescription(useYear);
    edit.setUsingTimeInTimeSpaceDescription(useTime);
    edit.setDateTimeSpace(start, end);
    ZcbTest::installCatalogue(ZCORVANEDLL::ClientLanguageEnUS);
    QCOMPARE(edit.text(), text);
    QCOMPARE(edit.getDateTimeSpace(), qMakePair(start, end));
}

void tst_TimeSpaceLineEt::pairOnlyChangesBySetter()
{
    TimeSpaceLineEt edit;
    const QDate today = QDate::currentDate();
    QCOMPARE(edit.getDateTimeSpace(), qMakePair(QDateTime(today, QTime(0, 0)), QDateTime(today, QTime(23, 59, 59))));
    const QString day = today.toString(QStringLiteral("MM-dd"));
    QCOMPARE(edit.text(), day + QStringLiteral(" 00:00 To ") + day + QStringLiteral(" 23:59"));

    const auto pair = qMakePair(at(2026, 3, 29, 1, 30), at(2026, 3, 29, 3, 30));
    edit.setDateTimeSpace(pair.first, pair.second);
    edit.setDateTimeSpace(QDateTime(), at(2026, 3, 30)); // invalid: ignored
    edit.setUsingYearInTimeSpaceDescription(true);
    edit.setUsingYearInTimeSpaceDescription(false);
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClicks(&edit, QStringLiteral("2025"));
    QCOMPARE(edit.text(), QStringLiteral("03-29 01:30 To 03-29 03:302025"));
    QCOMPARE(edit.getDateTimeSpace(), pair);
    QCOMPARE(edit.getStartTime(), pair.first);
    QCOMPARE(edit.getEndTime(), pair.second);
}

void tst_TimeSpaceLineEt::clicks_data()
{
    QTest::addColumn<bool>("onIcon");
    QTest::addColumn<int>("button");

    QTest::newRow("text, left button") << false << int(Qt::LeftButton);
    QTest::newRow("text, right button") << false << int(Qt::RightButton);
    QTest::newRow("icon") << true << int(Qt::LeftButton);
}

void tst_TimeSpaceLineEt::clicks()
{
    QFETCH(bool, onIcon);
    QFETCH(int, button);

    TimeSpaceLineEt edit;
    edit.resize(260, 28);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QSignalSpy clicked(&edit, SIGNAL(signalClicked()));
    if (onIcon) {
        auto* icon = edit.findChild<QToolButton*>();
        QVERIFY(icon && icon->isVisible() && icon->geometry().left() > edit.width() / 2);
        QTest::mouseClick(icon, Qt::MouseButton(button));
    } else {
        QTest::mouseClick(&edit, Qt::MouseButton(button), Qt::NoModifier, QPoint(20, 14));
    }
    QCOMPARE(clicked.count(), 1);
}

void tst_TimeSpaceLineEt::iconFollowsHoverAndFocus()
{
    QWidget window;
    auto* edit = new TimeSpaceLineEt(&window);
    auto* other = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    layout->addWidget(other);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QCOMPARE(shownIcon(edit), calendarIcon(false));

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(edit, &enter);
    QCOMPARE(shownIcon(edit), calendarIcon(true));
    QCoreApplication::sendEvent(edit, &leave);
    QCOMPARE(shownIcon(edit), calendarIcon(false));

    // With the focus the hover look stays after leaving, until the focus goes.
    edit->setFocus();
    QCoreApplication::sendEvent(edit, &enter);
    QCoreApplication::sendEvent(edit, &leave);
    QCOMPARE(shownIcon(edit), calendarIcon(true));
    other->setFocus();
    QCOMPARE(shownIcon(edit), calendarIcon(false));
}

QTEST_MAIN(tst_TimeSpaceLineEt)
#include "tst_timespacelineet.moc"
