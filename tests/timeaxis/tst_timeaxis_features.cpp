// The box's opt-in features: range selection for download, a minimum width for short recordings, label clusters,
// the hover read-out, the activity band, preview thumbnails and bookmarks. Each is off by default, and off it must
// leave pixels and signals exactly as they were.

#include "timeaxis/bookmarkbands_p.h"
#include "timeaxis/channelrecordingtimeaxiswt_p.h"
#include "timeaxis/labelclusters_p.h"
#include "timeaxis/recordinglabelwt_p.h"
#include "timeaxis/recordingstimeaxisbox.h"
#include "timeaxis/thumbnailpreview_p.h"

#include "timeaxisoracle.h"
#include "zcbtest.h"

#include <QLabel>
#include <QMenu>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QScreen>
#include <QToolTip>
#include <QtTest>

using namespace ZCORVANEBASE;
using namespace TimeAxisOracle;
using Samples = QVector<ActivitySample>;
using Bookmarks = QVector<Bookmark>;

namespace {
const QString channel = QStringLiteral("dev7_3");
const QString key = QStringLiteral("search-1");
const QRgb background = QColor(QStringLiteral("#24344c")).rgb();
const QRgb green = QColor(QStringLiteral("#00cf8b")).rgb();
const QRgb red = QColor(QStringLiteral("#dc4d4d")).rgb();
const QRgb accent = QColor(QStringLiteral("#3d8ef7")).rgb();
const QRgb highlight = QColor(QStringLiteral("#ffcb5a")).rgb();

QDateTime t(const QString& text)
{
    return at(text.left(2).toInt(), text.mid(3, 2).toInt(), text.mid(6, 2).toInt());
}

// "01:00-02:00 !03:00-03:00:30": recordings in the given order, "!" marks an alarm recording.
Recordings parse(const QString& text)
{
    Recordings recordings;
    for (const QString& span : text.split(' ', Qt::SkipEmptyParts))
        recordings << recording(t(span.section('-', 0, 0).remove('!')), t(span.section('-', 1)), span[0] == '!');
    return recordings;
}

// b(ackground), g(reen) or r(ed) as painted.
QRgb colour(QChar kind)
{
    return kind == 'b' ? background : kind == 'g' ? green : red;
}

QString hhmm(const QDateTime& datetime)
{
    return datetime.toString(datetime.time().second() ? QStringLiteral("hh:mm:ss") : QStringLiteral("hh:mm"));
}

// The plain way to paint with a minimum width: every recording's columns from the bar mapping, widened when it
// begins in view and is narrower, alarm winning in every column. 0 background, 1 recording, 2 alarm recording.
QVector<int> paintWidened(const Recordings& recordings, const QDateTime& begin, int degree, int width, int minimum)
{
    QVector<int> kinds(width, 0);
    const QDateTime viewEnd = begin.addSecs(qint64(degree) * 3600);
    auto x = [&](const QDateTime& datetime) {
        return int(double(begin.secsTo(datetime)) / double(degree * 3600) * width);
    };
    for (const RecordingTimeInfo& recording : recordings) {
        if (recording.beginDatetime >= viewEnd)
            break;
        if (recording.endDatetime <= begin)
            continue;
        int x1 = x(qMax(recording.beginDatetime, begin));
        int x2 = x(qMin(recording.endDatetime, viewEnd));
        if (recording.beginDatetime >= begin && x2 - x1 < minimum) {
            const int from = qMax(x1 - minimum / 2, x2 - minimum);
            x1 = qMax(0, from);
            x2 = qMin(width, from + minimum);
        }
        for (int column = x1; column < x2; ++column)
            kinds[column] = qMax(kinds[column], recording.isAlarm ? 2 : 1);
    }
    return kinds;
}

void setFeature(RecordingsTimeAxisBox& box, const QString& feature, bool on)
{
    const bool all = feature == QLatin1String("activity, thumbnails and bookmarks");
    if (feature == QLatin1String("range selection"))
        box.setRangeSelectionEnabled(on);
    else if (feature == QLatin1String("minimum interval width"))
        box.setMinimumIntervalWidth(on ? 5 : 0);
    else if (feature == QLatin1String("label clustering"))
        box.setLabelClusteringEnabled(on);
    else if (feature == QLatin1String("hover read-out"))
        box.setHoverReadoutEnabled(on);
    if (all || feature == QLatin1String("activity band"))
        box.setChannelActivity(0, on ? Samples { { at(1, 0), 3600, 80 } } : Samples());
    if (all || feature == QLatin1String("thumbnail preview"))
        box.setThumbnailPreviewEnabled(on);
    if (all || feature == QLatin1String("bookmarks"))
        box.setBookmarks(0, on ? Bookmarks { { "b", "Gate", at(1, 10), at(1, 20) } } : Bookmarks());
}

// A shown box whose bars are 1440 pixels wide: a pixel is a minute of the day. Its signals land in `events`.
class Axis
{
public:
    explicit Axis(int rows = 1)
        : box(rows, true)
    {
        box.setChannelCheckBoxWidth(100);
        box.setMarginRight(10);
        box.resize(10 + 100 + 6 + 1440 + 10, box.height());
        for (int row = 0; row < rows; ++row)
            bar(row)->setBeginTimeAndDegree(Degree24Hours, at(0, 0));
        QObject::connect(&box, &RecordingsTimeAxisBox::signalAppointPlaybackTime,
            [this](const QString& c, int i, int l, const QDateTime& d) { events << appointEvent(c, i, l, d); });
        QObject::connect(&box, &RecordingsTimeAxisBox::signalDatetimePercentInFile,
            [this](int index, float value) { events << percentEvent(index, value); });
        QObject::connect(
            &box, &RecordingsTimeAxisBox::signalRecordingLabelsEnabled, [this](const QStringList& labels, bool on) {
                events << QStringLiteral("labels(%1,%2)").arg(labels.join('/')).arg(on);
            });
        QObject::connect(&box, &RecordingsTimeAxisBox::signalDownloadRangeSelected,
            [this](int index, const QDateTime& begin, const QDateTime& end) {
                events << QStringLiteral("range(%1,%2,%3)").arg(index).arg(hhmm(begin), hhmm(end));
            });
        QObject::connect(
            &box, &RecordingsTimeAxisBox::signalThumbnailRequested, [this](int index, const QDateTime& moment) {
                events << QStringLiteral("thumbnail(%1,%2)").arg(index).arg(hhmm(moment));
            });
        QObject::connect(&box, &RecordingsTimeAxisBox::signalBookmarkClicked,
            [this](int index, const QString& id) { events << QStringLiteral("bookmark(%1,%2)").arg(index).arg(id); });
        box.show();
        exposed = QTest::qWaitForWindowExposed(&box);
    }
    void load(const QString& recordings, int row = 0)
    {
        box.setRecordingSearchInfo(
            SearchStarted, key, RecordingSearchInfo { channel, 1, row, 0, at(0, 0), at(0, 0).addDays(1), QDateTime() });
        box.setChannelRecordingsTimeInfo(parse(recordings), row, key, true, false);
        box.setRecordingSearchInfo(SearchFinished, key, RecordingSearchInfo());
        events.clear();
    }
    void addMark(const QString& name, const QDateTime& datetime, int row = 0)
    {
        const LocalRecordingLabelInfo info { name, channel, 1, datetime };
        QVERIFY(QMetaObject::invokeMethod(
            bar(row), "slotAddRecordingLabelToLocalDB", Q_ARG(LocalRecordingLabelInfo, info), Q_ARG(int, 0)));
    }
    void shiftDrag(int from, int to, int row = 0)
    {
        QTest::mousePress(strip(row), Qt::LeftButton, Qt::ShiftModifier, QPoint(from, 10));
        QTest::mouseRelease(strip(row), Qt::LeftButton, Qt::ShiftModifier, QPoint(to, 10));
    }
    ChannelRecordingTimeAxisWt* bar(int row = 0) const
    {
        return box.findChild<ChannelRecordingTimeAxisWt*>(QStringLiteral("channelRecordingTimeAxisWt_%1").arg(row));
    }
    QWidget* strip(int row = 0) const { return bar(row)->strip(); }
    QImage image(int row = 0) const { return strip(row)->grab().toImage().convertToFormat(QImage::Format_ARGB32); }
    QStringList visibleMarks() const
    {
        QStringList names;
        for (RecordingLabelWt* mark : strip()->findChildren<RecordingLabelWt*>()) {
            if (!mark->isHidden())
                names << mark->getRecordingLabelInfo().name;
        }
        return names;
    }

    RecordingsTimeAxisBox box;
    QStringList events;
    bool exposed;
};
}

class tst_TimeAxisFeatures : public QObject
{
    Q_OBJECT

private slots:
    void init() { ZcbTest::installFakeWorker(); }

    void defaultsUnchanged_data()
    {
        QTest::addColumn<QString>("feature");
        for (const char* feature : { "range selection", "minimum interval width", "label clustering", "hover read-out",
                 "activity band", "thumbnail preview", "bookmarks", "activity, thumbnails and bookmarks" })
            QTest::newRow(feature) << QString::fromLatin1(feature);
    }

    // A box that had the feature on and off again sees a session exactly as a box that never heard of it: the same
    // signals and the same pixels, after a hover (that rests), a Shift+drag (which then seeks on release), clicks
    // (one on the bottom rows) and Escape.
    void defaultsUnchanged()
    {
        QFETCH(QString, feature);
        auto session = [&feature](bool toggled) {
            Axis axis;
            axis.load(QStringLiteral("01:00-02:00 01:00:10-01:00:20 !03:00-03:00:30 !05:00-09:00 06:00-06:10"));
            axis.addMark(QStringLiteral("A"), at(1, 0));
            axis.addMark(QStringLiteral("B"), at(1, 5));
            if (toggled) {
                setFeature(axis.box, feature, true);
                setFeature(axis.box, feature, false);
            }
            ZcbTest::mouseMove(&axis.box, QPoint(20, 20));
            ZcbTest::mouseMove(axis.strip(), QPoint(90, 10));
            QTest::qWait(150);
            axis.shiftDrag(70, 100);
            QTest::mouseClick(axis.strip(), Qt::LeftButton, Qt::NoModifier, QPoint(330, 10));
            QTest::mouseClick(axis.strip(), Qt::LeftButton, Qt::NoModifier, QPoint(75, 19));
            QTest::keyClick(axis.bar(), Qt::Key_Escape);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            // Nothing of the feature is left behind either.
            return std::make_tuple(axis.events, axis.box.grab().toImage(), axis.box.findChildren<QObject*>().size());
        };
        const auto plain = session(false);
        const auto toggled = session(true);
        QVERIFY(std::get<0>(plain).contains(appointEvent(channel, 0, 1, at(1, 40))));
        QVERIFY(std::get<0>(plain).contains(appointEvent(channel, 0, 1, at(5, 30))));
        QVERIFY(std::get<0>(plain).contains(appointEvent(channel, 0, 1, at(1, 15))));
        QCOMPARE(std::get<0>(toggled), std::get<0>(plain));
        QVERIFY(std::get<1>(toggled) == std::get<1>(plain));
        QCOMPARE(std::get<2>(toggled), std::get<2>(plain));
    }

    void minimumIntervalWidth_data()
    {
        // Minimum width ; recordings ; colour and column: b(ackground), g(reen), r(ed).
        QTest::addColumn<QString>("row");
        QTest::newRow("a clip inside one column, 3 wide") << "3 ; 01:00:10-01:00:20 ; b58 g59 g60 g61 b62";
        QTest::newRow("4 wide: two columns left of its begin") << "4 ; 01:00:10-01:00:20 ; b57 g58 g61 b62";
        QTest::newRow("an empty clip too") << "3 ; !01:00:30-01:00:30 ; b58 r59 r61 b62";
        QTest::newRow("narrower: keeps its own columns") << "5 ; 01:00-01:04 ; b58 g59 g63 b64";
        QTest::newRow("clipped at the left edge") << "5 ; 00:00:05-00:00:10 ; g0 g2 b3";
        QTest::newRow("clipped at the right edge") << "3 ; 23:59:30-23:59:40 ; b1437 g1438 g1439";
        QTest::newRow("alarm wins in a column") << "3 ; !01:00:00-01:00:20 01:00:30-01:00:40 ; r59 r60 r61 b62";
        QTest::newRow("a clip beside a long one")
            << "3 ; 01:00-02:00 !02:00:10-02:00:20 03:00-04:00 ; g118 r119 r121 b122";
        QTest::newRow("begun before the view: its own columns") << "3 ; 23:59:50-00:00:20 ; b0 b1";
    }

    void minimumIntervalWidth()
    {
        QFETCH(QString, row);
        const QStringList part = row.split(" ; ");
        Axis axis;
        QVERIFY(axis.exposed && axis.bar()->width() == 1440);
        axis.load(part[1]);
        axis.box.setMinimumIntervalWidth(part[0].toInt());
        axis.box.setMinimumIntervalWidth(-1); // ignored
        QCOMPARE(axis.box.minimumIntervalWidth(), part[0].toInt());
        const QImage image = axis.image();
        for (const QString& pixel : part[2].split(' ')) {
            const int x = pixel.mid(1).toInt();
            QVERIFY2(image.pixel(x, 0) == colour(pixel[0]) && image.pixel(x, image.height() - 1) == colour(pixel[0]),
                qPrintable(pixel));
        }
    }

    void minimumIntervalWidthMatchesPlainAlgorithm_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("minimum");
        QTest::newRow("1440 pixels, 3 wide") << 1440 << 3;
        QTest::newRow("777 pixels, 2 wide") << 777 << 2;
        QTest::newRow("1427 pixels, 8 wide") << 1427 << 8;
    }

    // 2,000 clips, empty to a few minutes long, and longer recordings over them, on views of every degree.
    void minimumIntervalWidthMatchesPlainAlgorithm()
    {
        QFETCH(int, width);
        QFETCH(int, minimum);
        QRandomGenerator random(quint32(width * minimum));
        Recordings recordings;
        for (qint64 begin = -300000; recordings.size() < 2000; begin += random.bounded(90000)) {
            const qint64 length = random.bounded(8) == 0 ? random.bounded(7200) : random.bounded(200);
            const QDateTime from = at(0, 0).addMSecs(begin);
            recordings << recording(from, from.addSecs(length), random.bounded(4) == 0);
        }
        ChannelRecordingTimeAxisWt bar(false);
        bar.resize(width, 21);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        bar.setRecordingsTimeInfo(recordings, true, false);
        bar.setMinimumIntervalWidth(minimum);
        for (int view = 0; view < 15; ++view) {
            const int degree = QList<int> { 24, 12, 6, 3, 1 }.at(view % 5);
            const QDateTime begin = view < 5 ? at(0, 0) : at(0, 0).addSecs(random.bounded(-3600, 40000));
            bar.setBeginTimeAndDegree(TimeAxisDegree(degree), begin);
            const QImage image = bar.strip()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
            const QVector<int> kinds = paintWidened(recordings, begin, degree, width, minimum);
            for (int x = 0; x < width; ++x) {
                QVERIFY2(image.pixel(x, 10) == colour(QStringLiteral("bgr").at(kinds.at(x))),
                    qPrintable(QStringLiteral("degree %1 begin %2 x %3").arg(degree).arg(begin.toString()).arg(x)));
            }
        }
    }

    void rangeSelection_data()
    {
        // Shift+press at x, release at x ; the span emitted (empty: none) over 01:00-02:00 and 03:00-04:00.
        QTest::addColumn<QString>("row");
        QTest::newRow("inside one recording") << "70 100 ; 01:10 01:40";
        QTest::newRow("dragged leftwards") << "100 70 ; 01:10 01:40";
        QTest::newRow("from a gap: from the next begin") << "150 200 ; 03:00 03:20";
        QTest::newRow("into a gap: to the end of the recording") << "100 150 ; 01:40 02:00";
        QTest::newRow("over two recordings") << "90 200 ; 01:30 03:20";
        QTest::newRow("over nothing recorded") << "130 170 ; ";
        QTest::newRow("a Shift+click") << "90 90 ; ";
    }

    // A Shift+drag never seeks; it emits the recorded part of the span and leaves a band with a handle at each end.
    void rangeSelection()
    {
        QFETCH(QString, row);
        const QStringList part = row.split(" ; ");
        const QStringList drag = part[0].split(' ');
        const QStringList span = part[1].split(' ', Qt::SkipEmptyParts);
        Axis axis;
        axis.box.setRangeSelectionEnabled(true);
        axis.load(QStringLiteral("01:00-02:00 03:00-04:00"));
        const QImage before = axis.image();
        axis.shiftDrag(drag[0].toInt(), drag[1].toInt());
        if (span.isEmpty()) {
            QCOMPARE(axis.events, QStringList());
            QVERIFY(axis.image() == before);
            return;
        }
        QCOMPARE(axis.events, QStringList { QStringLiteral("range(0,%1,%2)").arg(span[0], span[1]) });
        const int x1 = at(0, 0).secsTo(t(span[0])) / 60;
        const int x2 = at(0, 0).secsTo(t(span[1])) / 60;
        const QImage image = axis.image();
        QCOMPARE(image.pixel(x1, 0), accent);
        QCOMPARE(image.pixel(x2, 0), accent);
        QCOMPARE(image.pixel(x1 - 2, 0), before.pixel(x1 - 2, 0));
        QCOMPARE(image.pixel(x2 + 2, 0), before.pixel(x2 + 2, 0));
        const QRgb band = image.pixel((x1 + x2) / 2, 0);
        QVERIFY(band != before.pixel((x1 + x2) / 2, 0) && qBlue(band) > qBlue(before.pixel((x1 + x2) / 2, 0)));
    }

    // The handles drag with or without Shift; other presses still seek and keep the band; Escape clears every row.
    void rangeHandlesAndEscape()
    {
        Axis axis(2);
        axis.box.setRangeSelectionEnabled(true);
        axis.load(QStringLiteral("01:00-02:00 03:00-04:00"), 0);
        axis.load(QStringLiteral("01:00-02:00 03:00-04:00"), 1);
        const QImage before = axis.image(1);
        QTest::mousePress(axis.strip(1), Qt::LeftButton, Qt::ShiftModifier, QPoint(70, 10));
        QMouseEvent move(QEvent::MouseMove, QPointF(100, 10), QPointF(axis.strip(1)->mapToGlobal(QPoint(100, 10))),
            Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
        QCoreApplication::sendEvent(axis.strip(1), &move);
        QCOMPARE(axis.image(1).pixel(70, 0), accent); // shown while dragging, emitted on release
        QCOMPARE(axis.events, QStringList());
        QTest::mouseRelease(axis.strip(1), Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 10));
        axis.shiftDrag(200, 230, 0);
        QTest::mousePress(axis.strip(1), Qt::LeftButton, Qt::NoModifier, QPoint(101, 10)); // the end's handle
        QTest::mouseRelease(axis.strip(1), Qt::LeftButton, Qt::NoModifier, QPoint(110, 10));
        QTest::mousePress(axis.strip(1), Qt::LeftButton, Qt::ShiftModifier, QPoint(68, 10)); // the begin's handle
        QTest::mouseRelease(axis.strip(1), Qt::LeftButton, Qt::ShiftModifier, QPoint(40, 10));
        QCOMPARE(axis.events,
            QStringList({ QStringLiteral("range(1,01:10,01:40)"), QStringLiteral("range(0,03:20,03:49:59)"),
                QStringLiteral("range(1,01:10,01:50)"), QStringLiteral("range(1,01:00,01:50)") }));
        axis.events.clear();
        QTest::mouseClick(axis.strip(1), Qt::LeftButton, Qt::NoModifier, QPoint(80, 10));
        QCOMPARE(axis.events.value(0), appointEvent(channel, 1, 1, at(1, 20)));
        QCOMPARE(axis.image(1).pixel(60, 0), accent);

        QTest::keyClick(&axis.box, Qt::Key_Escape);
        QCOMPARE(axis.image(1).pixel(60, 0), before.pixel(60, 0));
        QCOMPARE(axis.image(0).pixel(200, 0), green);
        axis.events.clear();
        QTest::mouseClick(axis.strip(1), Qt::LeftButton, Qt::NoModifier, QPoint(110, 10)); // no handle any more
        QCOMPARE(axis.events.value(0), appointEvent(channel, 1, 1, at(1, 50)));
    }

    void labelClusters_data()
    {
        // Marks (name@moment) ; view after they were added (hours from) ; badges ; marks shown.
        QTest::addColumn<QString>("row");
        QTest::newRow("within 11 pixels of the first") << "A@01:00 B@01:05 C@01:11 ; 24 00:00 ; 3 ; A";
        QTest::newRow("12 pixels apart") << "A@01:00 B@01:12 ; 24 00:00 ; ; A B";
        QTest::newRow("a cluster starts again") << "A@01:00 B@01:11 C@01:20 D@01:25 ; 24 00:00 ; 2 2 ; A C";
        QTest::newRow("the leftmost stands for them") << "B@01:05 A@01:00 ; 24 00:00 ; 2 ; A";
        QTest::newRow("zooming in parts them") << "A@01:00 B@01:05 C@01:11 ; 1 01:00 ; ; A B C";
        QTest::newRow("out of view") << "A@01:00 B@01:05 C@03:00 D@03:01 ; 1 02:30 ; ; C D";
    }

    void labelClusters()
    {
        QFETCH(QString, row);
        QStringList part = row.split(';');
        for (QString& each : part)
            each = each.trimmed();
        Axis axis;
        axis.box.setLabelClusteringEnabled(true);
        axis.load(QStringLiteral("00:30-04:00"));
        for (const QString& mark : part[0].split(' '))
            axis.addMark(mark.section('@', 0, 0), t(mark.section('@', 1)));
        axis.bar()->setBeginTimeAndDegree(
            TimeAxisDegree(part[1].section(' ', 0, 0).toInt()), t(part[1].section(' ', 1)));
        QStringList counts;
        for (LabelClusterBadge* badge : axis.bar()->labelClusters()->badges())
            counts << QString::number(badge->count());
        QCOMPARE(counts, part[2].split(' ', Qt::SkipEmptyParts));
        QStringList shown = axis.visibleMarks();
        shown.sort();
        QCOMPARE(shown, part[3].split(' '));
    }

    // The badge lists the marks' names and moments, follows renames and removals, and goes with the feature.
    void labelClusterBadge()
    {
        Axis axis;
        axis.box.setLabelClusteringEnabled(true);
        axis.load(QStringLiteral("00:30-04:00"));
        axis.addMark(QStringLiteral("Gate"), at(1, 5));
        axis.addMark(QStringLiteral("Door"), at(1, 0));
        axis.addMark(QStringLiteral("Yard"), at(1, 8, 30));
        LabelClusterBadge* badge = axis.bar()->labelClusters()->badges().value(0);
        QVERIFY(badge);
        QCOMPARE(badge->toolTip(),
            QStringLiteral("Door:2024-03-05 01:00:00\nGate:2024-03-05 01:05:00\nYard:2024-03-05 01:08:30"));
        const QRect door = axis.strip()->findChildren<RecordingLabelWt*>().at(1)->geometry();
        QCOMPARE(badge->geometry().left(), door.right() - 2);
        const QImage image = axis.image().copy(badge->geometry());
        int orange = 0;
        for (int i = 0; i < image.width() * image.height(); ++i)
            orange += image.pixel(i % image.width(), i / image.width()) == QColor(QStringLiteral("#f08c1a")).rgb();
        QVERIFY(orange > image.width() * image.height() / 3);

        QVERIFY(QMetaObject::invokeMethod(axis.bar(), "slotUpdateRecordingLabelNameInLocalDB",
            Q_ARG(QString, QStringLiteral("Yard")), Q_ARG(QString, QStringLiteral("Shed"))));
        QVERIFY(badge->toolTip().endsWith(QLatin1String("Shed:2024-03-05 01:08:30")));
        QVERIFY(QMetaObject::invokeMethod(
            axis.bar(), "slotDeleteRecordingLabelFromLocalDB", Q_ARG(QString, QStringLiteral("Door"))));
        QCOMPARE(badge->count(), 2);
        QCOMPARE(axis.visibleMarks(), QStringList { QStringLiteral("Gate") });

        axis.box.setLabelClusteringEnabled(false);
        QVERIFY(!axis.bar()->labelClusters());
        QVERIFY(axis.strip()->findChildren<LabelClusterBadge*>().isEmpty());
        QCOMPARE(axis.visibleMarks().size(), 2);
    }

    void hoverReadout_data()
    {
        // Pointer x ; the read-out ; it stands right (r) or left (l) of the pointer ; its kind after a switch to
        // simplified Chinese under the pointer.
        QTest::addColumn<QString>("row");
        QTest::newRow("a recording") << "90 ; 01:30:00  recording ; r ; 录像";
        QTest::newRow("an alarm recording") << "200 ; 03:20:00  alarm recording ; r ; 报警录像";
        QTest::newRow("a gap") << "150 ; 02:30:00  no recording ; r ; 无录像";
        QTest::newRow("a clip widened to 3 pixels") << "301 ; 05:01:00  alarm recording ; r ; 报警录像";
        QTest::newRow("at the right edge it turns left") << "1430 ; 23:50:00  no recording ; l ; 无录像";
    }

    void hoverReadout()
    {
        QFETCH(QString, row);
        const QStringList part = row.split(" ; ");
        const int x = part[0].toInt();
        Axis axis;
        axis.box.setHoverReadoutEnabled(true);
        axis.box.setMinimumIntervalWidth(3);
        axis.load(QStringLiteral("01:00-02:00 !03:00-04:00 !05:00:10-05:00:20"));
        QVERIFY(!axis.strip()->findChild<QLabel*>(QStringLiteral("hoverReadout"))); // made on the first hover
        // On a real window system the pointer moves and its events come later: each check waits for them.
        QTest::mouseMove(&axis.box, QPoint(20, 20)); // from the check box column (the pointer may be at x already)
        QTest::mouseMove(axis.strip(), QPoint(x, 10));
        QLabel* readout = nullptr;
        QTRY_VERIFY(
            (readout = axis.strip()->findChild<QLabel*>(QStringLiteral("hoverReadout"))) && readout->isVisible());
        QTRY_COMPARE(readout->text(), part[1]);
        if (part[2] == QLatin1String("r"))
            QCOMPARE(readout->x(), x + 12);
        else
            QCOMPARE(readout->geometry().right(), x - 12 - 1);
        {
            auto restore = qScopeGuard([] { ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageEnUS); });
            ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageZhCN);
            QCOMPARE(readout->text(), part[1].left(10) + part[3]);
        }
        QCOMPARE(readout->text(), part[1]);

        QTest::mouseMove(axis.strip(), QPoint(x + 1, 10)); // follows the pointer
        QTRY_COMPARE(readout->text().left(8), axis.bar()->getDatetimeAtPos(QPoint(x + 1, 0)).toString("hh:mm:ss"));
        axis.bar()->setBeginTimeAndDegree(Degree1Hour, at(1, 0)); // under a pointer that stands still
        QTRY_COMPARE(readout->text().left(8), at(1, 0).addSecs((x + 1) * 5 / 2).toString("hh:mm:ss"));
        QTest::mouseMove(&axis.box, QPoint(20, 20)); // the check box column
        QTRY_VERIFY(readout->isHidden());
    }

    // The top 4 rows are the plain painter's band over the recordings at every span and width; a new search or an
    // empty vector takes the band away.
    void activityBand()
    {
        const QString text = QStringLiteral("01:00-02:00 !03:00-04:00 05:00-05:00:20");
        Axis axis;
        axis.load(text);
        Samples samples { { at(0, 40), 7200, 15 }, { at(3, 10), 60, 100 }, { at(5, 0), 30, 100 } };
        for (int minute = 0; minute < 400; ++minute)
            samples << ActivitySample { at(0, 30).addSecs(minute * 60 + minute % 7), 60, minute * 37 % 101 };
        samples << ActivitySample { at(2, 0), 60, 101 };
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("1 of the 404 activity samples"));
        axis.box.setChannelActivity(0, samples);
        QString shown = text;
        auto check = [&](TimeAxisDegree degree, const QDateTime& begin) {
            axis.bar()->setBeginTimeAndDegree(degree, begin);
            QImage expected = paintRecordings(parse(shown), begin, degree, axis.strip()->width(), 21);
            paintActivity(expected, samples, begin, degree);
            return axis.image() == expected;
        };
        QVERIFY(check(Degree24Hours, at(0, 0)));
        QVERIFY(check(Degree1Hour, at(0, 45)));
        QVERIFY(check(Degree6Hours, at(2, 30)));
        axis.box.resize(axis.box.width() - 441, axis.box.height());
        QTRY_COMPARE(axis.strip()->width(), 999);
        QVERIFY(check(Degree3Hours, at(2, 0)));
        QVERIFY(check(Degree24Hours, at(0, 0)));
        // Level 100 is the alarm colour itself (over an alarm recording and over a gap); level 0 leaves the strip.
        axis.box.resize(axis.box.width() + 441, axis.box.height());
        QTRY_COMPARE(axis.strip()->width(), 1440);
        QImage image = axis.image();
        QVERIFY(image.pixel(190, 3) == red && image.pixel(300, 3) == red && image.pixel(300, 4) == background);
        QVERIFY(image.pixel(20, 0) == background && image.pixel(1000, 0) == background);
        for (const QString& recordings : { QStringLiteral("00:00-03:00"), QString() }) {
            shown = recordings; // new recordings (or none) of the same search: the band stays over them
            axis.box.setChannelRecordingsTimeInfo(parse(shown), 0, key, true, false);
            QVERIFY(check(Degree24Hours, at(0, 0)));
        }

        axis.load(text);
        QCOMPARE(axis.image(), paintRecordings(parse(text), at(0, 0), 24, 1440, 21));
        axis.box.setChannelActivity(0, samples.mid(3, 50));
        QVERIFY(axis.image() != paintRecordings(parse(text), at(0, 0), 24, 1440, 21));
        axis.box.setChannelActivity(0, {});
        QCOMPARE(axis.image(), paintRecordings(parse(text), at(0, 0), 24, 1440, 21));
    }

    // Hovering asks for the moment at the start of the 4-pixel bucket under the pointer once it has rested there for
    // 80 ms, and never over a gap. An answer is cached and shows only while its moment is hovered; new recordings
    // empty the cache.
    void thumbnailRequests()
    {
        Axis axis;
        axis.box.setThumbnailPreviewEnabled(true);
        axis.load(QStringLiteral("00:50-02:00 03:00-04:00"));
        QSignalSpy requested(&axis.box, &RecordingsTimeAxisBox::signalThumbnailRequested);
        ZcbTest::mouseMove(&axis.box, QPoint(20, 20)); // from the check box column
        // 105 ms of moves, never 80 ms in one bucket: nothing asked until the pointer rests in the last.
        ZcbTest::mouseMove(axis.strip(), QPoint(62, 10)); // bucket 60..63: 01:00
        QTest::qWait(35);
        ZcbTest::mouseMove(axis.strip(), QPoint(58, 10)); // bucket 56..59: 00:56
        QTest::qWait(35);
        ZcbTest::mouseMove(axis.strip(), QPoint(65, 10)); // bucket 64..67: 01:04
        ZcbTest::mouseMove(axis.strip(), QPoint(67, 10));
        QTest::qWait(35);
        QCOMPARE(requested.count(), 0);
        QVERIFY(requested.wait(1000));
        QTest::qWait(150); // a steady hover asks once
        QCOMPARE(requested, (QList<QVariantList> { { 0, at(1, 4) } }));
        ZcbTest::mouseMove(axis.strip(), QPoint(150, 10)); // 02:30: a gap
        QTest::qWait(150);
        QCOMPARE(requested.count(), 1);

        QImage picture(320, 180, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        axis.box.setThumbnail(0, at(1, 4), picture); // not hovered any more: cached, not shown
        QVERIFY(!axis.bar()->findChild<ThumbnailPopup*>());
        ZcbTest::mouseMove(axis.strip(), QPoint(64, 10));
        auto* popup = axis.bar()->findChild<ThumbnailPopup*>();
        QVERIFY(popup && popup->isVisible());
        QCOMPARE(popup->moment(), at(1, 4));
        QCOMPARE(popup->picture().size(), QSize(160, 90));
        ZcbTest::mouseMove(axis.strip(), QPoint(81, 10)); // 01:20: asked for, and the old picture stays meanwhile
        QVERIFY(requested.wait(1000));
        QCOMPARE(requested.last(), (QVariantList { 0, at(1, 20) }));
        QVERIFY(popup->isVisible() && popup->moment() == at(1, 4));
        axis.box.setThumbnail(0, at(1, 20), picture);
        QCOMPARE(popup->moment(), at(1, 20));

        axis.box.setChannelRecordingsTimeInfo(parse("01:00-02:00"), 0, key, true, false); // under the pointer
        QVERIFY(popup->isHidden());
        QVERIFY(requested.wait(1000));
        QCOMPARE(requested.last(), (QVariantList { 0, at(1, 20) }));
        axis.bar()->setBeginTimeAndDegree(Degree1Hour, at(1, 0)); // x 80 is about 01:03:20 now
        const QDateTime zoomed = axis.bar()->getDatetimeAtPos(QPoint(80, 0));
        QVERIFY(qAbs(zoomed.secsTo(at(1, 3, 20))) <= 1);
        QVERIFY(requested.wait(1000));
        QCOMPARE(requested.last(), (QVariantList { 0, zoomed }));
        ZcbTest::mouseMove(&axis.box, QPoint(20, 20));
        axis.box.setThumbnail(0, zoomed, picture);
        QVERIFY(popup->isHidden());
        axis.box.setThumbnailPreviewEnabled(false);
        QVERIFY(!axis.bar()->findChild<ThumbnailPopup*>());
    }

    // The preview is a window of its own that takes no focus, has a name, and stays on the bar's screen.
    void thumbnailWindow()
    {
        Axis axis;
        axis.box.setThumbnailPreviewEnabled(true);
        axis.load(QStringLiteral("23:00-23:59:59"));
        QImage picture(160, 120, QImage::Format_RGB32);
        axis.box.setThumbnail(0, at(23, 56), picture);
        QWidget* focus = QApplication::focusWidget();
        ZcbTest::mouseMove(axis.strip(), QPoint(1437, 10)); // the bar's last bucket, cached
        auto* popup = axis.bar()->findChild<ThumbnailPopup*>();
        QVERIFY(popup && popup->isVisible() && popup->isWindow());
        QVERIFY(popup->testAttribute(Qt::WA_ShowWithoutActivating) && popup->focusPolicy() == Qt::NoFocus);
        QCOMPARE(QApplication::focusWidget(), focus);
        QVERIFY(!popup->isActiveWindow());
        QCOMPARE(popup->accessibleName(), QStringLiteral("Recording preview"));
        QCOMPARE(popup->accessibleDescription(), QStringLiteral("23:56:00"));
        QVERIFY(axis.bar()->screen()->availableGeometry().contains(popup->geometry()));
        const QRect bar(axis.bar()->mapToGlobal(QPoint(0, 0)), axis.bar()->size());
        QVERIFY(popup->geometry().bottom() < bar.top() || popup->geometry().top() > bar.bottom());
    }

    void bookmarkBands_data()
    {
        // Bookmarks ; the view ; the bands' first and last columns ; their tool tips.
        QTest::addColumn<Bookmarks>("bookmarks");
        QTest::addColumn<int>("degree");
        QTest::addColumn<QDateTime>("begin");
        QTest::addColumn<QVector<int>>("edges");
        QTest::addColumn<QStringList>("toolTips");
        const Bookmark a { "a", "Door", at(1, 0), at(1, 10) };
        const QString doorTip = QStringLiteral("Door: 01:00:00 to 01:10:00");
        QTest::newRow("7 pixels apart: one band")
            << Bookmarks { a, { "b", "Gate", at(1, 17), at(1, 20) } } << 24 << at(0, 0) << QVector<int> { 60, 79 }
            << QStringList { doorTip + "\nGate: 01:17:00 to 01:20:00" };
        QTest::newRow("8 pixels apart: two")
            << Bookmarks { a, { "b", "Gate", at(1, 18), at(1, 20) } } << 24 << at(0, 0)
            << QVector<int> { 60, 69, 78, 80 } << QStringList { doorTip, "Gate: 01:18:00 to 01:20:00" };
        QTest::newRow("zooming in parts them")
            << Bookmarks { a, { "b", "Gate", at(1, 17), at(1, 20) } } << 1 << at(1, 0)
            << QVector<int> { 0, 239, 408, 479 } << QStringList { doorTip, "Gate: 01:17:00 to 01:20:00" };
        QTest::newRow("a moment is 3 pixels wide")
            << Bookmarks { { "c", "Yard", at(2, 0), at(2, 0) } } << 24 << at(0, 0) << QVector<int> { 120, 122 }
            << QStringList { "Yard: 02:00:00 to 02:00:00" };
        QTest::newRow("held inside at the right end")
            << Bookmarks { { "d", "End", at(23, 59), at(23, 59, 30) } } << 24 << at(0, 0) << QVector<int> { 1437, 1439 }
            << QStringList { "End: 23:59:00 to 23:59:30" };
        QTest::newRow("out of view") << Bookmarks { a } << 1 << at(2, 0) << QVector<int>() << QStringList();
    }

    void bookmarkBands()
    {
        QFETCH(Bookmarks, bookmarks);
        QFETCH(int, degree);
        QFETCH(QDateTime, begin);
        QFETCH(QVector<int>, edges);
        QFETCH(QStringList, toolTips);
        Axis axis;
        axis.load(QStringLiteral("00:30-03:00"));
        axis.box.setBookmarks(0, bookmarks);
        axis.bar()->setBeginTimeAndDegree(TimeAxisDegree(degree), begin);
        QVector<int> bands;
        for (const BookmarkBands::Band& band : axis.bar()->bookmarkBands()->bands())
            bands << band.x1 << band.x2 - 1;
        QCOMPARE(bands, edges);
        const QImage image = axis.image();
        for (int i = 0; i < edges.size(); i += 2) {
            for (int x : { edges.at(i), edges.at(i + 1) })
                QVERIFY(image.pixel(x, 18) == highlight && image.pixel(x, 20) == highlight
                    && image.pixel(x, 17) != highlight);
            for (int x : { edges.at(i) - 1, edges.at(i + 1) + 1 })
                QVERIFY(!image.valid(x, 20) || image.pixel(x, 20) != highlight);
            QHelpEvent help(
                QEvent::ToolTip, QPoint(edges.at(i), 19), axis.strip()->mapToGlobal(QPoint(edges.at(i), 19)));
            QCoreApplication::sendEvent(axis.strip(), &help);
            QTRY_COMPARE(QToolTip::text(), toolTips.at(i / 2));
        }
        QToolTip::hideText();
    }

    // A click on a band reports its bookmark and does not seek; a merged band reports its first and offers each of
    // them in a menu. Above the bands, and with Shift, a click seeks as always.
    void bookmarkClicks()
    {
        Axis axis;
        axis.load(QStringLiteral("01:00-02:00 03:00-04:00"));
        axis.box.setBookmarks(0,
            { { "c", "Car", at(3, 30), at(3, 40) }, { "a", "Door", at(1, 0), at(1, 10) },
                { "b", "Gate", at(1, 15), at(1, 20) } });
        QTest::mouseClick(axis.strip(), Qt::LeftButton, Qt::NoModifier, QPoint(210, 19));
        QCOMPARE(axis.events, QStringList { "bookmark(0,c)" });
        QVERIFY(!axis.bar()->findChild<QMenu*>());
        QTest::mouseClick(axis.strip(), Qt::LeftButton, Qt::NoModifier, QPoint(78, 20));
        QCOMPARE(axis.events.last(), QStringLiteral("bookmark(0,a)"));
        auto* menu = axis.bar()->findChild<QMenu*>(QStringLiteral("bookmarkMenu"));
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(menu->actions().size(), 2);
        QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("Gate: 01:15:00 to 01:20:00"));
        menu->actions().at(1)->trigger();
        menu->close();
        QCOMPARE(axis.events, (QStringList { "bookmark(0,c)", "bookmark(0,a)", "bookmark(0,b)" }));
        axis.events.clear();
        QTest::mouseClick(axis.strip(), Qt::LeftButton, Qt::NoModifier, QPoint(210, 13));
        QTest::mouseClick(axis.strip(), Qt::LeftButton, Qt::ShiftModifier, QPoint(70, 20));
        QCOMPARE(axis.events.filter("appoint"),
            (QStringList { appointEvent(channel, 0, 1, at(3, 30)), appointEvent(channel, 0, 1, at(1, 10)) }));
        QVERIFY(axis.events.filter("bookmark").isEmpty());
    }
};

QTEST_MAIN(tst_TimeAxisFeatures)
#include "tst_timeaxis_features.moc"
