#include "timeaxis/timeaxiswt.h"

#include "zcbtest.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using namespace ZCORVANEBASE;

Q_DECLARE_METATYPE(ZCORVANEBASE::TimeAxisDegree)

namespace {
const QDate day(2024, 3, 5);
QDateTime at(int h, int m, int s = 0)
{
    return QDateTime(day, QTime(h, m, s));
}

// A ruler 1480 pixels wide: 13 labels of 40 pixels and 12 gaps of 80, so the label centres run from x 19 to
// x 1459 and the 1440-pixel stretch between them gives 60 s per pixel for the whole day.
constexpr int rulerWidth = 1480;
constexpr int minX = 19;
constexpr int maxX = 1459;
}

class tst_TimeAxisWt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void barMapping_data();
    void barMapping();
    void rulerMapping();
    void labelCentresOnResize();
    void wheelZoomsAboutPointer_data();
    void wheelZoomsAboutPointer();
    void dragPansWithClamping_data();
    void dragPansWithClamping();
    void clickPicksMoment_data();
    void clickPicksMoment();
    void neverLaidOutIgnoresPointer();
    void selectingDayAndBadInput();
    void ticksArePainted();

private:
    void showRuler(TimeAxisWt& ruler);
    QWidget* strip(TimeAxisWt& ruler) { return ruler.findChild<QWidget*>(QStringLiteral("timeAxis")); }
    QStringList labelTexts(TimeAxisWt& ruler);
};

void tst_TimeAxisWt::initTestCase()
{
    qRegisterMetaType<ZCORVANEBASE::TimeAxisDegree>("TimeAxisDegree");
    ZcbTest::installFakeWorker();
}

void tst_TimeAxisWt::showRuler(TimeAxisWt& ruler)
{
    ruler.setMinBeginDatetime(at(0, 0));
    ruler.resize(rulerWidth, 33);
    ruler.show();
    QVERIFY(QTest::qWaitForWindowExposed(&ruler));
}

QStringList tst_TimeAxisWt::labelTexts(TimeAxisWt& ruler)
{
    QStringList texts;
    for (int i = 1; i <= 13; ++i)
        texts << ruler.findChild<QLabel*>(QStringLiteral("timeLabel%1").arg(i))->text();
    return texts;
}

void tst_TimeAxisWt::barMapping_data()
{
    QTest::addColumn<int>("degree");
    QTest::addColumn<int>("width");
    QTest::addColumn<QDateTime>("begin");
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<qint64>("x");
    QTest::addColumn<bool>("mapsBack"); // the moment at x is `moment` again

    QTest::newRow("noon and 59 s is column 720") << 24 << 1440 << at(0, 0) << at(12, 0, 59) << qint64(720) << false;
    QTest::newRow("begin is column 0") << 24 << 1440 << at(0, 0) << at(0, 0) << qint64(0) << true;
    QTest::newRow("view end is the width") << 24 << 1440 << at(0, 0) << at(0, 0).addDays(1) << qint64(1440) << true;
    QTest::newRow("less than a pixel before the begin truncates to 0")
        << 24 << 1440 << at(1, 0) << at(0, 59, 1) << qint64(0) << false;
    QTest::newRow("a pixel before the begin is negative") << 24 << 1440 << at(1, 0) << at(0, 59) << qint64(-1) << false;
    QTest::newRow("one hour, 2.5 s a pixel") << 1 << 1440 << at(10, 0) << at(10, 0, 25) << qint64(10) << false;
}

void tst_TimeAxisWt::barMapping()
{
    QFETCH(int, degree);
    QFETCH(int, width);
    QFETCH(QDateTime, begin);
    QFETCH(QDateTime, moment);
    QFETCH(qint64, x);
    QFETCH(bool, mapsBack);
    QCOMPARE(TimeAxisMapping::barPosX(begin, degree, moment, width), x);
    if (mapsBack)
        QCOMPARE(TimeAxisMapping::barDatetimeAtPosX(begin, degree, int(x), width), moment);
}

void tst_TimeAxisWt::rulerMapping()
{
    // 10 / 1440 * 3600 is 24.999...: truncated in the stated order the moment is 24 s in, not 25.
    QCOMPARE(TimeAxisMapping::rulerDatetimeAtPosX(at(10, 0), 1, minX + 10, minX, maxX), at(10, 0, 24));
    QVERIFY(!TimeAxisMapping::rulerDatetimeAtPosX(at(10, 0), 24, 0, 0, 0).isValid()); // never laid out
}

void tst_TimeAxisWt::labelCentresOnResize()
{
    TimeAxisWt ruler;
    QStringList order;
    QList<int> xs;
    connect(&ruler, &TimeAxisWt::signalMinTimePosX, [&](int x) {
        order << QStringLiteral("min");
        xs << x;
    });
    connect(&ruler, &TimeAxisWt::signalMaxTimePosX, [&](int x) {
        order << QStringLiteral("max");
        xs << x;
    });
    showRuler(ruler);
    QVERIFY(order.size() >= 2);
    QCOMPARE(order.mid(order.size() - 2), (QStringList { QStringLiteral("min"), QStringLiteral("max") }));
    QCOMPARE(xs.mid(xs.size() - 2), (QList<int> { minX, maxX }));

    ruler.resize(rulerWidth + 120, 33); // 10 more pixels per gap
    QTRY_COMPARE(xs.last(), maxX + 120);
    QCOMPARE(xs.at(xs.size() - 2), minX);
}

void tst_TimeAxisWt::wheelZoomsAboutPointer_data()
{
    QTest::addColumn<int>("degree");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("expectedDegree"); // 0: nothing happens
    QTest::addColumn<QDateTime>("expectedBegin");
    QTest::addColumn<QStringList>("expectedLabels"); // the first two

    // 01:30 is 1/16 of the day, so the new hour starts 3,600 / 16 s before it.
    QTest::newRow("3 hours in at 01:30") << 3 << minX + 720 << 120 << 1 << at(1, 26, 15)
                                         << QStringList { QStringLiteral("01:26"), QStringLiteral("01:31") };
    QTest::newRow("whole day in at noon") << 24 << minX + 720 << 120 << 12 << at(6, 0)
                                          << QStringList { QStringLiteral("06:00"), QStringLiteral("07:00") };
    QTest::newRow("a delta of 1 zooms in")
        << 24 << minX + 720 << 1 << 12 << at(6, 0) << QStringList { QStringLiteral("06:00"), QStringLiteral("07:00") };
    QTest::newRow("1 hour out at 00:30") << 1 << minX + 720 << -120 << 3 << at(0, 26, 15)
                                         << QStringList { QStringLiteral("00:26"), QStringLiteral("00:41") };
    QTest::newRow("in at 1 hour does nothing") << 1 << minX + 720 << 120 << 0 << QDateTime() << QStringList();
    QTest::newRow("out at 24 hours does nothing") << 24 << minX + 720 << -120 << 0 << QDateTime() << QStringList();
    QTest::newRow("zero delta does nothing") << 24 << minX + 720 << 0 << 0 << QDateTime() << QStringList();
    QTest::newRow("left of the stretch does nothing") << 24 << minX - 1 << 120 << 0 << QDateTime() << QStringList();
    QTest::newRow("right of the stretch does nothing") << 24 << maxX + 1 << 120 << 0 << QDateTime() << QStringList();
}

void tst_TimeAxisWt::wheelZoomsAboutPointer()
{
    QFETCH(int, degree);
    QFETCH(int, x);
    QFETCH(int, delta);
    QFETCH(int, expectedDegree);
    QFETCH(QDateTime, expectedBegin);
    QFETCH(QStringList, expectedLabels);

    TimeAxisWt ruler;
    showRuler(ruler);
    ruler.updateTimeAxisDegreeAtFixedDatetime(TimeAxisDegree(degree), at(0, 0)); // begin stays 00:00
    QCOMPARE(ruler.getBeginDatetime(), at(0, 0));
    const QStringList labelsBefore = labelTexts(ruler);
    QSignalSpy changed(&ruler, SIGNAL(signalBeginTimeAndDegreeChanged(TimeAxisDegree,QDateTime)));

    const QPointF pos(x, 25);
    QWheelEvent wheel(pos, strip(ruler)->mapToGlobal(pos.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(strip(ruler), &wheel);

    if (expectedDegree == 0) {
        QCOMPARE(changed.count(), 0);
        QCOMPARE(ruler.getBeginDatetime(), at(0, 0));
        QCOMPARE(labelTexts(ruler), labelsBefore);
        return;
    }
    QVERIFY(wheel.isAccepted());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<TimeAxisDegree>(), TimeAxisDegree(expectedDegree));
    QCOMPARE(changed.at(0).at(1).toDateTime(), expectedBegin);
    QCOMPARE(ruler.getBeginDatetime(), expectedBegin);
    QCOMPARE(labelTexts(ruler).mid(0, 2), expectedLabels);
}

void tst_TimeAxisWt::dragPansWithClamping_data()
{
    QTest::addColumn<int>("degree");
    QTest::addColumn<QDateTime>("fixed"); // zoomed about this moment first
    QTest::addColumn<QList<int>>("moves"); // pointer xs after a press at minX + 720
    QTest::addColumn<QList<QDateTime>>("expectedBegins"); // one per pan step
    QTest::addColumn<QDateTime>("expectedClick"); // invalid: the release is no click

    const int press = minX + 720;
    // At 6 hours a pixel is 15 s.
    QTest::newRow("six pixels right pans 90 s earlier")
        << 6 << at(12, 0) << QList<int> { press + 6 } << QList<QDateTime> { at(8, 58, 30) } << QDateTime();
    QTest::newRow("steps follow the pointer")
        << 6 << at(12, 0) << QList<int> { press + 6, press + 10, press }
        << QList<QDateTime> { at(8, 58, 30), at(8, 57, 30), at(9, 0) } << QDateTime();
    QTest::newRow("five pixels stay a click")
        << 6 << at(12, 0) << QList<int> { press + 5, press - 5 } << QList<QDateTime>() << at(11, 58, 45);
    QTest::newRow("past the start of the day stops there")
        << 6 << at(0, 0) << QList<int> { press + 6 } << QList<QDateTime> { at(0, 0) } << QDateTime();
    QTest::newRow("past the end of the day stops a span before it")
        << 6 << at(0, 0).addDays(1) << QList<int> { press - 6 } << QList<QDateTime> { at(18, 0) } << QDateTime();
    QTest::newRow("the whole day never pans and a long move is still a click")
        << 24 << at(0, 0) << QList<int> { press + 300 } << QList<QDateTime>() << at(17, 0);
}

void tst_TimeAxisWt::dragPansWithClamping()
{
    QFETCH(int, degree);
    QFETCH(QDateTime, fixed);
    QFETCH(QList<int>, moves);
    QFETCH(QList<QDateTime>, expectedBegins);
    QFETCH(QDateTime, expectedClick);

    TimeAxisWt ruler;
    showRuler(ruler);
    ruler.updateTimeAxisDegreeAtFixedDatetime(TimeAxisDegree(degree), fixed);
    QSignalSpy changed(&ruler, SIGNAL(signalBeginTimeAndDegreeChanged(TimeAxisDegree,QDateTime)));
    QSignalSpy clicked(&ruler, SIGNAL(signalBatchAppointPlaybackTime(QDateTime)));

    QWidget* axis = strip(ruler);
    QTest::mousePress(axis, Qt::LeftButton, Qt::NoModifier, QPoint(minX + 720, 25));
    for (int x : moves) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 25), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(axis, &move);
    }
    QCOMPARE(changed.count(), expectedBegins.size());
    for (int i = 0; i < expectedBegins.size(); ++i) {
        QCOMPARE(changed.at(i).at(0).value<TimeAxisDegree>(), TimeAxisDegree(degree));
        QCOMPARE(changed.at(i).at(1).toDateTime(), expectedBegins.at(i));
    }
    if (!expectedBegins.isEmpty())
        QCOMPARE(ruler.getFixedDatetime(), fixed); // panning keeps the zoom's moment

    QTest::mouseRelease(axis, Qt::LeftButton, Qt::NoModifier, QPoint(moves.last(), 25));
    QCOMPARE(clicked.count(), expectedClick.isValid() ? 1 : 0);
    if (expectedClick.isValid())
        QCOMPARE(clicked.at(0).at(0).toDateTime(), expectedClick);
    QCOMPARE(axis->cursor().shape(), Qt::ArrowCursor);
}

void tst_TimeAxisWt::clickPicksMoment_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("button");
    QTest::addColumn<QDateTime>("expected");
    QTest::newRow("left end picks the begin") << minX << int(Qt::LeftButton) << at(0, 0);
    QTest::newRow("right end picks the end of the day") << maxX << int(Qt::LeftButton) << at(0, 0).addDays(1);
    QTest::newRow("a pixel is a minute") << minX + 61 << int(Qt::LeftButton) << at(1, 1);
    QTest::newRow("one pixel left picks nothing") << minX - 1 << int(Qt::LeftButton) << QDateTime();
    QTest::newRow("one pixel right picks nothing") << maxX + 1 << int(Qt::LeftButton) << QDateTime();
    QTest::newRow("the right button picks nothing") << minX + 61 << int(Qt::RightButton) << QDateTime();
}

void tst_TimeAxisWt::clickPicksMoment()
{
    QFETCH(int, x);
    QFETCH(int, button);
    QFETCH(QDateTime, expected);
    TimeAxisWt ruler;
    showRuler(ruler);
    QSignalSpy clicked(&ruler, SIGNAL(signalBatchAppointPlaybackTime(QDateTime)));
    QTest::mouseClick(strip(ruler), Qt::MouseButton(button), Qt::NoModifier, QPoint(x, 25));
    QCOMPARE(clicked.count(), expected.isValid() ? 1 : 0);
    if (expected.isValid())
        QCOMPARE(clicked.at(0).at(0).toDateTime(), expected);
}

void tst_TimeAxisWt::neverLaidOutIgnoresPointer()
{
    TimeAxisWt ruler; // never shown: the label stretch is unknown
    ruler.updateTimeAxisDegreeAtFixedDatetime(Degree6Hours, at(12, 0));
    const QDateTime begin = ruler.getBeginDatetime();
    QSignalSpy changed(&ruler, SIGNAL(signalBeginTimeAndDegreeChanged(TimeAxisDegree,QDateTime)));
    QSignalSpy clicked(&ruler, SIGNAL(signalBatchAppointPlaybackTime(QDateTime)));
    QWidget* axis = strip(ruler);
    QTest::mousePress(axis, Qt::LeftButton, Qt::NoModifier, QPoint(0, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 5), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(axis, &move);
    QTest::mouseRelease(axis, Qt::LeftButton, Qt::NoModifier, QPoint(0, 5));
    QWheelEvent wheel(
        QPointF(0, 5), QPointF(0, 5), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(axis, &wheel);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(ruler.getBeginDatetime(), begin);
}

void tst_TimeAxisWt::selectingDayAndBadInput()
{
    TimeAxisWt ruler;
    ruler.updateTimeAxisDegreeAtFixedDatetime(Degree1Hour, QDateTime::currentDateTime());
    QSignalSpy changed(&ruler, SIGNAL(signalBeginTimeAndDegreeChanged(TimeAxisDegree,QDateTime)));
    ruler.setMinBeginDatetime(at(0, 0));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<TimeAxisDegree>(), Degree24Hours);
    QCOMPARE(changed.at(0).at(1).toDateTime(), at(0, 0));
    QCOMPARE(ruler.getFixedDatetime(), at(0, 0));
    const QStringList labels = labelTexts(ruler);
    QCOMPARE(labels.first(), QStringLiteral("00:00"));
    QCOMPARE(labels.at(6), QStringLiteral("12:00"));
    QCOMPARE(labels.last(), QStringLiteral("00:00")); // the next midnight

    // Bad input leaves the ruler as it was.
    ruler.updateTimeAxisDegreeAtFixedDatetime(Degree6Hours, at(12, 0));
    ruler.setMinBeginDatetime(QDateTime());
    ruler.updateTimeAxisDegreeAtFixedDatetime(Degree6Hours, QDateTime());
    ruler.updateTimeAxisDegreeAtFixedDatetime(TimeAxisDegree(5), at(1, 0));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(ruler.getBeginDatetime(), at(9, 0));
    QCOMPARE(ruler.getFixedDatetime(), at(12, 0));
}

void tst_TimeAxisWt::ticksArePainted()
{
    TimeAxisWt ruler;
    showRuler(ruler);
    const QImage image = ruler.grab().toImage();
    const QColor tick(QStringLiteral("#323e58"));
    auto colourAt = [&](int x, int y) { return image.pixelColor(x, y).rgb(); };
    const int bottom = 32; // the strip starts 3 pixels down and is 30 high
    // Major tick of the first label: 10 pixels up from the base line at its centre.
    QCOMPARE(colourAt(minX, bottom - 9), tick.rgb());
    QVERIFY(colourAt(minX, bottom - 10) != tick.rgb());
    QCOMPARE(colourAt(maxX, bottom - 9), tick.rgb());
    // Minor ticks between the first two labels: the middle of the gap (39 + 120) / 2 and a quarter of the label
    // spacing (120) to each side, 5 pixels high.
    for (int x : { 79, 49, 109 }) {
        QCOMPARE(colourAt(x, bottom - 4), tick.rgb());
        QVERIFY(colourAt(x, bottom - 5) != tick.rgb());
    }
    QVERIFY(colourAt(64, bottom - 4) != tick.rgb());
    // The base line runs the whole width.
    QCOMPARE(colourAt(0, bottom), tick.rgb());
    QCOMPARE(colourAt(rulerWidth - 1, bottom), tick.rgb());
}

QTEST_MAIN(tst_TimeAxisWt)
#include "tst_timeaxiswt.moc"
