#include "timeaxis/channelrecordingtimeaxiswt_p.h"
#include "timeaxis/progresscursorwt_p.h"
#include "timeaxis/recordinglabelwt_p.h"
#include "timeaxis/recordingstimeaxisbox.h"

#include "timeaxisoracle.h"
#include "zcbtest.h"

#include <QLabel>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QtTest>

using namespace ZCORVANEBASE;
using namespace TimeAxisOracle;

namespace {
const QString channel = QStringLiteral("dev7_3");
const QString key = QStringLiteral("search-1");
constexpr int location = 2;

// "hh:mm[:ss]" on the test day; empty or "-" is no date-time at all.
QDateTime t(const QString& text)
{
    return text.isEmpty() || !text[0].isDigit()
        ? QDateTime()
        : at(text.left(2).toInt(), text.mid(3, 2).toInt(), text.mid(6, 2).toInt());
}

// "08:00-09:00 !10:00-11:00": recordings in the given order, "!" marks an alarm recording.
Recordings parse(const QString& text)
{
    Recordings recordings;
    for (const QString& span : text.split(' ', Qt::SkipEmptyParts))
        recordings << recording(t(span.section('-', 0, 0).remove('!')), t(span.section('-', 1)), span[0] == '!');
    return recordings;
}

// "A08:30 P3/4 E": a seek to 08:30, 0.75 of the file, the end of playback (all of row 0) in the oracle's notation.
QStringList events(const QString& text)
{
    QStringList events;
    for (const QString& event : text.split(' ', Qt::SkipEmptyParts)) {
        const QStringList fraction = event.mid(1).split('/') << QStringLiteral("1");
        events << (event[0] == 'A' ? appointEvent(channel, 0, location, t(event.mid(1)))
                : event[0] == 'P'  ? percentEvent(0, fraction[0].toFloat() / fraction[1].toFloat())
                                   : endEvent(0));
    }
    return events;
}

RecordingSearchInfo search(const QDateTime& begin, const QDateTime& end = at(0, 0).addDays(1))
{
    return RecordingSearchInfo { channel, location, 0, 0, begin, end, QDateTime() };
}
}

// A box of one row whose bar is `width` pixels wide (1440: one pixel is a minute of the whole day). Every signal of
// the box lands in `events` in the oracle's notation.
class OneRow
{
public:
    explicit OneRow(int width = 1440)
        : box(1, true)
    {
        box.setChannelCheckBoxWidth(100);
        box.setMarginRight(10);
        box.resize(10 + 100 + 6 + width + 10, box.height());
        bar->setBeginTimeAndDegree(Degree24Hours, at(0, 0));
        QObject::connect(&box, &RecordingsTimeAxisBox::signalAppointPlaybackTime,
            [this](const QString& c, int i, int l, const QDateTime& d) { events << appointEvent(c, i, l, d); });
        QObject::connect(&box, &RecordingsTimeAxisBox::signalDatetimePercentInFile,
            [this](int index, float value) { events << percentEvent(index, value); });
        QObject::connect(&box, &RecordingsTimeAxisBox::signalPlaybackToRecordingsTimeAxisEnd,
            [this](int index) { events << endEvent(index); });
        box.show();
        exposed = QTest::qWaitForWindowExposed(&box);
    }
    // A search of the whole day and its results.
    void load(const Recordings& recordings)
    {
        box.setRecordingSearchInfo(SearchStarted, key, search(at(0, 0)));
        box.setChannelRecordingsTimeInfo(recordings, 0, key, true, false);
        events.clear();
    }
    void addMark(const QString& name, const QDateTime& datetime, const QString& channelId = channel, int result = 0)
    {
        const LocalRecordingLabelInfo info { name, channelId, location, datetime };
        QVERIFY(QMetaObject::invokeMethod(
            bar, "slotAddRecordingLabelToLocalDB", Q_ARG(LocalRecordingLabelInfo, info), Q_ARG(int, result)));
    }
    ProgressCursorWt* cursor() const { return bar->findChild<ProgressCursorWt*>(); }
    QWidget* strip() const { return bar->findChild<QWidget*>(QStringLiteral("recordingsWt")); }
    QImage grab() const { return strip()->grab().toImage().convertToFormat(QImage::Format_ARGB32); }

    RecordingsTimeAxisBox box;
    ChannelRecordingTimeAxisWt* bar = box.findChild<ChannelRecordingTimeAxisWt*>();
    QStringList events;
    bool exposed;
};

class tst_ChannelRecordingTimeAxisWt : public QObject
{
    Q_OBJECT

private slots:
    void init() { ZcbTest::installFakeWorker(); }

    void paintsRecordings_data()
    {
        // The view (hours, begin) ; recordings ; colour and column: b(ackground), g(reen), r(ed).
        QTest::addColumn<QString>("row");
        QTest::newRow("a pixel a minute") << "24 00:00 ; 01:00-02:00 ; b59 g60 g119 b120";
        // One hour on 1440 pixels: 2.5 s a pixel, 240 pixels for the 10 minutes after 06:00.
        QTest::newRow("across the left edge drawn from 0") << "1 06:00 ; 05:50-06:10 ; g0 g239 b240";
        QTest::newRow("ending exactly at the begin not drawn") << "1 06:00 ; !05:00-06:00 ; b0 b1";
        QTest::newRow("across the right edge drawn to the end")
            << "1 06:00 ; !06:59-08:00 08:00-09:00 ; b1415 r1416 r1439";
        QTest::newRow("a long earlier one does not cover a later short one")
            << "24 00:00 ; 01:00-01:10 !01:02-05:00 01:04-01:05 ; g60 g61 r62 r63 g64 r65 r299 b300";
        // 01:03 is 63/1440 of the day, which in double precision is just below column 63: the edge truncates to 62.
        QTest::newRow("edges truncate after the division") << "24 00:00 ; 01:03-02:00 ; b61 g62 g119 b120";
        QTest::newRow("narrower than a pixel not seen") << "24 00:00 ; 01:00-01:00:59 ; b59 b60 b61";
        // Out of order, painting stops at the first recording delivered that begins after the view.
        QTest::newRow("out of order painted as delivered")
            << "1 06:00 ; 06:10-06:20 08:00-09:00 06:30-06:40 ; b239 g240 g479 b480 b720 b900";
    }

    // Literal pixels, which the plain algorithm must paint as well.
    void paintsRecordings()
    {
        QFETCH(QString, row);
        const QStringList part = row.split(" ; ");
        const int degree = part[0].section(' ', 0, 0).toInt();
        const QDateTime begin = t(part[0].section(' ', 1));
        OneRow axis;
        QVERIFY(axis.exposed && axis.bar->width() == 1440);
        axis.load(parse(part[1]));
        axis.bar->setBeginTimeAndDegree(TimeAxisDegree(degree), begin);
        const QImage image = axis.grab();
        const QImage plain = paintRecordings(parse(part[1]), begin, degree, 1440, image.height());
        for (const QString& pixel : part[2].split(' ')) {
            const QRgb colour = QColor(pixel[0] == 'b' ? "#24344c" : pixel[0] == 'g' ? "#00cf8b" : "#dc4d4d").rgb();
            const int x = pixel.mid(1).toInt();
            QVERIFY2(image.pixel(x, 0) == colour && image.pixel(x, image.height() - 1) == colour, qPrintable(pixel));
            QVERIFY2(plain.pixel(x, 0) == colour, qPrintable("the plain algorithm: " + pixel));
        }
    }

    void matchesPlainAlgorithm_data()
    {
        QTest::addColumn<QByteArray>("zone"); // empty: the recordings are in UTC
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("width");
        const QByteArray utc, berlin("Europe/Berlin");
        QTest::newRow("UTC, 1440 pixels") << utc << QDate(2024, 3, 5) << 1440;
        QTest::newRow("UTC, 1427 pixels") << utc << QDate(2024, 3, 5) << 1427;
        QTest::newRow("UTC, 777 pixels") << utc << QDate(2024, 3, 5) << 777;
        QTest::newRow("clocks go forward, 1440 pixels") << berlin << QDate(2024, 3, 31) << 1440;
        QTest::newRow("clocks go back, 1000 pixels") << berlin << QDate(2024, 10, 27) << 1000;
        QTest::newRow("an ordinary day, 333 pixels") << berlin << QDate(2024, 3, 5) << 333;
    }

    // 3,000 generated recordings, also in the local time of a zone with daylight saving on the days its clocks change.
    // The strip's pixels on 40 views (each degree from midnight, then from every half hour after it, then random
    // begins across the day's edges), whole and as a repaint of a few columns leaves them, must be the plain
    // algorithm's, which converts every local time on its own.
    void matchesPlainAlgorithm()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QDate, day);
        QFETCH(int, width);
        const QByteArray previousZone = qgetenv("TZ");
        if (!zone.isEmpty())
            qputenv("TZ", zone);
        const auto restoreZone
            = qScopeGuard([&] { previousZone.isNull() ? qunsetenv("TZ") : qputenv("TZ", previousZone); });
        const QDateTime midnight(day, QTime(0, 0), zone.isEmpty() ? Qt::UTC : Qt::LocalTime);
        const Recordings recordings = generatedDay(quint32(width), midnight);
        QRandomGenerator random { quint32(width) };

        OneRow row(width);
        QVERIFY(row.exposed);
        row.bar->setRecordingsTimeInfo(recordings, true, false);
        for (int view = 0; view < 40; ++view) {
            const int degree = QList<int> { 24, 12, 6, 3, 1 }.at(view % 5);
            const QDateTime begin
                = midnight.addSecs(view < 10 ? view / 5 * (view - 5) * 1800 : random.bounded(-7200, 86400));
            row.bar->setBeginTimeAndDegree(TimeAxisDegree(degree), begin);
            const QImage plain = paintRecordings(recordings, begin, degree, width, row.strip()->height());
            const QByteArray where = QStringLiteral("degree %1 begin %2").arg(degree).arg(begin.toString()).toUtf8();
            QVERIFY2(row.grab() == plain, where.constData());
            const QRect columns(random.bounded(width - 40), 0, 40, plain.height());
            QImage part(plain.size(), QImage::Format_ARGB32);
            part.fill(Qt::black);
            row.strip()->render(&part, columns.topLeft(), QRegion(columns));
            QVERIFY2(part.copy(columns) == plain.copy(columns), where.constData());
            QCOMPARE(part.pixel(columns.right() + 1, 0), QColor(Qt::black).rgb());
        }
    }

    void clickSeeks_data()
    {
        QTest::addColumn<QString>("row"); // x clicked ; the seek (none: the cursor stays at 03:00) ; the cursor's x
        QTest::newRow("inside the first recording") << "90 ; 01:30 ; 90";
        QTest::newRow("in the gap") << "150 ; ; 180";
        QTest::newRow("near the right edge the cursor flips") << "1400 ; 23:20 ; 1339";
        QTest::newRow("the cursor fits exactly") << "1379 ; 22:59 ; 1379";
    }

    void clickSeeks()
    {
        QFETCH(QString, row);
        const QStringList part = row.split(';');
        const QString seek = part[1].trimmed();
        OneRow axis;
        axis.load(parse("01:00-02:00 03:00-23:59:59"));
        axis.bar->appointPlaybackTime(at(3, 0));
        axis.events.clear();
        QTest::mouseClick(axis.strip(), Qt::LeftButton, Qt::NoModifier, QPoint(part[0].toInt(), 18));
        QCOMPARE(axis.events.value(0), events(seek.isEmpty() ? "" : "A" + seek).value(0));
        QCOMPARE(axis.cursor()->findChild<QLabel*>("timeLabel")->text(), (seek.isEmpty() ? "03:00" : seek) + ":00");
        QCOMPARE(axis.cursor()->geometry(), QRect(part[2].toInt(), 0, 61, 20));
        QCOMPARE(axis.cursor()->flipped(), part[2].toInt() < part[0].toInt());
    }

    // Marks from the host's label store reach the bar by name, are placed by their moment, follow the view, renames
    // and deletions, and go with the search (the track's rules are tested on the track).
    void labelsFollowStoreAndView()
    {
        OneRow row;
        row.load(parse("00:00-09:00 10:00-23:59:59"));
        QVERIFY(!row.bar->canAddRecordingLabelAtPos(QPoint(570, 5))); // in the gap
        for (const char* name : { "start@00:02", "middle@12:00", "end@23:58", "gate@08:30" })
            row.addMark(QString(name).section('@', 0, 0), t(QString(name).section('@', 1)));
        // x 515 is 08:35:00, 300 s after the gate; x 514 is 240 s after it.
        QVERIFY(
            row.bar->canAddRecordingLabelAtPos(QPoint(515, 5)) && !row.bar->canAddRecordingLabelAtPos(QPoint(514, 5)));
        const QList<RecordingLabelWt*> marks = row.bar->findChildren<RecordingLabelWt*>();
        QCOMPARE(marks.size(), 4);
        auto mark = [&](const char* name) {
            return *std::find_if(marks.begin(), marks.end(),
                [&](RecordingLabelWt* mark) { return mark->getRecordingLabelInfo().name == name; });
        };
        // x 2 for the start (half the mark is 5 pixels), 720 for noon, 1438 for the end.
        QCOMPARE(
            QList<int>({ mark("start")->x(), mark("middle")->x(), mark("end")->x() }), QList<int>({ 0, 715, 1429 }));
        row.bar->setBeginTimeAndDegree(Degree1Hour, at(0, 0)); // the first hour: the middle mark is out of sight
        QVERIFY(mark("middle")->isHidden() && mark("start")->x() == 48 - 5);
        QVERIFY(QMetaObject::invokeMethod(
            row.bar, "slotUpdateRecordingLabelNameInLocalDB", Q_ARG(QString, "middle"), Q_ARG(QString, "noon")));
        QCOMPARE(mark("noon")->toolTip(), "noon:2024-03-05 12:00:00");
        QVERIFY(QMetaObject::invokeMethod(row.bar, "slotDeleteRecordingLabelFromLocalDB", Q_ARG(QString, "start")));
        QTRY_COMPARE(row.bar->findChildren<RecordingLabelWt*>().size(), 3);

        QSignalSpy labels(&row.box, &RecordingsTimeAxisBox::signalRecordingLabelsEnabled);
        row.box.recoverChannelRecordingTimeAxisInfo(0);
        const QList<QVariantList> dropped { { QStringList { "noon", "end", "gate" }, false } };
        QCOMPARE(QList<QVariantList>(labels), dropped);
        QCOMPARE(row.events, events("P0"));
        QTRY_VERIFY(row.bar->findChildren<RecordingLabelWt*>().isEmpty());
    }
};

QTEST_MAIN(tst_ChannelRecordingTimeAxisWt)
#include "tst_channelrecordingtimeaxiswt.moc"
