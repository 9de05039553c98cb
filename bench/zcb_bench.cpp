// zcb_bench: the library's optimised paths next to the plain algorithms they replace (the time-axis oracle of the
// tests), measured in the same run, offscreen, painting into QImages. BENCHMARKS.md lists the targets and a run.

#include "dialogs/disabledwaitingwt.h"
#include "frame/corvanebaseinit.h"
#include "tables/tablewidget.h"
#include "timeaxis/channelrecordingtimeaxiswt_p.h"
#include "timeaxis/progresscursorwt_p.h"
#include "timeaxis/rangeselection_p.h"
#include "timeaxis/recordingstimeaxisbox.h"

#include "benchdata.h"
#include "timeaxisoracle.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <memory>
#include <numeric>

using namespace ZCORVANEBASE;
using namespace BenchData;

namespace {

constexpr int barWidth = 1440; // a pixel a minute of the whole day
constexpr int barHeight = 21;
constexpr int checkBoxWidth = 100;
const QString searchKey = QStringLiteral("bench-search");

class BenchWorker : public ZCORVANEDLL::CorvaneDllBaseWorker
{
public:
    int getClientType() override { return 0; }
};

// Generating local date-times is slow: every day of recordings is made once per process.
const Recordings& recordingsOf(int count, quint32 seed = 1)
{
    static QHash<quint64, Recordings> made;
    const quint64 key = (quint64(seed) << 32) | quint32(count);
    auto it = made.find(key);
    if (it == made.end())
        it = made.insert(key, dayOfRecordings(count, seed));
    return *it;
}

// Recordings that follow each other without gap or overlap: continuous recording cut into files.
const Recordings& continuousRecordingsOf(int count)
{
    static QHash<int, Recordings> made;
    auto it = made.find(count);
    if (it == made.end()) {
        Recordings recordings = dayOfRecordings(count);
        for (int i = 0; i + 1 < recordings.size(); ++i)
            recordings[i].endDatetime = recordings.at(i + 1).beginDatetime;
        it = made.insert(count, recordings);
    }
    return *it;
}

RecordingSearchInfo searchOf(int row)
{
    return RecordingSearchInfo { QStringLiteral("dev1_%1").arg(row + 1), 1, row, 0, dayBegin(), dayBegin().addDays(1),
        QDateTime() };
}

// The span (degree, begin) the n-th span change of a benchmark goes to: the whole day and its middle half, in turn.
TimeAxisDegree spanDegree(qint64 n)
{
    return n % 2 == 0 ? Degree24Hours : Degree12Hours;
}
QDateTime spanBegin(qint64 n)
{
    return n % 2 == 0 ? dayBegin() : dayBegin().addSecs(6 * 3600);
}

// The "...Features" variants run a benchmark with every opt-in feature of the box on (range selection with a span
// selected on every row, short recordings at least 3 pixels wide, label clusters and the hover read-out). Their
// pixels differ from the plain painter's by design, so the pixel check is left out. Label marks are the host's data,
// not a feature: BM_BoxRepaintMarks and BM_BoxRepaintMarksFeatures put three close marks on every row, without and
// with the features, to show what clustering them adds.
bool featuresOn = false;
bool marksOn = false;

// `Benchmark` run with every feature on.
template <void (*Benchmark)(benchmark::State&)> void withFeatures(benchmark::State& state)
{
    featuresOn = true;
    Benchmark(state);
    featuresOn = false;
}
// Registers withFeatures<f> as "<f>Features".
#define ZCB_BENCHMARK_WITH_FEATURES(f) BENCHMARK(withFeatures<f>)->Name(#f "Features")

void enableFeatures(RecordingsTimeAxisBox& box)
{
    box.setRangeSelectionEnabled(true);
    box.setMinimumIntervalWidth(3);
    box.setLabelClusteringEnabled(true);
    box.setHoverReadoutEnabled(true);
}

// Three label marks a few minutes apart at noon (marksOn) and a span selected with Shift+drag from 10:00 to 11:40
// (featuresOn).
void decorateRow(ChannelRecordingTimeAxisWt* bar, const RecordingSearchInfo& search)
{
    for (int i = 0; marksOn && i < 3; ++i) {
        const LocalRecordingLabelInfo info { QStringLiteral("mark %1").arg(i), search.channelId,
            search.recordingLocation, dayBegin().addSecs(12 * 3600 + i * 240) };
        QMetaObject::invokeMethod(
            bar, "slotAddRecordingLabelToLocalDB", Q_ARG(LocalRecordingLabelInfo, info), Q_ARG(int, 0));
    }
    if (!featuresOn)
        return;
    bar->setBeginTimeAndDegree(Degree24Hours, dayBegin()); // the bench's day: x 600 is 10:00
    QWidget* strip = bar->findChild<QWidget*>(QStringLiteral("recordingsWt"));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(600, 10), QPointF(strip->mapToGlobal(QPoint(600, 10))),
        Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(strip, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(700, 10), QPointF(strip->mapToGlobal(QPoint(700, 10))),
        Qt::LeftButton, Qt::NoButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(strip, &release);
}

// A shown box of `rows` rows whose bars are 1440 pixels wide, as the host lays it out under its ruler.
class Rows
{
public:
    explicit Rows(int rows)
        : box(rows, true)
    {
        box.setChannelCheckBoxWidth(checkBoxWidth);
        box.setMarginRight(10);
        box.resize(10 + checkBoxWidth + 6 + barWidth + 10, box.height());
        if (featuresOn)
            enableFeatures(box);
        box.show();
        QCoreApplication::processEvents();
    }
    ChannelRecordingTimeAxisWt* bar(int row) const
    {
        return box.findChild<ChannelRecordingTimeAxisWt*>(QStringLiteral("channelRecordingTimeAxisWt_%1").arg(row));
    }
    QWidget* strip(int row) const { return bar(row)->findChild<QWidget*>(QStringLiteral("recordingsWt")); }
    void startSearch(int row) { box.setRecordingSearchInfo(SearchStarted, searchKey, searchOf(row)); }
    void load(int row, const Recordings& recordings, bool autoAppoint)
    {
        startSearch(row);
        box.setChannelRecordingsTimeInfo(recordings, row, searchKey, true, autoAppoint);
        box.setRecordingSearchInfo(SearchFinished, searchKey, searchOf(row));
        if (featuresOn || marksOn)
            decorateRow(bar(row), searchOf(row));
    }
    // The box's area covered by the bars: what a span change makes the window repaint.
    QRegion barsRegion() const
    {
        QRegion region;
        for (int row = 0; row < rowCount(); ++row)
            region += bar(row)->geometry();
        return region;
    }
    int rowCount() const { return box.findChildren<ChannelRecordingTimeAxisWt*>().size(); }
    bool laidOut() const { return bar(0)->width() == barWidth && strip(0)->width() == barWidth; }

    RecordingsTimeAxisBox box;
};

void changeSpan(RecordingsTimeAxisBox& box, qint64 n)
{
    QMetaObject::invokeMethod(&box, "slotBeginTimeAndDegreeChanged", Qt::DirectConnection,
        Q_ARG(TimeAxisDegree, spanDegree(n)), Q_ARG(QDateTime, spanBegin(n)));
}

QImage paintedStrip(QWidget* strip)
{
    QImage image(strip->size(), QImage::Format_ARGB32);
    strip->render(&image);
    return image;
}

// Bytes the allocator hands out right now (small blocks and mapped large ones).
qint64 allocatedBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks) + qint64(info.hblkhd);
}

// ---- Bar repaint -------------------------------------------------------------------------------------------------

// A full repaint after the span moved: the views alternate between `begin` and a minute later, so every paint
// computes the strip anew (nothing kept from the previous paint applies).
QDateTime repaintBegin(const QDateTime& begin, qint64 n)
{
    return n % 2 == 0 ? begin : begin.addSecs(60);
}

void barRepaint(benchmark::State& state, TimeAxisDegree degree, const QDateTime& begin)
{
    const Recordings& recordings = recordingsOf(int(state.range(0)));
    Rows rows(1);
    rows.load(0, recordings, false);
    ChannelRecordingTimeAxisWt* bar = rows.bar(0);
    QWidget* strip = rows.strip(0);
    if (!rows.laidOut())
        return state.SkipWithError("the bar is not 1440 pixels wide");
    for (qint64 n = 0; n < 2; ++n) {
        bar->setBeginTimeAndDegree(degree, repaintBegin(begin, n));
        if (!featuresOn
            && paintedStrip(strip)
                != TimeAxisOracle::paintRecordings(recordings, repaintBegin(begin, n), degree, barWidth, barHeight))
            return state.SkipWithError("pixels differ from the literal painter");
    }
    if (featuresOn && !(bar->rangeSelection() && bar->rangeSelection()->hasSelection()))
        return state.SkipWithError("no span selected");
    qint64 n = 0;
    for (auto _ : state) {
        bar->setBeginTimeAndDegree(degree, repaintBegin(begin, ++n));
        QImage image(barWidth, barHeight, QImage::Format_ARGB32);
        strip->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void literalBarRepaint(benchmark::State& state, TimeAxisDegree degree, const QDateTime& begin)
{
    const Recordings& recordings = recordingsOf(int(state.range(0)));
    qint64 n = 0;
    for (auto _ : state) {
        QImage image
            = TimeAxisOracle::paintRecordings(recordings, repaintBegin(begin, ++n), degree, barWidth, barHeight);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_BarRepaint(benchmark::State& state)
{
    barRepaint(state, Degree24Hours, dayBegin());
}

void BM_BarRepaintLiteral(benchmark::State& state)
{
    literalBarRepaint(state, Degree24Hours, dayBegin());
}

// The hour from 12:00. The literal painter at the same views is timed alongside: counter literal_us, the mean of
// as many paints as fit in 0.2 s.
void BM_BarRepaintDegree1(benchmark::State& state)
{
    const QDateTime begin = dayBegin().addSecs(12 * 3600);
    barRepaint(state, Degree1Hour, begin);
    const Recordings& recordings = recordingsOf(int(state.range(0)));
    QElapsedTimer timer;
    qint64 runs = 0;
    timer.start();
    do {
        QImage image = TimeAxisOracle::paintRecordings(
            recordings, repaintBegin(begin, ++runs), Degree1Hour, barWidth, barHeight);
        benchmark::DoNotOptimize(image.constBits());
    } while (timer.nsecsElapsed() < 200000000);
    state.counters["literal_us"] = double(timer.nsecsElapsed()) / 1000.0 / double(runs);
}

// ---- Box repaint -------------------------------------------------------------------------------------------------

constexpr int boxRows = 64;

// The span changes (whole day, 06:00 to 18:00, in turn) and the repaints of the bars' area.
void timeBoxRepaint(benchmark::State& state, Rows& rows)
{
    const QRegion region = rows.barsRegion();
    QImage image(rows.box.size(), QImage::Format_ARGB32);
    qint64 n = 0;
    for (auto _ : state) {
        changeSpan(rows.box, ++n);
        rows.box.render(&image, region.boundingRect().topLeft(), region);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_BoxRepaint(benchmark::State& state)
{
    const int count = int(state.range(0));
    Rows rows(boxRows);
    for (int row = 0; row < boxRows; ++row)
        rows.load(row, recordingsOf(count, quint32(row + 1)), false);
    if (!rows.laidOut())
        return state.SkipWithError("the bars are not 1440 pixels wide");
    timeBoxRepaint(state, rows);
}

// Generating local date-times is slow: every day of activity is made once per process.
const QVector<ActivitySample>& activityOf(quint32 seed)
{
    static QHash<quint32, QVector<ActivitySample>> made;
    auto it = made.find(seed);
    if (it == made.end())
        it = made.insert(seed, dayOfActivity(seed));
    return *it;
}

// BM_BoxRepaint with one activity sample a minute on every row. Before timing, rows 0, 21, 42 and 63 are compared at
// both spans with the plain painter's recordings and band.
void BM_BoxRepaintActivity(benchmark::State& state)
{
    const int count = int(state.range(0));
    Rows rows(boxRows);
    for (int row = 0; row < boxRows; ++row) {
        rows.load(row, recordingsOf(count, quint32(row + 1)), false);
        rows.box.setChannelActivity(row, activityOf(quint32(row + 1)));
    }
    if (!rows.laidOut())
        return state.SkipWithError("the bars are not 1440 pixels wide");
    for (qint64 n = 0; n < 2; ++n) {
        changeSpan(rows.box, n);
        for (int row = 0; row < boxRows; row += 21) {
            QImage expected = TimeAxisOracle::paintRecordings(
                recordingsOf(count, quint32(row + 1)), spanBegin(n), spanDegree(n), barWidth, barHeight);
            TimeAxisOracle::paintActivity(expected, activityOf(quint32(row + 1)), spanBegin(n), spanDegree(n));
            if (paintedStrip(rows.strip(row)) != expected)
                return state.SkipWithError("pixels differ from the literal painter");
        }
    }
    timeBoxRepaint(state, rows);
}

void BM_BoxRepaintLiteral(benchmark::State& state)
{
    const int count = int(state.range(0));
    QVector<const Recordings*> days;
    for (int row = 0; row < boxRows; ++row)
        days << &recordingsOf(count, quint32(row + 1));
    qint64 n = 0;
    for (auto _ : state) {
        ++n;
        for (const Recordings* recordings : qAsConst(days)) {
            QImage image
                = TimeAxisOracle::paintRecordings(*recordings, spanBegin(n), spanDegree(n), barWidth, barHeight);
            benchmark::DoNotOptimize(image.constBits());
        }
    }
}

// ---- Cursor step -------------------------------------------------------------------------------------------------

// Playback runs from 01:00 to 23:00 in steps of a minute (a pixel), then starts over.
const qint64 stepSecs = 60;
const qint64 firstStepSecs = 3600;
const qint64 lastStepSecs = 23 * 3600;

QDateTime firstPlayable(const Recordings& recordings)
{
    const QDateTime from = dayBegin().addSecs(firstStepSecs);
    for (const RecordingTimeInfo& recording : recordings) {
        if (recording.endDatetime >= from)
            return qMax(from, recording.beginDatetime);
    }
    return QDateTime();
}

void BM_CursorStepRepaint(benchmark::State& state)
{
    const Recordings& recordings = recordingsOf(int(state.range(0)));
    Rows rows(1);
    rows.load(0, recordings, false);
    ChannelRecordingTimeAxisWt* bar = rows.bar(0);
    ProgressCursorWt* cursor = bar->findChild<ProgressCursorWt*>();
    const QDateTime start = firstPlayable(recordings);
    if (!rows.laidOut() || !bar->appointPlaybackTime(start))
        return state.SkipWithError("no playback to step");
    QImage image(bar->size(), QImage::Format_ARGB32);
    bar->render(&image);
    QDateTime playback = start;
    for (auto _ : state) {
        // What the window repaints: where the cursor was and where it is now.
        QRegion dirty = cursor->isVisible() ? QRegion(cursor->geometry()) : QRegion();
        playback = playback.addSecs(stepSecs);
        if (dayBegin().secsTo(playback) > lastStepSecs) {
            playback = start;
            bar->appointPlaybackTime(playback);
        } else {
            bar->updatePlaybackTime(playback);
        }
        if (cursor->isVisible())
            dirty += cursor->geometry();
        if (!dirty.isEmpty())
            bar->render(&image, dirty.boundingRect().topLeft(), dirty);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_CursorStepRepaintLiteral(benchmark::State& state)
{
    const Recordings& recordings = recordingsOf(int(state.range(0)));
    TimeAxisOracle::Bar bar;
    bar.searchInfo = searchOf(0);
    bar.setRecordings(recordings, false);
    const QDateTime start = firstPlayable(recordings);
    bar.appointPlaybackTime(start);
    QDateTime playback = start;
    for (auto _ : state) {
        playback = playback.addSecs(stepSecs);
        if (dayBegin().secsTo(playback) > lastStepSecs) {
            playback = start;
            bar.appointPlaybackTime(playback);
        } else {
            bar.updatePlaybackTime(playback);
        }
        bar.events.clear();
        QImage image = TimeAxisOracle::paintRecordings(recordings, dayBegin(), Degree24Hours, barWidth, barHeight);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// ---- Progress report ---------------------------------------------------------------------------------------------

// The middle of file i of continuous recording. The reports go through the files in a fixed stride (about 0.62 of
// the day, coprime to their count): each lies in another file than the one playing, and over a run they visit
// every position of the day, so a walk from the first recording costs what it costs on average.
int reportStride(int files)
{
    int stride = int(files * 0.618);
    while (std::gcd(stride, files) != 1)
        ++stride;
    return stride;
}

QDateTime middleOf(const Recordings& recordings, int i)
{
    const RecordingTimeInfo& recording = recordings.at(i);
    return recording.beginDatetime.addMSecs(recording.beginDatetime.msecsTo(recording.endDatetime) / 2);
}

void BM_ProgressReport(benchmark::State& state)
{
    const Recordings& recordings = continuousRecordingsOf(int(state.range(0)));
    const int files = recordings.size() - 2; // the last file would end playback
    QVector<QDateTime> reports;
    for (int i = 0; i < files; ++i)
        reports << middleOf(recordings, i);
    Rows rows(1);
    rows.load(0, recordings, false);
    ChannelRecordingTimeAxisWt* bar = rows.bar(0);
    if (!bar->appointPlaybackTime(reports.at(0)))
        return state.SkipWithError("no playback");
    const int stride = reportStride(files);
    int i = 0;
    for (auto _ : state) {
        i = (i + stride) % files;
        bar->updatePlaybackTime(reports.at(i));
    }
}

void BM_ProgressReportLiteral(benchmark::State& state)
{
    const Recordings& recordings = continuousRecordingsOf(int(state.range(0)));
    const int files = recordings.size() - 2;
    QVector<QDateTime> reports;
    for (int i = 0; i < files; ++i)
        reports << middleOf(recordings, i);
    TimeAxisOracle::Bar bar;
    bar.searchInfo = searchOf(0);
    bar.setRecordings(recordings, false);
    bar.appointPlaybackTime(reports.at(0));
    const int stride = reportStride(files);
    int i = 0;
    for (auto _ : state) {
        i = (i + stride) % files;
        bar.updatePlaybackTime(reports.at(i));
        bar.events.clear();
    }
}

// ---- Recordings arrive -------------------------------------------------------------------------------------------

void BM_SetRecordings64(benchmark::State& state)
{
    const int count = int(state.range(0));
    QVector<const Recordings*> days;
    for (int row = 0; row < boxRows; ++row)
        days << &recordingsOf(count, quint32(row + 1));
    Rows rows(boxRows);
    for (int row = 0; row < boxRows; ++row)
        rows.startSearch(row);
    const QRegion region = rows.barsRegion();
    QImage image(rows.box.size(), QImage::Format_ARGB32);
    rows.box.render(&image, region.boundingRect().topLeft(), region);
    auto deliverAndPaint = [&] {
        for (int row = 0; row < boxRows; ++row)
            rows.box.setChannelRecordingsTimeInfo(*days.at(row), row, searchKey, true, true);
        rows.box.render(&image, region.boundingRect().topLeft(), region);
    };

    // What the bars keep beyond the host's vectors, which the host still holds: the first delivery into empty bars.
    const qint64 before = allocatedBytes();
    deliverAndPaint();
    const qint64 kept = allocatedBytes() - before;

    for (auto _ : state) {
        deliverAndPaint();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["bytes_per_recording"] = double(kept) / (double(boxRows) * count);
}

// ---- Tables ------------------------------------------------------------------------------------------------------

const QStringList tableColumns = { QStringLiteral("No."), QStringLiteral("Name"), QStringLiteral("Address"),
    QStringLiteral("State"), QStringLiteral("Time") };

struct TableRows
{
    QVector<QStringList> values;
    QVector<QString> keys;
};

const TableRows& tableRowsOf(int count)
{
    static QHash<int, TableRows> made;
    auto it = made.find(count);
    if (it == made.end()) {
        TableRows rows;
        for (int row = 0; row < count; ++row) {
            rows.values << tableRow(row);
            rows.keys << QStringLiteral("key-%1").arg(row);
        }
        it = made.insert(count, rows);
    }
    return *it;
}

void BM_TableInsertBack(benchmark::State& state)
{
    const TableRows& rows = tableRowsOf(int(state.range(0)));
    const QSet<int> intColumns { 0 };
    for (auto _ : state) {
        state.PauseTiming();
        auto table = std::make_unique<TableWidget>();
        table->setHeaderViewColumnName(tableColumns);
        table->resize(800, 600);
        table->show();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        for (int row = 0; row < rows.values.size(); ++row)
            table->insertBack(rows.values.at(row), rows.keys.at(row), intColumns);
        benchmark::DoNotOptimize(table->rowCount());
        state.PauseTiming();
        table.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_BareTableWidgetAppend(benchmark::State& state)
{
    const TableRows& rows = tableRowsOf(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto table = std::make_unique<QTableWidget>();
        table->setColumnCount(tableColumns.size());
        table->setHorizontalHeaderLabels(tableColumns);
        table->resize(800, 600);
        table->show();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        for (int row = 0; row < rows.values.size(); ++row) {
            const QStringList& values = rows.values.at(row);
            table->insertRow(row);
            for (int column = 0; column < values.size(); ++column) {
                auto* cell = new QTableWidgetItem;
                if (column == 0)
                    cell->setData(Qt::DisplayRole, values.at(column).toInt());
                else
                    cell->setData(Qt::DisplayRole, values.at(column));
                cell->setTextAlignment(Qt::AlignCenter);
                if (column == 0)
                    cell->setData(Qt::UserRole, rows.keys.at(row));
                table->setItem(row, column, cell);
            }
        }
        benchmark::DoNotOptimize(table->rowCount());
        state.PauseTiming();
        table.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// ---- Box construction --------------------------------------------------------------------------------------------

class StyleSheetScope
{
public:
    StyleSheetScope() { qApp->setStyleSheet(applicationStyleSheet(600)); }
    ~StyleSheetScope() { qApp->setStyleSheet(QString()); }
};

void BM_BoxConstruct64(benchmark::State& state)
{
    StyleSheetScope sheet;
    QImage image(10 + checkBoxWidth + 6 + barWidth + 10, 22 * boxRows + 19, QImage::Format_ARGB32);
    for (auto _ : state) {
        auto box = std::make_unique<RecordingsTimeAxisBox>(boxRows, true);
        if (featuresOn)
            enableFeatures(*box);
        box->setChannelCheckBoxWidth(checkBoxWidth);
        box->setMarginRight(10);
        box->resize(image.size());
        box->show();
        box->render(&image);
        benchmark::DoNotOptimize(image.constBits());
        state.PauseTiming();
        box.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// 64 rows of a check box and a strip holding a label, plain Qt widgets in the same layouts as the box's rows.
void BM_BoxConstruct64Bare(benchmark::State& state)
{
    StyleSheetScope sheet;
    QImage image(10 + checkBoxWidth + 6 + barWidth + 10, 22 * boxRows + 19, QImage::Format_ARGB32);
    for (auto _ : state) {
        auto box = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(box.get());
        layout->setSpacing(1);
        layout->setContentsMargins(10, 10, 10, 10);
        for (int row = 0; row < boxRows; ++row) {
            auto* checkBox = new QCheckBox(QStringLiteral("Video %1").arg(row + 1), box.get());
            checkBox->setFixedSize(checkBoxWidth, barHeight);
            auto* bar = new QWidget(box.get());
            bar->setFixedHeight(barHeight);
            auto* strip = new QWidget(bar);
            auto* barLayout = new QHBoxLayout(bar);
            barLayout->setContentsMargins(0, 0, 0, 0);
            barLayout->addWidget(strip);
            auto* label = new QLabel(strip);
            label->setFixedSize(20, 20);
            label->hide();
            auto* rowLayout = new QHBoxLayout;
            rowLayout->setContentsMargins(0, 0, 0, 0);
            rowLayout->setSpacing(6);
            rowLayout->addWidget(checkBox);
            rowLayout->addWidget(bar);
            layout->addLayout(rowLayout);
        }
        box->setFixedHeight(image.height());
        box->resize(image.size());
        box->show();
        box->render(&image);
        benchmark::DoNotOptimize(image.constBits());
        state.PauseTiming();
        box.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// ---- Idle ----------------------------------------------------------------------------------------------------------

// Counts the animation frames the library's movies decode and every timer event the application delivers (the
// benchmark's own stop timer excepted: everything else alive belongs to the library).
class IdleCounter : public QObject
{
public:
    explicit IdleCounter(QObject* stopTimer)
        : stopTimer(stopTimer)
    {
        qApp->installEventFilter(this);
    }
    ~IdleCounter() override { qApp->removeEventFilter(this); }
    void watch(QMovie* movie)
    {
        connect(movie, &QMovie::frameChanged, this, [this] { ++decodes; });
        if (movie->isValid())
            ++validMovies;
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Timer && watched != stopTimer)
            ++wakeups;
        return false;
    }

    QObject* stopTimer;
    qint64 decodes = 0;
    qint64 wakeups = 0;
    int validMovies = 0;
};

void BM_IdleBox64(benchmark::State& state)
{
    // Every row has searched once (its waiting animation shown and hidden again); none searches now.
    Rows rows(boxRows);
    for (int row = 0; row < boxRows; ++row)
        rows.load(row, recordingsOf(144), false);
    QWidget target; // never shown, so its overlay stays hidden
    auto* overlay = new DisabledWaitingWt(&target, QStringLiteral("Loading"));
    Q_UNUSED(overlay);

    // A real event loop of a few seconds, once per process: the time per iteration below is one idle pass.
    static double decodesPerSecond = -1;
    static double wakeupsPerSecond = -1;
    static int movies = 0;
    if (decodesPerSecond < 0) {
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
        QTimer stop;
        stop.setSingleShot(true);
        IdleCounter counter(&stop);
        for (QMovie* movie : rows.box.findChildren<QMovie*>())
            counter.watch(movie);
        for (QMovie* movie : target.findChildren<QMovie*>())
            counter.watch(movie);
        QEventLoop loop;
        QObject::connect(&stop, &QTimer::timeout, &loop, &QEventLoop::quit);
        constexpr int idleMSecs = 3000;
        QElapsedTimer elapsed;
        elapsed.start();
        stop.start(idleMSecs);
        loop.exec();
        const double seconds = double(elapsed.nsecsElapsed()) / 1e9;
        decodesPerSecond = double(counter.decodes) / seconds;
        wakeupsPerSecond = double(counter.wakeups) / seconds;
        movies = counter.validMovies;
    }
    for (auto _ : state)
        QCoreApplication::processEvents();
    state.counters["decodes_per_s"] = decodesPerSecond;
    state.counters["wakeups_per_s"] = wakeupsPerSecond;
    state.counters["movies"] = movies;
}

// ---- With label marks -------------------------------------------------------------------------------------------

void BM_BoxRepaintMarks(benchmark::State& state)
{
    marksOn = true;
    BM_BoxRepaint(state);
    marksOn = false;
}

} // namespace

BENCHMARK(BM_BarRepaint)->Arg(144)->Arg(3000)->Arg(8640)->Arg(50000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BarRepaintLiteral)->Arg(144)->Arg(3000)->Arg(8640)->Arg(50000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BarRepaintDegree1)->Arg(144)->Arg(3000)->Arg(8640)->Arg(50000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoxRepaint)->Arg(8640)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoxRepaintLiteral)->Arg(8640)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoxRepaintActivity)->Arg(8640)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CursorStepRepaint)->Arg(8640)->Arg(50000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CursorStepRepaintLiteral)->Arg(8640)->Arg(50000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProgressReport)->Arg(8640)->Arg(50000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProgressReportLiteral)->Arg(8640)->Arg(50000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SetRecordings64)->Arg(8640)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableInsertBack)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareTableWidgetAppend)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BoxConstruct64)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BoxConstruct64Bare)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IdleBox64)->Unit(benchmark::kMicrosecond);
ZCB_BENCHMARK_WITH_FEATURES(BM_BarRepaint)->Arg(144)->Arg(3000)->Arg(8640)->Arg(50000)->Unit(benchmark::kMicrosecond);
ZCB_BENCHMARK_WITH_FEATURES(BM_BarRepaintDegree1)->Arg(8640)->Arg(50000)->Unit(benchmark::kMicrosecond);
ZCB_BENCHMARK_WITH_FEATURES(BM_BoxRepaint)->Arg(8640)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BoxRepaintMarks)->Arg(8640)->Unit(benchmark::kMicrosecond);
ZCB_BENCHMARK_WITH_FEATURES(BM_BoxRepaintMarks)->Arg(8640)->Unit(benchmark::kMicrosecond);
ZCB_BENCHMARK_WITH_FEATURES(BM_CursorStepRepaint)->Arg(8640)->Arg(50000)->Unit(benchmark::kMicrosecond);
ZCB_BENCHMARK_WITH_FEATURES(BM_ProgressReport)->Arg(8640)->Arg(50000)->Unit(benchmark::kMicrosecond);
ZCB_BENCHMARK_WITH_FEATURES(BM_SetRecordings64)->Arg(8640)->Unit(benchmark::kMillisecond);
ZCB_BENCHMARK_WITH_FEATURES(BM_BoxConstruct64)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CorvaneBaseInit::_instance().worker = new BenchWorker;
    CorvaneBaseInit::_instance().moduleInit();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
