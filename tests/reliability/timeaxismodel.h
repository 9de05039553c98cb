#pragma once

// A reference model of a ruler and a box of two rows, run step by step against the real widgets. Each step takes its
// choices from a Source (the fuzzer's bytes in fuzz/fuzz_timeaxis.cpp, a seeded generator in tst_timeaxismodel):
// searches (stale keys, unusable and unsorted recordings included), seeks by channel and by percent, progress reports,
// percent queries, amendDateTimeRange, zooms, pans and clicks on the ruler, check boxes, label marks, swaps and resets.
// After every step the signals of the box must be those of the literal oracle (timeaxisoracle.h) for the same calls,
// in the same order, and every row must play at the oracle's moment and hold the oracle's marks; amendDateTimeRange
// must answer as a plain walk over the recordings, and each strip must paint what the oracle paints.
//
// A Source has byte(), u32(), flag(), range(lo, hi) (both included), datetime(day, withMSecs) (sometimes invalid,
// mostly near the day) and atEnd().

#include "timeaxis/channelrecordingtimeaxiswt_p.h"
#include "timeaxis/recordingstimeaxisbox.h"
#include "timeaxis/timeaxiswt.h"

#include "timeaxisoracle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

namespace ReliabilityModel {

using namespace ZCORVANEBASE;
using namespace TimeAxisOracle;

inline constexpr int rowCount = 2;
inline const QString keys[] = { QStringLiteral("k0"), QStringLiteral("k1"), QStringLiteral("k2") };
inline const QString channels[] = { QStringLiteral("dev1_1"), QStringLiteral("dev2_1"), QString() };

// amendDateTimeRange as plain text: the start is where recorded time begins at or after `begin`, the end where it
// stops before `begin + secs`, both taken by walking every recording from the first.
inline QPair<QDateTime, QDateTime> plainAmend(const Recordings& recordings, const QDateTime& begin, unsigned int secs)
{
    if (!begin.isValid())
        return {};
    const QDateTime end0 = begin.addSecs(secs);
    if (end0 <= begin || recordings.isEmpty() || end0 < recordings.first().beginDatetime
        || begin > recordings.last().endDatetime)
        return {};
    int startIndex = -1;
    QDateTime start;
    for (int i = 0; i < recordings.size() && startIndex < 0; ++i) {
        if (recordings.at(i).beginDatetime >= begin)
            start = recordings.at(i).beginDatetime, startIndex = i;
        else if (recordings.at(i).endDatetime >= begin)
            start = begin, startIndex = i;
    }
    if (startIndex < 0 || start >= end0)
        return qMakePair(start, QDateTime());
    if (recordings.last().endDatetime <= end0)
        return qMakePair(start, recordings.last().endDatetime);
    for (int i = startIndex; i < recordings.size(); ++i) {
        if (recordings.at(i).beginDatetime >= end0)
            return qMakePair(start, recordings.at(i - 1).endDatetime);
        if (recordings.at(i).endDatetime >= end0)
            return qMakePair(start, end0);
    }
    return qMakePair(start, QDateTime());
}

struct Row
{
    Bar oracle;
    QString key; // the newest search's key
    QStringList marks; // names of the label marks the bar shows, in added order
};

inline QString labelsEvent(const QStringList& names, bool enabled)
{
    return QStringLiteral("labels(%1,%2)").arg(names.join('|')).arg(enabled);
}

template <typename Source> class TimeAxisRun
{
public:
    explicit TimeAxisRun(Source& input)
        : in(input)
        , box(rowCount, true)
    {
        day = QDateTime(QDate(2024, 3, 5), QTime(0, 0));
        box.setTimeAxisWt(&ruler);
        QObject::connect(&ruler, &TimeAxisWt::signalBeginTimeAndDegreeChanged,
            [this](TimeAxisDegree d, const QDateTime& b) { degree = d, viewBegin = b; });
        QObject::connect(&box, &RecordingsTimeAxisBox::signalAppointPlaybackTime,
            [this](const QString& c, int i, int l, const QDateTime& d) { events << appointEvent(c, i, l, d); });
        QObject::connect(&box, &RecordingsTimeAxisBox::signalDatetimePercentInFile,
            [this](int index, float value) { events << percentEvent(index, value); });
        QObject::connect(&box, &RecordingsTimeAxisBox::signalPlaybackToRecordingsTimeAxisEnd,
            [this](int index) { events << endEvent(index); });
        QObject::connect(&box, &RecordingsTimeAxisBox::signalRecordingLabelsEnabled,
            [this](const QStringList& names, bool enabled) { events << labelsEvent(names, enabled); });
        QObject::connect(&ruler, &TimeAxisWt::signalBatchAppointPlaybackTime, [this](const QDateTime& d) {
            for (int i = 0; i < rowCount; ++i) {
                if (checked[i])
                    rows[i].oracle.appointPlaybackTime(d);
            }
        });
        for (int i = 0; i < rowCount; ++i)
            rows[i].oracle.searchInfo.playbackIndex = i;
        box.setChannelCheckBoxWidth(100);
        box.setMarginRight(10);
        box.resize(10 + 100 + 6 + int(in.range(40, 1500)) + 10, box.height());
        ruler.resize(box.width(), 60);
        // Laid out, visible and painted, but never given a native window and backing store: creating those for
        // every run was most of the fuzzer's time.
        ruler.setAttribute(Qt::WA_DontShowOnScreen);
        box.setAttribute(Qt::WA_DontShowOnScreen);
        ruler.show();
        box.show();
        ruler.setMinBeginDatetime(day);
    }

    ChannelRecordingTimeAxisWt* bar(int index)
    {
        for (auto* bar : box.findChildren<ChannelRecordingTimeAxisWt*>()) {
            if (bar->getRecordingSearchInfo().playbackIndex == index)
                return bar;
        }
        return nullptr;
    }

    Recordings randomRecordings()
    {
        Recordings recordings;
        const int count = int(in.range(0, 12));
        qint64 begin = in.range(-3 * 3600, 20 * 3600);
        for (int i = 0; i < count; ++i) {
            const int kind = in.byte() % 32;
            const qint64 length = kind < 4 ? 0 : kind < 8 ? in.range(1, 4) : in.range(5, 4 * 3600);
            RecordingTimeInfo r = recording(day.addSecs(begin), day.addSecs(begin + length), in.byte() % 4 == 0);
            if (kind == 31) // now and then a recording that holds no moment
                (in.flag() ? r.beginDatetime : r.endDatetime) = in.flag() ? QDateTime() : day.addSecs(begin - 100);
            recordings << r;
            begin += in.flag() ? in.range(0, 600) : in.range(0, 3 * 3600); // overlaps, touches and gaps
            if (in.byte() == 0xff)
                recordings.last().endDatetime = recordings.last().endDatetime.addMSecs(in.range(1, 999));
        }
        if (recordings.size() > 1 && in.byte() % 8 == 0) // now and then out of order
            std::swap(recordings[int(in.range(0, recordings.size() - 1))],
                recordings[int(in.range(0, recordings.size() - 1))]);
        return recordings;
    }

    // One random call and its checks; false (with `failure` set) at the first divergence.
    bool step()
    {
        // Now and then a row that does not exist: -1 or rowCount.
        const int index = in.byte() % 8 == 0 ? (in.flag() ? -1 : rowCount) : int(in.range(0, rowCount - 1));
        const bool real = index >= 0 && index < rowCount;
        Row* row = real ? &rows[index] : nullptr;
        // Operations by weight: a row spends most of its life searched, filled and played.
        static const int weighted[] = { 0, 0, 1, 2, 3, 4, 5, 6, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15 };
        const int op = weighted[in.byte() % 20];
        static const char* const opNames[]
            = { "search", "results", "results", "seek by channel", "report", "report", "report", "percent query",
                  "seek by percent", "amend", "zoom", "ruler mouse", "check", "mark", "swap", "reset" };
        switch (op) {
        case 0: { // a search starts
            RecordingSearchInfo info;
            info.channelId = channels[in.byte() % 3];
            info.recordingLocation = int(in.range(0, 2));
            info.playbackIndex = index;
            info.beginDatetime = in.datetime(day);
            info.endDatetime = in.flag() ? day.addDays(1) : in.datetime(day);
            const QString& key = keys[in.byte() % 3];
            box.setRecordingSearchInfo(SearchStarted, key, info);
            if (row) {
                Bar& o = row->oracle;
                row->key = key;
                o.recordings.clear();
                o.searchInfo.channelId = info.channelId;
                o.searchInfo.recordingLocation = info.recordingLocation;
                o.searchInfo.searchType = info.searchType;
                o.searchInfo.beginDatetime = info.beginDatetime;
                o.searchInfo.endDatetime = info.endDatetime;
                resetPlayback(*row);
            }
            if (in.byte() % 4 != 0) // as a host does: the results follow
                deliver(index, row, key);
            break;
        }
        case 1:
        case 2: // results, perhaps of an older search
            deliver(index, row, row && in.byte() % 4 != 0 ? row->key : keys[in.byte() % 3]);
            break;
        case 3: { // a seek by channel
            const QString channel = channels[in.byte() % 3];
            const int location = int(in.range(0, 2));
            const QDateTime datetime = target(row);
            box.appointPlaybackTime(channel, location, datetime);
            if (!channel.isEmpty()) {
                for (Row& r : rows) {
                    if (r.oracle.searchInfo.channelId == channel && r.oracle.searchInfo.recordingLocation == location) {
                        r.oracle.appointPlaybackTime(datetime);
                        break;
                    }
                }
            }
            break;
        }
        case 4:
        case 5:
        case 6: { // progress reports: the player moving on, late, or anywhere
            const QDateTime report = row && row->oracle.playbackDatetime.isValid() && in.flag()
                ? row->oracle.playbackDatetime.addSecs(in.range(-6, 40))
                : target(row);
            box.updatePlaybackTime(report, index);
            if (row)
                row->oracle.updatePlaybackTime(report);
            break;
        }
        case 7:
            box.getDatetimePercentInFile(index);
            if (row)
                row->oracle.emitPercent(row->oracle.playbackDatetime);
            break;
        case 8: { // a seek by percent of the current file: the oracle seeks where the bar says it went
            const float percents[] = { 0.0f, 0.5f, 1.0f, -0.25f, 1.5f, 1e30f, float(qInf()), float(qQNaN()) };
            box.appointPlaybackTime(index, percents[in.byte() % 8]);
            if (row && !events.isEmpty() && events.first().startsWith(QLatin1String("appoint"))) {
                const QString moment = events.first().section(',', 3).chopped(1);
                row->oracle.appointPlaybackTime(QDateTime::fromString(moment, Qt::ISODateWithMs));
            }
            break;
        }
        case 9: {
            const QDateTime begin = target(row);
            const unsigned int secs = in.flag() ? in.u32() : unsigned(in.range(0, 6 * 3600));
            const auto range = box.amendDateTimeRange(index, begin, secs);
            const auto expected = row ? plainAmend(row->oracle.recordings, begin, secs) : QPair<QDateTime, QDateTime>();
            check(range == expected,
                QStringLiteral("amend %1 +%2: %3 - %4, expected %5 - %6")
                    .arg(begin.toString(Qt::ISODateWithMs))
                    .arg(secs)
                    .arg(range.first.toString(Qt::ISODateWithMs), range.second.toString(Qt::ISODateWithMs),
                        expected.first.toString(Qt::ISODateWithMs), expected.second.toString(Qt::ISODateWithMs)));
            break;
        }
        case 10: { // zoom: by the box, by a degree and moment, or the wheel over the ruler
            const int how = in.byte() % 3;
            if (how == 0) {
                box.timeAxisZoomCtrl(ZoomMode(in.range(0, 1)));
            } else if (how == 1) {
                const int degrees[] = { 1, 3, 6, 12, 24, 0, 5, 31 }; // the last three are no degree
                ruler.updateTimeAxisDegreeAtFixedDatetime(TimeAxisDegree(degrees[in.byte() % 8]), in.datetime(day));
            } else {
                QWidget* strip = ruler.findChild<QWidget*>(QStringLiteral("timeAxis"));
                const QPoint pos(int(in.range(-5, strip->width() + 5)), strip->height() / 2);
                QWheelEvent wheel(pos, strip->mapToGlobal(pos), QPoint(), QPoint(0, in.flag() ? 120 : -120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(strip, &wheel);
            }
            break;
        }
        case 11: { // a drag or a click on the ruler; a click plays the checked rows from there
            QWidget* strip = ruler.findChild<QWidget*>(QStringLiteral("timeAxis"));
            const int y = strip->height() / 2;
            QPoint pos(int(in.range(-5, strip->width() + 5)), y);
            mouse(strip, QEvent::MouseButtonPress, pos, Qt::LeftButton);
            const int moves = int(in.range(0, 3));
            for (int i = 0; i < moves; ++i) {
                pos.rx() += int(in.range(-300, 300));
                mouse(strip, QEvent::MouseMove, pos, Qt::NoButton);
            }
            mouse(strip, QEvent::MouseButtonRelease, pos, Qt::LeftButton);
            break;
        }
        case 12: // check boxes, all at once or one by a click
            if (in.flag()) {
                box.setChannelRecordingTimeAxisChecked(in.flag());
            } else if (auto* checkBox = box.findChild<QAbstractButton*>(QStringLiteral("checkBox_%1").arg(index))) {
                checkBox->click();
            }
            break;
        case 13: { // a label mark from the host's store, or its deletion
            ChannelRecordingTimeAxisWt* b = bar(index);
            if (!b)
                break;
            const QString name = QStringLiteral("mark%1").arg(in.byte() % 4);
            if (in.flag()) {
                // The store's answer: 0 is success; a bar keeps only marks of its own channel and location.
                const LocalRecordingLabelInfo info { name, channels[in.byte() % 3], int(in.range(0, 2)), target(row) };
                const int result = int(in.range(0, 1));
                QMetaObject::invokeMethod(
                    b, "slotAddRecordingLabelToLocalDB", Q_ARG(LocalRecordingLabelInfo, info), Q_ARG(int, result));
                if (result == 0 && info.channelId == row->oracle.searchInfo.channelId
                    && info.recordingLocation == row->oracle.searchInfo.recordingLocation)
                    row->marks << name;
            } else {
                QMetaObject::invokeMethod(b, "slotDeleteRecordingLabelFromLocalDB", Q_ARG(QString, name));
                row->marks.removeOne(name);
            }
            break;
        }
        case 14: { // rows swap places; an unknown or equal pair changes nothing
            const int other = int(in.range(-1, rowCount));
            box.swapRecordingTimeAxis(index, other);
            if (real && other >= 0 && other < rowCount && other != index) {
                std::swap(rows[index], rows[other]);
                rows[index].oracle.searchInfo.playbackIndex = index;
                rows[other].oracle.searchInfo.playbackIndex = other;
            }
            break;
        }
        default: // a reset of one row or, now and then, of all
            if (in.byte() % 4 == 0) {
                box.recorverAllChannelRecordingTimeAxisInfo();
                for (Row& r : rows)
                    clearRow(r);
            } else {
                box.recoverChannelRecordingTimeAxisInfo(index);
                if (row)
                    clearRow(*row);
            }
            break;
        }
        QStringList expected;
        for (Row& r : rows) {
            expected << r.oracle.events;
            r.oracle.events.clear();
        }
        // A call that reaches several rows reaches them in index order, as the oracle rows were asked above.
        check(events == expected,
            QStringLiteral("%1 on row %2: events\n  %3\nexpected\n  %4")
                .arg(QLatin1String(opNames[op]))
                .arg(index)
                .arg(events.join(' '), expected.join(' ')));
        for (const QString& event : qAsConst(events))
            ++emitted[event.section('(', 0, 0)];
        events.clear();
        // Which rows are checked decides who a click on the ruler plays; the box is asked, the oracle follows.
        const auto checkedRows = box.getCheckedChannelRecordingTimeAxis(); // (playing, not playing)
        for (int i = 0; i < rowCount; ++i)
            checked[i] = checkedRows.first.contains(i) || checkedRows.second.contains(i);
        for (int i = 0; i < rowCount; ++i) {
            ChannelRecordingTimeAxisWt* b = bar(i);
            check(b && b->getPlaybackDatetime() == rows[i].oracle.playbackDatetime,
                QStringLiteral("row %1 plays at %2, expected %3")
                    .arg(i)
                    .arg(b ? b->getPlaybackDatetime().toString(Qt::ISODateWithMs) : QString(),
                        rows[i].oracle.playbackDatetime.toString(Qt::ISODateWithMs)));
            check(b && b->track().labelMarkNames() == rows[i].marks,
                QStringLiteral("row %1 marks %2, expected %3")
                    .arg(i)
                    .arg(b ? b->track().labelMarkNames().join(' ') : QString(), rows[i].marks.join(' ')));
            check(box.getRecordingSearchInfo(i).channelId == rows[i].oracle.searchInfo.channelId,
                QStringLiteral("row %1 searches %2").arg(i).arg(box.getRecordingSearchInfo(i).channelId));
        }
        return failure.isEmpty();
    }

    bool checkPainting()
    {
        if (!viewBegin.isValid())
            return true;
        for (int i = 0; i < rowCount; ++i) {
            QWidget* strip = bar(i)->template findChild<QWidget*>(QStringLiteral("recordingsWt"));
            // The strip alone, without the cursor and the marks above it.
            QImage image(strip->size(), QImage::Format_ARGB32);
            strip->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
            const QImage plain
                = paintRecordings(rows[i].oracle.recordings, viewBegin, degree, strip->width(), strip->height());
            check(image == plain,
                QStringLiteral("row %1 painted differently on %2 pixels, degree %3 from %4")
                    .arg(i)
                    .arg(image.width())
                    .arg(degree)
                    .arg(viewBegin.toString(Qt::ISODate)));
        }
        box.grab();
        ruler.grab();
        return failure.isEmpty();
    }

    QString failure; // the first divergence
    QMap<QString, int> emitted; // signals of the box seen so far, by kind ("appoint", "percent", "end", "labels")

private:
    // Results of the search `key` for the row at `index`, and now and then its finish notice.
    void deliver(int index, Row* row, const QString& key)
    {
        const Recordings recordings = randomRecordings();
        const bool autoAppoint = in.flag();
        box.setChannelRecordingsTimeInfo(recordings, index, key, in.flag(), autoAppoint);
        const Recordings usable = usableOf(recordings);
        ++emitted[row && row->key == key
                ? (usable.size() == recordings.size() ? "results taken" : "results in part unusable")
                : "results dropped"];
        if (row && row->key == key) {
            const QDateTime end = row->oracle.searchInfo.endDatetime;
            row->oracle.setRecordings(recordings, autoAppoint);
            if (!usable.isEmpty() && !end.isValid()) // a search without an end ends with its last recording
                row->oracle.searchInfo.validEndDatetime = usable.last().endDatetime;
        }
        if (in.flag())
            box.setRecordingSearchInfo(SearchFinished, key, RecordingSearchInfo { {}, 0, index, 0, {}, {}, {} });
    }

    QDateTime target(Row* row)
    {
        if (row && !row->oracle.recordings.isEmpty() && in.flag()) {
            const RecordingTimeInfo& r = row->oracle.recordings.at(int(in.range(0, row->oracle.recordings.size() - 1)));
            const QDateTime edge = in.flag() ? r.beginDatetime : r.endDatetime;
            return edge.isValid() ? edge.addSecs(in.range(-3, 3)) : edge;
        }
        return in.datetime(day, true);
    }
    static void mouse(QWidget* w, QEvent::Type type, const QPoint& pos, Qt::MouseButton button)
    {
        QMouseEvent event(type, pos, w->mapToGlobal(pos), button,
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton), Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    }
    void check(bool ok, const QString& message)
    {
        if (!ok && failure.isEmpty())
            failure = message;
    }
    // What resetRecordingInfo() does to a bar: its marks go (reported as no longer enabled), playback stops, and it
    // reports a zero percent.
    static void resetPlayback(Row& r)
    {
        Bar& o = r.oracle;
        o.events << labelsEvent(r.marks, false);
        r.marks.clear();
        o.playbackDatetime = QDateTime();
        o.fileDatetimeRange = qMakePair(QDateTime(), QDateTime());
        o.events << percentEvent(o.searchInfo.playbackIndex, 0.0f);
    }
    static void clearRow(Row& r)
    {
        r.oracle.recordings.clear();
        r.oracle.searchInfo.channelId.clear();
        r.oracle.searchInfo.recordingLocation = 0;
        resetPlayback(r);
    }

    Source& in;
    TimeAxisWt ruler;
    RecordingsTimeAxisBox box;
    Row rows[rowCount];
    bool checked[rowCount] = { false, false };
    QStringList events;
    QDateTime day;
    int degree = 24;
    QDateTime viewBegin;
};

} // namespace ReliabilityModel
