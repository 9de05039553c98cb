#include "timeaxis/channelrecordingtimeaxiswt_p.h"
#include "timeaxis/progresscursorwt_p.h"
#include "timeaxis/recordinglabelwt_p.h"
#include "timeaxis/recordingstimeaxisbox.h"

#include "timeaxisoracle.h"
#include "zcbtest.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

using namespace ZCORVANEBASE;

Q_DECLARE_METATYPE(ZCORVANEBASE::RecordingTimeInfo)

using Recordings = QVector<RecordingTimeInfo>;
using Range = QPair<QDateTime, QDateTime>;

namespace {
const QDate day(2024, 3, 5);
QDateTime at(int h, int m, int s = 0)
{
    return QDateTime(day, QTime(h, m, s));
}
RecordingTimeInfo recording(const QDateTime& begin, const QDateTime& end, bool isAlarm = false)
{
    RecordingTimeInfo info;
    info.beginDatetime = begin;
    info.endDatetime = end;
    info.isAlarm = isAlarm;
    return info;
}

const QRgb background = QColor(QStringLiteral("#24344c")).rgb();
const QRgb green = QColor(QStringLiteral("#00cf8b")).rgb();
const QRgb red = QColor(QStringLiteral("#dc4d4d")).rgb();
const QString channel = QStringLiteral("dev7_3");
const QString key = QStringLiteral("search-1");
constexpr int location = 2;

// A day of recordings as a recorder leaves them: continuous recording with gaps, short motion clips inside and
// across it (overlapping, touching, shorter than a pixel), and alarm recordings over both.
Recordings generatedDay(quint32 seed, int count)
{
    QRandomGenerator random(seed);
    Recordings recordings;
    const QDateTime dayBegin(day, QTime(0, 0), Qt::UTC);
    qint64 begin = -600 + random.bounded(300);
    while (recordings.size() < count) {
        const int kind = random.bounded(10);
        qint64 length;
        if (kind < 2)
            length = 600 + random.bounded(3600); // continuous
        else if (kind < 8)
            length = random.bounded(90); // motion clip, sometimes shorter than a pixel or empty
        else
            length = 30 + random.bounded(300); // alarm
        recordings << recording(dayBegin.addSecs(begin), dayBegin.addSecs(begin + length), kind >= 8);
        // Mostly small steps so clips overlap; now and then a gap.
        begin += random.bounded(5) == 0 ? random.bounded(600) : random.bounded(40);
    }
    return recordings;
}
}

// A box of one row whose bar is 1440 pixels wide: one pixel is a minute of the whole day.
class OneRow
{
public:
    OneRow()
        : box(1, true)
    {
        box.setChannelCheckBoxWidth(100);
        box.setMarginRight(10);
        box.resize(10 + 100 + 6 + 1440 + 10, box.height());
        bar = box.findChild<ChannelRecordingTimeAxisWt*>();
        bar->setBeginTimeAndDegree(Degree24Hours, at(0, 0));
        QObject::connect(&box, &RecordingsTimeAxisBox::signalAppointPlaybackTime,
            [this](const QString& id, int index, int loc, const QDateTime& dt) {
                events << TimeAxisOracle::appointEvent(id, index, loc, dt);
            });
        QObject::connect(&box, &RecordingsTimeAxisBox::signalDatetimePercentInFile,
            [this](int index, float percent) { events << TimeAxisOracle::percentEvent(index, percent); });
        QObject::connect(&box, &RecordingsTimeAxisBox::signalPlaybackToRecordingsTimeAxisEnd,
            [this](int index) { events << TimeAxisOracle::endEvent(index); });
    }

    void show()
    {
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(bar->width(), 1440);
    }

    RecordingSearchInfo search(const QDateTime& begin, const QDateTime& end) const
    {
        RecordingSearchInfo info;
        info.channelId = channel;
        info.recordingLocation = location;
        info.playbackIndex = 0;
        info.beginDatetime = begin;
        info.endDatetime = end;
        return info;
    }

    void load(const Recordings& recordings, bool autoAppoint = false, const QDateTime& searchBegin = at(0, 0),
        const QDateTime& searchEnd = at(0, 0).addDays(1))
    {
        box.setRecordingSearchInfo(SearchStarted, key, search(searchBegin, searchEnd));
        box.setChannelRecordingsTimeInfo(recordings, 0, key, true, autoAppoint);
        box.setRecordingSearchInfo(SearchFinished, key, search(searchBegin, searchEnd));
        events.clear();
    }

    ProgressCursorWt* cursor() const { return bar->findChild<ProgressCursorWt*>(); }
    QWidget* strip() const { return bar->findChild<QWidget*>(QStringLiteral("recordingsWt")); }

    RecordingsTimeAxisBox box;
    ChannelRecordingTimeAxisWt* bar;
    QStringList events;
};

class tst_ChannelRecordingTimeAxisWt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void paintsRecordings_data();
    void paintsRecordings();
    void paintingMatchesPlainAlgorithm_data();
    void paintingMatchesPlainAlgorithm();
    void clickSeeks_data();
    void clickSeeks();
    void staleReportsAfterSeek();
    void gapSkipping_data();
    void gapSkipping();
    void finishAtValidEnd();
    void autoAppointStart_data();
    void autoAppointStart();
    void seekByPercent();
    void playbackMatchesPlainAlgorithm();
    void amendDateTimeRange_data();
    void amendDateTimeRange();
    void labelDistance_data();
    void labelDistance();
    void labelPlacementAndUpkeep();
    void resetDropsLabelsAndReports();
    void badRecordingsKeepState_data();
    void badRecordingsKeepState();

private:
    static QImage stripImage(OneRow& row)
    {
        return row.strip()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    }
};

void tst_ChannelRecordingTimeAxisWt::initTestCase()
{
    ZcbTest::installFakeWorker();
}

void tst_ChannelRecordingTimeAxisWt::paintsRecordings_data()
{
    QTest::addColumn<int>("degree");
    QTest::addColumn<QDateTime>("begin");
    QTest::addColumn<Recordings>("recordings");
    QTest::addColumn<QList<int>>("columns");
    QTest::addColumn<QList<QRgb>>("colours");

    QTest::newRow("no recordings") << 24 << at(0, 0) << Recordings() << QList<int> { 0, 720, 1439 }
                                   << QList<QRgb> { background, background, background };
    QTest::newRow("normal interval, a pixel a minute")
        << 24 << at(0, 0) << Recordings { recording(at(1, 0), at(2, 0)) } << QList<int> { 59, 60, 119, 120 }
        << QList<QRgb> { background, green, green, background };
    QTest::newRow("alarm interval") << 24 << at(0, 0) << Recordings { recording(at(1, 0), at(2, 0), true) }
                                    << QList<int> { 59, 60, 119, 120 }
                                    << QList<QRgb> { background, red, red, background };
    // One hour on 1440 pixels: 2.5 s a pixel, 240 pixels for the 10 minutes after 06:00.
    QTest::newRow("across the left edge drawn from 0")
        << 1 << at(6, 0) << Recordings { recording(at(5, 50), at(6, 10)) } << QList<int> { 0, 239, 240 }
        << QList<QRgb> { green, green, background };
    QTest::newRow("ending exactly at the begin not drawn")
        << 1 << at(6, 0) << Recordings { recording(at(5, 0), at(6, 0), true) } << QList<int> { 0, 1 }
        << QList<QRgb> { background, background };
    QTest::newRow("beginning at the view's end not drawn")
        << 1 << at(6, 0) << Recordings { recording(at(7, 0), at(8, 0)) } << QList<int> { 1439 }
        << QList<QRgb> { background };
    QTest::newRow("across the right edge drawn to the end")
        << 1 << at(6, 0) << Recordings { recording(at(6, 59), at(8, 0), true) } << QList<int> { 1415, 1416, 1439 }
        << QList<QRgb> { background, red, red };
    QTest::newRow("later over earlier") << 24 << at(0, 0)
                                        << Recordings { recording(at(1, 0), at(3, 0), true),
                                               recording(at(2, 0), at(2, 30)) }
                                        << QList<int> { 60, 119, 120, 149, 150, 179 }
                                        << QList<QRgb> { red, red, green, green, red, red };
    QTest::newRow("a long earlier one does not cover a later short one")
        << 24 << at(0, 0)
        << Recordings { recording(at(1, 0), at(1, 10)), recording(at(1, 2), at(5, 0), true),
               recording(at(1, 4), at(1, 5)) }
        << QList<int> { 60, 61, 62, 63, 64, 65, 299, 300 }
        << QList<QRgb> { green, green, red, red, green, red, red, background };
    // 01:03 is 63/1440 of the day, which in double precision is just below column 63: the edge truncates to 62.
    QTest::newRow("edges truncate in the stated order")
        << 24 << at(0, 0) << Recordings { recording(at(1, 3), at(2, 0)) } << QList<int> { 61, 62, 119, 120 }
        << QList<QRgb> { background, green, green, background };
    QTest::newRow("narrower than a pixel not seen")
        << 24 << at(0, 0) << Recordings { recording(at(1, 0), at(1, 0, 59)) } << QList<int> { 59, 60, 61 }
        << QList<QRgb> { background, background, background };
}

void tst_ChannelRecordingTimeAxisWt::paintsRecordings()
{
    QFETCH(int, degree);
    QFETCH(QDateTime, begin);
    QFETCH(Recordings, recordings);
    QFETCH(QList<int>, columns);
    QFETCH(QList<QRgb>, colours);

    OneRow row;
    row.show();
    row.load(recordings);
    row.bar->setBeginTimeAndDegree(TimeAxisDegree(degree), begin);
    const QImage image = stripImage(row);
    QCOMPARE(image.width(), 1440);
    for (int i = 0; i < columns.size(); ++i) {
        QVERIFY2(image.pixel(columns.at(i), 0) == colours.at(i), qPrintable(QString::number(columns.at(i))));
        QCOMPARE(image.pixel(columns.at(i), image.height() - 1), colours.at(i));
    }
}

void tst_ChannelRecordingTimeAxisWt::paintingMatchesPlainAlgorithm_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("width");
    QTest::newRow("1440 pixels") << 1u << 1440;
    QTest::newRow("1427 pixels") << 2u << 1427;
    QTest::newRow("777 pixels") << 3u << 777;
}

void tst_ChannelRecordingTimeAxisWt::paintingMatchesPlainAlgorithm()
{
    QFETCH(quint32, seed);
    QFETCH(int, width);
    const Recordings recordings = generatedDay(seed, 3000);
    ChannelRecordingTimeAxisWt bar(false);
    bar.resize(width, 21);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    bar.setRecordingsTimeInfo(recordings, true, false);
    QWidget* strip = bar.findChild<QWidget*>(QStringLiteral("recordingsWt"));

    QRandomGenerator random(seed);
    const QDateTime dayBegin(day, QTime(0, 0), Qt::UTC);
    const int degrees[] = { 24, 12, 6, 3, 1 };
    for (int view = 0; view < 40; ++view) {
        const int degree = degrees[view % 5];
        const QDateTime begin = view < 5 ? dayBegin : dayBegin.addSecs(random.bounded(-7200, 86400));
        bar.setBeginTimeAndDegree(TimeAxisDegree(degree), begin);
        const QImage painted = strip->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage expected = TimeAxisOracle::paintRecordings(recordings, begin, degree, width, strip->height());
        if (painted != expected) {
            for (int x = 0; x < width; ++x) {
                if (painted.pixel(x, 0) != expected.pixel(x, 0))
                    QFAIL(qPrintable(QStringLiteral("degree %1 begin %2: column %3 differs")
                                         .arg(degree)
                                         .arg(begin.toString(Qt::ISODate))
                                         .arg(x)));
            }
            QFAIL("images differ below the first row");
        }
    }
}

void tst_ChannelRecordingTimeAxisWt::clickSeeks_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<QDateTime>("expected"); // invalid: nothing happens
    QTest::addColumn<bool>("flipped");
    QTest::newRow("inside the first recording") << 90 << at(1, 30) << false;
    QTest::newRow("in the gap") << 150 << QDateTime() << false;
    QTest::newRow("near the right edge the cursor flips") << 1400 << at(23, 20) << true;
    QTest::newRow("the cursor fits exactly") << 1379 << at(22, 59) << false;
}

void tst_ChannelRecordingTimeAxisWt::clickSeeks()
{
    QFETCH(int, x);
    QFETCH(QDateTime, expected);
    QFETCH(bool, flipped);
    OneRow row;
    row.show();
    row.load({ recording(at(1, 0), at(2, 0)), recording(at(3, 0), at(23, 59, 59)) });
    row.bar->appointPlaybackTime(at(3, 0));
    row.events.clear();
    const QPoint cursorPos = row.cursor()->pos();

    QTest::mouseClick(row.strip(), Qt::LeftButton, Qt::NoModifier, QPoint(x, 18));
    if (!expected.isValid()) {
        QVERIFY(row.events.isEmpty());
        QCOMPARE(row.cursor()->pos(), cursorPos);
        QCOMPARE(row.cursor()->getDatetime(), at(3, 0));
        return;
    }
    QCOMPARE(row.events.value(0), TimeAxisOracle::appointEvent(channel, 0, location, expected));
    QVERIFY(row.cursor()->isVisible());
    QCOMPARE(row.cursor()->getDatetime(), expected);
    QCOMPARE(row.cursor()->flipped(), flipped);
    QCOMPARE(row.cursor()->x(), flipped ? x - 61 : x);
    QVERIFY(row.cursor()->geometry().right() < 1440);
}

void tst_ChannelRecordingTimeAxisWt::staleReportsAfterSeek()
{
    OneRow row;
    row.show();
    row.load({ recording(at(9, 0), at(11, 0)), recording(at(13, 0), at(15, 0)) });
    row.box.appointPlaybackTime(channel, location, at(10, 0));
    row.box.updatePlaybackTime(at(10, 0), 0);
    row.box.appointPlaybackTime(channel, location, at(14, 0));
    QCOMPARE(row.events,
        (QStringList { TimeAxisOracle::appointEvent(channel, 0, location, at(10, 0)),
            TimeAxisOracle::percentEvent(0, 0.5f), TimeAxisOracle::percentEvent(0, 0.5f),
            TimeAxisOracle::appointEvent(channel, 0, location, at(14, 0)), TimeAxisOracle::percentEvent(0, 0.5f) }));
    row.events.clear();

    // Still playing the old position: ignored, the cursor stays at the new one.
    row.box.updatePlaybackTime(at(10, 0, 3), 0);
    row.box.updatePlaybackTime(at(9, 59, 56), 0);
    QVERIFY(row.events.isEmpty());
    QCOMPARE(row.cursor()->getDatetime(), at(14, 0));

    // Five seconds away is no longer the old position.
    row.box.updatePlaybackTime(at(14, 0, 1), 0);
    QCOMPARE(row.events, QStringList { TimeAxisOracle::percentEvent(0, 3601.0f / 7200.0f) });
    QCOMPARE(row.cursor()->getDatetime(), at(14, 0, 1));

    // The seek is settled: a report near the old position counts again.
    row.events.clear();
    row.box.updatePlaybackTime(at(10, 0, 3), 0);
    QCOMPARE(row.events, QStringList { TimeAxisOracle::percentEvent(0, 3603.0f / 7200.0f) });

    // An invalid report hides the cursor and reports nothing.
    row.events.clear();
    row.box.updatePlaybackTime(QDateTime(), 0);
    QVERIFY(!row.cursor()->isVisible());
    QVERIFY(row.events.isEmpty());
}

void tst_ChannelRecordingTimeAxisWt::gapSkipping_data()
{
    QTest::addColumn<QDateTime>("secondBegin");
    QTest::addColumn<QDateTime>("report");
    QTest::addColumn<QStringList>("expected");

    const QDateTime ten = at(10, 0);
    QTest::newRow("a gap is skipped to the next begin")
        << ten << at(9, 0, 30)
        << QStringList { TimeAxisOracle::appointEvent(channel, 0, location, ten), TimeAxisOracle::percentEvent(0, 0),
               TimeAxisOracle::percentEvent(0, 0) };
    QTest::newRow("2 s before the next recording is inside it")
        << at(9, 0, 1) << at(9, 0, 2) << QStringList { TimeAxisOracle::percentEvent(0, 1.0f / 7199.0f) };
    QTest::newRow("exactly 2 s before the next begin is inside it")
        << at(9, 0, 5) << at(9, 0, 3) << QStringList { TimeAxisOracle::percentEvent(0, 0) };
    QTest::newRow("3 s before the next begin is a gap")
        << at(9, 0, 5) << at(9, 0, 2)
        << QStringList { TimeAxisOracle::appointEvent(channel, 0, location, at(9, 0, 5)),
               TimeAxisOracle::percentEvent(0, 0), TimeAxisOracle::percentEvent(0, 0) };
    QTest::newRow("inside the current file nothing is checked")
        << ten << at(8, 45) << QStringList { TimeAxisOracle::percentEvent(0, 0.75f) };
}

void tst_ChannelRecordingTimeAxisWt::gapSkipping()
{
    QFETCH(QDateTime, secondBegin);
    QFETCH(QDateTime, report);
    QFETCH(QStringList, expected);
    OneRow row;
    row.load({ recording(at(8, 0), at(9, 0)), recording(secondBegin, at(11, 0)) });
    row.box.appointPlaybackTime(channel, location, at(8, 30));
    row.box.updatePlaybackTime(at(8, 30, 10), 0);
    row.events.clear();
    row.box.updatePlaybackTime(report, 0);
    QCOMPARE(row.events, expected);
}

void tst_ChannelRecordingTimeAxisWt::finishAtValidEnd()
{
    OneRow row;
    row.show();
    // The search ends before the last recording: playback ends with the search.
    row.load({ recording(at(8, 0), at(9, 0)), recording(at(10, 0), at(11, 0)) }, false, at(0, 0), at(10, 30));
    row.box.appointPlaybackTime(channel, location, at(10, 29));
    row.box.updatePlaybackTime(at(10, 29, 59), 0);
    QVERIFY(row.cursor()->isVisible());
    row.events.clear();

    row.box.updatePlaybackTime(at(10, 30), 0);
    QCOMPARE(row.events, QStringList { TimeAxisOracle::endEvent(0) });
    QVERIFY(!row.cursor()->isVisible());
    QVERIFY(!row.bar->hasPlaybackTime());

    row.box.updatePlaybackTime(at(10, 30, 1), 0);
    QCOMPARE(row.events, (QStringList { TimeAxisOracle::endEvent(0), TimeAxisOracle::endEvent(0) }));

    // A jump into the last two seconds of the last recording: no recording goes on for 2 s and none follows.
    OneRow other;
    other.load({ recording(at(8, 0), at(9, 0)), recording(at(10, 0), at(11, 0)) });
    other.box.appointPlaybackTime(channel, location, at(8, 30));
    other.box.updatePlaybackTime(at(8, 30, 10), 0);
    other.events.clear();
    other.box.updatePlaybackTime(at(10, 59, 59), 0);
    QCOMPARE(other.events, QStringList { TimeAxisOracle::endEvent(0) });
}

void tst_ChannelRecordingTimeAxisWt::autoAppointStart_data()
{
    QTest::addColumn<Recordings>("recordings");
    QTest::addColumn<QDateTime>("searchBegin");
    QTest::addColumn<QDateTime>("expected"); // invalid: no start

    QTest::newRow("search begin inside a recording")
        << Recordings { recording(at(7, 0), at(8, 0)), recording(at(8, 30), at(9, 0)) } << at(7, 30) << at(7, 30);
    QTest::newRow("recordings ending at the search begin are skipped")
        << Recordings { recording(at(7, 0), at(7, 30)), recording(at(8, 30), at(9, 0)) } << at(7, 30) << at(8, 30);
    QTest::newRow("a recording shorter than 3 s is never the start")
        << Recordings { recording(at(8, 0), at(8, 0, 2)), recording(at(8, 1), at(8, 1, 3)) } << at(7, 0) << at(8, 1);
    QTest::newRow("only short recordings: no start")
        << Recordings { recording(at(8, 0), at(8, 0, 2)) } << at(7, 0) << QDateTime();
}

void tst_ChannelRecordingTimeAxisWt::autoAppointStart()
{
    QFETCH(Recordings, recordings);
    QFETCH(QDateTime, searchBegin);
    QFETCH(QDateTime, expected);
    OneRow row;
    row.box.setRecordingSearchInfo(SearchStarted, key, row.search(searchBegin, at(23, 0)));
    row.events.clear();
    row.box.setChannelRecordingsTimeInfo(recordings, 0, key, true, true);
    if (!expected.isValid()) {
        QVERIFY(row.events.isEmpty());
        return;
    }
    QCOMPARE(row.events.value(0), TimeAxisOracle::appointEvent(channel, 0, location, expected));
}

void tst_ChannelRecordingTimeAxisWt::seekByPercent()
{
    OneRow row;
    row.load({ recording(at(8, 0), at(9, 0)), recording(at(10, 0), at(11, 0)) });
    QSignalSpy appointed(&row.box, SIGNAL(signalAppointPlaybackTime(QString,int,int,QDateTime)));
    row.box.appointPlaybackTime(0, 0.5f); // no current file yet
    QCOMPARE(appointed.count(), 0);
    row.box.appointPlaybackTime(channel, location, at(10, 10));
    row.box.appointPlaybackTime(0, 0.25f);
    QCOMPARE(appointed.count(), 2);
    QCOMPARE(appointed.at(1).at(3).toDateTime(), at(10, 15));
    row.box.appointPlaybackTime(5, 0.25f); // no such row
    QCOMPARE(appointed.count(), 2);
}

// Drives a bar like a player would, seeking at random now and then and following the bar's own seeks, and holds
// every signal to what the plain algorithm emits for the same calls.
void tst_ChannelRecordingTimeAxisWt::playbackMatchesPlainAlgorithm()
{
    const Recordings recordings = generatedDay(7, 3000);
    const QDateTime dayBegin(day, QTime(0, 0), Qt::UTC);
    OneRow row;
    RecordingSearchInfo info = row.search(dayBegin, dayBegin.addSecs(80000));
    row.box.setRecordingSearchInfo(SearchStarted, key, info);
    row.events.clear();
    TimeAxisOracle::Bar oracle;
    oracle.searchInfo = info;

    row.box.setChannelRecordingsTimeInfo(recordings, 0, key, true, true);
    oracle.setRecordings(recordings, true);
    QCOMPARE(row.events, oracle.events);

    QRandomGenerator random(11);
    QDateTime player = dayBegin;
    for (int step = 0; step < 4000; ++step) {
        const int before = row.events.size();
        const int choice = random.bounded(100);
        if (choice < 3) {
            const QDateTime target = dayBegin.addSecs(random.bounded(86400));
            row.box.appointPlaybackTime(channel, location, target);
            oracle.appointPlaybackTime(target);
        } else if (choice < 6) {
            const QDateTime stale = player.addSecs(random.bounded(-4, 5));
            row.box.updatePlaybackTime(stale, 0);
            oracle.updatePlaybackTime(stale);
        } else {
            player = player.addSecs(random.bounded(1, 30));
            row.box.updatePlaybackTime(player, 0);
            oracle.updatePlaybackTime(player);
        }
        QCOMPARE(row.events, oracle.events);
        // The player follows the bar: a seek moves it, the end starts it again somewhere.
        for (int i = before; i < row.events.size(); ++i) {
            if (row.events.at(i).startsWith(QStringLiteral("appoint")))
                player = row.bar->getPlaybackDatetime();
            else if (row.events.at(i).startsWith(QStringLiteral("end")))
                player = dayBegin.addSecs(random.bounded(86400));
        }
    }
    QVERIFY(row.events.filter(QStringLiteral("end")).size() > 0);
    QVERIFY(row.events.filter(QStringLiteral("appoint")).size() > 20);
}

void tst_ChannelRecordingTimeAxisWt::amendDateTimeRange_data()
{
    QTest::addColumn<QDateTime>("begin");
    QTest::addColumn<uint>("secs");
    QTest::addColumn<Range>("expected");
    // Recordings 08:00-09:00, 10:00-11:00, 12:00-13:00.
    QTest::newRow("inside one recording") << at(8, 10) << 600u << Range(at(8, 10), at(8, 20));
    QTest::newRow("end in a gap ends with the earlier recording") << at(8, 30) << 3600u << Range(at(8, 30), at(9, 0));
    QTest::newRow("begin in a gap starts with the next recording")
        << at(9, 30) << 3600u << Range(at(10, 0), at(10, 30));
    QTest::newRow("end beyond the last recording") << at(12, 30) << 7200u << Range(at(12, 30), at(13, 0));
    QTest::newRow("whole gap: start only") << at(9, 10) << 600u << Range(at(10, 0), QDateTime());
    QTest::newRow("zero seconds") << at(8, 10) << 0u << Range();
    QTest::newRow("before the first recording") << at(6, 0) << 3600u << Range();
    QTest::newRow("after the last recording") << at(13, 0, 1) << 60u << Range();
    QTest::newRow("invalid begin") << QDateTime() << 60u << Range();
}

void tst_ChannelRecordingTimeAxisWt::amendDateTimeRange()
{
    QFETCH(QDateTime, begin);
    QFETCH(uint, secs);
    QFETCH(Range, expected);
    OneRow row;
    row.load({ recording(at(8, 0), at(9, 0)), recording(at(10, 0), at(11, 0)), recording(at(12, 0), at(13, 0)) });
    QCOMPARE(row.box.amendDateTimeRange(0, begin, secs), expected);
    QCOMPARE(row.box.amendDateTimeRange(3, at(8, 10), 600), Range()); // no such row
}

void tst_ChannelRecordingTimeAxisWt::labelDistance_data()
{
    QTest::addColumn<QDateTime>("mark");
    QTest::addColumn<int>("x");
    QTest::addColumn<bool>("allowed");
    // On the whole day a pixel is a minute: x 515 is 08:35:00.
    QTest::newRow("299 s after a mark") << at(8, 30, 1) << 515 << false;
    QTest::newRow("300 s after a mark") << at(8, 30) << 515 << true;
    QTest::newRow("300 s before a mark") << at(8, 40) << 515 << true;
    QTest::newRow("299 s before a mark") << at(8, 39, 59) << 515 << false;
    QTest::newRow("on the mark") << at(8, 35) << 515 << false;
    QTest::newRow("in a gap") << at(8, 0) << 570 << false;
}

void tst_ChannelRecordingTimeAxisWt::labelDistance()
{
    QFETCH(QDateTime, mark);
    QFETCH(int, x);
    QFETCH(bool, allowed);
    OneRow row;
    row.show();
    row.load({ recording(at(8, 0), at(9, 0)), recording(at(10, 0), at(11, 0)) });
    QVERIFY(row.bar->canAddRecordingLabelAtPos(QPoint(515, 5)));
    LocalRecordingLabelInfo info;
    info.name = QStringLiteral("gate");
    info.channelId = channel;
    info.recordingLocation = location;
    info.datetime = mark;
    QVERIFY(QMetaObject::invokeMethod(
        row.bar, "slotAddRecordingLabelToLocalDB", Q_ARG(LocalRecordingLabelInfo, info), Q_ARG(int, 0)));
    QCOMPARE(row.bar->canAddRecordingLabelAtPos(QPoint(x, 5)), allowed);
}

void tst_ChannelRecordingTimeAxisWt::labelPlacementAndUpkeep()
{
    OneRow row;
    row.show();
    row.load({ recording(at(0, 0), at(23, 59, 59)) });
    auto add = [&](const QString& name, const QDateTime& datetime, const QString& channelId, int result) {
        LocalRecordingLabelInfo info;
        info.name = name;
        info.channelId = channelId;
        info.recordingLocation = location;
        info.datetime = datetime;
        QVERIFY(QMetaObject::invokeMethod(
            row.bar, "slotAddRecordingLabelToLocalDB", Q_ARG(LocalRecordingLabelInfo, info), Q_ARG(int, result)));
    };
    add(QStringLiteral("start"), at(0, 2), channel, 0);
    add(QStringLiteral("middle"), at(12, 0), channel, 0);
    add(QStringLiteral("end"), at(23, 58), channel, 0);
    add(QStringLiteral("other channel"), at(6, 0), QStringLiteral("dev1_1"), 0);
    add(QStringLiteral("failed"), at(7, 0), channel, 1);
    QCOMPARE(row.box.getAllEnabledRecordingLabels(),
        (QStringList { QStringLiteral("start"), QStringLiteral("middle"), QStringLiteral("end") }));

    const QList<RecordingLabelWt*> marks = row.bar->findChildren<RecordingLabelWt*>();
    QCOMPARE(marks.size(), 3);
    auto markNamed = [&](const QString& name) {
        for (RecordingLabelWt* mark : marks) {
            if (mark->getRecordingLabelInfo().name == name)
                return mark;
        }
        return static_cast<RecordingLabelWt*>(nullptr);
    };
    QCOMPARE(markNamed(QStringLiteral("start"))->x(), 0); // x 2, half the mark is 5
    QCOMPARE(markNamed(QStringLiteral("middle"))->x(), 720 - 5);
    QCOMPARE(markNamed(QStringLiteral("end"))->x(), 1440 - 11);
    QCOMPARE(markNamed(QStringLiteral("middle"))->toolTip(), QStringLiteral("middle:2024-03-05 12:00:00"));

    // Zooming to the first hour moves the middle mark out of sight and the start mark with the view.
    row.bar->setBeginTimeAndDegree(Degree1Hour, at(0, 0));
    QVERIFY(markNamed(QStringLiteral("middle"))->isHidden());
    QCOMPARE(markNamed(QStringLiteral("start"))->x(), 48 - 5);

    QVERIFY(QMetaObject::invokeMethod(row.bar, "slotUpdateRecordingLabelNameInLocalDB",
        Q_ARG(QString, QStringLiteral("middle")), Q_ARG(QString, QStringLiteral("noon"))));
    QCOMPARE(markNamed(QStringLiteral("noon"))->toolTip(), QStringLiteral("noon:2024-03-05 12:00:00"));

    QVERIFY(QMetaObject::invokeMethod(
        row.bar, "slotDeleteRecordingLabelFromLocalDB", Q_ARG(QString, QStringLiteral("start"))));
    QVERIFY(QMetaObject::invokeMethod(
        row.bar, "slotDeleteRecordingLabelFromLocalDB", Q_ARG(QString, QStringLiteral("unknown"))));
    QCOMPARE(row.box.getAllEnabledRecordingLabels(), (QStringList { QStringLiteral("noon"), QStringLiteral("end") }));
}

void tst_ChannelRecordingTimeAxisWt::resetDropsLabelsAndReports()
{
    OneRow row;
    row.load({ recording(at(8, 0), at(9, 0)) });
    LocalRecordingLabelInfo info;
    info.name = QStringLiteral("gate");
    info.channelId = channel;
    info.recordingLocation = location;
    info.datetime = at(8, 30);
    QVERIFY(QMetaObject::invokeMethod(
        row.bar, "slotAddRecordingLabelToLocalDB", Q_ARG(LocalRecordingLabelInfo, info), Q_ARG(int, 0)));
    row.box.appointPlaybackTime(channel, location, at(8, 15));
    QSignalSpy labels(&row.box, SIGNAL(signalRecordingLabelsEnabled(QStringList,bool)));
    row.events.clear();

    row.box.recoverChannelRecordingTimeAxisInfo(0);
    QCOMPARE(labels.count(), 1);
    QCOMPARE(labels.at(0).at(0).toStringList(), QStringList { QStringLiteral("gate") });
    QCOMPARE(labels.at(0).at(1).toBool(), false);
    QCOMPARE(row.events, QStringList { TimeAxisOracle::percentEvent(0, 0) });
    QVERIFY(row.bar->hasNoneRecordings());
    QVERIFY(!row.bar->hasPlaybackTime());
    QVERIFY(row.box.getAllEnabledRecordingLabels().isEmpty());
    QVERIFY(row.box.getRecordingSearchInfo(0).channelId.isEmpty());

    row.box.recoverChannelRecordingTimeAxisInfo(0); // nothing left to drop: still reported
    QCOMPARE(labels.count(), 2);
    QVERIFY(labels.at(1).at(0).toStringList().isEmpty());
}

void tst_ChannelRecordingTimeAxisWt::badRecordingsKeepState_data()
{
    QTest::addColumn<Recordings>("recordings");
    QTest::newRow("unsorted") << Recordings { recording(at(10, 0), at(11, 0)), recording(at(8, 0), at(9, 0)) };
    QTest::newRow("invalid begin") << Recordings { recording(QDateTime(), at(11, 0)) };
    QTest::newRow("end before begin") << Recordings { recording(at(11, 0), at(10, 0)) };
}

void tst_ChannelRecordingTimeAxisWt::badRecordingsKeepState()
{
    QFETCH(Recordings, recordings);
    OneRow row;
    row.show();
    row.load({ recording(at(1, 0), at(2, 0)) });
    row.box.appointPlaybackTime(channel, location, at(1, 30));
    row.events.clear();
    row.box.setChannelRecordingsTimeInfo(recordings, 0, key, true, true);
    QVERIFY(row.events.isEmpty());
    QVERIFY(row.cursor()->isVisible());
    QCOMPARE(stripImage(row).pixel(90, 0), green);
    QCOMPARE(row.box.amendDateTimeRange(0, at(1, 10), 60), Range(at(1, 10), at(1, 11)));
}

QTEST_MAIN(tst_ChannelRecordingTimeAxisWt)
#include "tst_channelrecordingtimeaxiswt.moc"
