// One playback window's playback without a widget: seeks, progress reports, gap skips, the end of playback, the
// percent in the file, what is recorded where, the recorded part of a stretch, the label marks, the host's activity
// samples and bookmarks, and the cache of preview pictures.

#include "timeaxis/recordingtrack_p.h"
#include "timeaxis/thumbnailpreview_p.h"

#include "timeaxisoracle.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <QtTest>

using namespace ZCORVANEBASE;
using namespace TimeAxisOracle;

namespace {
const QString channel = QStringLiteral("dev7_3");
const QString key = QStringLiteral("search-1");
constexpr int location = 2;

RecordingSearchInfo search(const QDateTime& begin, const QDateTime& end = at(0, 0).addDays(1))
{
    return RecordingSearchInfo { channel, location, 0, 0, begin, end, QDateTime() };
}

// The signals of row 0 in the oracle's notation.
QString A(int h, int m, int s = 0)
{
    return appointEvent(channel, 0, location, at(h, m, s));
}
QString P(double percent)
{
    return percentEvent(0, float(percent));
}
const QString E = endEvent(0);

// One step of a script: a seek, a progress report (an invalid moment is a report without one) or forgetting the
// signals so far.
struct Step
{
    enum Kind
    {
        Seek,
        Report,
        Forget
    } kind;
    QDateTime moment;
};
using Script = QVector<Step>;
Step seek(int h, int m, int s = 0)
{
    return { Step::Seek, at(h, m, s) };
}
Step report(int h, int m, int s = 0)
{
    return { Step::Report, at(h, m, s) };
}
const Step reportNothing { Step::Report, QDateTime() };
const Step forget { Step::Forget, QDateTime() };
} // namespace

Q_DECLARE_METATYPE(Script)
using Samples = QVector<ActivitySample>;
using Bookmarks = QVector<Bookmark>;

// A track of playback window 0 whose signals land in `events`, the play cursor's moment in `cursor`.
class Track
{
public:
    Track()
    {
        track.setPlaybackIndex(0);
        QObject::connect(&track, &RecordingTrack::playbackAppointed,
            [this](const QString& c, int i, int l, const QDateTime& d) { events << appointEvent(c, i, l, d); });
        QObject::connect(&track, &RecordingTrack::percentInFile,
            [this](int index, float value) { events << percentEvent(index, value); });
        QObject::connect(&track, &RecordingTrack::playbackFinished, [this](int index) { events << endEvent(index); });
        QObject::connect(&track, &RecordingTrack::cursorMoved, [this](const QDateTime& moment) { cursor = moment; });
    }
    void load(const Recordings& recordings, bool autoStart = false, const RecordingSearchInfo& info = search(at(0, 0)))
    {
        track.startSearch(key, info);
        events.clear();
        track.setRecordings(recordings, true, autoStart);
    }
    void run(const Script& script)
    {
        for (const Step& step : script) {
            if (step.kind == Step::Forget)
                events.clear();
            else if (step.kind == Step::Seek)
                track.seek(step.moment);
            else
                track.reportProgress(step.moment);
        }
    }

    RecordingTrack track;
    QStringList events;
    QDateTime cursor;
};

class tst_RecordingTrack : public QObject
{
    Q_OBJECT

private slots:
    void playback_data()
    {
        QTest::addColumn<Recordings>("recordings");
        QTest::addColumn<QTime>("autoStart"); // the search's begin, where playback starts; null: no automatic start
        QTest::addColumn<Script>("script");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QDateTime>("cursor"); // invalid: hidden

        const Recordings twoHours { recording(at(9, 0), at(11, 0)), recording(at(13, 0), at(15, 0)) };
        const Recordings gapAtNine { recording(at(8, 0), at(9, 0)), recording(at(10, 0), at(11, 0)) };
        const Recordings nearlyTouching { recording(at(8, 0), at(9, 0)), recording(at(9, 0, 5), at(11, 0)) };
        QTest::newRow("reports of the old position after a seek are ignored")
            << twoHours << QTime()
            << Script { seek(10, 0), report(10, 0), seek(14, 0), report(10, 0, 3), report(9, 59, 56) }
            << QStringList { A(10, 0), P(0.5), P(0.5), A(14, 0), P(0.5) } << at(14, 0);
        QTest::newRow("5 s away is no longer the old position, then it counts again")
            << twoHours << QTime() << Script { seek(10, 0), seek(14, 0), forget, report(14, 0, 1), report(10, 0, 3) }
            << QStringList { P(3601 / 7200.0), P(3603 / 7200.0) } << at(10, 0, 3);
        QTest::newRow("a gap is skipped to the next begin")
            << gapAtNine << QTime() << Script { seek(8, 30), report(8, 30, 10), forget, report(9, 0, 30) }
            << QStringList { A(10, 0), P(0), P(0) } << at(10, 0);
        QTest::newRow("exactly 2 s before the next begin is inside it")
            << nearlyTouching << QTime() << Script { seek(8, 30), report(8, 30, 10), forget, report(9, 0, 3) }
            << QStringList { P(0) } << at(9, 0, 3);
        QTest::newRow("3 s before the next begin is a gap")
            << nearlyTouching << QTime() << Script { seek(8, 30), report(8, 30, 10), forget, report(9, 0, 2) }
            << QStringList { A(9, 0, 5), P(0), P(0) } << at(9, 0, 5);
        // No recording goes on for 2 s after 10:59:59 and none follows.
        QTest::newRow("the last two seconds end playback")
            << gapAtNine << QTime() << Script { seek(8, 30), report(8, 30, 10), forget, report(10, 59, 59) }
            << QStringList { E } << QDateTime();
        QTest::newRow("the end is reported once per report")
            << gapAtNine << QTime() << Script { seek(10, 30), forget, report(11, 0), report(11, 0, 1) }
            << QStringList { E, E } << QDateTime();
        QTest::newRow("a report without a moment hides the cursor")
            << gapAtNine << QTime() << Script { seek(8, 30), forget, reportNothing } << QStringList() << QDateTime();
        QTest::newRow("a seek into a gap changes nothing")
            << gapAtNine << QTime() << Script { seek(8, 30), forget, seek(9, 30) } << QStringList() << at(8, 30);

        QTest::newRow("the start inside a recording over the search begin")
            << Recordings { recording(at(7, 0), at(8, 0)), recording(at(8, 30), at(9, 0)) } << QTime(7, 30) << Script()
            << QStringList { A(7, 30), P(0.5) } << at(7, 30);
        QTest::newRow("recordings ending at the search begin are skipped")
            << Recordings { recording(at(7, 0), at(7, 30)), recording(at(8, 30), at(9, 0)) } << QTime(7, 30) << Script()
            << QStringList { A(8, 30), P(0) } << at(8, 30);
        QTest::newRow("a recording shorter than 3 s is never the start")
            << Recordings { recording(at(8, 0), at(8, 0, 2)), recording(at(8, 1), at(8, 1, 3)) } << QTime(7, 0)
            << Script() << QStringList { A(8, 1), P(0) } << at(8, 1);

        // Entries without a usable span hold no moment; the others play as if they had come alone.
        const Recordings withInvalidBegin { recording(at(8, 0), at(9, 0)), recording(QDateTime(), at(10, 0)),
            recording(at(10, 0), at(11, 0)) };
        QTest::newRow("an entry with an invalid begin does not hide the others")
            << withInvalidBegin << QTime(0, 0) << Script { seek(10, 30) }
            << QStringList { A(8, 0), P(0), A(10, 30), P(0.5) } << at(10, 30);
        const Recordings withReversed { recording(at(8, 0), at(9, 0)), recording(at(12, 0), at(11, 0)),
            recording(at(10, 0), at(11, 0)) };
        QTest::newRow("an entry ending before its begin is never a target")
            << withReversed << QTime()
            << Script { seek(11, 30), seek(8, 30), report(8, 30, 10), forget, report(9, 0, 30) }
            << QStringList { A(10, 0), P(0), P(0) } << at(10, 0);
        // Out of order, playback follows the delivery order as the plain loops do: the first recording delivered
        // begins at 10:00, so 09:00:30 lies before the recordings and is no gap.
        QTest::newRow("out of order: before the first delivered is no gap")
            << Recordings { recording(at(10, 0), at(11, 0)), recording(at(8, 0), at(9, 0)),
                   recording(at(12, 0), at(13, 0)) }
            << QTime() << Script { seek(8, 30), forget, report(8, 30, 10), report(9, 0, 30) }
            << QStringList { P(1810 / 3600.0), P(0) } << at(9, 0, 30);
        QTest::newRow("out of order: a gap skips to the first delivered that begins later")
            << Recordings { recording(at(8, 0), at(9, 0)), recording(at(12, 0), at(13, 0)),
                   recording(at(10, 0), at(11, 0)) }
            << QTime() << Script { seek(8, 30), report(8, 30, 10), forget, report(9, 0, 30) }
            << QStringList { A(12, 0), P(0), P(0) } << at(12, 0);
    }

    void playback()
    {
        QFETCH(Recordings, recordings);
        QFETCH(QTime, autoStart);
        QFETCH(Script, script);
        Track row;
        if (usableOf(recordings).size() != recordings.size())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("recordings delivered")));
        row.load(recordings, autoStart.isValid(), search(at(0, 0).addSecs(QTime(0, 0).secsTo(autoStart))));
        row.run(script);
        QTEST(row.events, "expected");
        QTEST(row.cursor, "cursor");
        QCOMPARE(row.track.recordings(), recordings); // kept whole, in the order delivered
    }

    void warnsOncePerCall_data()
    {
        QTest::addColumn<QString>("message");
        QTest::newRow("recordings") << "2 of the 3 recordings delivered for playback window 1";
        QTest::newRow("activity samples") << "2 of the 3 activity samples given for playback window 1";
        QTest::newRow("bookmarks") << "2 of the 3 bookmarks given for playback window 1";
    }

    // One warning per call that holds unusable entries, naming how many.
    void warnsOncePerCall()
    {
        QFETCH(QString, message);
        Track row;
        row.load({});
        int warnings = 0;
        static int* counter = nullptr;
        static QString* expected = nullptr;
        counter = &warnings;
        expected = &message;
        const QtMessageHandler previous
            = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
                  if (text.contains(*expected))
                      ++*counter;
              });
        auto restore = qScopeGuard([previous] { qInstallMessageHandler(previous); });
        auto deliver = [&](bool bad) {
            if (message.contains("recordings"))
                row.track.setRecordings({ recording(at(8, 0), bad ? at(7, 0) : at(9, 0)), recording(at(8, 0), at(9, 0)),
                                            recording(bad ? QDateTime() : at(8, 0), at(9, 0)) },
                    true, false);
            else if (message.contains("activity"))
                row.track.setActivity(
                    { { at(8, 0), bad ? 0 : 60, 50 }, { at(8, 0), 60, 50 }, { at(8, 0), 60, bad ? 101 : 0 } });
            else
                row.track.setBookmarks({ { "a", "A", at(8, 0), bad ? at(7, 0) : at(9, 0) },
                    { "b", "B", at(8, 0), at(9, 0) }, { "c", "C", bad ? QDateTime() : at(8, 0), at(9, 0) } });
        };
        deliver(true);
        deliver(false);
        deliver(true);
        QCOMPARE(warnings, 2);
    }

    void seekInFile_data()
    {
        QTest::addColumn<float>("percent");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("three quarters of the file") << 0.75f << QStringList { A(10, 45), P(0.75) };
        QTest::newRow("the end of the file") << 1.0f << QStringList { A(11, 0), P(1) };
        QTest::newRow("beyond the file, in the gap") << 1.5f << QStringList();
        QTest::newRow("not a number") << float(qQNaN()) << QStringList();
        QTest::newRow("far outside any recording") << 1e30f << QStringList();
    }

    // A fraction of the recording that plays, not of the day.
    void seekInFile()
    {
        QFETCH(float, percent);
        Track row;
        row.load({ recording(at(8, 0), at(9, 0)), recording(at(10, 0), at(11, 0)) });
        QVERIFY(!row.track.seekInFile(0.5f)); // nothing plays: no file
        row.track.seek(at(10, 15));
        row.events.clear();
        row.track.seekInFile(percent);
        QTEST(row.events, "expected");
    }

    void recordedWithin_data()
    {
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<QDateTime>("to");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QDateTime>("begin");
        QTest::addColumn<QDateTime>("end");
        const int none = RecordingTrack::NoRecording, normal = RecordingTrack::NormalRecording,
                  alarm = RecordingTrack::AlarmRecording;
        QTest::newRow("inside one recording") << at(8, 30) << at(8, 30) << normal << at(8, 0) << at(10, 0);
        QTest::newRow("an alarm delivered later lies on top")
            << at(9, 10) << at(9, 10) << alarm << at(9, 0) << at(9, 30);
        QTest::newRow("and a later normal one on top of it")
            << at(9, 17) << at(9, 17) << normal << at(9, 15) << at(9, 20);
        QTest::newRow("a begin and an end belong to the recording")
            << at(9, 30) << at(9, 30) << alarm << at(9, 0) << at(9, 30);
        QTest::newRow("a gap") << at(11, 0) << at(11, 0) << none << QDateTime() << QDateTime();
        QTest::newRow("a recording of no length") << at(12, 0) << at(12, 0) << normal << at(12, 0) << at(12, 0);
        QTest::newRow("a stretch reaching a recording") << at(10, 30) << at(12, 30) << normal << at(12, 0) << at(12, 0);
        QTest::newRow("a stretch between recordings") << at(10, 1) << at(11, 59) << none << QDateTime() << QDateTime();
        QTest::newRow("an unusable entry holds nothing")
            << at(14, 30) << at(14, 30) << none << QDateTime() << QDateTime();
    }

    void recordedWithin()
    {
        QFETCH(QDateTime, from);
        QFETCH(QDateTime, to);
        Track row;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("recordings delivered")));
        row.load({ recording(at(8, 0), at(10, 0)), recording(at(9, 0), at(9, 30), true),
            recording(at(9, 15), at(9, 20)), recording(at(12, 0), at(12, 0)), recording(at(15, 0), at(14, 0)) });
        for (bool sorted : { true, false }) {
            if (!sorted) { // the same recordings out of order give the same answers where the order on top stays
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("recordings delivered")));
                row.track.setRecordings({ recording(at(12, 0), at(12, 0)), recording(at(8, 0), at(10, 0)),
                                            recording(at(9, 0), at(9, 30), true), recording(at(9, 15), at(9, 20)),
                                            recording(at(15, 0), at(14, 0)) },
                    true, false);
            }
            const RecordingTrack::Recorded recorded = row.track.recordedWithin(from, to);
            QTEST(int(recorded.kind), "kind");
            QTEST(recorded.begin, "begin");
            QTEST(recorded.end, "end");
        }
    }

    void neighbouringBegins_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<bool>("alarmOnly");
        QTest::addColumn<QDateTime>("earliestFrom");
        QTest::addColumn<QDateTime>("latestBefore");
        QTest::newRow("between two begins") << at(9, 30) << false << at(10, 0) << at(9, 0);
        QTest::newRow("at a begin: from includes it, before does not") << at(10, 0) << false << at(10, 0) << at(9, 0);
        QTest::newRow("alarm recordings only") << at(9, 30) << true << at(11, 0) << at(8, 0);
        QTest::newRow("after the last") << at(12, 0) << false << QDateTime() << at(11, 0);
        QTest::newRow("before the first alarm") << at(7, 0) << true << at(8, 0) << QDateTime();
    }

    // The keyboard's next and previous recording, whatever the order the recordings came in.
    void neighbouringBegins()
    {
        QFETCH(QDateTime, moment);
        QFETCH(bool, alarmOnly);
        Recordings recordings { recording(at(8, 0), at(8, 30), true), recording(at(9, 0), at(9, 40)),
            recording(at(10, 0), at(10, 10)), recording(at(11, 0), at(11, 5), true) };
        for (int pass = 0; pass < 2; ++pass) {
            Track row;
            row.load(recordings);
            QTEST(row.track.earliestBeginFrom(moment, alarmOnly), "earliestFrom");
            QTEST(row.track.latestBeginBefore(moment, alarmOnly), "latestBefore");
            std::reverse(recordings.begin(), recordings.end());
        }
    }

    void amendDateTimeRange_data()
    {
        QTest::addColumn<QDateTime>("begin");
        QTest::addColumn<uint>("secs");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("end");
        QTest::newRow("inside one recording") << at(8, 10) << 600u << at(8, 10) << at(8, 20);
        QTest::newRow("an end in a gap ends with the earlier recording") << at(8, 30) << 3600u << at(8, 30) << at(9, 0);
        QTest::newRow("a begin in a gap starts with the next recording")
            << at(9, 30) << 3600u << at(10, 0) << at(10, 30);
        QTest::newRow("an end beyond the last recording") << at(12, 30) << 7200u << at(12, 30) << at(13, 0);
        QTest::newRow("a whole gap: a start only") << at(9, 10) << 600u << at(10, 0) << QDateTime();
        QTest::newRow("zero seconds") << at(8, 10) << 0u << QDateTime() << QDateTime();
        QTest::newRow("before the first recording") << at(6, 0) << 3600u << QDateTime() << QDateTime();
        QTest::newRow("after the last recording") << at(13, 0, 1) << 60u << QDateTime() << QDateTime();
    }

    void amendDateTimeRange()
    {
        QFETCH(QDateTime, begin);
        QFETCH(uint, secs);
        Track row;
        row.load({ recording(at(8, 0), at(9, 0)), recording(at(10, 0), at(11, 0)), recording(at(12, 0), at(13, 0)) });
        const QPair<QDateTime, QDateTime> range = row.track.amendDateTimeRange(begin, secs);
        QTEST(range.first, "start");
        QTEST(range.second, "end");
    }

    // Marks come from the host's label store: only stored ones of this channel and location, at least 300 s apart.
    void labelMarks()
    {
        Track row;
        row.load({ recording(at(0, 0), at(9, 0)), recording(at(10, 0), at(23, 59, 59)) });
        QSignalSpy added(&row.track, &RecordingTrack::labelMarkAdded);
        QSignalSpy removed(&row.track, &RecordingTrack::labelMarkRemoved);
        QSignalSpy renamed(&row.track, &RecordingTrack::labelMarkRenamed);
        QSignalSpy dropped(&row.track, &RecordingTrack::labelMarksDropped);
        const auto mark
            = [](const QString& name, const QDateTime& at, const QString& id = channel, int where = location) {
                  return LocalRecordingLabelInfo { name, id, where, at };
              };
        QVERIFY(!row.track.canAddLabelMarkAt(at(9, 30))); // in the gap
        QVERIFY(row.track.addLabelMark(mark("gate", at(8, 30)), 0));
        QVERIFY(row.track.addLabelMark(mark("door", at(8, 49, 59)), 0));
        QVERIFY(row.track.addLabelMark(mark("gate", at(12, 0)), 0));
        QVERIFY(!row.track.addLabelMark(mark("failed", at(7, 0)), 1));
        QVERIFY(!row.track.addLabelMark(mark("other channel", at(6, 0), "dev1_1"), 0));
        QVERIFY(!row.track.addLabelMark(mark("other location", at(6, 0), channel, location + 1), 0));
        QCOMPARE(QList<QVariantList>(added), (QList<QVariantList> { { 0 }, { 1 }, { 2 } }));
        // 08:35:00 is 300 s after the gate; 08:44:59 is 300 s before the door and 08:45:00 299 s.
        QVERIFY(row.track.canAddLabelMarkAt(at(8, 35)) && row.track.canAddLabelMarkAt(at(8, 44, 59)));
        QVERIFY(!row.track.canAddLabelMarkAt(at(8, 34, 59)) && !row.track.canAddLabelMarkAt(at(8, 45)));

        QVERIFY(row.track.renameLabelMark("gate", "noon gate")); // the first of the name
        QVERIFY(!row.track.renameLabelMark("unknown", "x"));
        QVERIFY(row.track.removeLabelMark("door") && !row.track.removeLabelMark("door"));
        QCOMPARE(row.track.labelMarkNames(), (QStringList { "noon gate", "gate" }));
        QCOMPARE(QList<QVariantList>(renamed), QList<QVariantList> { { 0 } });
        QCOMPARE(QList<QVariantList>(removed), QList<QVariantList> { { 1 } });

        row.track.reset();
        row.track.reset(); // nothing left to drop: still reported
        QCOMPARE(QList<QVariantList>(dropped),
            (QList<QVariantList> { { QStringList { "noon gate", "gate" } }, { QStringList() } }));
    }

    void activityLevels_data()
    {
        // A pixel a minute unless the view says otherwise; the levels the index gives some columns (and every column
        // as the oracle's per-second walk gives it).
        QTest::addColumn<Samples>("samples");
        QTest::addColumn<int>("degree");
        QTest::addColumn<QDateTime>("viewBegin");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("dropped");
        QTest::addColumn<QVector<int>>("columns");
        QTest::addColumn<QVector<int>>("levels");
        const QDateTime day = at(0, 0);
        QTest::newRow("a minute from 12:00 is one column")
            << Samples { { at(12, 0), 60, 40 } } << 24 << day << 1440 << 0 << QVector<int> { 719, 720, 721 }
            << QVector<int> { 0, 40, 0 };
        QTest::newRow("from 12:00:30 it reaches the next")
            << Samples { { at(12, 0, 30), 60, 40 } } << 24 << day << 1440 << 0 << QVector<int> { 720, 721, 722 }
            << QVector<int> { 40, 40, 0 };
        QTest::newRow("the highest wins, in any order")
            << Samples { { at(12, 5), 600, 30 }, { at(12, 0), 420, 70 } } << 24 << day << 1440 << 0
            << QVector<int> { 719, 720, 726, 727, 734, 735 } << QVector<int> { 0, 70, 70, 30, 30, 0 };
        QTest::newRow("level 0 shades nothing")
            << Samples { { at(12, 0), 60, 0 } } << 24 << day << 1440 << 0 << QVector<int> { 720 } << QVector<int> { 0 };
        QTest::newRow("across the view's begin")
            << Samples { { day.addSecs(-120), 180, 80 }, { day.addSecs(-60), 60, 90 } } << 24 << day << 1440 << 0
            << QVector<int> { 0, 1 } << QVector<int> { 80, 0 };
        QTest::newRow("up to the view's end") << Samples { { at(23, 59, 30), 600, 80 } } << 24 << day << 1440 << 0
                                              << QVector<int> { 1438, 1439 } << QVector<int> { 0, 80 };
        QTest::newRow("invalid ones dropped")
            << Samples { { QDateTime(), 60, 50 }, { at(1, 0), 0, 50 }, { at(1, 0), -5, 50 }, { at(1, 0), 60, 101 },
                   { at(1, 0), 60, -1 }, { at(2, 0), 60, 100 } }
            << 24 << day << 1440 << 5 << QVector<int> { 60, 120 } << QVector<int> { 0, 100 };
        QTest::newRow("between seconds: the seconds it touches")
            << Samples { { at(12, 0).addMSecs(500), 60, 40 } } << 24 << day << 1440 << 0
            << QVector<int> { 720, 721, 722 } << QVector<int> { 40, 40, 0 };
        QTest::newRow("a second at one hour, 1440 wide")
            << Samples { { at(12, 0, 10), 1, 60 } } << 1 << at(12, 0) << 1440 << 0 << QVector<int> { 3, 4, 5 }
            << QVector<int> { 0, 60, 0 };
        QRandomGenerator random(7);
        Samples generated;
        for (int i = 0; i < 1500; ++i) {
            const QDateTime begin = random.bounded(100) == 0 ? QDateTime() : day.addSecs(random.bounded(-900, 86400));
            const int duration = random.bounded(10) == 0 ? random.bounded(-5, 14400) : random.bounded(1, 300);
            generated << ActivitySample { begin, duration, random.bounded(-3, 104) };
        }
        for (const auto& view : { qMakePair(24, 1440), qMakePair(6, 777), qMakePair(1, 1427) })
            QTest::addRow("1500 generated, %d hours, %d wide", view.first, view.second)
                << generated << view.first << day.addSecs(random.bounded(-3600, 60000)) << view.second << -1
                << QVector<int>() << QVector<int>();
        // A detector's report: one after the other, of a few seconds to an hour, now and then a gap.
        Samples reported;
        for (QDateTime begin = day.addSecs(-2000); begin < day.addDays(1);) {
            const int duration = random.bounded(8) == 0 ? random.bounded(60, 3600) : random.bounded(1, 120);
            reported << ActivitySample { begin, duration, random.bounded(101) };
            begin = begin.addMSecs(qint64(duration) * 1000 + (random.bounded(3) == 0 ? random.bounded(90000) : 0));
        }
        for (const auto& view : { qMakePair(24, 1440), qMakePair(12, 1001), qMakePair(1, 1427) })
            QTest::addRow("reported one after the other, %d hours, %d wide", view.first, view.second)
                << reported << view.first << day.addMSecs(random.bounded(-3600, 60000) * 1000 + random.bounded(2) * 500)
                << view.second << 0 << QVector<int>() << QVector<int>();
        // Off whole seconds: samples and a view.
        for (ActivitySample& sample : generated)
            sample.begin = sample.begin.addMSecs(random.bounded(1000));
        QTest::newRow("1500 generated off whole seconds")
            << generated << 3 << day.addMSecs(7 * 3600000 + 250) << 1440 << -1 << QVector<int>() << QVector<int>();
    }

    void activityLevels()
    {
        QFETCH(Samples, samples);
        QFETCH(int, degree);
        QFETCH(QDateTime, viewBegin);
        QFETCH(int, width);
        QFETCH(int, dropped);
        QFETCH(QVector<int>, columns);
        QFETCH(QVector<int>, levels);
        ActivityIndex index;
        const int droppedNow = index.build(samples);
        if (dropped >= 0)
            QCOMPARE(droppedNow, dropped);
        QVector<quint8> raised(width, 99);
        index.columnLevels(viewBegin.toMSecsSinceEpoch(), degree, width, raised.data());
        for (int i = 0; i < columns.size(); ++i)
            QCOMPARE(int(raised.at(columns.at(i))), levels.at(i));
        const QVector<int> plain = TimeAxisOracle::activityLevels(samples, viewBegin, degree, width);
        for (int x = 0; x < width; ++x)
            QVERIFY2(raised.at(x) == plain.at(x), qPrintable(QString::number(x)));
    }

    // Bookmarks are kept by begin, equal begins in the order given; invalid ones are dropped.
    void bookmarksByBegin()
    {
        Track row;
        const Bookmark late { "3", "late", at(9, 0), at(9, 5) };
        const Bookmark first { "1", "first", at(8, 0), at(8, 0) };
        const Bookmark second { "2", "second", at(8, 0), at(10, 0) };
        QSignalSpy changed(&row.track, &RecordingTrack::bookmarksChanged);
        row.track.setBookmarks({ late, first, { "x", "backwards", at(8, 0), at(7, 0) }, second });
        QCOMPARE(row.track.bookmarks(), (Bookmarks { first, second, late }));
        row.track.setBookmarks({});
        QVERIFY(row.track.bookmarks().isEmpty());
        row.track.setBookmarks({}); // nothing to clear
        QCOMPARE(changed.count(), 2);
    }

    // The least recently used picture goes first; looking one up uses it.
    void thumbnailCache()
    {
        ThumbnailCache cache;
        QImage image(16, 9, QImage::Format_RGB32);
        for (int i = 0; i < 64; ++i)
            cache.insert(at(1, i / 60, i % 60), image);
        QVERIFY(cache.find(at(1, 0, 0)));
        cache.insert(at(2, 0), image);
        QCOMPARE(cache.size(), 64);
        QVERIFY(cache.contains(at(1, 0, 0)) && !cache.contains(at(1, 0, 1)) && cache.contains(at(1, 0, 2)));
        QVERIFY(!cache.find(at(3, 0)));
    }

    // A reset empties the row but keeps its key, span and index; screen readers hear of it only when it played.
    void reset()
    {
        Track row;
        row.load({ recording(at(8, 0), at(9, 0)) });
        QSignalSpy position(&row.track, &RecordingTrack::positionChanged);
        row.track.reset();
        QCOMPARE(position.count(), 0);
        row.load({ recording(at(8, 0), at(9, 0)) });
        row.track.setActivity({ { at(8, 0), 60, 50 } });
        row.track.setBookmarks({ { "1", "gate", at(8, 0), at(8, 5) } });
        row.track.seek(at(8, 15));
        position.clear();
        row.events.clear();
        row.track.reset();
        QCOMPARE(position.count(), 1);
        QCOMPARE(row.events, QStringList { P(0) });
        QVERIFY(row.track.recordings().isEmpty() && !row.track.isPlaying() && !row.cursor.isValid());
        QVERIFY(row.track.activity().isEmpty() && row.track.bookmarks().isEmpty());
        QVERIFY(row.track.searchInfo().channelId.isEmpty() && row.track.searchInfo().recordingLocation == 0);
        QCOMPARE(row.track.searchKey(), key);
        QCOMPARE(row.track.searchInfo().beginDatetime, at(0, 0));
    }

    void followsPlainAlgorithm_data()
    {
        QTest::addColumn<QByteArray>("zone"); // empty: the recordings are in UTC
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("stride"); // the most seconds the player moves on between two reports
        QTest::newRow("UTC") << QByteArray() << QDate(2024, 3, 5) << 30;
        QTest::newRow("UTC, long strides") << QByteArray() << QDate(2024, 3, 5) << 300;
        QTest::newRow("clocks go forward") << QByteArray("Europe/Berlin") << QDate(2024, 3, 31) << 300;
        QTest::newRow("clocks go back") << QByteArray("Europe/Berlin") << QDate(2024, 10, 27) << 300;
    }

    // 3,000 generated recordings, also in the local time of a zone with daylight saving on the days its clocks
    // change, driven by a player that seeks at random now and then, reports late and follows the track's own seeks:
    // the signals must be the plain algorithm's, which converts every local time on its own.
    void followsPlainAlgorithm()
    {
        QFETCH(QByteArray, zone);
        QFETCH(QDate, day);
        QFETCH(int, stride);
        const QByteArray previousZone = qgetenv("TZ");
        if (!zone.isEmpty())
            qputenv("TZ", zone);
        const auto restoreZone
            = qScopeGuard([&] { previousZone.isNull() ? qunsetenv("TZ") : qputenv("TZ", previousZone); });
        const QDateTime midnight(day, QTime(0, 0), zone.isEmpty() ? Qt::UTC : Qt::LocalTime);
        const Recordings recordings = generatedDay(quint32(stride), midnight);
        QRandomGenerator random { quint32(stride) };

        Track row;
        Bar oracle;
        oracle.searchInfo = search(midnight, midnight.addSecs(80000));
        row.load(recordings, true, oracle.searchInfo);
        oracle.setRecordings(recordings, true);
        QDateTime player = midnight, beforeSeek = midnight;
        for (int step = 0; step < 2000; ++step) {
            const int choice = random.bounded(100);
            if (choice < 3) {
                beforeSeek = player;
                const QDateTime to = midnight.addSecs(random.bounded(86400));
                row.track.seek(to);
                oracle.appointPlaybackTime(to);
            } else { // now and then a late report of the position before the last seek, else the player moves on
                const QDateTime to = choice < 8 ? beforeSeek.addSecs(random.bounded(-4, 5))
                                                : player.addSecs(random.bounded(1, stride));
                row.track.reportProgress(to);
                oracle.updatePlaybackTime(to);
            }
            QCOMPARE(row.events, oracle.events);
            // The player follows the track; after the end it starts again somewhere.
            player = row.track.isPlaying() ? row.track.playbackDatetime() : midnight.addSecs(random.bounded(86400));
        }
        QVERIFY(!row.events.filter("end").isEmpty() && row.events.filter("appoint").size() > 20);
    }
};

QTEST_GUILESS_MAIN(tst_RecordingTrack)
#include "tst_recordingtrack.moc"
