#include "timeaxis/timeaxiswt.h"

#include "timeaxisoracle.h"
#include "zcbtest.h"

#include <QLabel>
#include <QtTest>

using namespace ZCORVANEBASE;
using TimeAxisOracle::at;

// A ruler 1480 pixels wide showing the whole day: 13 labels of 40 pixels and 12 gaps of 80, so the label centres run
// from x 19 to x 1459 and the 1440-pixel stretch between them gives 60 s per pixel. What it announces is collected
// as text: "degree@begin" for a span change, "=moment" for a moment picked.
class Ruler : public TimeAxisWt
{
public:
    Ruler()
    {
        setMinBeginDatetime(at(0, 0));
        resize(1480, 33);
        connect(
            this, &TimeAxisWt::signalBeginTimeAndDegreeChanged, [this](TimeAxisDegree degree, const QDateTime& begin) {
                events << QString::number(degree) + '@' + hms(begin);
            });
        connect(this, &TimeAxisWt::signalBatchAppointPlaybackTime,
            [this](const QDateTime& moment) { events << '=' + hms(moment); });
    }
    bool exposed() { return show(), QTest::qWaitForWindowExposed(this); }
    QWidget* strip() { return findChild<QWidget*>(QStringLiteral("timeAxis")); }
    QStringList labels()
    {
        QStringList texts;
        for (int i = 1; i <= 13; ++i)
            texts << findChild<QLabel*>(QStringLiteral("timeLabel%1").arg(i))->text();
        return texts;
    }
    // "hh:mm:ss" on the test day, "+1d" on the next.
    static QString hms(const QDateTime& d) { return d.toString(d.daysTo(at(0, 0)) ? "hh:mm:ss'+1d'" : "hh:mm:ss"); }
    QStringList events;
};

class tst_TimeAxisWt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZcbTest::installFakeWorker(); }

    void ticksAndLabelCentres()
    {
        Ruler ruler;
        QVERIFY(ruler.exposed());
        const QImage image = ruler.grab().toImage();
        auto isTick = [&](int x, int y) { return image.pixelColor(x, 32 - y) == QColor("#323e58"); };
        // The strip starts 3 pixels down and is 30 high; its base line (y 0 here) runs the whole width.
        QVERIFY(isTick(0, 0) && isTick(1479, 0));
        // Major ticks at the label centres are 10 pixels high.
        QVERIFY(isTick(19, 9) && !isTick(19, 10) && isTick(1459, 9));
        // Minor ticks between the first two labels: the middle of the gap (39 + 120) / 2 and a quarter of the label
        // spacing (120) to each side, 5 pixels high.
        for (int x : { 79, 49, 109 })
            QVERIFY(isTick(x, 4) && !isTick(x, 5));
        QVERIFY(!isTick(64, 4));

        // The host aligns the bars with the label centres it is told of.
        QSignalSpy min(&ruler, &TimeAxisWt::signalMinTimePosX), max(&ruler, &TimeAxisWt::signalMaxTimePosX);
        ruler.resize(1480 + 120, 33); // 10 more pixels per gap
        QTRY_COMPARE(min.value(min.size() - 1) + max.value(max.size() - 1), (QVariantList { 19, 1579 }));
    }

    void pointer_data()
    {
        // The view (hours, the hour zoomed about) ; the gesture: "w<delta>@x" a wheel turn, "L"/"R" x...: a press,
        // moves and a release ; what the ruler announced | its first two labels.
        QTest::addColumn<QString>("row");
        // x 739 is the middle of the stretch. 01:30 is 1/16 of the day, so the new hour starts 3,600 / 16 s before it.
        QTest::newRow("wheel: 3 hours in at 01:30") << "3 0 ; w120@739 ; 1@01:26:15 | 01:26 01:31";
        QTest::newRow("wheel: whole day in at noon") << "24 0 ; w120@739 ; 12@06:00:00 | 06:00 07:00";
        QTest::newRow("wheel: a delta of 1 zooms in") << "24 0 ; w1@739 ; 12@06:00:00 | 06:00 07:00";
        QTest::newRow("wheel: 1 hour out at 00:30") << "1 0 ; w-120@739 ; 3@00:26:15 | 00:26 00:41";
        QTest::newRow("wheel: in at 1 hour does nothing") << "1 0 ; w120@739 ; | 00:00 00:05";
        QTest::newRow("wheel: out at 24 hours does nothing") << "24 0 ; w-120@739 ; | 00:00 02:00";
        QTest::newRow("wheel: zero delta does nothing") << "24 0 ; w0@739 ; | 00:00 02:00";
        QTest::newRow("wheel: left of the stretch does nothing") << "24 0 ; w120@18 ; | 00:00 02:00";
        // At 6 hours a pixel is 15 s.
        QTest::newRow("drag: steps follow the pointer")
            << "6 12 ; L739 745 749 739 ; 6@08:58:30 6@08:57:30 6@09:00:00 | 09:00 09:30";
        QTest::newRow("drag: five pixels stay a click") << "6 12 ; L739 744 734 ; =11:58:45 | 09:00 09:30";
        QTest::newRow("drag: past the start of the day stops there") << "6 0 ; L739 745 ; 6@00:00:00 | 00:00 00:30";
        QTest::newRow("drag: past the end of the day stops a span before it")
            << "6 24 ; L739 733 ; 6@18:00:00 | 18:00 18:30";
        QTest::newRow("drag: the whole day never pans, a long move is still a click")
            << "24 0 ; L739 1039 ; =17:00:00 | 00:00 02:00";
        QTest::newRow("click: left end picks the begin") << "24 0 ; L19 ; =00:00:00 | 00:00 02:00";
        QTest::newRow("click: right end picks the end of the day") << "24 0 ; L1459 ; =00:00:00+1d | 00:00 02:00";
        // 10 / 1440 * 3,600 is 24.999...: truncated, the moment is 24 s into the hour that begins at 09:35.
        QTest::newRow("click: the moment truncates") << "1 10 ; L29 ; =09:35:24 | 09:35 09:40";
        QTest::newRow("click: one pixel left picks nothing") << "24 0 ; L18 ; | 00:00 02:00";
        QTest::newRow("click: one pixel right picks nothing") << "24 0 ; L1460 ; | 00:00 02:00";
        QTest::newRow("click: the right button picks nothing") << "24 0 ; R80 ; | 00:00 02:00";
    }

    void pointer()
    {
        QFETCH(QString, row);
        const QStringList part = row.split(" ; ");
        const int degree = part[0].section(' ', 0, 0).toInt();
        const QDateTime fixed = at(0, 0).addSecs(part[0].section(' ', 1).toInt() * 3600);
        const QString gesture = part[1];
        Ruler ruler;
        QVERIFY(ruler.exposed());
        ruler.updateTimeAxisDegreeAtFixedDatetime(TimeAxisDegree(degree), fixed);
        ruler.events.clear();
        if (gesture[0] == 'w') {
            const QPoint pos(gesture.section('@', 1).toInt(), 25);
            QWheelEvent wheel(pos, ruler.strip()->mapToGlobal(pos), QPoint(),
                QPoint(0, gesture.mid(1).section('@', 0, 0).toInt()), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                false);
            QApplication::sendEvent(ruler.strip(), &wheel);
        } else {
            const Qt::MouseButton button = gesture[0] == 'L' ? Qt::LeftButton : Qt::RightButton;
            const QStringList xs = gesture.mid(1).split(' ');
            QTest::mousePress(ruler.strip(), button, Qt::NoModifier, QPoint(xs.first().toInt(), 25));
            for (const QString& x : xs.mid(1)) {
                const QPoint at(x.toInt(), 25);
                QMouseEvent move(
                    QEvent::MouseMove, at, ruler.strip()->mapToGlobal(at), Qt::NoButton, button, Qt::NoModifier);
                QApplication::sendEvent(ruler.strip(), &move);
            }
            QTest::mouseRelease(ruler.strip(), button, Qt::NoModifier, QPoint(xs.last().toInt(), 25));
            QCOMPARE(ruler.getFixedDatetime(), fixed); // panning keeps the zoom's moment
            QCOMPARE(ruler.strip()->cursor().shape(), Qt::ArrowCursor);
        }
        QCOMPARE((ruler.events << "|" << ruler.labels().mid(0, 2)).join(' '), part[2]);
    }

    void selectingDayAndBadInput()
    {
        Ruler ruler;
        ruler.updateTimeAxisDegreeAtFixedDatetime(Degree1Hour, QDateTime::currentDateTime());
        ruler.events.clear();
        ruler.setMinBeginDatetime(at(0, 0));
        QCOMPARE(ruler.labels().mid(5, 3) << ruler.labels().last() << Ruler::hms(ruler.getFixedDatetime()),
            (QStringList { "10:00", "12:00", "14:00", "00:00", "00:00:00" })); // the last label is the next midnight
        // Bad input leaves the ruler as it was.
        ruler.updateTimeAxisDegreeAtFixedDatetime(Degree6Hours, at(12, 0));
        ruler.setMinBeginDatetime(QDateTime());
        ruler.updateTimeAxisDegreeAtFixedDatetime(Degree6Hours, QDateTime());
        ruler.updateTimeAxisDegreeAtFixedDatetime(TimeAxisDegree(5), at(1, 0));
        QCOMPARE(ruler.events, (QStringList { "24@00:00:00", "6@09:00:00" }));
        QCOMPARE(ruler.getFixedDatetime(), at(12, 0));
    }
};

QTEST_MAIN(tst_TimeAxisWt)
#include "tst_timeaxiswt.moc"
